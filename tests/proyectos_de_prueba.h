// Proyectos armados en memoria para las pruebas, con valores que no se escriben de forma exacta
// con pocos decimales (1/3, π...), de modo que una escritura que redondea se nota.
#pragma once

#include "geometry/estado_calculo.h"
#include "model/proyecto.h"

#include <string>
#include <utility>
#include <vector>

namespace vertana::prueba {

// El proyecto de un archivo, leído desde cero; una falla de la prueba si no se pudo leer.
Proyecto Leido(const std::string& ruta);

// Fija una poligonal: sus tablas de abscisas y ordenadas.
void FijarPuntos(Tabla<double>& xs, Tabla<double>& ys,
                 const std::vector<std::pair<double, double>>& puntos);

// Talud de suelo de un estrato con un círculo único y el método de Bishop, sin resultados.
//
//   y
//   20 |          ______________  talud: (60,20) (40,20) (20,10) (0,10)
//   10 |_________/
//    0 |________________________  estrato 1: (60,0) (0,0)
//      0    20   40      60   x
Proyecto SueloCirculoUnico();

// Talud de suelo de dos estratos, superficie compuesta "L", "P", "L", nivel freático, cargas y
// resultados del método indicado (3 Fellenius o 4 Janbu) con tres dovelas.
Proyecto SueloConResultados(int metodo);

// Macizo rocoso con resultados del método variacional (tres dovelas, dos iteraciones), con o sin
// parámetros instantáneos.
Proyecto RocaConResultados(bool instantaneos);

// Macizo rocoso sin resultados con datos de laboratorio en sus dos estratos (3 y 1 pares).
Proyecto RocaConLaboratorio();

// Traslada (dx, dy) todo lo que es un punto de la sección: poligonales, cargas, grieta, (xc, yc)
// de partida del método variacional y el centro de un círculo único. El centro guardado de una
// superficie compuesta no es un punto (Form2 lo calcula como semidiferencia de los extremos del
// talud), ni lo son las marcas 0 del centro guardado y del agua en la grieta.
void Trasladar(Proyecto& p, double dx, double dy);

// Contenido de un archivo leído del disco.
std::string LeerBytes(const std::string& ruta);

// Líneas de un contenido con CR LF (sin los fines de línea).
std::vector<std::string> Lineas(const std::string& contenido);

// Carpeta temporal propia de una prueba, vacía, que se borra al destruirse.
// Equilibrio de la masa con los esfuerzos devueltos, recalculado con la geometría de los bordes
// de dovela: fuerza en la base (τ·b − σ·b·m, τ·b·m + σ·b) en el centro de la base, peso
// γ·(t − y)·b, sismo kh·peso a media altura de la columna y cargas uniformes verticales en el
// centro de la dovela; en equilibrio las tres sumas son 0.
struct Equilibrio {
    double H = 0.0, V = 0.0, M = 0.0;
};

Equilibrio EquilibrioDeResultados(const Proyecto& p, const EstadoCalculo& e);

class CarpetaTemporal {
public:
    CarpetaTemporal();
    ~CarpetaTemporal();
    CarpetaTemporal(const CarpetaTemporal&) = delete;
    CarpetaTemporal& operator=(const CarpetaTemporal&) = delete;

    std::string Ruta(const std::string& nombre) const;
    const std::string& Raiz() const { return raiz_; }

private:
    std::string raiz_;
};

} // namespace vertana::prueba
