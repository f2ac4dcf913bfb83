// Descripción de un dibujo sin Qt: lo que hay que pintar, ya en píxeles del lienzo (x hacia la
// derecha, y hacia abajo). La
// interfaz gráfica y la línea de órdenes sólo lo pintan; todo lo que es geometría del dibujo
// (escalas, marcas de los ejes, posición de los textos) se calcula aquí y se prueba con números.
// Orden de pintura: rejilla, rellenos, líneas, marcas, textos.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vertana {

struct Color {
    std::uint8_t r = 0, g = 0, b = 0;
    bool operator==(const Color&) const = default;
};

struct PuntoPx {
    double x = 0.0, y = 0.0;
    bool operator==(const PuntoPx&) const = default;
};

// Rectángulo en píxeles o en metros: x0 ≤ x1, y0 ≤ y1.
struct Rectangulo {
    double x0 = 0.0, y0 = 0.0, x1 = 0.0, y1 = 0.0;
    double Ancho() const { return x1 - x0; }
    double Alto() const { return y1 - y0; }
    bool Contiene(double x, double y) const { return x >= x0 && x <= x1 && y >= y0 && y <= y1; }
    bool SeCruzaCon(const Rectangulo& o) const
    {
        return x0 < o.x1 && o.x0 < x1 && y0 < o.y1 && o.y0 < y1;
    }
};

// Paso de coordenadas del dibujo (m o ton/m2, y hacia arriba) a píxeles (y hacia abajo):
// px = ox + (x − xMin)·ex, py = oy − (y − yMin)·ey.
struct Transformacion {
    Rectangulo mundo; // lo que se ve, en unidades del dibujo
    Rectangulo area;  // dónde se ve, en píxeles
    double ex = 1.0;  // píxeles por unidad en x
    double ey = 1.0;  // píxeles por unidad en y
    PuntoPx Pixel(double x, double y) const;
    // Lo inverso: el punto del dibujo bajo un píxel.
    double AbscisaEn(double px) const;
    double OrdenadaEn(double py) const;
};

// Lleva el rectángulo del mundo al área. Con escalas iguales (un metro mide lo mismo en x que en
// y) el mundo se agranda en la dirección que sobra para llenar el área, centrado.
Transformacion Ajustar(const Rectangulo& mundo, const Rectangulo& area, bool escalasIguales);

enum class Trazado { Continuo, Discontinuo, Punteado };

struct Linea {
    std::vector<PuntoPx> puntos;
    Color color;
    double grosor = 1.0; // píxeles
    Trazado trazado = Trazado::Continuo;
    bool cerrada = false;
    bool enArea = false; // se recorta al área del dibujo
};

// Polígono relleno, sin borde; el primer punto se repite al final.
struct Relleno {
    std::vector<PuntoPx> puntos;
    Color color;
    bool enArea = false;
};

enum class FormaMarca { Circulo, Cuadrado, Anillo, TrianguloInvertido };

struct Marca {
    PuntoPx centro;
    double radio = 3.0; // píxeles
    FormaMarca forma = FormaMarca::Circulo;
    Color color;
};

enum class AlineacionH { Izquierda, Centro, Derecha };
enum class AlineacionV { Arriba, Centro, Abajo };

struct Texto {
    std::string texto;
    PuntoPx ancla;
    double tamano = 11.0; // alto de la letra en píxeles
    AlineacionH h = AlineacionH::Izquierda;
    AlineacionV v = AlineacionV::Centro;
    Color color;
    bool negrita = false;
    bool fondo = false;      // recuadro blanco detrás, para leerlo sobre las líneas
    bool vertical = false;   // girado 90° (se lee de abajo arriba)
    Rectangulo Caja() const; // lo que ocupa, estimado (ver AnchoEstimado)
};

// Una entrada de la leyenda: una muestra de línea, de relleno o de marca y su texto.
struct EntradaLeyenda {
    enum class Muestra { Linea, Relleno, Marca };
    Muestra muestra = Muestra::Linea;
    Color color;
    Trazado trazado = Trazado::Continuo;
    std::string texto;
};

struct Escena {
    double ancho = 0.0, alto = 0.0; // píxeles
    Color fondo{255, 255, 255};
    std::vector<Linea> rejilla; // debajo de todo
    std::vector<Relleno> rellenos;
    std::vector<Linea> lineas;
    std::vector<Marca> marcas;
    std::vector<Texto> textos;
    std::vector<EntradaLeyenda> leyenda; // ya dibujada en la escena; la lista sirve a quien la lea
    Transformacion transformacion;       // la del área del dibujo
};

// Ancho estimado de un texto en píxeles: 0.62 del tamaño por carácter (las cifras de la letra
// DejaVu Sans miden 0.636 de su tamaño y las minúsculas menos), contando caracteres UTF-8.
double AnchoEstimado(const std::string& texto, double tamano);

// Marcas de un eje: valores redondos (1, 2 o 5 por una potencia de 10) entre min y max, con un
// paso no menor que pasoMinimo y tal que haya a lo sumo maximoMarcas marcas.
struct MarcasEje {
    double paso = 0.0;
    std::vector<double> valores;
    int decimales = 0; // los que necesita el paso para escribirse
};
MarcasEje CalcularMarcas(double min, double max, int maximoMarcas, double pasoMinimo);

// Texto de un valor con los decimales dados ("-0" se escribe "0").
std::string TextoValor(double valor, int decimales);

// Coloca textos sin que se monten: cada texto prueba sus posiciones candidatas en orden y se
// queda con la primera que cabe dentro de `limites` sin cruzarse con lo ya ocupado; si ninguna
// cabe se descarta. Devuelve los colocados y agrega sus cajas a `ocupado`.
std::vector<Texto> ColocarTextos(const std::vector<std::vector<Texto>>& candidatos,
                                 const Rectangulo& limites, std::vector<Rectangulo>& ocupado);

// Cajas pequeñas (de `radio` píxeles a cada lado) cada `paso` píxeles a lo largo de una línea: lo
// que ocupa la línea para ColocarTextos.
std::vector<Rectangulo> CajasDeLinea(const std::vector<PuntoPx>& linea, double paso, double radio);

// Colores de la paleta de 16 colores que usan los gráficos de esfuerzos.
namespace colores {
inline constexpr Color Negro{0, 0, 0};
inline constexpr Color Azul{0, 0, 128};
inline constexpr Color Verde{0, 128, 0};
inline constexpr Color Rojo{128, 0, 0};
inline constexpr Color Blanco{255, 255, 255};
inline constexpr Color GrisClaro{215, 215, 215};
inline constexpr Color Gris{128, 128, 128};
} // namespace colores

// Ejes de un gráfico: el marco del área, las marcas redondas con su valor y, si se piden, los
// extremos de los datos escritos con "#0.00" en una segunda fila (x) o columna (y).
struct OpcionesEjes {
    std::string tituloX, tituloY;
    Color color = colores::Negro;
    double tamanoLetra = 11.0;
    double pasoMinimo = 0.0;
    std::optional<Rectangulo> extremos; // los de los datos
    bool rejilla = true;
};

// Márgenes (píxeles) que necesitan los textos de los ejes alrededor del área del dibujo.
struct Margenes {
    double izquierda = 0.0, derecha = 0.0, arriba = 0.0, abajo = 0.0;
};
Margenes MargenesDeEjes(const Rectangulo& mundo, const OpcionesEjes& o);

// Dibuja los ejes de la transformación en la escena (marco, rejilla, marcas y textos).
void DibujarEjes(Escena& escena, const OpcionesEjes& o);

// Dibuja la leyenda en un recuadro con su esquina superior derecha en `esquina`; devuelve el
// rectángulo que ocupa.
Rectangulo DibujarLeyenda(Escena& escena, const std::vector<EntradaLeyenda>& entradas,
                          PuntoPx esquina, double tamanoLetra);
// Ancho y alto de esa leyenda.
PuntoPx TamanoLeyenda(const std::vector<EntradaLeyenda>& entradas, double tamanoLetra);

// Una línea recortada al área de dibujo y un texto sin fondo.
Linea LineaEnArea(std::vector<PuntoPx> puntos, Color color, double grosor,
                  Trazado trazado = Trazado::Continuo);
Texto NuevoTexto(std::string contenido, PuntoPx ancla, double tamano, AlineacionH h, AlineacionV v,
                 Color color);

} // namespace vertana
