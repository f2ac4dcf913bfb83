#include "apoyo/interaccion_guionada.h"
#include "geometry/preparacion.h"
#include "geometry/talud_de_prueba.h"
#include "model/textos.h"

#include <gtest/gtest.h>

namespace vertana {
namespace {

using prueba::AgregarEstrato;
using prueba::TaludRecto;

TEST(PrepararCalculo, PreguntaSoloCuandoLasSeisRutinasYaCorrieron)
{
    Proyecto p = TaludRecto(4);
    AgregarEstrato(p, {{20, -5}, {-10, -5}}, 1, 30, 1.8, 2.0);
    EstadoCalculo e;
    ReiniciarEstadoCalculo(e);
    {
        InteraccionGuionada ui; // ninguna pregunta prevista
        ASSERT_TRUE(PrepararCalculo(p, e, ui));
        EXPECT_TRUE(ui.Cumplido());
        EXPECT_TRUE(e.SuperficieConstruida && e.ZonasConstruidas && e.DovelasConstruidas &&
                    e.GeometriaDovelasCalculada && e.MaterialesAsignados && e.PresionesCalculadas);
    }
    {
        // No: la tabla queda como estaba aunque el proyecto haya cambiado.
        p.NumeroDovelas = 2;
        InteraccionGuionada ui;
        ui.EsperarPregunta(textos::PreguntaPrimeraVezCalculo, false);
        const ResultadoPreparacion r = PrepararCalculo(p, e, ui);
        EXPECT_TRUE(r);
        EXPECT_TRUE(r.omitida);
        EXPECT_TRUE(ui.Cumplido());
        EXPECT_EQ(p.NumeroPuntosDovelas, 5);
    }
    {
        InteraccionGuionada ui;
        ui.EsperarPregunta(textos::PreguntaPrimeraVezCalculo, true);
        ASSERT_TRUE(PrepararCalculo(p, e, ui));
        EXPECT_TRUE(ui.Cumplido());
        EXPECT_EQ(p.NumeroPuntosDovelas, 3);
    }
    ReiniciarEstadoCalculo(e);
    EXPECT_FALSE(PreparacionCompleta(e));
    EXPECT_FALSE(e.CentroFijo);
}

TEST(PrepararCalculo, LaPrimeraRutinaQueFallaMuestraSuMensajeYDetiene)
{
    Proyecto p = TaludRecto(0); // número de dovelas nulo
    AgregarEstrato(p, {{20, -5}, {-10, -5}}, 1, 30, 1.8, 2.0);
    EstadoCalculo e;
    InteraccionGuionada ui;
    const ResultadoPreparacion r = PrepararCalculo(p, e, ui);
    EXPECT_FALSE(r);
    EXPECT_EQ(r.mensaje, textos::NumeroDovelasNoValido);
    ASSERT_EQ(ui.Mensajes().size(), 1u);
    EXPECT_EQ(ui.Mensajes()[0], textos::NumeroDovelasNoValido);
    EXPECT_TRUE(e.SuperficieConstruida);
    EXPECT_TRUE(e.ZonasConstruidas);
    EXPECT_FALSE(e.DovelasConstruidas);
    EXPECT_FALSE(e.PresionesCalculadas);
}

} // namespace
} // namespace vertana
