// Una solución de Bishop sobre un círculo de 100 dovelas (el caso 1 de Fredlund y Krahn), la
// búsqueda completa del radio, una solución variacional convergida con 30 y con 100 dovelas y una
// orden de Bishop con y sin el servicio de cálculo.
// Meta: menos de 1 ms por solución de Bishop.
#include "calculo/calculo.h"
#include "cli/interaccion_lote.h"
#include "geometry/preparacion.h"
#include "io/archivo_proyecto.h"
#include "methods/bishop.h"
#include "methods/variacional.h"

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

// Método variacional con los valores de partida que aconsejan las ayudas de Form2, por lotes
// (form9 no acepta ni sale: la iteración sigue hasta converger).
void SolucionVariacional(benchmark::State& estado)
{
    Proyecto original = Caso1();
    original.MetodoDeCalculo = Metodo::Variacional;
    original.NumeroDovelas = static_cast<double>(estado.range(0));
    original.MultiplicadorLagrange1 = 24;
    original.MultiplicadorLagrange2 = 30;
    original.FSInicial = 1.5;
    original.EsfuerzoInicialCresta = -1;
    double fs = 0.0;
    for (auto _ : estado) {
        Proyecto p = original;
        EstadoCalculo e;
        ReiniciarEstadoCalculo(e);
        InteraccionLote ui(true);
        benchmark::DoNotOptimize(ProcesoIterativoEnSuelos(p, e, ui));
        fs = p.HayResultados ? p.HistoriaFS(p.NumeroIteraciones) : 0.0;
    }
    estado.counters["FS"] = fs;
}
BENCHMARK(SolucionVariacional)->Arg(30)->Arg(100)->Unit(benchmark::kMillisecond);

// Lo que agrega el servicio de cálculo (validación de los datos, copia del proyecto para volver
// atrás, coordenadas relativas a la sección) a una orden de Bishop completa: Arg(0) el método
// solo, Arg(1) por Calcular.
void OrdenBishop(benchmark::State& estado)
{
    const Proyecto original = Caso1();
    const bool porElServicio = estado.range(0) == 1;
    for (auto _ : estado) {
        Proyecto p = original;
        EstadoCalculo e;
        ReiniciarEstadoCalculo(e);
        InteraccionLote ui(true);
        if (porElServicio)
            benchmark::DoNotOptimize(Calcular(p, e, Metodo::Bishop, {}, ui).FactorSeguridad);
        else
            benchmark::DoNotOptimize(MetodoBishop(p, e, ui));
    }
}
BENCHMARK(OrdenBishop)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace vertana

BENCHMARK_MAIN();
