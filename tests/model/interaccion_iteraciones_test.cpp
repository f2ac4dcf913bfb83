#include "apoyo/interaccion_guionada.h"
#include "cli/interaccion_lote.h"
#include "model/dialogos_calculo.h"
#include "model/proyecto.h"
#include "model/textos.h"

#include <gtest/gtest.h>

namespace vertana {
namespace {

// Por lotes: form9 deja seguir la iteración, Form13 no da esfuerzos, Form18 no cambia nada;
// cada apertura queda anotada con el título del diálogo y el proyecto no cambia.
TEST(InteraccionIteraciones, PorLotesSigueSinCambios)
{
    Proyecto p;
    ReiniciarProyecto(p);
    const Proyecto antes = p;
    InteraccionLote lote;
    EXPECT_EQ(lote.ResultadosDeLasIteraciones(p, {}), DecisionIteracion::Seguir);
    EXPECT_FALSE(
        lote.ChequeoDeEsfuerzos(p, {MaterialDelChequeo::Roca, {1.0}, {-1.0}, {0.0}, 1, false}));
    EXPECT_FALSE(lote.CambioDeParametrosDeResistencia(p, ParametrosDeDovelas{}));
    const DecisionJanbu janbu = lote.IteracionJanbu(p, {});
    EXPECT_EQ(janbu.Decision, DecisionIteracion::Seguir);
    EXPECT_FALSE(janbu.ValoresDeHt);
    EXPECT_EQ(p, antes);
    ASSERT_EQ(lote.Eventos().size(), 4u);
    EXPECT_EQ(lote.Eventos()[0].texto, textos::TituloForm9);
    EXPECT_EQ(lote.Eventos()[1].texto, textos::TituloForm13Sigma3);
    EXPECT_EQ(lote.Eventos()[2].texto, textos::TituloForm18);
    EXPECT_EQ(lote.Eventos()[3].texto, textos::TituloForm17);
}

TEST(InteraccionIteraciones, GuionadaDevuelveLoQueDecideLaPersona)
{
    Proyecto p;
    ReiniciarProyecto(p);
    InteraccionGuionada ui;
    int llamada = 0;
    ui.AlAbrirResultadosDeLasIteraciones([&](const Proyecto&, const SumasDeLaIteracion&) {
        // Sí en la segunda apertura.
        return ++llamada == 2 ? DecisionIteracion::Aceptar : DecisionIteracion::Seguir;
    });
    ui.AlAbrirChequeoDeEsfuerzos([](const Proyecto&, const EsfuerzosDelChequeo& e) {
        Tabla<double> sigmas(static_cast<int>(e.NumeroDovelas()) + 1);
        sigmas(2) = e.Minimo[0] + 1.0;
        return std::optional<Tabla<double>>(sigmas);
    });
    ui.AlAbrirCambioDeParametros([](const Proyecto&, const ParametrosDeDovelas& actuales) {
        ParametrosDeDovelas nuevos = actuales;
        nuevos.Cohesion(1) = 7.0;
        return std::optional<ParametrosDeDovelas>(nuevos);
    });
    EXPECT_EQ(ui.ResultadosDeLasIteraciones(p, {}), DecisionIteracion::Seguir);
    EXPECT_EQ(ui.ResultadosDeLasIteraciones(p, {}), DecisionIteracion::Aceptar);
    const auto sigmas =
        ui.ChequeoDeEsfuerzos(p, {MaterialDelChequeo::Suelo, {3.0}, {1.0}, {2.0}, 1, false});
    ASSERT_TRUE(sigmas);
    EXPECT_DOUBLE_EQ((*sigmas)(2), 3.0);
    ParametrosDeDovelas actuales;
    for (Tabla<double>* t : {&actuales.Cohesion, &actuales.Friccion, &actuales.Presion})
        t->Redimensionar(1);
    const auto nuevos = ui.CambioDeParametrosDeResistencia(p, actuales);
    ASSERT_TRUE(nuevos);
    EXPECT_DOUBLE_EQ(nuevos->Cohesion(1), 7.0);
    EXPECT_EQ(ui.VecesResultadosDeLasIteraciones(), 2);
    EXPECT_EQ(ui.VecesChequeoDeEsfuerzos(), 1);
    EXPECT_EQ(ui.VecesCambioDeParametros(), 1);
    EXPECT_EQ(ui.Eventos()[2].texto, textos::TituloForm13Normales);
}

} // namespace
} // namespace vertana
