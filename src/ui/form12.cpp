#include "ui/form12.h"

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
constexpr char FormatoHoekBrown[] = "#0.000000"; // m y s de la base (o c y φ instantáneas)
constexpr char FormatoMultiplicador[] = "#0.000";
constexpr char FormatoFS[] = "#0.000";
constexpr char FormatoSuma[] = "#0.00";
constexpr char CuadroEnBlanco[] = " ";
constexpr int AnchoCuadroEnCaracteres = 14;
constexpr int FilasVisibles = 12;
constexpr int AnchoDialogo = 1180; // píxeles: las catorce columnas sin apretarse

QString Q(const std::string& texto)
{
    return QString::fromStdString(texto);
}

QString DeLaTabla(const Tabla<double>& t, int k, const char* formato)
{
    return k >= 1 && k <= t.Tamano() ? Q(Formato(t(k), formato)) : QString(CuadroEnBlanco);
}

} // namespace

Form12::Form12(Proyecto& proyecto, Interaccion& interaccion, QWidget* padre)
    : DialogoActivable(padre), proyecto_(proyecto), interaccion_(interaccion)
{
    setObjectName("Form12");
    setWindowTitle(textos::TituloForm12);
    setModal(true);

    auto* marco = new QGroupBox(textos::MarcoResultadosRocas, this);
    marco->setObjectName("MarcoResultados");
    QStringList columnas;
    for (const char* c : textos::ColumnasResultadosRocas)
        columnas << c;
    tabla_ = CrearLista(marco, "ResultadosDelCálculo", columnas);
    tabla_->header()->setSectionResizeMode(QHeaderView::Interactive);
    tabla_->header()->setStretchLastSection(false);
    tabla_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    tabla_->setMinimumHeight(tabla_->fontMetrics().lineSpacing() * FilasVisibles);
    auto* nota = new QLabel(textos::NotaInstantaneosForm12, marco);
    nota->setObjectName("EtiquetaNotaInstantáneos");
    nota->setWordWrap(true);

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
    sumaPrincipalesMayores_ = cuadro("TextoSumaEsfuerzosPrincipalesMayores");
    sumaPrincipalesMenores_ = cuadro("TextoSumaEsfuerzosPrincipalesMenores");
    primerMultiplicador_ = cuadro("TextoPrimerMultiplicador");
    segundoMultiplicador_ = cuadro("TextoSegundoMultiplicador");
    QFont negrita = factorDeSeguridad_->font();
    negrita.setBold(true);
    factorDeSeguridad_->setFont(negrita);

    auto fila = [&](QFormLayout* f, const char* etiqueta, QLineEdit* c) {
        f->addRow(CrearEtiqueta(marco, etiqueta, c), c);
    };
    auto* sumas = new QFormLayout;
    fila(sumas, textos::EtiquetaFactorDeSeguridad, factorDeSeguridad_);
    fila(sumas, textos::EtiquetaSumaNormalesTotales, sumaNormalesTotales_);
    fila(sumas, textos::EtiquetaSumaNormalesEfectivos, sumaNormalesEfectivos_);
    fila(sumas, textos::EtiquetaSumaTangenciales, sumaTangenciales_);
    auto* principales = new QFormLayout;
    fila(principales, textos::EtiquetaSumaPrincipalesMayores, sumaPrincipalesMayores_);
    fila(principales, textos::EtiquetaSumaPrincipalesMenores, sumaPrincipalesMenores_);
    fila(principales, textos::EtiquetaMultiplicadorMu1Mu2, primerMultiplicador_);
    fila(principales, textos::EtiquetaMultiplicadorInversaMu2, segundoMultiplicador_);
    auto* valores = new QHBoxLayout;
    valores->addLayout(sumas);
    valores->addSpacing(fontMetrics().averageCharWidth() * 4);
    valores->addLayout(principales);
    valores->addStretch(1);

    auto* enMarco = new QVBoxLayout(marco);
    enMarco->addWidget(tabla_, 1);
    enMarco->addWidget(nota);
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

void Form12::Activar()
{
    const Proyecto& p = proyecto_;
    if (!p.HayResultados) {
        interaccion_.Mensaje(textos::RealiceElCalculoParaVerResultados,
                             textos::TituloSinCalculoCompleto);
        return;
    }
    setWindowTitle(p.UsaParametrosInstantaneos ? textos::TituloForm12Instantaneos
                                               : textos::TituloForm12);
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
    sumaPrincipalesMayores_->setText(Q(Formato(p.SumaEsfuerzosPrincipalesMayores, FormatoSuma)));
    sumaPrincipalesMenores_->setText(Q(Formato(p.SumaEsfuerzosPrincipalesMenores, FormatoSuma)));
    anclajes_->Cargar();
    anclajes_->EnfocarDatos();
}

void Form12::resizeEvent(QResizeEvent* evento)
{
    DialogoActivable::resizeEvent(evento);
    RepartirColumnas(tabla_);
}

void Form12::LlenarTabla()
{
    const Proyecto& p = proyecto_;
    // En un cálculo con parámetros instantáneos las columnas "m" y "s" llevan c y φ.
    const bool instantaneos = p.UsaParametrosInstantaneos;
    const Tabla<double>& m = instantaneos ? p.CohesionDovela : p.ParametroMDovela;
    const Tabla<double>& s = instantaneos ? p.FriccionDovela : p.ParametroSDovela;
    const Tabla<double>* antes[] = {&p.AnchoDovela, &p.AbscisaCentroDovela, &p.OrdenadaTaludDovela,
                                    &p.OrdenadaCentroDovela, &p.PresionPorosDovela};
    const Tabla<double>* despues[] = {
        &p.PesoUnitarioDovela,           &p.EsfuerzoNormalDovela,
        &p.EsfuerzoEfectivoDovela,       &p.EsfuerzoTangencialDovela,
        &p.EsfuerzoPrincipalMenorDovela, &p.EsfuerzoPrincipalMayorDovela};
    tabla_->clear();
    for (int k = 1; k < p.NumeroPuntosDovelas; ++k) {
        QStringList fila{Q(Formato(k, FormatoTabla))};
        for (const Tabla<double>* t : antes)
            fila << DeLaTabla(*t, k, FormatoTabla);
        fila << DeLaTabla(m, k, FormatoHoekBrown) << DeLaTabla(s, k, FormatoHoekBrown);
        for (const Tabla<double>* t : despues)
            fila << DeLaTabla(*t, k, FormatoTabla);
        InsertarFila(tabla_, k - 1, fila);
    }
    RepartirColumnas(tabla_);
}

} // namespace vertana
