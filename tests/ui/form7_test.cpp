#include "apoyo/interaccion_guionada.h"
#include "ayuda_dialogos.h"
#include "model/textos.h"
#include "ui/form7.h"

#include <gtest/gtest.h>

namespace vertana {
namespace {

using namespace prueba;

constexpr char Lista[] = "CargaUniformementeDistribuida";

void Carga(Form7& dialogo, const char* xo, const char* xf, const char* qy,
           const char* boton = "Agregar")
{
    Escribir(dialogo, "TextoXo", xo);
    Escribir(dialogo, "TextoYo", "20");
    Escribir(dialogo, "TextoXf", xf);
    Escribir(dialogo, "TextoYf", "20");
    Escribir(dialogo, "Textoqx", "0");
    Escribir(dialogo, "Textoqy", qy);
    Pulsar(dialogo, boton);
}

TEST(Form7, ComprobacionesDeUnaCarga)
{
    const std::vector<const char*> mensajes = {textos::XoNoNumerico, textos::YoNoNumerico,
                                               textos::XfNoNumerico, textos::YfNoNumerico,
                                               textos::QxNoNumerico, textos::QyNoNumerico};
    auto rechazo = [&mensajes](std::vector<std::string> cuadros) {
        const ResultadoCarga r = ComprobarCarga(cuadros, mensajes, true);
        return r.fallo ? r.fallo->texto : std::string("(aceptada)");
    };
    EXPECT_EQ(rechazo({" ", "0", "10", "0", "0", "1"}), textos::XoNoNumerico);
    EXPECT_EQ(rechazo({"5", "0", "10", "0", "0", "q"}), textos::QyNoNumerico);
    EXPECT_EQ(rechazo({"10", "0", "10", "0", "0", "1"}), textos::XoNoMenorQueXf);
    EXPECT_EQ(rechazo({"5", "0", "10", "0", "0", "1"}), "(aceptada)");
    // Orden decreciente; una abscisa repetida va antes de la anterior.
    EXPECT_EQ(PosicionCarga({20, 5}, 5), 1);
    EXPECT_EQ(PosicionCarga({20, 5}, 30), 0);
    EXPECT_EQ(PosicionCarga({20, 5}, 1), 2);
}

TEST(Form7, ListaEnOrdenDecrecienteYAceptarSoloConCambios)
{
    Proyecto p;
    ReiniciarProyecto(p);
    InteraccionGuionada ui;
    Form7 dialogo(p, ui);
    Mostrar(dialogo);
    EXPECT_EQ(Leer(dialogo, "TextoXo"), " ");

    // Aceptar sin cambios no hace nada.
    const Proyecto antes = p;
    Pulsar(dialogo, "Aceptar");
    EXPECT_TRUE(dialogo.isVisible());
    EXPECT_EQ(p, antes);

    Carga(dialogo, "10", "10", "1");
    EXPECT_EQ(UltimoMensaje(ui).texto, textos::XoNoMenorQueXf);
    EXPECT_EQ(Filas(dialogo, Lista), 0);
    Carga(dialogo, "5", "10", "1");
    Carga(dialogo, "20", "30", "2");
    Carga(dialogo, "5", "8", "0.666");
    ASSERT_EQ(Filas(dialogo, Lista), 3);
    EXPECT_EQ(Fila(dialogo, Lista, 0)[0], "20.00");
    EXPECT_EQ(Fila(dialogo, Lista, 1),
              (std::vector<std::string>{"5.00", "20.00", "8.00", "20.00", "0.00", "0.67"}));
    EXPECT_EQ(Fila(dialogo, Lista, 2)[2], "10.00");

    // Modificar mueve la carga a su lugar; una carga inválida conserva la fila.
    PulsarFila(dialogo, Lista, 2);
    EXPECT_EQ(Leer(dialogo, "TextoXf"), "10.00");
    Carga(dialogo, "40", "40", "1", "Modificar");
    EXPECT_EQ(UltimoMensaje(ui).texto, textos::XoNoMenorQueXf);
    EXPECT_EQ(Filas(dialogo, Lista), 3);
    Carga(dialogo, "40", "50", "1", "Modificar");
    EXPECT_EQ(Fila(dialogo, Lista, 0)[0], "40.00");
    EXPECT_EQ(Filas(dialogo, Lista), 3);

    Pulsar(dialogo, "Aceptar");
    EXPECT_FALSE(dialogo.isVisible());
    ASSERT_EQ(p.NumeroCargasUniformes(), 3);
    EXPECT_EQ(p.CargaUniformeXo(1), 40.0);
    EXPECT_EQ(p.CargaUniformeXf(3), 8.0);
    EXPECT_DOUBLE_EQ(p.CargaUniformeQy(3), 0.67); // valor de la celda
    EXPECT_TRUE(p.CargasUniformesIntroducidas);
    EXPECT_FALSE(p.DatosGuardados);
}

TEST(Form7, BorrarSalirYFavorLeer)
{
    Proyecto p;
    ReiniciarProyecto(p);
    for (auto* t : {&p.CargaUniformeXo, &p.CargaUniformeYo, &p.CargaUniformeXf, &p.CargaUniformeYf,
                    &p.CargaUniformeQx, &p.CargaUniformeQy}) {
        t->Redimensionar(1);
        (*t)(1) = 1.0;
    }
    p.CargaUniformeXf(1) = 3.0;
    p.CargasUniformesIntroducidas = true;
    InteraccionGuionada ui;
    Form7 dialogo(p, ui);
    Mostrar(dialogo);
    ASSERT_EQ(Filas(dialogo, Lista), 1);

    Pulsar(dialogo, "Command1");
    EXPECT_EQ(ui.Mensajes(), (std::vector<std::string>{textos::LeerQx, textos::LeerQy}));

    PulsarFila(dialogo, Lista, 0);
    Pulsar(dialogo, "Borrar");
    EXPECT_EQ(Filas(dialogo, Lista), 0);
    ui.EsperarPregunta(textos::PreguntaArchivarCargas, true);
    Pulsar(dialogo, "Cancelar");
    EXPECT_TRUE(dialogo.isVisible());
    ui.EsperarPregunta(textos::PreguntaArchivarCargas, false);
    Pulsar(dialogo, "Cancelar");
    EXPECT_FALSE(dialogo.isVisible());
    EXPECT_EQ(p.NumeroCargasUniformes(), 1);
    EXPECT_TRUE(ui.Cumplido());
}

} // namespace
} // namespace vertana
