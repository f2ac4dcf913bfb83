#include "methods/momento_cargas.h"

#include <algorithm>

namespace vertana {

namespace {
constexpr double TercioAltura = 1.0 / 3.0; // el empuje hidrostático actúa a 1/3 de la altura
} // namespace

bool CargaUniformeCubre(const Proyecto& p, int j, double x)
{
    const double a = p.CargaUniformeXo(j), b = p.CargaUniformeXf(j);
    return std::min(a, b) <= x && x <= std::max(a, b);
}

bool CargaPuntualEnDovela(const Proyecto& p, const EstadoCalculo& e, int j, int s,
                          bool ambosExtremos)
{
    const double X = p.CargaPuntualX(j);
    const double superior = e.Dovelas.AbscisaBordeDovela(s);
    const double inferior = e.Dovelas.AbscisaBordeDovela(s + 1);
    if (ambosExtremos) return inferior <= X && X <= superior;
    return inferior < X && X <= superior;
}

double MomentoAguaGrieta(const Proyecto& p, double yr)
{
    const double y2g = p.OrdenadaSegundoPuntoGrieta;
    const double NFg = p.OrdenadaNivelFreaticoGrieta;
    return p.AlturaAguaGrieta * (yr - (y2g + (NFg - y2g) * TercioAltura));
}

double MomentoCargasDovela(const Proyecto& p, const EstadoCalculo& e, double xm, double ym, int s,
                           bool circulo)
{
    const double dx = p.AnchoDovela(s);
    const double xs = p.AbscisaCentroDovela(s);
    const double yt = p.OrdenadaTaludDovela(s);
    const double tanBeta = e.Dovelas.PendienteTaludDovela(s);
    double D = 0.0;
    for (int j = 1; j <= p.NumeroCargasUniformes(); ++j) {
        if (!CargaUniformeCubre(p, j, xs)) continue;
        const double qx = p.CargaUniformeQx(j), qy = p.CargaUniformeQy(j);
        if (circulo)
            D += -dx * qx * tanBeta * (ym - yt) + dx * qy * (xs - xm);
        else
            D += dx * qx * tanBeta * (yt - ym) + dx * qy * (xs - xm);
    }
    for (int j = 1; j <= p.NumeroCargasPuntuales(); ++j) {
        if (!CargaPuntualEnDovela(p, e, j, s)) continue;
        const double X = p.CargaPuntualX(j), Y = p.CargaPuntualY(j);
        const double Px = p.CargaPuntualPx(j), Py = p.CargaPuntualPy(j);
        if (circulo)
            D += (X - xm) * Py - (ym - Y) * Px;
        else
            D += (X - xm) * Py + (Y - ym) * Px;
    }
    if (s == 1) D += MomentoAguaGrieta(p, ym);
    return D;
}

} // namespace vertana
