#include "ui/form9.h"

#include "model/interaccion.h"
#include "model/numeros.h"
#include "model/textos.h"
#include "ui/controles_dialogo.h"

#include <QFormLayout>
#include <QLabel>
#include <QMetaObject>
#include <QVBoxLayout>

namespace vertana {
namespace {

constexpr char FormatoIteracion[] = "#0.00";
constexpr char FormatoFactor[] = "#0.000000000";
constexpr char FormatoFuerza[] = "#0.00 ton";
constexpr char FormatoMomento[] = "#0.00 ton.m";

QLabel* EtiquetaDeValor(QWidget* padre, const char* nombre)
{
    auto* etiqueta = new QLabel(padre);
    etiqueta->setObjectName(QString::fromUtf8(nombre));
    etiqueta->setMinimumWidth(140);
    etiqueta->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return etiqueta;
}

// Fila k de una tabla de la historia, formateada; vacía si la historia no llega a k.
QString DeLaHistoria(const Tabla<double>& historia, int k, const char* patron)
{
    if (k < 1 || k > historia.Tamano()) return {};
    return QString::fromStdString(Formato(historia(k), patron));
}

} // namespace

Form9::Form9(const Proyecto& proyecto, const SumasDeLaIteracion& sumas, Interaccion& interaccion,
             QWidget* padre)
    : QDialog(padre), proyecto_(proyecto), sumas_(sumas), interaccion_(interaccion)
{
    setObjectName("form9");
    setWindowTitle(textos::TituloForm9);
    setModal(true);

    iteracion_ = EtiquetaDeValor(this, "TextoDelNúmeroDeIteración");
    primerMultiplicador_ = EtiquetaDeValor(this, "TextoDelPrimerMultiplicadorDeLagrange");
    segundoMultiplicador_ = EtiquetaDeValor(this, "TextoDelSegundoMultiplicadorDeLagrange");
    factorSeguridad_ = EtiquetaDeValor(this, "TextoDelFactorDeSeguridad");
    sumaHorizontales_ = EtiquetaDeValor(this, "TextoDeLaSumaDeFuerzasHorizontales");
    sumaVerticales_ = EtiquetaDeValor(this, "TextoDeLaSumaDeFuerzasVerticales");
    sumaMomentos_ = EtiquetaDeValor(this, "TextoDeLaSumaDeMomentos");

    auto* valores = new QFormLayout;
    valores->addRow(CrearEtiqueta(this, textos::EtiquetaNumeroIteracion), iteracion_);
    valores->addRow(CrearEtiqueta(this, textos::EtiquetaPrimerMultiplicador), primerMultiplicador_);
    valores->addRow(CrearEtiqueta(this, textos::EtiquetaSegundoMultiplicador),
                    segundoMultiplicador_);
    valores->addRow(CrearEtiqueta(this, textos::EtiquetaFactorSeguridadIteracion),
                    factorSeguridad_);
    valores->addRow(CrearEtiqueta(this, textos::EtiquetaSumaHorizontales), sumaHorizontales_);
    valores->addRow(CrearEtiqueta(this, textos::EtiquetaSumaVerticales), sumaVerticales_);
    valores->addRow(CrearEtiqueta(this, textos::EtiquetaSumaMomentos), sumaMomentos_);

    auto* todo = new QVBoxLayout(this);
    todo->addWidget(CrearEtiqueta(this, textos::EtiquetaResultadosIteraciones));
    todo->addLayout(valores);
}

void Form9::showEvent(QShowEvent* evento)
{
    QDialog::showEvent(evento);
    decision_ = DecisionIteracion::Seguir;
    MostrarIteracion();
    // Las preguntas se hacen con el diálogo ya en pantalla, para que se vean los valores.
    QMetaObject::invokeMethod(this, &Form9::Activar, Qt::QueuedConnection);
}

void Form9::MostrarIteracion()
{
    const Proyecto& p = proyecto_;
    const int k = p.NumeroIteraciones;
    iteracion_->setText(QString::fromStdString(Formato(k, FormatoIteracion)));
    primerMultiplicador_->setText(DeLaHistoria(p.HistoriaMu1Mu2, k, FormatoIteracion));
    segundoMultiplicador_->setText(DeLaHistoria(p.HistoriaInversaMu2, k, FormatoIteracion));
    factorSeguridad_->setText(DeLaHistoria(p.HistoriaFS, k, FormatoFactor));
    sumaHorizontales_->setText(QString::fromStdString(Formato(sumas_.Horizontales, FormatoFuerza)));
    sumaVerticales_->setText(QString::fromStdString(Formato(sumas_.Verticales, FormatoFuerza)));
    sumaMomentos_->setText(QString::fromStdString(Formato(sumas_.Momentos, FormatoMomento)));
}

void Form9::Activar()
{
    if (!isVisible()) return; // cerrado antes de llegar a preguntar
    decision_ = DecisionIteracion::Seguir;
    MostrarIteracion();
    if (interaccion_.Pregunta(textos::PreguntaEsLaSolucion))
        decision_ = DecisionIteracion::Aceptar;
    else if (interaccion_.Pregunta(textos::PreguntaSalirDelCalculo))
        decision_ = DecisionIteracion::Salir;
    accept();
}

} // namespace vertana
