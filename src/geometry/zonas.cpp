#include "geometry/zonas.h"

#include <cmath>
#include <utility>
#include <vector>

namespace vertana {

namespace {
constexpr double ToleranciaPendientesZona = 0.001; // |m2_c − m1_(c+1)| mínima para una zona
} // namespace

ResultadoPreparacion ConstruirZonas(EstadoCalculo& e)
{
    e.ZonasConstruidas = false;
    const int M = e.NumeroIntersecciones;
    // Sólo las abscisas y los estratos se reordenan; las pendientes conservan el orden en que se
    // hallaron los cruces (intercambios de vecinos, como mucho M pasadas).
    for (int pasada = 1; pasada <= M; ++pasada) {
        bool cambio = false;
        for (int c = 1; c < M; ++c) {
            if (e.AbscisaInterseccion(c) < e.AbscisaInterseccion(c + 1)) {
                std::swap(e.AbscisaInterseccion(c), e.AbscisaInterseccion(c + 1));
                std::swap(e.EstratoInterseccion(c), e.EstratoInterseccion(c + 1));
                cambio = true;
            }
        }
        if (!cambio) break;
    }

    const int n = e.NumeroPuntosSPF;
    e.AbscisaMaximaSPF = e.AbscisasSPF(1);
    for (int k = 2; k <= n; ++k)
        if (e.AbscisasSPF(k) > e.AbscisaMaximaSPF) e.AbscisaMaximaSPF = e.AbscisasSPF(k);
    e.AbscisaMinimaSPF = e.AbscisasSPF(n);
    e.OrdenadaFinalSPF = e.OrdenadasSPF(n);

    std::vector<double> zonas;
    auto agregar = [&](double v) {
        zonas.push_back(v);
        if (v > e.AbscisaMaximaSPF) e.AbscisaMaximaSPF = v;
        if (v < e.AbscisaMinimaSPF) e.AbscisaMinimaSPF = v;
    };
    if (M == 0) {
        agregar(e.AbscisaMaximaSPF);
        agregar(e.AbscisaMinimaSPF);
    } else {
        auto x = [&](int c) { return e.AbscisaInterseccion(c); };
        auto est = [&](int c) { return e.EstratoInterseccion(c); };
        auto m1 = [&](int c) { return e.PendienteFallaInterseccion(c); };
        auto m2 = [&](int c) { return e.PendienteEstratoInterseccion(c); };
        for (int c = 1; c <= M; ++c) {
            if (c == 1) {
                agregar(e.AbscisaMaximaSPF);
                agregar(x(1));
            } else if (c < M) {
                if (est(c) != est(c - 1) && est(c) != est(c + 1))
                    agregar(x(c));
                else if (est(c) == est(c - 1) && x(c) != x(c - 1))
                    agregar(x(c));
                else if (est(c) == est(c + 1) && est(c) != est(c - 1) && m1(c) != m1(c + 1) &&
                         std::fabs(m2(c) - m1(c + 1)) >= ToleranciaPendientesZona)
                    agregar(x(c));
            } else {
                if (est(M) != est(M - 1) || x(M) != x(M - 1)) agregar(x(M));
            }
        }
        if (x(M) != e.AbscisaMinimaSPF) agregar(e.AbscisaMinimaSPF);
    }
    e.NumeroZonas = static_cast<Entero16>(zonas.size());
    e.AbscisasZonas.Redimensionar(e.NumeroZonas);
    for (int k = 1; k <= e.NumeroZonas; ++k)
        e.AbscisasZonas(k) = zonas[static_cast<std::size_t>(k - 1)];
    e.ZonasConstruidas = true;
    return ResultadoPreparacion::Bien();
}

} // namespace vertana
