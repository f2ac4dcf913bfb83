// El contraste con Spencer y Morgenstern-Price desde el menú, las filas de su diálogo, la casilla
// "Valores de partida automáticos" de Form2 y el cálculo que la usa, los ht cambiados en Form17
// entre pasadas de Janbu y el diálogo del centro de momentos de una superficie compuesta.
#include "ayuda_dialogos.h"
#include "calculo/calculo.h"
#include "calculo/marco_relativo.h"
#include "model/textos.h"
#include "proyectos_de_prueba.h"
#include "ui/dialogo_centro.h"
#include "ui/dialogo_contraste.h"
#include "ui/form17.h"
#include "ui/form2.h"
#include "ventana_de_prueba.h"

#include <QApplication>
#include <QCheckBox>
#include <QTimer>
#include <cmath>
#include <functional>
#include <string>
#include <vector>

namespace vertana {
namespace {

using namespace prueba;

ResultadoRiguroso Riguroso(MetodoRiguroso metodo, std::optional<double> F, double lambda)
{
    ResultadoRiguroso r;
    r.Metodo = metodo;
    r.Estado = F ? EstadoDelCalculo::Convergido : EstadoDelCalculo::Limite;
    r.FactorSeguridad = F;
    r.Lambda = lambda;
    if (!F) r.Mensaje = textos::RigurosoSinConvergencia;
    return r;
}

// El método elegido con su factor guardado y la diferencia relativa de cada riguroso; sin
// resultados del elegido no hay diferencia; sin solución rigurosa, la fila lo dice y la razón va
// en las notas.
TEST(DialogoContraste, FilasConElMetodoElegidoYLasDiferencias)
{
    Proyecto p;
    ReiniciarProyecto(p);
    p.MetodoDeCalculo = Metodo::Janbu;
    p.HayResultados = true;
    p.HistoriaFS = TablaDe<double>({1.5, 2.0});
    p.NumeroIteraciones = 2;
    const std::vector<ResultadoRiguroso> r = {Riguroso(MetodoRiguroso::Spencer, 2.05, 0.25),
                                              Riguroso(MetodoRiguroso::MorgensternPrice, {}, 0)};
    EXPECT_EQ(
        FilasDelContraste(p, r),
        (std::vector<FilaContraste>{{"Elegido: Janbu", "2.000", "", ""},
                                    {"Spencer", "2.050", "0.250", "2.5 %"},
                                    {"Morgenstern-Price (medio seno)", "sin solución", "", ""}}));
    EXPECT_NE(NotasDelContraste(r).find(textos::RigurosoSinConvergencia), std::string::npos);
    p.HayResultados = false;
    EXPECT_EQ(FilasDelContraste(p, r)[0].Factor, textos::SinResultadosContraste);
    EXPECT_EQ(FilasDelContraste(p, r)[1].Diferencia, "");
}

// Desde el menú, tras Janbu sobre el caso 1 de Fredlund y Krahn: las mismas preguntas que un
// método y el diálogo con las tres filas, Spencer a menos del 1 % del publicado (2.073).
TEST_F(VentanaDePrueba, ContrasteDesdeElMenuTrasJanbu)
{
    ventana.ElegirArchivoAbrir = [] {
        return std::string(VERTANA_DATOS_PRUEBA) + "/clasicos/fredlund_krahn_1977_caso1.cod";
    };
    Menu("MenúArchivoAbrir");
    p.MetodoDeCalculo = Metodo::Janbu;
    ui.EsperarPregunta(textos::PreguntaDesembalseRapido, false);
    Menu("MétodoJanbu");
    ASSERT_TRUE(p.HayResultados);
    ui.EsperarPregunta(textos::PreguntaDesembalseRapido, false)
        .EsperarPregunta(textos::PreguntaPrimeraVezCalculo, false);
    std::vector<std::string> filas;
    QTimer::singleShot(0, [&] {
        auto* dialogo = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialogo, nullptr);
        auto* lista = Control<QTreeWidget>(*dialogo, "ListaContraste");
        for (int i = 0; i < lista->topLevelItemCount(); ++i)
            filas.push_back(Celda(lista, i, 0) + "|" + Celda(lista, i, 1));
        prueba::Pulsar(*dialogo, "BotónAceptar");
    });
    Menu("MenúContrasteRiguroso");
    EXPECT_TRUE(ui.Cumplido()) << (ui.Errores().empty() ? "" : ui.Errores().front());
    ASSERT_EQ(filas.size(), 3u);
    EXPECT_EQ(filas[0].rfind("Elegido: Janbu|2.07", 0), 0u) << filas[0];
    const double spencer = std::stod(filas[1].substr(filas[1].find('|') + 1));
    EXPECT_NEAR(spencer, 2.073, 0.01 * 2.073);
}

// Con la casilla marcada, los cuadros de los valores de partida no se piden ni se usan, y la
// opción queda en el estado del cálculo al aceptar; Form2 sin opción enlazada no la muestra.
TEST(Form2PartidaAutomatica, CasillaEnlazadaConLaOpcionDeLaSesion)
{
    Proyecto p;
    ReiniciarProyecto(p);
    p.AbscisasTalud = TablaDe<double>({60, 40, 20, 0});
    p.OrdenadasTalud = TablaDe<double>({20, 20, 10, 10});
    p.AbscisasFalla = TablaDe<double>({45, 15});
    p.OrdenadasFalla = TablaDe<double>({20, 10});
    p.NumeroTiposDeFalla = 1;
    p.PuntoInicialTipoFalla = TablaDe<double>({1});
    p.PuntoFinalTipoFalla = TablaDe<double>({2});
    p.TipoDeFalla = TablaDe<TipoUnion>({TipoUnion::Recta});
    p.TiposDeFallaDefinidos = true;
    InteraccionGuionada ui;
    {
        Form2 sinOpcion(p, ui);
        Mostrar(sinOpcion);
        EXPECT_FALSE(Control<QCheckBox>(sinOpcion, "CasillaPartidaAutomática")->isVisible());
    }
    bool opcion = false;
    Form2 dialogo(p, ui);
    dialogo.EnlazarPartidaAutomatica(&opcion);
    Mostrar(dialogo);
    auto* casilla = Control<QCheckBox>(dialogo, "CasillaPartidaAutomática");
    ASSERT_TRUE(casilla->isVisible());
    EXPECT_EQ(casilla->text().toStdString(), "Valores de partida automáticos");
    Escribir(dialogo, "TextoSueloRoca", "S");
    Escribir(dialogo, "TextoMétodoDeCálculo", "1");
    for (const char* cuadro :
         {"TextoCoeficienteSísmicoHorizontal", "TextoCoeficienteSísmicoVertical",
          "TextoAbscisaPrimerPuntoGrieta", "TextoOrdenadaPrimerPuntoGrieta",
          "TextoAbscisaSegundoPuntoGrieta", "TextoOrdenadaSegundoPuntoGrieta",
          "TextoAbscisaNivelFreáticoGrieta", "TextoOrdenadaNivelFreáticoGrieta"})
        Escribir(dialogo, cuadro, "0");
    Escribir(dialogo, "TextoNúmeroDovelas", "30");
    // Sin la casilla, µ1 en blanco se rechaza.
    ui.EsperarPregunta(textos::PreguntaLeshchinskyCohesivos, true);
    Pulsar(dialogo, "Aceptar");
    EXPECT_EQ(ui.Mensajes().back(), textos::PrimerMultiplicadorNoNumerico);
    EXPECT_FALSE(p.ParametrosIntroducidos);
    casilla->setChecked(true);
    EXPECT_FALSE(Control<QLineEdit>(dialogo, "TextoMultiplicadorLagrange1")->isEnabled());
    ui.EsperarPregunta(textos::PreguntaLeshchinskyCohesivos, true);
    Pulsar(dialogo, "Aceptar");
    EXPECT_TRUE(ui.Cumplido());
    EXPECT_TRUE(p.ParametrosIntroducidos);
    EXPECT_TRUE(opcion);
    // Al abrirlo otra vez la casilla refleja la opción.
    opcion = false;
    Form2 otra(p, ui);
    otra.EnlazarPartidaAutomatica(&opcion);
    Mostrar(otra);
    EXPECT_FALSE(Control<QCheckBox>(otra, "CasillaPartidaAutomática")->isChecked());
}

// La ventana con un problema clásico abierto; `MenuConDialogo` hace lo pedido en el diálogo
// modal que abre el menú.
struct VentanaConClasico : VentanaDePrueba {
    void Abrir(const char* archivo)
    {
        ventana.ElegirArchivoAbrir = [archivo] {
            return std::string(VERTANA_DATOS_PRUEBA) + "/clasicos/" + archivo;
        };
        Menu("MenúArchivoAbrir");
    }
    void MenuConDialogo(const char* elemento, std::function<void(QDialog&)> enElDialogo)
    {
        bool visto = false;
        QTimer::singleShot(0, [&] {
            auto* dialogo = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialogo, nullptr) << elemento;
            visto = true;
            enElDialogo(*dialogo);
            if (dialogo->isVisible()) dialogo->done(QDialog::Rejected);
        });
        Menu(elemento);
        EXPECT_TRUE(visto) << elemento;
    }
};

// Con la casilla marcada en los parámetros de cálculo, el método 1 desde el menú no pide los
// valores de partida ni muestra form9, y termina con su mensaje cerca del valor riguroso
// publicado del caso 1 de Fredlund y Krahn (Spencer 2.073, tabla 2 de su artículo de 1977).
TEST_F(VentanaConClasico, PartidaAutomaticaDesdeLosParametrosDeCalculo)
{
    Abrir("fredlund_krahn_1977_caso1.cod");
    ui.EsperarPregunta(textos::PreguntaLeshchinskyCohesivos, true);
    MenuConDialogo("MenúArchivoConstantes", [&](QDialog& d) {
        Escribir(d, "TextoMétodoDeCálculo", "1");
        for (const char* cuadro : {"TextoMultiplicadorLagrange1", "TextoMultiplicadorLagrange2",
                                   "TextoFSInicial", "TextoEsfuerzoInicialCresta"})
            Escribir(d, cuadro, "");
        Control<QCheckBox>(d, "CasillaPartidaAutomática")->setChecked(true);
        prueba::Pulsar(d, "Aceptar");
    });
    ASSERT_TRUE(ui.Cumplido()) << (ui.Errores().empty() ? "" : ui.Errores().front());
    ASSERT_EQ(p.MetodoDeCalculo, Metodo::Variacional);
    int pasosMostrados = 0;
    ui.AlAbrirResultadosDeLasIteraciones([&](const Proyecto&, const SumasDeLaIteracion&) {
        ++pasosMostrados;
        return DecisionIteracion::Seguir;
    });
    ui.EsperarPregunta(textos::PreguntaDesembalseRapido, false);
    Menu("ProcesoIterativoEnSuelos");
    EXPECT_TRUE(ui.Cumplido()) << UltimoMensaje();
    ASSERT_TRUE(p.HayResultados);
    EXPECT_EQ(pasosMostrados, 0);
    EXPECT_EQ(UltimoMensaje(), textos::FinVariacional);
    EXPECT_NEAR(p.HistoriaFS(p.NumeroIteraciones), 2.073, 0.04 * 2.073);
}

// Janbu desde el menú con el Form17 de verdad: en la primera pasada la persona contesta que no es
// la solución ni quiere salir, cambia el ht de un borde y acepta; la pasada siguiente usa ese ht y
// el factor cambia respecto del cálculo con los ht del programa.
TEST_F(VentanaConClasico, JanbuConUnHtCambiadoEnForm17)
{
    Abrir("fredlund_krahn_1977_caso1.cod");
    p.MetodoDeCalculo = Metodo::Janbu;
    p.NumeroDovelas = 20;
    ui.EsperarPregunta(textos::PreguntaDesembalseRapido, false);
    Menu("MétodoJanbu");
    ASSERT_TRUE(p.HayResultados);
    const double conHtDelPrograma = p.HistoriaFS(p.NumeroIteraciones);
    const int borde = 10;
    const double htPrograma = p.ValoresDeHt(borde);

    InteraccionGuionada enForm17;
    enForm17.EsperarPregunta(textos::PreguntaEsLaSolucion, false)
        .EsperarPregunta(textos::PreguntaSalirDelCalculo, false);
    const int antes = ui.VecesForm17();
    // Form17 hace sus dos preguntas ya en pantalla; el ht se cambia después de contestarlas.
    std::function<void()> cambiarHt = [&] {
        if (!enForm17.Cumplido()) {
            QTimer::singleShot(0, cambiarHt);
            return;
        }
        auto* dialogo = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialogo, nullptr);
        auto* lista = Control<QTreeWidget>(*dialogo, "ListaValoresDEht");
        lista->setCurrentItem(lista->topLevelItem(borde - 1));
        Escribir(*dialogo, "TextoNuevoValorDeht", "1.5");
        prueba::Pulsar(*dialogo, "Modificar");
        prueba::Pulsar(*dialogo, "BotónAceptar");
    };
    ui.AlAbrirForm17([&](const Proyecto& q, const IteracionJanbuMostrada& pasada) {
        QTimer::singleShot(0, cambiarHt);
        return Form17::Mostrar(q, pasada, enForm17, nullptr);
    });
    ui.EsperarPregunta(textos::PreguntaDesembalseRapido, false)
        .EsperarPregunta(textos::PreguntaRecalcular, true)
        .EsperarPregunta(textos::PreguntaPrimeraVezCalculo, false)
        .EsperarPregunta(textos::PreguntaProgramaFijaHt, true);
    Menu("MétodoJanbu");
    EXPECT_TRUE(ui.Cumplido()) << (ui.Errores().empty() ? "" : ui.Errores().front());
    EXPECT_TRUE(enForm17.Cumplido()) << UltimoMensaje();
    ASSERT_TRUE(p.HayResultados);
    // La pasada con el ht nuevo y la que la repite.
    EXPECT_GE(ui.VecesForm17() - antes, 3);
    EXPECT_DOUBLE_EQ(p.ValoresDeHt(borde), 1.5);
    EXPECT_GT(std::fabs(htPrograma - 1.5), 0.5);
    EXPECT_GT(std::fabs(p.HistoriaFS(p.NumeroIteraciones) - conHtDelPrograma), 1e-4);
}

// Bishop sobre Chen y Shao con el centro de momentos (5.7735, 10) fijado en el proyecto, por el
// cálculo sin ventana: lo que la ventana debe dar cuando la persona escribe ese centro.
double BishopChenShaoConCentroFijado()
{
    Proyecto q = prueba::Leido(std::string(VERTANA_DATOS_PRUEBA) +
                               "/clasicos/chen_shao_1988_carga_en_corona.cod");
    q.MetodoDeCalculo = Metodo::Bishop;
    const PuntoDeReferencia esquina = ReferenciaDeLaSeccion(q);
    q.CentroCirculoXGuardado = 5.7735 - esquina.x;
    q.CentroCirculoYGuardado = 10.0 - esquina.y;
    EstadoCalculo e;
    ReiniciarEstadoCalculo(e);
    InteraccionGuionada ui;
    ui.EsperarPregunta(textos::PreguntaDesembalseRapido, false)
        .EsperarPregunta(textos::PreguntaEsfuerzoEfectivoNulo, true);
    const ResultadoCalculo r = Calcular(q, e, Metodo::Bishop, {}, ui);
    EXPECT_TRUE(r.Convergio()) << r.Mensaje;
    return r.FactorSeguridad.value_or(0.0);
}

// Una superficie compuesta leída de un archivo no trae su centro de momentos: Bishop abre el
// diálogo "Centro de momentos" con un centro propuesto. Si la persona sale, el mensaje dice dónde
// darlo y no hay resultados; si escribe el centro del arco del mecanismo, Bishop calcula con él
// (el mismo factor que con ese centro fijado en el proyecto). Lo mismo cuando el centro que hay
// da un factor negativo.
TEST_F(VentanaConClasico, BishopEnUnaSuperficieCompuestaPideElCentro)
{
    const double conElCentro = BishopChenShaoConCentroFijado();
    Abrir("chen_shao_1988_carga_en_corona.cod");
    p.MetodoDeCalculo = Metodo::Bishop;
    InteraccionGuionada enElDialogo;
    std::string propuesto;
    auto abrirDialogo = [&](bool escribir) {
        return [&, escribir](const Proyecto&, PuntoCentro sugerido) {
            QTimer::singleShot(0, [&, escribir] {
                auto* dialogo = qobject_cast<QDialog*>(QApplication::activeModalWidget());
                ASSERT_NE(dialogo, nullptr);
                propuesto = Leer(*dialogo, "TextoAbscisaCentro") + "," +
                            Leer(*dialogo, "TextoOrdenadaCentro");
                if (!escribir) {
                    prueba::Pulsar(*dialogo, "BotónSalir");
                    return;
                }
                Escribir(*dialogo, "TextoAbscisaCentro", "5.7735");
                Escribir(*dialogo, "TextoOrdenadaCentro", "10");
                prueba::Pulsar(*dialogo, "BotónAceptar");
            });
            DialogoCentro dialogo(sugerido, enElDialogo);
            dialogo.exec();
            return dialogo.Centro();
        };
    };
    ui.AlPedirCentroDeMomentos(abrirDialogo(false));
    ui.EsperarPregunta(textos::PreguntaDesembalseRapido, false);
    Menu("MétodoBishop");
    EXPECT_TRUE(ui.Cumplido()) << (ui.Errores().empty() ? "" : ui.Errores().front());
    EXPECT_EQ(ui.VecesCentroDeMomentos(), 1);
    EXPECT_FALSE(propuesto.empty());
    EXPECT_EQ(UltimoMensaje(), textos::FaltaCentroDeMomentos);
    EXPECT_EQ(UltimoTitulo(), textos::TituloCentroDeMomentos);
    EXPECT_FALSE(p.HayResultados);

    ui.AlPedirCentroDeMomentos(abrirDialogo(true));
    // Sin peso, la base de la corona queda sin esfuerzo efectivo: se sigue.
    ui.EsperarPregunta(textos::PreguntaDesembalseRapido, false)
        .EsperarPregunta(textos::PreguntaEsfuerzoEfectivoNulo, true);
    Menu("MétodoBishop");
    EXPECT_TRUE(ui.Cumplido()) << (ui.Errores().empty() ? "" : ui.Errores().front());
    ASSERT_TRUE(p.HayResultados) << UltimoMensaje();
    // Guardado relativo a la esquina de la sección, como el que fijan los parámetros de cálculo.
    const PuntoDeReferencia esquina = ReferenciaDeLaSeccion(p);
    EXPECT_NEAR(p.CentroCirculoXGuardado, 5.7735 - esquina.x, 1e-12);
    EXPECT_NEAR(p.CentroCirculoYGuardado, 10.0 - esquina.y, 1e-12);
    EXPECT_NEAR(p.HistoriaFS(p.NumeroIteraciones), conElCentro, 1e-9);

    // Un centro guardado bajo el arco, en (8.5, 5), da un factor negativo (vertana-cli calcular
    // --centro=8.5,5 termina en el límite): Bishop vuelve a pedir el centro.
    p.CentroCirculoXGuardado = 8.5 - esquina.x;
    p.CentroCirculoYGuardado = 5.0 - esquina.y;
    ui.AlPedirCentroDeMomentos(abrirDialogo(true));
    ui.EsperarPregunta(textos::PreguntaDesembalseRapido, false)
        .EsperarPregunta(textos::PreguntaRecalcular, true)
        .EsperarPregunta(textos::PreguntaPrimeraVezCalculo, false)
        .EsperarPregunta(textos::PreguntaEsfuerzoEfectivoNulo, true);
    Menu("MétodoBishop");
    EXPECT_TRUE(ui.Cumplido()) << (ui.Errores().empty() ? "" : ui.Errores().front());
    EXPECT_EQ(ui.VecesCentroDeMomentos(), 3);
    EXPECT_NEAR(p.CentroCirculoXGuardado, 5.7735 - esquina.x, 1e-12);
    EXPECT_NEAR(p.HistoriaFS(p.NumeroIteraciones), conElCentro, 1e-9);
}

// El diálogo del centro: propone el centro dado con tres decimales y no acepta cuadros que no
// son números.
TEST(DialogoCentro, ProponeElCentroYPideNumeros)
{
    InteraccionGuionada ui;
    DialogoCentro dialogo({-3.66025, 13.66025}, ui);
    EXPECT_EQ(Leer(dialogo, "TextoAbscisaCentro"), "-3.660");
    EXPECT_EQ(Leer(dialogo, "TextoOrdenadaCentro"), "13.660");
    Escribir(dialogo, "TextoAbscisaCentro", "x");
    dialogo.AceptarClic();
    EXPECT_EQ(ui.Mensajes().back(), "Debe introducir un número en la abscisa del centro");
    EXPECT_FALSE(dialogo.Centro());
    Escribir(dialogo, "TextoAbscisaCentro", "4.5");
    Escribir(dialogo, "TextoOrdenadaCentro", "");
    dialogo.AceptarClic();
    EXPECT_EQ(ui.Mensajes().back(), "Debe introducir un número en la ordenada del centro");
    Escribir(dialogo, "TextoOrdenadaCentro", "12.25");
    dialogo.AceptarClic();
    ASSERT_TRUE(dialogo.Centro());
    EXPECT_EQ(*dialogo.Centro(), (PuntoCentro{4.5, 12.25}));
}

} // namespace
} // namespace vertana
