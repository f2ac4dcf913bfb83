// Una solución de Spencer y una de Morgenstern-Price (medio seno) sobre el círculo del caso 1 de
// Fredlund y Krahn con 50 y con 200 dovelas; el problema se arma una vez, fuera de la medida.
// Meta: menos de 0.5 ms por solución con 200 dovelas, para que la búsqueda de la superficie
// crítica pueda probar miles de superficies.
#include "cli/interaccion_lote.h"
#include "geometry/preparacion.h"
#include "io/archivo_proyecto.h"
#include "methods/dovelas_rigurosas.h"
#include "methods/rigurosos.h"

#include <benchmark/benchmark.h>

namespace vertana {
namespace {

ProblemaRiguroso Caso1(int dovelas)
{
    Proyecto p;
    ReiniciarProyecto(p);
    InteraccionLote lectura;
    LeerProyecto(std::string(VERTANA_DATOS_PRUEBA) + "/clasicos/fredlund_krahn_1977_caso1.cod", p,
                 lectura);
    p.NumeroDovelas = dovelas;
    EstadoCalculo e;
    ReiniciarEstadoCalculo(e);
    InteraccionLote ui(true);
    EjecutarPreparacion(p, e, ui);
    return ProblemaRigurosoDesdeDovelas(p, e);
}

template <SolucionRigurosa (*Resolver)(const ProblemaRiguroso&, const OpcionesRigurosas&)>
void Solucion(benchmark::State& estado)
{
    const ProblemaRiguroso problema = Caso1(static_cast<int>(estado.range(0)));
    SolucionRigurosa s;
    for (auto _ : estado) {
        s = Resolver(problema, {});
        benchmark::DoNotOptimize(s.FS);
    }
    estado.counters["dovelas"] = static_cast<double>(problema.Dovelas.size());
    estado.counters["FS"] = s.FS;
    estado.counters["pasadas"] = s.IteracionesFactor;
}
BENCHMARK(Solucion<ResolverSpencer>)->Arg(50)->Arg(200)->Arg(3000)->Unit(benchmark::kMicrosecond);
BENCHMARK(Solucion<ResolverMorgensternPrice>)->Arg(50)->Arg(200)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace vertana

BENCHMARK_MAIN();
