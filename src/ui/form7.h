// Form7 "Cargas distribuidas": tramos de carga uniforme con presión qx y qy (ton/m2).
#pragma once

#include "ui/dialogo_cargas.h"

namespace vertana {

class Form7 : public DialogoCargas {
    Q_OBJECT

public:
    Form7(Proyecto& proyecto, Interaccion& interaccion, QWidget* padre = nullptr);

protected:
    bool Introducidas() const override;
    std::vector<FilaCarga> FilasDelProyecto() const override;
    void GuardarFilas(const std::vector<FilaCarga>& filas) override;
};

} // namespace vertana
