// Admisibilidad estática de la solución de un método: las fuerzas entre dovelas implícitas en
// los esfuerzos de la base que el método deja (σ y τ por dovela) y el aviso que se da cuando
// alguna fuerza normal entre dovelas es de tracción o la línea de empuje sale de la masa.
#pragma once

#include "geometry/estado_calculo.h"
#include "methods/datos_metodo.h"
#include "methods/rigurosos.h"
#include "model/interaccion.h"
#include "model/proyecto.h"

#include <optional>
#include <string>
#include <vector>

namespace vertana {

// Fuerzas entre dovelas por el equilibrio de las dovelas desde la corona, con las fuerzas
// exteriores de `problema` y, en la base de cada dovela i, la fuerza normal N[i − 1] y la de
// corte S[i − 1] (hacia la corona, contra el deslizamiento): en el borde j, E_j y X_j son las
// fuerzas que la masa de la corona (dovelas 1..j) recibe del resto, y la altura de su línea de
// empuje sale del momento de esa masa. Llena E, X, AlturaEmpuje, FuerzaNormal y FuerzaCorte (los
// demás campos quedan sin calcular). En el pie quedan, como residuo, lo que a la solución le
// falta para el equilibrio de toda la masa.
SolucionRigurosa FuerzasImplicitas(const ProblemaRiguroso& problema, const std::vector<double>& N,
                                   const std::vector<double>& S);

// Fuerzas de la base de los esfuerzos que el último cálculo escribió en el proyecto:
// N = σ·l, S = τ·l, l = b/cos α.
SolucionRigurosa FuerzasImplicitasDelProyecto(const Proyecto& p, const ProblemaRiguroso& problema);

// El aviso que se muestra con el resultado, o nada si la solución es admisible.
std::optional<std::string> AvisoDeAdmisibilidad(const AdmisibilidadRigurosa& a);

// Comprobación completa de los resultados del último cálculo (Janbu o variacional): las fuerzas
// implícitas y, si no es admisible, el aviso.
std::optional<std::string> AdmisibilidadDelResultado(const Proyecto& p, const EstadoCalculo& e);

// Tras escribir los resultados y antes del mensaje final: si la solución no es admisible,
// muestra el aviso (título "Admisibilidad estática:") y lo devuelve para el resultado.
std::vector<std::string> AvisarAdmisibilidad(const Proyecto& p, const EstadoCalculo& e,
                                             Interaccion& ui);

} // namespace vertana
