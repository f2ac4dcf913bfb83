// Método generalizado de Janbu para suelos: equilibrio de fuerzas de cada dovela con las fuerzas
// normales entre dovelas aplicadas sobre una línea de empuje de altura ht sobre la superficie de
// falla.
#pragma once

#include "geometry/estado_calculo.h"
#include "methods/datos_metodo.h"
#include "model/interaccion.h"
#include "model/proyecto.h"

namespace vertana {

// Altura de la línea de empuje que fija el programa: un tercio de la altura de cada borde.
constexpr double FraccionAlturaLineaEmpuje = 1.0 / 3.0;
// Relajación ω de la fuerza tangencial entre dovelas de una pasada a la siguiente.
constexpr double RelajacionFuerzaTangencial = 0.3;

// Orden MétodoJanbu. Por dovela k (α = atan(PendienteBaseDovela)):
//   V = (1 + kv)·W + ΔT + Qy·b + Py,  R⁰ = (V − u·b)·tan φ + c·b,
//   D⁰ = V·tan α + kh·W − Qx·b·tan β − Px,  m = cos²α·(1 + tan α·tan φ/F),
//   F' = Σ(R/m) / (empuje del agua en la grieta + ΣD).
// Primera etapa con ΔT = 0 hasta |F' − F| ≤ 0.001; segunda etapa con la fuerza tangencial entre
// dovelas T = −E·tan αt + ht·dE/dx − (términos sísmicos y de cargas), ΔT su diferencia, y
// Form17 (Interaccion::IteracionJanbu) tras cada pasada. Escribe los esfuerzos, las sumas, la
// historia, ValoresDeHt y HayValoresDeHt.
ResultadoMetodo MetodoJanbu(Proyecto& p, EstadoCalculo& e, Interaccion& ui);

// Las dos etapas del método sobre las dovelas ya preparadas (c, tan φ y u de cada dovela en la
// tabla), con Form17, y los resultados; al terminar con resultados muestra `mensajeFinal` (si no
// es nulo). La usan MetodoJanbu y el método de Janbu para rocas.
ResultadoMetodo IteracionesJanbu(Proyecto& p, EstadoCalculo& e, Interaccion& ui,
                                 const char* mensajeFinal);

} // namespace vertana
