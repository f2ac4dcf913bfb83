#include "geometry/centro_circulo.h"

#include <cmath>
#include <gtest/gtest.h>

namespace vertana {
namespace {

TEST(CentroCirculo, CuerdaHorizontal)
{
    // Puntos (2, 0) y (0, 0) con R = √2: el centro está en (1, 1).
    const CentroCirculo c = ConstruirCentroCirculo(2, 0, 0, 0, std::sqrt(2.0));
    ASSERT_TRUE(c.valido);
    EXPECT_NEAR(c.xo, 1.0, 1e-12);
    EXPECT_NEAR(c.yo, 1.0, 1e-12);
    EXPECT_DOUBLE_EQ(c.radio, std::sqrt(2.0));
}

TEST(CentroCirculo, ElRadioCreceDeMedioEnMedioMetroHastaQueElCentroNoQuedeBajoLaCorona)
{
    // Corona (10, 10), pie (0, 0): cuerda √200, punto medio (5, 5). El centro está sobre la
    // mediatriz a d = √(R² − 50) del punto medio: yo = 5 + d/√2 ≥ 10 pide R ≥ 10. Desde
    // R = √50 hacen falta seis aumentos de 0.5 m.
    const double r0 = std::sqrt(50.0);
    const CentroCirculo c = ConstruirCentroCirculo(10, 10, 0, 0, r0);
    ASSERT_TRUE(c.valido);
    EXPECT_DOUBLE_EQ(c.radio, r0 + 3.0);
    const double d = std::sqrt(c.radio * c.radio - 50.0);
    EXPECT_NEAR(c.xo, 5.0 - d / std::sqrt(2.0), 1e-9);
    EXPECT_NEAR(c.yo, 5.0 + d / std::sqrt(2.0), 1e-9);
    EXPECT_GE(c.yo, 10.0);
    // Ambos extremos sobre el círculo.
    EXPECT_NEAR(std::hypot(10 - c.xo, 10 - c.yo), c.radio, 1e-9);
    EXPECT_NEAR(std::hypot(0 - c.xo, 0 - c.yo), c.radio, 1e-9);
}

TEST(CentroCirculo, RadioMenorQueLaMitadDeLaCuerdaNoTieneCentro)
{
    EXPECT_FALSE(ConstruirCentroCirculo(10, 0, 0, 0, 4.9).valido);
    EXPECT_FALSE(ConstruirCentroCirculo(10, 0, 0, 0, 0.0).valido);
}

} // namespace
} // namespace vertana
