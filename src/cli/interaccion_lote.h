// Interacción del trabajo por lotes: contesta según una política (una respuesta por omisión y,
// si se dan, respuestas por texto de pregunta). Los diálogos se anotan y no cambian nada: form9
// deja seguir la iteración hasta la convergencia, Form17 conserva los ht, Form13 no escribe
// esfuerzos y Form18 no cambia los parámetros.
#pragma once

#include "model/interaccion.h"

#include <map>
#include <string>

namespace vertana {

class InteraccionLote : public InteraccionRegistrada {
public:
    explicit InteraccionLote(bool respuestaPorOmision = false)
        : respuestaPorOmision_(respuestaPorOmision)
    {
    }

    void FijarRespuesta(const std::string& pregunta, bool respuesta);

protected:
    bool Responder(const std::string& texto) override;

private:
    bool respuestaPorOmision_;
    std::map<std::string, bool> respuestas_;
};

} // namespace vertana
