// Form8 "Caragas lineales": cargas puntuales en la sección, Px y Py (ton por metro).
#pragma once

#include "ui/dialogo_cargas.h"

namespace vertana {

class Form8 : public DialogoCargas {
    Q_OBJECT

public:
    Form8(Proyecto& proyecto, Interaccion& interaccion, QWidget* padre = nullptr);

protected:
    bool Introducidas() const override;
    std::vector<FilaCarga> FilasDelProyecto() const override;
    void GuardarFilas(const std::vector<FilaCarga>& filas) override;
};

} // namespace vertana
