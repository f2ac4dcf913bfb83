#include "methods/rigurosos.h"

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
// Pasos de secante antes de recurrir al barrido.
constexpr int PasosSecante = 12;
// Residuo relativo que se toma como cero exacto (p. ej. un talud infinito, donde toda λ cumple
// los momentos porque E = 0 en todos los bordes).
constexpr double ResiduoDespreciable = 1e-12;
// Residuo relativo máximo de una raíz aceptada: una "raíz" con más residuo es un salto de la
// función (p. ej. F que cambia de rama al variar λ), no una solución.
constexpr double ResiduoMaximoRaiz = 1e-6;
// Aumento relativo de F con que se comprueba que E_n pasa de negativa a positiva en la raíz.
constexpr double SeparacionRama = 1e-6;
// Raíces espurias (E_n decreciente) que se saltan antes de desistir.
constexpr int IntentosRamaFisica = 4;
// |E| por debajo de esta fracción de la escala de fuerzas: la línea de empuje no está definida.
constexpr double FraccionEmpujeNulo = 1e-9;
// Holgura, relativa a la escala de fuerzas o a la altura del borde, de las comprobaciones de
// admisibilidad.
constexpr double HolguraAdmisibilidad = 1e-9;
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

// Búsqueda de la raíz de una función que puede no estar definida en algunos puntos: secante
// desde (x0, x1); en cuanto dos puntos tienen signos distintos, Illinois (regula falsi
// modificada) en ese intervalo; si la secante no converge ni encuentra un cambio de signo, un
// barrido desde x0 hacia ambos lados (pasos lineales o geométricos) busca el intervalo. Sólo se
// acepta una raíz con |valor| ≤ ResiduoMaximoRaiz; un intervalo que encierra un salto de la
// función en vez de una raíz se descarta y el barrido sigue.
struct ReglasRaiz {
    double minimo = 0.0, maximo = 0.0; // intervalo de búsqueda
    double toleranciaAbsoluta = 0.0, toleranciaRelativa = 0.0;
    int maximoEvaluaciones = 0;
    double pasoBarrido = 0.0; // lineal, o razón si `geometrico`
    bool geometrico = false;
};

struct Raiz {
    bool hallada = false;
    double x = 0.0;
};

template <class Funcion> class BuscadorRaiz {
public:
    BuscadorRaiz(Funcion& g, const ReglasRaiz& reglas) : g_(g), r_(reglas) {}

    int Evaluaciones() const { return evaluaciones_; }

    // `v0`, si se da, es el valor ya calculado en x0 (que debe estar dentro del intervalo).
    Raiz Buscar(double x0, double x1, const double* v0conocido = nullptr)
    {
        x0 = Acotar(x0);
        double v0 = 0.0;
        bool valido0 = false;
        if (v0conocido) {
            v0 = *v0conocido;
            valido0 = Finito(v0);
        } else {
            valido0 = Evaluar(x0, v0);
        }
        if (valido0) {
            if (std::fabs(v0) <= ResiduoDespreciable) return {true, x0};
            const Raiz s = Secante(x0, v0, Acotar(x1));
            if (s.hallada || agotado_) return s;
        }
        return Barrido(x0, valido0, v0);
    }

private:
    double Tolerancia(double x) const
    {
        return r_.toleranciaAbsoluta + r_.toleranciaRelativa * std::fabs(x);
    }
    double Acotar(double x) const { return std::clamp(x, r_.minimo, r_.maximo); }

    bool Evaluar(double x, double& v)
    {
        if (evaluaciones_ >= r_.maximoEvaluaciones) {
            agotado_ = true;
            return false;
        }
        ++evaluaciones_;
        return g_(x, v) && Finito(v);
    }

    static bool SignosDistintos(double a, double b) { return (a < 0.0) != (b < 0.0); }

    Raiz Secante(double x0, double v0, double x1)
    {
        for (int paso = 0; paso < PasosSecante; ++paso) {
            if (x1 == x0) return {};
            double v1 = 0.0;
            if (!Evaluar(x1, v1)) return {};
            if (std::fabs(v1) <= ResiduoDespreciable) return {true, x1};
            if (SignosDistintos(v0, v1)) return Illinois(x0, v0, x1, v1);
            if (std::fabs(x1 - x0) <= Tolerancia(x1))
                return {std::fabs(v1) <= ResiduoMaximoRaiz, x1};
            if (v1 == v0) return {};
            const double x2 = x1 - v1 * (x1 - x0) / (v1 - v0);
            if (!Finito(x2)) return {};
            x0 = x1;
            v0 = v1;
            x1 = Acotar(x2);
        }
        return {};
    }

    Raiz Illinois(double a, double va, double b, double vb)
    {
        double anterior = b;
        int lado = 0;
        while (!agotado_) {
            double x = (a * vb - b * va) / (vb - va);
            const double menor = std::min(a, b), mayor = std::max(a, b);
            if (!(x > menor && x < mayor)) x = Mitad * (a + b);
            double v = 0.0;
            if (!Evaluar(x, v)) {
                x = Mitad * (a + b);
                if (!Evaluar(x, v)) return {};
            }
            if (std::fabs(v) <= ResiduoDespreciable) return {true, x};
            if (SignosDistintos(v, va)) {
                b = x;
                vb = v;
                if (lado == -1) va *= Mitad;
                lado = -1;
            } else {
                a = x;
                va = v;
                if (lado == 1) vb *= Mitad;
                lado = 1;
            }
            if (std::fabs(x - anterior) <= Tolerancia(x) || std::fabs(b - a) <= Tolerancia(x))
                return {std::fabs(v) <= ResiduoMaximoRaiz, x};
            anterior = x;
        }
        return {};
    }

    double Paso(double centro, int sentido, int k) const
    {
        if (r_.geometrico) return centro * std::pow(r_.pasoBarrido, sentido * k);
        return centro + sentido * k * r_.pasoBarrido;
    }

    Raiz Barrido(double x0, bool valido0, double v0)
    {
        struct Lado {
            int sentido;
            bool valido;
            double x, v;
            bool terminado;
        };
        Lado lados[2] = {{1, valido0, x0, v0, false}, {-1, valido0, x0, v0, false}};
        for (int k = 1; !agotado_ && !(lados[0].terminado && lados[1].terminado); ++k) {
            for (Lado& s : lados) {
                if (s.terminado) continue;
                const double crudo = Paso(x0, s.sentido, k);
                const double x = Acotar(crudo);
                if (x == s.x) {
                    s.terminado = true;
                    continue;
                }
                if (crudo != x) s.terminado = true; // el último punto es el extremo
                double v = 0.0;
                const bool valido = Evaluar(x, v);
                if (agotado_) return {};
                if (valido && std::fabs(v) <= ResiduoDespreciable) return {true, x};
                if (valido && s.valido && SignosDistintos(v, s.v)) {
                    const Raiz r = Illinois(s.x, s.v, x, v);
                    if (r.hallada || agotado_) return r;
                }
                s.valido = valido;
                s.x = x;
                s.v = v;
            }
        }
        return {};
    }

    Funcion& g_;
    ReglasRaiz r_;
    int evaluaciones_ = 0;
    bool agotado_ = false;
};

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
                                             const SolucionRigurosa& solucion)
{
    AdmisibilidadRigurosa a;
    const std::size_t n = problema.Dovelas.size();
    if (solucion.E.size() != n + 1 || solucion.FuerzaNormal.size() != n) return a;
    double escala = 0.0;
    for (const DovelaRigurosa& d : problema.Dovelas)
        escala += std::fabs(d.Peso);
    const double tolerancia = HolguraAdmisibilidad * std::max(escala, EscalaMinima);
    for (std::size_t j = 1; j < n; ++j) {
        if (solucion.E[j] < -tolerancia) ++a.BordesEnTraccion;
        const double h = solucion.AlturaEmpuje[j];
        if (!Finito(h)) continue;
        const BordeRiguroso& borde = problema.Bordes[j];
        const double altura = borde.OrdenadaTalud - borde.OrdenadaBase;
        const double holgura = HolguraAdmisibilidad * std::max(altura, EscalaMinima);
        if (h < -holgura || h > altura + holgura) ++a.EmpujeFueraDeLaMasa;
    }
    for (std::size_t i = 0; i < n; ++i) {
        const DovelaRigurosa& d = problema.Dovelas[i];
        const double l = d.Ancho / std::cos(d.Alfa);
        if (solucion.FuerzaNormal[i] - d.PresionPoros * l < -tolerancia) ++a.BasesEnTraccion;
    }
    return a;
}

} // namespace vertana
