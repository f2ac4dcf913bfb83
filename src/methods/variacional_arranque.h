// Valores de partida automáticos del método variacional: el sistema (xc, yc, F, σ1..σnd) se
// resuelve sin que la persona dé xc, yc, FS ni σo.
//
// 1. Partida: F y las σ de la base de la solución de Spencer (o, sin ella, de Morgenstern-Price)
//    de las mismas dovelas: σ_i = N_i·cos α_i/b_i; una base con σ − u < −c/tan φ parte de ese
//    mínimo. σo en la cresta: donde la superficie sale al talud (borde de altura nula), la
//    presión de poros de la primera dovela, máx(0, u): sin columna encima, el esfuerzo efectivo
//    es nulo; bajo una grieta, la σ rigurosa extrapolada linealmente al borde de la corona desde
//    las dos primeras dovelas (el esfuerzo bajo la columna), no menos que u − c/tan φ de la
//    primera dovela. Sin solución rigurosa, F = FSInicial, σo = máx(0, u de la primera dovela) y
//    las σ de la primera solución (la ecuación diferencial con xc, yc, F dados).
// 2. Puntos (xc, yc), en este orden, con L la extensión horizontal de la superficie, xm su punto
//    medio e yt el punto más alto del talud sobre ella:
//      (xm, yt + L/2), (xm, yt + L), (xm − L/4, yt + L/2), (xm, yt + L/4), (xm − L/4, yt + L),
//      (xm + L/4, yt + L/2)
//    (abscisas decrecientes hacia el pie: xm − L/4 queda del lado del pie).
// 3. Desde cada punto, pasos de Newton amortiguados: Δ del sistema en banda; se toma z + t·Δ
//    con el mayor t = 1, 1/2, 1/4, ... (≥ 1/1024) que cumple la ley de Mohr-Coulomb en todas
//    las dovelas (σ − u ≥ −c/tan φ) y baja la suma de los cuadrados de los residuos escalados
//    (filas de dovela por la mayor |R|; ΣH, ΣV por el peso total; ΣM por el peso total por L).
//    Converge cuando |ΣH|, |ΣV| ≤ 0.001, |ΣM| ≤ 0.009 (las tolerancias del método) y las filas
//    de dovela no pasan de 10⁻⁸ por su escala.
// 4. Continuación: si ningún punto converge, desde el de menor residuo se resuelve
//    G(z) = (1 − s)·G(z0) con s de 0 a 1 en pasos que se acortan a la mitad cuando Newton no
//    converge (a lo sumo 64 pasos de s) y, con s = 1, se termina como en 3.
// Todo está acotado: a lo sumo `maximoIteraciones` iteraciones por punto (las de la historia).
#pragma once

#include "methods/rigurosos.h"
#include "methods/variacional_sistema.h"

#include <vector>

namespace vertana {

struct ArranqueVariacional {
    bool Convergio = false;
    double SigmaCresta = 0.0; // σo con que se resolvió
    // Iteraciones del punto que convergió (la primera es la partida): z = (xc, yc, F, σ).
    std::vector<std::vector<double>> Iteraciones;
    int PuntosProbados = 0;    // puntos (xc, yc) desde los que se iteró
    bool Continuacion = false; // hizo falta la continuación
    // La solución rigurosa de la partida (Spencer o Morgenstern-Price); sin ella, Estado no es
    // Convergio.
    SolucionRigurosa Rigurosa;
};

// `datos`, las dovelas (su σo no se usa); `problema`, las mismas dovelas para el método riguroso;
// `factorSinRiguroso`, F de partida si no hay solución rigurosa.
ArranqueVariacional ResolverConPartidaAutomatica(DatosVariacional datos,
                                                 const ProblemaRiguroso& problema,
                                                 double factorSinRiguroso, int maximoIteraciones);

// Las tres sumas dentro de las tolerancias del método (inclusivas).
bool SumasConvergidas(const SumasEquilibrio& s);

// Primera dovela (1..nd) con σ − u < −c/tan φ; 0 si todas cumplen.
int DovelaSinResistencia(const DatosVariacional& datos, const std::vector<double>& sigma);

} // namespace vertana
