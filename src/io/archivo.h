// Acceso a archivos completos.
#pragma once

#include <optional>
#include <string>

namespace vertana {

// Contenido completo de un archivo; vacío si no existe o no puede leerse.
std::optional<std::string> LeerArchivoCompleto(const std::string& ruta);

// Escribe el contenido en un archivo temporal al lado de la ruta, lo lleva al disco y lo
// renombra sobre la ruta. Lanza ErrorVertana si algo falla; el archivo anterior queda intacto.
void EscribirArchivoSeguro(const std::string& ruta, const std::string& contenido);

} // namespace vertana
