// Exportar el informe en PDF desde la ventana principal: el diálogo con el archivo y la casilla
// de los dibujos, el PDF leído de vuelta con pdfinfo y pdftotext, y un PDF anterior que no se
// pierde cuando la persona no quiere reemplazarlo.
#include "apoyo/pdf_de_prueba.h"
#include "model/textos.h"
#include "output/informe.h"
#include "proyectos_de_prueba.h"
#include "ui/ventana_de_prueba.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QTimer>
#include <filesystem>
#include <fstream>
#include <functional>

namespace vertana {
namespace {

struct ExportarDesdeVentana : prueba::VentanaDePrueba {
    prueba::CarpetaTemporal carpeta;
    std::string pdf = carpeta.Ruta("exportado.pdf");

    void SetUp() override
    {
        ventana.ElegirArchivoAbrir = [] {
            return std::string(VERTANA_DATOS_PRUEBA) + "/clasicos/fredlund_krahn_1977_caso1.cod";
        };
        Menu("MenúArchivoAbrir");
    }

    // Abre la orden y, en su diálogo, escribe la ruta, marca o no la casilla y pulsa Aceptar.
    // Devuelve si el diálogo llegó a abrirse.
    bool Exportar(const std::string& ruta, bool conGraficos)
    {
        bool visto = false;
        QTimer temporizador;
        temporizador.setSingleShot(true);
        QObject::connect(&temporizador, &QTimer::timeout, [&] {
            auto* dialogo = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (!dialogo || dialogo->objectName() != "ExportarInforme") return;
            visto = true;
            prueba::Escribir(*dialogo, "RutaPdf", ruta);
            prueba::Control<QCheckBox>(*dialogo, "ConGraficos")->setChecked(conGraficos);
            prueba::Pulsar(*dialogo, "Aceptar");
            if (dialogo->isVisible()) dialogo->done(QDialog::Rejected);
        });
        temporizador.start(0);
        Menu("MenúArchivoExportarPdf");
        return visto;
    }

    int PaginasDeTexto() { return static_cast<int>(GenerarInforme(p).Paginas.size()); }
};

TEST_F(ExportarDesdeVentana, ConYSinElDibujoDeLaSeccion)
{
    ASSERT_FALSE(p.HayResultados); // sin resultados, el único dibujo es la sección
    EXPECT_TRUE(Hijo<QAction>("MenúArchivoExportarPdf")->isEnabled());

    ASSERT_TRUE(Exportar(pdf, false));
    EXPECT_EQ(prueba::PaginasDelPdf(pdf), PaginasDeTexto());

    // Sin extensión se añade ".pdf".
    const std::string sinExtension = carpeta.Ruta("con_seccion");
    ASSERT_TRUE(Exportar(sinExtension, true));
    const std::string conSeccion = sinExtension + ".pdf";
    ASSERT_EQ(prueba::PaginasDelPdf(conSeccion), PaginasDeTexto() + 1);
    const auto paginas = prueba::TextoDelPdf(conSeccion);
    ASSERT_FALSE(paginas.empty());
    EXPECT_NE(paginas.back().find("GEOMETRIA DEL TALUD"), std::string::npos);
    EXPECT_TRUE(ui.Mensajes().empty());
    // Ningún archivo intermedio queda en la carpeta.
    int archivos = 0;
    for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(carpeta.Ruta("")))
        ++archivos;
    EXPECT_EQ(archivos, 2);
}

TEST_F(ExportarDesdeVentana, UnPdfQueYaExisteSoloSeReemplazaSiLaPersonaQuiere)
{
    {
        std::ofstream anterior(pdf);
        anterior << "anterior";
    }
    const std::string pregunta = std::string(textos::informe::PdfExiste) + "\n" + pdf;
    ui.EsperarPregunta(pregunta, false);
    ASSERT_TRUE(Exportar(pdf, true));
    EXPECT_EQ(prueba::LeerBytes(pdf), "anterior");

    ui.EsperarPregunta(pregunta, true);
    ASSERT_TRUE(Exportar(pdf, false));
    EXPECT_EQ(prueba::PaginasDelPdf(pdf), PaginasDeTexto());
    EXPECT_TRUE(ui.Cumplido());
}

TEST_F(ExportarDesdeVentana, SinArchivoLoPideYNoEscribeNada)
{
    ASSERT_TRUE(Exportar("   ", true));
    EXPECT_EQ(UltimoMensaje(), textos::informe::FaltaArchivoPdf);
    EXPECT_EQ(UltimoTitulo(), textos::informe::TituloExportarPdf);

    // Una carpeta que no existe: el mensaje nombra el archivo.
    const std::string imposible = carpeta.Ruta("no/existe.pdf");
    ASSERT_TRUE(Exportar(imposible, true));
    EXPECT_EQ(UltimoMensaje(), textos::informe::NoSePudoEscribirPdf + imposible);
    EXPECT_FALSE(std::filesystem::exists(imposible));
}

} // namespace
} // namespace vertana
