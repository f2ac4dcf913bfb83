// Catálogo de textos: parte de la búsqueda de la superficie crítica. Se incluye desde
// model/textos.h.
#pragma once

#include <cstddef>
#include <string>

namespace vertana::textos {

inline constexpr char NombreMetodoSpencer[] = "Spencer";
inline constexpr char NombreMetodoMorgensternPrice[] = "Morgenstern-Price";
inline constexpr char TituloBusqueda[] = "Búsqueda de la superficie crítica";
inline constexpr char BusquedaSinDefinicion[] =
    "Defina una rejilla de centros o los tramos de entrada y salida de la superficie.";
inline constexpr char BusquedaRejillaNoValida[] =
    "La rejilla de centros debe tener al menos un punto en cada dirección y límites finitos.";
inline constexpr char BusquedaTramosNoValidos[] =
    "Los tramos de entrada y salida deben tener límites finitos y al menos un punto cada uno.";
inline constexpr char BusquedaTangentesNoValidas[] =
    "Las ordenadas de las tangentes deben ser dos números finitos, o ninguna.";
inline constexpr char BusquedaPuntoDePasoNoValido[] =
    "El punto por el que pasan los círculos debe tener coordenadas finitas.";
inline constexpr char BusquedaSoloSuelos[] =
    "La búsqueda de la superficie crítica sólo está disponible para suelos sin parámetros "
    "instantáneos.";
inline constexpr char BusquedaConGrieta[] =
    "La búsqueda de la superficie crítica no admite grieta de tracción: la grieta está ligada "
    "al primer punto de una superficie dada.";
inline constexpr char BusquedaNoCircularMetodo[] =
    "La búsqueda de superficies no circulares sólo se hace con Janbu, Spencer o "
    "Morgenstern-Price.";
inline constexpr char BusquedaSinTalud[] =
    "El proyecto no tiene la superficie del talud, los estratos o el número de dovelas.";
inline constexpr char BusquedaSinSuperficieValida[] =
    "Ninguna superficie de ensayo dio un factor de seguridad válido.";
inline constexpr char BusquedaCancelada[] = "La búsqueda fue cancelada.";
inline constexpr char BusquedaNoReproducida[] =
    "El cálculo completo de la superficie hallada no dio un factor de seguridad.";

// Dibujo de la búsqueda sobre la sección.
inline constexpr char TituloEscalaFactores[] = "Factor de seguridad";
inline constexpr char LeyendaSuperficieCritica[] = "Superficie crítica";
inline constexpr char LeyendaCentroSinFactor[] = "Centro sin superficie válida";
// "Las 10 mejores superficies" ("La mejor superficie" con una).
std::string LeyendaMejoresSuperficies(std::size_t n);
// "FS mín. = 1.234 (Bishop)".
std::string EtiquetaFactorMinimo(double factor, const std::string& metodo);

// Diálogo de la búsqueda.
namespace menu {
inline constexpr char BusquedaSuperficieCritica[] = "&Búsqueda de la superficie crítica...";
} // namespace menu
inline constexpr char BusquedaGrupoMetodo[] = "Método";
inline constexpr char BusquedaMetodo[] = "&Método:";
inline constexpr char BusquedaRefinar[] = "&Refinar el mejor círculo (Nelder-Mead)";
inline constexpr char BusquedaNoCircular[] =
    "Superficie &no circular (Janbu, Spencer, Morgenstern-Price)";
inline constexpr char BusquedaVertices[] = "&Vértices:";
inline constexpr char BusquedaGrupoRejilla[] = "Rejilla de centros";
inline constexpr char BusquedaGrupoEntradaSalida[] = "Tramos de entrada y salida sobre el talud";
inline constexpr char BusquedaGrupoLimites[] = "Superficies admitidas y dibujo";
inline constexpr char BusquedaDesde[] = "desde";
inline constexpr char BusquedaHasta[] = "hasta";
inline constexpr char BusquedaPuntos[] = "puntos";
inline constexpr char BusquedaX[] = "x (m):";
inline constexpr char BusquedaY[] = "y (m):";
inline constexpr char BusquedaEntrada[] = "Entrada, x (m):";
inline constexpr char BusquedaSalida[] = "Salida, x (m):";
inline constexpr char BusquedaPuntosPorTramo[] = "Puntos por tramo:";
inline constexpr char BusquedaRadios[] = "Círculos por &centro o por par de entrada y salida:";
inline constexpr char BusquedaTangentes[] = "Radios &tangentes a horizontales, y (m)";
inline constexpr char AyudaTangentes[] =
    "En blanco: repartidas desde el fondo de los estratos hasta la corona del talud";
inline constexpr char BusquedaPorPunto[] = "Círculos que pasan por el &punto";
inline constexpr char BusquedaProfundidadMinima[] = "Profundidad mínima de la masa (m):";
inline constexpr char BusquedaAreaMinima[] = "Área mínima de la masa (m2):";
inline constexpr char BusquedaMejores[] = "Mejores superficies dibujadas:";
inline constexpr char BotonBuscar[] = "&Buscar";
inline constexpr char BotonCancelarBusqueda[] = "&Cancelar";
inline constexpr char BotonAdoptar[] = "&Adoptar la superficie crítica";
inline constexpr char BotonCerrarBusqueda[] = "C&errar";
inline constexpr char BusquedaLista[] = "Defina la búsqueda y pulse Buscar.";
inline constexpr char BusquedaEtapaCirculos[] = "Círculos";
inline constexpr char BusquedaEtapaRefinamiento[] = "Refinamiento";
inline constexpr char BusquedaEtapaNoCircular[] = "Superficie no circular";
// "Círculos: 1200 de 12100 ensayos · mejor FS 1.234" (sin mejor factor todavía, sin su parte).
std::string TextoAvanceBusqueda(const char* etapa, long ensayos, long previstos,
                                double mejorFactor);
// "Búsqueda terminada: 3500 ensayos, 2321 válidos".
std::string TextoFinBusqueda(long ensayos, long validos);
// "FS = 1.234 (Bishop): círculo de centro (30.12, 45.00) y radio 20.31 m; 12100 ensayos en
// 0.82 s" o "... poligonal de 15 puntos; ...".
std::string TextoResultadoBusqueda(double factor, const std::string& metodo, bool circular,
                                   double xc, double yc, double radio, std::size_t puntos,
                                   long ensayos, double segundos);
// "Debe introducir un número entero mayor que cero en puntos de la rejilla en x".
std::string DebeIntroducirEnteroEn(const std::string& campo);
inline constexpr char CampoRejillaXMin[] = "x inicial de la rejilla";
inline constexpr char CampoRejillaXMax[] = "x final de la rejilla";
inline constexpr char CampoRejillaNX[] = "puntos de la rejilla en x";
inline constexpr char CampoRejillaYMin[] = "y inicial de la rejilla";
inline constexpr char CampoRejillaYMax[] = "y final de la rejilla";
inline constexpr char CampoRejillaNY[] = "puntos de la rejilla en y";
inline constexpr char CampoRadios[] = "círculos por centro";
inline constexpr char CampoTangenteYMin[] = "y inicial de las tangentes";
inline constexpr char CampoTangenteYMax[] = "y final de las tangentes";
inline constexpr char CampoPuntoX[] = "x del punto de paso";
inline constexpr char CampoPuntoY[] = "y del punto de paso";
inline constexpr char CampoEntradaX1[] = "x inicial de la entrada";
inline constexpr char CampoEntradaX2[] = "x final de la entrada";
inline constexpr char CampoSalidaX1[] = "x inicial de la salida";
inline constexpr char CampoSalidaX2[] = "x final de la salida";
inline constexpr char CampoPuntosTramo[] = "puntos por tramo";
inline constexpr char CampoVertices[] = "vértices";
inline constexpr char CampoProfundidad[] = "profundidad mínima";
inline constexpr char CampoArea[] = "área mínima";
inline constexpr char CampoMejores[] = "mejores superficies dibujadas";
inline constexpr char BusquedaLimitesNegativos[] =
    "La profundidad y el área mínimas no pueden ser negativas.";
inline constexpr char BusquedaVerticesFuera[] =
    "Los vértices de la superficie no circular deben estar entre 3 y 100.";
inline constexpr char BusquedaMejoresFuera[] =
    "Las mejores superficies dibujadas deben estar entre 0 y 100.";
inline constexpr char BusquedaAjustesNoGuardados[] =
    "No se pudieron guardar los ajustes de la búsqueda en ";
inline constexpr char BusquedaAjustesNoLeidos[] =
    "No se pudieron leer los ajustes de la búsqueda de ";
inline constexpr char BusquedaDatosCambiaron[] =
    "Los datos del proyecto cambiaron después de la búsqueda. Busque de nuevo antes de adoptar "
    "la superficie crítica.";
inline constexpr char BusquedaAdoptadaSinCalculo[] =
    "La superficie crítica es ahora la superficie de falla del proyecto. Spencer y "
    "Morgenstern-Price no son métodos de cálculo del programa: calcule con Fellenius, Bishop, "
    "Janbu o el método variacional desde el menú Archivo.";

} // namespace vertana::textos
