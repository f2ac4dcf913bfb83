// Form7 "Cargas distribuidas": tramos de carga uniforme con presión qx y qy (ton/m2).
#pragma once

#include "ui/dialogo_cargas.h"

namespace vertana {

class Form7 : public DialogoCargas {
    Q_OBJECT

public:
    Form7(Proyecto& proyecto, Interaccion& interaccion, QWidget* padre = nullptr);

protected:
    CargasDelProyecto Cargas() const override;
};

} // namespace vertana
