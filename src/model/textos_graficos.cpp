#include "model/numeros.h"
#include "model/textos.h"

namespace vertana::textos {

std::string LeyendaEstrato(int estrato)
{
    return "Estrato " + std::to_string(estrato);
}

std::string EtiquetaFactorSeguridad(double factor, const std::string& metodo)
{
    std::string texto = "FS = " + Formato(factor, "#0.000");
    if (!metodo.empty()) texto += " (" + metodo + ")";
    return texto;
}

std::string NoSePudoExportar(const std::string& ruta)
{
    return "No se pudo escribir el dibujo en " + ruta;
}

} // namespace vertana::textos
