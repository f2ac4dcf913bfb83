// Ventana principal.
#pragma once

#include "model/proyecto.h"

#include <QMainWindow>
#include <memory>

namespace vertana {

class Interaccion;

class Form1 : public QMainWindow {
    Q_OBJECT

public:
    // La ventana trabaja sobre el proyecto único y habla con la persona por la interacción dada.
    Form1(Proyecto& proyecto, Interaccion& interaccion, QWidget* padre = nullptr);

    // Reinicio del proyecto con la parte que toca a la ventana (título, editor).
    void NuevoProyecto();

private:
    Proyecto& proyecto_;
    Interaccion& interaccion_;
};

} // namespace vertana
