#include "geometry/presiones_de_poros.h"

#include "model/textos.h"

#include <algorithm>
#include <cmath>

namespace vertana {

namespace {

constexpr double OrdenadaMinimaInicial = -100000000.0; // punto de partida del máximo del talud
constexpr Entero16 TipoTerraplen = 1;                  // "A": terraplén o relleno artificial

// Espesor del estrato i en la columna de la dovela s entre yb y yt.
struct Pieza {
    double abajo = 0.0;
    double arriba = 0.0;
};

Pieza PiezaDelEstrato(const TablaDeDovelas& t, int s, int i, double yb, double yt)
{
    const double techo = i == 1 ? yt : std::min(yt, t.OrdenadaEstratoEnDovela(s, i - 1));
    const double piso = std::max(yb, t.OrdenadaEstratoEnDovela(s, i));
    return {piso, techo};
}

} // namespace

double GradoDeConsolidacion(double Tv)
{
    if (!(Tv > 0.0)) return 0.0;
    double U = 100.0 * std::sqrt(4.0 * Tv / PiConsolidacion);
    if (U > LimiteConsolidacionInicial)
        U = 100.0 - std::pow(10.0, (ConstanteConsolidacionA - Tv) / ConstanteConsolidacionB);
    return U;
}

ResultadoPreparacion EstimarPresionesDePoros(Proyecto& p, EstadoCalculo& e, Interaccion& ui)
{
    e.PresionesCalculadas = false;
    const int N = p.NumeroPuntosDovelas;
    const int nd = N - 1;
    TablaDeDovelas& t = e.Dovelas;
    for (Tabla<double>* tabla :
         {&t.PendienteBaseDovela, &t.GradientePresionDovela, &t.AlturaAguaSobreTalud,
          &t.CargaVerticalDovela, &t.ExcesoPresionDovela, &p.PesoUnitarioDovela})
        tabla->Redimensionar(nd);
    double ymax = OrdenadaMinimaInicial;
    for (int k = 1; k <= p.NumeroCoordenadasTalud(); ++k)
        ymax = std::max(ymax, p.OrdenadasTalud(k));

    // Presiones que ya existen.
    for (int s = 1; s <= p.PresionPorosDovela.Tamano(); ++s)
        if (p.PresionPorosDovela(s) > 0.0) p.PresionesDePorosDadas = true;
    bool conservar = false;
    if (!p.PresionesDePorosDadas) {
        p.PresionPorosDovela.Redimensionar(nd);
    } else if (ui.Pregunta(textos::PreguntaPresionesExistentes)) {
        p.PresionPorosDovela.Redimensionar(nd);
    } else {
        conservar = true;
        p.PresionPorosDovela.RedimensionarConservando(nd);
    }

    const bool hayFreatico = p.NumeroCoordenadasFreatico() > 0;
    const bool suelos = p.SueloRoca == Material::Suelo;
    const int ne = p.NumeroDeEstratos();
    for (int s = 1; s <= nd; ++s) {
        const double xB1 = t.AbscisaBordeDovela(s), xB2 = t.AbscisaBordeDovela(s + 1);
        const double yB1 = t.OrdenadaBordeDovela(s), yB2 = t.OrdenadaBordeDovela(s + 1);
        t.PendienteBaseDovela(s) = (yB1 - yB2) / (xB1 - xB2);
        const double yb = p.OrdenadaCentroDovela(s);
        const double yt = p.OrdenadaTaludDovela(s);
        if (!(yt > yb)) return ResultadoPreparacion::Fallo(textos::BaseSobreElTalud(s));

        // Diferencia de altura de agua sobre la base entre los dos bordes.
        double dh = 0.0;
        if (hayFreatico) {
            const double nf1 = t.OrdenadaFreaticoBorde(s), nf2 = t.OrdenadaFreaticoBorde(s + 1);
            if (nf1 > yB1 && nf2 > yB2) dh = (nf1 - yB1) - (nf2 - yB2);
        }

        // Presión de poros en el centro de la base y agua libre sobre el talud.
        const bool aguaSobreBase = hayFreatico && t.OrdenadaFreaticoDovela(s) > yb;
        if (aguaSobreBase) {
            const double nf = t.OrdenadaFreaticoDovela(s);
            if (!conservar) p.PresionPorosDovela(s) = nf - yb;
            if (nf > yt) {
                if (e.DesembalseRapido) {
                    t.AlturaAguaSobreTalud(s) = nf - yt;
                    t.CargaVerticalDovela(s) = 0.0;
                } else {
                    t.AlturaAguaSobreTalud(s) = 0.0;
                    t.CargaVerticalDovela(s) = nf - yt;
                }
            }
        } else {
            p.PresionPorosDovela(s) = 0.0;
        }

        // Exceso de presión de poros de construcción, si la base está en un terraplén: Δσv es el
        // peso húmedo de los terraplenes de la columna; B, Cv y t son los del estrato de la base,
        // que consolida con drenaje doble (H = mitad de su espesor en el centro de la dovela).
        const int eb = t.EstratoBaseDovela(s);
        double du = 0.0;
        if (suelos && p.TipoDeEstrato(eb) == TipoTerraplen) {
            double dsv = 0.0;
            for (int i = 1; i <= ne; ++i) {
                if (p.TipoDeEstrato(i) != TipoTerraplen) continue;
                const Pieza pieza = PiezaDelEstrato(t, s, i, yb, yt);
                if (pieza.arriba > pieza.abajo)
                    dsv += p.PesoUnitarioHumedo(i) * (pieza.arriba - pieza.abajo);
            }
            const double techo = eb == 1 ? yt : std::min(yt, t.OrdenadaEstratoEnDovela(s, eb - 1));
            const double H = (techo - t.OrdenadaEstratoEnDovela(s, eb)) / 2.0;
            const double tiempo = ymax > 0.0 ? p.TiempoDeConstruccion(eb) * (ymax - yb) / ymax
                                             : p.TiempoDeConstruccion(eb);
            double Tv = 0.0;
            if (H > 0.0)
                Tv = p.CoeficienteConsolidacionVertical(eb) * CmCuadradosPorSegundoAMetrosPorAno *
                     (tiempo / MesesPorAnoCargaGradual) / (H * H);
            const double U = GradoDeConsolidacion(Tv);
            du = dsv * p.ParametroPresionIntersticial(eb) - dsv * U / 100.0;
        }
        t.ExcesoPresionDovela(s) = du;
        if (aguaSobreBase) {
            if (!conservar) p.PresionPorosDovela(s) += du;
            t.GradientePresionDovela(s) = (dh + du) / p.AnchoDovela(s);
        } else {
            t.GradientePresionDovela(s) = 0.0;
        }

        // Peso unitario medio de la columna entre yb y yt.
        const double nfc = hayFreatico ? t.OrdenadaFreaticoDovela(s) : yb;
        double peso = 0.0;
        for (int i = 1; i <= ne; ++i) {
            const Pieza pieza = PiezaDelEstrato(t, s, i, yb, yt);
            if (!(pieza.arriba > pieza.abajo)) continue;
            const double bajoAgua =
                std::clamp(nfc, pieza.abajo, pieza.arriba) - pieza.abajo; // parte saturada
            const double sobreAgua = (pieza.arriba - pieza.abajo) - bajoAgua;
            peso += p.PesoUnitarioHumedo(i) * sobreAgua + p.PesoUnitarioSaturado(i) * bajoAgua;
        }
        p.PesoUnitarioDovela(s) = peso / (yt - yb);
    }
    e.PresionesCalculadas = true;
    return ResultadoPreparacion::Bien();
}

} // namespace vertana
