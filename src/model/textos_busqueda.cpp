#include "model/numeros.h"
#include "model/textos.h"

namespace vertana::textos {

namespace {
constexpr char FormatoFactor[] = "#0.000";
constexpr char FormatoTiempo[] = "#0.00";
} // namespace

std::string LeyendaMejoresSuperficies(std::size_t n)
{
    if (n == 1) return "La mejor superficie";
    return "Las " + std::to_string(n) + " mejores superficies";
}

std::string EtiquetaFactorMinimo(double factor, const std::string& metodo)
{
    std::string texto = "FS mín. = " + Formato(factor, FormatoFactor);
    if (!metodo.empty()) texto += " (" + metodo + ")";
    return texto;
}

std::string TextoAvanceBusqueda(const char* etapa, long ensayos, long previstos, double mejorFactor)
{
    std::string texto = std::string(etapa) + ": " + std::to_string(ensayos) + " de " +
                        std::to_string(previstos) + " ensayos";
    if (mejorFactor > 0.0) texto += " · mejor FS " + Formato(mejorFactor, FormatoFactor);
    return texto;
}

std::string TextoFinBusqueda(long ensayos, long validos)
{
    return "Búsqueda terminada: " + std::to_string(ensayos) + " ensayos, " +
           std::to_string(validos) + " válidos";
}

std::string TextoResultadoBusqueda(double factor, const std::string& metodo, bool circular,
                                   double xc, double yc, double radio, std::size_t puntos,
                                   long ensayos, double segundos)
{
    std::string texto = "FS = " + Formato(factor, FormatoFactor) + " (" + metodo + "): ";
    if (circular)
        texto += "círculo de centro (" + Formato(xc, FormatoCoordenada) + ", " +
                 Formato(yc, FormatoCoordenada) + ") y radio " + Formato(radio, FormatoCoordenada) +
                 " m";
    else
        texto += "poligonal de " + std::to_string(puntos) + " puntos";
    texto +=
        "; " + std::to_string(ensayos) + " ensayos en " + Formato(segundos, FormatoTiempo) + " s";
    return texto;
}

std::string DebeIntroducirEnteroEn(const std::string& campo)
{
    return "Debe introducir un número entero mayor que cero en " + campo;
}

} // namespace vertana::textos
