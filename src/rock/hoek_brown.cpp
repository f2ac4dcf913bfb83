#include "rock/hoek_brown.h"

#include "model/unidades.h"

#include <cassert>
#include <cmath>
#include <limits>

namespace vertana {

namespace {

// Ajuste de laboratorio.
constexpr int MinimoParesLaboratorio = 2;
constexpr double SMinimoLaboratorio = 0.00001; // por debajo, s = 0 y m del cociente de sumas
constexpr double SRocaIntacta = 1.0;
// Dispersión relativa a Σx² (o Σy²) por debajo de la cual todos los valores se toman iguales.
constexpr double DispersionNulaRelativa = 1e-12;

// σ3 inicial del método variacional en rocas.
constexpr double HBase = 1.5;   // H en el límite de tracción (H = 1.5·h; h de Hoek vale 1 allí)
constexpr double FactorH = 8.0; // H = 1.5 + (8/m²)·(m·σn0′/σci + s)
constexpr double NumeradorK = 27.0; // k = 27/(4·H³)
constexpr double DenominadorK = 4.0;
constexpr int UltimoPasoMarcha = 10000;     // j = 0..10000
constexpr double PrimerPuntoMarcha = 0.001; // x_a con j = 0
constexpr double XbPrimerPaso = -1.0;       // x_b con j = 0
constexpr double XbSegundoPaso = 0.9;       // x_b con j = 1

// s·σci/m: la distancia de σ3′ = 0 al límite de tracción.
double DistanciaLimiteTraccion(double m, double s, double sigmaCi)
{
    return s * sigmaCi / m;
}

// Sumas centradas de un ajuste lineal; iguales a Σxy − Σx·Σy/n, etc., sin perder cifras.
struct Sumas {
    double n = 0.0, sumaX = 0.0, sumaY = 0.0, mediaX = 0.0, mediaY = 0.0;
    double sxx = 0.0, sxy = 0.0, syy = 0.0, escalaX = 0.0, escalaY = 0.0;
};

Sumas SumasDeLaboratorio(std::span<const double> sigma1, std::span<const double> sigma3)
{
    Sumas t;
    t.n = static_cast<double>(sigma3.size());
    auto y = [&](std::size_t i) { return (sigma1[i] - sigma3[i]) * (sigma1[i] - sigma3[i]); };
    for (std::size_t i = 0; i < sigma3.size(); ++i) {
        t.sumaX += sigma3[i];
        t.sumaY += y(i);
        t.escalaX += sigma3[i] * sigma3[i];
        t.escalaY += y(i) * y(i);
    }
    t.mediaX = t.sumaX / t.n;
    t.mediaY = t.sumaY / t.n;
    for (std::size_t i = 0; i < sigma3.size(); ++i) {
        const double dx = sigma3[i] - t.mediaX;
        const double dy = y(i) - t.mediaY;
        t.sxx += dx * dx;
        t.sxy += dx * dy;
        t.syy += dy * dy;
    }
    return t;
}

// 1 − Σ(y − ŷ)²/Σ(y − ȳ)² de la recta y = pendiente·x + ordenada.
double CoeficienteDeterminacion(std::span<const double> sigma1, std::span<const double> sigma3,
                                const Sumas& t, double pendiente, double ordenada)
{
    double residuos = 0.0;
    for (std::size_t i = 0; i < sigma3.size(); ++i) {
        const double y = (sigma1[i] - sigma3[i]) * (sigma1[i] - sigma3[i]);
        const double e = y - (pendiente * sigma3[i] + ordenada);
        residuos += e * e;
    }
    if (t.syy <= DispersionNulaRelativa * t.escalaY)
        return residuos <= DispersionNulaRelativa * t.escalaY ? 1.0 : 0.0;
    return 1.0 - residuos / t.syy;
}

} // namespace

// ---------------------------------------------------------------------------------------------

AjusteLaboratorio AjustarMsDeLaboratorio(std::span<const double> sigma1,
                                         std::span<const double> sigma3, double sigmaCi,
                                         bool rocaIntacta)
{
    assert(sigma1.size() == sigma3.size());
    AjusteLaboratorio r;
    if (sigma3.size() < static_cast<std::size_t>(MinimoParesLaboratorio) ||
        sigma1.size() != sigma3.size()) {
        r.Estado = EstadoAjusteLaboratorio::PuntosInsuficientes;
        return r;
    }
    if (!(sigmaCi > 0.0)) {
        r.Estado = EstadoAjusteLaboratorio::CompresionSimpleNula;
        return r;
    }
    const Sumas t = SumasDeLaboratorio(sigma1, sigma3);
    if (!(t.sxx > DispersionNulaRelativa * t.escalaX)) {
        r.Estado = EstadoAjusteLaboratorio::Sigma3SinDispersion;
        return r;
    }
    double m = (t.sxy / t.sxx) / sigmaCi;
    double s = SRocaIntacta;
    if (!rocaIntacta) {
        s = (t.mediaY - sigmaCi * m * t.mediaX) / (sigmaCi * sigmaCi);
        if (s < SMinimoLaboratorio) {
            if (t.sumaX == 0.0) {
                r.Estado = EstadoAjusteLaboratorio::SumaSigma3Nula;
                return r;
            }
            s = 0.0;
            m = (t.sumaY / t.sumaX) / sigmaCi;
        }
    }
    r.Estado = EstadoAjusteLaboratorio::Ajustado;
    r.M = m;
    r.S = s;
    r.R2 = CoeficienteDeterminacion(sigma1, sigma3, t, m * sigmaCi, s * sigmaCi * sigmaCi);
    return r;
}

// ---------------------------------------------------------------------------------------------

std::optional<PuntoHoekBrown> PuntoDeLaEnvolvente(double sigma3, double m, double s, double a,
                                                  double sigmaCi)
{
    if (!(sigmaCi > 0.0) || !(a > 0.0 && a < 1.0)) return std::nullopt;
    PuntoHoekBrown p;
    p.B = m * sigma3 / sigmaCi + s;
    if (!(p.B >= 0.0)) return std::nullopt;
    if (p.B == 0.0) {
        // Límite de tracción: el círculo de Mohr se reduce a un punto.
        const bool conM = m > 0.0;
        p.Sigma1 = sigma3;
        p.SigmaN = sigma3;
        p.Tau = 0.0;
        p.DerivadaSigma1 = conM ? std::numeric_limits<double>::infinity() : 1.0;
        p.DerivadaSigmaN = conM ? 1.0 + 1.0 / a : 1.0;
        p.DerivadaTau = conM ? std::numeric_limits<double>::infinity() : 0.0;
        return p;
    }
    const double q = std::pow(p.B, 1.0 - a);
    const double dB = m / sigmaCi; // dB/dσ3′
    p.Sigma1 = sigma3 + sigmaCi * std::pow(p.B, a);
    p.DerivadaSigma1 = 1.0 + a * m / q;
    const double deltaN = (sigmaCi / a) * p.B / ((2.0 / a) * q + m);
    p.SigmaN = sigma3 + deltaN;
    const double raizD = std::sqrt(p.DerivadaSigma1);
    p.Tau = deltaN * raizD;
    // Δn = σci·B/(2Q + a·m): dΔn/dB = σci·a·(2Q + m)/(2Q + a·m)², con dQ/dB = (1 − a)·Q/B.
    const double denominador = 2.0 * q + a * m;
    const double dDeltaN = sigmaCi * a * (2.0 * q + m) / (denominador * denominador) * dB;
    // D = 1 + a·m/Q: dD/dB = −a·m·(1 − a)/(Q·B).
    const double dD = -a * m * (1.0 - a) / (q * p.B) * dB;
    p.DerivadaSigmaN = 1.0 + dDeltaN;
    p.DerivadaTau = dDeltaN * raizD + deltaN * dD / (2.0 * raizD);
    return p;
}

std::optional<ParametrosInstantaneosBalmer> InstantaneosDeBalmer(double sigma3, double m, double s,
                                                                 double a, double sigmaCi)
{
    const auto p = PuntoDeLaEnvolvente(sigma3, m, s, a, sigmaCi);
    if (!p || p->B == 0.0) return std::nullopt;
    const double d = p->DerivadaSigma1;
    ParametrosInstantaneosBalmer r;
    r.Friccion = std::asin((d - 1.0) / (d + 1.0));
    r.Cohesion = p->Tau - p->SigmaN * std::tan(r.Friccion);
    return r;
}

std::optional<ParametrosDeReglaPuntual> ParametrosPuntualesDeDovela(double sigma1, double sigma3,
                                                                    double m, double sigmaCi,
                                                                    double resistenciaCorte,
                                                                    double esfuerzoNormal)
{
    const double diferencia = sigma1 - sigma3;
    if (!(diferencia > 0.0)) return std::nullopt;
    const double d = 1.0 + m * sigmaCi / (2.0 * diferencia);
    if (!(d >= 0.0)) return std::nullopt;
    ParametrosDeReglaPuntual r;
    r.Theta = std::atan(std::sqrt(d));
    r.Friccion = std::asin((d - 1.0) / (d + 1.0));
    r.FriccionGrados = Grados(r.Friccion);
    const double c = resistenciaCorte - std::tan(r.Friccion) * esfuerzoNormal;
    r.Cohesion = c < 0.0 ? 0.0 : c;
    return r;
}

// ---------------------------------------------------------------------------------------------

double LimiteTraccionSigma3(double m, double s, double sigmaCi)
{
    if (!(m > 0.0)) return -std::numeric_limits<double>::infinity();
    return -DistanciaLimiteTraccion(m, s, sigmaCi);
}

bool CumpleLimiteTraccion(double sigma3Efectivo, double m, double s, double sigmaCi)
{
    if (!(m > 0.0)) return true;
    return sigma3Efectivo + DistanciaLimiteTraccion(m, s, sigmaCi) >= 0.0;
}

double SigmaMinimoTotal(double m, double s, double sigmaCi, double u)
{
    return LimiteTraccionSigma3(m, s, sigmaCi) + u + MargenSobreLimiteTraccion;
}

double AjustarSigma3InicialATraccion(double sigma3Total, double u, double m, double s,
                                     double sigmaCi)
{
    if (!(m > 0.0)) return sigma3Total;
    const double efectivo = sigma3Total - u;
    if (efectivo + DistanciaLimiteTraccion(m, s, sigmaCi) <= 0.0)
        return SigmaMinimoTotal(m, s, sigmaCi, u);
    return sigma3Total;
}

Sigma3Inicial Sigma3InicialHoekBrown(double sigmaN0Efectivo, double m, double s, double sigmaCi)
{
    Sigma3Inicial r;
    if (!(m > 0.0) || !(sigmaCi > 0.0)) return r;
    const double pi = Pi;
    const double hHoek = HBase + (FactorH / (m * m)) * (m * sigmaN0Efectivo / sigmaCi + s);
    const double k = NumeradorK / (DenominadorK * hHoek * hHoek * hHoek);
    const double radicando = 2.0 * k - k * k;
    // Por debajo del límite de tracción (H < 1.5) no hay ángulo ψ.
    if (!(radicando >= 0.0)) return r;
    // atan(√(2k − k²)/(1 − k)) llevado a [0, π]: el ψ con cos ψ = 1 − k.
    const double psi = std::atan2(std::sqrt(radicando), 1.0 - k);
    r.SenoFriccion = (hHoek / 3.0) * (1.0 + 2.0 * std::cos(psi / 3.0 + 4.0 * pi / 3.0));
    r.Objetivo = std::tan((pi / 2.0 + r.SenoFriccion) / 2.0);

    auto g = [&](double x) -> std::optional<double> {
        const double b = m * x / sigmaCi + s;
        if (!(b > 0.0)) return std::nullopt;
        return std::sqrt(1.0 + m / (2.0 * std::sqrt(b))) - r.Objetivo;
    };
    for (int j = 0; j <= UltimoPasoMarcha; ++j) {
        const double xa = j == 0 ? PrimerPuntoMarcha : static_cast<double>(j);
        const auto ga = g(xa);
        if (!ga) return r;
        if (*ga >= 0.0) continue;
        const double xb = j == 0 ? XbPrimerPaso : j == 1 ? XbSegundoPaso : j - 1.0;
        const auto gb = g(xb);
        if (!gb || *ga == *gb) {
            r.Estado = EstadoSigma3Inicial::SecanteIndefinida;
            return r;
        }
        r.Sigma3Efectivo = xa - (xa - xb) * *ga / (*ga - *gb);
        r.Estado = EstadoSigma3Inicial::Calculado;
        return r;
    }
    r.Estado = EstadoSigma3Inicial::SinCambioDeSigno;
    return r;
}

// ---------------------------------------------------------------------------------------------

EsfuerzosPrincipales EsfuerzosPrincipalesJanbuRoca(double sigmaEfectivo, double resistenciaCorte,
                                                   double friccionGrados)
{
    const double phi = Radianes(friccionGrados);
    const double p = sigmaEfectivo + resistenciaCorte * std::tan(phi);
    const double r = resistenciaCorte / std::cos(phi);
    return {p + r, p - r};
}

} // namespace vertana
