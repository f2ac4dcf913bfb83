// Paso de Newton del método variacional para suelos en tiempo y memoria proporcionales al número
// de dovelas, sin la matriz densa.
//
// El jacobiano J = ∂G/∂z de JacobianoVariacional, con z = (xc, yc, F, σ1..σnd), es una banda con
// borde:
//
//            xc yc F   σ1 σ2 σ3 ...            σnd
//   G_1    [ C  C  C   A  A                        ]   filas de dovela: la derivada discreta
//   G_2    [ C  C  C   A  A  A                     ]   une σ(i−1), σi, σ(i+1) (tres puntos) y
//   ...    [ C  C  C      ... ...  ...             ]   la última σ(nd−3)..σnd (cuatro puntos
//   G_nd   [ C  C  C             A   A   A   A     ]   hacia atrás)
//   ΣH     [ 0  0  E   f  f  f  ...            f   ]   filas de equilibrio: llenas en σ,
//   ΣV     [ 0  0  E   f  f  f  ...            f   ]   nulas en xc e yc
//   ΣM     [ 0  0  E   f  f  f  ...            f   ]
//
// A (nd × nd) tiene tres subdiagonales (sólo en la última fila) y una superdiagonal; C son las
// tres columnas del borde, f las tres filas y E la esquina 3 × 3.
//
// Solución de J·Δ = −G, con Δ = (g, s), g = (Δxc, Δyc, ΔF), s = (Δσ1..Δσnd):
//   A·s + C·g = −G_dovelas,  f·s + E·g = −G_sumas.
// 1. Eliminación de Gauss de la banda con pivoteo parcial (intercambio de filas dentro de la
//    banda; el perfil superior crece a 3 + 1 superdiagonales) sobre cuatro lados derechos, las
//    columnas de C y −G_dovelas: Y = A⁻¹·C, y = A⁻¹·(−G_dovelas).
// 2. Complemento de Schur S = E − f·Y (3 × 3): S·g = −G_sumas − f·y, por eliminación con
//    pivoteo parcial.
// 3. s = y − Y·g.
// Operaciones y memoria O(nd).
//
// Sistema singular (devuelve false; quien llama lo trata como el determinante nulo):
//   - una columna de A sin ningún candidato a pivote distinto de 0 entre las filas de la banda,
//   - un pivote exactamente 0 en el sistema 3 × 3 de S, o
//   - un Δ con algún valor no finito (infinito o NaN).
// La inversión de Gauss-Jordan de la matriz densa, sin intercambio de filas, rechaza el sistema
// cuando el producto de sus pivotes da exactamente 0. En un problema no degenerado (J regular,
// sus menores principales no nulos y A regular) ninguna de las dos encuentra un pivote nulo y las
// dos dan el mismo Δ salvo redondeo; con el pivoteo éste es menor (en los problemas clásicos la
// banda coincide con una solución en precisión extendida hasta 10⁻¹⁴ y Gauss-Jordan se aparta
// hasta 10⁻⁸, o del todo en Δxc con un talud casi sin peso). Sólo difieren en casos degenerados:
// aquí se resuelve una J regular con un menor principal nulo (p. ej. ∂G_1/∂xc = 0) que Gauss-Jordan
// rechaza, y se rechaza una J regular cuyo bloque A es singular. Se comprueba cada pivote y no su
// producto: con unos cientos de dovelas el producto se desborda a ∞ aunque ningún pivote sea nulo,
// y ∞·0 da NaN, no 0.
#pragma once

#include "methods/variacional_sistema.h"

#include <array>
#include <vector>

namespace vertana {

constexpr int BordeVariacional = 3;         // incógnitas xc, yc, F y sumas ΣH, ΣV, ΣM
constexpr int SubdiagonalesVariacional = 3; // la última dovela usa σ(nd−3)
constexpr int SuperdiagonalesVariacional = 1;
constexpr int AnchoBandaVariacional = SubdiagonalesVariacional + 1 + SuperdiagonalesVariacional;

struct JacobianoBanda {
    int nd = 0;
    // banda[i−1][j − i + SubdiagonalesVariacional] = ∂G_i/∂σ_j, j = i − 3..i + 1.
    std::vector<std::array<double, AnchoBandaVariacional>> banda;
    // columnas[i−1][k] = ∂G_i/∂(xc, yc, F)_k.
    std::vector<std::array<double, BordeVariacional>> columnas;
    // filas[k][j−1] = ∂(ΣH, ΣV, ΣM)_k/∂σ_j.
    std::array<std::vector<double>, BordeVariacional> filas;
    // esquina[k][m] = ∂(ΣH, ΣV, ΣM)_k/∂(xc, yc, F)_m.
    std::array<std::array<double, BordeVariacional>, BordeVariacional> esquina{};

    // Todo a cero, para nd dovelas.
    void Redimensionar(int dovelas);
    // ∂G_i/∂σ_j dentro de la banda (i, j = 1..nd, i − 3 ≤ j ≤ i + 1).
    double& Banda(int i, int j);
    double Banda(int i, int j) const;
    // Elemento (fila, columna) 1-basado con el orden de JacobianoVariacional; 0 fuera de la
    // banda y del borde.
    double Elemento(int fila, int columna) const;
};

// Jacobiano de ResiduosVariacionales en z (tamaño nd + 3), armado por bandas.
JacobianoBanda JacobianoBandaVariacional(const DatosVariacional& datos,
                                         const std::vector<double>& z);

// Paso de Newton: resuelve J·delta = −G (G y delta de tamaño nd + 3, orden de z). false si el
// sistema es singular en el sentido de arriba; delta queda entonces sin definir.
bool ResolverPasoNewton(const JacobianoBanda& jacobiano, const std::vector<double>& G,
                        std::vector<double>& delta);

// Primera solución por la banda: A·σ = B con xc, yc, F dados, igual que PrimeraSolucion (la
// banda de J es −A y, con σ = 0, los residuos de dovela son B). false si A es singular (una
// columna sin pivote) o σ no es finito.
bool PrimeraSolucionBanda(const DatosVariacional& datos, double xc, double yc, double F,
                          std::vector<double>& sigma);

} // namespace vertana
