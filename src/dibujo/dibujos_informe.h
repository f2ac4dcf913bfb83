// Las páginas de dibujos que se añaden al informe en PDF: la sección y los gráficos de
// esfuerzos (output/graficos_informe.h), cada uno en una página, con su escena ajustada al área
// imprimible.
#pragma once

#include "dibujo/informe_pdf.h"
#include "model/proyecto.h"

#include <vector>

namespace vertana {

// Ancho del lienzo de las escenas de las páginas, en píxeles de escena: con la letra de 11
// píxeles de las escenas, en una hoja A4 el texto sale de unos 6 puntos.
constexpr double AnchoLienzoDePagina = 1000.0;
// Proporción alto/ancho máxima del lienzo (la de las ventanas de gráficos): el dibujo no se
// estira más allá. En una página vertical el dibujo se gira un cuarto de vuelta y ocupa la hoja
// a lo largo.
constexpr double ProporcionMaximaDeLienzo = 0.75;

// Un pintor por dibujo del proyecto (una copia del proyecto queda dentro de los pintores).
std::vector<PintorDePagina> PaginasDeDibujos(const Proyecto& p);

} // namespace vertana
