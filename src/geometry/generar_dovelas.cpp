#include "geometry/generar_dovelas.h"

#include "geometry/superficie_falla.h"
#include "model/textos.h"

#include <cmath>
#include <limits>
#include <vector>

namespace vertana {

namespace {

constexpr int MaximoBordes = std::numeric_limits<Entero16>::max();

// Unión cuyas abscisas encierran a x (la primera), 0 si ninguna.
int UnionQueContiene(const EstadoCalculo& e, double x)
{
    for (int d = 1; d <= e.NumeroTramosSPF; ++d) {
        const double xi = e.AbscisasSPF(e.InicioTramoSPF(d));
        const double xf = e.AbscisasSPF(e.FinTramoSPF(d));
        if (x <= xi && x >= xf) return d;
    }
    return 0;
}

} // namespace

ResultadoPreparacion GenerarDovelas(Proyecto& p, EstadoCalculo& e, Interaccion& ui)
{
    e.DovelasConstruidas = false;
    const double nd = p.NumeroDovelas;
    if (!std::isfinite(nd) || nd < 1.0 || nd >= MaximoBordes)
        return ResultadoPreparacion::Fallo(textos::NumeroDovelasNoValido);
    const double extension = e.AbscisaMaximaSPF - e.AbscisaMinimaSPF;
    if (!(extension > 0.0)) return ResultadoPreparacion::Fallo(textos::SinDovelas);
    const double w = extension / nd;

    std::vector<double> bordes, centros;
    bool demasiadas = false;
    auto agregar = [&](double B) {
        if (bordes.size() >= static_cast<std::size_t>(MaximoBordes)) {
            demasiadas = true;
            return;
        }
        if (!bordes.empty() && bordes.back() < B) {
            // Un borde a la derecha del anterior lo reemplaza.
            bordes.back() = B;
            if (!centros.empty()) centros.back() = (bordes[bordes.size() - 2] + B) / 2.0;
        } else if (!bordes.empty() && bordes.back() == B) {
            // Borde repetido: no se agrega.
        } else if (!bordes.empty()) {
            const double centro = (bordes.back() + B) / 2.0;
            if (!centros.empty() && !(centro < centros.back())) return;
            bordes.push_back(B);
            centros.push_back(centro);
        } else {
            bordes.push_back(B);
        }
    };

    agregar(e.AbscisasZonas(1));
    for (int k = 1; k < e.NumeroZonas && !demasiadas; ++k) {
        const double bk = e.AbscisasZonas(k), bk1 = e.AbscisasZonas(k + 1);
        if (!(bk1 < bk)) continue;
        const double r = (bk - bk1) / w;
        if (r > 1.0) {
            const double n = std::floor(r);
            const double f = r - n;
            if (n >= MaximoBordes) return ResultadoPreparacion::Fallo(textos::DemasiadasDovelas);
            // Un resto de ancho despreciable no forma dovela: el último borde nominal es b_(k+1).
            const bool restoUtil = f * w >= AnchoMinimoResto;
            const int nominales = static_cast<int>(n) - (restoUtil ? 0 : 1);
            for (int j = 1; j <= nominales && !demasiadas; ++j)
                agregar(bk - j * w);
            agregar(bk1);
        } else {
            agregar(bk1);
        }
    }
    if (demasiadas) return ResultadoPreparacion::Fallo(textos::DemasiadasDovelas);
    if (!centros.empty() &&
        std::fabs(centros.back() - e.AbscisasZonas(e.NumeroZonas)) < ToleranciaUltimoCentro) {
        bordes.pop_back();
        centros.pop_back();
    }
    const int N = static_cast<int>(bordes.size());
    if (N < 2) return ResultadoPreparacion::Fallo(textos::SinDovelas);

    p.NumeroPuntosDovelas = static_cast<Entero16>(N);
    e.Dovelas.AbscisaBordeDovela.Redimensionar(N);
    e.Dovelas.OrdenadaBordeDovela.Redimensionar(N);
    p.AbscisaCentroDovela.Redimensionar(N - 1);
    p.OrdenadaCentroDovela.Redimensionar(N - 1);
    for (int k = 1; k <= N; ++k)
        e.Dovelas.AbscisaBordeDovela(k) = bordes[k - 1];
    for (int k = 1; k < N; ++k)
        p.AbscisaCentroDovela(k) = centros[k - 1];

    // Ordenadas de la superficie de falla en bordes y centros.
    e.Dovelas.OrdenadaBordeDovela(1) = e.OrdenadasSPF(1);
    for (int k = 2; k <= N; ++k) {
        const int d = UnionQueContiene(e, e.Dovelas.AbscisaBordeDovela(k));
        if (d == 0) return ResultadoPreparacion::Fallo(textos::BordeFueraDeLaSuperficie(k));
        const ResultadoPreparacion r = OrdenadaSPF(p, e, ui, PendienteUnion(e, d), d, k, ModoBorde);
        if (!r) return r;
        if (!std::isfinite(e.Dovelas.OrdenadaBordeDovela(k)))
            return ResultadoPreparacion::Fallo(textos::OrdenadaSuperficieNoValida(k));
    }
    for (int k = 1; k < N; ++k) {
        const int d = UnionQueContiene(e, p.AbscisaCentroDovela(k));
        if (d == 0) return ResultadoPreparacion::Fallo(textos::BordeFueraDeLaSuperficie(k));
        const ResultadoPreparacion r =
            OrdenadaSPF(p, e, ui, PendienteUnion(e, d), d, k, ModoCentro);
        if (!r) return r;
        if (!std::isfinite(p.OrdenadaCentroDovela(k)))
            return ResultadoPreparacion::Fallo(textos::OrdenadaSuperficieNoValida(k));
    }

    if (e.CentroFijo) {
        for (Tabla<double>* t :
             {&p.AnchoDovela, &p.OrdenadaTaludDovela, &p.PresionPorosDovela, &p.PesoUnitarioDovela,
              &p.EsfuerzoNormalDovela, &p.EsfuerzoEfectivoDovela, &p.EsfuerzoTangencialDovela})
            t->Redimensionar(N - 1);
    }
    e.DovelasConstruidas = true;
    return ResultadoPreparacion::Bien();
}

} // namespace vertana
