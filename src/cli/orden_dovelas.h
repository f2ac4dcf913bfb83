// Orden "dovelas" de vertana-cli: prepara el cálculo de un proyecto y muestra la superficie de
// trabajo, las zonas y la tabla de dovelas.
#pragma once

#include "geometry/estado_calculo.h"
#include "model/proyecto.h"

#include <nlohmann/json.hpp>
#include <ostream>
#include <string>

namespace vertana {

// La preparación se detuvo con un mensaje.
constexpr int SalidaPreparacion = 3;

nlohmann::ordered_json DovelasJson(const Proyecto& p, const EstadoCalculo& e);
std::string DovelasTexto(const Proyecto& p, const EstadoCalculo& e);

// Lee el proyecto, corre la preparación por lotes (las presiones de poros se estiman siempre a
// partir del nivel freático) y escribe el resultado. Los mensajes van a la salida de errores.
int OrdenDovelas(const std::string& archivo, bool comoJson, bool desembalseRapido,
                 std::ostream& salida, std::ostream& errores);

} // namespace vertana
