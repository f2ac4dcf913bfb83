// Números escritos por la persona y números mostrados.
#pragma once

#include <optional>
#include <string>

namespace vertana {

// Prueba que pasa un cuadro de texto antes de aceptarse como número: blancos alrededor, signo,
// dígitos con un punto decimal opcional y exponente opcional (E o e). El texto vacío no es
// numérico.
bool EsNumerico(const std::string& texto);

// Regla del número inicial: el valor del prefijo numérico del texto (tras los blancos del
// principio), con "." como punto decimal; 0 cuando no empieza por un número.
double Val(const std::string& texto);

// Valor de un texto que ya pasó EsNumerico; vacío si no es numérico.
std::optional<double> ValorNumerico(const std::string& texto);

// Formato de presentación: patrones "#0", "#0.00", "#0.000" ... con un texto fijo opcional detrás
// ("#0.00 ton", "#0.00 ton.m"). Redondea la mitad alejándose de cero sobre el valor decimal más
// corto que representa al real (2.675 se muestra 2.68); un resultado nulo no lleva signo.
std::string Formato(double valor, const std::string& patron);

} // namespace vertana
