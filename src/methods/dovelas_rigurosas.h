// Descripción de las dovelas para los métodos rigurosos (methods/rigurosos.h) a partir de la
// tabla de dovelas que deja la preparación del cálculo, con los mismos pesos y cargas que usan
// Fellenius, Bishop y Janbu.
#pragma once

#include "geometry/estado_calculo.h"
#include "methods/rigurosos.h"
#include "model/proyecto.h"

namespace vertana {

// Lee la tabla de dovelas preparada (PrepararCalculo o EjecutarPreparacion) y el proyecto:
//   α de AngulosBaseDovelas (fórmula del círculo en un círculo único), W = PesoDovela, u, c,
//   tan φ, punto medio de la base (AbscisaCentroDovela, OrdenadaCentroDovela), talud sobre él;
//   kh·W a media altura de la dovela, (yt + yb)/2, como en Fellenius y Bishop;
//   cargas uniformes que cubren el centro: Qy·b hacia abajo y Qx·b·tan β horizontal, en
//   (xc, yt); cargas puntuales dentro de la dovela (borde s + 1 < X ≤ borde s, cada una en una
//   sola dovela): (Px, Py) en (X, Y);
//   agua de la grieta: empuje AlturaAguaGrieta a la ordenada y2g + (NFg − y2g)/3;
//   bordes: AbscisaBordeDovela, OrdenadaBordeDovela, OrdenadaTaludBorde.
ProblemaRiguroso ProblemaRigurosoDesdeDovelas(const Proyecto& p, const EstadoCalculo& e);

} // namespace vertana
