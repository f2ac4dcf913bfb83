// Sistema lineal A·x = b con A en banda: `inferiores` diagonales bajo la principal y `superiores`
// sobre ella, índices 1-basados. Se resuelve por eliminación de Gauss con pivoteo parcial dentro
// de la banda (un intercambio de filas ensancha el perfil superior hasta inferiores + superiores
// diagonales), en tiempo y memoria proporcionales a n.
#pragma once

#include <vector>

namespace vertana {

class SistemaBanda {
public:
    SistemaBanda(int n, int inferiores, int superiores);

    int Tamano() const { return n_; }
    // Elemento (i, j) con i − inferiores ≤ j ≤ i + superiores.
    double& operator()(int i, int j);

    // Resuelve en el sitio: b (b[i − 1] es la fila i) queda con x. false si una columna no tiene
    // pivote distinto de 0 o x no es finito; A queda factorizada y b sin definir.
    bool Resolver(std::vector<double>& b);

private:
    double& En(int i, int j);

    int n_, inferiores_, superiores_, ancho_;
    std::vector<double> a_; // fila i: columnas i − inferiores .. i + superiores + inferiores
};

} // namespace vertana
