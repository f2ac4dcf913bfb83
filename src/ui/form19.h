// Form19 "Presiones de poros controladas por el usuario": la presión de poros en la base de cada
// dovela del último cálculo, que la persona puede cambiar para los análisis siguientes. Al
// aceptar reescribe u de todas las dovelas y fija PresionesDePorosDadas.
#pragma once

#include "model/proyecto.h"
#include "ui/condiciones_menu.h"
#include "ui/dialogo_activable.h"

#include <optional>

class QLineEdit;
class QTreeWidget;
class QTreeWidgetItem;

namespace vertana {

class Interaccion;

// Condición de la orden "Presiones de poros controladas por el usuario": debe haber resultados.
std::optional<Aviso> CondicionPresionesDePoros(const Proyecto& p);

class Form19 : public DialogoActivable {
    Q_OBJECT

public:
    Form19(Proyecto& proyecto, Interaccion& interaccion, QWidget* padre = nullptr);

    void Activar() override;
    void ModificarClic();
    void AceptarClic();
    // Cancelar: con cambios sin aceptar pregunta; Sí deja el diálogo abierto.
    void reject() override;

    bool Modificado() const { return modificado_; }
    int NumeroDeFilas() const { return filas_; }

private:
    void FilaClic(QTreeWidgetItem* elemento);

    Proyecto& proyecto_;
    Interaccion& interaccion_;
    bool modificado_ = false;
    int filas_ = 0;

    QTreeWidget* lista_;
    QLineEdit* presion_;
};

} // namespace vertana
