// "calcular --metodo spencer|morgenstern-price" de vertana-cli: el contraste con un método
// riguroso sobre las dovelas del proyecto, sin escribir resultados en él.
#pragma once

#include "calculo/calculo_riguroso.h"
#include "cli/interaccion_lote.h"
#include "cli/orden_calcular.h"

#include <nlohmann/json.hpp>
#include <optional>
#include <ostream>
#include <string>

namespace vertana {

// Spencer de "spencer", Morgenstern-Price de "morgenstern-price"; nada si no es uno de ellos.
std::optional<MetodoRiguroso> MetodoRigurosoDeNombre(const std::string& nombre);

// El resultado con las dovelas (σ, σ′, τ en la base; E, X en el borde del lado del pie) y lo
// que pasó por la interacción. Sin solución, "factor_seguridad": null y la razón.
nlohmann::ordered_json RigurosoJson(const ResultadoRiguroso& r, const InteraccionLote& ui);
std::string RigurosoTexto(const ResultadoRiguroso& r);

// Lee el proyecto, aplica --centro, prepara y resuelve. Códigos: 0 con solución, 3 sin ella,
// 2 si el archivo no se lee, 1 con --guardar o --instantaneos (los resultados de un contraste no
// se guardan en el proyecto).
int OrdenCalcularRiguroso(const OpcionesCalcular& opciones, std::ostream& salida,
                          std::ostream& errores);

} // namespace vertana
