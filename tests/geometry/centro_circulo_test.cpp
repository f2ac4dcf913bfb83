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

// El aumento del radio hasta que el centro no quede bajo la corona se comprueba, con sus
// valores a mano, en CentroCirculoSimple (superficie_falla_test.cpp).

TEST(CentroCirculo, RadioMenorQueLaMitadDeLaCuerdaNoTieneCentro)
{
    EXPECT_FALSE(ConstruirCentroCirculo(10, 0, 0, 0, 4.9).valido);
    EXPECT_FALSE(ConstruirCentroCirculo(10, 0, 0, 0, 0.0).valido);
}

} // namespace
} // namespace vertana
