#include "methods/variacional_roca.h"

#include "geometry/preparacion.h"
#include "methods/variacional.h"
#include "model/dialogos_calculo.h"
#include "model/textos.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <optional>

namespace vertana {

namespace {

constexpr int IncognitasGlobales = 3; // xc, yc, F antes de los σ3

// Partida automática: los valores de partida que se prueban, en este orden (F por fuera, luego
// yc, luego xc). F: el que mejor anula las sumas con los σ3 iniciales y unos fijos. xc y yc como
// fracciones del ancho Lx y del alto H de la superficie de falla: xc = xmín + f·Lx,
// yc = ymáx + f·H, con fracciones negativas grandes para el lado µ2 = 1/yc < 0.
constexpr double FactoresDePartida[] = {1.5, 1.0, 2.5, 4.0, 6.0};
constexpr double FraccionesXc[] = {0.5, 0.25, 0.75, 0.0, 1.0, -0.5, 1.5, -1.5, 2.5};
constexpr double FraccionesYc[] = {0.5, 1.0, 2.0, 4.0, -4.0, -12.0};
// Un intento se abandona cuando la norma de sus residuos escalados crece este número de veces
// sobre la de su partida.
constexpr double CrecimientoMaximoResiduos = 1e12;

std::size_t Ind(int i)
{
    return static_cast<std::size_t>(i);
}

bool SumasConvergidas(const SumasEquilibrio& s)
{
    return std::fabs(s.H) <= ToleranciaFuerzasVariacional &&
           std::fabs(s.V) <= ToleranciaFuerzasVariacional &&
           std::fabs(s.M) <= ToleranciaMomentosVariacional;
}

bool TodosFinitos(const std::vector<double>& v)
{
    return std::all_of(v.begin(), v.end(), [](double x) { return std::isfinite(x); });
}

std::vector<double> Sigma3DeZ(const std::vector<double>& z)
{
    return {z.begin() + IncognitasGlobales, z.end()};
}

// Fila k de la historia: xc, yc, F y los σ3 de las dovelas.
void AnotarIteracion(Proyecto& p, EstadoCalculo& e, int k, const std::vector<double>& z)
{
    p.HistoriaMu1Mu2(k) = z[0];
    p.HistoriaInversaMu2(k) = z[1];
    p.HistoriaFS(k) = z[2];
    p.NumeroIteraciones = static_cast<Entero16>(k);
    for (std::size_t i = IncognitasGlobales; i < z.size(); ++i)
        e.HistoriaEsfuerzosNormales(static_cast<int>(i) - IncognitasGlobales + 1, k) = z[i];
}

// σ3 de la iteración k y de la anterior, con su mínimo, para Form13.
EsfuerzosDelChequeo EsfuerzosParaElChequeo(const EstadoCalculo& e, int k)
{
    EsfuerzosDelChequeo r;
    r.Material = MaterialDelChequeo::Roca;
    r.DovelaSinChequeo = e.DovelaSinChequeo;
    r.SigmasModificados = e.SigmasModificados;
    const Tabla2<double>& h = e.HistoriaEsfuerzosNormales;
    const int anterior = k > 1 ? k - 1 : k;
    for (int i = 1; i <= e.SigmaMinimoDovela.Tamano() && i <= h.Filas(); ++i) {
        r.Actual.push_back(h(i, k));
        r.Anterior.push_back(h(i, anterior));
        r.Minimo.push_back(e.SigmaMinimoDovela(i));
    }
    return r;
}

void EscribirResultados(Proyecto& p, const DatosVariacionalRoca& datos,
                        const std::vector<double>& z)
{
    const int nd = datos.Dovelas();
    const double F = z[2];
    const std::vector<double> sigma3 = Sigma3DeZ(z);
    const std::vector<PuntoHoekBrown> puntos = *PuntosDeLasDovelas(datos, sigma3);
    AnotarEsfuerzos(p, nd, [&](int i) {
        const PuntoHoekBrown& hb = puntos[Ind(i - 1)];
        return EsfuerzosDeBase{hb.SigmaN + datos(i).u, hb.SigmaN, hb.Tau / F};
    });
    p.EsfuerzoPrincipalMenorDovela.Redimensionar(nd);
    p.EsfuerzoPrincipalMayorDovela.Redimensionar(nd);
    p.SumaEsfuerzosPrincipalesMenores = 0.0;
    p.SumaEsfuerzosPrincipalesMayores = 0.0;
    for (int i = 1; i <= nd; ++i) {
        const double menor = sigma3[Ind(i - 1)] - datos(i).u;
        const double mayor = puntos[Ind(i - 1)].Sigma1;
        p.EsfuerzoPrincipalMenorDovela(i) = menor;
        p.EsfuerzoPrincipalMayorDovela(i) = mayor;
        p.SumaEsfuerzosPrincipalesMenores += menor;
        p.SumaEsfuerzosPrincipalesMayores += mayor;
    }
    MarcarResultados(p);
}

// Un factor que no es finito y positivo no es un resultado: su mensaje, o nada si lo es.
const char* FactorInservible(double F)
{
    if (!std::isfinite(F)) return textos::FactorNoFinito;
    if (!(F > 0.0)) return textos::FactorNoPositivo;
    return nullptr;
}

// ---------------------------------------------------------------------------------------------
// Partida automática.

// Escalas de los residuos: las ecuaciones de las dovelas en ton/m2, ΣH y ΣV divididas por el
// ancho de la masa y ΣM por su cuadrado, para que pesen como esfuerzos.
struct Escalas {
    double fuerzas = 1.0, momentos = 1.0;
};

Escalas EscalasDe(const DatosVariacionalRoca& datos)
{
    double ancho = 0.0;
    for (int i = 1; i <= datos.Dovelas(); ++i)
        ancho += datos(i).b;
    return {1.0 / ancho, 1.0 / (ancho * ancho)};
}

double NormaEscalada(const std::vector<double>& G, const Escalas& e)
{
    const std::size_t nd = G.size() - IncognitasGlobales;
    double suma = 0.0;
    for (std::size_t i = 0; i < G.size(); ++i) {
        double v = G[i];
        if (i >= nd) v *= i == nd + 2 ? e.momentos : e.fuerzas;
        suma += v * v;
    }
    return suma;
}

// F que mejor anula las tres sumas (escaladas) con los esfuerzos dados: Σ = resistente + F·c.
std::optional<double> FactorDeLasSumas(const DatosVariacionalRoca& datos,
                                       const std::vector<PuntoHoekBrown>& puntos, const Escalas& e)
{
    const SumasEquilibrio r = SumasDeEquilibrioRoca(datos, 0.0, puntos);
    const SumasEquilibrio uno = SumasDeEquilibrioRoca(datos, 1.0, puntos);
    const double c[3] = {(uno.H - r.H) * e.fuerzas, (uno.V - r.V) * e.fuerzas,
                         (uno.M - r.M) * e.momentos};
    const double a[3] = {r.H * e.fuerzas, r.V * e.fuerzas, r.M * e.momentos};
    double cc = 0.0, ac = 0.0;
    for (int k = 0; k < 3; ++k) {
        cc += c[k] * c[k];
        ac += a[k] * c[k];
    }
    const double F = -ac / cc;
    if (!std::isfinite(F) || !(F > 0.0)) return std::nullopt;
    return F;
}

// Newton-Raphson sin amortiguar desde z, como el cálculo con form9 que sigue hasta la
// convergencia: las iteraciones (la primera es z) si llega a las tolerancias de las sumas y
// las ecuaciones de las dovelas quedan resueltas; vacío si una dovela cruza su límite de
// tracción, el sistema es singular, los residuos crecen sin medida o se agotan las iteraciones.
std::vector<std::vector<double>> NewtonDesde(const DatosVariacionalRoca& datos,
                                             std::vector<double> z, int maximoIteraciones)
{
    const int nd = datos.Dovelas();
    const Escalas escalas = EscalasDe(datos);
    std::vector<std::vector<double>> iteraciones{z};
    auto G = ResiduosVariacionalesRoca(datos, z);
    if (!G) return {};
    const double normaInicial = NormaEscalada(*G, escalas);
    for (;;) {
        const SumasEquilibrio s{(*G)[Ind(nd)], (*G)[Ind(nd + 1)], (*G)[Ind(nd + 2)]};
        double dovelas = 0.0;
        for (int i = 0; i < nd; ++i)
            dovelas = std::max(dovelas, std::fabs((*G)[Ind(i)]));
        if (iteraciones.size() > 1 && SumasConvergidas(s) &&
            dovelas <= ToleranciaFuerzasVariacional)
            return iteraciones;
        if (static_cast<int>(iteraciones.size()) >= maximoIteraciones) return {};
        const auto J = JacobianoVariacionalRoca(datos, z);
        std::vector<double> delta;
        if (!J || !J->Resolver(*G, delta)) return {};
        for (std::size_t i = 0; i < z.size(); ++i)
            z[i] += delta[i];
        if (!TodosFinitos(z) || DovelaBajoLimiteTraccion(datos, Sigma3DeZ(z)) != 0) return {};
        iteraciones.push_back(z);
        G = ResiduosVariacionalesRoca(datos, z);
        if (!G || !(NormaEscalada(*G, escalas) <= CrecimientoMaximoResiduos * normaInicial))
            return {};
    }
}

} // namespace

std::vector<double> Sigma3Iniciales(const DatosVariacionalRoca& datos,
                                    const Tabla<double>* sigmasUsuario)
{
    const int nd = datos.Dovelas();
    std::vector<double> sigma3(Ind(nd), 0.0);
    for (int i = 1; i <= nd; ++i) {
        const DovelaVariacional& d = datos(i);
        const HoekBrownDeDovela& r = datos.Roca(i);
        const double cos2 = 1.0 / (1.0 + d.m * d.m); // cos²α con tan α = m
        const double normal0 = cos2 * d.W - d.u;
        const Sigma3Inicial inicial = Sigma3InicialHoekBrown(normal0, r.m, r.s, r.sigmaCi);
        const double efectivo =
            inicial.Estado == EstadoSigma3Inicial::Calculado ? inicial.Sigma3Efectivo : normal0;
        sigma3[Ind(i - 1)] = efectivo + d.u;
        if (sigmasUsuario && sigmasUsuario->Tamano() >= nd)
            sigma3[Ind(i - 1)] = (*sigmasUsuario)(i);
        sigma3[Ind(i - 1)] =
            AjustarSigma3InicialATraccion(sigma3[Ind(i - 1)], d.u, r.m, r.s, r.sigmaCi);
    }
    return sigma3;
}

std::vector<std::vector<double>> PartidaAutomaticaRoca(const DatosVariacionalRoca& datos,
                                                       int maximoIteraciones)
{
    const std::vector<double> sigma3 = Sigma3Iniciales(datos, nullptr);
    const auto puntos = PuntosDeLasDovelas(datos, sigma3);
    if (!puntos) return {};
    std::vector<double> factores;
    if (const auto F0 = FactorDeLasSumas(datos, *puntos, EscalasDe(datos))) factores.push_back(*F0);
    factores.insert(factores.end(), std::begin(FactoresDePartida), std::end(FactoresDePartida));

    // Extensión de la superficie de falla por los centros de las dovelas.
    double xmin = datos(1).x, xmax = datos(1).x, ymin = datos(1).y, ymax = datos(1).y;
    for (int i = 2; i <= datos.Dovelas(); ++i) {
        xmin = std::min(xmin, datos(i).x);
        xmax = std::max(xmax, datos(i).x);
        ymin = std::min(ymin, datos(i).y);
        ymax = std::max(ymax, datos(i).y);
    }
    const double ancho = xmax - xmin, alto = std::max(ymax - ymin, ancho);

    for (double F : factores) {
        for (double fy : FraccionesYc) {
            for (double fx : FraccionesXc) {
                std::vector<double> z{xmin + fx * ancho, ymax + fy * alto, F};
                z.insert(z.end(), sigma3.begin(), sigma3.end());
                std::vector<std::vector<double>> iteraciones =
                    NewtonDesde(datos, z, maximoIteraciones);
                if (!iteraciones.empty() && !FactorInservible(iteraciones.back()[2]))
                    return iteraciones;
            }
        }
    }
    return {};
}

ResultadoMetodo ProcesoIterativoEnRocas(Proyecto& p, EstadoCalculo& e, Interaccion& ui)
{
    const auto detenido = ResultadoMetodo::Sin(FinCalculo::Detenido);
    // 1. Comprobaciones de entrada.
    if (p.SueloRoca == Material::Suelo) {
        ui.Mensaje(textos::MaterialEsSuelo, textos::TituloNoEsRoca);
        return detenido;
    }
    if (!ComprobarMetodoVariacional(p, ui)) return detenido;
    if (p.UsaParametrosInstantaneos) {
        ui.Mensaje(textos::CalculandoConInstantaneos, textos::TituloNoEsMetodo);
        return detenido;
    }

    // 2. Preparación de la superficie y de las dovelas.
    if (!PrepararCalculo(p, e, ui)) return detenido;
    const int nd = p.NumeroPuntosDovelas - 1;
    if (nd < MinimoDovelasVariacional) {
        ui.Mensaje(textos::PocasDovelasVariacional, textos::TituloLimiteCalculo);
        return detenido;
    }

    // 3-6. Historia y valores de partida.
    PrepararHistoriaVariacional(p, e, nd);
    e.SigmaMinimoDovela.Redimensionar(nd);
    const DatosVariacionalRoca datos = DatosDeDovelasRoca(p, e);
    for (int i = 1; i <= nd; ++i) {
        const HoekBrownDeDovela& r = datos.Roca(i);
        e.SigmaMinimoDovela(i) = SigmaMinimoTotal(r.m, r.s, r.sigmaCi, datos(i).u);
    }
    // La historia de los σ3 queda sólo tras un chequeo fallido, para Form13.
    auto terminar = [&](ResultadoMetodo r) {
        e.HistoriaEsfuerzosNormales.Vaciar();
        return r;
    };
    auto conResultados = [&](const std::vector<double>& z, bool mensaje) {
        if (const char* inservible = FactorInservible(z[2])) {
            ui.Mensaje(inservible, textos::TituloLimiteCalculo);
            return terminar(ResultadoMetodo::Sin(FinCalculo::Limite));
        }
        EscribirResultados(p, datos, z);
        if (mensaje) ui.Mensaje(textos::FinVariacionalRoca);
        return terminar(ResultadoMetodo::Con(z[2]));
    };

    if (e.PartidaAutomatica) {
        const std::vector<std::vector<double>> iteraciones =
            PartidaAutomaticaRoca(datos, MaximoIteracionesVariacional);
        if (iteraciones.empty()) {
            ui.Mensaje(textos::VariacionalRocaSinPartidaAutomatica, textos::TituloLimiteCalculo);
            return terminar(ResultadoMetodo::Sin(FinCalculo::Limite));
        }
        for (std::size_t k = 0; k < iteraciones.size(); ++k)
            AnotarIteracion(p, e, static_cast<int>(k) + 1, iteraciones[k]);
        const std::vector<double>& z = iteraciones.back();
        const SumasEquilibrio s =
            SumasDeEquilibrioRoca(datos, z[2], *PuntosDeLasDovelas(datos, Sigma3DeZ(z)));
        e.SumaFuerzasHorizontales = s.H;
        e.SumaFuerzasVerticales = s.V;
        e.SumaMomentos = s.M;
        return conResultados(z, true);
    }

    std::vector<double> z{p.MultiplicadorLagrange1, p.MultiplicadorLagrange2, p.FSInicial};
    const std::vector<double> sigma3 =
        Sigma3Iniciales(datos, e.SigmasModificados ? &e.SigmasUsuario : nullptr);
    e.SigmasModificados = false;
    z.insert(z.end(), sigma3.begin(), sigma3.end());
    int k = 1;
    AnotarIteracion(p, e, k, z);

    // 8. Newton-Raphson, acotado por el tamaño de la historia.
    for (;;) {
        if (k >= MaximoIteracionesVariacional) {
            ui.Mensaje(textos::HistoriaVariacionalLlena, textos::TituloLimiteCalculo);
            return terminar(ResultadoMetodo::Sin(FinCalculo::Limite));
        }
        const auto G = ResiduosVariacionalesRoca(datos, z);
        const auto J = JacobianoVariacionalRoca(datos, z);
        std::vector<double> delta;
        if (!G || !J || !J->Resolver(*G, delta)) {
            ui.Mensaje(textos::DeterminanteNulo, textos::TituloEnCalculo);
            return terminar(detenido);
        }
        for (std::size_t i = 0; i < z.size(); ++i)
            z[i] += delta[i];
        ++k;
        AnotarIteracion(p, e, k, z);
        if (!TodosFinitos(z)) {
            ui.Mensaje(textos::FactorNoFinito, textos::TituloLimiteCalculo);
            return terminar(ResultadoMetodo::Sin(FinCalculo::Limite));
        }

        // Chequeo del límite de tracción tras el paso.
        if (const int dovela = DovelaBajoLimiteTraccion(datos, Sigma3DeZ(z))) {
            ui.Mensaje(textos::NoChequeaSigma3, textos::TituloChequeoSigma3);
            e.DovelaSinChequeo = static_cast<Entero16>(dovela);
            if (auto escritos = ui.ChequeoDeEsfuerzos(p, EsfuerzosParaElChequeo(e, k))) {
                e.SigmasUsuario = std::move(*escritos);
                e.SigmasModificados = true;
            }
            return detenido;
        }

        const SumasEquilibrio s =
            SumasDeEquilibrioRoca(datos, z[2], *PuntosDeLasDovelas(datos, Sigma3DeZ(z)));
        e.SumaFuerzasHorizontales = s.H;
        e.SumaFuerzasVerticales = s.V;
        e.SumaMomentos = s.M;
        const DecisionIteracion decision = ui.ResultadosDeLasIteraciones(p, {s.H, s.V, s.M});
        if (decision == DecisionIteracion::Aceptar) return conResultados(z, false);
        if (decision == DecisionIteracion::Salir)
            return terminar(ResultadoMetodo::Sin(FinCalculo::Abandonado));
        if (SumasConvergidas(s)) return conResultados(z, true);
    }
}

} // namespace vertana
