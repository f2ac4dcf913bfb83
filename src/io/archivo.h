// Acceso a archivos completos.
#pragma once

#include <optional>
#include <string>

namespace vertana {

// Contenido completo de un archivo; vacío si no existe o no puede leerse.
std::optional<std::string> LeerArchivoCompleto(const std::string& ruta);

// Escribe el contenido en un archivo temporal al lado de la ruta, lo lleva al disco y lo
// renombra sobre la ruta. Lanza ErrorVertana si algo falla; el archivo anterior queda intacto.
// - Un enlace simbólico se sigue hasta el archivo real, que es el que se reemplaza (el enlace
//   queda como enlace).
// - El archivo nuevo conserva los permisos del que reemplaza.
// - Un archivo de sólo lectura (sin permiso de escritura para nadie, o para quien guarda) no se
//   sobreescribe: ErrorVertana con un mensaje que lo dice.
// - Los temporales que dejó un guardado interrumpido (el programa terminó antes de renombrar)
//   se borran al guardar de nuevo en la misma ruta: se llaman como el archivo seguido de
//   ".vertana-" , seis cifras y ".tmp".
void EscribirArchivoSeguro(const std::string& ruta, const std::string& contenido);

// Nombre de un temporal de guardado de `nombre` (sin carpeta): nombre + ".vertana-" + seis
// cifras + ".tmp".
bool EsTemporalDeGuardado(const std::string& nombre, const std::string& temporal);

} // namespace vertana
