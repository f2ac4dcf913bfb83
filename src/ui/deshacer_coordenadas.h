// Deshacer y rehacer los cambios del editor de coordenadas: agregar, modificar y borrar un punto,
// insertar y eliminar un estrato. La ventana hace esos cambios a través de esta historia, que los
// apila en una QUndoStack; deshacer uno vuelve el editor y el proyecto a como estaban.
//
// Un punto se deshace en su conjunto (y su estrato): si en pantalla hay otro, el editor pasa antes
// a él guardando el que se ve, como cuando la persona cambia de conjunto. Insertar y eliminar un
// estrato se deshacen devolviendo los estratos (cantidades, puntos, propiedades y datos de
// laboratorio) y el editor a como estaban antes del cambio.
#pragma once

#include "model/proyecto.h"
#include "ui/editor_coordenadas.h"

#include <QUndoStack>
#include <functional>
#include <optional>

class QMenu;
class QWidget;

namespace vertana {

// Cómo debe redibujarse el editor tras un cambio: un punto de la lista cambió (los cuadros x e y
// conservan su texto) o el editor muestra otro conjunto o estrato (los cuadros quedan en blanco).
enum class VistaTrasCambio { Punto, ConjuntoNuevo };

class HistoriaCoordenadas {
public:
    // `mostrar` vuelve a dibujar el editor tras un cambio hecho, deshecho o rehecho, con la fila
    // dada (1..n; 0 ninguna) a la vista.
    using Mostrar = std::function<void(VistaTrasCambio vista, int fila)>;
    HistoriaCoordenadas(Proyecto& proyecto, EditorCoordenadas& editor, Mostrar mostrar);

    QUndoStack& Pila() { return pila_; }

    // Los cambios, como los haría el editor; devuelven la fila del punto donde quedó.
    int Agregar(double x, double y);
    int Modificar(int fila, double x, double y);
    void Borrar(int fila);
    void InsertarEstrato(std::optional<int> posicion);
    void EliminarEstratoActivo();

    // Olvida la historia: tras un proyecto nuevo, abrir un archivo, cargar la geometría o
    // eliminar el nivel freático, lo que había ya no se puede deshacer.
    void Olvidar() { pila_.clear(); }

private:
    Proyecto& proyecto_;
    EditorCoordenadas& editor_;
    Mostrar mostrar_;
    QUndoStack pila_;
};

// Pone al principio del menú los elementos "Deshacer" y "Rehacer" de la pila (Ctrl+Z y Ctrl+Y o
// Ctrl+Mayús+Z), con el nombre del cambio que deshacen y habilitados sólo cuando hay uno.
void AgregarDeshacerAlMenu(QMenu* menu, QUndoStack& pila);

} // namespace vertana
