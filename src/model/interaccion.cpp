#include "model/interaccion.h"

#include "model/textos.h"

namespace vertana {

void Interaccion::MensajeConDetalle(const std::string& texto, const std::string& detalle,
                                    const std::string& titulo)
{
    Mensaje(detalle.empty() ? texto : texto + "\n\n" + detalle, titulo);
}

bool Interaccion::ParametrosDeCalculo(Proyecto&)
{
    return false;
}

DecisionJanbu Interaccion::IteracionJanbu(const Proyecto&, const IteracionJanbuMostrada&)
{
    return {};
}

DecisionIteracion Interaccion::ResultadosDeLasIteraciones(const Proyecto&,
                                                          const SumasDeLaIteracion&)
{
    return DecisionIteracion::Seguir;
}

std::optional<Tabla<double>> Interaccion::ChequeoDeEsfuerzos(const Proyecto&,
                                                             const EsfuerzosDelChequeo&)
{
    return std::nullopt;
}

std::optional<ParametrosDeDovelas>
Interaccion::CambioDeParametrosDeResistencia(const Proyecto&, const ParametrosDeDovelas&)
{
    return std::nullopt;
}

void InteraccionRegistrada::Dialogo(const std::string& titulo)
{
    eventos_.push_back({EventoInteraccion::Tipo::Dialogo, titulo, {}, false, {}});
}

void InteraccionRegistrada::Mensaje(const std::string& texto, const std::string& titulo)
{
    eventos_.push_back({EventoInteraccion::Tipo::Mensaje, texto, titulo, false, {}});
}

void InteraccionRegistrada::MensajeConDetalle(const std::string& texto, const std::string& detalle,
                                              const std::string& titulo)
{
    eventos_.push_back({EventoInteraccion::Tipo::Mensaje, texto, titulo, false, detalle});
}

bool InteraccionRegistrada::Pregunta(const std::string& texto, const std::string& titulo)
{
    const bool respuesta = Responder(texto);
    eventos_.push_back({EventoInteraccion::Tipo::Pregunta, texto, titulo, respuesta, {}});
    return respuesta;
}

bool InteraccionRegistrada::ParametrosDeCalculo(Proyecto& p)
{
    ++vecesParametros_;
    Dialogo(textos::TituloParametrosIniciales);
    return Interaccion::ParametrosDeCalculo(p);
}

DecisionJanbu InteraccionRegistrada::IteracionJanbu(const Proyecto& p,
                                                    const IteracionJanbuMostrada& pasada)
{
    ++vecesForm17_;
    Dialogo(textos::TituloForm17);
    return Interaccion::IteracionJanbu(p, pasada);
}

DecisionIteracion InteraccionRegistrada::ResultadosDeLasIteraciones(const Proyecto& p,
                                                                    const SumasDeLaIteracion& sumas)
{
    ++vecesIteraciones_;
    Dialogo(textos::TituloForm9);
    return Interaccion::ResultadosDeLasIteraciones(p, sumas);
}

std::optional<Tabla<double>>
InteraccionRegistrada::ChequeoDeEsfuerzos(const Proyecto& p, const EsfuerzosDelChequeo& esfuerzos)
{
    ++vecesChequeo_;
    Dialogo(TituloDelChequeo(esfuerzos.Material));
    return Interaccion::ChequeoDeEsfuerzos(p, esfuerzos);
}

std::optional<ParametrosDeDovelas>
InteraccionRegistrada::CambioDeParametrosDeResistencia(const Proyecto& p,
                                                       const ParametrosDeDovelas& actuales)
{
    ++vecesCambio_;
    Dialogo(textos::TituloForm18);
    return Interaccion::CambioDeParametrosDeResistencia(p, actuales);
}

std::vector<std::string> InteraccionRegistrada::Mensajes() const
{
    std::vector<std::string> mensajes;
    for (const auto& e : eventos_)
        if (e.tipo == EventoInteraccion::Tipo::Mensaje) mensajes.push_back(e.texto);
    return mensajes;
}

std::vector<std::string> InteraccionRegistrada::Preguntas() const
{
    std::vector<std::string> preguntas;
    for (const auto& e : eventos_)
        if (e.tipo == EventoInteraccion::Tipo::Pregunta) preguntas.push_back(e.texto);
    return preguntas;
}

} // namespace vertana
