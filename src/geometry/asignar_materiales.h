// Material en la base de cada dovela.
#pragma once

#include "geometry/estado_calculo.h"
#include "model/proyecto.h"

namespace vertana {

// Lee los centros de las dovelas, las líneas de los estratos (cada una es el límite inferior de
// su estrato) y sus propiedades. Escribe OrdenadaEstratoEnDovela(s, i) y el estrato de la base:
// el 1 si yb está sobre su línea, si no el i con línea_i ≤ yb ≤ línea_(i−1). Suelos: c, φ,
// tan φ y TipoDeEstrato del estrato. Roca: m, s y a = ExponenteHoekBrown(GSI) del estrato, σci
// pasado de kg/cm2 a ton/m2, y c (ton/m2), φ y tan φ equivalentes, que se calculan de nuevo en
// cada preparación a partir de mi, GSI y σci (EstimarMohrCoulombDeLosMacizos: el archivo no los
// guarda) y quedan también en CohesionMacizo y FriccionMacizo. Un estrato de roca con datos que
// no sirven (ComprobarEstratoDeRoca), una base bajo la línea más baja o un centro fuera de las
// abscisas de una línea detienen la preparación. Pone MaterialesAsignados.
ResultadoPreparacion AsignarMateriales(Proyecto& p, EstadoCalculo& e);

} // namespace vertana
