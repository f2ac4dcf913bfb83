// Orden de los parámetros instantáneos con los métodos reales. Tras un cálculo de Mohr-Coulomb
// los puntos (σ′, F·τ) de cada dovela están sobre la recta τ = c + σ′·tan φ de su estrato, de
// modo que las secantes y las regresiones devuelven los parámetros del estrato y el segundo
// cálculo repite el factor de seguridad del primero. Multiplicar c y tan φ de todas las dovelas
// por λ multiplica por λ el factor de Bishop (mα depende de tan φ/F).
#include "apoyo/interaccion_guionada.h"
#include "calculo/calculo.h"
#include "calculo/calculo_instantaneo.h"
#include "cli/interaccion_lote.h"
#include "cli/orden_calcular.h"
#include "cli/ordenes.h"
#include "io/archivo_proyecto.h"
#include "methods/bishop.h"
#include "methods/janbu.h"
#include "methods/variacional.h"
#include "model/textos.h"
#include "proyectos_de_prueba.h"
#include "rock/parametros_instantaneos.h"

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

namespace vertana {
namespace {

const std::string Clasicos = std::string(VERTANA_DATOS_PRUEBA) + "/clasicos/";
const std::string Estratificado = std::string(VERTANA_EJEMPLOS) + "/talud_estratificado_janbu.cod";

Proyecto Leer(const std::string& ruta, Metodo metodo, DefinicionInstantaneos definicion)
{
    Proyecto p;
    ReiniciarProyecto(p);
    InteraccionLote lectura;
    EXPECT_TRUE(LeerProyecto(ruta, p, lectura)) << ruta;
    p.MetodoDeCalculo = metodo;
    p.DefinicionParametrosInstantaneos = definicion;
    // Valores iniciales del método variacional para el caso 1 de Fredlund y Krahn.
    p.MultiplicadorLagrange1 = 24.0;
    p.MultiplicadorLagrange2 = 30.0;
    p.FSInicial = 1.5;
    p.EsfuerzoInicialCresta = -1.0;
    return p;
}

double Factor(const Proyecto& p)
{
    return p.NumeroIteraciones >= 1 ? p.HistoriaFS(p.NumeroIteraciones) : 0.0;
}

// c y tan φ de todas las dovelas multiplicados por 2 (φ en grados).
void DuplicarResistencia(Proyecto& p)
{
    const double grado = std::atan(1.0) / 45.0;
    for (int k = 1; k < p.NumeroPuntosDovelas; ++k) {
        p.CohesionDovela(k) *= 2.0;
        p.FriccionDovela(k) = std::atan(2.0 * std::tan(p.FriccionDovela(k) * grado)) / grado;
    }
}

// Lo mismo sobre los valores que muestra Form18.
ParametrosDeDovelas DuplicarResistencia(ParametrosDeDovelas d)
{
    const double grado = std::atan(1.0) / 45.0;
    for (int k = 1; k <= d.Dovelas(); ++k) {
        d.Cohesion(k) *= 2.0;
        d.Friccion(k) = std::atan(2.0 * std::tan(d.Friccion(k) * grado)) / grado;
    }
    return d;
}

// Respuestas por lotes de los dos cálculos.
InteraccionLote Lote(const Proyecto& p)
{
    InteraccionLote ui(false);
    PrepararRespuestasPorLotes(ui, false);
    PrepararRespuestasInstantaneas(ui, p);
    return ui;
}

// Primer cálculo por el método del proyecto, luego la orden instantánea.
struct DosCalculos {
    Proyecto p;
    EstadoCalculo e;
    double primero = 0.0;

    DosCalculos(const std::string& ruta, Metodo metodo, DefinicionInstantaneos definicion)
        : p(Leer(ruta, metodo, definicion))
    {
        ReiniciarEstadoCalculo(e);
        InteraccionLote ui = Lote(p);
        const ResultadoCalculo r = Calcular(p, e, metodo, {}, ui);
        EXPECT_TRUE(r.Convergio()) << ruta << " " << Codigo(metodo) << ": " << r.Mensaje;
        primero = r.FactorSeguridad.value_or(0.0);
    }
};

// Entre puntos en un estrato (secantes) y en dos (regresión por tramos), por Bishop y por el
// método variacional: los parámetros del estrato vuelven y el factor se repite.
TEST(CalculoInstantaneo, EntrePuntosDevuelveLosParametrosDelEstrato)
{
    struct Caso {
        std::string ruta;
        Metodo metodo;
    };
    const Caso casos[] = {
        {Clasicos + "fredlund_krahn_1977_caso1.cod", Metodo::Bishop},
        {Clasicos + "fredlund_krahn_1977_caso1.cod", Metodo::Variacional},
        {Estratificado, Metodo::Janbu},
    };
    for (const Caso& caso : casos) {
        DosCalculos c(caso.ruta, caso.metodo, DefinicionInstantaneos::EntrePuntos);
        const Proyecto antes = c.p;
        InteraccionLote ui = Lote(c.p);
        ASSERT_EQ(CalculoParametrosInstantaneos(c.p, c.e, ui), FinCalculo::Resultados)
            << caso.ruta << " " << Codigo(caso.metodo);
        EXPECT_NEAR(Factor(c.p), c.primero, 2e-3) << caso.ruta << " " << Codigo(caso.metodo);
        EXPECT_TRUE(c.p.UsaParametrosInstantaneos);
        EXPECT_TRUE(c.p.UsaParametrosInstantaneos);
        for (int k = 1; k < c.p.NumeroPuntosDovelas; ++k) {
            const int estrato = c.e.Dovelas.EstratoBaseDovela(k);
            EXPECT_NEAR(c.p.CohesionDovela(k), c.p.CohesionMacizo(estrato), 1e-6) << k;
            EXPECT_NEAR(c.p.FriccionDovela(k), c.p.FriccionMacizo(estrato), 1e-6) << k;
        }
        EXPECT_FALSE(c.e.EjecucionInstantanea);
        EXPECT_EQ(antes.CohesionMacizo, c.p.CohesionMacizo);
    }
}

// Janbu con los parámetros que dejan los esfuerzos de Bishop da el factor de Janbu del estrato.
TEST(CalculoInstantaneo, JanbuTrasBishop)
{
    DosCalculos c(Clasicos + "fredlund_krahn_1977_caso1.cod", Metodo::Bishop,
                  DefinicionInstantaneos::EntrePuntos);
    c.p.MetodoDeCalculo = Metodo::Janbu;
    InteraccionLote ui = Lote(c.p);
    ASSERT_EQ(CalculoParametrosInstantaneos(c.p, c.e, ui), FinCalculo::Resultados);

    Proyecto solo = Leer(Clasicos + "fredlund_krahn_1977_caso1.cod", Metodo::Janbu,
                         DefinicionInstantaneos::SinDefinir);
    EstadoCalculo e;
    ReiniciarEstadoCalculo(e);
    InteraccionLote uiSolo = Lote(solo);
    ASSERT_EQ(MetodoJanbu(solo, e, uiSolo), FinCalculo::Resultados);
    EXPECT_NEAR(Factor(c.p), Factor(solo), 2e-3);
}

// Por pantalla: la persona duplica c y tan φ de todas las dovelas en Form18 y el factor de
// Bishop se duplica. Avisos antes y después del diálogo, en orden.
TEST(CalculoInstantaneo, PorPantallaConBishop)
{
    DosCalculos c(Clasicos + "fredlund_krahn_1977_caso1.cod", Metodo::Bishop,
                  DefinicionInstantaneos::PorPantalla);
    InteraccionGuionada ui;
    ui.EsperarPregunta(textos::PreguntaInstantaneosBishop, true)
        .EsperarPregunta(textos::PreguntaDesembalseRapido, false)
        .EsperarPregunta(textos::PreguntaRecalcular, true)
        .EsperarPregunta(textos::PreguntaContinuarInstantaneos, true)
        // La dovela de la corona queda sin esfuerzo efectivo en la primera pasada (también sin
        // parámetros instantáneos).
        .EsperarPregunta(textos::PreguntaEsfuerzoEfectivoNulo, true);
    ui.AlAbrirCambioDeParametros([](const Proyecto&, const ParametrosDeDovelas& actuales) {
        return std::optional<ParametrosDeDovelas>(DuplicarResistencia(actuales));
    });
    ASSERT_EQ(CalculoParametrosInstantaneos(c.p, c.e, ui), FinCalculo::Resultados)
        << ui.Eventos().back().texto;
    EXPECT_TRUE(ui.Cumplido()) << (ui.Errores().empty() ? "" : ui.Errores().front());
    EXPECT_EQ(ui.VecesCambioDeParametros(), 1);
    EXPECT_NEAR(Factor(c.p), 2.0 * c.primero, 3e-3);
    const std::vector<std::string> esperados = {textos::AvisoCambioDeParametros,
                                                textos::ParametrosPorPantalla,
                                                textos::ParametrosQueSeTomaran, textos::FinBishop};
    EXPECT_EQ(ui.Mensajes(), esperados);
}

// Las negativas de la orden: sólo su mensaje, ningún método y el proyecto sin cambios.
TEST(CalculoInstantaneo, NegativasDeLaOrden)
{
    struct Caso {
        void (*cambiar)(Proyecto&);
        const char* texto;
    };
    const Caso casos[] = {
        {[](Proyecto& p) { p.HayResultados = false; }, textos::HagaElCalculo},
        {[](Proyecto& p) {
             p.DefinicionParametrosInstantaneos = static_cast<DefinicionInstantaneos>(0);
         },
         textos::DefinaLaForma},
        {[](Proyecto& p) {
             p.DefinicionParametrosInstantaneos = static_cast<DefinicionInstantaneos>(1);
         },
         textos::PuntualesEnSuelos},
        {[](Proyecto& p) { p.MetodoDeCalculo = Metodo::Fellenius; },
         textos::FelleniusNoSeCalculaInstantaneo},
    };
    const DosCalculos base(Clasicos + "fredlund_krahn_1977_caso1.cod", Metodo::Bishop,
                           DefinicionInstantaneos::EntrePuntos);
    for (const Caso& caso : casos) {
        Proyecto p = base.p;
        EstadoCalculo e = base.e;
        caso.cambiar(p);
        const Proyecto antes = p;
        InteraccionGuionada ui;
        EXPECT_EQ(CalculoParametrosInstantaneos(p, e, ui), FinCalculo::Detenido);
        EXPECT_EQ(ui.Mensajes(), std::vector<std::string>{caso.texto});
        EXPECT_TRUE(ui.Preguntas().empty());
        EXPECT_EQ(p, antes);
    }
    // No a la pregunta del método: nada cambia.
    Proyecto p = base.p;
    EstadoCalculo e = base.e;
    InteraccionGuionada ui;
    ui.EsperarPregunta(textos::PreguntaInstantaneosBishop, false);
    EXPECT_EQ(CalculoParametrosInstantaneos(p, e, ui), FinCalculo::Detenido);
    EXPECT_EQ(p, base.p);
    EXPECT_TRUE(ui.Cumplido());
}

// Después de un cálculo instantáneo los menús de los métodos lo rechazan; guardado y leído, la
// orden ofrece reutilizar los parámetros guardados. Con Sí se usan tal como estaban en el
// archivo (aquí, con c y tan φ duplicados: el factor se duplica); con No se estiman de nuevo
// desde los últimos esfuerzos (el factor se repite).
TEST(CalculoInstantaneo, ReutilizaLosParametrosGuardados)
{
    DosCalculos c(Clasicos + "fredlund_krahn_1977_caso1.cod", Metodo::Bishop,
                  DefinicionInstantaneos::EntrePuntos);
    InteraccionLote ui = Lote(c.p);
    ASSERT_EQ(CalculoParametrosInstantaneos(c.p, c.e, ui), FinCalculo::Resultados);
    {
        InteraccionGuionada directo;
        directo.EsperarPregunta(textos::PreguntaDesembalseRapido, false)
            .EsperarPregunta(textos::PreguntaRecalcular, true);
        Proyecto p = c.p;
        EXPECT_EQ(MetodoBishop(p, c.e, directo), FinCalculo::Detenido);
        EXPECT_EQ(directo.Eventos().back().titulo, textos::TituloNoEsElCamino);
    }
    const double fs = Factor(c.p);
    DuplicarResistencia(c.p);
    prueba::CarpetaTemporal carpeta;
    EscribirProyecto(carpeta.Ruta("instantaneo.cod"), c.p);

    for (const bool reutilizar : {true, false}) {
        Proyecto p;
        ReiniciarProyecto(p);
        InteraccionLote lectura;
        ASSERT_TRUE(LeerProyecto(carpeta.Ruta("instantaneo.cod"), p, lectura));
        ASSERT_TRUE(p.ParametrosInstantaneosCalculados);
        EstadoCalculo e;
        ReiniciarEstadoCalculo(e);
        InteraccionGuionada guion;
        guion.EsperarPregunta(textos::PreguntaRecalculoInstantaneo, true)
            .EsperarPregunta(textos::PreguntaUsarParametrosQueSeTienen, reutilizar)
            .EsperarPregunta(textos::PreguntaInstantaneosBishop, true)
            .EsperarPregunta(textos::PreguntaDesembalseRapido, false)
            .EsperarPregunta(textos::PreguntaRecalcular, true)
            .EsperarPregunta(textos::PreguntaContinuarInstantaneos, true)
            .EsperarPregunta(textos::PreguntaEsfuerzoEfectivoNulo, true);
        ASSERT_EQ(CalculoParametrosInstantaneos(p, e, guion), FinCalculo::Resultados)
            << guion.Eventos().back().texto;
        EXPECT_TRUE(guion.Cumplido()) << (guion.Errores().empty() ? "" : guion.Errores().front());
        const auto mensajes = guion.Mensajes();
        if (reutilizar) {
            EXPECT_EQ(mensajes.front(), textos::ParametrosYaObtenidos);
            EXPECT_FALSE(p.ParametrosInstantaneosCalculados);
            EXPECT_NEAR(Factor(p), 2.0 * fs, 3e-3);
        } else {
            EXPECT_EQ(mensajes.front(), textos::NuevosParametrosInstantaneos);
            EXPECT_EQ(mensajes[1], textos::EstimaraParametros);
            EXPECT_NEAR(Factor(p), fs, 2e-3);
        }
    }
}

TEST(CalculoInstantaneo, LineaDeOrdenes)
{
    prueba::CarpetaTemporal carpeta;
    const std::string fk = Clasicos + "fredlund_krahn_1977_caso1.cod";
    {
        // El archivo no guarda la forma de obtenerlos mientras no se haya calculado con ellos.
        std::ostringstream salida, errores;
        EXPECT_EQ(EjecutarCli({"calcular", fk, "--instantaneos"}, salida, errores),
                  SalidaSinResultados);
        EXPECT_NE(errores.str().find(textos::DefinaLaForma), std::string::npos);
    }
    std::ostringstream salida, errores;
    ASSERT_EQ(EjecutarCli({"calcular", fk, "--instantaneos", "--definicion", "2", "--json",
                           "--guardar", carpeta.Ruta("fk_inst.cod")},
                          salida, errores),
              SalidaCorrecta)
        << errores.str();
    const auto json = nlohmann::json::parse(salida.str());
    const double primero = json["primer_calculo"]["factor_seguridad"].get<double>();
    EXPECT_NEAR(primero, 2.08, 0.01); // Bishop simplificado, Fredlund y Krahn (1977)
    EXPECT_NEAR(json["instantaneo"]["factor_seguridad"].get<double>(), primero, 2e-3);

    // El proyecto guardado ya es instantáneo: se recalcula sólo con la orden instantánea.
    std::ostringstream salida2, errores2;
    EXPECT_EQ(
        EjecutarCli({"calcular", carpeta.Ruta("fk_inst.cod"), "--instantaneos"}, salida2, errores2),
        SalidaCorrecta)
        << errores2.str();
    EXPECT_NE(salida2.str().find("Factor de seguridad: "), std::string::npos);
    std::ostringstream salida3, errores3;
    EXPECT_EQ(EjecutarCli({"calcular", carpeta.Ruta("fk_inst.cod")}, salida3, errores3),
              SalidaSinResultados);
    EXPECT_NE(errores3.str().find(textos::ProblemaDeInstantaneos), std::string::npos);
}

} // namespace
} // namespace vertana
