// La línea del último cálculo y qué cuenta como un cambio de datos después de calcular.
#include "model/textos.h"
#include "output/ultimo_calculo.h"
#include "proyectos_de_prueba.h"

#include <gtest/gtest.h>

namespace vertana {
namespace {

TEST(UltimoCalculo, QueCambioDesdeElCalculo)
{
    struct Caso {
        const char* nombre;
        void (*cambiar)(Proyecto&);
        CambioDesdeElCalculo esperado;
    };
    const Caso casos[] = {
        {"nada", [](Proyecto&) {}, CambioDesdeElCalculo::Ninguno},
        {"descripción e información",
         [](Proyecto& p) {
             p.Descripcion = "otra";
             p.Empresa = "otra";
             p.DatosGuardados = !p.DatosGuardados;
         },
         CambioDesdeElCalculo::Ninguno},
        {"anclajes", [](Proyecto& p) { p.SeparacionAnclajesActivos = 7; },
         CambioDesdeElCalculo::Ninguno},
        {"coeficiente sísmico", [](Proyecto& p) { p.CoeficienteSismicoHorizontal = 0.2; },
         CambioDesdeElCalculo::Datos},
        {"carga uniforme", [](Proyecto& p) { p.CargaUniformeQy(1) += 1; },
         CambioDesdeElCalculo::Datos},
        {"punto del talud", [](Proyecto& p) { p.OrdenadasTalud(1) += 0.5; },
         CambioDesdeElCalculo::GeometriaOMateriales},
        {"unión de la falla", [](Proyecto& p) { p.TipoDeFalla(2) = TipoUnion::Recta; },
         CambioDesdeElCalculo::GeometriaOMateriales},
        {"cohesión de un estrato", [](Proyecto& p) { p.CohesionMacizo(1) += 1; },
         CambioDesdeElCalculo::GeometriaOMateriales},
        {"fricción de una dovela (Form18)", [](Proyecto& p) { p.FriccionDovela(1) += 1; },
         CambioDesdeElCalculo::GeometriaOMateriales},
    };
    const Proyecto calculado = prueba::SueloConResultados(3);
    for (const Caso& c : casos) {
        Proyecto ahora = calculado;
        c.cambiar(ahora);
        EXPECT_EQ(CambiosDesdeElCalculo(calculado, ahora), c.esperado) << c.nombre;
    }
}

TEST(UltimoCalculo, MismosResultadosSoloMiraLosResultados)
{
    const Proyecto a = prueba::SueloConResultados(3);
    Proyecto b = a;
    b.CoeficienteSismicoHorizontal = 0.3;
    EXPECT_TRUE(MismosResultados(a, b));
    b.HistoriaFS(b.NumeroIteraciones) += 0.001;
    EXPECT_FALSE(MismosResultados(a, b));
}

TEST(UltimoCalculo, TextoConYSinFactorDeSeguridad)
{
    ResultadoCalculo r;
    r.MetodoCalculado = Metodo::Bishop;
    r.Estado = EstadoDelCalculo::Convergido;
    r.FactorSeguridad = 2.0745;
    EXPECT_EQ(TextoUltimoCalculo(r, 30, "05/03/2025 14:22:10", false),
              "Último cálculo: Bishop  ·  FS = 2.075  ·  30 dovelas  ·  05/03/2025 14:22:10");
    r.ConParametrosInstantaneos = true;
    EXPECT_EQ(TextoUltimoCalculo(r, 30, "05/03/2025 14:22:10", true),
              "Último cálculo: Bishop con parámetros instantáneos  ·  FS = 2.075  ·  30 dovelas  "
              "·  05/03/2025 14:22:10  ·  los datos cambiaron después del cálculo");

    ResultadoCalculo abandonado;
    abandonado.MetodoCalculado = Metodo::Variacional;
    abandonado.Estado = EstadoDelCalculo::Abandonado;
    EXPECT_EQ(TextoUltimoCalculo(abandonado, 30, "05/03/2025 14:22:10", false),
              "Último cálculo: Leshchinsky y Huang (variacional)  ·  sin factor de seguridad "
              "(abandonado)  ·  05/03/2025 14:22:10");
}

} // namespace
} // namespace vertana
