#include "apoyo/interaccion_guionada.h"
#include "geometry/preparacion.h"
#include "geometry/presiones_de_poros.h"
#include "geometry/talud_de_prueba.h"
#include "model/textos.h"

#include <gtest/gtest.h>

namespace vertana {
namespace {

using prueba::AgregarEstrato;
using prueba::FijarFreatico;
using prueba::TaludRecto;

// Superficie y = x de (10, 10) a (0, 0), talud y = 12, cuatro dovelas de 2.5 m con centros en
// x = yb = 8.75, 6.25, 3.75, 1.25. Estrato 1 (γh 1.8, γsat 2.0) entre el talud y la línea
// y = 11; estrato 2 (γh 1.9, γsat 2.2) entre y = 11 e y = −5. La superficie no cruza ninguna
// línea.
//
//   12 |-------------------------  talud
//   11 |- - - - - - - - - - - - -  línea 1
//    7 |~~~~~~~~~~~~~~~~~~~~~~~~~  nivel freático (en varias pruebas)
//      |      * superficie y = x
//   -5 |-------------------------  línea 2
Proyecto TaludDosEstratos()
{
    Proyecto p = TaludRecto(4);
    AgregarEstrato(p, {{20, 11}, {-10, 11}}, 1, 30, 1.8, 2.0);
    AgregarEstrato(p, {{20, -5}, {-10, -5}}, 2, 32, 1.9, 2.2);
    return p;
}

void Preparar(Proyecto& p, EstadoCalculo& e, InteraccionGuionada& ui)
{
    const ResultadoPreparacion r = PrepararCalculo(p, e, ui);
    ASSERT_TRUE(r) << r.mensaje;
    ASSERT_EQ(p.NumeroPuntosDovelas, 5);
}

TEST(EstimarPresionesDePoros, NivelFreaticoSobreLaBaseEnParteDeLasDovelas)
{
    Proyecto p = TaludDosEstratos();
    FijarFreatico(p, {{20, 7}, {-10, 7}});
    EstadoCalculo e;
    InteraccionGuionada ui;
    Preparar(p, e, ui);
    // u = NF − yb donde el nivel está sobre la base.
    const double u[] = {0, 0.75, 3.25, 5.75};
    for (int s = 1; s <= 4; ++s) {
        EXPECT_NEAR(p.PresionPorosDovela(s), u[s - 1], 1e-12) << s;
        EXPECT_NEAR(e.Dovelas.PendienteBaseDovela(s), 1.0, 1e-12);
        EXPECT_EQ(e.Dovelas.CargaVerticalDovela(s), 0);
    }
    // Gradiente: dovela 3, bordes x = 5 y 2.5 bajo el nivel: Δh = (7 − 5) − (7 − 2.5) = −2.5,
    // /2.5 m = −1. Dovela 2: el borde x = 7.5 está sobre el nivel, Δh = 0.
    EXPECT_NEAR(e.Dovelas.GradientePresionDovela(3), -1.0, 1e-12);
    EXPECT_EQ(e.Dovelas.GradientePresionDovela(2), 0);
    EXPECT_EQ(e.Dovelas.GradientePresionDovela(1), 0);
    // Peso unitario de la dovela 3 (yb 3.75, yt 12): estrato 1 de 11 a 12 seco (1.8·1), estrato 2
    // seco de 7 a 11 (1.9·4) y saturado de 3.75 a 7 (2.2·3.25): 16.55/8.25.
    EXPECT_NEAR(p.PesoUnitarioDovela(3), 16.55 / 8.25, 1e-12);
    // Dovela 1 (yb 8.75) toda sobre el nivel: media de γh por espesores (1.8·1 + 1.9·2.25)/3.25.
    EXPECT_NEAR(p.PesoUnitarioDovela(1), (1.8 + 1.9 * 2.25) / 3.25, 1e-12);
    EXPECT_TRUE(e.PresionesCalculadas);
    EXPECT_TRUE(ui.Cumplido());
}

TEST(EstimarPresionesDePoros, AguaLibreSobreElTaludConYSinDesembalseRapido)
{
    Proyecto p = TaludDosEstratos();
    FijarFreatico(p, {{20, 14}, {-10, 14}}); // 2 m sobre el talud
    for (bool desembalse : {false, true}) {
        SCOPED_TRACE(desembalse);
        Proyecto q = p;
        EstadoCalculo e;
        e.DesembalseRapido = desembalse;
        InteraccionGuionada ui;
        Preparar(q, e, ui);
        for (int s = 1; s <= 4; ++s) {
            EXPECT_NEAR(q.PresionPorosDovela(s), 14 - q.OrdenadaCentroDovela(s), 1e-12);
            EXPECT_NEAR(e.Dovelas.CargaVerticalDovela(s), desembalse ? 0.0 : 2.0, 1e-12);
            EXPECT_NEAR(e.Dovelas.AlturaAguaSobreTalud(s), desembalse ? 2.0 : 0.0, 1e-12);
            // Toda la columna saturada.
            const double yb = q.OrdenadaCentroDovela(s);
            EXPECT_NEAR(q.PesoUnitarioDovela(s), (2.0 * 1 + 2.2 * (11 - yb)) / (12 - yb), 1e-12);
        }
    }
}

TEST(EstimarPresionesDePoros, NivelBajoLaBaseOSinNivelNoDaPresion)
{
    for (bool conNivel : {true, false}) {
        SCOPED_TRACE(conNivel);
        Proyecto p = TaludDosEstratos();
        if (conNivel) FijarFreatico(p, {{20, -1}, {-10, -1}});
        EstadoCalculo e;
        InteraccionGuionada ui;
        Preparar(p, e, ui);
        for (int s = 1; s <= 4; ++s) {
            EXPECT_EQ(p.PresionPorosDovela(s), 0);
            EXPECT_EQ(e.Dovelas.CargaVerticalDovela(s), 0);
            EXPECT_EQ(e.Dovelas.GradientePresionDovela(s), 0);
            const double yb = p.OrdenadaCentroDovela(s);
            EXPECT_NEAR(p.PesoUnitarioDovela(s), (1.8 * 1 + 1.9 * (11 - yb)) / (12 - yb), 1e-12);
        }
        EXPECT_FALSE(p.PresionesDePorosDadas);
    }
}

TEST(EstimarPresionesDePoros, PresionesDadasSeConservanSiLaPersonaLoPide)
{
    Proyecto p = TaludDosEstratos();
    FijarFreatico(p, {{20, 7}, {-10, 7}});
    p.PresionPorosDovela.Redimensionar(4);
    for (int s = 1; s <= 4; ++s)
        p.PresionPorosDovela(s) = 9;
    for (bool estimar : {false, true}) {
        Proyecto q = p;
        EstadoCalculo e;
        InteraccionGuionada ui;
        ui.EsperarPregunta(textos::PreguntaPresionesExistentes, estimar);
        Preparar(q, e, ui);
        EXPECT_TRUE(ui.Cumplido());
        EXPECT_EQ(q.PresionPorosDovela(1), 0);
        if (estimar) {
            EXPECT_NEAR(q.PresionPorosDovela(4), 5.75, 1e-12); // 7 − 1.25
            continue;
        }
        // No: se conservan donde el nivel está sobre la base y se anulan donde está debajo.
        EXPECT_TRUE(q.PresionesDePorosDadas);
        for (int s = 2; s <= 4; ++s)
            EXPECT_EQ(q.PresionPorosDovela(s), 9);
    }
}

TEST(EstimarPresionesDePoros, ExcesoDePresionDeUnTerraplen)
{
    // Estrato 2 terraplén: B = 0.8, Cv = 0.001 cm2/s, t = 12 meses; nivel en y = 7.
    // Dovela 3: yb = 3.75, yt = ymax = 12.
    //   Δσv = 1.9 · (11 − 3.75) = 13.775 (sólo el terraplén de la columna)
    //   H = (11 − (−5))/2 = 8 m; t′ = 12·(12 − 3.75)/12 = 8.25 meses
    //   Tv = 0.001·3153.6·(8.25/24)/64 = 0.016938281
    //   U = 100·√(4·Tv/3.1415) = 14.68575 %
    //   Δu = 13.775·0.8 − 13.775·0.1468575 = 8.997038
    //   u = 3.25 + Δu = 12.247038; gradiente = (−2.5 + Δu)/2.5 = 2.598815
    Proyecto p = TaludDosEstratos();
    FijarFreatico(p, {{20, 7}, {-10, 7}});
    p.TipoDeEstrato(2) = 1;
    p.ParametroPresionIntersticial(2) = 0.8;
    p.CoeficienteConsolidacionVertical(2) = 0.001;
    p.TiempoDeConstruccion(2) = 12;
    EstadoCalculo e;
    InteraccionGuionada ui;
    Preparar(p, e, ui);
    EXPECT_NEAR(e.Dovelas.ExcesoPresionDovela(3), 8.997038, 1e-6);
    EXPECT_NEAR(p.PresionPorosDovela(3), 12.247038, 1e-6);
    EXPECT_NEAR(e.Dovelas.GradientePresionDovela(3), 2.598815, 1e-6);
    // Dovela 1: el nivel está bajo la base, el exceso no se suma.
    EXPECT_EQ(p.PresionPorosDovela(1), 0);
}

TEST(GradoDeConsolidacion, ValoresDeLaTablaDeTerzaghi)
{
    // Tv = 0.197 → 50 %, Tv = 0.5 → 76.4 %, Tv = 0.848 → 90 %.
    EXPECT_NEAR(GradoDeConsolidacion(0.197), 50.0, 0.2);
    EXPECT_NEAR(GradoDeConsolidacion(0.5), 76.4, 0.1);
    EXPECT_NEAR(GradoDeConsolidacion(0.848), 90.0, 0.1);
    EXPECT_EQ(GradoDeConsolidacion(0.0), 0.0);
}

} // namespace
} // namespace vertana
