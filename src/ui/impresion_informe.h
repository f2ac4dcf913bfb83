// Orden Imprimir de la ventana principal: el informe del proyecto en la impresora elegida en el
// diálogo de impresión estándar (que también ofrece imprimir a un archivo PDF).
#pragma once

#include "dibujo/informe_pdf.h"
#include "output/informe.h"

#include <string>
#include <vector>

class QPrinter;
class QWidget;

namespace vertana {

class Interaccion;
struct Proyecto;

// Muestra el diálogo de impresión sobre `impresora`; true si la persona aceptó.
bool ElegirImpresoraConDialogo(QPrinter& impresora, QWidget* padre);

enum class FinImpresion { Hecha, Cancelada, Fallida };

// Pinta el informe (y detrás las páginas `adicionales`) en la impresora ya elegida, tantas veces
// como copias se pidieron cuando la impresora no las hace por sí misma, con un avance que puede
// cancelarse mientras se ponen las páginas. Un PDF a medio escribir se borra. El avance aparece
// si la impresión dura más de `esperaMs` milisegundos.
constexpr int EsperaAntesDelAvanceMs = 500; // una impresión corta no muestra el avance
FinImpresion ImprimirInforme(QPrinter& impresora, const Informe& informe, QWidget* padre,
                             int esperaMs = EsperaAntesDelAvanceMs,
                             const std::vector<PintorDePagina>& adicionales = {});

// Orden "Exportar informe en PDF": pregunta el archivo y si se añaden los dibujos
// (DialogoExportarInforme) y escribe el PDF con el avance de la impresión. El PDF se escribe
// aparte y sólo al terminar reemplaza al archivo elegido: un PDF anterior queda intacto si la
// escritura falla o se cancela. Devuelve la ruta escrita, o vacía si no se escribió.
std::string ExportarInformePdf(const Proyecto& proyecto, Interaccion& interaccion, QWidget* padre);

} // namespace vertana
