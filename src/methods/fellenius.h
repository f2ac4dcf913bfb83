// Método de Fellenius (ordinario de dovelas) para suelos.
#pragma once

#include "geometry/estado_calculo.h"
#include "methods/datos_metodo.h"
#include "model/interaccion.h"
#include "model/proyecto.h"

namespace vertana {

// Factor de seguridad de Fellenius sobre la tabla de dovelas ya preparada, sin mensajes.
// N = (1 + kv)·W·cos α − kh·W·sin α (+ cargas); S = (N − u·l)·tan φ + c·l, l = dx/cos α.
// Círculo único (centro xo, yo, radio R): FS = R·ΣS / Σ[(1 + kv)·W·R·sin α + kh·W·(yo − ym_s)
// + momentos de las cargas], ym_s la ordenada media de la dovela, con el agua de la grieta
// −hw·sin α1·tan φ1 en ΣS. Compuesta: momentos respecto de xm = (xmáx + xmín)/2,
// ym = 1.5·y1 (punto 1 de la superficie de falla).
struct SolucionFellenius {
    double FS = 0.0;
    double SumaMomentosMotores = 0.0;
    Tabla<double> alfa, N;
};
SolucionFellenius CalcularFellenius(const Proyecto& p, const EstadoCalculo& e);

// Orden MétodoFellenius: comprobaciones y preguntas, preparación, cálculo y resultados en el
// proyecto (esfuerzos, sumas, NumeroIteraciones = 1, HistoriaFS(1) = FS, HayResultados).
ResultadoMetodo MetodoFellenius(Proyecto& p, EstadoCalculo& e, Interaccion& ui);

} // namespace vertana
