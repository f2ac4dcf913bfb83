// Búsqueda de la superficie crítica contra problemas publicados (tests/datos/busqueda/FUENTES.md),
// la reproducción de la superficie hallada por el cálculo completo y la cancelación.
#include "calculo/busqueda.h"
#include "calculo/busqueda_ensayos.h"
#include "calculo/calculo.h"
#include "cli/interaccion_lote.h"
#include "cli/orden_calcular.h"
#include "cli/ordenes.h"
#include "io/archivo_proyecto.h"

#include "proyectos_de_prueba.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <nlohmann/json.hpp>
#include <sstream>

namespace vertana {
namespace {

std::string Dato(const std::string& nombre)
{
    return std::string(VERTANA_DATOS_PRUEBA) + "/busqueda/" + nombre;
}

OpcionesBusqueda ConRejilla(MetodoBusqueda metodo, RejillaCentros g, int radios = 12)
{
    OpcionesBusqueda o;
    o.Metodo = metodo;
    o.Rejilla = g;
    o.Radios = radios;
    return o;
}

// Rejillas de centros que cubren la zona de los círculos críticos publicados de cada problema.
const RejillaCentros RejillaAcads{20.0, 50.0, 13, 36.0, 60.0, 13};
const RejillaCentros RejillaArai1{10.0, 45.0, 12, 32.0, 70.0, 12};
const RejillaCentros RejillaArai2{20.0, 60.0, 12, 36.0, 80.0, 12};
const RejillaCentros RejillaYamagami{2.0, 14.0, 12, 10.5, 24.0, 12};

struct CasoPublicado {
    const char* archivo;
    MetodoBusqueda metodo;
    RejillaCentros rejilla;
    bool noCircular;
    double publicado; // el menor factor publicado para ese método (FUENTES.md)
    double holgura;   // 1 % círculos, 3 % no circulares
};

// Cada búsqueda debe hallar un factor no mayor que el publicado más la holgura, y no tan bajo
// que delate una superficie espuria (más de 5 % por debajo).
TEST(Busqueda, ProblemasPublicados)
{
    const CasoPublicado casos[] = {
        {"acads_1a.cod", MetodoBusqueda::Bishop, RejillaAcads, false, 0.987, 0.01},
        {"acads_1a.cod", MetodoBusqueda::Spencer, RejillaAcads, false, 0.986, 0.01},
        {"acads_1c.cod", MetodoBusqueda::Bishop, RejillaAcads, false, 1.405, 0.01},
        {"acads_1c.cod", MetodoBusqueda::Spencer, RejillaAcads, false, 1.375, 0.01},
        {"acads_1d.cod", MetodoBusqueda::Spencer, RejillaAcads, false, 0.991, 0.01},
        {"acads_1d.cod", MetodoBusqueda::Bishop, RejillaAcads, false, 1.016, 0.01},
        {"arai_tagyo_1985_ej1.cod", MetodoBusqueda::Bishop, RejillaArai1, false, 1.417, 0.01},
        {"arai_tagyo_1985_ej2.cod", MetodoBusqueda::Bishop, RejillaArai2, false, 0.417, 0.01},
        {"yamagami_ueta_1988.cod", MetodoBusqueda::Bishop, RejillaYamagami, false, 1.344, 0.01},
        {"yamagami_ueta_1988.cod", MetodoBusqueda::Spencer, RejillaYamagami, true, 1.325, 0.03},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(std::string(c.archivo) + " " + NombreMetodoBusqueda(c.metodo));
        const Proyecto p = prueba::Leido(Dato(c.archivo));
        OpcionesBusqueda o = ConRejilla(c.metodo, c.rejilla);
        o.NoCircular = c.noCircular;
        const ResultadoBusqueda r = BuscarSuperficieCritica(p, o);
        ASSERT_EQ(r.Estado, EstadoBusqueda::Hallada) << r.Mensaje;
        EXPECT_LE(r.FactorSeguridad, c.publicado * (1.0 + c.holgura));
        EXPECT_GE(r.FactorSeguridad, c.publicado * 0.95);
        EXPECT_EQ(r.Critica.Circular, !c.noCircular);
        std::cout << c.archivo << ' ' << NombreMetodoBusqueda(c.metodo) << ": " << r.FactorSeguridad
                  << " (ensayo " << r.FactorEnsayo << ", " << r.Ensayos << " ensayos, "
                  << r.Segundos << " s)\n";
    }
}

// Janbu por el camino general del programa: la búsqueda circular en ACADS 1(a) queda por debajo
// del valor de referencia (1.00) más 1 %.
TEST(Busqueda, JanbuEnAcads1a)
{
    const Proyecto p = prueba::Leido(Dato("acads_1a.cod"));
    const ResultadoBusqueda r =
        BuscarSuperficieCritica(p, ConRejilla(MetodoBusqueda::Janbu, {22, 46, 7, 38, 56, 7}, 8));
    ASSERT_EQ(r.Estado, EstadoBusqueda::Hallada) << r.Mensaje;
    EXPECT_LE(r.FactorSeguridad, 1.01);
    EXPECT_GE(r.FactorSeguridad, 0.95);
}

// La superficie hallada, escrita en un proyecto, guardada, leída y calculada por Calcular, da el
// mismo factor que informa la búsqueda; el evaluador de ensayos difiere de él sólo por los
// cruces por marcha y el corte de la iteración de Bishop (|ΔF| < 0.001 desde FSInicial).
TEST(Busqueda, ElCalculoCompletoReproduceLaSuperficie)
{
    const std::string archivo = Dato("capas_freatico.cod");
    const Proyecto p = prueba::Leido(archivo);
    for (const MetodoBusqueda metodo :
         {MetodoBusqueda::Bishop, MetodoBusqueda::Fellenius, MetodoBusqueda::Spencer}) {
        SCOPED_TRACE(NombreMetodoBusqueda(metodo));
        OpcionesBusqueda o = ConRejilla(metodo, RejillaAcads, 8);
        o.NoCircular = metodo == MetodoBusqueda::Spencer;
        const ResultadoBusqueda r = BuscarSuperficieCritica(p, o);
        ASSERT_EQ(r.Estado, EstadoBusqueda::Hallada) << r.Mensaje;
        EXPECT_NEAR(r.FactorEnsayo, r.FactorSeguridad, 2e-3);

        Proyecto adoptado = p;
        AdoptarSuperficie(adoptado, r.Critica, metodo);
        const auto ruta = std::filesystem::temp_directory_path() / "vertana_busqueda_adoptada.cod";
        EscribirProyecto(ruta.string(), adoptado);
        Proyecto leido = prueba::Leido(ruta.string());
        std::filesystem::remove(ruta);
        EXPECT_EQ(leido.NumeroCoordenadasFalla(), static_cast<int>(r.Critica.Puntos.size()));
        if (const auto m = MetodoDelPrograma(metodo)) {
            EstadoCalculo e;
            ReiniciarEstadoCalculo(e);
            InteraccionLote ui(false);
            PrepararRespuestasPorLotes(ui, false);
            const ResultadoCalculo c = Calcular(leido, e, *m, {}, ui);
            ASSERT_TRUE(c.FactorSeguridad);
            EXPECT_EQ(*c.FactorSeguridad, r.FactorSeguridad);
        } else {
            SuperficieEnsayo s = r.Critica;
            const auto F = CalcularSuperficie(leido, s, metodo);
            ASSERT_TRUE(F);
            EXPECT_EQ(*F, r.FactorSeguridad);
        }
    }
}

// El evaluador rápido y el general (preparación completa por ensayo) dan el mismo factor para
// las mismas superficies: Fellenius es directo y Spencer converge a 1e-9 en los dos; queda la
// posición de los cruces con los estratos, exacta en el rápido y hallada por marcha en la
// preparación, que se detiene con |C − L| ≤ 0.005 m (hasta 1 cm de abscisa donde el círculo y la
// línea se cortan con poco ángulo, lo que corre el cambio de material en la base): 1e-3 del
// factor. Bishop suma el corte de su iteración (|ΔF| < 0.001). Los círculos casi simétricos del
// pie, con momento motor casi nulo, dan factores sin sentido y no se comparan.
TEST(Busqueda, EvaluadorRapidoIgualAlGeneral)
{
    constexpr double FactorConSentido = 3.0;
    const Proyecto p = prueba::Leido(Dato("capas_freatico.cod"));
    SeccionBusqueda s;
    ASSERT_FALSE(ArmarSeccion(p, s));
    int comparados = 0;
    for (const MetodoBusqueda metodo :
         {MetodoBusqueda::Fellenius, MetodoBusqueda::Spencer, MetodoBusqueda::Bishop}) {
        auto rapido = CrearEvaluador(p, s, metodo, false);
        auto general = CrearEvaluador(p, s, metodo, true);
        for (double xo = 24.0; xo <= 40.0; xo += 4.0) {
            for (double yo = 40.0; yo <= 52.0; yo += 4.0) {
                for (double R = 12.0; R <= 28.0; R += 4.0) {
                    SuperficieEnsayo c;
                    c.XCentro = xo;
                    c.YCentro = yo;
                    c.Radio = R;
                    const EnsayoEvaluado a = rapido->Evaluar(c);
                    const EnsayoEvaluado b = general->Evaluar(c);
                    ASSERT_EQ(a.Valido, b.Valido) << xo << ' ' << yo << ' ' << R;
                    if (!a.Valido || b.FactorSeguridad > FactorConSentido) continue;
                    ++comparados;
                    const double tolerancia = metodo == MetodoBusqueda::Bishop ? 2e-3 : 1e-3;
                    EXPECT_NEAR(a.FactorSeguridad, b.FactorSeguridad,
                                tolerancia * b.FactorSeguridad)
                        << NombreMetodoBusqueda(metodo) << ' ' << xo << ' ' << yo << ' ' << R;
                }
            }
        }
    }
    EXPECT_GT(comparados, 60);
}

// Una búsqueda cancelada (por la función de avance o por la bandera) no cambia el proyecto y no
// entrega superficie.
TEST(Busqueda, CanceladaDejaElProyectoIgual)
{
    const Proyecto original = prueba::Leido(Dato("acads_1c.cod"));
    Proyecto p = original;
    OpcionesBusqueda o = ConRejilla(MetodoBusqueda::Bishop, RejillaAcads, 40);
    int avisos = 0;
    const ResultadoBusqueda r = BuscarSuperficieCritica(p, o, [&](const AvanceBusqueda& a) {
        ++avisos;
        EXPECT_GE(a.Previstos, a.Ensayos);
        return false;
    });
    EXPECT_EQ(r.Estado, EstadoBusqueda::Cancelada);
    EXPECT_EQ(avisos, 1);
    EXPECT_LT(r.Ensayos, 13L * 13 * 40);
    EXPECT_TRUE(p == original);

    std::atomic<bool> cancelar{true};
    const ResultadoBusqueda conBandera = BuscarSuperficieCritica(p, o, {}, &cancelar);
    EXPECT_EQ(conBandera.Estado, EstadoBusqueda::Cancelada);
    EXPECT_TRUE(p == original);
}

TEST(Busqueda, RechazaOpcionesYProyectosQueNoPermitenBuscar)
{
    Proyecto p = prueba::Leido(Dato("acads_1a.cod"));
    OpcionesBusqueda sinDefinicion;
    EXPECT_EQ(BuscarSuperficieCritica(p, sinDefinicion).Mensaje, textos::BusquedaSinDefinicion);
    OpcionesBusqueda bishopNoCircular = ConRejilla(MetodoBusqueda::Bishop, RejillaAcads);
    bishopNoCircular.NoCircular = true;
    EXPECT_EQ(BuscarSuperficieCritica(p, bishopNoCircular).Mensaje,
              textos::BusquedaNoCircularMetodo);
    p.OrdenadaPrimerPuntoGrieta = 35.0;
    p.OrdenadaSegundoPuntoGrieta = 33.0;
    const ResultadoBusqueda conGrieta =
        BuscarSuperficieCritica(p, ConRejilla(MetodoBusqueda::Bishop, RejillaAcads));
    EXPECT_EQ(conGrieta.Estado, EstadoBusqueda::DatosInvalidos);
    EXPECT_EQ(conGrieta.Mensaje, textos::BusquedaConGrieta);
}

// Los límites de profundidad y de área dejan fuera los deslizamientos superficiales; los tramos
// de entrada y salida dan círculos que entran y salen en ellos.
TEST(Busqueda, LimitesYTramosDeEntradaYSalida)
{
    const Proyecto p = prueba::Leido(Dato("acads_1a.cod"));
    OpcionesBusqueda o;
    o.Metodo = MetodoBusqueda::Bishop;
    o.EntradaSalida = TramosEntradaSalida{50.0, 60.0, 28.0, 32.0, 6, 6};
    o.Radios = 8;
    o.Refinar = false;
    const ResultadoBusqueda libre = BuscarSuperficieCritica(p, o);
    ASSERT_EQ(libre.Estado, EstadoBusqueda::Hallada);
    const auto& e = libre.Critica.Puntos;
    ASSERT_EQ(e.size(), 2u);
    EXPECT_GE(e[0].x, 50.0 - 1e-9);
    EXPECT_LE(e[0].x, 60.0 + 1e-9);
    EXPECT_GE(e[1].x, 28.0 - 1e-9);
    EXPECT_LE(e[1].x, 32.0 + 1e-9);

    o.ProfundidadMinima = 6.0;
    const ResultadoBusqueda hondo = BuscarSuperficieCritica(p, o);
    ASSERT_EQ(hondo.Estado, EstadoBusqueda::Hallada);
    SeccionBusqueda s;
    ASSERT_FALSE(ArmarSeccion(p, s));
    auto evaluador = CrearEvaluador(p, s, MetodoBusqueda::Bishop, false);
    EXPECT_GE(evaluador->Evaluar(hondo.Critica).Profundidad, 6.0);
    EXPECT_LT(hondo.EnsayosValidos, libre.EnsayosValidos);
}

// De punta a punta por la línea de órdenes: buscar y guardar, y calcular el proyecto guardado.
TEST(Busqueda, OrdenBuscarGuardaLaSuperficieCritica)
{
    const auto ruta = std::filesystem::temp_directory_path() / "vertana_buscar_cli.cod";
    std::ostringstream salida, errores;
    const int fin = EjecutarCli({"buscar", Dato("acads_1a.cod"), "--metodo", "bishop", "--rejilla",
                                 "20,50,7,36,60,7", "--radios", "8", "--hilos", "2", "--json",
                                 "--guardar", ruta.string()},
                                salida, errores);
    ASSERT_EQ(fin, SalidaCorrecta) << errores.str();
    const auto j = nlohmann::json::parse(salida.str());
    EXPECT_EQ(j["estado"], "hallada");
    EXPECT_EQ(j["superficie"]["tipo"], "circulo");
    EXPECT_EQ(j["hilos"], 2);
    const double F = j["factor_seguridad"].get<double>();

    std::ostringstream salida2, errores2;
    ASSERT_EQ(EjecutarCli({"calcular", ruta.string(), "--json"}, salida2, errores2), SalidaCorrecta)
        << errores2.str();
    std::filesystem::remove(ruta);
    EXPECT_EQ(nlohmann::json::parse(salida2.str())["factor_seguridad"].get<double>(), F);

    std::ostringstream salida3, errores3;
    EXPECT_EQ(EjecutarCli({"buscar", Dato("acads_1a.cod"), "--rejilla", "20,50,x,36,60,7"}, salida3,
                          errores3),
              SalidaUso);

    // Con --punto los círculos pasan por el pie; un punto mal escrito no se acepta.
    std::ostringstream salida4, errores4;
    ASSERT_EQ(EjecutarCli({"buscar", Dato("acads_1a.cod"), "--rejilla", "20,50,7,36,60,7",
                           "--punto", "30,25", "--json"},
                          salida4, errores4),
              SalidaCorrecta)
        << errores4.str();
    const auto c = nlohmann::json::parse(salida4.str())["superficie"];
    EXPECT_NEAR(
        std::hypot(c["centro"]["x"].get<double>() - 30.0, c["centro"]["y"].get<double>() - 25.0),
        c["radio"].get<double>(), 1e-9);
    std::ostringstream salida5, errores5;
    EXPECT_EQ(EjecutarCli(
                  {"buscar", Dato("acads_1a.cod"), "--rejilla", "20,50,7,36,60,7", "--punto", "30"},
                  salida5, errores5),
              SalidaUso);
    EXPECT_EQ(errores5.str(), "Valores no válidos en --punto\n");
}

// Radios por un punto: cada círculo de la rejilla, y el refinado, pasan por el pie (30, 25) de
// ACADS 1(a). El círculo crítico publicado de ese talud (c′ pequeña, λ = γH·tan φ′/c′ ≈ 24) es
// un círculo de pie poco hondo, así que la búsqueda restringida llega también al valor publicado
// (Bishop 0.987 + 1 %) y no baja del mínimo de la búsqueda libre. Con tangentes dadas, sin
// refinar, cada círculo es tangente a una de las horizontales repartidas entre ellas.
TEST(Busqueda, RadiosPorUnPuntoYTangentesDadas)
{
    const Proyecto p = prueba::Leido(Dato("acads_1a.cod"));
    OpcionesBusqueda o = ConRejilla(MetodoBusqueda::Bishop, RejillaAcads);
    const ResultadoBusqueda libre = BuscarSuperficieCritica(p, o);
    ASSERT_EQ(libre.Estado, EstadoBusqueda::Hallada);

    o.DefinicionRadios = RadiosDeRejilla::PorPunto;
    o.PuntoDePaso = {30.0, 25.0};
    const ResultadoBusqueda porPie = BuscarSuperficieCritica(p, o);
    ASSERT_EQ(porPie.Estado, EstadoBusqueda::Hallada) << porPie.Mensaje;
    auto pasaPorElPie = [](const SuperficieEnsayo& c) {
        return std::fabs(std::hypot(c.XCentro - 30.0, c.YCentro - 25.0) - c.Radio) <=
               1e-9 * c.Radio;
    };
    EXPECT_TRUE(pasaPorElPie(porPie.Critica));
    for (const auto& m : porPie.Mejores)
        EXPECT_TRUE(pasaPorElPie(m.Superficie));
    EXPECT_NEAR(porPie.Critica.Puntos.back().x, 30.0, 1e-6); // sale por el pie
    EXPECT_LE(porPie.FactorSeguridad, 0.987 * 1.01);
    EXPECT_GE(porPie.FactorSeguridad, libre.FactorSeguridad - 1e-3);
    // Un centro por círculo: 13 × 13 ensayos en la rejilla.
    EXPECT_LE(porPie.Ensayos, libre.Ensayos);

    OpcionesBusqueda t = ConRejilla(MetodoBusqueda::Bishop, RejillaAcads, 5);
    t.Refinar = false;
    t.TangenteYMin = 22.0;
    t.TangenteYMax = 26.0; // horizontales en 22, 23, 24, 25 y 26
    const ResultadoBusqueda tangentes = BuscarSuperficieCritica(p, t);
    ASSERT_EQ(tangentes.Estado, EstadoBusqueda::Hallada);
    for (const auto& m : tangentes.Mejores) {
        const double fondo = m.Superficie.YCentro - m.Superficie.Radio;
        EXPECT_NEAR(fondo, std::round(fondo), 1e-9);
        EXPECT_GE(fondo, 22.0 - 1e-9);
        EXPECT_LE(fondo, 26.0 + 1e-9);
    }
    t.TangenteYMax.reset();
    EXPECT_EQ(BuscarSuperficieCritica(p, t).Mensaje, textos::BusquedaTangentesNoValidas);
}

} // namespace
} // namespace vertana
