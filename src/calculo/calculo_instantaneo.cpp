#include "calculo/calculo_instantaneo.h"

#include "calculo/calculo.h"
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

ResultadoMetodo CalculoParametrosInstantaneos(Proyecto& p, EstadoCalculo& e, Interaccion& ui)
{
    const auto detenido = ResultadoMetodo::Sin(FinCalculo::Detenido);
    e.ReutilizarParametrosInstantaneos = false;
    const DefinicionInstantaneos definicion = p.DefinicionParametrosInstantaneos;
    const bool entreOPuntual = definicion == DefinicionInstantaneos::Puntuales ||
                               definicion == DefinicionInstantaneos::EntrePuntos;
    if (!p.HayResultados) {
        ui.Mensaje(textos::HagaElCalculo, textos::TituloHagaElCalculo);
        return detenido;
    }
    if (!entreOPuntual && definicion != DefinicionInstantaneos::PorPantalla) {
        ui.Mensaje(textos::DefinaLaForma, textos::TituloDefinaLaForma);
        return detenido;
    }
    if (p.SueloRoca == Material::Suelo && definicion == DefinicionInstantaneos::Puntuales) {
        ui.Mensaje(textos::PuntualesEnSuelos);
        return detenido;
    }

    bool reutilizar = false;
    if (p.UsaParametrosInstantaneos && p.ParametrosInstantaneosCalculados) {
        if (!ui.Pregunta(textos::PreguntaRecalculoInstantaneo)) return detenido;
        if (ui.Pregunta(textos::PreguntaUsarParametrosQueSeTienen)) {
            reutilizar = true;
        } else if (entreOPuntual) {
            ui.Mensaje(textos::NuevosParametrosInstantaneos, textos::TituloOjo);
        } else {
            ui.Mensaje(textos::Opcion3SinRecalculo);
            return detenido;
        }
    }

    const char* pregunta = nullptr;
    switch (p.MetodoDeCalculo) {
    case Metodo::Fellenius:
        ui.Mensaje(textos::FelleniusNoSeCalculaInstantaneo, textos::TituloNoSeHaceElCalculo);
        return detenido;
    case Metodo::Variacional:
        pregunta = textos::PreguntaInstantaneosVariacional;
        break;
    case Metodo::Bishop:
        pregunta = textos::PreguntaInstantaneosBishop;
        break;
    case Metodo::Janbu:
        pregunta = textos::PreguntaInstantaneosJanbu;
        break;
    default:
        ui.Mensaje(textos::MetodoNoSeleccionado, textos::TituloNoEsMetodo);
        return detenido;
    }
    if (!ui.Pregunta(pregunta)) return detenido;
    if (entreOPuntual && !reutilizar) ui.Mensaje(textos::EstimaraParametros);

    p.UsaParametrosInstantaneos = true;
    EjecucionMarcada marca(e);
    e.ReutilizarParametrosInstantaneos = reutilizar;
    return CorrerMetodo(p, e, p.MetodoDeCalculo, ui);
}

} // namespace vertana
