// Archivo de geometría: talud, nivel freático y estratos preparados por el usuario en una ruta
// fija. Sólo se lee.
#pragma once

#include "io/items.h"
#include "model/interaccion.h"
#include "model/proyecto.h"

#include <string>

namespace vertana {

// Ruta del archivo de geometría: en Windows "c:\CarpetaTaludEstratoNF\taludestratosNF.cod";
// en los demás sistemas la carpeta CarpetaTaludEstratoNF de la carpeta personal ocupa el lugar de
// c:\CarpetaTaludEstratoNF.
std::string RutaArchivoGeometria(const std::string& carpetaPersonal);

// Lee el contenido de un archivo de geometría en el proyecto. Todo o nada: si el contenido está
// incompleto o mal formado devuelve false y el proyecto queda como estaba. Sólo cambia el talud,
// el nivel freático, los estratos (cantidad, puntos) y EstratosCaracterizados. Con una falla y
// `falla` dado, dice dónde y por qué.
bool LeerContenidoGeometria(const std::string& bytes, Proyecto& p, FallaDeLectura* falla = nullptr);

// Orden completa de cargar la geometría: las dos preguntas y la lectura. Devuelve true cuando se
// cargó; un archivo que falta o está mal formado muestra "Error leyendo archivo" (con el archivo
// y el motivo como detalle) y deja el proyecto sin cambios. La ventana, si la carga se hizo, vuelve
// a mostrar el talud.
bool CargarGeometria(const std::string& ruta, Proyecto& p, Interaccion& interaccion);

} // namespace vertana
