#include "calculo/busqueda_ensayos.h"

#include "calculo/busqueda_interaccion.h"
#include "calculo/calculo.h"
#include "geometry/generar_dovelas.h"
#include "geometry/poligonal.h"
#include "geometry/preparacion.h"
#include "geometry/presiones_de_poros.h"
#include "methods/bishop.h"
#include "methods/datos_metodo.h"
#include "methods/dovelas_rigurosas.h"
#include "methods/fellenius.h"
#include "methods/rigurosos.h"
#include "model/textos.h"
#include "model/unidades.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace vertana {

namespace {

constexpr double OrdenadaMinimaInicial = -100000000.0; // como la preparación, para ymax
constexpr double ToleranciaCrucesIguales = 0.001;      // m entre dos cruces que cuentan como uno
constexpr double AnchoMinimoSuperficie = 0.01;         // m entre la entrada y la salida
constexpr Entero16 TipoTerraplen = 1;                  // "A": terraplén o relleno artificial
constexpr double Mitad = 0.5;

double Infinito()
{
    return std::numeric_limits<double>::infinity();
}

// Raíces x de la recta y = ya + m·(x − xa) con el círculo, en [xIzq, xDer] y en su arco
// inferior (y ≤ yo).
template <typename Agregar>
void CrucesRectaCirculo(double xIzq, double xDer, double xa, double ya, double m, double xo,
                        double yo, double R, Agregar agregar)
{
    const double k = ya - m * xa - yo; // y − yo = m·x + k
    const double A = 1.0 + m * m;
    const double B = 2.0 * (m * k - xo);
    const double C = xo * xo + k * k - R * R;
    const double disc = B * B - 4.0 * A * C;
    if (!(disc >= 0.0)) return;
    const double raiz = std::sqrt(disc);
    for (const double x : {(-B - raiz) / (2.0 * A), (-B + raiz) / (2.0 * A)}) {
        if (x < xIzq || x > xDer) continue;
        const double y = ya + m * (x - xa);
        if (y <= yo) agregar(x, y);
    }
}

} // namespace

PoligonalSeccion::PoligonalSeccion(const std::vector<double>& x, const std::vector<double>& y)
{
    const std::size_t n = std::min(x.size(), y.size());
    for (std::size_t k = 0; k + 1 < n; ++k) {
        const double xa = x[k], xb = x[k + 1];
        tramos_.push_back({std::min(xa, xb), std::max(xa, xb), xa, y[k],
                           PendienteEntre(xa, y[k], xb, y[k + 1]), xb, y[k + 1]});
    }
    std::stable_sort(tramos_.begin(), tramos_.end(),
                     [](const Tramo& a, const Tramo& b) { return a.xIzq < b.xIzq; });
    if (n == 0) return;
    xMin_ = *std::min_element(x.begin(), x.begin() + static_cast<std::ptrdiff_t>(n));
    xMax_ = *std::max_element(x.begin(), x.begin() + static_cast<std::ptrdiff_t>(n));
    yMin_ = *std::min_element(y.begin(), y.begin() + static_cast<std::ptrdiff_t>(n));
    yMax_ = *std::max_element(y.begin(), y.begin() + static_cast<std::ptrdiff_t>(n));
}

double PoligonalSeccion::Buscar(double x, std::size_t& pista) const
{
    const double nada = std::numeric_limits<double>::quiet_NaN();
    if (tramos_.empty() || !(x >= xMin_ && x <= xMax_)) return nada;
    std::size_t k = std::min(pista, tramos_.size() - 1);
    while (k > 0 && x < tramos_[k].xIzq)
        --k;
    while (k + 1 < tramos_.size() && x > tramos_[k].xDer)
        ++k;
    if (x < tramos_[k].xIzq || x > tramos_[k].xDer) return nada;
    pista = k;
    const Tramo& t = tramos_[k];
    return (x - t.xa) * t.m + t.ya;
}

std::optional<std::string> ArmarSeccion(const Proyecto& p, SeccionBusqueda& s)
{
    if (p.SueloRoca != Material::Suelo || p.UsaParametrosInstantaneos)
        return std::string(textos::BusquedaSoloSuelos);
    if (p.OrdenadaSegundoPuntoGrieta < p.OrdenadaPrimerPuntoGrieta ||
        p.OrdenadaNivelFreaticoGrieta > 0.0 || p.AlturaAguaGrieta != 0.0)
        return std::string(textos::BusquedaConGrieta);
    const int nt = p.NumeroCoordenadasTalud();
    const int ne = p.NumeroDeEstratos();
    if (nt < 2 || ne < 1 || !(p.NumeroDovelas >= 1.0) || !std::isfinite(p.NumeroDovelas))
        return std::string(textos::BusquedaSinTalud);
    for (const Tabla<double>* t : {&p.CohesionMacizo, &p.FriccionMacizo, &p.PesoUnitarioHumedo,
                                   &p.PesoUnitarioSaturado, &p.ParametroPresionIntersticial,
                                   &p.CoeficienteConsolidacionVertical, &p.TiempoDeConstruccion})
        if (t->Tamano() < ne) return std::string(textos::BusquedaSinTalud);
    if (p.TipoDeEstrato.Tamano() < ne || p.NumeroCoordenadasEstrato.Tamano() < ne)
        return std::string(textos::BusquedaSinTalud);

    auto leer = [](const Tabla<double>& X, const Tabla<double>& Y, int n) {
        std::vector<double> x, y;
        for (int k = 1; k <= n; ++k) {
            x.push_back(X(k));
            y.push_back(Y(k));
        }
        return PoligonalSeccion(x, y);
    };
    s.Talud = leer(p.AbscisasTalud, p.OrdenadasTalud, nt);
    s.Freatico.reset();
    if (p.NumeroCoordenadasFreatico() > 0)
        s.Freatico = leer(p.AbscisasFreatico, p.OrdenadasFreatico, p.NumeroCoordenadasFreatico());
    s.Estratos.clear();
    s.YFondo = Infinito();
    for (int i = 1; i <= ne; ++i) {
        const int n = std::min<int>(p.NumeroCoordenadasEstrato(i), p.AbscisasEstratos.Columnas());
        std::vector<double> x, y;
        for (int j = 1; j <= n; ++j) {
            x.push_back(p.AbscisasEstratos(i, j));
            y.push_back(p.OrdenadasEstratos(i, j));
        }
        s.Estratos.emplace_back(x, y);
        if (!s.Estratos.back().Vacia()) s.YFondo = std::min(s.YFondo, s.Estratos.back().YMinima());
        s.Cohesion.push_back(p.CohesionMacizo(i));
        s.TangenteFriccion.push_back(std::tan(Radianes(p.FriccionMacizo(i))));
        s.PesoHumedo.push_back(p.PesoUnitarioHumedo(i));
        s.PesoSaturado.push_back(p.PesoUnitarioSaturado(i));
        s.Tipo.push_back(p.TipoDeEstrato(i));
        s.ParametroB.push_back(p.ParametroPresionIntersticial(i));
        s.CoeficienteCv.push_back(p.CoeficienteConsolidacionVertical(i));
        s.TiempoConstruccion.push_back(p.TiempoDeConstruccion(i));
    }
    if (!std::isfinite(s.YFondo)) return std::string(textos::BusquedaSinTalud);
    s.OrdenadaMaximaTalud = OrdenadaMinimaInicial;
    for (int k = 1; k <= nt; ++k)
        s.OrdenadaMaximaTalud = std::max(s.OrdenadaMaximaTalud, p.OrdenadasTalud(k));
    s.YCorona = s.Talud.YMaxima();
    s.kh = p.CoeficienteSismicoHorizontal;
    s.kv = p.CoeficienteSismicoVertical;
    s.NumeroDovelas = p.NumeroDovelas;
    s.FactorInicial = p.FSInicial > 0.0 ? p.FSInicial : 1.0;
    s.Uniformes.clear();
    for (int j = 1; j <= p.NumeroCargasUniformes(); ++j)
        s.Uniformes.push_back({std::min(p.CargaUniformeXo(j), p.CargaUniformeXf(j)),
                               std::max(p.CargaUniformeXo(j), p.CargaUniformeXf(j)),
                               p.CargaUniformeQx(j), p.CargaUniformeQy(j)});
    s.Puntuales.clear();
    for (int j = 1; j <= p.NumeroCargasPuntuales(); ++j)
        s.Puntuales.push_back(
            {p.CargaPuntualX(j), p.CargaPuntualY(j), p.CargaPuntualPx(j), p.CargaPuntualPy(j)});
    return std::nullopt;
}

std::optional<std::pair<Punto2, Punto2>> ExtremosDelCirculo(const SeccionBusqueda& s, double xo,
                                                            double yo, double R)
{
    if (!(R > 0.0) || !std::isfinite(xo) || !std::isfinite(yo)) return std::nullopt;
    Punto2 entrada{-Infinito(), 0.0}, salida{Infinito(), 0.0};
    for (const auto& t : s.Talud.Tramos())
        CrucesRectaCirculo(t.xIzq, t.xDer, t.xa, t.ya, t.m, xo, yo, R, [&](double x, double y) {
            if (x > entrada.x) entrada = {x, y};
            if (x < salida.x) salida = {x, y};
        });
    if (!(entrada.x - salida.x >= AnchoMinimoSuperficie)) return std::nullopt;
    return std::make_pair(entrada, salida);
}

namespace {

// Dovelas de un ensayo en tablas planas (índice 0 la dovela de la corona).
struct DovelasPlanas {
    std::vector<double> bordes, yBordes, tBordes;      // abscisa, superficie y talud por borde
    std::vector<double> xc, dx, yb, yt, tb;            // centro, ancho, base, talud, tan β
    std::vector<double> u, c, tf, W, h, sa, ca;        // h: altura para el sismo de Bishop
    std::vector<double> cargaV, cargaH, momentoCargas; // cargas sobre la dovela
    std::vector<double> zonas;
    std::vector<double> lineas; // ordenada de cada línea de estrato en el centro
    void Vaciar()
    {
        for (auto* v : {&bordes, &yBordes, &tBordes, &xc, &dx, &yb, &yt, &tb, &u, &c, &tf, &W, &h,
                        &sa, &ca, &cargaV, &cargaH, &momentoCargas, &zonas})
            v->clear();
    }
};

class EvaluadorRapido : public EvaluadorEnsayos {
public:
    EvaluadorRapido(const SeccionBusqueda& s, MetodoBusqueda metodo) : s_(s), metodo_(metodo)
    {
        pistasEstratos_.assign(s_.Estratos.size(), 0);
        d_.lineas.resize(s_.Estratos.size());
    }

    EnsayoEvaluado Evaluar(const SuperficieEnsayo& sup) override
    {
        EnsayoEvaluado r;
        if (!Dovelas(sup, r)) return r;
        double F = 0.0;
        bool bien = false;
        switch (metodo_) {
        case MetodoBusqueda::Fellenius:
            bien = Fellenius(sup, F);
            break;
        case MetodoBusqueda::Bishop:
            bien = Bishop(sup, F);
            break;
        case MetodoBusqueda::Spencer:
        case MetodoBusqueda::MorgensternPrice:
            bien = Riguroso(F);
            break;
        case MetodoBusqueda::Janbu:
            bien = false; // Janbu se evalúa siempre por el camino general
            break;
        }
        if (!bien || !std::isfinite(F) || !(F > 0.0)) return r;
        r.Valido = true;
        r.FactorSeguridad = F;
        return r;
    }

private:
    // Ordenada de la superficie en x.
    double YSuperficie(const SuperficieEnsayo& sup, double x) const
    {
        if (sup.Circular) {
            const double d = x - sup.XCentro;
            return sup.YCentro - std::sqrt(sup.Radio * sup.Radio - d * d);
        }
        // Unión "L" cuyo tramo encierra a x, la primera desde la corona.
        const auto& P = sup.Puntos;
        for (std::size_t k = 0; k + 1 < P.size(); ++k) {
            if (x <= P[k].x && x >= P[k + 1].x) {
                const double m = PendienteEntre(P[k].x, P[k].y, P[k + 1].x, P[k + 1].y);
                return (x - P[k].x) * m + P[k].y;
            }
        }
        return std::numeric_limits<double>::quiet_NaN();
    }

    // Cruces de la superficie con las líneas de los estratos, en (salida, entrada).
    void Zonas(const SuperficieEnsayo& sup, double xEntrada, double xSalida)
    {
        auto& z = d_.zonas;
        auto agregar = [&](double x, double) {
            if (x < xEntrada && x > xSalida) z.push_back(x);
        };
        for (const auto& linea : s_.Estratos) {
            for (const auto& t : linea.Tramos()) {
                if (t.xDer < xSalida || t.xIzq > xEntrada) continue;
                if (sup.Circular) {
                    CrucesRectaCirculo(t.xIzq, t.xDer, t.xa, t.ya, t.m, sup.XCentro, sup.YCentro,
                                       sup.Radio, agregar);
                    continue;
                }
                const auto& P = sup.Puntos;
                for (std::size_t k = 0; k + 1 < P.size(); ++k) {
                    const double xa = P[k + 1].x, xb = P[k].x; // xa < xb
                    if (xb < t.xIzq || xa > t.xDer) continue;
                    const double m1 = PendienteEntre(P[k].x, P[k].y, P[k + 1].x, P[k + 1].y);
                    if (m1 == t.m) continue;
                    // P_k.y + m1·(x − P_k.x) = t.ya + t.m·(x − t.xa)
                    const double x = (t.ya - t.m * t.xa - P[k].y + m1 * P[k].x) / (m1 - t.m);
                    if (x >= std::max(xa, t.xIzq) && x <= std::min(xb, t.xDer)) agregar(x, 0.0);
                }
            }
        }
        std::sort(z.begin(), z.end(), std::greater<>());
        std::size_t n = 0;
        for (std::size_t k = 0; k < z.size(); ++k)
            if (n == 0 || std::fabs(z[k] - z[n - 1]) >= ToleranciaCrucesIguales) z[n++] = z[k];
        z.resize(n);
        z.insert(z.begin(), xEntrada);
        z.push_back(xSalida);
    }

    // Bordes de las dovelas como GenerarDovelas: ancho nominal y una dovela de resto por zona.
    void Bordes(double w)
    {
        auto& b = d_.bordes;
        auto& cen = d_.xc;
        auto agregar = [&](double B) {
            if (!b.empty() && b.back() < B) {
                b.back() = B;
                if (!cen.empty()) cen.back() = (b[b.size() - 2] + B) / 2.0;
            } else if (!b.empty() && b.back() == B) {
            } else if (!b.empty()) {
                const double centro = (b.back() + B) / 2.0;
                if (!cen.empty() && !(centro < cen.back())) return;
                b.push_back(B);
                cen.push_back(centro);
            } else {
                b.push_back(B);
            }
        };
        const auto& z = d_.zonas;
        agregar(z.front());
        for (std::size_t k = 0; k + 1 < z.size(); ++k) {
            const double bk = z[k], bk1 = z[k + 1];
            if (!(bk1 < bk)) continue;
            const double r = (bk - bk1) / w;
            if (r > 1.0) {
                const double n = std::floor(r);
                const double f = r - n;
                const bool restoUtil = f * w >= AnchoMinimoResto;
                const int nominales = static_cast<int>(n) - (restoUtil ? 0 : 1);
                for (int j = 1; j <= nominales; ++j)
                    agregar(bk - j * w);
            }
            agregar(bk1);
        }
        if (!cen.empty() && std::fabs(cen.back() - z.back()) < ToleranciaUltimoCentro) {
            b.pop_back();
            cen.pop_back();
        }
    }

    // Geometría, material, agua y peso de cada dovela; false si el ensayo no es válido.
    bool Dovelas(const SuperficieEnsayo& sup, EnsayoEvaluado& r)
    {
        d_.Vaciar();
        Punto2 entrada, salida;
        if (sup.Circular) {
            const auto extremos = ExtremosDelCirculo(s_, sup.XCentro, sup.YCentro, sup.Radio);
            if (!extremos) return false;
            entrada = extremos->first;
            salida = extremos->second;
        } else {
            if (sup.Puntos.size() < 2) return false;
            entrada = sup.Puntos.front();
            salida = sup.Puntos.back();
            if (!(entrada.x - salida.x >= AnchoMinimoSuperficie)) return false;
        }
        r.Entrada = entrada;
        r.Salida = salida;
        Zonas(sup, entrada.x, salida.x);
        const double w = (entrada.x - salida.x) / s_.NumeroDovelas;
        Bordes(w);
        const std::size_t N = d_.bordes.size();
        if (N < 2) return false;
        const std::size_t nd = N - 1;

        // Ordenadas en los bordes, sólo si algo las usa: la superficie (inclinación de la base
        // de una poligonal, bordes de los métodos rigurosos) y el talud (tan β de las cargas
        // uniformes, bordes de los métodos rigurosos).
        const bool riguroso =
            metodo_ == MetodoBusqueda::Spencer || metodo_ == MetodoBusqueda::MorgensternPrice;
        const bool bordesSuperficie = riguroso || !sup.Circular;
        const bool bordesTalud = riguroso || !s_.Uniformes.empty();
        std::size_t pistaTalud = s_.Talud.Tramos().size() - 1;
        d_.yBordes.assign(N, 0.0);
        d_.tBordes.assign(N, 0.0);
        for (std::size_t k = 0; k < N && (bordesSuperficie || bordesTalud); ++k) {
            if (bordesSuperficie) {
                d_.yBordes[k] = k == 0 ? entrada.y : YSuperficie(sup, d_.bordes[k]);
                if (!std::isfinite(d_.yBordes[k])) return false;
            }
            if (bordesTalud) {
                const double t = s_.Talud.OrdenadaONaN(d_.bordes[k], pistaTalud);
                if (std::isnan(t)) return false;
                d_.tBordes[k] = t;
            }
        }
        const bool valorAbsoluto = entrada.y < salida.y;
        std::size_t pistaTaludCentro = pistaTalud = s_.Talud.Tramos().size() - 1;
        std::size_t pistaFreatico = s_.Freatico ? s_.Freatico->Tramos().size() - 1 : 0;
        for (auto& pista : pistasEstratos_)
            pista = 0;
        const std::size_t ne = s_.Estratos.size();
        double profundidad = 0.0, area = 0.0;
        for (auto* v : {&d_.dx, &d_.yb, &d_.yt, &d_.tb, &d_.u, &d_.c, &d_.tf, &d_.W, &d_.h, &d_.sa,
                        &d_.ca, &d_.cargaV, &d_.cargaH, &d_.momentoCargas})
            v->resize(nd);
        for (std::size_t s = 0; s < nd; ++s) {
            const double xc = d_.xc[s];
            const double dx = d_.bordes[s] - d_.bordes[s + 1];
            const double yb = YSuperficie(sup, xc);
            const double yt = s_.Talud.OrdenadaONaN(xc, pistaTaludCentro);
            if (std::isnan(yt) || !std::isfinite(yb)) return false;
            if (!(yt > yb)) return false;
            d_.dx[s] = dx;
            d_.yb[s] = yb;
            d_.yt[s] = yt;
            d_.tb[s] = (d_.tBordes[s] - d_.tBordes[s + 1]) / dx;
            profundidad = std::max(profundidad, yt - yb);
            area += (yt - yb) * dx;

            // Base: α = atan(q/√(1 − q²)), q = (xc − xo)/R, en un círculo (sin α = q,
            // cos α = √(1 − q²)); α = atan(m), m la pendiente entre los bordes, en una poligonal.
            // Sin funciones trigonométricas: son la mayor parte del costo de un ensayo.
            double sa = 0.0, ca = 1.0;
            if (sup.Circular) {
                sa = (xc - sup.XCentro) / sup.Radio;
                ca = std::sqrt(1.0 - sa * sa);
            } else {
                const double m = (d_.yBordes[s] - d_.yBordes[s + 1]) / dx;
                ca = 1.0 / std::sqrt(1.0 + m * m);
                sa = m * ca;
            }
            if (valorAbsoluto) sa = std::fabs(sa);
            if (!(ca > 0.0)) return false;
            d_.sa[s] = sa;
            d_.ca[s] = ca;

            // Estrato de la base.
            for (std::size_t i = 0; i < ne; ++i) {
                const double y = s_.Estratos[i].OrdenadaONaN(xc, pistasEstratos_[i]);
                if (std::isnan(y)) return false;
                d_.lineas[i] = y;
            }
            std::size_t eb = ne;
            if (yb > d_.lineas[0]) {
                eb = 0;
            } else {
                for (std::size_t i = 1; i < ne && eb == ne; ++i)
                    if (d_.lineas[i] <= yb && yb <= d_.lineas[i - 1]) eb = i;
            }
            if (eb == ne) return false;
            d_.c[s] = s_.Cohesion[eb];
            d_.tf[s] = s_.TangenteFriccion[eb];

            // Agua: presión de poros en la base y agua libre sobre el talud como carga.
            double nf = yb, u = 0.0, q = 0.0, h = yt - yb;
            bool aguaSobreBase = false;
            if (s_.Freatico) {
                nf = s_.Freatico->OrdenadaONaN(xc, pistaFreatico);
                if (std::isnan(nf)) return false;
                aguaSobreBase = nf > yb;
                if (aguaSobreBase) {
                    u = nf - yb;
                    if (nf > yt) {
                        q = nf - yt;
                        h = nf - yb;
                    }
                }
            }
            auto pieza = [&](std::size_t i, double& abajo, double& arriba) {
                arriba = i == 0 ? yt : std::min(yt, d_.lineas[i - 1]);
                abajo = std::max(yb, d_.lineas[i]);
            };
            if (s_.Tipo[eb] == TipoTerraplen) {
                double dsv = 0.0;
                for (std::size_t i = 0; i < ne; ++i) {
                    if (s_.Tipo[i] != TipoTerraplen) continue;
                    double abajo = 0.0, arriba = 0.0;
                    pieza(i, abajo, arriba);
                    if (arriba > abajo) dsv += s_.PesoHumedo[i] * (arriba - abajo);
                }
                const double techo = eb == 0 ? yt : std::min(yt, d_.lineas[eb - 1]);
                const double H = (techo - d_.lineas[eb]) / 2.0;
                const double ymax = s_.OrdenadaMaximaTalud;
                const double tiempo = ymax > 0.0 ? s_.TiempoConstruccion[eb] * (ymax - yb) / ymax
                                                 : s_.TiempoConstruccion[eb];
                double Tv = 0.0;
                if (H > 0.0)
                    Tv = s_.CoeficienteCv[eb] * CmCuadradosPorSegundoAMetrosPorAno *
                         (tiempo / MesesPorAnoCargaGradual) / (H * H);
                const double U = GradoDeConsolidacion(Tv);
                const double du = dsv * s_.ParametroB[eb] - dsv * U / 100.0;
                if (aguaSobreBase) u += du;
            }
            d_.u[s] = u;
            d_.h[s] = h;

            // Peso unitario medio de la columna y peso de la dovela.
            double peso = 0.0;
            for (std::size_t i = 0; i < ne; ++i) {
                double abajo = 0.0, arriba = 0.0;
                pieza(i, abajo, arriba);
                if (!(arriba > abajo)) continue;
                const double bajoAgua = std::clamp(nf, abajo, arriba) - abajo;
                const double sobreAgua = (arriba - abajo) - bajoAgua;
                peso += s_.PesoHumedo[i] * sobreAgua + s_.PesoSaturado[i] * bajoAgua;
            }
            const double gamma = peso / (yt - yb);
            d_.W[s] = (yt - yb) * gamma * dx + q * dx;

            // Cargas: uniformes que cubren el centro y puntuales dentro de la dovela.
            double cv = 0.0, ch = 0.0;
            for (const auto& c : s_.Uniformes) {
                if (c.xo <= xc && xc <= c.xf) {
                    cv += c.qy * dx;
                    ch += c.qx * dx * d_.tb[s];
                }
            }
            for (const auto& c : s_.Puntuales) {
                if (d_.bordes[s + 1] < c.x && c.x <= d_.bordes[s]) {
                    cv += c.py;
                    ch += c.px;
                }
            }
            d_.cargaV[s] = cv;
            d_.cargaH[s] = ch;
        }
        if (profundidad < minimaProfundidad_ || area < minimaArea_) return false;
        r.Profundidad = profundidad;
        r.Area = area;
        r.Dovelas = static_cast<int>(nd);
        return true;
    }

    // Momento de las cargas de la dovela s respecto del centro del círculo (MomentoCargasDovela).
    double MomentoCargas(std::size_t s, double xo, double yo) const
    {
        double D = 0.0;
        const double dx = d_.dx[s], xs = d_.xc[s], yt = d_.yt[s], tb = d_.tb[s];
        for (const auto& c : s_.Uniformes)
            if (c.xo <= xs && xs <= c.xf) D += -dx * c.qx * tb * (yo - yt) + dx * c.qy * (xs - xo);
        for (const auto& c : s_.Puntuales)
            if (d_.bordes[s + 1] < c.x && c.x <= d_.bordes[s])
                D += (c.x - xo) * c.py - (yo - c.y) * c.px;
        return D;
    }

    bool Fellenius(const SuperficieEnsayo& sup, double& F) const
    {
        if (!sup.Circular) return false;
        const double R = sup.Radio, xo = sup.XCentro, yo = sup.YCentro;
        double sumaR = 0.0, sumaD = 0.0;
        for (std::size_t s = 0; s < d_.dx.size(); ++s) {
            const double sa = d_.sa[s], ca = d_.ca[s], W = d_.W[s], dx = d_.dx[s];
            double N = (1.0 + s_.kv) * W * ca - s_.kh * W * sa;
            for (const auto& c : s_.Uniformes)
                if (c.xo <= d_.xc[s] && d_.xc[s] <= c.xf)
                    N += dx * c.qx * d_.tb[s] * sa + dx * c.qy * ca;
            for (const auto& c : s_.Puntuales)
                if (d_.bordes[s + 1] < c.x && c.x <= d_.bordes[s]) N += -c.px * sa + c.py * ca;
            const double l = dx / ca;
            sumaR += (N - d_.u[s] * l) * d_.tf[s] + d_.c[s] * l;
            sumaD += (1.0 + s_.kv) * W * R * sa + s_.kh * W * (yo - Mitad * (d_.yt[s] + d_.yb[s])) +
                     MomentoCargas(s, xo, yo);
        }
        if (sumaD == 0.0) return false;
        F = R * sumaR / sumaD;
        return sumaD > 0.0;
    }

    // Bishop sobre tablas planas: V = A + B/F, mα = cos α + sin α·tan φ/F, S = (V/mα)·tan φ + K,
    // con A = (1 + kv)·W + cargas, B = (u·tan φ − c)·dx·tan α, K = (c − u·tan φ)·l. ΣD no depende
    // de F.
    bool Bishop(const SuperficieEnsayo& sup, double& F)
    {
        if (!sup.Circular) return false;
        const std::size_t nd = d_.dx.size();
        const double R = sup.Radio, xo = sup.XCentro, yo = sup.YCentro;
        A_.resize(nd);
        B_.resize(nd);
        saTf_.resize(nd);
        double sumaK = 0.0, sumaD = 0.0;
        for (std::size_t s = 0; s < nd; ++s) {
            const double sa = d_.sa[s], ca = d_.ca[s], tf = d_.tf[s], W = d_.W[s];
            const double l = d_.dx[s] / ca;
            A_[s] = (1.0 + s_.kv) * W + d_.cargaV[s];
            B_[s] = (d_.u[s] * tf - d_.c[s]) * d_.dx[s] * (sa / ca);
            saTf_[s] = sa * tf;
            sumaK += (d_.c[s] - d_.u[s] * tf) * l;
            sumaD += (1.0 + s_.kv) * W * R * sa + s_.kh * W * (R * ca - Mitad * d_.h[s]) +
                     MomentoCargas(s, xo, yo);
        }
        if (!(sumaD > 0.0)) return false;
        // Parte del factor del ensayo anterior de este evaluador (los vecinos se parecen).
        double f = ultimoFactor_ > 0.0 ? ultimoFactor_ : s_.FactorInicial;
        for (int pasada = 1; pasada <= MaximoPasadasEnsayo; ++pasada) {
            const double inv = 1.0 / f;
            double sumaS = sumaK;
            for (std::size_t s = 0; s < nd; ++s)
                sumaS += (A_[s] + B_[s] * inv) / (d_.ca[s] + saTf_[s] * inv) * d_.tf[s];
            const double nuevo = R * sumaS / sumaD;
            if (!std::isfinite(nuevo) || !(nuevo > 0.0)) return false;
            const bool listo = std::fabs(nuevo - f) < ToleranciaFactorEnsayo;
            f = nuevo;
            if (listo) {
                for (std::size_t s = 0; s < nd; ++s)
                    if (d_.ca[s] + saTf_[s] / f <= MAlfaMinimaEnsayo) return false;
                F = f;
                ultimoFactor_ = f;
                return true;
            }
        }
        return false;
    }

    bool Riguroso(double& F)
    {
        const std::size_t nd = d_.dx.size();
        problema_.CoeficienteSismicoHorizontal = s_.kh;
        problema_.CoeficienteSismicoVertical = s_.kv;
        problema_.EmpujeAguaGrieta = 0.0;
        problema_.OrdenadaEmpujeGrieta = 0.0;
        problema_.Dovelas.resize(nd);
        problema_.Bordes.resize(nd + 1);
        for (std::size_t s = 0; s < nd; ++s) {
            DovelaRigurosa& d = problema_.Dovelas[s];
            d.Ancho = d_.dx[s];
            d.Alfa = std::atan2(d_.sa[s], d_.ca[s]);
            d.Peso = d_.W[s];
            d.PresionPoros = d_.u[s];
            d.Cohesion = d_.c[s];
            d.TangenteFriccion = d_.tf[s];
            d.AbscisaBase = d_.xc[s];
            d.OrdenadaBase = d_.yb[s];
            d.OrdenadaTalud = d_.yt[s];
            d.OrdenadaSismo = Mitad * (d.OrdenadaTalud + d.OrdenadaBase);
            d.Cargas.clear();
            for (const auto& c : s_.Uniformes)
                if (c.xo <= d.AbscisaBase && d.AbscisaBase <= c.xf)
                    d.Cargas.push_back({c.qx * d.Ancho * d_.tb[s], c.qy * d.Ancho, d.AbscisaBase,
                                        d.OrdenadaTalud});
            for (const auto& c : s_.Puntuales)
                if (d_.bordes[s + 1] < c.x && c.x <= d_.bordes[s])
                    d.Cargas.push_back({c.px, c.py, c.x, c.y});
        }
        for (std::size_t k = 0; k <= nd; ++k)
            problema_.Bordes[k] = {d_.bordes[k], d_.yBordes[k], d_.tBordes[k]};
        OpcionesRigurosas opciones;
        opciones.FactorInicial = s_.FactorInicial;
        const SolucionRigurosa sol = metodo_ == MetodoBusqueda::Spencer
                                         ? ResolverSpencer(problema_, opciones)
                                         : ResolverMorgensternPrice(problema_, opciones);
        if (sol.Estado != EstadoRiguroso::Convergio || sol.MinimoMAlfa <= MAlfaMinimaEnsayo)
            return false;
        F = sol.FS;
        return true;
    }

public:
    void FijarLimites(double profundidad, double area)
    {
        minimaProfundidad_ = profundidad;
        minimaArea_ = area;
    }

private:
    const SeccionBusqueda& s_;
    MetodoBusqueda metodo_;
    DovelasPlanas d_;
    std::vector<std::size_t> pistasEstratos_;
    std::vector<double> A_, B_, saTf_;
    double ultimoFactor_ = 0.0;
    ProblemaRiguroso problema_;
    double minimaProfundidad_ = 0.0, minimaArea_ = 0.0;
};

// El camino general: copia del proyecto con la superficie adoptada, las seis rutinas y el
// método del programa.
class EvaluadorGeneral : public EvaluadorEnsayos {
public:
    EvaluadorGeneral(const Proyecto& p, const SeccionBusqueda& s, MetodoBusqueda metodo)
        : base_(p), s_(s), metodo_(metodo)
    {
    }

    EnsayoEvaluado Evaluar(const SuperficieEnsayo& sup) override
    {
        EnsayoEvaluado r;
        SuperficieEnsayo adoptada = sup;
        if (sup.Circular) {
            const auto extremos = ExtremosDelCirculo(s_, sup.XCentro, sup.YCentro, sup.Radio);
            if (!extremos) return r;
            adoptada.Puntos = {extremos->first, extremos->second};
        } else if (sup.Puntos.size() < 2) {
            return r;
        }
        r.Entrada = adoptada.Puntos.front();
        r.Salida = adoptada.Puntos.back();
        p_ = base_;
        AdoptarSuperficie(p_, adoptada, metodo_);
        ReiniciarEstadoCalculo(e_);
        InteraccionDeBusqueda ui;
        double F = 0.0;
        if (metodo_ == MetodoBusqueda::Janbu) {
            const ResultadoCalculo c = Calcular(p_, e_, Metodo::Janbu, {}, ui);
            if (!c.FactorSeguridad || !Limites(r)) return r;
            F = *c.FactorSeguridad;
            // El denominador de la fuerza normal, como en Bishop: un factor con mα ≤ 0.2 en
            // alguna dovela es una raíz espuria de la iteración.
            const Tabla<double> alfa = AngulosBaseDovelas(p_, e_, false);
            for (int s = 1; s < p_.NumeroPuntosDovelas; ++s)
                if (std::cos(alfa(s)) +
                        std::sin(alfa(s)) * e_.Dovelas.TangenteFriccionDovela(s) / F <=
                    MAlfaMinimaEnsayo)
                    return r;
        } else {
            if (!EjecutarPreparacion(p_, e_, ui) || p_.NumeroPuntosDovelas < 2) return r;
            if (!Limites(r)) return r;
            if (metodo_ == MetodoBusqueda::Fellenius) {
                const SolucionFellenius f = CalcularFellenius(p_, e_);
                if (!(f.SumaMomentosMotores > 0.0)) return r;
                F = f.FS;
            } else if (metodo_ == MetodoBusqueda::Bishop) {
                ChequeosBishop chequeos{true, true};
                const SolucionBishop b = IteracionBishop(p_, e_, ui, chequeos);
                if (b.estado != EstadoBishop::Convergio) return r;
                for (int s = 1; s < p_.NumeroPuntosDovelas; ++s)
                    if (std::cos(b.alfa(s)) +
                            std::sin(b.alfa(s)) * e_.Dovelas.TangenteFriccionDovela(s) / b.FS <=
                        MAlfaMinimaEnsayo)
                        return r;
                F = b.FS;
            } else {
                const ProblemaRiguroso problema = ProblemaRigurosoDesdeDovelas(p_, e_);
                const SolucionRigurosa sol = metodo_ == MetodoBusqueda::Spencer
                                                 ? ResolverSpencer(problema)
                                                 : ResolverMorgensternPrice(problema);
                if (sol.Estado != EstadoRiguroso::Convergio || sol.MinimoMAlfa <= MAlfaMinimaEnsayo)
                    return r;
                F = sol.FS;
            }
        }
        if (!std::isfinite(F) || !(F > 0.0)) return r;
        r.Valido = true;
        r.FactorSeguridad = F;
        return r;
    }

    void FijarLimites(double profundidad, double area)
    {
        minimaProfundidad_ = profundidad;
        minimaArea_ = area;
    }

private:
    bool Limites(EnsayoEvaluado& r)
    {
        double profundidad = 0.0, area = 0.0;
        for (int s = 1; s < p_.NumeroPuntosDovelas; ++s) {
            const double h = p_.OrdenadaTaludDovela(s) - p_.OrdenadaCentroDovela(s);
            profundidad = std::max(profundidad, h);
            area += h * p_.AnchoDovela(s);
        }
        r.Profundidad = profundidad;
        r.Area = area;
        r.Dovelas = p_.NumeroPuntosDovelas - 1;
        return profundidad >= minimaProfundidad_ && area >= minimaArea_;
    }

    const Proyecto& base_;
    const SeccionBusqueda& s_;
    MetodoBusqueda metodo_;
    Proyecto p_;
    EstadoCalculo e_;
    double minimaProfundidad_ = 0.0, minimaArea_ = 0.0;
};

} // namespace

std::unique_ptr<EvaluadorEnsayos> CrearEvaluador(const Proyecto& p, const SeccionBusqueda& seccion,
                                                 MetodoBusqueda metodo, bool general,
                                                 const LimitesEnsayo& limites)
{
    if (general || metodo == MetodoBusqueda::Janbu) {
        auto e = std::make_unique<EvaluadorGeneral>(p, seccion, metodo);
        e->FijarLimites(limites.Profundidad, limites.Area);
        return e;
    }
    auto e = std::make_unique<EvaluadorRapido>(seccion, metodo);
    e->FijarLimites(limites.Profundidad, limites.Area);
    return e;
}

} // namespace vertana
