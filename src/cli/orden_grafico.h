// Orden "grafico" de vertana-cli: dibuja la sección de un proyecto o uno de sus gráficos de
// esfuerzos y lo escribe en un archivo PNG, SVG o PDF, sin pantalla.
#pragma once

#include "calculo/calculo.h"

#include <optional>
#include <ostream>
#include <string>

namespace vertana {

struct OpcionesGraficoCli {
    std::string archivo;
    std::string tipo; // "seccion" o el nombre de un gráfico de esfuerzos (NombresDeGraficos)
    std::string salida;
    int ancho = 1200; // píxeles
    int alto = 800;
    std::optional<Metodo> metodo; // calcula antes de dibujar, con las respuestas por lotes
};

// Los nombres que acepta --tipo, en el orden de los códigos del menú Gráfico (sige es el 1, ...,
// estratos el 9), precedidos de "seccion".
const char* const* NombresDeGraficos();
constexpr int CantidadNombresDeGraficos = 10;

// Lee el proyecto, calcula si se pidió y escribe el dibujo. Los mensajes van a la salida de
// errores. Crea su QGuiApplication (plataforma offscreen si no se eligió otra) si no hay una.
int OrdenGrafico(const OpcionesGraficoCli& opciones, std::ostream& salida, std::ostream& errores);

} // namespace vertana
