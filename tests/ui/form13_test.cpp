#include "apoyo/interaccion_guionada.h"
#include "ayuda_dialogos.h"
#include "model/textos.h"
#include "ui/form13.h"

#include <QCoreApplication>
#include <QLabel>
#include <gtest/gtest.h>

namespace vertana {
namespace {

using namespace prueba;

constexpr char Lista[] = "ListaValoresDeSigma3";

// Tres dovelas; la 2 quedó por debajo de su mínimo u − c/T en el paso actual.
EsfuerzosDelChequeo TresDovelas(MaterialDelChequeo material, bool sigmasModificados = false)
{
    return {material, {10.0, 8.0, 6.0}, {9.5, 1.004, 5.0}, {2.0, 1.5, 2.0}, 2, sigmasModificados};
}

TEST(Form13, ListaYAvisosSegunElMaterial)
{
    struct Caso {
        MaterialDelChequeo material;
        const char* titulo;
        const char* aviso;
        const char* tituloAviso;
    };
    for (const Caso c :
         {Caso{MaterialDelChequeo::Suelo, textos::TituloForm13Normales,
               textos::ChequeoNormalesSuelo, textos::TituloChequeoNormales},
          Caso{MaterialDelChequeo::RocaInstantaneos, textos::TituloForm13Normales,
               textos::ChequeoNormalesRocaInstantaneos, textos::TituloChequeoNormales},
          Caso{MaterialDelChequeo::Roca, textos::TituloForm13Sigma3, textos::ChequeoSigma3Roca,
               textos::TituloChequeoSigma3}}) {
        InteraccionGuionada ui;
        Form13 dialogo(ui, TresDovelas(c.material));
        Mostrar(dialogo);
        QCoreApplication::processEvents(); // los avisos llegan con el diálogo visible
        EXPECT_EQ(dialogo.windowTitle().toStdString(), c.titulo);
        EXPECT_EQ(Control<QLabel>(dialogo, "TextoDelNúmeroDeDovela")->text(), "2");
        EXPECT_EQ(Filas(dialogo, Lista), 3);
        EXPECT_EQ(Fila(dialogo, Lista, 1), (std::vector<std::string>{"2", "8.00", "1.00", "1.50"}));
        // Un aviso por cada dovela bajo su mínimo: sólo la 2.
        ASSERT_EQ(ui.Mensajes(), std::vector<std::string>{c.aviso});
        EXPECT_EQ(UltimoMensaje(ui).titulo, c.tituloAviso);
    }
}

TEST(Form13, ModificarYAceptarCopianLaColumnaActual)
{
    InteraccionGuionada ui;
    Form13 dialogo(ui, TresDovelas(MaterialDelChequeo::Suelo));
    Mostrar(dialogo);
    QCoreApplication::processEvents();

    PulsarFila(dialogo, Lista, 1);
    EXPECT_EQ(Leer(dialogo, "TextoSigma3Actual"), "1.00");
    // Con la dovela aún bajo su mínimo Aceptar avisa y no escribe nada.
    Pulsar(dialogo, "BotónAceptar");
    EXPECT_EQ(UltimoMensaje(ui).texto, textos::SigmaBajoMinimoSuelo);
    EXPECT_EQ(UltimoMensaje(ui).titulo, textos::TituloChequeoNormales);
    EXPECT_FALSE(dialogo.Sigmas());
    EXPECT_TRUE(dialogo.isVisible());

    Escribir(dialogo, "TextoSigma3Actual", "abc");
    Pulsar(dialogo, "BotónModificar");
    EXPECT_EQ(UltimoMensaje(ui).texto, textos::SigmaNoNumerico);
    Escribir(dialogo, "TextoSigma3Actual", "3.456x"); // no pasa la prueba de número
    Pulsar(dialogo, "BotónModificar");
    EXPECT_EQ(Fila(dialogo, Lista, 1)[2], "1.00");
    Escribir(dialogo, "TextoSigma3Actual", "3.456");
    Pulsar(dialogo, "BotónModificar");
    EXPECT_EQ(Fila(dialogo, Lista, 1)[2], "3.46");

    Pulsar(dialogo, "BotónAceptar");
    EXPECT_FALSE(dialogo.isVisible());
    // En suelos el método los toma por nodo: la dovela i es el nodo i + 1, la cresta queda en 0.
    // 3.46: con el redondeo de la lista.
    ASSERT_TRUE(dialogo.Sigmas());
    EXPECT_EQ(*dialogo.Sigmas(), TablaDe({0.0, 9.5, 3.46, 5.0}));
    EXPECT_TRUE(ui.Cumplido());
}

TEST(Form13, ComprobarSigmasEnRocaYPorDovela)
{
    int fila = -1;
    const auto faltan = ComprobarSigmas(MaterialDelChequeo::Roca, {"1.00", ""}, {"0.50", "0.50"});
    ASSERT_TRUE(faltan);
    EXPECT_EQ(faltan->texto, textos::FaltanSigmas);
    EXPECT_EQ(faltan->titulo, textos::TituloValoresSigma3);
    const auto bajo = ComprobarSigmas(MaterialDelChequeo::Roca, {"1.00", "0.49", "0.10"},
                                      {"0.50", "0.50", "0.50"}, &fila);
    ASSERT_TRUE(bajo);
    EXPECT_EQ(bajo->texto, textos::SigmaBajoMinimoRoca);
    EXPECT_EQ(fila, 1);
    // Igual al mínimo pasa.
    EXPECT_FALSE(ComprobarSigmas(MaterialDelChequeo::Roca, {"0.50"}, {"0.50"}));

    // En rocas con Hoek-Brown los sigma3 se guardan por dovela.
    InteraccionGuionada ui;
    Form13 dialogo(ui, {MaterialDelChequeo::Roca, {4.0, 3.0}, {2.0, 1.0}, {0.5, 0.5}, 1, false});
    Mostrar(dialogo);
    Pulsar(dialogo, "BotónAceptar");
    ASSERT_TRUE(dialogo.Sigmas());
    EXPECT_EQ(*dialogo.Sigmas(), TablaDe({2.0, 1.0}));
}

TEST(Form13, SalirPreguntaSiNoHaySigmasEscritos)
{
    InteraccionGuionada ui;
    Form13 dialogo(ui, TresDovelas(MaterialDelChequeo::Suelo));
    Mostrar(dialogo);
    ui.EsperarPregunta(textos::PreguntaUsarSigmasActuales, true);
    Pulsar(dialogo, "BotónSalir");
    EXPECT_TRUE(dialogo.isVisible()); // Sí: sigue abierto
    ui.EsperarPregunta(textos::PreguntaUsarSigmasActuales, false);
    Pulsar(dialogo, "BotónSalir");
    EXPECT_FALSE(dialogo.isVisible());
    EXPECT_FALSE(dialogo.Sigmas());

    // Con sigmas ya escritos se cierra sin preguntar.
    Form13 otro(ui, TresDovelas(MaterialDelChequeo::Suelo, true));
    Mostrar(otro);
    Pulsar(otro, "BotónSalir");
    EXPECT_FALSE(otro.isVisible());
    EXPECT_TRUE(ui.Cumplido());
}

} // namespace
} // namespace vertana
