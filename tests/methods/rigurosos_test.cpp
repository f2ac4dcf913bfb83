// Spencer y Morgenstern-Price: soluciones cerradas sobre un plano, valores publicados de los
// problemas clásicos (tests/datos/clasicos/FUENTES.md) y equilibrio de fuerzas y momentos
// recalculado aquí con las fuerzas entre dovelas que devuelve el método.
#include "cli/interaccion_lote.h"
#include "geometry/preparacion.h"
#include "io/archivo_proyecto.h"
#include "methods/bishop.h"
#include "methods/dovelas_rigurosas.h"
#include "methods/momento_cargas.h"
#include "methods/rigurosos.h"
#include "proyectos_de_prueba.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <numbers>
#include <string>

namespace vertana {
namespace {

constexpr double Grado = std::numbers::pi / 180.0;

// Dovelas sobre el plano y = x·tan ψ entre los bordes dados (de la corona al pie), bajo un talud
// lineal entre bordes consecutivos, con subpresión u(x) y suelo (γ, c, tan φ).
ProblemaRiguroso SobrePlano(double psi, const std::vector<double>& bordes,
                            const std::function<double(double)>& talud,
                            const std::function<double(double)>& u, double gamma, double c,
                            double tf)
{
    ProblemaRiguroso p;
    for (double x : bordes)
        p.Bordes.push_back({x, x * std::tan(psi), talud(x)});
    for (std::size_t j = 0; j + 1 < bordes.size(); ++j) {
        const BordeRiguroso &a = p.Bordes[j], &b = p.Bordes[j + 1];
        DovelaRigurosa d;
        d.Ancho = a.Abscisa - b.Abscisa;
        d.Alfa = psi;
        d.Peso = gamma * d.Ancho * 0.5 *
                 (a.OrdenadaTalud - a.OrdenadaBase + b.OrdenadaTalud - b.OrdenadaBase);
        d.AbscisaBase = 0.5 * (a.Abscisa + b.Abscisa);
        d.OrdenadaBase = d.AbscisaBase * std::tan(psi);
        d.OrdenadaTalud = talud(d.AbscisaBase);
        d.OrdenadaSismo = 0.5 * (d.OrdenadaBase + d.OrdenadaTalud);
        d.PresionPoros = u(d.AbscisaBase);
        d.Cohesion = c;
        d.TangenteFriccion = tf;
        p.Dovelas.push_back(d);
    }
    return p;
}

// Cuña sobre un plano de inclinación ψ desde el pie (0, 0) hasta la grieta en xg, bajo un talud
// de 60° hasta la corona (xf, Hc) y una corona horizontal; agua en la grieta hasta hw sobre su
// base y subpresión lineal de hw (en la grieta) a 0 (en el pie); carga (Px, Py) en (22, Hc).
//
//   Hc  ______________ (xg, Hc)
//      /     |
//     /      | grieta, agua hw
//    / ______| (xg, yg)
//   /_/ ψ
//  (0,0)
struct Cuna {
    double psi = 30 * Grado, L = 30, Hc = 30, hw = 3.75, gamma = 2.5484, c = 2.0387;
    double tf = std::tan(30 * Grado), kh = 0.0, kv = 0.0, Px = 0.0, Py = 0.0, xCarga = 22.0;
    double xg() const { return L * std::cos(psi); }
    double yg() const { return L * std::sin(psi); }
    double xf() const { return Hc / std::tan(60 * Grado); }

    // Dovelas de ancho uniforme a cada lado del quiebre del talud (nA en la corona, nB en la cara;
    // nB = 0: sólo la corona).
    ProblemaRiguroso Problema(int nA, int nB) const
    {
        std::vector<double> bordes;
        for (int k = 0; k < nA; ++k)
            bordes.push_back(xg() - k * (xg() - xf()) / nA);
        for (int k = 0; k <= nB; ++k)
            bordes.push_back(nB == 0 ? xf() : xf() - k * xf() / nB);
        ProblemaRiguroso p = SobrePlano(
            psi, bordes, [&](double x) { return std::min(Hc, x * std::tan(60 * Grado)); },
            [&](double x) { return hw * x / xg(); }, gamma, c, tf);
        p.CoeficienteSismicoHorizontal = kh;
        p.CoeficienteSismicoVertical = kv;
        p.EmpujeAguaGrieta = 0.5 * hw * hw;
        p.OrdenadaEmpujeGrieta = yg() + hw / 3;
        for (std::size_t j = 0; j + 1 < bordes.size(); ++j)
            if (bordes[j + 1] < xCarga && xCarga <= bordes[j])
                p.Dovelas[j].Cargas.push_back({Px, Py, xCarga, Hc});
        return p;
    }

    // Bloque rígido: W por el área del polígono pie, base de la grieta, su cabeza, corona
    // (fórmula del área de Gauss), U = hw·L/2 y
    // F = [c·L + (V·cos ψ + H·sin ψ − U)·tan φ] / (V·sin ψ − H·cos ψ).
    double FactorDelBloque() const
    {
        const double x[] = {0, xg(), xg(), xf()}, y[] = {0, yg(), Hc, Hc};
        double area = 0.0;
        for (int i = 0; i < 4; ++i)
            area += 0.5 * (x[i] * y[(i + 1) % 4] - x[(i + 1) % 4] * y[i]);
        const double W = gamma * area;
        const double V = (1 + kv) * W + Py, H = -kh * W + Px - 0.5 * hw * hw;
        const double U = 0.5 * hw * L;
        return (c * L + (V * std::cos(psi) + H * std::sin(psi) - U) * tf) /
               (V * std::sin(psi) - H * std::cos(psi));
    }
};

// Sobre un plano las fuerzas entre dovelas se anulan en la suma: Spencer y Morgenstern-Price
// dan el factor del bloque con cualquier λ y cualquier número de dovelas. El talud infinito con
// filtración paralela: F = [c + (γ·z − hw)·cos²β·tan φ] / (γ·z·sin β·cos β).
TEST(Rigurosos, PlanoIgualAlBloqueYAlTaludInfinito)
{
    Cuna cuna;
    // Priest (1993): el bloque con grieta llena hasta 3.75 m da 1.049 (comprueba la fórmula).
    EXPECT_NEAR(cuna.FactorDelBloque(), 1.049, 0.0005);
    Cuna cargada = cuna;
    cargada.kh = 0.08;
    cargada.kv = 0.04;
    cargada.Px = 5;
    cargada.Py = 20;
    for (const Cuna& c : {cuna, cargada})
        for (auto [nA, nB] : {std::pair{1, 1}, {3, 4}, {40, 60}}) {
            const ProblemaRiguroso p = c.Problema(nA, nB);
            for (const SolucionRigurosa& s : {ResolverSpencer(p), ResolverMorgensternPrice(p)}) {
                ASSERT_EQ(s.Estado, EstadoRiguroso::Convergio) << nA << " " << nB;
                EXPECT_NEAR(s.FS, c.FactorDelBloque(), 1e-8 * s.FS) << nA << " " << nB;
            }
        }

    const double beta = 25 * Grado, z = 5, hw = 3, gamma = 2, c = 1, tf = std::tan(32 * Grado);
    std::vector<double> bordes;
    for (int j = 40; j >= 0; --j)
        bordes.push_back(2.5 * j);
    const ProblemaRiguroso p = SobrePlano(
        beta, bordes, [&](double x) { return x * std::tan(beta) + z; },
        [&](double) { return hw * std::cos(beta) * std::cos(beta); }, gamma, c, tf);
    const double infinito = (c + (gamma * z - hw) * std::pow(std::cos(beta), 2) * tf) /
                            (gamma * z * std::sin(beta) * std::cos(beta));
    const SolucionRigurosa s = ResolverSpencer(p);
    ASSERT_EQ(s.Estado, EstadoRiguroso::Convergio);
    EXPECT_NEAR(s.FS, infinito, 1e-8 * infinito);
}

const std::string Clasicos = std::string(VERTANA_DATOS_PRUEBA) + "/clasicos/";

// Problema de un archivo clásico con `dovelas` dovelas (0: las del archivo) y, si se da, algún
// otro cambio en el proyecto.
ProblemaRiguroso DesdeArchivo(const std::string& archivo, int dovelas,
                              const std::function<void(Proyecto&)>& cambio = {})
{
    Proyecto p;
    ReiniciarProyecto(p);
    InteraccionLote lectura;
    EXPECT_TRUE(LeerProyecto(Clasicos + archivo, p, lectura)) << archivo;
    if (dovelas > 0) p.NumeroDovelas = dovelas;
    if (cambio) cambio(p);
    EstadoCalculo e;
    ReiniciarEstadoCalculo(e);
    InteraccionLote ui(true);
    EXPECT_TRUE(EjecutarPreparacion(p, e, ui).correcto) << archivo;
    return ProblemaRigurosoDesdeDovelas(p, e);
}

// Spencer dentro del 1 % del valor riguroso publicado (tests/datos/clasicos/FUENTES.md), con las
// dovelas del archivo y con 200.
TEST(Rigurosos, SpencerEnLosProblemasPublicados)
{
    const struct {
        const char* archivo;
        double publicado;
    } casos[] = {
        {"fredlund_krahn_1977_caso1.cod", 2.073},  // Fredlund y Krahn 1977, tabla 2
        {"priest_1993_bloque_grieta.cod", 1.049},  // bloque rígido (Priest 1993)
        {"duncan_wright_2005_fig14_5.cod", 2.545}, // Spencer en otros programas
        {"usace_em1110_2_1902_f5.cod", 1.328},     // Spencer en otros programas
        {"chen_shao_1988_carga_en_corona.cod",
         1.051}, // Spencer en otros programas; 1.05 de los autores
    };
    for (const auto& caso : casos)
        for (int dovelas : {0, 200}) {
            const SolucionRigurosa s = ResolverSpencer(DesdeArchivo(caso.archivo, dovelas));
            ASSERT_EQ(s.Estado, EstadoRiguroso::Convergio) << caso.archivo;
            EXPECT_NEAR(s.FS, caso.publicado, 0.01 * caso.publicado) << caso.archivo << dovelas;
            EXPECT_LE(s.IteracionesLambda, 10) << caso.archivo;
            EXPECT_LE(s.ResiduoFuerzas + s.ResiduoMomentos, 1e-9) << caso.archivo;
        }
    // Fredlund y Krahn 1977: Spencer θ = 14.81° (tabla 2), Morgenstern-Price con medio seno
    // F = 2.076, λ = 0.318 (tabla 3).
    const ProblemaRiguroso fk = DesdeArchivo("fredlund_krahn_1977_caso1.cod", 0);
    EXPECT_NEAR(ResolverSpencer(fk).AnguloEntreDovelas / Grado, 14.81, 1.0);
    const SolucionRigurosa mp = ResolverMorgensternPrice(fk);
    ASSERT_EQ(mp.Estado, EstadoRiguroso::Convergio);
    EXPECT_NEAR(mp.FS, 2.076, 0.01 * 2.076);
    EXPECT_NEAR(mp.Lambda, 0.318, 0.05 * 0.318);
}

// Equilibrio recalculado con E, X y F devueltos: de las dos ecuaciones de fuerzas de cada dovela
// salen N y S, que deben cumplir F·S = c·l + (N − u·l)·tan φ; E y X se anulan en los extremos;
// la suma de momentos de las fuerzas exteriores y de N y S (en el centro de cada base) respecto
// de un punto cualquiera es nula, y cada dovela cumple su momento con la línea de empuje.
// El círculo profundo con kh = 0.189 tiene, para λ ≈ 2.7, una segunda raíz de la ecuación de
// fuerzas junto al polo de mα que no es la solución física.
TEST(Rigurosos, EquilibrioDeFuerzasYMomentosRecalculado)
{
    auto circuloProfundo = [](Proyecto& p) {
        const double x1 = 51.274, y1 = 18.288, x2 = 9.474, y2 = 6.096;
        p.AbscisasFalla(1) = x1;
        p.OrdenadasFalla(1) = y1;
        p.AbscisasFalla(2) = x2;
        p.OrdenadasFalla(2) = y2;
        p.RadioCirculoFalla = 65.141;
        ASSERT_TRUE(CentroParaRadio(x1, y1, x2, y2, p.RadioCirculoFalla, p.CentroCirculoX,
                                    p.CentroCirculoY));
        for (int k = 1; k <= p.NumeroCoordenadasEstrato(1); ++k)
            p.OrdenadasEstratos(1, k) = -80; // el círculo baja de y = 0
        p.CoeficienteSismicoHorizontal = 0.189;
    };
    std::vector<ProblemaRiguroso> problemas = {
        DesdeArchivo("fredlund_krahn_1977_caso1_sismo.cod", 0),
        DesdeArchivo("priest_1993_bloque_grieta.cod", 0),
        DesdeArchivo("chen_shao_1988_carga_en_corona.cod", 0),
        DesdeArchivo("fredlund_krahn_1977_caso1_freatico.cod", 39, circuloProfundo)};
    Cuna cuna;
    cuna.kh = 0.1;
    cuna.Py = 20;
    problemas.push_back(cuna.Problema(5, 8));
    for (const ProblemaRiguroso& p : problemas)
        for (const SolucionRigurosa& s : {ResolverSpencer(p), ResolverMorgensternPrice(p)}) {
            ASSERT_EQ(s.Estado, EstadoRiguroso::Convergio);
            const std::size_t n = p.Dovelas.size();
            double escala = p.EmpujeAguaGrieta; // Σ|fuerzas exteriores|
            for (const DovelaRigurosa& d : p.Dovelas) {
                escala += d.Peso;
                for (const CargaRigurosa& c : d.Cargas)
                    escala += std::fabs(c.Horizontal) + std::fabs(c.Vertical);
            }
            const double L = p.Bordes.front().Abscisa - p.Bordes.back().Abscisa;
            EXPECT_EQ(s.E.front(), 0.0);
            EXPECT_NEAR(s.E.back(), 0.0, 1e-9 * escala);
            const double x0 = -13.7, y0 = 51.3; // punto de momentos cualquiera
            double momento = 0.0;
            for (std::size_t i = 0; i < n; ++i) {
                const DovelaRigurosa& d = p.Dovelas[i];
                const double sa = std::sin(d.Alfa), ca = std::cos(d.Alfa), l = d.Ancho / ca;
                // Fuerzas exteriores (x hacia el talud, y hacia arriba) y su momento respecto
                // de (x0, y0) y del centro de la base.
                const double W = d.Peso, kh = p.CoeficienteSismicoHorizontal;
                double Fx = -kh * W, Fy = -(1 + p.CoeficienteSismicoVertical) * W;
                double Mo = (d.AbscisaBase - x0) * Fy + (d.OrdenadaSismo - y0) * kh * W;
                for (const CargaRigurosa& c : d.Cargas) {
                    Fx += c.Horizontal;
                    Fy -= c.Vertical;
                    Mo += -(c.X - x0) * c.Vertical - (c.Y - y0) * c.Horizontal;
                }
                if (i == 0) {
                    Fx -= p.EmpujeAguaGrieta;
                    Mo += (p.OrdenadaEmpujeGrieta - y0) * p.EmpujeAguaGrieta;
                }
                const double xb = d.AbscisaBase - x0, yb = d.OrdenadaBase - y0;
                const double Mb = Mo - (xb * Fy - yb * Fx);
                // −N·sin α + S·cos α + Fx + ΔE = 0,  N·cos α + S·sin α + Fy + ΔX = 0.
                const double hx = Fx + s.E[i + 1] - s.E[i], hy = Fy + s.X[i + 1] - s.X[i];
                const double N = sa * hx - ca * hy, S = -ca * hx - sa * hy;
                EXPECT_NEAR(s.FuerzaNormal[i], N, 1e-9 * escala);
                EXPECT_NEAR(s.FuerzaCorte[i], S, 1e-9 * escala);
                EXPECT_NEAR(s.FS * S,
                            d.Cohesion * l + (N - d.PresionPoros * l) * d.TangenteFriccion,
                            1e-8 * escala);
                momento += Mo + xb * (N * ca + S * sa) - yb * (-N * sa + S * ca);
                // Momento de la dovela respecto del centro de su base con la línea de empuje.
                auto z = [&](std::size_t j) {
                    return s.E[j] == 0.0 ? 0.0 : p.Bordes[j].OrdenadaBase + s.AlturaEmpuje[j];
                };
                const double mi = Mb - 0.5 * d.Ancho * (s.X[i] + s.X[i + 1]) +
                                  (z(i) - d.OrdenadaBase) * s.E[i] -
                                  (z(i + 1) - d.OrdenadaBase) * s.E[i + 1];
                if (std::isfinite(mi) && i + 1 < n) {
                    EXPECT_NEAR(mi, 0.0, 1e-8 * escala * L);
                }
            }
            EXPECT_NEAR(momento, 0.0, 1e-8 * escala * L);
        }
}

// El problema armado desde la tabla de dovelas lleva las mismas cargas y el mismo empuje de la
// grieta que Fellenius y Bishop: su momento respecto de un punto coincide con
// MomentoCargasDovela (convención de la superficie compuesta) en cada dovela. Superficie
// compuesta con grieta con agua, una carga puntual y una uniforme inclinada sobre la cara.
TEST(Rigurosos, ConversionConLasCargasDeLosOtrosMetodos)
{
    Proyecto p = prueba::SueloConResultados(4);
    p.NumeroDovelas = 12;
    p.CargaUniformeXo(1) = 22;
    p.CargaUniformeXf(1) = 35;
    p.CargaUniformeQx(1) = 0.4;
    EstadoCalculo e;
    ReiniciarEstadoCalculo(e);
    InteraccionLote ui(true);
    ASSERT_TRUE(EjecutarPreparacion(p, e, ui).correcto);
    const ProblemaRiguroso r = ProblemaRigurosoDesdeDovelas(p, e);
    ASSERT_EQ(static_cast<int>(r.Dovelas.size()), p.NumeroPuntosDovelas - 1);
    const double xm = 3.3, ym = 27.1;
    int conCargas = 0;
    for (int s = 1; s <= p.NumeroPuntosDovelas - 1; ++s) {
        const DovelaRigurosa& d = r.Dovelas[static_cast<std::size_t>(s - 1)];
        double motor = s == 1 ? r.EmpujeAguaGrieta * (ym - r.OrdenadaEmpujeGrieta) : 0.0;
        for (const CargaRigurosa& c : d.Cargas)
            motor += (c.X - xm) * c.Vertical + (c.Y - ym) * c.Horizontal;
        conCargas += d.Cargas.empty() ? 0 : 1;
        const double otros = MomentoCargasDovela(p, e, xm, ym, s, false);
        EXPECT_NEAR(motor, otros, 1e-12 * (1.0 + std::fabs(otros))) << s;
    }
    EXPECT_GE(conCargas, 3);
}

// Sin solución no hay factor: datos incompletos o no finitos, resistencia negativa (presión de
// poros mayor que el peso) y una sola dovela con sismo, cuyo momento respecto de la base no
// depende de λ (E_0 = E_1 = 0), de modo que ningún λ lo equilibra.
TEST(Rigurosos, SinSolucionNoDaFactor)
{
    Cuna cuna;
    ProblemaRiguroso vacio, sinBordes = cuna.Problema(2, 2), noFinito = cuna.Problema(2, 2);
    sinBordes.Bordes.pop_back();
    noFinito.Dovelas[1].Peso = std::numeric_limits<double>::quiet_NaN();
    ProblemaRiguroso anegado = cuna.Problema(3, 3);
    for (DovelaRigurosa& d : anegado.Dovelas) {
        d.Cohesion = 0;
        d.PresionPoros = 100;
    }
    cuna.kh = 0.1;
    const ProblemaRiguroso unaDovela = cuna.Problema(1, 0);
    ASSERT_EQ(unaDovela.Dovelas.size(), 1u);
    const struct {
        const ProblemaRiguroso& p;
        EstadoRiguroso esperado;
    } casos[] = {{vacio, EstadoRiguroso::DatosInvalidos},
                 {sinBordes, EstadoRiguroso::DatosInvalidos},
                 {noFinito, EstadoRiguroso::DatosInvalidos},
                 {anegado, EstadoRiguroso::NoFisico},
                 {unaDovela, EstadoRiguroso::SinConvergencia}};
    for (const auto& caso : casos) {
        const SolucionRigurosa s = ResolverSpencer(caso.p);
        EXPECT_EQ(s.Estado, caso.esperado);
        EXPECT_EQ(s.FS, 0.0);
        EXPECT_TRUE(s.E.empty());
        EXPECT_LE(s.IteracionesLambda, OpcionesRigurosas{}.MaximoIteracionesLambda + 1);
    }
}

// Admisibilidad: tracción entre dovelas, línea de empuje fuera de la masa y base en tracción.
TEST(Rigurosos, AdmisibilidadCuentaCadaDefecto)
{
    const ProblemaRiguroso p = Cuna{}.Problema(2, 2); // 4 dovelas, bordes 0..4
    const DovelaRigurosa& d = p.Dovelas[2];
    SolucionRigurosa s;
    s.E = {0, 10, -1, 10, 0};
    s.AlturaEmpuje.assign(5, std::numeric_limits<double>::quiet_NaN());
    s.AlturaEmpuje[1] = 1.0;
    s.AlturaEmpuje[3] = p.Bordes[3].OrdenadaTalud - p.Bordes[3].OrdenadaBase + 0.1;
    s.FuerzaNormal = {1e4, 1e4, 0.9 * d.PresionPoros * d.Ancho / std::cos(d.Alfa), 1e4};
    const AdmisibilidadRigurosa a = ComprobarAdmisibilidad(p, s);
    EXPECT_EQ(a.BordesEnTraccion + 10 * a.EmpujeFueraDeLaMasa + 100 * a.BasesEnTraccion, 111);
}

} // namespace
} // namespace vertana
