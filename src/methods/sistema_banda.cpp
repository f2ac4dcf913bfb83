#include "methods/sistema_banda.h"

#include <algorithm>
#include <cassert>
#include <cmath>
#include <cstddef>
#include <utility>

namespace vertana {

SistemaBanda::SistemaBanda(int n, int inferiores, int superiores)
    : n_(n), inferiores_(inferiores), superiores_(superiores),
      ancho_(2 * inferiores + superiores + 1),
      a_(static_cast<std::size_t>(n > 0 ? n : 0) * static_cast<std::size_t>(ancho_), 0.0)
{
    assert(n >= 0 && inferiores >= 0 && superiores >= 0);
}

double& SistemaBanda::En(int i, int j)
{
    assert(i >= 1 && i <= n_ && j - i >= -inferiores_ && j - i <= superiores_ + inferiores_);
    return a_[static_cast<std::size_t>(i - 1) * static_cast<std::size_t>(ancho_) +
              static_cast<std::size_t>(j - i + inferiores_)];
}

double& SistemaBanda::operator()(int i, int j)
{
    assert(j - i <= superiores_);
    return En(i, j);
}

bool SistemaBanda::Resolver(std::vector<double>& b)
{
    assert(b.size() == static_cast<std::size_t>(n_));
    const int perfil = superiores_ + inferiores_; // perfil superior tras los intercambios
    auto x = [&](int i) -> double& { return b[static_cast<std::size_t>(i - 1)]; };
    for (int p = 1; p <= n_; ++p) {
        const int ultimaFila = std::min(n_, p + inferiores_);
        const int ultimaColumna = std::min(n_, p + perfil);
        int elegida = p;
        double mayor = std::fabs(En(p, p));
        for (int r = p + 1; r <= ultimaFila; ++r) {
            if (std::fabs(En(r, p)) > mayor) {
                mayor = std::fabs(En(r, p));
                elegida = r;
            }
        }
        if (!(mayor > 0.0)) return false; // también con un NaN
        if (elegida != p) {
            for (int c = p; c <= ultimaColumna; ++c)
                std::swap(En(p, c), En(elegida, c));
            std::swap(x(p), x(elegida));
        }
        const double pivote = En(p, p);
        for (int r = p + 1; r <= ultimaFila; ++r) {
            const double factor = En(r, p) / pivote;
            if (factor == 0.0) continue;
            En(r, p) = 0.0;
            for (int c = p + 1; c <= ultimaColumna; ++c)
                En(r, c) -= factor * En(p, c);
            x(r) -= factor * x(p);
        }
    }
    for (int p = n_; p >= 1; --p) {
        const int ultimaColumna = std::min(n_, p + perfil);
        double v = x(p);
        for (int c = p + 1; c <= ultimaColumna; ++c)
            v -= En(p, c) * x(c);
        x(p) = v / En(p, p);
        if (!std::isfinite(x(p))) return false;
    }
    return true;
}

} // namespace vertana
