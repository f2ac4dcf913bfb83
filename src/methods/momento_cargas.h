// Cargas sobre las dovelas (uniformes, puntuales y agua de la grieta de tracción) y su momento
// respecto del centro de momentos. Comunes a Fellenius, Bishop y Janbu.
#pragma once

#include "geometry/estado_calculo.h"
#include "model/proyecto.h"

namespace vertana {

// La carga uniforme j cubre la abscisa x (centro de la dovela): Xo ≤ x ≤ Xf, tomando el
// intervalo en cualquier orden en que se hayan dado sus extremos.
bool CargaUniformeCubre(const Proyecto& p, int j, double x);

// La carga puntual j actúa sobre la dovela s. Fellenius y Bishop: borde s + 1 < X ≤ borde s (una
// carga sobre el borde s va a la dovela s, no a la s − 1). Janbu (ambosExtremos): borde s + 1 ≤ X ≤
// borde s, de modo que una carga sobre un borde cuenta en las dos dovelas vecinas.
bool CargaPuntualEnDovela(const Proyecto& p, const EstadoCalculo& e, int j, int s,
                          bool ambosExtremos = false);

// Momento del agua de la grieta respecto de (xr, yr): empuje ½·(NFg − y2g)² (AlturaAguaGrieta)
// por su brazo yr − (y2g + (NFg − y2g)/3).
double MomentoAguaGrieta(const Proyecto& p, double yr);

// MomentoCargasDovela: lo que las cargas de la dovela s suman al momento motor respecto de
// (xm, ym), el centro del círculo en un círculo único.
//   uniformes que cubren el centro xs: círculo  −dx·qx·tanβ·(ym − yt) + dx·qy·(xs − xm)
//                                       compuesta +dx·qx·tanβ·(yt − ym) + dx·qy·(xs − xm)
//   puntuales dentro de la dovela:     círculo  (X − xm)·Py − (ym − Y)·Px
//                                       compuesta (X − xm)·Py + (Y − ym)·Px
//   y, con la dovela 1, el momento del agua de la grieta (una vez para toda la superficie).
double MomentoCargasDovela(const Proyecto& p, const EstadoCalculo& e, double xm, double ym, int s,
                           bool circulo);

} // namespace vertana
