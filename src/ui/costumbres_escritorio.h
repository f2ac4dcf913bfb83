// Costumbres de un programa de escritorio que la ventana principal adopta: los atajos de teclado
// de las órdenes de archivo y el tamaño y lugar de la ventana recordados entre ejecuciones.
#pragma once

class QWidget;

namespace vertana {

// Ctrl+N Nuevo, Ctrl+O Abrir, Ctrl+S Guardar, Ctrl+Mayús+S Guardar como, Ctrl+P Imprimir y
// Ctrl+Q Salir, en los elementos del menú de la ventana (por su nombre). Un elemento
// deshabilitado conserva su atajo, que actúa cuando se habilita.
void PonerAtajos(QWidget& ventana);

// Tamaño y lugar de la ventana, guardados al cerrarla y puestos al abrirla. Sin nada guardado, la
// ventana crece hasta su tamaño sugerido (sin pasar de la pantalla).
void RecordarGeometria(const QWidget& ventana);
void RestaurarGeometria(QWidget& ventana);

} // namespace vertana
