#include "ui/form1.h"

#include "calculo/calculo_riguroso.h"
#include "dibujo/informe_pdf.h"
#include "io/archivo_geometria.h"
#include "io/archivo_proyecto.h"
#include "io/items.h"
#include "model/error.h"
#include "model/interaccion.h"
#include "model/numeros.h"
#include "model/textos.h"
#include "output/informe.h"
#include "rock/parametros_instantaneos.h"
#include "ui/archivos_recientes.h"
#include "ui/costumbres_escritorio.h"
#include "ui/dialogo_archivos.h"
#include "ui/dialogo_contraste.h"
#include "ui/form14.h"
#include "ui/form15.h"
#include "ui/form18.h"
#include "ui/form19.h"
#include "ui/form2.h"
#include "ui/form4.h"
#include "ui/form5.h"
#include "ui/form6.h"
#include "ui/form7.h"
#include "ui/form8.h"
#include "ui/frm_about.h"
#include "ui/impresion_informe.h"
#include "ui/menu_busqueda.h"
#include "ui/menu_graficos.h"
#include "ui/menu_roca.h"
#include "ui/panel_ultimo_calculo.h"
#include "ui/ventana_ayuda.h"
#include "ui/vista_seccion.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QStatusBar>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <cassert>
#include <cmath>

namespace vertana {
namespace {

// Nombres de los elementos del menú que llevan la marca del conjunto en pantalla, por conjunto.
constexpr const char* ElementoDelConjunto[] = {"MenúCoordenadasTalud", "MenúCoordenadasFalla",
                                               "MenúCoordenadasFreático",
                                               "MenúCoordenadasEstratos"};
constexpr const char* EtiquetaDelConjunto[] = {
    textos::EtiquetaConjuntoTalud, textos::EtiquetaConjuntoFalla, textos::EtiquetaConjuntoFreatico,
    textos::EtiquetaConjuntoEstrato};

// Texto de un cuadro cuando el editor muestra un conjunto: un blanco.
constexpr char CuadroEnBlanco[] = " ";

QString Q(const std::string& texto)
{
    return QString::fromStdString(texto);
}

QString RutaComoQString(const std::string& ruta)
{
    return QFile::decodeName(QByteArray::fromStdString(ruta));
}

} // namespace

Form1::Form1(Proyecto& proyecto, Interaccion& interaccion, QWidget* padre)
    : QMainWindow(padre), proyecto_(proyecto), interaccion_(interaccion), editor_(proyecto),
      historia_(proyecto, editor_,
                [this](VistaTrasCambio vista, int fila) { RedibujarEditor(vista, fila); })
{
    setObjectName("Form1");
    ElegirArchivoAbrir = [this] { return ElegirArchivoConDialogo(false); };
    ElegirArchivoGuardar = [this] { return ElegirArchivoConDialogo(true); };
    ElegirImpresora = [this](QPrinter& impresora) {
        return ElegirImpresoraConDialogo(impresora, this);
    };
    ElegirPosicionEstrato = [this]() -> std::optional<int> {
        Form4 dialogo(proyecto_, this);
        if (dialogo.exec() != QDialog::Accepted) return std::nullopt;
        return dialogo.PosicionElegida();
    };
    CrearMenus();
    CrearEditor();
    ultimoResultado_ = new PanelUltimoCalculo(this);
    statusBar()->addPermanentWidget(ultimoResultado_, 1);
    ConectarDialogosDeDatos();
    ConectarGraficos(*this, proyecto_, interaccion_);
    ConectarBusqueda(*this, proyecto_, interaccion_);
    constexpr int Ancho = 1180; // píxeles: el editor y la vista de la sección
    constexpr int Alto = 680;
    SeguirCambiosDelUltimoCalculo();
    resize(Ancho, Alto);
    PrepararCostumbresDeEscritorio();
    // F1 abre la ayuda desde cualquier ventana del programa.
    qApp->installEventFilter(this);
    NuevoProyecto();
}

Form1::~Form1()
{
    qApp->removeEventFilter(this);
}

// ---------------------------------------------------------------------------------------------
// Construcción.

void Form1::CrearMenus()
{
    namespace m = textos::menu;
    // Un elemento con su nombre; los que todavía no tienen diálogo quedan deshabilitados.
    auto agregar = [this](QMenu* menu, const char* nombre, const char* texto,
                          std::function<void()> orden = {}) {
        QAction* accion = menu->addAction(texto);
        accion->setObjectName(nombre);
        if (orden)
            connect(accion, &QAction::triggered, this,
                    [this, orden = std::move(orden)] { EjecutarOrden(orden); });
        else
            accion->setEnabled(false);
        return accion;
    };
    auto submenu = [](QMenu* menu, const char* nombre, const char* texto) {
        QMenu* sub = menu->addMenu(texto);
        sub->setObjectName(nombre);
        sub->menuAction()->setObjectName(nombre);
        return sub;
    };
    auto menuPrincipal = [this](const char* nombre, const char* texto) {
        QMenu* menu = menuBar()->addMenu(texto);
        menu->setObjectName(nombre);
        menu->menuAction()->setObjectName(nombre);
        return menu;
    };

    QMenu* archivo = menuPrincipal("MenúArchivo", m::Archivo);
    agregar(archivo, "ArchivoNuevo", m::Nuevo, [this] { Nuevo(); });
    agregar(archivo, "MenúArchivoAbrir", m::Abrir, [this] { Abrir(); });
    agregar(archivo, "MenúArchivoGuardar", m::Guardar, [this] { Guardar(); });
    agregar(archivo, "MenúArchivoGuardarComo", m::GuardarComo, [this] { GuardarComo(); });
    archivo->addSeparator();
    agregar(archivo, "MenúInformación", m::Informacion);
    agregar(archivo, "MenúArchivoConstantes", m::Constantes);
    agregar(archivo, "CambioParámetrosResistenciaPresiónPoros", m::CambioParametros);
    agregar(archivo, "PresionesDePorosEquilibrioLímite", m::PresionesDePoros);
    QMenu* calcular = submenu(archivo, "ArchivoCalcular", m::Calcular);
    QMenu* suelos = submenu(calcular, "CálculoEnSuelos", m::CalculoEnSuelos);
    agregar(suelos, "ProcesoIterativoEnSuelos", m::ProcesoIterativoEnSuelos,
            [this] { EjecutarCalculo(Metodo::Variacional, {}); });
    agregar(suelos, "MétodoBishop", m::Bishop, [this] { EjecutarCalculo(Metodo::Bishop, {}); });
    agregar(suelos, "MétodoFellenius", m::Fellenius,
            [this] { EjecutarCalculo(Metodo::Fellenius, {}); });
    agregar(suelos, "MétodoJanbu", m::Janbu, [this] { EjecutarCalculo(Metodo::Janbu, {}); });
    QMenu* rocas = submenu(calcular, "CálculoEnRocas", m::CalculoEnRocas);
    agregar(rocas, "ProcesoIterativoEnRocas", m::ProcesoIterativoEnRocas,
            [this] { EjecutarCalculo(Metodo::Variacional, CalculoEnRocas()); });
    agregar(rocas, "MétodoJanbuEnRocas", m::JanbuEnRocas,
            [this] { EjecutarCalculo(Metodo::Janbu, CalculoEnRocas()); });
    agregar(calcular, "CálculoParámetrosInstantáneos", m::ParametrosInstantaneos, [this] {
        OpcionesCalculo opciones;
        opciones.ParametrosInstantaneos = true;
        EjecutarCalculo(proyecto_.MetodoDeCalculo, opciones);
    });
    agregar(calcular, "MenúContrasteRiguroso", textos::MenuContraste, [this] { Contrastar(); });
    agregar(calcular, "MenúBúsquedaSuperficieCrítica", m::BusquedaSuperficieCritica);
    archivo->addSeparator();
    QMenu* presentacion = submenu(archivo, "MenúPresentación", m::Presentacion);
    agregar(presentacion, "ResultadosCálculoRocas", m::ResultadosRocas);
    agregar(presentacion, "ResultadosCálculoSuelos", m::ResultadosSuelos);
    agregar(archivo, "MenúArchivoImprimir", m::Imprimir, [this] { Imprimir(); });
    agregar(archivo, "MenúArchivoExportarPdf", textos::informe::MenuExportarPdf, [this] {
        GuardarEdicion();
        const std::string ruta = ExportarInformePdf(proyecto_, interaccion_, this);
        constexpr int AvisoMs = 8000; // lo que dura el aviso en la barra de estado
        if (!ruta.empty())
            statusBar()->showMessage(QString::fromUtf8(textos::informe::PdfEscrito) +
                                         QFile::decodeName(ruta.c_str()),
                                     AvisoMs);
    });
    archivo->addSeparator();
    QAction* salir = archivo->addAction(m::Salir);
    salir->setObjectName("MenúArchivoSalir");
    connect(salir, &QAction::triggered, this, &QWidget::close);

    QMenu* coordenadas = menuPrincipal("MenúCoordenadas", m::Coordenadas);
    agregar(coordenadas, "MenúCoordenadasTalud_Estratos_Nivelfreático_DeArchivo", m::DeArchivo,
            [this] { CargarArchivoGeometria(); });
    const char* textoConjunto[] = {m::Talud, m::Falla, m::Freatico, m::Estratos};
    for (int c = ConjuntoTalud; c <= ConjuntoEstratos; ++c) {
        if (c == ConjuntoFreatico)
            agregar(coordenadas, "MénuGeometríaEntrePuntosSuperficieFalla", m::GeometriaFalla);
        QAction* accion = coordenadas->addAction(textoConjunto[c - 1]);
        accion->setObjectName(ElementoDelConjunto[c - 1]);
        accion->setCheckable(true);
        if (c == ConjuntoEstratos)
            connect(accion, &QAction::triggered, this, &Form1::ElegirEstratos);
        else
            connect(accion, &QAction::triggered, this, [this, c] { ElegirConjunto(c); });
    }
    coordenadas->addSeparator();
    agregar(coordenadas, "MenúInsertarEstrato", m::InsertarEstrato, [this] { InsertarEstrato(); });
    QMenu* caracteristicas =
        submenu(coordenadas, "MenúCaracterísticasEstratos", m::CaracteristicasEstratos);
    agregar(caracteristicas, "CaracterísticasGeomecánicasSuelos", m::CaracteristicasSuelos);
    QMenu* caracteristicasRocas =
        submenu(caracteristicas, "CaracterísticasGeomecánicasRocas", m::CaracteristicasRocas);
    agregar(caracteristicasRocas, "ParámetrosCaracterizaciónRocaSinLaboratorio",
            m::RocaSinLaboratorio);
    agregar(caracteristicasRocas, "ParámetrosDeCaracterizaciónRocaConLaboratorio",
            m::RocaConLaboratorio);
    coordenadas->addSeparator();
    agregar(coordenadas, "MenúEliminarEstrato", m::EliminarEstrato, [this] { EliminarEstrato(); });
    agregar(coordenadas, "MenúEliminarNivelFreático", m::EliminarFreatico,
            [this] { EliminarNivelFreatico(); });

    QMenu* cargas = menuPrincipal("MenéCargas", m::Cargas);
    agregar(cargas, "CargasUniformes", m::CargasUniformes);
    agregar(cargas, "CargasPuntuales", m::CargasPuntuales);

    QMenu* grafico = menuPrincipal("MenúGráfico", m::Grafico);
    agregar(grafico, "GráficoGeometría", m::GraficoGeometria);
    grafico->addSeparator();
    agregar(grafico, "GráficoEsfuerzoNormalesEfectivos", m::GraficoNormalesEfectivos);
    agregar(grafico, "GráficoEsfuerzoNormalesTotales", m::GraficoNormalesTotales);
    agregar(grafico, "GráficoEsfuerzoPrincipalMayor", m::GraficoPrincipalMayor);
    agregar(grafico, "GráficoEsfuerzoPrincipalMenor", m::GraficoPrincipalMenor);
    agregar(grafico, "GráficoEsfuerzosTangencialesMovilizados", m::GraficoTangenciales);
    agregar(grafico, "GráficoResistenciaAlCorteVsEsfuerzoNormal", m::GraficoResistencia);
    agregar(grafico, "GráficoEsfuerzosNormalesTotalesEfectivosTangenciales",
            m::GraficoNormalesYTangenciales);
    agregar(grafico, "GráficoDeEsfuerzosPrincipales", m::GraficoPrincipales);
    agregar(grafico, "GráficoGeometríaAdaptadaEscalaEsfuerzos", m::GraficoGeometriaEscala);

    QMenu* ayuda = menuPrincipal("MenúAyuda", m::Ayuda);
    agregar(ayuda, "MenúAyudaContenido", m::Contenido,
            [this] { interaccion_.Mensaje(textos::F1ParaAyuda); });
    agregar(ayuda, "MenúAyudaAcercaDe", m::AcercaDe, [this] { MostrarAcercaDe(); });
}

void Form1::CrearEditor()
{
    auto* central = new QWidget(this);
    setCentralWidget(central);

    // Descripción del proyecto y botón del aviso.
    auto* etiquetaProyecto = new QLabel(textos::EtiquetaTextoProyecto, central);
    etiquetaProyecto->setObjectName("EtiquetaProyecto");
    textoProyecto_ = new QPlainTextEdit(central);
    textoProyecto_->setObjectName("TextoProyecto");
    textoProyecto_->setToolTip(textos::AyudaTextoProyecto);
    textoProyecto_->setTabChangesFocus(true);
    constexpr int LineasDescripcion = 4; // alto del cuadro de la descripción, en líneas
    textoProyecto_->setFixedHeight(
        textoProyecto_->fontMetrics().lineSpacing() * LineasDescripcion +
        2 * textoProyecto_->frameWidth() +
        static_cast<int>(2 * textoProyecto_->document()->documentMargin()));
    etiquetaProyecto->setBuddy(textoProyecto_);
    connect(textoProyecto_, &QPlainTextEdit::textChanged, this, &Form1::DescripcionCambiada);
    auto* advertencia = new QPushButton(textos::BotonAdvertenciaLeer, central);
    advertencia->setObjectName("BotónAdvertencia");
    connect(advertencia, &QPushButton::clicked, this, &Form1::MostrarAcercaDe);

    // Editor de coordenadas.
    etiquetaCoordenadas_ = new QLabel(central);
    etiquetaCoordenadas_->setObjectName("EtiquetaCoordenadas");
    QFont negrita = etiquetaCoordenadas_->font();
    negrita.setBold(true);
    etiquetaCoordenadas_->setFont(negrita);

    auto* etiquetaX = new QLabel(textos::EditorEtiquetaX, central);
    etiquetaX->setObjectName("EtiquetaX");
    textoX_ = new QLineEdit(central);
    textoX_->setObjectName("TextoX");
    textoX_->setToolTip(textos::AyudaTextoX);
    etiquetaX->setBuddy(textoX_);
    auto* etiquetaY = new QLabel(textos::EditorEtiquetaY, central);
    etiquetaY->setObjectName("EtiquetaY");
    textoY_ = new QLineEdit(central);
    textoY_->setObjectName("TextoY");
    textoY_->setToolTip(textos::AyudaTextoY);
    etiquetaY->setBuddy(textoY_);
    constexpr int AnchoCuadroEnCaracteres = 16; // un número con sus decimales
    textoX_->setFixedWidth(fontMetrics().averageCharWidth() * AnchoCuadroEnCaracteres);
    textoY_->setFixedWidth(fontMetrics().averageCharWidth() * AnchoCuadroEnCaracteres);

    auto* agregar = new QPushButton(textos::EditorAgregar, central);
    agregar->setObjectName("BotónAgregar");
    auto* modificar = new QPushButton(textos::EditorModificar, central);
    modificar->setObjectName("BotónModificar");
    auto* borrar = new QPushButton(textos::EditorBorrar, central);
    borrar->setObjectName("BotónBorrar");
    connect(agregar, &QPushButton::clicked, this, &Form1::Agregar);
    connect(modificar, &QPushButton::clicked, this, &Form1::Modificar);
    connect(borrar, &QPushButton::clicked, this, &Form1::Borrar);
    // Enter en x pasa a y; Enter en y agrega el punto y vuelve a x. El cuadro al que se llega
    // queda con su texto elegido, de modo que lo que se escribe lo reemplaza.
    auto irA = [](QLineEdit* cuadro) {
        cuadro->setFocus(Qt::OtherFocusReason);
        cuadro->selectAll();
    };
    connect(textoX_, &QLineEdit::returnPressed, textoY_, [this, irA] { irA(textoY_); });
    connect(textoY_, &QLineEdit::returnPressed, this, [this, irA] {
        if (Agregar()) irA(textoX_);
    });

    listaCoordenadas_ = new QTreeWidget(central);
    listaCoordenadas_->setObjectName("ListaCoordenadas");
    listaCoordenadas_->setToolTip(textos::AyudaListaCoordenadas);
    listaCoordenadas_->setColumnCount(2);
    listaCoordenadas_->setHeaderLabels({textos::EditorEncabezadoX, textos::EditorEncabezadoY});
    listaCoordenadas_->headerItem()->setTextAlignment(0, Qt::AlignCenter);
    listaCoordenadas_->headerItem()->setTextAlignment(1, Qt::AlignCenter);
    listaCoordenadas_->header()->setSectionResizeMode(QHeaderView::Stretch);
    listaCoordenadas_->setRootIsDecorated(false);
    listaCoordenadas_->setUniformRowHeights(true);
    listaCoordenadas_->setSelectionMode(QAbstractItemView::SingleSelection);
    listaCoordenadas_->setAlternatingRowColors(true);
    constexpr int AnchoListaEnCaracteres = 36; // dos columnas de números con holgura
    listaCoordenadas_->setFixedWidth(fontMetrics().averageCharWidth() * AnchoListaEnCaracteres);
    connect(listaCoordenadas_, &QTreeWidget::itemClicked, this,
            [this](QTreeWidgetItem* item) { FilaElegida(item); });
    connect(listaCoordenadas_, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem* item) { FilaElegida(item); });

    avisoSinPasar_ = new QLabel(textos::AvisoPuntosSinPasar, central);
    avisoSinPasar_->setObjectName("AvisoPuntosSinPasar");
    avisoSinPasar_->setWordWrap(true);
    constexpr int AnchoAvisoEnCaracteres = 40; // el aviso, en unas tres líneas
    avisoSinPasar_->setMaximumWidth(fontMetrics().averageCharWidth() * AnchoAvisoEnCaracteres);
    avisoSinPasar_->setVisible(false);

    etiquetaDeEstratos_ = new QLabel(textos::EtiquetaSinEstratos, central);
    etiquetaDeEstratos_->setObjectName("EtiquetaDeEstratos");
    listaEstrato_ = new QComboBox(central);
    listaEstrato_->setObjectName("ListaEstrato");
    listaEstrato_->setToolTip(textos::AyudaListaEstrato);
    constexpr int AnchoListaEstrato = 80; // píxeles
    listaEstrato_->setMinimumWidth(AnchoListaEstrato);
    connect(listaEstrato_, &QComboBox::currentIndexChanged, this, &Form1::EstratoElegido);

    // Disposición: la descripción arriba; debajo, el editor con la lista a la izquierda y los
    // cuadros y botones a la derecha.
    auto* filaProyecto = new QHBoxLayout;
    filaProyecto->addWidget(textoProyecto_, 1);
    filaProyecto->addWidget(advertencia, 0, Qt::AlignTop);

    auto* cuadros = new QGridLayout;
    cuadros->addWidget(etiquetaX, 0, 0);
    cuadros->addWidget(textoX_, 0, 1);
    cuadros->addWidget(etiquetaY, 1, 0);
    cuadros->addWidget(textoY_, 1, 1);
    cuadros->setColumnStretch(2, 1);
    auto* botones = new QHBoxLayout;
    botones->addWidget(agregar);
    botones->addWidget(modificar);
    botones->addWidget(borrar);
    auto* estratos = new QHBoxLayout;
    estratos->addWidget(etiquetaDeEstratos_);
    estratos->addWidget(listaEstrato_);
    estratos->addStretch();
    auto* controles = new QVBoxLayout;
    controles->addLayout(cuadros);
    controles->addLayout(botones);
    controles->addWidget(avisoSinPasar_);
    controles->addSpacing(fontMetrics().height());
    controles->addLayout(estratos);
    controles->addStretch();

    auto* editor = new QHBoxLayout;
    editor->addWidget(listaCoordenadas_);
    editor->addSpacing(fontMetrics().averageCharWidth() * 2);
    editor->addLayout(controles);
    vista_ = new VistaSeccion(proyecto_, editor_, estado_, ultimoCalculo_, interaccion_, central);
    editor->addWidget(vista_, 1);

    auto* linea = new QFrame(central);
    linea->setFrameShape(QFrame::HLine);
    linea->setFrameShadow(QFrame::Sunken);

    auto* disposicion = new QVBoxLayout(central);
    disposicion->addWidget(etiquetaProyecto);
    disposicion->addLayout(filaProyecto);
    disposicion->addWidget(linea);
    disposicion->addWidget(etiquetaCoordenadas_);
    disposicion->addLayout(editor, 1);
}

void Form1::PrepararCostumbresDeEscritorio()
{
    PonerAtajos(*this);
    // Archivos recientes, tras "Guardar como".
    QMenu* archivo = findChild<QMenu*>("MenúArchivo");
    recientes_ = new ArchivosRecientes(archivo, Accion("MenúArchivoGuardarComo"),
                                       [this](const std::string& ruta) { AbrirArchivo(ruta); });
    AgregarDeshacerAlMenu(findChild<QMenu*>("MenúCoordenadas"), historia_.Pila());
    // Deshacer o rehacer un cambio de coordenadas también puede dejar atrás el último cálculo.
    connect(&historia_.Pila(), &QUndoStack::indexChanged, this,
            [this] { ultimoResultado_->Revisar(proyecto_, editor_); });
    RestaurarGeometria(*this);
}

QAction* Form1::Accion(const char* nombre) const
{
    auto* accion = findChild<QAction*>(nombre);
    assert(accion && "elemento del menú inexistente");
    return accion;
}

void Form1::ConectarDialogo(const char* elemento, CondicionMenu condicion,
                            std::function<void()> abrir)
{
    QAction* accion = Accion(elemento);
    accion->setEnabled(true);
    connect(accion, &QAction::triggered, this, [this, condicion, abrir = std::move(abrir)] {
        if (condicion) {
            if (const auto aviso = condicion(proyecto_)) {
                // El aviso es el de siempre; si hay puntos escritos que todavía no cuentan en el
                // proyecto (la causa más común del aviso), se dice debajo.
                if (editor_.CopiaIgualAlProyecto())
                    interaccion_.Mensaje(aviso->texto, aviso->titulo);
                else
                    interaccion_.MensajeConDetalle(aviso->texto, textos::AvisoPuntosSinPasar,
                                                   aviso->titulo);
                return;
            }
        }
        EjecutarOrden(abrir);
        vista_->Actualizar();
    });
}

void Form1::ConectarDialogosDeDatos()
{
    ConectarDialogo("MenúArchivoConstantes", CondicionParametrosIniciales, [this] {
        Form2 dialogo(proyecto_, interaccion_, this);
        dialogo.EnlazarPartidaAutomatica(&estado_.PartidaAutomatica);
        dialogo.exec();
    });
    ConectarDialogo("MénuGeometríaEntrePuntosSuperficieFalla", CondicionGeometriaFalla, [this] {
        Form6 dialogo(proyecto_, interaccion_, this);
        dialogo.exec();
    });
    ConectarDialogo("CaracterísticasGeomecánicasSuelos", CondicionCaracteristicasSuelos, [this] {
        Form5 dialogo(proyecto_, interaccion_, PosicionNuevoEstrato(), this);
        dialogo.exec();
    });
    ConectarCaracterizacionRoca(*this, proyecto_, interaccion_);
    ConectarResultadosRocas(*this, proyecto_, interaccion_);
    ConectarDialogo("MenúInformación", nullptr, [this] {
        Form15 dialogo(proyecto_, interaccion_, this);
        dialogo.exec();
    });
    ConectarDialogo("CargasUniformes", nullptr, [this] {
        Form7 dialogo(proyecto_, interaccion_, this);
        dialogo.exec();
    });
    ConectarDialogo("CargasPuntuales", nullptr, [this] {
        Form8 dialogo(proyecto_, interaccion_, this);
        dialogo.exec();
    });
    ConectarDialogo("CambioParámetrosResistenciaPresiónPoros", CondicionCambioParametros, [this] {
        Form18 dialogo(ParametrosParaCambiar(proyecto_, estado_), interaccion_, this);
        dialogo.exec();
        if (dialogo.Resultado())
            AplicarParametrosDeDovelas(proyecto_, estado_, *dialogo.Resultado());
    });
    ConectarDialogo("PresionesDePorosEquilibrioLímite", CondicionPresionesDePoros, [this] {
        Form19 dialogo(proyecto_, interaccion_, this);
        dialogo.exec();
    });
    ConectarDialogo("ResultadosCálculoSuelos", CondicionResultadosSuelos, [this] {
        Form14 dialogo(proyecto_, interaccion_, this);
        dialogo.exec();
    });
}

void Form1::SeguirCambiosDelUltimoCalculo()
{
    auto revisar = [this] { ultimoResultado_->Revisar(proyecto_, editor_); };
    for (QAction* accion : findChildren<QAction*>())
        connect(accion, &QAction::triggered, this, revisar);
    for (QPushButton* boton : centralWidget()->findChildren<QPushButton*>())
        connect(boton, &QPushButton::clicked, this, revisar);
    connect(textoY_, &QLineEdit::returnPressed, this, revisar);
}

// ---------------------------------------------------------------------------------------------
// Impresión del informe. Se cancela o falla sin mensaje.

void Form1::Imprimir()
{
    GuardarEdicion();
    const Informe informe = GenerarInforme(proyecto_);
    QPrinter impresora(QPrinter::HighResolution);
    impresora.setPageOrientation(OrientacionDelInforme(informe, impresora));
    // El nombre del documento (y del PDF que propone el diálogo): el del proyecto.
    impresora.setDocName(
        proyecto_.ArchivoActual.empty()
            ? QString::fromUtf8(textos::NombrePrograma)
            : QFileInfo(RutaComoQString(proyecto_.ArchivoActual)).completeBaseName());
    if (!ElegirImpresora(impresora)) return;
    ImprimirInforme(impresora, informe, this);
}

// ---------------------------------------------------------------------------------------------
// Proyecto nuevo y órdenes de archivo.

void Form1::EjecutarCalculo(Metodo metodo, const OpcionesCalculo& opciones)
{
    ultimoCalculo_ = Calcular(proyecto_, estado_, metodo, opciones, interaccion_);
    vista_->Actualizar();
    ultimoResultado_->Calculado(*ultimoCalculo_, proyecto_, editor_);
}

void Form1::Contrastar()
{
    const std::vector<ResultadoRiguroso> resultados =
        CalcularRiguroso(proyecto_, estado_,
                         {MetodoRiguroso::Spencer, MetodoRiguroso::MorgensternPrice}, interaccion_);
    if (resultados.front().Estado == EstadoDelCalculo::Rechazado) return; // ya se dijo por qué
    DialogoContraste dialogo(proyecto_, resultados, this);
    dialogo.exec();
}

void Form1::AdoptarSuperficieCritica(const SuperficieEnsayo& superficie, MetodoBusqueda metodo)
{
    GuardarEdicion();
    AdoptarSuperficie(proyecto_, superficie, metodo);
    ReiniciarEstadoCalculo(estado_);
    // Los cambios de puntos anteriores eran de otra superficie: ya no se deshacen.
    historia_.Olvidar();
    Mostrar(editor_.ConjuntoActivo(), editor_.EstratoActivo());
    if (const auto m = MetodoDelPrograma(metodo))
        EjecutarCalculo(*m, {});
    else
        interaccion_.Mensaje(textos::BusquedaAdoptadaSinCalculo, textos::TituloBusqueda);
    vista_->Actualizar();
    ultimoResultado_->Revisar(proyecto_, editor_);
}

void Form1::NuevoProyecto()
{
    editor_.Reiniciar();
    ReiniciarProyecto(proyecto_);
    // La cuerda del círculo es de la superficie de falla, que el reinicio vacía.
    RecalcularCuerdaCirculo(proyecto_);
    ReiniciarEstadoCalculo(estado_);
    historia_.Olvidar();
    ReiniciarVentana();
    ultimoResultado_->Limpiar();
}

void Form1::ReiniciarVentana()
{
    RellenarLista();
    ActualizarVista();
    setWindowTitle(textos::TituloNuevoProyecto);
    textoX_->clear();
    textoY_->clear();
    CargarDescripcion();
}

void Form1::GuardarEdicion()
{
    editor_.Guardar();
    proyecto_.Descripcion = textoProyecto_->toPlainText().toStdString();
    ActualizarAvisoSinPasar();
}

void Form1::EjecutarOrden(const std::function<void()>& orden)
{
    try {
        orden();
    } catch (const ErrorVertana& error) {
        interaccion_.Mensaje(error.what());
    }
}

void Form1::OfrecerGuardar()
{
    // Tras un guardado que falló (o se canceló) se pregunta otra vez: el proyecto sólo se
    // descarta cuando la persona contesta No.
    while (!ProyectoGuardado(proyecto_) && interaccion_.Pregunta(textos::PreguntaGuardarAntes))
        if (GuardarComo()) return;
}

void Form1::Nuevo()
{
    OfrecerGuardar();
    NuevoProyecto();
}

void Form1::Abrir()
{
    if (!ProyectoGuardado(proyecto_) && !interaccion_.Pregunta(textos::PreguntaAbrirOtro)) return;
    const std::string ruta = ElegirArchivoAbrir();
    if (ruta.empty()) return;
    LeerArchivo(ruta);
}

void Form1::AbrirArchivo(const std::string& ruta)
{
    if (!QFileInfo::exists(RutaComoQString(ruta))) {
        // Nada que leer: se avisa y el proyecto en pantalla sigue igual.
        interaccion_.MensajeConDetalle(textos::ErrorLeyendoArchivo,
                                       DetalleErrorDeLectura(ruta, nullptr));
        if (recientes_) recientes_->Quitar(ruta);
        return;
    }
    if (!ProyectoGuardado(proyecto_) && !interaccion_.Pregunta(textos::PreguntaAbrirOtro)) return;
    LeerArchivo(ruta);
}

void Form1::LeerArchivo(const std::string& ruta)
{
    NuevoProyecto();
    // Tras un error de lectura (ya mostrado) se sigue con lo leído, como tras una lectura buena.
    const bool leido = LeerProyecto(ruta, proyecto_, interaccion_);
    CargarDescripcion();
    proyecto_.ArchivoActual = ruta;
    PonerTituloConArchivo(ruta);
    proyecto_.DatosGuardados = false;
    editor_.MostrarTalud();
    VistaDelConjuntoNuevo();
    if (leido && recientes_) recientes_->Agregar(ruta);
}

bool Form1::PuedeGuardar()
{
    // Lo que está en pantalla cuenta para las comprobaciones.
    GuardarEdicion();
    if (const auto aviso = ComprobarAntesDeGuardar(proyecto_)) {
        interaccion_.Mensaje(aviso->texto, aviso->titulo);
        return false;
    }
    return proyecto_.HayResultados || interaccion_.Pregunta(textos::PreguntaGuardarSinCalcular);
}

bool Form1::Guardar()
{
    if (proyecto_.ArchivoActual.empty()) return GuardarComo();
    if (!PuedeGuardar()) return false;
    return Escribir(proyecto_.ArchivoActual);
}

bool Form1::GuardarComo()
{
    if (!PuedeGuardar()) return false;
    const std::string ruta = ElegirArchivoGuardar();
    if (ruta.empty()) return false;
    if (QFileInfo::exists(RutaComoQString(ruta)) &&
        !interaccion_.Pregunta(textos::PreguntaSobreescribir))
        return false;
    if (!Escribir(ruta)) return false;
    proyecto_.ArchivoActual = ruta;
    PonerTituloConArchivo(ruta);
    if (recientes_) recientes_->Agregar(ruta);
    return true;
}

bool Form1::Escribir(const std::string& ruta)
{
    try {
        EscribirProyecto(ruta, proyecto_);
    } catch (const ErrorVertana& error) {
        interaccion_.Mensaje(error.what());
        return false;
    }
    proyecto_.DatosGuardados = true;
    return true;
}

void Form1::PonerTituloConArchivo(const std::string& ruta)
{
    setWindowTitle(QFileInfo(RutaComoQString(ruta)).fileName() + textos::SufijoTitulo);
}

void Form1::CargarArchivoGeometria()
{
    // Los puntos en pantalla pasan al proyecto: así la primera pregunta los tiene en cuenta y
    // una superficie de falla recién escrita no se pierde al volver al talud.
    editor_.Guardar();
    const std::string carpetaPersonal = QFile::encodeName(QDir::homePath()).toStdString();
    if (!CargarGeometria(RutaArchivoGeometria(carpetaPersonal), proyecto_, interaccion_)) return;
    historia_.Olvidar();
    editor_.MostrarTalud();
    VistaDelConjuntoNuevo();
}

void Form1::closeEvent(QCloseEvent* evento)
{
    // Salir: si hay cambios sin guardar se ofrece guardarlos (otra vez si el guardado falla); el
    // programa termina cuando queda guardado o la persona contesta No.
    OfrecerGuardar();
    if (ayuda_) ayuda_->close();
    RecordarGeometria(*this);
    evento->accept();
}

std::string Form1::ElegirArchivoConDialogo(bool guardar)
{
    QFileDialog dialogo(this);
    PrepararDialogoArchivos(dialogo, guardar);
    if (!proyecto_.ArchivoActual.empty())
        dialogo.setDirectory(QFileInfo(RutaComoQString(proyecto_.ArchivoActual)).absolutePath());
    if (dialogo.exec() != QDialog::Accepted || dialogo.selectedFiles().isEmpty()) return {};
    return QFile::encodeName(dialogo.selectedFiles().constFirst()).toStdString();
}

// ---------------------------------------------------------------------------------------------
// Editor de coordenadas.

void Form1::Mostrar(int conjunto, int estrato)
{
    if (editor_.Mostrar(conjunto, estrato)) VistaDelConjuntoNuevo();
}

void Form1::VistaDelConjuntoNuevo()
{
    RellenarLista();
    textoX_->setText(CuadroEnBlanco);
    textoY_->setText(CuadroEnBlanco);
    ActualizarVista();
}

void Form1::RedibujarEditor(VistaTrasCambio vista, int fila)
{
    RellenarLista();
    if (vista == VistaTrasCambio::ConjuntoNuevo) {
        textoX_->setText(CuadroEnBlanco);
        textoY_->setText(CuadroEnBlanco);
    }
    ActualizarVista();
    // La fila elegida de la lista es la del editor (ninguna tras borrar la elegida).
    actualizandoLista_ = true;
    const int elegida = editor_.FilaSeleccionada();
    listaCoordenadas_->setCurrentItem(elegida > 0 ? listaCoordenadas_->topLevelItem(elegida - 1)
                                                  : nullptr);
    if (elegida == 0) listaCoordenadas_->clearSelection();
    actualizandoLista_ = false;
    if (fila > 0) listaCoordenadas_->scrollToItem(listaCoordenadas_->topLevelItem(fila - 1));
}

void Form1::ActualizarAvisoSinPasar()
{
    avisoSinPasar_->setVisible(!editor_.CopiaIgualAlProyecto());
}

void Form1::ActualizarVista()
{
    const int conjunto = editor_.ConjuntoActivo();
    assert(conjunto >= ConjuntoTalud && conjunto <= ConjuntoEstratos);
    etiquetaCoordenadas_->setText(EtiquetaDelConjunto[conjunto - 1]);
    for (int c = ConjuntoTalud; c <= ConjuntoEstratos; ++c)
        Accion(ElementoDelConjunto[c - 1])->setChecked(c == conjunto);
    const bool estratos = conjunto == ConjuntoEstratos;
    etiquetaDeEstratos_->setText(estratos ? textos::SeleccioneElEstrato
                                          : textos::EtiquetaSinEstratos);

    suprimirClicEstrato_ = true;
    if (listaEstrato_->count() != proyecto_.NumeroDeEstratos()) {
        listaEstrato_->clear();
        for (int i = 1; i <= proyecto_.NumeroDeEstratos(); ++i)
            listaEstrato_->addItem(QString::number(i));
    }
    if (estratos) listaEstrato_->setCurrentIndex(editor_.EstratoActivo() - 1);
    listaEstrato_->setVisible(estratos);
    suprimirClicEstrato_ = false;
    ActualizarAvisoSinPasar();
    vista_->Actualizar();
}

void Form1::RellenarLista()
{
    actualizandoLista_ = true;
    listaCoordenadas_->clear();
    for (int i = 1; i <= editor_.NumeroPuntosEditor(); ++i)
        InsertarFilaLista(i);
    actualizandoLista_ = false;
    vista_->Actualizar();
}

void Form1::InsertarFilaLista(int fila)
{
    auto* item = new QTreeWidgetItem;
    item->setText(0, Q(Formato(editor_.Abscisa(fila), textos::FormatoCoordenada)));
    item->setText(1, Q(Formato(editor_.Ordenada(fila), textos::FormatoCoordenada)));
    item->setTextAlignment(0, Qt::AlignRight | Qt::AlignVCenter);
    item->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
    const bool antes = actualizandoLista_;
    actualizandoLista_ = true;
    listaCoordenadas_->insertTopLevelItem(fila - 1, item);
    actualizandoLista_ = antes;
    vista_->Actualizar();
}

bool Form1::LeerPunto(double& x, double& y)
{
    auto leer = [this](const QLineEdit* cuadro, const char* campo, double& valor) {
        const auto numero = ValorNumerico(cuadro->text().toStdString());
        if (!numero || !std::isfinite(*numero)) {
            interaccion_.Mensaje(textos::DebeIntroducirNumeroEn(campo));
            return false;
        }
        valor = *numero;
        return true;
    };
    return leer(textoX_, "x", x) && leer(textoY_, "y", y);
}

bool Form1::Agregar()
{
    double x = 0.0, y = 0.0;
    if (!LeerPunto(x, y)) return false;
    if (!editor_.CabeOtroPunto()) {
        interaccion_.Mensaje(textos::ConjuntoLleno);
        return false;
    }
    historia_.Agregar(x, y);
    return true;
}

void Form1::Modificar()
{
    // Los cuadros se comprueban antes de quitar el punto: una entrada mala no lo pierde.
    const int fila = editor_.FilaSeleccionada();
    if (fila < 1) {
        interaccion_.Mensaje(textos::SeleccionePuntoAModificar);
        return;
    }
    double x = 0.0, y = 0.0;
    if (!LeerPunto(x, y)) return;
    historia_.Modificar(fila, x, y); // el punto nuevo queda elegido
}

void Form1::Borrar()
{
    const auto elegidas = listaCoordenadas_->selectedItems();
    if (elegidas.isEmpty()) return;
    const int fila = listaCoordenadas_->indexOfTopLevelItem(elegidas.constLast()) + 1;
    if (fila < 1) return;
    historia_.Borrar(fila);
}

void Form1::FilaElegida(QTreeWidgetItem* item)
{
    if (actualizandoLista_ || !item) return;
    const int fila = listaCoordenadas_->indexOfTopLevelItem(item) + 1;
    if (fila < 1 || fila > editor_.NumeroPuntosEditor()) return;
    editor_.ElegirFila(fila);
    // Los valores guardados, completos (no los redondeados de la lista).
    textoX_->setText(Q(RealParaArchivo(editor_.Abscisa(fila))));
    textoY_->setText(Q(RealParaArchivo(editor_.Ordenada(fila))));
    vista_->Actualizar();
}

void Form1::ElegirConjunto(int conjunto)
{
    if (editor_.ConjuntoActivo() != conjunto) {
        editor_.Guardar();
        Mostrar(conjunto, editor_.EstratoActivo());
    }
    ActualizarVista(); // la marca del menú sigue al conjunto en pantalla
}

void Form1::ElegirEstratos()
{
    if (proyecto_.NumeroDeEstratos() < 1) {
        interaccion_.Mensaje(textos::NoHayEstratos);
    } else if (editor_.ConjuntoActivo() != ConjuntoEstratos) {
        editor_.Guardar();
        Mostrar(ConjuntoEstratos,
                std::clamp<int>(editor_.EstratoActivo(), 1, proyecto_.NumeroDeEstratos()));
    }
    ActualizarVista();
}

void Form1::EstratoElegido(int indice)
{
    if (suprimirClicEstrato_ || indice < 0) return;
    const int elegido = indice + 1;
    if (elegido == editor_.EstratoActivo()) return;
    editor_.Guardar();
    Mostrar(ConjuntoEstratos, elegido);
}

void Form1::InsertarEstrato()
{
    if (proyecto_.NumeroDeEstratos() >= MaximoCantidad) {
        interaccion_.Mensaje(textos::DemasiadosEstratos);
        return;
    }
    std::optional<int> posicion;
    if (proyecto_.NumeroDeEstratos() > 0) {
        posicion = ElegirPosicionEstrato();
        if (!posicion) return;
    }
    historia_.InsertarEstrato(posicion);
}

void Form1::EliminarEstrato()
{
    if (proyecto_.NumeroDeEstratos() < 1) return;
    if (editor_.ConjuntoActivo() != ConjuntoEstratos) {
        interaccion_.Mensaje(textos::SeleccioneOpcionEstrato);
        return;
    }
    if (!interaccion_.Pregunta(textos::PreguntaEliminarEstrato)) return;
    if (proyecto_.SueloRoca == Material::SinDefinir) {
        interaccion_.Mensaje(textos::IndiqueSueloORoca);
        return;
    }
    historia_.EliminarEstratoActivo();
}

void Form1::EliminarNivelFreatico()
{
    const bool enPantalla = editor_.ConjuntoActivo() == ConjuntoFreatico;
    if (proyecto_.NumeroCoordenadasFreatico() == 0) {
        // Sólo hay puntos escritos en el editor, todavía no guardados.
        if (enPantalla && editor_.NumeroPuntosEditor() > 0 &&
            interaccion_.Pregunta(textos::PreguntaVaciarFreaticoSinGuardar)) {
            editor_.VaciarCopia();
            historia_.Olvidar();
            RellenarLista();
            ActualizarAvisoSinPasar();
        }
        return;
    }
    if (!enPantalla) {
        interaccion_.Mensaje(textos::SeleccioneOpcionFreatico);
        return;
    }
    if (!interaccion_.Pregunta(textos::PreguntaEliminarFreatico)) return;
    editor_.EliminarNivelFreatico(); // muestra el talud sin guardar la copia de trabajo
    historia_.Olvidar();
    VistaDelConjuntoNuevo();
}

void Form1::DescripcionCambiada()
{
    if (cargandoDescripcion_) return;
    proyecto_.Descripcion = textoProyecto_->toPlainText().toStdString();
    proyecto_.DatosGuardados = false;
}

void Form1::CargarDescripcion()
{
    cargandoDescripcion_ = true;
    textoProyecto_->setPlainText(Q(proyecto_.Descripcion));
    cargandoDescripcion_ = false;
}

// ---------------------------------------------------------------------------------------------
// Acerca de y ayuda.

void Form1::MostrarAcercaDe()
{
    FrmAbout acercaDe(this);
    acercaDe.exec();
}

void Form1::MostrarAyuda()
{
    // Desde un diálogo modal la ayuda es hija suya; si no, lo bloquearía el diálogo.
    QWidget* padre = QApplication::activeModalWidget();
    if (!padre) padre = this;
    if (ayuda_ && ayuda_->parentWidget() != padre) {
        ayuda_->hide();
        ayuda_->deleteLater();
        ayuda_ = nullptr;
    }
    if (!ayuda_) ayuda_ = new VentanaAyuda(padre);
    ayuda_->show();
    ayuda_->raise();
    ayuda_->activateWindow();
}

bool Form1::eventFilter(QObject* objeto, QEvent* evento)
{
    if (evento->type() == QEvent::KeyPress) {
        const auto* tecla = static_cast<QKeyEvent*>(evento);
        if (tecla->key() == Qt::Key_F1 && tecla->modifiers() == Qt::NoModifier) {
            MostrarAyuda();
            return true;
        }
        // Ctrl + Enter pasa a otra línea de la descripción.
        if (objeto == textoProyecto_ &&
            (tecla->key() == Qt::Key_Return || tecla->key() == Qt::Key_Enter) &&
            (tecla->modifiers() & Qt::ControlModifier)) {
            textoProyecto_->insertPlainText("\n");
            return true;
        }
    }
    return QMainWindow::eventFilter(objeto, evento);
}

} // namespace vertana
