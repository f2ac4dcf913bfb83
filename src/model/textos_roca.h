// Catálogo de textos: caracterización de los estratos en macizos rocosos (Form10), datos de
// laboratorio (Form16) y sus órdenes del menú. Se incluye desde model/textos.h.
#pragma once

#include <string>

namespace vertana::textos {

// Órdenes del menú "Características de los estratos... ▸ Rocas".
inline constexpr char TituloAvisoSoloRocas[] = "Esta opción es para ROCAS:";
inline constexpr char AvisoSeleccionoSuelos[] =
    "Ud ha seleccionado la opción 'Suelos' en los parámetros iniciales";
inline constexpr char TituloAvisoCompresionSimple[] =
    "Es necesario la resistencia a la compresión simple:";
inline constexpr char AvisoRocaSinCaracterizar[] =
    "Por favor vaya a la opción 'SIN DATOS DE PRUEBAS DE LABORATORIO' y de los valores de la "
    "resistencia a la compresión simple Y PESOS UNITARIOS ";

// ---------------------------------------------------------------------------------------------
// Form10: características de los estratos en macizos rocosos.
inline constexpr char TituloForm10[] = "Características de los estratos en macizos rocosos";
inline constexpr char BotonModificarAgregar[] = "Modificar  Agregar";
inline constexpr char EtiquetaGSI[] = "GSI";
inline constexpr char EtiquetaMIntacto[] = "m intacto";
inline constexpr char EtiquetaMMacizo[] = "m macizo";
inline constexpr char EtiquetaSMacizo[] = "s macizo";
inline constexpr char EtiquetaPesoHumedoRoca[] = "Peso húmedo\n(ton/m3)";
inline constexpr char EtiquetaPesoSaturadoRoca[] = "Peso saturado\n(ton/m3)";
inline constexpr char EtiquetaCompresionSimple[] = "Compresión simple\n(kg/cm2)";

inline constexpr char PreguntaLaboratorioConMsDefinidos[] =
    "Los parámetros 'm' y 's' ya están definidos. Sin embargo, ud desea dar datos de laboratorio "
    "para estimarlos de nuevo, a través de los esfuerzos principales obtenidos en muestras de "
    "roca.?";
inline constexpr char PreguntaLaboratorioNuevamente[] =
    "¿Ud desea calcular los parámetros 'm' y 's' nuevamente con datos de laboratorio?";
inline constexpr char PreguntaCalcularMsConGSI[] =
    "¿Desea calcular  los parámetros 'm' y 's' a través de los 'm intacto' y el indice GSI?";
inline constexpr char PreguntaRecalcularMsConGSI[] =
    "¿Desea recalcular nuevamente los parámetros 'm' y 's' a través de los 'm intacto' y el "
    "indice GSI?";

inline constexpr char GSINoNumerico[] =
    "Debe introducir un número para el índice de calidad de la roca";
inline constexpr char MiNoNumerico[] = "Debe introducir un número para este parámetro";
inline constexpr char MNoNumerico[] = "Debe introducir un número para el parámetro 'm'";
inline constexpr char SNoNumerico[] = "Debe introducir un número para el parámetro 's'";
inline constexpr char CompresionSimpleNoNumerica[] =
    "Debe introducir un número para la resistencia a la compresión simple";
inline constexpr char FaltanDatosEstratosLaboratorio[] =
    "Faltan datos. Debe introducir el GSI, los pesos unitarios y compresión simple para todos y "
    "cada uno de los estratos";

// Valores con los que el criterio de Hoek-Brown o sus fórmulas no existen.
inline constexpr char MiIntactoNoPositivo[] = "El 'm intacto' debe ser mayor que cero.";
inline constexpr char GSIFueraDeIntervalo[] = "El índice GSI debe estar entre 0 y 100.";
inline constexpr char ParametroMNoPositivo[] = "El parámetro 'm' debe ser mayor que cero.";
inline constexpr char ParametroSNegativo[] = "El parámetro 's' no puede ser negativo.";
inline constexpr char CompresionSimpleNoPositiva[] =
    "La resistencia a la compresión simple debe ser mayor que cero.";
// "Estrato 2: El índice GSI debe estar entre 0 y 100."
std::string EnElEstrato(int estrato, const std::string& texto);
// El mismo texto cuando detiene la preparación del cálculo.
std::string MacizoNoValidoEnCalculo(int estrato, const std::string& texto);

// Cómo se obtienen m y s (nota del diálogo).
inline constexpr char NotaMsEscritos[] =
    "'m' y 's' del macizo se escriben en sus cuadros. Elija un estrato, escriba sus valores y "
    "presione <Modificar  Agregar>.";
inline constexpr char NotaMsDeGSI[] =
    "'m' y 's' del macizo se calculan a partir del 'm intacto' y del índice GSI. Elija un "
    "estrato, escriba sus valores y presione <Modificar  Agregar>.";
inline constexpr char NotaMsDeLaboratorio[] =
    "'m' y 's' del macizo son los ajustados con los datos de laboratorio. Dé el GSI, los pesos "
    "unitarios y la compresión simple y presione <Aceptar>.";
inline constexpr char NotaUnidadesRoca[] =
    "La compresión simple de la roca intacta se da en kg/cm2 (1 kg/cm2 = 10 ton/m2). Utilice el "
    "pto (.), para los decimales.";

// ---------------------------------------------------------------------------------------------
// Form16: esfuerzos principales de laboratorio.
inline constexpr char TituloForm16[] = "Datos de pruebas de laboratorio";
inline constexpr char MarcoLaboratorio[] =
    "Esfuerzos principales obtenidos en muestras de roca en el Laboratorio";
inline constexpr char UnidadLaboratorio[] = "(ton/m2)";
inline constexpr char EtiquetaListaDeEstratos[] = "Estrato:";
inline constexpr char EtiquetaSigma1[] = "Sigma 1";
inline constexpr char EtiquetaSigma3[] = "Sigma 3";
inline constexpr char Sigma1NoNumerico[] =
    "Debe introducir un número para el esfuerzo principal sigma '1'";
inline constexpr char Sigma3NoNumerico[] =
    "Debe introducir un número para el esfuerzo principal sigma '3'";
inline constexpr char PongaAlFrenteEstrato1[] = "Por favor ponga al frente los datos del estrato 1";
// "Ud. no ha dado los suficientes puntos para el estrato No 2"
std::string PuntosLaboratorioInsuficientes(int estrato);
// "Los datos corresponden a roca intacta para el estrato 2"
std::string PreguntaRocaIntacta(int estrato);
// Pares con los que el ajuste por mínimos cuadrados no existe.
std::string AjusteSinCompresionSimple(int estrato);
std::string AjusteSigma3Iguales(int estrato);
std::string AjusteSumaSigma3Nula(int estrato);
std::string AjusteMNoPositivo(int estrato);

} // namespace vertana::textos
