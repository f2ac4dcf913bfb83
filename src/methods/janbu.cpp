#include "methods/janbu.h"

#include "geometry/preparacion.h"
#include "methods/momento_cargas.h"
#include "model/textos.h"
#include "rock/parametros_instantaneos.h"

#include <cmath>

#include <vector>

namespace vertana {

namespace {

constexpr double Mitad = 0.5;

// Términos de cada dovela que no cambian en el cálculo.
struct DovelaJanbu {
    double alfa, tanAlfa, cos2, b, xc, yo, yt, tanBeta, u, c, tf, W;
    double cargaVertical;   // Σ Qy·b + Σ Py
    double cargaHorizontal; // Σ Qx·b·tan β + Σ Px
    double momentoCargas; // términos de las cargas en T: (X − xc)·Py/2b + (Y − yo)·Px/2b + ...
};

struct Trabajo {
    std::vector<DovelaJanbu> d; // índice 0..n−2 para las dovelas 1..n−1
    std::vector<double> R0, D0, R, D, m, dT;
};

double FactorM(const DovelaJanbu& d, double F)
{
    return d.cos2 * (1.0 + d.tanAlfa * d.tf / F);
}

// Σ(R/m) / (hw + ΣD) con m evaluado en F. Devuelve nullptr, o el mensaje de por qué el factor
// no está definido: denominador nulo o factor no finito.
const char* NuevoFactor(const Proyecto& p, Trabajo& t, double F, double& Fnuevo)
{
    double sumaR = 0.0, sumaD = 0.0;
    for (std::size_t k = 0; k < t.d.size(); ++k) {
        t.m[k] = FactorM(t.d[k], F);
        sumaR += t.R[k] / t.m[k];
        sumaD += t.D[k];
    }
    const double denominador = p.AlturaAguaGrieta + sumaD;
    Fnuevo = sumaR / denominador;
    if (denominador == 0.0) return textos::MomentoMotorNulo;
    if (!std::isfinite(Fnuevo)) return textos::FactorNoFinitoEnIteracion;
    return nullptr;
}

Trabajo TerminosDeDovelas(const Proyecto& p, const EstadoCalculo& e)
{
    const int nd = p.NumeroPuntosDovelas - 1;
    const Tabla<double> alfa = AngulosBaseDovelas(p, e, false);
    const double kh = p.CoeficienteSismicoHorizontal, kv = p.CoeficienteSismicoVertical;
    Trabajo t;
    t.d.resize(static_cast<std::size_t>(nd));
    for (int s = 1; s <= nd; ++s) {
        DovelaJanbu& d = t.d[static_cast<std::size_t>(s - 1)];
        d.alfa = alfa(s);
        d.tanAlfa = std::tan(d.alfa);
        d.cos2 = std::cos(d.alfa) * std::cos(d.alfa);
        d.b = p.AnchoDovela(s);
        d.xc = p.AbscisaCentroDovela(s);
        d.yo = p.OrdenadaCentroDovela(s);
        d.yt = p.OrdenadaTaludDovela(s);
        d.tanBeta = e.Dovelas.PendienteTaludDovela(s);
        d.u = p.PresionPorosDovela(s);
        d.c = p.CohesionDovela(s);
        d.tf = e.Dovelas.TangenteFriccionDovela(s);
        d.W = PesoDovela(p, e, s);
        d.cargaVertical = d.cargaHorizontal = d.momentoCargas = 0.0;
        for (int j = 1; j <= p.NumeroCargasUniformes(); ++j) {
            if (!CargaUniformeCubre(p, j, d.xc)) continue;
            d.cargaVertical += p.CargaUniformeQy(j) * d.b;
            d.cargaHorizontal += p.CargaUniformeQx(j) * d.b * d.tanBeta;
            d.momentoCargas += p.CargaUniformeQx(j) * Mitad * d.tanBeta * (d.yt - d.yo);
        }
        for (int j = 1; j <= p.NumeroCargasPuntuales(); ++j) {
            if (!CargaPuntualEnDovela(p, e, j, s, true)) continue;
            d.cargaVertical += p.CargaPuntualPy(j);
            d.cargaHorizontal += p.CargaPuntualPx(j);
            d.momentoCargas += (p.CargaPuntualX(j) - d.xc) * p.CargaPuntualPy(j) * Mitad / d.b +
                               (p.CargaPuntualY(j) - d.yo) * p.CargaPuntualPx(j) * Mitad / d.b;
        }
        const double V = (1.0 + kv) * d.W + d.cargaVertical;
        t.R0.push_back((V - d.u * d.b) * d.tf + d.c * d.b);
        t.D0.push_back(V * d.tanAlfa + kh * d.W - d.cargaHorizontal);
    }
    t.R = t.R0;
    t.D = t.D0;
    t.m.assign(t.d.size(), 0.0);
    t.dT.assign(t.d.size(), 0.0);
    return t;
}

// Segunda etapa: línea de empuje, fuerzas entre dovelas y nuevos R, D. La nueva ΔT se toma
// relajada, ΔT ← ω·ΔT_calculada + (1 − ω)·ΔT_anterior: sin relajar, en dovelas empinadas de la
// corona la corrección cambia de signo y crece de una pasada a otra; la solución a la que se
// converge es la misma (docs/decisiones.md).
void PasadaGeneralizada(const Proyecto& p, Trabajo& t, double F, Tabla<double>& anguloEmpuje)
{
    const int nd = static_cast<int>(t.d.size()); // n − 1
    const double kh = p.CoeficienteSismicoHorizontal;
    const Tabla<double>& ht = p.ValoresDeHt;
    auto d = [&](int k) -> const DovelaJanbu& { return t.d[static_cast<std::size_t>(k - 1)]; };
    auto at = [](std::vector<double>& v, int k) -> double& {
        return v[static_cast<std::size_t>(k - 1)];
    };
    anguloEmpuje.Redimensionar(nd - 1 > 0 ? nd - 1 : 0);
    for (int k = 1; k <= nd - 1; ++k)
        anguloEmpuje(k) =
            std::atan((d(k + 1).tanAlfa * d(k + 1).b + ht(k) - ht(k + 1)) / d(k + 1).b);
    std::vector<double> dE(t.d.size()), E(t.d.size()), T(t.d.size(), 0.0);
    double acumulado = 0.0;
    for (int k = 1; k <= nd; ++k)
        at(t.m, k) = FactorM(d(k), F); // m con el F actual
    for (int k = 1; k <= nd; ++k) {
        at(dE, k) = at(t.D, k) - at(t.R, k) / (at(t.m, k) * F);
        acumulado += at(dE, k);
        at(E, k) = acumulado;
    }
    for (int k = 1; k <= nd - 1; ++k) {
        const DovelaJanbu& a = d(k);
        const DovelaJanbu& b = d(k + 1);
        const double dEdx = (at(dE, k) + at(dE, k + 1)) / (a.b + b.b);
        at(T, k) = -at(E, k) * std::tan(anguloEmpuje(k)) + ht(k) * dEdx -
                   (a.yt - a.yo) * (kh * Mitad * a.W) / (2.0 * a.b) -
                   (b.yt - b.yo) * (kh * Mitad * b.W) / (2.0 * b.b) + a.momentoCargas +
                   b.momentoCargas;
    }
    for (int k = 1; k <= nd; ++k) {
        double calculada = 0.0;
        if (k == 1)
            calculada = nd >= 2 ? at(T, 1) : 0.0;
        else if (k == nd)
            calculada = -at(T, nd - 1);
        else
            calculada = at(T, k) - at(T, k - 1);
        at(t.dT, k) = RelajacionFuerzaTangencial * calculada +
                      (1.0 - RelajacionFuerzaTangencial) * at(t.dT, k);
        at(t.D, k) = d(k).tanAlfa * at(t.dT, k) + at(t.D0, k);
        at(t.R, k) = at(t.dT, k) * d(k).tf + at(t.R0, k);
    }
}

void EscribirEsfuerzosJanbu(Proyecto& p, const Trabajo& t, double F)
{
    const double kv = p.CoeficienteSismicoVertical;
    AnotarEsfuerzos(p, static_cast<int>(t.d.size()), [&](int k) {
        const std::size_t i = static_cast<std::size_t>(k - 1);
        const DovelaJanbu& d = t.d[i];
        const double tau = d.cos2 * t.R[i] / (F * FactorM(d, F) * d.b);
        // El sismo vertical con el mismo signo que en la iteración (docs/decisiones.md).
        const double Nv = (1.0 + kv) * d.W + t.dT[i] + d.cargaVertical;
        const double sigma = Nv / d.b - d.tanAlfa * tau;
        return EsfuerzosDeBase{sigma, sigma - d.u, tau};
    });
}

} // namespace

ResultadoMetodo MetodoJanbu(Proyecto& p, EstadoCalculo& e, Interaccion& ui)
{
    const auto detenido = ResultadoMetodo::Sin(FinCalculo::Detenido);
    PreguntarDesembalse(e, ui);
    if (p.HayResultados && !ui.Pregunta(textos::PreguntaRecalcular)) return detenido;
    if (p.MetodoDeCalculo != Metodo::Janbu) {
        ui.Mensaje(textos::MetodoNoSeleccionado, textos::TituloNoEsMetodo);
        return detenido;
    }
    if (!ComprobarGrieta(p, ui)) return detenido;
    if (p.SueloRoca == Material::Roca && !p.UsaParametrosInstantaneos) {
        ui.Mensaje(textos::MaterialEsRoca, textos::TituloNoEsSuelo);
        return detenido;
    }
    if (!ComprobarCaminoInstantaneo(p, e, ui)) return detenido;
    if (!PrepararDovelasDelMetodo(p, e, ui)) return detenido;
    const int n = p.NumeroPuntosDovelas;
    if (n < 2) return detenido;

    Trabajo t = TerminosDeDovelas(p, e);
    std::vector<double> historia{p.FSInicial};
    auto limite = [&](const char* texto) {
        ui.Mensaje(texto, textos::TituloLimiteCalculo);
        return ResultadoMetodo::Sin(FinCalculo::Limite);
    };

    // Primera etapa: sin fuerzas tangenciales entre dovelas.
    double F = p.FSInicial;
    for (;;) { // acotado por el tamaño de la historia
        if (static_cast<int>(historia.size()) >= MaximoHistoriaFS)
            return limite(textos::HistoriaLlena);
        double Fnuevo = 0.0;
        if (const char* indefinido = NuevoFactor(p, t, F, Fnuevo)) return limite(indefinido);
        historia.push_back(Fnuevo);
        const bool convergio = std::fabs(Fnuevo - F) <= ToleranciaFS;
        F = Fnuevo;
        if (convergio) break;
    }

    // Alturas de la línea de empuje.
    const Tabla<double> htAnteriores = p.ValoresDeHt;
    const Tabla<double> historiaAnterior = p.HistoriaFS;
    const Entero16 iteracionesAnteriores = p.NumeroIteraciones;
    const bool htGuardados = p.HayResultados && p.HayValoresDeHt && p.ValoresDeHt.Tamano() >= n - 1;
    if (!(htGuardados && !ui.Pregunta(textos::PreguntaProgramaFijaHt))) {
        p.ValoresDeHt.Redimensionar(n + 1);
        for (int k = 2; k <= n; ++k)
            p.ValoresDeHt(k - 1) =
                (e.Dovelas.OrdenadaTaludBorde(k) - e.Dovelas.OrdenadaBordeDovela(k)) *
                FraccionAlturaLineaEmpuje;
    }
    auto salirSinResultados = [&](FinCalculo fin) {
        p.ValoresDeHt = htAnteriores;
        p.HistoriaFS = historiaAnterior;
        p.NumeroIteraciones = iteracionesAnteriores;
        return ResultadoMetodo::Sin(fin);
    };

    // Segunda etapa: procedimiento generalizado con Form17 tras cada pasada.
    Tabla<double> anguloEmpuje;
    for (;;) { // acotado por el tamaño de la historia
        if (static_cast<int>(historia.size()) >= MaximoHistoriaFS) {
            ui.Mensaje(textos::HistoriaLlena, textos::TituloLimiteCalculo);
            return salirSinResultados(FinCalculo::Limite);
        }
        PasadaGeneralizada(p, t, F, anguloEmpuje);
        double Fnuevo = 0.0;
        if (const char* indefinido = NuevoFactor(p, t, F, Fnuevo)) {
            ui.Mensaje(indefinido, textos::TituloLimiteCalculo);
            return salirSinResultados(FinCalculo::Limite);
        }
        historia.push_back(Fnuevo);
        EscribirHistoria(p, historia);
        const DecisionJanbu decision = ui.IteracionJanbu(p, {anguloEmpuje, e.SigmasModificados});
        if (decision.ValoresDeHt) p.ValoresDeHt = *decision.ValoresDeHt;
        const bool convergio = std::fabs(Fnuevo - F) <= ToleranciaFS;
        F = Fnuevo;
        if (decision.Decision == DecisionIteracion::Aceptar) break;
        if (decision.Decision == DecisionIteracion::Salir)
            return salirSinResultados(FinCalculo::Abandonado);
        if (convergio) break;
    }

    if (F <= 0.0) {
        ui.Mensaje(textos::FactorNoPositivo, textos::TituloLimiteCalculo);
        return salirSinResultados(FinCalculo::Limite);
    }
    EscribirEsfuerzosJanbu(p, t, F);
    EscribirHistoria(p, historia);
    MarcarResultados(p);
    p.HayValoresDeHt = true;
    ui.Mensaje(textos::FinJanbu);
    return ResultadoMetodo::Con(F);
}

} // namespace vertana
