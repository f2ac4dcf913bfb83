// Catálogo de textos: resultados del cálculo, calculadora de anclajes y último cálculo de la
// ventana principal. Se incluye desde model/textos.h.
#pragma once

namespace vertana::textos {

// Menú de presentación de resultados.
inline constexpr char TituloResultadosSoloSuelos[] = "Esta presentación es para SUELOS:";
inline constexpr char AvisoResultadosSeleccionoRoca[] =
    "Ud ha seleccionado la opción 'ROCA' en los parámetros iniciales  ";
inline constexpr char TituloSinCalculoCompleto[] = "No ha hecho el cálculo completo de esfuerzos:";
inline constexpr char RealiceElCalculoParaVerResultados[] =
    "Realice el cálculo para ver resultados  ";

// Form14 "Resultados del suelo".
inline constexpr char TituloForm14[] = "Resultados del suelo";
inline constexpr char MarcoResultadosSuelos[] = "Resultados del cálculo para suelos";
inline constexpr const char* ColumnasResultadosSuelos[] = {
    "No",         "dx (m)",      "xo (m)",      "yt (m)",       "yo (m)",        "u (ton/m2)",
    "c (ton/m2)", "fi (grados)", "pu (ton/m3)", "sig (ton/m2)", "sige (ton/m2)", "tau (ton/m2)"};
inline constexpr char EtiquetaMultiplicadorMu1Mu2[] = "Primer multiplicador µ1/µ2 (m):";
inline constexpr char EtiquetaMultiplicadorInversaMu2[] = "Segundo multiplicador 1/µ2 (m):";
inline constexpr char EtiquetaFactorDeSeguridad[] = "Factor de seguridad:";
inline constexpr char EtiquetaSumaNormalesTotales[] =
    "Suma de esfuerzos normales totales (ton/m2):";
inline constexpr char EtiquetaSumaNormalesEfectivos[] =
    "Suma de esfuerzos normales efectivos (ton/m2):";
inline constexpr char EtiquetaSumaTangenciales[] = "Suma de esfuerzos tangenciales (ton/m2):";

// Calculadora de anclajes (Form14 y Form12).
inline constexpr char MarcoAnclajes[] = "Anclajes: separación aproximada en la cara del talud";
inline constexpr char EtiquetaFactorConAnclaje[] = "(FS)a: factor de seguridad con anclajes:";
inline constexpr char EtiquetaInclinacionAnclajes[] = "i (º): inclinación (positiva hacia abajo):";
inline constexpr char EtiquetaDiametroAnclajes[] = "d (pulg): diámetro de barras o guayas:";
inline constexpr char EtiquetaEsfuerzoRotura[] = "Esf_u (Kg/cm2): resistencia última:";
inline constexpr char EtiquetaNumeroGuayas[] = "Ng: barras o guayas por anclaje:";
inline constexpr char EtiquetaSeparacionActivos[] = "Sa (m): separación, caso activo:";
inline constexpr char EtiquetaSeparacionPasivos[] = "Sp (m): separación, caso pasivo:";
inline constexpr char BotonCalcularAnclajes[] = "Aceptar";
inline constexpr char AyudaBotonAnclajes[] = "Calcula la separación de los anclajes";

// Comprobaciones de la calculadora de anclajes, en su orden.
inline constexpr char AnclajesSinSumas[] =
    "Debe hacer el cálculo de nuevo para poder obtener la suma de los esfuerzos normales, "
    "tangenciales ó principoales";
inline constexpr char AnclajesFactorDeseado[] =
    "Debe introducir un valor mayor al factor de seguridad calculado para este factor de "
    "seguridad que tendrá el talud anclado ó presione Cancelar para salirse";
inline constexpr char AnclajesDiametro[] =
    "Debe introducir un número para definir el diámetro de las guayas o barras de los anclajes en "
    "pulgadas o presione cancelar para salirse";
inline constexpr char AnclajesInclinacion[] =
    "Debe introducir un número para definir la inclinación que tendrá los anclajes. Su valor será "
    "positivo si éste está orientado por debajo de la horizontal. Presione cancelar sino no desea "
    "calcular anclajes.";
inline constexpr char AnclajesRotura[] =
    "Debe introducir un número para definir el esfuerzo de rotura de las barras o guayas de los "
    "anclajes. ESte valor debe estar en Kg/cm2. Presione cancelar sino desea calcular anclajes.";
inline constexpr char AnclajesGuayas[] =
    "Debe introducir un número para definir el número de barras o guayas que existirá en un "
    "anclaje. Presione cancelar si no desea calcular anclajes.";
// Casos en que la regla no da una separación.
inline constexpr char AnclajesSinFriccionDeDovelas[] =
    "Los resultados no tienen el ángulo de fricción de todas las dovelas: realice el cálculo de "
    "nuevo para calcular anclajes.";
inline constexpr char AnclajesNoHacenFalta[] =
    "El factor de seguridad pedido es igual al calculado: el talud no necesita anclajes para "
    "alcanzarlo.";
inline constexpr char AnclajesTaludPlano[] =
    "La cara del talud no tiene inclinación hacia el pie de la superficie de falla: no hay una "
    "separación de anclajes en ella.";
inline constexpr char AnclajesSinSeparacion[] =
    "Con estos datos no resulta una separación de anclajes positiva: revise la inclinación de los "
    "anclajes y la geometría del talud y de la superficie de falla.";

// Último cálculo en la barra de estado de la ventana principal.
inline constexpr char UltimoCalculoNinguno[] = "Último cálculo: ninguno";
inline constexpr char UltimoCalculo[] = "Último cálculo: ";
inline constexpr char UltimoCalculoInstantaneos[] = " con parámetros instantáneos";
inline constexpr char UltimoCalculoFS[] = "FS = ";
inline constexpr char UltimoCalculoDovelas[] = " dovelas";
inline constexpr char UltimoCalculoSinResultado[] = "sin factor de seguridad";
inline constexpr char UltimoCalculoRechazado[] = "detenido antes de iterar";
inline constexpr char UltimoCalculoAbandonado[] = "abandonado";
inline constexpr char UltimoCalculoLimite[] = "cota alcanzada";
inline constexpr char UltimoCalculoDatosCambiaron[] = "los datos cambiaron después del cálculo";
inline constexpr char UltimoCalculoSeparador[] = "  ·  ";

} // namespace vertana::textos
