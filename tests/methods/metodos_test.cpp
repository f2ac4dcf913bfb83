// Preguntas, negativas, chequeos y casos límite de Fellenius, Bishop y Janbu.
#include "apoyo/interaccion_guionada.h"
#include "cli/interaccion_lote.h"
#include "cli/orden_calcular.h"
#include "cli/ordenes.h"
#include "geometry/preparacion.h"
#include "io/archivo_proyecto.h"
#include "methods/bishop.h"
#include "methods/fellenius.h"
#include "methods/janbu.h"
#include "methods/momento_cargas.h"
#include "model/textos.h"
#include "proyectos_de_prueba.h"

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

namespace vertana {
namespace {

const std::string Caso1 =
    std::string(VERTANA_DATOS_PRUEBA) + "/clasicos/fredlund_krahn_1977_caso1.cod";

// Caso 1 de Fredlund y Krahn (círculo único, Bishop, sin resultados) con el método pedido.
Proyecto Caso1Con(int metodo)
{
    Proyecto p;
    ReiniciarProyecto(p);
    InteraccionLote lectura;
    EXPECT_TRUE(LeerProyecto(Caso1, p, lectura));
    p.MetodoDeCalculo = static_cast<Metodo>(metodo);
    return p;
}

// Lo que todo cálculo pregunta primero: sin desembalse rápido, salvo que la prueba conteste otra
// cosa.
struct Calculo {
    Proyecto p;
    EstadoCalculo e;
    InteraccionGuionada ui;
    explicit Calculo(int metodo, bool preguntaDesembalse = true) : p(Caso1Con(metodo))
    {
        ReiniciarEstadoCalculo(e);
        if (preguntaDesembalse) ui.EsperarPregunta(textos::PreguntaDesembalseRapido, false);
    }
};

TEST(Fellenius, OtroMetodoElegidoSeNiegaSinResultados)
{
    Calculo c(2);
    EXPECT_EQ(MetodoFellenius(c.p, c.e, c.ui), FinCalculo::Detenido);
    ASSERT_EQ(c.ui.Eventos().size(), 2u);
    EXPECT_EQ(c.ui.Eventos()[1].texto, textos::MetodoNoSeleccionado);
    EXPECT_EQ(c.ui.Eventos()[1].titulo, textos::TituloNoEsMetodo);
    EXPECT_FALSE(c.p.HayResultados);
    EXPECT_TRUE(c.ui.Cumplido());
}

TEST(Fellenius, RocaSeNiegaAntesQueElMetodo)
{
    Calculo c(2, false);
    c.p.SueloRoca = Material::Roca;
    c.ui.EsperarPregunta(textos::PreguntaDesembalseRapido, true);
    EXPECT_EQ(MetodoFellenius(c.p, c.e, c.ui), FinCalculo::Detenido);
    EXPECT_EQ(c.ui.Mensajes().back(), textos::MaterialEsRoca);
    EXPECT_TRUE(c.e.DesembalseRapido);
}

TEST(Fellenius, NoRecalcularConservaLosResultados)
{
    Calculo c(3);
    ASSERT_EQ(MetodoFellenius(c.p, c.e, c.ui), FinCalculo::Resultados);
    EXPECT_EQ(c.ui.Mensajes().back(), textos::FinFellenius);
    EXPECT_EQ(c.p.NumeroIteraciones, 1);
    const Proyecto antes = c.p;
    c.ui.EsperarPregunta(textos::PreguntaDesembalseRapido, false)
        .EsperarPregunta(textos::PreguntaRecalcular, false);
    EXPECT_EQ(MetodoFellenius(c.p, c.e, c.ui), FinCalculo::Detenido);
    EXPECT_EQ(c.p, antes);
    // Recalcular sin cambios: la pregunta común y el mismo factor.
    c.ui.EsperarPregunta(textos::PreguntaDesembalseRapido, false)
        .EsperarPregunta(textos::PreguntaRecalcular, true)
        .EsperarPregunta(textos::PreguntaPrimeraVezCalculo, false);
    EXPECT_EQ(MetodoFellenius(c.p, c.e, c.ui), FinCalculo::Resultados);
    EXPECT_DOUBLE_EQ(c.p.HistoriaFS(1), antes.HistoriaFS(1));
    EXPECT_TRUE(c.ui.Cumplido());
}

// Suelo seco con c = 0: τ = σ·tan φ/FS en cada dovela.
TEST(Fellenius, SueloSecoSinCohesion)
{
    Calculo c(3);
    c.p.CohesionMacizo(1) = 0.0;
    ASSERT_EQ(MetodoFellenius(c.p, c.e, c.ui), FinCalculo::Resultados);
    const double FS = c.p.HistoriaFS(1);
    const double tf = std::tan(20.0 * std::atan(1.0) / 45.0);
    for (int s = 1; s < c.p.NumeroPuntosDovelas; s += 7)
        EXPECT_NEAR(c.p.EsfuerzoTangencialDovela(s), c.p.EsfuerzoNormalDovela(s) * tf / FS, 1e-9);
}

// Suelo puramente cohesivo: mα = cos α no depende de F, la primera pasada ya da el factor
// final, desde cualquier factor inicial, y Bishop coincide con Fellenius (S = c·l en ambos).
TEST(Bishop, SueloPuramenteCohesivoConvergeEnUnaPasada)
{
    double factores[2] = {0.0, 0.0};
    int i = 0;
    for (double inicial : {1.5, 10.0}) {
        Proyecto p = Caso1Con(2);
        p.FriccionMacizo(1) = 0.0;
        p.FSInicial = inicial;
        EstadoCalculo e;
        ReiniciarEstadoCalculo(e);
        InteraccionGuionada ui;
        ASSERT_TRUE(EjecutarPreparacion(p, e, ui));
        ChequeosBishop chequeos;
        chequeos.EsfuerzoEfectivoSuprimido = true; // N < 0 en las dovelas de la corona
        const SolucionBishop r = IteracionBishop(p, e, ui, chequeos);
        ASSERT_EQ(r.estado, EstadoBishop::Convergio);
        EXPECT_LE(r.pasadas, 2); // la segunda pasada sólo confirma el valor
        factores[i++] = r.FS;
        EXPECT_NEAR(r.FS, CalcularFellenius(p, e).FS, 1e-9);
    }
    EXPECT_NEAR(factores[0], factores[1], 1e-12);
}

TEST(Bishop, FactorInicialLejanoConvergeAlMismoValor)
{
    double factores[3];
    int i = 0;
    for (double inicial : {0.8, 2.0, 8.0}) { // converge desde ambos lados
        Proyecto p = Caso1Con(2);
        p.FSInicial = inicial;
        EstadoCalculo e;
        ReiniciarEstadoCalculo(e);
        InteraccionGuionada ui;
        ASSERT_TRUE(EjecutarPreparacion(p, e, ui));
        ui.EsperarPregunta(textos::PreguntaEsfuerzoEfectivoNulo, true);
        ChequeosBishop chequeos;
        factores[i++] = IteracionBishop(p, e, ui, chequeos).FS;
        EXPECT_TRUE(ui.Cumplido());
    }
    EXPECT_NEAR(factores[0], factores[1], ToleranciaFS);
    EXPECT_NEAR(factores[2], factores[1], ToleranciaFS);
}

// Con F diminuto la resistencia movilizada (c + σ′·tan φ)/F y mα crecen como 1/F y el cociente
// de Bishop tiende a 0: F = 0 es un punto fijo espurio. Desde 10⁻⁹ la iteración se queda junto
// a él; se repite desde 1 y da el factor que da desde 1.5, el publicado (Fredlund y Krahn 1977,
// Bishop 2.080).
TEST(Bishop, FactorInicialDiminutoNoSeQuedaJuntoACero)
{
    double factores[2];
    int i = 0;
    for (double inicial : {1.5, 1e-9}) {
        Proyecto p = Caso1Con(2);
        p.FSInicial = inicial;
        EstadoCalculo e;
        ReiniciarEstadoCalculo(e);
        InteraccionLote ui; // continúa tras los chequeos de dovela
        PrepararRespuestasPorLotes(ui, false);
        ASSERT_TRUE(EjecutarPreparacion(p, e, ui));
        ChequeosBishop chequeos;
        const SolucionBishop r = IteracionBishop(p, e, ui, chequeos);
        ASSERT_EQ(r.estado, EstadoBishop::Convergio) << inicial;
        factores[i++] = r.FS;
    }
    EXPECT_NEAR(factores[1], factores[0], ToleranciaFS);
    EXPECT_NEAR(factores[0], 2.080, 0.01);
}

// Con F inicial 0.1 el pie del círculo da mα < 0.2 (y N < 0 en la corona, como con cualquier F):
// No abandona el cálculo sin resultados; Sí lo suprime para el resto del cálculo.
TEST(Bishop, ChequeoDeAngulosNoAbandonaYSiSuprime)
{
    for (bool suprimir : {false, true}) {
        Calculo c(2);
        c.p.FSInicial = 0.1;
        c.ui.EsperarPregunta(textos::PreguntaEsfuerzoEfectivoNulo, true)
            .EsperarPregunta(textos::PreguntaAnguloDovela, suprimir);
        EXPECT_EQ(MetodoBishop(c.p, c.e, c.ui),
                  suprimir ? FinCalculo::Resultados : FinCalculo::Abandonado);
        EXPECT_TRUE(c.ui.Cumplido()); // la pregunta se hace una sola vez
        EXPECT_EQ(c.p.HayResultados, suprimir);
        if (suprimir)
            EXPECT_NEAR(c.p.HistoriaFS(1), 2.080, 0.02 * 2.080);
        else
            EXPECT_TRUE(c.ui.Mensajes().empty()); // sin mensaje final
    }
}

TEST(Bishop, NegativasEnOrden)
{
    Calculo instantaneos(2);
    instantaneos.p.UsaParametrosInstantaneos = true;
    EXPECT_EQ(MetodoBishop(instantaneos.p, instantaneos.e, instantaneos.ui), FinCalculo::Detenido);
    EXPECT_EQ(instantaneos.ui.Mensajes().back(), textos::ProblemaDeInstantaneos);
    EXPECT_EQ(instantaneos.ui.Eventos().back().titulo, textos::TituloNoEsElCamino);

    Calculo grieta(2);
    grieta.p.OrdenadaPrimerPuntoGrieta = 25.0;
    grieta.p.AbscisaSegundoPuntoGrieta = 40.0;
    grieta.p.OrdenadaSegundoPuntoGrieta = 18.288;
    EXPECT_EQ(MetodoBishop(grieta.p, grieta.e, grieta.ui), FinCalculo::Detenido);
    EXPECT_EQ(grieta.ui.Mensajes().back(), textos::GrietaNoCoincideConFalla);
    EXPECT_EQ(grieta.ui.Eventos().back().titulo, textos::TituloOjoPelao);

    Calculo roca(2);
    roca.p.SueloRoca = Material::Roca;
    EXPECT_EQ(MetodoBishop(roca.p, roca.e, roca.ui), FinCalculo::Detenido);
    EXPECT_EQ(roca.ui.Mensajes().back(), textos::MaterialEsRocaSinInstantaneos);
}

// Búsqueda del radio: pasos de 1 m, el menor factor queda como resultado y en el proyecto.
// Una superficie compuesta leída de un archivo lleva el centro guardado en (0, 0); en el bloque
// de Priest ese punto está sobre el plano de falla y los momentos se anulan: no hay resultados.
TEST(Bishop, CentroDeMomentosInservibleNoDaResultados)
{
    Proyecto p;
    ReiniciarProyecto(p);
    InteraccionLote lectura;
    ASSERT_TRUE(LeerProyecto(
        std::string(VERTANA_DATOS_PRUEBA) + "/clasicos/priest_1993_bloque_grieta.cod", p, lectura));
    p.MetodoDeCalculo = Metodo::Bishop;
    EstadoCalculo e;
    ReiniciarEstadoCalculo(e);
    InteraccionLote ui;
    PrepararRespuestasPorLotes(ui, false);
    EXPECT_EQ(MetodoBishop(p, e, ui), FinCalculo::Limite);
    EXPECT_FALSE(p.HayResultados);
    EXPECT_EQ(ui.Eventos().back().titulo, textos::TituloLimiteCalculo);
}

TEST(Bishop, BusquedaDelRadio)
{
    Calculo c(2);
    c.p.VariaElRadio = true;
    c.p.VariaElRadioSN = true;
    c.ui.EsperarPregunta(textos::PreguntaEsfuerzoEfectivoNulo, true);
    std::vector<EnsayoRadio> ensayos;
    ASSERT_EQ(MetodoBishop(c.p, c.e, c.ui, &ensayos), FinCalculo::Resultados);
    ASSERT_GE(ensayos.size(), 3u);
    double menor = ensayos.front().FS;
    for (const auto& en : ensayos) {
        menor = std::min(menor, en.FS);
        const double paso = (en.radio - ensayos.front().radio) / PasoRadioBusqueda;
        EXPECT_NEAR(paso, std::round(paso), 1e-9); // radios a pasos enteros de 1 m
    }
    const double final = c.p.HistoriaFS(c.p.NumeroIteraciones);
    EXPECT_NEAR(final, menor, 1e-9);
    EXPECT_LE(final, ensayos.front().FS);
    EXPECT_EQ(c.p.NumeroIteraciones, static_cast<int>(ensayos.size()) + 1);
    EXPECT_TRUE(c.e.CentroFijo);
    // El círculo elegido pasa por los dos extremos de la superficie.
    EXPECT_NEAR(std::hypot(40.8926 - c.p.CentroCirculoX, 18.288 - c.p.CentroCirculoY),
                c.p.RadioCirculoFalla, 1e-6);
}

// Una carga puntual sobre el borde s actúa en la dovela s, la que empieza en ese borde
// (Fellenius, Bishop), no en la s − 1; en Janbu, en las dos vecinas.
TEST(Cargas, CargaPuntualSobreUnBorde)
{
    Proyecto p;
    ReiniciarProyecto(p);
    RedimensionarCargasPuntuales(p, 1);
    p.CargaPuntualX(1) = 8.0;
    EstadoCalculo e;
    e.Dovelas.AbscisaBordeDovela.Redimensionar(3);
    e.Dovelas.AbscisaBordeDovela(1) = 10.0;
    e.Dovelas.AbscisaBordeDovela(2) = 8.0;
    e.Dovelas.AbscisaBordeDovela(3) = 6.0;
    EXPECT_FALSE(CargaPuntualEnDovela(p, e, 1, 1));
    EXPECT_TRUE(CargaPuntualEnDovela(p, e, 1, 2));
    EXPECT_TRUE(CargaPuntualEnDovela(p, e, 1, 1, true));
    EXPECT_TRUE(CargaPuntualEnDovela(p, e, 1, 2, true));
}

TEST(Janbu, AceptarEnForm17TerminaConResultados)
{
    Calculo c(4);
    int vistas = 0;
    c.ui.AlAbrirForm17([&](const Proyecto& p, const IteracionJanbuMostrada& pasada) {
        ++vistas;
        EXPECT_EQ(pasada.AnguloLineaEmpuje.Tamano(), p.NumeroPuntosDovelas - 2);
        EXPECT_GE(p.NumeroIteraciones, 3);
        return DecisionJanbu{DecisionIteracion::Aceptar, {}};
    });
    ASSERT_EQ(MetodoJanbu(c.p, c.e, c.ui), FinCalculo::Resultados);
    EXPECT_EQ(vistas, 1);
    EXPECT_EQ(c.ui.VecesForm17(), 1);
    EXPECT_EQ(c.ui.Mensajes().back(), textos::FinJanbu);
    EXPECT_DOUBLE_EQ(c.p.HistoriaFS(1), 1.5); // el factor inicial
    EXPECT_TRUE(c.p.HayValoresDeHt);
    // ht fijado por el programa: un tercio de la altura del borde.
    const int n = c.p.NumeroPuntosDovelas;
    EXPECT_NEAR(c.p.ValoresDeHt(n / 2 - 1),
                (c.e.Dovelas.OrdenadaTaludBorde(n / 2) - c.e.Dovelas.OrdenadaBordeDovela(n / 2)) /
                    3.0,
                1e-12);
}

TEST(Janbu, SalirEnForm17DejaElProyectoSinResultados)
{
    Calculo c(4);
    c.ui.AlAbrirForm17([](const Proyecto&, const IteracionJanbuMostrada&) {
        return DecisionJanbu{DecisionIteracion::Salir, {}};
    });
    EXPECT_EQ(MetodoJanbu(c.p, c.e, c.ui), FinCalculo::Abandonado);
    EXPECT_FALSE(c.p.HayResultados);
    EXPECT_FALSE(c.p.HayValoresDeHt);
    EXPECT_EQ(c.p.NumeroIteraciones, 0);
    EXPECT_TRUE(c.ui.Mensajes().empty());
}

TEST(Janbu, ConHtGuardadosPreguntaQuienLosFija)
{
    Calculo c(4);
    ASSERT_EQ(MetodoJanbu(c.p, c.e, c.ui), FinCalculo::Resultados);
    const double primero = c.p.HistoriaFS(c.p.NumeroIteraciones);
    for (int k = 1; k <= c.p.ValoresDeHt.Tamano(); ++k)
        c.p.ValoresDeHt(k) *= 1.1;
    c.ui.EsperarPregunta(textos::PreguntaDesembalseRapido, false)
        .EsperarPregunta(textos::PreguntaRecalcular, true)
        .EsperarPregunta(textos::PreguntaPrimeraVezCalculo, false)
        .EsperarPregunta(textos::PreguntaProgramaFijaHt, false);
    ASSERT_EQ(MetodoJanbu(c.p, c.e, c.ui), FinCalculo::Resultados);
    EXPECT_TRUE(c.ui.Cumplido());
    // Otra línea de empuje, otro factor, del mismo orden.
    EXPECT_NE(c.p.HistoriaFS(c.p.NumeroIteraciones), primero);
    EXPECT_NEAR(c.p.HistoriaFS(c.p.NumeroIteraciones), primero, 0.1 * primero);
}

TEST(Janbu, OtroMetodoElegido)
{
    Calculo c(2);
    EXPECT_EQ(MetodoJanbu(c.p, c.e, c.ui), FinCalculo::Detenido);
    EXPECT_EQ(c.ui.Eventos().size(), 2u);
    EXPECT_EQ(c.ui.Mensajes().back(), textos::MetodoNoSeleccionado);
}

TEST(Calcular, JsonGuardarYCodigosDeSalida)
{
    prueba::CarpetaTemporal carpeta;
    const std::string guardado = carpeta.Ruta("resultado.cod");
    std::ostringstream salida, errores;
    ASSERT_EQ(
        EjecutarCli({"calcular", Caso1, "--metodo", "fellenius", "--json", "--guardar", guardado},
                    salida, errores),
        SalidaCorrecta)
        << errores.str();
    const auto j = nlohmann::json::parse(salida.str());
    EXPECT_EQ(j["metodo"], "Fellenius");
    EXPECT_NEAR(j["factor_seguridad"].get<double>(), 1.928, 0.01);
    EXPECT_EQ(j["iteraciones"], 1);
    EXPECT_EQ(j["historia_fs"].size(), 1u);
    EXPECT_NEAR(j["radio"].get<double>(), 24.384, 1e-9);
    EXPECT_TRUE(j["centro"].contains("x"));
    ASSERT_GT(j["dovelas"].size(), 90u);
    for (const char* clave : {"dx", "xo", "yt", "yo", "u", "c", "fi", "pu", "sig", "sige", "tau"})
        EXPECT_TRUE(j["dovelas"][0].contains(clave)) << clave;
    EXPECT_TRUE(j["sumas"].contains("tau"));
    EXPECT_EQ(j["mensajes"][0]["texto"], textos::PreguntaDesembalseRapido);
    EXPECT_EQ(j["mensajes"][0]["respuesta"], "No");
    EXPECT_EQ(j["mensajes"].back()["texto"], textos::FinFellenius);

    Proyecto leido;
    ReiniciarProyecto(leido);
    InteraccionLote lectura;
    ASSERT_TRUE(LeerProyecto(guardado, leido, lectura));
    EXPECT_TRUE(leido.HayResultados);
    EXPECT_NEAR(leido.HistoriaFS(1), j["factor_seguridad"].get<double>(), 1e-6);

    std::ostringstream s2, e2;
    EXPECT_EQ(EjecutarCli({"calcular", carpeta.Ruta("no_existe.cod")}, s2, e2), SalidaArchivo);

    // Una negativa: código 3 y el último mensaje en la salida de errores.
    std::ostringstream s3, e3;
    Proyecto roca = Caso1Con(3);
    roca.SueloRoca = Material::Roca;
    roca.CompresionSimple(1) = 1000.0; // datos de roca válidos: la negativa es la del método
    EscribirProyecto(carpeta.Ruta("roca.cod"), roca);
    EXPECT_EQ(EjecutarCli({"calcular", carpeta.Ruta("roca.cod")}, s3, e3), SalidaSinResultados);
    EXPECT_NE(e3.str().rfind(textos::MaterialEsRoca), std::string::npos);
}

TEST(Calcular, TextoConLaTablaDeDovelas)
{
    std::ostringstream salida, errores;
    ASSERT_EQ(EjecutarCli({"calcular", Caso1, "--metodo", "janbu"}, salida, errores),
              SalidaCorrecta);
    const std::string texto = salida.str();
    EXPECT_EQ(texto.rfind("Método: Janbu", 0), 0u) << texto;
    for (const char* columna : {"dx (m)", "fi (grados)", "sige (ton/m2)", "tau (ton/m2)"})
        EXPECT_NE(texto.find(columna), std::string::npos) << columna;
    EXPECT_NE(texto.find("Suma de tau"), std::string::npos);
}

} // namespace
} // namespace vertana
