#include "calculo/calculo.h"

#include "calculo/calculo_instantaneo.h"
#include "calculo/marco_relativo.h"
#include "methods/admisibilidad.h"
#include "methods/bishop.h"
#include "methods/fellenius.h"
#include "methods/janbu.h"
#include "methods/janbu_roca.h"
#include "methods/variacional.h"
#include "methods/variacional_roca.h"
#include "model/textos.h"
#include "model/validacion.h"

#include <algorithm>
#include <cmath>
#include <new>
#include <type_traits>

namespace vertana {

namespace {

// Mensajes con que un método termina con resultados: se retienen hasta saber si el factor se da
// por bueno.
bool EsMensajeDeFin(const std::string& texto)
{
    return texto == textos::FinFellenius || texto == textos::FinBishop ||
           texto == textos::FinJanbu || texto == textos::FinVariacional ||
           texto == textos::FinJanbuRocas || texto == textos::FinVariacionalRoca;
}

// Pasa todo a la interacción de la persona y recuerda el último mensaje; retiene el mensaje de
// fin del método, anota los avisos de los chequeos de dovela suprimidos y muestra los diálogos
// con el proyecto en coordenadas absolutas.
class InteraccionObservada : public Interaccion {
public:
    InteraccionObservada(Interaccion& destino, Proyecto& p, EstadoCalculo& e)
        : destino_(destino), p_(p), e_(e)
    {
    }

    void Mensaje(const std::string& texto, const std::string& titulo = {}) override
    {
        Soltar();
        if (EsMensajeDeFin(texto)) {
            pendiente_ = {texto, titulo};
            return;
        }
        Entregar(texto, titulo);
    }
    bool Pregunta(const std::string& texto, const std::string& titulo = {}) override
    {
        Soltar();
        const bool si = destino_.Pregunta(texto, titulo);
        if (si && texto == textos::PreguntaEsfuerzoEfectivoNulo)
            AgregarAviso(textos::AvisoEsfuerzoEfectivoSuprimido);
        if (si && texto == textos::PreguntaAnguloDovela) AgregarAviso(textos::AvisoAnguloSuprimido);
        return si;
    }
    bool ParametrosDeCalculo(Proyecto& p) override
    {
        return EnAbsolutas([&] { return destino_.ParametrosDeCalculo(p); });
    }
    DecisionJanbu IteracionJanbu(const Proyecto& p, const IteracionJanbuMostrada& pasada) override
    {
        return EnAbsolutas([&] { return destino_.IteracionJanbu(p, pasada); });
    }
    DecisionIteracion ResultadosDeLasIteraciones(const Proyecto& p,
                                                 const SumasDeLaIteracion& sumas) override
    {
        return EnAbsolutas([&] { return destino_.ResultadosDeLasIteraciones(p, sumas); });
    }
    std::optional<Tabla<double>> ChequeoDeEsfuerzos(const Proyecto& p,
                                                    const EsfuerzosDelChequeo& esfuerzos) override
    {
        return EnAbsolutas([&] { return destino_.ChequeoDeEsfuerzos(p, esfuerzos); });
    }
    std::optional<ParametrosDeDovelas>
    CambioDeParametrosDeResistencia(const Proyecto& p, const ParametrosDeDovelas& actuales) override
    {
        return EnAbsolutas([&] { return destino_.CambioDeParametrosDeResistencia(p, actuales); });
    }
    // El centro se muestra y se da en coordenadas absolutas; el método lo usa en las relativas.
    std::optional<PuntoCentro> CentroDeMomentos(const Proyecto& p, PuntoCentro sugerido) override
    {
        const PuntoDeReferencia r = marco_ ? marco_->Referencia() : PuntoDeReferencia{};
        const std::optional<PuntoCentro> dado = EnAbsolutas([&] {
            return destino_.CentroDeMomentos(p, {sugerido.X + r.x, sugerido.Y + r.y});
        });
        if (!dado) return dado;
        return PuntoCentro{dado->X - r.x, dado->Y - r.y};
    }

    // El método corre en este marco (o en ninguno).
    void UsarMarco(MarcoRelativo* marco) { marco_ = marco; }
    // Muestra el mensaje de fin retenido, o lo olvida.
    void Soltar()
    {
        if (!pendiente_) return;
        const MensajeRetenido m = *pendiente_;
        pendiente_.reset();
        Entregar(m.texto, m.titulo);
    }
    void Descartar() { pendiente_.reset(); }
    // Un mensaje propio del cálculo, antes del de fin retenido.
    void Entregar(const std::string& texto, const std::string& titulo)
    {
        ultimoTexto_ = texto;
        ultimoTitulo_ = titulo;
        destino_.Mensaje(texto, titulo);
    }

    const std::string& UltimoTexto() const { return ultimoTexto_; }
    const std::string& UltimoTitulo() const { return ultimoTitulo_; }
    const std::vector<std::string>& Avisos() const { return avisos_; }

private:
    struct MensajeRetenido {
        std::string texto, titulo;
    };

    template <typename Dialogo> std::invoke_result_t<Dialogo> EnAbsolutas(Dialogo&& dialogo)
    {
        Soltar();
        if (!marco_) return dialogo();
        marco_->AAbsolutas(p_, e_);
        auto decision = dialogo();
        marco_->ARelativas(p_, e_);
        return decision;
    }
    void AgregarAviso(const char* aviso)
    {
        if (std::find(avisos_.begin(), avisos_.end(), aviso) == avisos_.end())
            avisos_.emplace_back(aviso);
    }

    Interaccion& destino_;
    Proyecto& p_;
    EstadoCalculo& e_;
    MarcoRelativo* marco_ = nullptr;
    std::optional<MensajeRetenido> pendiente_;
    std::string ultimoTexto_;
    std::string ultimoTitulo_;
    std::vector<std::string> avisos_;
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

ResultadoMetodo CorrerMetodoEnRocas(Proyecto& p, EstadoCalculo& e, Metodo metodo, Interaccion& ui)
{
    switch (metodo) {
    case Metodo::Janbu:
        return MetodoJanbuEnRocas(p, e, ui);
    case Metodo::Variacional:
        return ProcesoIterativoEnRocas(p, e, ui);
    default:
        ui.Mensaje(textos::MetodoNoSeleccionado, textos::TituloNoEsMetodo);
        return ResultadoMetodo::Sin(FinCalculo::Detenido);
    }
}

ResultadoCalculo Calcular(Proyecto& p, EstadoCalculo& e, Metodo metodo,
                          const OpcionesCalculo& opciones, Interaccion& ui)
{
    InteraccionObservada observada(ui, p, e);
    ResultadoCalculo r;
    r.ConParametrosInstantaneos = opciones.ParametrosInstantaneos;
    r.MetodoCalculado = opciones.ParametrosInstantaneos ? p.MetodoDeCalculo : metodo;
    r.EnRocas = opciones.EnRocas && !opciones.ParametrosInstantaneos;
    auto terminar = [&](EstadoDelCalculo estado) {
        r.Estado = estado;
        r.Mensaje = observada.UltimoTexto();
        r.TituloMensaje = observada.UltimoTitulo();
        return r;
    };

    // Datos que un diálogo rechazaría: nada se toca.
    if (const auto problema = PrimerProblemaDeDatos(p, p.MetodoDeCalculo, e.PartidaAutomatica)) {
        observada.Entregar(problema->Texto, problema->Titulo);
        return terminar(EstadoDelCalculo::Rechazado);
    }

    const Proyecto proyectoAntes = p;
    const EstadoCalculo estadoAntes = e;
    auto volverAlEstadoAnterior = [&] {
        observada.UsarMarco(nullptr);
        observada.Descartar();
        p = proyectoAntes;
        e = estadoAntes;
    };
    MarcoRelativo marco(ReferenciaDeLaSeccion(p));
    ResultadoMetodo metodoHecho;
    try {
        marco.ARelativas(p, e);
        observada.UsarMarco(&marco);
        metodoHecho = opciones.ParametrosInstantaneos
                          ? CalculoParametrosInstantaneos(p, e, observada)
                      : r.EnRocas ? CorrerMetodoEnRocas(p, e, metodo, observada)
                                  : CorrerMetodo(p, e, metodo, observada);
        observada.UsarMarco(nullptr);
        marco.AAbsolutas(p, e);
    } catch (const std::bad_alloc&) {
        const int dovelas =
            std::max<int>(p.NumeroPuntosDovelas - 1, static_cast<int>(proyectoAntes.NumeroDovelas));
        volverAlEstadoAnterior();
        observada.Entregar(textos::SinMemoriaParaElCalculo(dovelas), textos::TituloLimiteCalculo);
        return terminar(EstadoDelCalculo::Limite);
    } catch (...) {
        volverAlEstadoAnterior();
        throw;
    }

    const EstadoDelCalculo estado = EstadoSegun(metodoHecho.Fin);
    if (estado != EstadoDelCalculo::Convergido) {
        observada.Soltar();
        return terminar(estado);
    }
    const double F = metodoHecho.FactorSeguridad;
    if (!std::isfinite(F) || !(F >= FactorSeguridadMinimo)) {
        // No es un resultado: el proyecto no queda con él.
        volverAlEstadoAnterior();
        observada.Entregar(std::isfinite(F) ? textos::FactorBajoElMinimo(F, FactorSeguridadMinimo)
                                            : std::string(textos::FactorNoFinitoEnIteracion),
                           textos::TituloLimiteCalculo);
        return terminar(EstadoDelCalculo::Limite);
    }
    r.FactorSeguridad = F;
    r.Iteraciones = p.NumeroIteraciones;
    for (int i = 1; i <= p.NumeroIteraciones && i <= p.HistoriaFS.Tamano(); ++i)
        r.Historia.push_back(p.HistoriaFS(i));
    // Admisibilidad estática de Janbu y del método variacional, con las abscisas de la sección.
    r.Avisos = metodoHecho.Avisos;
    if (r.MetodoCalculado == Metodo::Janbu || r.MetodoCalculado == Metodo::Variacional) {
        if (const std::optional<std::string> aviso = AdmisibilidadDelResultado(p, e)) {
            observada.Entregar(*aviso, textos::TituloAdmisibilidad);
            r.Avisos.push_back(*aviso);
        }
    }
    const std::vector<std::string>& suprimidos = observada.Avisos();
    if (!suprimidos.empty()) {
        std::string texto;
        for (const std::string& aviso : suprimidos)
            texto += (texto.empty() ? "" : "\n") + aviso;
        observada.Entregar(texto, textos::TituloAvisosDelCalculo);
        r.Avisos.insert(r.Avisos.end(), suprimidos.begin(), suprimidos.end());
    }
    observada.Soltar();
    return terminar(EstadoDelCalculo::Convergido);
}

const char* NombreDelMetodoGuardado(const Proyecto& p)
{
    return NombreDeMetodo(p.MetodoDeCalculo,
                          p.SueloRoca == Material::Roca && !p.UsaParametrosInstantaneos);
}

const char* NombreDeMetodo(Metodo metodo, bool enRocas)
{
    if (enRocas && metodo == Metodo::Janbu) return textos::NombreMetodoJanbuRoca;
    if (enRocas && metodo == Metodo::Variacional) return textos::NombreMetodoVariacionalRoca;
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
