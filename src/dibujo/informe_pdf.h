// El informe en una impresora o en un PDF: las páginas de la rejilla de caracteres del informe
// (output/informe.h) se ponen en la página con QPainter.
//
// Cada página es un pintor (PintorDePagina) que dibuja en el área imprimible; el informe da una
// lista de ellos y se le pueden añadir otros (el dibujo de la sección, los gráficos) que se
// imprimen detrás, en el mismo documento.
//
// La rejilla: celdas del ancho de un carácter de la letra del cuerpo (monoespaciada, 10 puntos)
// y de un sexto de pulgada de alto (12 puntos); los encabezados en 12 puntos y negrita. Si la
// rejilla del informe (57 líneas y su texto más ancho) no cabe en el área de la página, todas
// las páginas se reducen por igual.
#pragma once

#include "output/informe.h"

#include <QPageLayout>
#include <functional>
#include <string>
#include <vector>

class QPainter;
class QPagedPaintDevice;
class QPaintDevice;
class QRectF;
class QSizeF;

namespace vertana {

// Pinta una página en `area`, el área imprimible en coordenadas del dispositivo.
using PintorDePagina = std::function<void(QPainter& pintor, const QRectF& area)>;

// Avance de la impresión: páginas terminadas y total. Devuelve false para cancelar.
using AvanceDePaginas = std::function<bool(int hechas, int total)>;

// Las páginas del informe como pintores, todas a la misma escala.
std::vector<PintorDePagina> PaginasDelInforme(const Informe& informe);

// Tamaño de la rejilla del informe en unidades del dispositivo, sin reducir: el texto más ancho
// de todas las páginas por las 57 líneas.
QSizeF TamanoDeRejilla(const Informe& informe, const QPaintDevice& dispositivo);

// La orientación del papel del dispositivo en que el informe sale con la letra más grande.
QPageLayout::Orientation OrientacionDelInforme(const Informe& informe,
                                               const QPagedPaintDevice& dispositivo);

// Pinta las páginas una tras otra en el dispositivo. Devuelve false si no pudo empezar a pintar
// (un archivo que no puede escribirse) o si el avance pidió cancelar.
bool PintarPaginas(QPagedPaintDevice& dispositivo, const std::vector<PintorDePagina>& paginas,
                   const AvanceDePaginas& avance = {});

// La página de los PDF del informe: A4 vertical con márgenes de 15 mm.
QPageLayout DisenoDelPdf();

// Escribe el informe en un PDF (A4 con márgenes de 15 mm, en la orientación que da la letra más
// grande) con las páginas adicionales detrás. Devuelve false si no pudo escribirse. Necesita una
// QGuiApplication.
bool EscribirInformePdf(const std::string& ruta, const Informe& informe,
                        const std::vector<PintorDePagina>& adicionales = {});

} // namespace vertana
