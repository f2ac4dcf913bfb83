// Orden "roca" de vertana-cli: la caracterización de los estratos de un macizo rocoso. Por
// estrato, m, s y a de Hoek-Brown, la cohesión y la fricción equivalentes que usa el cálculo y,
// con datos de laboratorio, el ajuste de m y s a los pares (σ1, σ3) con su coeficiente de
// determinación.
#pragma once

#include "model/proyecto.h"

#include <nlohmann/json.hpp>
#include <ostream>
#include <string>

namespace vertana {

nlohmann::ordered_json RocaJson(const Proyecto& p);
std::string RocaTexto(const Proyecto& p);

// Lee el proyecto y escribe su caracterización. Un proyecto que no es de macizos rocosos sale
// con SalidaPreparacion y el aviso en la salida de errores.
int OrdenRoca(const std::string& archivo, bool comoJson, std::ostream& salida,
              std::ostream& errores);

} // namespace vertana
