#include "geometry/grieta.h"

namespace vertana {

namespace {
constexpr double Mitad = 0.5;
}

double TerminoAguaGrieta(double ordenadaPrimerPunto, double ordenadaSegundoPunto,
                         double ordenadaAgua)
{
    const bool hayGrieta = ordenadaSegundoPunto < ordenadaPrimerPunto;
    if (!hayGrieta || !(ordenadaAgua > ordenadaSegundoPunto)) return 0.0;
    const double altura = ordenadaAgua - ordenadaSegundoPunto;
    return Mitad * altura * altura;
}

} // namespace vertana
