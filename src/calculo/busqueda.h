// Búsqueda de la superficie de falla crítica: la de menor factor de seguridad entre muchas
// superficies de ensayo, circulares (rejilla de centros con radios, o tramos de entrada y salida
// sobre el talud) y, para Janbu, Spencer y Morgenstern-Price, poligonales optimizadas a partir
// del círculo crítico (docs/busqueda.md).
//
// La búsqueda no cambia el proyecto: trabaja sobre copias. Los ensayos se evalúan con un
// evaluador rápido (busqueda_ensayos.h) y la superficie que se entrega se calcula al final por el
// camino completo del programa (preparación de las seis rutinas y el método, Calcular para
// Fellenius, Bishop y Janbu), de modo que su factor es exactamente el que da el cálculo de esa
// superficie adoptada en el proyecto.
//
// Para la interfaz gráfica: BuscarSuperficieCritica puede correr fuera del hilo de la ventana; la
// función de avance se llama siempre desde el hilo que llamó a la búsqueda, entre tandas de
// ensayos, y su false cancela; la bandera `cancelar` se puede poner desde cualquier hilo.
#pragma once

#include "model/proyecto.h"

#include <atomic>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace vertana {

enum class MetodoBusqueda { Fellenius, Bishop, Janbu, Spencer, MorgensternPrice };

// Rejilla de centros: NX × NY centros entre los límites (un solo valor si N = 1).
struct RejillaCentros {
    double XMin = 0.0, XMax = 0.0;
    int NX = 1;
    double YMin = 0.0, YMax = 0.0;
    int NY = 1;
    bool operator==(const RejillaCentros&) const = default;
};

// Tramos del talud donde la superficie entra (corona) y sale (pie); sus abscisas en cualquier
// orden. Cada par de puntos da `Radios` círculos.
struct TramosEntradaSalida {
    double EntradaX1 = 0.0, EntradaX2 = 0.0;
    double SalidaX1 = 0.0, SalidaX2 = 0.0;
    int PuntosEntrada = 10;
    int PuntosSalida = 10;
    bool operator==(const TramosEntradaSalida&) const = default;
};

struct Punto2 {
    double x = 0.0, y = 0.0;
    bool operator==(const Punto2&) const = default;
};

// Cómo se eligen los radios de cada centro de la rejilla.
enum class RadiosDeRejilla {
    // `Radios` círculos tangentes a horizontales repartidas por igual: entre TangenteYMin y
    // TangenteYMax, las dos incluidas, si se dan; si no, desde el punto más bajo de las líneas
    // de los estratos (incluido) hasta el más alto del talud (excluido).
    Tangentes,
    // Un círculo por centro, el que pasa por PuntoDePaso (por ejemplo el pie del talud).
    PorPunto,
};

struct OpcionesBusqueda {
    MetodoBusqueda Metodo = MetodoBusqueda::Bishop;
    std::optional<RejillaCentros> Rejilla;
    std::optional<TramosEntradaSalida> EntradaSalida;
    // Radios por centro de la rejilla (con tangentes) o por par de entrada y salida.
    int Radios = 10;
    RadiosDeRejilla DefinicionRadios = RadiosDeRejilla::Tangentes;
    std::optional<double> TangenteYMin, TangenteYMax; // m; las dos o ninguna
    Punto2 PuntoDePaso;
    bool Refinar = true;     // optimización local (Nelder-Mead) del mejor círculo
    bool NoCircular = false; // después, poligonal optimizada desde el círculo crítico
    int VerticesNoCircular = 8;
    // Límites de las superficies admitidas: profundidad máxima de la masa (m) y su área (m2)
    // como mínimo, para dejar fuera los deslizamientos superficiales.
    double ProfundidadMinima = 0.0;
    double AreaMinima = 0.0;
    int Hilos = 0; // 0: todos los núcleos
    // Evalúa cada ensayo con la preparación general del programa (más lento; para comparar).
    bool EvaluadorGeneral = false;
    int Mejores = 20; // superficies que se conservan, de menor a mayor factor
    bool operator==(const OpcionesBusqueda&) const = default;
};

// Una superficie de ensayo: un círculo (centro y radio; sus extremos son sus cruces con el
// talud) o una poligonal de la corona al pie (abscisas decrecientes, extremos sobre el talud).
struct SuperficieEnsayo {
    bool Circular = true;
    double XCentro = 0.0, YCentro = 0.0, Radio = 0.0;
    std::vector<Punto2> Puntos; // poligonal; en un círculo, sus dos extremos tras evaluarlo
};

struct SuperficieConFactor {
    SuperficieEnsayo Superficie;
    double FactorSeguridad = 0.0;
};

// Menor factor hallado con cada centro de la rejilla (el mapa de factores de seguridad).
struct FactorEnCentro {
    double x = 0.0, y = 0.0;
    std::optional<double> FactorSeguridad;
};

struct AvanceBusqueda {
    long Ensayos = 0;   // evaluados hasta ahora
    long Previstos = 0; // de la etapa en curso y las anteriores (una estimación)
    double MejorFactor = 0.0;
    const char* Etapa = ""; // "rejilla", "refinamiento", "no circular"
};

// Devuelve false para cancelar la búsqueda.
using FuncionAvance = std::function<bool(const AvanceBusqueda&)>;

enum class EstadoBusqueda {
    Hallada,        // hay superficie crítica y su factor por el cálculo completo
    SinSuperficie,  // ningún ensayo válido, o el cálculo completo no la reprodujo
    Cancelada,      // la persona la canceló; nada cambió
    DatosInvalidos, // las opciones o el proyecto no permiten buscar
};

struct ResultadoBusqueda {
    EstadoBusqueda Estado = EstadoBusqueda::DatosInvalidos;
    std::string Mensaje;
    SuperficieEnsayo Critica;
    // Factor de la superficie crítica por el cálculo completo del método (Calcular para
    // Fellenius, Bishop y Janbu; preparación y métodos rigurosos para Spencer y
    // Morgenstern-Price): el que da el proyecto con esa superficie adoptada.
    double FactorSeguridad = 0.0;
    double FactorEnsayo = 0.0; // el del evaluador de ensayos para la misma superficie
    long Ensayos = 0;
    long EnsayosValidos = 0;
    double Segundos = 0.0;
    int HilosUsados = 1;
    std::vector<SuperficieConFactor> Mejores; // factores del evaluador de ensayos
    std::vector<FactorEnCentro> Mapa;         // sólo con rejilla
};

// Busca la superficie crítica del proyecto. No cambia `p`.
ResultadoBusqueda BuscarSuperficieCritica(const Proyecto& p, const OpcionesBusqueda& opciones,
                                          const FuncionAvance& avance = {},
                                          const std::atomic<bool>* cancelar = nullptr);

// Escribe la superficie como superficie de falla del proyecto: sus puntos, las uniones ("C" un
// círculo, "L" entre los puntos de una poligonal), el radio y el centro (también el guardado),
// el radio fijo (VariaElRadio "N"), el método de cálculo si es uno del programa, y descarta los
// resultados, que eran de otra superficie. Un círculo debe traer sus extremos en Puntos.
void AdoptarSuperficie(Proyecto& p, const SuperficieEnsayo& s, MetodoBusqueda metodo);

// Factor de seguridad de una superficie por el cálculo completo del método sobre una copia del
// proyecto con la superficie adoptada; nada si el cálculo no da un factor. `mensaje` recibe el
// último mensaje del cálculo.
std::optional<double> CalcularSuperficie(const Proyecto& p, const SuperficieEnsayo& s,
                                         MetodoBusqueda metodo, std::string* mensaje = nullptr);

// Método del programa que corresponde (nada para Spencer y Morgenstern-Price).
std::optional<Metodo> MetodoDelPrograma(MetodoBusqueda metodo);
const char* NombreMetodoBusqueda(MetodoBusqueda metodo);

} // namespace vertana
