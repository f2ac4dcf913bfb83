// Form18 "Cambio de la presión de poros y parámetros de resistencia": cohesión, fricción y
// presión de poros de cada dovela, que la persona puede cambiar antes del cálculo con
// parámetros instantáneos. Al aceptar reescribe c, φ, tan φ y u de todas las dovelas.
#pragma once

#include "geometry/estado_calculo.h"
#include "model/proyecto.h"
#include "ui/dialogo_activable.h"

class QLineEdit;
class QTreeWidget;
class QTreeWidgetItem;

namespace vertana {

class Interaccion;

class Form18 : public DialogoActivable {
    Q_OBJECT

public:
    Form18(Proyecto& proyecto, EstadoCalculo& estado, Interaccion& interaccion,
           QWidget* padre = nullptr);

    void Activar() override;
    void ModificarClic();
    void AceptarClic();
    // Cancelar: pregunta; Sí deja el diálogo abierto.
    void reject() override;

    bool Modificado() const { return modificado_; }

private:
    void FilaClic(QTreeWidgetItem* elemento);

    Proyecto& proyecto_;
    EstadoCalculo& estado_;
    Interaccion& interaccion_;
    bool modificado_ = false;

    QTreeWidget* lista_;
    QLineEdit* cohesion_;
    QLineEdit* friccion_;
    QLineEdit* presion_;
};

} // namespace vertana
