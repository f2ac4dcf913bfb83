#include "cli/ordenes.h"
#include "model/textos.h"

#include <iostream>
#include <new>

int main(int argc, char** argv)
{
    std::vector<std::string> argumentos(argv + 1, argv + argc);
    try {
        return vertana::EjecutarCli(argumentos, std::cout, std::cerr);
    } catch (const std::bad_alloc&) {
        // Un cálculo sin memoria ya lo informa Calcular; esto es cualquier otra orden.
        std::cerr << vertana::textos::SinMemoriaParaLaOrden << '\n';
        return vertana::SalidaArchivo;
    }
}
