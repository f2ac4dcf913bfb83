#include "apoyo/interaccion_guionada.h"

namespace vertana {

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

void InteraccionGuionada::AlAbrirParametrosDeCalculo(std::function<void(Proyecto&)> accion)
{
    accionParametros_ = std::move(accion);
}

void InteraccionGuionada::AlAbrirResultadosDeLasIteraciones(
    std::function<DecisionIteracion(const Proyecto&, const SumasDeLaIteracion&)> accion)
{
    accionIteraciones_ = std::move(accion);
}

void InteraccionGuionada::AlAbrirChequeoDeEsfuerzos(
    std::function<std::optional<Tabla<double>>(const Proyecto&, const EsfuerzosDelChequeo&)> accion)
{
    accionChequeo_ = std::move(accion);
}

void InteraccionGuionada::AlAbrirCambioDeParametros(
    std::function<std::optional<ParametrosDeDovelas>(const Proyecto&, const ParametrosDeDovelas&)>
        accion)
{
    accionCambio_ = std::move(accion);
}

void InteraccionGuionada::AlAbrirForm17(AccionForm17 accion)
{
    accionesForm17_.push_back(std::move(accion));
}

bool InteraccionGuionada::ParametrosDeCalculo(Proyecto& p)
{
    const bool aceptado = InteraccionRegistrada::ParametrosDeCalculo(p);
    if (!accionParametros_) return aceptado;
    accionParametros_(p);
    return true;
}

DecisionJanbu InteraccionGuionada::IteracionJanbu(const Proyecto& p,
                                                  const IteracionJanbuMostrada& pasada)
{
    DecisionJanbu decision = InteraccionRegistrada::IteracionJanbu(p, pasada);
    if (accionesForm17_.empty()) return decision;
    const AccionForm17 accion = std::move(accionesForm17_.front());
    accionesForm17_.pop_front();
    return accion ? accion(p, pasada) : decision;
}

DecisionIteracion InteraccionGuionada::ResultadosDeLasIteraciones(const Proyecto& p,
                                                                  const SumasDeLaIteracion& sumas)
{
    const DecisionIteracion decision = InteraccionRegistrada::ResultadosDeLasIteraciones(p, sumas);
    return accionIteraciones_ ? accionIteraciones_(p, sumas) : decision;
}

std::optional<Tabla<double>>
InteraccionGuionada::ChequeoDeEsfuerzos(const Proyecto& p, const EsfuerzosDelChequeo& esfuerzos)
{
    auto sigmas = InteraccionRegistrada::ChequeoDeEsfuerzos(p, esfuerzos);
    return accionChequeo_ ? accionChequeo_(p, esfuerzos) : sigmas;
}

std::optional<ParametrosDeDovelas>
InteraccionGuionada::CambioDeParametrosDeResistencia(const Proyecto& p,
                                                     const ParametrosDeDovelas& actuales)
{
    auto parametros = InteraccionRegistrada::CambioDeParametrosDeResistencia(p, actuales);
    return accionCambio_ ? accionCambio_(p, actuales) : parametros;
}

void InteraccionGuionada::AlPedirCentroDeMomentos(
    std::function<std::optional<PuntoCentro>(const Proyecto&, PuntoCentro)> accion)
{
    accionCentro_ = std::move(accion);
}

std::optional<PuntoCentro> InteraccionGuionada::CentroDeMomentos(const Proyecto& p,
                                                                 PuntoCentro sugerido)
{
    auto centro = InteraccionRegistrada::CentroDeMomentos(p, sugerido);
    return accionCentro_ ? accionCentro_(p, sugerido) : centro;
}

} // namespace vertana
