// La sección transversal dibujada: superficie del talud, estratos, nivel freático, superficie de
// falla con sus dovelas, grieta de tracción y cargas. La usan la ventana de la geometría del
// talud, la vista de la sección de la ventana principal y la exportación de la línea de órdenes.
#pragma once

#include "geometry/estado_calculo.h"
#include "model/interaccion.h"
#include "model/proyecto.h"
#include "output/escena.h"
#include "output/perfiles.h"

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace vertana {

// De dónde sale la superficie de falla dibujada: de sus puntos y uniones, o de las dovelas del
// último cálculo.
enum class OrigenSuperficie { Definicion, Dovelas };

// El conjunto que el editor tiene en pantalla y todavía no guardó en el proyecto: se dibuja en
// lugar del guardado. Conjuntos 1 talud, 2 superficie de falla, 3 nivel freático, 4 estrato.
struct ConjuntoEnEdicion {
    int conjunto = 1;
    int estrato = 1;
    std::vector<PuntoXY> puntos; // en el orden del editor
    int seleccionado = 0;        // punto elegido en la lista (1..n), 0 ninguno
};

struct OpcionesSeccion {
    double ancho = 1000.0, alto = 700.0; // píxeles del lienzo
    std::string titulo;                  // vacío: sin título
    bool leyenda = true;
    bool escalasIguales = true;
    Color colorEjes = colores::Negro;
    double tamanoLetra = 11.0;
    double pasoMinimo = 1.0; // m entre dos marcas de los ejes, como en los gráficos de esfuerzos
    bool extremos = true;    // los extremos de la sección escritos junto a los ejes
    std::optional<Rectangulo> ventana; // lo que se ve, en m; vacío: toda la sección
    OrigenSuperficie origen = OrigenSuperficie::Definicion;
    bool conSuperficie = true;               // false: la superficie no se dibuja
    bool conDovelas = true;                  // las dovelas guardadas en el proyecto
    const TablaDeDovelas* dovelas = nullptr; // bordes del último cálculo, si los hay
    std::optional<ConjuntoEnEdicion> edicion;
    std::optional<double> factorSeguridad; // se escribe junto a la superficie
    std::string nombreMetodo;
    double reservaDerecha = 0.0; // píxeles libres a la derecha para lo que se dibuje encima
};

// Una carga dibujada: una flecha que termina en el punto donde actúa.
struct Flecha {
    PuntoXY cola, punta;
};

// Lo que se dibuja, en metros.
struct GeometriaSeccion {
    std::vector<PuntoXY> talud;
    std::vector<std::vector<PuntoXY>> lineasEstratos; // límite inferior de cada estrato
    std::vector<Poligono> estratos;                   // uno por estrato; vacío si no se puede
    std::vector<PuntoXY> freatico;
    std::vector<PuntoXY> superficie;                   // la curva de la superficie de falla
    bool superficieConstruida = false;                 // false: los puntos unidos por rectas
    std::vector<PuntoXY> puntosSuperficie;             // los puntos que la definen
    std::vector<std::pair<PuntoXY, PuntoXY>> dovelas;  // cada borde, de la base al talud
    std::optional<std::pair<PuntoXY, PuntoXY>> grieta; // de arriba abajo
    std::optional<double> aguaEnGrieta;                // ordenada del agua en la grieta
    std::vector<Flecha> cargas;
    Rectangulo extremos;  // de los conjuntos de puntos (talud, estratos, freático, falla, grieta)
    Rectangulo extension; // de todo lo anterior y de las flechas de las cargas, en m
};

// La curva de la superficie de falla desde sus puntos y uniones, tal como la construye la
// preparación del cálculo (un círculo único en arcos de menos de 1 m, los arcos y polinomios
// muestreados cada PasoMuestreoCurva). Si no se puede construir (uniones que no cubren los
// puntos, radio que no alcanza), los puntos unidos por rectas y `construida` en falso.
constexpr double PasoMuestreoCurva = 0.25; // m entre dos puntos de un arco o un polinomio
struct CurvaDeFalla {
    std::vector<PuntoXY> puntos;
    bool construida = false;
};
CurvaDeFalla CurvaSuperficieFalla(const Proyecto& p);

// La sección en metros. Lee el proyecto (o el conjunto en edición en lugar del suyo).
GeometriaSeccion CalcularGeometriaSeccion(const Proyecto& p, const OpcionesSeccion& o);

// La escena de la sección en un lienzo de o.ancho × o.alto píxeles.
Escena EscenaSeccion(const Proyecto& p, const OpcionesSeccion& o);
// Puntos del dibujo en píxeles.
std::vector<PuntoPx> APixeles(const Transformacion& t, const std::vector<PuntoXY>& puntos);

// Colores.
Color ColorDeEstrato(int estrato);      // relleno del estrato (1, 2, ...), repetidos cada 8
Color ColorLineaDeEstrato(int estrato); // el mismo tono, oscuro, para dibujar sólo su línea
namespace colores {
inline constexpr Color Talud{0, 0, 0};
inline constexpr Color LineaEstrato{110, 80, 50};
inline constexpr Color Freatico{0, 90, 255};
inline constexpr Color Falla{220, 0, 0};
inline constexpr Color Dovela{90, 90, 90};
inline constexpr Color Grieta{60, 40, 20};
inline constexpr Color Carga{150, 0, 150};
inline constexpr Color Elegido{255, 140, 0};
} // namespace colores

// Antes de dibujar la geometría del talud (Form3): sin puntos del talud muestra "No existen
// coordenadas..." y no se dibuja; pregunta si la persona modificó la superficie sin calcular
// (con No y dovelas calculadas, la superficie sale de las dovelas); con la superficie desde su
// definición, un círculo único sin radio muestra "La superficie potencial de falla
// seleccionada es un arco de cículo..." y la superficie no se dibuja; si no, el centro y el
// radio del círculo único se construyen como en el cálculo y se escriben en el proyecto.
struct PreparacionGeometria {
    bool dibujar = false;
    OrigenSuperficie origen = OrigenSuperficie::Definicion;
    bool conSuperficie = true;
};
PreparacionGeometria PrepararGraficoGeometria(Proyecto& p, Interaccion& ui);

} // namespace vertana
