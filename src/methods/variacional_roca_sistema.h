// Sistema del método variacional para macizos rocosos (Leshchinsky y Ching-Chuan Huang con el
// criterio generalizado de Hoek-Brown). La incógnita de cada dovela es el esfuerzo principal
// menor σ3 (total) en el centro de su base; el esfuerzo normal efectivo σn′ y la resistencia τf
// de la base salen de σ3′ = σ3 − u por la envolvente de Hoek-Brown (rock/hoek_brown.h):
//   B = m·σ3′/σci + s, D = dσ1/dσ3 = 1 + a·m·B^(a−1), Δn = σci·B^a/(D + 1),
//   σn′ = σ3′ + Δn, τf = Δn·√D, y el esfuerzo normal total σ = σn′ + u.
//
// Incógnitas z = (xc, yc, F, σ3_1..σ3_nd). Ecuación de la dovela i, con la derivada en x_i del
// polinomio de Lagrange cúbico por los centros de una ventana W(i) de cuatro dovelas
// consecutivas que incluye a i (pesos λ_ij) y los brazos de la dovela i:
//   G_i = Σ_{j∈W(i)} λ_ij·[F·(y_i − yc)·σ_j + (x_i − xc)·τf_j] + 2·τf_i
//         − (1 + kv)·F·γ̄_i·(x_i − xc) + kh·F·γ̄_i·(y_i − yc) = 0,
// la ecuación del método para suelos, L·dσ/dx + 2·tan φ·σ = R, con la derivada aplicada a la
// resistencia misma en lugar de tan φ·(dσ/dx − du/dx). W(i) = {i − 1..i + 2}, salvo la primera
// dovela ({1..4}) y las tres últimas ({nd − 3..nd}). Las tres sumas de equilibrio son las del
// método para suelos con σ y τf de Hoek-Brown: mismo peso de la columna (con el agua libre sobre
// el talud), cargas y grieta (docs/decisiones.md).
#pragma once

#include "geometry/estado_calculo.h"
#include "methods/banda_con_borde.h"
#include "methods/variacional_sistema.h"
#include "model/proyecto.h"
#include "rock/hoek_brown.h"

#include <optional>
#include <vector>

namespace vertana {

// Diagonales del jacobiano de las dovelas: la primera dovela usa σ3 de las dovelas 1..4 y la
// última las de nd − 3..nd.
constexpr int InferioresVariacionalRoca = 3;
constexpr int SuperioresVariacionalRoca = 3;

// Criterio de Hoek-Brown en la base de una dovela (σci en ton/m2).
struct HoekBrownDeDovela {
    double m = 0.0, s = 0.0, a = 0.0, sigmaCi = 0.0;
};

struct DatosVariacionalRoca {
    // Geometría, pesos, agua, cargas y grieta, como en el método para suelos (c y tan φ no se
    // usan).
    DatosVariacional suelo;
    std::vector<HoekBrownDeDovela> roca; // dovela i en roca[i − 1]

    int Dovelas() const { return suelo.Dovelas(); }
    const DovelaVariacional& operator()(int i) const { return suelo(i); }
    const HoekBrownDeDovela& Roca(int i) const { return roca[static_cast<std::size_t>(i - 1)]; }
};

// Reúne los datos de las dovelas de un macizo rocoso (preparación ya hecha): m, s, a de la base
// y σci en ton/m2 (CompresionSimpleDovela), y lo que usa el método para suelos con el
// desembalse rápido de la última respuesta de la persona.
DatosVariacionalRoca DatosDeDovelasRoca(const Proyecto& p, const EstadoCalculo& e);

// Ventana de la derivada de la dovela i: las dovelas primera..primera + 3 y sus pesos λ_ij.
struct VentanaDerivadaRoca {
    int primera = 0;
    double pesos[4] = {0.0, 0.0, 0.0, 0.0};
};
VentanaDerivadaRoca VentanaDeDovela(const DatosVariacionalRoca& datos, int i);

// Esfuerzos de Hoek-Brown en la base de cada dovela para σ3 total dado (sigma3[i − 1] en la
// dovela i). Sin valor si alguna dovela queda bajo su límite de tracción.
std::optional<std::vector<PuntoHoekBrown>> PuntosDeLasDovelas(const DatosVariacionalRoca& datos,
                                                              const std::vector<double>& sigma3);

// Primera dovela cuyo σ3′ + s·σci/m < 0 (la igualdad pasa); 0 si todas pasan.
int DovelaBajoLimiteTraccion(const DatosVariacionalRoca& datos, const std::vector<double>& sigma3);

// Sumas de equilibrio (fuerzas horizontales, verticales y momentos respecto del origen) con F y
// los esfuerzos de Hoek-Brown de cada dovela.
SumasEquilibrio SumasDeEquilibrioRoca(const DatosVariacionalRoca& datos, double F,
                                      const std::vector<PuntoHoekBrown>& puntos);

// Residuos G (nd ecuaciones de dovela y ΣH, ΣV, ΣM) en z; sin valor si alguna dovela queda bajo
// su límite de tracción.
std::optional<std::vector<double>> ResiduosVariacionalesRoca(const DatosVariacionalRoca& datos,
                                                             const std::vector<double>& z);

// Jacobiano analítico ∂G/∂z en banda con borde; sin valor como los residuos.
std::optional<SistemaBandaConBorde> JacobianoVariacionalRoca(const DatosVariacionalRoca& datos,
                                                             const std::vector<double>& z);

} // namespace vertana
