// Robustez: una tabla de perturbaciones (valores nulos, negativos, enormes, NaN e infinitos,
// puntos repetidos y trasladados, agua sobre la corona, de 1 a 32766 dovelas) aplicada a los
// ejemplos y a los problemas publicados, con los cuatro métodos por la línea de órdenes. Ningún
// caso se cae ni tarda, y el código 0 sólo sale con un factor finito y no menor que el mínimo;
// si no, el código es 3 con la razón en la salida de errores.
#include "cli/interaccion_lote.h"
#include "cli/orden_calcular.h"
#include "cli/ordenes.h"
#include "io/archivo_proyecto.h"
#include "methods/datos_metodo.h"
#include "proyectos_de_prueba.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <filesystem>
#include <functional>
#include <limits>
#include <sstream>

namespace vertana {
namespace {

constexpr double NaN = std::numeric_limits<double>::quiet_NaN();
constexpr double Inf = std::numeric_limits<double>::infinity();
constexpr int DovelasDeLaPrueba = 20; // pocas dovelas: la tabla entera corre en segundos
constexpr double SegundosPorCalculo = 5.0;

void EnTodosLosEstratos(Tabla<double>& t, double valor)
{
    for (int i = 1; i <= t.Tamano(); ++i)
        t(i) = valor;
}

double MayorOrdenadaDelTalud(const Proyecto& p)
{
    double y = -Inf;
    for (int k = 1; k <= p.OrdenadasTalud.Tamano(); ++k)
        y = std::max(y, p.OrdenadasTalud(k));
    return y;
}

struct Perturbacion {
    const char* nombre;
    std::function<void(Proyecto&)> aplicar;
};

std::vector<Perturbacion> Perturbaciones()
{
    return {
        {"sin cambio", [](Proyecto&) {}},
        {"c = -1", [](Proyecto& p) { EnTodosLosEstratos(p.CohesionMacizo, -1); }},
        {"c = 1e12", [](Proyecto& p) { EnTodosLosEstratos(p.CohesionMacizo, 1e12); }},
        {"c NaN", [](Proyecto& p) { EnTodosLosEstratos(p.CohesionMacizo, NaN); }},
        {"fi = -10", [](Proyecto& p) { EnTodosLosEstratos(p.FriccionMacizo, -10); }},
        {"fi = 90", [](Proyecto& p) { EnTodosLosEstratos(p.FriccionMacizo, 90); }},
        {"fi = 120", [](Proyecto& p) { EnTodosLosEstratos(p.FriccionMacizo, 120); }},
        {"c = fi = 0",
         [](Proyecto& p) {
             EnTodosLosEstratos(p.CohesionMacizo, 0);
             EnTodosLosEstratos(p.FriccionMacizo, 0);
         }},
        {"pesos negativos",
         [](Proyecto& p) {
             EnTodosLosEstratos(p.PesoUnitarioHumedo, -1.9);
             EnTodosLosEstratos(p.PesoUnitarioSaturado, -1.9);
         }},
        {"pesos casi nulos",
         [](Proyecto& p) {
             EnTodosLosEstratos(p.PesoUnitarioHumedo, 1e-9);
             EnTodosLosEstratos(p.PesoUnitarioSaturado, 1e-9);
         }},
        {"pesos infinitos", [](Proyecto& p) { EnTodosLosEstratos(p.PesoUnitarioSaturado, Inf); }},
        {"kv = -1", [](Proyecto& p) { p.CoeficienteSismicoVertical = -1; }},
        {"kv = -0.999", [](Proyecto& p) { p.CoeficienteSismicoVertical = -0.999; }},
        {"kh = 5", [](Proyecto& p) { p.CoeficienteSismicoHorizontal = 5; }},
        {"kh = 0.9", [](Proyecto& p) { p.CoeficienteSismicoHorizontal = 0.9; }},
        {"FS inicial 1e-9", [](Proyecto& p) { p.FSInicial = 1e-9; }},
        {"FS inicial 1e9", [](Proyecto& p) { p.FSInicial = 1e9; }},
        {"FS inicial 0", [](Proyecto& p) { p.FSInicial = 0; }},
        {"FS inicial NaN", [](Proyecto& p) { p.FSInicial = NaN; }},
        {"1 dovela", [](Proyecto& p) { p.NumeroDovelas = 1; }},
        {"2 dovelas", [](Proyecto& p) { p.NumeroDovelas = 2; }},
        {"2.5 dovelas", [](Proyecto& p) { p.NumeroDovelas = 2.5; }},
        {"3 dovelas", [](Proyecto& p) { p.NumeroDovelas = 3; }},
        {"32766 dovelas", [](Proyecto& p) { p.NumeroDovelas = 32766; }},
        {"talud NaN", [](Proyecto& p) { p.OrdenadasTalud(1) = NaN; }},
        {"falla infinita", [](Proyecto& p) { p.AbscisasFalla(1) = Inf; }},
        {"falla repetida",
         [](Proyecto& p) {
             p.AbscisasFalla(2) = p.AbscisasFalla(1);
             p.OrdenadasFalla(2) = p.OrdenadasFalla(1);
         }},
        {"falla corrida 3 m", [](Proyecto& p) { p.AbscisasFalla(1) += 3.0; }},
        {"cara vertical", [](Proyecto& p) { p.AbscisasTalud(2) = p.AbscisasTalud(1); }},
        {"agua sobre la corona",
         [](Proyecto& p) {
             const double y = MayorOrdenadaDelTalud(p) + 5.0;
             prueba::FijarPuntos(p.AbscisasFreatico, p.OrdenadasFreatico, {{1e4, y}, {-1e4, y}});
         }},
        {"trasladado 1000 m", [](Proyecto& p) { prueba::Trasladar(p, 1000.0, 0.0); }},
        {"trasladado 1e7 m", [](Proyecto& p) { prueba::Trasladar(p, 1e7, 1e7); }},
    };
}

std::vector<std::string> Archivos()
{
    std::vector<std::string> archivos;
    for (const char* carpeta : {VERTANA_EJEMPLOS, VERTANA_DATOS_PRUEBA "/clasicos"})
        for (const auto& entrada : std::filesystem::directory_iterator(carpeta))
            if (entrada.path().extension() == ".cod") archivos.push_back(entrada.path().string());
    std::sort(archivos.begin(), archivos.end());
    return archivos;
}

TEST(Robustez, PerturbacionesDeLosEjemplosYLosProblemasPublicados)
{
    prueba::CarpetaTemporal carpeta;
    const auto inicio = std::chrono::steady_clock::now();
    int conFactor = 0, sinFactor = 0;
    for (const std::string& archivo : Archivos()) {
        Proyecto base;
        ReiniciarProyecto(base);
        {
            InteraccionLote lectura;
            ASSERT_TRUE(LeerProyecto(archivo, base, lectura)) << archivo;
        }
        base.NumeroDovelas = DovelasDeLaPrueba;
        for (const Perturbacion& perturbacion : Perturbaciones()) {
            Proyecto p = base;
            perturbacion.aplicar(p);
            const std::string ruta = carpeta.Ruta("caso.cod");
            EscribirProyecto(ruta, p);
            for (const char* metodo : {"fellenius", "bishop", "janbu", "variacional"}) {
                const std::string que = std::filesystem::path(archivo).filename().string() + ", " +
                                        perturbacion.nombre + ", " + metodo;
                std::ostringstream salida, errores;
                const auto antes = std::chrono::steady_clock::now();
                const int codigo =
                    EjecutarCli({"calcular", ruta, "--metodo", metodo, "--json"}, salida, errores);
                const std::chrono::duration<double> duracion =
                    std::chrono::steady_clock::now() - antes;
                EXPECT_LT(duracion.count(), SegundosPorCalculo) << que;
                ASSERT_TRUE(codigo == SalidaCorrecta || codigo == SalidaSinResultados)
                    << que << ": código " << codigo << "\n"
                    << errores.str();
                const auto json = nlohmann::json::parse(salida.str());
                if (codigo == SalidaCorrecta) {
                    ++conFactor;
                    ASSERT_TRUE(json["factor_seguridad"].is_number()) << que;
                    const double F = json["factor_seguridad"].get<double>();
                    EXPECT_TRUE(std::isfinite(F) && F >= FactorSeguridadMinimo)
                        << que << ": FS = " << F;
                } else {
                    ++sinFactor;
                    EXPECT_TRUE(json["factor_seguridad"].is_null()) << que;
                    EXPECT_FALSE(errores.str().empty()) << que;
                }
            }
        }
    }
    const std::chrono::duration<double> total = std::chrono::steady_clock::now() - inicio;
    RecordProperty("segundos", std::to_string(total.count()));
    // La tabla no es vacía: muchos casos calculan y muchos se rechazan.
    EXPECT_GT(conFactor, 100);
    EXPECT_GT(sinFactor, 100);
}

} // namespace
} // namespace vertana
