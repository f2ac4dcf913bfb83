#include "ui/dialogo_resultados.h"

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
// Texto de un cuadro de resultados antes de llenarlo: un blanco.
constexpr char CuadroEnBlanco[] = " ";
constexpr int AnchoCuadroEnCaracteres = 14;
constexpr int FilasVisibles = 12; // alto de la tabla, en filas
// Píxeles: las doce columnas de suelos, o las catorce de rocas, sin apretarse.
constexpr int AnchoDialogoSuelos = 1060;
constexpr int AnchoDialogoRocas = 1180;

QString Q(const std::string& texto)
{
    return QString::fromStdString(texto);
}

// Valor k de una tabla del proyecto con formato; un blanco si la tabla no lo tiene.
QString DeLaTabla(const Tabla<double>& t, int k, const char* formato)
{
    return k >= 1 && k <= t.Tamano() ? Q(Formato(t(k), formato)) : QString(CuadroEnBlanco);
}

template <std::size_t N> QStringList Columnas(const char* const (&textos)[N])
{
    QStringList r;
    for (const char* c : textos)
        r << c;
    return r;
}

} // namespace

DialogoResultados::DialogoResultados(Material material, Proyecto& proyecto,
                                     Interaccion& interaccion, QWidget* padre)
    : DialogoActivable(padre), material_(material), proyecto_(proyecto), interaccion_(interaccion)
{
    const bool roca = material_ == Material::Roca;
    setObjectName(roca ? "Form12" : "Form14");
    setWindowTitle(roca ? textos::TituloForm12 : textos::TituloForm14);
    setModal(true);

    auto* marco =
        new QGroupBox(roca ? textos::MarcoResultadosRocas : textos::MarcoResultadosSuelos, this);
    marco->setObjectName("MarcoResultados");
    tabla_ = CrearLista(marco, "ResultadosDelCálculo",
                        roca ? Columnas(textos::ColumnasResultadosRocas)
                             : Columnas(textos::ColumnasResultadosSuelos));
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
    if (roca) {
        sumaPrincipalesMayores_ = cuadro("TextoSumaEsfuerzosPrincipalesMayores");
        sumaPrincipalesMenores_ = cuadro("TextoSumaEsfuerzosPrincipalesMenores");
    }
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
    auto* segunda = new QFormLayout;
    if (roca) {
        fila(segunda, textos::EtiquetaSumaPrincipalesMayores, sumaPrincipalesMayores_);
        fila(segunda, textos::EtiquetaSumaPrincipalesMenores, sumaPrincipalesMenores_);
    }
    fila(segunda, textos::EtiquetaMultiplicadorMu1Mu2, primerMultiplicador_);
    fila(segunda, textos::EtiquetaMultiplicadorInversaMu2, segundoMultiplicador_);
    auto* valores = new QHBoxLayout;
    valores->addLayout(sumas);
    valores->addSpacing(fontMetrics().averageCharWidth() * 4);
    valores->addLayout(segunda);
    valores->addStretch(1);

    auto* enMarco = new QVBoxLayout(marco);
    enMarco->addWidget(tabla_, 1);
    if (roca) {
        auto* nota = new QLabel(textos::NotaInstantaneosForm12, marco);
        nota->setObjectName("EtiquetaNotaInstantáneos");
        nota->setWordWrap(true);
        enMarco->addWidget(nota);
    }
    enMarco->addLayout(valores);

    anclajes_ = new CalculadoraAnclajes(proyecto_, interaccion_, this);

    auto* salir = CrearBoton(this, "BotónCancelar", textos::BotonSalirDialogo);
    connect(salir, &QPushButton::clicked, this, &QDialog::reject);

    auto* todo = new QVBoxLayout(this);
    todo->addWidget(marco, 1);
    todo->addWidget(anclajes_);
    todo->addLayout(FilaDeBotones({salir}));
    resize(roca ? AnchoDialogoRocas : AnchoDialogoSuelos, sizeHint().height());
}

void DialogoResultados::Activar()
{
    const Proyecto& p = proyecto_;
    if (!p.HayResultados) {
        interaccion_.Mensaje(textos::RealiceElCalculoParaVerResultados,
                             textos::TituloSinCalculoCompleto);
        return;
    }
    if (material_ == Material::Roca)
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
    if (material_ == Material::Roca) {
        sumaPrincipalesMayores_->setText(
            Q(Formato(p.SumaEsfuerzosPrincipalesMayores, FormatoSuma)));
        sumaPrincipalesMenores_->setText(
            Q(Formato(p.SumaEsfuerzosPrincipalesMenores, FormatoSuma)));
    }
    anclajes_->Cargar();
    anclajes_->EnfocarDatos();
}

void DialogoResultados::resizeEvent(QResizeEvent* evento)
{
    DialogoActivable::resizeEvent(evento);
    RepartirColumnas(tabla_);
}

void DialogoResultados::LlenarTabla()
{
    const Proyecto& p = proyecto_;
    const bool roca = material_ == Material::Roca;
    // La resistencia de la base: c y φ en suelos; m y s en rocas, salvo tras un cálculo con
    // parámetros instantáneos, en que las columnas "m" y "s" llevan c y φ.
    const bool cohesionYFriccion = !roca || p.UsaParametrosInstantaneos;
    const Tabla<double>& r1 = cohesionYFriccion ? p.CohesionDovela : p.ParametroMDovela;
    const Tabla<double>& r2 = cohesionYFriccion ? p.FriccionDovela : p.ParametroSDovela;
    const char* formatoResistencia = roca ? FormatoHoekBrown : FormatoTabla;
    const Tabla<double>* antes[] = {&p.AnchoDovela, &p.AbscisaCentroDovela, &p.OrdenadaTaludDovela,
                                    &p.OrdenadaCentroDovela, &p.PresionPorosDovela};
    std::vector<const Tabla<double>*> despues = {&p.PesoUnitarioDovela, &p.EsfuerzoNormalDovela,
                                                 &p.EsfuerzoEfectivoDovela,
                                                 &p.EsfuerzoTangencialDovela};
    if (roca) {
        despues.push_back(&p.EsfuerzoPrincipalMenorDovela);
        despues.push_back(&p.EsfuerzoPrincipalMayorDovela);
    }
    tabla_->clear();
    for (int k = 1; k < p.NumeroPuntosDovelas; ++k) {
        QStringList fila{Q(Formato(k, FormatoTabla))};
        for (const Tabla<double>* t : antes)
            fila << DeLaTabla(*t, k, FormatoTabla);
        fila << DeLaTabla(r1, k, formatoResistencia) << DeLaTabla(r2, k, formatoResistencia);
        for (const Tabla<double>* t : despues)
            fila << DeLaTabla(*t, k, FormatoTabla);
        InsertarFila(tabla_, k - 1, fila);
    }
    RepartirColumnas(tabla_);
}

} // namespace vertana
