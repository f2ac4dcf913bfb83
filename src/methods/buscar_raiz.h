// Raíz de una función escalar que puede no estar definida en algunos puntos (p. ej. cerca del polo
// de un mα): secante desde (x0, x1); en cuanto dos puntos tienen signos distintos, Illinois
// (regula falsi modificada) en ese intervalo; si la secante no converge ni encuentra un cambio de
// signo, un barrido desde x0 hacia ambos lados (pasos lineales o geométricos) busca el intervalo.
// Sólo se acepta una raíz con |valor| ≤ ResiduoMaximoRaiz; un intervalo que encierra un salto de
// la función en vez de una raíz se descarta y el barrido sigue. Toda búsqueda está acotada por el
// número de evaluaciones.
//
// La función se llama como g(x, valor) y devuelve false donde no está definida.
#pragma once

#include <algorithm>
#include <cmath>

namespace vertana {

// Pasos de secante antes de recurrir al barrido.
constexpr int PasosSecanteRaiz = 12;
// Valor que se toma como cero exacto.
constexpr double ResiduoDespreciableRaiz = 1e-12;
// Valor máximo de una raíz aceptada: con más, es un salto de la función, no un cero.
constexpr double ResiduoMaximoRaiz = 1e-6;

struct ReglasRaiz {
    double minimo = 0.0, maximo = 0.0; // intervalo de búsqueda
    double toleranciaAbsoluta = 0.0, toleranciaRelativa = 0.0;
    int maximoEvaluaciones = 0;
    double pasoBarrido = 0.0; // lineal, o razón si `geometrico`
    bool geometrico = false;
};

struct Raiz {
    bool hallada = false;
    double x = 0.0;
};

template <class Funcion> class BuscadorRaiz {
public:
    BuscadorRaiz(Funcion& g, const ReglasRaiz& reglas) : g_(g), r_(reglas) {}

    int Evaluaciones() const { return evaluaciones_; }

    // `v0conocido`, si se da, es el valor ya calculado en x0 (que debe estar en el intervalo).
    Raiz Buscar(double x0, double x1, const double* v0conocido = nullptr)
    {
        x0 = Acotar(x0);
        double v0 = 0.0;
        bool valido0 = false;
        if (v0conocido) {
            v0 = *v0conocido;
            valido0 = std::isfinite(v0);
        } else {
            valido0 = Evaluar(x0, v0);
        }
        if (valido0) {
            if (std::fabs(v0) <= ResiduoDespreciableRaiz) return {true, x0};
            const Raiz s = Secante(x0, v0, Acotar(x1));
            if (s.hallada || agotado_) return s;
        }
        return Barrido(x0, valido0, v0);
    }

private:
    static constexpr double Mitad = 0.5;

    double Tolerancia(double x) const
    {
        return r_.toleranciaAbsoluta + r_.toleranciaRelativa * std::fabs(x);
    }
    double Acotar(double x) const { return std::clamp(x, r_.minimo, r_.maximo); }

    bool Evaluar(double x, double& v)
    {
        if (evaluaciones_ >= r_.maximoEvaluaciones) {
            agotado_ = true;
            return false;
        }
        ++evaluaciones_;
        return g_(x, v) && std::isfinite(v);
    }

    static bool SignosDistintos(double a, double b) { return (a < 0.0) != (b < 0.0); }

    Raiz Secante(double x0, double v0, double x1)
    {
        for (int paso = 0; paso < PasosSecanteRaiz; ++paso) {
            if (x1 == x0) return {};
            double v1 = 0.0;
            if (!Evaluar(x1, v1)) return {};
            if (std::fabs(v1) <= ResiduoDespreciableRaiz) return {true, x1};
            if (SignosDistintos(v0, v1)) return Illinois(x0, v0, x1, v1);
            if (std::fabs(x1 - x0) <= Tolerancia(x1))
                return {std::fabs(v1) <= ResiduoMaximoRaiz, x1};
            if (v1 == v0) return {};
            const double x2 = x1 - v1 * (x1 - x0) / (v1 - v0);
            if (!std::isfinite(x2)) return {};
            x0 = x1;
            v0 = v1;
            x1 = Acotar(x2);
        }
        return {};
    }

    Raiz Illinois(double a, double va, double b, double vb)
    {
        double anterior = b;
        int lado = 0;
        while (!agotado_) {
            double x = (a * vb - b * va) / (vb - va);
            const double menor = std::min(a, b), mayor = std::max(a, b);
            if (!(x > menor && x < mayor)) x = Mitad * (a + b);
            double v = 0.0;
            if (!Evaluar(x, v)) {
                x = Mitad * (a + b);
                if (!Evaluar(x, v)) return {};
            }
            if (std::fabs(v) <= ResiduoDespreciableRaiz) return {true, x};
            if (SignosDistintos(v, va)) {
                b = x;
                vb = v;
                if (lado == -1) va *= Mitad;
                lado = -1;
            } else {
                a = x;
                va = v;
                if (lado == 1) vb *= Mitad;
                lado = 1;
            }
            if (std::fabs(x - anterior) <= Tolerancia(x) || std::fabs(b - a) <= Tolerancia(x))
                return {std::fabs(v) <= ResiduoMaximoRaiz, x};
            anterior = x;
        }
        return {};
    }

    double Paso(double centro, int sentido, int k) const
    {
        if (r_.geometrico) return centro * std::pow(r_.pasoBarrido, sentido * k);
        return centro + sentido * k * r_.pasoBarrido;
    }

    Raiz Barrido(double x0, bool valido0, double v0)
    {
        struct Lado {
            int sentido;
            bool valido;
            double x, v;
            bool terminado;
        };
        Lado lados[2] = {{1, valido0, x0, v0, false}, {-1, valido0, x0, v0, false}};
        for (int k = 1; !agotado_ && !(lados[0].terminado && lados[1].terminado); ++k) {
            for (Lado& s : lados) {
                if (s.terminado) continue;
                const double crudo = Paso(x0, s.sentido, k);
                const double x = Acotar(crudo);
                if (x == s.x) {
                    s.terminado = true;
                    continue;
                }
                if (crudo != x) s.terminado = true; // el último punto es el extremo
                double v = 0.0;
                const bool valido = Evaluar(x, v);
                if (agotado_) return {};
                if (valido && std::fabs(v) <= ResiduoDespreciableRaiz) return {true, x};
                if (valido && s.valido && SignosDistintos(v, s.v)) {
                    const Raiz r = Illinois(s.x, s.v, x, v);
                    if (r.hallada || agotado_) return r;
                }
                s.valido = valido;
                s.x = x;
                s.v = v;
            }
        }
        return {};
    }

    Funcion& g_;
    ReglasRaiz r_;
    int evaluaciones_ = 0;
    bool agotado_ = false;
};

} // namespace vertana
