// El resultado no depende de dónde está el origen: la misma sección trasladada 1000 m, o 10⁷ m
// en x y en y, da el mismo factor con cada método (salvo el redondeo), y las coordenadas que el
// cálculo escribe (centros de las dovelas, centro del círculo) quedan trasladadas lo mismo.
#include "calculo/calculo.h"
#include "calculo/marco_relativo.h"
#include "cli/interaccion_lote.h"
#include "cli/orden_calcular.h"
#include "io/archivo_proyecto.h"
#include "proyectos_de_prueba.h"

#include <gtest/gtest.h>

#include <cmath>

namespace vertana {
namespace {

using prueba::Trasladar;

const std::string Clasicos = std::string(VERTANA_DATOS_PRUEBA) + "/clasicos/";

struct Iniciales {
    double mu1, mu2, fs, sigma;
};

struct Caso {
    const char* archivo;
    Iniciales variacional; // valores de partida del método variacional
};

Proyecto Leer(const Caso& c, Metodo metodo)
{
    Proyecto p;
    ReiniciarProyecto(p);
    InteraccionLote lectura;
    EXPECT_TRUE(LeerProyecto(Clasicos + c.archivo, p, lectura)) << c.archivo;
    p.MetodoDeCalculo = metodo;
    p.MultiplicadorLagrange1 = c.variacional.mu1;
    p.MultiplicadorLagrange2 = c.variacional.mu2;
    p.FSInicial = c.variacional.fs;
    p.EsfuerzoInicialCresta = c.variacional.sigma;
    p.NumeroDovelas = 40;
    return p;
}

ResultadoCalculo CalcularPorLotes(Proyecto& p)
{
    EstadoCalculo e;
    ReiniciarEstadoCalculo(e);
    InteraccionLote ui;
    PrepararRespuestasPorLotes(ui, false);
    return Calcular(p, e, p.MetodoDeCalculo, {}, ui);
}

// Un círculo (Fredlund y Krahn), un bloque con grieta y agua (Priest, superficie compuesta), una
// carga en franja sobre un mecanismo recta-arco-recta (Chen y Shao) y cinco capas (Duncan y
// Wright); Fellenius, Bishop, Janbu y el método variacional en cada uno (los que terminan).
TEST(MarcoRelativo, ElFactorNoDependeDelOrigen)
{
    const Caso casos[] = {
        {"fredlund_krahn_1977_caso1.cod", {24.0, 30.0, 1.5, -1.0}},
        {"priest_1993_bloque_grieta.cod", {-5.0, 32.0, 1.5, -0.1}},
        {"chen_shao_1988_carga_en_corona.cod", {0.0, 20.0, 1.0, 0.0}},
        {"duncan_wright_2005_fig14_5.cod", {42.0, 63.5, 1.5, 0.0}},
    };
    constexpr double Desplazamientos[][2] = {{1000.0, 0.0}, {1e7, 1e7}, {-250.5, 37.25}};
    constexpr double ToleranciaRelativa = 1e-6; // redondeo de coordenadas de 10⁷ m
    int calculados = 0;
    for (const Caso& c : casos)
        for (const Metodo metodo :
             {Metodo::Fellenius, Metodo::Bishop, Metodo::Janbu, Metodo::Variacional}) {
            Proyecto original = Leer(c, metodo);
            // El método variacional pide c > 0 y φ > 0 (T = tan φ divide en el chequeo de
            // resistencia); con φ = 0 (Chen y Shao) su solución no es única y el redondeo la
            // mueve un 1 %.
            bool sinFriccion = false;
            for (int i = 1; i <= original.FriccionMacizo.Tamano(); ++i)
                sinFriccion = sinFriccion || original.FriccionMacizo(i) == 0.0;
            if (metodo == Metodo::Variacional && sinFriccion) continue;
            const ResultadoCalculo base = CalcularPorLotes(original);
            for (const auto& d : Desplazamientos) {
                Proyecto movido = Leer(c, metodo);
                Trasladar(movido, d[0], d[1]);
                const ResultadoCalculo r = CalcularPorLotes(movido);
                const std::string que = std::string(c.archivo) + " " + NombreDeMetodo(metodo) +
                                        " dx = " + std::to_string(d[0]);
                ASSERT_EQ(r.Estado, base.Estado) << que << ": " << r.Mensaje;
                if (!base.FactorSeguridad) continue;
                ++calculados;
                EXPECT_NEAR(*r.FactorSeguridad, *base.FactorSeguridad,
                            ToleranciaRelativa * *base.FactorSeguridad)
                    << que;
                ASSERT_EQ(movido.NumeroPuntosDovelas, original.NumeroPuntosDovelas) << que;
                for (int s = 1; s < original.NumeroPuntosDovelas; ++s) {
                    EXPECT_NEAR(movido.AbscisaCentroDovela(s) - d[0],
                                original.AbscisaCentroDovela(s), 1e-6)
                        << que;
                    EXPECT_NEAR(movido.OrdenadaCentroDovela(s) - d[1],
                                original.OrdenadaCentroDovela(s), 1e-6)
                        << que;
                }
                if (EsCirculoUnico(original)) {
                    EXPECT_NEAR(movido.CentroCirculoX - d[0], original.CentroCirculoX, 1e-6);
                    EXPECT_NEAR(movido.CentroCirculoY - d[1], original.CentroCirculoY, 1e-6);
                }
            }
        }
    EXPECT_GE(calculados, 30); // casi todos los pares dan un resultado
}

// Lo que el cálculo no cambió vuelve exactamente (x − d + d no siempre es x en binario): un
// cálculo que se detiene deja el proyecto igual, bit a bit, aun lejos del origen.
TEST(MarcoRelativo, LoQueNoCambioVuelveExacto)
{
    Proyecto p = prueba::SueloConResultados(3);
    Trasladar(p, 1e7 + 0.1, 1e7 + 0.3);
    EstadoCalculo e;
    ReiniciarEstadoCalculo(e);
    const Proyecto antes = p;
    MarcoRelativo marco(ReferenciaDeLaSeccion(p));
    EXPECT_DOUBLE_EQ(marco.Referencia().x, 1e7 + 0.1);
    EXPECT_DOUBLE_EQ(marco.Referencia().y, 1e7 + 0.3);
    marco.ARelativas(p, e);
    EXPECT_EQ(p.AbscisasTalud(4), 0.0);
    EXPECT_NE(p, antes);
    marco.AAbsolutas(p, e);
    EXPECT_EQ(p, antes);
}

} // namespace
} // namespace vertana
