// Geometría de cada dovela: ancho, superficie del talud y nivel freático sobre ella.
#pragma once

#include "geometry/estado_calculo.h"
#include "model/proyecto.h"

namespace vertana {

// Lee los bordes y centros de GenerarDovelas, el talud y el nivel freático. Escribe AnchoDovela
// = borde s − borde s + 1 y OrdenadaTaludDovela (talud interpolado en el centro) en el proyecto;
// OrdenadaTaludBorde, PendienteTaludDovela = (yt_s − yt_(s+1))/dx, y, si hay nivel freático,
// OrdenadaFreaticoBorde y OrdenadaFreaticoDovela en la tabla de dovelas. Un borde o un centro
// fuera de las abscisas del talud o del nivel freático detiene la preparación. Pone
// GeometriaDovelasCalculada.
ResultadoPreparacion GeometriaDovelas(Proyecto& p, EstadoCalculo& e);

} // namespace vertana
