#include "apoyo/interaccion_guionada.h"
#include "ayuda_dialogos.h"
#include "model/textos.h"
#include "ui/form5.h"

#include <gtest/gtest.h>

namespace vertana {
namespace {

using namespace prueba;

constexpr char Lista[] = "CaracterísticasEstratos";

// Proyecto de suelos con `n` estratos y los parámetros de cálculo aceptados.
Proyecto ProyectoDeEstratos(int n)
{
    Proyecto p;
    ReiniciarProyecto(p);
    p.SueloRoca = Material::Suelo;
    p.ParametrosIntroducidos = true;
    p.NumeroCoordenadasEstrato.Redimensionar(n);
    return p;
}

ValoresEstrato Valores(const char* tipo, const char* tiempo, const char* humedo = "1.8",
                       const char* saturado = "2.0")
{
    return {"2.3456", "30", humedo, saturado, tipo, "0.25", "0.00012345", tiempo};
}

void EscribirFila(Form5& dialogo, const ValoresEstrato& v)
{
    for (std::size_t k = 0; k < v.size(); ++k)
        Escribir(dialogo, CuadrosEstrato[k], v[k]);
}

TEST(Form5, ComprobacionesDeModificar)
{
    InteraccionGuionada ui;
    auto rechazo = [&ui](const ValoresEstrato& v) {
        const ResultadoEstrato r = ComprobarEstrato(v, 1, ui);
        return r.fallo ? r.fallo->texto : std::string("(aceptado)");
    };
    ValoresEstrato v = Valores("b", "0");
    v[0] = "";
    EXPECT_EQ(rechazo(v), "Debe introducir un número en la cohesión");
    v = Valores("C", "0");
    EXPECT_EQ(rechazo(v), textos::TipoDeEstratoInvalido);
    v = Valores("B", "6");
    EXPECT_EQ(rechazo(v), textos::NaturalConTiempo);
    // Rangos de la validación del proyecto, con el número del estrato que se modifica; se miran
    // los valores tal como se guardan (89.999 se muestra y se guarda 90.00).
    const auto conDato = [](std::size_t k, const char* texto) {
        ValoresEstrato r = Valores("A", "3");
        r[k] = texto;
        return r;
    };
    EXPECT_EQ(rechazo(conDato(0, "-1")), "La cohesión del estrato 1 debe ser un número mayor o "
                                         "igual que cero.");
    EXPECT_EQ(rechazo(conDato(1, "-10")), textos::FriccionNoValida(1));
    EXPECT_EQ(rechazo(conDato(1, "89.999")), textos::FriccionNoValida(1));
    EXPECT_EQ(rechazo(conDato(2, "0.004")), textos::PesoUnitarioHumedoNoValido(1));
    EXPECT_EQ(rechazo(conDato(3, "-2")), textos::PesoUnitarioSaturadoNoValido(1));
    EXPECT_EQ(rechazo(conDato(6, "-1")), textos::ConsolidacionNoValida(1));
    EXPECT_EQ(rechazo(conDato(7, "-3")), textos::TiempoDeConstruccionNoValido(1));
    EXPECT_EQ(ComprobarEstrato(conDato(0, "-1"), 4, ui).fallo->texto, textos::CohesionNoValida(4));
    v = Valores("B", "0", "2.0", "1.9");
    EXPECT_EQ(rechazo(v), textos::SaturadoMenorQueHumedo);
    EXPECT_TRUE(ComprobarEstrato(v, 1, ui).recargar);
    EXPECT_TRUE(ui.Preguntas().empty());

    ui.EsperarPregunta(textos::PreguntaSaturadoIgualHumedo, false);
    const ResultadoEstrato no = ComprobarEstrato(Valores("B", "0", "1.9", "1.9"), 1, ui);
    EXPECT_FALSE(no.fallo);
    EXPECT_TRUE(no.recargar);

    ui.EsperarPregunta(textos::PreguntaSaturadoMayorHumedo, true);
    const ResultadoEstrato si = ComprobarEstrato(Valores("b", "0"), 1, ui);
    EXPECT_FALSE(si.fallo);
    EXPECT_EQ(si.celdas,
              (ValoresEstrato{"2.35", "30.00", "1.80", "2.00", "B", "0.25", "0.0001235", "0.00"}));
    EXPECT_TRUE(ui.Cumplido());
}

TEST(Form5, FilasModificadasYAceptarConTodosLosEstratos)
{
    Proyecto p = ProyectoDeEstratos(3);
    InteraccionGuionada ui;
    Form5 dialogo(p, ui, 0);
    Mostrar(dialogo);
    ASSERT_EQ(Filas(dialogo, Lista), 3);
    EXPECT_EQ(Fila(dialogo, Lista, 2)[0], "3");
    EXPECT_EQ(Fila(dialogo, Lista, 2)[1], "");

    // Tipo "b" se muestra "B"; un estrato natural con tiempo de construcción se rechaza.
    PulsarFila(dialogo, Lista, 0);
    EscribirFila(dialogo, Valores("b", "6"));
    Pulsar(dialogo, "Modificar");
    EXPECT_EQ(UltimoMensaje(ui).texto, textos::NaturalConTiempo);
    EXPECT_EQ(Fila(dialogo, Lista, 0)[1], "");
    ui.EsperarPregunta(textos::PreguntaSaturadoMayorHumedo, true);
    Escribir(dialogo, "TextoTiempoDeConstrucción", "0");
    Pulsar(dialogo, "Modificar");
    EXPECT_EQ(Fila(dialogo, Lista, 0)[5], "B");
    EXPECT_EQ(Leer(dialogo, "TextoCohesión"), ""); // los cuadros se vacían

    ui.EsperarPregunta(textos::PreguntaSaturadoMayorHumedo, true);
    PulsarFila(dialogo, Lista, 1);
    EscribirFila(dialogo, Valores("a", "6"));
    Pulsar(dialogo, "Modificar");
    EXPECT_EQ(Fila(dialogo, Lista, 1)[5], "A");

    // Un estrato sin datos impide aceptar.
    const Proyecto antes = p;
    Pulsar(dialogo, "Aceptar");
    EXPECT_EQ(UltimoMensaje(ui).texto, textos::FaltanDatosEstratos);
    EXPECT_EQ(UltimoMensaje(ui).titulo, textos::TituloCaracteristicasDeLosEstratos);
    EXPECT_EQ(p, antes);

    ui.EsperarPregunta(textos::PreguntaSaturadoMayorHumedo, true);
    PulsarFila(dialogo, Lista, 2);
    EscribirFila(dialogo, Valores("B", "0"));
    Pulsar(dialogo, "Modificar");
    Pulsar(dialogo, "Aceptar");
    EXPECT_FALSE(dialogo.isVisible());
    // Los valores se toman de la lista, con el redondeo con que se muestran.
    EXPECT_DOUBLE_EQ(p.CohesionMacizo(1), 2.35);
    EXPECT_DOUBLE_EQ(p.CoeficienteConsolidacionVertical(3), 0.0001235);
    EXPECT_EQ(p.TipoDeEstrato(1), 2);
    EXPECT_EQ(p.TipoDeEstrato(2), 1);
    EXPECT_DOUBLE_EQ(p.TiempoDeConstruccion(2), 6.0);
    EXPECT_TRUE(p.RocaCaracterizada);
    EXPECT_EQ(p.EstratosCaracterizados, 3);
    EXPECT_FALSE(p.DatosGuardados);
    EXPECT_TRUE(ui.Cumplido());
}

// Un archivo puede traer valores que Modificar rechazaría: la lista los muestra para corregirlos
// y Aceptar no los archiva, con el mensaje de la validación que nombra el estrato.
TEST(Form5, AceptarNoArchivaUnaFilaLeidaQueModificarRechazaria)
{
    Proyecto p = ProyectoDeEstratos(2);
    for (Tabla<double>* t : {&p.CohesionMacizo, &p.FriccionMacizo, &p.PesoUnitarioHumedo,
                             &p.PesoUnitarioSaturado, &p.ParametroPresionIntersticial,
                             &p.CoeficienteConsolidacionVertical, &p.TiempoDeConstruccion})
        *t = TablaDe<double>({1.0, 1.0});
    p.TipoDeEstrato = TablaDe<Entero16>({2, 2});
    p.TiempoDeConstruccion = TablaDe<double>({0.0, 0.0});
    p.FriccionMacizo(2) = 120.0;
    p.RocaCaracterizada = true;
    p.EstratosCaracterizados = 2;
    InteraccionGuionada ui;
    Form5 dialogo(p, ui, 0);
    Mostrar(dialogo);
    EXPECT_EQ(Fila(dialogo, Lista, 1)[2], "120.00");
    const Proyecto antes = p;
    Pulsar(dialogo, "Aceptar");
    EXPECT_EQ(UltimoMensaje(ui).texto, textos::FriccionNoValida(2));
    EXPECT_EQ(p, antes);
    EXPECT_TRUE(dialogo.isVisible());
}

TEST(Form5, EstratoInsertadoDejaSuFilaVaciaYLosDeAbajoBajan)
{
    // Tres estratos caracterizados; se insertó uno entre el 1 y el 2.
    Proyecto p = ProyectoDeEstratos(4);
    for (Tabla<double>* t : {&p.CohesionMacizo, &p.FriccionMacizo, &p.PesoUnitarioHumedo,
                             &p.PesoUnitarioSaturado, &p.ParametroPresionIntersticial,
                             &p.CoeficienteConsolidacionVertical, &p.TiempoDeConstruccion})
        t->Redimensionar(3);
    p.CohesionMacizo = TablaDe({1.0, 2.0, 3.0});
    p.TipoDeEstrato = TablaDe<Entero16>({2, 2, 2});
    p.RocaCaracterizada = true;
    p.EstratosCaracterizados = 3;
    p.EstratoInsertado = true;
    InteraccionGuionada ui;
    Form5 dialogo(p, ui, 1);
    Mostrar(dialogo);
    EXPECT_EQ(Fila(dialogo, Lista, 0)[1], "1.00");
    EXPECT_EQ(Fila(dialogo, Lista, 1)[1], "");
    EXPECT_EQ(Fila(dialogo, Lista, 2)[1], "2.00");
    EXPECT_EQ(Fila(dialogo, Lista, 3)[1], "3.00");
    EXPECT_EQ(p.CohesionMacizo(4), 3.0);
    EXPECT_FALSE(p.EstratoInsertado);

    // Salir sin cambios: marca el cambio en el número de estratos y cierra.
    Pulsar(dialogo, "Cancelar");
    EXPECT_TRUE(p.CambioNumeroEstratos);
    EXPECT_FALSE(dialogo.isVisible());

    // Con una fila modificada, Salir pregunta; Sí deja el diálogo abierto.
    Mostrar(dialogo);
    EXPECT_EQ(Fila(dialogo, Lista, 1)[1], ""); // la nueva sigue vacía al volver a abrir
    EXPECT_EQ(Fila(dialogo, Lista, 3)[1], "3.00");
    ui.EsperarPregunta(textos::PreguntaSaturadoMayorHumedo, true);
    PulsarFila(dialogo, Lista, 1);
    EscribirFila(dialogo, Valores("A", "2"));
    Pulsar(dialogo, "Modificar");
    ui.EsperarPregunta(textos::PreguntaArchivarEstratos, true);
    Pulsar(dialogo, "Cancelar");
    EXPECT_TRUE(dialogo.isVisible());
    EXPECT_TRUE(ui.Cumplido());
}

} // namespace
} // namespace vertana
