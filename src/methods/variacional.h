// Método variacional de equilibrio límite para suelos (Leshchinsky y Ching-Chuan Huang): la
// distribución del esfuerzo normal σ en la superficie de falla y el factor de seguridad por
// Newton-Raphson sobre (xc, yc, F, σ1..σnd). El sistema está en methods/variacional_sistema.h.
#pragma once

#include "geometry/estado_calculo.h"
#include "methods/datos_metodo.h"
#include "model/interaccion.h"
#include "model/proyecto.h"

namespace vertana {

// Tolerancias de convergencia (inclusivas) de las tres sumas de equilibrio.
constexpr double ToleranciaFuerzasVariacional = 0.001;  // |ΣH|, |ΣV| (ton/m)
constexpr double ToleranciaMomentosVariacional = 0.009; // |ΣM| (ton·m/m)
// Iteraciones que caben en la historia (k = 1..100).
constexpr int MaximoIteracionesVariacional = 100;

// Común a los métodos variacionales de suelos y de rocas: el método del proyecto debe ser el
// variacional (si no, el aviso "no ha seleccionado este método" y false); la historia de
// MaximoIteracionesVariacional iteraciones, con `filasEsfuerzos` esfuerzos por iteración.
bool ComprobarMetodoVariacional(const Proyecto& p, Interaccion& ui);
void PrepararHistoriaVariacional(Proyecto& p, EstadoCalculo& e, int filasEsfuerzos);

// Orden ProcesoIterativoEnSuelos. Lee el proyecto (xc, yc, FS y σo iniciales, sismo, grieta,
// cargas) y la tabla de dovelas; escribe la historia (NumeroIteraciones, HistoriaMu1Mu2,
// HistoriaInversaMu2, HistoriaFS), en el estado del cálculo las tres sumas, SigmaMinimoDovela y
// HistoriaEsfuerzosNormales y, al terminar con
// resultados, EsfuerzoNormalDovela = σ, EsfuerzoEfectivoDovela = σ − u,
// EsfuerzoTangencialDovela = ((σ − u)·tan φ + c)/F, sus sumas y HayResultados.
// Tras cada paso abre form9 (Interaccion::ResultadosDeLasIteraciones); si un paso deja una
// dovela con σ − u < −c/tan φ, anota DovelaSinChequeo y abre Form13
// (Interaccion::ChequeoDeEsfuerzos), cuyos esfuerzos quedan en SigmasUsuario para el cálculo
// siguiente. Un proyecto de parámetros instantáneos sólo se calcula desde su orden
// (calculo/calculo_instantaneo.h), con la c y la φ de cada dovela.
ResultadoMetodo ProcesoIterativoEnSuelos(Proyecto& p, EstadoCalculo& e, Interaccion& ui);

} // namespace vertana
