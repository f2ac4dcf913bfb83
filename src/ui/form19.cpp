#include "ui/form19.h"

#include "model/interaccion.h"
#include "model/numeros.h"
#include "model/textos.h"
#include "ui/controles_dialogo.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace vertana {
namespace {

constexpr char FormatoPresion[] = "#0.00";
constexpr int ColumnaPresion = 0;

} // namespace

std::optional<Aviso> CondicionPresionesDePoros(const Proyecto& p)
{
    if (!p.HayResultados) return Aviso{{}, textos::SinResultadosEquilibrioLimite};
    return std::nullopt;
}

Form19::Form19(Proyecto& proyecto, Interaccion& interaccion, QWidget* padre)
    : DialogoActivable(padre), proyecto_(proyecto), interaccion_(interaccion)
{
    setObjectName("Form19");
    setWindowTitle(textos::TituloForm19);
    setModal(true);

    lista_ = CrearLista(this, "ListaDePresiónDePoros", {"u(ton/m2)"});
    lista_->setMinimumHeight(240);
    presion_ = CrearCuadro(this, "TextoPresiónDePoros", textos::UsePuntoDecimal);
    presion_->setMaximumWidth(110);
    auto* modificar = CrearBoton(this, "BotónModificar", textos::BotonModificarDialogo);
    auto* aceptar = CrearBoton(this, "BotónAceptar", textos::BotonAceptarDialogo);
    auto* cancelar = CrearBoton(this, "BotónCancelar", textos::BotonCancelarDialogo);
    modificar->setDefault(true);

    auto* etiqueta = CrearEtiqueta(this, textos::EtiquetaPresionDePoros, presion_);
    etiqueta->setWordWrap(true);
    auto* edicion = new QVBoxLayout;
    edicion->addWidget(etiqueta);
    edicion->addWidget(presion_);
    edicion->addWidget(modificar);
    edicion->addStretch(1);
    edicion->addWidget(aceptar);
    edicion->addWidget(cancelar);

    auto* todo = new QHBoxLayout(this);
    todo->addWidget(lista_, 1);
    todo->addLayout(edicion);
    resize(420, 360);

    OrdenDeTabulacion({lista_, presion_, modificar, aceptar, cancelar});

    connect(modificar, &QPushButton::clicked, this, &Form19::ModificarClic);
    connect(aceptar, &QPushButton::clicked, this, &Form19::AceptarClic);
    connect(cancelar, &QPushButton::clicked, this, &Form19::reject);
    connect(lista_, &QTreeWidget::itemClicked, this, &Form19::FilaClic);
    connect(lista_, &QTreeWidget::itemActivated, this, &Form19::FilaClic);
}

void Form19::Activar()
{
    const Proyecto& p = proyecto_;
    filas_ = std::max(p.NumeroPuntosDovelas - 1, 0);
    presion_->clear();
    modificado_ = false;
    lista_->clear();
    for (int i = 1; i <= filas_; ++i) {
        const QString u =
            i <= p.PresionPorosDovela.Tamano()
                ? QString::fromStdString(Formato(p.PresionPorosDovela(i), FormatoPresion))
                : QString();
        InsertarFila(lista_, i - 1, {u});
    }
}

void Form19::FilaClic(QTreeWidgetItem* elemento)
{
    const int fila = FilaDe(lista_, elemento);
    if (fila < 0) return;
    PonerTexto(presion_, Celda(lista_, fila, ColumnaPresion));
}

void Form19::ModificarClic()
{
    const std::string texto = TextoDe(presion_);
    if (!EsNumerico(texto)) {
        interaccion_.Mensaje(textos::PresionNoNumerica);
        return;
    }
    const int fila = FilaSeleccionada(lista_);
    if (fila < 0) return;
    lista_->topLevelItem(fila)->setText(
        ColumnaPresion, QString::fromStdString(Formato(Val(texto), FormatoPresion)));
    modificado_ = true;
}

void Form19::AceptarClic()
{
    Proyecto& p = proyecto_;
    p.PresionPorosDovela.RedimensionarConservando(filas_);
    bool hayPresion = false;
    for (int i = 1; i <= filas_; ++i) {
        const std::string celda = Celda(lista_, i - 1, ColumnaPresion);
        p.PresionPorosDovela(i) = celda.empty() ? 0.0 : Val(celda);
        if (p.PresionPorosDovela(i) > 0) hayPresion = true;
    }
    p.PresionesDePorosDadas = hayPresion;
    p.DatosGuardados = false;
    if (FilaSeleccionada(lista_) < 0) p.PresionesDePorosDadas = false;
    modificado_ = false;
    accept();
}

void Form19::reject()
{
    if (modificado_ && interaccion_.Pregunta(textos::PreguntaNoRegistrarPresiones)) return;
    modificado_ = false;
    if (FilaSeleccionada(lista_) < 0) proyecto_.PresionesDePorosDadas = false;
    QDialog::reject();
}

} // namespace vertana
