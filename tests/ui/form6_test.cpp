#include "apoyo/interaccion_guionada.h"
#include "ayuda_dialogos.h"
#include "model/textos.h"
#include "ui/form6.h"

#include <QLabel>
#include <QListWidget>
#include <algorithm>
#include <gtest/gtest.h>

namespace vertana {
namespace {

using namespace prueba;

Proyecto ProyectoDeSeisPuntos()
{
    Proyecto p;
    ReiniciarProyecto(p);
    RedimensionarConjunto(p.AbscisasFalla, p.OrdenadasFalla, 6);
    for (int i = 1; i <= 6; ++i) {
        p.AbscisasFalla(i) = 60 - 10 * i;
        p.OrdenadasFalla(i) = 20 - 2 * i;
    }
    return p;
}

void Union(Form6& dialogo, const char* inicial, const char* final_, const char* tipo,
           const char* boton = "Agregar")
{
    Escribir(dialogo, "TextoPuntoI", inicial);
    Escribir(dialogo, "TextoPuntoF", final_);
    Escribir(dialogo, "TextoTipoG", tipo);
    Pulsar(dialogo, boton);
}

TEST(Form6, ComprobacionesDeAgregarEnSuOrden)
{
    const std::vector<UnionFalla> vacia;
    const std::vector<UnionFalla> primera = {{1, 2, TipoUnion::Recta}};
    InteraccionGuionada ui;
    auto rechazo = [&ui](const std::vector<UnionFalla>& lista, const char* i, const char* f,
                         const char* t) {
        const ResultadoUnion r = ComprobarUnion(lista, -1, i, f, t, 6, ui);
        return r.fallo ? r.fallo->texto : std::string("(aceptada)");
    };
    EXPECT_EQ(rechazo(vacia, "a", "2", "L"), textos::PuntosNoNumericos);
    EXPECT_EQ(rechazo(vacia, "1", "2", "X"), textos::TipoDeUnionInvalido);
    EXPECT_EQ(rechazo(vacia, "6", "7", "L"), textos::PuntoInicialDemasiadoGrande);
    EXPECT_EQ(rechazo(vacia, "5", "7", "P"), textos::PuntoFinalDemasiadoGrande);
    EXPECT_EQ(rechazo(vacia, "3", "3", "L"), textos::PuntoFinalNoMayor);
    EXPECT_EQ(rechazo(vacia, "1.5", "2", "L"), textos::PuntoInicialNoEntero);
    EXPECT_EQ(rechazo(vacia, "1", "2.5", "L"), textos::PuntoFinalNoEntero);
    EXPECT_EQ(rechazo(vacia, "1", "2", "p"), textos::PolinomioEntreConsecutivos);
    EXPECT_EQ(rechazo(vacia, "1", "3", "c"), textos::CirculoNoConsecutivo);
    EXPECT_EQ(rechazo(vacia, "1", "3", "L"), textos::RectaNoConsecutiva);
    EXPECT_EQ(rechazo(vacia, "2", "3", "L"), textos::PrimerPuntoNoEsUno);
    EXPECT_EQ(rechazo(primera, "3", "4", "L"), textos::SinCoincidenciaConPuntoFinal);
    EXPECT_EQ(rechazo(primera, "1", "2", "C"), textos::UnionYaComienzaEnElPunto);
    EXPECT_EQ(rechazo(primera, "2", "4", "P"), "(aceptada)");
    // El consejo sobre los círculos se da y la orden sigue.
    const std::vector<std::string> mensajes = ui.Mensajes();
    const auto consejos =
        std::count(mensajes.begin(), mensajes.end(), std::string(textos::ConsejoCirculos));
    EXPECT_EQ(consejos, 2);
}

TEST(Form6, CadenaDeUnionesEnSeisPuntos)
{
    Proyecto p = ProyectoDeSeisPuntos();
    InteraccionGuionada ui;
    Form6 dialogo(p, ui);
    Mostrar(dialogo);
    EXPECT_EQ(Control<QLabel>(dialogo, "TextoTotalCoordenadasDeFalla")->text(), "6");
    EXPECT_EQ(Control<QListWidget>(dialogo, "PtoDeCoordenada")->count(), 6);

    Union(dialogo, "1", "3", "L");
    EXPECT_EQ(UltimoMensaje(ui).texto, textos::RectaNoConsecutiva);
    EXPECT_EQ(Filas(dialogo, "GeometríaDeFalla"), 0);

    Union(dialogo, "1", "2", "l");
    Union(dialogo, "2", "5", "P");
    // Con el último punto final en 5, Aceptar no guarda.
    Pulsar(dialogo, "Aceptar");
    EXPECT_EQ(UltimoMensaje(ui).texto, textos::PuntoFinalDistintoDelTotal);
    EXPECT_FALSE(p.TiposDeFallaDefinidos);
    EXPECT_TRUE(dialogo.isVisible());

    Union(dialogo, "5", "6", "C");
    EXPECT_EQ(UltimoMensaje(ui).texto, textos::ConsejoCirculos);
    EXPECT_EQ(dialogo.UltimoPuntoFinal(), 6);
    EXPECT_EQ(Fila(dialogo, "GeometríaDeFalla", 0), (std::vector<std::string>{"1", "2", "L"}));
    EXPECT_EQ(Fila(dialogo, "GeometríaDeFalla", 2), (std::vector<std::string>{"5", "6", "C"}));

    // Quitar el tramo del medio deja un hueco aunque el último punto final sea 6.
    PulsarFila(dialogo, "GeometríaDeFalla", 1);
    EXPECT_EQ(Leer(dialogo, "TextoPuntoI"), "2");
    Pulsar(dialogo, "Borrar");
    Pulsar(dialogo, "Aceptar");
    EXPECT_EQ(UltimoMensaje(ui).texto, textos::PuntoFinalDistintoDelTotal);
    EXPECT_FALSE(p.TiposDeFallaDefinidos);
    // Vuelve a su lugar en la cadena.
    Union(dialogo, "2", "5", "P");
    EXPECT_EQ(Fila(dialogo, "GeometríaDeFalla", 1), (std::vector<std::string>{"2", "5", "P"}));

    Pulsar(dialogo, "Aceptar");
    EXPECT_FALSE(dialogo.isVisible());
    ASSERT_EQ(p.NumeroTiposDeFalla, 3);
    EXPECT_EQ(p.PuntoInicialTipoFalla(2), 2);
    EXPECT_EQ(p.PuntoFinalTipoFalla(2), 5);
    EXPECT_EQ(p.TipoDeFalla(1), TipoUnion::Recta);
    EXPECT_EQ(p.TipoDeFalla(2), TipoUnion::Polinomica);
    EXPECT_EQ(p.TipoDeFalla(3), TipoUnion::Circular);
    EXPECT_TRUE(p.TiposDeFallaDefinidos);
    EXPECT_FALSE(p.DatosGuardados);
    EXPECT_TRUE(ui.Cumplido());
}

TEST(Form6, ModificarReemplazaLaFilaPulsadaYUnRechazoLaConserva)
{
    Proyecto p = ProyectoDeSeisPuntos();
    p.NumeroTiposDeFalla = 3;
    p.PuntoInicialTipoFalla = TablaDe<double>({1, 2, 5});
    p.PuntoFinalTipoFalla = TablaDe<double>({2, 5, 6});
    p.TipoDeFalla = TablaDe<TipoUnion>({TipoUnion::Recta, TipoUnion::Polinomica, TipoUnion::Recta});
    p.TiposDeFallaDefinidos = true;
    InteraccionGuionada ui;
    Form6 dialogo(p, ui);
    Mostrar(dialogo);
    ASSERT_EQ(Filas(dialogo, "GeometríaDeFalla"), 3);
    EXPECT_EQ(dialogo.UltimoPuntoFinal(), 6);

    PulsarFila(dialogo, "GeometríaDeFalla", 1);
    Union(dialogo, "3", "5", "P", "Modificar"); // no nace donde termina la fila anterior
    EXPECT_EQ(UltimoMensaje(ui).texto, textos::SinCoincidenciaConPuntoFinal);
    EXPECT_EQ(Fila(dialogo, "GeometríaDeFalla", 1), (std::vector<std::string>{"2", "5", "P"}));

    PulsarFila(dialogo, "GeometríaDeFalla", 2);
    Union(dialogo, "5", "6", "C", "Modificar");
    EXPECT_EQ(Fila(dialogo, "GeometríaDeFalla", 2), (std::vector<std::string>{"5", "6", "C"}));
    EXPECT_EQ(Filas(dialogo, "GeometríaDeFalla"), 3);

    // Salir con uniones pregunta; Sí deja el diálogo abierto, No lo cierra sin guardar.
    ui.EsperarPregunta(textos::PreguntaArchivarUniones, true);
    Pulsar(dialogo, "Cancelar");
    EXPECT_TRUE(dialogo.isVisible());
    ui.EsperarPregunta(textos::PreguntaArchivarUniones, false);
    Pulsar(dialogo, "Cancelar");
    EXPECT_FALSE(dialogo.isVisible());
    EXPECT_EQ(p.TipoDeFalla(3), TipoUnion::Recta);
    EXPECT_TRUE(ui.Cumplido());
}

} // namespace
} // namespace vertana
