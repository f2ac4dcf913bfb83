// La ventana principal como programa de escritorio: el teclado del editor de coordenadas, el
// aviso de los puntos que todavía no cuentan, deshacer y rehacer, los atajos, los archivos
// recientes, el tamaño recordado, el archivo de la línea de órdenes y los avisos de lectura.
#include "io/archivo_proyecto.h"
#include "model/textos.h"
#include "proyectos_de_prueba.h"
#include "ui/aplicacion.h"
#include "ui/archivos_recientes.h"
#include "ui/dialogo_archivos.h"
#include "ui/form2.h"
#include "ui/ventana_de_prueba.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QGroupBox>
#include <QKeySequence>
#include <QListView>
#include <QMenu>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QSettings>
#include <QTabWidget>
#include <QTest>
#include <QTranslator>
#include <QTreeView>
#include <algorithm>
#include <filesystem>
#include <fstream>

namespace vertana {
namespace {

using prueba::CarpetaTemporal;

const std::string Ejemplos = VERTANA_EJEMPLOS;
const std::string EjemploBishop = Ejemplos + "/talud_homogeneo_bishop.cod";
const std::string EjemploJanbu = Ejemplos + "/talud_estratificado_janbu.cod";

struct Escritorio : prueba::VentanaDePrueba {
    void SetUp() override { QSettings().clear(); }

    // La ventana en pantalla y activa, para que el foco y los atajos funcionen.
    void Activar()
    {
        ventana.show();
        ventana.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&ventana));
    }
    void Teclear(const char* texto) { QTest::keyClicks(QApplication::focusWidget(), texto); }
    void Enter() { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return); }

    QAction* Deshacer() { return Hijo<QAction>("MenúDeshacer"); }
    QAction* Rehacer() { return Hijo<QAction>("MenúRehacer"); }
    QLabel* AvisoSinPasar() { return Hijo<QLabel>("AvisoPuntosSinPasar"); }

    // Textos de los archivos del submenú de archivos recientes, sin el número.
    std::vector<std::string> Recientes()
    {
        std::vector<std::string> lista;
        for (QAction* accion : Hijo<QMenu>("MenúArchivosRecientes")->actions())
            if (accion->data().isValid())
                lista.push_back(QFileInfo(accion->data().toString()).fileName().toStdString());
        return lista;
    }
};

TEST_F(Escritorio, EnterEligeElTextoDelCuadroAlQueLlegaYLoEscritoLoReemplaza)
{
    Activar();
    Y()->setText("20"); // lo que quedó del punto anterior
    X()->setFocus();
    Teclear("10");
    Enter();
    ASSERT_EQ(QApplication::focusWidget(), Y());
    EXPECT_EQ(Y()->selectedText(), "20"); // elegido: lo escrito lo reemplaza
    Teclear("20");
    EXPECT_EQ(Y()->text(), "20"); // y no "2020"
    Enter();
    EXPECT_EQ(Filas(), (std::vector<std::string>{"10.00|20.00"}));
    // Tras agregar, de vuelta en x con su texto elegido: el punto siguiente se escribe encima.
    ASSERT_EQ(QApplication::focusWidget(), X());
    EXPECT_EQ(X()->selectedText(), "10");
    Teclear("30");
    Enter();
    Teclear("25");
    Enter();
    EXPECT_EQ(Filas(), (std::vector<std::string>{"30.00|25.00", "10.00|20.00"}));

    // Un punto rechazado no mueve el foco: la persona corrige donde estaba.
    Teclear("a");
    Enter();
    Teclear("b");
    Enter();
    EXPECT_EQ(UltimoMensaje(), "Debe introducir un número en x");
    EXPECT_EQ(QApplication::focusWidget(), Y());
}

TEST_F(Escritorio, LosPuntosQueTodaviaNoCuentanSeAvisanYExplicanElAvisoDelMenu)
{
    Menu("MenúCoordenadasFalla");
    EXPECT_FALSE(AvisoSinPasar()->isVisibleTo(&ventana));
    Agregar(45, 20);
    Agregar(15, 10);
    EXPECT_TRUE(AvisoSinPasar()->isVisibleTo(&ventana));
    EXPECT_EQ(AvisoSinPasar()->text(), textos::AvisoPuntosSinPasar);

    // El menú sigue rechazando (el proyecto no tiene los puntos) con su aviso de siempre, y dice
    // debajo por qué.
    Menu("MénuGeometríaEntrePuntosSuperficieFalla");
    const EventoInteraccion aviso = prueba::UltimoMensaje(ui);
    EXPECT_EQ(aviso.texto, textos::AvisoFalla);
    EXPECT_EQ(aviso.titulo, textos::TituloAvisoCoordenadasFalla);
    EXPECT_EQ(aviso.detalle, textos::AvisoPuntosSinPasar);
    EXPECT_EQ(p.NumeroCoordenadasFalla(), 0);

    // Al cambiar de conjunto los puntos pasan al proyecto y el aviso se va.
    Menu("MenúCoordenadasTalud");
    EXPECT_EQ(p.NumeroCoordenadasFalla(), 2);
    EXPECT_FALSE(AvisoSinPasar()->isVisibleTo(&ventana));
    // Sin puntos pendientes, un aviso de menú va sin detalle.
    Menu("MenúArchivoConstantes");
    EXPECT_TRUE(prueba::UltimoMensaje(ui).detalle.empty());
}

TEST_F(Escritorio, DeshacerYRehacerAgregarModificarYBorrarPuntos)
{
    EXPECT_FALSE(Deshacer()->isEnabled());
    Agregar(60, 20);
    Agregar(0, 10);
    Agregar(40, 20);
    EXPECT_EQ(Filas(), (std::vector<std::string>{"60.00|20.00", "40.00|20.00", "0.00|10.00"}));
    Agregar(30, 15);
    Elegir(2); // el (40, 20) pasa a (50, 25)
    X()->setText("50");
    Y()->setText("25");
    Pulsar("BotónModificar");
    EXPECT_EQ(Filas(), (std::vector<std::string>{"60.00|20.00", "50.00|25.00", "30.00|15.00",
                                                 "0.00|10.00"}));
    Elegir(1);
    Pulsar("BotónBorrar");
    const std::vector<std::string> alFinal = {"50.00|25.00", "30.00|15.00", "0.00|10.00"};
    EXPECT_EQ(Filas(), alFinal);
    EXPECT_EQ(Deshacer()->text(), "&Deshacer borrar punto");

    Deshacer()->trigger();
    EXPECT_EQ(Filas(), (std::vector<std::string>{"60.00|20.00", "50.00|25.00", "30.00|15.00",
                                                 "0.00|10.00"}));
    EXPECT_EQ(Deshacer()->text(), "&Deshacer modificar punto");
    EXPECT_EQ(Rehacer()->text(), "Re&hacer borrar punto");
    Deshacer()->trigger();
    EXPECT_EQ(Filas(), (std::vector<std::string>{"60.00|20.00", "40.00|20.00", "30.00|15.00",
                                                 "0.00|10.00"}));
    // El punto devuelto por deshacer Modificar queda elegido, como quedó el modificado.
    EXPECT_EQ(Lista()->currentItem(), Lista()->topLevelItem(1));
    Deshacer()->trigger();
    Deshacer()->trigger();
    EXPECT_EQ(Filas(), (std::vector<std::string>{"60.00|20.00", "0.00|10.00"}));
    for (int i = 0; i < 4; ++i)
        Rehacer()->trigger();
    EXPECT_EQ(Filas(), alFinal);
    EXPECT_FALSE(Rehacer()->isEnabled());
    EXPECT_FALSE(p.DatosGuardados);
}

TEST_F(Escritorio, DeshacerUnPuntoDeOtroConjuntoVuelveAEseConjunto)
{
    Agregar(60, 20);
    Menu("MenúCoordenadasFalla"); // el talud pasa al proyecto
    Agregar(45, 20);
    Deshacer()->trigger(); // el punto de la falla
    EXPECT_TRUE(Filas().empty());
    Deshacer()->trigger(); // el del talud: el editor vuelve al talud, guardando la falla
    EXPECT_EQ(Etiqueta(), textos::EtiquetaConjuntoTalud);
    EXPECT_TRUE(Filas().empty());
    Rehacer()->trigger();
    EXPECT_EQ(Filas(), (std::vector<std::string>{"60.00|20.00"}));
}

TEST_F(Escritorio, DeshacerInsertarYEliminarEstratoDevuelvePuntosYPropiedades)
{
    p.SueloRoca = Material::Suelo;
    Menu("MenúInsertarEstrato");
    Agregar(60, 5);
    Agregar(0, 5);
    ventana.ElegirPosicionEstrato = [] { return std::optional<int>(1); }; // después del 1
    Menu("MenúInsertarEstrato");
    Agregar(60, 0);
    Agregar(0, 0);
    Menu("MenúCoordenadasTalud"); // el estrato 2 pasa al proyecto
    // Propiedades de los dos estratos, como las dejaría Form5.
    p.CohesionMacizo = prueba::TablaDe({1.5, 2.5});
    p.EstratosCaracterizados = 2;
    const Proyecto conDos = p;

    Menu("MenúCoordenadasEstratos");
    ListaEstrato()->setCurrentIndex(0);
    ui.EsperarPregunta(textos::PreguntaEliminarEstrato, true);
    Menu("MenúEliminarEstrato");
    ASSERT_EQ(p.NumeroDeEstratos(), 1);
    EXPECT_EQ(p.CohesionMacizo(1), 2.5); // el 2 bajó al lugar 1
    EXPECT_EQ(Deshacer()->text(), "&Deshacer eliminar estrato");

    Deshacer()->trigger();
    ASSERT_EQ(p.NumeroDeEstratos(), 2);
    EXPECT_EQ(p.CohesionMacizo, conDos.CohesionMacizo);
    EXPECT_EQ(p.NumeroCoordenadasEstrato, conDos.NumeroCoordenadasEstrato);
    EXPECT_EQ(p.AbscisasEstratos, conDos.AbscisasEstratos);
    EXPECT_EQ(p.OrdenadasEstratos, conDos.OrdenadasEstratos);
    EXPECT_EQ(p.EstratosCaracterizados, 2);
    EXPECT_EQ(ListaEstrato()->count(), 2);
    EXPECT_EQ(Filas(), (std::vector<std::string>{"60.00|5.00", "0.00|5.00"})); // estrato 1

    Rehacer()->trigger();
    EXPECT_EQ(p.NumeroDeEstratos(), 1);
    Deshacer()->trigger();
    // Deshacer el paso al talud no existe (no es un cambio); los siguientes son los puntos y la
    // segunda inserción.
    Deshacer()->trigger();
    Deshacer()->trigger();
    Deshacer()->trigger();
    EXPECT_EQ(p.NumeroDeEstratos(), 1);
    EXPECT_EQ(ListaEstrato()->count(), 1);
    EXPECT_TRUE(ui.Cumplido());
}

TEST_F(Escritorio, NuevoAbrirYLaGeometriaOlvidanLoQueSePodiaDeshacer)
{
    Agregar(60, 20);
    EXPECT_TRUE(Deshacer()->isEnabled());
    ui.EsperarPregunta(textos::PreguntaGuardarAntes, false);
    Menu("ArchivoNuevo");
    EXPECT_FALSE(Deshacer()->isEnabled());
    EXPECT_TRUE(ui.Cumplido());
}

TEST_F(Escritorio, AtajosDeTecladoDeLasOrdenesDeArchivo)
{
    const std::pair<const char*, const char*> atajos[] = {
        {"ArchivoNuevo", "Ctrl+N"},        {"MenúArchivoAbrir", "Ctrl+O"},
        {"MenúArchivoGuardar", "Ctrl+S"},  {"MenúArchivoGuardarComo", "Ctrl+Shift+S"},
        {"MenúArchivoImprimir", "Ctrl+P"}, {"MenúArchivoSalir", "Ctrl+Q"}};
    for (const auto& [elemento, teclas] : atajos)
        EXPECT_EQ(Hijo<QAction>(elemento)->shortcut(), QKeySequence(teclas)) << elemento;
    EXPECT_EQ(Deshacer()->shortcut(), QKeySequence(QKeySequence::Undo));
    EXPECT_EQ(Rehacer()->shortcuts(),
              (QList<QKeySequence>{QKeySequence("Ctrl+Y"), QKeySequence("Ctrl+Shift+Z")}));

    // Ctrl+O pide el archivo como el menú.
    Activar();
    int pedidos = 0;
    ventana.ElegirArchivoAbrir = [&pedidos] {
        ++pedidos;
        return std::string();
    };
    QTest::keyClick(&ventana, Qt::Key_O, Qt::ControlModifier);
    EXPECT_EQ(pedidos, 1);
}

TEST_F(Escritorio, ArchivosRecientesSinRepetirYElMasRecientePrimero)
{
    EXPECT_TRUE(Recientes().empty());
    ventana.AbrirArchivo(EjemploBishop);
    ui.EsperarPregunta(textos::PreguntaAbrirOtro, true);
    ventana.AbrirArchivo(EjemploJanbu);
    EXPECT_EQ(Recientes(), (std::vector<std::string>{"talud_estratificado_janbu.cod",
                                                     "talud_homogeneo_bishop.cod"}));

    // Elegir uno en el submenú lo abre (tras cerrar el menú) y lo pone primero.
    ui.EsperarPregunta(textos::PreguntaAbrirOtro, true);
    QAction* bishop = Hijo<QMenu>("MenúArchivosRecientes")->actions().at(1);
    bishop->trigger();
    QCoreApplication::processEvents();
    EXPECT_EQ(ventana.windowTitle(), "talud_homogeneo_bishop.cod - Vertana");
    EXPECT_EQ(Recientes(), (std::vector<std::string>{"talud_homogeneo_bishop.cod",
                                                     "talud_estratificado_janbu.cod"}));
    EXPECT_TRUE(ui.Cumplido());

    // La lista se recuerda para la próxima ventana (la próxima vez que se abre el programa).
    Proyecto otro;
    InteraccionGuionada otraUi;
    Form1 otraVentana(otro, otraUi);
    QMenu* submenu = otraVentana.findChild<QMenu*>("MenúArchivosRecientes");
    ASSERT_NE(submenu, nullptr);
    EXPECT_EQ(submenu->actions().at(0)->data().toString(), QString::fromStdString(EjemploBishop));

    Hijo<QAction>("VaciarArchivosRecientes")->trigger();
    EXPECT_TRUE(Recientes().empty());
}

TEST_F(Escritorio, UnArchivoRecienteQueYaNoExisteSeAvisaYSeQuita)
{
    CarpetaTemporal carpeta;
    const std::string copia = carpeta.Ruta("copia.cod");
    std::ofstream(copia, std::ios::binary) << prueba::LeerBytes(EjemploBishop);
    ventana.AbrirArchivo(copia);
    ASSERT_EQ(Recientes(), std::vector<std::string>{"copia.cod"});
    p.DatosGuardados = true; // nada que preguntar
    std::filesystem::remove(copia);

    const Proyecto antes = p;
    ventana.AbrirArchivo(copia);
    const EventoInteraccion aviso = prueba::UltimoMensaje(ui);
    EXPECT_EQ(aviso.texto, textos::ErrorLeyendoArchivo);
    EXPECT_EQ(aviso.detalle, "Archivo: " + copia + "\nel archivo no existe o no se puede leer.");
    EXPECT_EQ(p, antes); // el proyecto en pantalla sigue igual
    EXPECT_TRUE(Recientes().empty());
}

TEST(ArchivosRecientes, RecuerdaHastaOchoArchivos)
{
    QSettings().clear();
    QMenu menu;
    QAction* guardarComo = menu.addAction("Guardar como");
    menu.addSeparator();
    ArchivosRecientes recientes(&menu, guardarComo, [](const std::string&) {});
    EXPECT_EQ(menu.actions().at(1), recientes.Submenu()->menuAction()); // tras Guardar como
    for (int i = 1; i <= 10; ++i)
        recientes.Agregar("/proyectos/talud" + std::to_string(i) + ".cod");
    recientes.Agregar("/proyectos/otra/../talud5.cod"); // la misma ruta, escrita de otro modo
    const std::vector<std::string> lista = recientes.Lista();
    ASSERT_EQ(lista.size(), 8u);
    EXPECT_EQ(lista.front(), "/proyectos/talud5.cod");
    EXPECT_EQ(lista.at(1), "/proyectos/talud10.cod");
    EXPECT_EQ(std::count(lista.begin(), lista.end(), "/proyectos/talud5.cod"), 1);
    EXPECT_EQ(lista.back(), "/proyectos/talud3.cod"); // talud1 y talud2 salieron
}

TEST_F(Escritorio, ElTamanoYElLugarDeLaVentanaSeRecuerdan)
{
    ventana.show();
    ventana.setGeometry(120, 80, 900, 700);
    ventana.close();
    Proyecto otro;
    InteraccionGuionada otraUi;
    Form1 otraVentana(otro, otraUi);
    EXPECT_EQ(otraVentana.size(), QSize(900, 700));
    EXPECT_EQ(otraVentana.geometry().topLeft(), QPoint(120, 80));
}

TEST(LineaDeOrdenes, ElPrimerArgumentoQueNoEsOpcionEsElArchivo)
{
    EXPECT_FALSE(ArchivoDeLaLineaDeOrdenes({"vertana"}));
    EXPECT_EQ(ArchivoDeLaLineaDeOrdenes({"vertana", "/proyectos/presa/../talud.cod"}),
              "/proyectos/talud.cod");
    const std::string esperado =
        QFile::encodeName(QDir::current().absoluteFilePath("talud.cod")).toStdString();
    EXPECT_EQ(ArchivoDeLaLineaDeOrdenes({"vertana", "--verbose", "talud.cod", "otro.cod"}),
              esperado);
}

TEST_F(Escritorio, AbrirElArchivoDeLaLineaDeOrdenes)
{
    ventana.AbrirArchivo(
        *ArchivoDeLaLineaDeOrdenes({"vertana", QString::fromStdString(EjemploBishop)}));
    EXPECT_EQ(ventana.windowTitle(), "talud_homogeneo_bishop.cod - Vertana");
    EXPECT_EQ(p.ArchivoActual, EjemploBishop);
    EXPECT_EQ(p.NumeroCoordenadasTalud(), 4);
    EXPECT_TRUE(p.InformacionIntroducida);
    EXPECT_TRUE(ui.Eventos().empty()); // sin preguntas: el proyecto nuevo no tenía cambios
}

TEST_F(Escritorio, UnArchivoMalFormadoDiceDondeYPorQue)
{
    // La línea 21 del ejemplo es el primer punto del talud (ítem 22); su ordenada se daña.
    CarpetaTemporal carpeta;
    std::vector<std::string> lineas = prueba::Lineas(prueba::LeerBytes(EjemploBishop));
    ASSERT_EQ(lineas.at(20), "54.864,18.288");
    lineas.at(20) = "54.864,18.2x8";
    std::string contenido;
    for (const std::string& linea : lineas)
        contenido += linea + "\r\n";
    const std::string ruta = carpeta.Ruta("danado.cod");
    std::ofstream(ruta, std::ios::binary) << contenido;

    ventana.AbrirArchivo(ruta);
    const EventoInteraccion aviso = prueba::UltimoMensaje(ui);
    EXPECT_EQ(aviso.texto, "Error leyendo archivo");
    EXPECT_EQ(aviso.detalle, "Archivo: " + ruta +
                                 "\nLínea 21, ítem 22 (coordenadas del talud): se esperaba un "
                                 "número y se encontró «18.2x8».");
    // Como tras cualquier lectura, el título es el del archivo.
    EXPECT_EQ(ventana.windowTitle(), "danado.cod - Vertana");
}

TEST_F(Escritorio, LaCuerdaDelProyectoAnteriorNoLlegaAlSiguiente)
{
    // Cuerda del círculo del ejemplo de Bishop, de (40.8926, 18.288) a (6.4832, 6.096):
    // √(34.4094² + 12.192²) = √(1184.0068 + 148.6449) = 36.5055 m.
    ventana.AbrirArchivo(EjemploBishop);
    EXPECT_NEAR(p.CuerdaCirculo, 36.5055, 1e-4);
    // La superficie compuesta del ejemplo de Janbu no tiene cuerda.
    ui.EsperarPregunta(textos::PreguntaAbrirOtro, true);
    ventana.AbrirArchivo(EjemploJanbu);
    EXPECT_EQ(p.CuerdaCirculo, 0.0);

    // Los parámetros se abren sin el aviso del radio y con su tamaño.
    Form2 dialogo(p, ui, &ventana);
    prueba::Mostrar(dialogo);
    QCoreApplication::processEvents();
    EXPECT_EQ(ui.Mensajes(), std::vector<std::string>{});
    EXPECT_GE(dialogo.width(), dialogo.sizeHint().width());
    EXPECT_GE(dialogo.height(), dialogo.sizeHint().height());
    dialogo.close();

    // Nuevo también la deja en cero.
    ventana.AbrirArchivo(EjemploBishop);
    ui.EsperarPregunta(textos::PreguntaAbrirOtro, true);
    ui.EsperarPregunta(textos::PreguntaGuardarAntes, false);
    Menu("ArchivoNuevo");
    EXPECT_EQ(p.CuerdaCirculo, 0.0);
}

// Interacción que anota si el diálogo dado estaba en pantalla al recibir cada mensaje.
struct InteraccionQueMira : InteraccionGuionada {
    const QWidget* dialogo = nullptr;
    std::vector<bool> visibleAlAvisar;
    void Mensaje(const std::string& texto, const std::string& titulo) override
    {
        visibleAlAvisar.push_back(dialogo && dialogo->isVisible());
        InteraccionGuionada::Mensaje(texto, titulo);
    }
};

TEST(Form2EnPantalla, LosAvisosDeLaActivacionLleganConElDialogoYaVisible)
{
    Proyecto p;
    ReiniciarProyecto(p);
    prueba::FijarPuntos(p.AbscisasFalla, p.OrdenadasFalla, {{45, 20}, {15, 10}});
    p.NumeroTiposDeFalla = 1;
    p.TipoDeFalla = prueba::TablaDe<TipoUnion>({TipoUnion::Circular});
    p.PuntoInicialTipoFalla = prueba::TablaDe<double>({1});
    p.PuntoFinalTipoFalla = prueba::TablaDe<double>({2});
    p.ParametrosIntroducidos = true;
    p.RadioCirculoFalla = 10.0;
    RecalcularCuerdaCirculo(p); // √(30² + 10²) = 31.62 m, mitad 15.81 > 10
    InteraccionQueMira ui;
    Form2 dialogo(p, ui);
    ui.dialogo = &dialogo;
    prueba::Mostrar(dialogo);
    QCoreApplication::processEvents();
    EXPECT_EQ(ui.Mensajes(), (std::vector<std::string>{textos::FaltaGeometriaEntrePuntos,
                                                       textos::RadioMenorQueMediaCuerda}));
    EXPECT_EQ(ui.visibleAlAvisar, (std::vector<bool>{true, true}));
    EXPECT_EQ(prueba::Leer(dialogo, "TextoDeLaCuerda"), "31.62");
}

// Textos visibles de una ventana de Qt: título, rótulos, botones y sus ayudas, marcos, pestañas,
// listas desplegables, elementos de menú, filtros, encabezados de las listas y lugares de la
// izquierda del diálogo de archivos.
QStringList TextosDelDialogo(QWidget& dialogo)
{
    QStringList textos{dialogo.windowTitle()};
    for (auto* rotulo : dialogo.findChildren<QLabel*>())
        textos << rotulo->text();
    for (auto* boton : dialogo.findChildren<QAbstractButton*>())
        textos << boton->text() << boton->toolTip();
    for (auto* marco : dialogo.findChildren<QGroupBox*>())
        textos << marco->title();
    for (auto* pestanas : dialogo.findChildren<QTabWidget*>())
        for (int i = 0; i < pestanas->count(); ++i)
            textos << pestanas->tabText(i);
    for (auto* desplegable : dialogo.findChildren<QComboBox*>())
        for (int i = 0; i < desplegable->count(); ++i)
            textos << desplegable->itemText(i);
    for (auto* accion : dialogo.findChildren<QAction*>())
        textos << accion->text();
    for (auto* lista : dialogo.findChildren<QAbstractItemView*>()) {
        const QAbstractItemModel* modelo = lista->model();
        if (qobject_cast<QTreeView*>(lista))
            for (int c = 0; c < modelo->columnCount(); ++c)
                textos << modelo->headerData(c, Qt::Horizontal).toString();
        if (qobject_cast<QListView*>(lista) && !lista->rootIndex().isValid())
            for (int f = 0; f < modelo->rowCount(); ++f)
                textos << modelo->index(f, 0).data().toString();
    }
    textos.removeAll(QString());
    return textos;
}

// Los traductores que la aplicación instaló al empezar (la traducción de Qt y la nuestra).
QList<QTranslator*> Traductores()
{
    return QCoreApplication::instance()->findChildren<QTranslator*>();
}

// Los textos que da `textosDe` sin traducción y con ella: los que quedan iguales.
template <typename Textos> QStringList SinTraducir(Textos textosDe)
{
    const QList<QTranslator*> traductores = Traductores();
    for (QTranslator* t : traductores)
        QCoreApplication::removeTranslator(t);
    const QStringList enIngles = textosDe();
    for (QTranslator* t : traductores)
        QCoreApplication::installTranslator(t);
    QStringList iguales;
    for (const QString& texto : textosDe())
        if (enIngles.contains(texto)) iguales << texto;
    return iguales;
}

// Textos de Qt que se escriben igual en español.
const QStringList IgualesEnEspanol = {"&No", "Color", "..."};

TEST(DialogoDeArchivos, TodoLoQueMuestraQtEstaEnEspanol)
{
    // Los textos que Qt pone en el diálogo; con la traducción cargada, ninguno debe quedar igual
    // que sin ella (salvo los que no son palabras: rutas, los filtros del programa).
    ASSERT_FALSE(Traductores().isEmpty());
    for (const bool guardar : {false, true}) {
        const QStringList iguales = SinTraducir([guardar] {
            QFileDialog dialogo;
            PrepararDialogoArchivos(dialogo, guardar);
            dialogo.setDirectory(QString::fromUtf8(VERTANA_EJEMPLOS));
            return TextosDelDialogo(dialogo);
        });
        for (const QString& texto : iguales) {
            const bool esRutaOPropio =
                texto.startsWith('/') || texto == QDir::homePath() ||
                texto == QFileInfo(QDir::homePath()).fileName() || texto == textos::FiltroTodos ||
                texto == textos::FiltroCoordenadas || texto == textos::NombrePrograma;
            EXPECT_TRUE(esRutaOPropio) << "sin traducir: " << texto.toStdString();
        }
    }

    // Las columnas de la lista: tipo, tamaño y fecha en español.
    CarpetaTemporal carpeta;
    QDir(QString::fromStdString(carpeta.Raiz())).mkdir("estudios");
    std::ofstream(carpeta.Ruta("talud.cod"), std::ios::binary) << "x";
    QFileDialog dialogo;
    PrepararDialogoArchivos(dialogo, false);
    dialogo.setDirectory(QString::fromStdString(carpeta.Raiz()));
    auto* lista = dialogo.findChild<QTreeView*>("treeView");
    ASSERT_NE(lista, nullptr);
    const QAbstractItemModel* modelo = lista->model();
    constexpr int Esperas = 200; // de 10 ms: el modelo lee la carpeta en otro hilo
    for (int i = 0; i < Esperas && modelo->rowCount(lista->rootIndex()) < 2; ++i)
        QTest::qWait(10);
    ASSERT_EQ(modelo->rowCount(lista->rootIndex()), 2);
    QStringList tipos;
    for (int f = 0; f < 2; ++f)
        tipos << modelo->index(f, 2, lista->rootIndex()).data().toString();
    tipos.sort();
    EXPECT_EQ(tipos, (QStringList{"Archivo de coordenadas", "Carpeta"}));
    const QModelIndex archivo = modelo->index(
        modelo->index(0, 0, lista->rootIndex()).data().toString() == "talud.cod" ? 0 : 1, 0,
        lista->rootIndex());
    const QLocale espanol(QLocale::Spanish);
    EXPECT_EQ(archivo.siblingAtColumn(1).data().toString(), espanol.formattedDataSize(1));
    const QDateTime fecha =
        QFileInfo(QString::fromStdString(carpeta.Ruta("talud.cod"))).lastModified();
    EXPECT_EQ(archivo.siblingAtColumn(3).data().toString(),
              espanol.toString(fecha, QLocale::ShortFormat));
}

TEST(TextosDeQt, ImpresionMensajesYMenuDeLosCuadrosEnEspanol)
{
    ASSERT_FALSE(Traductores().isEmpty());
    QStringList iguales;
    // El diálogo de impresión (Imprimir y las ventanas de los gráficos).
    iguales << SinTraducir([] {
        QPrinter impresora;
        QPrintDialog dialogo(&impresora);
        return TextosDelDialogo(dialogo);
    });
    // Los botones de las preguntas y los avisos.
    iguales << SinTraducir([] {
        QMessageBox cuadro(QMessageBox::Question, {}, {},
                           QMessageBox::Yes | QMessageBox::No | QMessageBox::Ok);
        QStringList textos;
        for (const QAbstractButton* boton : cuadro.buttons())
            textos << boton->text();
        return textos;
    });
    // El menú del botón derecho de un cuadro de texto.
    iguales << SinTraducir([] {
        QLineEdit cuadro;
        std::unique_ptr<QMenu> menu(cuadro.createStandardContextMenu());
        QStringList textos;
        for (const QAction* accion : menu->actions())
            textos << accion->text();
        textos.removeAll(QString());
        return textos;
    });
    for (const QString& texto : iguales)
        EXPECT_TRUE(IgualesEnEspanol.contains(texto)) << "sin traducir: " << texto.toStdString();
}

} // namespace
} // namespace vertana
