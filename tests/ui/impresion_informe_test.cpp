// Imprimir en la ventana principal: el diálogo de impresión (sustituido aquí por una impresora
// a PDF) y el informe puesto en sus páginas. El PDF se lee con pdfinfo y pdftotext.
#include "apoyo/pdf_de_prueba.h"
#include "output/informe.h"
#include "proyectos_de_prueba.h"
#include "ui/impresion_informe.h"
#include "ui/ventana_de_prueba.h"

#include <QPrinter>
#include <QProgressDialog>
#include <QTimer>
#include <filesystem>

namespace vertana {
namespace {

using prueba::PalabrasDe;

struct ImpresionDesdeVentana : prueba::VentanaDePrueba {
    prueba::CarpetaTemporal carpeta;
    std::string pdf = carpeta.Ruta("impreso.pdf");
    int dialogos = 0;
    int copias = 1;
    bool aceptar = true;

    void SetUp() override
    {
        ventana.ElegirArchivoAbrir = [] {
            return std::string(VERTANA_DATOS_PRUEBA) + "/clasicos/fredlund_krahn_1977_caso1.cod";
        };
        Menu("MenúArchivoAbrir");
        ventana.ElegirImpresora = [this](QPrinter& impresora) {
            ++dialogos;
            impresora.setOutputFormat(QPrinter::PdfFormat);
            impresora.setOutputFileName(QString::fromStdString(pdf));
            impresora.setCopyCount(copias);
            return aceptar;
        };
    }
};

TEST_F(ImpresionDesdeVentana, ImprimeElInformeConLaDescripcionEnPantalla)
{
    EXPECT_TRUE(Hijo<QAction>("MenúArchivoImprimir")->isEnabled());
    Hijo<QPlainTextEdit>("TextoProyecto")->setPlainText("Talud de prueba\nsegunda línea");
    Menu("MenúArchivoImprimir");
    EXPECT_EQ(dialogos, 1);
    EXPECT_EQ(p.Descripcion, "Talud de prueba\nsegunda línea");
    const Informe informe = GenerarInforme(p);
    const auto delPdf = prueba::TextoDelPdf(pdf);
    ASSERT_EQ(prueba::PaginasDelPdf(pdf), static_cast<int>(informe.Paginas.size()));
    ASSERT_EQ(delPdf.size(), informe.Paginas.size());
    const auto texto = prueba::PaginasDeTexto(InformeComoTexto(informe));
    for (std::size_t k = 0; k < texto.size(); ++k)
        EXPECT_EQ(PalabrasDe(delPdf[k]), PalabrasDe(texto[k])) << "página " << k + 1;
    EXPECT_NE(delPdf.front().find("Talud de prueba segunda línea"), std::string::npos);
    EXPECT_TRUE(ui.Mensajes().empty());
}

TEST_F(ImpresionDesdeVentana, CanceladaNoEscribeNadaYDosCopiasRepitenElInforme)
{
    aceptar = false;
    Menu("MenúArchivoImprimir");
    EXPECT_EQ(dialogos, 1);
    EXPECT_FALSE(std::filesystem::exists(pdf));
    EXPECT_TRUE(ui.Mensajes().empty());

    // Un PDF no hace copias por sí mismo: el informe se pinta dos veces.
    aceptar = true;
    copias = 2;
    Menu("MenúArchivoImprimir");
    const int paginas = static_cast<int>(GenerarInforme(p).Paginas.size());
    EXPECT_EQ(prueba::PaginasDelPdf(pdf), 2 * paginas);
    const auto delPdf = prueba::TextoDelPdf(pdf);
    ASSERT_EQ(static_cast<int>(delPdf.size()), 2 * paginas);
    EXPECT_EQ(PalabrasDe(delPdf[0]), PalabrasDe(delPdf[static_cast<std::size_t>(paginas)]));
}

// El avance se muestra mientras se pintan las páginas; cancelarlo deja de pintar y borra el PDF
// a medio escribir.
TEST_F(ImpresionDesdeVentana, CancelarElAvanceDetieneLaImpresion)
{
    const Informe informe = GenerarInforme(prueba::SueloConResultados(3));
    ASSERT_GE(informe.Paginas.size(), 3u);
    QPrinter impresora(QPrinter::HighResolution);
    impresora.setOutputFormat(QPrinter::PdfFormat);
    impresora.setOutputFileName(QString::fromStdString(pdf));
    int visto = 0;
    QTimer::singleShot(0, &ventana, [&] {
        auto* avance = ventana.findChild<QProgressDialog*>("AvanceImpresión");
        ASSERT_NE(avance, nullptr);
        EXPECT_TRUE(avance->isVisible());
        EXPECT_EQ(avance->labelText().toStdString(), "Preparando las páginas del informe...");
        visto = avance->value();
        avance->cancel();
    });
    EXPECT_EQ(ImprimirInforme(impresora, informe, &ventana, 0), FinImpresion::Cancelada);
    EXPECT_GE(visto, 1);
    EXPECT_LT(visto, static_cast<int>(informe.Paginas.size()));
    EXPECT_FALSE(std::filesystem::exists(pdf));
}

} // namespace
} // namespace vertana
