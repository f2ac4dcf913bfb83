// Método generalizado de Janbu aplicado a un macizo rocoso: cada estrato con la cohesión y la
// fricción equivalentes que dan su GSI, su mi y su σci, y los esfuerzos principales en la base
// de cada dovela al terminar.
#pragma once

#include "geometry/estado_calculo.h"
#include "methods/datos_metodo.h"
#include "model/interaccion.h"
#include "model/proyecto.h"

namespace vertana {

// Orden MétodoJanbuEnRocas ("&Método de Janbu aplicado a rocas"). Avisa siempre que se aplica
// Janbu a una roca; con suelos o con un proyecto de parámetros instantáneos no calcula. Luego,
// como MetodoJanbu: desembalse rápido, "¿Desea recalcular?", el método elegido, la grieta y la
// preparación. Cada estrato toma (EstimarMohrCoulombJanbu)
//   c = 0.013·σci·exp(0.026·GSI) (σci en ton/m2), φ = 0.424·GSI − 0.0016·GSI² + 16·ln mi,
// en CohesionMacizo y FriccionMacizo y en las dovelas de su base; un φ fuera de [0°, 90°)
// detiene el cálculo. Las dos etapas de Janbu con Form17 (IteracionesJanbu) y, con resultados,
// por dovela el círculo de Mohr que pasa por (σ′, F·τ) tangente a la recta de pendiente tan φ:
//   σ1,3 = σ′ + F·τ·tan φ ± F·τ/cos φ,
// en EsfuerzoPrincipalMayorDovela y EsfuerzoPrincipalMenorDovela con sus sumas.
ResultadoMetodo MetodoJanbuEnRocas(Proyecto& p, EstadoCalculo& e, Interaccion& ui);

// Cohesión (ton/m2) y fricción (grados) del método de Janbu en rocas para cada estrato, en
// CohesionMacizo y FriccionMacizo. Devuelve el primer estrato cuyo φ no queda en [0°, 90°) o cuyo
// mi no es positivo, sin cambiar nada; 0 si todos sirven.
int EstimarMohrCoulombJanbu(Proyecto& p);

// Esfuerzos principales de cada dovela con F y los esfuerzos y la fricción que el cálculo dejó
// (EsfuerzosPrincipalesJanbuRoca con σ′, F·τ y φ de la dovela), y sus sumas. Los usan Janbu en
// rocas y un cálculo con parámetros instantáneos en un macizo rocoso.
void EscribirEsfuerzosPrincipalesMohrCoulomb(Proyecto& p, double F);

} // namespace vertana
