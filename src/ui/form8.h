// Form8 "Caragas lineales": cargas puntuales en la sección, Px y Py (ton por metro).
#pragma once

#include "ui/dialogo_cargas.h"

namespace vertana {

class Form8 : public DialogoCargas {
    Q_OBJECT

public:
    Form8(Proyecto& proyecto, Interaccion& interaccion, QWidget* padre = nullptr);

protected:
    CargasDelProyecto Cargas() const override;
};

} // namespace vertana
