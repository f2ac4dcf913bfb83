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
// Dominio del factor de seguridad: cos α + sin α·tan φ/F ≥ este valor en toda dovela (lejos del
// polo de m = cos²α·(1 + tan α·tan φ/F), donde la fuerza normal de la base crece sin límite).
constexpr double LimiteMAlfaJanbu = 0.01;

// Orden MétodoJanbu. Por dovela k (α = atan(PendienteBaseDovela)):
//   V = (1 + kv)·W + ΔT + Qy·b + Py,  R⁰ = (V − u·b)·tan φ + c·b,
//   D⁰ = V·tan α + kh·W − Qx·b·tan β − Px,  m = cos²α·(1 + tan α·tan φ/F),
//   F' = Σ(R/m) / (empuje del agua en la grieta + ΣD).
// Primera etapa con ΔT = 0: pasos de punto fijo hasta |F' − F| ≤ 0.001 (si el factor sale del
// dominio o no asienta en 50 pasos, la ecuación de fuerzas se resuelve directamente).
// Segunda etapa, por pasadas: con la línea de empuje vigente (ht, inclinación αt centrada en cada
// borde) el factor F y las fuerzas entre dovelas E, T se resuelven juntos: para cada F las
// ecuaciones de fuerzas de las dovelas y la de momentos de cada borde de una malla de a lo sumo
// 100 tramos (todos los bordes con 100 dovelas o menos; T lineal en x entre sus bordes),
//   T = −E·tan αt + ht·dE/dx − (términos sísmicos y de cargas),
// forman un sistema lineal en banda, y F es el que deja sin fuerza el pie. Tras cada pasada,
// Form17 (Interaccion::IteracionJanbu), donde la persona puede cambiar ht. Termina cuando una
// pasada repite el factor (0.001) y las fuerzas entre dovelas de la anterior con los mismos ht,
// o cuando la persona acepta. Sin solución, o con la historia llena, no hay resultados.
// Escribe los esfuerzos, las sumas, la historia, ValoresDeHt y HayValoresDeHt.
ResultadoMetodo MetodoJanbu(Proyecto& p, EstadoCalculo& e, Interaccion& ui);

// Las dos etapas del método sobre las dovelas ya preparadas (c, tan φ y u de cada dovela en la
// tabla), con Form17, y los resultados; al terminar con resultados muestra `mensajeFinal` (si no
// es nulo). La usan MetodoJanbu y el método de Janbu para rocas.
ResultadoMetodo IteracionesJanbu(Proyecto& p, EstadoCalculo& e, Interaccion& ui,
                                 const char* mensajeFinal);

} // namespace vertana
