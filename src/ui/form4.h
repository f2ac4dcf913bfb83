// Form4: elige dónde se inserta un nuevo estrato (antes del primero, entre dos estratos o
// después del último).
#pragma once

#include "model/proyecto.h"

#include <QDialog>

class QListWidget;

namespace vertana {

class Form4 : public QDialog {
    Q_OBJECT

public:
    // Llena ListaEntre con los lugares posibles para los estratos del proyecto y elige el primero.
    explicit Form4(Proyecto& proyecto, QWidget* padre = nullptr);

    // Lugar elegido con Aceptar: 0 antes del primero, i entre los estratos i e i + 1, N después
    // del último.
    int PosicionElegida() const { return posicion_; }

    // Aceptar: marca el cambio del número de estratos, anota el lugar elegido y cierra.
    void Aceptar();
    // Salir (también Esc y el botón de cierre): sin cambio del número de estratos.
    void reject() override;

private:
    Proyecto& proyecto_;
    QListWidget* listaEntre_;
    int posicion_ = 0;
};

} // namespace vertana
