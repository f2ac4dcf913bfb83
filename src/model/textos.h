// Catálogo de los textos que el programa muestra. El núcleo, la interfaz gráfica, la línea de
// órdenes y las pruebas usan estas constantes, de modo que un acento cambiado hace fallar una
// prueba. Los textos se conservan tal como el programa los muestra, con su ortografía.
#pragma once

#include <string>

namespace vertana::textos {

inline constexpr char NombrePrograma[] = "Vertana";
inline constexpr char AutorDelPrograma[] = "Dravenca";

// Valores de un proyecto nuevo.
inline constexpr char ProgresivaInicialNueva[] = "0 + 000.000";
inline constexpr char ProgresivaFinalNueva[] = "1 + 500.000";
inline constexpr char FechaProyectoNueva[] = "31 / 12 / 2015";
inline constexpr char TituloNuevoProyecto[] = "[Nuevo proyecto] - Vertana";
inline constexpr char SufijoTitulo[] = " - Vertana";

// Archivo de proyecto.
inline constexpr char ErrorLeyendoArchivo[] = "Error leyendo archivo";
inline constexpr char FiltroTodos[] = "Todos los archivos (*.*)";
inline constexpr char FiltroCoordenadas[] = "Archivos de coordenadas (*.cod)";
inline constexpr char PreguntaGuardarAntes[] =
    "No ha guardado los datos actuales, ¿desea guardarlos?";
inline constexpr char PreguntaAbrirOtro[] =
    "No ha guardado los datos actuales, ¿desea continuar y abrir otro archivo?";
inline constexpr char PreguntaGuardarSinCalcular[] =
    "Ud. no ha realizado el cálculo, ¿Desea guardar y luego calcular?";
inline constexpr char PreguntaSobreescribir[] = "El archivo ya existe. ¿Desea sobreescribirlo?";

// Comprobaciones previas a guardar, en su orden: título y texto.
inline constexpr char TituloInformacionAdicional[] = "Información adicional";
inline constexpr char FaltaInformacionAdicional[] =
    "Ud. no ha dado la información adicional del proyecto ";
inline constexpr char TituloCoordenadasTalud[] = "Coordenadas talud";
inline constexpr char FaltanCoordenadasTalud[] =
    "Si desea guardar información, debe dar primero las coordenas del talud o las coordenadas de "
    "la superficie de la Presa. Vaya al menú coordenadas.";
inline constexpr char TituloEstratosEInsertar[] = "Estratos e Insertar estrato";
inline constexpr char FaltanEstratos[] =
    "Si desea guardar información, debe insertar primero el número de estratos que definen la "
    "litología del problema y luego  dar sus coordenadas. Vaya al menú coordenadas.";
inline constexpr char TituloCaracteristicasEstratos[] =
    "Caracteríticas Geomecánicas de los estratos";
inline constexpr char FaltanCaracteristicasEstratos[] =
    "Ud. no ha dado las características geomecánicas de los estratos. Vaya al menu coordenadas "
    "(Características de los estratso).";
inline constexpr char TituloCoordenadasFalla[] = "Coordenadas de la superfcie de falla";
inline constexpr char FaltanCoordenadasFalla[] =
    "Si desea guardar información, Ud. debe dar las coordenadas de la superficie potencial de "
    "falla. Vaya al menú coordenadas.";
inline constexpr char TituloGeometriaFalla[] =
    "Geometría entre los puntos de la Superficie de falla";
inline constexpr char FaltaGeometriaFalla[] =
    "Si desea guardar información, Ud. debe definir primero el tipo de unión  entre los ptos de "
    "la superficie de falla. Vaya al menú coordenadas.";
inline constexpr char TituloParametrosIniciales[] = "Parámetros de cálculo iniciales";
inline constexpr char FaltanParametrosIniciales[] =
    "Vaya al Archivo y dé los Parámetros de cálculo iniciales.";

// Archivo de geometría.
inline constexpr char PreguntaCargarGeometria[] =
    "Ya existen coordenadas de la superficie del talud y número de estratos. Desea cargar la "
    "geometría del talud, de los estratos y nivel freático, a partir de un archivo ya creado.?";
inline constexpr char PreguntaCarpetaGeometria[] =
    "Existe una carpeta ya creada en c:\\ con el nombre CarpetaTaludEstratoNF?. Esa carpeta "
    "contiene un archivo con nombre 'taludestratosNF.cod', con el total de las coordenadas que "
    "definen la geometría de la superficie del talud, la geometría de los estratos y del nivel "
    "freático.?";
inline constexpr char CarpetaGeometria[] = "CarpetaTaludEstratoNF";
inline constexpr char ArchivoGeometria[] = "taludestratosNF.cod";
inline constexpr char RutaGeometriaWindows[] = "c:\\CarpetaTaludEstratoNF\\taludestratosNF.cod";

// Entrada numérica.
inline constexpr char UsePuntoDecimal[] = "Utilice el pto (.), para los decimales.";
// "Debe introducir un número en x", "... en y".
std::string DebeIntroducirNumeroEn(const std::string& campo);

} // namespace vertana::textos

#include "model/textos_busqueda.h"
#include "model/textos_dialogos.h"
#include "model/textos_escritorio.h"
#include "model/textos_graficos.h"
#include "model/textos_informe.h"
#include "model/textos_instantaneos.h"
#include "model/textos_iteraciones.h"
#include "model/textos_lectura.h"
#include "model/textos_metodos.h"
#include "model/textos_preparacion.h"
#include "model/textos_resultados.h"
#include "model/textos_roca.h"
#include "model/textos_validacion.h"
#include "model/textos_ventana.h"
