#include "geometry/estado_calculo.h"
#include "methods/comprobacion_esfuerzos.h"
#include "model/interaccion.h"
#include "model/proyecto.h"
#include "model/textos.h"

#include <gtest/gtest.h>

namespace vertana {
namespace {

// Por lotes: form9 deja seguir la iteración, Form13 no escribe sigmas, Form18 no cambia nada;
// cada apertura queda anotada con el título del diálogo.
TEST(InteraccionIteraciones, PorLotesSigueSinCambios)
{
    Proyecto p;
    ReiniciarProyecto(p);
    p.SolucionAceptada = true;
    p.SalirDelCalculo = true;
    EstadoCalculo estado;
    Proyecto antes = p;
    antes.SolucionAceptada = antes.SalirDelCalculo = false;
    InteraccionLote lote;
    lote.ResultadosDeLasIteraciones(p);
    lote.ChequeoDeEsfuerzos(p, {MaterialDelChequeo::Roca, {1.0}, {-1.0}, {0.0}});
    lote.CambioDeParametrosDeResistencia(p, estado);
    EXPECT_EQ(p, antes);
    ASSERT_EQ(lote.Eventos().size(), 3u);
    EXPECT_EQ(lote.Eventos()[0].texto, textos::TituloForm9);
    EXPECT_EQ(lote.Eventos()[1].texto, textos::TituloForm13Sigma3);
    EXPECT_EQ(lote.Eventos()[2].texto, textos::TituloForm18);
}

TEST(InteraccionIteraciones, GuionadaEjecutaLoQueHaceLaPersona)
{
    Proyecto p;
    ReiniciarProyecto(p);
    EstadoCalculo estado;
    InteraccionGuionada ui;
    int llamada = 0;
    ui.AlAbrirResultadosDeLasIteraciones([&](Proyecto& q) {
        // Sí en la segunda apertura.
        if (++llamada == 2) q.SolucionAceptada = true;
    });
    ui.AlAbrirChequeoDeEsfuerzos([](Proyecto& q, const EsfuerzosDelChequeo& e) {
        q.SigmasUsuario.Redimensionar(static_cast<int>(e.NumeroDovelas()) + 1);
        q.SigmasUsuario(2) = e.Minimo[0] + 1.0;
        q.SigmasModificados = true;
    });
    ui.AlAbrirCambioDeParametros(
        [](Proyecto&, EstadoCalculo& e) { e.Dovelas.TangenteFriccionDovela.Redimensionar(1); });
    p.SolucionAceptada = true;
    ui.ResultadosDeLasIteraciones(p);
    EXPECT_FALSE(p.SolucionAceptada); // cada apertura parte de las banderas en falso
    ui.ResultadosDeLasIteraciones(p);
    EXPECT_TRUE(p.SolucionAceptada);
    ui.ChequeoDeEsfuerzos(p, {MaterialDelChequeo::Suelo, {3.0}, {1.0}, {2.0}});
    EXPECT_TRUE(p.SigmasModificados);
    EXPECT_DOUBLE_EQ(p.SigmasUsuario(2), 3.0);
    ui.CambioDeParametrosDeResistencia(p, estado);
    EXPECT_EQ(estado.Dovelas.TangenteFriccionDovela.Tamano(), 1);
    EXPECT_EQ(ui.VecesResultadosDeLasIteraciones(), 2);
    EXPECT_EQ(ui.VecesChequeoDeEsfuerzos(), 1);
    EXPECT_EQ(ui.VecesCambioDeParametros(), 1);
    EXPECT_EQ(ui.Eventos()[2].texto, textos::TituloForm13Normales);
}

} // namespace
} // namespace vertana
