// Pintura de las escenas del núcleo con Qt (sin widgets): en un QPainter cualquiera, en una
// imagen y en archivos PNG, SVG o PDF. La usan la interfaz gráfica y la línea de órdenes.
#pragma once

#include "output/escena.h"

#include <QImage>
#include <optional>
#include <string>

class QPainter;

namespace vertana {

// Pinta la escena en el pintor, en píxeles de la escena (quien llama fija la escala).
void PintarEscena(QPainter& pintor, const Escena& escena);

// La escena en una imagen de su tamaño (ancho × alto píxeles, redondeados hacia arriba).
QImage ImagenDeEscena(const Escena& escena);

enum class FormatoDibujo { Png, Svg, Pdf };

// Formato por la extensión del archivo (.png, .svg, .pdf, sin distinguir mayúsculas).
std::optional<FormatoDibujo> FormatoPorExtension(const std::string& ruta);

// Escribe la escena en el archivo, en el formato de su extensión. Devuelve el mensaje del
// error, o nada si se escribió. Necesita una QGuiApplication.
std::optional<std::string> ExportarEscena(const Escena& escena, const std::string& ruta);

} // namespace vertana
