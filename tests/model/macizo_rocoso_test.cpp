// m, s y a de un macizo rocoso y su cohesión y fricción equivalentes. Referencias independientes
// del código: Hoek, Carranza-Torres y Corkum (2002), m = mi·exp((GSI − 100)/28),
// s = exp((GSI − 100)/9), y con GSI = 100 (roca intacta) m = mi y s = 1; los valores de control
// de la caracterización (mi = 10, GSI = 50, σci = 1000: m ≈ 1.677, s ≈ 0.003866, c ≈ 41.1,
// φ ≈ 31.9°; Janbu c ≈ 47.70, φ ≈ 54.04°), rehechos a mano con bc junto a cada valor.
#include "model/macizo_rocoso.h"

#include "model/unidades.h"

#include <gtest/gtest.h>

namespace vertana {
namespace {

constexpr double Tol = 1e-9;

TEST(MacizoRocoso, UnidadesYParametrosDelMacizo)
{
    // 1 kg/cm2 = 9.80665 N/1e-4 m2; 1 ton/m2 = 9806.65 N/m2.
    EXPECT_NEAR(KgCm2ATonM2(1.0), (9.80665 / 1e-4) / 9806.65, Tol);
    EXPECT_NEAR(TonM2AKgCm2(KgCm2ATonM2(123.4)), 123.4, Tol);

    // mi = 10, GSI = 50 (bc): m = 10·e^(−50/28) = 1.676772487518, s = e^(−50/9) = 0.003865920139.
    EXPECT_NEAR(ParametroMMacizo(10.0, 50.0), 1.676772487518, 1e-11);
    EXPECT_NEAR(ParametroSMacizo(50.0), 0.003865920139, 1e-12);
    // Roca intacta: m = mi, s = 1.
    EXPECT_NEAR(ParametroMMacizo(17.0, 100.0), 17.0, Tol);
    EXPECT_NEAR(ParametroSMacizo(100.0), 1.0, Tol);
    // GSI 25 conserva s = e^(−75/9) = 0.000240369476 y a = 0.5; GSI 24.99 pierde la tracción.
    EXPECT_NEAR(ParametroSMacizo(25.0), 0.000240369476, 1e-12);
    EXPECT_EQ(ExponenteHoekBrown(25.0), 0.5);
    EXPECT_EQ(ParametroSMacizo(24.99), 0.0);
    EXPECT_NEAR(ExponenteHoekBrown(24.99), 0.65 - 24.99 / 200.0, Tol); // 0.52505
}

TEST(MacizoRocoso, MohrCoulombEquivalenteDelMacizo)
{
    // mi = 10, GSI = 50, σci = 1000 (bc):
    //   c = 9.8·exp((0.0455 − 0.0073·ln 10)·50) = 41.138269791; φ = 11.2 + 9·ln 10 = 31.923265837.
    const auto dialogo = MohrCoulombDelMacizo(10.0, 50.0, 1000.0);
    ASSERT_TRUE(dialogo);
    EXPECT_NEAR(dialogo->Cohesion, 41.138269791, 1e-8);
    EXPECT_NEAR(dialogo->FriccionGrados, 31.923265837, 1e-8);
    //   Janbu: c = 13·e^1.3 = 47.700856679; φ = 17.2 + 16·ln 10 = 54.041361488.
    const auto janbu = MohrCoulombDelMacizoJanbu(10.0, 50.0, 1000.0);
    ASSERT_TRUE(janbu);
    EXPECT_NEAR(janbu->Cohesion, 47.700856679, 1e-8);
    EXPECT_NEAR(janbu->FriccionGrados, 54.041361488, 1e-8);

    // mi = 1, GSI = 10: 4.24 − 0.16 − 6 + 0 = −1.92 → 0 en el diálogo.
    EXPECT_EQ(MohrCoulombDelMacizo(1.0, 10.0, 1000.0)->FriccionGrados, 0.0);
    // Janbu no recorta: mi = 0.5, GSI = 5: 2.12 − 0.04 + 16·ln 0.5 = −9.010354889.
    EXPECT_NEAR(MohrCoulombDelMacizoJanbu(0.5, 5.0, 1000.0)->FriccionGrados, -9.010354889, 1e-8);
    // Sin ln mi no hay estimación.
    EXPECT_FALSE(MohrCoulombDelMacizo(0.0, 50.0, 1000.0));
    EXPECT_FALSE(MohrCoulombDelMacizoJanbu(-1.0, 50.0, 1000.0));
}

} // namespace
} // namespace vertana
