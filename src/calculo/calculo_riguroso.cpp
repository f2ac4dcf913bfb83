#include "calculo/calculo_riguroso.h"

#include "geometry/preparacion.h"
#include "methods/admisibilidad.h"
#include "methods/datos_metodo.h"
#include "methods/dovelas_rigurosas.h"
#include "model/textos.h"

#include <cassert>
#include <cmath>
#include <cstddef>

namespace vertana {

namespace {

const char* RazonSinSolucion(EstadoRiguroso estado)
{
    switch (estado) {
    case EstadoRiguroso::SinConvergencia:
        return textos::RigurosoSinConvergencia;
    case EstadoRiguroso::NoFinito:
        return textos::RigurosoNoFinito;
    case EstadoRiguroso::NoFisico:
        return textos::RigurosoNoFisico;
    default:
        return textos::RigurosoDatosInvalidos;
    }
}

// Las comprobaciones y la preparación; falso si el contraste no sigue.
bool PrepararContraste(Proyecto& p, EstadoCalculo& e, Interaccion& ui)
{
    PreguntarDesembalse(e, ui);
    if (p.SueloRoca == Material::Roca && !p.UsaParametrosInstantaneos) {
        ui.Mensaje(textos::MaterialEsRoca, textos::TituloNoEsSuelo);
        return false;
    }
    if (!ComprobarGrieta(p, ui)) return false;
    if (p.UsaParametrosInstantaneos) {
        // La c y la φ de cada dovela son las del último cálculo: sus dovelas, sin rehacerlas.
        if (!PreparacionCompleta(e) || p.NumeroPuntosDovelas < 2) {
            ui.Mensaje(textos::ContrasteSinDovelasInstantaneas, textos::TituloContraste);
            return false;
        }
        return true;
    }
    if (!PrepararCalculo(p, e, ui)) return false;
    return p.NumeroPuntosDovelas >= 2;
}

} // namespace

const char* NombreDeMetodoRiguroso(MetodoRiguroso metodo)
{
    return metodo == MetodoRiguroso::Spencer ? textos::NombreMetodoSpencer
                                             : textos::NombreMetodoMorgensternPriceMedioSeno;
}

std::vector<ResultadoRiguroso> CalcularRiguroso(Proyecto& p, EstadoCalculo& e,
                                                const std::vector<MetodoRiguroso>& metodos,
                                                Interaccion& ui)
{
    std::vector<ResultadoRiguroso> resultados;
    const bool preparado = PrepararContraste(p, e, ui);
    const ProblemaRiguroso problema =
        preparado ? ProblemaRigurosoDesdeDovelas(p, e) : ProblemaRiguroso{};
    for (MetodoRiguroso metodo : metodos) {
        ResultadoRiguroso r;
        r.Metodo = metodo;
        if (!preparado) {
            r.Estado = EstadoDelCalculo::Rechazado;
            resultados.push_back(r);
            continue;
        }
        r.Problema = problema;
        r.Solucion = metodo == MetodoRiguroso::Spencer ? ResolverSpencer(problema)
                                                       : ResolverMorgensternPrice(problema);
        if (r.Solucion.Estado != EstadoRiguroso::Convergio || !std::isfinite(r.Solucion.FS) ||
            !(r.Solucion.FS > 0.0)) {
            r.Estado = EstadoDelCalculo::Limite;
            r.Mensaje = RazonSinSolucion(r.Solucion.Estado);
            resultados.push_back(r);
            continue;
        }
        r.Estado = EstadoDelCalculo::Convergido;
        r.FactorSeguridad = r.Solucion.FS;
        r.Lambda = r.Solucion.Lambda;
        r.AnguloEntreDovelas = r.Solucion.AnguloEntreDovelas;
        r.Admisibilidad = ComprobarAdmisibilidad(problema, r.Solucion, CriterioDelInforme);
        if (const auto aviso = AvisoDeAdmisibilidad(r.Admisibilidad)) r.Avisos.push_back(*aviso);
        resultados.push_back(r);
    }
    return resultados;
}

EsfuerzosRigurosos EsfuerzosDeDovela(const ResultadoRiguroso& r, int i)
{
    const std::size_t k = static_cast<std::size_t>(i - 1);
    assert(k < r.Problema.Dovelas.size() && k < r.Solucion.FuerzaNormal.size());
    const DovelaRigurosa& d = r.Problema.Dovelas[k];
    const double factor = std::cos(d.Alfa) / d.Ancho;
    EsfuerzosRigurosos s;
    s.Normal = r.Solucion.FuerzaNormal[k] * factor;
    s.Efectivo = s.Normal - d.PresionPoros;
    s.Tangencial = r.Solucion.FuerzaCorte[k] * factor;
    return s;
}

} // namespace vertana
