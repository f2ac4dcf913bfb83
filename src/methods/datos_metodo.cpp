#include "methods/datos_metodo.h"

#include "model/textos.h"

#include <algorithm>
#include <cassert>
#include <cmath>

namespace vertana {

bool CirculoUnicoDeCalculo(const Proyecto& p)
{
    return EsCirculoUnico(p);
}

Tabla<double> AngulosBaseDovelas(const Proyecto& p, const EstadoCalculo& e, bool circulo)
{
    const int nd = p.NumeroPuntosDovelas - 1;
    Tabla<double> alfa(nd);
    const bool valorAbsoluto =
        e.NumeroPuntosSPF >= 1 && e.OrdenadasSPF(1) < e.OrdenadasSPF(e.NumeroPuntosSPF);
    for (int s = 1; s <= nd; ++s) {
        double a = 0.0;
        if (circulo) {
            const double u = (p.AbscisaCentroDovela(s) - p.CentroCirculoX) / p.RadioCirculoFalla;
            a = std::atan(u / std::sqrt(1.0 - u * u));
        } else {
            a = std::atan(e.Dovelas.PendienteBaseDovela(s));
        }
        alfa(s) = valorAbsoluto ? std::fabs(a) : a;
    }
    return alfa;
}

double PesoDovela(const Proyecto& p, const EstadoCalculo& e, int s)
{
    const double dx = p.AnchoDovela(s);
    return (p.OrdenadaTaludDovela(s) - p.OrdenadaCentroDovela(s)) * p.PesoUnitarioDovela(s) * dx +
           e.Dovelas.CargaVerticalDovela(s) * dx;
}

void PreguntarDesembalse(EstadoCalculo& e, Interaccion& ui)
{
    e.DesembalseRapido = false;
    e.DesembalseRapido = ui.Pregunta(textos::PreguntaDesembalseRapido);
}

bool ComprobarGrieta(const Proyecto& p, Interaccion& ui)
{
    if (p.OrdenadaSegundoPuntoGrieta < p.OrdenadaPrimerPuntoGrieta) {
        const bool coincide = p.NumeroCoordenadasFalla() >= 1 &&
                              p.AbscisaSegundoPuntoGrieta == p.AbscisasFalla(1) &&
                              p.OrdenadaSegundoPuntoGrieta == p.OrdenadasFalla(1);
        if (!coincide) {
            ui.Mensaje(textos::GrietaNoCoincideConFalla, textos::TituloOjoPelao);
            return false;
        }
    }
    if (p.OrdenadaNivelFreaticoGrieta > 0.0) {
        const bool coincide = p.NumeroCoordenadasFreatico() >= 1 &&
                              p.AbscisaNivelFreaticoGrieta == p.AbscisasFreatico(1) &&
                              p.OrdenadaNivelFreaticoGrieta == p.OrdenadasFreatico(1);
        if (!coincide) {
            ui.Mensaje(textos::FreaticoGrietaNoCoincide, textos::TituloOjoPelao);
            return false;
        }
    }
    return true;
}

bool ComprobarCaminoInstantaneo(const Proyecto& p, const EstadoCalculo& e, Interaccion& ui)
{
    if (!p.UsaParametrosInstantaneos) return true;
    if (!e.EjecucionInstantanea) {
        ui.Mensaje(textos::ProblemaDeInstantaneos, textos::TituloNoEsElCamino);
        return false;
    }
    return ui.Pregunta(textos::PreguntaContinuarInstantaneos);
}

void AnotarEsfuerzos(Proyecto& p, int nd, const std::function<EsfuerzosDeBase(int)>& esfuerzos)
{
    p.EsfuerzoNormalDovela.Redimensionar(nd);
    p.EsfuerzoEfectivoDovela.Redimensionar(nd);
    p.EsfuerzoTangencialDovela.Redimensionar(nd);
    p.SumaEsfuerzosTangenciales = 0.0;
    p.SumaEsfuerzosNormalesTotales = 0.0;
    p.SumaEsfuerzosNormalesEfectivos = 0.0;
    for (int s = 1; s <= nd; ++s) {
        const EsfuerzosDeBase b = esfuerzos(s);
        p.EsfuerzoNormalDovela(s) = b.normal;
        p.EsfuerzoEfectivoDovela(s) = b.efectivo;
        p.EsfuerzoTangencialDovela(s) = b.tangencial;
        p.SumaEsfuerzosNormalesTotales += b.normal;
        p.SumaEsfuerzosNormalesEfectivos += b.efectivo;
        p.SumaEsfuerzosTangenciales += b.tangencial;
    }
}

void EscribirEsfuerzos(Proyecto& p, const EstadoCalculo& e, const Tabla<double>& alfa,
                       const Tabla<double>& N, double FS)
{
    AnotarEsfuerzos(p, p.NumeroPuntosDovelas - 1, [&](int s) {
        const double sigma = N(s) * std::cos(alfa(s)) / p.AnchoDovela(s);
        const double efectivo = sigma - p.PresionPorosDovela(s);
        return EsfuerzosDeBase{
            sigma, efectivo,
            (efectivo * e.Dovelas.TangenteFriccionDovela(s) + p.CohesionDovela(s)) / FS};
    });
}

void EscribirHistoria(Proyecto& p, const std::vector<double>& historia)
{
    assert(!historia.empty() && historia.size() <= static_cast<std::size_t>(MaximoHistoriaFS));
    p.HistoriaFS.Redimensionar(MaximoHistoriaFS);
    const int n = static_cast<int>(historia.size());
    for (int i = 1; i <= n; ++i)
        p.HistoriaFS(i) = historia[static_cast<std::size_t>(i - 1)];
    p.NumeroIteraciones = static_cast<Entero16>(n);
}

void MarcarResultados(Proyecto& p)
{
    p.HayResultados = true;
    p.DatosGuardados = false;
}

} // namespace vertana
