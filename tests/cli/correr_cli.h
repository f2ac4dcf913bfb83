// vertana-cli con sus argumentos, en el proceso de la prueba: código de salida y lo que escribió.
#pragma once

#include "cli/ordenes.h"

#include <sstream>
#include <string>
#include <vector>

namespace vertana::prueba {

struct SalidaCli {
    int codigo = 0;
    std::string salida, errores;
};

inline SalidaCli CorrerCli(const std::vector<std::string>& argumentos)
{
    std::ostringstream salida, errores;
    const int codigo = EjecutarCli(argumentos, salida, errores);
    return {codigo, salida.str(), errores.str()};
}

} // namespace vertana::prueba
