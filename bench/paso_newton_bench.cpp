// Un paso de Newton del método variacional por la banda con borde (residuos, jacobiano y
// solución) sobre el círculo del caso 1 de Fredlund y Krahn dividido en 100, 1000 y 3000
// dovelas, y el mismo paso con la matriz densa y Gauss-Jordan para comparar.
// Metas del paso por la banda: 100 dovelas < 0.3 ms, 1000 < 5 ms, 3000 < 20 ms.
#include "cli/interaccion_lote.h"
#include "geometry/preparacion.h"
#include "io/archivo_proyecto.h"
#include "methods/variacional.h"
#include "methods/variacional_banda.h"
#include "methods/variacional_sistema.h"

#include <benchmark/benchmark.h>

#include <cstddef>
#include <string>
#include <vector>

namespace vertana {
namespace {

// Datos de las dovelas y el punto de partida (xc, yc, F y la primera solución de σ) con los
// valores iniciales que aconsejan las ayudas de Form2.
struct Partida {
    DatosVariacional datos;
    std::vector<double> z;
};

Partida PartidaCaso1(int dovelas)
{
    Proyecto p;
    ReiniciarProyecto(p);
    InteraccionLote ui(true);
    LeerProyecto(std::string(VERTANA_DATOS_PRUEBA) + "/clasicos/fredlund_krahn_1977_caso1.cod", p,
                 ui);
    p.MetodoDeCalculo = Metodo::Variacional;
    p.NumeroDovelas = static_cast<double>(dovelas);
    p.EsfuerzoInicialCresta = -1.0;
    EstadoCalculo e;
    ReiniciarEstadoCalculo(e);
    EjecutarPreparacion(p, e, ui);
    Partida r{DatosDeDovelas(p, e, false), {24.0, 30.0, 1.5}};
    std::vector<double> sigma;
    PrimeraSolucionBanda(r.datos, r.z[0], r.z[1], r.z[2], sigma);
    r.z.insert(r.z.end(), sigma.begin(), sigma.end());
    return r;
}

void PasoNewtonBanda(benchmark::State& estado)
{
    const Partida partida = PartidaCaso1(static_cast<int>(estado.range(0)));
    std::vector<double> delta;
    for (auto _ : estado) {
        const std::vector<double> G = ResiduosVariacionales(partida.datos, partida.z);
        const JacobianoBanda J = JacobianoBandaVariacional(partida.datos, partida.z);
        benchmark::DoNotOptimize(ResolverPasoNewton(J, G, delta));
    }
    estado.counters["dovelas"] = partida.datos.Dovelas();
    estado.counters["dF"] = delta.empty() ? 0.0 : delta[2];
}
BENCHMARK(PasoNewtonBanda)->Arg(100)->Arg(1000)->Arg(3000)->Unit(benchmark::kMillisecond);

void PasoNewtonDenso(benchmark::State& estado)
{
    const Partida partida = PartidaCaso1(static_cast<int>(estado.range(0)));
    const std::size_t n = partida.z.size();
    std::vector<double> delta(n);
    for (auto _ : estado) {
        const std::vector<double> G = ResiduosVariacionales(partida.datos, partida.z);
        Matriz inversa;
        benchmark::DoNotOptimize(
            InvertirGaussJordan(JacobianoVariacional(partida.datos, partida.z), inversa));
        for (std::size_t i = 1; i <= n; ++i) {
            delta[i - 1] = 0.0;
            for (std::size_t j = 1; j <= n; ++j)
                delta[i - 1] -= inversa[i][j] * G[j - 1];
        }
    }
    estado.counters["dovelas"] = partida.datos.Dovelas();
    estado.counters["dF"] = delta[2];
}
BENCHMARK(PasoNewtonDenso)->Arg(100)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace vertana

BENCHMARK_MAIN();
