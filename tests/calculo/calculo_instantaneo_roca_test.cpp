// La orden de los parámetros instantáneos en un macizo rocoso, de punta a punta: el cálculo en
// roca (variacional con Hoek-Brown o Janbu en rocas) y el segundo cálculo con c y φ por dovela
// de cada una de las tres formas; y la línea de órdenes con proyectos "R".
#include "calculo/calculo.h"
#include "cli/interaccion_lote.h"
#include "cli/orden_calcular.h"
#include "cli/ordenes.h"
#include "io/archivo_proyecto.h"
#include "model/textos.h"
#include "model/unidades.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cmath>
#include <sstream>
#include <string>

namespace vertana {
namespace {

const std::string EjemploRoca = std::string(VERTANA_EJEMPLOS) + "/talud_roca_variacional.cod";

Proyecto Ejemplo()
{
    Proyecto p;
    ReiniciarProyecto(p);
    InteraccionLote lectura;
    EXPECT_TRUE(LeerProyecto(EjemploRoca, p, lectura));
    return p;
}

// Los esfuerzos principales de cada dovela forman el círculo de Mohr que pasa por (σ′, F·τ)
// tangente a la recta de pendiente tan φ de la dovela (centro en σ′ + F·τ·tan φ).
void ComprobarCirculosDeMohr(const Proyecto& p, double F)
{
    for (int s = 1; s < p.NumeroPuntosDovelas; ++s) {
        const double s1 = p.EsfuerzoPrincipalMayorDovela(s), s3 = p.EsfuerzoPrincipalMenorDovela(s);
        const double sn = p.EsfuerzoEfectivoDovela(s), tf = F * p.EsfuerzoTangencialDovela(s);
        const double tanPhi = std::tan(Radianes(p.FriccionDovela(s)));
        EXPECT_NEAR((s1 + s3) / 2.0 - sn, tf * tanPhi, 1e-8 * (1.0 + std::fabs(s1))) << s;
        EXPECT_NEAR((s1 - s3) / 2.0, tf * std::sqrt(1.0 + tanPhi * tanPhi),
                    1e-8 * (1.0 + std::fabs(s1)))
            << s;
    }
}

TEST(InstantaneosEnRoca, LasTresFormasTrasLosDosMetodosEnRoca)
{
    for (Metodo metodo : {Metodo::Variacional, Metodo::Janbu}) {
        for (DefinicionInstantaneos definicion :
             {DefinicionInstantaneos::Puntuales, DefinicionInstantaneos::EntrePuntos,
              DefinicionInstantaneos::PorPantalla}) {
            const std::string caso =
                std::to_string(Codigo(metodo)) + "/" + std::to_string(Codigo(definicion));
            Proyecto p = Ejemplo();
            p.MetodoDeCalculo = metodo;
            p.DefinicionParametrosInstantaneos = definicion;
            EstadoCalculo e;
            ReiniciarEstadoCalculo(e);
            InteraccionLote ui;
            PrepararRespuestasPorLotes(ui, false);
            OpcionesCalculo enRocas;
            enRocas.EnRocas = true;
            const ResultadoCalculo roca = Calcular(p, e, metodo, enRocas, ui);
            ASSERT_TRUE(roca.Convergio()) << caso << ": " << roca.Mensaje;
            // La sección y el informe nombran el método en rocas, y tras el segundo cálculo el de
            // suelos.
            EXPECT_STREQ(NombreDelMetodoGuardado(p), NombreDeMetodo(metodo, true)) << caso;
            EXPECT_STRNE(NombreDeMetodo(metodo, true), NombreDeMetodo(metodo)) << caso;

            InteraccionLote ui2;
            PrepararRespuestasPorLotes(ui2, false);
            PrepararRespuestasInstantaneas(ui2, p);
            OpcionesCalculo instantaneo;
            instantaneo.ParametrosInstantaneos = true;
            const ResultadoCalculo segundo = Calcular(p, e, metodo, instantaneo, ui2);
            ASSERT_TRUE(segundo.Convergio()) << caso << ": " << segundo.Mensaje;
            EXPECT_TRUE(segundo.ConParametrosInstantaneos);
            EXPECT_FALSE(segundo.EnRocas);
            EXPECT_TRUE(p.UsaParametrosInstantaneos);
            EXPECT_STREQ(NombreDelMetodoGuardado(p), NombreDeMetodo(metodo)) << caso;
            ComprobarCirculosDeMohr(p, *segundo.FactorSeguridad);
            // Entre puntos la recta de cada dovela pasa (casi) por los puntos (σ′, F·τ) del
            // primer cálculo, y en la forma puntual es la tangente a la envolvente en ellos: el
            // factor no cambia más que por la secante o por la discretización.
            if (definicion != DefinicionInstantaneos::PorPantalla) {
                EXPECT_NEAR(*segundo.FactorSeguridad, *roca.FactorSeguridad,
                            0.01 * *roca.FactorSeguridad)
                    << caso;
            }
            // El menú del método en roca ya no calcula este proyecto.
            InteraccionLote ui3;
            PrepararRespuestasPorLotes(ui3, false);
            const ResultadoCalculo otra = Calcular(p, e, metodo, enRocas, ui3);
            EXPECT_EQ(otra.Estado, EstadoDelCalculo::Rechazado);
            EXPECT_EQ(otra.Mensaje, textos::CalculandoConInstantaneos);
        }
    }
}

TEST(InstantaneosEnRoca, LineaDeOrdenesConProyectosDeRoca)
{
    for (const char* metodo : {"variacional", "janbu"}) {
        std::ostringstream salida, errores;
        ASSERT_EQ(
            EjecutarCli({"calcular", EjemploRoca, "--metodo", metodo, "--json"}, salida, errores),
            SalidaCorrecta)
            << errores.str();
        const auto j = nlohmann::json::parse(salida.str());
        EXPECT_EQ(j["metodo"], std::string(metodo) == "janbu"
                                   ? textos::NombreMetodoJanbuRoca
                                   : textos::NombreMetodoVariacionalRoca);
        const auto& dovelas = j["dovelas"];
        ASSERT_EQ(dovelas.size(), 15u);
        double suma1 = 0.0, suma3 = 0.0;
        for (const auto& d : dovelas) {
            EXPECT_GT(d["sig1"].get<double>(), d["sig3"].get<double>());
            suma1 += d["sig1"].get<double>();
            suma3 += d["sig3"].get<double>();
            EXPECT_NEAR(d["m"].get<double>(), 10.0 * std::exp(-50.0 / 28.0), 1e-12);
        }
        EXPECT_NEAR(j["sumas"]["sig1"].get<double>(), suma1, 1e-9);
        EXPECT_NEAR(j["sumas"]["sig3"].get<double>(), suma3, 1e-9);
    }
    // En texto, las dos columnas de los esfuerzos principales.
    std::ostringstream texto, errores;
    ASSERT_EQ(EjecutarCli({"calcular", EjemploRoca}, texto, errores), SalidaCorrecta);
    EXPECT_NE(texto.str().find("sig3 (ton/m2)  sig1(ton/m2)\n"), std::string::npos) << texto.str();
    EXPECT_NE(texto.str().find("Suma de sig1 (ton/m2): "), std::string::npos);
    // Fellenius no se aplica a una roca: sale sin resultados.
    std::ostringstream s2, e2;
    EXPECT_EQ(EjecutarCli({"calcular", EjemploRoca, "--metodo", "fellenius"}, s2, e2),
              SalidaSinResultados);
    EXPECT_NE(e2.str().find(textos::MaterialEsRoca), std::string::npos);

    // Los dos cálculos por lotes.
    std::ostringstream s3, e3;
    ASSERT_EQ(
        EjecutarCli({"calcular", EjemploRoca, "--instantaneos", "--definicion", "2", "--json"}, s3,
                    e3),
        SalidaCorrecta)
        << e3.str();
    const auto j3 = nlohmann::json::parse(s3.str());
    EXPECT_EQ(j3["primer_calculo"]["metodo"], textos::NombreMetodoVariacionalRoca);
    EXPECT_EQ(j3["instantaneo"]["metodo"], textos::NombreMetodoVariacional);
    EXPECT_TRUE(j3["instantaneo"]["dovelas"][0].contains("sig3"));
}

} // namespace
} // namespace vertana
