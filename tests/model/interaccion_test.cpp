#include "apoyo/interaccion_guionada.h"
#include "cli/interaccion_lote.h"

#include <gtest/gtest.h>

namespace vertana {
namespace {

TEST(InteraccionGuionada, ContestaLasPreguntasPrevistasEnOrden)
{
    InteraccionGuionada ui;
    ui.EsperarPregunta("¿Primera?", true).EsperarPregunta("¿Segunda?", false);
    ui.Mensaje("Hola", "Título");
    EXPECT_TRUE(ui.Pregunta("¿Primera?"));
    EXPECT_FALSE(ui.Pregunta("¿Segunda?"));
    EXPECT_TRUE(ui.Cumplido());
    EXPECT_EQ(ui.Mensajes(), std::vector<std::string>{"Hola"});
    EXPECT_EQ(ui.Eventos()[0].titulo, "Título");
    EXPECT_EQ(ui.Preguntas().size(), 2u);
}

TEST(InteraccionGuionada, UnaPreguntaNoPrevistaEsUnErrorYSeContestaNo)
{
    InteraccionGuionada ui;
    ui.EsperarPregunta("¿Prevista?", true);
    EXPECT_FALSE(ui.Pregunta("¿Otra?"));
    EXPECT_FALSE(ui.Pregunta("¿Y otra más?"));
    EXPECT_EQ(ui.Errores().size(), 2u);
    EXPECT_FALSE(ui.Cumplido());
}

TEST(InteraccionGuionada, UnaPreguntaQueNoLlegaQuedaPendiente)
{
    InteraccionGuionada ui;
    ui.EsperarPregunta("¿Nunca?", true);
    EXPECT_EQ(ui.PreguntasPendientes(), 1);
    EXPECT_FALSE(ui.Cumplido());
}

TEST(InteraccionLote, ContestaSegunLaPoliticaYRegistraTodo)
{
    InteraccionLote ui(true);
    ui.FijarRespuesta("¿Salir?", false);
    EXPECT_TRUE(ui.Pregunta("¿Continuar?"));
    EXPECT_FALSE(ui.Pregunta("¿Salir?"));
    ui.Mensaje("Listo");
    ASSERT_EQ(ui.Eventos().size(), 3u);
    EXPECT_TRUE(ui.Eventos()[0].respuesta);
    EXPECT_FALSE(ui.Eventos()[1].respuesta);
    EXPECT_EQ(ui.Eventos()[2].tipo, EventoInteraccion::Tipo::Mensaje);
}

} // namespace
} // namespace vertana
