#include "rock/calculo_instantaneo.h"

#include "methods/bishop.h"
#include "methods/janbu.h"
#include "methods/variacional.h"
#include "model/textos.h"
#include "rock/parametros_instantaneos.h"

namespace vertana {

namespace {

// La marca de ejecución instantánea y la de reutilización duran lo que dura el cálculo.
class EjecucionMarcada {
public:
    explicit EjecucionMarcada(EstadoCalculo& e) : e_(e) { e_.EjecucionInstantanea = true; }
    ~EjecucionMarcada()
    {
        e_.EjecucionInstantanea = false;
        e_.ReutilizarParametrosInstantaneos = false;
    }
    EjecucionMarcada(const EjecucionMarcada&) = delete;
    EjecucionMarcada& operator=(const EjecucionMarcada&) = delete;

private:
    EstadoCalculo& e_;
};

} // namespace

FinCalculo CalculoParametrosInstantaneos(Proyecto& p, EstadoCalculo& e, Interaccion& ui)
{
    e.ReutilizarParametrosInstantaneos = false;
    const int definicion = p.DefinicionParametrosInstantaneos;
    const bool entreOPuntual =
        definicion == InstantaneosPuntuales || definicion == InstantaneosEntrePuntos;
    if (!p.HayResultados) {
        ui.Mensaje(textos::HagaElCalculo, textos::TituloHagaElCalculo);
        return FinCalculo::Detenido;
    }
    if (definicion < InstantaneosPuntuales || definicion > InstantaneosPorPantalla) {
        ui.Mensaje(textos::DefinaLaForma, textos::TituloDefinaLaForma);
        return FinCalculo::Detenido;
    }
    if (p.SueloRoca == "S" && definicion == InstantaneosPuntuales) {
        ui.Mensaje(textos::PuntualesEnSuelos);
        return FinCalculo::Detenido;
    }

    bool reutilizar = false;
    if (p.UsaParametrosInstantaneosSN == "S" && p.ParametrosInstantaneosCalculados) {
        if (!ui.Pregunta(textos::PreguntaRecalculoInstantaneo)) return FinCalculo::Detenido;
        if (ui.Pregunta(textos::PreguntaUsarParametrosQueSeTienen)) {
            reutilizar = true;
        } else if (entreOPuntual) {
            ui.Mensaje(textos::NuevosParametrosInstantaneos, textos::TituloOjo);
        } else {
            ui.Mensaje(textos::Opcion3SinRecalculo);
            return FinCalculo::Detenido;
        }
    }

    const char* pregunta = nullptr;
    switch (p.MetodoDeCalculo) {
    case MetodoFelleniusCodigo:
        ui.Mensaje(textos::FelleniusNoSeCalculaInstantaneo, textos::TituloNoSeHaceElCalculo);
        return FinCalculo::Detenido;
    case MetodoVariacionalCodigo:
        pregunta = textos::PreguntaInstantaneosVariacional;
        break;
    case MetodoBishopCodigo:
        pregunta = textos::PreguntaInstantaneosBishop;
        break;
    case MetodoJanbuCodigo:
        pregunta = textos::PreguntaInstantaneosJanbu;
        break;
    default:
        ui.Mensaje(textos::MetodoNoSeleccionado, textos::TituloNoEsMetodo);
        return FinCalculo::Detenido;
    }
    if (!ui.Pregunta(pregunta)) return FinCalculo::Detenido;
    if (entreOPuntual && !reutilizar) ui.Mensaje(textos::EstimaraParametros);

    p.UsaParametrosInstantaneos = true;
    p.UsaParametrosInstantaneosSN = "S";
    EjecucionMarcada marca(e);
    e.ReutilizarParametrosInstantaneos = reutilizar;
    switch (p.MetodoDeCalculo) {
    case MetodoVariacionalCodigo:
        return ProcesoIterativoEnSuelos(p, e, ui);
    case MetodoBishopCodigo:
        return MetodoBishop(p, e, ui);
    default:
        return MetodoJanbu(p, e, ui);
    }
}

} // namespace vertana
