#include "geometry/asignar_materiales.h"

#include "geometry/poligonal.h"
#include "model/macizo_rocoso.h"
#include "model/textos.h"
#include "model/unidades.h"

#include <algorithm>
#include <cmath>

namespace vertana {

namespace {

bool PropiedadesCompletas(const Proyecto& p)
{
    const int n = p.NumeroDeEstratos();
    for (const Tabla<double>* t : {&p.PesoUnitarioHumedo, &p.PesoUnitarioSaturado})
        if (t->Tamano() < n) return false;
    if (p.SueloRoca == Material::Suelo) {
        if (p.CohesionMacizo.Tamano() < n || p.FriccionMacizo.Tamano() < n ||
            p.TipoDeEstrato.Tamano() < n || p.ParametroPresionIntersticial.Tamano() < n ||
            p.CoeficienteConsolidacionVertical.Tamano() < n || p.TiempoDeConstruccion.Tamano() < n)
            return false;
    } else {
        // La cohesión y la fricción de un macizo rocoso se estiman aquí mismo.
        for (const Tabla<double>* t : {&p.ParametroMIntacto, &p.IndiceGSI, &p.ParametroM,
                                       &p.ParametroS, &p.CompresionSimple})
            if (t->Tamano() < n) return false;
    }
    return true;
}

} // namespace

ResultadoPreparacion AsignarMateriales(Proyecto& p, EstadoCalculo& e)
{
    e.MaterialesAsignados = false;
    if (p.SueloRoca == Material::SinDefinir)
        return ResultadoPreparacion::Fallo(textos::MaterialSinDefinir);
    const int ne = p.NumeroDeEstratos();
    if (ne < 1 || p.NumeroCoordenadasEstrato.Tamano() < ne || p.AbscisasEstratos.Filas() < ne ||
        p.OrdenadasEstratos.Filas() < ne ||
        p.OrdenadasEstratos.Columnas() < p.AbscisasEstratos.Columnas())
        return ResultadoPreparacion::Fallo(textos::SinEstratos);
    if (!PropiedadesCompletas(p))
        return ResultadoPreparacion::Fallo(textos::FaltanPropiedadesEstratos);
    if (p.SueloRoca == Material::Roca) {
        // La cohesión y la fricción equivalentes de cada estrato, de sus datos de Hoek-Brown.
        if (const int estrato = EstimarMohrCoulombDeLosMacizos(p))
            return ResultadoPreparacion::Fallo(textos::MacizoNoValidoEnCalculo(
                estrato, TextoFalloMacizo(ComprobarEstratoDeRoca(p, estrato))));
    }

    const int N = p.NumeroPuntosDovelas;
    TablaDeDovelas& t = e.Dovelas;
    t.OrdenadaEstratoEnDovela.Redimensionar(N - 1, ne);
    t.EstratoBaseDovela.Redimensionar(N - 1);
    t.TipoEstratoEnDovela.Redimensionar(N - 1);
    t.TangenteFriccionDovela.Redimensionar(N - 1);
    t.CompresionSimpleDovela.Redimensionar(N - 1);
    for (Tabla<double>* tabla : {&p.CohesionDovela, &p.FriccionDovela, &p.ParametroMDovela,
                                 &p.ParametroSDovela, &p.ExponenteHoekBrownDovela})
        tabla->Redimensionar(N - 1);

    for (int s = 1; s < N; ++s) {
        const double xo = p.AbscisaCentroDovela(s);
        for (int i = 1; i <= ne; ++i) {
            const int puntos =
                std::min<int>(p.NumeroCoordenadasEstrato(i), p.AbscisasEstratos.Columnas());
            const auto y = OrdenadaEnPoligonal(
                puntos, [&](int j) { return p.AbscisasEstratos(i, j); },
                [&](int j) { return p.OrdenadasEstratos(i, j); }, xo);
            if (!y)
                return ResultadoPreparacion::Fallo(textos::CentroFueraDePoligonal(
                    s, xo + e.OrigenX, textos::DeLaLineaDelEstrato(i)));
            t.OrdenadaEstratoEnDovela(s, i) = *y;
        }
        const double yb = p.OrdenadaCentroDovela(s);
        int estrato = 0;
        if (yb > t.OrdenadaEstratoEnDovela(s, 1)) {
            estrato = 1;
        } else {
            for (int i = 2; i <= ne && estrato == 0; ++i) {
                const double piso = t.OrdenadaEstratoEnDovela(s, i);
                const double techo = t.OrdenadaEstratoEnDovela(s, i - 1);
                if (piso <= yb && yb <= techo) estrato = i;
            }
        }
        if (estrato == 0)
            return ResultadoPreparacion::Fallo(textos::BaseBajoElUltimoEstrato(s, ne));
        t.EstratoBaseDovela(s) = static_cast<Entero16>(estrato);
        p.CohesionDovela(s) = p.CohesionMacizo(estrato);
        p.FriccionDovela(s) = p.FriccionMacizo(estrato);
        t.TangenteFriccionDovela(s) = std::tan(Radianes(p.FriccionDovela(s)));
        if (p.SueloRoca == Material::Suelo) {
            t.TipoEstratoEnDovela(s) = p.TipoDeEstrato(estrato);
        } else {
            p.ParametroMDovela(s) = p.ParametroM(estrato);
            p.ParametroSDovela(s) = p.ParametroS(estrato);
            t.CompresionSimpleDovela(s) = KgCm2ATonM2(p.CompresionSimple(estrato));
            p.ExponenteHoekBrownDovela(s) = ExponenteHoekBrown(p.IndiceGSI(estrato));
        }
    }
    e.MaterialesAsignados = true;
    return ResultadoPreparacion::Bien();
}

} // namespace vertana
