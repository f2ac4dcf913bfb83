#include "methods/rigurosos.h"

#include "methods/buscar_raiz.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <limits>

namespace vertana {

namespace {

constexpr double Mitad = 0.5;
// Valores de λ que se exploran: |λ| ≤ 4 (en Spencer θ ≤ 76°).
constexpr double LambdaMaximo = 4.0;
// Paso del barrido de λ cuando la secante no encuentra un cambio de signo.
constexpr double PasoBarridoLambda = 0.1;
// Factores de seguridad que se exploran.
constexpr double FactorMinimo = 1e-3;
constexpr double FactorMaximo = 1e3;
// Razón entre factores sucesivos del barrido de F.
constexpr double RazonBarridoFactor = 1.25;
// mα mínimo admitido al resolver F: con mα → 0 la fuerza normal crece sin límite.
constexpr double MAlfaMinimoAdmitido = 1e-3;
// Aumento relativo de F con que se comprueba que E_n pasa de negativa a positiva en la raíz.
constexpr double SeparacionRama = 1e-6;
// Raíces espurias (E_n decreciente) que se saltan antes de desistir.
constexpr int IntentosRamaFisica = 4;
// |E| por debajo de esta fracción de la escala de fuerzas: la línea de empuje no está definida.
constexpr double FraccionEmpujeNulo = 1e-9;
// Escala de las holguras cuando la natural (Σ fuerzas en ton/m, altura del borde en m) es menor.
constexpr double EscalaMinima = 1.0;

const double Pi = 4.0 * std::atan(1.0);
const double NoDefinido = std::numeric_limits<double>::quiet_NaN();

// Términos constantes de una dovela.
struct Terminos {
    double sa = 0.0, ca = 0.0, tf = 0.0, b = 0.0, l = 0.0, yb = 0.0, u = 0.0, c = 0.0;
    double V = 0.0; // fuerza vertical exterior, hacia abajo
    double H = 0.0; // fuerza horizontal exterior, hacia las x crecientes
    double T = 0.0; // V·sin α − H·cos α: fuerza motora a lo largo de la base
    double R = 0.0; // c·l + (V·cos α + H·sin α − u·l)·tan φ: resistencia sin fuerzas laterales
    double M = 0.0; // momento antihorario de las fuerzas exteriores respecto del centro de la base
};

struct Datos {
    std::vector<Terminos> d;
    std::vector<double> f;       // por borde
    double escalaFuerzas = 0.0;  // Σ(|V| + |H|)
    double escalaMomentos = 0.0; // Σ(|V| + |H|)·L
};

bool Finito(double x)
{
    return std::isfinite(x);
}

bool DatosValidos(const ProblemaRiguroso& p, const std::vector<double>& f)
{
    const std::size_t n = p.Dovelas.size();
    if (n == 0 || p.Bordes.size() != n + 1 || f.size() != n + 1) return false;
    for (const DovelaRigurosa& d : p.Dovelas) {
        const double valores[] = {d.Ancho,        d.Alfa,         d.Peso,
                                  d.PresionPoros, d.Cohesion,     d.TangenteFriccion,
                                  d.AbscisaBase,  d.OrdenadaBase, d.OrdenadaTalud,
                                  d.OrdenadaSismo};
        for (double v : valores)
            if (!Finito(v)) return false;
        if (d.Ancho <= 0.0 || std::cos(d.Alfa) <= 0.0) return false;
        for (const CargaRigurosa& c : d.Cargas)
            if (!Finito(c.Horizontal) || !Finito(c.Vertical) || !Finito(c.X) || !Finito(c.Y))
                return false;
    }
    for (double v : f)
        if (!Finito(v)) return false;
    for (const BordeRiguroso& b : p.Bordes)
        if (!Finito(b.Abscisa) || !Finito(b.OrdenadaBase) || !Finito(b.OrdenadaTalud)) return false;
    return Finito(p.CoeficienteSismicoHorizontal) && Finito(p.CoeficienteSismicoVertical) &&
           Finito(p.EmpujeAguaGrieta) && Finito(p.OrdenadaEmpujeGrieta);
}

Datos PrepararDatos(const ProblemaRiguroso& p, const std::vector<double>& f)
{
    Datos r;
    r.f = f;
    const double kh = p.CoeficienteSismicoHorizontal, kv = p.CoeficienteSismicoVertical;
    for (std::size_t i = 0; i < p.Dovelas.size(); ++i) {
        const DovelaRigurosa& d = p.Dovelas[i];
        Terminos t;
        t.sa = std::sin(d.Alfa);
        t.ca = std::cos(d.Alfa);
        t.tf = d.TangenteFriccion;
        t.b = d.Ancho;
        t.l = d.Ancho / t.ca;
        t.yb = d.OrdenadaBase;
        t.u = d.PresionPoros;
        t.c = d.Cohesion;
        t.V = (1.0 + kv) * d.Peso;
        t.H = -kh * d.Peso;
        t.M = kh * d.Peso * (d.OrdenadaSismo - d.OrdenadaBase);
        for (const CargaRigurosa& c : d.Cargas) {
            t.V += c.Vertical;
            t.H += c.Horizontal;
            t.M += -(c.X - d.AbscisaBase) * c.Vertical - (c.Y - d.OrdenadaBase) * c.Horizontal;
        }
        if (i == 0) {
            t.H -= p.EmpujeAguaGrieta;
            t.M += p.EmpujeAguaGrieta * (p.OrdenadaEmpujeGrieta - d.OrdenadaBase);
        }
        t.T = t.V * t.sa - t.H * t.ca;
        t.R = t.c * t.l + (t.V * t.ca + t.H * t.sa - t.u * t.l) * t.tf;
        r.escalaFuerzas += std::fabs(t.V) + std::fabs(t.H);
        r.d.push_back(t);
    }
    // Sin fuerzas exteriores no hay nada que escalar: residuos absolutos.
    if (r.escalaFuerzas <= 0.0) r.escalaFuerzas = EscalaMinima;
    double L = 0.0; // Σb > 0 en datos válidos
    for (const Terminos& t : r.d)
        L += t.b;
    r.escalaMomentos = r.escalaFuerzas * L;
    return r;
}

// Φ_i(f) = F·cos α + sin α·tan φ + λ·f·(F·sin α − cos α·tan φ).
double Phi(const Terminos& t, double F, double lambda, double f)
{
    return F * t.ca + t.sa * t.tf + lambda * f * (F * t.sa - t.ca * t.tf);
}

// Intervalo de F en que mα = Φ_i(f_i)/F ≥ MAlfaMinimoAdmitido en todas las dovelas (lineal en F:
// a·F + b ≥ 0), cortado a [FactorMinimo, FactorMaximo]. Falso si queda vacío.
bool DominioFactor(const Datos& datos, double lambda, double& Fmin, double& Fmax)
{
    Fmin = FactorMinimo;
    Fmax = FactorMaximo;
    for (std::size_t i = 0; i < datos.d.size(); ++i) {
        const Terminos& t = datos.d[i];
        const double f = datos.f[i + 1];
        const double a = t.ca + lambda * f * t.sa - MAlfaMinimoAdmitido;
        const double b = t.tf * (t.sa - lambda * f * t.ca);
        if (a > 0.0)
            Fmin = std::max(Fmin, -b / a);
        else if (a < 0.0)
            Fmax = std::min(Fmax, -b / a);
        else if (b < 0.0)
            return false;
    }
    return Fmin < Fmax;
}

// Recurrencia de las fuerzas normales con F y λ dados. E_i = F·ET_i − ER_i con
// ET_i = (ET_{i−1}·Φ_i(f_{i−1}) + T_i)/Φ_i(f_i) y lo mismo ER con R_i. Devuelve E_n y, en
// `Gfijo`, el F que anula E_n con los coeficientes de este F (ER_n/ET_n). Si se da `E`, lo llena.
double FuerzaEnElPie(const Datos& datos, double F, double lambda, double& Gfijo,
                     std::vector<double>* E = nullptr)
{
    double ET = 0.0, ER = 0.0;
    if (E) E->assign(datos.d.size() + 1, 0.0);
    for (std::size_t i = 0; i < datos.d.size(); ++i) {
        const Terminos& t = datos.d[i];
        const double anterior = Phi(t, F, lambda, datos.f[i]);
        const double propio = Phi(t, F, lambda, datos.f[i + 1]);
        ET = (ET * anterior + t.T) / propio;
        ER = (ER * anterior + t.R) / propio;
        if (E) (*E)[i + 1] = F * ET - ER;
    }
    Gfijo = ER / ET;
    return F * ET - ER;
}

// Residuo de momentos Σ[y_i·(E_i − E_{i−1}) − (b_i/2)·(X_{i−1} + X_i) + M_i] separado en
// A − λ·B, con X = λ·f·E.
void SumasMomentos(const Datos& datos, const std::vector<double>& E, double& A, double& B)
{
    A = 0.0;
    B = 0.0;
    for (std::size_t i = 0; i < datos.d.size(); ++i) {
        const Terminos& t = datos.d[i];
        A += t.yb * (E[i + 1] - E[i]) + t.M;
        B += Mitad * t.b * (datos.f[i] * E[i] + datos.f[i + 1] * E[i + 1]);
    }
}

// E_n pasa de negativa a positiva al crecer F por la raíz. Con F → ∞, E_n tiende a la fuerza
// que desliza la masa sin resistencia (positiva), de modo que la solución física es la raíz
// mayor; cerca del polo de un Φ_i (mα → 0) E_n cruza el cero al revés, y esa raíz no vale.
bool RamaFisica(const Datos& datos, double lambda, double F)
{
    double G = 0.0;
    return FuerzaEnElPie(datos, F * (1.0 + SeparacionRama), lambda, G) > 0.0;
}

// F que cumple el equilibrio de fuerzas (E_n = 0) con λ dado, empezando en `Finicial`. Si la
// raíz hallada no es la física, se busca otra por encima de ella.
Raiz FactorDeFuerzas(const Datos& datos, double lambda, double Finicial,
                     const OpcionesRigurosas& opciones, int& pasadas)
{
    double Fmin = 0.0, Fmax = 0.0;
    if (!DominioFactor(datos, lambda, Fmin, Fmax)) return {};
    auto residuo = [&](double F, double& v) {
        double G = 0.0;
        v = FuerzaEnElPie(datos, F, lambda, G) / datos.escalaFuerzas;
        return true;
    };
    ReglasRaiz reglas;
    reglas.minimo = Fmin;
    reglas.maximo = Fmax;
    reglas.toleranciaRelativa = opciones.ToleranciaFactor;
    reglas.maximoEvaluaciones = opciones.MaximoIteracionesFactor;
    reglas.pasoBarrido = RazonBarridoFactor;
    reglas.geometrico = true;
    // Segundo punto: un paso de punto fijo F ← ER_n/ET_n.
    double F0 = std::clamp(Finicial, Fmin, Fmax);
    double G = 0.0;
    double v0 = FuerzaEnElPie(datos, F0, lambda, G) / datos.escalaFuerzas;
    double F1 = Finito(G) && G > 0.0 ? G : F0 * RazonBarridoFactor;
    ++pasadas;
    for (int intento = 0; intento < IntentosRamaFisica; ++intento) {
        BuscadorRaiz buscador(residuo, reglas);
        const Raiz r = buscador.Buscar(F0, F1, intento == 0 ? &v0 : nullptr);
        pasadas += buscador.Evaluaciones() + 1; // y la comprobación de la rama
        if (!r.hallada) return r;
        if (RamaFisica(datos, lambda, r.x)) return r;
        reglas.minimo = r.x * (1.0 + SeparacionRama);
        if (reglas.minimo >= reglas.maximo) return {};
        F0 = reglas.minimo;
        F1 = F0 * RazonBarridoFactor;
    }
    return {};
}

// Sin solución: el estado, y F, λ y las tablas vacías para que nadie los tome por buenos.
SolucionRigurosa SinSolucion(SolucionRigurosa s, EstadoRiguroso estado)
{
    s.Estado = estado;
    s.FS = s.Lambda = s.AnguloEntreDovelas = s.MinimoMAlfa = 0.0;
    s.E.clear();
    s.X.clear();
    s.AlturaEmpuje.clear();
    s.FuerzaNormal.clear();
    s.FuerzaCorte.clear();
    return s;
}

} // namespace

std::vector<double> FuncionConstante(const ProblemaRiguroso& problema)
{
    return std::vector<double>(problema.Bordes.size(), 1.0);
}

std::vector<double> FuncionMedioSeno(const ProblemaRiguroso& problema)
{
    std::vector<double> f(problema.Bordes.size(), 0.0);
    if (problema.Bordes.size() < 2) return f;
    const double xa = problema.Bordes.back().Abscisa, xb = problema.Bordes.front().Abscisa;
    if (xb == xa) return f;
    for (std::size_t j = 0; j < f.size(); ++j)
        f[j] = std::sin(Pi * (problema.Bordes[j].Abscisa - xa) / (xb - xa));
    // Los extremos valen 0 exactamente (sin(π) no lo es en coma flotante).
    f.front() = 0.0;
    f.back() = 0.0;
    return f;
}

SolucionRigurosa ResolverConFuncion(const ProblemaRiguroso& problema, const std::vector<double>& f,
                                    const OpcionesRigurosas& opciones)
{
    SolucionRigurosa s;
    s.FuncionEntreDovelas = f;
    if (!DatosValidos(problema, f)) return SinSolucion(s, EstadoRiguroso::DatosInvalidos);
    const Datos datos = PrepararDatos(problema, f);
    const std::size_t n = datos.d.size();

    // Residuo de momentos con λ, resolviendo antes F por las fuerzas (arranca en el último F).
    double Fvigente = opciones.FactorInicial;
    bool algunoValido = false;
    std::vector<double> E;
    auto momentos = [&](double lambda, double& v) {
        const Raiz F = FactorDeFuerzas(datos, lambda, Fvigente, opciones, s.IteracionesFactor);
        if (!F.hallada) return false;
        Fvigente = F.x;
        algunoValido = true;
        double G = 0.0;
        FuerzaEnElPie(datos, F.x, lambda, G, &E);
        double A = 0.0, B = 0.0;
        SumasMomentos(datos, E, A, B);
        v = (A - lambda * B) / datos.escalaMomentos;
        return true;
    };

    // Segundo valor de λ: el que anula los momentos con las fuerzas de λ inicial (Zhu et al.).
    const double lambda0 = std::clamp(opciones.LambdaInicial, -LambdaMaximo, LambdaMaximo);
    double lambda1 = lambda0 + PasoBarridoLambda;
    double v0 = std::numeric_limits<double>::quiet_NaN();
    if (momentos(lambda0, v0)) {
        double A = 0.0, B = 0.0;
        SumasMomentos(datos, E, A, B);
        if (B != 0.0 && Finito(A / B)) lambda1 = A / B;
    }
    ReglasRaiz reglas;
    reglas.minimo = -LambdaMaximo;
    reglas.maximo = LambdaMaximo;
    reglas.toleranciaAbsoluta = opciones.ToleranciaLambda;
    reglas.maximoEvaluaciones = opciones.MaximoIteracionesLambda;
    reglas.pasoBarrido = PasoBarridoLambda;
    BuscadorRaiz buscador(momentos, reglas);
    const Raiz lambda = buscador.Buscar(lambda0, lambda1, &v0);
    s.IteracionesLambda = buscador.Evaluaciones() + 1;
    if (!lambda.hallada)
        return SinSolucion(s, algunoValido ? EstadoRiguroso::SinConvergencia
                                           : EstadoRiguroso::NoFisico);

    // Solución con el λ hallado.
    const Raiz F = FactorDeFuerzas(datos, lambda.x, Fvigente, opciones, s.IteracionesFactor);
    if (!F.hallada) return SinSolucion(s, EstadoRiguroso::SinConvergencia);
    s.FS = F.x;
    s.Lambda = lambda.x;
    s.AnguloEntreDovelas = std::atan(lambda.x);
    double G = 0.0;
    FuerzaEnElPie(datos, s.FS, s.Lambda, G, &s.E);
    s.X.resize(n + 1);
    for (std::size_t j = 0; j <= n; ++j)
        s.X[j] = s.Lambda * f[j] * s.E[j];

    // Fuerzas en las bases, línea de empuje y residuos.
    s.FuerzaNormal.resize(n);
    s.FuerzaCorte.resize(n);
    s.AlturaEmpuje.assign(n + 1, NoDefinido);
    s.MinimoMAlfa = std::numeric_limits<double>::infinity();
    double momento = 0.0; // z_j·E_j
    for (std::size_t i = 0; i < n; ++i) {
        const Terminos& t = datos.d[i];
        const double dE = s.E[i + 1] - s.E[i], dX = s.X[i + 1] - s.X[i];
        const double N = t.V * t.ca + t.H * t.sa + dE * t.sa - dX * t.ca;
        s.FuerzaNormal[i] = N;
        s.FuerzaCorte[i] = (t.c * t.l + (N - t.u * t.l) * t.tf) / s.FS;
        s.MinimoMAlfa = std::min(s.MinimoMAlfa, Phi(t, s.FS, s.Lambda, f[i + 1]) / s.FS);
        momento += t.yb * dE - Mitad * t.b * (s.X[i] + s.X[i + 1]) + t.M;
        if (i + 1 < n && std::fabs(s.E[i + 1]) > FraccionEmpujeNulo * datos.escalaFuerzas)
            s.AlturaEmpuje[i + 1] = momento / s.E[i + 1] - problema.Bordes[i + 1].OrdenadaBase;
    }
    s.ResiduoFuerzas = std::fabs(s.E[n]) / datos.escalaFuerzas;
    s.ResiduoMomentos = std::fabs(momento) / datos.escalaMomentos;

    bool finitos = Finito(s.FS) && Finito(s.Lambda) && Finito(s.MinimoMAlfa);
    for (std::size_t j = 0; j <= n; ++j)
        finitos = finitos && Finito(s.E[j]) && Finito(s.X[j]);
    for (std::size_t i = 0; i < n; ++i)
        finitos = finitos && Finito(s.FuerzaNormal[i]) && Finito(s.FuerzaCorte[i]);
    if (!finitos) return SinSolucion(s, EstadoRiguroso::NoFinito);
    if (s.ResiduoFuerzas > ResiduoMaximoRaiz || s.ResiduoMomentos > ResiduoMaximoRaiz)
        return SinSolucion(s, EstadoRiguroso::SinConvergencia);
    if (s.FS <= 0.0 || s.MinimoMAlfa <= 0.0) return SinSolucion(s, EstadoRiguroso::NoFisico);
    s.Estado = EstadoRiguroso::Convergio;
    return s;
}

SolucionRigurosa ResolverSpencer(const ProblemaRiguroso& problema,
                                 const OpcionesRigurosas& opciones)
{
    return ResolverConFuncion(problema, FuncionConstante(problema), opciones);
}

SolucionRigurosa ResolverMorgensternPrice(const ProblemaRiguroso& problema,
                                          const OpcionesRigurosas& opciones)
{
    return ResolverConFuncion(problema, FuncionMedioSeno(problema), opciones);
}

AdmisibilidadRigurosa ComprobarAdmisibilidad(const ProblemaRiguroso& problema,
                                             const SolucionRigurosa& solucion,
                                             const CriterioAdmisibilidad& criterio)
{
    AdmisibilidadRigurosa a;
    const std::size_t n = problema.Dovelas.size();
    if (solucion.E.size() != n + 1 || solucion.FuerzaNormal.size() != n ||
        solucion.AlturaEmpuje.size() != n + 1)
        return a;
    double escala = 0.0;
    for (const DovelaRigurosa& d : problema.Dovelas)
        escala += std::fabs(d.Peso);
    escala = std::max(escala, EscalaMinima);
    const double tolerancia = criterio.Holgura * escala;
    auto anotar = [](int& cuantos, double& desde, double& hasta, double x) {
        if (cuantos++ == 0) desde = hasta = x;
        desde = std::max(desde, x); // desde la corona: abscisas decrecientes
        hasta = std::min(hasta, x);
    };
    for (std::size_t j = 1; j < n; ++j) {
        const double E = solucion.E[j];
        const BordeRiguroso& borde = problema.Bordes[j];
        a.MayorCompresion = std::max(a.MayorCompresion, E);
        a.MayorTraccion = std::max(a.MayorTraccion, -E);
        if (E < -tolerancia)
            anotar(a.BordesEnTraccion, a.TraccionDesde, a.TraccionHasta, borde.Abscisa);
        const double h = solucion.AlturaEmpuje[j];
        if (!Finito(h) || E <= criterio.FraccionEmpujeDefinido * escala) continue;
        const double altura = borde.OrdenadaTalud - borde.OrdenadaBase;
        const double margen = criterio.Holgura * std::max(altura, EscalaMinima);
        if (h < -margen || h > altura + margen)
            anotar(a.EmpujeFueraDeLaMasa, a.EmpujeDesde, a.EmpujeHasta, borde.Abscisa);
    }
    for (std::size_t i = 0; i < n; ++i) {
        const DovelaRigurosa& d = problema.Dovelas[i];
        const double l = d.Ancho / std::cos(d.Alfa);
        if (solucion.FuerzaNormal[i] - d.PresionPoros * l < -tolerancia) ++a.BasesEnTraccion;
    }
    return a;
}

SolucionRigurosa FuerzasDesdeLasBases(const ProblemaRiguroso& problema,
                                      const std::vector<double>& N, const std::vector<double>& S,
                                      double fraccionEmpujeNulo)
{
    SolucionRigurosa s;
    const std::size_t n = problema.Dovelas.size();
    if (N.size() != n || S.size() != n || !DatosValidos(problema, FuncionConstante(problema)))
        return s;
    const Datos datos = PrepararDatos(problema, FuncionConstante(problema));
    s.E.assign(n + 1, 0.0);
    s.X.assign(n + 1, 0.0);
    s.AlturaEmpuje.assign(n + 1, NoDefinido);
    s.FuerzaNormal = N;
    s.FuerzaCorte = S;
    double momento = 0.0; // z_j·E_j
    for (std::size_t i = 0; i < n; ++i) {
        const Terminos& t = datos.d[i];
        s.E[i + 1] = s.E[i] - t.H + N[i] * t.sa - S[i] * t.ca;
        s.X[i + 1] = s.X[i] + t.V - N[i] * t.ca - S[i] * t.sa;
        momento += t.yb * (s.E[i + 1] - s.E[i]) - Mitad * t.b * (s.X[i] + s.X[i + 1]) + t.M;
        if (i + 1 < n && std::fabs(s.E[i + 1]) > fraccionEmpujeNulo * datos.escalaFuerzas)
            s.AlturaEmpuje[i + 1] = momento / s.E[i + 1] - problema.Bordes[i + 1].OrdenadaBase;
    }
    s.ResiduoFuerzas = (std::fabs(s.E[n]) + std::fabs(s.X[n])) / datos.escalaFuerzas;
    s.ResiduoMomentos = std::fabs(momento) / datos.escalaMomentos;
    s.Estado = EstadoRiguroso::Convergio;
    return s;
}

} // namespace vertana
