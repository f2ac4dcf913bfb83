#include "ui/form13.h"

#include "model/interaccion.h"
#include "model/numeros.h"
#include "model/textos.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMetaObject>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <cassert>

namespace vertana {
namespace {

constexpr char FormatoDovela[] = "#0";
constexpr char FormatoSigma[] = "#0.00";
enum ColumnaSigma { ColumnaDovela = 0, ColumnaAnterior = 1, ColumnaActual = 2, ColumnaMinimo = 3 };

bool EsRoca(MaterialDelChequeo m)
{
    return m == MaterialDelChequeo::Roca;
}

const char* AvisoDeChequeo(MaterialDelChequeo m)
{
    switch (m) {
    case MaterialDelChequeo::Suelo:
        return textos::ChequeoNormalesSuelo;
    case MaterialDelChequeo::RocaInstantaneos:
        return textos::ChequeoNormalesRocaInstantaneos;
    case MaterialDelChequeo::Roca:
        break;
    }
    return textos::ChequeoSigma3Roca;
}

const char* MensajeBajoMinimo(MaterialDelChequeo m)
{
    switch (m) {
    case MaterialDelChequeo::Suelo:
        return textos::SigmaBajoMinimoSuelo;
    case MaterialDelChequeo::RocaInstantaneos:
        return textos::SigmaBajoMinimoRocaInstantaneos;
    case MaterialDelChequeo::Roca:
        break;
    }
    return textos::SigmaBajoMinimoRoca;
}

const char* TituloDelAviso(MaterialDelChequeo m)
{
    return EsRoca(m) ? textos::TituloChequeoSigma3 : textos::TituloChequeoNormales;
}

QString Texto(double valor, const char* patron)
{
    return QString::fromStdString(Formato(valor, patron));
}

} // namespace

std::optional<Fallo> ComprobarSigmas(MaterialDelChequeo material,
                                     const std::vector<std::string>& actuales,
                                     const std::vector<std::string>& minimos, int* filaBajoMinimo)
{
    const Fallo faltan{textos::FaltanSigmas, EsRoca(material) ? textos::TituloValoresSigma3
                                                              : textos::TituloValoresNormales};
    if (actuales.size() != minimos.size()) return faltan;
    for (std::size_t k = 0; k < actuales.size(); ++k)
        if (!EsNumerico(actuales[k]) || !EsNumerico(minimos[k])) return faltan;
    for (std::size_t k = 0; k < actuales.size(); ++k)
        if (Val(actuales[k]) < Val(minimos[k])) {
            if (filaBajoMinimo) *filaBajoMinimo = static_cast<int>(k);
            return Fallo{MensajeBajoMinimo(material), TituloDelAviso(material)};
        }
    return std::nullopt;
}

Form13::Form13(Interaccion& interaccion, EsfuerzosDelChequeo esfuerzos, QWidget* padre)
    : DialogoActivable(padre), interaccion_(interaccion), esfuerzos_(std::move(esfuerzos))
{
    assert(esfuerzos_.Anterior.size() == esfuerzos_.Actual.size() &&
           esfuerzos_.Minimo.size() == esfuerzos_.Actual.size());
    setObjectName("Form13");
    setWindowTitle(TituloDelChequeo(esfuerzos_.Material));
    setModal(true);

    dovela_ = new QLabel(this);
    dovela_->setObjectName("TextoDelNúmeroDeDovela");
    lista_ = CrearLista(this, "ListaValoresDeSigma3", {"Dovela", "Sig_ant", "Sig_act", "Sig_mín"});
    lista_->setMinimumHeight(200);
    sigmaActual_ = CrearCuadro(this, "TextoSigma3Actual", textos::UsePuntoDecimal);
    sigmaActual_->setMaximumWidth(110);
    auto* modificar = CrearBoton(this, "BotónModificar", textos::BotonModificarDialogo);
    auto* aceptar = CrearBoton(this, "BotónAceptar", textos::BotonAceptarDialogo);
    auto* salir = CrearBoton(this, "BotónSalir", textos::BotonSalirDialogo);
    modificar->setDefault(true); // Enter escribe el valor en la fila elegida

    auto* fila = new QHBoxLayout;
    fila->addWidget(CrearEtiqueta(this, textos::EtiquetaDovelaSinChequeo));
    fila->addWidget(dovela_);
    fila->addStretch(1);

    auto* edicion = new QHBoxLayout;
    edicion->addWidget(CrearEtiqueta(this, textos::EtiquetaSigma3Actual, sigmaActual_));
    edicion->addWidget(sigmaActual_);
    edicion->addWidget(modificar);
    edicion->addStretch(1);

    auto* botones = FilaDeBotones({aceptar, salir});

    auto* todo = new QVBoxLayout(this);
    todo->addLayout(fila);
    todo->addWidget(lista_, 1);
    for (const char* nota :
         {textos::EtiquetaSigAnt, textos::EtiquetaSigAct, textos::EtiquetaSigMin})
        todo->addWidget(CrearEtiqueta(this, nota));
    todo->addLayout(edicion);
    todo->addLayout(botones);
    resize(520, 460);

    OrdenDeTabulacion({lista_, sigmaActual_, modificar, aceptar, salir});

    connect(modificar, &QPushButton::clicked, this, &Form13::ModificarClic);
    connect(aceptar, &QPushButton::clicked, this, &Form13::AceptarClic);
    connect(salir, &QPushButton::clicked, this, &Form13::reject);
    connect(lista_, &QTreeWidget::itemClicked, this, &Form13::FilaClic);
    connect(lista_, &QTreeWidget::itemActivated, this, &Form13::FilaClic);
}

void Form13::showEvent(QShowEvent* evento)
{
    DialogoActivable::showEvent(evento);
    QMetaObject::invokeMethod(this, &Form13::AvisarDovelasSinChequeo, Qt::QueuedConnection);
}

void Form13::Activar()
{
    dovela_->setText(QString::number(esfuerzos_.DovelaSinChequeo));
    lista_->clear();
    const int n = static_cast<int>(esfuerzos_.NumeroDovelas());
    for (int k = 0; k < n; ++k) {
        const auto i = static_cast<std::size_t>(k);
        InsertarFila(lista_, k,
                     {Texto(k + 1, FormatoDovela), Texto(esfuerzos_.Anterior[i], FormatoSigma),
                      Texto(esfuerzos_.Actual[i], FormatoSigma),
                      Texto(esfuerzos_.Minimo[i], FormatoSigma)});
    }
    sigmaActual_->clear();
}

void Form13::AvisarDovelasSinChequeo()
{
    if (!isVisible()) return;
    for (std::size_t i = 0; i < esfuerzos_.NumeroDovelas(); ++i)
        if (esfuerzos_.Actual[i] < esfuerzos_.Minimo[i])
            interaccion_.Mensaje(AvisoDeChequeo(esfuerzos_.Material),
                                 TituloDelAviso(esfuerzos_.Material));
}

void Form13::FilaClic(QTreeWidgetItem* elemento)
{
    const int fila = FilaDe(lista_, elemento);
    if (fila < 0) return;
    PonerTexto(sigmaActual_, Celda(lista_, fila, ColumnaActual));
}

void Form13::ModificarClic()
{
    const std::string texto = TextoDe(sigmaActual_);
    if (!EsNumerico(texto)) {
        interaccion_.Mensaje(textos::SigmaNoNumerico);
        return;
    }
    const int fila = FilaSeleccionada(lista_);
    if (fila < 0) return;
    lista_->topLevelItem(fila)->setText(ColumnaActual, Texto(Val(texto), FormatoSigma));
}

void Form13::AceptarClic()
{
    const int n = lista_->topLevelItemCount();
    std::vector<std::string> actuales, minimos;
    for (int k = 0; k < n; ++k) {
        actuales.push_back(Celda(lista_, k, ColumnaActual));
        minimos.push_back(Celda(lista_, k, ColumnaMinimo));
    }
    int filaBajoMinimo = -1;
    if (const auto fallo =
            ComprobarSigmas(esfuerzos_.Material, actuales, minimos, &filaBajoMinimo)) {
        MostrarFallo(interaccion_, *fallo);
        if (filaBajoMinimo >= 0) { // la dovela queda elegida para corregirla
            lista_->setCurrentItem(lista_->topLevelItem(filaBajoMinimo));
            PonerTexto(sigmaActual_, actuales[static_cast<std::size_t>(filaBajoMinimo)]);
        }
        return;
    }
    Tabla<double> sigmas(NodoDeSigmaUsuario(esfuerzos_.Material, n));
    for (int i = 1; i <= n; ++i)
        sigmas(NodoDeSigmaUsuario(esfuerzos_.Material, i)) =
            Val(actuales[static_cast<std::size_t>(i - 1)]);
    sigmas_ = std::move(sigmas);
    accept();
}

void Form13::reject()
{
    if (!esfuerzos_.SigmasModificados && interaccion_.Pregunta(textos::PreguntaUsarSigmasActuales))
        return;
    QDialog::reject();
}

} // namespace vertana
