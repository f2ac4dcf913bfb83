// Catálogo de textos: parte de instantaneos. Se incluye desde model/textos.h.
// Cálculo con parámetros instantáneos: la orden del menú, la rutina que estima c y φ por dovela
// y los avisos de los métodos que la llaman.
#pragma once

namespace vertana::textos {

// Orden "Suelos o Rocas (parámetros instantáneos c,fi)".
inline constexpr char TituloHagaElCalculo[] = "Haga el cálculo:";
inline constexpr char HagaElCalculo[] =
    "Por favor realice el cálculo primero usando uno de los métodos indicados en la opción "
    "'Parámetros iniciales' del menú de equilibrio límite, y luego si aplique el método de "
    "parámetros instántaneos";
inline constexpr char TituloDefinaLaForma[] = "Defina la forma de calcularlos:";
inline constexpr char DefinaLaForma[] =
    "Indique si el cálculo de los parámetros instantáneos lo va hacer por el método Puntual "
    "(BALMER) o ENTRE PUNTOS o por GRAFICA";
inline constexpr char PuntualesEnSuelos[] =
    "Para el caso de Suelos,  Parámetros instantáneos puntuales  <caso 1>  (vea parámetros de "
    "cálculo iniciales) no es válido. El caso <1> solamente es válido si el  material es roca. "
    "Para hacer el análisis en parámetros instantaneos por el método de cálculo 1, se debe  haber "
    "realizado el análisis previamente  por el método de cálculo de Leshchinsky, D. and Huang "
    "aplicado a rocas (método cálculo 1).";
inline constexpr char PreguntaRecalculoInstantaneo[] =
    "Ud ya calculó este problema con los parámetros instantáneos y por consiguiente ya tiene la "
    "solución. Sin embargo ud puede hacer un cálculo abriendo el archivo original de donde se "
    "obtuvo éste y aplicando el método de ROCAS o SUELOS y modificando geometría y "
    "características geomecánicas. Sin embargo ¿Desea hacer un recálculo con estos nuevos "
    "resultados de esfuerzos o calcular nuevamente con los parámetros instantáneos que ya se "
    "tienen?";
inline constexpr char PreguntaUsarParametrosQueSeTienen[] =
    "Ud. Desea calcular con los parámetros instantáneos que ya se tienen?";
inline constexpr char TituloOjo[] = "OJO:";
inline constexpr char NuevosParametrosInstantaneos[] =
    "Ud. va a calcular con nuevos parámetros instantáneos en función de los últimos esfuerzos";
inline constexpr char Opcion3SinRecalculo[] =
    "Ud. en la sesión de Parámetros de cálculo inciales, ha seleccioando la opción 3 para los "
    "parámetros instantáneos. Ejecutando su repuesta anterior, el programa no hará ningún "
    "recálculo .";
inline constexpr char TituloNoSeHaceElCalculo[] = "No se hace el cálculo:";
inline constexpr char FelleniusNoSeCalculaInstantaneo[] =
    "Por el método  de FELLENIUS, no se hace el cálculo del factor de seguridad por parámetros "
    "instantáneos";
inline constexpr char PreguntaInstantaneosVariacional[] =
    "Ud va ha calcular usando los parámetros instantáneos por el Método de Dov Leshchinsky and "
    "Huang .¿Desea continuar?";
inline constexpr char PreguntaInstantaneosBishop[] =
    "Ud va ha calcular usando los parámetros instantáneos por el Método de Bishop .¿Desea "
    "continuar?";
inline constexpr char PreguntaInstantaneosJanbu[] =
    "Ud va ha calcular usando los parámetros instantáneos por el Método de Janbu .¿Desea "
    "continuar?";
inline constexpr char EstimaraParametros[] =
    "Este nuevo cálculo estimará  los parámetros de resistencia en cada dovela para hacer el "
    "análisis de estabilidad en función de los esfuerzos previamente calculados.";

// Rutina de los parámetros instantáneos.
inline constexpr char TituloNoHayCalculoDeParametros[] = "No hay cálculo de parámetros:";
inline constexpr char ParametrosYaObtenidos[] =
    "Se utilizan los parámetros de corte ya obtenidos anteriormente.";
inline constexpr char TituloParametrosPorPantalla[] = "PARAMETROS POR PANTALLA:";
inline constexpr char ParametrosPorPantalla[] =
    "Ud ha dado los parámetros instantáneos por PANTALLA";

// Avisos de los métodos antes y después de Form18.
inline constexpr char TituloCambieLosValores[] = "Cambie los valores si lo requiere.";
inline constexpr char AvisoCambioDeParametros[] =
    "A continuación se presenta la pantalla de la sesión 'Cambio de parámetros de resistencia' "
    "para que  dé  los valores de cohesión, fricción y presión de poros  para cada dovela.";
inline constexpr char TituloParametrosDeResistencia[] = "Parámetros de resistencia.";
inline constexpr char ParametrosQueSeTomaran[] =
    "Parámetros de resistencia y de presión de poros que se tomarán para las estimaciones del "
    "factor de seguridad.";

// Situaciones que el programa resuelve por su cuenta.
inline constexpr char SinEsfuerzosPrevios[] =
    "No hay esfuerzos de un cálculo anterior para todas las dovelas: haga el cálculo por el "
    "método seleccionado y luego calcule con los parámetros instantáneos.";
inline constexpr char DovelasDistintasDeLasGuardadas[] =
    "El número de dovelas cambió y los parámetros instantáneos guardados ya no corresponden a "
    "las dovelas. Calcule con nuevos parámetros instantáneos.";

} // namespace vertana::textos
