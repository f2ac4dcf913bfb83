#include "io/items.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <random>
#include <vector>

namespace vertana {
namespace {

TEST(LectorItems, SeparadosPorComasOFinesDeLineaConEspacios)
{
    LectorItems l("  \"Hola, mundo\" , 12\r\n-3.5,  .5  \n\n-.5\r1E+20,1.5E-07\r\n\"S\"");
    std::string texto;
    Entero16 entero = 0;
    std::vector<double> reales(5);
    ASSERT_TRUE(l.Texto(texto));
    EXPECT_EQ(texto, "Hola, mundo");
    ASSERT_TRUE(l.Entero(entero));
    EXPECT_EQ(entero, 12);
    for (double& r : reales)
        ASSERT_TRUE(l.Real(r));
    EXPECT_EQ(reales, (std::vector<double>{-3.5, 0.5, -0.5, 1e20, 1.5e-7}));
    ASSERT_TRUE(l.Texto(texto));
    EXPECT_EQ(texto, "S");
    EXPECT_FALSE(l.Texto(texto)); // fin del archivo
    EXPECT_TRUE(l.EnFalla());
}

TEST(LectorItems, FallasDeTipoYDeRango)
{
    double real = 0;
    Entero16 entero = 0;
    EXPECT_FALSE(LectorItems("abc").Real(real));
    EXPECT_FALSE(LectorItems("\"1.5\"").Real(real)); // un texto no es un número
    {
        LectorItems l("1,,2");
        EXPECT_TRUE(l.Real(real));
        EXPECT_FALSE(l.Real(real)); // ítem vacío
    }
    EXPECT_FALSE(LectorItems("32768").Entero(entero));
    EXPECT_TRUE(LectorItems("-32768").Entero(entero));
    EXPECT_FALSE(LectorItems("2.5").Entero(entero));
    EXPECT_FALSE(LectorItems("-1").Cantidad(entero));
    std::string texto;
    EXPECT_FALSE(LectorItems("\"sin cierre").Texto(texto));
    EXPECT_FALSE(LectorItems("\"a\"b").Texto(texto)); // basura tras las comillas
}

TEST(LectorItems, TrasUnaFallaNoLeeNadaMas)
{
    LectorItems l("x,1,2");
    double v = 0;
    EXPECT_FALSE(l.Real(v));
    EXPECT_FALSE(l.Real(v));
    EXPECT_TRUE(l.EnFalla());
}

TEST(EscritorItems, UnaLineaConVariosItemsYCrLf)
{
    EscritorItems e;
    e.Real(1.5).Real(-2).Texto("C").FinDeLinea().Entero(-7).FinDeLinea();
    EXPECT_EQ(e.Bytes(), "1.5,-2,\"C\"\r\n-7\r\n");
}

TEST(EscritorItems, LasComillasYLosSaltosDeLineaDeUnTextoNoRompenElArchivo)
{
    EscritorItems e;
    e.Texto("Presa \"El Guapo\"\r\nsegunda línea\nfin").FinDeLinea();
    EXPECT_EQ(e.Bytes(), "\"Presa 'El Guapo'  segunda l\xEDnea fin\"\r\n");
    LectorItems l(e.Bytes());
    std::string texto;
    ASSERT_TRUE(l.Texto(texto));
    EXPECT_EQ(texto, "Presa 'El Guapo'  segunda línea fin");
}

TEST(RealParaArchivo, FormasCortasConExponenteEnMayuscula)
{
    EXPECT_EQ(RealParaArchivo(0.5), "0.5");
    EXPECT_EQ(RealParaArchivo(-12.25), "-12.25");
    EXPECT_EQ(RealParaArchivo(30), "30");
    EXPECT_EQ(RealParaArchivo(1e20), "1E+20");
    EXPECT_EQ(RealParaArchivo(1.5e-7), "1.5E-07");
    EXPECT_EQ(RealParaArchivo(-0.0), "0");
    EXPECT_EQ(RealParaArchivo(std::nan("")), "NaN");
    EXPECT_EQ(RealParaArchivo(-INFINITY), "-Inf");
}

TEST(RealParaArchivo, CualquierRealSeLeeDeVueltaIdentico)
{
    std::mt19937_64 azar(20261206);
    std::uniform_real_distribution<double> magnitud(-300, 300);
    for (int i = 0; i < 20000; ++i) {
        // Bits al azar (todos los exponentes) y valores de ingeniería.
        double valor;
        const std::uint64_t bits = azar();
        std::memcpy(&valor, &bits, sizeof valor);
        if (i % 2 == 0) valor = std::pow(10.0, magnitud(azar) / 30.0) * (i % 4 == 0 ? -1 : 1);
        if (!std::isfinite(valor)) continue;
        double leido = 0;
        LectorItems l(RealParaArchivo(valor));
        ASSERT_TRUE(l.Real(leido)) << RealParaArchivo(valor);
        ASSERT_TRUE(std::memcmp(&leido, &valor, sizeof valor) == 0 || (valor == 0 && leido == 0))
            << RealParaArchivo(valor);
    }
}

} // namespace
} // namespace vertana
