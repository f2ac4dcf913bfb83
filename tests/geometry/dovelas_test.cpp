#include "apoyo/interaccion_guionada.h"
#include "geometry/asignar_materiales.h"
#include "geometry/generar_dovelas.h"
#include "geometry/geometria_dovelas.h"
#include "geometry/preparacion.h"
#include "geometry/superficie_falla.h"
#include "geometry/talud_de_prueba.h"
#include "geometry/zonas.h"
#include "model/textos.h"

#include <gtest/gtest.h>
#include <vector>

namespace vertana {
namespace {

using prueba::AgregarEstrato;
using prueba::TaludRecto;

// Superficie y = x de (10, 10) a (0, 0) bajo el talud y = 12; en varias pruebas el estrato 2
// (c = 3, φ = 35°) está bajo la línea y = 4 y llega hasta y = −5.
//
//   12 |-----------------------  talud
//      |        estrato 1
//    4 |- - - - -*- - - - - - -  línea del estrato 1 (cruce en x = 4)
//      |    *    estrato 2
//   -5 |-----------------------  línea del estrato 2
void PrepararHasta(Proyecto& p, EstadoCalculo& e, InteraccionGuionada& ui)
{
    ASSERT_TRUE(ConstruirSPF(p, e, ui));
    ASSERT_TRUE(ConstruirZonas(e));
    ASSERT_TRUE(GenerarDovelas(p, e, ui));
    ASSERT_TRUE(GeometriaDovelas(p, e));
}

void EsperarBordes(const EstadoCalculo& e, const std::vector<double>& esperados)
{
    ASSERT_EQ(static_cast<std::size_t>(e.Dovelas.AbscisaBordeDovela.Tamano()), esperados.size());
    for (int k = 1; k <= e.Dovelas.AbscisaBordeDovela.Tamano(); ++k)
        EXPECT_NEAR(e.Dovelas.AbscisaBordeDovela(k), esperados[k - 1], 1e-12) << k;
}

TEST(GenerarDovelas, SinZonasTodasDelAnchoNominal)
{
    Proyecto p = TaludRecto(4);
    AgregarEstrato(p, {{20, -5}, {-10, -5}}, 2, 30, 1.8, 2.0);
    EstadoCalculo e;
    InteraccionGuionada ui;
    PrepararHasta(p, e, ui);
    ASSERT_EQ(e.NumeroZonas, 2);
    EXPECT_EQ(e.AbscisasZonas(1), 10);
    EXPECT_EQ(e.AbscisasZonas(2), 0);
    EsperarBordes(e, {10, 7.5, 5, 2.5, 0});
    EXPECT_EQ(p.NumeroPuntosDovelas, 5);
    for (int s = 1; s <= 4; ++s) {
        EXPECT_NEAR(p.AnchoDovela(s), 2.5, 1e-12);
        EXPECT_NEAR(p.AbscisaCentroDovela(s), 11.25 - 2.5 * s, 1e-12);
        EXPECT_NEAR(p.OrdenadaCentroDovela(s), 11.25 - 2.5 * s, 1e-12); // base y = x
        EXPECT_NEAR(p.OrdenadaTaludDovela(s), 12, 1e-12);
        EXPECT_NEAR(e.Dovelas.PendienteTaludDovela(s), 0, 1e-12);
    }
    // Tres dovelas sobre 10 m: r = 10/(10/3) puede no dar 3 exacto en binario; no queda una
    // dovela de ancho casi nulo y el último borde es el pie exacto.
    Proyecto q = TaludRecto(3);
    AgregarEstrato(q, {{20, -5}, {-10, -5}}, 2, 30, 1.8, 2.0);
    EstadoCalculo e2;
    PrepararHasta(q, e2, ui);
    EXPECT_EQ(q.NumeroPuntosDovelas, 4);
    EXPECT_NEAR(e2.Dovelas.AbscisaBordeDovela(4), 0.0, 0.0);
}

TEST(GenerarDovelas, CadaAbscisaDeZonaEsUnBorde)
{
    // Cruce en x = 4: zonas (10, 4, 0), w = 2.5. Zona 1: r = 2.4 → 7.5, 5 y el resto hasta 4.
    // Zona 2: r = 1.6 → 1.5 y el resto hasta 0. Cinco dovelas aunque se pidieron cuatro.
    Proyecto p = TaludRecto(4);
    AgregarEstrato(p, {{20, 4}, {-10, 4}}, 1, 30, 1.8, 2.0);
    AgregarEstrato(p, {{20, -5}, {-10, -5}}, 3, 35, 1.9, 2.1);
    EstadoCalculo e;
    InteraccionGuionada ui;
    PrepararHasta(p, e, ui);
    ASSERT_EQ(e.NumeroZonas, 3);
    EXPECT_NEAR(e.AbscisasZonas(2), 4.0, 1e-12);
    EsperarBordes(e, {10, 7.5, 5, 4, 1.5, 0});
    const double anchos[] = {2.5, 2.5, 1, 2.5, 1.5};
    for (int s = 1; s <= 5; ++s)
        EXPECT_NEAR(p.AnchoDovela(s), anchos[s - 1], 1e-12);

    ASSERT_TRUE(AsignarMateriales(p, e));
    const int estratos[] = {1, 1, 1, 2, 2};
    for (int s = 1; s <= 5; ++s) {
        EXPECT_EQ(e.Dovelas.EstratoBaseDovela(s), estratos[s - 1]) << s;
        EXPECT_EQ(p.CohesionDovela(s), estratos[s - 1] == 1 ? 1 : 3);
        EXPECT_EQ(p.FriccionDovela(s), estratos[s - 1] == 1 ? 30 : 35);
        EXPECT_NEAR(e.Dovelas.OrdenadaEstratoEnDovela(s, 1), 4, 1e-12);
        EXPECT_NEAR(e.Dovelas.OrdenadaEstratoEnDovela(s, 2), -5, 1e-12);
    }
    EXPECT_NEAR(e.Dovelas.TangenteFriccionDovela(5), 0.7002075382097097, 1e-12); // tan 35°
    EXPECT_EQ(e.Dovelas.TipoEstratoEnDovela(1), 2);
}

TEST(GenerarDovelas, UnaZonaMasAngostaQueElAnchoNominalEsUnaDovela)
{
    // Cruce en x = 9.5: la zona 10 → 9.5 es una sola dovela de 0.5 m; luego 7, 4.5, 2, 0.
    Proyecto p = TaludRecto(4);
    AgregarEstrato(p, {{20, 9.5}, {-10, 9.5}}, 1, 30, 1.8, 2.0);
    AgregarEstrato(p, {{20, -5}, {-10, -5}}, 3, 35, 1.9, 2.1);
    EstadoCalculo e;
    InteraccionGuionada ui;
    PrepararHasta(p, e, ui);
    EsperarBordes(e, {10, 9.5, 7, 4.5, 2, 0});
}

TEST(AsignarMateriales, BaseBajoLaUltimaLineaOCentroFueraDeUnaLineaDetienen)
{
    InteraccionGuionada ui;
    {
        // La única línea está en y = 2 y corta la superficie en x = 2: bordes 10, 7.5, 5, 2.5, 2
        // y 0; la base de la dovela 5 (y = 1) queda debajo.
        Proyecto p = TaludRecto(4);
        AgregarEstrato(p, {{20, 2}, {-10, 2}}, 1, 30, 1.8, 2.0);
        EstadoCalculo e;
        PrepararHasta(p, e, ui);
        const ResultadoPreparacion r = AsignarMateriales(p, e);
        EXPECT_FALSE(r);
        EXPECT_EQ(r.mensaje, textos::BaseBajoElUltimoEstrato(5, 1));
        EXPECT_FALSE(e.MaterialesAsignados);
    }
    {
        // La línea sólo llega hasta x = 5: el centro de la dovela 3 (x = 3.75) está fuera.
        Proyecto p = TaludRecto(4);
        AgregarEstrato(p, {{20, -5}, {5, -5}}, 1, 30, 1.8, 2.0);
        EstadoCalculo e;
        PrepararHasta(p, e, ui);
        const ResultadoPreparacion r = AsignarMateriales(p, e);
        EXPECT_EQ(r.mensaje,
                  textos::CentroFueraDePoligonal(3, 3.75, textos::DeLaLineaDelEstrato(1)));
    }
    {
        // El talud no llega hasta el pie de la superficie: borde 5 (x = 0) fuera del talud.
        Proyecto p = TaludRecto(4);
        AgregarEstrato(p, {{20, -5}, {-10, -5}}, 1, 30, 1.8, 2.0);
        p.AbscisasTalud(2) = 1;
        EstadoCalculo e;
        ASSERT_TRUE(ConstruirSPF(p, e, ui));
        ASSERT_TRUE(ConstruirZonas(e));
        ASSERT_TRUE(GenerarDovelas(p, e, ui));
        EXPECT_EQ(GeometriaDovelas(p, e).mensaje,
                  textos::BordeFueraDePoligonal(5, 0, textos::DeLaSuperficieDelTalud));
    }
}

TEST(AsignarMateriales, RocaTomaHoekBrownDelEstratoYSuMohrCoulombEquivalente)
{
    Proyecto p = TaludRecto(4);
    p.SueloRoca = Material::Roca;
    // La cohesión y la fricción que se dan aquí no cuentan: la roca las estima de mi, GSI y σci.
    AgregarEstrato(p, {{20, -5}, {-10, -5}}, 5, 40, 2.6, 2.7);
    for (Tabla<double>* t :
         {&p.ParametroMIntacto, &p.IndiceGSI, &p.ParametroM, &p.ParametroS, &p.CompresionSimple})
        t->Redimensionar(1);
    p.ParametroMIntacto(1) = 10;
    p.IndiceGSI(1) = 50;
    p.ParametroM(1) = 1.677;
    p.ParametroS(1) = 0.003866;
    p.CompresionSimple(1) = 1000; // kg/cm2
    EstadoCalculo e;
    InteraccionGuionada ui;
    PrepararHasta(p, e, ui);
    ASSERT_TRUE(AsignarMateriales(p, e));
    EXPECT_EQ(p.ParametroMDovela(2), 1.677);
    EXPECT_EQ(p.ParametroSDovela(2), 0.003866);
    // 1000 kg/cm2 = 10000 ton/m2, la unidad de los esfuerzos de los métodos.
    EXPECT_EQ(e.Dovelas.CompresionSimpleDovela(2), 10000);
    EXPECT_EQ(p.ExponenteHoekBrownDovela(2), 0.5);
    // mi = 10, GSI = 50, σci = 1000: c ≈ 41.1 (en la unidad de σci) y φ ≈ 31.9° (valores de
    // control de la caracterización; con bc: c = 9.8·exp((0.0455 − 0.0073·ln 10)·50) =
    // 41.138269791 kg/cm2 = 411.38269791 ton/m2, φ = 11.2 + 9·ln 10 = 31.923265837°).
    EXPECT_NEAR(p.CohesionDovela(2), 411.38269791, 1e-7);
    EXPECT_NEAR(p.FriccionDovela(2), 31.923265837, 1e-8);
    EXPECT_NEAR(e.Dovelas.TangenteFriccionDovela(2), 0.6230087, 1e-6); // tan 31.923265837°
    EXPECT_NEAR(p.CohesionMacizo(1), 411.38269791, 1e-7);

    // GSI 20: a = 0.65 − 20/200 = 0.55; φ = 8.48 − 0.64 − 6 + 9·ln 10 = 22.563265837°.
    p.IndiceGSI(1) = 20;
    ASSERT_TRUE(AsignarMateriales(p, e));
    EXPECT_NEAR(p.ExponenteHoekBrownDovela(2), 0.55, 1e-15);
    EXPECT_NEAR(p.FriccionDovela(2), 22.563265837, 1e-8);
}

TEST(AsignarMateriales, EstratoDeRocaConDatosQueNoSirvenDetiene)
{
    struct Caso {
        double mi, gsi, m, s, sigmaCi;
        const char* texto;
    };
    const Caso casos[] = {
        {0, 50, 1.677, 0.0039, 1000, textos::MiIntactoNoPositivo},
        {10, 100.5, 1.677, 0.0039, 1000, textos::GSIFueraDeIntervalo},
        {10, -1, 1.677, 0.0039, 1000, textos::GSIFueraDeIntervalo},
        {10, 50, 0, 0.0039, 1000, textos::ParametroMNoPositivo},
        {10, 50, 1.677, -0.001, 1000, textos::ParametroSNegativo},
        {10, 50, 1.677, 0.0039, 0, textos::CompresionSimpleNoPositiva},
    };
    for (const Caso& c : casos) {
        Proyecto p = TaludRecto(4);
        p.SueloRoca = Material::Roca;
        AgregarEstrato(p, {{20, -5}, {-10, -5}}, 0, 0, 2.6, 2.7);
        AgregarEstrato(p, {{20, -50}, {-10, -50}}, 0, 0, 2.6, 2.7);
        const std::pair<Tabla<double>*, std::pair<double, double>> valores[] = {
            {&p.ParametroMIntacto, {10, c.mi}},
            {&p.IndiceGSI, {50, c.gsi}},
            {&p.ParametroM, {1.677, c.m}},
            {&p.ParametroS, {0.0039, c.s}},
            {&p.CompresionSimple, {1000, c.sigmaCi}}};
        for (const auto& [tabla, v] : valores) {
            tabla->Redimensionar(2);
            (*tabla)(1) = v.first;
            (*tabla)(2) = v.second;
        }
        EstadoCalculo e;
        InteraccionGuionada ui;
        PrepararHasta(p, e, ui);
        // El estrato 2 no está en la base de ninguna dovela, pero sus datos tampoco sirven.
        EXPECT_EQ(AsignarMateriales(p, e).mensaje, textos::MacizoNoValidoEnCalculo(2, c.texto))
            << c.texto;
        EXPECT_FALSE(e.MaterialesAsignados);
    }
}

} // namespace
} // namespace vertana
