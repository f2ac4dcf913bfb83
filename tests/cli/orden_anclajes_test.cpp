// Orden "anclajes": la calculadora de los diálogos de resultados sobre los resultados guardados
// en un archivo, y el bloque de anclajes de "calcular --json".
#include "cli/interaccion_lote.h"
#include "cli/orden_anclajes.h"
#include "cli/ordenes.h"
#include "io/archivo_proyecto.h"
#include "model/textos.h"
#include "proyectos_de_prueba.h"

#include "correr_cli.h"

#include <gtest/gtest.h>

#include <sstream>

namespace vertana {
namespace {

using prueba::CarpetaTemporal;

const std::string CasoFredlundKrahn =
    std::string(VERTANA_DATOS_PRUEBA) + "/clasicos/fredlund_krahn_1977_caso1.cod";

using Salidas = prueba::SalidaCli;
constexpr auto Cli = prueba::CorrerCli;

std::vector<std::string> Anclajes(const std::string& archivo, const std::string& fs,
                                  const std::string& diametro)
{
    return {"anclajes",   archivo,  "--fs-deseado", fs,      "--inclinacion", "15",
            "--diametro", diametro, "--rotura",     "12000", "--guayas",      "4"};
}

// Fredlund y Krahn, caso 1, calculado por Bishop (F = 2.075) y guardado con sus resultados.
struct OrdenAnclajes : ::testing::Test {
    CarpetaTemporal carpeta;
    std::string calculado = carpeta.Ruta("calculado.cod");
    void SetUp() override
    {
        ASSERT_EQ(Cli({"calcular", CasoFredlundKrahn, "--metodo", "bishop", "--guardar", calculado})
                      .codigo,
                  SalidaCorrecta);
    }
};

TEST_F(OrdenAnclajes, CalculaGuardaYCalcularLasMuestra)
{
    auto argumentos = Anclajes(calculado, "2.5", "1");
    argumentos.insert(argumentos.end(), {"--json", "--guardar", carpeta.Ruta("anclado.cod")});
    const Salidas r = Cli(argumentos);
    ASSERT_EQ(r.codigo, SalidaCorrecta) << r.errores;
    const auto json = nlohmann::json::parse(r.salida);
    // H: ordenadas del primer y del último punto de la superficie de falla del archivo,
    // 18.288 − 6.096 m.
    EXPECT_NEAR(json["geometria"]["altura"].get<double>(), 12.192, 1e-12);
    EXPECT_TRUE(json["geometria"]["circulo_unico"].get<bool>());
    EXPECT_EQ(json["geometria"]["friccion_media"].get<double>(), 20.0); // un solo suelo
    const double sa = json["separacion_activos"].get<double>();
    const double sp = json["separacion_pasivos"].get<double>();
    EXPECT_GT(sa, 0.0);
    EXPECT_GT(sp, 0.0);

    // El archivo guardado lleva los datos y las separaciones.
    Proyecto p;
    ReiniciarProyecto(p);
    InteraccionLote lectura;
    ASSERT_TRUE(LeerProyecto(carpeta.Ruta("anclado.cod"), p, lectura));
    EXPECT_EQ(p.FactorSeguridadConAnclaje, 2.5);
    EXPECT_EQ(p.InclinacionAnclajes, 15.0);
    EXPECT_EQ(p.SeparacionAnclajesActivos, sa);
    EXPECT_EQ(p.SeparacionAnclajesPasivos, sp);

    // Recalculado por Bishop, el factor es el mismo y las separaciones también.
    const Salidas calculo = Cli({"calcular", carpeta.Ruta("anclado.cod"), "--json"});
    ASSERT_EQ(calculo.codigo, SalidaCorrecta) << calculo.errores;
    const auto bloque = nlohmann::json::parse(calculo.salida)["anclajes"];
    EXPECT_EQ(bloque["datos"]["fs_deseado"].get<double>(), 2.5);
    EXPECT_EQ(bloque["guardadas"]["activos"].get<double>(), sa);
    EXPECT_NEAR(bloque["con_este_calculo"]["activos"].get<double>(), sa, 1e-9);
    EXPECT_NEAR(bloque["con_este_calculo"]["pasivos"].get<double>(), sp, 1e-9);

    // Sin datos de anclajes no hay bloque.
    const Salidas sinAnclajes = Cli({"calcular", calculado, "--json"});
    EXPECT_FALSE(nlohmann::json::parse(sinAnclajes.salida).contains("anclajes"));
}

TEST_F(OrdenAnclajes, RechazosConSuCodigoYSuMensaje)
{
    struct Caso {
        std::vector<std::string> argumentos;
        int codigo;
        std::string mensaje;
    };
    const Caso casos[] = {
        {Anclajes(calculado, "2.5", "abc"), SalidaUso, textos::AnclajesDiametro},
        {Anclajes(calculado, "1.5", "1"), SalidaAnclajesRechazados, textos::AnclajesFactorDeseado},
        {Anclajes(CasoFredlundKrahn, "2.5", "1"), SalidaAnclajesRechazados,
         std::string(textos::TituloSinCalculoCompleto) + " " +
             textos::RealiceElCalculoParaVerResultados},
        {{"anclajes", calculado, "--fs-deseado", "2.5"}, SalidaUso, "--inclinacion is required"},
    };
    for (const Caso& c : casos) {
        const Salidas r = Cli(c.argumentos);
        EXPECT_EQ(r.codigo, c.codigo) << c.mensaje;
        EXPECT_EQ(r.errores.substr(0, c.mensaje.size()), c.mensaje);
        EXPECT_TRUE(r.salida.empty()) << r.salida;
    }
}

} // namespace
} // namespace vertana
