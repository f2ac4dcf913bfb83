#include "cli/interaccion_lote.h"

namespace vertana {

void InteraccionLote::FijarRespuesta(const std::string& pregunta, bool respuesta)
{
    respuestas_[pregunta] = respuesta;
}

bool InteraccionLote::Responder(const std::string& texto)
{
    const auto fijada = respuestas_.find(texto);
    return fijada != respuestas_.end() ? fijada->second : respuestaPorOmision_;
}

} // namespace vertana
