// vertana-cli calcular --metodo variacional: form9 por lotes sigue hasta converger; un chequeo de
// resistencia fallido termina sin resultados (código 3).
#include "cli/interaccion_lote.h"
#include "cli/orden_calcular.h"
#include "cli/ordenes.h"
#include "io/archivo_proyecto.h"
#include "proyectos_de_prueba.h"

#include <gtest/gtest.h>

#include <sstream>

namespace vertana {
namespace {

const std::string CasoFK =
    std::string(VERTANA_DATOS_PRUEBA) + "/clasicos/fredlund_krahn_1977_caso1.cod";

TEST(CliVariacional, ConvergeEnElCasoDeFredlundYKrahn)
{
    std::ostringstream salida, errores;
    ASSERT_EQ(
        EjecutarCli({"calcular", CasoFK, "--metodo", "variacional", "--json"}, salida, errores),
        SalidaCorrecta)
        << errores.str();
    const auto json = nlohmann::json::parse(salida.str());
    // Spencer 2.073 (Fredlund y Krahn 1977), dentro del 3 %.
    EXPECT_NEAR(json["factor_seguridad"].get<double>(), 2.073, 0.03 * 2.073);
    EXPECT_EQ(json["metodo"], "Leshchinsky y Huang (variacional)");
}

TEST(CliVariacional, ChequeoFallidoSaleConTres)
{
    prueba::CarpetaTemporal carpeta;
    Proyecto p;
    ReiniciarProyecto(p);
    InteraccionLote lectura;
    ASSERT_TRUE(LeerProyecto(CasoFK, p, lectura));
    p.EsfuerzoInicialCresta = -1000.0; // muy por debajo de −c/tan φ en la primera dovela
    EscribirProyecto(carpeta.Ruta("fk.cod"), p);
    std::ostringstream salida, errores;
    EXPECT_EQ(EjecutarCli({"calcular", carpeta.Ruta("fk.cod"), "--metodo", "variacional"}, salida,
                          errores),
              SalidaSinResultados);
    EXPECT_NE(errores.str().find("No chequea la resistencia de Morh-Coulomb"), std::string::npos)
        << errores.str();
    EXPECT_TRUE(salida.str().empty());
}

} // namespace
} // namespace vertana
