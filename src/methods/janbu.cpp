#include "methods/janbu.h"

#include "geometry/preparacion.h"
#include "methods/buscar_raiz.h"
#include "methods/momento_cargas.h"
#include "methods/sistema_banda.h"
#include "model/textos.h"
#include "rock/parametros_instantaneos.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <string>
#include <vector>

namespace vertana {

namespace {

constexpr double Mitad = 0.5;
// Factores de seguridad que se exploran al resolver el equilibrio de fuerzas.
constexpr double FactorMinimoJanbu = 1e-3;
constexpr double FactorMaximoJanbu = 1e3;
// Razón entre factores sucesivos del barrido de F.
constexpr double RazonBarridoFactor = 1.25;
// Cambio relativo de F con que termina la búsqueda de la raíz.
constexpr double ToleranciaRelativaFactor = 1e-10;
// Evaluaciones de la fuerza en el pie en una búsqueda de F.
constexpr int MaximoEvaluacionesFactor = 200;
// Raíces espurias (fuerza en el pie decreciente con F) que se saltan antes de desistir.
constexpr int IntentosRamaFisica = 4;
// Aumento relativo de F con que se comprueba el sentido de la fuerza en el pie en la raíz.
constexpr double SeparacionRama = 1e-6;
// Pasadas de la primera etapa antes de resolverla como ecuación: deja sitio en la historia para
// la segunda etapa.
constexpr int MaximoPasadasPrimeraEtapa = 50;
// Escala de las fuerzas cuando la natural (ton/m) es menor.
constexpr double EscalaMinima = 1.0;
// Diagonales del sistema de la segunda etapa (incógnitas E1, T1, E2, T2, ...): la ecuación de
// fuerzas de la dovela k usa E(k−1), T(k−1), E(k), T(k); la de momentos del borde k, E(k−1),
// E(k), T(k), E(k+1).
constexpr int InferioresSistema = 3;
constexpr int SuperioresSistema = 1;
// Dovelas de la malla en que se impone la ecuación de momentos (ver BordesDeLaMalla).
constexpr int DovelasMallaJanbu = 100;
// Holgura relativa con que un grupo de dovelas alcanza el ancho de un tramo de la malla.
constexpr double ToleranciaAnchoMalla = 1e-9;

// Términos de cada dovela que no cambian en el cálculo.
struct DovelaJanbu {
    double alfa, tanAlfa, cos2, b, xc, yo, yt, tanBeta, u, c, tf, W;
    double cargaVertical;   // Σ Qy·b + Σ Py
    double cargaHorizontal; // Σ Qx·b·tan β + Σ Px
    double momentoCargas; // términos de las cargas en T: (X − xc)·Py/2b + (Y − yo)·Px/2b + ...
};

// Fuerzas entre dovelas en los bordes interiores k = 1..nd−1 (entre las dovelas k y k + 1).
struct FuerzasEntreDovelas {
    double F = 0.0;
    std::vector<double> T, E; // índice k − 1; E es la fuerza normal, con el agua de la grieta
    std::vector<double> dT;   // ΔT por dovela, índice k − 1
};

struct Trabajo {
    std::vector<DovelaJanbu> d; // índice 0..n−2 para las dovelas 1..n−1
    std::vector<double> R0, D0, dT;
    double empujeGrieta = 0.0; // hw = AlturaAguaGrieta, fuerza normal en el borde de la corona
    double escala = EscalaMinima;
    double Fmin = FactorMinimoJanbu, Fmax = FactorMaximoJanbu;
    int Dovelas() const { return static_cast<int>(d.size()); }
    const DovelaJanbu& operator()(int k) const { return d[static_cast<std::size_t>(k - 1)]; }
};

std::size_t Ind(int k)
{
    return static_cast<std::size_t>(k - 1);
}

// Índice de un vector que empieza en 0 (bordes y tramos de la malla de Janbu).
std::size_t U(int j)
{
    return static_cast<std::size_t>(j);
}

double FactorM(const DovelaJanbu& d, double F)
{
    return d.cos2 * (1.0 + d.tanAlfa * d.tf / F);
}

// Intervalo de F en que cos α + sin α·tan φ/F ≥ LimiteMAlfaJanbu en toda dovela: sólo las de
// α < 0 con fricción lo acotan por abajo, F ≥ tan φ·|sin α|/(cos α − límite).
bool DominioDelFactor(Trabajo& t)
{
    t.Fmin = FactorMinimoJanbu;
    t.Fmax = FactorMaximoJanbu;
    for (const DovelaJanbu& d : t.d) {
        const double sa = std::sin(d.alfa), ca = std::cos(d.alfa);
        if (ca <= LimiteMAlfaJanbu) return false;
        if (sa < 0.0 && d.tf > 0.0) t.Fmin = std::max(t.Fmin, d.tf * -sa / (ca - LimiteMAlfaJanbu));
    }
    return t.Fmin < t.Fmax;
}

Trabajo TerminosDeDovelas(const Proyecto& p, const EstadoCalculo& e)
{
    const int nd = p.NumeroPuntosDovelas - 1;
    const Tabla<double> alfa = AngulosBaseDovelas(p, e, false);
    const double kh = p.CoeficienteSismicoHorizontal, kv = p.CoeficienteSismicoVertical;
    Trabajo t;
    t.d.resize(static_cast<std::size_t>(nd));
    t.empujeGrieta = p.AlturaAguaGrieta;
    t.escala = std::fabs(t.empujeGrieta);
    for (int s = 1; s <= nd; ++s) {
        DovelaJanbu& d = t.d[Ind(s)];
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
        t.escala += std::fabs(V) + std::fabs(kh * d.W) + std::fabs(d.cargaHorizontal);
    }
    t.escala = std::max(t.escala, EscalaMinima);
    t.dT.assign(t.d.size(), 0.0);
    return t;
}

// Paso de la primera etapa (ΔT = 0): Σ(R⁰/m)/(hw + ΣD⁰) con m evaluado en F.
double PasoPrimeraEtapa(const Trabajo& t, double F)
{
    double sumaR = 0.0, sumaD = 0.0;
    for (int k = 1; k <= t.Dovelas(); ++k) {
        sumaR += t.R0[Ind(k)] / FactorM(t(k), F);
        sumaD += t.D0[Ind(k)];
    }
    return sumaR / (t.empujeGrieta + sumaD);
}

// Sin fuerzas cortantes: fuerza normal que queda en el pie, hw + Σ(D⁰ − R⁰/(m·F)).
double FuerzaEnElPieSinCortante(const Trabajo& t, double F)
{
    double E = t.empujeGrieta;
    for (int k = 1; k <= t.Dovelas(); ++k)
        E += t.D0[Ind(k)] - t.R0[Ind(k)] / (FactorM(t(k), F) * F);
    return E;
}

// Altura de la línea de empuje en el borde B = 1..n de la superficie: en el de la corona, un
// tercio de su altura (0 sin grieta); en los demás, ht(B − 1).
double OrdenadaEmpuje(const Proyecto& p, const EstadoCalculo& e, int B)
{
    const double base = e.Dovelas.OrdenadaBordeDovela(B);
    if (B == 1) return base + (e.Dovelas.OrdenadaTaludBorde(1) - base) * FraccionAlturaLineaEmpuje;
    return base + p.ValoresDeHt(B - 1);
}

// Inclinación de la línea de empuje en cada borde interior k (el borde B = k + 1), centrada: la
// pendiente de la recta entre los puntos de empuje de los bordes vecinos B − 1 y B + 1.
void AngulosLineaEmpuje(const Proyecto& p, const EstadoCalculo& e, int nd, Tabla<double>& angulo)
{
    angulo.Redimensionar(nd - 1 > 0 ? nd - 1 : 0);
    for (int k = 1; k <= nd - 1; ++k) {
        const int B = k + 1;
        const double dy = OrdenadaEmpuje(p, e, B - 1) - OrdenadaEmpuje(p, e, B + 1);
        const double dx = e.Dovelas.AbscisaBordeDovela(B - 1) - e.Dovelas.AbscisaBordeDovela(B + 1);
        angulo(k) = std::atan(dy / dx);
    }
}

// Malla en que se impone la ecuación de momentos: los bordes k = 0..nd (0 el de la corona, nd el
// del pie) que la delimitan. Con nd ≤ DovelasMallaJanbu, todos; con más, grupos de dovelas
// consecutivas de al menos 1/DovelasMallaJanbu de la extensión horizontal de la superficie.
std::vector<int> BordesDeLaMalla(const Proyecto& p, const EstadoCalculo& e, int nd)
{
    std::vector<int> bordes{0};
    if (nd <= DovelasMallaJanbu) {
        for (int k = 1; k <= nd; ++k)
            bordes.push_back(k);
        return bordes;
    }
    const double paso = (e.Dovelas.AbscisaBordeDovela(1) - e.Dovelas.AbscisaBordeDovela(nd + 1)) /
                        DovelasMallaJanbu;
    double acumulado = 0.0;
    for (int k = 1; k < nd; ++k) {
        acumulado += p.AnchoDovela(k);
        if (acumulado >= paso * (1.0 - ToleranciaAnchoMalla)) {
            bordes.push_back(k);
            acumulado = 0.0;
        }
    }
    bordes.push_back(nd);
    return bordes;
}

// Inclinación de la línea de empuje en los bordes interiores de la malla, centrada como en
// AngulosLineaEmpuje (la recta entre los puntos de empuje de los bordes vecinos de la malla).
std::vector<double> AngulosEnLaMalla(const Proyecto& p, const EstadoCalculo& e,
                                     const std::vector<int>& malla)
{
    std::vector<double> angulo(malla.size(), 0.0);
    for (std::size_t j = 1; j + 1 < malla.size(); ++j) {
        const int anterior = malla[j - 1] + 1, siguiente = malla[j + 1] + 1; // bordes B
        const double dy = OrdenadaEmpuje(p, e, anterior) - OrdenadaEmpuje(p, e, siguiente);
        const double dx =
            e.Dovelas.AbscisaBordeDovela(anterior) - e.Dovelas.AbscisaBordeDovela(siguiente);
        angulo[j] = std::atan(dy / dx);
    }
    return angulo;
}

// Con F dado, las fuerzas entre dovelas que cumplen a la vez, en cada dovela k,
//   ΔE(k) = ΔE⁰(k) + a(k)·ΔT(k),  ΔE⁰ = D⁰ − R⁰/(m·F),  a = tan α − tan φ/(m·F) = tan(α − φm),
// y en cada borde interior J de la malla (BordesDeLaMalla) la ecuación de momentos
//   T(J) = −E(J)·tan αt(J) + ht(J)·(E(J+) − E(J−))/(x(J−) − x(J+)) − sismo + cargas,
// con J− y J+ los bordes vecinos de la malla, E(0) = hw, T(0) = T(nd) = 0 y T lineal en x entre
// los bordes de la malla. Sumadas las dovelas de cada tramo de la malla, es un sistema lineal en
// banda en E y T de sus bordes. Devuelve false si es singular; en `pie` queda la fuerza normal
// que sobra en el pie, E(nd).
bool FuerzasConFactor(const Proyecto& p, const Trabajo& t, const std::vector<int>& malla,
                      const std::vector<double>& angulo, double F, FuerzasEntreDovelas& r,
                      double& pie)
{
    const int nd = t.Dovelas();
    const double kh = p.CoeficienteSismicoHorizontal;
    std::vector<double> dE0(t.d.size()), a(t.d.size());
    for (int k = 1; k <= nd; ++k) {
        const double mF = FactorM(t(k), F) * F;
        dE0[Ind(k)] = t.D0[Ind(k)] - t.R0[Ind(k)] / mF;
        a[Ind(k)] = t(k).tanAlfa - t(k).tf / mF;
    }
    r.F = F;
    r.T.assign(nd > 1 ? Ind(nd) : 0, 0.0);
    r.E.assign(r.T.size(), 0.0);
    r.dT.assign(t.d.size(), 0.0);
    if (nd == 1) {
        pie = t.empujeGrieta + dE0[0];
        return std::isfinite(pie);
    }
    // Tramos j = 1..M de la malla: ancho B, ΔE⁰ sumado, a ponderado con el ancho (ΔT de cada
    // dovela es su parte b/B del cambio de T en el tramo) y densidad de momento de las fuerzas
    // exteriores (sismo y cargas) por ancho.
    const int M = static_cast<int>(malla.size()) - 1;
    std::vector<double> B(U(M + 1), 0.0), dE0t(B.size(), 0.0), at(B.size(), 0.0),
        momento(B.size(), 0.0);
    for (int j = 1; j <= M; ++j) {
        for (int k = malla[U(j - 1)] + 1; k <= malla[U(j)]; ++k) {
            const DovelaJanbu& d = t(k);
            B[U(j)] += d.b;
            dE0t[U(j)] += dE0[Ind(k)];
            at[U(j)] += a[Ind(k)] * d.b;
            // Por dovela, (momento de kh·W respecto de la base y de las cargas)/(2b), por b.
            momento[U(j)] +=
                (-(d.yt - d.yo) * (kh * Mitad * d.W) / (2.0 * d.b) + d.momentoCargas) * d.b;
        }
        at[U(j)] /= B[U(j)];
        momento[U(j)] /= B[U(j)];
    }
    const int n = 2 * (M - 1);
    std::vector<double> E(U(M + 1), 0.0), T(U(M + 1), 0.0); // por borde de la malla
    E[0] = t.empujeGrieta;
    if (M > 1) {
        SistemaBanda A(n, InferioresSistema, SuperioresSistema);
        std::vector<double> b(static_cast<std::size_t>(n), 0.0);
        auto filaE = [](int j) { return 2 * j - 1; }; // E(j) y las fuerzas del tramo j
        auto filaT = [](int j) { return 2 * j; };     // T(j) y los momentos del borde j
        for (int j = 1; j <= M - 1; ++j) {
            const double aj = at[U(j)];
            // Fuerzas del tramo j: E(j) − E(j−1) − a·T(j) + a·T(j−1) = ΔE⁰(j).
            int i = filaE(j);
            A(i, filaE(j)) = 1.0;
            A(i, filaT(j)) = -aj;
            b[Ind(i)] = dE0t[U(j)];
            if (j > 1) {
                A(i, filaE(j - 1)) = -1.0;
                A(i, filaT(j - 1)) = aj;
            } else {
                b[Ind(i)] += t.empujeGrieta;
            }
            // Momentos en el borde j: T(j) + tan αt·E(j) − c·(E(j+1) − E(j−1)) = S(j).
            const double c = p.ValoresDeHt(malla[U(j)]) / (B[U(j)] + B[U(j + 1)]);
            i = filaT(j);
            A(i, filaT(j)) = 1.0;
            A(i, filaE(j)) = std::tan(angulo[U(j)]);
            b[Ind(i)] = momento[U(j)] + momento[U(j + 1)];
            if (j > 1)
                A(i, filaE(j - 1)) = c;
            else
                b[Ind(i)] -= c * t.empujeGrieta;
            if (j + 1 <= M - 1) {
                A(i, filaE(j + 1)) = -c;
            } else {
                // E(M) = E(M−1) + ΔE⁰(M) − a(M)·T(M−1).
                A(i, filaE(j)) += -c;
                A(i, filaT(j)) += c * at[U(M)];
                b[Ind(i)] += c * dE0t[U(M)];
            }
        }
        if (!A.Resolver(b)) return false;
        for (int j = 1; j <= M - 1; ++j) {
            E[U(j)] = b[Ind(filaE(j))];
            T[U(j)] = b[Ind(filaT(j))];
        }
    }
    pie = E[U(M - 1)] + dE0t[U(M)] - at[U(M)] * T[U(M - 1)];
    if (!std::isfinite(pie)) return false;

    // Por dovela: T lineal en x dentro de cada tramo, ΔT y E acumulada desde la corona.
    double Eanterior = t.empujeGrieta, Tanterior = 0.0;
    for (int j = 1; j <= M; ++j) {
        double x = 0.0;
        for (int k = malla[U(j - 1)] + 1; k <= malla[U(j)]; ++k) {
            x += t(k).b;
            const double Tk = k == nd ? 0.0 : T[U(j - 1)] + (T[U(j)] - T[U(j - 1)]) * x / B[U(j)];
            r.dT[Ind(k)] = Tk - Tanterior;
            const double Ek = Eanterior + dE0[Ind(k)] + a[Ind(k)] * r.dT[Ind(k)];
            if (k < nd) {
                r.T[Ind(k)] = Tk;
                r.E[Ind(k)] = Ek;
            }
            Tanterior = Tk;
            Eanterior = Ek;
        }
    }
    return true;
}

// F entre t.Fmin y t.Fmax que anula la fuerza en el pie `pie(F, valor)`, empezando en F0 y F1.
// Se queda con la raíz en que la fuerza pasa de negativa a positiva al crecer F (con F → ∞ la
// resistencia desaparece y queda la fuerza motora); la otra raíz, junto al polo de un m, no es
// la física.
template <class FuerzaPie>
Raiz FactorDeEquilibrio(const Trabajo& t, FuerzaPie& pie, double F0, double F1)
{
    auto residuo = [&](double F, double& v) {
        if (!pie(F, v)) return false;
        v /= t.escala;
        return true;
    };
    ReglasRaiz reglas;
    reglas.minimo = t.Fmin;
    reglas.maximo = t.Fmax;
    reglas.toleranciaRelativa = ToleranciaRelativaFactor;
    reglas.maximoEvaluaciones = MaximoEvaluacionesFactor;
    reglas.pasoBarrido = RazonBarridoFactor;
    reglas.geometrico = true;
    for (int intento = 0; intento < IntentosRamaFisica; ++intento) {
        BuscadorRaiz buscador(residuo, reglas);
        const Raiz r = buscador.Buscar(F0, F1);
        if (!r.hallada) return r;
        double despues = 0.0;
        if (residuo(r.x * (1.0 + SeparacionRama), despues) && despues > 0.0) return r;
        reglas.minimo = r.x * (1.0 + SeparacionRama);
        if (reglas.minimo >= reglas.maximo) return {};
        F0 = reglas.minimo;
        F1 = F0 * RazonBarridoFactor;
    }
    return {};
}

// Una pasada de la segunda etapa: F y las fuerzas entre dovelas con la línea de empuje dada,
// desde el F de la pasada anterior.
bool PasadaGeneralizada(const Proyecto& p, const EstadoCalculo& e, const Trabajo& t,
                        double Fanterior, FuerzasEntreDovelas& r)
{
    const std::vector<int> malla = BordesDeLaMalla(p, e, t.Dovelas());
    const std::vector<double> angulo = AngulosEnLaMalla(p, e, malla);
    FuerzasEntreDovelas prueba;
    auto pie = [&](double F, double& v) {
        return FuerzasConFactor(p, t, malla, angulo, F, prueba, v);
    };
    const double F0 = std::clamp(Fanterior, t.Fmin, t.Fmax);
    // Segundo punto: el paso de punto fijo Σ(R/m)/(hw + ΣD) con las fuerzas de F0.
    double F1 = F0 * RazonBarridoFactor;
    double v0 = 0.0;
    if (pie(F0, v0)) {
        double sumaR = 0.0, sumaD = 0.0;
        for (int k = 1; k <= t.Dovelas(); ++k) {
            const double dT = prueba.dT[Ind(k)];
            sumaR += (t.R0[Ind(k)] + dT * t(k).tf) / FactorM(t(k), F0);
            sumaD += t.D0[Ind(k)] + t(k).tanAlfa * dT;
        }
        const double paso = sumaR / (t.empujeGrieta + sumaD);
        if (std::isfinite(paso) && paso > 0.0 && paso != F0) F1 = paso;
    }
    const Raiz F = FactorDeEquilibrio(t, pie, F0, F1);
    if (!F.hallada) return false;
    double sobrante = 0.0;
    return FuerzasConFactor(p, t, malla, angulo, F.x, r, sobrante);
}

// Las fuerzas asentaron entre dos pasadas: el cambio de T no pasa de ToleranciaFS por la mayor
// fuerza normal (al menos 1 ton/m).
bool FuerzasAsentadas(const FuerzasEntreDovelas& a, const std::vector<double>& Tanterior)
{
    double escala = EscalaMinima, cambio = 0.0;
    for (std::size_t k = 0; k < a.T.size(); ++k) {
        escala = std::max(escala, std::fabs(a.E[k]));
        cambio = std::max(cambio, std::fabs(a.T[k] - Tanterior[k]));
    }
    return cambio <= ToleranciaFS * escala;
}

void EscribirEsfuerzosJanbu(Proyecto& p, const Trabajo& t, double F)
{
    const double kv = p.CoeficienteSismicoVertical;
    AnotarEsfuerzos(p, t.Dovelas(), [&](int k) {
        const DovelaJanbu& d = t(k);
        const double dT = t.dT[Ind(k)];
        const double R = t.R0[Ind(k)] + dT * d.tf;
        const double tau = d.cos2 * R / (F * FactorM(d, F) * d.b);
        // El sismo vertical con el mismo signo que en la iteración (docs/decisiones.md).
        const double Nv = (1.0 + kv) * d.W + dT + d.cargaVertical;
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
    return IteracionesJanbu(p, e, ui, textos::FinJanbu);
}

ResultadoMetodo IteracionesJanbu(Proyecto& p, EstadoCalculo& e, Interaccion& ui,
                                 const char* mensajeFinal)
{
    const auto detenido = ResultadoMetodo::Sin(FinCalculo::Detenido);
    const int n = p.NumeroPuntosDovelas;
    if (n < 2) return detenido;

    Trabajo t = TerminosDeDovelas(p, e);
    std::vector<double> historia{p.FSInicial};
    auto limite = [&](const char* texto) {
        ui.Mensaje(texto, textos::TituloLimiteCalculo);
        return ResultadoMetodo::Sin(FinCalculo::Limite);
    };
    // Sin fuerza que empuje la masa (hw + ΣD⁰ = 0) el factor no está definido.
    double empuje = t.empujeGrieta;
    for (double D : t.D0)
        empuje += D;
    if (empuje == 0.0) return limite(textos::MomentoMotorNulo);
    if (!DominioDelFactor(t)) return limite(textos::JanbuPrimeraEtapaSinSolucion);

    // Primera etapa: sin fuerzas tangenciales entre dovelas, por pasos de punto fijo mientras
    // el factor quede dentro del dominio; si sale de él o no asienta, como ecuación.
    double F = std::clamp(p.FSInicial, t.Fmin, t.Fmax);
    bool asentada = false;
    for (int pasada = 1; pasada <= MaximoPasadasPrimeraEtapa; ++pasada) {
        if (static_cast<int>(historia.size()) >= MaximoHistoriaFS)
            return limite(textos::HistoriaLlena);
        const double Fnuevo = PasoPrimeraEtapa(t, F);
        if (!std::isfinite(Fnuevo) || Fnuevo < t.Fmin || Fnuevo > t.Fmax) break;
        historia.push_back(Fnuevo);
        asentada = std::fabs(Fnuevo - F) <= ToleranciaFS;
        F = Fnuevo;
        if (asentada) break;
    }
    if (!asentada) {
        auto pie = [&](double Fprueba, double& v) {
            v = FuerzaEnElPieSinCortante(t, Fprueba);
            return true;
        };
        const Raiz raiz = FactorDeEquilibrio(t, pie, F, F * RazonBarridoFactor);
        if (!raiz.hallada) return limite(textos::JanbuPrimeraEtapaSinSolucion);
        if (static_cast<int>(historia.size()) >= MaximoHistoriaFS)
            return limite(textos::HistoriaLlena);
        F = raiz.x;
        historia.push_back(F);
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

    // Segunda etapa: en cada pasada, F y las fuerzas entre dovelas con la línea de empuje
    // vigente; Form17 tras cada una. Termina cuando una pasada repite el factor y las fuerzas de
    // la anterior con los mismos ht.
    Tabla<double> anguloEmpuje;
    std::vector<double> Tanterior(static_cast<std::size_t>(n > 2 ? n - 2 : 0), 0.0);
    for (;;) { // acotado por el tamaño de la historia
        if (static_cast<int>(historia.size()) >= MaximoHistoriaFS) {
            ui.Mensaje(textos::HistoriaLlena, textos::TituloLimiteCalculo);
            return salirSinResultados(FinCalculo::Limite);
        }
        AngulosLineaEmpuje(p, e, t.Dovelas(), anguloEmpuje);
        FuerzasEntreDovelas pasada;
        if (!PasadaGeneralizada(p, e, t, F, pasada)) {
            ui.Mensaje(textos::JanbuSinSolucion, textos::TituloLimiteCalculo);
            return salirSinResultados(FinCalculo::Limite);
        }
        historia.push_back(pasada.F);
        EscribirHistoria(p, historia);
        const Tabla<double> htDeLaPasada = p.ValoresDeHt;
        const DecisionJanbu decision = ui.IteracionJanbu(p, {anguloEmpuje, e.SigmasModificados});
        if (decision.ValoresDeHt) p.ValoresDeHt = *decision.ValoresDeHt;
        const bool asentado = std::fabs(pasada.F - F) <= ToleranciaFS &&
                              FuerzasAsentadas(pasada, Tanterior) && p.ValoresDeHt == htDeLaPasada;
        F = pasada.F;
        Tanterior = pasada.T;
        t.dT = pasada.dT;
        if (decision.Decision == DecisionIteracion::Aceptar) break;
        if (decision.Decision == DecisionIteracion::Salir)
            return salirSinResultados(FinCalculo::Abandonado);
        if (asentado) break;
    }

    EscribirEsfuerzosJanbu(p, t, F);
    EscribirHistoria(p, historia);
    MarcarResultados(p);
    p.HayValoresDeHt = true;
    if (mensajeFinal) ui.Mensaje(mensajeFinal);
    return ResultadoMetodo::Con(F);
}

} // namespace vertana
