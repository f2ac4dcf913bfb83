// Orden "anclajes" de vertana-cli: con los resultados guardados en un proyecto calcula la
// separación de los anclajes en la cara del talud (casos activo y pasivo) para el factor de
// seguridad pedido, con las mismas comprobaciones y mensajes que la calculadora de los diálogos
// de resultados. No recalcula el factor de seguridad.
#pragma once

#include "model/proyecto.h"
#include "output/anclajes.h"

#include <nlohmann/json.hpp>
#include <ostream>
#include <string>

namespace CLI {
class App;
}

namespace vertana {

// La calculadora rechazó los datos por los resultados del proyecto (sin resultados, factor
// pedido menor que el calculado, sin separación); un dato que no es un número sale con 1.
constexpr int SalidaAnclajesRechazados = 3;

struct OpcionesAnclajes {
    std::string archivo;
    EntradaAnclajes entrada; // los cinco datos tal como se escribieron
    bool comoJson = false;
    std::string guardarEn; // vacío: no se guarda
};

// Registra la orden y sus opciones en la aplicación de la línea de órdenes.
CLI::App* AgregarOrdenAnclajes(CLI::App& app, OpcionesAnclajes& opciones);

int OrdenAnclajes(const OpcionesAnclajes& opciones, std::ostream& salida, std::ostream& errores);

// El resultado de la calculadora en JSON: datos, cantidades geométricas (ángulos en grados),
// capacidad de un anclaje y separaciones; rechazado, el mensaje y separaciones nulas.
nlohmann::ordered_json AnclajesJson(const Proyecto& p, const GeometriaAnclajes& g,
                                    const CalculoAnclajes& c);

// Bloque "anclajes" de "calcular --json" (sólo si el proyecto tiene datos de anclajes): los
// datos y separaciones guardados y las separaciones que dan esos datos con los resultados del
// cálculo que acaba de hacerse.
nlohmann::ordered_json AnclajesGuardadosJson(const Proyecto& p);

} // namespace vertana
