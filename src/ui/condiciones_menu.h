// Condiciones de los elementos de menú que abren los diálogos de datos. Cada función muestra el
// mensaje que corresponde y devuelve false cuando el diálogo no debe abrirse. Los menús de
// información del proyecto y de cargas no tienen condición.
#pragma once

#include "model/proyecto.h"

namespace vertana {

class Interaccion;

// MenúArchivoConstantes (Form2): superficie de falla con puntos y uniones definidas.
bool PuedeAbrirForm2(const Proyecto& proyecto, Interaccion& interaccion);

// MénuGeometríaEntrePuntosSuperficieFalla (Form6): superficie de falla con al menos un punto.
bool PuedeAbrirForm6(const Proyecto& proyecto, Interaccion& interaccion);

// CaracterísticasGeomecánicasSuelos (Form5): material de suelo, estratos y parámetros de cálculo.
bool PuedeAbrirForm5(const Proyecto& proyecto, Interaccion& interaccion);

} // namespace vertana
