// Condiciones que la ventana principal comprueba antes de abrir un diálogo o de guardar: cada
// función devuelve el aviso (título y texto) de la primera que falla, o nada si se puede seguir.
// No usan widgets, así que se prueban sin ventana.
#pragma once

#include "model/proyecto.h"

#include <optional>
#include <string>

namespace vertana {

struct Aviso {
    std::string titulo; // vacío: el nombre del programa
    std::string texto;
};

// Condición de un elemento del menú: sin aviso, el diálogo puede abrirse.
using CondicionMenu = std::optional<Aviso> (*)(const Proyecto&);

// Parámetros de cálculo iniciales (Form2): superficie de falla con sus uniones definidas.
std::optional<Aviso> CondicionParametrosIniciales(const Proyecto& p);
// Geometría entre puntos de la superficie de falla (Form6): al menos un punto de falla.
std::optional<Aviso> CondicionGeometriaFalla(const Proyecto& p);
// Cambio de parámetros de resistencia (Form18): parámetros instantáneos definidos (1, 2 o 3).
std::optional<Aviso> CondicionCambioParametros(const Proyecto& p);
// Características de los estratos en suelos (Form5): no es un macizo rocoso, hay estratos y los
// parámetros iniciales fueron aceptados.
std::optional<Aviso> CondicionCaracteristicasSuelos(const Proyecto& p);

// Resultados del cálculo para suelos (Form14): el material no es roca y hay resultados.
std::optional<Aviso> CondicionResultadosSuelos(const Proyecto& p);

// Las siete comprobaciones previas a guardar, en su orden.
std::optional<Aviso> ComprobarAntesDeGuardar(const Proyecto& p);

} // namespace vertana
