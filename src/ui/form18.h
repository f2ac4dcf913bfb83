// Form18 "Cambio de la presión de poros y parámetros de resistencia": cohesión, fricción y
// presión de poros de cada dovela, que la persona puede cambiar antes del cálculo con
// parámetros instantáneos. Al aceptar deja los valores de la tabla en Resultado(); quien lo abre
// los aplica a las dovelas (AplicarParametrosDeDovelas).
#pragma once

#include "model/dialogos_calculo.h"
#include "ui/dialogo_activable.h"

#include <optional>

class QLineEdit;
class QTreeWidget;
class QTreeWidgetItem;

namespace vertana {

class Interaccion;

class Form18 : public DialogoActivable {
    Q_OBJECT

public:
    // `actuales`: los valores de cada dovela que se muestran (vacíos si no hay parámetros
    // instantáneos elegidos).
    Form18(ParametrosDeDovelas actuales, Interaccion& interaccion, QWidget* padre = nullptr);

    void Activar() override;
    void ModificarClic();
    void AceptarClic();
    // Cancelar: pregunta; Sí deja el diálogo abierto.
    void reject() override;

    bool Modificado() const { return modificado_; }
    // Los valores aceptados: una celda vacía conserva el valor de la dovela.
    const std::optional<ParametrosDeDovelas>& Resultado() const { return resultado_; }

private:
    void FilaClic(QTreeWidgetItem* elemento);

    ParametrosDeDovelas actuales_;
    Interaccion& interaccion_;
    bool modificado_ = false;
    std::optional<ParametrosDeDovelas> resultado_;

    QTreeWidget* lista_;
    QLineEdit* cohesion_;
    QLineEdit* friccion_;
    QLineEdit* presion_;
};

} // namespace vertana
