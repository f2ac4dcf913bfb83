#include "apoyo/interaccion_guionada.h"
#include "geometry/preparacion.h"
#include "geometry/superficie_falla.h"
#include "geometry/talud_de_prueba.h"
#include "model/textos.h"

#include <cmath>
#include <gtest/gtest.h>

namespace vertana {
namespace {

using prueba::AgregarEstrato;
using prueba::FijarSuperficie;
using prueba::TaludRecto;

// Círculo único entre (X1, 0) y (0, 0) de radio 5: el centro queda en (X1/2, √(25 − (X1/2)²)).
Proyecto CirculoHorizontal(double X1)
{
    Proyecto p = TaludRecto(4);
    FijarSuperficie(p, {{X1, 0}, {0, 0}}, {{1, 2, "C"}});
    p.RadioCirculoFalla = 5;
    return p;
}

TEST(ConstruirSPF, UnCirculoSeDivideEnArcosDeMenosDeUnMetro)
{
    // Δ = 3.5 m: el menor k con 3.5/k < 1 es 4, arcos de 0.875 m.
    Proyecto p = CirculoHorizontal(3.5);
    EstadoCalculo e;
    InteraccionGuionada ui;
    ASSERT_TRUE(ConstruirSPF(p, e, ui));
    EXPECT_TRUE(e.CirculoUnico);
    ASSERT_EQ(e.NumeroPuntosSPF, 5);
    EXPECT_EQ(e.NumeroTramosSPF, 4);
    const double yo = std::sqrt(25.0 - 1.75 * 1.75);
    EXPECT_NEAR(p.CentroCirculoX, 1.75, 1e-12);
    EXPECT_NEAR(p.CentroCirculoY, yo, 1e-12);
    const double x[] = {3.5, 2.625, 1.75, 0.875, 0.0};
    for (int i = 1; i <= 5; ++i) {
        EXPECT_NEAR(e.AbscisasSPF(i), x[i - 1], 1e-12) << i;
        EXPECT_NEAR(e.OrdenadasSPF(i), yo - std::sqrt(25.0 - (x[i - 1] - 1.75) * (x[i - 1] - 1.75)),
                    1e-12)
            << i;
    }
    for (int i = 1; i <= 4; ++i)
        EXPECT_EQ(e.TipoTramoSPF(i), TipoUnion::Circular);
    EXPECT_TRUE(e.SuperficieConstruida);

    // Δ = 0.6 m: un solo arco.
    Proyecto corto = CirculoHorizontal(0.6);
    EstadoCalculo e2;
    ASSERT_TRUE(ConstruirSPF(corto, e2, ui));
    EXPECT_EQ(e2.NumeroPuntosSPF, 2);
    EXPECT_EQ(e2.NumeroTramosSPF, 1);
    EXPECT_TRUE(ui.Cumplido());
}

TEST(CentroCirculoSimple, ElRadioCreceYElCentroGuardadoSeRespeta)
{
    // Corona (10, 10), pie (0, 0), R = √50: seis aumentos de 0.5 m hasta R = √50 + 3 (el centro
    // en la mediatriz a d = √(R² − 50) del punto medio, yo = 5 + d/√2 ≥ 10).
    Proyecto p = TaludRecto(4);
    FijarSuperficie(p, {{10, 10}, {0, 0}}, {{1, 2, "C"}});
    p.RadioCirculoFalla = std::sqrt(50.0);
    EstadoCalculo e;
    InteraccionGuionada ui;
    ASSERT_TRUE(CentroCirculoSimple(p, e, ui));
    const double R = std::sqrt(50.0) + 3.0;
    EXPECT_DOUBLE_EQ(p.RadioCirculoFalla, R);
    EXPECT_DOUBLE_EQ(e.RadioDeTrabajo, R);
    EXPECT_NEAR(p.CuerdaCirculo, std::sqrt(200.0), 1e-12);
    const double d = std::sqrt(R * R - 50.0);
    EXPECT_NEAR(p.CentroCirculoX, 5.0 - d / std::sqrt(2.0), 1e-9);
    EXPECT_NEAR(p.CentroCirculoY, 5.0 + d / std::sqrt(2.0), 1e-9);

    // Ordenada guardada positiva: se usa tal cual aunque el radio cambie.
    p.RadioCirculoFalla = 20;
    p.CentroCirculoXGuardado = 1.5;
    p.CentroCirculoYGuardado = 30;
    ASSERT_TRUE(CentroCirculoSimple(p, e, ui));
    EXPECT_EQ(p.CentroCirculoX, 1.5);
    EXPECT_EQ(p.CentroCirculoY, 30);
    EXPECT_EQ(p.RadioCirculoFalla, 20);
    // Negativa: el centro no cambia.
    p.CentroCirculoX = 7;
    p.CentroCirculoY = 8;
    p.CentroCirculoYGuardado = -1;
    ASSERT_TRUE(CentroCirculoSimple(p, e, ui));
    EXPECT_EQ(p.CentroCirculoX, 7);
    EXPECT_EQ(p.CentroCirculoY, 8);
    EXPECT_EQ(ui.VecesParametrosDeCalculo(), 0);
}

TEST(CentroCirculoSimple, MediaCuerdaMayorQueElRadioAbreLosParametrosDeCalculo)
{
    Proyecto p = TaludRecto(4);
    FijarSuperficie(p, {{10, 0}, {0, 0}}, {{1, 2, "C"}});
    p.RadioCirculoFalla = 4; // cuerda 10: mitad 5 > 4
    EstadoCalculo e;
    {
        // La persona corrige el radio a 5: el centro queda en el punto medio de la cuerda... y
        // por debajo de la corona no, a su altura: (5, 0).
        InteraccionGuionada ui;
        ui.AlAbrirParametrosDeCalculo([](Proyecto& q) { q.RadioCirculoFalla = 5; });
        ASSERT_TRUE(CentroCirculoSimple(p, e, ui));
        EXPECT_EQ(ui.VecesParametrosDeCalculo(), 1);
        EXPECT_NEAR(p.CentroCirculoX, 5.0, 1e-9);
        EXPECT_NEAR(p.CentroCirculoY, 0.0, 1e-9);
        EXPECT_EQ(p.RadioCirculoFalla, 5);
    }
    {
        // Sin corrección la preparación se detiene con el mensaje del radio.
        p.RadioCirculoFalla = 4;
        InteraccionGuionada ui;
        const ResultadoPreparacion r = PrepararCalculo(p, e, ui);
        EXPECT_FALSE(r);
        EXPECT_EQ(ui.VecesParametrosDeCalculo(), 1);
        ASSERT_EQ(ui.Mensajes().size(), 1u);
        EXPECT_EQ(ui.Mensajes()[0], textos::RadioMenorQueMediaCuerdaEnCalculo);
        EXPECT_FALSE(e.SuperficieConstruida);
    }
}

TEST(CentroArcoTangente, ArcoTangenteAlTramoHorizontalDelPie)
{
    // Arco de (10, 10) a (0, 0) seguido del tramo horizontal (0, 0) → (−10, 0): tangente
    // horizontal en (0, 0), centro (0, R) con 100 + (10 − R)² = R², R = 10.
    // Por la fórmula: δ = 45°, c = √200, R = √200/(2·sen 45°) = 10.
    Proyecto p = TaludRecto(4);
    FijarSuperficie(p, {{10, 10}, {0, 0}, {-10, 0}}, {{1, 2, "C"}, {2, 3, "L"}});
    EstadoCalculo e;
    InteraccionGuionada ui;
    ASSERT_TRUE(ConstruirSPF(p, e, ui));
    ASSERT_TRUE(CentroArcoTangente(p, e, ui, 1, 2));
    EXPECT_NEAR(e.RadioDeTrabajo, 10.0, 1e-12);
    EXPECT_NEAR(p.CentroCirculoX, 0.0, 1e-6);
    EXPECT_NEAR(p.CentroCirculoY, 10.0, 1e-6);
    double y = 0;
    ASSERT_TRUE(OrdenadaEnUnion(p, e, ui, 0.0, 1, 5.0, y));
    EXPECT_NEAR(y, 10.0 - std::sqrt(75.0), 1e-6);
    EXPECT_TRUE(ui.Mensajes().empty());

    // La línea y = 2 + 0.25·x corta el arco en x = 8 (10 − √(100 − 64) = 4) y el tramo
    // horizontal en x = −8.
    AgregarEstrato(p, {{20, 7}, {-10, -0.5}}, 1, 30, 1.8, 2.0);
    EstadoCalculo e2;
    ASSERT_TRUE(ConstruirSPF(p, e2, ui));
    ASSERT_EQ(e2.NumeroIntersecciones, 2);
    EXPECT_NEAR(e2.AbscisaInterseccion(1), 8.0, 0.005);
    EXPECT_NEAR(e2.AbscisaInterseccion(2), -8.0, 1e-12);
}

TEST(CentroArcoTangente, JacobianoSingularAvisaYDejaElCentro)
{
    // Cuerda horizontal a y = 0: el arranque yo = 1.5·|0| = 0 está sobre la cuerda y el
    // jacobiano es singular.
    Proyecto p = TaludRecto(4);
    FijarSuperficie(p, {{10, 0}, {0, 0}, {-10, -10}}, {{1, 2, "C"}, {2, 3, "L"}});
    p.CentroCirculoX = 3;
    p.CentroCirculoY = 4;
    EstadoCalculo e;
    InteraccionGuionada ui;
    ASSERT_TRUE(ConstruirSPF(p, e, ui));
    EXPECT_TRUE(CentroArcoTangente(p, e, ui, 1, 2));
    ASSERT_FALSE(ui.Mensajes().empty());
    EXPECT_EQ(ui.Mensajes().back(), textos::DeterminanteCero);
    EXPECT_EQ(p.CentroCirculoX, 3);
    EXPECT_EQ(p.CentroCirculoY, 4);
}

TEST(InterseccionSPFEstrato, RectaConLineasHorizontalEInclinada)
{
    // Superficie y = x de (10, 10) a (0, 0). Estrato 1: y = 4 → cruce en x = 4. Estrato 2:
    // de (20, 2) a (−10, 8), y = 6 − 0.2·x → cruce en x = 5.
    Proyecto p = TaludRecto(4);
    AgregarEstrato(p, {{20, 4}, {-10, 4}}, 1, 30, 1.8, 2.0);
    AgregarEstrato(p, {{20, 2}, {-10, 8}}, 1, 30, 1.8, 2.0);
    EstadoCalculo e;
    InteraccionGuionada ui;
    ASSERT_TRUE(ConstruirSPF(p, e, ui));
    ASSERT_EQ(e.NumeroIntersecciones, 2);
    EXPECT_NEAR(e.AbscisaInterseccion(1), 4.0, 1e-12);
    EXPECT_EQ(e.EstratoInterseccion(1), 1);
    EXPECT_NEAR(e.AbscisaInterseccion(2), 5.0, 1e-12);
    EXPECT_EQ(e.EstratoInterseccion(2), 2);
    EXPECT_NEAR(e.PendienteFallaInterseccion(2), 1.0, 1e-12);
    EXPECT_NEAR(e.PendienteEstratoInterseccion(2), -0.2, 1e-12);
}

TEST(InterseccionSPFEstrato, ParalelosNoCruzanYCrucesCoincidentesCuentanUnaVez)
{
    Proyecto p = TaludRecto(4);
    AgregarEstrato(p, {{20, 15}, {-10, -15}}, 1, 30, 1.8, 2.0); // y = x − 5, paralela
    AgregarEstrato(p, {{20, 4}, {-10, 4}}, 1, 30, 1.8, 2.0);    // cruce en x = 4
    AgregarEstrato(p, {{20, 1}, {-10, 7}}, 1, 30, 1.8, 2.0); // y = 5 − 0.2x: también x = 4.1667
    AgregarEstrato(p, {{20, 0}, {-10, 6}}, 1, 30, 1.8, 2.0); // y = 4 − 0.2x: x = 3.3333
    AgregarEstrato(p, {{20, 0.8}, {-10, 5.3}}, 1, 30, 1.8, 2.0); // y = 3.8 − 0.15x: x = 3.3043
    EstadoCalculo e;
    InteraccionGuionada ui;
    ASSERT_TRUE(ConstruirSPF(p, e, ui));
    EXPECT_EQ(e.NumeroIntersecciones, 4); // la paralela no cruza
    EXPECT_EQ(e.EstratoInterseccion(1), 2);

    // Dos líneas que cortan la superficie en el mismo punto (4, 4): un solo cruce.
    Proyecto q = TaludRecto(4);
    AgregarEstrato(q, {{20, 4}, {-10, 4}}, 1, 30, 1.8, 2.0);
    AgregarEstrato(q, {{20, 0.8}, {-10, 6.8}}, 1, 30, 1.8, 2.0); // y = 4.8 − 0.2x: x = 4
    EstadoCalculo e2;
    ASSERT_TRUE(ConstruirSPF(q, e2, ui));
    EXPECT_EQ(e2.NumeroIntersecciones, 1);
    EXPECT_EQ(e2.EstratoInterseccion(1), 1);
}

TEST(InterseccionSPFEstrato, PolinomioPorTresPuntos)
{
    // Superficie "P" por (4, 16), (2, 4), (0, 0): el polinomio es y = x². La línea y = 6.25 la
    // cruza en x = 2.5; la marcha encuentra el cambio de signo entre 2 y 3 y la secante lo
    // afina a 0.001 m.
    Proyecto p = TaludRecto(4);
    p.OrdenadasTalud(1) = p.OrdenadasTalud(2) = 20;
    FijarSuperficie(p, {{4, 16}, {2, 4}, {0, 0}}, {{1, 3, "P"}});
    AgregarEstrato(p, {{20, 6.25}, {-10, 6.25}}, 1, 30, 1.8, 2.0);
    EstadoCalculo e;
    InteraccionGuionada ui;
    ASSERT_TRUE(ConstruirSPF(p, e, ui));
    EXPECT_NEAR(PolinomioSPF(e, 1, 3, 3.0), 9.0, 1e-12);
    ASSERT_EQ(e.NumeroIntersecciones, 1);
    EXPECT_NEAR(e.AbscisaInterseccion(1), 2.5, 0.001);
}

TEST(InterseccionSPFEstrato, CirculoUnicoConUnaLineaHorizontal)
{
    // Círculo de centro (1.75, yo), R = 5, y la línea y = yo − 4.8: la corta en
    // x = 1.75 ± √(25 − 4.8²) = 1.75 ± 1.4. La marcha se detiene con |C − L| ≤ 0.005 (x a menos
    // de ~0.02 m). Del lado del pie el arco sube (m1 < 0) y la línea horizontal es menos
    // empinada que él: la prueba de cruce de ese caso (A ≥ xj, B ≤ xj1, Ua ≤ Ya, Ub ≥ Yb) no lo
    // registra, así que sólo cuenta el cruce del lado de la corona.
    Proyecto p = CirculoHorizontal(3.5);
    const double yo = std::sqrt(25.0 - 1.75 * 1.75);
    AgregarEstrato(p, {{20, yo - 4.8}, {-10, yo - 4.8}}, 1, 30, 1.8, 2.0);
    EstadoCalculo e;
    InteraccionGuionada ui;
    ASSERT_TRUE(ConstruirSPF(p, e, ui));
    ASSERT_EQ(e.NumeroIntersecciones, 1);
    EXPECT_NEAR(e.AbscisaInterseccion(1), 3.15, 0.02);
}

TEST(ConstruirSPF, UnionesQueNoSirvenDetienenLaPreparacion)
{
    InteraccionGuionada ui;
    EstadoCalculo e;
    Proyecto p = TaludRecto(4);
    FijarSuperficie(p, {{10, 10}, {5, 4}, {0, 0}}, {{1, 2, "L"}});
    EXPECT_EQ(ConstruirSPF(p, e, ui).mensaje, textos::TramoSinUnion(2));
    FijarSuperficie(p, {{10, 10}, {5, 4}, {0, 0}}, {{1, 2, "L"}, {2, 5, "P"}});
    EXPECT_EQ(ConstruirSPF(p, e, ui).mensaje, textos::UnionFueraDeLaSuperficie(2));
    FijarSuperficie(p, {{10, 10}, {12, 4}, {0, 0}}, {{1, 2, "L"}, {2, 3, "L"}});
    EXPECT_EQ(ConstruirSPF(p, e, ui).mensaje, textos::AbscisasNoDecrecientes(2));
    EXPECT_FALSE(e.SuperficieConstruida);
}

} // namespace
} // namespace vertana
