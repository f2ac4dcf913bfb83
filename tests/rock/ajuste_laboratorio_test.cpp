// Ajuste de m y s a los ensayos de un estrato tal como están en el proyecto: pares en ton/m2 y
// compresión simple en kg/cm2. Referencia: Hudson y Harrison (2000), "Engineering Rock
// Mechanics, Part 2", pregunta y respuesta 6.7: caliza intacta con σc = 80 MPa y σt = −10 MPa,
// m = 7.88. Sus esfuerzos se escriben aquí multiplicados por 100, en ton/m2 (σc = 8000 ton/m2 =
// 800 kg/cm2, σt = −1000 ton/m2): la escala no cambia m y s, que no tienen unidades.
#include "rock/ajuste_laboratorio.h"

#include <gtest/gtest.h>

namespace vertana {
namespace {

TEST(AjusteLaboratorio, LosParesEnTonM2YLaCompresionEnKgCm2DanElMAdimensional)
{
    Proyecto p;
    ReiniciarProyecto(p);
    p.SueloRoca = Material::Roca;
    RedimensionarEstratos(p, 2);
    p.CompresionSimple.Redimensionar(2);
    p.CompresionSimple(2) = 800; // kg/cm2
    p.HayDatosLaboratorio = true;
    p.NumeroPuntosLab.Redimensionar(2);
    p.NumeroPuntosLab(2) = 2;
    p.Sigma1Lab.Redimensionar(2, 3);
    p.Sigma3Lab.Redimensionar(2, 3);
    p.Sigma1Lab(2, 1) = 8000; // compresión simple (σ1, σ3) = (8000, 0) ton/m2
    p.Sigma1Lab(2, 2) = 0;    // tracción (0, −1000) ton/m2
    p.Sigma3Lab(2, 2) = -1000;
    p.Sigma1Lab(2, 3) = 123; // más allá de los pares del estrato: no cuenta
    // m = (80² − 10²)/(80·10) = 7.875 (Hudson y Harrison publican 7.88), y la recta por los dos
    // puntos da s = 1. Sin pasar σci a ton/m2 saldrían m = 78.75 y s = 100.
    for (bool intacta : {true, false}) {
        const AjusteLaboratorio a = AjustarEstratoDeLaboratorio(p, 2, intacta);
        ASSERT_EQ(a.Estado, EstadoAjusteLaboratorio::Ajustado);
        EXPECT_NEAR(a.M, 7.875, 1e-12);
        EXPECT_NEAR(a.S, 1.0, 1e-12);
    }
    // El estrato 1 no tiene pares.
    EXPECT_EQ(AjustarEstratoDeLaboratorio(p, 1, false).Estado,
              EstadoAjusteLaboratorio::PuntosInsuficientes);
}

} // namespace
} // namespace vertana
