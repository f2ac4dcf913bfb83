#include "methods/janbu_roca.h"

#include "geometry/preparacion.h"
#include "methods/janbu.h"
#include "model/macizo_rocoso.h"
#include "model/textos.h"
#include "model/unidades.h"
#include "rock/hoek_brown.h"

#include <cmath>

namespace vertana {

namespace {

// Ángulo de fricción con el que la recta de resistencia deja de tener sentido (grados).
constexpr double FriccionMaximaGrados = 90.0;

// c, φ y tan φ de cada dovela desde el estrato de su base.
void PasarADovelas(Proyecto& p, EstadoCalculo& e)
{
    const int nd = p.NumeroPuntosDovelas - 1;
    for (int s = 1; s <= nd; ++s) {
        const int estrato = e.Dovelas.EstratoBaseDovela(s);
        p.CohesionDovela(s) = p.CohesionMacizo(estrato);
        p.FriccionDovela(s) = p.FriccionMacizo(estrato);
        e.Dovelas.TangenteFriccionDovela(s) = std::tan(Radianes(p.FriccionDovela(s)));
    }
}

} // namespace

void EscribirEsfuerzosPrincipalesMohrCoulomb(Proyecto& p, double F)
{
    const int nd = p.NumeroPuntosDovelas - 1;
    p.EsfuerzoPrincipalMayorDovela.Redimensionar(nd);
    p.EsfuerzoPrincipalMenorDovela.Redimensionar(nd);
    p.SumaEsfuerzosPrincipalesMayores = 0.0;
    p.SumaEsfuerzosPrincipalesMenores = 0.0;
    for (int s = 1; s <= nd; ++s) {
        const EsfuerzosPrincipales e = EsfuerzosPrincipalesJanbuRoca(
            p.EsfuerzoEfectivoDovela(s), F * p.EsfuerzoTangencialDovela(s), p.FriccionDovela(s));
        p.EsfuerzoPrincipalMayorDovela(s) = e.Mayor;
        p.EsfuerzoPrincipalMenorDovela(s) = e.Menor;
        p.SumaEsfuerzosPrincipalesMayores += e.Mayor;
        p.SumaEsfuerzosPrincipalesMenores += e.Menor;
    }
}

int EstimarMohrCoulombJanbu(Proyecto& p)
{
    const int n = p.NumeroDeEstratos();
    std::vector<MohrCoulombEquivalente> valores;
    for (int i = 1; i <= n; ++i) {
        const auto mc = MohrCoulombDelMacizoJanbu(p.ParametroMIntacto(i), p.IndiceGSI(i),
                                                  KgCm2ATonM2(p.CompresionSimple(i)));
        if (!mc || !(mc->FriccionGrados >= 0.0 && mc->FriccionGrados < FriccionMaximaGrados))
            return i;
        valores.push_back(*mc);
    }
    p.CohesionMacizo.Redimensionar(n);
    p.FriccionMacizo.Redimensionar(n);
    for (int i = 1; i <= n; ++i) {
        p.CohesionMacizo(i) = valores[static_cast<std::size_t>(i - 1)].Cohesion;
        p.FriccionMacizo(i) = valores[static_cast<std::size_t>(i - 1)].FriccionGrados;
    }
    return 0;
}

ResultadoMetodo MetodoJanbuEnRocas(Proyecto& p, EstadoCalculo& e, Interaccion& ui)
{
    const auto detenido = ResultadoMetodo::Sin(FinCalculo::Detenido);
    ui.Mensaje(textos::JanbuEnRoca, textos::TituloNoEsSuelo);
    if (p.SueloRoca == Material::Suelo) return detenido;
    if (p.UsaParametrosInstantaneos) {
        ui.Mensaje(textos::CalculandoConInstantaneos, textos::TituloNoEsMetodo);
        return detenido;
    }
    PreguntarDesembalse(e, ui);
    if (p.HayResultados && !ui.Pregunta(textos::PreguntaRecalcular)) return detenido;
    if (p.MetodoDeCalculo != Metodo::Janbu) {
        ui.Mensaje(textos::MetodoNoSeleccionado, textos::TituloNoEsMetodo);
        return detenido;
    }
    if (!ComprobarGrieta(p, ui)) return detenido;
    if (!PrepararCalculo(p, e, ui)) return detenido;
    if (p.NumeroPuntosDovelas < 2) return detenido;

    if (const int estrato = EstimarMohrCoulombJanbu(p)) {
        ui.Mensaje(textos::MacizoNoValidoEnCalculo(estrato, textos::FriccionJanbuFueraDeIntervalo),
                   textos::TituloLimiteCalculo);
        return detenido;
    }
    PasarADovelas(p, e);

    const ResultadoMetodo r = IteracionesJanbu(p, e, ui, nullptr);
    if (r.Fin != FinCalculo::Resultados) return r;
    EscribirEsfuerzosPrincipalesMohrCoulomb(p, r.FactorSeguridad);
    ui.Mensaje(textos::FinJanbuRocas);
    return r;
}

} // namespace vertana
