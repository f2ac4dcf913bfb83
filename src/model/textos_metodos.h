// Catálogo de textos: parte de metodos. Se incluye desde model/textos.h.
// Preguntas y mensajes de los métodos de Fellenius, Bishop y Janbu para suelos.
#pragma once

namespace vertana::textos {

// Comprobaciones comunes a los métodos.
inline constexpr char PreguntaDesembalseRapido[] =
    "Está analizando desembalse rápido en presas de tierra?";
inline constexpr char PreguntaRecalcular[] = "El cálculo ya está hecho, ¿Desea recalcular?";
inline constexpr char TituloNoEsSuelo[] = "No es SUELO:";
inline constexpr char MaterialEsRoca[] = "Ud. ha considerado el material como una 'ROCA'";
inline constexpr char MaterialEsRocaSinInstantaneos[] =
    "Ud. ha considerado el material como una 'ROCA' y no calculará por este método a menos que "
    "Ud. seleccione parámetros instantáneos.";
inline constexpr char TituloNoEsMetodo[] = "No es el METODO:";
inline constexpr char MetodoNoSeleccionado[] = "Ud. no ha seleccionado este método de cálculo";
// TituloOjoPelao ("OJO PELAO con este mensaje:") está en textos_dialogos.h.
inline constexpr char GrietaNoCoincideConFalla[] =
    "Las coordenadas del segundo pto de la grieta deben ser exactamente iguales a las "
    "coordenadas del primer punto de la superficie de falla, por favor revise las coordenadas de "
    "la superficie de falla y las coordenadas de la grieta.";
inline constexpr char FreaticoGrietaNoCoincide[] =
    "Las coordenadas del N.F en la grieta deben ser exactamente iguales a la primera coordenada "
    "del N.F que Ud debe dar. Por favor revise las coordenadas del N.F y la coordenada del N.F en "
    "la grieta.";
inline constexpr char TituloNoEsElCamino[] = "No es el camino:";
inline constexpr char ProblemaDeInstantaneos[] =
    "Este problema corresponde al método de parámetros instantáneos por favor seleccione:Suelos o "
    "Rocas (parámetros instantáneos c,fi). ";
inline constexpr char PreguntaContinuarInstantaneos[] =
    "Ud. está calculando por el método de parámetros instantáneos. ¿Desea continuar el cálculo?";

// Mensajes finales.
inline constexpr char FinFellenius[] =
    "Se finalizó el cálculo de esfuerzos y factor de seguridad, por el método de Fellenius para "
    "suelos.";
inline constexpr char FinBishop[] =
    "Se finalizó el cálculo de esfuerzos y factor de seguridad, por el método de Bishop para "
    "suelos.";
inline constexpr char FinJanbu[] =
    "Se finalizó el cálculo de esfuerzos y factor de seguridad, por el método de Janbu para "
    "suelos.";

// Chequeos de dovela de Bishop.
inline constexpr char PreguntaEsfuerzoEfectivoNulo[] =
    "Existe alguna dovela donde el esfuerzo efectivo se hace cero o menor que cero. Problamente "
    "las presiones de poros son elevadas en esa dovela.  Puede reajustar las presiones de poros "
    "en el menú Equilibrio Límite en la opción 'Cambio de parámetros de resistencia' o  aplique "
    "otro método y compare resultados. Si desea que el programa continúe  y no ver más este "
    "mensaje para otra dovela presione <SI> y Si desea salir del cálculo  presione <NO> .?";
inline constexpr char PreguntaAnguloDovela[] =
    "Alguna dovela no cumple con ciertas condiciones de angulos o dimensiones. Cambie las "
    "dimensiones de las dovelas o geometría de la SPF, y si aún con este cambio no se obtiene el "
    "chequeo, entonces abandone el análisis por este método. Si desea que el programa continúe  y "
    "no ver más este mensaje para otra dovela presione <SI> y Si desea salir del cálculo  "
    "presione <NO> .?";

// Janbu: alturas de la línea de empuje y Form17.
inline constexpr char PreguntaProgramaFijaHt[] =
    "Desea que sea el programa el que fije la altura de aplicación de las fuerzas laterales?";
inline constexpr char TituloForm17[] = "Valores de ht";
inline constexpr char PreguntaEsLaSolucion[] = "¿Considera que es la solución?";
inline constexpr char PreguntaSalirDelCalculo[] = "¿Desea salir del cálculo?";
inline constexpr char DebeIntroducirNumeroHt[] = "Debe introducir un número para los nuevo ht";
inline constexpr char TituloValoresDeHt[] = "Valores de ht";
inline constexpr char FaltanValoresHt[] =
    "Faltan datos. Debe introducir los valores deseados para todos y cada una de las dovelas";
inline constexpr char HtIncorrectos[] =
    "Parece que Ud. va  a trabajar con ht que no pueden ser correctos";
inline constexpr char PreguntaUsarNuevosHt[] =
    "Ud. desea utilizar los nuevos valores  de ht para el cálculo?";
inline constexpr char CaptionModificarHt[] = "Modificar  Agregar";

// Límites del cálculo (mensajes propios).
inline constexpr char TituloLimiteCalculo[] = "Límite del cálculo:";
inline constexpr char BishopSinConvergencia[] =
    "El método de Bishop no convergió en 200 iteraciones (el factor de seguridad cambia 0.001 o "
    "más entre pasos). Revise la geometría de la superficie de falla, las presiones de poros o el "
    "factor de seguridad inicial. No se guardaron resultados.";
inline constexpr char HistoriaLlena[] =
    "Se alcanzó el máximo de 100 factores de seguridad en la historia de las iteraciones sin "
    "convergencia. Revise los datos o los valores de ht. No se guardaron resultados.";
inline constexpr char BusquedaRadioLlena[] =
    "La búsqueda del radio alcanzó el máximo de ensayos que caben en la historia de las "
    "iteraciones; se toma el radio del menor factor de seguridad hallado.";
inline constexpr char MomentoMotorNulo[] =
    "La suma de los momentos motores es nula: la masa deslizante no tiende a moverse y el factor "
    "de seguridad no está definido. Revise la superficie de falla y las cargas. No se guardaron "
    "resultados.";
inline constexpr char FactorNoPositivo[] =
    "El factor de seguridad calculado es cero o negativo: la masa no tiende a deslizar hacia el "
    "pie o el centro de momentos no sirve para esta superficie (en una superficie compuesta, el "
    "centro guardado en los parámetros de cálculo). Revise la superficie de falla, el centro y "
    "las cargas. No se guardaron resultados.";
inline constexpr char FactorNoFinito[] =
    "El factor de seguridad calculado no es un número finito. Revise la geometría de la "
    "superficie de falla y las propiedades de los estratos. No se guardaron resultados.";

// Método variacional (Leshchinsky y Ching-Chuan Huang) para suelos.
inline constexpr char FinVariacional[] =
    "Se finalizó el cálculo de esfuerzos y factor de seguridad, por el método de Leshchinsky and "
    "Ching-Chuan Huang para suelos.";
inline constexpr char NoChequeaMohrCoulomb[] =
    "No chequea la resistencia de Morh-Coulomb. Varie los valores de xc, yc, FS o del sigma "
    "inicial";
inline constexpr char TituloChequeoResistencia[] = "Chequeo de Resistencia";
inline constexpr char NoChequeaLeyResistencia[] =
    "No chequea la ley de resistencia. Varie los multiplicadores de Lagrange, el factor de "
    "seguridad inicial o el esfuerzo incial en la cresta del talud.";
inline constexpr char TituloParametrosInciales[] = "Parámetros inciales";
inline constexpr char DeterminanteNulo[] = "Determinante = 0, ordene la matriz";
inline constexpr char TituloEnCalculo[] = "En cálculo";
inline constexpr char PocasDovelasVariacional[] =
    "El método variacional necesita al menos 4 dovelas: la ecuación de la última dovela usa los "
    "centros de las cuatro últimas. Aumente el número de dovelas en los parámetros de cálculo.";
inline constexpr char HistoriaVariacionalLlena[] =
    "Se alcanzaron 100 iteraciones sin que las sumas de fuerzas y momentos llegaran a la "
    "tolerancia. La historia guarda hasta la iteración 100; no se guardaron resultados. Varie los "
    "valores iniciales de xc, yc, FS o del sigma inicial.";

// Nombres de los métodos en los resultados.
inline constexpr char NombreMetodoVariacional[] = "Leshchinsky y Huang (variacional)";
inline constexpr char NombreMetodoBishop[] = "Bishop";
inline constexpr char NombreMetodoFellenius[] = "Fellenius";
inline constexpr char NombreMetodoJanbu[] = "Janbu";
inline constexpr char NombreMetodoSinDefinir[] = "Sin definir";

} // namespace vertana::textos
