// Fallos inesperados (un disco lleno al guardar): una sola excepción propia, atrapada donde
// empieza una orden de la interfaz gráfica o el main de la línea de órdenes, y mostrada como
// mensaje. Los datos de entrada incorrectos no usan excepciones: devuelven su mensaje.
#pragma once

#include <stdexcept>
#include <string>

namespace vertana {

class ErrorVertana : public std::runtime_error {
public:
    explicit ErrorVertana(const std::string& mensaje) : std::runtime_error(mensaje) {}
};

} // namespace vertana
