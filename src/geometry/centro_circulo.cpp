#include "geometry/centro_circulo.h"

#include <cmath>

namespace vertana {

namespace {
constexpr double InclinacionVertical = 0.01; // m que se inclina un tramo vertical
} // namespace

double CuerdaEntre(double x1, double y1, double x2, double y2)
{
    return std::sqrt((x1 - x2) * (x1 - x2) + (y1 - y2) * (y1 - y2));
}

CentroCirculo ConstruirCentroCirculo(double x1, double y1, double x2, double y2, double radio)
{
    CentroCirculo centro;
    const double c = CuerdaEntre(x1, y1, x2, y2);
    const double dx = x1 == x2 ? x1 - x2 + InclinacionVertical : x1 - x2;
    const double alfa = std::atan((y1 - y2) / dx);
    double r = radio;
    for (int aumento = 0; aumento <= MaximoAumentosRadio; ++aumento) {
        const double t = c / (2.0 * r);
        if (!(t <= 1.0)) return centro; // radio menor que la mitad de la cuerda
        const double beta = std::asin(t);
        const double theta = beta - alfa;
        centro.xo = x2 + r * std::sin(theta);
        centro.yo = y2 + r * std::cos(theta);
        centro.radio = r;
        if (centro.yo >= y1) {
            centro.valido = true;
            return centro;
        }
        r += AumentoRadioCentro;
    }
    return centro;
}

} // namespace vertana
