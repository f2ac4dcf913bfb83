// Superficie de falla de trabajo: la poligonal de la superficie potencial de falla (o el círculo
// único dividido en arcos de menos de 1 m), el centro de sus arcos y sus cruces con las líneas
// de los estratos.
#pragma once

#include "geometry/estado_calculo.h"
#include "model/interaccion.h"
#include "model/proyecto.h"

namespace vertana {

// Arcos del círculo único: el menor k ≥ 1 con (X1 − X2)/k < 1 m.
constexpr double LongitudMaximaArco = 1.0; // m

// Lee los puntos y las uniones de la superficie de falla, el radio y el centro del círculo y las
// líneas de los estratos; escribe en el estado la poligonal de trabajo (AbscisasSPF,
// OrdenadasSPF, TipoTramoSPF), las uniones en vigor, RadioDeTrabajo y los cruces con los
// estratos, y pone SuperficieConstruida. Un círculo único se divide en k arcos iguales en x:
// x_i = x_(i−1) − Δ/k, y_i = yo − √(R² − (x_i − xo)²).
ResultadoPreparacion ConstruirSPF(Proyecto& p, EstadoCalculo& e, Interaccion& ui);

// Centro del círculo único. Guarda la cuerda en CuerdaCirculo; si su mitad supera el radio abre
// el diálogo de parámetros de cálculo. Con CentroCirculoYGuardado > 0 toma el centro guardado;
// con < 0 deja el centro; con 0 lo construye (ConstruirCentroCirculo), aumentando el radio de
// medio en medio metro mientras el centro quede por debajo del punto 1.
ResultadoPreparacion CentroCirculoSimple(Proyecto& p, EstadoCalculo& e, Interaccion& ui);

// Centro (CentroCirculoX, CentroCirculoY) y RadioDeTrabajo del arco "C" entre los puntos de
// trabajo p1 y p2 = p1 + 1 de una superficie compuesta, tangente al tramo vecino:
// δ = |atan m_cuerda − atan m_vecino|, R = c/(2·sen δ), y el centro por Newton-Raphson sobre
// F_i = (X_i − xo)² + (Y_i − yo)² − R². Con el jacobiano singular muestra "Determinante =0,
// Ordene la matriz" y deja el centro como estaba.
ResultadoPreparacion CentroArcoTangente(Proyecto& p, EstadoCalculo& e, Interaccion& ui, int p1,
                                        int p2);

// Abscisa del cruce del tramo de trabajo a → b (unión d, pendiente m1) con el tramo j → j + 1 de
// la línea del estrato i (pendiente m2); la guarda en AbscisaInterseccion(NumeroIntersecciones).
ResultadoPreparacion InterseccionSPFEstrato(Proyecto& p, EstadoCalculo& e, Interaccion& ui,
                                            double& m2, double& m1, int a, int b, int j, int i,
                                            int d);

// Ordenada de la unión d (pendiente s, sólo para "L") en el borde k (modo 1, la guarda en
// OrdenadaBordeDovela(k)) o en el centro de la dovela k (modo 2, en OrdenadaCentroDovela(k)).
constexpr int ModoBorde = 1;
constexpr int ModoCentro = 2;
ResultadoPreparacion OrdenadaSPF(Proyecto& p, EstadoCalculo& e, Interaccion& ui, double s, int d,
                                 int k, int modo);

// Ordenada de la unión d en la abscisa x (la usa OrdenadaSPF).
ResultadoPreparacion OrdenadaEnUnion(Proyecto& p, EstadoCalculo& e, Interaccion& ui, double s,
                                     int d, double x, double& y);

// Polinomio de Lagrange por los puntos de trabajo inicio..fin, evaluado en x.
double PolinomioSPF(const EstadoCalculo& e, int inicio, int fin, double x);

// Pendiente de la unión d, de su primer a su último punto (un tramo vertical se inclina).
double PendienteUnion(const EstadoCalculo& e, int d);

} // namespace vertana
