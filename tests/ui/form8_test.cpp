#include "apoyo/interaccion_guionada.h"
#include "ayuda_dialogos.h"
#include "model/textos.h"
#include "ui/form8.h"

#include <gtest/gtest.h>

namespace vertana {
namespace {

using namespace prueba;

constexpr char Lista[] = "CargasPuntuales";

void Carga(Form8& dialogo, const char* x, const char* y, const char* px, const char* py)
{
    Escribir(dialogo, "TextoX", x);
    Escribir(dialogo, "TextoY", y);
    Escribir(dialogo, "TextoPx", px);
    Escribir(dialogo, "TextoPy", py);
    Pulsar(dialogo, "Agregar");
}

TEST(Form8, CargasLinealesEnOrdenDecrecienteDeX)
{
    Proyecto p;
    ReiniciarProyecto(p);
    InteraccionGuionada ui;
    Form8 dialogo(p, ui);
    Mostrar(dialogo);

    Carga(dialogo, "a", "1", "0", "0");
    EXPECT_EQ(UltimoMensaje(ui).texto, textos::XpNoNumerico);
    Carga(dialogo, "1", "1", "0", " ");
    EXPECT_EQ(UltimoMensaje(ui).texto, textos::PyNoNumerico);
    Carga(dialogo, "12", "20", "-3.5", "10");
    Carga(dialogo, "30", "25", "0", "4.125");
    ASSERT_EQ(Filas(dialogo, Lista), 2);
    EXPECT_EQ(Fila(dialogo, Lista, 0),
              (std::vector<std::string>{"30.00", "25.00", "0.00", "4.13"}));

    Pulsar(dialogo, "FavorLeer");
    EXPECT_EQ(UltimoMensaje(ui).texto, textos::LeerPy);

    Pulsar(dialogo, "Aceptar");
    EXPECT_FALSE(dialogo.isVisible());
    ASSERT_EQ(p.NumeroCargasPuntuales(), 2);
    EXPECT_EQ(p.CargaPuntualX(1), 30.0);
    EXPECT_EQ(p.CargaPuntualPx(2), -3.5);
    EXPECT_DOUBLE_EQ(p.CargaPuntualPy(1), 4.13);
    EXPECT_TRUE(p.CargasPuntualesIntroducidas);
}

} // namespace
} // namespace vertana
