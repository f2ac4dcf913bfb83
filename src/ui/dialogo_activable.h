// Diálogo modal que se rellena desde el proyecto cada vez que se muestra.
#pragma once

#include <QDialog>

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
    }
};

} // namespace vertana
