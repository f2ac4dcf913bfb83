// Validación de los datos de un proyecto: cada regla con su mensaje, que nombra el campo y el
// estrato, y lo que un diálogo aceptaría pasa.
#include "model/textos.h"
#include "model/validacion.h"
#include "proyectos_de_prueba.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>

namespace vertana {
namespace {

constexpr double NaN = std::numeric_limits<double>::quiet_NaN();
constexpr double Inf = std::numeric_limits<double>::infinity();

// Un cambio del proyecto de prueba (círculo único, Bishop, un estrato: c = 2.93, φ = 20°) y el
// primer problema que debe dar.
struct Caso {
    const char* que;
    std::function<void(Proyecto&)> cambio;
    std::string texto;
};

TEST(Validacion, CadaReglaDaElMensajeDeSuCampo)
{
    const std::string estrato1 = textos::CohesionNoValida(1);
    const Caso casos[] = {
        {"c = -1", [](Proyecto& p) { p.CohesionMacizo(1) = -1; }, estrato1},
        {"c NaN", [](Proyecto& p) { p.CohesionMacizo(1) = NaN; }, estrato1},
        {"φ = -10", [](Proyecto& p) { p.FriccionMacizo(1) = -10; }, textos::FriccionNoValida(1)},
        {"φ = 90", [](Proyecto& p) { p.FriccionMacizo(1) = 90; }, textos::FriccionNoValida(1)},
        {"φ = 120", [](Proyecto& p) { p.FriccionMacizo(1) = 120; }, textos::FriccionNoValida(1)},
        {"γh = -1.9", [](Proyecto& p) { p.PesoUnitarioHumedo(1) = -1.9; },
         textos::PesoUnitarioHumedoNoValido(1)},
        {"γsat = 0", [](Proyecto& p) { p.PesoUnitarioSaturado(1) = 0; },
         textos::PesoUnitarioSaturadoNoValido(1)},
        {"γsat < γh", [](Proyecto& p) { p.PesoUnitarioSaturado(1) = 1.5; },
         "Estrato 1: " + std::string(textos::SaturadoMenorQueHumedo)},
        {"natural con tiempo", [](Proyecto& p) { p.TiempoDeConstruccion(1) = 6; },
         "Estrato 1: " + std::string(textos::NaturalConTiempo)},
        {"tipo 3", [](Proyecto& p) { p.TipoDeEstrato(1) = 3; },
         "Estrato 1: " + std::string(textos::TipoDeEstratoInvalido)},
        {"Cv = -1",
         [](Proyecto& p) {
             p.TipoDeEstrato(1) = 1;
             p.CoeficienteConsolidacionVertical(1) = -1;
         },
         textos::ConsolidacionNoValida(1)},
        {"c = φ = 0",
         [](Proyecto& p) {
             p.CohesionMacizo(1) = 0;
             p.FriccionMacizo(1) = 0;
         },
         textos::EstratosSinResistencia},
        {"kv = -1", [](Proyecto& p) { p.CoeficienteSismicoVertical = -1; },
         textos::SismicoVerticalFueraDeRango},
        {"kh = 5", [](Proyecto& p) { p.CoeficienteSismicoHorizontal = 5; },
         textos::SismicoHorizontalFueraDeRango},
        {"kh = -1", [](Proyecto& p) { p.CoeficienteSismicoHorizontal = -1; },
         textos::SismicoHorizontalFueraDeRango},
        {"kh NaN", [](Proyecto& p) { p.CoeficienteSismicoHorizontal = NaN; },
         textos::SismicoHorizontalNoNumerico},
        {"FS = 0", [](Proyecto& p) { p.FSInicial = 0; }, textos::FSNoPositivo},
        {"FS Inf", [](Proyecto& p) { p.FSInicial = Inf; }, textos::FSNoNumerico},
        {"1 dovela", [](Proyecto& p) { p.NumeroDovelas = 1; }, textos::DovelasNoRazonable},
        {"2 dovelas", [](Proyecto& p) { p.NumeroDovelas = 2; }, textos::DovelasNoRazonable},
        {"2.5 dovelas", [](Proyecto& p) { p.NumeroDovelas = 2.5; }, textos::DovelasNoRazonable},
        {"32766 dovelas", [](Proyecto& p) { p.NumeroDovelas = 32766; },
         "El número de dovelas debe ser como máximo 500."},
        {"radio NaN", [](Proyecto& p) { p.RadioCirculoFalla = NaN; }, textos::RadioNoNumerico},
        {"talud Inf", [](Proyecto& p) { p.OrdenadasTalud(3) = Inf; },
         "El punto 3 de la superficie del talud tiene una coordenada que no es un número. Vaya "
         "al menú coordenadas."},
        {"falla repetida",
         [](Proyecto& p) {
             p.AbscisasFalla(2) = p.AbscisasFalla(1);
             p.OrdenadasFalla(2) = p.OrdenadasFalla(1);
         },
         textos::PuntoRepetido(2, textos::DeLaSuperficieDeFalla)},
        {"estrato NaN", [](Proyecto& p) { p.AbscisasEstratos(1, 2) = NaN; },
         textos::CoordenadaNoFinita(2, "de la línea del estrato 1")},
        {"grieta NaN", [](Proyecto& p) { p.OrdenadaSegundoPuntoGrieta = NaN; },
         textos::GrietaNoNumerica},
    };
    for (const Caso& c : casos) {
        Proyecto p = prueba::SueloCirculoUnico();
        ASSERT_FALSE(PrimerProblemaDeDatos(p, p.MetodoDeCalculo)) << "el proyecto de prueba";
        c.cambio(p);
        const auto problema = PrimerProblemaDeDatos(p, p.MetodoDeCalculo);
        ASSERT_TRUE(problema) << c.que;
        EXPECT_EQ(problema->Texto, c.texto) << c.que;
    }
}

// Lo que depende del método: Fellenius no usa FSInicial; el variacional pide µ1, µ2 y σo.
TEST(Validacion, ValoresDePartidaSegunElMetodo)
{
    Proyecto p = prueba::SueloCirculoUnico();
    p.FSInicial = 0;
    EXPECT_FALSE(PrimerProblemaDeDatos(p, Metodo::Fellenius));
    EXPECT_EQ(PrimerProblemaDeDatos(p, Metodo::Janbu)->Texto, textos::FSNoPositivo);
    EXPECT_EQ(PrimerProblemaDeDatos(p, Metodo::Janbu)->Titulo, textos::TituloParametrosIniciales);
    p.FSInicial = 1.5;
    p.MultiplicadorLagrange2 = NaN;
    EXPECT_FALSE(PrimerProblemaDeDatos(p, Metodo::Bishop));
    EXPECT_EQ(PrimerProblemaDeDatos(p, Metodo::Variacional)->Texto,
              textos::SegundoMultiplicadorNoNumerico);
}

// Todos los problemas, en orden, y los estratos de roca con sus propias constantes.
TEST(Validacion, ListaCompletaYEstratosDeRoca)
{
    Proyecto p = prueba::SueloCirculoUnico();
    p.CoeficienteSismicoVertical = -2;
    p.CohesionMacizo(1) = -1;
    for (auto* t : {&p.CargaPuntualX, &p.CargaPuntualY, &p.CargaPuntualPx, &p.CargaPuntualPy}) {
        t->Redimensionar(1);
        (*t)(1) = t == &p.CargaPuntualX ? NaN : 1.0;
    }
    const std::vector<ProblemaDeDatos> problemas = ProblemasDeDatos(p, p.MetodoDeCalculo);
    ASSERT_EQ(problemas.size(), 3u);
    EXPECT_EQ(problemas[0].Texto, textos::SismicoVerticalFueraDeRango);
    EXPECT_EQ(problemas[1].Texto, textos::CohesionNoValida(1));
    EXPECT_EQ(problemas[1].Titulo, textos::TituloCaracteristicasDeLosEstratos);
    EXPECT_EQ(problemas[2].Texto, textos::CargaPuntualNoFinita(1));

    Proyecto roca = prueba::RocaConResultados(false);
    ASSERT_FALSE(PrimerProblemaDeDatos(roca, roca.MetodoDeCalculo));
    roca.IndiceGSI(1) = 101;
    roca.ParametroS(1) = 1.5;
    roca.CompresionSimple(1) = 0;
    const auto deRoca = ProblemasDeDatos(roca, roca.MetodoDeCalculo);
    ASSERT_EQ(deRoca.size(), 3u);
    EXPECT_EQ(deRoca[0].Texto, "El índice GSI del estrato 1 debe ser un número entre 0 y 100.");
    EXPECT_EQ(deRoca[1].Texto, textos::ParametroSNoValido(1));
    EXPECT_EQ(deRoca[2].Texto, textos::CompresionSimpleNoValida(1));
}

// Las reglas de un valor que usan los diálogos: los límites exactos.
TEST(Validacion, LimitesDeLasReglasDeUnValor)
{
    EXPECT_FALSE(ProblemaSismo(0.999, -0.999));
    EXPECT_TRUE(ProblemaSismo(1.0, 0.0));
    EXPECT_TRUE(ProblemaSismo(0.0, -1.0));
    EXPECT_FALSE(ProblemaNumeroDovelas(3));
    EXPECT_FALSE(ProblemaNumeroDovelas(MaximoNumeroDovelas));
    EXPECT_TRUE(ProblemaNumeroDovelas(MaximoNumeroDovelas + 1));
    ValoresEstratoSuelo v{0.0, 0.0, 1.8, 1.8, 2, 0.0, 0.0, 0.0};
    EXPECT_FALSE(ProblemaEstratoSuelo(v, 1, true));
    v.Friccion = 89.99;
    EXPECT_FALSE(ProblemaEstratoSuelo(v, 1, true));
    v.Friccion = 90.0;
    EXPECT_EQ(*ProblemaEstratoSuelo(v, 3, true),
              "La fricción del estrato 3 debe ser un número mayor o igual que cero y menor que 90 "
              "grados.");
}

} // namespace
} // namespace vertana
