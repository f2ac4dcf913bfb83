// Caracterización de un estrato de macizo rocoso con el criterio de Hoek-Brown,
//
//   σ1′ = σ3′ + σci·(m·σ3′/σci + s)^a,
//
// a partir de lo que la persona da para el estrato (el mi de la roca intacta, el índice GSI y la
// resistencia a la compresión simple σci de la roca intacta): m, s y a del macizo, y la cohesión
// y la fricción equivalentes de Mohr-Coulomb. Lo usan el diálogo de los estratos en roca, la
// preparación del cálculo (material de la base de cada dovela) y la línea de órdenes.
//
// Unidades: σci se escribe y se guarda en kg/cm2 (CompresionSimple); las funciones sobre números
// no convierten y devuelven la cohesión en la unidad de σci que reciben. Las que leen el
// proyecto pasan σci a ton/m2 (KgCm2ATonM2), la unidad de los esfuerzos de los métodos.
#pragma once

#include "model/proyecto.h"

#include <optional>

namespace vertana {

// ---------------------------------------------------------------------------------------------
// m, s y a del macizo a partir del mi de la roca intacta y del GSI

// GSI desde el que el macizo conserva resistencia a la tracción (s > 0) y el exponente vale 0.5.
inline constexpr double GSIMinimoConTraccion = 25.0;
// Intervalo del índice GSI (100: roca intacta).
inline constexpr double GSIMinimo = 0.0;
inline constexpr double GSIMaximo = 100.0;

// m = mi·exp((GSI − 100)/28), para todo GSI.
double ParametroMMacizo(double mi, double gsi);
// s = exp((GSI − 100)/9) con GSI ≥ 25 (25 incluido); s = 0 con GSI < 25.
double ParametroSMacizo(double gsi);
// a = 0.5 con GSI ≥ 25; a = 0.65 − GSI/200 con GSI < 25.
double ExponenteHoekBrown(double gsi);

// ---------------------------------------------------------------------------------------------
// Cohesión y fricción equivalentes del macizo

struct MohrCoulombEquivalente {
    double Cohesion = 0.0;       // en la unidad de σci
    double FriccionGrados = 0.0; // grados
};

// La del diálogo de caracterización de estratos en roca:
//   c = (0.0058 + 0.0004·mi)·σci·exp((0.0455 − 0.0073·ln mi)·GSI)
//   φ = 0.424·GSI − 0.0016·GSI² − 6 + 9·ln mi (grados); un φ ≤ 0 queda en 0.
// Sin valor si mi ≤ 0 (ln mi no existe).
std::optional<MohrCoulombEquivalente> MohrCoulombDelMacizo(double mi, double gsi, double sigmaCi);

// La del método de Janbu en rocas:
//   c = 0.013·σci·exp(0.026·GSI)
//   φ = 0.424·GSI − 0.0016·GSI² + 16·ln mi (grados), sin recortar.
// Sin valor si mi ≤ 0.
std::optional<MohrCoulombEquivalente> MohrCoulombDelMacizoJanbu(double mi, double gsi,
                                                                double sigmaCi);

// ---------------------------------------------------------------------------------------------
// Datos de un estrato de roca

// Lo primero que impide usar los datos de un estrato de roca, en este orden: ln mi, el
// intervalo del GSI, el criterio (m > 0, s ≥ 0) y la división por σci.
enum class FalloMacizo {
    Ninguno,
    MiNoPositivo,
    GSIFueraDeIntervalo,
    MNoPositivo,
    SNegativo,
    CompresionNoPositiva,
};

FalloMacizo ComprobarMacizo(double mi, double gsi, double m, double s, double sigmaCi);

// Texto del catálogo que explica un fallo (vacío con Ninguno).
const char* TextoFalloMacizo(FalloMacizo fallo);

// Fallo del estrato i (1..N) con sus datos del proyecto.
FalloMacizo ComprobarEstratoDeRoca(const Proyecto& p, int estrato);

// Cohesión (ton/m2) y fricción (grados) equivalentes del estrato i según el diálogo de
// caracterización, con su σci pasado de kg/cm2 a ton/m2. Sin valor si mi ≤ 0.
std::optional<MohrCoulombEquivalente> MohrCoulombDelEstrato(const Proyecto& p, int estrato);

// Recalcula CohesionMacizo (ton/m2) y FriccionMacizo (grados) de todos los estratos, con N
// entradas. Devuelve el primer estrato cuyos datos no sirven (ComprobarEstratoDeRoca), sin
// cambiar nada, o 0 si todos sirven. Las tablas de roca deben tener N entradas.
int EstimarMohrCoulombDeLosMacizos(Proyecto& p);

} // namespace vertana
