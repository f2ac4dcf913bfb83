#include "model/interaccion.h"
#include "model/textos.h"
#include "ui/condiciones_menu.h"

#include <gtest/gtest.h>

namespace vertana {
namespace {

TEST(CondicionesMenu, DialogosDeDatos)
{
    Proyecto p;
    ReiniciarProyecto(p);
    InteraccionGuionada ui;
    EXPECT_FALSE(PuedeAbrirForm6(p, ui));
    EXPECT_FALSE(PuedeAbrirForm2(p, ui));
    EXPECT_FALSE(PuedeAbrirForm5(p, ui));
    ASSERT_EQ(ui.Eventos().size(), 3u);
    EXPECT_EQ(ui.Eventos()[0].texto, textos::FaltanCoordenadasSuperficieFalla);
    EXPECT_EQ(ui.Eventos()[0].titulo, textos::TituloCoordenadasSuperficieFalla);
    EXPECT_EQ(ui.Eventos()[1].texto, textos::FaltanFallaYUniones);
    EXPECT_EQ(ui.Eventos()[2].titulo, textos::TituloCaracteristicasDeEstratos);

    p.NumeroCoordenadasFalla = 2;
    EXPECT_TRUE(PuedeAbrirForm6(p, ui));
    EXPECT_FALSE(PuedeAbrirForm2(p, ui)); // faltan las uniones
    p.TiposDeFallaDefinidos = true;
    EXPECT_TRUE(PuedeAbrirForm2(p, ui));

    p.NumeroDeEstratos = 1;
    EXPECT_FALSE(PuedeAbrirForm5(p, ui)); // faltan los parámetros de cálculo
    p.ParametrosIntroducidos = true;
    EXPECT_TRUE(PuedeAbrirForm5(p, ui));
    p.SueloRoca = "R";
    EXPECT_FALSE(PuedeAbrirForm5(p, ui));
    EXPECT_EQ(ui.Eventos().back().texto, textos::SeleccionoRocas);
    EXPECT_EQ(ui.Eventos().back().titulo, textos::TituloOpcionParaSuelos);
}

} // namespace
} // namespace vertana
