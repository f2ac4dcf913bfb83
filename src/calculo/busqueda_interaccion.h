// Interacción de los cálculos que hace la búsqueda de la superficie crítica, sin persona
// delante: las mismas respuestas que la línea de órdenes por lotes. Desembalse rápido: No (el
// agua sobre el talud es carga vertical); cualquier otra pregunta (repetir la preparación,
// recalcular, seguir tras los chequeos de dovela de Bishop, ht fijados por el programa, estimar
// de nuevo las presiones de poros): Sí. Los mensajes se recuerdan, no se muestran; los diálogos
// devuelven lo de la clase base (Form17 sigue con los mismos ht).
#pragma once

#include "model/interaccion.h"
#include "model/textos.h"

#include <string>

namespace vertana {

class InteraccionDeBusqueda : public Interaccion {
public:
    void Mensaje(const std::string& texto, const std::string& = {}) override { ultimo_ = texto; }
    bool Pregunta(const std::string& texto, const std::string& = {}) override
    {
        return texto != textos::PreguntaDesembalseRapido;
    }
    const std::string& UltimoMensaje() const { return ultimo_; }

private:
    std::string ultimo_;
};

} // namespace vertana
