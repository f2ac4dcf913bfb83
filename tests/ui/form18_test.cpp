#include "apoyo/interaccion_guionada.h"
#include "ayuda_dialogos.h"
#include "geometry/estado_calculo.h"
#include "model/textos.h"
#include "rock/parametros_instantaneos.h"
#include "ui/form18.h"

#include <QCoreApplication>
#include <cmath>
#include <gtest/gtest.h>

namespace vertana {
namespace {

using namespace prueba;

constexpr char Lista[] = "CambioPresiónPorosParámetrosResistencia";

// Tres dovelas (cuatro bordes) con parámetros dados por pantalla.
Proyecto ProyectoDeTresDovelas()
{
    Proyecto p;
    ReiniciarProyecto(p);
    p.NumeroPuntosDovelas = 4;
    p.DefinicionParametrosInstantaneos = static_cast<DefinicionInstantaneos>(3);
    p.CohesionDovela = TablaDe({1.0, 2.0, 3.0});
    p.FriccionDovela = TablaDe({30.0, 30.0, 30.0});
    p.PresionPorosDovela = TablaDe({0.5, 1.0, 1.5});
    return p;
}

// El diálogo muestra lo que da ParametrosParaCambiar y devuelve lo aceptado; quien lo abre lo
// aplica con AplicarParametrosDeDovelas, como la orden del menú.
TEST(Form18, ListaModificarYAceptarReescribenLasDovelas)
{
    Proyecto p = ProyectoDeTresDovelas();
    EstadoCalculo estado;
    InteraccionGuionada ui;
    Form18 dialogo(ParametrosParaCambiar(p, estado), ui);
    Mostrar(dialogo);
    EXPECT_EQ(dialogo.windowTitle().toStdString(), textos::TituloForm18);
    EXPECT_EQ(Filas(dialogo, Lista), 3);
    EXPECT_EQ(Fila(dialogo, Lista, 1), (std::vector<std::string>{"2", "2.00", "30.00", "1.00"}));
    // Sin parámetros calculados las tablas se ajustan al número de dovelas.
    EXPECT_EQ(estado.Dovelas.TangenteFriccionDovela.Tamano(), 3);

    PulsarFila(dialogo, Lista, 1);
    EXPECT_EQ(Leer(dialogo, "TextoCambioCohesión"), "2.00");
    EXPECT_EQ(Leer(dialogo, "TextoCambioFricción"), "30.00");
    EXPECT_EQ(Leer(dialogo, "TextoCambioPresiónPoros"), "1.00");

    // Las tres comprobaciones, en su orden.
    Escribir(dialogo, "TextoCambioCohesión", "x");
    Escribir(dialogo, "TextoCambioFricción", "y");
    Pulsar(dialogo, "BotónModificar");
    EXPECT_EQ(UltimoMensaje(ui).texto, textos::CohesionNoNumerica);
    Escribir(dialogo, "TextoCambioCohesión", "4.5");
    Pulsar(dialogo, "BotónModificar");
    EXPECT_EQ(UltimoMensaje(ui).texto, textos::FriccionNoNumerica);
    Escribir(dialogo, "TextoCambioFricción", "45");
    Escribir(dialogo, "TextoCambioPresiónPoros", "");
    Pulsar(dialogo, "BotónModificar");
    EXPECT_EQ(UltimoMensaje(ui).texto, textos::PresionPorosNoNumerica);
    EXPECT_FALSE(dialogo.Modificado());
    Escribir(dialogo, "TextoCambioPresiónPoros", "2.125");
    Pulsar(dialogo, "BotónModificar");
    EXPECT_TRUE(dialogo.Modificado());
    EXPECT_EQ(Fila(dialogo, Lista, 1), (std::vector<std::string>{"2", "4.50", "45.00", "2.13"}));

    // No a la pregunta: nada cambia y el diálogo sigue abierto.
    ui.EsperarPregunta(textos::PreguntaAceptarCambiosParametros, false);
    Pulsar(dialogo, "BotónAceptar");
    EXPECT_TRUE(dialogo.isVisible());
    EXPECT_FALSE(dialogo.Resultado());

    ui.EsperarPregunta(textos::PreguntaAceptarCambiosParametros, true);
    Pulsar(dialogo, "BotónAceptar");
    EXPECT_FALSE(dialogo.isVisible());
    ASSERT_TRUE(dialogo.Resultado());
    AplicarParametrosDeDovelas(p, estado, *dialogo.Resultado());
    EXPECT_EQ(p.CohesionDovela, TablaDe({1.0, 4.5, 3.0}));
    EXPECT_EQ(p.FriccionDovela, TablaDe({30.0, 45.0, 30.0}));
    EXPECT_EQ(p.PresionPorosDovela, TablaDe({0.5, 2.13, 1.5})); // 2.125 con dos decimales
    // tan 45° = 1 y tan 30° = 1/√3.
    EXPECT_NEAR(estado.Dovelas.TangenteFriccionDovela(2), 1.0, 1e-12);
    EXPECT_NEAR(estado.Dovelas.TangenteFriccionDovela(1), 1.0 / std::sqrt(3.0), 1e-12);
    EXPECT_NEAR(estado.Dovelas.TangenteFriccionDovela(3), 1.0 / std::sqrt(3.0), 1e-12);
    EXPECT_FALSE(p.DatosGuardados);
    EXPECT_TRUE(ui.Cumplido());
}

TEST(Form18, CancelarYParametrosSinDefinir)
{
    Proyecto p = ProyectoDeTresDovelas();
    p.DefinicionParametrosInstantaneos = static_cast<DefinicionInstantaneos>(0);
    EstadoCalculo estado;
    InteraccionGuionada ui;
    Form18 dialogo(ParametrosParaCambiar(p, estado), ui);
    Mostrar(dialogo);
    QCoreApplication::processEvents();
    EXPECT_EQ(UltimoMensaje(ui).texto, textos::SeleccioneParametrosInstantaneos);
    EXPECT_EQ(UltimoMensaje(ui).titulo, textos::TituloParametrosInstantaneos);
    EXPECT_EQ(Fila(dialogo, Lista, 0), (std::vector<std::string>{"1", "", "", ""}));

    ui.EsperarPregunta(textos::PreguntaNoCambiarParametros, true);
    Pulsar(dialogo, "BotónCancelar");
    EXPECT_TRUE(dialogo.isVisible()); // Sí: sigue abierto
    ui.EsperarPregunta(textos::PreguntaNoCambiarParametros, false);
    Pulsar(dialogo, "BotónCancelar");
    EXPECT_FALSE(dialogo.isVisible());
    EXPECT_TRUE(ui.Cumplido());
    EXPECT_FALSE(dialogo.Resultado());
}

} // namespace
} // namespace vertana
