// Diálogo modal que se rellena desde el proyecto cada vez que se muestra.
#pragma once

#include <QDialog>
#include <QLayout>
#include <QScreen>

namespace vertana {

class DialogoActivable : public QDialog {
public:
    using QDialog::QDialog;

    // Rellena los cuadros y las listas con los valores del proyecto.
    virtual void Activar() = 0;

protected:
    void showEvent(QShowEvent* evento) override
    {
        QDialog::showEvent(evento);
        Activar();
        AjustarAlContenido();
    }

    // Con el contenido ya puesto (listas llenas, rótulos escritos), el diálogo crece hasta lo que
    // necesita para mostrarlo entero, sin pasar del tamaño de la pantalla.
    void AjustarAlContenido()
    {
        if (QLayout* disposicion = layout()) disposicion->activate();
        QSize tamano = size().expandedTo(sizeHint());
        if (const QScreen* pantalla = screen())
            tamano = tamano.boundedTo(pantalla->availableSize());
        resize(tamano);
    }
};

} // namespace vertana
