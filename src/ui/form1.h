// Ventana principal: el árbol de menús, la descripción del proyecto, el editor de coordenadas y
// las órdenes de archivo (Nuevo, Abrir, Guardar, Guardar como, Salir, archivo de geometría).
#pragma once

#include "calculo/busqueda.h"
#include "calculo/calculo.h"
#include "geometry/estado_calculo.h"
#include "model/proyecto.h"
#include "ui/condiciones_menu.h"
#include "ui/deshacer_coordenadas.h"
#include "ui/editor_coordenadas.h"

#include <QMainWindow>
#include <QPointer>
#include <functional>
#include <optional>
#include <string>

class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPrinter;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace vertana {

class ArchivosRecientes;
class Interaccion;
class PanelUltimoCalculo;
class VentanaAyuda;
class VistaSeccion;

class Form1 : public QMainWindow {
    Q_OBJECT

public:
    // La ventana trabaja sobre el proyecto único y habla con la persona por la interacción dada.
    Form1(Proyecto& proyecto, Interaccion& interaccion, QWidget* padre = nullptr);
    ~Form1() override;

    // Reinicio del proyecto con la parte que toca a la ventana (título, editor, descripción).
    void NuevoProyecto();

    // Abre el archivo dado como lo hace Abrir tras elegirlo (la pregunta de los datos sin
    // guardar incluida). Un archivo que no existe sólo se avisa y el proyecto queda como estaba.
    // Lo usan la línea de órdenes y los archivos recientes.
    void AbrirArchivo(const std::string& ruta);

    // Pasa al proyecto lo que la ventana tiene en edición: la copia de trabajo del conjunto en
    // pantalla y la descripción. Lo usan guardar e imprimir.
    void GuardarEdicion();

    // Lugar elegido en Form4 para el último estrato insertado (lo usan los diálogos de estratos).
    int PosicionNuevoEstrato() const { return editor_.PosicionNuevoEstrato(); }
    const EditorCoordenadas& Editor() const { return editor_; }
    // Estado del cálculo (superficie de trabajo, dovelas, banderas de preparación).
    EstadoCalculo& Estado() { return estado_; }
    // Lo que devolvió el último cálculo pedido desde el menú.
    const std::optional<ResultadoCalculo>& UltimoCalculo() const { return ultimoCalculo_; }
    // La vista de la sección junto al editor.
    VistaSeccion& Vista() { return *vista_; }

    // Deja la superficie hallada por una búsqueda como superficie de falla del proyecto (el
    // estado del cálculo se reinicia para que la preparación corra de nuevo, el editor vuelve
    // a leer el conjunto en pantalla y olvida lo que podía deshacer) y, con un método del
    // programa, la calcula con él.
    void AdoptarSuperficieCritica(const SuperficieEnsayo& superficie, MetodoBusqueda metodo);

    // Conecta un elemento del menú (por su objectName) con su diálogo y lo habilita: al elegirlo
    // se comprueba la condición (si la hay) y, si falla, se muestra su aviso; si no, se abre.
    void ConectarDialogo(const char* elemento, CondicionMenu condicion,
                         std::function<void()> abrir);

    // Elección de rutas: devuelven la ruta elegida o "" si la persona canceló. Por omisión
    // muestran el diálogo de archivos con los filtros de todos los archivos y de los archivos de
    // coordenadas (este último elegido); las pruebas los sustituyen.
    std::function<std::string()> ElegirArchivoAbrir;
    std::function<std::string()> ElegirArchivoGuardar;
    // Impresora para Imprimir: por omisión el diálogo de impresión; true si la persona aceptó.
    std::function<bool(QPrinter&)> ElegirImpresora;
    // Elección del lugar de un nuevo estrato cuando ya hay estratos: por omisión Form4.
    std::function<std::optional<int>()> ElegirPosicionEstrato;

protected:
    void closeEvent(QCloseEvent* evento) override;
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    // Conecta los diálogos de datos (parámetros, uniones, estratos, información, cargas).
    void ConectarDialogosDeDatos();
    // La línea del último cálculo se revisa tras cada orden del menú y del editor.
    void SeguirCambiosDelUltimoCalculo();
    void CrearMenus();
    void CrearEditor();
    // Atajos de teclado, archivos recientes, deshacer y rehacer, tamaño y lugar recordados.
    void PrepararCostumbresDeEscritorio();
    QAction* Accion(const char* nombre) const;

    // Una orden de la ventana: un ErrorVertana se muestra como mensaje y la orden termina.
    void EjecutarOrden(const std::function<void()>& orden);

    // Órdenes de archivo.
    // Sin guardar: pregunta si se guarda y, mientras el guardado falle, vuelve a preguntar.
    void OfrecerGuardar();
    void Nuevo();
    void Abrir();
    void LeerArchivo(const std::string& ruta);
    bool Guardar();
    bool GuardarComo();
    bool PuedeGuardar();
    bool Escribir(const std::string& ruta);
    void CargarArchivoGeometria();
    void PonerTituloConArchivo(const std::string& ruta);
    void ReiniciarVentana();

    // Editor de coordenadas.
    void Mostrar(int conjunto, int estrato);
    void VistaDelConjuntoNuevo();
    void RedibujarEditor(VistaTrasCambio vista, int fila);
    void ActualizarAvisoSinPasar();
    void ActualizarVista();
    void RellenarLista();
    void InsertarFilaLista(int fila);
    bool LeerPunto(double& x, double& y);
    bool Agregar();
    void Modificar();
    void Borrar();
    void FilaElegida(QTreeWidgetItem* item);
    void ElegirConjunto(int conjunto);
    void ElegirEstratos();
    void EstratoElegido(int indice);
    void InsertarEstrato();
    void EliminarEstrato();
    void EliminarNivelFreatico();
    void DescripcionCambiada();
    void CargarDescripcion();

    // Cálculo de un método (o la orden de los parámetros instantáneos) desde su menú.
    void EjecutarCalculo(Metodo metodo, const OpcionesCalculo& opciones);
    // Contraste con Spencer y Morgenstern-Price junto al último resultado del método elegido.
    void Contrastar();

    // El informe del proyecto en la impresora.
    void Imprimir();

    // Ayuda.
    void MostrarAcercaDe();
    void MostrarAyuda();

    std::string ElegirArchivoConDialogo(bool guardar);

    Proyecto& proyecto_;
    Interaccion& interaccion_;
    EditorCoordenadas editor_;
    HistoriaCoordenadas historia_; // deshacer y rehacer los cambios del editor
    EstadoCalculo estado_;
    std::optional<ResultadoCalculo> ultimoCalculo_;
    bool suprimirClicEstrato_ = false; // la ventana misma elige una entrada de ListaEstrato
    bool actualizandoLista_ = false;   // la ventana misma cambia ListaCoordenadas
    bool cargandoDescripcion_ = false; // la ventana misma escribe en TextoProyecto

    QLabel* etiquetaCoordenadas_ = nullptr;
    QLabel* avisoSinPasar_ = nullptr; // los puntos de la lista aún no cuentan en el proyecto
    ArchivosRecientes* recientes_ = nullptr;
    QLabel* etiquetaDeEstratos_ = nullptr;
    QComboBox* listaEstrato_ = nullptr;
    QLineEdit* textoX_ = nullptr;
    QLineEdit* textoY_ = nullptr;
    QTreeWidget* listaCoordenadas_ = nullptr;
    QPlainTextEdit* textoProyecto_ = nullptr;
    VistaSeccion* vista_ = nullptr; // la sección, junto al editor
    QPointer<VentanaAyuda> ayuda_;
    PanelUltimoCalculo* ultimoResultado_ = nullptr; // en la barra de estado
};

} // namespace vertana
