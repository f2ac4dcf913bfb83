#include "methods/fellenius.h"

#include "geometry/preparacion.h"
#include "methods/momento_cargas.h"
#include "model/textos.h"

#include <cmath>

namespace vertana {

namespace {
constexpr double FactorOrdenadaCentroCompuesta = 1.5; // ym = 1.5·y1 en una superficie compuesta
constexpr double Mitad = 0.5;
constexpr double TercioAltura = 1.0 / 3.0; // el empuje del agua de la grieta actúa a 1/3
} // namespace

SolucionFellenius CalcularFellenius(const Proyecto& p, const EstadoCalculo& e)
{
    SolucionFellenius r;
    const int nd = p.NumeroPuntosDovelas - 1;
    const bool circulo = CirculoUnicoDeCalculo(p);
    const double R = p.RadioCirculoFalla;
    const double xm =
        circulo ? p.CentroCirculoX : Mitad * (e.AbscisaMaximaSPF + e.AbscisaMinimaSPF);
    const double ym =
        circulo ? p.CentroCirculoY : FactorOrdenadaCentroCompuesta * p.OrdenadasFalla(1);
    const double kh = p.CoeficienteSismicoHorizontal, kv = p.CoeficienteSismicoVertical;
    r.alfa = AngulosBaseDovelas(p, e, circulo);
    r.N.Redimensionar(nd);

    double sumaR = 0.0, sumaD = 0.0;
    // Agua de la grieta, una vez, con α y tan φ de la dovela 1.
    if (nd >= 1) {
        const double hw = p.AlturaAguaGrieta;
        const double a1 = r.alfa(1), tf1 = e.Dovelas.TangenteFriccionDovela(1);
        if (circulo) {
            sumaR += -hw * std::sin(a1) * tf1;
        } else {
            const double x2g = p.AbscisaSegundoPuntoGrieta, y2g = p.OrdenadaSegundoPuntoGrieta;
            const double NFg = p.OrdenadaNivelFreaticoGrieta;
            sumaR +=
                -hw * std::sin(a1) * std::sin(a1) * tf1 * (x2g - xm) +
                hw * std::sin(a1) * tf1 * std::cos(a1) * ((NFg - y2g) * TercioAltura + y2g - ym);
        }
    }
    for (int s = 1; s <= nd; ++s) {
        const double a = r.alfa(s), sa = std::sin(a), ca = std::cos(a);
        const double dx = p.AnchoDovela(s), xs = p.AbscisaCentroDovela(s);
        const double yt = p.OrdenadaTaludDovela(s), yb = p.OrdenadaCentroDovela(s);
        const double u = p.PresionPorosDovela(s), c = p.CohesionDovela(s);
        const double tf = e.Dovelas.TangenteFriccionDovela(s);
        const double tanBeta = e.Dovelas.PendienteTaludDovela(s);
        const double l = dx / ca;
        const double W = PesoDovela(p, e, s);
        double N = (1.0 + kv) * W * ca - kh * W * sa;
        for (int j = 1; j <= p.NumeroCargasUniformes(); ++j)
            if (CargaUniformeCubre(p, j, xs))
                N += dx * p.CargaUniformeQx(j) * tanBeta * sa + dx * p.CargaUniformeQy(j) * ca;
        for (int j = 1; j <= p.NumeroCargasPuntuales(); ++j)
            if (CargaPuntualEnDovela(p, e, j, s))
                N += p.CargaPuntualPx(j) * sa + p.CargaPuntualPy(j) * ca;
        r.N(s) = N;
        const double S = (N - u * l) * tf + c * l;
        double D = 0.0;
        if (circulo) {
            sumaR += S;
            D = (1.0 + kv) * W * R * sa + kh * W * (ym - Mitad * (yt + yb));
        } else {
            sumaR += S * (sa * (xs - xm) - ca * (yb - ym));
            D = (1.0 + kv) * W * (xs - xm) - kh * W * (Mitad * (yt + yb) - ym) -
                N * ((xs - xm) * ca + (yb - ym) * sa);
        }
        D += MomentoCargasDovela(p, e, xm, ym, s, circulo);
        sumaD += D;
    }
    r.SumaMomentosMotores = sumaD;
    r.FS = circulo ? R * sumaR / sumaD : sumaR / sumaD;
    return r;
}

ResultadoMetodo MetodoFellenius(Proyecto& p, EstadoCalculo& e, Interaccion& ui)
{
    const auto detenido = ResultadoMetodo::Sin(FinCalculo::Detenido);
    const auto limite = [&](const char* texto) {
        ui.Mensaje(texto, textos::TituloLimiteCalculo);
        return ResultadoMetodo::Sin(FinCalculo::Limite);
    };
    PreguntarDesembalse(e, ui);
    if (p.SueloRoca == Material::Roca) {
        ui.Mensaje(textos::MaterialEsRoca, textos::TituloNoEsSuelo);
        return detenido;
    }
    if (p.MetodoDeCalculo != Metodo::Fellenius) {
        ui.Mensaje(textos::MetodoNoSeleccionado, textos::TituloNoEsMetodo);
        return detenido;
    }
    if (p.HayResultados && !ui.Pregunta(textos::PreguntaRecalcular)) return detenido;
    if (!PrepararCalculo(p, e, ui)) return detenido;
    if (p.NumeroPuntosDovelas < 2) return detenido;

    const SolucionFellenius r = CalcularFellenius(p, e);
    if (r.SumaMomentosMotores == 0.0) return limite(textos::MomentoMotorNulo);
    if (!std::isfinite(r.FS)) return limite(textos::FactorNoFinito);
    if (r.FS <= 0.0) return limite(textos::FactorNoPositivo);
    EscribirEsfuerzos(p, e, r.alfa, r.N, r.FS);
    EscribirHistoria(p, {r.FS});
    MarcarResultados(p);
    ui.Mensaje(textos::FinFellenius);
    return ResultadoMetodo::Con(r.FS);
}

} // namespace vertana
