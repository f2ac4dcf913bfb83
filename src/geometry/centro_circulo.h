// Centro de un círculo único de falla a partir de sus dos puntos extremos y del radio.
#pragma once

namespace vertana {

// Aumento del radio mientras el centro queda por debajo del punto de la corona (m).
constexpr double AumentoRadioCentro = 0.5;
// Aumentos como máximo (5000 m de radio adicional): más allá la superficie no es razonable.
constexpr int MaximoAumentosRadio = 10000;

struct CentroCirculo {
    double xo = 0.0;
    double yo = 0.0;
    double radio = 0.0;  // radio final, quizá aumentado
    bool valido = false; // false si el radio no llega a la mitad de la cuerda o no hubo centro
};

// Cuerda entre los dos puntos.
double CuerdaEntre(double x1, double y1, double x2, double y2);

// Centro del arco que pasa por el punto de la corona (x1, y1) y el del pie (x2, y2) con el radio
// dado, por encima de la cuerda: α = atan((y1 − y2)/(x1 − x2)), β = asin(c/(2R)), θ = β − α,
// xo = x2 + R·sen θ, yo = y2 + R·cos θ. Mientras yo < y1 el radio crece 0.5 m. Una cuerda
// vertical se inclina 0.01 m.
CentroCirculo ConstruirCentroCirculo(double x1, double y1, double x2, double y2, double radio);

} // namespace vertana
