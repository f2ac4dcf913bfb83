// Calculadora de anclajes contra cálculos a mano. Los valores esperados se calcularon aparte, a
// mano y con calculadora, con las constantes de la regla (π = 3.141592 en la capacidad y en los
// ángulos de los anclajes y de fricción; π = 3.141593 en θ2); cada paso queda en el comentario.
#include "model/textos.h"
#include "output/anclajes.h"
#include "proyectos_de_prueba.h"

#include <gtest/gtest.h>

#include <cmath>
#include <utility>
#include <vector>

namespace vertana {
namespace {

using prueba::FijarPuntos;

constexpr double ToleranciaSeparacion = 1e-5; // m, los cálculos a mano llevan 7 cifras
constexpr double ToleranciaAngulo = 1e-7;     // radianes

// Resultados mínimos de un cálculo: F en la historia, las sumas y la fricción de dos dovelas.
void FijarResultados(Proyecto& p, double F, double sumaTau, double friccion1, double friccion2)
{
    p.HayResultados = true;
    p.NumeroIteraciones = 1;
    p.HistoriaFS.Redimensionar(1);
    p.HistoriaFS(1) = F;
    p.SumaEsfuerzosNormalesTotales = 50.0;
    p.SumaEsfuerzosTangenciales = sumaTau;
    p.NumeroPuntosDovelas = 3;
    p.FriccionDovela.Redimensionar(2);
    p.FriccionDovela(1) = friccion1;
    p.FriccionDovela(2) = friccion2;
}

// Superficie de falla recta, del punto (20,10) de la corona al pie (0,0).
//
//   y
//   10 |          (10,10)_______(20,10)   talud: (20,10) (10,10) (0,0) (-10,0)
//      |             /      .·´
//      |           /   .·´               falla: (20,10) -> (0,0), pendiente 1/2
//    0 |________(0,0)´
//      -10       0     10      20   x
//
// F = 1.2, Στ = 40 ton/m2, fricción de las dovelas 25° y 35° (φ̄ = 30°).
Proyecto TaludConFallaRecta()
{
    Proyecto p;
    ReiniciarProyecto(p);
    FijarPuntos(p.AbscisasTalud, p.OrdenadasTalud, {{20, 10}, {10, 10}, {0, 0}, {-10, 0}});
    FijarPuntos(p.AbscisasFalla, p.OrdenadasFalla, {{20, 10}, {0, 0}});
    p.NumeroTiposDeFalla = 1;
    p.TipoDeFalla.Redimensionar(1);
    p.TipoDeFalla(1) = TipoUnion::Recta;
    FijarResultados(p, 1.2, 40.0, 25.0, 35.0);
    return p;
}

// (FS)a = 1.5, d = 1 pulg, i = 10°, σu = 12000 kg/cm2, Ng = 3.
const EntradaAnclajes DatosRecta{"1.5", "1", "10", "12000", "3"};

TEST(Anclajes, SuperficieRectaContraCalculoAMano)
{
    Proyecto p = TaludConFallaRecta();
    const GeometriaAnclajes g = GeometriaParaAnclajes(p);

    // H = 10 − 0 = 10 m.
    // βt: desde el pie (0,0) a (20,10): m = 0.5, L = √500 = 22.360680; a (10,10): m = 1,
    //     L = √200 = 14.142136; el punto (0,0) ya no queda a la derecha del pie.
    //     βt = atan((11.180340 + 14.142136) / 36.502815) = atan(0.6937111) = 34.749546°.
    // ᾱ = atan(0.5) = 26.565051°.
    EXPECT_DOUBLE_EQ(g.Altura, 10.0);
    EXPECT_NEAR(g.InclinacionTalud.value_or(0.0), 34.749546 * std::atan(1.0) / 45.0, 1e-7);
    EXPECT_NEAR(g.InclinacionFalla.value_or(0.0), std::atan(0.5), ToleranciaAngulo);
    EXPECT_FALSE(g.CirculoUnico);
    EXPECT_DOUBLE_EQ(g.FriccionMedia.value_or(0.0), 30.0);

    const CalculoAnclajes c = CalcularAnclajes(p, g, DatosRecta);
    ASSERT_TRUE(c.Calculado()) << c.Mensaje;
    // P = (2.54·1)²·(3.141592/4)·12000·0.5/1000·3 = 6.4516·0.785398·18 = 91.207327 ton.
    EXPECT_NEAR(c.Capacidad, 91.207327, 1e-5);
    // θ = 10° + 26.565051° = 36.565049° (π = 3.141592); tφ = tan 30° = 0.5773501; ΔF = 0.3.
    // Activo: T = 0.3·40 / (0.5773501·0.5957350 + 1.5·0.8031810) = 12 / 1.5487192 = 7.748338;
    //   L = T·10/sen ᾱ = 7.748338·22.360680 = 173.25810; q = sen βt·L/10 = 0.5699902·17.325810
    //   = 9.875543 ton/m2; Sa = √(91.207327 / 9.875543) = 3.039026 m.
    // Pasivo: T = 12 / (0.3439477 + 0.8031810) = 10.460901; L = 233.91286; q = 13.332805;
    //   Sp = √(91.207327 / 13.332805) = 2.615496 m.
    EXPECT_NEAR(c.Separaciones->Activos, 3.039026, ToleranciaSeparacion);
    EXPECT_NEAR(c.Separaciones->Pasivos, 2.615496, ToleranciaSeparacion);

    // La misma respuesta vista como equilibrio: la fuerza T que reparte la separación hace que
    // el talud anclado tenga (FS)a. Activo: (F·Στ + T·sen θ·tφ) / (Στ − T·cos θ) = (FS)a;
    // pasivo: (F·Στ + T·sen θ·tφ + T·cos θ) / Στ = (FS)a.
    auto fuerzaT = [&](double separacion) {
        const double q = c.Capacidad / (separacion * separacion);
        return q * g.Altura / std::sin(*g.InclinacionTalud) * std::sin(*g.InclinacionFalla) /
               g.Altura;
    };
    const double pi = 3.141592, theta = (10.0 * pi / 180.0) + std::atan(0.5);
    const double tphi = std::tan(30.0 * pi / 180.0);
    const double Ta = fuerzaT(c.Separaciones->Activos), Tp = fuerzaT(c.Separaciones->Pasivos);
    EXPECT_NEAR((1.2 * 40 + Ta * std::sin(theta) * tphi) / (40 - Ta * std::cos(theta)), 1.5, 1e-9);
    EXPECT_NEAR((1.2 * 40 + Tp * std::sin(theta) * tphi + Tp * std::cos(theta)) / 40, 1.5, 1e-9);

    // Guardar deja los siete valores y el proyecto con cambios.
    p.DatosGuardados = true;
    GuardarAnclajes(p, c);
    EXPECT_EQ(p.FactorSeguridadConAnclaje, 1.5);
    EXPECT_EQ(p.DiametroAnclajes, 1.0);
    EXPECT_EQ(p.InclinacionAnclajes, 10.0);
    EXPECT_EQ(p.EsfuerzoRoturaAnclaje, 12000.0);
    EXPECT_EQ(p.NumeroGuayasObarras, 3.0);
    EXPECT_EQ(p.SeparacionAnclajesActivos, c.Separaciones->Activos);
    EXPECT_EQ(p.SeparacionAnclajesPasivos, c.Separaciones->Pasivos);
    EXPECT_FALSE(p.DatosGuardados);
    EXPECT_TRUE(TieneAnclajes(p));
}

// Un único arco de círculo de centro (0,20) y radio 20, del radio a 30° bajo la horizontal
// (corona) al radio a 100° (pie, a la izquierda del centro).
//
//   y
//   20 |              + centro (0,20)
//   10 |  talud  ______________(17.32,10)____ (30,10)
//      |        /   ·.       .·
//    0 |_______/(-3.47,0.30)·´
//     -20          0          17.32   30   x
//
// F = 1.3, Στ = 120 ton/m2, φ̄ = 20°.
Proyecto TaludConCirculoUnico()
{
    Proyecto p;
    ReiniciarProyecto(p);
    const double X1 = 17.320508075688775, Y1 = 10.0;
    const double Xn = -3.472963553338606, Yn = 0.3038449397558409;
    FijarPuntos(p.AbscisasTalud, p.OrdenadasTalud, {{30, 10}, {X1, Y1}, {Xn, Yn}, {-20, Yn}});
    FijarPuntos(p.AbscisasFalla, p.OrdenadasFalla, {{X1, Y1}, {Xn, Yn}});
    p.NumeroTiposDeFalla = 1;
    p.TipoDeFalla.Redimensionar(1);
    p.TipoDeFalla(1) = TipoUnion::Circular;
    p.RadioCirculoFalla = 20.0;
    p.CentroCirculoX = 0.0;
    p.CentroCirculoY = 20.0;
    FijarResultados(p, 1.3, 120.0, 15.0, 25.0);
    return p;
}

TEST(Anclajes, CirculoUnicoContraCalculoAMano)
{
    const Proyecto p = TaludConCirculoUnico();
    const GeometriaAnclajes g = GeometriaParaAnclajes(p);
    // θ1 = atan(10 / 17.320508) = 30°; θ2 = 3.141593/2 + atan(3.472964 / 19.696155)
    //    = 1.5707965 + 0.1745329 = 1.7453294 (100.0000099°).
    ASSERT_TRUE(g.CirculoUnico);
    EXPECT_NEAR(g.Theta1, 0.5235987756, ToleranciaAngulo);
    EXPECT_NEAR(g.Theta2, 1.7453294252, ToleranciaAngulo);
    // H = 10 − 0.303845 = 9.696155; βt desde el pie por (30,10) y (17.32,10) = 19.788461°.
    EXPECT_NEAR(g.Altura, 9.696155060, 1e-8);
    EXPECT_NEAR(g.InclinacionTalud.value_or(0.0), 19.788461310 * std::atan(1.0) / 45.0, 1e-8);

    // (FS)a = 1.8, d = 1.25 pulg, i = −5° (por encima de la horizontal), σu = 15000, Ng = 4.
    const CalculoAnclajes c =
        CalcularAnclajes(p, g, EntradaAnclajes{"1.8", "1.25", "-5", "15000", "4"});
    ASSERT_TRUE(c.Calculado()) << c.Mensaje;
    // P = (3.175)²·0.785398·15000·0.5/1000·4 = 237.519081 ton.
    // Δθ = 1.2217306; s = 20·Δθ = 24.434613 m; tφ = tan 20° = 0.3639702; ΔF = 0.5;
    // θ1 − i = 34.9999990°, θ2 − i = 105.0000089° (i con π = 3.141592):
    //   sen(θ2−i) − sen(θ1−i) = 0.9659258 − 0.5735764 = 0.3923494,
    //   cos(θ1−i) − cos(θ2−i) = 0.8191521 + 0.2588192 = 1.0779712.
    // Activo: T = 0.5·120·1.2217306 / (0.3923494·0.3639702 + 1.0779712·1.8) = 35.188910;
    //   q = sen βt·T·s/H = 0.3385484·35.188910·24.434613/9.696155 = 30.021510;
    //   Sa = √(237.519081 / 30.021510) = 2.812762 m.
    // Pasivo: T = 73.303839 / (1.0779712 + 0.1428035) = 60.046984; q = 51.229240;
    //   Sp = √(237.519081 / 51.229240) = 2.153229 m.
    EXPECT_NEAR(c.Capacidad, 237.519081, 1e-5);
    EXPECT_NEAR(c.Separaciones->Activos, 2.812762, ToleranciaSeparacion);
    EXPECT_NEAR(c.Separaciones->Pasivos, 2.153229, ToleranciaSeparacion);
}

TEST(Anclajes, AnguloDelPieSegunSuLadoDelCentro)
{
    // Centro (0,20); pie a la derecha del centro, en su vertical y a la izquierda.
    struct Caso {
        double xn, yn, theta2;
    };
    // Derecha: atan(20 / 5) = 1.3258177; vertical: atan(20 / 0.01) = 1.5702963;
    // izquierda: 3.141593/2 + atan(5 / 20) = 1.5707965 + 0.2449787 = 1.8157752 (con 10
    // cifras, 1.8157751631).
    for (const Caso c :
         {Caso{5, 0, 1.3258176637}, Caso{0, 0, 1.5702963268}, Caso{-5, 0, 1.8157751631}}) {
        Proyecto p = TaludConCirculoUnico();
        p.AbscisasFalla(2) = c.xn;
        p.OrdenadasFalla(2) = c.yn;
        EXPECT_NEAR(GeometriaParaAnclajes(p).Theta2, c.theta2, ToleranciaAngulo) << c.xn;
    }
}

TEST(Anclajes, InclinacionDeLaFallaConTramosNulosYVerticales)
{
    struct Caso {
        std::vector<std::pair<double, double>> falla;
        double alfa; // radianes
    };
    // Un punto repetido no pesa: (20,10)→(10,0) m = 1, L = 14.142136; (10,0)→(0,0) m = 0,
    //   L = 10; ᾱ = atan(14.142136 / 24.142136) = atan(0.5857864) = 0.5299028.
    // Un tramo vertical que baja tiene pendiente +∞: ᾱ = 90°.
    // Sólo tramos verticales que bajan y suben: Σ m·L indefinida, sin ᾱ.
    const Caso casos[] = {{{{20, 10}, {20, 10}, {10, 0}, {0, 0}}, 0.5299028},
                          {{{20, 10}, {20, 5}, {0, 0}}, 1.5707963268}};
    for (const Caso& c : casos) {
        Proyecto p = TaludConFallaRecta();
        FijarPuntos(p.AbscisasFalla, p.OrdenadasFalla, c.falla);
        EXPECT_NEAR(GeometriaParaAnclajes(p).InclinacionFalla.value_or(-1.0), c.alfa, 1e-7);
    }
    Proyecto p = TaludConFallaRecta();
    FijarPuntos(p.AbscisasFalla, p.OrdenadasFalla, {{20, 10}, {20, 5}, {20, 10}});
    EXPECT_FALSE(GeometriaParaAnclajes(p).InclinacionFalla);
}

// Cada comprobación, en su orden, con su mensaje; un rechazo no trae datos que guardar.
TEST(Anclajes, CadaRechazoConSuMensaje)
{
    struct Caso {
        const char* nombre;
        void (*cambiarProyecto)(Proyecto&);
        EntradaAnclajes entrada;
        RechazoAnclajes rechazo;
        const char* mensaje;
        bool deEntrada;
    };
    auto nada = [](Proyecto&) {};
    const Caso casos[] = {
        {"sin resultados", [](Proyecto& p) { p.HayResultados = false; }, DatosRecta,
         RechazoAnclajes::SinResultados, textos::RealiceElCalculoParaVerResultados, false},
        {"suma de normales nula", [](Proyecto& p) { p.SumaEsfuerzosNormalesTotales = 0; },
         DatosRecta, RechazoAnclajes::SinSumas, textos::AnclajesSinSumas, false},
        {"(FS)a no numérico",
         nada,
         {"uno", "1", "10", "12000", "3"},
         RechazoAnclajes::FactorDeseadoNoNumerico,
         textos::AnclajesFactorDeseado,
         true},
        {"(FS)a cero",
         nada,
         {"0", "1", "10", "12000", "3"},
         RechazoAnclajes::FactorDeseadoNoNumerico,
         textos::AnclajesFactorDeseado,
         true},
        {"(FS)a menor que F",
         nada,
         {"1.19", "1", "10", "12000", "3"},
         RechazoAnclajes::FactorDeseadoMenor,
         textos::AnclajesFactorDeseado,
         false},
        {"diámetro cero",
         nada,
         {"1.5", "0", "10", "12000", "3"},
         RechazoAnclajes::Diametro,
         textos::AnclajesDiametro,
         true},
        {"diámetro negativo",
         nada,
         {"1.5", "-1", "10", "12000", "3"},
         RechazoAnclajes::Diametro,
         textos::AnclajesDiametro,
         true},
        {"inclinación cero",
         nada,
         {"1.5", "1", "0", "12000", "3"},
         RechazoAnclajes::Inclinacion,
         textos::AnclajesInclinacion,
         true},
        {"rotura vacía",
         nada,
         {"1.5", "1", "10", "", "3"},
         RechazoAnclajes::Rotura,
         textos::AnclajesRotura,
         true},
        {"guayas no numérico",
         nada,
         {"1.5", "1", "10", "12000", "tres"},
         RechazoAnclajes::Guayas,
         textos::AnclajesGuayas,
         true},
        {"sin fricción de dovelas", [](Proyecto& p) { p.FriccionDovela.Redimensionar(1); },
         DatosRecta, RechazoAnclajes::SinFriccionDeDovelas, textos::AnclajesSinFriccionDeDovelas,
         false},
        {"(FS)a igual a F",
         nada,
         {"1.2", "1", "10", "12000", "3"},
         RechazoAnclajes::NoHacenFalta,
         textos::AnclajesNoHacenFalta,
         false},
        {"cara del talud plana", [](Proyecto& p) { p.OrdenadasTalud(1) = p.OrdenadasTalud(2) = 0; },
         DatosRecta, RechazoAnclajes::TaludPlano, textos::AnclajesTaludPlano, false},
        // Falla horizontal: H = 0 y sen ᾱ = 0, no hay fuerza por metro de cara.
        {"superficie de falla horizontal", [](Proyecto& p) { p.OrdenadasFalla(1) = 0; }, DatosRecta,
         RechazoAnclajes::SinSeparacion, textos::AnclajesSinSeparacion, false},
    };
    for (const Caso& caso : casos) {
        Proyecto p = TaludConFallaRecta();
        caso.cambiarProyecto(p);
        const Proyecto antes = p;
        const CalculoAnclajes c = CalcularAnclajes(p, GeometriaParaAnclajes(p), caso.entrada);
        EXPECT_EQ(c.Rechazo, caso.rechazo) << caso.nombre;
        EXPECT_EQ(c.Mensaje, caso.mensaje) << caso.nombre;
        EXPECT_FALSE(c.Datos || c.Separaciones) << caso.nombre;
        EXPECT_EQ(EsRechazoDeEntrada(c.Rechazo), caso.deEntrada) << caso.nombre;
        GuardarAnclajes(p, c);
        EXPECT_EQ(p, antes) << caso.nombre;
    }
}

} // namespace
} // namespace vertana
