// Una solución de Bishop sobre un círculo de 100 dovelas (el caso 1 de Fredlund y Krahn) y la
// búsqueda completa del radio. Meta: menos de 1 ms por solución.
#include "geometry/preparacion.h"
#include "io/archivo_proyecto.h"
#include "methods/bishop.h"

#include <benchmark/benchmark.h>

namespace vertana {
namespace {

Proyecto Caso1()
{
    Proyecto p;
    ReiniciarProyecto(p);
    InteraccionLote lectura;
    LeerProyecto(std::string(VERTANA_DATOS_PRUEBA) + "/clasicos/fredlund_krahn_1977_caso1.cod", p,
                 lectura);
    return p;
}

void SolucionBishop(benchmark::State& estado)
{
    Proyecto p = Caso1();
    EstadoCalculo e;
    ReiniciarEstadoCalculo(e);
    InteraccionLote ui(true);
    EjecutarPreparacion(p, e, ui);
    for (auto _ : estado) {
        ChequeosBishop chequeos{true, true};
        benchmark::DoNotOptimize(IteracionBishop(p, e, ui, chequeos).FS);
    }
    estado.counters["dovelas"] = p.NumeroPuntosDovelas - 1;
}
BENCHMARK(SolucionBishop)->Unit(benchmark::kMicrosecond);

void BusquedaDelRadio(benchmark::State& estado)
{
    const Proyecto original = Caso1();
    int ensayos = 0;
    for (auto _ : estado) {
        Proyecto p = original;
        p.VariaElRadio = true;
        EstadoCalculo e;
        ReiniciarEstadoCalculo(e);
        InteraccionLote ui(true);
        std::vector<EnsayoRadio> radios;
        benchmark::DoNotOptimize(MetodoBishop(p, e, ui, &radios));
        ensayos = static_cast<int>(radios.size());
    }
    estado.counters["ensayos"] = ensayos;
}
BENCHMARK(BusquedaDelRadio)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace vertana

BENCHMARK_MAIN();
