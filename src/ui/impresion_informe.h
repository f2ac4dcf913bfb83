// Orden Imprimir de la ventana principal: el informe del proyecto en la impresora elegida en el
// diálogo de impresión estándar (que también ofrece imprimir a un archivo PDF).
#pragma once

#include "output/informe.h"

class QPrinter;
class QWidget;

namespace vertana {

// Muestra el diálogo de impresión sobre `impresora`; true si la persona aceptó.
bool ElegirImpresoraConDialogo(QPrinter& impresora, QWidget* padre);

// Pinta el informe en la impresora ya elegida, tantas veces como copias se pidieron cuando la
// impresora no las hace por sí misma, con un avance que puede cancelarse mientras se ponen las
// páginas. Devuelve false si se canceló o la impresión no pudo empezar; un PDF a medio escribir
// se borra. El avance aparece si la impresión dura más de `esperaMs` milisegundos.
constexpr int EsperaAntesDelAvanceMs = 500; // una impresión corta no muestra el avance
bool ImprimirInforme(QPrinter& impresora, const Informe& informe, QWidget* padre,
                     int esperaMs = EsperaAntesDelAvanceMs);

} // namespace vertana
