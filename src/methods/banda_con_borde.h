// Sistema lineal en banda con borde, con anchos de banda dados al construirlo: el paso de Newton
// de un método variacional cuyas ecuaciones de dovela sólo tocan los esfuerzos de unas pocas
// dovelas vecinas.
//
//            g (BordeSistema)   s (n)
//   dovelas [ C                 A    ]   A: banda con `inferiores` diagonales bajo la principal
//   sumas   [ E                 f    ]      y `superiores` sobre ella; C, f, E llenas
//
// J·Δ = −G con Δ = (g, s): A·s + C·g = −G_dovelas, f·s + E·g = −G_sumas, por el mismo camino
// que el paso de Newton del método variacional para suelos (methods/variacional_banda.h):
// 1. eliminación de Gauss de A con pivoteo parcial dentro de la banda (un intercambio de filas
//    ensancha el perfil superior hasta inferiores + superiores diagonales), sobre cuatro lados
//    derechos, las columnas de C y −G_dovelas: Y = A⁻¹·C, y = A⁻¹·(−G_dovelas);
// 2. complemento de Schur S = E − f·Y (3 × 3): S·g = −G_sumas − f·y, con pivoteo parcial;
// 3. s = y − Y·g.
// Tiempo y memoria proporcionales a n. El orden de las incógnitas es el de z = (g, s) y el de
// las ecuaciones el de G = (dovelas, sumas), como en el jacobiano denso.
//
// Singular (false): una columna de A sin pivote distinto de 0 en la banda, un pivote nulo en S
// o un Δ con algún valor no finito.
#pragma once

#include <array>
#include <cstddef>
#include <vector>

namespace vertana {

constexpr int BordeSistema = 3; // incógnitas globales (xc, yc, F) y sumas (ΣH, ΣV, ΣM)

class SistemaBandaConBorde {
public:
    SistemaBandaConBorde(int n, int inferiores, int superiores);

    int Dovelas() const { return n_; }
    int Inferiores() const { return inferiores_; }
    int Superiores() const { return superiores_; }

    // ∂G_i/∂s_j dentro de la banda (i, j = 1..n, i − inferiores ≤ j ≤ i + superiores).
    double& Banda(int i, int j);
    double Banda(int i, int j) const;
    // ∂G_i/∂g_k, i = 1..n, k = 0..2.
    double& Columna(int i, int k);
    // ∂(suma k)/∂s_j, k = 0..2, j = 1..n.
    double& Fila(int k, int j);
    // ∂(suma k)/∂g_m, k, m = 0..2.
    double& Esquina(int k, int m);

    // Elemento (fila, columna) 1-basado de la matriz completa, con las columnas en el orden de
    // z = (g, s) y las filas en el de G = (dovelas, sumas); 0 fuera de la banda.
    double Elemento(int fila, int columna) const;

    // Resuelve J·delta = −G (G y delta de tamaño n + 3). false si es singular; delta queda
    // entonces sin definir.
    bool Resolver(const std::vector<double>& G, std::vector<double>& delta) const;

private:
    std::size_t IndiceBanda(int i, int j) const;

    int n_, inferiores_, superiores_;
    std::vector<double> banda_; // fila i: columnas i − inferiores .. i + superiores
    std::vector<std::array<double, BordeSistema>> columnas_;
    std::array<std::vector<double>, BordeSistema> filas_;
    std::array<std::array<double, BordeSistema>, BordeSistema> esquina_{};
};

} // namespace vertana
