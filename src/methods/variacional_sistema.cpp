#include "methods/variacional_sistema.h"

#include "methods/momento_cargas.h"

#include <cassert>
#include <cstddef>

namespace vertana {

namespace {

constexpr double Mitad = 0.5;
constexpr double TercioAlturaAgua = 1.0 / 3.0; // el empuje de la grieta actúa a 1/3 del fondo
constexpr int IncognitasGlobales = 3;          // xc, yc, F antes de las σ

std::size_t Ind(int i)
{
    return static_cast<std::size_t>(i);
}

// Los coeficientes de la derivada discreta en la dovela i: dσ/dx ≈ Σ coef·σ sobre los nodos
// `nodos` (0 = cresta). Filas 1..nd−1: tres puntos; fila nd: cuatro puntos hacia atrás.
struct Derivada {
    int nodos[4] = {0, 0, 0, 0};
    double coef[4] = {0.0, 0.0, 0.0, 0.0};
    int cuantos = 0;
};

Derivada DerivadaEn(const DatosVariacional& datos, int i)
{
    const int nd = datos.Dovelas();
    Derivada r;
    if (i < nd) {
        const double hi = datos(i).h, hs = datos(i + 1).h;
        const double D = (hi + hs) * hi * hs;
        r.cuantos = 3;
        r.nodos[0] = i - 1;
        r.coef[0] = hs * hs / D;
        r.nodos[1] = i;
        r.coef[1] = (hi * hi - hs * hs) / D;
        r.nodos[2] = i + 1;
        r.coef[2] = -hi * hi / D;
        return r;
    }
    // Pesos de la derivada en x_nd del polinomio de Lagrange por x_(nd−3)..x_nd.
    r.cuantos = 4;
    const double xn = datos(nd).x;
    double lambdaN = 0.0;
    for (int j = nd - 3; j <= nd - 1; ++j)
        lambdaN += 1.0 / (xn - datos(j).x);
    for (int a = 0; a < 3; ++a) {
        const int j = nd - 3 + a;
        double numerador = 1.0, denominador = 1.0;
        for (int mm = nd - 3; mm <= nd; ++mm) {
            if (mm == j) continue;
            denominador *= datos(j).x - datos(mm).x;
            if (mm != nd) numerador *= xn - datos(mm).x;
        }
        r.nodos[a] = j;
        r.coef[a] = numerador / denominador;
    }
    r.nodos[3] = nd;
    r.coef[3] = lambdaN;
    return r;
}

double L(const DovelaVariacional& d, double xc, double yc, double F)
{
    return (d.y - yc) * F + (d.x - xc) * d.T;
}

double R(const DatosVariacional& datos, const DovelaVariacional& d, double xc, double yc, double F)
{
    return ((1.0 + datos.kv) * d.gammaMedio * F + d.g * d.T) * (d.x - xc) + 2.0 * d.T * d.u -
           2.0 * d.c - datos.kh * F * d.gammaMedio * (d.y - yc);
}

// Valor de dσ/dx en la dovela i con σ de los nodos (0 = cresta).
double ValorDerivada(const DatosVariacional& datos, const Derivada& der,
                     const std::vector<double>& sigma)
{
    double v = 0.0;
    for (int a = 0; a < der.cuantos; ++a) {
        const int nodo = der.nodos[a];
        v += der.coef[a] * (nodo == 0 ? datos.sigmaCresta : sigma[Ind(nodo - 1)]);
    }
    return v;
}

// Las sumas de equilibrio son lineales en F: Σ = parte resistente + F·coeficiente.
struct SumasLineales {
    SumasEquilibrio resistente, coeficienteF;
};

SumasLineales SumasPorPartes(const DatosVariacional& datos, const std::vector<double>& sigma)
{
    SumasLineales s;
    const double kh = datos.kh, kv = datos.kv;
    for (int i = 1; i <= datos.Dovelas(); ++i) {
        const DovelaVariacional& d = datos(i);
        const double sg = sigma[Ind(i - 1)];
        const double tauF = (sg - d.u) * d.T + d.c;
        s.resistente.H += d.b * tauF;
        s.resistente.V += d.b * d.m * tauF;
        s.resistente.M += d.b * (d.y - d.m * d.x) * tauF;
        s.coeficienteF.H += -d.b * (kh * d.W + d.m * sg) + d.cargaH;
        s.coeficienteF.V += -d.b * ((1.0 + kv) * d.W - sg) - d.cargaV;
        s.coeficienteF.M +=
            -d.b * (Mitad * kh * d.gamma * (d.t * d.t - d.y * d.y) + (d.m * d.y + d.x) * sg -
                    (1.0 + kv) * d.W * d.x + kh * d.q * (d.t + (d.w - d.t) * Mitad)) +
            d.cargaM;
    }
    s.coeficienteF.H -= datos.empujeGrieta;
    s.coeficienteF.M -= datos.brazoGrieta * datos.empujeGrieta;
    return s;
}

} // namespace

DatosVariacional DatosDeDovelas(const Proyecto& p, const EstadoCalculo& e, bool desembalse)
{
    const int nd = p.NumeroPuntosDovelas - 1;
    const TablaDeDovelas& t = e.Dovelas;
    DatosVariacional datos;
    datos.kh = p.CoeficienteSismicoHorizontal;
    datos.kv = p.CoeficienteSismicoVertical;
    datos.sigmaCresta = p.EsfuerzoInicialCresta;
    datos.empujeGrieta = p.AlturaAguaGrieta;
    datos.brazoGrieta =
        p.OrdenadaSegundoPuntoGrieta +
        (p.OrdenadaNivelFreaticoGrieta - p.OrdenadaSegundoPuntoGrieta) * TercioAlturaAgua;
    datos.d.resize(Ind(nd > 0 ? nd : 0));
    for (int i = 1; i <= nd; ++i) {
        DovelaVariacional& d = datos.d[Ind(i - 1)];
        d.b = p.AnchoDovela(i);
        d.x = p.AbscisaCentroDovela(i);
        d.y = p.OrdenadaCentroDovela(i);
        d.t = p.OrdenadaTaludDovela(i);
        d.w = d.t;
        if (t.OrdenadaFreaticoDovela.Tamano() >= i && t.OrdenadaFreaticoDovela(i) > d.t)
            d.w = t.OrdenadaFreaticoDovela(i);
        d.gamma = p.PesoUnitarioDovela(i);
        d.gammaMedio = d.gamma;
        if (d.w > d.t && !desembalse)
            d.gammaMedio = ((d.t - d.y) * d.gamma + (d.w - d.t)) / (d.w - d.y);
        d.q = t.CargaVerticalDovela(i);
        d.u = p.PresionPorosDovela(i);
        d.c = p.CohesionDovela(i);
        d.T = t.TangenteFriccionDovela(i);
        d.m = t.PendienteBaseDovela(i);
        d.s = t.PendienteTaludDovela(i);
        d.g = t.GradientePresionDovela(i);
        d.W = (d.t - d.y) * d.gamma + d.q;
        d.h = i == 1 ? d.b * Mitad : (p.AnchoDovela(i - 1) + d.b) * Mitad;
        for (int j = 1; j <= p.NumeroCargasUniformes(); ++j) {
            // Sólo con Xo ≤ x ≤ Xf: una carga dada con los extremos al revés no actúa.
            if (!(p.CargaUniformeXo(j) <= d.x && d.x <= p.CargaUniformeXf(j))) continue;
            d.cargaH += p.CargaUniformeQx(j) * d.b * d.s;
            d.cargaV += p.CargaUniformeQy(j) * d.b;
            d.cargaM += (d.t * p.CargaUniformeQx(j) * d.s + d.x * p.CargaUniformeQy(j)) * d.b;
        }
        for (int j = 1; j <= p.NumeroCargasPuntuales(); ++j) {
            if (!CargaPuntualEnDovela(p, e, j, i, true)) continue;
            d.cargaH += p.CargaPuntualPx(j);
            d.cargaV += p.CargaPuntualPy(j);
            d.cargaM +=
                p.CargaPuntualX(j) * p.CargaPuntualPy(j) + p.CargaPuntualY(j) * p.CargaPuntualPx(j);
        }
    }
    return datos;
}

Matriz MatrizNula(int n)
{
    return Matriz(Ind(n + 1), std::vector<double>(Ind(n + 1), 0.0));
}

bool InvertirGaussJordan(const Matriz& M, Matriz& inversa)
{
    const int n = static_cast<int>(M.size()) - 1;
    // Matriz doblada [M | I], 1-basada.
    Matriz a(Ind(n + 1), std::vector<double>(Ind(2 * n + 1), 0.0));
    for (int i = 1; i <= n; ++i) {
        for (int j = 1; j <= n; ++j)
            a[Ind(i)][Ind(j)] = M[Ind(i)][Ind(j)];
        a[Ind(i)][Ind(n + i)] = 1.0;
    }
    double determinante = 1.0;
    for (int p = 1; p <= n; ++p) {
        const double pivote = a[Ind(p)][Ind(p)];
        determinante *= pivote;
        if (determinante == 0.0) return false;
        for (int j = p; j <= 2 * n; ++j)
            a[Ind(p)][Ind(j)] /= pivote;
        for (int q = 1; q <= n; ++q) {
            if (q == p) continue;
            const double factor = a[Ind(q)][Ind(p)];
            for (int j = p; j <= 2 * n; ++j)
                a[Ind(q)][Ind(j)] -= factor * a[Ind(p)][Ind(j)];
        }
    }
    inversa = MatrizNula(n);
    for (int i = 1; i <= n; ++i)
        for (int j = 1; j <= n; ++j)
            inversa[Ind(i)][Ind(j)] = a[Ind(i)][Ind(n + j)];
    return true;
}

bool PrimeraSolucion(const DatosVariacional& datos, double xc, double yc, double F,
                     std::vector<double>& sigma)
{
    const int nd = datos.Dovelas();
    assert(nd >= MinimoDovelasVariacional);
    Matriz A = MatrizNula(nd);
    std::vector<double> B(Ind(nd + 1), 0.0);
    for (int i = 1; i <= nd; ++i) {
        const DovelaVariacional& d = datos(i);
        const double Li = L(d, xc, yc, F);
        const Derivada der = DerivadaEn(datos, i);
        B[Ind(i)] = R(datos, d, xc, yc, F);
        for (int a = 0; a < der.cuantos; ++a) {
            const int nodo = der.nodos[a];
            if (nodo == 0)
                B[Ind(i)] -= der.coef[a] * Li * datos.sigmaCresta; // valor conocido en la cresta
            else
                A[Ind(i)][Ind(nodo)] += Li * der.coef[a];
        }
        A[Ind(i)][Ind(i)] += 2.0 * d.T;
    }
    Matriz inversa;
    if (!InvertirGaussJordan(A, inversa)) return false;
    sigma.assign(Ind(nd), 0.0);
    for (int i = 1; i <= nd; ++i)
        for (int j = 1; j <= nd; ++j)
            sigma[Ind(i - 1)] += inversa[Ind(i)][Ind(j)] * B[Ind(j)];
    return true;
}

SumasEquilibrio SumasDeEquilibrio(const DatosVariacional& datos, double F,
                                  const std::vector<double>& sigma)
{
    const SumasLineales s = SumasPorPartes(datos, sigma);
    return {s.resistente.H + F * s.coeficienteF.H, s.resistente.V + F * s.coeficienteF.V,
            s.resistente.M + F * s.coeficienteF.M};
}

std::vector<double> ResiduosVariacionales(const DatosVariacional& datos,
                                          const std::vector<double>& z)
{
    const int nd = datos.Dovelas();
    const double xc = z[0], yc = z[1], F = z[2];
    const std::vector<double> sigma(z.begin() + IncognitasGlobales, z.end());
    std::vector<double> G(Ind(nd + IncognitasGlobales), 0.0);
    for (int i = 1; i <= nd; ++i) {
        const DovelaVariacional& d = datos(i);
        const double derivada = ValorDerivada(datos, DerivadaEn(datos, i), sigma);
        G[Ind(i - 1)] =
            R(datos, d, xc, yc, F) - L(d, xc, yc, F) * derivada - 2.0 * d.T * sigma[Ind(i - 1)];
    }
    const SumasEquilibrio s = SumasDeEquilibrio(datos, F, sigma);
    G[Ind(nd)] = s.H;
    G[Ind(nd + 1)] = s.V;
    G[Ind(nd + 2)] = s.M;
    return G;
}

Matriz JacobianoVariacional(const DatosVariacional& datos, const std::vector<double>& z)
{
    const int nd = datos.Dovelas();
    const int n = nd + IncognitasGlobales;
    const double xc = z[0], yc = z[1], F = z[2];
    const std::vector<double> sigma(z.begin() + IncognitasGlobales, z.end());
    const double kh = datos.kh, kv = datos.kv;
    Matriz J = MatrizNula(n);
    for (int i = 1; i <= nd; ++i) {
        const DovelaVariacional& d = datos(i);
        const Derivada der = DerivadaEn(datos, i);
        const double derivada = ValorDerivada(datos, der, sigma);
        const double Li = L(d, xc, yc, F);
        std::vector<double>& fila = J[Ind(i)];
        // G = R − L·dσ/dx − 2·T·σ; ∂L/∂xc = −T, ∂L/∂yc = −F, ∂L/∂F = y − yc.
        fila[1] = -((1.0 + kv) * d.gammaMedio * F + d.g * d.T) + d.T * derivada;
        fila[2] = kh * F * d.gammaMedio + F * derivada;
        fila[3] = (1.0 + kv) * d.gammaMedio * (d.x - xc) - kh * d.gammaMedio * (d.y - yc) -
                  (d.y - yc) * derivada;
        for (int a = 0; a < der.cuantos; ++a)
            if (der.nodos[a] > 0) fila[Ind(IncognitasGlobales + der.nodos[a])] -= Li * der.coef[a];
        fila[Ind(IncognitasGlobales + i)] -= 2.0 * d.T;
    }
    // Filas de equilibrio: no dependen de xc ni de yc.
    const SumasLineales s = SumasPorPartes(datos, sigma);
    J[Ind(nd + 1)][3] = s.coeficienteF.H;
    J[Ind(nd + 2)][3] = s.coeficienteF.V;
    J[Ind(nd + 3)][3] = s.coeficienteF.M;
    for (int j = 1; j <= nd; ++j) {
        const DovelaVariacional& d = datos(j);
        const std::size_t columna = Ind(IncognitasGlobales + j);
        J[Ind(nd + 1)][columna] = (d.T - F * d.m) * d.b;
        J[Ind(nd + 2)][columna] = (d.m * d.T + F) * d.b;
        J[Ind(nd + 3)][columna] = ((d.y - d.m * d.x) * d.T - (d.m * d.y + d.x) * F) * d.b;
    }
    return J;
}

FilaJacobianoDovela FilaJacobianoDeDovela(const DatosVariacional& datos, double xc, double yc,
                                          double F, const std::vector<double>& sigma, int i)
{
    const DovelaVariacional& d = datos(i);
    const Derivada der = DerivadaEn(datos, i);
    const double derivada = ValorDerivada(datos, der, sigma);
    const double Li = L(d, xc, yc, F);
    const double kh = datos.kh, kv = datos.kv;
    FilaJacobianoDovela fila;
    fila.globales[0] = -((1.0 + kv) * d.gammaMedio * F + d.g * d.T) + d.T * derivada;
    fila.globales[1] = kh * F * d.gammaMedio + F * derivada;
    fila.globales[2] = (1.0 + kv) * d.gammaMedio * (d.x - xc) - kh * d.gammaMedio * (d.y - yc) -
                       (d.y - yc) * derivada;
    for (int a = 0; a < der.cuantos; ++a) {
        if (der.nodos[a] == 0) continue; // σo es un dato
        fila.columnas[fila.cuantos] = der.nodos[a];
        fila.valores[fila.cuantos] = -Li * der.coef[a];
        if (der.nodos[a] == i) fila.valores[fila.cuantos] -= 2.0 * d.T;
        ++fila.cuantos;
    }
    return fila;
}

SumasEquilibrio DerivadasSumasRespectoDeF(const DatosVariacional& datos,
                                          const std::vector<double>& sigma)
{
    return SumasPorPartes(datos, sigma).coeficienteF;
}

SumasEquilibrio DerivadasSumasRespectoDeSigma(const DatosVariacional& datos, double F, int j)
{
    const DovelaVariacional& d = datos(j);
    return {(d.T - F * d.m) * d.b, (d.m * d.T + F) * d.b,
            ((d.y - d.m * d.x) * d.T - (d.m * d.y + d.x) * F) * d.b};
}

} // namespace vertana
