// Cargas exteriores contra referencias independientes: un bloque sobre un plano resuelto a mano
// (Janbu, Spencer, Morgenstern-Price y el método variacional deben dar el factor del bloque
// rígido) y el círculo del caso 1 de Fredlund y Krahn integrado aquí en franjas de 1 mm con las
// fórmulas de Fellenius y de Bishop (momentos respecto del centro). Las cargas horizontales son
// positivas hacia las x crecientes (comprimen el talud, que mira hacia las x negativas), las
// verticales hacia abajo.
#include "calculo/calculo.h"
#include "calculo/calculo_riguroso.h"
#include "cli/interaccion_lote.h"
#include "cli/orden_calcular.h"
#include "io/archivo_proyecto.h"
#include "proyectos_de_prueba.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>
#include <vector>

namespace vertana {
namespace {

const std::string Clasicos = std::string(VERTANA_DATOS_PRUEBA) + "/clasicos/";
constexpr double Grado = std::numbers::pi / 180.0;

Proyecto LeerFK()
{
    return prueba::Leido(Clasicos + "fredlund_krahn_1977_caso1.cod");
}

struct Cargas {
    double qy = 0.0, qx = 0.0; // uniformes: en la corona (qy) y en la cara (qx)
    double Px = 0.0, Py = 0.0; // puntual
};

void PonerCargas(Proyecto& p, const Cargas& c, double coronaDesde, double coronaHasta,
                 double caraDesde, double caraHasta, double xp, double yp)
{
    RedimensionarCargasUniformes(p, 2);
    p.CargaUniformeXo(1) = coronaDesde, p.CargaUniformeXf(1) = coronaHasta;
    p.CargaUniformeQy(1) = c.qy;
    p.CargaUniformeXo(2) = caraDesde, p.CargaUniformeXf(2) = caraHasta;
    p.CargaUniformeQx(2) = c.qx;
    RedimensionarCargasPuntuales(p, 1);
    p.CargaPuntualX(1) = xp, p.CargaPuntualY(1) = yp;
    p.CargaPuntualPx(1) = c.Px, p.CargaPuntualPy(1) = c.Py;
}

// Un método por lotes (o el contraste riguroso) sobre una copia del proyecto.
double Factor(Proyecto p, Metodo metodo, bool partidaAutomatica = false)
{
    p.MetodoDeCalculo = metodo;
    EstadoCalculo e;
    ReiniciarEstadoCalculo(e);
    e.PartidaAutomatica = partidaAutomatica;
    InteraccionLote ui;
    PrepararRespuestasPorLotes(ui, false);
    const ResultadoCalculo r = Calcular(p, e, metodo, {}, ui);
    EXPECT_TRUE(r.Convergio()) << NombreDeMetodo(metodo) << ": " << r.Mensaje;
    return r.FactorSeguridad.value_or(0.0);
}

double FactorRiguroso(Proyecto p, MetodoRiguroso metodo)
{
    EstadoCalculo e;
    ReiniciarEstadoCalculo(e);
    InteraccionLote ui;
    PrepararRespuestasPorLotes(ui, false);
    const ResultadoRiguroso r = CalcularRiguroso(p, e, {metodo}, ui).front();
    EXPECT_TRUE(r.Convergio()) << r.Mensaje;
    return r.FactorSeguridad.value_or(0.0);
}

// Bloque sobre un plano: talud de corona y = 20 (x ≥ 30) y cara 1:1 hasta el pie (10, 0); la
// superficie de falla es el plano de (40, 20) al pie, tan α = 2/3. La masa es el triángulo
// (40, 20), (30, 20), (10, 0), de área 100 m². Carga uniforme qy en la corona (x de 30 a 40),
// qx en la cara (x de 10 a 30, su proyección vertical es 20 m) y una puntual en (20.05, 10.05).
//
//   20 ______________ (40, 20)
//     (30,20)\     /
//             \   / plano
//              \ /
//   0 __________\ (10, 0)
struct Bloque {
    double gamma = 2.0, c = 2.0, phi = 30.0;
    Cargas cargas;

    Proyecto ProyectoDelBloque(int dovelas) const
    {
        Proyecto p = LeerFK();
        prueba::FijarPuntos(p.AbscisasTalud, p.OrdenadasTalud,
                            {{60, 20}, {30, 20}, {10, 0}, {-10, 0}});
        prueba::FijarPuntos(p.AbscisasFalla, p.OrdenadasFalla, {{40, 20}, {10, 0}});
        p.TipoDeFalla(1) = TipoUnion::Recta;
        p.RadioCirculoFalla = 0.0;
        p.CentroCirculoX = p.CentroCirculoY = 0.0;
        for (int k = 1; k <= p.NumeroCoordenadasEstrato(1); ++k) {
            p.AbscisasEstratos(1, k) = k == 1 ? 60.0 : -10.0;
            p.OrdenadasEstratos(1, k) = -5.0;
        }
        p.CohesionMacizo(1) = c;
        p.FriccionMacizo(1) = phi;
        p.PesoUnitarioHumedo(1) = p.PesoUnitarioSaturado(1) = gamma;
        p.NumeroDovelas = dovelas;
        PonerCargas(p, cargas, 30, 40, 10, 30, 20.05, 10.05);
        return p;
    }

    // Equilibrio del bloque rígido: R la resultante de las fuerzas exteriores (x hacia el talud,
    // y hacia arriba); a lo largo del plano, hacia abajo, T = −Rx·cos α − Ry·sin α; contra el
    // plano N = Rx·sin α − Ry·cos α; F = (c·L + N·tan φ)/T.
    double Factor() const
    {
        const double alfa = std::atan(20.0 / 30.0), L = std::hypot(30.0, 20.0);
        const double Rx = 20.0 * cargas.qx + cargas.Px;
        const double Ry = -(gamma * 100.0 + 10.0 * cargas.qy + cargas.Py);
        const double T = -Rx * std::cos(alfa) - Ry * std::sin(alfa);
        const double N = Rx * std::sin(alfa) - Ry * std::cos(alfa);
        return (c * L + N * std::tan(phi * Grado)) / T;
    }
};

// Sobre un plano las fuerzas entre dovelas se cancelan en la suma: todo método que cumple el
// equilibrio de fuerzas de la masa da el factor del bloque. Cargas verticales, horizontales y
// las dos a la vez; un signo cambiado en cualquiera de ellas mueve el factor más del 3 %.
TEST(Cargas, BloqueSobreUnPlanoComoElBloqueRigido)
{
    const Cargas casos[] = {{5.0, 0.0, 0.0, 15.0}, {0.0, 3.0, 20.0, 0.0}, {5.0, 3.0, -20.0, 15.0}};
    for (const Cargas& cargas : casos) {
        Bloque b;
        b.cargas = cargas;
        const Proyecto p = b.ProyectoDelBloque(300);
        const double bloque = b.Factor();
        SCOPED_TRACE(testing::Message() << "qy " << cargas.qy << " qx " << cargas.qx << " Px "
                                        << cargas.Px << " Py " << cargas.Py);
        EXPECT_NEAR(Factor(p, Metodo::Janbu), bloque, 1e-4 * bloque);
        EXPECT_NEAR(Factor(p, Metodo::Variacional, true), bloque, 1e-4 * bloque);
        EXPECT_NEAR(FactorRiguroso(p, MetodoRiguroso::Spencer), bloque, 1e-4 * bloque);
        EXPECT_NEAR(FactorRiguroso(p, MetodoRiguroso::MorgensternPrice), bloque, 1e-4 * bloque);
    }
    // Las cargas cuentan: sin ellas el factor es otro.
    Bloque sinCargas, conCargas;
    conCargas.cargas = casos[2];
    EXPECT_GT(std::fabs(conCargas.Factor() / sinCargas.Factor() - 1.0), 0.03);
}

// El método variacional deja la masa del bloque en equilibrio de momentos: suma, respecto de un
// punto cualquiera, de los momentos del peso (en la vertical del centro de la base), de las
// cargas y de las fuerzas de la base σ·l y τ·l (normal hacia la masa y corte hacia la corona).
TEST(Cargas, VariacionalEnEquilibrioDeMomentosConLasCargas)
{
    Bloque b;
    b.cargas = {5.0, 3.0, -20.0, 15.0};
    Proyecto p = b.ProyectoDelBloque(300);
    p.MetodoDeCalculo = Metodo::Variacional;
    EstadoCalculo e;
    ReiniciarEstadoCalculo(e);
    e.PartidaAutomatica = true;
    InteraccionLote ui;
    PrepararRespuestasPorLotes(ui, false);
    ASSERT_TRUE(Calcular(p, e, Metodo::Variacional, {}, ui).Convergio());
    const double x0 = 3.7, y0 = -8.1;
    auto momento = [&](double x, double y, double Fx, double Fy) {
        return (x - x0) * Fy - (y - y0) * Fx;
    };
    const double sa = std::sin(std::atan(2.0 / 3.0)), ca = std::cos(std::atan(2.0 / 3.0));
    double M = 0.0, escala = 0.0;
    for (int s = 1; s < p.NumeroPuntosDovelas; ++s) {
        const double x = p.AbscisaCentroDovela(s), y = p.OrdenadaCentroDovela(s);
        const double b_ = p.AnchoDovela(s), l = b_ / ca;
        const double W = (p.OrdenadaTaludDovela(s) - y) * b.gamma * b_;
        M += momento(x, y, 0.0, -W);
        const double N = p.EsfuerzoNormalDovela(s) * l, T = p.EsfuerzoTangencialDovela(s) * l;
        M += momento(x, y, -N * sa + T * ca, N * ca + T * sa);
        escala += W;
        if (x >= 30.0) M += momento(x, p.OrdenadaTaludDovela(s), 0.0, -b.cargas.qy * b_);
        if (x <= 30.0 && x >= 10.0)
            M += momento(x, p.OrdenadaTaludDovela(s), b.cargas.qx * b_ * 1.0, 0.0);
    }
    M += momento(20.05, 10.05, b.cargas.Px, -b.cargas.Py);
    EXPECT_NEAR(M, 0.0, 1e-4 * escala * 30.0);
}

// Círculo del caso 1 de Fredlund y Krahn con cargas, integrado en franjas de 1 mm.
//        ______ (54.864, 18.288)     centro (18.288, 27.432), R = 24.384
//   ____/ talud 2:1                  c = 2.9308, φ = 20°, γ = 1.9231, seco
//  (0, 6.096)
// Carga uniforme vertical qy en la corona de x = 37 a 40, horizontal qx en la cara de x = 14 a
// 30 (tan β = 1/2) y una puntual en (25, 12.5).
struct Referencia {
    double fellenius = 0.0, bishop = 0.0;
};

Referencia Integrar(const Cargas& q)
{
    const double xo = 18.288, yo = 27.432, R = 24.384, c = 2.9308, g = 1.9231;
    const double tf = std::tan(20.0 * Grado);
    const double x1 = 40.8926, x2 = 6.4832, xp = 25.0, yp = 12.5;
    auto talud = [](double x) {
        if (x >= 36.576) return 18.288;
        if (x <= 12.192) return 6.096;
        return 6.096 + (x - 12.192) * 0.5;
    };
    const int n = 34410;
    const double dx = (x1 - x2) / n;
    struct Franja {
        double sa, ca, l, V, H, motor; // V, H: fuerzas exteriores; motor: su momento horario
    };
    std::vector<Franja> franjas;
    for (int i = 0; i < n; ++i) {
        const double x = x2 + (i + 0.5) * dx;
        const double yb = yo - std::sqrt(R * R - (x - xo) * (x - xo)), yt = talud(x);
        Franja f;
        f.sa = (x - xo) / R;
        f.ca = std::sqrt(1.0 - f.sa * f.sa);
        f.l = dx / f.ca;
        f.V = g * (yt - yb) * dx;
        f.H = 0.0;
        if (x >= 37.0 && x <= 40.0) f.V += q.qy * dx;
        if (x >= 14.0 && x <= 30.0) f.H += q.qx * dx * 0.5; // proyección vertical de la cara
        f.motor = (x - xo) * f.V + (yt - yo) * f.H;
        if (x - 0.5 * dx < xp && xp <= x + 0.5 * dx) {
            f.V += q.Py;
            f.H += q.Px;
            f.motor += (xp - xo) * q.Py + (yp - yo) * q.Px;
        }
        franjas.push_back(f);
    }
    Referencia r;
    // Fellenius: N = V·cos α + H·sin α (normal a la base, sin fuerzas entre dovelas).
    double resiste = 0.0, motor = 0.0;
    for (const Franja& f : franjas) {
        resiste += c * f.l + (f.V * f.ca + f.H * f.sa) * tf;
        motor += f.motor;
    }
    r.fellenius = R * resiste / motor;
    // Bishop: equilibrio vertical de la franja con N y S = (c·l + N·tan φ)/F.
    double F = 1.5;
    for (int pasada = 0; pasada < 100; ++pasada) {
        resiste = 0.0;
        for (const Franja& f : franjas) {
            const double N = (f.V - c * f.l * f.sa / F) / (f.ca + f.sa * tf / F);
            resiste += c * f.l + N * tf;
        }
        const double nuevo = R * resiste / motor;
        if (std::fabs(nuevo - F) < 1e-7) break;
        F = nuevo;
    }
    r.bishop = F;
    return r;
}

// Fellenius y Bishop con 2000 dovelas dentro del 0.1 % de la integración: cargas verticales,
// horizontales y las dos.
TEST(Cargas, CirculoComoLaIntegracionYJanbuComoSpencer)
{
    const Cargas casos[] = {{4.0, 0.0, 0.0, 12.0}, {0.0, 2.0, 15.0, 0.0}, {4.0, 2.0, -15.0, 12.0}};
    for (const Cargas& cargas : casos) {
        SCOPED_TRACE(testing::Message() << "qy " << cargas.qy << " qx " << cargas.qx << " Px "
                                        << cargas.Px << " Py " << cargas.Py);
        Proyecto p = LeerFK();
        p.NumeroDovelas = 2000;
        PonerCargas(p, cargas, 37, 40, 14, 30, 25.0, 12.5);
        const Referencia r = Integrar(cargas);
        EXPECT_NEAR(Factor(p, Metodo::Fellenius), r.fellenius, 1e-3 * r.fellenius);
        EXPECT_NEAR(Factor(p, Metodo::Bishop), r.bishop, 1e-3 * r.bishop);
        // Janbu generalizado, con los momentos de las cargas en la línea de empuje, junto a
        // Spencer (que cumple el equilibrio de momentos).
        const double spencer = FactorRiguroso(p, MetodoRiguroso::Spencer);
        EXPECT_NEAR(Factor(p, Metodo::Janbu), spencer, 2e-3 * spencer);
    }
    // La referencia distingue el sentido de las cargas horizontales.
    const Referencia hacia = Integrar({0.0, 2.0, 15.0, 0.0});
    const Referencia desde = Integrar({0.0, -2.0, -15.0, 0.0});
    EXPECT_GT(hacia.fellenius - desde.fellenius, 0.05);
    EXPECT_GT(hacia.bishop - desde.bishop, 0.05);
}

} // namespace
} // namespace vertana
