// Todos los problemas de un proyecto antes de calcular, para mostrarlos sin calcular
// (vertana-cli resumen): los de sus datos (model/validacion.h) y, si los datos sirven, el primero
// que encuentra la preparación del cálculo (superficie de falla, dovelas, materiales, presiones),
// hecha sobre una copia con las preguntas contestadas No y sin abrir diálogos.
#pragma once

#include "model/proyecto.h"
#include "model/validacion.h"

#include <vector>

namespace vertana {

std::vector<ProblemaDeDatos> ProblemasDelProyecto(const Proyecto& p);

} // namespace vertana
