#include "calculo/calculo.h"

#include "calculo/calculo_instantaneo.h"
#include "methods/bishop.h"
#include "methods/fellenius.h"
#include "methods/janbu.h"
#include "methods/variacional.h"
#include "model/textos.h"

#include <cmath>

namespace vertana {

namespace {

// Pasa todo a la interacción de la persona y recuerda el último mensaje.
class InteraccionObservada : public Interaccion {
public:
    explicit InteraccionObservada(Interaccion& destino) : destino_(destino) {}

    void Mensaje(const std::string& texto, const std::string& titulo = {}) override
    {
        ultimoTexto_ = texto;
        ultimoTitulo_ = titulo;
        destino_.Mensaje(texto, titulo);
    }
    bool Pregunta(const std::string& texto, const std::string& titulo = {}) override
    {
        return destino_.Pregunta(texto, titulo);
    }
    bool ParametrosDeCalculo(Proyecto& p) override { return destino_.ParametrosDeCalculo(p); }
    DecisionJanbu IteracionJanbu(const Proyecto& p, const IteracionJanbuMostrada& pasada) override
    {
        return destino_.IteracionJanbu(p, pasada);
    }
    DecisionIteracion ResultadosDeLasIteraciones(const Proyecto& p,
                                                 const SumasDeLaIteracion& sumas) override
    {
        return destino_.ResultadosDeLasIteraciones(p, sumas);
    }
    std::optional<Tabla<double>> ChequeoDeEsfuerzos(const Proyecto& p,
                                                    const EsfuerzosDelChequeo& esfuerzos) override
    {
        return destino_.ChequeoDeEsfuerzos(p, esfuerzos);
    }
    std::optional<ParametrosDeDovelas>
    CambioDeParametrosDeResistencia(const Proyecto& p, const ParametrosDeDovelas& actuales) override
    {
        return destino_.CambioDeParametrosDeResistencia(p, actuales);
    }
    std::optional<PuntoCentro> CentroDeMomentos(const Proyecto& p, PuntoCentro sugerido) override
    {
        return destino_.CentroDeMomentos(p, sugerido);
    }

    const std::string& UltimoTexto() const { return ultimoTexto_; }
    const std::string& UltimoTitulo() const { return ultimoTitulo_; }

private:
    Interaccion& destino_;
    std::string ultimoTexto_;
    std::string ultimoTitulo_;
};

EstadoDelCalculo EstadoSegun(FinCalculo fin)
{
    switch (fin) {
    case FinCalculo::Resultados:
        return EstadoDelCalculo::Convergido;
    case FinCalculo::Abandonado:
        return EstadoDelCalculo::Abandonado;
    case FinCalculo::Limite:
        return EstadoDelCalculo::Limite;
    default:
        return EstadoDelCalculo::Rechazado;
    }
}

} // namespace

ResultadoMetodo CorrerMetodo(Proyecto& p, EstadoCalculo& e, Metodo metodo, Interaccion& ui)
{
    switch (metodo) {
    case Metodo::Fellenius:
        return MetodoFellenius(p, e, ui);
    case Metodo::Bishop:
        return MetodoBishop(p, e, ui);
    case Metodo::Janbu:
        return MetodoJanbu(p, e, ui);
    case Metodo::Variacional:
        return ProcesoIterativoEnSuelos(p, e, ui);
    default:
        ui.Mensaje(textos::MetodoNoSeleccionado, textos::TituloNoEsMetodo);
        return ResultadoMetodo::Sin(FinCalculo::Detenido);
    }
}

ResultadoCalculo Calcular(Proyecto& p, EstadoCalculo& e, Metodo metodo,
                          const OpcionesCalculo& opciones, Interaccion& ui)
{
    InteraccionObservada observada(ui);
    ResultadoCalculo r;
    r.ConParametrosInstantaneos = opciones.ParametrosInstantaneos;
    r.MetodoCalculado = opciones.ParametrosInstantaneos ? p.MetodoDeCalculo : metodo;
    const ResultadoMetodo metodoHecho = opciones.ParametrosInstantaneos
                                            ? CalculoParametrosInstantaneos(p, e, observada)
                                            : CorrerMetodo(p, e, metodo, observada);
    r.Estado = EstadoSegun(metodoHecho.Fin);
    r.Mensaje = observada.UltimoTexto();
    r.TituloMensaje = observada.UltimoTitulo();
    r.Avisos = metodoHecho.Avisos;
    if (r.Estado != EstadoDelCalculo::Convergido) return r;

    const double F = metodoHecho.FactorSeguridad;
    if (!std::isfinite(F) || !(F > 0.0)) {
        // Un método no entrega un factor así con resultados; si pasara, no es un resultado.
        r.Estado = EstadoDelCalculo::Limite;
        return r;
    }
    r.FactorSeguridad = F;
    r.Iteraciones = p.NumeroIteraciones;
    for (int i = 1; i <= p.NumeroIteraciones && i <= p.HistoriaFS.Tamano(); ++i)
        r.Historia.push_back(p.HistoriaFS(i));
    return r;
}

const char* NombreDeMetodo(Metodo metodo)
{
    switch (metodo) {
    case Metodo::Bishop:
        return textos::NombreMetodoBishop;
    case Metodo::Fellenius:
        return textos::NombreMetodoFellenius;
    case Metodo::Janbu:
        return textos::NombreMetodoJanbu;
    case Metodo::Variacional:
        return textos::NombreMetodoVariacional;
    default:
        return textos::NombreMetodoSinDefinir;
    }
}

} // namespace vertana
