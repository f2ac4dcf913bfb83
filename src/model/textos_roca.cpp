#include "model/textos.h"

namespace vertana::textos {

std::string EnElEstrato(int estrato, const std::string& texto)
{
    return "Estrato " + std::to_string(estrato) + ": " + texto;
}

std::string MacizoNoValidoEnCalculo(int estrato, const std::string& texto)
{
    return EnElEstrato(estrato, texto) +
           " Vaya al menú coordenadas (Características de los estratos, Rocas).";
}

std::string PuntosLaboratorioInsuficientes(int estrato)
{
    return "Ud. no ha dado los suficientes puntos para el estrato No " + std::to_string(estrato);
}

std::string PreguntaRocaIntacta(int estrato)
{
    return "Los datos corresponden a roca intacta para el estrato " + std::to_string(estrato);
}

std::string AjusteSinCompresionSimple(int estrato)
{
    return "El estrato " + std::to_string(estrato) +
           " no tiene resistencia a la compresión simple: 'm' y 's' no pueden ajustarse. Vaya a "
           "la opción 'SIN DATOS DE PRUEBAS DE LABORATORIO' y dé su valor.";
}

std::string AjusteSigma3Iguales(int estrato)
{
    return "Todos los ensayos del estrato " + std::to_string(estrato) +
           " tienen el mismo sigma '3': 'm' y 's' no pueden ajustarse. Dé ensayos con distintos "
           "sigma '3'.";
}

std::string AjusteSumaSigma3Nula(int estrato)
{
    return "Los ensayos del estrato " + std::to_string(estrato) +
           " dan s = 0 y la suma de sus sigma '3' es cero: 'm' no puede calcularse. Dé ensayos "
           "con sigma '3' mayores que cero.";
}

std::string AjusteMNoPositivo(int estrato)
{
    return "Los ensayos del estrato " + std::to_string(estrato) +
           " dan un parámetro 'm' que no es mayor que cero: revise los esfuerzos principales.";
}

} // namespace vertana::textos
