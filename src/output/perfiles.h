// Líneas de la sección vistas como funciones de x (el talud, las líneas de los estratos), y los
// polígonos de los estratos que se deducen de ellas. Unidades del dibujo (m).
#pragma once

#include <optional>
#include <vector>

namespace vertana {

struct PuntoXY {
    double x = 0.0, y = 0.0;
    bool operator==(const PuntoXY&) const = default;
};

// Poligonal con abscisas estrictamente crecientes: una función y(x) lineal por tramos, definida
// entre su primera y su última abscisa.
using Perfil = std::vector<PuntoXY>;

// Perfil de una lista de puntos en cualquier orden: se ordenan por x y una abscisa repetida
// (un tramo vertical) se corre InclinacionTramoVertical, como en la preparación del cálculo.
Perfil PerfilDe(std::vector<PuntoXY> puntos);

// Ordenada del perfil en x; vacío fuera de sus abscisas o con menos de dos puntos.
std::optional<double> OrdenadaEn(const Perfil& perfil, double x);

// El mínimo de dos perfiles en las abscisas comunes, con los puntos de cruce: un perfil exacto.
// Vacío si no comparten un tramo de abscisas.
Perfil MinimoDePerfiles(const Perfil& a, const Perfil& b);

// Polígono cerrado (el primer punto se repite al final) de un estrato: el perfil de arriba de
// izquierda a derecha y el de abajo de vuelta.
using Poligono = std::vector<PuntoXY>;

// Polígonos de los estratos bajo la superficie del talud. La línea de cada estrato es su límite
// inferior; el estrato i ocupa, en las abscisas comunes, lo que queda entre
// techo_i = min(talud, línea_1, …, línea_(i−1)) y min(techo_i, línea_i), de modo que dos estratos
// no se montan nunca. Un estrato sin línea o sin abscisas comunes da un polígono vacío.
std::vector<Poligono> PoligonosDeEstratos(const Perfil& talud, const std::vector<Perfil>& lineas);

// Área con signo de un polígono cerrado (positiva en sentido antihorario con y hacia arriba).
double AreaPoligono(const Poligono& poligono);

} // namespace vertana
