#include "methods/variacional.h"

#include "model/dialogos_calculo.h"

#include "geometry/preparacion.h"
#include "methods/dovelas_rigurosas.h"
#include "methods/variacional_arranque.h"
#include "methods/variacional_banda.h"
#include "methods/variacional_sistema.h"
#include "model/textos.h"
#include "rock/parametros_instantaneos.h"

#include <cmath>
#include <cstddef>
#include <string>
#include <utility>
#include <vector>

namespace vertana {

namespace {

// F de partida automática cuando no hay solución rigurosa ni FSInicial positivo.
constexpr double FactorPartidaSinRiguroso = 1.5;

std::size_t Ind(int i)
{
    return static_cast<std::size_t>(i);
}

// Primer nodo j (2..nd+1) cuya dovela j − 1 tiene resistencia de Mohr-Coulomb negativa:
// σ − u < −c/tan φ (la igualdad pasa). 0 si todas pasan.
int NodoSinChequeo(const DatosVariacional& datos, const std::vector<double>& sigma)
{
    const int dovela = DovelaSinResistencia(datos, sigma);
    return dovela == 0 ? 0 : dovela + 1;
}

// Fila k de la historia: xc, yc, F y los esfuerzos de los nodos (el 1 es la cresta).
void AnotarIteracion(Proyecto& p, EstadoCalculo& e, const DatosVariacional& datos, int k,
                     const std::vector<double>& z)
{
    p.HistoriaMu1Mu2(k) = z[0];
    p.HistoriaInversaMu2(k) = z[1];
    p.HistoriaFS(k) = z[2];
    p.NumeroIteraciones = static_cast<Entero16>(k);
    e.HistoriaEsfuerzosNormales(1, k) = datos.sigmaCresta;
    for (int i = 1; i <= datos.Dovelas(); ++i)
        e.HistoriaEsfuerzosNormales(i + 1, k) = z[Ind(2 + i)];
}

// Esfuerzos normales por dovela de la iteración k y de la anterior (la misma en la primera), con
// su mínimo, para el diálogo de chequeo.
EsfuerzosDelChequeo EsfuerzosParaElChequeo(const EstadoCalculo& e, int k)
{
    EsfuerzosDelChequeo r;
    r.Material = MaterialDelChequeo::Suelo;
    r.DovelaSinChequeo = e.DovelaSinChequeo;
    r.SigmasModificados = e.SigmasModificados;
    const Tabla2<double>& h = e.HistoriaEsfuerzosNormales;
    const int anterior = k > 1 ? k - 1 : k;
    for (int i = 1; i <= e.SigmaMinimoDovela.Tamano() && i + 1 <= h.Filas(); ++i) {
        r.Actual.push_back(h(i + 1, k));
        r.Anterior.push_back(h(i + 1, anterior));
        r.Minimo.push_back(e.SigmaMinimoDovela(i));
    }
    return r;
}

void EscribirResultados(Proyecto& p, const DatosVariacional& datos, const std::vector<double>& z)
{
    const double F = z[2];
    AnotarEsfuerzos(p, datos.Dovelas(), [&](int i) {
        const DovelaVariacional& d = datos(i);
        const double sigma = z[Ind(2 + i)];
        const double efectivo = sigma - d.u;
        return EsfuerzosDeBase{sigma, efectivo, (efectivo * d.T + d.c) / F};
    });
    MarcarResultados(p);
}

// Partida automática (EstadoCalculo::PartidaAutomatica): la solución de
// ResolverConPartidaAutomatica, con su σo, sin form9; la historia guarda las iteraciones del punto
// (xc, yc) que convergió.
ResultadoMetodo ConPartidaAutomatica(Proyecto& p, EstadoCalculo& e, DatosVariacional datos,
                                     Interaccion& ui)
{
    const double factorSinRiguroso = p.FSInicial > 0.0 ? p.FSInicial : FactorPartidaSinRiguroso;
    const ArranqueVariacional a = ResolverConPartidaAutomatica(
        datos, ProblemaRigurosoDesdeDovelas(p, e), factorSinRiguroso, MaximoIteracionesVariacional);
    if (!a.Convergio) {
        ui.Mensaje(textos::VariacionalSinPartidaAutomatica, textos::TituloLimiteCalculo);
        return ResultadoMetodo::Sin(FinCalculo::Limite);
    }
    datos.sigmaCresta = a.SigmaCresta;
    for (std::size_t k = 0; k < a.Iteraciones.size(); ++k)
        AnotarIteracion(p, e, datos, static_cast<int>(k) + 1, a.Iteraciones[k]);
    const std::vector<double>& z = a.Iteraciones.back();
    const SumasEquilibrio s =
        SumasDeEquilibrio(datos, z[2], std::vector<double>(z.begin() + 3, z.end()));
    e.SumaFuerzasHorizontales = s.H;
    e.SumaFuerzasVerticales = s.V;
    e.SumaMomentos = s.M;
    EscribirResultados(p, datos, z);
    ui.Mensaje(textos::FinVariacional);
    return ResultadoMetodo::Con(z[2]);
}

} // namespace

bool ComprobarMetodoVariacional(const Proyecto& p, Interaccion& ui)
{
    if (p.MetodoDeCalculo == Metodo::Bishop || p.MetodoDeCalculo == Metodo::Fellenius ||
        p.MetodoDeCalculo == Metodo::Janbu) {
        ui.Mensaje(textos::MetodoNoSeleccionado, textos::TituloNoEsMetodo);
        return false;
    }
    return true;
}

void PrepararHistoriaVariacional(Proyecto& p, EstadoCalculo& e, int filasEsfuerzos)
{
    p.HistoriaMu1Mu2.Redimensionar(MaximoIteracionesVariacional);
    p.HistoriaInversaMu2.Redimensionar(MaximoIteracionesVariacional);
    p.HistoriaFS.Redimensionar(MaximoIteracionesVariacional);
    e.HistoriaEsfuerzosNormales.Redimensionar(filasEsfuerzos, MaximoIteracionesVariacional);
}

ResultadoMetodo ProcesoIterativoEnSuelos(Proyecto& p, EstadoCalculo& e, Interaccion& ui)
{
    const auto detenido = ResultadoMetodo::Sin(FinCalculo::Detenido);
    // 1-4. Preguntas y comprobaciones de entrada.
    PreguntarDesembalse(e, ui);
    if (p.SueloRoca == Material::Roca && !p.UsaParametrosInstantaneos) {
        ui.Mensaje(textos::MaterialEsRoca, textos::TituloNoEsSuelo);
        return detenido;
    }
    if (!ComprobarMetodoVariacional(p, ui)) return detenido;
    if (!ComprobarCaminoInstantaneo(p, e, ui)) return detenido;

    // 5-6. Preparación de la superficie y de las dovelas, con los parámetros instantáneos.
    if (!PrepararDovelasDelMetodo(p, e, ui)) return detenido;
    const int nd = p.NumeroPuntosDovelas - 1;
    if (nd < MinimoDovelasVariacional) {
        ui.Mensaje(textos::PocasDovelasVariacional, textos::TituloLimiteCalculo);
        return detenido;
    }

    // 7-8. Historia y datos de las dovelas.
    PrepararHistoriaVariacional(p, e, nd + 1);
    const DatosVariacional datos = DatosDeDovelas(p, e, e.DesembalseRapido);
    // La historia de los esfuerzos queda sólo tras un chequeo fallido, para Form13.
    auto terminar = [&](ResultadoMetodo r) {
        e.HistoriaEsfuerzosNormales.Vaciar();
        return r;
    };

    if (e.PartidaAutomatica) return terminar(ConPartidaAutomatica(p, e, datos, ui));

    // 9. Primera solución con los valores iniciales.
    std::vector<double> z{p.MultiplicadorLagrange1, p.MultiplicadorLagrange2, p.FSInicial};
    std::vector<double> sigma;
    if (!PrimeraSolucionBanda(datos, z[0], z[1], z[2], sigma)) {
        ui.Mensaje(textos::DeterminanteNulo, textos::TituloEnCalculo);
        return detenido;
    }
    // 10. Esfuerzos dados por la persona en Form13 tras un cálculo fallido.
    if (e.SigmasModificados && e.SigmasUsuario.Tamano() >= nd + 1)
        for (int j = 2; j <= nd + 1; ++j)
            sigma[Ind(j - 2)] = e.SigmasUsuario(j);
    z.insert(z.end(), sigma.begin(), sigma.end());
    int k = 1;
    AnotarIteracion(p, e, datos, k, z);
    // 11. Chequeo de la resistencia con los valores iniciales.
    if (NodoSinChequeo(datos, sigma) != 0) {
        ui.Mensaje(textos::NoChequeaMohrCoulomb, textos::TituloChequeoResistencia);
        return detenido;
    }
    e.SigmasModificados = false;

    // 14. Newton-Raphson, acotado por el tamaño de la historia.
    for (;;) {
        if (k >= MaximoIteracionesVariacional) {
            ui.Mensaje(textos::HistoriaVariacionalLlena, textos::TituloLimiteCalculo);
            return terminar(ResultadoMetodo::Sin(FinCalculo::Limite));
        }
        std::vector<double> delta;
        if (!ResolverPasoNewton(JacobianoBandaVariacional(datos, z),
                                ResiduosVariacionales(datos, z), delta)) {
            ui.Mensaje(textos::DeterminanteNulo, textos::TituloEnCalculo);
            return detenido;
        }
        for (std::size_t i = 0; i < z.size(); ++i)
            z[i] += delta[i];
        ++k;
        AnotarIteracion(p, e, datos, k, z);

        // Chequeo de la resistencia tras el paso.
        e.SigmaMinimoDovela.Redimensionar(nd);
        for (int i = 1; i <= nd; ++i)
            e.SigmaMinimoDovela(i) = datos(i).u - datos(i).c / datos(i).T;
        sigma.assign(z.begin() + 3, z.end());
        const int nodo = NodoSinChequeo(datos, sigma);
        if (nodo != 0) {
            ui.Mensaje(textos::NoChequeaLeyResistencia, textos::TituloParametrosInciales);
            e.DovelaSinChequeo = static_cast<Entero16>(nodo - 1);
            if (auto escritos = ui.ChequeoDeEsfuerzos(p, EsfuerzosParaElChequeo(e, k))) {
                e.SigmasUsuario = std::move(*escritos);
                e.SigmasModificados = true;
            }
            return detenido;
        }

        const SumasEquilibrio s = SumasDeEquilibrio(datos, z[2], sigma);
        e.SumaFuerzasHorizontales = s.H;
        e.SumaFuerzasVerticales = s.V;
        e.SumaMomentos = s.M;
        const DecisionIteracion decision = ui.ResultadosDeLasIteraciones(p, {s.H, s.V, s.M});
        if (decision == DecisionIteracion::Aceptar) {
            EscribirResultados(p, datos, z);
            return terminar(ResultadoMetodo::Con(z[2]));
        }
        if (decision == DecisionIteracion::Salir)
            return terminar(ResultadoMetodo::Sin(FinCalculo::Abandonado));
        if (SumasConvergidas(s)) {
            EscribirResultados(p, datos, z);
            ui.Mensaje(textos::FinVariacional);
            return terminar(ResultadoMetodo::Con(z[2]));
        }
    }
}

} // namespace vertana
