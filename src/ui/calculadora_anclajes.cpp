#include "ui/calculadora_anclajes.h"

#include "model/interaccion.h"
#include "model/numeros.h"
#include "model/textos.h"
#include "ui/controles_dialogo.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace vertana {
namespace {

constexpr char FormatoFactor[] = "#0.000";
constexpr char FormatoDato[] = "#0.00";
constexpr char FormatoSeparacion[] = "#0.000"; // tras el cálculo; al abrir, FormatoDato
constexpr int AnchoCuadroEnCaracteres = 12;    // un número con sus decimales

QString Q(const std::string& texto)
{
    return QString::fromStdString(texto);
}

} // namespace

CalculadoraAnclajes::CalculadoraAnclajes(Proyecto& proyecto, Interaccion& interaccion,
                                         QWidget* padre)
    : QGroupBox(textos::MarcoAnclajes, padre), proyecto_(proyecto), interaccion_(interaccion)
{
    setObjectName("MarcoAnclajes");
    const int ancho = fontMetrics().averageCharWidth() * AnchoCuadroEnCaracteres;
    auto cuadro = [&](const char* nombre, bool soloLectura) {
        QLineEdit* c = CrearCuadro(this, nombre, soloLectura ? QString() : textos::UsePuntoDecimal);
        c->setReadOnly(soloLectura);
        c->setFixedWidth(ancho);
        c->setAlignment(Qt::AlignRight);
        return c;
    };
    factor_ = cuadro("TextoFactorSeguridadConAnclaje", false);
    inclinacion_ = cuadro("TextoInclinaciónAnclajes", false);
    diametro_ = cuadro("TextoDiámetroAnclajes", false);
    rotura_ = cuadro("TextoEsfuerzoRoturaAnclaje", false);
    guayas_ = cuadro("TextoNúmeroGuayasObarras", false);
    activos_ = cuadro("TextoSeparaciónAnclajesActivos", true);
    pasivos_ = cuadro("TextoSeparaciónAnclajesPasivos", true);
    aceptar_ = CrearBoton(this, "BotónAceptar", textos::BotonCalcularAnclajes);
    aceptar_->setToolTip(textos::AyudaBotonAnclajes);
    aceptar_->setDefault(true); // Enter en un dato calcula, no cierra el diálogo

    // Los datos a la izquierda; las separaciones y el botón a la derecha.
    auto* rejilla = new QGridLayout(this);
    const std::pair<const char*, QLineEdit*> datos[] = {
        {textos::EtiquetaFactorConAnclaje, factor_},
        {textos::EtiquetaInclinacionAnclajes, inclinacion_},
        {textos::EtiquetaDiametroAnclajes, diametro_},
        {textos::EtiquetaEsfuerzoRotura, rotura_},
        {textos::EtiquetaNumeroGuayas, guayas_}};
    int fila = 0;
    for (const auto& [etiqueta, c] : datos) {
        rejilla->addWidget(CrearEtiqueta(this, etiqueta, c), fila, 0);
        rejilla->addWidget(c, fila, 1);
        ++fila;
    }
    constexpr int ColumnaSeparaciones = 3;
    rejilla->setColumnMinimumWidth(2, fontMetrics().averageCharWidth() * 4);
    rejilla->addWidget(CrearEtiqueta(this, textos::EtiquetaSeparacionActivos, activos_), 0,
                       ColumnaSeparaciones);
    rejilla->addWidget(activos_, 0, ColumnaSeparaciones + 1);
    rejilla->addWidget(CrearEtiqueta(this, textos::EtiquetaSeparacionPasivos, pasivos_), 1,
                       ColumnaSeparaciones);
    rejilla->addWidget(pasivos_, 1, ColumnaSeparaciones + 1);
    rejilla->addWidget(aceptar_, 3, ColumnaSeparaciones + 1);
    rejilla->setColumnStretch(ColumnaSeparaciones + 2, 1);
    OrdenDeTabulacion({factor_, inclinacion_, diametro_, rotura_, guayas_, aceptar_});

    connect(aceptar_, &QPushButton::clicked, this, &CalculadoraAnclajes::Calcular);
}

void CalculadoraAnclajes::Cargar()
{
    const Proyecto& p = proyecto_;
    factor_->setText(Q(Formato(p.FactorSeguridadConAnclaje, FormatoFactor)));
    inclinacion_->setText(Q(Formato(p.InclinacionAnclajes, FormatoDato)));
    diametro_->setText(Q(Formato(p.DiametroAnclajes, FormatoDato)));
    rotura_->setText(Q(Formato(p.EsfuerzoRoturaAnclaje, FormatoDato)));
    guayas_->setText(Q(Formato(p.NumeroGuayasObarras, FormatoDato)));
    activos_->setText(Q(Formato(p.SeparacionAnclajesActivos, FormatoDato)));
    pasivos_->setText(Q(Formato(p.SeparacionAnclajesPasivos, FormatoDato)));
    geometria_ = GeometriaParaAnclajes(p);
}

void CalculadoraAnclajes::EnfocarDatos()
{
    factor_->setFocus(Qt::OtherFocusReason);
    factor_->selectAll();
}

void CalculadoraAnclajes::Calcular()
{
    const EntradaAnclajes entrada{TextoDe(factor_), TextoDe(diametro_), TextoDe(inclinacion_),
                                  TextoDe(rotura_), TextoDe(guayas_)};
    const CalculoAnclajes calculo = CalcularAnclajes(proyecto_, geometria_, entrada);
    if (!calculo.Calculado()) {
        interaccion_.Mensaje(calculo.Mensaje);
        return;
    }
    GuardarAnclajes(proyecto_, calculo);
    activos_->setText(Q(Formato(calculo.Separaciones->Activos, FormatoSeparacion)));
    pasivos_->setText(Q(Formato(calculo.Separaciones->Pasivos, FormatoSeparacion)));
}

} // namespace vertana
