#include "model/numeros.h"

#include <gtest/gtest.h>

namespace vertana {
namespace {

TEST(EsNumerico, AceptaBlancosSignoPuntoYExponente)
{
    for (const char* t :
         {"0", "12", " 12 ", "-3.5", "+3.5", ".5", "-.5", "5.", "1E+20", "1.5E-07", "2e3", "\t7"})
        EXPECT_TRUE(EsNumerico(t)) << t;
}

TEST(EsNumerico, RechazaVacioComaYTextos)
{
    for (const char* t :
         {"", " ", ".", "-", "+", "1,5", "1.2.3", "abc", "12a", "E5", "1E", "1E+", "- 1", "1 2"})
        EXPECT_FALSE(EsNumerico(t)) << '"' << t << '"';
}

TEST(Val, TomaElPrefijoNumerico)
{
    EXPECT_DOUBLE_EQ(Val("12.5"), 12.5);
    EXPECT_DOUBLE_EQ(Val("  -3.25 m"), -3.25);
    EXPECT_DOUBLE_EQ(Val("4abc"), 4.0);
    EXPECT_DOUBLE_EQ(Val(".5"), 0.5);
    EXPECT_DOUBLE_EQ(Val("1.5E-2x"), 0.015);
    EXPECT_DOUBLE_EQ(Val("7E"), 7.0);  // exponente sin dígitos: no cuenta
    EXPECT_DOUBLE_EQ(Val("1,5"), 1.0); // la coma no es punto decimal
    EXPECT_DOUBLE_EQ(Val("abc"), 0.0);
    EXPECT_DOUBLE_EQ(Val(""), 0.0);
}

TEST(Formato, PatronesDelPrograma)
{
    EXPECT_EQ(Formato(3.14159, "#0.00"), "3.14");
    EXPECT_EQ(Formato(3.14159, "#0.000"), "3.142");
    EXPECT_EQ(Formato(0.5, "#0.0000"), "0.5000");
    EXPECT_EQ(Formato(1.0 / 3.0, "#0.00000"), "0.33333");
    EXPECT_EQ(Formato(2.0 / 3.0, "#0.000000"), "0.666667");
    EXPECT_EQ(Formato(1.23456789, "#0.0000000"), "1.2345679");
    EXPECT_EQ(Formato(1.3456789012, "#0.000000000"), "1.345678901");
    EXPECT_EQ(Formato(12.345, "#0.00 ton"), "12.35 ton");
    EXPECT_EQ(Formato(-1234.5, "#0.00 ton.m"), "-1234.50 ton.m");
    EXPECT_EQ(Formato(1234567.891, "#0.00"), "1234567.89");
    EXPECT_EQ(Formato(7.6, "#0"), "8");
    EXPECT_EQ(Formato(0.004, "#0.00"), "0.00");
}

TEST(Formato, RedondeaLaMitadAlejandoseDeCero)
{
    EXPECT_EQ(Formato(2.675, "#0.00"), "2.68"); // 2.675 es 2.67499999... en binario
    EXPECT_EQ(Formato(-2.675, "#0.00"), "-2.68");
    EXPECT_EQ(Formato(0.125, "#0.00"), "0.13");
    EXPECT_EQ(Formato(-0.125, "#0.00"), "-0.13");
    EXPECT_EQ(Formato(9.995, "#0.00"), "10.00");
    EXPECT_EQ(Formato(99.9999, "#0.000"), "100.000");
    EXPECT_EQ(Formato(0.5, "#0"), "1");
    EXPECT_EQ(Formato(-0.001, "#0.00"), "0.00"); // un cero no lleva signo
    EXPECT_EQ(Formato(1E-10, "#0.000000000"), "0.000000000");
    EXPECT_EQ(Formato(1E+20, "#0.00"), "100000000000000000000.00");
}

} // namespace
} // namespace vertana
