#include "ui/deshacer_coordenadas.h"

#include "model/textos.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QUndoCommand>
#include <algorithm>
#include <array>
#include <string>
#include <tuple>
#include <utility>

namespace vertana {
namespace {

QString Q(const char* texto)
{
    return QString::fromUtf8(texto);
}

// Un cambio de un punto del conjunto (y el estrato) que estaba en pantalla al hacerlo.
class CambioDePunto : public QUndoCommand {
protected:
    CambioDePunto(const char* texto, EditorCoordenadas& editor,
                  const HistoriaCoordenadas::Mostrar& mostrar)
        : QUndoCommand(Q(texto)), editor_(editor), mostrar_(mostrar),
          conjunto_(editor.ConjuntoActivo()), estrato_(editor.EstratoActivo())
    {
    }

    // Pone en pantalla el conjunto del cambio, guardando antes el que se ve.
    void Enfocar()
    {
        const bool otroConjunto = editor_.ConjuntoActivo() != conjunto_;
        const bool otroEstrato =
            conjunto_ == ConjuntoEstratos && editor_.EstratoActivo() != estrato_;
        if (!otroConjunto && !otroEstrato) return;
        editor_.Guardar();
        editor_.Mostrar(conjunto_, estrato_);
    }

    // El punto de la fila es exactamente (x, y).
    bool Esta(int fila, double x, double y) const
    {
        return fila >= 1 && fila <= editor_.NumeroPuntosEditor() && editor_.Abscisa(fila) == x &&
               editor_.Ordenada(fila) == y;
    }

    void Mostrar(int fila)
    {
        mostrar_(VistaTrasCambio::Punto, std::min(fila, editor_.NumeroPuntosEditor()));
    }

    EditorCoordenadas& editor_;

private:
    const HistoriaCoordenadas::Mostrar& mostrar_;
    int conjunto_;
    int estrato_;
};

class AgregarPunto : public CambioDePunto {
public:
    AgregarPunto(EditorCoordenadas& editor, const HistoriaCoordenadas::Mostrar& mostrar, double x,
                 double y)
        : CambioDePunto(textos::DeshacerAgregarPunto, editor, mostrar), x_(x), y_(y)
    {
    }
    void redo() override
    {
        Enfocar();
        fila_ = editor_.Agregar(x_, y_);
        Mostrar(fila_);
    }
    void undo() override
    {
        Enfocar();
        if (Esta(fila_, x_, y_)) editor_.Borrar(fila_);
        Mostrar(fila_);
    }
    int Fila() const { return fila_; }

private:
    double x_, y_;
    int fila_ = 0;
};

class BorrarPunto : public CambioDePunto {
public:
    BorrarPunto(EditorCoordenadas& editor, const HistoriaCoordenadas::Mostrar& mostrar, int fila)
        : CambioDePunto(textos::DeshacerBorrarPunto, editor, mostrar), fila_(fila),
          x_(editor.Abscisa(fila)), y_(editor.Ordenada(fila))
    {
    }
    void redo() override
    {
        Enfocar();
        if (Esta(fila_, x_, y_)) editor_.Borrar(fila_);
        Mostrar(fila_);
    }
    void undo() override
    {
        Enfocar();
        if (fila_ <= editor_.NumeroPuntosEditor() + 1) editor_.Reponer(fila_, x_, y_);
        Mostrar(fila_);
    }

private:
    int fila_;
    double x_, y_;
};

// Modificar quita el punto de su fila y agrega el nuevo en el lugar que le da su abscisa; el
// punto nuevo queda elegido.
class ModificarPunto : public CambioDePunto {
public:
    ModificarPunto(EditorCoordenadas& editor, const HistoriaCoordenadas::Mostrar& mostrar, int fila,
                   double x, double y)
        : CambioDePunto(textos::DeshacerModificarPunto, editor, mostrar), fila_(fila),
          x0_(editor.Abscisa(fila)), y0_(editor.Ordenada(fila)), x_(x), y_(y)
    {
    }
    void redo() override
    {
        Enfocar();
        if (Esta(fila_, x0_, y0_)) {
            editor_.Borrar(fila_);
            nueva_ = editor_.Agregar(x_, y_);
            editor_.ElegirFila(nueva_);
        }
        Mostrar(nueva_);
    }
    void undo() override
    {
        Enfocar();
        if (Esta(nueva_, x_, y_)) {
            editor_.Borrar(nueva_);
            editor_.Reponer(fila_, x0_, y0_);
            editor_.ElegirFila(fila_);
        }
        Mostrar(fila_);
    }
    int Fila() const { return nueva_; }

private:
    int fila_;
    double x0_, y0_;
    double x_, y_;
    int nueva_ = 0;
};

// Columnas de propiedades de un estrato (las de suelo y las de roca).
constexpr std::size_t ColumnasDeEstrato =
    std::tuple_size_v<decltype(TablasPorEstrato(std::declval<Proyecto&>()))>;

// Todo lo que insertar o eliminar un estrato cambia: los estratos del proyecto y el editor.
struct EstadoDeEstratos {
    Tabla<Entero16> NumeroCoordenadasEstrato;
    Tabla2<double> AbscisasEstratos, OrdenadasEstratos;
    std::array<Tabla<double>, ColumnasDeEstrato> Propiedades;
    Tabla<Entero16> TipoDeEstrato;
    Tabla<Entero16> NumeroPuntosLab;
    Tabla2<double> Sigma1Lab, Sigma3Lab;
    Entero16 EstratosCaracterizados = 0;
    bool EstratosConCaracteristicas = true;
    bool EstratoInsertado = false;
    EditorCoordenadas::Estado Editor;
};

EstadoDeEstratos Capturar(Proyecto& p, const EditorCoordenadas& editor)
{
    EstadoDeEstratos e;
    e.NumeroCoordenadasEstrato = p.NumeroCoordenadasEstrato;
    e.AbscisasEstratos = p.AbscisasEstratos;
    e.OrdenadasEstratos = p.OrdenadasEstratos;
    const auto tablas = TablasPorEstrato(p);
    for (std::size_t i = 0; i < tablas.size(); ++i)
        e.Propiedades[i] = *tablas[i];
    e.TipoDeEstrato = p.TipoDeEstrato;
    e.NumeroPuntosLab = p.NumeroPuntosLab;
    e.Sigma1Lab = p.Sigma1Lab;
    e.Sigma3Lab = p.Sigma3Lab;
    e.EstratosCaracterizados = p.EstratosCaracterizados;
    e.EstratosConCaracteristicas = p.EstratosConCaracteristicas;
    e.EstratoInsertado = p.EstratoInsertado;
    e.Editor = editor.EstadoActual();
    return e;
}

void Restaurar(const EstadoDeEstratos& e, Proyecto& p, EditorCoordenadas& editor)
{
    p.NumeroCoordenadasEstrato = e.NumeroCoordenadasEstrato;
    p.AbscisasEstratos = e.AbscisasEstratos;
    p.OrdenadasEstratos = e.OrdenadasEstratos;
    const auto tablas = TablasPorEstrato(p);
    for (std::size_t i = 0; i < tablas.size(); ++i)
        *tablas[i] = e.Propiedades[i];
    p.TipoDeEstrato = e.TipoDeEstrato;
    p.NumeroPuntosLab = e.NumeroPuntosLab;
    p.Sigma1Lab = e.Sigma1Lab;
    p.Sigma3Lab = e.Sigma3Lab;
    p.EstratosCaracterizados = e.EstratosCaracterizados;
    p.EstratosConCaracteristicas = e.EstratosConCaracteristicas;
    p.EstratoInsertado = e.EstratoInsertado;
    p.DatosGuardados = false;
    editor.Restaurar(e.Editor);
}

// Insertar o eliminar un estrato: la primera vez hace el cambio; después rehacer y deshacer
// restauran los estados de después y de antes.
class CambioDeEstratos : public QUndoCommand {
public:
    CambioDeEstratos(const char* texto, Proyecto& p, EditorCoordenadas& editor,
                     const HistoriaCoordenadas::Mostrar& mostrar, std::function<void()> cambio)
        : QUndoCommand(Q(texto)), p_(p), editor_(editor), mostrar_(mostrar),
          cambio_(std::move(cambio))
    {
    }
    void redo() override
    {
        if (!hecho_) {
            antes_ = Capturar(p_, editor_);
            cambio_();
            despues_ = Capturar(p_, editor_);
            hecho_ = true;
        } else {
            Restaurar(despues_, p_, editor_);
        }
        mostrar_(VistaTrasCambio::ConjuntoNuevo, 0);
    }
    void undo() override
    {
        Restaurar(antes_, p_, editor_);
        mostrar_(VistaTrasCambio::ConjuntoNuevo, 0);
    }

private:
    Proyecto& p_;
    EditorCoordenadas& editor_;
    const HistoriaCoordenadas::Mostrar& mostrar_;
    std::function<void()> cambio_;
    bool hecho_ = false;
    EstadoDeEstratos antes_, despues_;
};

} // namespace

HistoriaCoordenadas::HistoriaCoordenadas(Proyecto& proyecto, EditorCoordenadas& editor,
                                         Mostrar mostrar)
    : proyecto_(proyecto), editor_(editor), mostrar_(std::move(mostrar))
{
}

int HistoriaCoordenadas::Agregar(double x, double y)
{
    auto* cambio = new AgregarPunto(editor_, mostrar_, x, y);
    pila_.push(cambio); // la pila hace el cambio (redo) y se queda con él
    return cambio->Fila();
}

int HistoriaCoordenadas::Modificar(int fila, double x, double y)
{
    if (fila < 1 || fila > editor_.NumeroPuntosEditor()) return 0;
    auto* cambio = new ModificarPunto(editor_, mostrar_, fila, x, y);
    pila_.push(cambio);
    return cambio->Fila();
}

void HistoriaCoordenadas::Borrar(int fila)
{
    if (fila < 1 || fila > editor_.NumeroPuntosEditor()) return;
    pila_.push(new BorrarPunto(editor_, mostrar_, fila));
}

void HistoriaCoordenadas::InsertarEstrato(std::optional<int> posicion)
{
    pila_.push(new CambioDeEstratos(textos::DeshacerInsertarEstrato, proyecto_, editor_, mostrar_,
                                    [this, posicion] { editor_.InsertarEstrato(posicion); }));
}

void HistoriaCoordenadas::EliminarEstratoActivo()
{
    pila_.push(new CambioDeEstratos(textos::DeshacerEliminarEstrato, proyecto_, editor_, mostrar_,
                                    [this] { editor_.EliminarEstratoActivo(); }));
}

void AgregarDeshacerAlMenu(QMenu* menu, QUndoStack& pila)
{
    auto* deshacer = new QAction(Q(textos::MenuDeshacer), menu);
    deshacer->setObjectName("MenúDeshacer");
    deshacer->setShortcuts(QKeySequence::Undo);
    auto* rehacer = new QAction(Q(textos::MenuRehacer), menu);
    rehacer->setObjectName("MenúRehacer");
    // Ctrl+Y y Ctrl+Mayús+Z en todo escritorio (QKeySequence::Redo da sólo uno en Linux).
    rehacer->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    QObject::connect(deshacer, &QAction::triggered, &pila, &QUndoStack::undo);
    QObject::connect(rehacer, &QAction::triggered, &pila, &QUndoStack::redo);

    // Texto con el cambio que se deshace o rehace ("&Deshacer agregar punto").
    auto nombrar = [](QAction* accion, const char* base, const QString& cambio) {
        accion->setText(cambio.isEmpty() ? Q(base) : Q(base) + ' ' + cambio);
    };
    QObject::connect(&pila, &QUndoStack::undoTextChanged, deshacer, [=](const QString& cambio) {
        nombrar(deshacer, textos::MenuDeshacer, cambio);
    });
    QObject::connect(&pila, &QUndoStack::redoTextChanged, rehacer,
                     [=](const QString& cambio) { nombrar(rehacer, textos::MenuRehacer, cambio); });
    QObject::connect(&pila, &QUndoStack::canUndoChanged, deshacer, &QAction::setEnabled);
    QObject::connect(&pila, &QUndoStack::canRedoChanged, rehacer, &QAction::setEnabled);
    deshacer->setEnabled(pila.canUndo());
    rehacer->setEnabled(pila.canRedo());

    QAction* primera = menu->actions().isEmpty() ? nullptr : menu->actions().constFirst();
    menu->insertAction(primera, deshacer);
    menu->insertAction(primera, rehacer);
    menu->insertSeparator(primera);
}

} // namespace vertana
