// Orden "roca". Valores de referencia calculados aparte:
// - cohesión y fricción equivalentes con las fórmulas de la caracterización, a mano (bc);
// - ajustes de m y s: regresión lineal de y = (σ1 − σ3)² sobre x = σ3 hecha con
//   statistics.linear_regression de Python, con σci pasado a ton/m2 (600 kg/cm2 = 6000 ton/m2,
//   900 kg/cm2 = 9000 ton/m2), y r² = 1 − Σ(y − ŷ)²/Σ(y − ȳ)².
#include "cli/orden_dovelas.h"
#include "cli/ordenes.h"

#include <gtest/gtest.h>

#include <sstream>

namespace vertana {
namespace {

const std::string Ejemplos = VERTANA_EJEMPLOS;

TEST(CliRoca, EjemploConLaboratorioEnJson)
{
    std::ostringstream salida, errores;
    ASSERT_EQ(
        EjecutarCli({"roca", Ejemplos + "/talud_roca_laboratorio.cod", "--json"}, salida, errores),
        SalidaCorrecta)
        << errores.str();
    const auto j = nlohmann::json::parse(salida.str());
    EXPECT_TRUE(j["datos_laboratorio"].get<bool>());
    const auto& e = j["estratos"];
    ASSERT_EQ(e.size(), 2u);

    // Estrato 1: mi = 12, GSI = 50, σci = 600 kg/cm2 = 6000 ton/m2:
    //   c = 0.0106·6000·exp((0.0455 − 0.0073·ln 12)·50) = 249.790494 ton/m2,
    //   φ = 21.2 − 4 − 6 + 9·ln 12 = 33.564160°; a = 0.5 (GSI ≥ 25).
    EXPECT_NEAR(e[0]["cohesion_ton_m2"].get<double>(), 249.790494, 1e-5);
    EXPECT_NEAR(e[0]["friccion_grados"].get<double>(), 33.564160, 1e-6);
    EXPECT_EQ(e[0]["a"].get<double>(), 0.5);
    EXPECT_EQ(e[0]["compresion_simple_ton_m2"].get<double>(), 6000);
    // Estrato 2: mi = 10, GSI = 75, σci = 9000 ton/m2: c = 758.574963, φ = 37.523266°.
    EXPECT_NEAR(e[1]["cohesion_ton_m2"].get<double>(), 758.574963, 1e-5);
    EXPECT_NEAR(e[1]["friccion_grados"].get<double>(), 37.523266, 1e-6);

    // Ensayos del estrato 1 (un macizo, s ajustado): m = 1.984568, s = 0.004399301,
    // r² = 0.999145; son los m = 1.985 y s = 0.00440 guardados.
    const auto& a1 = e[0]["laboratorio"]["ajuste"];
    EXPECT_NEAR(a1["m"].get<double>(), 1.984568, 1e-6);
    EXPECT_NEAR(a1["s"].get<double>(), 0.004399301, 1e-9);
    EXPECT_NEAR(a1["r2"].get<double>(), 0.999145, 1e-6);
    EXPECT_TRUE(a1["es_el_del_estrato"].get<bool>());
    EXPECT_EQ(e[0]["laboratorio"]["pares"].size(), 5u);
    EXPECT_EQ(e[0]["laboratorio"]["pares"][0]["sigma1"].get<double>(), 2610);
    // Los mismos ensayos tomados como roca intacta (s = 1) no se parecen a la recta.
    EXPECT_LT(e[0]["laboratorio"]["ajuste_roca_intacta"]["r2"].get<double>(), 0.0);

    // Estrato 2 (roca intacta): m = 10.03, s = 1, r² = 0.998494; con s libre, s = 0.991364.
    const auto& a2 = e[1]["laboratorio"]["ajuste_roca_intacta"];
    EXPECT_NEAR(a2["m"].get<double>(), 10.03, 1e-9);
    EXPECT_EQ(a2["s"].get<double>(), 1.0);
    EXPECT_NEAR(a2["r2"].get<double>(), 0.998494, 1e-6);
    EXPECT_TRUE(a2["es_el_del_estrato"].get<bool>());
    EXPECT_NEAR(e[1]["laboratorio"]["ajuste"]["s"].get<double>(), 0.991364, 1e-6);
    EXPECT_FALSE(e[1]["laboratorio"]["ajuste"]["es_el_del_estrato"].get<bool>());
}

TEST(CliRoca, TextoSinLaboratorioYProyectoDeSuelos)
{
    std::ostringstream salida, errores;
    ASSERT_EQ(EjecutarCli({"roca", Ejemplos + "/talud_roca_variacional.cod"}, salida, errores),
              SalidaCorrecta)
        << errores.str();
    // mi = 10, GSI = 50, σci = 1000 kg/cm2: c = 41.138 kg/cm2 = 411.38 ton/m2, φ = 31.92°.
    EXPECT_NE(salida.str().find("   1    10.000   50.00    1.677   0.00387  0.500   1000.00    "
                                "411.38   31.92\n"),
              std::string::npos)
        << salida.str();
    EXPECT_NE(salida.str().find("Datos de laboratorio: no"), std::string::npos);

    std::ostringstream conLab, e2;
    ASSERT_EQ(EjecutarCli({"roca", Ejemplos + "/talud_roca_laboratorio.cod"}, conLab, e2),
              SalidaCorrecta);
    EXPECT_NE(conLab.str().find(
                  "  macizo (s ajustado):    m = 1.985, s = 0.00440, r² = 0.9991  (m y s del "
                  "estrato)\n"),
              std::string::npos)
        << conLab.str();

    std::ostringstream s3, e3;
    EXPECT_EQ(EjecutarCli({"roca", Ejemplos + "/talud_homogeneo_bishop.cod"}, s3, e3),
              SalidaPreparacion);
    EXPECT_NE(e3.str().find("no es de macizos rocosos"), std::string::npos);
    EXPECT_TRUE(s3.str().empty());
    std::ostringstream s4, e4;
    EXPECT_EQ(EjecutarCli({"roca", "/no/existe.cod"}, s4, e4), SalidaArchivo);
}

} // namespace
} // namespace vertana
