#include "apoyo/interaccion_guionada.h"
#include "ayuda_dialogos.h"
#include "model/textos.h"
#include "ui/form9.h"

#include <QLabel>
#include <gtest/gtest.h>

namespace vertana {
namespace {

using namespace prueba;

// Dos pasos de Newton en la historia; form9 muestra el último (k = 2).
Proyecto ProyectoConDosIteraciones()
{
    Proyecto p;
    ReiniciarProyecto(p);
    p.NumeroIteraciones = 2;
    p.HistoriaMu1Mu2 = TablaDe({0.0, 12.345});     // se muestra 12.35 (mitad hacia arriba)
    p.HistoriaInversaMu2 = TablaDe({0.0, -3.004}); // -3.00
    p.HistoriaFS = TablaDe({0.0, 1.23456789049});  // nueve decimales: 1.234567890
    return p;
}

// Las tres sumas del paso.
const SumasDeLaIteracion Sumas{0.125, -7.5, 1234.567};

std::string Etiqueta(Form9& d, const char* nombre)
{
    auto* e = Control<QLabel>(d, nombre);
    return e ? e->text().toStdString() : std::string();
}

TEST(Form9, MuestraLaIteracionConSusFormatos)
{
    Proyecto p = ProyectoConDosIteraciones();
    InteraccionGuionada ui;
    ui.EsperarPregunta(textos::PreguntaEsLaSolucion, true);
    Form9 dialogo(p, Sumas, ui);
    dialogo.exec(); // las preguntas llegan con el diálogo visible y lo ocultan
    EXPECT_FALSE(dialogo.isVisible());
    EXPECT_EQ(dialogo.windowTitle().toStdString(), textos::TituloForm9);
    EXPECT_EQ(Etiqueta(dialogo, "TextoDelNúmeroDeIteración"), "2.00");
    EXPECT_EQ(Etiqueta(dialogo, "TextoDelPrimerMultiplicadorDeLagrange"), "12.35");
    EXPECT_EQ(Etiqueta(dialogo, "TextoDelSegundoMultiplicadorDeLagrange"), "-3.00");
    EXPECT_EQ(Etiqueta(dialogo, "TextoDelFactorDeSeguridad"), "1.234567890");
    EXPECT_EQ(Etiqueta(dialogo, "TextoDeLaSumaDeFuerzasHorizontales"), "0.13 ton");
    EXPECT_EQ(Etiqueta(dialogo, "TextoDeLaSumaDeFuerzasVerticales"), "-7.50 ton");
    EXPECT_EQ(Etiqueta(dialogo, "TextoDeLaSumaDeMomentos"), "1234.57 ton.m");
}

TEST(Form9, LasDosPreguntasYLaDecision)
{
    struct Caso {
        bool esSolucion, salir;
        DecisionIteracion decision;
        std::size_t preguntas;
    };
    // Sí a la primera nunca hace la segunda; No y No sigue la iteración.
    for (const Caso c : {Caso{true, false, DecisionIteracion::Aceptar, 1},
                         Caso{false, false, DecisionIteracion::Seguir, 2},
                         Caso{false, true, DecisionIteracion::Salir, 2}}) {
        Proyecto p = ProyectoConDosIteraciones();
        InteraccionGuionada ui;
        ui.EsperarPregunta(textos::PreguntaEsLaSolucion, c.esSolucion);
        if (!c.esSolucion) ui.EsperarPregunta(textos::PreguntaSalirDelCalculo, c.salir);
        Form9 dialogo(p, Sumas, ui);
        dialogo.exec();
        EXPECT_TRUE(ui.Cumplido());
        EXPECT_EQ(ui.Preguntas().size(), c.preguntas);
        EXPECT_EQ(dialogo.Decision(), c.decision);
        EXPECT_FALSE(dialogo.isVisible());
    }
}

} // namespace
} // namespace vertana
