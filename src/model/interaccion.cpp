#include "model/interaccion.h"

#include "methods/comprobacion_esfuerzos.h"
#include "model/proyecto.h"
#include "model/textos.h"

namespace vertana {

void Interaccion::ParametrosDeCalculo(Proyecto&) {}

void Interaccion::IteracionJanbu(Proyecto&, const Tabla<double>&) {}

void Interaccion::ResultadosDeLasIteraciones(Proyecto& p)
{
    p.SolucionAceptada = false;
    p.SalirDelCalculo = false;
}

void Interaccion::ChequeoDeEsfuerzos(Proyecto&, const EsfuerzosDelChequeo&) {}

void Interaccion::CambioDeParametrosDeResistencia(Proyecto&, EstadoCalculo&) {}

void InteraccionRegistrada::AlAbrirParametrosDeCalculo(std::function<void(Proyecto&)> accion)
{
    accionParametros_ = std::move(accion);
}

void InteraccionRegistrada::AlAbrirResultadosDeLasIteraciones(std::function<void(Proyecto&)> accion)
{
    accionIteraciones_ = std::move(accion);
}

void InteraccionRegistrada::AlAbrirChequeoDeEsfuerzos(
    std::function<void(Proyecto&, const EsfuerzosDelChequeo&)> accion)
{
    accionChequeo_ = std::move(accion);
}

void InteraccionRegistrada::AlAbrirCambioDeParametros(
    std::function<void(Proyecto&, EstadoCalculo&)> accion)
{
    accionCambio_ = std::move(accion);
}

void InteraccionRegistrada::AlAbrirForm17(AccionForm17 accion)
{
    accionesForm17_.push_back(std::move(accion));
}

void InteraccionRegistrada::Dialogo(const std::string& titulo)
{
    eventos_.push_back({EventoInteraccion::Tipo::Dialogo, titulo, {}, false});
}

void InteraccionRegistrada::Mensaje(const std::string& texto, const std::string& titulo)
{
    eventos_.push_back({EventoInteraccion::Tipo::Mensaje, texto, titulo, false});
}

bool InteraccionRegistrada::Pregunta(const std::string& texto, const std::string& titulo)
{
    const bool respuesta = Responder(texto);
    eventos_.push_back({EventoInteraccion::Tipo::Pregunta, texto, titulo, respuesta});
    return respuesta;
}

void InteraccionRegistrada::ParametrosDeCalculo(Proyecto& p)
{
    ++vecesParametros_;
    Dialogo(textos::TituloParametrosIniciales);
    if (accionParametros_) accionParametros_(p);
}

void InteraccionRegistrada::IteracionJanbu(Proyecto& p, const Tabla<double>& anguloLineaEmpuje)
{
    ++vecesForm17_;
    Dialogo(textos::TituloForm17);
    if (accionesForm17_.empty()) return;
    const AccionForm17 accion = std::move(accionesForm17_.front());
    accionesForm17_.pop_front();
    if (accion) accion(p, anguloLineaEmpuje);
}

void InteraccionRegistrada::ResultadosDeLasIteraciones(Proyecto& p)
{
    ++vecesIteraciones_;
    Dialogo(textos::TituloForm9);
    Interaccion::ResultadosDeLasIteraciones(p); // el diálogo parte de las dos banderas en falso
    if (accionIteraciones_) accionIteraciones_(p);
}

void InteraccionRegistrada::ChequeoDeEsfuerzos(Proyecto& p, const EsfuerzosDelChequeo& esfuerzos)
{
    ++vecesChequeo_;
    Dialogo(TituloDelChequeo(esfuerzos.Material));
    if (accionChequeo_) accionChequeo_(p, esfuerzos);
}

void InteraccionRegistrada::CambioDeParametrosDeResistencia(Proyecto& p, EstadoCalculo& estado)
{
    ++vecesCambio_;
    Dialogo(textos::TituloForm18);
    if (accionCambio_) accionCambio_(p, estado);
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

InteraccionGuionada& InteraccionGuionada::EsperarPregunta(const std::string& texto, bool respuesta)
{
    guion_.push_back({texto, respuesta});
    return *this;
}

bool InteraccionGuionada::Responder(const std::string& texto)
{
    if (guion_.empty()) {
        errores_.push_back("Pregunta no prevista: " + texto);
        return false;
    }
    const PreguntaPrevista prevista = guion_.front();
    guion_.pop_front();
    if (prevista.texto != texto) {
        errores_.push_back("Se esperaba la pregunta \"" + prevista.texto + "\" y llegó \"" + texto +
                           "\"");
        return false;
    }
    return prevista.respuesta;
}

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
