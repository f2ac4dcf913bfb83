#include "apoyo/interaccion_guionada.h"
#include "ayuda_dialogos.h"
#include "model/textos.h"
#include "ui/form19.h"
#include "ventana_de_prueba.h"

#include <QApplication>
#include <QTimer>

#include <gtest/gtest.h>

namespace vertana {
namespace {

using namespace prueba;

constexpr char Lista[] = "ListaDePresiónDePoros";

// Tres dovelas sin presión de poros tras un cálculo.
Proyecto ProyectoConResultados()
{
    Proyecto p;
    ReiniciarProyecto(p);
    p.HayResultados = true;
    p.NumeroPuntosDovelas = 4;
    p.PresionPorosDovela.Redimensionar(3);
    return p;
}

void CambiarFila(Form19& d, int fila, const char* valor)
{
    PulsarFila(d, Lista, fila);
    Escribir(d, "TextoPresiónDePoros", valor);
    Pulsar(d, "BotónModificar");
}

TEST(Form19, CondicionDeLaOrden)
{
    Proyecto p = ProyectoConResultados();
    EXPECT_FALSE(CondicionPresionesDePoros(p));
    p.HayResultados = false;
    const auto aviso = CondicionPresionesDePoros(p);
    ASSERT_TRUE(aviso);
    EXPECT_EQ(aviso->texto, textos::SinResultadosEquilibrioLimite);
    EXPECT_EQ(aviso->titulo, "");
}

TEST(Form19, AceptarEscribeLasPresionesYLaBandera)
{
    Proyecto p = ProyectoConResultados();
    InteraccionGuionada ui;
    Form19 dialogo(p, ui);
    Mostrar(dialogo);
    EXPECT_EQ(dialogo.NumeroDeFilas(), 3);
    EXPECT_EQ(Fila(dialogo, Lista, 2), std::vector<std::string>{"0.00"});

    Escribir(dialogo, "TextoPresiónDePoros", "a1");
    Pulsar(dialogo, "BotónModificar");
    EXPECT_EQ(UltimoMensaje(ui).texto, textos::PresionNoNumerica);
    CambiarFila(dialogo, 1, "2.345");
    EXPECT_EQ(Fila(dialogo, Lista, 1), std::vector<std::string>{"2.35"});
    EXPECT_TRUE(dialogo.Modificado());

    Pulsar(dialogo, "BotónAceptar");
    EXPECT_FALSE(dialogo.isVisible());
    EXPECT_EQ(p.PresionPorosDovela, TablaDe({0.0, 2.35, 0.0}));
    EXPECT_TRUE(p.PresionesDePorosDadas);
    EXPECT_FALSE(p.DatosGuardados);
}

TEST(Form19, TodasEnCeroOSinFilaElegidaNoHayPresionesDadas)
{
    {
        Proyecto p = ProyectoConResultados();
        InteraccionGuionada ui;
        Form19 dialogo(p, ui);
        Mostrar(dialogo);
        CambiarFila(dialogo, 0, "0");
        Pulsar(dialogo, "BotónAceptar");
        EXPECT_FALSE(p.PresionesDePorosDadas);
    }
    {
        // Presiones escritas, pero al aceptar no queda ninguna fila elegida.
        Proyecto p = ProyectoConResultados();
        p.PresionesDePorosDadas = true;
        InteraccionGuionada ui;
        Form19 dialogo(p, ui);
        Mostrar(dialogo);
        CambiarFila(dialogo, 2, "5");
        Control<QTreeWidget>(dialogo, Lista)->clearSelection();
        Pulsar(dialogo, "BotónAceptar");
        EXPECT_DOUBLE_EQ(p.PresionPorosDovela(3), 5.0);
        EXPECT_FALSE(p.PresionesDePorosDadas);
    }
}

TEST(Form19, CancelarConCambiosPregunta)
{
    Proyecto p = ProyectoConResultados();
    p.PresionesDePorosDadas = true;
    InteraccionGuionada ui;
    Form19 dialogo(p, ui);
    Mostrar(dialogo);
    CambiarFila(dialogo, 0, "3");
    ui.EsperarPregunta(textos::PreguntaNoRegistrarPresiones, true);
    Pulsar(dialogo, "BotónCancelar");
    EXPECT_TRUE(dialogo.isVisible()); // Sí: sigue abierto
    ui.EsperarPregunta(textos::PreguntaNoRegistrarPresiones, false);
    Pulsar(dialogo, "BotónCancelar");
    EXPECT_FALSE(dialogo.isVisible());
    EXPECT_DOUBLE_EQ(p.PresionPorosDovela(1), 0.0); // el cambio no se registró
    EXPECT_TRUE(p.PresionesDePorosDadas);           // había una fila elegida

    // Sin cambios y sin fila elegida: se cierra sin preguntar y la bandera se borra.
    Mostrar(dialogo);
    Pulsar(dialogo, "BotónCancelar");
    EXPECT_FALSE(dialogo.isVisible());
    EXPECT_FALSE(p.PresionesDePorosDadas);
    EXPECT_TRUE(ui.Cumplido());
}

using VentanaIteraciones = VentanaDePrueba;

TEST_F(VentanaIteraciones, OrdenesDePresionesYDeParametros)
{
    Menu("PresionesDePorosEquilibrioLímite");
    EXPECT_EQ(prueba::UltimoMensaje(ui).texto, textos::SinResultadosEquilibrioLimite);
    EXPECT_EQ(prueba::UltimoMensaje(ui).titulo, "");
    Menu("CambioParámetrosResistenciaPresiónPoros");
    EXPECT_EQ(prueba::UltimoMensaje(ui).titulo, CondicionCambioParametros(p)->titulo);

    // Con resultados se abre Form19; la persona lo cierra sin cambios.
    p.HayResultados = true;
    p.NumeroPuntosDovelas = 3;
    p.PresionPorosDovela.Redimensionar(2);
    p.PresionesDePorosDadas = true;
    QString abierto;
    QTimer::singleShot(0, [&abierto] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            abierto = modal->objectName();
            modal->close();
        }
    });
    Menu("PresionesDePorosEquilibrioLímite");
    EXPECT_EQ(abierto, "Form19");
    EXPECT_FALSE(p.PresionesDePorosDadas); // cerrado sin fila elegida
    EXPECT_TRUE(ui.Cumplido());
}

} // namespace
} // namespace vertana
