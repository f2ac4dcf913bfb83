// Método de Janbu en rocas. Referencias independientes del código:
// - cálculo a mano de la cohesión y la fricción equivalentes (mi = 10, GSI = 50, σci = 1000
//   kg/cm2): c = 0.013·1000·e^1.3 = 47.70 kg/cm2 = 477.0 ton/m2,
//   φ = 0.424·50 − 0.0016·2500 + 16·ln 10 = 54.04°;
// - en una superficie plana Janbu (con o sin fuerzas entre dovelas, que suman cero y tienen el
//   mismo m en todas las dovelas) da el factor del bloque deslizante,
//   F = (c·L + W·cos α·tan φ)/(W·sen α);
// - el círculo de Mohr de los esfuerzos principales pasa por (σ′, F·τ) y es tangente allí a la
//   recta de pendiente tan φ (su centro está en σ′ + F·τ·tan φ).
#include "calculo/calculo.h"
#include "cli/interaccion_lote.h"
#include "cli/orden_calcular.h"
#include "io/archivo_proyecto.h"
#include "methods/janbu_roca.h"
#include "model/textos.h"
#include "model/unidades.h"
#include "proyectos_de_prueba.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace vertana {
namespace {

Proyecto Ejemplo()
{
    Proyecto p;
    ReiniciarProyecto(p);
    InteraccionLote lectura;
    EXPECT_TRUE(
        LeerProyecto(std::string(VERTANA_EJEMPLOS) + "/talud_roca_variacional.cod", p, lectura));
    p.MetodoDeCalculo = Metodo::Janbu;
    return p;
}

ResultadoCalculo CalcularJanbuRoca(Proyecto& p, EstadoCalculo& e, InteraccionLote& ui)
{
    PrepararRespuestasPorLotes(ui, false);
    OpcionesCalculo o;
    o.EnRocas = true;
    return Calcular(p, e, Metodo::Janbu, o, ui);
}

TEST(JanbuRoca, CohesionYFriccionDeCadaEstratoYDeSusDovelas)
{
    Proyecto p = Ejemplo();
    p.CompresionSimple(1) = 1000.0;
    EstadoCalculo e;
    InteraccionLote ui;
    const ResultadoCalculo r = CalcularJanbuRoca(p, e, ui);
    ASSERT_TRUE(r.Convergio()) << r.Mensaje;
    EXPECT_NEAR(p.CohesionMacizo(1), 477.0, 0.05);
    EXPECT_NEAR(p.FriccionMacizo(1), 54.04, 0.005);
    for (int s = 1; s < p.NumeroPuntosDovelas; ++s) {
        EXPECT_EQ(p.CohesionDovela(s), p.CohesionMacizo(1));
        EXPECT_NEAR(e.Dovelas.TangenteFriccionDovela(s), std::tan(Radianes(54.0414)), 1e-3);
    }
    EXPECT_EQ(ui.Eventos().front().texto, textos::JanbuEnRoca);
    EXPECT_EQ(ui.Eventos().front().titulo, textos::TituloNoEsSuelo);
    EXPECT_EQ(r.Mensaje, textos::FinJanbuRocas);
    EXPECT_TRUE(r.EnRocas);
}

TEST(JanbuRoca, SuperficiePlanaComoElBloqueYCirculosDeMohr)
{
    // Plano de (38, 30) a (15, 0): tan α = 30/23.
    Proyecto p = Ejemplo();
    prueba::FijarPuntos(p.AbscisasFalla, p.OrdenadasFalla, {{38, 30}, {15, 0}});
    p.NumeroTiposDeFalla = 1;
    p.PuntoInicialTipoFalla.Redimensionar(1);
    p.PuntoFinalTipoFalla.Redimensionar(1);
    p.TipoDeFalla.Redimensionar(1);
    p.PuntoInicialTipoFalla(1) = 1;
    p.PuntoFinalTipoFalla(1) = 2;
    p.TipoDeFalla(1) = TipoUnion::Recta;
    EstadoCalculo e;
    InteraccionLote ui;
    const ResultadoCalculo r = CalcularJanbuRoca(p, e, ui);
    ASSERT_TRUE(r.Convergio()) << r.Mensaje;

    const double alfa = std::atan(30.0 / 23.0), L = std::hypot(30.0, 23.0);
    double W = 0.0;
    for (int s = 1; s < p.NumeroPuntosDovelas; ++s)
        W += p.PesoUnitarioDovela(s) * (p.OrdenadaTaludDovela(s) - p.OrdenadaCentroDovela(s)) *
             p.AnchoDovela(s);
    // c = 0.013·500·e^1.3 ton/m2, φ = 54.0414° (σci = 50 kg/cm2).
    const double c = 0.013 * 500.0 * std::exp(1.3);
    const double phi = Radianes(0.424 * 50 - 0.0016 * 2500 + 16 * std::log(10.0));
    const double bloque = (c * L + W * std::cos(alfa) * std::tan(phi)) / (W * std::sin(alfa));
    EXPECT_NEAR(*r.FactorSeguridad, bloque, 0.003);

    const double F = *r.FactorSeguridad;
    double suma1 = 0.0, suma3 = 0.0;
    for (int s = 1; s < p.NumeroPuntosDovelas; ++s) {
        const double s1 = p.EsfuerzoPrincipalMayorDovela(s), s3 = p.EsfuerzoPrincipalMenorDovela(s);
        const double centro = (s1 + s3) / 2.0, radio = (s1 - s3) / 2.0;
        const double sn = p.EsfuerzoEfectivoDovela(s), tf = F * p.EsfuerzoTangencialDovela(s);
        EXPECT_NEAR((sn - centro) * (sn - centro) + tf * tf, radio * radio, 1e-8 * radio * radio);
        EXPECT_NEAR(centro - sn, tf * std::tan(phi), 1e-9 * (1.0 + centro)) << "dovela " << s;
        suma1 += s1;
        suma3 += s3;
    }
    EXPECT_NEAR(p.SumaEsfuerzosPrincipalesMayores, suma1, 1e-9);
    EXPECT_NEAR(p.SumaEsfuerzosPrincipalesMenores, suma3, 1e-9);
}

TEST(JanbuRoca, NegativasEnOrden)
{
    struct Caso {
        void (*cambiar)(Proyecto&);
        std::string ultimo; // último mensaje
    };
    const Caso casos[] = {
        // Un proyecto de suelos (con datos de suelos válidos): sólo el aviso.
        {[](Proyecto& p) {
             p = prueba::Leido(std::string(VERTANA_EJEMPLOS) + "/talud_homogeneo_bishop.cod");
             p.MetodoDeCalculo = Metodo::Janbu;
         },
         textos::JanbuEnRoca},
        {[](Proyecto& p) { p.UsaParametrosInstantaneos = true; },
         textos::CalculandoConInstantaneos},
        {[](Proyecto& p) { p.MetodoDeCalculo = Metodo::Variacional; },
         textos::MetodoNoSeleccionado},
        // mi = 0.1: φ = 17.2 + 16·ln 0.1 = −19.6°.
        {[](Proyecto& p) { p.ParametroMIntacto(1) = 0.1; },
         textos::MacizoNoValidoEnCalculo(1, textos::FriccionJanbuFueraDeIntervalo)},
    };
    for (const Caso& c : casos) {
        Proyecto p = Ejemplo();
        c.cambiar(p);
        EstadoCalculo e;
        InteraccionLote ui;
        const ResultadoCalculo r = CalcularJanbuRoca(p, e, ui);
        EXPECT_EQ(r.Estado, EstadoDelCalculo::Rechazado) << c.ultimo;
        EXPECT_EQ(r.Mensaje, c.ultimo);
        EXPECT_FALSE(p.HayResultados);
    }
    // Con resultados, No a "¿Desea recalcular?" no cambia nada.
    Proyecto p = Ejemplo();
    EstadoCalculo e;
    InteraccionLote ui;
    ASSERT_TRUE(CalcularJanbuRoca(p, e, ui).Convergio());
    const Proyecto calculado = p;
    InteraccionLote ui2;
    PrepararRespuestasPorLotes(ui2, false);
    ui2.FijarRespuesta(textos::PreguntaRecalcular, false);
    OpcionesCalculo o;
    o.EnRocas = true;
    EXPECT_EQ(Calcular(p, e, Metodo::Janbu, o, ui2).Estado, EstadoDelCalculo::Rechazado);
    EXPECT_EQ(p, calculado);
}

} // namespace
} // namespace vertana
