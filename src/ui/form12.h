// Form12 "Resultados del cálculo para rocas" (ui/dialogo_resultados.h).
#pragma once

#include "ui/dialogo_resultados.h"

namespace vertana {

class Form12 : public DialogoResultados {
public:
    Form12(Proyecto& proyecto, Interaccion& interaccion, QWidget* padre = nullptr)
        : DialogoResultados(Material::Roca, proyecto, interaccion, padre)
    {
    }
};

} // namespace vertana
