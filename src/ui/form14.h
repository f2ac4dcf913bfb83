// Form14 "Resultados del suelo" (ui/dialogo_resultados.h).
#pragma once

#include "ui/dialogo_resultados.h"

namespace vertana {

class Form14 : public DialogoResultados {
public:
    Form14(Proyecto& proyecto, Interaccion& interaccion, QWidget* padre = nullptr)
        : DialogoResultados(Material::Suelo, proyecto, interaccion, padre)
    {
    }
};

} // namespace vertana
