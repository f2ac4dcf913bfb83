// Janbu generalizado: el factor y las fuerzas entre dovelas asentados con cualquier número de
// dovelas, las dovelas singulares (h·tan(α − φm) = 0 en el fondo de un círculo sin fricción),
// la falta de solución sin factor, ht cambiados en Form17 entre pasadas y el equilibrio de las
// fuerzas de la base que escribe.
#include "apoyo/interaccion_guionada.h"
#include "calculo/calculo.h"
#include "calculo/calculo_riguroso.h"
#include "cli/interaccion_lote.h"
#include "cli/orden_calcular.h"
#include "io/archivo_proyecto.h"
#include "methods/admisibilidad.h"
#include "methods/dovelas_rigurosas.h"
#include "methods/janbu.h"
#include "model/textos.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace vertana {
namespace {

const std::string Clasicos = std::string(VERTANA_DATOS_PRUEBA) + "/clasicos/";

Proyecto LeerFK(int dovelas)
{
    Proyecto p;
    ReiniciarProyecto(p);
    InteraccionLote lectura;
    EXPECT_TRUE(LeerProyecto(Clasicos + "fredlund_krahn_1977_caso1.cod", p, lectura));
    p.NumeroDovelas = dovelas;
    return p;
}

ResultadoCalculo PorLotes(Proyecto& p, Metodo metodo, InteraccionLote& ui)
{
    p.MetodoDeCalculo = metodo;
    EstadoCalculo e;
    ReiniciarEstadoCalculo(e);
    PrepararRespuestasPorLotes(ui, false);
    return Calcular(p, e, metodo, {}, ui);
}

// Caso 1 de Fredlund y Krahn (1977): de 30 a 3000 dovelas el factor no cambia más del 0.5 % y
// queda dentro del 1 % del Spencer publicado (2.073, tabla 2). Termina cuando una pasada repite
// el factor de la anterior; con la relajación de las fuerzas cortantes que se usaba antes, la
// iteración se detenía antes de asentar o, desde 300 dovelas, divergía.
TEST(Janbu, AsentadoDe30A3000Dovelas)
{
    double referencia = 0.0;
    for (int dovelas : {3000, 1000, 300, 100, 30}) {
        Proyecto p = LeerFK(dovelas);
        InteraccionLote ui;
        const ResultadoCalculo r = PorLotes(p, Metodo::Janbu, ui);
        ASSERT_TRUE(r.Convergio()) << dovelas << ": " << r.Mensaje;
        const double F = *r.FactorSeguridad;
        if (referencia == 0.0) referencia = F;
        EXPECT_NEAR(F, referencia, 0.005 * referencia) << dovelas;
        EXPECT_NEAR(F, 2.073, 0.01 * 2.073) << dovelas;
        const std::size_t n = r.Historia.size();
        ASSERT_GE(n, 3u);
        EXPECT_NEAR(r.Historia[n - 1], r.Historia[n - 2], ToleranciaFS);
    }
}

// Capas que cambian de golpe el signo de tan(α − φm) a lo largo de la superficie
// (tests/datos/robustez): impuesta la ecuación de momentos en cada borde de miles de dovelas, el
// sistema resonaba cerca de la raíz (sin resultado desde 1000 dovelas en la capa débil; 0.66 en
// vez de 0.74 en la capa delgada resistente). En la malla de a lo sumo 100 tramos el factor es el
// mismo (1 %) de 300 a 3000 dovelas y queda a menos del 2 % del de Spencer.
TEST(Janbu, CapasQueCortanLaSuperficieDe300A3000Dovelas)
{
    for (const char* archivo : {"capa_debil_bajo_circulo.cod", "capa_delgada_resistente.cod"}) {
        double referencia = 0.0;
        for (int dovelas : {3000, 1000, 300}) {
            Proyecto p;
            ReiniciarProyecto(p);
            InteraccionLote lectura;
            ASSERT_TRUE(LeerProyecto(std::string(VERTANA_DATOS_PRUEBA) + "/robustez/" + archivo, p,
                                     lectura));
            p.NumeroDovelas = dovelas;
            Proyecto q = p;
            InteraccionLote ui;
            const ResultadoCalculo r = PorLotes(p, Metodo::Janbu, ui);
            ASSERT_TRUE(r.Convergio()) << archivo << " " << dovelas << ": " << r.Mensaje;
            const double F = *r.FactorSeguridad;
            if (referencia == 0.0) referencia = F;
            EXPECT_NEAR(F, referencia, 0.01 * referencia) << archivo << " " << dovelas;
            EstadoCalculo e;
            ReiniciarEstadoCalculo(e);
            InteraccionLote otra;
            PrepararRespuestasPorLotes(otra, false);
            const ResultadoRiguroso spencer =
                CalcularRiguroso(q, e, {MetodoRiguroso::Spencer}, otra).front();
            ASSERT_TRUE(spencer.Convergio()) << archivo;
            EXPECT_NEAR(F, *spencer.FactorSeguridad, 0.02 * F) << archivo << " " << dovelas;
        }
    }
}

// Círculo sin fricción (φ = 0, c = 6): la normal de cada base pasa por el centro, de modo que
// el equilibrio de momentos de la masa da F = c·R·(longitud del arco)/Σ W·(x − xo) sea cual sea
// la fuerza entre dovelas. Integrado aquí en franjas de 1 mm. Fellenius, Bishop y Spencer lo
// cumplen exactamente; Janbu cruza el fondo del círculo, donde tan(α − φm) = 0 hace singular la
// ecuación de momentos de las dovelas, y queda a 0.1 %.
TEST(Janbu, CirculoSinFriccionComoElEquilibrioDeMomentos)
{
    const double xo = 18.288, yo = 27.432, R = 24.384, c = 6.0, g = 1.9231;
    const double x1 = 40.8926, x2 = 6.4832;
    const int franjas = 34410;
    const double dx = (x1 - x2) / franjas;
    double resiste = 0.0, motor = 0.0;
    for (int i = 0; i < franjas; ++i) {
        const double x = x2 + (i + 0.5) * dx;
        const double yb = yo - std::sqrt(R * R - (x - xo) * (x - xo));
        const double yt = x >= 36.576 ? 18.288 : (x <= 12.192 ? 6.096 : 6.096 + (x - 12.192) / 2);
        resiste += c * dx * R / (yo - yb); // c·l, l = dx/cos α, cos α = (yo − yb)/R
        motor += g * (yt - yb) * dx * (x - xo);
    }
    const double cerrado = R * resiste / motor;
    for (int dovelas : {40, 400, 2000}) {
        Proyecto p = LeerFK(dovelas);
        p.CohesionMacizo(1) = c;
        p.FriccionMacizo(1) = 0.0;
        const double tolerancia = dovelas == 40 ? 2e-3 : 1e-3;
        for (Metodo metodo : {Metodo::Fellenius, Metodo::Bishop, Metodo::Janbu}) {
            Proyecto q = p;
            InteraccionLote ui;
            const ResultadoCalculo r = PorLotes(q, metodo, ui);
            ASSERT_TRUE(r.Convergio()) << NombreDeMetodo(metodo) << " " << dovelas;
            EXPECT_NEAR(*r.FactorSeguridad, cerrado, tolerancia * cerrado)
                << NombreDeMetodo(metodo) << " " << dovelas;
        }
        EstadoCalculo e;
        ReiniciarEstadoCalculo(e);
        InteraccionLote ui(true);
        const ResultadoRiguroso s = CalcularRiguroso(p, e, {MetodoRiguroso::Spencer}, ui).front();
        ASSERT_TRUE(s.Convergio());
        EXPECT_NEAR(*s.FactorSeguridad, cerrado, tolerancia * cerrado) << dovelas;
    }
}

// Una aceleración sísmica hacia el talud (kh = −0.9) empuja la masa cuesta arriba: ningún factor
// positivo cumple el equilibrio de fuerzas. El cálculo termina sin resultados ni factor, con el
// mensaje, y la línea de órdenes sale con 3.
TEST(Janbu, SinSolucionNoDaFactor)
{
    Proyecto p = LeerFK(50);
    p.CoeficienteSismicoHorizontal = -0.9;
    InteraccionLote ui;
    const ResultadoCalculo r = PorLotes(p, Metodo::Janbu, ui);
    EXPECT_EQ(r.Estado, EstadoDelCalculo::Limite);
    EXPECT_FALSE(r.FactorSeguridad);
    EXPECT_EQ(r.Mensaje, textos::JanbuPrimeraEtapaSinSolucion);
    EXPECT_FALSE(p.HayResultados);
}

// La persona cambia ht en el primer Form17: la pasada siguiente usa los nuevos, y el factor
// final es el de un cálculo que parte de esos mismos ht.
TEST(Janbu, Form17CambiaHtEntrePasadas)
{
    auto calculo = [](Proyecto& p, InteraccionGuionada& ui) {
        EstadoCalculo e;
        ReiniciarEstadoCalculo(e);
        ui.EsperarPregunta(textos::PreguntaDesembalseRapido, false);
        if (p.HayResultados) {
            ui.EsperarPregunta(textos::PreguntaRecalcular, true)
                .EsperarPregunta(textos::PreguntaProgramaFijaHt, false);
        }
        return MetodoJanbu(p, e, ui);
    };
    Proyecto p = LeerFK(60);
    p.MetodoDeCalculo = Metodo::Janbu;
    InteraccionGuionada ui;
    Tabla<double> nuevos;
    ui.AlAbrirForm17([&](const Proyecto& q, const IteracionJanbuMostrada&) {
        nuevos = q.ValoresDeHt;
        for (int k = 1; k <= nuevos.Tamano(); ++k)
            nuevos(k) *= 1.6;
        return DecisionJanbu{DecisionIteracion::Seguir, nuevos};
    });
    const ResultadoMetodo cambiado = calculo(p, ui);
    ASSERT_EQ(cambiado, FinCalculo::Resultados);
    EXPECT_TRUE(ui.Cumplido());
    EXPECT_EQ(ui.VecesForm17(), 3); // la pasada con los ht cambiados y la que la repite
    EXPECT_EQ(p.ValoresDeHt, nuevos);

    Proyecto q = LeerFK(60);
    q.MetodoDeCalculo = Metodo::Janbu;
    InteraccionGuionada primera;
    ASSERT_EQ(calculo(q, primera), FinCalculo::Resultados);
    EXPECT_GT(std::fabs(q.HistoriaFS(q.NumeroIteraciones) - cambiado.FactorSeguridad), 1e-3);
    q.ValoresDeHt = nuevos;
    InteraccionGuionada desdeNuevos;
    ASSERT_EQ(calculo(q, desdeNuevos), FinCalculo::Resultados);
    EXPECT_TRUE(desdeNuevos.Cumplido());
    EXPECT_NEAR(q.HistoriaFS(q.NumeroIteraciones), cambiado.FactorSeguridad, 1e-9);
}

// Los esfuerzos que Janbu escribe cumplen el equilibrio de fuerzas de cada dovela con sus
// fuerzas entre dovelas: desde la corona, E y X se cierran en el pie (con el agua de la grieta
// del bloque de Priest como fuerza exterior de la primera dovela).
TEST(Janbu, EsfuerzosEscritosEnEquilibrioDeFuerzas)
{
    for (const char* archivo : {"fredlund_krahn_1977_caso1.cod", "priest_1993_bloque_grieta.cod",
                                "duncan_wright_2005_fig14_5.cod"}) {
        Proyecto p;
        ReiniciarProyecto(p);
        InteraccionLote lectura;
        ASSERT_TRUE(LeerProyecto(Clasicos + archivo, p, lectura));
        p.MetodoDeCalculo = Metodo::Janbu;
        EstadoCalculo e;
        ReiniciarEstadoCalculo(e);
        InteraccionLote ui;
        PrepararRespuestasPorLotes(ui, false);
        ASSERT_EQ(MetodoJanbu(p, e, ui), FinCalculo::Resultados) << archivo;
        ProblemaRiguroso problema = ProblemaRigurosoDesdeDovelas(p, e);
        const Tabla<double> alfa = AngulosBaseDovelas(p, e, false);
        for (std::size_t i = 0; i < problema.Dovelas.size(); ++i)
            problema.Dovelas[i].Alfa = alfa(static_cast<int>(i) + 1);
        const SolucionRigurosa f = FuerzasImplicitasDelProyecto(p, problema);
        EXPECT_LT(f.ResiduoFuerzas, 1e-9) << archivo;
    }
}

} // namespace
} // namespace vertana
