#include "ui/impresion_informe.h"

#include "calculo/calculo.h"
#include "dibujo/dibujos_informe.h"
#include "dibujo/informe_pdf.h"
#include "model/interaccion.h"
#include "model/proyecto.h"
#include "model/textos.h"
#include "output/grafico_esfuerzos.h"
#include "ui/dialogo_exportar_informe.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPrintDialog>
#include <QPrinter>
#include <QProgressDialog>
#include <algorithm>
#include <filesystem>

namespace vertana {

bool ElegirImpresoraConDialogo(QPrinter& impresora, QWidget* padre)
{
    QPrintDialog dialogo(&impresora, padre);
    return dialogo.exec() == QDialog::Accepted;
}

FinImpresion ImprimirInforme(QPrinter& impresora, const Informe& informe, QWidget* padre,
                             int esperaMs, const std::vector<PintorDePagina>& adicionales)
{
    std::vector<PintorDePagina> paginas = PaginasDelInforme(informe);
    paginas.insert(paginas.end(), adicionales.begin(), adicionales.end());
    const int copias = impresora.supportsMultipleCopies() ? 1 : std::max(1, impresora.copyCount());
    std::vector<PintorDePagina> todas;
    for (int c = 0; c < copias; ++c)
        todas.insert(todas.end(), paginas.begin(), paginas.end());

    namespace t = textos::informe;
    QProgressDialog avance(QString::fromUtf8(t::PreparandoPaginas),
                           QString::fromUtf8(t::CancelarImpresion), 0,
                           static_cast<int>(todas.size()), padre);
    avance.setObjectName("AvanceImpresión");
    avance.setWindowModality(Qt::WindowModal);
    avance.setMinimumDuration(esperaMs);
    avance.setValue(0);
    bool cancelada = false;
    const bool impreso = PintarPaginas(impresora, todas, [&](int hechas, int) {
        avance.setValue(hechas);
        if (!avance.wasCanceled()) return true;
        cancelada = true;
        impresora.abort();
        return false;
    });
    avance.reset();
    if (!impreso && !impresora.outputFileName().isEmpty())
        QFile::remove(impresora.outputFileName());
    if (impreso) return FinImpresion::Hecha;
    return cancelada ? FinImpresion::Cancelada : FinImpresion::Fallida;
}

std::string ExportarInformePdf(const Proyecto& proyecto, Interaccion& interaccion, QWidget* padre)
{
    namespace t = textos::informe;
    std::string propuesta = QFile::encodeName(QDir::homePath() + "/informe.pdf").toStdString();
    if (!proyecto.ArchivoActual.empty())
        propuesta =
            std::filesystem::path(proyecto.ArchivoActual).replace_extension(".pdf").string();
    DialogoExportarInforme dialogo(propuesta, HayResultadosParaGraficos(proyecto), interaccion,
                                   padre);
    if (dialogo.exec() != QDialog::Accepted) return {};
    const std::string ruta = dialogo.Ruta();
    const std::string temporal = ruta + ".escribiendo";
    const Informe informe = GenerarInforme(proyecto);

    QPrinter impresora(QPrinter::HighResolution);
    impresora.setOutputFormat(QPrinter::PdfFormat);
    impresora.setOutputFileName(QFile::decodeName(QByteArray::fromStdString(temporal)));
    impresora.setPageLayout(DisenoDelPdf());
    impresora.setPageOrientation(OrientacionDelInforme(informe, impresora));
    impresora.setDocName(
        QFileInfo(QFile::decodeName(QByteArray::fromStdString(ruta))).completeBaseName());
    impresora.setCreator(QString::fromUtf8(textos::NombrePrograma));
    const auto dibujos =
        dialogo.ConGraficos() ? PaginasDeDibujos(proyecto) : std::vector<PintorDePagina>{};
    const FinImpresion fin =
        ImprimirInforme(impresora, informe, padre, EsperaAntesDelAvanceMs, dibujos);
    if (fin == FinImpresion::Cancelada) return {};
    std::error_code error;
    if (fin == FinImpresion::Hecha) std::filesystem::rename(temporal, ruta, error);
    if (fin != FinImpresion::Hecha || error) {
        std::filesystem::remove(temporal, error);
        interaccion.Mensaje(t::NoSePudoEscribirPdf + ruta, t::TituloExportarPdf);
        return {};
    }
    return ruta;
}

} // namespace vertana
