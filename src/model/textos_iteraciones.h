// Catálogo de textos: diálogos del control de las iteraciones (form9, Form13, Form18, Form19) y
// orden de las presiones de poros dadas por el usuario. Se incluye desde model/textos.h.
#pragma once

namespace vertana::textos {

// form9 "Resultados de las iteraciones".
inline constexpr char TituloForm9[] = "Resultados de las iteraciones";
inline constexpr char EtiquetaResultadosIteraciones[] = "RESULTADOS DE LAS ITERACIONES:";
inline constexpr char EtiquetaNumeroIteracion[] = "Número de la iteración:";
inline constexpr char EtiquetaPrimerMultiplicador[] = "Primer multiplicador de Lagrange: ";
inline constexpr char EtiquetaSegundoMultiplicador[] = "Segundo multiplicador de Lagrange: ";
inline constexpr char EtiquetaFactorSeguridadIteracion[] = "Factor de seguridad:";
inline constexpr char EtiquetaSumaHorizontales[] = "Suma de fuerzas horizontales:";
inline constexpr char EtiquetaSumaVerticales[] = "Suma de fuerzas verticales:";
inline constexpr char EtiquetaSumaMomentos[] = "Suma de momentos:";

// Form13: chequeo de los esfuerzos.
inline constexpr char TituloForm13Normales[] =
    "Resultados de los sigma normales en el proceso iterativo";
inline constexpr char TituloForm13Sigma3[] = "Resultados de los sigma3 en el proceso iterativo";
inline constexpr char EtiquetaDovelaSinChequeo[] =
    "Número de dovela donde no chequea la resistencia al corte:";
inline constexpr char EtiquetaSigAnt[] = "Sig_ant: Esfuerzo del paso iterativo anterior ";
inline constexpr char EtiquetaSigAct[] = "Sig_act: Esfuerzo del paso iterativo actual";
inline constexpr char EtiquetaSigMin[] =
    "Sig_mín: Esfuerzo mínimo. El Sig_ant y Sig_act deben ser mayores a él.";
inline constexpr char EtiquetaSigma3Actual[] = "Valor de sigma actual (ton/m3):";
inline constexpr char ChequeoNormalesSuelo[] =
    "Compare la columna '3' con la '4' para observar en cuales dovelas no le chequea el valor del "
    "esfuerzo normal total, el cual es determinante en la resistencia al esfuerzo de tensión del "
    "suelo. Modifique los valores de la columna '3' si lo desea, tomando en consideración que "
    "éstos deben ser mayores que los valores de la columna '4',  de lo contrario cancele y "
    "modifique los multiplicadores de Lagrange, el factor de seguridad y el sigma inicial en la "
    "opción Parámetros Iniciales.";
inline constexpr char ChequeoNormalesRocaInstantaneos[] =
    "Compare la columna '3' con la '4' para observar en cuales dovelas no le chequea el valor del "
    "esfuerzo normal total, el cual es determinante en la resistencia al esfuerzo de tensión del "
    "roca. Ud. puede modificar el valor si lo desea tomando en consideración que el mismo debe "
    "ser mayor que el valor presentado en la cuarta columna, de lo contrario cancele y modifica "
    "los multiplicadores de Lagrange y el factor de seguridad en la opción Parámetros Iniciales.";
inline constexpr char ChequeoSigma3Roca[] =
    "Compare la columna '3' con la '4' para observar en cuales dovelas no le chequea el valor de "
    "esfuerzo principal menor sigma '3', el cual es determinante en la resistencia al corte de la "
    "roca. Modifique los valores de la columna '3' si lo desea tomando en consideración que éstos "
    "deben ser mayores que los valores de la columna '4', de lo contrario cancele y modifique los "
    "multiplicadores de Lagrange y el factor de seguridad en la opción Parámetros Iniciales.";
inline constexpr char TituloChequeoNormales[] = "Chequeo de los esfuerzo normal (total) a la SPF.";
inline constexpr char TituloChequeoSigma3[] = "Chequeo de sigma '3'";
inline constexpr char SigmaNoNumerico[] = "Debe introducir un número para los sigma";
inline constexpr char FaltanSigmas[] =
    "Faltan datos. Debe introducir los valores deseados para todos y cada una de las dovelas";
inline constexpr char TituloValoresNormales[] = "Valores de esfuerzos normales";
inline constexpr char TituloValoresSigma3[] = "Valores de sigma3";
inline constexpr char SigmaBajoMinimoSuelo[] =
    "Observe en la parte inferior en cuál dovela no le chequea el valor del esfuerzo normal "
    "total, el cual es determinante en la resistencia al esfuerzo de tensión del suelo. Ud. puede "
    "modificar el valor si lo desea tomando en consideración que el mismo debe ser mayor que el "
    "valor presentado en la cuarta columna, de lo contrario cancele y modifica los "
    "multiplicadores de Lagrange,  el factor de seguridad y el sigma inicial  en la opción "
    "Parámetros Iniciales.";
inline constexpr char SigmaBajoMinimoRocaInstantaneos[] =
    "Observe en la parte inferior en cuál dovela no le chequea el valor del esfuerzo normal "
    "total, el cual es determinante en la resistencia al esfuerzo de tensión del roca. Ud. puede "
    "modificar el valor si lo desea tomando en consideración que el mismo debe ser mayor que el "
    "valor presentado en la cuarta columna, de lo contrario cancele y modifica los "
    "multiplicadores de Lagrange y el factor de seguridad en la opción Parámetros Iniciales.";
inline constexpr char SigmaBajoMinimoRoca[] =
    "Observe en la parte inferior en cuál dovela no chequeó un valor de esfuerzo principal menor "
    "sigma '3', el cual es determinante en la resistencia al corte de la roca. Ud. puede "
    "modificar el valor si lo desea tomando en consideración que el mismo debe ser mayor que el "
    "valor presentado en la cuarta columna,de lo contrario cancele y modifique los "
    "multiplicadores de Lagrange y el factor de seguridad en la opción Parámetros Iniciales.";
inline constexpr char PreguntaUsarSigmasActuales[] =
    "Ud. desea utilizar los valores actuales de sigma para el cálculo?";

// Form18: cambio de la presión de poros y de los parámetros de resistencia.
inline constexpr char TituloForm18[] = "Cambio de la presión de poros y parámetros de resistencia";
inline constexpr char EtiquetaCambioCohesion[] = "Cohesión (ton/m2)";
inline constexpr char EtiquetaCambioFriccion[] = "Fricción (grados)";
inline constexpr char EtiquetaCambioPresionPoros[] = "Presión de poros (ton/m2)";
inline constexpr char SeleccioneParametrosInstantaneos[] =
    "Ud. debe seleccionar en PARAMETROS INICIALES LA OPCION PARAMETROS INSTANTANEOS";
inline constexpr char TituloParametrosInstantaneos[] = "Parámetros instantáneos";
inline constexpr char CohesionNoNumerica[] = "Debe introducir un número para la cohesión";
inline constexpr char FriccionNoNumerica[] = "Debe introducir un número para la fricción";
inline constexpr char PresionPorosNoNumerica[] =
    "Debe introducir un número para la presión de poros";
inline constexpr char PreguntaAceptarCambiosParametros[] =
    "Si Ud. modificó algun valor de la tabla eso afectará el cálculo oroginal. ¿Acepta los "
    "cambios?";
inline constexpr char PreguntaNoCambiarParametros[] =
    "No desea cambiar algunos valores de los parámetros de resistencia en las dovelas o presión "
    "de poros?";
inline constexpr char BotonCancelarDialogo[] = "Cancelar";

// Form19: presiones de poros controladas por el usuario.
inline constexpr char TituloForm19[] = "Presiones de poros controladas por el usuario";
inline constexpr char EtiquetaPresionDePoros[] =
    "Presión de poros en el elemento (E) o dovela (D) seleccionado";
inline constexpr char PresionNoNumerica[] = "Debe introducir un número ";
inline constexpr char PreguntaNoRegistrarPresiones[] =
    "Si hizo algún cambio en las presiones de poros de los elementos, debe presionar el botón "
    "Aceptar para tomarlos en cuenta en los análisis. ¿No desea registrar ningún cambio?";
inline constexpr char SinResultadosEquilibrioLimite[] =
    "Ud.está trabajando por métodos de equilibrio límites. Ordene hacer el cálculo por el método "
    "seleccionado y luego puede ir a la Opción 'Presiones de poros controladas por el usuario'";

} // namespace vertana::textos
