#include "methods/banda_con_borde.h"

#include <algorithm>
#include <cassert>
#include <cmath>
#include <cstddef>
#include <utility>

namespace vertana {

namespace {

// Lados derechos que se eliminan con la banda: las tres columnas del borde y los residuos.
constexpr int LadosDerechos = BordeSistema + 1;
constexpr int LadoResiduos = BordeSistema;

std::size_t Ind(int i)
{
    return static_cast<std::size_t>(i);
}

// Matriz de trabajo de la eliminación: la fila i guarda las columnas i − inf .. i + inf + sup
// (el perfil superior crece con los intercambios de filas) y sus cuatro lados derechos.
class Trabajo {
public:
    Trabajo(int n, int inferiores, int superiores)
        : n_(n), inf_(inferiores), sup_(inferiores + superiores), ancho_(inf_ + 1 + sup_),
          a_(Ind(n * ancho_), 0.0), d_(Ind(n))
    {
    }
    double& En(int i, int j)
    {
        assert(j - i >= -inf_ && j - i <= sup_);
        return a_[Ind((i - 1) * ancho_ + (j - i + inf_))];
    }
    std::array<double, LadosDerechos>& Derecho(int i) { return d_[Ind(i - 1)]; }
    int Inferiores() const { return inf_; }
    int SuperioresEliminacion() const { return sup_; }
    int Filas() const { return n_; }

private:
    int n_, inf_, sup_, ancho_;
    std::vector<double> a_;
    std::vector<std::array<double, LadosDerechos>> d_;
};

// A·X = D por eliminación de Gauss con pivoteo parcial en la banda; X queda en los lados
// derechos. false si una columna no tiene pivote distinto de 0.
bool ResolverBanda(Trabajo& w)
{
    const int n = w.Filas();
    const int inf = w.Inferiores(), sup = w.SuperioresEliminacion();
    for (int p = 1; p <= n; ++p) {
        const int ultimaFila = std::min(n, p + inf);
        const int ultimaColumna = std::min(n, p + sup);
        int elegida = p;
        double mayor = std::fabs(w.En(p, p));
        for (int r = p + 1; r <= ultimaFila; ++r) {
            if (std::fabs(w.En(r, p)) > mayor) {
                mayor = std::fabs(w.En(r, p));
                elegida = r;
            }
        }
        if (mayor == 0.0) return false;
        if (elegida != p) {
            for (int c = p; c <= ultimaColumna; ++c)
                std::swap(w.En(p, c), w.En(elegida, c));
            std::swap(w.Derecho(p), w.Derecho(elegida));
        }
        const double pivote = w.En(p, p);
        for (int r = p + 1; r <= ultimaFila; ++r) {
            const double factor = w.En(r, p) / pivote;
            if (factor == 0.0) continue;
            w.En(r, p) = 0.0;
            for (int c = p + 1; c <= ultimaColumna; ++c)
                w.En(r, c) -= factor * w.En(p, c);
            for (int k = 0; k < LadosDerechos; ++k)
                w.Derecho(r)[Ind(k)] -= factor * w.Derecho(p)[Ind(k)];
        }
    }
    for (int p = n; p >= 1; --p) {
        const int ultimaColumna = std::min(n, p + sup);
        std::array<double, LadosDerechos>& x = w.Derecho(p);
        for (int c = p + 1; c <= ultimaColumna; ++c) {
            const double apc = w.En(p, c);
            for (int k = 0; k < LadosDerechos; ++k)
                x[Ind(k)] -= apc * w.Derecho(c)[Ind(k)];
        }
        const double pivote = w.En(p, p);
        for (int k = 0; k < LadosDerechos; ++k)
            x[Ind(k)] /= pivote;
    }
    return true;
}

using Matriz3 = std::array<std::array<double, BordeSistema>, BordeSistema>;
using Vector3 = std::array<double, BordeSistema>;

// S·g = t (3 × 3) con pivoteo parcial; false con un pivote exactamente 0.
bool ResolverBorde(Matriz3 S, Vector3 t, Vector3& g)
{
    for (int p = 0; p < BordeSistema; ++p) {
        int elegida = p;
        for (int r = p + 1; r < BordeSistema; ++r)
            if (std::fabs(S[Ind(r)][Ind(p)]) > std::fabs(S[Ind(elegida)][Ind(p)])) elegida = r;
        if (S[Ind(elegida)][Ind(p)] == 0.0) return false;
        std::swap(S[Ind(p)], S[Ind(elegida)]);
        std::swap(t[Ind(p)], t[Ind(elegida)]);
        for (int r = p + 1; r < BordeSistema; ++r) {
            const double factor = S[Ind(r)][Ind(p)] / S[Ind(p)][Ind(p)];
            for (int c = p; c < BordeSistema; ++c)
                S[Ind(r)][Ind(c)] -= factor * S[Ind(p)][Ind(c)];
            t[Ind(r)] -= factor * t[Ind(p)];
        }
    }
    for (int p = BordeSistema - 1; p >= 0; --p) {
        double v = t[Ind(p)];
        for (int c = p + 1; c < BordeSistema; ++c)
            v -= S[Ind(p)][Ind(c)] * g[Ind(c)];
        g[Ind(p)] = v / S[Ind(p)][Ind(p)];
    }
    return true;
}

} // namespace

SistemaBandaConBorde::SistemaBandaConBorde(int n, int inferiores, int superiores)
    : n_(n), inferiores_(inferiores), superiores_(superiores),
      banda_(Ind(n * (inferiores + 1 + superiores)), 0.0), columnas_(Ind(n))
{
    assert(n >= 1 && inferiores >= 0 && superiores >= 0);
    for (std::vector<double>& f : filas_)
        f.assign(Ind(n), 0.0);
}

std::size_t SistemaBandaConBorde::IndiceBanda(int i, int j) const
{
    assert(i >= 1 && i <= n_ && j >= 1 && j <= n_);
    assert(j - i >= -inferiores_ && j - i <= superiores_);
    return Ind((i - 1) * (inferiores_ + 1 + superiores_) + (j - i + inferiores_));
}

double& SistemaBandaConBorde::Banda(int i, int j)
{
    return banda_[IndiceBanda(i, j)];
}

double SistemaBandaConBorde::Banda(int i, int j) const
{
    return banda_[IndiceBanda(i, j)];
}

double& SistemaBandaConBorde::Columna(int i, int k)
{
    assert(i >= 1 && i <= n_ && k >= 0 && k < BordeSistema);
    return columnas_[Ind(i - 1)][Ind(k)];
}

double& SistemaBandaConBorde::Fila(int k, int j)
{
    assert(k >= 0 && k < BordeSistema && j >= 1 && j <= n_);
    return filas_[Ind(k)][Ind(j - 1)];
}

double& SistemaBandaConBorde::Esquina(int k, int m)
{
    assert(k >= 0 && k < BordeSistema && m >= 0 && m < BordeSistema);
    return esquina_[Ind(k)][Ind(m)];
}

double SistemaBandaConBorde::Elemento(int fila, int columna) const
{
    assert(fila >= 1 && fila <= n_ + BordeSistema);
    assert(columna >= 1 && columna <= n_ + BordeSistema);
    if (fila <= n_) {
        if (columna <= BordeSistema) return columnas_[Ind(fila - 1)][Ind(columna - 1)];
        const int j = columna - BordeSistema;
        if (j - fila < -inferiores_ || j - fila > superiores_) return 0.0;
        return Banda(fila, j);
    }
    const int k = fila - n_ - 1;
    if (columna <= BordeSistema) return esquina_[Ind(k)][Ind(columna - 1)];
    return filas_[Ind(k)][Ind(columna - BordeSistema - 1)];
}

bool SistemaBandaConBorde::Resolver(const std::vector<double>& G, std::vector<double>& delta) const
{
    assert(G.size() == Ind(n_ + BordeSistema));
    Trabajo w(n_, inferiores_, superiores_);
    for (int i = 1; i <= n_; ++i) {
        for (int j = std::max(1, i - inferiores_); j <= std::min(n_, i + superiores_); ++j)
            w.En(i, j) = Banda(i, j);
        for (int k = 0; k < BordeSistema; ++k)
            w.Derecho(i)[Ind(k)] = columnas_[Ind(i - 1)][Ind(k)];
        w.Derecho(i)[LadoResiduos] = -G[Ind(i - 1)];
    }
    if (!ResolverBanda(w)) return false;
    Matriz3 S = esquina_;
    Vector3 t{};
    for (int k = 0; k < BordeSistema; ++k) {
        t[Ind(k)] = -G[Ind(n_ + k)];
        for (int j = 1; j <= n_; ++j) {
            const double f = filas_[Ind(k)][Ind(j - 1)];
            const std::array<double, LadosDerechos>& x = w.Derecho(j);
            for (int m = 0; m < BordeSistema; ++m)
                S[Ind(k)][Ind(m)] -= f * x[Ind(m)];
            t[Ind(k)] -= f * x[LadoResiduos];
        }
    }
    Vector3 g{};
    if (!ResolverBorde(S, t, g)) return false;
    delta.assign(Ind(n_ + BordeSistema), 0.0);
    for (int k = 0; k < BordeSistema; ++k)
        delta[Ind(k)] = g[Ind(k)];
    for (int j = 1; j <= n_; ++j) {
        const std::array<double, LadosDerechos>& x = w.Derecho(j);
        double s = x[LadoResiduos];
        for (int m = 0; m < BordeSistema; ++m)
            s -= x[Ind(m)] * g[Ind(m)];
        delta[Ind(BordeSistema + j - 1)] = s;
    }
    for (double v : delta)
        if (!std::isfinite(v)) return false;
    return true;
}

} // namespace vertana
