#include "output/perfiles.h"

#include "geometry/poligonal.h"

#include <algorithm>
#include <cmath>

namespace vertana {
namespace {

// Abscisas de quiebre de los dos perfiles dentro de [x0, x1], ordenadas y sin repetir.
std::vector<double> AbscisasDeQuiebre(const Perfil& a, const Perfil& b, double x0, double x1)
{
    std::vector<double> xs{x0, x1};
    for (const Perfil* p : {&a, &b})
        for (const PuntoXY& q : *p)
            if (q.x > x0 && q.x < x1) xs.push_back(q.x);
    std::sort(xs.begin(), xs.end());
    xs.erase(std::unique(xs.begin(), xs.end()), xs.end());
    return xs;
}

} // namespace

Perfil PerfilDe(std::vector<PuntoXY> puntos)
{
    std::stable_sort(puntos.begin(), puntos.end(),
                     [](const PuntoXY& p, const PuntoXY& q) { return p.x < q.x; });
    for (std::size_t k = 1; k < puntos.size(); ++k)
        if (puntos[k].x <= puntos[k - 1].x)
            puntos[k].x = puntos[k - 1].x + InclinacionTramoVertical;
    return puntos;
}

std::optional<double> OrdenadaEn(const Perfil& perfil, double x)
{
    if (perfil.size() < 2 || x < perfil.front().x || x > perfil.back().x) return std::nullopt;
    const auto siguiente = std::lower_bound(perfil.begin(), perfil.end(), x,
                                            [](const PuntoXY& p, double v) { return p.x < v; });
    if (siguiente == perfil.begin()) return perfil.front().y;
    const PuntoXY& b = *siguiente;
    const PuntoXY& a = *(siguiente - 1);
    return a.y + (b.y - a.y) * (x - a.x) / (b.x - a.x);
}

Perfil MinimoDePerfiles(const Perfil& a, const Perfil& b)
{
    if (a.size() < 2 || b.size() < 2) return {};
    const double x0 = std::max(a.front().x, b.front().x);
    const double x1 = std::min(a.back().x, b.back().x);
    if (!(x1 > x0)) return {};
    const std::vector<double> xs = AbscisasDeQuiebre(a, b, x0, x1);
    Perfil minimo;
    for (std::size_t k = 0; k < xs.size(); ++k) {
        const double ya = *OrdenadaEn(a, xs[k]), yb = *OrdenadaEn(b, xs[k]);
        if (k > 0) {
            // Entre dos quiebres los dos son rectos: se cruzan a lo sumo una vez.
            const double xp = xs[k - 1];
            const double dp = *OrdenadaEn(a, xp) - *OrdenadaEn(b, xp), d = ya - yb;
            if ((dp < 0.0 && d > 0.0) || (dp > 0.0 && d < 0.0)) {
                const double xc = xp + (xs[k] - xp) * dp / (dp - d);
                minimo.push_back({xc, *OrdenadaEn(a, xc)});
            }
        }
        minimo.push_back({xs[k], std::min(ya, yb)});
    }
    return minimo;
}

std::vector<Poligono> PoligonosDeEstratos(const Perfil& talud, const std::vector<Perfil>& lineas)
{
    std::vector<Poligono> poligonos;
    Perfil techo = talud;
    for (const Perfil& linea : lineas) {
        const Perfil piso = MinimoDePerfiles(techo, linea);
        Poligono poligono;
        if (!piso.empty()) {
            // El techo en las abscisas del piso (las comunes), con sus quiebres.
            for (const PuntoXY& q : techo)
                if (q.x >= piso.front().x && q.x <= piso.back().x) poligono.push_back(q);
            if (poligono.empty() || poligono.front().x > piso.front().x)
                poligono.insert(poligono.begin(),
                                {piso.front().x, *OrdenadaEn(techo, piso.front().x)});
            if (poligono.back().x < piso.back().x)
                poligono.push_back({piso.back().x, *OrdenadaEn(techo, piso.back().x)});
            for (auto q = piso.rbegin(); q != piso.rend(); ++q)
                poligono.push_back(*q);
            poligono.push_back(poligono.front());
            techo = piso;
        }
        poligonos.push_back(std::move(poligono));
    }
    return poligonos;
}

double AreaPoligono(const Poligono& poligono)
{
    double doble = 0.0;
    for (std::size_t k = 1; k < poligono.size(); ++k)
        doble += poligono[k - 1].x * poligono[k].y - poligono[k].x * poligono[k - 1].y;
    return doble / 2.0;
}

} // namespace vertana
