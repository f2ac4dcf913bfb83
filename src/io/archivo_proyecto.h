// Archivo de proyecto (.cod): lectura y escritura de los ítems 1 a 29, en el mismo orden y con
// las mismas condiciones de ambos lados.
#pragma once

#include "io/items.h"
#include "model/interaccion.h"
#include "model/proyecto.h"

#include <string>

namespace vertana {

// Límite de celdas de las tablas de dos dimensiones (estratos x puntos, estratos x pares de
// laboratorio) que un archivo puede pedir; un archivo que pide más no es un proyecto real.
constexpr long LimiteCeldasTabla2 = 4'000'000;

// Descarta del proyecto lo que el archivo no lleva, para que el proyecto en memoria sea igual al
// que da una nueva lectura del archivo (ajuste del círculo, columnas y tablas del otro tipo de
// material, historias y valores de ht de otros métodos, datos de laboratorio de suelos).
void AjustarParaGuardar(Proyecto& p);

// Contenido del archivo (Windows-1252, CR LF) de un proyecto ya ajustado.
std::string ContenidoArchivoProyecto(const Proyecto& p);

// Ajusta el proyecto y lo escribe en la ruta: primero en un archivo temporal al lado y luego lo
// renombra, de modo que nunca queda un archivo a medio escribir. Lanza ErrorVertana si no puede.
void EscribirProyecto(const std::string& ruta, Proyecto& p);

// Llena el proyecto (ya reiniciado) con el contenido de un archivo. Devuelve false al primer
// ítem que falta o no es del tipo esperado, y entonces dice en `falla` (si se da) dónde y por
// qué; lo leído hasta ahí queda en el proyecto.
bool LeerContenidoProyecto(const std::string& bytes, Proyecto& p, FallaDeLectura* falla = nullptr);

// Detalle del mensaje de una lectura fallida: el archivo y, en otra línea, la línea, el ítem, lo
// que se leía y el motivo (sin falla: el archivo no existe o no se puede leer).
std::string DetalleErrorDeLectura(const std::string& ruta, const FallaDeLectura* falla);

// Reinicia el proyecto y lo llena desde la ruta. Ante cualquier falla muestra "Error leyendo
// archivo" con el detalle de la falla y devuelve false, con el proyecto en el estado reiniciado
// más lo leído antes de la falla. Con éxito pone InformacionIntroducida. En ambos casos la cuerda
// del círculo queda calculada para la superficie de falla leída.
bool LeerProyecto(const std::string& ruta, Proyecto& p, Interaccion& interaccion);

} // namespace vertana
