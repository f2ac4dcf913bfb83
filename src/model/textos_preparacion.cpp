#include "model/textos.h"

#include "model/numeros.h"

namespace vertana::textos {

std::string UnionFueraDeLaSuperficie(int union_)
{
    return "La unión " + std::to_string(union_) +
           " de la superficie de falla se refiere a puntos que no existen o tiene su punto "
           "final antes del inicial. Vaya al menú coordenadas.";
}

std::string UnionPolinomicaCorta(int union_)
{
    return "La unión " + std::to_string(union_) +
           " de tipo P debe pasar por más de dos puntos de la superficie de falla.";
}

std::string UnionNoConsecutiva(int union_)
{
    return "La unión " + std::to_string(union_) +
           " de tipo L o C debe unir dos puntos consecutivos de la superficie de falla.";
}

std::string TramoSinUnion(int punto)
{
    return "El tramo entre los puntos " + std::to_string(punto) + " y " +
           std::to_string(punto + 1) +
           " de la superficie de falla no tiene tipo de unión. Vaya al menú coordenadas.";
}

std::string AbscisasNoDecrecientes(int punto)
{
    return "El punto " + std::to_string(punto) +
           " de la superficie de falla tiene mayor abscisa que el anterior: los puntos deben ir "
           "de la corona al pie con abscisas decrecientes (un arco o un polinomio, con abscisas "
           "distintas).";
}

std::string CirculoSinCentro()
{
    return "No fue posible hallar el centro del círculo de falla: el radio creció 5000 m sin "
           "que el centro quedara por encima del punto de la corona. Revise los puntos extremos "
           "y el radio.";
}

std::string ArcoSinTramoVecino(int p1, int p2)
{
    return "El arco de círculo entre los puntos " + std::to_string(p1) + " y " +
           std::to_string(p2) +
           " de la superficie de falla no tiene un tramo vecino al que ser tangente.";
}

std::string ArcoSinCurvatura(int p1, int p2)
{
    return "El arco de círculo entre los puntos " + std::to_string(p1) + " y " +
           std::to_string(p2) +
           " de la superficie de falla tiene la dirección del tramo vecino: no existe un arco "
           "tangente. Use una unión de tipo L.";
}

std::string ArcoSinConvergencia(int p1, int p2, int iteraciones)
{
    return "No fue posible hallar el centro del arco de círculo entre los puntos " +
           std::to_string(p1) + " y " + std::to_string(p2) + " de la superficie de falla en " +
           std::to_string(iteraciones) + " iteraciones.";
}

std::string CruceNoEncontrado(int estrato, int puntoA, int puntoB)
{
    return "No se encontró el cruce del tramo entre los puntos " + std::to_string(puntoA) + " y " +
           std::to_string(puntoB) + " de la superficie de falla con la línea del estrato " +
           std::to_string(estrato) + ".";
}

std::string BordeFueraDeLaSuperficie(int borde)
{
    return "El borde " + std::to_string(borde) +
           " de las dovelas queda fuera de la superficie de falla.";
}

std::string OrdenadaSuperficieNoValida(int borde)
{
    return "La superficie de falla no tiene ordenada en el borde " + std::to_string(borde) +
           " de las dovelas: el arco de círculo no llega a esa abscisa. Revise el radio y el "
           "centro.";
}

std::string CirculoNoAlcanza(double x)
{
    return "El círculo de falla, con su centro y su radio, no llega a la abscisa x = " +
           Formato(x, "#0.000") +
           " de la superficie de falla. Revise el radio y el centro del círculo.";
}

std::string CentroFueraDePoligonal(int dovela, double x, const std::string& de)
{
    return "El centro de la dovela " + std::to_string(dovela) + " (x = " + Formato(x, "#0.000") +
           ") queda fuera de las abscisas " + de + ".";
}

std::string BordeFueraDePoligonal(int borde, double x, const std::string& de)
{
    return "El borde " + std::to_string(borde) + " de las dovelas (x = " + Formato(x, "#0.000") +
           ") queda fuera de las abscisas " + de + ".";
}

std::string BaseBajoElUltimoEstrato(int dovela, int estrato)
{
    return "La base de la dovela " + std::to_string(dovela) +
           " queda por debajo de la línea del estrato " + std::to_string(estrato) +
           ", la más baja: no tiene material.";
}

std::string BaseSobreElTalud(int dovela)
{
    return "La base de la dovela " + std::to_string(dovela) +
           " no queda por debajo de la superficie del talud.";
}

} // namespace vertana::textos
