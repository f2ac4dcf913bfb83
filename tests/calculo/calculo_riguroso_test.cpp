// Contraste con Spencer y Morgenstern-Price desde el proyecto: valores publicados, el proyecto
// no cambia, rechazos, y la admisibilidad estática de las soluciones (la estática desde las
// bases, comprobada contra las fuerzas entre dovelas que da Spencer).
#include "apoyo/interaccion_guionada.h"
#include "calculo/calculo.h"
#include "calculo/calculo_riguroso.h"
#include "cli/interaccion_lote.h"
#include "cli/orden_calcular.h"
#include "io/archivo_proyecto.h"
#include "methods/admisibilidad.h"
#include "methods/dovelas_rigurosas.h"
#include "model/textos.h"

#include "proyectos_de_prueba.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace vertana {
namespace {

const std::string Clasicos = std::string(VERTANA_DATOS_PRUEBA) + "/clasicos/";

Proyecto Leer(const std::string& archivo)
{
    return prueba::Leido(Clasicos + archivo);
}

// Tras un cálculo de Bishop, el contraste pregunta como un método (desembalse, primera vez),
// da Spencer 2.073 y Morgenstern-Price (medio seno) 2.076 con λ = 0.318 (Fredlund y Krahn 1977,
// tablas 2 y 3) y deja los resultados de Bishop como estaban.
TEST(CalculoRiguroso, ContrasteNoTocaLosResultadosDelMetodoElegido)
{
    Proyecto p = Leer("fredlund_krahn_1977_caso1.cod");
    EstadoCalculo e;
    ReiniciarEstadoCalculo(e);
    InteraccionLote lote;
    PrepararRespuestasPorLotes(lote, false);
    ASSERT_TRUE(Calcular(p, e, Metodo::Bishop, {}, lote).Convergio());
    const Proyecto conBishop = p;

    InteraccionGuionada ui;
    ui.EsperarPregunta(textos::PreguntaDesembalseRapido, false)
        .EsperarPregunta(textos::PreguntaPrimeraVezCalculo, false);
    const std::vector<ResultadoRiguroso> r =
        CalcularRiguroso(p, e, {MetodoRiguroso::Spencer, MetodoRiguroso::MorgensternPrice}, ui);
    EXPECT_TRUE(ui.Cumplido());
    ASSERT_EQ(r.size(), 2u);
    ASSERT_TRUE(r[0].Convergio() && r[1].Convergio());
    EXPECT_NEAR(*r[0].FactorSeguridad, 2.073, 0.01 * 2.073);
    EXPECT_NEAR(*r[1].FactorSeguridad, 2.076, 0.01 * 2.076);
    EXPECT_NEAR(r[1].Lambda, 0.318, 0.05 * 0.318);
    EXPECT_EQ(p, conBishop);
    // Tensiones de la base de la solución: σ·l y τ·l son N y S.
    const DovelaRigurosa& d = r[0].Problema.Dovelas[10];
    const double l = d.Ancho / std::cos(d.Alfa);
    EXPECT_NEAR(EsfuerzosDeDovela(r[0], 11).Normal * l, r[0].Solucion.FuerzaNormal[10], 1e-9);
    EXPECT_NEAR(EsfuerzosDeDovela(r[0], 11).Tangencial * l, r[0].Solucion.FuerzaCorte[10], 1e-9);
}

// Roca sin parámetros instantáneos, o con ellos pero sin dovelas de un cálculo anterior: nada
// que contrastar.
TEST(CalculoRiguroso, RocaOInstantaneosSinDovelasSeRechazan)
{
    Proyecto roca = Leer("fredlund_krahn_1977_caso1.cod");
    roca.SueloRoca = Material::Roca;
    Proyecto instantaneos = Leer("fredlund_krahn_1977_caso1.cod");
    instantaneos.UsaParametrosInstantaneos = true;
    const struct {
        Proyecto* p;
        const char* texto;
    } casos[] = {{&roca, textos::MaterialEsRoca},
                 {&instantaneos, textos::ContrasteSinDovelasInstantaneas}};
    for (const auto& c : casos) {
        EstadoCalculo e;
        ReiniciarEstadoCalculo(e);
        InteraccionLote ui;
        const ResultadoRiguroso r =
            CalcularRiguroso(*c.p, e, {MetodoRiguroso::Spencer}, ui).front();
        EXPECT_EQ(r.Estado, EstadoDelCalculo::Rechazado);
        EXPECT_FALSE(r.FactorSeguridad);
        EXPECT_EQ(ui.Eventos().back().texto, c.texto);
    }
}

// La estática desde las bases reproduce, con las N y S de Spencer, las E y X que da su
// recurrencia (otra fórmula), y su línea de empuje.
TEST(Admisibilidad, FuerzasDesdeLasBasesComoLasDeSpencer)
{
    Proyecto p = Leer("fredlund_krahn_1977_caso1_sismo.cod");
    EstadoCalculo e;
    ReiniciarEstadoCalculo(e);
    InteraccionLote ui(true);
    const ResultadoRiguroso s = CalcularRiguroso(p, e, {MetodoRiguroso::Spencer}, ui).front();
    ASSERT_TRUE(s.Convergio());
    const SolucionRigurosa f =
        FuerzasDesdeLasBases(s.Problema, s.Solucion.FuerzaNormal, s.Solucion.FuerzaCorte, 0.0);
    double escala = 0.0;
    for (double E : s.Solucion.E)
        escala = std::max(escala, std::fabs(E));
    for (std::size_t j = 0; j < f.E.size(); ++j) {
        EXPECT_NEAR(f.E[j], s.Solucion.E[j], 1e-9 * escala) << j;
        EXPECT_NEAR(f.X[j], s.Solucion.X[j], 1e-9 * escala) << j;
        if (std::fabs(s.Solucion.E[j]) > 1e-3 * escala) {
            EXPECT_NEAR(f.AlturaEmpuje[j], s.Solucion.AlturaEmpuje[j], 1e-6) << j;
        }
    }
    EXPECT_LT(f.ResiduoFuerzas + f.ResiduoMomentos, 1e-9);
}

// Con tracción entre dovelas junto a la corona (caso 1 de Fredlund y Krahn, c > 0) Janbu avisa
// antes de su mensaje final: el aviso dice cuántos bordes, dónde y cuánto, y va en el resultado.
// En el terraplén de Duncan y Wright no hay tracción: no hay aviso.
TEST(Admisibilidad, AvisoConElResultadoDeJanbu)
{
    const struct {
        const char* archivo;
        bool avisa;
    } casos[] = {{"fredlund_krahn_1977_caso1.cod", true},
                 {"duncan_wright_2005_fig14_5.cod", false}};
    for (const auto& c : casos) {
        Proyecto p = Leer(c.archivo);
        p.MetodoDeCalculo = Metodo::Janbu;
        EstadoCalculo e;
        ReiniciarEstadoCalculo(e);
        InteraccionLote ui;
        PrepararRespuestasPorLotes(ui, false);
        const ResultadoCalculo r = Calcular(p, e, Metodo::Janbu, {}, ui);
        ASSERT_TRUE(r.Convergio()) << c.archivo;
        EXPECT_EQ(r.Mensaje, textos::FinJanbu);
        EXPECT_EQ(r.Avisos.size(), c.avisa ? 1u : 0u) << c.archivo;
        if (!c.avisa) continue;
        const auto& eventos = ui.Eventos();
        ASSERT_GE(eventos.size(), 2u);
        const auto& aviso = eventos[eventos.size() - 2];
        EXPECT_EQ(aviso.titulo, textos::TituloAdmisibilidad);
        EXPECT_EQ(aviso.texto, r.Avisos.front());
        EXPECT_EQ(aviso.texto.rfind(textos::SolucionNoAdmisible, 0), 0u);
        EXPECT_NE(aviso.texto.find("tracción en 2 bordes, de x = 40.55 a x = 40.20 m"),
                  std::string::npos)
            << aviso.texto;
    }
}

// El aviso describe cada defecto por separado.
TEST(Admisibilidad, AvisoConCadaDefecto)
{
    EXPECT_FALSE(AvisoDeAdmisibilidad({}));
    AdmisibilidadRigurosa a;
    a.BordesEnTraccion = 3;
    a.TraccionDesde = 40.5;
    a.TraccionHasta = 39.25;
    a.MayorTraccion = 2.0;
    a.MayorCompresion = 80.0;
    a.EmpujeFueraDeLaMasa = 1;
    a.EmpujeDesde = a.EmpujeHasta = 12.0;
    a.BasesEnTraccion = 2;
    const std::string aviso = *AvisoDeAdmisibilidad(a);
    EXPECT_EQ(aviso, std::string(textos::SolucionNoAdmisible) +
                         " fuerza normal de tracción en 3 bordes, de x = 40.50 a x = 39.25 m (la "
                         "mayor, 2.00 ton/m, es el 2.5 % de la mayor compresión); línea de empuje "
                         "fuera de la masa deslizante en 1 bordes, de x = 12.00 a x = 12.00 m; "
                         "esfuerzo efectivo negativo en la base de 2 dovelas." +
                         textos::FactorDudoso);
}

} // namespace
} // namespace vertana
