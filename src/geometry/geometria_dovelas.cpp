#include "geometry/geometria_dovelas.h"

#include "geometry/poligonal.h"
#include "model/textos.h"

namespace vertana {

namespace {

// Interpola una poligonal del proyecto en todos los bordes y centros.
ResultadoPreparacion InterpolarEnDovelas(const Proyecto& p, const EstadoCalculo& e, int n,
                                         const Tabla<double>& X, const Tabla<double>& Y,
                                         const char* de, Tabla<double>& enBordes,
                                         Tabla<double>& enCentros)
{
    const int N = p.NumeroPuntosDovelas;
    auto x = [&](int k) { return X(k); };
    auto y = [&](int k) { return Y(k); };
    enBordes.Redimensionar(N);
    enCentros.Redimensionar(N - 1);
    for (int k = 1; k <= N; ++k) {
        const double xb = e.Dovelas.AbscisaBordeDovela(k);
        const auto v = OrdenadaEnPoligonal(n, x, y, xb);
        if (!v)
            return ResultadoPreparacion::Fallo(
                textos::BordeFueraDePoligonal(k, xb + e.OrigenX, de));
        enBordes(k) = *v;
    }
    for (int s = 1; s < N; ++s) {
        const double xc = p.AbscisaCentroDovela(s);
        const auto v = OrdenadaEnPoligonal(n, x, y, xc);
        if (!v)
            return ResultadoPreparacion::Fallo(
                textos::CentroFueraDePoligonal(s, xc + e.OrigenX, de));
        enCentros(s) = *v;
    }
    return ResultadoPreparacion::Bien();
}

} // namespace

ResultadoPreparacion GeometriaDovelas(Proyecto& p, EstadoCalculo& e)
{
    e.GeometriaDovelasCalculada = false;
    const int N = p.NumeroPuntosDovelas;
    const int nt = p.NumeroCoordenadasTalud();
    if (nt < 2 || p.AbscisasTalud.Tamano() < nt || p.OrdenadasTalud.Tamano() < nt)
        return ResultadoPreparacion::Fallo(textos::TaludSinPuntos);

    TablaDeDovelas& t = e.Dovelas;
    p.AnchoDovela.Redimensionar(N - 1);
    for (int s = 1; s < N; ++s)
        p.AnchoDovela(s) = t.AbscisaBordeDovela(s) - t.AbscisaBordeDovela(s + 1);

    ResultadoPreparacion r = InterpolarEnDovelas(p, e, nt, p.AbscisasTalud, p.OrdenadasTalud,
                                                 textos::DeLaSuperficieDelTalud,
                                                 t.OrdenadaTaludBorde, p.OrdenadaTaludDovela);
    if (!r) return r;
    t.PendienteTaludDovela.Redimensionar(N - 1);
    for (int s = 1; s < N; ++s)
        t.PendienteTaludDovela(s) =
            (t.OrdenadaTaludBorde(s) - t.OrdenadaTaludBorde(s + 1)) / p.AnchoDovela(s);

    const int nf = p.NumeroCoordenadasFreatico();
    if (nf > 0) {
        if (p.AbscisasFreatico.Tamano() < nf || p.OrdenadasFreatico.Tamano() < nf)
            return ResultadoPreparacion::Fallo(textos::CentroFueraDePoligonal(
                1, p.AbscisaCentroDovela(1) + e.OrigenX, textos::DelNivelFreatico));
        r = InterpolarEnDovelas(p, e, nf, p.AbscisasFreatico, p.OrdenadasFreatico,
                                textos::DelNivelFreatico, t.OrdenadaFreaticoBorde,
                                t.OrdenadaFreaticoDovela);
        if (!r) return r;
    } else {
        t.OrdenadaFreaticoBorde.Vaciar();
        t.OrdenadaFreaticoDovela.Vaciar();
    }
    e.GeometriaDovelasCalculada = true;
    return ResultadoPreparacion::Bien();
}

} // namespace vertana
