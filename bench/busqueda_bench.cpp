// Búsqueda de la superficie crítica sobre un talud de tres suelos con nivel freático
// (tests/datos/busqueda/capas_freatico.cod, 50 dovelas pedidas), medida junto a la forma
// directa de hacerla: la preparación general del programa (las seis rutinas sobre una copia del
// proyecto) en cada ensayo.
// Metas, un núcleo: un ensayo de Bishop de 50 dovelas con su geometría ≤ 3 µs; una búsqueda de
// 10 000 círculos (rejilla de 20 × 20 centros con 25 radios, sin refinamiento) < 50 ms, y menos
// con más hilos. La búsqueda con 2 hilos sólo muestra su ventaja en tiempo real con la máquina
// libre; su tiempo de CPU es el del hilo que llama.
#include "calculo/busqueda.h"
#include "calculo/busqueda_ensayos.h"
#include "cli/interaccion_lote.h"
#include "io/archivo_proyecto.h"

#include <benchmark/benchmark.h>

namespace vertana {
namespace {

// Donde van los resultados para que el compilador no quite el trabajo (DoNotOptimize sobre un
// double de una estructura da valores sin sentido con GCC 12 y Google Benchmark 1.7).
volatile double sumidero = 0.0;

Proyecto Talud()
{
    Proyecto p;
    ReiniciarProyecto(p);
    InteraccionLote lectura;
    LeerProyecto(std::string(VERTANA_DATOS_PRUEBA) + "/busqueda/capas_freatico.cod", p, lectura);
    return p;
}

// Un ensayo: el círculo crítico aproximado del talud, con su geometría de dovelas.
void EnsayoBishop(benchmark::State& estado)
{
    const Proyecto p = Talud();
    SeccionBusqueda s;
    ArmarSeccion(p, s);
    const bool general = estado.range(0) != 0;
    auto evaluador = CrearEvaluador(p, s, MetodoBusqueda::Bishop, general);
    SuperficieEnsayo c;
    c.XCentro = 35.8; // cerca del círculo crítico de Bishop de este talud
    c.YCentro = 43.9;
    c.Radio = 21.5;
    EnsayoEvaluado r;
    for (auto _ : estado) {
        r = evaluador->Evaluar(c);
        sumidero = r.FactorSeguridad;
    }
    if (!r.Valido) estado.SkipWithError("el círculo de la medición no es un ensayo válido");
    estado.counters["dovelas"] = r.Dovelas;
    estado.counters["FS"] = r.FactorSeguridad;
    estado.SetLabel(general ? "preparación general" : "evaluador rápido");
}
BENCHMARK(EnsayoBishop)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// 10 000 círculos de Bishop: argumentos hilos y evaluador (0 rápido, 1 general).
void BusquedaRejilla(benchmark::State& estado)
{
    const Proyecto p = Talud();
    OpcionesBusqueda o;
    o.Metodo = MetodoBusqueda::Bishop;
    o.Rejilla = RejillaCentros{20.0, 50.0, 20, 36.0, 66.0, 20};
    o.Radios = 25;
    o.Refinar = false;
    o.Hilos = static_cast<int>(estado.range(0));
    o.EvaluadorGeneral = estado.range(1) != 0;
    ResultadoBusqueda r;
    for (auto _ : estado) {
        r = BuscarSuperficieCritica(p, o);
        sumidero = r.FactorSeguridad;
    }
    estado.counters["ensayos"] = static_cast<double>(r.Ensayos);
    estado.counters["validos"] = static_cast<double>(r.EnsayosValidos);
    estado.counters["FS"] = r.Estado == EstadoBusqueda::Hallada ? r.FactorSeguridad : -1.0;
    estado.SetLabel(o.EvaluadorGeneral ? "preparación general" : "evaluador rápido");
}
BENCHMARK(BusquedaRejilla)
    ->Args({1, 0})
    ->Args({2, 0})
    ->Args({1, 1})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

} // namespace
} // namespace vertana

BENCHMARK_MAIN();
