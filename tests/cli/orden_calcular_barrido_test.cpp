// vertana-cli calcular sobre todos los proyectos de prueba (los problemas clásicos publicados, los
// de robustez y los ejemplos), con cada método y con 30, las del archivo y 1000 dovelas (hasta 3000
// en Clasicos.FredlundKrahnCaso1De30A3000Dovelas y en las pruebas de Janbu): una salida correcta
// (código 0) trae siempre un factor de seguridad finito y positivo; sin él, el código es el de un
// cálculo sin resultados (3) y el factor es null.
#include "cli/interaccion_lote.h"
#include "cli/ordenes.h"
#include "io/archivo_proyecto.h"
#include "proyectos_de_prueba.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

namespace vertana {
namespace {

namespace fs = std::filesystem;

constexpr int SalidaSinResultados = 3;

// Proyectos .cod de una carpeta, en orden.
std::vector<fs::path> Proyectos(const std::string& carpeta)
{
    std::vector<fs::path> r;
    for (const auto& entrada : fs::directory_iterator(carpeta))
        if (entrada.path().extension() == ".cod") r.push_back(entrada.path());
    std::sort(r.begin(), r.end());
    return r;
}

TEST(BarridoCalcular, SalidaCorrectaSoloConUnFactorFinitoYPositivo)
{
    std::vector<fs::path> archivos = Proyectos(std::string(VERTANA_DATOS_PRUEBA) + "/clasicos");
    for (const std::string& carpeta :
         {std::string(VERTANA_DATOS_PRUEBA) + "/robustez", std::string(VERTANA_EJEMPLOS)})
        for (const fs::path& e : Proyectos(carpeta))
            archivos.push_back(e);
    ASSERT_GE(archivos.size(), 8u);
    const std::vector<std::vector<std::string>> metodos = {
        {"--metodo", "fellenius"},
        {"--metodo", "bishop"},
        {"--metodo", "janbu"},
        {"--metodo", "variacional"},
        {"--metodo", "variacional", "--partida-automatica"},
        {"--metodo", "spencer"},
        {"--metodo", "morgenstern-price"}};
    prueba::CarpetaTemporal carpeta;
    int correctas = 0;
    for (const fs::path& archivo : archivos) {
        for (int dovelas : {0, 30, 1000}) {
            std::string ruta = archivo.string();
            if (dovelas > 0) {
                Proyecto p;
                ReiniciarProyecto(p);
                InteraccionLote lectura(true);
                ASSERT_TRUE(LeerProyecto(ruta, p, lectura)) << ruta;
                p.NumeroDovelas = dovelas;
                ruta =
                    carpeta.Ruta(archivo.stem().string() + "_" + std::to_string(dovelas) + ".cod");
                EscribirProyecto(ruta, p);
            }
            for (const std::vector<std::string>& metodo : metodos) {
                std::vector<std::string> argumentos = {"calcular", ruta, "--json"};
                argumentos.insert(argumentos.end(), metodo.begin(), metodo.end());
                std::ostringstream salida, errores;
                const int codigo = EjecutarCli(argumentos, salida, errores);
                SCOPED_TRACE(archivo.filename().string() + " " + std::to_string(dovelas) + " " +
                             metodo[1] + (metodo.size() > 2 ? " automática" : ""));
                if (codigo != SalidaCorrecta) {
                    EXPECT_EQ(codigo, SalidaSinResultados) << errores.str();
                    const auto j = nlohmann::json::parse(salida.str());
                    EXPECT_TRUE(j["factor_seguridad"].is_null()) << salida.str();
                    continue;
                }
                ++correctas;
                const auto j = nlohmann::json::parse(salida.str());
                ASSERT_TRUE(j["factor_seguridad"].is_number()) << salida.str();
                const double F = j["factor_seguridad"].get<double>();
                EXPECT_TRUE(std::isfinite(F) && F > 0.0) << F;
            }
        }
    }
    // La mayoría de los cálculos tiene resultado: el barrido no pasa por no calcular nada.
    EXPECT_GT(correctas, 100);
}

} // namespace
} // namespace vertana
