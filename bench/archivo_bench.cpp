// Lectura y escritura de un proyecto grande: 20 estratos de 2000 puntos y 2000 dovelas con
// resultados. Un proyecto así debe abrirse y guardarse en una fracción de segundo.
#include "io/archivo_proyecto.h"

#include <benchmark/benchmark.h>

namespace vertana {
namespace {

Proyecto ProyectoGrande()
{
    Proyecto p;
    ReiniciarProyecto(p);
    p.SueloRoca = Material::Suelo;
    p.MetodoDeCalculo = Metodo::Fellenius;
    constexpr int Estratos = 20, Puntos = 2000, Dovelas = 2000;
    p.NumeroCoordenadasEstrato.Redimensionar(Estratos);
    p.AbscisasEstratos.Redimensionar(Estratos, Puntos);
    p.OrdenadasEstratos.Redimensionar(Estratos, Puntos);
    for (Tabla<double>* t : {&p.CohesionMacizo, &p.FriccionMacizo, &p.PesoUnitarioHumedo,
                             &p.PesoUnitarioSaturado, &p.ParametroPresionIntersticial,
                             &p.CoeficienteConsolidacionVertical, &p.TiempoDeConstruccion})
        t->Redimensionar(Estratos);
    p.TipoDeEstrato.Redimensionar(Estratos);
    for (int i = 1; i <= Estratos; ++i) {
        p.NumeroCoordenadasEstrato(i) = Puntos;
        for (int k = 1; k <= Puntos; ++k) {
            p.AbscisasEstratos(i, k) = 1000.0 - k / 3.0;
            p.OrdenadasEstratos(i, k) = i * 1.1 + k / 7.0;
        }
    }
    p.HayResultados = true;
    p.NumeroPuntosDovelas = Dovelas + 1;
    for (Tabla<double>* t :
         {&p.AnchoDovela, &p.AbscisaCentroDovela, &p.OrdenadaTaludDovela, &p.OrdenadaCentroDovela,
          &p.PresionPorosDovela, &p.FriccionDovela, &p.CohesionDovela, &p.PesoUnitarioDovela,
          &p.EsfuerzoNormalDovela, &p.EsfuerzoEfectivoDovela, &p.EsfuerzoTangencialDovela}) {
        t->Redimensionar(Dovelas);
        for (int k = 1; k <= Dovelas; ++k)
            (*t)(k) = k / 3.0;
    }
    p.NumeroIteraciones = 1;
    p.HistoriaFS.Redimensionar(1);
    p.HistoriaFS(1) = 1.234;
    return p;
}

void EscribirProyectoGrande(benchmark::State& estado)
{
    Proyecto p = ProyectoGrande();
    AjustarParaGuardar(p);
    for (auto _ : estado)
        benchmark::DoNotOptimize(ContenidoArchivoProyecto(p));
}
BENCHMARK(EscribirProyectoGrande)->Unit(benchmark::kMillisecond);

void LeerProyectoGrande(benchmark::State& estado)
{
    Proyecto p = ProyectoGrande();
    AjustarParaGuardar(p);
    const std::string contenido = ContenidoArchivoProyecto(p);
    for (auto _ : estado) {
        Proyecto leido;
        ReiniciarProyecto(leido);
        benchmark::DoNotOptimize(LeerContenidoProyecto(contenido, leido));
    }
    estado.SetBytesProcessed(static_cast<int64_t>(estado.iterations()) *
                             static_cast<int64_t>(contenido.size()));
}
BENCHMARK(LeerProyectoGrande)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace vertana

BENCHMARK_MAIN();
