// Sistema del método variacional para suelos (dos multiplicadores de Lagrange): la ecuación
// diferencial del esfuerzo normal σ a lo largo de la superficie de falla discretizada en los
// centros de las dovelas, las tres sumas de equilibrio global, el jacobiano de Newton-Raphson y
// la inversión de Gauss-Jordan sin intercambio de filas.
//
// Incógnitas z = (xc, yc, F, σ1..σnd), con xc = µ1/µ2 e yc = 1/µ2. En el centro de la dovela i:
//   L·dσ/dx + 2·tan φ·σ = R,
//   L = (y − yc)·F + (x − xc)·tan φ,
//   R = [(1 + kv)·γ̄·F + g·tan φ]·(x − xc) + 2·tan φ·u − 2·c − kh·F·γ̄·(y − yc),
// con σ = σo en la cresta (nodo 0). La derivada es la de tres puntos con espaciados desiguales
// (h1 = b1/2, hi = (b(i−1) + bi)/2) en las dovelas 1..nd−1 y la de cuatro puntos hacia atrás
// (polinomio de Lagrange cúbico por los centros nd−3..nd) en la última.
#pragma once

#include "geometry/estado_calculo.h"
#include "model/proyecto.h"

#include <vector>

namespace vertana {

// Datos fijos de una dovela para el método variacional.
struct DovelaVariacional {
    double b = 0.0;     // ancho (m)
    double x = 0.0;     // abscisa del centro de la base (m)
    double y = 0.0;     // ordenada del centro de la base (m)
    double t = 0.0;     // ordenada del talud sobre el centro (m)
    double w = 0.0;     // ordenada del agua sobre el centro; t si no hay agua sobre el talud (m)
    double gamma = 0.0; // γ del material (ton/m3)
    double gammaMedio = 0.0; // γ̄ de la columna, con el agua libre si la hay (ton/m3)
    double q = 0.0;          // agua libre sobre el talud como carga (ton/m2)
    double u = 0.0;          // presión de poros en la base (ton/m2)
    double c = 0.0;          // cohesión (ton/m2)
    double T = 0.0;          // tan φ
    double m = 0.0;          // pendiente de la cuerda de la base
    double s = 0.0;          // pendiente del talud sobre la dovela
    double g = 0.0;          // término del gradiente de la presión de agua (ton/m3)
    double W = 0.0;          // peso de la columna por metro de ancho: (t − y)·γ + q (ton/m2)
    double h = 0.0;          // espaciado desde el centro anterior (o la cresta) (m)
    // Cargas de la dovela, ya sumadas (sin el factor F):
    // Px y qx son positivas hacia las x crecientes (comprimen el talud), Py y qy hacia abajo.
    double cargaH = 0.0; // Σ qx·b·s + Σ Px
    double cargaV = 0.0; // Σ qy·b + Σ Py
    double cargaM = 0.0; // Σ (t·qx·s + x·qy)·b + Σ (xp·Py + yp·Px)
};

struct DatosVariacional {
    std::vector<DovelaVariacional> d; // dovelas 1..nd en d[0..nd−1]
    double kh = 0.0, kv = 0.0;
    double sigmaCresta = 0.0;  // σo (ton/m2)
    double empujeGrieta = 0.0; // Uc = ½·(yw,c − y2)² (ton/m)
    double brazoGrieta = 0.0;  // y2 + (yw,c − y2)/3 (m)
    int Dovelas() const { return static_cast<int>(d.size()); }
    const DovelaVariacional& operator()(int i) const { return d[static_cast<std::size_t>(i - 1)]; }
};

// Menor número de dovelas: la ecuación de la última usa los centros nd−3..nd.
constexpr int MinimoDovelasVariacional = 4;

// Reúne los datos de las dovelas (preparación ya hecha). desembalse: la persona declaró
// desembalse rápido (γ̄ = γ aun con agua sobre el talud). Una carga uniforme actúa sobre la
// dovela i si Xo ≤ xi ≤ Xf; una puntual si X(i+1) ≤ xp ≤ Xi (en un borde, en las dos dovelas).
DatosVariacional DatosDeDovelas(const Proyecto& p, const EstadoCalculo& e, bool desembalse);

// Matriz densa 1-basada de n × n.
using Matriz = std::vector<std::vector<double>>;
Matriz MatrizNula(int n);

// Inversión de Gauss-Jordan sobre [M | I], sin intercambio de filas: en la columna p el
// determinante acumulado se multiplica por el pivote M(p, p); si da exactamente 0 devuelve false.
bool InvertirGaussJordan(const Matriz& M, Matriz& inversa);

// Primera solución: matriz A y vector B de la ecuación diferencial para xc, yc, F dados y
// σ = σo en la cresta. Devuelve false si A es singular en el sentido de InvertirGaussJordan.
bool PrimeraSolucion(const DatosVariacional& datos, double xc, double yc, double F,
                     std::vector<double>& sigma);

// Sumas de equilibrio de la masa deslizante con F y σ (σ[i−1] en la dovela i): fuerzas
// horizontales, verticales y momentos respecto del origen (antihorario positivo).
struct SumasEquilibrio {
    double H = 0.0, V = 0.0, M = 0.0;
};
SumasEquilibrio SumasDeEquilibrio(const DatosVariacional& datos, double F,
                                  const std::vector<double>& sigma);

// Residuos G (tamaño nd + 3, índice 0-basado): G_i = B_i − (A·σ)_i, i = 1..nd, y ΣH, ΣV, ΣM.
// z = (xc, yc, F, σ1..σnd) en z[0..nd+2].
std::vector<double> ResiduosVariacionales(const DatosVariacional& datos,
                                          const std::vector<double>& z);

// Jacobiano analítico ∂G/∂z, (nd + 3) × (nd + 3), 1-basado.
Matriz JacobianoVariacional(const DatosVariacional& datos, const std::vector<double>& z);

// Las mismas derivadas que JacobianoVariacional, por piezas y sólo las no nulas, para armar el
// jacobiano sin la matriz densa. sigma: σ1..σnd en sigma[0..nd−1].
// Fila de la dovela i (1..nd): ∂G_i/∂(xc, yc, F) y ∂G_i/∂σ_j en las columnas σ de la derivada
// discreta (i − 1..i + 1; nd − 3..nd en la última; la cresta no es incógnita).
struct FilaJacobianoDovela {
    double globales[3] = {0.0, 0.0, 0.0};
    int columnas[4] = {0, 0, 0, 0}; // j de σ_j
    double valores[4] = {0.0, 0.0, 0.0, 0.0};
    int cuantos = 0;
};
FilaJacobianoDovela FilaJacobianoDeDovela(const DatosVariacional& datos, double xc, double yc,
                                          double F, const std::vector<double>& sigma, int i);
// ∂(ΣH, ΣV, ΣM)/∂F (las sumas no dependen de xc ni de yc).
SumasEquilibrio DerivadasSumasRespectoDeF(const DatosVariacional& datos,
                                          const std::vector<double>& sigma);
// ∂(ΣH, ΣV, ΣM)/∂σ_j, j = 1..nd.
SumasEquilibrio DerivadasSumasRespectoDeSigma(const DatosVariacional& datos, double F, int j);

} // namespace vertana
