#include "ui/form14.h"

#include "model/interaccion.h"
#include "model/numeros.h"
#include "model/textos.h"
#include "ui/calculadora_anclajes.h"
#include "ui/controles_dialogo.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <vector>

namespace vertana {
namespace {

constexpr char FormatoTabla[] = "#0.00";
constexpr char FormatoMultiplicador[] = "#0.000";
constexpr char FormatoFS[] = "#0.000";
constexpr char FormatoSuma[] = "#0.00";
// Texto de un cuadro de resultados antes de llenarlo: un blanco.
constexpr char CuadroEnBlanco[] = " ";
constexpr int AnchoCuadroEnCaracteres = 14;
constexpr int FilasVisibles = 12;  // alto de la tabla, en filas
constexpr int AnchoDialogo = 1060; // píxeles: las doce columnas sin apretarse

QString Q(const std::string& texto)
{
    return QString::fromStdString(texto);
}

// Valor k de una tabla del proyecto con formato; un blanco si la tabla no lo tiene.
QString DeLaTabla(const Tabla<double>& t, int k, const char* formato)
{
    return k >= 1 && k <= t.Tamano() ? Q(Formato(t(k), formato)) : QString(CuadroEnBlanco);
}

} // namespace

Form14::Form14(Proyecto& proyecto, Interaccion& interaccion, QWidget* padre)
    : DialogoActivable(padre), proyecto_(proyecto), interaccion_(interaccion)
{
    setObjectName("Form14");
    setWindowTitle(textos::TituloForm14);
    setModal(true);

    auto* marco = new QGroupBox(textos::MarcoResultadosSuelos, this);
    marco->setObjectName("MarcoResultados");
    QStringList columnas;
    for (const char* c : textos::ColumnasResultadosSuelos)
        columnas << c;
    tabla_ = CrearLista(marco, "ResultadosDelCálculo", columnas);
    tabla_->header()->setSectionResizeMode(QHeaderView::Interactive);
    tabla_->header()->setStretchLastSection(false);
    tabla_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    tabla_->setMinimumHeight(tabla_->fontMetrics().lineSpacing() * FilasVisibles);

    const int ancho = fontMetrics().averageCharWidth() * AnchoCuadroEnCaracteres;
    auto cuadro = [&](const char* nombre) {
        QLineEdit* c = CrearCuadro(marco, nombre);
        c->setReadOnly(true);
        c->setFixedWidth(ancho);
        c->setAlignment(Qt::AlignRight);
        return c;
    };
    factorDeSeguridad_ = cuadro("TextoFactorDeSeguridad");
    sumaNormalesTotales_ = cuadro("TextoSumaEsfuerzosNormalesTotales");
    sumaNormalesEfectivos_ = cuadro("TextoSumaEsfuerzosNormalesEfectivos");
    sumaTangenciales_ = cuadro("TextoSumaEsfuerzosTangenciales");
    primerMultiplicador_ = cuadro("TextoPrimerMultiplicador");
    segundoMultiplicador_ = cuadro("TextoSegundoMultiplicador");
    QFont negrita = factorDeSeguridad_->font();
    negrita.setBold(true);
    factorDeSeguridad_->setFont(negrita);

    auto* sumas = new QFormLayout;
    sumas->addRow(CrearEtiqueta(marco, textos::EtiquetaFactorDeSeguridad, factorDeSeguridad_),
                  factorDeSeguridad_);
    sumas->addRow(CrearEtiqueta(marco, textos::EtiquetaSumaNormalesTotales, sumaNormalesTotales_),
                  sumaNormalesTotales_);
    sumas->addRow(
        CrearEtiqueta(marco, textos::EtiquetaSumaNormalesEfectivos, sumaNormalesEfectivos_),
        sumaNormalesEfectivos_);
    sumas->addRow(CrearEtiqueta(marco, textos::EtiquetaSumaTangenciales, sumaTangenciales_),
                  sumaTangenciales_);
    auto* multiplicadores = new QFormLayout;
    multiplicadores->addRow(
        CrearEtiqueta(marco, textos::EtiquetaMultiplicadorMu1Mu2, primerMultiplicador_),
        primerMultiplicador_);
    multiplicadores->addRow(
        CrearEtiqueta(marco, textos::EtiquetaMultiplicadorInversaMu2, segundoMultiplicador_),
        segundoMultiplicador_);
    auto* valores = new QHBoxLayout;
    valores->addLayout(sumas);
    valores->addSpacing(fontMetrics().averageCharWidth() * 4);
    valores->addLayout(multiplicadores);
    valores->addStretch(1);

    auto* enMarco = new QVBoxLayout(marco);
    enMarco->addWidget(tabla_, 1);
    enMarco->addLayout(valores);

    anclajes_ = new CalculadoraAnclajes(proyecto_, interaccion_, this);

    auto* salir = CrearBoton(this, "BotónCancelar", textos::BotonSalirDialogo);
    connect(salir, &QPushButton::clicked, this, &QDialog::reject);

    auto* todo = new QVBoxLayout(this);
    todo->addWidget(marco, 1);
    todo->addWidget(anclajes_);
    todo->addLayout(FilaDeBotones({salir}));
    resize(AnchoDialogo, sizeHint().height());
}

void Form14::Activar()
{
    const Proyecto& p = proyecto_;
    if (!p.HayResultados) {
        interaccion_.Mensaje(textos::RealiceElCalculoParaVerResultados,
                             textos::TituloSinCalculoCompleto);
        return;
    }
    LlenarTabla();

    for (QLineEdit* c : {primerMultiplicador_, segundoMultiplicador_, factorDeSeguridad_})
        c->setText(CuadroEnBlanco);
    const int n = p.NumeroIteraciones;
    if (p.MetodoDeCalculo == Metodo::Variacional) {
        primerMultiplicador_->setText(DeLaTabla(p.HistoriaMu1Mu2, n, FormatoMultiplicador));
        segundoMultiplicador_->setText(DeLaTabla(p.HistoriaInversaMu2, n, FormatoMultiplicador));
    }
    factorDeSeguridad_->setText(DeLaTabla(p.HistoriaFS, n, FormatoFS));

    sumaNormalesTotales_->setText(Q(Formato(p.SumaEsfuerzosNormalesTotales, FormatoSuma)));
    sumaNormalesEfectivos_->setText(Q(Formato(p.SumaEsfuerzosNormalesEfectivos, FormatoSuma)));
    sumaTangenciales_->setText(Q(Formato(p.SumaEsfuerzosTangenciales, FormatoSuma)));
    anclajes_->Cargar();
    anclajes_->EnfocarDatos();
}

void Form14::resizeEvent(QResizeEvent* evento)
{
    DialogoActivable::resizeEvent(evento);
    RepartirColumnas(tabla_);
}

void Form14::LlenarTabla()
{
    const Proyecto& p = proyecto_;
    const Tabla<double>* columnas[] = {&p.AnchoDovela,
                                       &p.AbscisaCentroDovela,
                                       &p.OrdenadaTaludDovela,
                                       &p.OrdenadaCentroDovela,
                                       &p.PresionPorosDovela,
                                       &p.CohesionDovela,
                                       &p.FriccionDovela,
                                       &p.PesoUnitarioDovela,
                                       &p.EsfuerzoNormalDovela,
                                       &p.EsfuerzoEfectivoDovela,
                                       &p.EsfuerzoTangencialDovela};
    tabla_->clear();
    for (int s = 1; s < p.NumeroPuntosDovelas; ++s) {
        QStringList fila{Q(Formato(s, FormatoTabla))};
        for (const Tabla<double>* t : columnas)
            fila << DeLaTabla(*t, s, FormatoTabla);
        InsertarFila(tabla_, s - 1, fila);
    }
    RepartirColumnas(tabla_);
}

} // namespace vertana
