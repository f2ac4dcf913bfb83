#include "ui/dialogo_exportar_informe.h"

#include "model/interaccion.h"
#include "model/textos.h"

#include <QCheckBox>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace vertana {

namespace {

constexpr char ExtensionPdf[] = ".pdf";

QString ConExtensionPdf(QString ruta)
{
    ruta = ruta.trimmed();
    if (!ruta.isEmpty() && !ruta.endsWith(ExtensionPdf, Qt::CaseInsensitive)) ruta += ExtensionPdf;
    return ruta;
}

} // namespace

DialogoExportarInforme::DialogoExportarInforme(const std::string& rutaPropuesta, bool hayResultados,
                                               Interaccion& interaccion, QWidget* padre)
    : QDialog(padre), interaccion_(interaccion)
{
    namespace t = textos::informe;
    setObjectName("ExportarInforme");
    setWindowTitle(QString::fromUtf8(t::TituloExportarPdf));

    auto* etiqueta = new QLabel(QString::fromUtf8(t::ArchivoPdf), this);
    ruta_ = new QLineEdit(QFile::decodeName(QByteArray::fromStdString(rutaPropuesta)), this);
    ruta_->setObjectName("RutaPdf");
    constexpr int AnchoRutaEnCaracteres = 60;
    ruta_->setMinimumWidth(ruta_->fontMetrics().averageCharWidth() * AnchoRutaEnCaracteres);
    etiqueta->setBuddy(ruta_);
    auto* examinar = new QPushButton(QString::fromUtf8(t::BotonExaminar), this);
    examinar->setObjectName("Examinar");
    examinar->setAutoDefault(false);
    connect(examinar, &QPushButton::clicked, this, &DialogoExportarInforme::Examinar);

    conGraficos_ = new QCheckBox(QString::fromUtf8(t::AnadirDibujos), this);
    conGraficos_->setObjectName("ConGraficos");
    conGraficos_->setChecked(true);
    auto* explicacion = new QLabel(
        QString::fromUtf8(hayResultados ? t::DibujosConResultados : t::DibujosSinResultados), this);
    explicacion->setWordWrap(true);

    auto* aceptar = new QPushButton(QString::fromUtf8(textos::BotonAceptarDialogo), this);
    aceptar->setObjectName("Aceptar");
    aceptar->setDefault(true);
    connect(aceptar, &QPushButton::clicked, this, &DialogoExportarInforme::accept);
    auto* cancelar = new QPushButton(QString::fromUtf8(t::CancelarImpresion), this);
    cancelar->setObjectName("Cancelar");
    cancelar->setAutoDefault(false);
    connect(cancelar, &QPushButton::clicked, this, &DialogoExportarInforme::reject);

    auto* filaRuta = new QHBoxLayout;
    filaRuta->addWidget(ruta_, 1);
    filaRuta->addWidget(examinar);
    auto* botones = new QHBoxLayout;
    botones->addStretch(1);
    botones->addWidget(aceptar);
    botones->addWidget(cancelar);
    auto* columna = new QVBoxLayout(this);
    columna->addWidget(etiqueta);
    columna->addLayout(filaRuta);
    columna->addSpacing(fontMetrics().height() / 2);
    columna->addWidget(conGraficos_);
    columna->addWidget(explicacion);
    columna->addStretch(1);
    columna->addLayout(botones);
    setMinimumSize(sizeHint());
}

std::string DialogoExportarInforme::Ruta() const
{
    return QFile::encodeName(ConExtensionPdf(ruta_->text())).toStdString();
}

bool DialogoExportarInforme::ConGraficos() const
{
    return conGraficos_->isChecked();
}

void DialogoExportarInforme::accept()
{
    namespace t = textos::informe;
    if (ruta_->text().trimmed().isEmpty()) {
        interaccion_.Mensaje(t::FaltaArchivoPdf, t::TituloExportarPdf);
        ruta_->setFocus();
        return;
    }
    const QString ruta = ConExtensionPdf(ruta_->text());
    if (QFileInfo::exists(ruta) &&
        !interaccion_.Pregunta(std::string(t::PdfExiste) + "\n" + ruta.toStdString(),
                               t::TituloExportarPdf))
        return;
    QDialog::accept();
}

void DialogoExportarInforme::Examinar()
{
    namespace t = textos::informe;
    QFileDialog dialogo(this, QString::fromUtf8(t::TituloExportarPdf), ruta_->text(),
                        QString::fromUtf8(t::FiltroPdf));
    dialogo.setAcceptMode(QFileDialog::AcceptSave);
    dialogo.setFileMode(QFileDialog::AnyFile);
    dialogo.setDefaultSuffix("pdf");
    dialogo.setOption(QFileDialog::DontConfirmOverwrite); // lo pregunta Aceptar
    if (dialogo.exec() == QDialog::Accepted && !dialogo.selectedFiles().isEmpty())
        ruta_->setText(dialogo.selectedFiles().constFirst());
}

} // namespace vertana
