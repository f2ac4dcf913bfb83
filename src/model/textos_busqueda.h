// Catálogo de textos: parte de la búsqueda de la superficie crítica. Se incluye desde
// model/textos.h.
#pragma once

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

} // namespace vertana::textos
