#include "cli/ordenes.h"

#include <iostream>

int main(int argc, char** argv)
{
    std::vector<std::string> argumentos(argv + 1, argv + argc);
    return vertana::EjecutarCli(argumentos, std::cout, std::cerr);
}
