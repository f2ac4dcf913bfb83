#include "cli/ordenes.h"
#include "io/archivo_proyecto.h"
#include "proyectos_de_prueba.h"

#include <gtest/gtest.h>

#include <sstream>

namespace vertana {
namespace {

using prueba::CarpetaTemporal;
using prueba::LeerBytes;

const std::string Ejemplos = VERTANA_EJEMPLOS;

TEST(Cli, ResumenEnTextoDelEjemploDeBishop)
{
    std::ostringstream salida, errores;
    ASSERT_EQ(EjecutarCli({"resumen", Ejemplos + "/talud_homogeneo_bishop.cod"}, salida, errores),
              SalidaCorrecta);
    const std::string texto = salida.str();
    EXPECT_NE(texto.find("Material: Suelos (S)"), std::string::npos) << texto;
    EXPECT_NE(texto.find("Método de cálculo: 2 (Bishop)"), std::string::npos);
    EXPECT_NE(texto.find("Uniones de la superficie de falla: 1-2 C (círculo único)"),
              std::string::npos);
    EXPECT_NE(texto.find("Estratos: 1 (puntos: 2)"), std::string::npos);
    EXPECT_NE(texto.find("Resultados: no"), std::string::npos);
    EXPECT_TRUE(errores.str().empty());
}

TEST(Cli, ResumenEnJsonConElFactorDeSeguridadFinal)
{
    CarpetaTemporal carpeta;
    Proyecto p = prueba::RocaConResultados(false);
    EscribirProyecto(carpeta.Ruta("roca.cod"), p);
    std::ostringstream salida, errores;
    ASSERT_EQ(EjecutarCli({"resumen", carpeta.Ruta("roca.cod"), "--json"}, salida, errores),
              SalidaCorrecta);
    const auto json = nlohmann::json::parse(salida.str());
    EXPECT_EQ(json["material"]["codigo"], "R");
    EXPECT_EQ(json["metodo"]["codigo"], 1);
    EXPECT_EQ(json["puntos"]["talud"], 4);
    EXPECT_EQ(json["uniones"].size(), 2u);
    EXPECT_EQ(json["resultados"]["hay"], true);
    EXPECT_EQ(json["resultados"]["dovelas"], 3);
    EXPECT_EQ(json["resultados"]["factor_seguridad"].get<double>(), 1.3456789012345678);
}

TEST(Cli, ReescribirDaLosMismosBytes)
{
    CarpetaTemporal carpeta;
    std::ostringstream salida, errores;
    const std::string entrada = Ejemplos + "/talud_estratificado_janbu.cod";
    ASSERT_EQ(EjecutarCli({"reescribir", entrada, carpeta.Ruta("copia.cod")}, salida, errores),
              SalidaCorrecta);
    EXPECT_EQ(LeerBytes(carpeta.Ruta("copia.cod")), LeerBytes(entrada));
}

TEST(Cli, ArchivoIlegibleSaleConDosYElMensaje)
{
    std::ostringstream salida, errores;
    EXPECT_EQ(EjecutarCli({"resumen", "/no/existe.cod"}, salida, errores), SalidaArchivo);
    EXPECT_NE(errores.str().find("Error leyendo archivo"), std::string::npos);
    EXPECT_TRUE(salida.str().empty());

    CarpetaTemporal carpeta;
    std::ostringstream salida2, errores2;
    EXPECT_EQ(EjecutarCli({"reescribir", Ejemplos + "/talud_roca_variacional.cod",
                           carpeta.Ruta("no/hay/carpeta.cod")},
                          salida2, errores2),
              SalidaArchivo);
    EXPECT_NE(errores2.str().find("No se pudo"), std::string::npos);
}

TEST(Cli, SinOrdenEsUnErrorDeUso)
{
    std::ostringstream salida, errores;
    EXPECT_EQ(EjecutarCli({}, salida, errores), SalidaUso);
    EXPECT_EQ(EjecutarCli({"calcular"}, salida, errores), SalidaUso);
}

} // namespace
} // namespace vertana
