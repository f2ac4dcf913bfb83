// Textos de la convergencia de Janbu, del arranque automático del método variacional, del
// contraste con los métodos rigurosos (Spencer y Morgenstern-Price), de la admisibilidad
// estática de una solución y del centro de momentos de una superficie compuesta.
#pragma once

namespace vertana::textos {

// Janbu: segunda etapa sin solución.
inline constexpr char JanbuSinSolucion[] =
    "El método de Janbu no encontró un factor de seguridad que cumpla el equilibrio de fuerzas "
    "con la línea de empuje dada: las fuerzas entre dovelas no quedan definidas o no hay factor "
    "positivo con todas las dovelas en condiciones (cos α + sen α·tan φ/FS > 0). Revise los "
    "valores de ht, la geometría de la superficie de falla o aplique otro método. No se guardaron "
    "resultados.";
inline constexpr char JanbuPrimeraEtapaSinSolucion[] =
    "El método de Janbu no encontró un factor de seguridad que cumpla el equilibrio de fuerzas "
    "sin fuerzas cortantes entre dovelas. Revise la geometría de la superficie de falla (ángulos "
    "de las dovelas del pie) o aplique otro método. No se guardaron resultados.";

// Admisibilidad estática de una solución (Janbu, variacional, Spencer, Morgenstern-Price).
inline constexpr char TituloAdmisibilidad[] = "Admisibilidad estática:";
inline constexpr char SolucionNoAdmisible[] =
    "La solución no es estáticamente admisible (fuerzas entre dovelas que resultan del equilibrio "
    "de las dovelas desde la corona):";
// Partes del aviso; las cantidades y las abscisas se intercalan entre ellas.
inline constexpr char TraccionEn[] = " fuerza normal de tracción en";
inline constexpr char EmpujeFueraEn[] = " línea de empuje fuera de la masa deslizante en";
inline constexpr char Bordes[] = "bordes, de x =";
inline constexpr char HastaX[] = "a x =";
inline constexpr char LaMayor[] = "m (la mayor,";
inline constexpr char EsElPorCiento[] = "ton/m, es el";
inline constexpr char DeLaMayorCompresion[] = "% de la mayor compresión)";
inline constexpr char Metros[] = "m";
inline constexpr char BasesEnTraccion[] = " esfuerzo efectivo negativo en la base de";
inline constexpr char Dovelas[] = "dovelas";
inline constexpr char FactorDudoso[] =
    " El factor de seguridad es dudoso: compárelo con otro método (Contraste con Spencer y "
    "Morgenstern-Price); si la tracción está junto a la corona, considere una grieta de "
    "tracción.";

// Contraste con los métodos rigurosos.
inline constexpr char NombreMetodoMorgensternPriceMedioSeno[] = "Morgenstern-Price (medio seno)";
inline constexpr char TituloContraste[] = "Contraste con Spencer y Morgenstern-Price";
inline constexpr char ContrasteSinDovelasInstantaneas[] =
    "El proyecto se calcula con parámetros instantáneos: el contraste usa la cohesión y la "
    "fricción de cada dovela del último cálculo. Calcule primero por la orden de los parámetros "
    "instantáneos.";
inline constexpr char RigurosoSinConvergencia[] =
    "No se halló un factor de seguridad y un λ que cumplan a la vez el equilibrio de fuerzas y el "
    "de momentos dentro de las cotas de la iteración (|λ| ≤ 4, 0.001 ≤ FS ≤ 1000).";
inline constexpr char RigurosoNoFinito[] =
    "El factor de seguridad o alguna fuerza entre dovelas no es un número finito.";
inline constexpr char RigurosoNoFisico[] =
    "No hay un factor de seguridad positivo con todas las dovelas en condiciones (la fuerza "
    "normal de alguna base no queda definida).";
inline constexpr char RigurosoDatosInvalidos[] =
    "Las dovelas no sirven para el cálculo (anchos no positivos o valores que no son números).";

// Centro de momentos de Bishop en una superficie compuesta.
inline constexpr char TituloCentroDeMomentos[] = "Centro de momentos:";
inline constexpr char FaltaCentroDeMomentos[] =
    "La superficie de falla es compuesta y no tiene centro de momentos para el método de Bishop "
    "(el archivo del proyecto no lo guarda). Al calcular por el método de Bishop, dé el centro en "
    "el cuadro 'Centro de momentos' que se abre; por lotes, con vertana-cli calcular "
    "--centro=X,Y.";
// Diálogo en que se da el centro.
inline constexpr char TituloDialogoCentro[] = "Centro de momentos";
inline constexpr char ExplicacionDialogoCentro[] =
    "La superficie de falla es compuesta: el método de Bishop toma los momentos respecto de un "
    "centro que el archivo del proyecto no guarda, y el que hay falta o da un factor de seguridad "
    "que no es positivo. Dé el punto respecto del cual se toman los momentos (por ejemplo, el "
    "centro del arco de la superficie). El programa propone el del círculo que pasa por los "
    "extremos de la superficie y por su punto más hondo.";
inline constexpr char EtiquetaAbscisaCentro[] = "Abscisa del centro (m):";
inline constexpr char EtiquetaOrdenadaCentro[] = "Ordenada del centro (m):";
inline constexpr char CampoAbscisaCentro[] = "la abscisa del centro";
inline constexpr char CampoOrdenadaCentro[] = "la ordenada del centro";

// Método variacional con valores de partida automáticos.
inline constexpr char VariacionalSinPartidaAutomatica[] =
    "El método variacional no convergió desde los valores de partida automáticos (la solución de "
    "Spencer, seis puntos xc, yc y la continuación desde el mejor de ellos). Dé los valores de "
    "partida en los parámetros de cálculo y siga las iteraciones paso a paso. No se guardaron "
    "resultados.";

// Ventana: orden del contraste, casilla de Form2 y diálogo del contraste.
inline constexpr char MenuContraste[] = "Contras&te con Spencer y Morgenstern-Price...";
inline constexpr char CasillaPartidaAutomatica[] = "Valores de partida automáticos";
inline constexpr char AyudaPartidaAutomatica[] =
    "Método <1>: el programa parte de la solución de Spencer y busca solo los valores de xc, yc, "
    "FS y del esfuerzo en la cresta, sin mostrar las iteraciones.";
inline constexpr char ColumnaMetodoContraste[] = "Método";
inline constexpr char ColumnaFactorContraste[] = "FS";
inline constexpr char ColumnaLambdaContraste[] = "λ";
inline constexpr char ColumnaDiferenciaContraste[] = "Diferencia con el elegido";
inline constexpr char MetodoElegidoContraste[] = "Elegido: ";
inline constexpr char SinResultadosContraste[] = "sin resultados";
inline constexpr char SinSolucionContraste[] = "sin solución";
inline constexpr char InclinacionContraste[] =
    "Inclinación de las fuerzas entre dovelas (Spencer): ";
inline constexpr char ExplicacionContraste[] =
    "Spencer y Morgenstern-Price cumplen el equilibrio de fuerzas y de momentos de cada dovela. "
    "Una diferencia grande con el método elegido pide revisar sus valores de partida, los ht o el "
    "centro de momentos.";

} // namespace vertana::textos
