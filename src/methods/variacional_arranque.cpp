#include "methods/variacional_arranque.h"

#include "methods/variacional.h"
#include "methods/variacional_banda.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <limits>

namespace vertana {

namespace {

constexpr int Globales = 3; // xc, yc, F antes de las σ
constexpr double Mitad = 0.5;
// Puntos (xc, yc) de partida: desplazamiento de xc desde el punto medio y altura de yc sobre el
// talud, en fracciones de la extensión horizontal L de la superficie.
struct PuntoDePartida {
    double desplazamiento, altura;
};
constexpr PuntoDePartida PuntosDePartida[] = {{0.0, 0.5},  {0.0, 1.0},   {-0.25, 0.5},
                                              {0.0, 0.25}, {-0.25, 1.0}, {0.25, 0.5}};
// Menor fracción del paso de Newton que se prueba.
constexpr double FraccionMinimaPaso = 1.0 / 1024.0;
// Disminución suficiente del residuo (Armijo) para aceptar una fracción t del paso.
constexpr double DisminucionSuficiente = 1e-4;
// Las filas de dovela convergieron: no pasan de esto por su escala.
constexpr double ToleranciaFilasDovela = 1e-8;
// Continuación: pasos de s y fracción inicial del primero.
constexpr int MaximoPasosContinuacion = 64;
constexpr double PasoInicialContinuacion = 0.125;
// Iteraciones de Newton para cada valor intermedio de s.
constexpr int IteracionesPorPasoContinuacion = 8;
// Altura del borde de la corona, relativa a la extensión de la superficie, que se toma como nula
// (la superficie sale al talud).
constexpr double AlturaNulaRelativa = 1e-6;
// Separación relativa del mínimo de Mohr-Coulomb con que parte una base que no lo cumple.
constexpr double HolguraMinimo = 1e-9;
// Escala de fuerzas o de residuos cuando la natural es menor.
constexpr double EscalaMinima = 1.0;

std::size_t Ind(int i)
{
    return static_cast<std::size_t>(i);
}

// Escalas de los residuos: filas de dovela (la mayor |R|), fuerzas (pesos, cargas y empuje de la
// grieta) y momentos (las fuerzas por la extensión L de la superficie).
struct Escalas {
    double dovela = EscalaMinima, fuerza = EscalaMinima, momento = EscalaMinima;
};

Escalas EscalasDe(const DatosVariacional& datos, double F)
{
    Escalas e;
    double peso = 0.0, mayorR = 0.0;
    const double L = std::fabs(datos(1).x - datos(datos.Dovelas()).x) +
                     Mitad * (datos(1).b + datos(datos.Dovelas()).b);
    for (int i = 1; i <= datos.Dovelas(); ++i) {
        const DovelaVariacional& d = datos(i);
        peso += std::fabs(d.W * d.b) + std::fabs(d.cargaV) + std::fabs(d.cargaH);
        mayorR = std::max(mayorR, std::fabs((1.0 + datos.kv) * d.gammaMedio * F * L) +
                                      std::fabs(2.0 * d.T * d.u) + std::fabs(2.0 * d.c));
    }
    peso += std::fabs(datos.empujeGrieta);
    e.dovela = std::max(mayorR, EscalaMinima);
    e.fuerza = std::max(peso, EscalaMinima);
    e.momento = std::max(peso * L, EscalaMinima);
    return e;
}

// Suma de los cuadrados de los residuos escalados (las filas de dovela, en media).
double Merito(const std::vector<double>& G, int nd, const Escalas& e)
{
    double dovelas = 0.0;
    for (int i = 0; i < nd; ++i)
        dovelas += (G[Ind(i)] / e.dovela) * (G[Ind(i)] / e.dovela);
    const double h = G[Ind(nd)] / e.fuerza, v = G[Ind(nd + 1)] / e.fuerza;
    const double m = G[Ind(nd + 2)] / e.momento;
    return dovelas / nd + h * h + v * v + m * m;
}

bool Convergido(const std::vector<double>& G, int nd, const Escalas& e)
{
    for (int i = 0; i < nd; ++i)
        if (!(std::fabs(G[Ind(i)]) <= ToleranciaFilasDovela * e.dovela)) return false;
    return SumasConvergidas({G[Ind(nd)], G[Ind(nd + 1)], G[Ind(nd + 2)]});
}

bool Admisible(const DatosVariacional& datos, const std::vector<double>& z)
{
    for (double v : z)
        if (!std::isfinite(v)) return false;
    if (!(z[2] > 0.0)) return false;
    const std::vector<double> sigma(z.begin() + Globales, z.end());
    return DovelaSinResistencia(datos, sigma) == 0;
}

// G(z) − (1 − s)·G0: con s = 1 el sistema del método.
std::vector<double> Residuos(const DatosVariacional& datos, const std::vector<double>& z,
                             const std::vector<double>& G0, double s)
{
    std::vector<double> G = ResiduosVariacionales(datos, z);
    if (s < 1.0)
        for (std::size_t i = 0; i < G.size(); ++i)
            G[i] -= (1.0 - s) * G0[i];
    return G;
}

// Pasos de Newton amortiguados sobre G(z) − (1 − s)·G0 desde z. Devuelve true si convergió (con
// s = 1, como el método; con s < 1, el mérito por debajo de la tolerancia de las filas). Cada
// iteración aceptada se añade a `iteraciones` (si se da) y cuenta en `restantes`.
bool NewtonAmortiguado(const DatosVariacional& datos, std::vector<double>& z,
                       const std::vector<double>& G0, double s, int pasosMaximos, int& restantes,
                       std::vector<std::vector<double>>* iteraciones)
{
    const int nd = datos.Dovelas();
    std::vector<double> G = Residuos(datos, z, G0, s);
    const Escalas escalas = EscalasDe(datos, z[2]);
    double merito = Merito(G, nd, escalas);
    auto listo = [&](const std::vector<double>& r) {
        if (s >= 1.0) return Convergido(r, nd, escalas);
        return Merito(r, nd, escalas) <= ToleranciaFilasDovela * ToleranciaFilasDovela;
    };
    for (int paso = 0; paso < pasosMaximos; ++paso) {
        if (listo(G)) return true;
        if (restantes <= 0) return false;
        std::vector<double> delta;
        if (!ResolverPasoNewton(JacobianoBandaVariacional(datos, z), G, delta)) return false;
        bool aceptado = false;
        std::vector<double> prueba(z.size());
        for (double t = 1.0; t >= FraccionMinimaPaso && !aceptado; t *= Mitad) {
            for (std::size_t i = 0; i < z.size(); ++i)
                prueba[i] = z[i] + t * delta[i];
            if (!Admisible(datos, prueba)) continue;
            const std::vector<double> Gt = Residuos(datos, prueba, G0, s);
            const double meritoT = Merito(Gt, nd, escalas);
            if (!std::isfinite(meritoT) || !(meritoT < (1.0 - DisminucionSuficiente * t) * merito))
                continue;
            aceptado = true;
            z = prueba;
            G = Gt;
            merito = meritoT;
        }
        if (!aceptado) return false;
        --restantes;
        if (iteraciones) iteraciones->push_back(z);
    }
    return listo(G);
}

// Partida: F y σ de la solución rigurosa, o F dado y la primera solución en (xc, yc).
bool Partida(const DatosVariacional& datos, const ProblemaRiguroso& problema,
             const SolucionRigurosa& rigurosa, double factorSinRiguroso, double xc, double yc,
             std::vector<double>& z)
{
    const int nd = datos.Dovelas();
    z.assign(Ind(nd + Globales), 0.0);
    z[0] = xc;
    z[1] = yc;
    if (rigurosa.Estado == EstadoRiguroso::Convergio && rigurosa.FuerzaNormal.size() == Ind(nd)) {
        z[2] = rigurosa.FS;
        for (int i = 1; i <= nd; ++i) {
            const DovelaRigurosa& d = problema.Dovelas[Ind(i - 1)];
            z[Ind(Globales + i - 1)] =
                rigurosa.FuerzaNormal[Ind(i - 1)] * std::cos(d.Alfa) / d.Ancho;
        }
    } else {
        z[2] = factorSinRiguroso;
        std::vector<double> sigma;
        if (!PrimeraSolucionBanda(datos, xc, yc, z[2], sigma)) return false;
        std::copy(sigma.begin(), sigma.end(), z.begin() + Globales);
    }
    // Una base con resistencia negativa (σ − u < −c/tan φ) parte del mínimo admisible.
    for (int i = 1; i <= nd; ++i) {
        const DovelaVariacional& d = datos(i);
        const double minimo = d.u - d.c / d.T;
        double& sigma = z[Ind(Globales + i - 1)];
        if (std::isfinite(minimo) && sigma < minimo)
            sigma = minimo + HolguraMinimo * (std::fabs(d.u) + std::fabs(d.c / d.T) + EscalaMinima);
    }
    return true;
}

// σo de la partida automática (ver variacional_arranque.h).
double SigmaDeCresta(const DatosVariacional& datos, const ProblemaRiguroso& problema,
                     const SolucionRigurosa& rigurosa)
{
    const DovelaVariacional& d1 = datos(1);
    const double minimo = d1.u - d1.c / d1.T;
    const BordeRiguroso& corona = problema.Bordes.front();
    const double extension = std::fabs(corona.Abscisa - problema.Bordes.back().Abscisa);
    const bool sinAltura =
        corona.OrdenadaTalud - corona.OrdenadaBase <= AlturaNulaRelativa * extension;
    if (sinAltura || rigurosa.Estado != EstadoRiguroso::Convergio || datos.Dovelas() < 2 ||
        rigurosa.FuerzaNormal.size() != datos.d.size())
        return std::max(0.0, d1.u);
    auto sigma = [&](int i) {
        const DovelaRigurosa& d = problema.Dovelas[Ind(i - 1)];
        return rigurosa.FuerzaNormal[Ind(i - 1)] * std::cos(d.Alfa) / d.Ancho;
    };
    const DovelaVariacional& d2 = datos(2);
    const double pendiente = (sigma(1) - sigma(2)) / (d1.x - d2.x);
    const double extrapolada = sigma(1) + pendiente * Mitad * d1.b;
    if (!std::isfinite(extrapolada)) return std::max(0.0, d1.u);
    return std::isfinite(minimo) ? std::max(extrapolada, minimo) : extrapolada;
}

} // namespace

bool SumasConvergidas(const SumasEquilibrio& s)
{
    return std::fabs(s.H) <= ToleranciaFuerzasVariacional &&
           std::fabs(s.V) <= ToleranciaFuerzasVariacional &&
           std::fabs(s.M) <= ToleranciaMomentosVariacional;
}

int DovelaSinResistencia(const DatosVariacional& datos, const std::vector<double>& sigma)
{
    for (int i = 1; i <= datos.Dovelas(); ++i) {
        const DovelaVariacional& d = datos(i);
        if (sigma[Ind(i - 1)] - d.u < -d.c / d.T) return i;
    }
    return 0;
}

ArranqueVariacional ResolverConPartidaAutomatica(DatosVariacional datos,
                                                 const ProblemaRiguroso& problema,
                                                 double factorSinRiguroso, int maximoIteraciones)
{
    ArranqueVariacional r;
    const int nd = datos.Dovelas();
    r.Rigurosa = ResolverSpencer(problema);
    if (r.Rigurosa.Estado != EstadoRiguroso::Convergio)
        r.Rigurosa = ResolverMorgensternPrice(problema);
    datos.sigmaCresta = r.SigmaCresta = SigmaDeCresta(datos, problema, r.Rigurosa);

    const double xCorona = datos(1).x + Mitad * datos(1).b;
    const double xPie = datos(nd).x - Mitad * datos(nd).b;
    const double L = std::fabs(xCorona - xPie);
    const double xm = Mitad * (xCorona + xPie);
    double yt = -std::numeric_limits<double>::infinity();
    for (const DovelaVariacional& d : datos.d)
        yt = std::max(yt, std::max(d.t, d.w));

    std::vector<double> mejor;
    double meritoMejor = std::numeric_limits<double>::infinity();
    for (const PuntoDePartida& punto : PuntosDePartida) {
        std::vector<double> z;
        if (!Partida(datos, problema, r.Rigurosa, factorSinRiguroso, xm + punto.desplazamiento * L,
                     yt + punto.altura * L, z))
            continue;
        ++r.PuntosProbados;
        std::vector<std::vector<double>> iteraciones{z};
        int restantes = maximoIteraciones - 1;
        const std::vector<double> ceros(z.size(), 0.0);
        if (NewtonAmortiguado(datos, z, ceros, 1.0, maximoIteraciones, restantes, &iteraciones)) {
            r.Convergio = true;
            r.Iteraciones = std::move(iteraciones);
            return r;
        }
        const double merito = Merito(ResiduosVariacionales(datos, iteraciones.front()), nd,
                                     EscalasDe(datos, iteraciones.front()[2]));
        if (Admisible(datos, iteraciones.front()) && merito < meritoMejor) {
            meritoMejor = merito;
            mejor = iteraciones.front();
        }
    }
    if (mejor.empty()) return r;

    // Continuación desde la partida de menor residuo: G(z) = (1 − s)·G(z0).
    r.Continuacion = true;
    std::vector<double> z = mejor;
    const std::vector<double> G0 = ResiduosVariacionales(datos, z);
    int restantes = std::numeric_limits<int>::max();
    double s = 0.0, paso = PasoInicialContinuacion;
    for (int k = 0; k < MaximoPasosContinuacion && s < 1.0; ++k) {
        const double objetivo = std::min(1.0, s + paso);
        std::vector<double> prueba = z;
        if (NewtonAmortiguado(datos, prueba, G0, objetivo, IteracionesPorPasoContinuacion,
                              restantes, nullptr)) {
            z = prueba;
            s = objetivo;
            paso *= 2.0;
        } else {
            paso *= Mitad;
        }
    }
    if (s < 1.0) return r;
    std::vector<std::vector<double>> iteraciones{z};
    restantes = maximoIteraciones - 1;
    if (NewtonAmortiguado(datos, z, G0, 1.0, maximoIteraciones, restantes, &iteraciones)) {
        r.Convergio = true;
        r.Iteraciones = std::move(iteraciones);
    }
    return r;
}

} // namespace vertana
