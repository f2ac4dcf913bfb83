// Evaluación de las superficies de ensayo de la búsqueda de la superficie crítica.
//
// Dos evaluadores con la misma interfaz:
// - el rápido arma las dovelas de cada ensayo directamente de la sección (talud, líneas de los
//   estratos, nivel freático y cargas, leídos una vez) y de la superficie, con las mismas reglas
//   que la preparación del programa (zonas en los cruces con las líneas de los estratos, ancho
//   nominal (extremo superior − extremo inferior)/NumeroDovelas y una dovela de resto por zona,
//   material de la base, presión de poros, agua sobre el talud como carga, peso unitario medio
//   de la columna), calcula una vez por superficie los términos de cada dovela y resuelve
//   Fellenius y Bishop sobre tablas planas sin reservar memoria en cada ensayo; Spencer y
//   Morgenstern-Price pasan las mismas dovelas a los métodos rigurosos (methods/rigurosos.h);
// - el general copia el proyecto, adopta la superficie y corre las seis rutinas de preparación
//   y el método del programa (Calcular para Janbu), como un cálculo de una sola superficie.
// Las diferencias entre los dos son las del cálculo de los cruces (exactos en el rápido, por
// marcha en la preparación) y la tolerancia de la iteración; las vigila una prueba.
#pragma once

#include "calculo/busqueda.h"

#include <cmath>
#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace vertana {

// mα = cos α + sin α·tan φ/F mínima admitida en un ensayo de Bishop, Spencer o
// Morgenstern-Price: por debajo la solución es dudosa (la misma cota del chequeo de Bishop).
constexpr double MAlfaMinimaEnsayo = 0.2;
// Convergencia de la iteración de Bishop en los ensayos (cambio del factor entre pasadas).
constexpr double ToleranciaFactorEnsayo = 1e-7;
constexpr int MaximoPasadasEnsayo = 200;

// Poligonal del proyecto (talud, línea de un estrato, nivel freático) con sus tramos en el orden
// dado y la misma interpolación de la preparación: y = (x − Xa)·m + Ya sobre el tramo que encierra
// a x.
class PoligonalSeccion {
public:
    PoligonalSeccion() = default;
    PoligonalSeccion(const std::vector<double>& x, const std::vector<double>& y);

    // Ordenada en x; nada fuera de la poligonal. `pista` guarda el último tramo usado.
    std::optional<double> Ordenada(double x, std::size_t& pista) const
    {
        const double y = OrdenadaONaN(x, pista);
        if (std::isnan(y)) return std::nullopt;
        return y;
    }
    // Lo mismo para los ensayos, sin std::optional: NaN fuera de la poligonal. Una x dentro del
    // tramo de la pista (lo común entre dovelas vecinas) no recorre nada.
    double OrdenadaONaN(double x, std::size_t& pista) const
    {
        if (pista < tramos_.size()) {
            const Tramo& t = tramos_[pista];
            if (x >= t.xIzq && x <= t.xDer) return (x - t.xa) * t.m + t.ya;
        }
        return Buscar(x, pista);
    }
    std::optional<double> Ordenada(double x) const
    {
        std::size_t pista = 0;
        return Ordenada(x, pista);
    }
    double XMinima() const { return xMin_; }
    double XMaxima() const { return xMax_; }
    double YMinima() const { return yMin_; }
    double YMaxima() const { return yMax_; }
    bool Vacia() const { return tramos_.empty(); }

    struct Tramo {
        double xIzq, xDer; // abscisas menor y mayor
        double xa, ya, m;  // primer punto en el orden dado y pendiente
        double xb, yb;     // segundo punto
    };
    const std::vector<Tramo>& Tramos() const { return tramos_; }

private:
    double Buscar(double x, std::size_t& pista) const;

    std::vector<Tramo> tramos_; // ordenados por xIzq creciente
    double xMin_ = 0.0, xMax_ = 0.0, yMin_ = 0.0, yMax_ = 0.0;
};

// Lo que la búsqueda lee del proyecto, una vez.
struct SeccionBusqueda {
    PoligonalSeccion Talud;
    std::optional<PoligonalSeccion> Freatico;
    std::vector<PoligonalSeccion> Estratos; // línea inferior de cada estrato, 1..n en 0..n−1
    std::vector<double> Cohesion, TangenteFriccion, PesoHumedo, PesoSaturado;
    std::vector<int> Tipo; // TipoDeEstrato
    std::vector<double> ParametroB, CoeficienteCv, TiempoConstruccion;
    double OrdenadaMaximaTalud = 0.0; // la de la preparación (desde −1e8)
    double kh = 0.0, kv = 0.0;
    double NumeroDovelas = 0.0;
    double FactorInicial = 1.0; // punto de partida de las iteraciones de los ensayos
    struct Uniforme {
        double xo, xf, qx, qy;
    };
    struct Puntual {
        double x, y, px, py;
    };
    std::vector<Uniforme> Uniformes;
    std::vector<Puntual> Puntuales;
    double YFondo = 0.0;  // punto más bajo de las líneas de los estratos
    double YCorona = 0.0; // punto más alto del talud
};

// Arma la sección; devuelve el mensaje si el proyecto no permite buscar (roca, parámetros
// instantáneos, grieta, sin talud o sin estratos).
std::optional<std::string> ArmarSeccion(const Proyecto& p, SeccionBusqueda& s);

// Cruces del arco inferior del círculo con el talud: el de mayor abscisa (entrada, en la
// corona) y el de menor (salida, en el pie). Nada si no hay dos.
std::optional<std::pair<Punto2, Punto2>> ExtremosDelCirculo(const SeccionBusqueda& s, double xo,
                                                            double yo, double R);

struct EnsayoEvaluado {
    bool Valido = false;
    double FactorSeguridad = 0.0;
    Punto2 Entrada, Salida;
    double Profundidad = 0.0; // mayor altura de la masa sobre la superficie (m)
    double Area = 0.0;        // área de la masa (m2)
    int Dovelas = 0;
};

// La interfaz con que la búsqueda usa los métodos.
class EvaluadorEnsayos {
public:
    virtual ~EvaluadorEnsayos() = default;
    virtual EnsayoEvaluado Evaluar(const SuperficieEnsayo& superficie) = 0;
};

// Límites de las superficies admitidas (OpcionesBusqueda).
struct LimitesEnsayo {
    double Profundidad = 0.0;
    double Area = 0.0;
};

// El evaluador rápido o, con `general` (y siempre para Janbu, cuya iteración sigue al método del
// programa), el general. El proyecto y la sección deben vivir mientras el evaluador.
std::unique_ptr<EvaluadorEnsayos> CrearEvaluador(const Proyecto& p, const SeccionBusqueda& seccion,
                                                 MetodoBusqueda metodo, bool general,
                                                 const LimitesEnsayo& limites = {});

} // namespace vertana
