#include "model/interaccion.h"

#include "methods/comprobacion_esfuerzos.h"
#include "model/proyecto.h"
#include "model/textos.h"

namespace vertana {

void Interaccion::ParametrosDeCalculo(Proyecto&) {}

void Interaccion::IteracionJanbu(Proyecto&, const Tabla<double>&) {}

void InteraccionGuionada::AlAbrirForm17(AccionForm17 accion)
{
    accionesForm17_.push_back(std::move(accion));
}

void InteraccionGuionada::IteracionJanbu(Proyecto& p, const Tabla<double>& anguloLineaEmpuje)
{
    ++vecesForm17_;
    eventos_.push_back({EventoInteraccion::Tipo::Dialogo, textos::TituloForm17, {}, false});
    if (accionesForm17_.empty()) return;
    const AccionForm17 accion = std::move(accionesForm17_.front());
    accionesForm17_.pop_front();
    if (accion) accion(p, anguloLineaEmpuje);
}

void InteraccionLote::IteracionJanbu(Proyecto&, const Tabla<double>&)
{
    ++vecesForm17_;
    eventos_.push_back({EventoInteraccion::Tipo::Dialogo, textos::TituloForm17, {}, false});
}

void Interaccion::ResultadosDeLasIteraciones(Proyecto& p)
{
    p.SolucionAceptada = false;
    p.SalirDelCalculo = false;
}

void Interaccion::ChequeoDeEsfuerzos(Proyecto&, const EsfuerzosDelChequeo&) {}

void Interaccion::CambioDeParametrosDeResistencia(Proyecto&, EstadoCalculo&) {}

void InteraccionGuionada::AlAbrirResultadosDeLasIteraciones(std::function<void(Proyecto&)> accion)
{
    accionIteraciones_ = std::move(accion);
}

void InteraccionGuionada::AlAbrirChequeoDeEsfuerzos(
    std::function<void(Proyecto&, const EsfuerzosDelChequeo&)> accion)
{
    accionChequeo_ = std::move(accion);
}

void InteraccionGuionada::AlAbrirCambioDeParametros(
    std::function<void(Proyecto&, EstadoCalculo&)> accion)
{
    accionCambio_ = std::move(accion);
}

void InteraccionGuionada::ResultadosDeLasIteraciones(Proyecto& p)
{
    ++vecesIteraciones_;
    eventos_.push_back({EventoInteraccion::Tipo::Dialogo, textos::TituloForm9, {}, false});
    Interaccion::ResultadosDeLasIteraciones(p); // el diálogo parte de las dos banderas en falso
    if (accionIteraciones_) accionIteraciones_(p);
}

void InteraccionGuionada::ChequeoDeEsfuerzos(Proyecto& p, const EsfuerzosDelChequeo& esfuerzos)
{
    ++vecesChequeo_;
    eventos_.push_back(
        {EventoInteraccion::Tipo::Dialogo, TituloDelChequeo(esfuerzos.Material), {}, false});
    if (accionChequeo_) accionChequeo_(p, esfuerzos);
}

void InteraccionGuionada::CambioDeParametrosDeResistencia(Proyecto& p, EstadoCalculo& estado)
{
    ++vecesCambio_;
    eventos_.push_back({EventoInteraccion::Tipo::Dialogo, textos::TituloForm18, {}, false});
    if (accionCambio_) accionCambio_(p, estado);
}

void InteraccionLote::ResultadosDeLasIteraciones(Proyecto& p)
{
    eventos_.push_back({EventoInteraccion::Tipo::Dialogo, textos::TituloForm9, {}, false});
    Interaccion::ResultadosDeLasIteraciones(p);
}

void InteraccionLote::ChequeoDeEsfuerzos(Proyecto& p, const EsfuerzosDelChequeo& esfuerzos)
{
    eventos_.push_back(
        {EventoInteraccion::Tipo::Dialogo, TituloDelChequeo(esfuerzos.Material), {}, false});
    Interaccion::ChequeoDeEsfuerzos(p, esfuerzos);
}

void InteraccionLote::CambioDeParametrosDeResistencia(Proyecto& p, EstadoCalculo& estado)
{
    eventos_.push_back({EventoInteraccion::Tipo::Dialogo, textos::TituloForm18, {}, false});
    Interaccion::CambioDeParametrosDeResistencia(p, estado);
}

void InteraccionGuionada::AlAbrirParametrosDeCalculo(std::function<void(Proyecto&)> accion)
{
    accionParametros_ = std::move(accion);
}

void InteraccionGuionada::ParametrosDeCalculo(Proyecto& p)
{
    ++vecesParametros_;
    eventos_.push_back(
        {EventoInteraccion::Tipo::Dialogo, textos::TituloParametrosIniciales, {}, false});
    if (accionParametros_) accionParametros_(p);
}

void InteraccionLote::ParametrosDeCalculo(Proyecto&)
{
    ++vecesParametros_;
    eventos_.push_back(
        {EventoInteraccion::Tipo::Dialogo, textos::TituloParametrosIniciales, {}, false});
}

InteraccionGuionada& InteraccionGuionada::EsperarPregunta(const std::string& texto, bool respuesta)
{
    guion_.push_back({texto, respuesta});
    return *this;
}

void InteraccionGuionada::Mensaje(const std::string& texto, const std::string& titulo)
{
    eventos_.push_back({EventoInteraccion::Tipo::Mensaje, texto, titulo, false});
}

bool InteraccionGuionada::Pregunta(const std::string& texto, const std::string& titulo)
{
    bool respuesta = false;
    if (guion_.empty()) {
        errores_.push_back("Pregunta no prevista: " + texto);
    } else if (guion_.front().texto != texto) {
        errores_.push_back("Se esperaba la pregunta \"" + guion_.front().texto + "\" y llegó \"" +
                           texto + "\"");
        guion_.pop_front();
    } else {
        respuesta = guion_.front().respuesta;
        guion_.pop_front();
    }
    eventos_.push_back({EventoInteraccion::Tipo::Pregunta, texto, titulo, respuesta});
    return respuesta;
}

std::vector<std::string> InteraccionGuionada::Mensajes() const
{
    std::vector<std::string> mensajes;
    for (const auto& e : eventos_)
        if (e.tipo == EventoInteraccion::Tipo::Mensaje) mensajes.push_back(e.texto);
    return mensajes;
}

std::vector<std::string> InteraccionGuionada::Preguntas() const
{
    std::vector<std::string> preguntas;
    for (const auto& e : eventos_)
        if (e.tipo == EventoInteraccion::Tipo::Pregunta) preguntas.push_back(e.texto);
    return preguntas;
}

void InteraccionLote::FijarRespuesta(const std::string& pregunta, bool respuesta)
{
    respuestas_[pregunta] = respuesta;
}

void InteraccionLote::Mensaje(const std::string& texto, const std::string& titulo)
{
    eventos_.push_back({EventoInteraccion::Tipo::Mensaje, texto, titulo, false});
}

bool InteraccionLote::Pregunta(const std::string& texto, const std::string& titulo)
{
    const auto fijada = respuestas_.find(texto);
    const bool respuesta = fijada != respuestas_.end() ? fijada->second : respuestaPorOmision_;
    eventos_.push_back({EventoInteraccion::Tipo::Pregunta, texto, titulo, respuesta});
    return respuesta;
}

} // namespace vertana
