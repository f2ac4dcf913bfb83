// El último cálculo tal como lo muestra la ventana principal: su línea de texto y qué cambió en
// el proyecto desde que se hizo. Sin widgets, para probarlo sin ventana.
#pragma once

#include "calculo/calculo.h"
#include "model/proyecto.h"

#include <string>

namespace vertana {

// Qué cambió en los datos de entrada de un proyecto desde un cálculo.
enum class CambioDesdeElCalculo {
    Ninguno,
    // Otros datos del cálculo: parámetros de cálculo, grieta, cargas, presiones de poros dadas.
    Datos,
    // La geometría (talud, superficie de falla y sus uniones, nivel freático, estratos) o los
    // materiales (tipo de material, propiedades de los estratos, datos de laboratorio,
    // cohesión y fricción de las dovelas).
    GeometriaOMateriales,
};

// Compara el proyecto tal como quedó al terminar un cálculo con el de ahora. La información y
// la descripción del proyecto, los resultados (anclajes incluidos) y las banderas de edición no
// cuentan.
CambioDesdeElCalculo CambiosDesdeElCalculo(const Proyecto& alCalcular, const Proyecto& ahora);

// Los resultados de los dos proyectos son los mismos (un cálculo que terminó sin resultados y
// no tocó los anteriores).
bool MismosResultados(const Proyecto& a, const Proyecto& b);

// "Último cálculo: Bishop  ·  FS = 2.075  ·  30 dovelas  ·  05/03/2025 14:22:10", con la
// advertencia de datos cambiados al final; sin factor de seguridad, la razón en lugar del
// factor y las dovelas.
std::string TextoUltimoCalculo(const ResultadoCalculo& r, int dovelas, const std::string& fechaHora,
                               bool datosCambiaron);

} // namespace vertana
