// Material en la base de cada dovela.
#pragma once

#include "geometry/estado_calculo.h"
#include "model/proyecto.h"

namespace vertana {

// GSI desde el cual el exponente de Hoek-Brown es 0.5; por debajo a = 0.65 − GSI/200.
constexpr double GSIExponenteConstante = 25.0;

// Lee los centros de las dovelas, las líneas de los estratos (cada una es el límite inferior de
// su estrato) y sus propiedades. Escribe OrdenadaEstratoEnDovela(s, i) y el estrato de la base:
// el 1 si yb está sobre su línea, si no el i con línea_i ≤ yb ≤ línea_(i−1). Suelos: c, φ,
// tan φ y TipoDeEstrato; roca: además m, s, σci y a. Una base bajo la línea más baja o un centro
// fuera de las abscisas de una línea detiene la preparación. Pone MaterialesAsignados.
ResultadoPreparacion AsignarMateriales(Proyecto& p, EstadoCalculo& e);

} // namespace vertana
