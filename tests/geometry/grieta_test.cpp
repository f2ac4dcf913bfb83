#include "geometry/grieta.h"

#include <gtest/gtest.h>

namespace vertana {
namespace {

TEST(Grieta, TerminoDelAguaEnLaGrieta)
{
    EXPECT_DOUBLE_EQ(TerminoAguaGrieta(23, 20, 22), 2.0); // 0.5 · 2²
    EXPECT_EQ(TerminoAguaGrieta(23, 20, 20), 0.0);        // agua en el fondo
    EXPECT_EQ(TerminoAguaGrieta(23, 20, 0), 0.0);         // sin agua
    EXPECT_EQ(TerminoAguaGrieta(0, 0, 5), 0.0);           // sin grieta
}

} // namespace
} // namespace vertana
