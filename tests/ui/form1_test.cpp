#include "model/interaccion.h"
#include "model/textos.h"
#include "ui/form1.h"

#include <gtest/gtest.h>

namespace vertana {
namespace {

TEST(Form1, ArrancaConUnProyectoNuevo)
{
    Proyecto p;
    p.NumeroCoordenadasTalud = 3; // restos que el arranque debe borrar
    p.AbscisasTalud.Redimensionar(3);
    p.DatosGuardados = false;
    InteraccionGuionada ui;
    Form1 ventana(p, ui);
    EXPECT_EQ(ventana.windowTitle().toStdString(), "[Nuevo proyecto] - Vertana");
    EXPECT_EQ(p.NumeroCoordenadasTalud, 0);
    EXPECT_TRUE(ProyectoGuardado(p));
    EXPECT_EQ(p.ProgresivaInicial, textos::ProgresivaInicialNueva);
}

} // namespace
} // namespace vertana
