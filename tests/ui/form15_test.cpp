#include "apoyo/interaccion_guionada.h"
#include "ayuda_dialogos.h"
#include "model/textos.h"
#include "ui/form15.h"

#include <gtest/gtest.h>

namespace vertana {
namespace {

using namespace prueba;

TEST(Form15, RechazaNumerosYAceptaTextosYCuadrosVacios)
{
    Proyecto p;
    ReiniciarProyecto(p);
    InteraccionGuionada ui;
    Form15 dialogo(p, ui);
    Mostrar(dialogo);
    EXPECT_EQ(Leer(dialogo, "TextoFechaProyecto"), "31 / 12 / 2015");
    EXPECT_EQ(Leer(dialogo, "TextoEmpresa"), "Dravenca");

    const Proyecto antes = p;
    Escribir(dialogo, "TextoFechaProyecto", "2015");
    Pulsar(dialogo, "Aceptar");
    EXPECT_EQ(UltimoMensaje(ui).texto, textos::FechaNumerica);
    EXPECT_EQ(UltimoMensaje(ui).titulo, textos::TituloFechaProyecto);
    EXPECT_EQ(p, antes);

    EXPECT_EQ(ValidarForm15({"1001", "", "", "", ""}),
              (Fallo{textos::ProgresivaInicialNumerica, textos::TituloProgresivaInicial}));
    EXPECT_EQ(ValidarForm15({"", "", "", " 3.5 ", ""}),
              (Fallo{textos::NombreIngNumerico, textos::TituloNombreIng}));
    EXPECT_EQ(ValidarForm15({"", "", "", "", "7"}), (Fallo{textos::EmpresaNumerica, ""}));

    Escribir(dialogo, "TextoFechaProyecto", "31 / 12 / 2015");
    Escribir(dialogo, "TextoProgresivaInicial", "1+001.00");
    Escribir(dialogo, "TextoEmpresa", "");
    Pulsar(dialogo, "Aceptar");
    EXPECT_FALSE(dialogo.isVisible());
    EXPECT_EQ(p.ProgresivaInicial, "1+001.00");
    EXPECT_EQ(p.Empresa, "");
    EXPECT_TRUE(p.InformacionIntroducida);
    EXPECT_FALSE(p.DatosGuardados);
}

TEST(Form15, SalirNoGuarda)
{
    Proyecto p;
    ReiniciarProyecto(p);
    InteraccionGuionada ui;
    Form15 dialogo(p, ui);
    Mostrar(dialogo);
    Escribir(dialogo, "TextoIngResponsable", "Otra persona");
    Pulsar(dialogo, "Cancelar");
    EXPECT_EQ(p.IngResponsable, "Dravenca");
    EXPECT_FALSE(p.InformacionIntroducida);
}

} // namespace
} // namespace vertana
