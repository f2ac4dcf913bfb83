// Conversión entre el texto del programa (UTF-8) y el de los archivos (Windows-1252).
#pragma once

#include <string>

namespace vertana {

// Bytes Windows-1252 a UTF-8. Los bytes sin carácter asignado (0x81, 0x8D, 0x8F, 0x90, 0x9D)
// pasan como el carácter de control del mismo número.
std::string Windows1252AUtf8(const std::string& bytes);

// UTF-8 a bytes Windows-1252. Un carácter sin equivalente, o una secuencia UTF-8 inválida,
// se escribe "?".
std::string Utf8AWindows1252(const std::string& texto);

} // namespace vertana
