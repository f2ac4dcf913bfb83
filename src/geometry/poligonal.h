// Auxiliares de geometría plana comunes a la preparación: pendientes con la inclinación de un
// tramo vertical e interpolación lineal sobre una poligonal.
#pragma once

#include <cmath>
#include <optional>

namespace vertana {

// Un tramo vertical se inclina 0.01 m para que su pendiente sea finita.
constexpr double InclinacionTramoVertical = 0.01;

// Pendiente dy/dx del punto superior (a) al inferior (b).
inline double PendienteEntre(double xa, double ya, double xb, double yb)
{
    const double dx = xa == xb ? xa - xb + InclinacionTramoVertical : xa - xb;
    return (ya - yb) / dx;
}

// Ordenada en x de la poligonal de n puntos (X(k), Y(k)), k = 1..n, sobre el primer tramo cuyas
// abscisas encierran a x (extremos incluidos): y = (x − X_k)·m_k + Y_k. Vacío si x queda fuera
// de las abscisas de la poligonal o si tiene menos de dos puntos.
template <typename FuncionX, typename FuncionY>
std::optional<double> OrdenadaEnPoligonal(int n, FuncionX X, FuncionY Y, double x)
{
    for (int k = 1; k < n; ++k) {
        const double xa = X(k), xb = X(k + 1);
        const bool dentro = xa >= xb ? (x <= xa && x >= xb) : (x >= xa && x <= xb);
        if (dentro) return (x - xa) * PendienteEntre(xa, Y(k), xb, Y(k + 1)) + Y(k);
    }
    return std::nullopt;
}

} // namespace vertana
