// Criterio de rotura de Hoek-Brown para macizos rocosos, en funciones puras sobre números:
//
//   σ1′ = σ3′ + σci·(m·σ3′/σci + s)^a
//
// - el ajuste por mínimos cuadrados de m y s a pares (σ1, σ3) de laboratorio;
// - la envolvente en esfuerzos normal y cortante (Balmer) con sus derivadas respecto de σ3′,
//   los parámetros instantáneos de Balmer y la regla puntual de los parámetros instantáneos;
// - lo que el método variacional en rocas necesita por dovela: el límite de tracción y el σ3
//   inicial; y los esfuerzos principales que el método de Janbu en rocas deja en cada dovela.
//
// m, s y a del macizo a partir de mi y GSI y la cohesión y la fricción equivalentes están en
// model/macizo_rocoso.h (los usa también la preparación del cálculo).
//
// Los esfuerzos y σci van en una misma unidad (ton/m2 en los métodos). Ninguna función convierte
// unidades por su cuenta: σci se introduce en kg/cm2 y KgCm2ATonM2 (model/unidades.h) lo pasa a
// ton/m2 donde haga falta. Los ángulos van en radianes salvo donde el nombre dice Grados.
#pragma once

#include "model/macizo_rocoso.h"

#include <optional>
#include <span>

namespace vertana {

// ---------------------------------------------------------------------------------------------
// Ajuste de m y s a pares (σ1, σ3) de laboratorio

enum class EstadoAjusteLaboratorio {
    Ajustado,
    PuntosInsuficientes,  // menos de 2 pares
    CompresionSimpleNula, // σci ≤ 0: m y s dividen por σci
    Sigma3SinDispersion,  // todos los σ3 iguales: la recta no tiene pendiente
    SumaSigma3Nula,       // s < 0.00001 y Σσ3 = 0: m = (Σy/Σx)/σci no existe
};

struct AjusteLaboratorio {
    EstadoAjusteLaboratorio Estado = EstadoAjusteLaboratorio::PuntosInsuficientes;
    double M = 0.0;
    double S = 0.0;
    // Coeficiente de determinación de la recta y = m·σci·x + s·σci² que queda (x = σ3,
    // y = (σ1 − σ3)²): 1 − Σ(y − ŷ)²/Σ(y − ȳ)². Cuando s sale de la regresión es el r² de
    // Hoek y Brown, [Sxy]²/(Sxx·Syy); con s fijado (roca intacta, o s = 0) mide esa recta y
    // puede ser menor (o negativo). Con todos los y iguales vale 1 si la recta los reproduce y
    // 0 si no.
    double R2 = 0.0;
};

// Con n pares, x = σ3, y = (σ1 − σ3)²:
//   Sxy = Σxy − Σx·Σy/n, Sxx = Σx² − (Σx)²/n, m = (Sxy/Sxx)/σci;
//   roca intacta: s = 1;
//   si no: s = (Σy/n − σci·m·Σx/n)/σci²; si s < 0.00001, s = 0 y m = (Σy/Σx)/σci.
// Sin conversión de unidades entre los esfuerzos y σci. `sigma1` y `sigma3` tienen el mismo
// número de elementos.
AjusteLaboratorio AjustarMsDeLaboratorio(std::span<const double> sigma1,
                                         std::span<const double> sigma3, double sigmaCi,
                                         bool rocaIntacta);

// ---------------------------------------------------------------------------------------------
// Envolvente en esfuerzos normal y cortante

// Punto de la envolvente que corresponde a un σ3′ (efectivo), con
//   B = m·σ3′/σci + s, Q = B^(1−a), D = dσ1/dσ3 = 1 + a·m/Q,
//   Δn = (σci/a)·B/((2/a)·Q + m) = σci·B^a/(D + 1),
//   σ1′ = σ3′ + σci·B^a, σn′ = σ3′ + Δn, τf = Δn·√D.
// Son las relaciones de Balmer: σn′ = σ3′ + (σ1′ − σ3′)/(D + 1),
// τf = (σ1′ − σ3′)·√D/(D + 1).
struct PuntoHoekBrown {
    double B = 0.0;
    double Sigma1 = 0.0;         // σ1′
    double DerivadaSigma1 = 0.0; // D = dσ1′/dσ3′ (infinita en el límite de tracción)
    double SigmaN = 0.0;         // σn′
    double Tau = 0.0;            // τf
    double DerivadaSigmaN = 0.0; // dσn′/dσ3′
    double DerivadaTau = 0.0;    // dτf/dσ3′ (infinita en el límite de tracción si a < 1)
};

// Sin valor por debajo del límite de tracción (B < 0), con σci ≤ 0 o con a fuera de (0, 1).
// En el límite (B = 0): σ1′ = σn′ = σ3′, τf = 0.
std::optional<PuntoHoekBrown> PuntoDeLaEnvolvente(double sigma3, double m, double s, double a,
                                                  double sigmaCi);

// Parámetros instantáneos de Balmer en el punto de σ3′: la tangente a la envolvente,
//   sen φi = (D − 1)/(D + 1), ci = τf − σn′·tan φi.
struct ParametrosInstantaneosBalmer {
    double Friccion = 0.0; // φi (radianes)
    double Cohesion = 0.0; // ci
};

// Sin valor donde no hay punto de la envolvente o en el límite de tracción (φi = 90°).
std::optional<ParametrosInstantaneosBalmer> InstantaneosDeBalmer(double sigma3, double m, double s,
                                                                 double a, double sigmaCi);

// Regla puntual (Balmer) de los parámetros instantáneos de una dovela de roca, con σ1, σ3 de la
// dovela (método variacional en rocas), m y σci de su estrato, τf = F·τ y σ′ del cálculo anterior:
//   D = 1 + m·σci/(2·(σ1 − σ3)) = dσ1/dσ3 del criterio con a = 0.5,
//   θ = atan(√D) = 45° + φi/2 (el ángulo del plano de rotura),
//   sen φi = (D − 1)/(D + 1), es decir φi = 2θ − 90° (Balmer, 1952),
//   c = τf − tan φi·σ′ (0 si resulta negativa).
// φi es el ángulo de fricción de la tangente a la envolvente de Mohr en el punto de la dovela.
struct ParametrosDeReglaPuntual {
    double Theta = 0.0;          // θ, radianes
    double Friccion = 0.0;       // φi, radianes
    double FriccionGrados = 0.0; // φi·180/π
    double Cohesion = 0.0;       // ≥ 0
};

// Sin valor si σ1 ≤ σ3 o si D < 0 (la dovela conserva entonces sus parámetros).
std::optional<ParametrosDeReglaPuntual> ParametrosPuntualesDeDovela(double sigma1, double sigma3,
                                                                    double m, double sigmaCi,
                                                                    double resistenciaCorte,
                                                                    double esfuerzoNormal);

// ---------------------------------------------------------------------------------------------
// Método variacional en rocas: límite de tracción y σ3 inicial de una dovela

// Margen sobre el límite de tracción con el que se reponen los σ3 iniciales (ton/m2).
inline constexpr double MargenSobreLimiteTraccion = 0.1;

// σ3′ del límite de tracción, −s·σci/m (B = 0). Con m ≤ 0 no hay límite: −∞.
double LimiteTraccionSigma3(double m, double s, double sigmaCi);

// Chequeo tras cada paso de Newton: σ3′ + s·σci/m ≥ 0 (la igualdad pasa).
bool CumpleLimiteTraccion(double sigma3Efectivo, double m, double s, double sigmaCi);

// σ3 total mínimo de la dovela (SigmaMinimoDovela): −s·σci/m + u + 0.1.
double SigmaMinimoTotal(double m, double s, double sigmaCi, double u);

// Ajuste de tracción de los σ3 iniciales, sin mensaje: un σ3 total cuyo σ3′ = σ3 − u cumple
// σ3′ + s·σci/m ≤ 0 pasa a SigmaMinimoTotal; los demás quedan igual.
double AjustarSigma3InicialATraccion(double sigma3Total, double u, double m, double s,
                                     double sigmaCi);

enum class EstadoSigma3Inicial {
    Calculado,
    SinCambioDeSigno, // g(x) ≥ 0 hasta x = 10000: la marcha no da valor
    FueraDeDominio, // σn0′ bajo el límite de tracción, m ≤ 0, σci ≤ 0 o g(x_a) sin valor
    SecanteIndefinida, // g(x_b) sin valor (raíz negativa) o g(x_a) = g(x_b)
};

struct Sigma3Inicial {
    EstadoSigma3Inicial Estado = EstadoSigma3Inicial::FueraDeDominio;
    double Sigma3Efectivo = 0.0; // σ3′ de la secante; el total es σ3′ + u
    // Raíz x de x²·(H − x) = 1/2 en [0, 2H/3]; es sen φi de la envolvente en σn0′ (Hoek),
    // y la estimación la toma como el ángulo φi en radianes.
    double SenoFriccion = 0.0;
    double Objetivo = 0.0; // T = tan((π/2 + x)/2)
};

// σ3′ inicial de una dovela a partir de la estimación σn0′ del esfuerzo normal efectivo en su
// base, con el criterio de raíz cuadrada (a = 0.5):
//   H = 1.5 + (8/m²)·(m·σn0′/σci + s) (1.5 veces el h de Hoek); k = 27/(4·H³);
//   ψ en [0, π] con cos ψ = 1 − k (atan(√(2k − k²)/(1 − k)), más π si es negativo);
//   x = (H/3)·(1 + 2·cos(ψ/3 + 4π/3)); T = tan((π/2 + x)/2);
//   g(x) = √(1 + m/(2·√(m·x/σci + s))) − T, decreciente.
// Marcha j = 0..10000 con x_a = 0.001 (j = 0) o j; en el primer j con g(x_a) < 0, x_b = −1
// (j = 0), 0.9 (j = 1) o j − 1, y un solo paso de secante:
//   σ3′ = x_a − (x_a − x_b)·g(x_a)/(g(x_a) − g(x_b)).
// Es sólo un punto de partida: no está sobre el objetivo y la iteración de Newton lo mueve.
Sigma3Inicial Sigma3InicialHoekBrown(double sigmaN0Efectivo, double m, double s, double sigmaCi);

// ---------------------------------------------------------------------------------------------
// Método de Janbu en rocas: esfuerzos principales en la base de una dovela

struct EsfuerzosPrincipales {
    double Mayor = 0.0; // σ1
    double Menor = 0.0; // σ3
};

// Con σ′ de la dovela, τf = F·τ y φ (grados) de la dovela, el círculo de Mohr que pasa por
// (σ′, τf) tangente a la recta de pendiente tan φ (la de Mohr-Coulomb en la rotura):
//   p = σ′ + τf·tan φ (centro), r = τf/cos φ (radio), σ1 = p + r, σ3 = p − r.
// Con φ ≥ 90° no hay círculo (valores no finitos o sin sentido): quien llama lo evita.
EsfuerzosPrincipales EsfuerzosPrincipalesJanbuRoca(double sigmaEfectivo, double resistenciaCorte,
                                                   double friccionGrados);

} // namespace vertana
