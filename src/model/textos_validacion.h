// Catálogo de textos: parte de validacion. Se incluye desde model/textos.h.
// Mensajes de la validación de los datos de un proyecto (los diálogos, todo cálculo antes de
// empezar y la línea de órdenes usan los mismos), del resultado de un cálculo que no se da por
// bueno, de los avisos de un resultado y de los errores del programa y del disco.
#pragma once

#include "model/textos_roca.h"

#include <string>

namespace vertana::textos {

// Valores de un estrato. `estrato` es su número (1, 2...).
std::string CohesionNoValida(int estrato);
std::string FriccionNoValida(int estrato);
std::string PesoUnitarioHumedoNoValido(int estrato);
std::string PesoUnitarioSaturadoNoValido(int estrato);
std::string ConsolidacionNoValida(int estrato);
std::string TiempoDeConstruccionNoValido(int estrato);
std::string ParametroMiNoValido(int estrato);
std::string IndiceGSINoValido(int estrato);
std::string ParametroMNoValido(int estrato);
std::string ParametroSNoValido(int estrato);
std::string CompresionSimpleNoValida(int estrato);
// Un mensaje de Form5 (que no nombra el estrato) se dice de un estrato con EnElEstrato
// (textos_roca.h): "Estrato 2: ...".
inline constexpr char EstratosSinResistencia[] =
    "Ningún estrato tiene resistencia: la cohesión y la fricción son cero en todos, y el factor "
    "de seguridad sería cero. Vaya al menú coordenadas (Características de los estratos).";

// Parámetros de cálculo (Form2).
inline constexpr char SismicoHorizontalFueraDeRango[] =
    "El coeficiente sísmico horizontal debe ser mayor que -1 y menor que 1.";
inline constexpr char SismicoVerticalFueraDeRango[] =
    "El coeficiente sísmico vertical debe ser mayor que -1: con -1 o menos el peso de las dovelas "
    "se anula o cambia de sentido.";
// "El número de dovelas debe ser como máximo 500."
std::string DemasiadasDovelasPedidas(int maximo);

// Coordenadas y cargas. `de`: "de la superficie del talud", "del nivel freático"...
std::string CoordenadaNoFinita(int punto, const std::string& de);
std::string PuntoRepetido(int punto, const std::string& de);
std::string CargaUniformeNoFinita(int carga);
std::string CargaPuntualNoFinita(int carga);
inline constexpr char DeLaSuperficieDelTalud[] = "de la superficie del talud";
inline constexpr char DeLaSuperficieDeFalla[] = "de la superficie de falla";
inline constexpr char DelNivelFreatico[] = "del nivel freático";
// "de la línea del estrato 2"
std::string DeLaLineaDelEstrato(int estrato);
inline constexpr char TituloCoordenadas[] = "Coordenadas";
inline constexpr char TituloCargas[] = "Cargas";
inline constexpr char CentroGuardadoNoFinito[] =
    "El centro del círculo guardado con los parámetros de cálculo no es un número. Vaya al "
    "Archivo y dé los Parámetros de cálculo iniciales.";

// Resumen de la línea de órdenes.
inline constexpr char SinProblemasDeDatos[] = "ninguno";

// Resultado de un cálculo que no se da por bueno (el proyecto vuelve a como estaba).
// "El factor de seguridad calculado, 0.0006, es menor que 0.01 ..."
std::string FactorBajoElMinimo(double factor, double minimo);
inline constexpr char FactorNoFinitoEnIteracion[] =
    "El factor de seguridad dejó de ser un número finito durante la iteración (una división por "
    "cero o un desbordamiento). Revise las propiedades de los estratos, los coeficientes sísmicos "
    "y el factor de seguridad inicial. No se guardaron resultados.";
// "No hay memoria suficiente para calcular con 32766 dovelas. ..."
std::string SinMemoriaParaElCalculo(int dovelas);
inline constexpr char SinMemoriaParaLaOrden[] = "No hay memoria suficiente para esta orden.";

// Avisos que acompañan a un factor de seguridad obtenido tras suprimir un chequeo de dovela.
inline constexpr char TituloAvisosDelCalculo[] = "Avisos del cálculo:";
inline constexpr char AvisoEsfuerzoEfectivoSuprimido[] =
    "El factor de seguridad se obtuvo con dovelas cuyo esfuerzo efectivo en la base es cero o "
    "negativo (se pidió continuar sin ese chequeo).";
inline constexpr char AvisoAnguloSuprimido[] =
    "El factor de seguridad se obtuvo con dovelas que no cumplen el chequeo de ángulos "
    "(mα ≤ 0.2; se pidió continuar sin ese chequeo).";

// Errores del programa y del disco.
// "Error del programa: índice 5 fuera de una tabla de 3 entradas. ..."
std::string IndiceFueraDeTablaTexto(int i, int n);
std::string IndiceFueraDeTabla2Texto(int i, int j, int filas, int columnas);
std::string ArchivoSoloLectura(const std::string& ruta);

} // namespace vertana::textos
