// Orden "informe" de vertana-cli: el informe impreso de un proyecto, sin pantalla, como texto
// (páginas de la rejilla separadas por saltos de página) o como PDF (las mismas páginas pintadas
// con Qt, sobre la plataforma "offscreen").
#pragma once

#include <ostream>
#include <string>

namespace vertana {

// Cómo se escribe el informe según el nombre del archivo de salida.
enum class FormatoInforme { Texto, Pdf, Desconocido };

// ".pdf" un PDF, ".txt" texto, sin distinguir mayúsculas; cualquier otra cosa, desconocido.
FormatoInforme FormatoDeSalida(const std::string& ruta);

// Lee el proyecto y escribe su informe en `destino`; sin destino, el texto va a la salida. Con
// `conGraficos` (sólo en PDF) añade detrás del texto el dibujo de la sección y, si el proyecto
// tiene resultados, los gráficos de esfuerzos, una página cada uno. Los mensajes van a la salida
// de errores. Devuelve el código de salida de vertana-cli.
int OrdenInforme(const std::string& archivo, const std::string& destino, bool conGraficos,
                 std::ostream& salida, std::ostream& errores);

} // namespace vertana
