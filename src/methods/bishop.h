// Método simplificado de Bishop para suelos, con la búsqueda del radio de un círculo único.
#pragma once

#include "geometry/estado_calculo.h"
#include "methods/datos_metodo.h"
#include "model/interaccion.h"
#include "model/proyecto.h"

#include <vector>

namespace vertana {

constexpr double PasoRadioBusqueda = 1.0; // m entre radios de ensayo
constexpr double LimiteMAlfa = 0.2;       // mα ≤ 0.2: la dovela no cumple el chequeo de ángulos

// Los dos chequeos de dovela, que la persona puede suprimir para el resto de un cálculo.
struct ChequeosBishop {
    bool EsfuerzoEfectivoSuprimido = false;
    bool AnguloSuprimido = false;
};

enum class EstadoBishop {
    Convergio,
    Abandonada,      // la persona contestó No a un chequeo de dovela (FS = −1)
    SinConvergencia, // MaximoIteracionesBishop pasadas sin converger
    MomentoNulo,     // ΣD = 0
    NoFinito,        // el factor dejó de ser finito
    NoPositivo,      // una pasada dio un factor cero o negativo
};

struct SolucionBishop {
    double FS = -1.0;
    EstadoBishop estado = EstadoBishop::Abandonada;
    int pasadas = 0;
    Tabla<double> alfa, N;
};

// IteracionBishop: desde F = FSInicial, por dovela
//   V = (1 + kv)·W + qy·dx + Py + (u·tan φ − c)·dx·tan α/F,  mα = cos α + sin α·tan φ/F,
//   N = V/mα,  S = (N − u·l)·tan φ + c·l,
// círculo único: F' = R·ΣS / Σ[(1 + kv)·W·R·sin α + kh·W·(R·cos α − h/2) + cargas];
// compuesta: momentos respecto del centro guardado. Termina cuando |F' − F| < 0.001.
// F = 0 es un punto fijo espurio de esa iteración: desde un FSInicial diminuto puede terminar
// junto a él. Si desde FSInicial no converge, o converge a un factor menor que
// FactorSeguridadMinimo, o el factor deja de ser finito, se repite una vez desde
// FactorArranqueNeutro (con los chequeos ya suprimidos) y vale lo que dé esa segunda iteración.
SolucionBishop IteracionBishop(const Proyecto& p, const EstadoCalculo& e, Interaccion& ui,
                               ChequeosBishop& chequeos);

// Un ensayo de la búsqueda del radio.
struct EnsayoRadio {
    double radio = 0.0;
    double xo = 0.0;
    double yo = 0.0;
    double FS = 0.0;
};

// Centro de un círculo de radio R por (x1, y1) y (x2, y2), por encima de la cuerda:
// θ = asin(c/2R) − atan((y1 − y2)/(x1 − x2)), xo = x2 + R·sin θ, yo = y2 + R·cos θ.
// Falso si el radio no alcanza la mitad de la cuerda.
bool CentroParaRadio(double x1, double y1, double x2, double y2, double R, double& xo, double& yo);

// Orden MétodoBishop: comprobaciones y preguntas, preparación, iteración, búsqueda del radio si
// VariaElRadio (círculo único), esfuerzos, sumas e historia en el proyecto.
// `ensayos`, si se da, recibe los radios probados por la búsqueda.
ResultadoMetodo MetodoBishop(Proyecto& p, EstadoCalculo& e, Interaccion& ui,
                             std::vector<EnsayoRadio>* ensayos = nullptr);

} // namespace vertana
