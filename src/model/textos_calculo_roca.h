// Catálogo de textos: los métodos para macizos rocosos (variacional con Hoek-Brown y Janbu en
// rocas) y los resultados para rocas (Form12). Se incluye desde model/textos.h.
#pragma once

namespace vertana::textos {

// Método variacional para rocas (Leshchinsky y Ching-Chuan Huang con Hoek-Brown).
inline constexpr char TituloNoEsRoca[] = "No es ROCA:";
inline constexpr char MaterialEsSuelo[] = "Ud. ha considerado el material como un 'SUELO'";
inline constexpr char CalculandoConInstantaneos[] =
    "Ud. está calculando por el método de parámetros instantáneos";
inline constexpr char NoChequeaSigma3[] =
    "No chequea sigma '3' en una dovela. Varie los multiplicadores de Lagrange o el Factor de "
    "seguridad. A continuación se presentan los valoes de sigma3 para que observe en que dovela "
    "no chequeó la resistencia al corte";
inline constexpr char FinVariacionalRoca[] =
    "Se finalizó el cálculo de esfuerzos y factor de seguridad, por el método de Leshchinsky and "
    "Ching-Chuan Huang y el criterio de rotura de Hoek and Brown (m,s) para rocas.";
inline constexpr char VariacionalRocaSinPartidaAutomatica[] =
    "No se encontraron valores de partida con los que el método variacional para rocas llegue al "
    "equilibrio. Dé los multiplicadores de Lagrange y el factor de seguridad inicial en los "
    "parámetros de cálculo. No se guardaron resultados.";

// Método de Janbu para rocas.
inline constexpr char JanbuEnRoca[] =
    "Ud. va aplicar el método de Janbu para analizar el talud en  'ROCA'";
inline constexpr char FinJanbuRocas[] =
    "Se finalizó el cálculo de esfuerzos y factor de seguridad, por el método de Janbu para Rocas.";
// Con MacizoNoValidoEnCalculo ("Estrato 2: ... Vaya al menú coordenadas ...").
inline constexpr char FriccionJanbuFueraDeIntervalo[] =
    "La fricción equivalente del método de Janbu para rocas, 0.424·GSI − 0.0016·GSI² + 16·ln mi, "
    "no queda entre 0 y 90 grados: revise el 'm intacto' y el índice GSI.";

// Menú "Resultados cálculo para rocas" y Form12.
inline constexpr char TituloResultadosSoloRocas[] = "Esta presentación es para roca:";
inline constexpr char AvisoResultadosSeleccionoSuelos[] =
    "Ud ha seleccionado la opción 'suelos' en los parámetros iniciales  ";
inline constexpr char TituloForm12[] = "Resultados de la roca";
inline constexpr char TituloForm12Instantaneos[] = "Cálculo con parámetros instantáneos";
inline constexpr char MarcoResultadosRocas[] = "Resultados del cálculo para rocas";
inline constexpr const char* ColumnasResultadosRocas[] = {"No",
                                                          "dx (m)",
                                                          "xo (m)",
                                                          "yt (m)",
                                                          "yo (m)",
                                                          "u (ton/m2)",
                                                          "m",
                                                          "s",
                                                          "pu (ton/m3)",
                                                          "sig (ton/m2)",
                                                          "sige (ton/m2)",
                                                          "tau (ton/m2)",
                                                          "sig3 (ton/m2)",
                                                          "sig1(ton/m2)"};
inline constexpr char NotaInstantaneosForm12[] =
    "Si ud. está calculando con parámetros instantáneos \"m\" representa la cohesión y \"s\" la "
    "fricción.";
inline constexpr char EtiquetaSumaPrincipalesMayores[] =
    "Suma de esfuerzos principales mayores (ton/m2):";
inline constexpr char EtiquetaSumaPrincipalesMenores[] =
    "Suma de esfuerzos principales menores (ton/m2):";

// Nombres de los métodos para rocas en los resultados.
inline constexpr char NombreMetodoVariacionalRoca[] = "Leshchinsky y Huang con Hoek-Brown (rocas)";
inline constexpr char NombreMetodoJanbuRoca[] = "Janbu en rocas";

} // namespace vertana::textos
