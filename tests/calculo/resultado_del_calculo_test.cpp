// Lo que el servicio de cálculo garantiza a todo método: valida antes de empezar, no da por
// bueno un factor menor que el mínimo, negativo o no finito, deja el proyecto como estaba cuando
// no hay resultado (también sin memoria o ante un error del programa) y acompaña con avisos un
// factor obtenido tras suprimir un chequeo de dovela.
#include "apoyo/interaccion_guionada.h"
#include "calculo/calculo.h"
#include "cli/interaccion_lote.h"
#include "cli/orden_calcular.h"
#include "io/archivo_proyecto.h"
#include "model/error.h"
#include "model/textos.h"

#include <gtest/gtest.h>

#include <new>

namespace vertana {
namespace {

const std::string Caso1 =
    std::string(VERTANA_DATOS_PRUEBA) + "/clasicos/fredlund_krahn_1977_caso1.cod";

// Caso 1 de Fredlund y Krahn con el método pedido y los valores iniciales del variacional.
Proyecto Caso1Con(Metodo metodo)
{
    Proyecto p;
    ReiniciarProyecto(p);
    InteraccionLote lectura;
    EXPECT_TRUE(LeerProyecto(Caso1, p, lectura));
    p.MetodoDeCalculo = metodo;
    p.MultiplicadorLagrange1 = 24.0;
    p.MultiplicadorLagrange2 = 30.0;
    p.FSInicial = 1.5;
    p.EsfuerzoInicialCresta = -1.0;
    return p;
}

struct Calculo {
    Proyecto p;
    EstadoCalculo e;
    InteraccionLote ui;
    explicit Calculo(Metodo metodo) : p(Caso1Con(metodo))
    {
        ReiniciarEstadoCalculo(e);
        PrepararRespuestasPorLotes(ui, false);
    }
    ResultadoCalculo Correr() { return Calcular(p, e, p.MetodoDeCalculo, {}, ui); }
};

constexpr Metodo Metodos[] = {Metodo::Fellenius, Metodo::Bishop, Metodo::Janbu,
                              Metodo::Variacional};

// Un dato que Form5 rechazaría detiene cualquier método antes de la primera pregunta, con el
// mensaje de Form5 que nombra el estrato, y el proyecto queda igual.
TEST(ServicioDeCalculo, DatosQueUnDialogoRechazariaNoSeCalculan)
{
    for (const Metodo metodo : Metodos) {
        Calculo c(metodo);
        c.p.FriccionMacizo(1) = 120.0;
        const Proyecto antes = c.p;
        const ResultadoCalculo r = c.Correr();
        EXPECT_EQ(r.Estado, EstadoDelCalculo::Rechazado);
        EXPECT_FALSE(r.FactorSeguridad);
        EXPECT_EQ(r.Mensaje, textos::FriccionNoValida(1));
        EXPECT_EQ(r.TituloMensaje, textos::TituloCaracteristicasDeLosEstratos);
        ASSERT_EQ(c.ui.Eventos().size(), 1u) << NombreDeMetodo(metodo);
        EXPECT_EQ(c.p, antes);
    }
}

// Resistencia casi nula (c = 0.0001 ton/m2, φ = 0.001°): el cociente de momentos de Fellenius
// queda del orden de 10⁻⁵, que no es un resultado. El proyecto conserva los resultados del
// cálculo anterior y el mensaje de fin del método no se muestra.
TEST(ServicioDeCalculo, UnFactorBajoElMinimoNoEsResultadoYVuelvenLosAnteriores)
{
    Calculo c(Metodo::Fellenius);
    ASSERT_TRUE(c.Correr().Convergio());
    c.p.CohesionMacizo(1) = 0.0001;
    c.p.FriccionMacizo(1) = 0.001;
    const Proyecto antes = c.p;
    InteraccionLote ui;
    PrepararRespuestasPorLotes(ui, false);
    const ResultadoCalculo r = Calcular(c.p, c.e, Metodo::Fellenius, {}, ui);
    EXPECT_EQ(r.Estado, EstadoDelCalculo::Limite);
    EXPECT_FALSE(r.FactorSeguridad);
    EXPECT_EQ(r.TituloMensaje, textos::TituloLimiteCalculo);
    EXPECT_EQ(r.Mensaje.rfind("El factor de seguridad calculado, ", 0), 0u) << r.Mensaje;
    EXPECT_NE(r.Mensaje.find("es menor que 0.01"), std::string::npos);
    for (const std::string& m : ui.Mensajes())
        EXPECT_NE(m, textos::FinFellenius);
    EXPECT_EQ(c.p, antes);
    EXPECT_TRUE(c.p.HayResultados);
}

// En el caso 1 las dovelas de la corona tienen N < 0 con Bishop: por lotes se sigue sin ese
// chequeo y el factor lleva su aviso, que también se muestra antes del mensaje de fin.
TEST(ServicioDeCalculo, UnChequeoSuprimidoDejaSuAvisoEnElResultado)
{
    Calculo c(Metodo::Bishop);
    const ResultadoCalculo r = c.Correr();
    ASSERT_TRUE(r.Convergio());
    ASSERT_EQ(r.Avisos, std::vector<std::string>{textos::AvisoEsfuerzoEfectivoSuprimido});
    const auto& eventos = c.ui.Eventos();
    ASSERT_GE(eventos.size(), 2u);
    EXPECT_EQ(eventos[eventos.size() - 2].titulo, textos::TituloAvisosDelCalculo);
    EXPECT_EQ(eventos.back().texto, textos::FinBishop);
    EXPECT_EQ(r.Mensaje, textos::FinBishop);

    Calculo fellenius(Metodo::Fellenius);
    EXPECT_TRUE(fellenius.Correr().Avisos.empty());
}

// Interacción que falla dentro de form9, a mitad de la iteración variacional.
template <typename Excepcion> struct Form9QueLanza : InteraccionGuionada {
    DecisionIteracion ResultadosDeLasIteraciones(const Proyecto&,
                                                 const SumasDeLaIteracion&) override
    {
        throw Excepcion();
    }
};
struct ErrorDePrueba : ErrorVertana {
    ErrorDePrueba() : ErrorVertana("error de prueba") {}
};

// Sin memoria a mitad del cálculo: mensaje, sin resultados, proyecto y estado como estaban.
// Un ErrorVertana deja el proyecto igual y sigue hacia quien dio la orden.
TEST(ServicioDeCalculo, SinMemoriaOErrorDelProgramaElProyectoQuedaComoEstaba)
{
    Proyecto p = Caso1Con(Metodo::Variacional);
    EstadoCalculo e;
    ReiniciarEstadoCalculo(e);
    const Proyecto antes = p;
    Form9QueLanza<std::bad_alloc> sinMemoria;
    sinMemoria.EsperarPregunta(textos::PreguntaDesembalseRapido, false);
    const ResultadoCalculo r = Calcular(p, e, Metodo::Variacional, {}, sinMemoria);
    EXPECT_EQ(r.Estado, EstadoDelCalculo::Limite);
    EXPECT_EQ(r.Mensaje, textos::SinMemoriaParaElCalculo(100));
    EXPECT_EQ(p, antes);
    EXPECT_FALSE(e.SuperficieConstruida);

    Form9QueLanza<ErrorDePrueba> conError;
    conError.EsperarPregunta(textos::PreguntaDesembalseRapido, false);
    EXPECT_THROW(Calcular(p, e, Metodo::Variacional, {}, conError), ErrorVertana);
    EXPECT_EQ(p, antes);
}

} // namespace
} // namespace vertana
