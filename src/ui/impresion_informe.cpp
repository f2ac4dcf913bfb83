#include "ui/impresion_informe.h"

#include "dibujo/informe_pdf.h"
#include "model/textos.h"

#include <QFile>
#include <QPrintDialog>
#include <QPrinter>
#include <QProgressDialog>
#include <algorithm>

namespace vertana {

bool ElegirImpresoraConDialogo(QPrinter& impresora, QWidget* padre)
{
    QPrintDialog dialogo(&impresora, padre);
    return dialogo.exec() == QDialog::Accepted;
}

bool ImprimirInforme(QPrinter& impresora, const Informe& informe, QWidget* padre, int esperaMs)
{
    const std::vector<PintorDePagina> paginas = PaginasDelInforme(informe);
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
    const bool impreso = PintarPaginas(impresora, todas, [&](int hechas, int) {
        avance.setValue(hechas);
        if (!avance.wasCanceled()) return true;
        impresora.abort();
        return false;
    });
    avance.reset();
    if (!impreso && !impresora.outputFileName().isEmpty())
        QFile::remove(impresora.outputFileName());
    return impreso;
}

} // namespace vertana
