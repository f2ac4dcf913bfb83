#include "io/codigos.h"

namespace vertana {

std::optional<Material> MaterialDeLetra(const std::string& letra)
{
    if (letra == "S") return Material::Suelo;
    if (letra == "R") return Material::Roca;
    return std::nullopt;
}

const char* LetraDeMaterial(Material material)
{
    switch (material) {
    case Material::Suelo:
        return "S";
    case Material::Roca:
        return "R";
    default:
        return "";
    }
}

std::optional<TipoUnion> TipoUnionDeLetra(const std::string& letra)
{
    if (letra == "L") return TipoUnion::Recta;
    if (letra == "C") return TipoUnion::Circular;
    if (letra == "P") return TipoUnion::Polinomica;
    return std::nullopt;
}

const char* LetraDeTipoUnion(TipoUnion tipo)
{
    switch (tipo) {
    case TipoUnion::Circular:
        return "C";
    case TipoUnion::Polinomica:
        return "P";
    default:
        return "L";
    }
}

std::optional<bool> SiNoDeLetra(const std::string& letra)
{
    if (letra == "S") return true;
    if (letra == "N") return false;
    return std::nullopt;
}

const char* LetraSiNo(bool valor)
{
    return valor ? "S" : "N";
}

} // namespace vertana
