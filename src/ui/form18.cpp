#include "ui/form18.h"

#include "model/interaccion.h"
#include "model/numeros.h"
#include "model/textos.h"
#include "ui/controles_dialogo.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMetaObject>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

namespace vertana {
namespace {

constexpr char FormatoDovela[] = "#0";
constexpr char FormatoValor[] = "#0.00";
enum ColumnaParametro {
    ColumnaDovela = 0,
    ColumnaCohesion = 1,
    ColumnaFriccion = 2,
    ColumnaPresion = 3
};

QString Texto(double valor, const char* patron)
{
    return QString::fromStdString(Formato(valor, patron));
}

// Entrada i de una tabla por dovela, formateada; vacía si la tabla no llega a i.
QString DeLaTabla(const Tabla<double>& tabla, int i)
{
    return i <= tabla.Tamano() ? Texto(tabla(i), FormatoValor) : QString();
}

} // namespace

Form18::Form18(ParametrosDeDovelas actuales, Interaccion& interaccion, QWidget* padre)
    : DialogoActivable(padre), actuales_(std::move(actuales)), interaccion_(interaccion)
{
    setObjectName("Form18");
    setWindowTitle(textos::TituloForm18);
    setModal(true);

    lista_ = CrearLista(this, "CambioPresiónPorosParámetrosResistencia",
                        {"Dovela", "cohesión", "Fricción", "Presión"});
    lista_->setMinimumHeight(220);
    cohesion_ = CrearCuadro(this, "TextoCambioCohesión", textos::UsePuntoDecimal);
    friccion_ = CrearCuadro(this, "TextoCambioFricción", textos::UsePuntoDecimal);
    presion_ = CrearCuadro(this, "TextoCambioPresiónPoros", textos::UsePuntoDecimal);
    auto* modificar = CrearBoton(this, "BotónModificar", textos::BotonModificarDialogo);
    auto* aceptar = CrearBoton(this, "BotónAceptar", textos::BotonAceptarDialogo);
    auto* cancelar = CrearBoton(this, "BotónCancelar", textos::BotonCancelarDialogo);
    modificar->setDefault(true);

    auto* cuadros = new QGridLayout;
    cuadros->addWidget(CrearEtiqueta(this, textos::EtiquetaCambioCohesion, cohesion_), 0, 0);
    cuadros->addWidget(CrearEtiqueta(this, textos::EtiquetaCambioFriccion, friccion_), 0, 1);
    cuadros->addWidget(CrearEtiqueta(this, textos::EtiquetaCambioPresionPoros, presion_), 0, 2);
    cuadros->addWidget(cohesion_, 1, 0);
    cuadros->addWidget(friccion_, 1, 1);
    cuadros->addWidget(presion_, 1, 2);
    cuadros->addWidget(modificar, 1, 3);

    auto* botones = FilaDeBotones({aceptar, cancelar});

    auto* todo = new QVBoxLayout(this);
    todo->addWidget(lista_, 1);
    todo->addLayout(cuadros);
    todo->addLayout(botones);
    resize(520, 440);

    OrdenDeTabulacion({lista_, cohesion_, friccion_, presion_, modificar, aceptar, cancelar});

    connect(modificar, &QPushButton::clicked, this, &Form18::ModificarClic);
    connect(aceptar, &QPushButton::clicked, this, &Form18::AceptarClic);
    connect(cancelar, &QPushButton::clicked, this, &Form18::reject);
    connect(lista_, &QTreeWidget::itemClicked, this, &Form18::FilaClic);
    connect(lista_, &QTreeWidget::itemActivated, this, &Form18::FilaClic);
}

void Form18::Activar()
{
    const ParametrosDeDovelas& p = actuales_;
    const int dovelas = p.Dovelas();
    modificado_ = false;
    lista_->clear();
    const bool definidos = p.Definidos;
    for (int i = 1; i <= dovelas; ++i) {
        QStringList fila = {Texto(i, FormatoDovela), {}, {}, {}};
        if (definidos) {
            fila[ColumnaCohesion] = DeLaTabla(p.Cohesion, i);
            fila[ColumnaFriccion] = DeLaTabla(p.Friccion, i);
            fila[ColumnaPresion] = DeLaTabla(p.Presion, i);
        }
        InsertarFila(lista_, i - 1, fila);
    }
    cohesion_->clear();
    friccion_->clear();
    presion_->clear();
    if (!definidos)
        QMetaObject::invokeMethod(
            this,
            [this] {
                if (isVisible())
                    interaccion_.Mensaje(textos::SeleccioneParametrosInstantaneos,
                                         textos::TituloParametrosInstantaneos);
            },
            Qt::QueuedConnection);
}

void Form18::FilaClic(QTreeWidgetItem* elemento)
{
    const int fila = FilaDe(lista_, elemento);
    if (fila < 0) return;
    PonerTexto(cohesion_, Celda(lista_, fila, ColumnaCohesion));
    PonerTexto(friccion_, Celda(lista_, fila, ColumnaFriccion));
    PonerTexto(presion_, Celda(lista_, fila, ColumnaPresion));
}

void Form18::ModificarClic()
{
    const std::string c = TextoDe(cohesion_);
    const std::string phi = TextoDe(friccion_);
    const std::string u = TextoDe(presion_);
    if (!EsNumerico(c)) {
        interaccion_.Mensaje(textos::CohesionNoNumerica);
        return;
    }
    if (!EsNumerico(phi)) {
        interaccion_.Mensaje(textos::FriccionNoNumerica);
        return;
    }
    if (!EsNumerico(u)) {
        interaccion_.Mensaje(textos::PresionPorosNoNumerica);
        return;
    }
    const int fila = FilaSeleccionada(lista_);
    if (fila < 0) return;
    QTreeWidgetItem* elemento = lista_->topLevelItem(fila);
    elemento->setText(ColumnaCohesion, Texto(Val(c), FormatoValor));
    elemento->setText(ColumnaFriccion, Texto(Val(phi), FormatoValor));
    elemento->setText(ColumnaPresion, Texto(Val(u), FormatoValor));
    modificado_ = true;
}

void Form18::AceptarClic()
{
    if (!interaccion_.Pregunta(textos::PreguntaAceptarCambiosParametros)) return;
    ParametrosDeDovelas nuevos = actuales_;
    const int dovelas = lista_->topLevelItemCount();
    for (Tabla<double>* t : {&nuevos.Cohesion, &nuevos.Friccion, &nuevos.Presion})
        t->RedimensionarConservando(dovelas);
    for (int i = 1; i <= dovelas; ++i) {
        // Una celda vacía (parámetros instantáneos sin definir) deja el valor de la dovela.
        const std::string c = Celda(lista_, i - 1, ColumnaCohesion);
        const std::string phi = Celda(lista_, i - 1, ColumnaFriccion);
        const std::string u = Celda(lista_, i - 1, ColumnaPresion);
        if (!c.empty()) nuevos.Cohesion(i) = Val(c);
        if (!phi.empty()) nuevos.Friccion(i) = Val(phi);
        if (!u.empty()) nuevos.Presion(i) = Val(u);
    }
    resultado_ = std::move(nuevos);
    modificado_ = false;
    accept();
}

void Form18::reject()
{
    if (interaccion_.Pregunta(textos::PreguntaNoCambiarParametros)) return;
    QDialog::reject();
}

} // namespace vertana
