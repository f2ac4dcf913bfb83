// Piezas comunes de los diálogos de datos: el mensaje que rechaza una orden, la lectura de los
// cuadros de texto y la construcción de cuadros, etiquetas, botones y listas con su nombre.
#pragma once

#include <QString>
#include <QStringList>
#include <initializer_list>
#include <optional>
#include <string>

class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;
class QWidget;

namespace vertana {

class Interaccion;

// Mensaje con el que un diálogo rechaza una orden; sin título se usa el del programa.
struct Fallo {
    std::string texto;
    std::string titulo;
    bool operator==(const Fallo&) const = default;
};

void MostrarFallo(Interaccion& interaccion, const Fallo& fallo);

// Texto en mayúsculas (sólo letras ASCII: las opciones de los diálogos son S, R, N, A, B...).
std::string Mayusculas(const std::string& texto);

// Valor de un cuadro que pasa la prueba de número y es finito; vacío en otro caso.
std::optional<double> NumeroDe(const std::string& texto);

// Número entero (sin parte decimal).
bool EsEntero(double valor);

// Texto de un cuadro, en UTF-8.
std::string TextoDe(const QLineEdit* cuadro);
void PonerTexto(QLineEdit* cuadro, const std::string& texto);

// Cuadro de texto con su nombre de control y su ayuda.
QLineEdit* CrearCuadro(QWidget* padre, const QString& nombre, const QString& ayuda = {});
// Etiqueta que acompaña a un cuadro (Alt + letra lleva al cuadro cuando el texto la marca).
QLabel* CrearEtiqueta(QWidget* padre, const QString& texto, QWidget* companero = nullptr);
QPushButton* CrearBoton(QWidget* padre, const QString& nombre, const QString& texto);
// Lista de filas con encabezados de columna, selección de una fila a la vez.
QTreeWidget* CrearLista(QWidget* padre, const QString& nombre, const QStringList& columnas);
// El tabulador recorre los controles en el orden dado.
void OrdenDeTabulacion(const QList<QWidget*>& controles);

// Inserta una fila en el lugar dado (desde 0), con los números alineados a la derecha.
QTreeWidgetItem* InsertarFila(QTreeWidget* lista, int posicion, const QStringList& textos);
// Fila (0 en adelante) de un elemento de primer nivel de la lista; −1 si no es de la lista.
int FilaDe(const QTreeWidget* lista, const QTreeWidgetItem* elemento);
// Fila seleccionada; −1 sin selección.
int FilaSeleccionada(const QTreeWidget* lista);
// Texto de una celda en UTF-8.
std::string Celda(const QTreeWidget* lista, int fila, int columna);
// Cada columna con el ancho de su contenido y lo que sobra del ancho visible repartido por igual;
// el lugar de la barra vertical se reserva siempre (aparece cuando llegan más filas).
void RepartirColumnas(QTreeWidget* lista);

// Fila de botones de un diálogo, alineados a la derecha en el orden dado.
QHBoxLayout* FilaDeBotones(std::initializer_list<QWidget*> botones);

} // namespace vertana
