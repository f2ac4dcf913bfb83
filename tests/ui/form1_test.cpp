// Ventana principal: menús, editor de coordenadas, estratos, ayuda.
#include "apoyo/interaccion_guionada.h"
#include "model/textos.h"
#include "ui/condiciones_menu.h"
#include "ui/form4.h"
#include "ui/ventana_ayuda.h"
#include "ui/ventana_de_prueba.h"

#include <QApplication>
#include <QDialog>
#include <QListWidget>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <tuple>

namespace vertana {
namespace {

using prueba::VentanaDePrueba;
using Vistas = std::vector<std::string>;

TEST(Form1, ArrancaConUnProyectoNuevo)
{
    Proyecto p;
    RedimensionarConjunto(p.AbscisasTalud, p.OrdenadasTalud,
                          3); // restos que el arranque debe borrar
    p.DatosGuardados = false;
    InteraccionGuionada ui;
    Form1 ventana(p, ui);
    EXPECT_EQ(ventana.windowTitle().toStdString(), "[Nuevo proyecto] - Vertana");
    EXPECT_EQ(p.NumeroCoordenadasTalud(), 0);
    EXPECT_TRUE(ProyectoGuardado(p));
    EXPECT_EQ(p.ProgresivaInicial, textos::ProgresivaInicialNueva);
    EXPECT_EQ(ventana.findChild<QLabel*>("EtiquetaCoordenadas")->text(), "Coordenadas del talud");
    EXPECT_TRUE(ventana.findChild<QComboBox*>("ListaEstrato")->isHidden());
    EXPECT_EQ(ventana.Editor().ConjuntoActivo(), ConjuntoTalud);
}

TEST_F(VentanaDePrueba, MenusConSusTextosYLosQueAunNoTienenDialogoDeshabilitados)
{
    const std::vector<std::pair<const char*, const char*>> textos = {
        {"MenúArchivo", "&Archivo"},
        {"ArchivoNuevo", "&Nuevo"},
        {"MenúArchivoGuardarComo", "G&uardar como..."},
        {"MenúArchivoConstantes", "Pará&metros de cálculo iniciales..."},
        {"CambioParámetrosResistenciaPresiónPoros", "Cambio de parámetros de &Resistencia.... "},
        {"ProcesoIterativoEnSuelos", "&Dov Leshchinsky and Ching-Chuan Huang "},
        {"CálculoParámetrosInstantáneos", "&Suelos o Rocas  (parámetros instantáneos c,fi)"},
        {"ResultadosCálculoRocas", "&Resultados cálculo  para rocas"},
        {"MenúCoordenadasTalud_Estratos_Nivelfreático_DeArchivo",
         "&Entre aquí  si existe coordenadas de talud, de estratos y nivel freático."},
        {"MénuGeometríaEntrePuntosSuperficieFalla",
         "&Geometría entre puntos de la superficie de falla"},
        {"MenúInsertarEstrato", "Inser&tar estrato..."},
        {"MenúEliminarNivelFreático", "Eliminar &Nivel freático"},
        {"MenéCargas", "&Cargas"},
        {"MenúAyuda", "A&utor"},
        {"MenúAyudaAcercaDe", "&Acerca de..."},
    };
    for (const auto& [nombre, texto] : textos)
        EXPECT_EQ(Hijo<QAction>(nombre)->text().toStdString(), texto) << nombre;

    for (const char* nombre : {"ResultadosCálculoRocas"})
        EXPECT_FALSE(Hijo<QAction>(nombre)->isEnabled()) << nombre;
    for (const char* nombre : {"ArchivoNuevo",
                               "MenúArchivoAbrir",
                               "MenúArchivoGuardar",
                               "MenúArchivoSalir",
                               "MenúCoordenadasEstratos",
                               "MenúEliminarEstrato",
                               "MenúAyudaContenido",
                               "MenúInformación",
                               "MenúArchivoConstantes",
                               "MénuGeometríaEntrePuntosSuperficieFalla",
                               "CaracterísticasGeomecánicasSuelos",
                               "CargasUniformes",
                               "CargasPuntuales",
                               "MétodoBishop",
                               "MétodoFellenius",
                               "MétodoJanbu",
                               "ProcesoIterativoEnSuelos",
                               "CálculoParámetrosInstantáneos",
                               "MenúArchivoImprimir",
                               "GráficoGeometría",
                               "ResultadosCálculoSuelos"})
        EXPECT_TRUE(Hijo<QAction>(nombre)->isEnabled()) << nombre;
    EXPECT_EQ(X()->toolTip().toStdString(), "Abscisa de  la geometría que está  analizando. "
                                            "Utilice el pto (.), para los decimales.   ");
    EXPECT_EQ(Lista()->headerItem()->text(0), "x");
}

TEST_F(VentanaDePrueba, AgregarOrdenaDeMayorAMenorConDosDecimalesYConservaLosCuadros)
{
    Agregar(2, 1);
    Agregar(5, 1);
    Agregar("5", "7.125");
    EXPECT_EQ(Filas(), (Vistas{"5.00|7.13", "5.00|1.00", "2.00|1.00"}));
    EXPECT_EQ(X()->text(), "5");
    EXPECT_EQ(Y()->text(), "7.125");
    Agregar(" 3.456 ", "-0.004");
    EXPECT_EQ(Filas()[2], "3.46|0.00");
    EXPECT_TRUE(ui.Mensajes().empty());
    EXPECT_FALSE(ProyectoGuardado(p));
    // El proyecto sólo tiene los puntos cuando el conjunto se guarda.
    EXPECT_EQ(p.NumeroCoordenadasTalud(), 0);
}

TEST_F(VentanaDePrueba, UnaEntradaQueNoEsNumeroSeRechazaConSuMensaje)
{
    // "1e999" no es finito.
    for (auto [x, y, cuadro] :
         {std::tuple{"abc", "1", "x"}, {"1,5", "1", "x"}, {"1", " ", "y"}, {"1e999", "1", "x"}}) {
        Agregar(x, y);
        EXPECT_EQ(UltimoMensaje(), std::string("Debe introducir un número en ") + cuadro) << x;
    }
    EXPECT_TRUE(Filas().empty());
    EXPECT_TRUE(ProyectoGuardado(p));
}

TEST_F(VentanaDePrueba, ElegirUnaFilaDaLosValoresCompletosYModificarMueveElPunto)
{
    Agregar("10.123456", "1");
    Agregar("5", "2");
    Agregar("1", "3");
    Elegir(1);
    EXPECT_EQ(X()->text(), "10.123456");
    EXPECT_EQ(Y()->text(), "1");
    X()->setText("3");
    Pulsar("BotónModificar");
    EXPECT_EQ(Filas(), (Vistas{"5.00|2.00", "3.00|1.00", "1.00|3.00"}));
    // El punto modificado sigue elegido: otra corrección lo vuelve a mover.
    X()->setText("0");
    Pulsar("BotónModificar");
    EXPECT_EQ(Filas(), (Vistas{"5.00|2.00", "1.00|3.00", "0.00|1.00"}));
}

TEST_F(VentanaDePrueba, ModificarSinFilaOConEntradaMalaNoPierdeElPunto)
{
    Agregar(4, 4);
    Pulsar("BotónModificar");
    EXPECT_EQ(UltimoMensaje(), textos::SeleccionePuntoAModificar);
    Elegir(1);
    X()->setText("cuatro");
    Pulsar("BotónModificar");
    EXPECT_EQ(UltimoMensaje(), "Debe introducir un número en x");
    EXPECT_EQ(Filas(), (Vistas{"4.00|4.00"}));
}

TEST_F(VentanaDePrueba, BorrarQuitaLaFilaElegidaYSinFilaNoHaceNada)
{
    Agregar(3, 0);
    Agregar(2, 0);
    Agregar(1, 0);
    Pulsar("BotónBorrar");
    EXPECT_EQ(Filas().size(), 3u);
    Elegir(2);
    Pulsar("BotónBorrar");
    EXPECT_EQ(Filas(), (Vistas{"3.00|0.00", "1.00|0.00"}));
    Pulsar("BotónBorrar"); // la selección se fue con la fila
    EXPECT_EQ(Filas().size(), 2u);
}

TEST_F(VentanaDePrueba, CambiarDeConjuntoGuardaElAnteriorYMuestraElNuevo)
{
    Agregar(20, 10);
    Agregar(0, 0);
    Menu("MenúCoordenadasFalla");
    EXPECT_EQ(p.NumeroCoordenadasTalud(), 2);
    EXPECT_EQ(p.AbscisasTalud(1), 20);
    EXPECT_EQ(Etiqueta(), "Coordenadas de la superficie de falla");
    EXPECT_EQ(Marcas(), "0100");
    EXPECT_TRUE(Filas().empty());
    EXPECT_EQ(X()->text(), " ");

    // Los puntos de falla escritos y no guardados no cuentan para sus diálogos.
    Agregar(15, 10);
    Agregar(5, 2);
    ASSERT_TRUE(CondicionGeometriaFalla(p).has_value());
    EXPECT_EQ(CondicionGeometriaFalla(p)->texto,
              "Debe introducir coordenadas de la superficie de falla");

    Menu("MenúCoordenadasFalla"); // ya en pantalla: no cambia nada y la marca sigue
    EXPECT_EQ(Marcas(), "0100");
    EXPECT_EQ(p.NumeroCoordenadasFalla(), 0);
    Menu("MenúCoordenadasFreático");
    EXPECT_EQ(p.NumeroCoordenadasFalla(), 2);
    EXPECT_FALSE(CondicionGeometriaFalla(p).has_value());
    EXPECT_EQ(Etiqueta(), "Coordenadas del nivel freático");
    Menu("MenúCoordenadasTalud");
    EXPECT_EQ(Filas(), (Vistas{"20.00|10.00", "0.00|0.00"}));
    EXPECT_EQ(Marcas(), "1000");
}

TEST_F(VentanaDePrueba, EstratosSinEstratosAvisaEnDosLineasYNoCambiaDeConjunto)
{
    Agregar(1, 1);
    Menu("MenúCoordenadasEstratos");
    EXPECT_EQ(UltimoMensaje(),
              "Actualmente no hay estratos. Seleccione primero una de las opciones: \n"
              "Insertar estrato");
    EXPECT_EQ(Marcas(), "1000");
    EXPECT_EQ(Filas().size(), 1u);
}

TEST_F(VentanaDePrueba, InsertarYEliminarEstratosMueveLosPuntosConSuEstrato)
{
    int vecesForm4 = 0;
    std::optional<int> posicion;
    ventana.ElegirPosicionEstrato = [&] {
        ++vecesForm4;
        return posicion;
    };
    Agregar(9, 9); // talud, se guarda al insertar
    Menu("MenúInsertarEstrato");
    EXPECT_EQ(vecesForm4, 0); // el primero no pregunta dónde
    EXPECT_EQ(p.NumeroCoordenadasTalud(), 1);
    EXPECT_EQ(Etiqueta(), "Coordenadas del estrato");
    EXPECT_EQ(Hijo<QLabel>("EtiquetaDeEstratos")->text(), "Seleccione el estrato");
    EXPECT_FALSE(ListaEstrato()->isHidden());
    EXPECT_EQ(Marcas(), "0001");
    Agregar(10, -1);
    Agregar(0, -1);

    Menu("MenúInsertarEstrato"); // cancelado en Form4
    EXPECT_EQ(p.NumeroDeEstratos(), 1);
    posicion = 0; // antes del primero
    Menu("MenúInsertarEstrato");
    ASSERT_EQ(p.NumeroDeEstratos(), 2);
    EXPECT_EQ(ventana.PosicionNuevoEstrato(), 0);
    EXPECT_EQ(ListaEstrato()->count(), 2);
    EXPECT_EQ(ListaEstrato()->currentIndex(), 0);
    EXPECT_TRUE(Filas().empty());
    EXPECT_EQ(p.NumeroCoordenadasEstrato(2), 2);
    Agregar(10, -0.5);

    ListaEstrato()->setCurrentIndex(1); // el estrato de antes, ahora el 2
    EXPECT_EQ(Filas(), (Vistas{"10.00|-1.00", "0.00|-1.00"}));
    EXPECT_EQ(p.NumeroCoordenadasEstrato(1), 1);

    // Eliminar: fuera de los estratos avisa; luego pregunta; sin tipo de material avisa.
    Menu("MenúCoordenadasTalud");
    Menu("MenúEliminarEstrato");
    EXPECT_EQ(UltimoMensaje(), "Seleccione la opción coordenadas estrato");
    Menu("MenúCoordenadasEstratos");
    EXPECT_EQ(ListaEstrato()->currentIndex(), 1); // vuelve al estrato que se veía
    ui.EsperarPregunta("Desea eleminar el estrato que se muestra en pantalla?", false);
    Menu("MenúEliminarEstrato");
    ui.EsperarPregunta("Desea eleminar el estrato que se muestra en pantalla?", true);
    Menu("MenúEliminarEstrato");
    EXPECT_EQ(UltimoMensaje(), textos::IndiqueSueloORoca);
    EXPECT_EQ(p.NumeroDeEstratos(), 2);
    p.SueloRoca = Material::Suelo;
    ui.EsperarPregunta("Desea eleminar el estrato que se muestra en pantalla?", true);
    Menu("MenúEliminarEstrato");
    ASSERT_EQ(p.NumeroDeEstratos(), 1);
    EXPECT_EQ(ListaEstrato()->count(), 1);
    EXPECT_EQ(Filas(), (Vistas{"10.00|-0.50"}));
    ui.EsperarPregunta("Desea eleminar el estrato que se muestra en pantalla?", true);
    Menu("MenúEliminarEstrato");
    EXPECT_EQ(p.NumeroDeEstratos(), 0);
    EXPECT_EQ(Etiqueta(), "Coordenadas del talud");
    EXPECT_TRUE(ListaEstrato()->isHidden());
    EXPECT_EQ(Filas(), (Vistas{"9.00|9.00"}));
    EXPECT_TRUE(ui.Cumplido()) << ::testing::PrintToString(ui.Errores());
}

TEST_F(VentanaDePrueba, EliminarNivelFreatico)
{
    // Puntos sólo en el editor: se vacía la lista.
    Menu("MenúCoordenadasFreático");
    Agregar(5, 5);
    ui.EsperarPregunta(textos::PreguntaVaciarFreaticoSinGuardar, true);
    Menu("MenúEliminarNivelFreático");
    EXPECT_TRUE(Filas().empty());

    // Guardado en el proyecto y otro conjunto en pantalla: avisa.
    Agregar(5, 5);
    Agregar(1, 4);
    Menu("MenúCoordenadasTalud");
    ASSERT_EQ(p.NumeroCoordenadasFreatico(), 2);
    Menu("MenúEliminarNivelFreático");
    EXPECT_EQ(UltimoMensaje(), "Seleccione la opción coordenadas nivel freático");

    // En pantalla: pregunta, descarta y vuelve al talud sin guardar.
    Menu("MenúCoordenadasFreático");
    Agregar(3, 3);
    ui.EsperarPregunta("Desea eleminar las coordenadas del nivel freático?", true);
    Menu("MenúEliminarNivelFreático");
    EXPECT_EQ(p.NumeroCoordenadasFreatico(), 0);
    EXPECT_TRUE(p.AbscisasFreatico.Vacia());
    EXPECT_EQ(Etiqueta(), "Coordenadas del talud");
    Menu("MenúCoordenadasFreático");
    EXPECT_TRUE(Filas().empty());
    EXPECT_TRUE(ui.Cumplido()) << ::testing::PrintToString(ui.Errores());
}

TEST_F(VentanaDePrueba, LaDescripcionPasaAlProyectoYCtrlEnterAbreOtraLinea)
{
    auto* texto = Hijo<QPlainTextEdit>("TextoProyecto");
    texto->setPlainText("Presa El Guapo");
    texto->moveCursor(QTextCursor::End);
    QTest::keyClick(texto, Qt::Key_Return, Qt::ControlModifier);
    texto->insertPlainText("Sección 3");
    EXPECT_EQ(p.Descripcion, "Presa El Guapo\nSección 3");
    EXPECT_FALSE(p.DatosGuardados);
}

TEST_F(VentanaDePrueba, F1AbreElManualYContenidoRecuerdaF1)
{
    QTest::keyClick(X(), Qt::Key_F1);
    auto* ayuda = ventana.findChild<VentanaAyuda*>();
    ASSERT_NE(ayuda, nullptr);
    EXPECT_FALSE(ayuda->isHidden());
    const QString manual = ayuda->Navegador()->toPlainText();
    EXPECT_TRUE(manual.contains("Unidades y ejes"));
    EXPECT_TRUE(manual.contains("Cómo describir una sección"));
    EXPECT_TRUE(manual.contains("ton/m2"));

    Menu("MenúAyudaContenido");
    EXPECT_EQ(UltimoMensaje(), "F1 para ayuda.");
    EXPECT_EQ(UltimoTitulo(), "");
}

TEST_F(VentanaDePrueba, LeerMuestraAcercaDeConLaVersionDelPrograma)
{
    QString titulo, version, autor;
    QTimer::singleShot(0, [&] {
        auto* caja = QApplication::activeModalWidget();
        ASSERT_NE(caja, nullptr);
        titulo = caja->windowTitle();
        version = caja->findChild<QLabel*>("lblVersion")->text();
        autor = caja->findChild<QLabel*>("Label2")->text();
        caja->findChild<QPushButton*>("cmdOK")->click();
    });
    Pulsar("BotónAdvertencia");
    EXPECT_EQ(titulo, "Acerca de Vertana");
    EXPECT_EQ(version, "Versión 1.0.0");
    EXPECT_EQ(autor, "Dravenca");
}

TEST(Form4, OfreceLosLugaresEntreEstratosYAnotaElElegido)
{
    Proyecto p;
    p.NumeroCoordenadasEstrato.Redimensionar(3);
    Form4 dialogo(p);
    auto* lista = dialogo.findChild<QListWidget*>("ListaEntre");
    QStringList lugares;
    for (int i = 0; i < lista->count(); ++i)
        lugares << lista->item(i)->text();
    EXPECT_EQ(lugares, (QStringList{"antes del primero", "entre 1 y 2", "entre 2 y 3",
                                    "después del último"}));
    EXPECT_EQ(lista->currentRow(), 0);
    lista->setCurrentRow(2);
    dialogo.findChild<QPushButton*>("Aceptar")->click();
    EXPECT_EQ(dialogo.result(), QDialog::Accepted);
    EXPECT_EQ(dialogo.PosicionElegida(), 2);
    EXPECT_TRUE(p.CambioNumeroEstratos);

    Form4 otro(p);
    otro.findChild<QPushButton*>("Cancelar")->click();
    EXPECT_EQ(otro.result(), QDialog::Rejected);
    EXPECT_FALSE(p.CambioNumeroEstratos);
}

TEST_F(VentanaDePrueba, LosDialogosDeDatosCompruebanSuCondicionAntesDeAbrirse)
{
    Menu("MénuGeometríaEntrePuntosSuperficieFalla");
    EXPECT_EQ(UltimoTitulo(), "Coordenadas superficie de falla");

    // Con un punto de falla se abre Form6; se cierra en cuanto aparece.
    RedimensionarConjunto(p.AbscisasFalla, p.OrdenadasFalla, 1);
    QString titulo;
    QTimer::singleShot(0, [&] {
        auto* dialogo = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialogo, nullptr);
        titulo = dialogo->windowTitle();
        dialogo->done(QDialog::Rejected);
    });
    Menu("MénuGeometríaEntrePuntosSuperficieFalla");
    EXPECT_EQ(titulo.toStdString(), "Definición del tipo de superficie de falla");
}

TEST(CondicionesMenu, AvisosDeLosDialogos)
{
    Proyecto p;
    EXPECT_EQ(CondicionParametrosIniciales(p)->texto, textos::AvisoFallaYUniones);
    RedimensionarConjunto(p.AbscisasFalla, p.OrdenadasFalla, 2);
    EXPECT_TRUE(CondicionParametrosIniciales(p).has_value()); // faltan las uniones
    p.TiposDeFallaDefinidos = true;
    EXPECT_FALSE(CondicionParametrosIniciales(p).has_value());

    EXPECT_EQ(CondicionCambioParametros(p)->titulo, "PARAMETROS INSTANTANEOS");
    p.DefinicionParametrosInstantaneos = static_cast<DefinicionInstantaneos>(3);
    EXPECT_FALSE(CondicionCambioParametros(p).has_value());
    p.DefinicionParametrosInstantaneos = static_cast<DefinicionInstantaneos>(4);
    EXPECT_TRUE(CondicionCambioParametros(p).has_value());

    p.SueloRoca = Material::Roca; // la roca se avisa antes que lo que falta
    EXPECT_EQ(CondicionCaracteristicasSuelos(p)->titulo, "Esta opción es para SUELOS:");
    p.SueloRoca = Material::Suelo;
    p.NumeroCoordenadasEstrato.Redimensionar(1);
    EXPECT_EQ(CondicionCaracteristicasSuelos(p)->titulo, "Características de estratos");
    p.ParametrosIntroducidos = true;
    EXPECT_FALSE(CondicionCaracteristicasSuelos(p).has_value());
}

} // namespace
} // namespace vertana
