// Lectura de un PDF en las pruebas con las herramientas de poppler (pdfinfo y pdftotext).
#pragma once

#include <string>
#include <vector>

namespace vertana::prueba {

// Cantidad de páginas que pdfinfo lee en el archivo; -1 si no pudo leerlo.
int PaginasDelPdf(const std::string& ruta);

// Todo lo que pdfinfo dice del archivo ("Page size: ...", "Pages: ...").
std::string InformacionDelPdf(const std::string& ruta);

// El texto de cada página según `pdftotext -layout`.
std::vector<std::string> TextoDelPdf(const std::string& ruta);

// Las páginas de un texto separadas por saltos de página (\f); un salto final no abre otra.
std::vector<std::string> PaginasDeTexto(const std::string& texto);

// Las palabras de un texto, separadas por blancos y saltos de línea.
std::vector<std::string> PalabrasDe(const std::string& texto);

} // namespace vertana::prueba
