// vertana-cli calcular con --metodo spencer|morgenstern-price, --partida-automatica y
// --centro=X,Y; la clave "avisos" del resultado en JSON.
#include "cli/orden_calcular.h"
#include "cli/ordenes.h"
#include "proyectos_de_prueba.h"

#include "correr_cli.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

namespace vertana {
namespace {

const std::string Clasicos = std::string(VERTANA_DATOS_PRUEBA) + "/clasicos/";
const std::string CasoFK = Clasicos + "fredlund_krahn_1977_caso1.cod";

using Salida = prueba::SalidaCli;
constexpr auto Correr = prueba::CorrerCli;

// Spencer 2.073 con θ = 14.81° (Fredlund y Krahn 1977, tabla 2; el ángulo publicado no concuerda
// del todo con su λ, de ahí el grado de tolerancia) y Morgenstern-Price 2.076 (tabla 3), con la
// tabla de dovelas; sin escribir el proyecto.
TEST(CliRiguroso, SpencerYMorgensternPrice)
{
    const Salida spencer = Correr({"calcular", CasoFK, "--metodo", "spencer", "--json"});
    ASSERT_EQ(spencer.codigo, SalidaCorrecta) << spencer.errores;
    const auto j = nlohmann::json::parse(spencer.salida);
    EXPECT_EQ(j["metodo"], "Spencer");
    EXPECT_NEAR(j["factor_seguridad"].get<double>(), 2.073, 0.01 * 2.073);
    EXPECT_NEAR(j["angulo_entre_dovelas"].get<double>(), 14.81, 1.0);
    EXPECT_EQ(j["dovelas"].size(), 100u);
    EXPECT_TRUE(j["avisos"].is_array());

    const Salida mp = Correr({"calcular", CasoFK, "--metodo", "morgenstern-price"});
    ASSERT_EQ(mp.codigo, SalidaCorrecta) << mp.errores;
    EXPECT_EQ(
        mp.salida.rfind("Método: Morgenstern-Price (medio seno)\nFactor de seguridad: 2.07", 0), 0u)
        << mp.salida;

    // El contraste no guarda resultados.
    prueba::CarpetaTemporal carpeta;
    const Salida guardar =
        Correr({"calcular", CasoFK, "--metodo", "spencer", "--guardar", carpeta.Ruta("x.cod")});
    EXPECT_EQ(guardar.codigo, SalidaUso);
    EXPECT_FALSE(std::filesystem::exists(carpeta.Ruta("x.cod")));
}

// Valores de partida automáticos por lotes: sin form9 (ningún diálogo anotado), dentro del 1 %
// del Spencer publicado; el aviso de admisibilidad del resultado va en "avisos".
TEST(CliRiguroso, PartidaAutomaticaYAvisos)
{
    const Salida s =
        Correr({"calcular", CasoFK, "--metodo", "variacional", "--partida-automatica", "--json"});
    ASSERT_EQ(s.codigo, SalidaCorrecta) << s.errores;
    const auto j = nlohmann::json::parse(s.salida);
    EXPECT_NEAR(j["factor_seguridad"].get<double>(), 2.073, 0.01 * 2.073);
    for (const auto& m : j["mensajes"])
        EXPECT_FALSE(m.contains("dialogo")) << m.dump();
    const Salida janbu = Correr({"calcular", CasoFK, "--metodo", "janbu", "--json"});
    const auto k = nlohmann::json::parse(janbu.salida);
    ASSERT_EQ(k["avisos"].size(), 1u);
    EXPECT_EQ(k["avisos"][0], k["mensajes"][k["mensajes"].size() - 2]["texto"]);
}

// --centro=X,Y: el centro de momentos de Bishop en una superficie compuesta, que el archivo no
// guarda; sin él Bishop dice dónde fijarlo. Un texto que no son dos números, o un círculo único,
// es un error de uso.
TEST(CliRiguroso, CentroDeUnaSuperficieCompuesta)
{
    const std::string compuesta = Clasicos + "chen_shao_1988_carga_en_corona.cod";
    const Salida sin = Correr({"calcular", compuesta, "--metodo", "bishop"});
    EXPECT_EQ(sin.codigo, SalidaSinResultados);
    EXPECT_NE(sin.errores.find("--centro=X,Y"), std::string::npos) << sin.errores;
    const Salida con =
        Correr({"calcular", compuesta, "--metodo", "bishop", "--centro=5.7735,10", "--json"});
    ASSERT_EQ(con.codigo, SalidaCorrecta) << con.errores;
    EXPECT_GT(nlohmann::json::parse(con.salida)["factor_seguridad"].get<double>(), 0.0);
    EXPECT_EQ(Correr({"calcular", compuesta, "--metodo", "bishop", "--centro=5.7735"}).codigo,
              SalidaUso);
    EXPECT_EQ(Correr({"calcular", CasoFK, "--metodo", "bishop", "--centro=5,10"}).codigo,
              SalidaUso);
}

} // namespace
} // namespace vertana
