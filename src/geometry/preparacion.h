// Preámbulo de todo cálculo: la pregunta común y las seis rutinas de preparación en su orden.
#pragma once

#include "geometry/estado_calculo.h"
#include "model/interaccion.h"
#include "model/proyecto.h"

namespace vertana {

// Si las seis rutinas ya corrieron pregunta "¿Es primera vez que está haciendo el cálculo o
// modificó ...?" y sólo con Sí las repite (con No el resultado es correcto y `omitida`); si no,
// las corre sin preguntar. Orden: ConstruirSPF, ConstruirZonas, GenerarDovelas,
// GeometriaDovelas, AsignarMateriales, EstimarPresionesDePoros. La primera que falla detiene la
// preparación, muestra su mensaje por la interacción y lo devuelve.
ResultadoPreparacion PrepararCalculo(Proyecto& p, EstadoCalculo& e, Interaccion& ui);

// Las seis rutinas en su orden, sin pregunta ni mensaje (los devuelve quien llama).
ResultadoPreparacion EjecutarPreparacion(Proyecto& p, EstadoCalculo& e, Interaccion& ui);

} // namespace vertana
