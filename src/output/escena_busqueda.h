// El resultado de una búsqueda de la superficie crítica dibujado sobre la sección: el mapa de
// factores de seguridad (cada centro de la rejilla, una celda coloreada por el menor factor
// hallado con él; gris claro si ninguno de sus círculos fue válido), las mejores superficies
// coloreadas por su factor en la misma escala, la superficie crítica resaltada con su centro, y a
// la derecha la escala de colores con su leyenda.
#pragma once

#include "calculo/busqueda.h"
#include "model/proyecto.h"
#include "output/escena.h"
#include "output/grafico_seccion.h"

#include <optional>
#include <string>
#include <vector>

namespace vertana {

// Lo que se dibuja de una búsqueda.
struct DibujoBusqueda {
    ResultadoBusqueda resultado;
    MetodoBusqueda metodo = MetodoBusqueda::Bishop;
    std::optional<RejillaCentros> rejilla; // la de la búsqueda: el tamaño de las celdas del mapa
    int mejores = 10;                      // superficies dibujadas además de la crítica
    bool mapa = true;
};

// Escala de colores de los factores de seguridad: del menor (rojo) al mayor (azul) de los que se
// dibujan (el mapa, las mejores superficies y la crítica), con el mayor limitado a
// CocienteEscalaMaxima veces el menor para que se distingan los factores cercanos al mínimo; los
// de encima se ven con el color del extremo (`saturada`).
constexpr double CocienteEscalaMaxima = 2.0;
struct EscalaFactores {
    double minimo = 0.0, maximo = 1.0;
    bool saturada = false;
    // Posición del factor en la escala, de 0 (mínimo) a 1 (máximo), limitada a [0, 1].
    double Posicion(double factor) const;
    Color ColorDe(double factor) const;
};
std::optional<EscalaFactores> EscalaDeFactores(const DibujoBusqueda& d);

// Colores de la escala: rojo, naranja, amarillo, verde, cian y azul repartidos por igual de 0 a
// 1, interpolados en línea recta entre ellos.
Color ColorEnEscala(double t);

// Curva de una superficie en metros, de la entrada a la salida: una poligonal tal cual; un
// círculo, su arco inferior entre los extremos guardados en Puntos, en MuestrasArco tramos.
constexpr int MuestrasArco = 64;
std::vector<PuntoXY> CurvaDeSuperficie(const SuperficieEnsayo& s);

// Lo que ocupa en metros lo dibujado de la búsqueda (celdas del mapa, superficies, centro
// crítico); nada si no hay nada que dibujar.
std::optional<Rectangulo> ExtensionBusqueda(const DibujoBusqueda& d);

// Ancho en píxeles de la columna de la derecha con la escala y la leyenda.
double AnchoLeyendaBusqueda(const DibujoBusqueda& d, double tamanoLetra);

// Dibuja la búsqueda sobre la escena de una sección (con su transformación ya fijada) y la
// escala con la leyenda en la columna de la derecha, que debe estar libre.
void DibujarBusqueda(Escena& escena, const DibujoBusqueda& d, double tamanoLetra);

// La sección con la búsqueda encima. Sin ventana fijada, lo que se ve abarca la sección y lo
// dibujado de la búsqueda (con un 5 % de margen); la columna de la derecha se reserva.
Escena EscenaSeccionConBusqueda(const Proyecto& p, OpcionesSeccion o, const DibujoBusqueda& d);

// La búsqueda hecha sobre `alBuscar` sigue valiendo para `ahora`: no cambió nada de lo que la
// búsqueda lee (talud, estratos, nivel freático, materiales, número de dovelas, FSInicial,
// sismo, grieta, cargas, tipo de material y parámetros instantáneos), ni difiere de lo guardado
// el talud, el nivel freático o un estrato que el editor tenga en pantalla. La superficie de
// falla, el método y los resultados no cuentan.
bool BusquedaVigente(const Proyecto& alBuscar, const Proyecto& ahora,
                     const std::optional<ConjuntoEnEdicion>& edicion = std::nullopt);

} // namespace vertana
