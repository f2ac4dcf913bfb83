// Las letras y los números con que el archivo de proyecto y los cuadros de texto escriben los
// valores codificados del proyecto ("S"/"R", "L"/"C"/"P", "S"/"N"), y su conversión a las
// enumeraciones de model/tipos.h. Es el único lugar donde se traducen.
#pragma once

#include "model/tipos.h"

#include <optional>
#include <string>

namespace vertana {

// "S" suelos, "R" macizos rocosos; nada con cualquier otro texto.
std::optional<Material> MaterialDeLetra(const std::string& letra);
// "S", "R" o "" sin definir.
const char* LetraDeMaterial(Material material);

// "L", "C" o "P"; nada con cualquier otro texto.
std::optional<TipoUnion> TipoUnionDeLetra(const std::string& letra);
const char* LetraDeTipoUnion(TipoUnion tipo);

// "S" sí, "N" no; nada con cualquier otro texto.
std::optional<bool> SiNoDeLetra(const std::string& letra);
const char* LetraSiNo(bool valor);

} // namespace vertana
