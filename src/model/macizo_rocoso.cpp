#include "model/macizo_rocoso.h"

#include "model/textos.h"
#include "model/unidades.h"

#include <cassert>
#include <cmath>

namespace vertana {

namespace {

// m y s desde el GSI: exp((GSI − GSIRocaIntacta)/DivisorM) y exp((GSI − GSIRocaIntacta)/DivisorS).
constexpr double GSIRocaIntacta = 100.0;
constexpr double DivisorGSIParametroM = 28.0;
constexpr double DivisorGSIParametroS = 9.0;
// a = 0.5 desde GSI 25; por debajo a = 0.65 − GSI/200.
constexpr double ExponenteRaizCuadrada = 0.5;
constexpr double ExponenteMacizoMuyPobre = 0.65;
constexpr double DivisorGSIExponente = 200.0;

// Cohesión del diálogo de caracterización: (C0 + C1·mi)·σci·exp((E0 − E1·ln mi)·GSI).
constexpr double CohesionBase = 0.0058;
constexpr double CohesionPorMi = 0.0004;
constexpr double ExponenteCohesionBase = 0.0455;
constexpr double ExponenteCohesionPorLnMi = 0.0073;
// Fricción (grados): F1·GSI − F2·GSI² + F0 + F3·ln mi; en el diálogo F0 = −6 y F3 = 9, en
// Janbu F0 = 0 y F3 = 16.
constexpr double FriccionPorGSI = 0.424;
constexpr double FriccionPorGSICuadrado = 0.0016;
constexpr double FriccionBaseDialogo = -6.0;
constexpr double FriccionPorLnMiDialogo = 9.0;
constexpr double FriccionPorLnMiJanbu = 16.0;
// Cohesión de Janbu: K·σci·exp(E·GSI).
constexpr double CohesionJanbu = 0.013;
constexpr double ExponenteCohesionJanbu = 0.026;

double FriccionEquivalenteGrados(double gsi, double base, double porLnMi, double mi)
{
    return FriccionPorGSI * gsi - FriccionPorGSICuadrado * gsi * gsi + base +
           porLnMi * std::log(mi);
}

} // namespace

// ---------------------------------------------------------------------------------------------

double ParametroMMacizo(double mi, double gsi)
{
    return mi * std::exp((gsi - GSIRocaIntacta) / DivisorGSIParametroM);
}

double ParametroSMacizo(double gsi)
{
    if (gsi < GSIMinimoConTraccion) return 0.0;
    return std::exp((gsi - GSIRocaIntacta) / DivisorGSIParametroS);
}

double ExponenteHoekBrown(double gsi)
{
    if (gsi >= GSIMinimoConTraccion) return ExponenteRaizCuadrada;
    return ExponenteMacizoMuyPobre - gsi / DivisorGSIExponente;
}

// ---------------------------------------------------------------------------------------------

std::optional<MohrCoulombEquivalente> MohrCoulombDelMacizo(double mi, double gsi, double sigmaCi)
{
    if (!(mi > 0.0)) return std::nullopt;
    MohrCoulombEquivalente r;
    r.Cohesion = (CohesionBase + CohesionPorMi * mi) * sigmaCi *
                 std::exp((ExponenteCohesionBase - ExponenteCohesionPorLnMi * std::log(mi)) * gsi);
    const double phi =
        FriccionEquivalenteGrados(gsi, FriccionBaseDialogo, FriccionPorLnMiDialogo, mi);
    r.FriccionGrados = phi > 0.0 ? phi : 0.0;
    return r;
}

std::optional<MohrCoulombEquivalente> MohrCoulombDelMacizoJanbu(double mi, double gsi,
                                                                double sigmaCi)
{
    if (!(mi > 0.0)) return std::nullopt;
    MohrCoulombEquivalente r;
    r.Cohesion = CohesionJanbu * sigmaCi * std::exp(ExponenteCohesionJanbu * gsi);
    r.FriccionGrados = FriccionEquivalenteGrados(gsi, 0.0, FriccionPorLnMiJanbu, mi);
    return r;
}

// ---------------------------------------------------------------------------------------------

FalloMacizo ComprobarMacizo(double mi, double gsi, double m, double s, double sigmaCi)
{
    if (!(mi > 0.0)) return FalloMacizo::MiNoPositivo;
    if (!(gsi >= GSIMinimo && gsi <= GSIMaximo)) return FalloMacizo::GSIFueraDeIntervalo;
    if (!(m > 0.0)) return FalloMacizo::MNoPositivo;
    if (!(s >= 0.0)) return FalloMacizo::SNegativo;
    if (!(sigmaCi > 0.0)) return FalloMacizo::CompresionNoPositiva;
    return FalloMacizo::Ninguno;
}

const char* TextoFalloMacizo(FalloMacizo fallo)
{
    switch (fallo) {
    case FalloMacizo::MiNoPositivo:
        return textos::MiIntactoNoPositivo;
    case FalloMacizo::GSIFueraDeIntervalo:
        return textos::GSIFueraDeIntervalo;
    case FalloMacizo::MNoPositivo:
        return textos::ParametroMNoPositivo;
    case FalloMacizo::SNegativo:
        return textos::ParametroSNegativo;
    case FalloMacizo::CompresionNoPositiva:
        return textos::CompresionSimpleNoPositiva;
    case FalloMacizo::Ninguno:
        break;
    }
    return "";
}

FalloMacizo ComprobarEstratoDeRoca(const Proyecto& p, int i)
{
    return ComprobarMacizo(p.ParametroMIntacto(i), p.IndiceGSI(i), p.ParametroM(i), p.ParametroS(i),
                           p.CompresionSimple(i));
}

std::optional<MohrCoulombEquivalente> MohrCoulombDelEstrato(const Proyecto& p, int i)
{
    return MohrCoulombDelMacizo(p.ParametroMIntacto(i), p.IndiceGSI(i),
                                KgCm2ATonM2(p.CompresionSimple(i)));
}

int EstimarMohrCoulombDeLosMacizos(Proyecto& p)
{
    const int n = p.NumeroDeEstratos();
    for (int i = 1; i <= n; ++i)
        if (ComprobarEstratoDeRoca(p, i) != FalloMacizo::Ninguno) return i;
    p.CohesionMacizo.Redimensionar(n);
    p.FriccionMacizo.Redimensionar(n);
    for (int i = 1; i <= n; ++i) {
        const auto equivalente = MohrCoulombDelEstrato(p, i);
        assert(equivalente && "mi > 0 comprobado");
        p.CohesionMacizo(i) = equivalente->Cohesion;
        p.FriccionMacizo(i) = equivalente->FriccionGrados;
    }
    return 0;
}

} // namespace vertana
