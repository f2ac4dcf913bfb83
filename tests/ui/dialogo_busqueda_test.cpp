// "Búsqueda de la superficie crítica": lectura de los cuadros, la búsqueda en otro hilo con su
// avance, la cancelación y la adopción de la superficie desde la ventana principal. El factor
// hallado se compara con el publicado de ACADS 1(a) (tests/datos/busqueda/FUENTES.md: Bishop
// 0.987 de otros programas, referencia 1.00).
#include "apoyo/interaccion_guionada.h"
#include "ayuda_dialogos.h"
#include "calculo/busqueda_ajustes.h"
#include "io/archivo_proyecto.h"
#include "model/numeros.h"
#include "model/textos.h"
#include "proyectos_de_prueba.h"
#include "ui/dialogo_busqueda.h"
#include "ui/vista_seccion.h"
#include "ventana_de_prueba.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <gtest/gtest.h>

#include <filesystem>

namespace vertana {
namespace {

using namespace prueba;

constexpr int EsperaBusqueda = 60000; // ms: una búsqueda pequeña, incluso con la máquina cargada
constexpr double PublicadoAcads1a = 0.987; // Bishop, el menor publicado
constexpr double Holgura = 0.01;

std::string RutaAcads1a()
{
    return std::string(VERTANA_DATOS_PRUEBA) + "/busqueda/acads_1a.cod";
}

Proyecto Acads1a()
{
    return prueba::Leido(RutaAcads1a());
}

// Una rejilla pequeña sobre la cara del talud de ACADS 1(a).
void RejillaPequena(QWidget& d)
{
    Escribir(d, "TextoRejillaXMín", "20");
    Escribir(d, "TextoRejillaXMáx", "50");
    Escribir(d, "TextoRejillaNX", "7");
    Escribir(d, "TextoRejillaYMín", "36");
    Escribir(d, "TextoRejillaYMáx", "60");
    Escribir(d, "TextoRejillaNY", "7");
    Escribir(d, "TextoRadios", "8");
}

bool EsperarFin(DialogoBusqueda& d)
{
    return QTest::qWaitFor([&] { return !d.Buscando(); }, EsperaBusqueda);
}

TEST(DialogoBusqueda, LecturaDeLosCuadros)
{
    const AjustesBusqueda base = AjustesPorOmision(Acads1a());
    // Los cuadros de unos ajustes se leen como esos ajustes.
    LecturaBusqueda l = LeerEntradaBusqueda(EntradaDeAjustes(base), AjustesBusqueda{});
    ASSERT_FALSE(l.fallo);
    EXPECT_TRUE(l.ajustes == base);

    auto fallo = [&](auto cambiar) {
        EntradaBusqueda e = EntradaDeAjustes(base);
        cambiar(e);
        const LecturaBusqueda r = LeerEntradaBusqueda(e, base);
        if (r.fallo) {
            EXPECT_EQ(r.fallo->titulo, textos::TituloBusqueda);
        }
        return r.fallo ? r.fallo->texto : std::string();
    };
    EXPECT_EQ(fallo([](EntradaBusqueda& e) { e.XMin = "a"; }),
              "Debe introducir un número en x inicial de la rejilla");
    EXPECT_EQ(fallo([](EntradaBusqueda& e) { e.NX = "2.5"; }),
              "Debe introducir un número entero mayor que cero en puntos de la rejilla en x");
    EXPECT_EQ(fallo([](EntradaBusqueda& e) { e.Radios = "0"; }),
              "Debe introducir un número entero mayor que cero en círculos por centro");
    EXPECT_EQ(fallo([](EntradaBusqueda& e) { e.UsarRejilla = false; }),
              textos::BusquedaSinDefinicion);
    EXPECT_EQ(fallo([](EntradaBusqueda& e) { e.TangenteYMin = "20"; }),
              textos::BusquedaTangentesNoValidas);
    EXPECT_EQ(fallo([](EntradaBusqueda& e) {
                  e.Metodo = 3; // Spencer
                  e.NoCircular = true;
                  e.Vertices = "2";
              }),
              textos::BusquedaVerticesFuera);
    EXPECT_EQ(fallo([](EntradaBusqueda& e) { e.ProfundidadMinima = "-1"; }),
              textos::BusquedaLimitesNegativos);
    // Lo que no se usa no se comprueba: una rejilla apagada, las tangentes con punto de paso, la
    // poligonal con Bishop.
    EXPECT_EQ(fallo([](EntradaBusqueda& e) {
                  e.UsarEntradaSalida = true;
                  e.UsarRejilla = false;
                  e.XMin = "a";
              }),
              "");
    EXPECT_EQ(fallo([](EntradaBusqueda& e) {
                  e.PorPunto = true;
                  e.TangenteYMin = "x";
              }),
              "");
    EntradaBusqueda e = EntradaDeAjustes(base);
    e.NoCircular = true; // Bishop
    EXPECT_FALSE(LeerEntradaBusqueda(e, base).ajustes.Opciones.NoCircular);
}

// La búsqueda corre fuera del hilo de la ventana: tras Buscar el diálogo sigue atendiendo (el
// avance se lee con el temporizador) y al terminar muestra el factor, que es el de la búsqueda
// directa con las mismas opciones y está dentro del 1 % del publicado.
TEST(DialogoBusqueda, BuscaEnOtroHiloYMuestraElResultado)
{
    const Proyecto p = Acads1a();
    InteraccionGuionada ui;
    DialogoBusqueda d(p, ui, AjustesPorOmision(p));
    std::shared_ptr<const BusquedaEnVista> terminada;
    d.AlTerminar = [&](std::shared_ptr<const BusquedaEnVista> b) { terminada = std::move(b); };
    Mostrar(d);
    RejillaPequena(d);
    Pulsar(d, "BotónBuscar");
    EXPECT_TRUE(d.Buscando());
    EXPECT_FALSE(Control<QPushButton>(d, "BotónBuscar")->isEnabled());
    EXPECT_TRUE(Control<QPushButton>(d, "BotónCancelarBúsqueda")->isEnabled());
    EXPECT_FALSE(Control<QGroupBox>(d, "GrupoRejilla")->isEnabled());
    ASSERT_TRUE(EsperarFin(d));

    ASSERT_TRUE(d.Resultado());
    const ResultadoBusqueda& r = *d.Resultado();
    ASSERT_EQ(r.Estado, EstadoBusqueda::Hallada) << r.Mensaje;
    EXPECT_EQ(r.FactorSeguridad,
              BuscarSuperficieCritica(p, d.Ajustes().ParaBuscar()).FactorSeguridad);
    EXPECT_LE(r.FactorSeguridad, PublicadoAcads1a * (1.0 + Holgura));
    EXPECT_EQ(d.Ajustes().Rejilla, (RejillaCentros{20.0, 50.0, 7, 36.0, 60.0, 7}));
    const std::string texto = Control<QLabel>(d, "EtiquetaResultado")->text().toStdString();
    EXPECT_EQ(texto.rfind("FS = " + Formato(r.FactorSeguridad, "#0.000") + " (Bishop): círculo", 0),
              0u)
        << texto;
    EXPECT_EQ(Control<QProgressBar>(d, "BarraAvance")->value(),
              Control<QProgressBar>(d, "BarraAvance")->maximum());
    EXPECT_TRUE(Control<QPushButton>(d, "BotónAdoptar")->isEnabled());
    ASSERT_TRUE(terminada);
    EXPECT_EQ(terminada->dibujo.resultado.FactorSeguridad, r.FactorSeguridad);
    EXPECT_EQ(terminada->dibujo.resultado.Mapa.size(), 49u);
    EXPECT_TRUE(terminada->alBuscar == p);
    EXPECT_TRUE(ui.Mensajes().empty());
}

// Cancelar detiene la búsqueda: no hay superficie, nada se dibuja ni se adopta y el proyecto
// queda como estaba. Un dato que no es un número no deja buscar.
TEST(DialogoBusqueda, CancelarNoCambiaElProyecto)
{
    const Proyecto original = Acads1a();
    Proyecto p = original;
    InteraccionGuionada ui;
    DialogoBusqueda d(p, ui, AjustesPorOmision(p));
    bool dibujada = false;
    d.AlTerminar = [&](std::shared_ptr<const BusquedaEnVista>) { dibujada = true; };
    Mostrar(d);

    Escribir(d, "TextoRejillaXMín", "veinte");
    Pulsar(d, "BotónBuscar");
    EXPECT_FALSE(d.Buscando());
    EXPECT_EQ(UltimoMensaje(ui).texto, "Debe introducir un número en x inicial de la rejilla");
    EXPECT_EQ(UltimoMensaje(ui).titulo, textos::TituloBusqueda);

    // 60 × 60 centros con 60 radios: más de 200 000 ensayos.
    RejillaPequena(d);
    Escribir(d, "TextoRejillaNX", "60");
    Escribir(d, "TextoRejillaNY", "60");
    Escribir(d, "TextoRadios", "60");
    Pulsar(d, "BotónBuscar");
    ASSERT_TRUE(d.Buscando());
    Pulsar(d, "BotónCancelarBúsqueda");
    ASSERT_TRUE(EsperarFin(d));
    ASSERT_TRUE(d.Resultado());
    EXPECT_EQ(d.Resultado()->Estado, EstadoBusqueda::Cancelada);
    EXPECT_EQ(Control<QLabel>(d, "EtiquetaAvance")->text().toStdString(),
              textos::BusquedaCancelada);
    EXPECT_FALSE(Control<QPushButton>(d, "BotónAdoptar")->isEnabled());
    EXPECT_TRUE(Control<QPushButton>(d, "BotónBuscar")->isEnabled());
    EXPECT_FALSE(dibujada);
    EXPECT_FALSE(d.SuperficieAdoptada());
    EXPECT_TRUE(p == original);

    // Cerrar el diálogo durante una búsqueda también la cancela.
    Pulsar(d, "BotónBuscar");
    ASSERT_TRUE(d.Buscando());
    Pulsar(d, "BotónCerrar");
    EXPECT_FALSE(d.Buscando());
    EXPECT_FALSE(d.isVisible());
    EXPECT_TRUE(p == original);
}

// Desde la ventana: el menú abre el diálogo con los ajustes de partida, la búsqueda se dibuja en
// la vista de la sección, los ajustes quedan junto al archivo del proyecto y adoptar la
// superficie la calcula con Bishop: el factor del cálculo es el de la búsqueda.
struct VentanaBusqueda : VentanaDePrueba {
    CarpetaTemporal carpeta;
    std::string ruta;
    void SetUp() override
    {
        ruta = carpeta.Ruta("acads_1a.cod");
        std::filesystem::copy_file(RutaAcads1a(), ruta);
        ventana.ElegirArchivoAbrir = [this] { return ruta; };
        Menu("MenúArchivoAbrir");
    }
};

TEST_F(VentanaBusqueda, AdoptarLaSuperficieCriticaYCalcular)
{
    ASSERT_EQ(p.NumeroCoordenadasTalud(), 4);
    std::optional<ResultadoBusqueda> hallada;
    QTimer::singleShot(0, [&] {
        auto* d = dynamic_cast<DialogoBusqueda*>(QApplication::activeModalWidget());
        ASSERT_NE(d, nullptr);
        // Los ajustes de partida de la sección.
        EXPECT_EQ(Leer(*d, "TextoRejillaXMín"), "30");
        EXPECT_EQ(Leer(*d, "TextoRejillaYMáx"), "55");
        EXPECT_EQ(Control<QComboBox>(*d, "ListaMétodo")->currentText().toStdString(), "Bishop");
        RejillaPequena(*d);
        prueba::Pulsar(*d, "BotónBuscar");
        ASSERT_TRUE(EsperarFin(*d));
        hallada = d->Resultado();
        EXPECT_TRUE(ventana.Vista().ConBusqueda());
        prueba::Pulsar(*d, "BotónAdoptar");
    });
    ui.EsperarPregunta(textos::PreguntaDesembalseRapido, false);
    Menu("MenúBúsquedaSuperficieCrítica");
    ASSERT_TRUE(hallada);
    ASSERT_EQ(hallada->Estado, EstadoBusqueda::Hallada);
    EXPECT_TRUE(ui.Cumplido()) << (ui.Errores().empty() ? "" : ui.Errores().front());

    // La superficie del proyecto es la crítica y Bishop da su factor.
    ASSERT_EQ(p.NumeroCoordenadasFalla(), 2);
    EXPECT_EQ(p.AbscisasFalla(1), hallada->Critica.Puntos[0].x);
    EXPECT_EQ(p.OrdenadasFalla(2), hallada->Critica.Puntos[1].y);
    EXPECT_EQ(p.RadioCirculoFalla, hallada->Critica.Radio);
    EXPECT_EQ(p.TipoDeFalla(1), TipoUnion::Circular);
    ASSERT_TRUE(ventana.UltimoCalculo());
    ASSERT_TRUE(ventana.UltimoCalculo()->FactorSeguridad);
    EXPECT_EQ(*ventana.UltimoCalculo()->FactorSeguridad, hallada->FactorSeguridad);
    EXPECT_TRUE(p.HayResultados);
    // La vista sigue mostrando la búsqueda: la sección no cambió.
    EXPECT_TRUE(ventana.Vista().ConBusqueda());

    // Los ajustes quedaron junto al proyecto y vuelven al abrir el diálogo otra vez.
    const auto guardados = LeerArchivoAjustesBusqueda(RutaAjustesBusqueda(ruta), AjustesBusqueda{});
    ASSERT_TRUE(guardados);
    EXPECT_EQ(guardados->Rejilla.NX, 7);
    QTimer::singleShot(0, [&] {
        auto* d = dynamic_cast<DialogoBusqueda*>(QApplication::activeModalWidget());
        ASSERT_NE(d, nullptr);
        EXPECT_EQ(Leer(*d, "TextoRejillaNX"), "7");
        prueba::Pulsar(*d, "BotónCerrar");
    });
    Menu("MenúBúsquedaSuperficieCrítica");

    // Otro talud: la búsqueda deja de dibujarse.
    p.OrdenadasTalud(1) += 1.0;
    EXPECT_FALSE(ventana.Vista().ConBusqueda());
}

} // namespace
} // namespace vertana
