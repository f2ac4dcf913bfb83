#include "calculo/calculo_instantaneo.h"

#include "calculo/calculo.h"
#include "methods/janbu_roca.h"
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

// En un macizo rocoso el método variacional del segundo cálculo (el de suelos, con c y φ por
// dovela) parte de la solución del primero: xc, yc y F de la última fila de la historia, en
// lugar de los valores de partida de los parámetros de cálculo, que son los del método con
// Hoek-Brown (otras incógnitas). Los valores de los parámetros de cálculo vuelven al terminar.
class PartidaDesdeElPrimerCalculo {
public:
    explicit PartidaDesdeElPrimerCalculo(Proyecto& p)
        : p_(p), xc_(p.MultiplicadorLagrange1), yc_(p.MultiplicadorLagrange2), F_(p.FSInicial)
    {
        const int k = p.NumeroIteraciones;
        activa_ = p.SueloRoca == Material::Roca && p.MetodoDeCalculo == Metodo::Variacional &&
                  k >= 1 && k <= p.HistoriaFS.Tamano() && k <= p.HistoriaMu1Mu2.Tamano() &&
                  k <= p.HistoriaInversaMu2.Tamano() && p.HistoriaFS(k) > 0.0;
        if (!activa_) return;
        p.MultiplicadorLagrange1 = p.HistoriaMu1Mu2(k);
        p.MultiplicadorLagrange2 = p.HistoriaInversaMu2(k);
        p.FSInicial = p.HistoriaFS(k);
    }
    ~PartidaDesdeElPrimerCalculo()
    {
        if (!activa_) return;
        p_.MultiplicadorLagrange1 = xc_;
        p_.MultiplicadorLagrange2 = yc_;
        p_.FSInicial = F_;
    }
    PartidaDesdeElPrimerCalculo(const PartidaDesdeElPrimerCalculo&) = delete;
    PartidaDesdeElPrimerCalculo& operator=(const PartidaDesdeElPrimerCalculo&) = delete;

private:
    Proyecto& p_;
    double xc_, yc_, F_;
    bool activa_ = false;
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
    ResultadoMetodo r;
    {
        PartidaDesdeElPrimerCalculo partida(p);
        r = CorrerMetodo(p, e, p.MetodoDeCalculo, ui);
    }
    // En un macizo rocoso los esfuerzos principales de cada dovela son los del nuevo cálculo.
    if (r.Fin == FinCalculo::Resultados && p.SueloRoca == Material::Roca)
        EscribirEsfuerzosPrincipalesMohrCoulomb(p, r.FactorSeguridad);
    return r;
}

} // namespace vertana
