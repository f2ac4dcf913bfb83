// Lista de zonas a lo largo de la superficie de falla: las abscisas donde cambia el estrato de la
// base, entre la mayor y la menor abscisa de la superficie.
#pragma once

#include "geometry/estado_calculo.h"

namespace vertana {

// Lee los cruces de ConstruirSPF y la poligonal de trabajo; ordena los cruces por abscisa
// decreciente (con su estrato) y escribe AbscisasZonas, NumeroZonas, AbscisaMaximaSPF,
// AbscisaMinimaSPF y OrdenadaFinalSPF; pone ZonasConstruidas.
ResultadoPreparacion ConstruirZonas(EstadoCalculo& e);

} // namespace vertana
