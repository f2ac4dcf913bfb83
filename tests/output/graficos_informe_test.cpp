// Los dibujos que acompañan al informe en PDF: cuáles hay según los resultados y qué lleva
// cada escena.
#include "model/textos.h"
#include "output/graficos_informe.h"
#include "proyectos_de_prueba.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>

namespace vertana {
namespace {

bool TieneTexto(const Escena& escena, const std::string& buscado)
{
    return std::any_of(escena.textos.begin(), escena.textos.end(),
                       [&](const Texto& t) { return t.texto.find(buscado) != std::string::npos; });
}

TEST(DibujosDelInforme, SinResultadosSoloLaSeccionSinFactor)
{
    const Proyecto p = prueba::SueloCirculoUnico();
    ASSERT_FALSE(p.HayResultados);
    const auto dibujos = DibujosDelInforme(p);
    ASSERT_EQ(dibujos.size(), 1u);
    EXPECT_FALSE(dibujos[0].grafico.has_value());
    const Escena seccion = EscenaDelInforme(p, dibujos[0], 900.0, 600.0);
    EXPECT_DOUBLE_EQ(seccion.ancho, 900.0);
    EXPECT_DOUBLE_EQ(seccion.alto, 600.0);
    EXPECT_TRUE(TieneTexto(seccion, textos::TituloGeometriaTalud));
    EXPECT_FALSE(TieneTexto(seccion, "FS"));
}

// Con resultados: la sección con el factor guardado y los nueve gráficos en el orden del menú,
// cada uno con su título y sus curvas.
TEST(DibujosDelInforme, ConResultadosLaSeccionConSuFactorYLosNueveGraficos)
{
    constexpr int Janbu = 4;
    const Proyecto p = prueba::SueloConResultados(Janbu);
    ASSERT_TRUE(p.HayResultados);
    const auto dibujos = DibujosDelInforme(p);
    ASSERT_EQ(dibujos.size(), 10u);

    const auto fs = FactorDeSeguridadGuardado(p);
    ASSERT_TRUE(fs.has_value());
    char tresDecimales[32];
    std::snprintf(tresDecimales, sizeof tresDecimales, "%.3f", *fs);
    const Escena seccion = EscenaDelInforme(p, dibujos[0], 1000.0, 700.0);
    EXPECT_TRUE(TieneTexto(seccion, textos::TituloGeometriaTalud));
    EXPECT_TRUE(TieneTexto(seccion, tresDecimales)) << tresDecimales;

    const char* titulos[] = {
        textos::TituloGrafico1, textos::TituloGrafico2, textos::TituloGrafico3,
        textos::TituloGrafico4, textos::TituloGrafico5, textos::TituloGrafico6,
        textos::TituloGrafico7, textos::TituloGrafico8, textos::TituloGrafico9};
    for (int k = 1; k <= 9; ++k) {
        const auto& dibujo = dibujos[static_cast<std::size_t>(k)];
        ASSERT_TRUE(dibujo.grafico.has_value());
        EXPECT_EQ(static_cast<int>(*dibujo.grafico), k);
        const Escena grafico = EscenaDelInforme(p, dibujo, 1000.0, 700.0);
        // Los títulos terminan a veces en un espacio que el dibujo puede recortar.
        std::string titulo = titulos[k - 1];
        while (!titulo.empty() && titulo.back() == ' ')
            titulo.pop_back();
        EXPECT_TRUE(TieneTexto(grafico, titulo)) << k;
        EXPECT_FALSE(grafico.lineas.empty()) << k;
    }
}

} // namespace
} // namespace vertana
