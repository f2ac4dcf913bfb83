#include "ui/form17.h"

#include "model/numeros.h"
#include "model/textos.h"
#include "ui/controles_dialogo.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QMetaObject>
#include <QPushButton>
#include <QScrollBar>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace vertana {

namespace {
constexpr char FormatoIteracion[] = "#0.00";
constexpr char FormatoFS[] = "#0.0000";
constexpr char FormatoAngulo[] = "#0.0000";
constexpr char FormatoHt[] = "#0.00";
constexpr int ColumnaDovela = 0, ColumnaAngulo = 1, ColumnaHt = 2, ColumnaNuevoHt = 3;
// Marca de una celda "Nuevo ht(m)" que la persona cambió con Modificar; las demás conservan el
// valor completo de ht, que la lista sólo muestra redondeado.
constexpr int RolModificada = Qt::UserRole;
// Filas de la lista que se ven sin desplazarla, como mínimo (si las hay).
constexpr int FilasVisibles = 12;

QString Q(const std::string& texto)
{
    return QString::fromStdString(texto);
}

QLineEdit* TextoSoloLectura(const char* nombre, QWidget* padre)
{
    auto* texto = new QLineEdit(padre);
    texto->setObjectName(nombre);
    texto->setReadOnly(true);
    return texto;
}
} // namespace

Form17::Form17(const Proyecto& p, const IteracionJanbuMostrada& pasada, Interaccion& ui,
               QWidget* padre)
    : QDialog(padre), p_(p), pasada_(pasada), ui_(ui)
{
    setObjectName("Form17");
    setWindowTitle(textos::TituloForm17);
    setModal(true);
    numeroIteracion_ = TextoSoloLectura("TextoNúmeroIteración", this);
    fsAnterior_ = TextoSoloLectura("TextoFsAnterior", this);
    fsActual_ = TextoSoloLectura("TextoFsActual", this);
    lista_ = new QTreeWidget(this);
    lista_->setObjectName("ListaValoresDEht");
    lista_->setRootIsDecorated(false);
    lista_->setHeaderLabels({"Dovela", "alfa_t (radianes)", "  ht (m)", "Nuevo ht(m)"});
    nuevoValor_ = new QLineEdit(this);
    nuevoValor_->setObjectName("TextoNuevoValorDeht");
    nuevoValor_->setToolTip(textos::UsePuntoDecimal);
    modificar_ = new QPushButton(textos::CaptionModificarHt, this);
    modificar_->setObjectName("Modificar");
    aceptar_ = new QPushButton("Aceptar", this);
    aceptar_->setObjectName("BotónAceptar");
    salir_ = new QPushButton("Salir", this);
    salir_->setObjectName("BotónSalir");

    auto* datos = new QFormLayout;
    datos->addRow("Iteración:", numeroIteracion_);
    datos->addRow("FS anterior:", fsAnterior_);
    datos->addRow("FS actual:", fsActual_);
    auto* edicion = new QHBoxLayout;
    edicion->addWidget(nuevoValor_);
    edicion->addWidget(modificar_);
    auto* botones = FilaDeBotones({aceptar_, salir_});
    auto* todo = new QVBoxLayout(this);
    todo->addLayout(datos);
    todo->addWidget(lista_);
    todo->addLayout(edicion);
    todo->addLayout(botones);

    // Enter en el cuadro escribe el valor en la fila elegida; tras las preguntas el foco queda en
    // Aceptar, de modo que Enter sigue con los ht que se ven.
    modificar_->setDefault(true);
    lista_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    lista_->header()->setStretchLastSection(false);

    connect(modificar_, &QPushButton::clicked, this, &Form17::Modificar);
    connect(aceptar_, &QPushButton::clicked, this, &Form17::Aceptar);
    connect(salir_, &QPushButton::clicked, this, &Form17::Salir);
}

void Form17::Llenar()
{
    trabajo_ = p_.ValoresDeHt;
    lista_->clear();
    const int filas = p_.NumeroPuntosDovelas - 1;
    for (int k = 1; k <= filas; ++k) {
        const Tabla<double>& angulos = pasada_.AnguloLineaEmpuje;
        const double angulo = k <= angulos.Tamano() ? angulos(k) : 0.0;
        const double ht = k <= p_.ValoresDeHt.Tamano() ? p_.ValoresDeHt(k) : 0.0;
        const double nuevo = k <= trabajo_.Tamano() ? trabajo_(k) : 0.0;
        auto* fila = new QTreeWidgetItem(lista_);
        fila->setText(ColumnaDovela, QString::number(k));
        fila->setText(ColumnaAngulo, Q(Formato(angulo, FormatoAngulo)));
        fila->setText(ColumnaHt, Q(Formato(ht, FormatoHt)));
        fila->setText(ColumnaNuevoHt, Q(Formato(nuevo, FormatoHt)));
    }
    const int n = p_.NumeroIteraciones;
    numeroIteracion_->setText(Q(Formato(n, FormatoIteracion)));
    const auto historia = [&](int i) {
        return i >= 1 && i <= p_.HistoriaFS.Tamano() ? p_.HistoriaFS(i) : 0.0;
    };
    fsAnterior_->setText(Q(Formato(historia(n - 1), FormatoFS)));
    fsActual_->setText(Q(Formato(historia(n), FormatoFS)));
    AjustarTamano();
}

void Form17::AjustarTamano()
{
    // Las cuatro columnas se ven enteras sin desplazar la lista a los lados, y la lista muestra
    // varias filas a la vez.
    QHeaderView* encabezado = lista_->header();
    encabezado->resizeSections(QHeaderView::ResizeToContents);
    const int marco = 2 * lista_->frameWidth();
    const int barra = lista_->verticalScrollBar()->sizeHint().width();
    lista_->setMinimumWidth(encabezado->length() + marco + barra);
    const int filas = std::min(lista_->topLevelItemCount(), FilasVisibles);
    const int alto = lista_->topLevelItemCount() > 0 ? lista_->sizeHintForRow(0)
                                                     : lista_->fontMetrics().height();
    lista_->setMinimumHeight(encabezado->sizeHint().height() + filas * alto + marco);
    if (QLayout* disposicion = layout()) disposicion->activate();
    resize(size().expandedTo(sizeHint()));
}

bool Form17::Activar()
{
    Llenar();
    decision_ = {};
    if (ui_.Pregunta(textos::PreguntaEsLaSolucion)) {
        decision_.Decision = DecisionIteracion::Aceptar;
        return false;
    }
    if (ui_.Pregunta(textos::PreguntaSalirDelCalculo)) {
        decision_.Decision = DecisionIteracion::Salir;
        return false;
    }
    nuevoValor_->clear();
    aceptar_->setFocus(Qt::OtherFocusReason);
    return true;
}

void Form17::showEvent(QShowEvent* evento)
{
    QDialog::showEvent(evento);
    if (!activarAlMostrarse_) return;
    activarAlMostrarse_ = false;
    // Las preguntas se hacen con el diálogo ya en pantalla, para que se vean los valores.
    QMetaObject::invokeMethod(this, &Form17::ActivarEnPantalla, Qt::QueuedConnection);
}

void Form17::ActivarEnPantalla()
{
    if (!isVisible()) return; // cerrado antes de llegar a preguntar
    if (!Activar()) accept();
}

void Form17::Modificar()
{
    const std::string texto = nuevoValor_->text().toStdString();
    if (!EsNumerico(texto)) {
        ui_.Mensaje(textos::DebeIntroducirNumeroHt);
        return;
    }
    QTreeWidgetItem* fila = lista_->currentItem();
    if (!fila) return;
    fila->setText(ColumnaNuevoHt, Q(Formato(Val(texto), FormatoHt)));
    fila->setData(ColumnaNuevoHt, RolModificada, true);
}

void Form17::Aceptar()
{
    const int filas = lista_->topLevelItemCount();
    for (int i = 0; i < filas; ++i)
        for (int c = ColumnaDovela; c <= ColumnaNuevoHt; ++c)
            if (lista_->topLevelItem(i)->text(c).trimmed().isEmpty()) {
                ui_.Mensaje(textos::FaltanValoresHt, textos::TituloValoresDeHt);
                return;
            }
    if (trabajo_.Tamano() < filas) trabajo_.RedimensionarConservando(filas);
    // Las filas que la persona cambió valen lo que dice su celda; las demás conservan su ht
    // completo: un 0.003 que se ve "0.00" no es un cero escrito por la persona.
    for (int k = 1; k <= filas; ++k) {
        const QTreeWidgetItem* fila = lista_->topLevelItem(k - 1);
        if (fila->data(ColumnaNuevoHt, RolModificada).toBool())
            trabajo_(k) = Val(fila->text(ColumnaNuevoHt).toStdString());
    }
    for (int k = 2; k < filas; ++k)
        if (trabajo_(k) == 0.0 && trabajo_(k + 1) == 0.0) {
            ui_.Mensaje(textos::HtIncorrectos, textos::TituloValoresDeHt);
            return;
        }
    decision_.ValoresDeHt = trabajo_;
    accept();
}

void Form17::Salir()
{
    if (!pasada_.SigmasModificados && ui_.Pregunta(textos::PreguntaUsarNuevosHt)) return;
    reject();
}

DecisionJanbu Form17::Mostrar(const Proyecto& p, const IteracionJanbuMostrada& pasada,
                              Interaccion& ui, QWidget* padre)
{
    Form17 dialogo(p, pasada, ui, padre);
    dialogo.Llenar();
    dialogo.activarAlMostrarse_ = true;
    dialogo.exec();
    return dialogo.Decision();
}

} // namespace vertana
