// Preparación del cálculo (superficie, zonas, dovelas, geometría, materiales y presiones):
// una superficie compuesta L-P-C-L con 5 estratos y 200 dovelas, y un círculo único con 100
// dovelas. Cada preparación debe tardar menos de 1 ms.
#include "cli/interaccion_lote.h"
#include "geometry/preparacion.h"
#include "io/codigos.h"

#include <benchmark/benchmark.h>

#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace vertana {
namespace {

using Puntos = std::vector<std::pair<double, double>>;

void Poligonal(Tabla<double>& X, Tabla<double>& Y, const Puntos& puntos)
{
    const int n = static_cast<int>(puntos.size());
    RedimensionarConjunto(X, Y, n);
    for (int k = 1; k <= n; ++k) {
        X(k) = puntos[k - 1].first;
        Y(k) = puntos[k - 1].second;
    }
}

// Talud de 40 m de alto (corona y = 50 desde x = 60, pie y = 10 en x = 20), estratos
// horizontales cuyas líneas están en y = 45, 35, 25, 13 y 0, nivel freático inclinado.
Proyecto TaludDeCincoEstratos()
{
    Proyecto p;
    ReiniciarProyecto(p);
    p.SueloRoca = Material::Suelo;
    Poligonal(p.AbscisasTalud, p.OrdenadasTalud, {{100, 50}, {60, 50}, {20, 10}, {0, 10}});
    Poligonal(p.AbscisasFreatico, p.OrdenadasFreatico, {{100, 40}, {40, 20}, {0, 9}});
    const double lineas[] = {45, 35, 25, 13, 0};
    constexpr int Estratos = 5;
    p.NumeroCoordenadasEstrato.Redimensionar(Estratos);
    p.AbscisasEstratos.Redimensionar(Estratos, 2);
    p.OrdenadasEstratos.Redimensionar(Estratos, 2);
    for (Tabla<double>* t : {&p.CohesionMacizo, &p.FriccionMacizo, &p.PesoUnitarioHumedo,
                             &p.PesoUnitarioSaturado, &p.ParametroPresionIntersticial,
                             &p.CoeficienteConsolidacionVertical, &p.TiempoDeConstruccion})
        t->Redimensionar(Estratos);
    p.TipoDeEstrato.Redimensionar(Estratos);
    for (int i = 1; i <= Estratos; ++i) {
        p.NumeroCoordenadasEstrato(i) = 2;
        p.AbscisasEstratos(i, 1) = 100;
        p.AbscisasEstratos(i, 2) = 0;
        p.OrdenadasEstratos(i, 1) = p.OrdenadasEstratos(i, 2) = lineas[i - 1];
        p.CohesionMacizo(i) = 1.0 + i;
        p.FriccionMacizo(i) = 25.0 + i;
        p.PesoUnitarioHumedo(i) = 1.8;
        p.PesoUnitarioSaturado(i) = 2.0;
        p.TipoDeEstrato(i) = static_cast<Entero16>(i <= 2 ? 1 : 2);
        p.ParametroPresionIntersticial(i) = 0.5;
        p.CoeficienteConsolidacionVertical(i) = 0.001;
        p.TiempoDeConstruccion(i) = 12;
    }
    return p;
}

void Uniones(Proyecto& p, const std::vector<std::tuple<int, int, std::string>>& uniones)
{
    const int n = static_cast<int>(uniones.size());
    p.NumeroTiposDeFalla = static_cast<Entero16>(n);
    p.PuntoInicialTipoFalla.Redimensionar(n);
    p.PuntoFinalTipoFalla.Redimensionar(n);
    p.TipoDeFalla.Redimensionar(n);
    for (int d = 1; d <= n; ++d) {
        p.PuntoInicialTipoFalla(d) = std::get<0>(uniones[d - 1]);
        p.PuntoFinalTipoFalla(d) = std::get<1>(uniones[d - 1]);
        p.TipoDeFalla(d) = *TipoUnionDeLetra(std::get<2>(uniones[d - 1]));
    }
}

void Preparar(benchmark::State& estado, const Proyecto& base)
{
    for (auto _ : estado) {
        Proyecto p = base;
        EstadoCalculo e;
        InteraccionLote ui(true);
        const ResultadoPreparacion r = PrepararCalculo(p, e, ui);
        if (!r) {
            estado.SkipWithError(r.mensaje.c_str());
            break;
        }
        benchmark::DoNotOptimize(p.PesoUnitarioDovela);
        estado.counters["dovelas"] = p.NumeroPuntosDovelas - 1;
    }
}

void SuperficieCompuestaDoscientasDovelas(benchmark::State& estado)
{
    Proyecto p = TaludDeCincoEstratos();
    p.NumeroDovelas = 200;
    Poligonal(p.AbscisasFalla, p.OrdenadasFalla,
              {{80, 50}, {65, 32}, {50, 22}, {35, 15}, {25, 11}, {20, 10}});
    Uniones(p, {{1, 2, "L"}, {2, 4, "P"}, {4, 5, "C"}, {5, 6, "L"}});
    Preparar(estado, p);
}
BENCHMARK(SuperficieCompuestaDoscientasDovelas)->Unit(benchmark::kMicrosecond);

void CirculoUnicoCienDovelas(benchmark::State& estado)
{
    Proyecto p = TaludDeCincoEstratos();
    p.NumeroDovelas = 100;
    Poligonal(p.AbscisasFalla, p.OrdenadasFalla, {{75, 50}, {17, 10}});
    Uniones(p, {{1, 2, "C"}});
    p.RadioCirculoFalla = 45;
    Preparar(estado, p);
}
BENCHMARK(CirculoUnicoCienDovelas)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace vertana

BENCHMARK_MAIN();
