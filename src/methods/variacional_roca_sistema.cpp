#include "methods/variacional_roca_sistema.h"

#include <cassert>
#include <cstddef>

namespace vertana {

namespace {

constexpr double Mitad = 0.5;
constexpr int NodosVentana = 4;         // centros del polinomio de Lagrange cúbico
constexpr int IncognitasGlobales = 3;   // xc, yc, F antes de los σ3
constexpr int DovelasFinalesJuntas = 3; // las tres últimas usan la misma ventana

std::size_t Ind(int i)
{
    return static_cast<std::size_t>(i);
}

std::vector<double> Sigma3DeZ(const std::vector<double>& z)
{
    return {z.begin() + IncognitasGlobales, z.end()};
}

// Σ λ_ij·valor_j sobre la ventana de la dovela.
template <typename Valor> double Derivada(const VentanaDerivadaRoca& v, Valor valor)
{
    double r = 0.0;
    for (int a = 0; a < NodosVentana; ++a)
        r += v.pesos[a] * valor(v.primera + a);
    return r;
}

} // namespace

DatosVariacionalRoca DatosDeDovelasRoca(const Proyecto& p, const EstadoCalculo& e)
{
    DatosVariacionalRoca datos;
    datos.suelo = DatosDeDovelas(p, e, e.DesembalseRapido);
    const int nd = datos.Dovelas();
    datos.roca.resize(Ind(nd));
    for (int i = 1; i <= nd; ++i) {
        HoekBrownDeDovela& r = datos.roca[Ind(i - 1)];
        r.m = p.ParametroMDovela(i);
        r.s = p.ParametroSDovela(i);
        r.a = p.ExponenteHoekBrownDovela(i);
        r.sigmaCi = e.Dovelas.CompresionSimpleDovela(i);
    }
    return datos;
}

VentanaDerivadaRoca VentanaDeDovela(const DatosVariacionalRoca& datos, int i)
{
    const int nd = datos.Dovelas();
    assert(nd >= NodosVentana && i >= 1 && i <= nd);
    VentanaDerivadaRoca v;
    if (i > nd - DovelasFinalesJuntas)
        v.primera = nd - NodosVentana + 1;
    else
        v.primera = i == 1 ? 1 : i - 1;
    const double xi = datos(i).x;
    for (int a = 0; a < NodosVentana; ++a) {
        const int j = v.primera + a;
        if (j == i) {
            for (int mm = v.primera; mm < v.primera + NodosVentana; ++mm)
                if (mm != i) v.pesos[a] += 1.0 / (xi - datos(mm).x);
            continue;
        }
        double numerador = 1.0, denominador = 1.0;
        for (int mm = v.primera; mm < v.primera + NodosVentana; ++mm) {
            if (mm == j) continue;
            denominador *= datos(j).x - datos(mm).x;
            if (mm != i) numerador *= xi - datos(mm).x;
        }
        v.pesos[a] = numerador / denominador;
    }
    return v;
}

std::optional<std::vector<PuntoHoekBrown>> PuntosDeLasDovelas(const DatosVariacionalRoca& datos,
                                                              const std::vector<double>& sigma3)
{
    const int nd = datos.Dovelas();
    assert(sigma3.size() == Ind(nd));
    std::vector<PuntoHoekBrown> puntos;
    puntos.reserve(Ind(nd));
    for (int i = 1; i <= nd; ++i) {
        const HoekBrownDeDovela& r = datos.Roca(i);
        const auto punto =
            PuntoDeLaEnvolvente(sigma3[Ind(i - 1)] - datos(i).u, r.m, r.s, r.a, r.sigmaCi);
        if (!punto) return std::nullopt;
        puntos.push_back(*punto);
    }
    return puntos;
}

int DovelaBajoLimiteTraccion(const DatosVariacionalRoca& datos, const std::vector<double>& sigma3)
{
    for (int i = 1; i <= datos.Dovelas(); ++i) {
        const HoekBrownDeDovela& r = datos.Roca(i);
        if (!CumpleLimiteTraccion(sigma3[Ind(i - 1)] - datos(i).u, r.m, r.s, r.sigmaCi)) return i;
    }
    return 0;
}

namespace {

// Las sumas son lineales en F: Σ = parte resistente + F·coeficiente.
struct SumasPorPartes {
    SumasEquilibrio resistente, coeficienteF;
};

SumasPorPartes SumasRoca(const DatosVariacionalRoca& datos,
                         const std::vector<PuntoHoekBrown>& puntos)
{
    const DatosVariacional& s = datos.suelo;
    SumasPorPartes r;
    for (int i = 1; i <= datos.Dovelas(); ++i) {
        const DovelaVariacional& d = datos(i);
        const PuntoHoekBrown& hb = puntos[Ind(i - 1)];
        const double tau = hb.Tau;
        const double sigma = hb.SigmaN + d.u;
        r.resistente.H += d.b * tau;
        r.resistente.V += d.b * d.m * tau;
        r.resistente.M += d.b * (d.y - d.m * d.x) * tau;
        r.coeficienteF.H += -d.b * (s.kh * d.W + d.m * sigma) + d.cargaH;
        r.coeficienteF.V += -d.b * ((1.0 + s.kv) * d.W - sigma) - d.cargaV;
        r.coeficienteF.M +=
            -d.b * (Mitad * s.kh * d.gamma * (d.t * d.t - d.y * d.y) + (d.m * d.y + d.x) * sigma -
                    (1.0 + s.kv) * d.W * d.x + s.kh * d.q * (d.t + (d.w - d.t) * Mitad)) +
            d.cargaM;
    }
    r.coeficienteF.H -= s.empujeGrieta;
    r.coeficienteF.M -= s.brazoGrieta * s.empujeGrieta;
    return r;
}

} // namespace

SumasEquilibrio SumasDeEquilibrioRoca(const DatosVariacionalRoca& datos, double F,
                                      const std::vector<PuntoHoekBrown>& puntos)
{
    const SumasPorPartes s = SumasRoca(datos, puntos);
    return {s.resistente.H + F * s.coeficienteF.H, s.resistente.V + F * s.coeficienteF.V,
            s.resistente.M + F * s.coeficienteF.M};
}

std::optional<std::vector<double>> ResiduosVariacionalesRoca(const DatosVariacionalRoca& datos,
                                                             const std::vector<double>& z)
{
    const int nd = datos.Dovelas();
    assert(z.size() == Ind(nd + IncognitasGlobales));
    const auto puntos = PuntosDeLasDovelas(datos, Sigma3DeZ(z));
    if (!puntos) return std::nullopt;
    const double xc = z[0], yc = z[1], F = z[2];
    const double kh = datos.suelo.kh, kv = datos.suelo.kv;
    auto sigma = [&](int j) { return (*puntos)[Ind(j - 1)].SigmaN + datos(j).u; };
    auto tau = [&](int j) { return (*puntos)[Ind(j - 1)].Tau; };
    std::vector<double> G(Ind(nd + IncognitasGlobales), 0.0);
    for (int i = 1; i <= nd; ++i) {
        const DovelaVariacional& d = datos(i);
        const VentanaDerivadaRoca v = VentanaDeDovela(datos, i);
        G[Ind(i - 1)] = F * (d.y - yc) * Derivada(v, sigma) + (d.x - xc) * Derivada(v, tau) +
                        2.0 * tau(i) - (1.0 + kv) * F * d.gammaMedio * (d.x - xc) +
                        kh * F * d.gammaMedio * (d.y - yc);
    }
    const SumasEquilibrio s = SumasDeEquilibrioRoca(datos, F, *puntos);
    G[Ind(nd)] = s.H;
    G[Ind(nd + 1)] = s.V;
    G[Ind(nd + 2)] = s.M;
    return G;
}

std::optional<SistemaBandaConBorde> JacobianoVariacionalRoca(const DatosVariacionalRoca& datos,
                                                             const std::vector<double>& z)
{
    const int nd = datos.Dovelas();
    assert(z.size() == Ind(nd + IncognitasGlobales));
    const auto puntos = PuntosDeLasDovelas(datos, Sigma3DeZ(z));
    if (!puntos) return std::nullopt;
    const double xc = z[0], yc = z[1], F = z[2];
    const double kh = datos.suelo.kh, kv = datos.suelo.kv;
    auto hb = [&](int j) -> const PuntoHoekBrown& { return (*puntos)[Ind(j - 1)]; };
    auto sigma = [&](int j) { return hb(j).SigmaN + datos(j).u; };
    auto tau = [&](int j) { return hb(j).Tau; };

    SistemaBandaConBorde J(nd, InferioresVariacionalRoca, SuperioresVariacionalRoca);
    for (int i = 1; i <= nd; ++i) {
        const DovelaVariacional& d = datos(i);
        const VentanaDerivadaRoca v = VentanaDeDovela(datos, i);
        const double dSigma = Derivada(v, sigma), dTau = Derivada(v, tau);
        J.Columna(i, 0) = -dTau + (1.0 + kv) * F * d.gammaMedio;
        J.Columna(i, 1) = -F * dSigma - kh * F * d.gammaMedio;
        J.Columna(i, 2) = (d.y - yc) * dSigma - (1.0 + kv) * d.gammaMedio * (d.x - xc) +
                          kh * d.gammaMedio * (d.y - yc);
        for (int a = 0; a < NodosVentana; ++a) {
            const int j = v.primera + a;
            J.Banda(i, j) += v.pesos[a] * (F * (d.y - yc) * hb(j).DerivadaSigmaN +
                                           (d.x - xc) * hb(j).DerivadaTau);
        }
        J.Banda(i, i) += 2.0 * hb(i).DerivadaTau;
    }
    const SumasPorPartes s = SumasRoca(datos, *puntos);
    J.Esquina(0, 2) = s.coeficienteF.H;
    J.Esquina(1, 2) = s.coeficienteF.V;
    J.Esquina(2, 2) = s.coeficienteF.M;
    for (int j = 1; j <= nd; ++j) {
        const DovelaVariacional& d = datos(j);
        const double dn = hb(j).DerivadaSigmaN, dt = hb(j).DerivadaTau;
        J.Fila(0, j) = d.b * (dt - F * d.m * dn);
        J.Fila(1, j) = d.b * (d.m * dt + F * dn);
        J.Fila(2, j) = d.b * ((d.y - d.m * d.x) * dt - F * (d.m * d.y + d.x) * dn);
    }
    return J;
}

} // namespace vertana
