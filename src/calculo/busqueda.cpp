#include "calculo/busqueda.h"

#include "calculo/busqueda_ensayos.h"
#include "calculo/busqueda_interaccion.h"
#include "calculo/calculo.h"
#include "geometry/preparacion.h"
#include "methods/dovelas_rigurosas.h"
#include "methods/rigurosos.h"
#include "model/textos.h"
#include "model/unidades.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <cmath>
#include <limits>
#include <thread>

namespace vertana {

namespace {

// Reparto de los ensayos entre los hilos: tandas de este tamaño.
constexpr long EnsayosPorTanda = 64;
// La función de avance se llama como mucho cada tanto (s).
constexpr double IntervaloAvance = 0.05;
// Entrada y salida: ángulos (mitad del ángulo central del arco) del más plano al más hondo.
constexpr double MitadAnguloArcoMinimo = 5.0;  // grados
constexpr double MitadAnguloArcoMaximo = 80.0; // grados
// Nelder-Mead del mejor círculo: evaluaciones por arranque, arranques, coeficientes usuales
// (reflexión, expansión, contracción, encogimiento) y tolerancias de parada.
constexpr int EvaluacionesRefinamiento = 300;
constexpr int ArranquesRefinamiento = 2;
constexpr int CirculosRefinados = 3; // los mejores de centros distintos
constexpr double Reflexion = 1.0, Expansion = 2.0, Contraccion = 0.5, Encogimiento = 0.5;
constexpr double ToleranciaFactorSimplex = 1e-6;
constexpr double ToleranciaTamanoSimplex = 1e-4;  // m
constexpr double PasoRefinamientoRelativo = 0.05; // del radio, si la rejilla no da un paso
// Un círculo pasa por el punto de paso si su radio difiere de la distancia en menos que esto
// (fracción del radio; los de la rejilla lo hacen hasta el redondeo).
constexpr double ToleranciaPuntoDePaso = 1e-12;
// Poligonal: pasos de los vértices (fracción del ancho entre vértices) y parada.
constexpr double PasoInicialVertices = 0.25;
constexpr double PasoMinimoVertices = 0.005; // m
constexpr int EvaluacionesNoCircular = 4000;
constexpr int DivisionesNoCircular = 1; // veces que se intercalan vértices a media distancia
constexpr double SeparacionMinimaVertices = 0.01; // m en abscisa
// Admisibilidad cinemática: la inclinación de cada tramo no supera a la del tramo anterior (más
// cerca de la corona) en más de esto.
constexpr double ToleranciaConvexidad = 5.0; // grados
constexpr double MejoraMinima = 1e-9;        // de factor, para aceptar un movimiento
constexpr int CandidatosFinales = 8;         // superficies que se calculan por el camino completo

double Infinito()
{
    return std::numeric_limits<double>::infinity();
}

using Reloj = std::chrono::steady_clock;

double SegundosDesde(Reloj::time_point t0)
{
    return std::chrono::duration<double>(Reloj::now() - t0).count();
}

// Coordina los hilos, el avance y la cancelación de una búsqueda.
class Coordinador {
public:
    Coordinador(const Proyecto& p, const SeccionBusqueda& s, const OpcionesBusqueda& o,
                const FuncionAvance& avance, const std::atomic<bool>* cancelar)
        : avance_(avance), cancelar_(cancelar)
    {
        hilos_ = o.Hilos > 0 ? o.Hilos : static_cast<int>(std::thread::hardware_concurrency());
        hilos_ = std::max(1, hilos_);
        const LimitesEnsayo limites{o.ProfundidadMinima, o.AreaMinima};
        for (int h = 0; h < hilos_; ++h)
            evaluadores_.push_back(CrearEvaluador(p, s, o.Metodo, o.EvaluadorGeneral, limites));
        // El primer aviso sale con la primera tanda.
        ultimoAvance_ = Reloj::now() - std::chrono::seconds(1);
    }

    int Hilos() const { return hilos_; }
    bool Parado() const { return parar_.load(); }
    long Ensayos() const { return ensayos_.load(); }
    long Validos() const { return validos_.load(); }
    void Prever(long n) { previstos_ += n; }
    void Etapa(const char* etapa) { etapa_ = etapa; }
    void Mejor(double f) { mejor_ = std::min(mejor_, f); }

    // Evalúa en el hilo que llama (refinamientos).
    EnsayoEvaluado Evaluar(const SuperficieEnsayo& s)
    {
        const EnsayoEvaluado r = evaluadores_[0]->Evaluar(s);
        Contar(r);
        Avisar(false);
        return r;
    }

    // Evalúa las superficies en todos los hilos.
    std::vector<EnsayoEvaluado> EvaluarTodas(const std::vector<SuperficieEnsayo>& todas)
    {
        std::vector<EnsayoEvaluado> r(todas.size());
        const long total = static_cast<long>(todas.size());
        std::atomic<long> siguiente{0};
        auto trabajar = [&](int h, bool principal) {
            for (;;) {
                if (parar_.load() || (cancelar_ && cancelar_->load())) {
                    parar_ = true;
                    return;
                }
                const long i0 = siguiente.fetch_add(EnsayosPorTanda);
                if (i0 >= total) return;
                const long i1 = std::min(total, i0 + EnsayosPorTanda);
                for (long i = i0; i < i1; ++i) {
                    const auto k = static_cast<std::size_t>(i);
                    r[k] = evaluadores_[static_cast<std::size_t>(h)]->Evaluar(todas[k]);
                    Contar(r[k]);
                }
                if (principal) Avisar(false);
            }
        };
        std::vector<std::thread> hilos;
        for (int h = 1; h < hilos_; ++h)
            hilos.emplace_back(trabajar, h, false);
        trabajar(0, true);
        for (auto& t : hilos)
            t.join();
        for (const auto& e : r)
            if (e.Valido) Mejor(e.FactorSeguridad);
        Avisar(true);
        return r;
    }

    // Llama a la función de avance (como mucho cada IntervaloAvance, o siempre con `ahora`).
    void Avisar(bool ahora)
    {
        if (cancelar_ && cancelar_->load()) parar_ = true;
        if (!avance_ || parar_.load()) return;
        if (!ahora && SegundosDesde(ultimoAvance_) < IntervaloAvance) return;
        ultimoAvance_ = Reloj::now();
        AvanceBusqueda a;
        a.Ensayos = ensayos_.load();
        a.Previstos = std::max(previstos_, a.Ensayos);
        a.MejorFactor = std::isfinite(mejor_) ? mejor_ : 0.0;
        a.Etapa = etapa_;
        if (!avance_(a)) parar_ = true;
    }

private:
    void Contar(const EnsayoEvaluado& r)
    {
        ++ensayos_;
        if (r.Valido) ++validos_;
    }

    const FuncionAvance& avance_;
    const std::atomic<bool>* cancelar_;
    int hilos_ = 1;
    std::vector<std::unique_ptr<EvaluadorEnsayos>> evaluadores_;
    std::atomic<bool> parar_{false};
    std::atomic<long> ensayos_{0}, validos_{0};
    long previstos_ = 0;
    double mejor_ = Infinito();
    const char* etapa_ = "";
    Reloj::time_point ultimoAvance_;
};

SuperficieEnsayo Circulo(double xo, double yo, double R)
{
    SuperficieEnsayo s;
    s.Circular = true;
    s.XCentro = xo;
    s.YCentro = yo;
    s.Radio = R;
    return s;
}

double Repartido(double a, double b, int n, int k)
{
    return n <= 1 ? a : a + (b - a) * k / (n - 1);
}

// Ordenadas de las horizontales a las que son tangentes los círculos de cada centro.
std::vector<double> OrdenadasTangentes(const SeccionBusqueda& s, const OpcionesBusqueda& o)
{
    std::vector<double> y;
    for (int k = 0; k < o.Radios; ++k) {
        if (o.TangenteYMin && o.TangenteYMax)
            y.push_back(Repartido(*o.TangenteYMin, *o.TangenteYMax, o.Radios, k));
        else
            y.push_back(s.YFondo + (s.YCorona - s.YFondo) * k / o.Radios);
    }
    return y;
}

// Círculos de la rejilla: por centro, los radios tangentes a las horizontales, o el que pasa por
// el punto dado.
std::vector<SuperficieEnsayo> CirculosDeRejilla(const SeccionBusqueda& s, const OpcionesBusqueda& o,
                                                std::vector<int>& centroDe)
{
    const RejillaCentros& g = *o.Rejilla;
    const std::vector<double> tangentes = OrdenadasTangentes(s, o);
    std::vector<SuperficieEnsayo> r;
    for (int i = 0; i < g.NX; ++i) {
        for (int j = 0; j < g.NY; ++j) {
            const double xo = Repartido(g.XMin, g.XMax, g.NX, i);
            const double yo = Repartido(g.YMin, g.YMax, g.NY, j);
            if (o.DefinicionRadios == RadiosDeRejilla::PorPunto) {
                const double R = std::hypot(xo - o.PuntoDePaso.x, yo - o.PuntoDePaso.y);
                if (!(R > 0.0)) continue;
                r.push_back(Circulo(xo, yo, R));
                centroDe.push_back(i * g.NY + j);
                continue;
            }
            for (const double yt : tangentes) {
                if (!(yo > yt)) continue;
                r.push_back(Circulo(xo, yo, yo - yt));
                centroDe.push_back(i * g.NY + j);
            }
        }
    }
    return r;
}

// Círculos por cada par de puntos de entrada y de salida sobre el talud, con el centro sobre la
// mediatriz de la cuerda, del lado de arriba, y mitad del ángulo central entre
// MitadAnguloArcoMinimo y MitadAnguloArcoMaximo.
std::vector<SuperficieEnsayo> CirculosDeEntradaSalida(const SeccionBusqueda& s,
                                                      const TramosEntradaSalida& t, int radios)
{
    std::vector<SuperficieEnsayo> r;
    for (int i = 0; i < t.PuntosEntrada; ++i) {
        const double xe = Repartido(t.EntradaX1, t.EntradaX2, t.PuntosEntrada, i);
        const auto ye = s.Talud.Ordenada(xe);
        if (!ye) continue;
        for (int j = 0; j < t.PuntosSalida; ++j) {
            const double xs = Repartido(t.SalidaX1, t.SalidaX2, t.PuntosSalida, j);
            const auto ys = s.Talud.Ordenada(xs);
            if (!ys || !(xe > xs)) continue;
            const double cx = xe - xs, cy = *ye - *ys;
            const double c = std::hypot(cx, cy);
            const double nx = -cy / c, ny = cx / c; // normal hacia arriba
            const double mx = (xe + xs) / 2.0, my = (*ye + *ys) / 2.0;
            for (int k = 0; k < radios; ++k) {
                const double theta =
                    Radianes(Repartido(MitadAnguloArcoMinimo, MitadAnguloArcoMaximo, radios, k));
                const double d = (c / 2.0) / std::tan(theta);
                const double xo = mx + d * nx, yo = my + d * ny;
                if (yo < std::max(*ye, *ys)) continue;
                r.push_back(Circulo(xo, yo, (c / 2.0) / std::sin(theta)));
            }
        }
    }
    return r;
}

// Nelder-Mead sobre (xo, yo, R) o, con un punto de paso, sobre (xo, yo) con el radio que llega
// al punto.
SuperficieConFactor RefinarCirculo(Coordinador& co, const SuperficieConFactor& inicio,
                                   const double pasos[3], const std::optional<Punto2>& paso)
{
    using V = std::array<double, 3>;
    const int n = paso ? 2 : 3; // dimensión: n + 1 vértices del símplex
    auto circulo = [&](const V& v) {
        const double R = paso ? std::hypot(v[0] - paso->x, v[1] - paso->y) : v[2];
        return Circulo(v[0], v[1], R);
    };
    auto f = [&](const V& v) {
        const EnsayoEvaluado e = co.Evaluar(circulo(v));
        return e.Valido ? e.FactorSeguridad : Infinito();
    };
    V mejor{inicio.Superficie.XCentro, inicio.Superficie.YCentro, inicio.Superficie.Radio};
    double fMejor = inicio.FactorSeguridad;
    double escala = 1.0;
    for (int arranque = 0; arranque < ArranquesRefinamiento && !co.Parado(); ++arranque) {
        std::array<V, 4> x;
        std::array<double, 4> fx;
        x[0] = mejor;
        fx[0] = fMejor;
        for (int k = 0; k < n; ++k) {
            x[k + 1] = mejor;
            x[k + 1][k] += pasos[k] * escala;
            fx[k + 1] = f(x[k + 1]);
        }
        for (int iteracion = 0; iteracion < EvaluacionesRefinamiento && !co.Parado(); ++iteracion) {
            // Vértices de menor a mayor factor (inserción: son a lo sumo cuatro).
            std::array<int, 4> o{0, 1, 2, 3};
            for (int i = 1; i <= n; ++i)
                for (int j = i; j > 0 && fx[o[j]] < fx[o[j - 1]]; --j)
                    std::swap(o[j], o[j - 1]);
            const int b = o[0], w = o[n], sw = o[n - 1];
            double tam = 0.0;
            for (int k = 1; k <= n; ++k)
                for (int c = 0; c < n; ++c)
                    tam = std::max(tam, std::fabs(x[o[k]][c] - x[b][c]));
            if (std::isfinite(fx[w]) && fx[w] - fx[b] < ToleranciaFactorSimplex &&
                tam < ToleranciaTamanoSimplex)
                break;
            V cen = x[b]; // el radio no usado (con punto de paso) queda como el del mejor
            for (int c = 0; c < n; ++c) {
                cen[c] = 0.0;
                for (int k = 0; k < n; ++k)
                    cen[c] += x[o[k]][c] / n;
            }
            auto punto = [&](double t) {
                V v = cen;
                for (int c = 0; c < n; ++c)
                    v[c] = cen[c] + t * (x[w][c] - cen[c]);
                return v;
            };
            const V xr = punto(-Reflexion);
            const double fr = f(xr);
            if (fr < fx[b]) {
                const V xe = punto(-Expansion);
                const double fe = f(xe);
                if (fe < fr) {
                    x[w] = xe;
                    fx[w] = fe;
                } else {
                    x[w] = xr;
                    fx[w] = fr;
                }
            } else if (fr < fx[sw]) {
                x[w] = xr;
                fx[w] = fr;
            } else {
                const V xc = punto(fr < fx[w] ? -Contraccion : Contraccion);
                const double fc = f(xc);
                if (fc < std::min(fr, fx[w])) {
                    x[w] = xc;
                    fx[w] = fc;
                } else {
                    for (int k = 1; k <= n; ++k) {
                        const int i = o[k];
                        for (int c = 0; c < n; ++c)
                            x[i][c] = x[b][c] + Encogimiento * (x[i][c] - x[b][c]);
                        fx[i] = f(x[i]);
                    }
                }
            }
        }
        for (int k = 0; k <= n; ++k)
            if (fx[k] < fMejor) {
                fMejor = fx[k];
                mejor = x[k];
            }
        escala *= Encogimiento;
    }
    SuperficieConFactor r{circulo(mejor), fMejor};
    co.Mejor(fMejor);
    return r;
}

// Poligonal admisible: abscisas decrecientes, extremos sobre el talud, vértices interiores bajo
// él, y tramos cuya inclinación no crece de la corona al pie más que ToleranciaConvexidad.
bool PoligonalAdmisible(const SeccionBusqueda& s, const std::vector<Punto2>& P)
{
    const double tolerancia = Radianes(ToleranciaConvexidad);
    double anterior = Infinito();
    for (std::size_t k = 0; k + 1 < P.size(); ++k) {
        if (!(P[k].x - P[k + 1].x >= SeparacionMinimaVertices)) return false;
        const double a = std::atan((P[k].y - P[k + 1].y) / (P[k].x - P[k + 1].x));
        if (a > anterior + tolerancia) return false;
        anterior = a;
    }
    for (std::size_t k = 1; k + 1 < P.size(); ++k) {
        const auto t = s.Talud.Ordenada(P[k].x);
        if (!t || !(P[k].y < *t)) return false;
    }
    return true;
}

// Poligonal optimizada desde un círculo: variables alternadas (Celestino y Duncan, 1981). Cada
// vértice interior se mueve en vertical y cada extremo a lo largo del talud, ±paso; un movimiento
// se queda si baja el factor; sin mejora en una vuelta el paso se reduce a la mitad. Después se
// intercalan vértices a media distancia y se repite.
SuperficieConFactor OptimizarPoligonal(Coordinador& co, const SeccionBusqueda& s,
                                       const SuperficieConFactor& circulo,
                                       const EnsayoEvaluado& extremos, int vertices)
{
    const int n = std::max(3, vertices);
    std::vector<Punto2> P(static_cast<std::size_t>(n));
    const SuperficieEnsayo& c = circulo.Superficie;
    for (int k = 0; k < n; ++k) {
        const double x = Repartido(extremos.Entrada.x, extremos.Salida.x, n, k);
        const double d = x - c.XCentro;
        P[static_cast<std::size_t>(k)] = {x, c.YCentro - std::sqrt(c.Radio * c.Radio - d * d)};
    }
    P.front() = extremos.Entrada;
    P.back() = extremos.Salida;
    auto f = [&](const std::vector<Punto2>& Q) {
        if (!PoligonalAdmisible(s, Q)) return Infinito();
        SuperficieEnsayo sup;
        sup.Circular = false;
        sup.Puntos = Q;
        const EnsayoEvaluado e = co.Evaluar(sup);
        return e.Valido ? e.FactorSeguridad : Infinito();
    };
    double fP = f(P);
    int evaluaciones = 1;
    for (int division = 0; division <= DivisionesNoCircular && !co.Parado(); ++division) {
        double paso =
            PasoInicialVertices * (P.front().x - P.back().x) / static_cast<double>(P.size() - 1);
        while (paso >= PasoMinimoVertices && evaluaciones < EvaluacionesNoCircular &&
               !co.Parado()) {
            bool mejoro = false;
            for (std::size_t k = 0; k < P.size() && !co.Parado(); ++k) {
                for (const double signo : {1.0, -1.0}) {
                    std::vector<Punto2> Q = P;
                    if (k == 0 || k + 1 == P.size()) {
                        Q[k].x += signo * paso;
                        const auto y = s.Talud.Ordenada(Q[k].x);
                        if (!y) continue;
                        Q[k].y = *y;
                    } else {
                        Q[k].y += signo * paso;
                    }
                    const double fQ = f(Q);
                    ++evaluaciones;
                    if (fQ < fP - MejoraMinima) {
                        P = std::move(Q);
                        fP = fQ;
                        mejoro = true;
                        break;
                    }
                }
            }
            if (!mejoro) paso /= 2.0;
        }
        if (division == DivisionesNoCircular) break;
        std::vector<Punto2> Q;
        for (std::size_t k = 0; k + 1 < P.size(); ++k) {
            Q.push_back(P[k]);
            Q.push_back({(P[k].x + P[k + 1].x) / 2.0, (P[k].y + P[k + 1].y) / 2.0});
        }
        Q.push_back(P.back());
        P = std::move(Q);
    }
    SuperficieEnsayo sup;
    sup.Circular = false;
    sup.Puntos = P;
    co.Mejor(fP);
    return {sup, fP};
}

bool Finito(double v)
{
    return std::isfinite(v);
}

std::optional<std::string> ValidarOpciones(const OpcionesBusqueda& o)
{
    if (!o.Rejilla && !o.EntradaSalida) return std::string(textos::BusquedaSinDefinicion);
    if (o.Rejilla) {
        const auto& g = *o.Rejilla;
        if (g.NX < 1 || g.NY < 1 || !Finito(g.XMin) || !Finito(g.XMax) || !Finito(g.YMin) ||
            !Finito(g.YMax))
            return std::string(textos::BusquedaRejillaNoValida);
    }
    if (o.EntradaSalida) {
        const auto& t = *o.EntradaSalida;
        if (t.PuntosEntrada < 1 || t.PuntosSalida < 1 || !Finito(t.EntradaX1) ||
            !Finito(t.EntradaX2) || !Finito(t.SalidaX1) || !Finito(t.SalidaX2))
            return std::string(textos::BusquedaTramosNoValidos);
    }
    if (o.Radios < 1) return std::string(textos::BusquedaRejillaNoValida);
    if (o.TangenteYMin.has_value() != o.TangenteYMax.has_value() ||
        (o.TangenteYMin && (!Finito(*o.TangenteYMin) || !Finito(*o.TangenteYMax))))
        return std::string(textos::BusquedaTangentesNoValidas);
    if (o.DefinicionRadios == RadiosDeRejilla::PorPunto &&
        (!Finito(o.PuntoDePaso.x) || !Finito(o.PuntoDePaso.y)))
        return std::string(textos::BusquedaPuntoDePasoNoValido);
    if (o.NoCircular &&
        (o.Metodo == MetodoBusqueda::Fellenius || o.Metodo == MetodoBusqueda::Bishop))
        return std::string(textos::BusquedaNoCircularMetodo);
    return std::nullopt;
}

// Conserva las `n` superficies de menor factor.
void Conservar(std::vector<SuperficieConFactor>& mejores, const SuperficieConFactor& s, int n)
{
    if (!std::isfinite(s.FactorSeguridad)) return;
    auto pos = std::upper_bound(
        mejores.begin(), mejores.end(), s.FactorSeguridad,
        [](double f, const SuperficieConFactor& m) { return f < m.FactorSeguridad; });
    mejores.insert(pos, s);
    if (static_cast<int>(mejores.size()) > n) mejores.resize(static_cast<std::size_t>(n));
}

} // namespace

std::optional<Metodo> MetodoDelPrograma(MetodoBusqueda metodo)
{
    switch (metodo) {
    case MetodoBusqueda::Fellenius:
        return Metodo::Fellenius;
    case MetodoBusqueda::Bishop:
        return Metodo::Bishop;
    case MetodoBusqueda::Janbu:
        return Metodo::Janbu;
    default:
        return std::nullopt;
    }
}

const char* NombreMetodoBusqueda(MetodoBusqueda metodo)
{
    switch (metodo) {
    case MetodoBusqueda::Fellenius:
        return textos::NombreMetodoFellenius;
    case MetodoBusqueda::Bishop:
        return textos::NombreMetodoBishop;
    case MetodoBusqueda::Janbu:
        return textos::NombreMetodoJanbu;
    case MetodoBusqueda::Spencer:
        return textos::NombreMetodoSpencer;
    case MetodoBusqueda::MorgensternPrice:
        return textos::NombreMetodoMorgensternPrice;
    }
    return "";
}

void AdoptarSuperficie(Proyecto& p, const SuperficieEnsayo& s, MetodoBusqueda metodo)
{
    const int n = static_cast<int>(s.Puntos.size());
    RedimensionarConjunto(p.AbscisasFalla, p.OrdenadasFalla, n);
    for (int k = 1; k <= n; ++k) {
        p.AbscisasFalla(k) = s.Puntos[static_cast<std::size_t>(k - 1)].x;
        p.OrdenadasFalla(k) = s.Puntos[static_cast<std::size_t>(k - 1)].y;
    }
    const int uniones = s.Circular ? 1 : std::max(0, n - 1);
    p.NumeroTiposDeFalla = static_cast<Entero16>(uniones);
    p.PuntoInicialTipoFalla.Redimensionar(uniones);
    p.PuntoFinalTipoFalla.Redimensionar(uniones);
    p.TipoDeFalla.Redimensionar(uniones);
    for (int d = 1; d <= uniones; ++d) {
        p.PuntoInicialTipoFalla(d) = d;
        p.PuntoFinalTipoFalla(d) = d + 1;
        p.TipoDeFalla(d) = s.Circular ? TipoUnion::Circular : TipoUnion::Recta;
    }
    p.TiposDeFallaDefinidos = true;
    if (s.Circular) {
        p.RadioCirculoFalla = s.Radio;
        p.CentroCirculoX = p.CentroCirculoXGuardado = s.XCentro;
        p.CentroCirculoY = p.CentroCirculoYGuardado = s.YCentro;
        if (n >= 2)
            p.CuerdaCirculo =
                std::hypot(s.Puntos[0].x - s.Puntos[1].x, s.Puntos[0].y - s.Puntos[1].y);
    } else {
        p.RadioCirculoFalla = 0.0;
    }
    p.VariaElRadio = false;
    p.VariaElRadioSN = false;
    if (const auto m = MetodoDelPrograma(metodo)) p.MetodoDeCalculo = *m;
    if (!(p.FSInicial > 0.0)) p.FSInicial = 1.0;
    // Los resultados y las presiones por dovela eran de otra superficie.
    p.HayResultados = false;
    p.NumeroIteraciones = 0;
    p.HayValoresDeHt = false;
    p.PresionesDePorosDadas = false;
    p.PresionPorosDovela.Vaciar();
    p.DatosGuardados = false;
    p.CoordenadasSinCambios = false;
}

std::optional<double> CalcularSuperficie(const Proyecto& p, const SuperficieEnsayo& s,
                                         MetodoBusqueda metodo, std::string* mensaje)
{
    Proyecto q = p;
    AdoptarSuperficie(q, s, metodo);
    EstadoCalculo e;
    ReiniciarEstadoCalculo(e);
    InteraccionDeBusqueda ui;
    std::optional<double> F;
    if (const auto m = MetodoDelPrograma(metodo)) {
        const ResultadoCalculo r = Calcular(q, e, *m, {}, ui);
        F = r.FactorSeguridad;
    } else if (EjecutarPreparacion(q, e, ui) && q.NumeroPuntosDovelas >= 2) {
        const ProblemaRiguroso problema = ProblemaRigurosoDesdeDovelas(q, e);
        OpcionesRigurosas opciones;
        if (q.FSInicial > 0.0) opciones.FactorInicial = q.FSInicial;
        const SolucionRigurosa sol = metodo == MetodoBusqueda::Spencer
                                         ? ResolverSpencer(problema, opciones)
                                         : ResolverMorgensternPrice(problema, opciones);
        if (sol.Estado == EstadoRiguroso::Convergio && std::isfinite(sol.FS) && sol.FS > 0.0)
            F = sol.FS;
    }
    if (mensaje) *mensaje = ui.UltimoMensaje();
    return F;
}

ResultadoBusqueda BuscarSuperficieCritica(const Proyecto& p, const OpcionesBusqueda& o,
                                          const FuncionAvance& avance,
                                          const std::atomic<bool>* cancelar)
{
    const auto t0 = Reloj::now();
    ResultadoBusqueda r;
    if (auto error = ValidarOpciones(o)) {
        r.Mensaje = *error;
        return r;
    }
    SeccionBusqueda s;
    if (auto error = ArmarSeccion(p, s)) {
        r.Mensaje = *error;
        return r;
    }
    Coordinador co(p, s, o, avance, cancelar);
    r.HilosUsados = co.Hilos();
    auto terminar = [&](EstadoBusqueda estado, const char* mensaje) {
        r.Estado = estado;
        r.Mensaje = mensaje;
        r.Ensayos = co.Ensayos();
        r.EnsayosValidos = co.Validos();
        r.Segundos = SegundosDesde(t0);
        return r;
    };

    // 1. Círculos de la rejilla o de la entrada y la salida.
    std::vector<SuperficieEnsayo> circulos;
    std::vector<int> centroDe;
    double pasos[3] = {0.0, 0.0, 0.0};
    if (o.Rejilla) {
        const auto& g = *o.Rejilla;
        circulos = CirculosDeRejilla(s, o, centroDe);
        pasos[0] = g.NX > 1 ? (g.XMax - g.XMin) / (g.NX - 1) : 0.0;
        pasos[1] = g.NY > 1 ? (g.YMax - g.YMin) / (g.NY - 1) : 0.0;
        pasos[2] = (s.YCorona - s.YFondo) / o.Radios;
        if (o.TangenteYMin && o.TangenteYMax && o.Radios > 1)
            pasos[2] = std::fabs(*o.TangenteYMax - *o.TangenteYMin) / (o.Radios - 1);
        r.Mapa.resize(static_cast<std::size_t>(g.NX * g.NY));
        for (int i = 0; i < g.NX; ++i)
            for (int j = 0; j < g.NY; ++j)
                r.Mapa[static_cast<std::size_t>(i * g.NY + j)] = {
                    Repartido(g.XMin, g.XMax, g.NX, i), Repartido(g.YMin, g.YMax, g.NY, j), {}};
    }
    if (o.EntradaSalida) {
        auto otros = CirculosDeEntradaSalida(s, *o.EntradaSalida, o.Radios);
        centroDe.insert(centroDe.end(), otros.size(), -1);
        circulos.insert(circulos.end(), otros.begin(), otros.end());
    }
    co.Prever(static_cast<long>(circulos.size()));
    if (o.Refinar)
        co.Prever(static_cast<long>(CirculosRefinados) * ArranquesRefinamiento *
                  EvaluacionesRefinamiento);
    if (o.NoCircular) co.Prever(EvaluacionesNoCircular);
    co.Etapa("rejilla");
    const std::vector<EnsayoEvaluado> evaluados = co.EvaluarTodas(circulos);
    if (co.Parado()) return terminar(EstadoBusqueda::Cancelada, textos::BusquedaCancelada);

    std::vector<SuperficieConFactor> mejores;
    // Los mejores de centros distintos, para refinar.
    std::vector<SuperficieConFactor> semillas;
    for (std::size_t k = 0; k < circulos.size(); ++k) {
        const EnsayoEvaluado& e = evaluados[k];
        if (!e.Valido) continue;
        SuperficieConFactor sf{circulos[k], e.FactorSeguridad};
        sf.Superficie.Puntos = {e.Entrada, e.Salida};
        Conservar(mejores, sf, std::max(o.Mejores, CandidatosFinales));
        if (centroDe[k] >= 0) {
            auto& m = r.Mapa[static_cast<std::size_t>(centroDe[k])].FactorSeguridad;
            if (!m || e.FactorSeguridad < *m) m = e.FactorSeguridad;
        }
    }
    for (const auto& m : mejores) {
        const bool repetido = std::any_of(semillas.begin(), semillas.end(), [&](const auto& sm) {
            return sm.Superficie.XCentro == m.Superficie.XCentro &&
                   sm.Superficie.YCentro == m.Superficie.YCentro;
        });
        if (!repetido && static_cast<int>(semillas.size()) < CirculosRefinados)
            semillas.push_back(m);
    }
    if (mejores.empty())
        return terminar(EstadoBusqueda::SinSuperficie, textos::BusquedaSinSuperficieValida);

    // 2. Refinamiento local de los mejores círculos.
    if (o.Refinar) {
        co.Etapa("refinamiento");
        for (const auto& semilla : semillas) {
            double p3[3];
            for (int k = 0; k < 3; ++k)
                p3[k] =
                    pasos[k] > 0.0 ? pasos[k] : PasoRefinamientoRelativo * semilla.Superficie.Radio;
            // Con un punto de paso los círculos de la rejilla pasan por él; los de la entrada y
            // la salida, no.
            const bool porPunto =
                o.DefinicionRadios == RadiosDeRejilla::PorPunto &&
                std::fabs(std::hypot(semilla.Superficie.XCentro - o.PuntoDePaso.x,
                                     semilla.Superficie.YCentro - o.PuntoDePaso.y) -
                          semilla.Superficie.Radio) <=
                    ToleranciaPuntoDePaso * semilla.Superficie.Radio;
            SuperficieConFactor refinado = RefinarCirculo(
                co, semilla, p3, porPunto ? std::optional<Punto2>(o.PuntoDePaso) : std::nullopt);
            if (co.Parado()) return terminar(EstadoBusqueda::Cancelada, textos::BusquedaCancelada);
            const EnsayoEvaluado e = co.Evaluar(refinado.Superficie);
            if (!e.Valido) continue;
            refinado.Superficie.Puntos = {e.Entrada, e.Salida};
            Conservar(mejores, refinado, std::max(o.Mejores, CandidatosFinales));
        }
    }

    // 3. Poligonal optimizada desde el círculo crítico.
    std::vector<SuperficieConFactor> candidatos(
        mejores.begin(),
        mejores.begin() + std::min<std::ptrdiff_t>(CandidatosFinales,
                                                   static_cast<std::ptrdiff_t>(mejores.size())));
    if (o.NoCircular) {
        co.Etapa("no circular");
        const SuperficieConFactor& critico = mejores.front();
        EnsayoEvaluado extremos;
        extremos.Entrada = critico.Superficie.Puntos.front();
        extremos.Salida = critico.Superficie.Puntos.back();
        SuperficieConFactor poligonal =
            OptimizarPoligonal(co, s, critico, extremos, o.VerticesNoCircular);
        if (co.Parado()) return terminar(EstadoBusqueda::Cancelada, textos::BusquedaCancelada);
        if (std::isfinite(poligonal.FactorSeguridad)) {
            Conservar(mejores, poligonal, std::max(o.Mejores, CandidatosFinales));
            candidatos.insert(candidatos.begin(), poligonal);
        }
    }
    co.Avisar(true);
    if (co.Parado()) return terminar(EstadoBusqueda::Cancelada, textos::BusquedaCancelada);

    // 4. Cálculo completo de los candidatos; se entrega el de menor factor.
    std::optional<double> mejorCompleto;
    std::string mensaje;
    for (const auto& c : candidatos) {
        const auto F = CalcularSuperficie(p, c.Superficie, o.Metodo, &mensaje);
        if (F && (!mejorCompleto || *F < *mejorCompleto)) {
            mejorCompleto = F;
            r.Critica = c.Superficie;
            r.FactorEnsayo = c.FactorSeguridad;
        }
    }
    if (static_cast<int>(mejores.size()) > o.Mejores)
        mejores.resize(static_cast<std::size_t>(std::max(0, o.Mejores)));
    r.Mejores = std::move(mejores);
    if (!mejorCompleto)
        return terminar(EstadoBusqueda::SinSuperficie, textos::BusquedaNoReproducida);
    r.FactorSeguridad = *mejorCompleto;
    return terminar(EstadoBusqueda::Hallada, "");
}

} // namespace vertana
