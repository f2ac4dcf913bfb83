// Orden "buscar" de vertana-cli: busca la superficie de falla crítica de un proyecto (rejilla de
// centros o tramos de entrada y salida, y poligonal optimizada con --no-circular) y muestra la
// superficie, su factor de seguridad, el número de ensayos y el tiempo; con --guardar escribe el
// proyecto con esa superficie como superficie de falla.
#pragma once

#include "calculo/busqueda.h"

#include <CLI/CLI.hpp>
#include <nlohmann/json.hpp>
#include <ostream>
#include <string>

namespace vertana {

struct OpcionesBuscar {
    std::string archivo;
    std::string metodo = "bishop";
    std::string rejilla; // XMIN,XMAX,NX,YMIN,YMAX,NY
    std::string entrada; // X1,X2
    std::string salida;  // X3,X4
    int radios = 10;
    std::string tangentes; // Y1,Y2: ordenadas de la primera y la última tangente
    std::string punto;     // X,Y: los círculos de la rejilla pasan por él
    int puntos = 10;       // puntos de entrada y de salida
    bool noCircular = false;
    int vertices = 8;
    bool sinRefinar = false;
    double profundidadMinima = 0.0;
    double areaMinima = 0.0;
    int hilos = 0;
    bool comoJson = false;
    std::string guardarEn;
};

// Agrega la orden a la aplicación y devuelve su subcomando.
CLI::App* RegistrarOrdenBuscar(CLI::App& app, OpcionesBuscar& o);

// Las opciones de la búsqueda a partir de las de la orden; el mensaje si alguna no se entiende.
std::optional<std::string> OpcionesDeBusqueda(const OpcionesBuscar& o, OpcionesBusqueda& b);

nlohmann::ordered_json BusquedaJson(const ResultadoBusqueda& r, MetodoBusqueda metodo);
std::string BusquedaTexto(const ResultadoBusqueda& r, MetodoBusqueda metodo);

int OrdenBuscar(const OpcionesBuscar& o, std::ostream& salida, std::ostream& errores);

} // namespace vertana
