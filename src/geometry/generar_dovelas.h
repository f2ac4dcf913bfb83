// Bordes y centros de las dovelas, y la ordenada de la superficie de falla en ellos.
#pragma once

#include "geometry/estado_calculo.h"
#include "model/interaccion.h"
#include "model/proyecto.h"

namespace vertana {

// Un resto de zona más angosto que esto no forma dovela: se suma a la dovela anterior.
constexpr double AnchoMinimoResto = 1e-6; // m
// Un último centro a menos de esto de la última zona se descarta (dovela de ancho nulo).
constexpr double ToleranciaUltimoCentro = 0.001; // m

// Lee las zonas y NumeroDovelas; ancho nominal w = (AbscisaMaximaSPF − AbscisaMinimaSPF)/ND.
// Cada zona (b_k, b_(k+1)) se divide en dovelas de ancho w desde b_k más una dovela con el resto;
// toda abscisa de zona es un borde. Escribe AbscisaBordeDovela, OrdenadaBordeDovela (tabla de
// dovelas), NumeroPuntosDovelas, AbscisaCentroDovela y OrdenadaCentroDovela (proyecto); con
// CentroFijo deja en ceros, con N − 1 entradas, las tablas por dovela del proyecto que cambian
// de tamaño entre tanteos. Pone DovelasConstruidas.
ResultadoPreparacion GenerarDovelas(Proyecto& p, EstadoCalculo& e, Interaccion& ui);

} // namespace vertana
