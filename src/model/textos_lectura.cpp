#include "model/textos.h"

namespace vertana::textos {
namespace {

// Lo encontrado en el archivo, entre comillas angulares y acortado si es muy largo.
std::string Citado(const std::string& texto)
{
    constexpr std::size_t LargoMaximo = 40; // caracteres que se muestran de un ítem
    std::string corto = texto.size() > LargoMaximo ? texto.substr(0, LargoMaximo) + "…" : texto;
    return "«" + corto + "»";
}

} // namespace

std::string LecturaSeEsperaba(const std::string& que, const std::string& encontrado)
{
    if (encontrado.empty()) return "se esperaba " + que + " y el ítem está vacío";
    return "se esperaba " + que + " y se encontró " + Citado(encontrado);
}

std::string LecturaFueraDeRango(const std::string& encontrado)
{
    return "el número " + Citado(encontrado) + " no cabe en un entero (de -32768 a 32767)";
}

std::string LecturaValorNoAdmitido(const std::string& admitidos, const std::string& encontrado)
{
    return "el valor debe ser " + admitidos + " y es " + Citado(encontrado);
}

std::string LecturaMasQueElMaximo(const std::string& que, int cual, int cantidad,
                                  const std::string& unidad, int maximo)
{
    return "el " + que + " " + std::to_string(cual) + " tiene " + std::to_string(cantidad) + " " +
           unidad + " y el archivo declara como máximo " + std::to_string(maximo);
}

std::string LecturaTablaDesmedida(long filas, long columnas, long limite)
{
    return "las tablas pedidas (" + std::to_string(filas) + " × " + std::to_string(columnas) +
           " celdas) superan el límite de " + std::to_string(limite) + " celdas";
}

std::string LeyendoEstrato(int estrato)
{
    return "estrato " + std::to_string(estrato);
}

std::string DetalleDeLaFalla(int linea, int item, const std::string& que, const std::string& motivo)
{
    std::string detalle = "Línea " + std::to_string(linea) + ", ítem " + std::to_string(item);
    if (!que.empty()) detalle += " (" + que + ")";
    return detalle + ": " + motivo + ".";
}

} // namespace vertana::textos
