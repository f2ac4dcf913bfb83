// Form15 "Información Importante": progresivas, fecha, ingeniero responsable y empresa del
// proyecto, que encabezan el informe.
#pragma once

#include "model/proyecto.h"
#include "ui/controles_dialogo.h"
#include "ui/dialogo_activable.h"

#include <array>
#include <optional>
#include <string>

class QLineEdit;

namespace vertana {

class Interaccion;

// Textos de los cinco cuadros: progresiva inicial y final, fecha, ingeniero y empresa.
using EntradaForm15 = std::array<std::string, 5>;

// Un cuadro cuyo texto es un número se rechaza (un cuadro vacío pasa).
std::optional<Fallo> ValidarForm15(const EntradaForm15& entrada);

class Form15 : public DialogoActivable {
    Q_OBJECT

public:
    Form15(Proyecto& proyecto, Interaccion& interaccion, QWidget* padre = nullptr);

    void Activar() override;
    void AceptarClic();

private:
    Proyecto& proyecto_;
    Interaccion& interaccion_;
    std::array<QLineEdit*, 5> cuadros_{};
};

} // namespace vertana
