// Proyectos de suelo armados a mano para las pruebas de la preparación del cálculo.
#pragma once

#include "model/proyecto.h"

#include <string>
#include <utility>
#include <vector>

namespace vertana::prueba {

using Puntos = std::vector<std::pair<double, double>>;

struct Union {
    int inicial;
    int final;
    std::string tipo;
};

// Talud horizontal y = 12 de x = 20 a x = −10, sin estratos ni nivel freático, suelos, con la
// superficie de falla recta (10, 10) → (0, 0) y el número de dovelas dado.
//
//   y 12 |------------------------------  talud
//     10 |            * (10,10)
//        |          /
//      0 |________*______________ superficie de falla y = x
//        -10      0      10      20   x
Proyecto TaludRecto(double numeroDovelas);

void FijarSuperficie(Proyecto& p, const Puntos& puntos, const std::vector<Union>& uniones);
void FijarFreatico(Proyecto& p, const Puntos& puntos);
// Agrega un estrato cuya línea inferior pasa por los puntos dados.
void AgregarEstrato(Proyecto& p, const Puntos& linea, double c, double phi, double gh, double gs,
                    int tipo = 2);

} // namespace vertana::prueba
