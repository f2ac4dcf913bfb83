// El informe pintado con Qt: la rejilla en la página (columna 15 y línea 4, número de página en
// la columna 48 de la línea 56, encabezados más grandes), la orientación, las páginas
// adicionales detrás del informe y la cancelación.
#include "apoyo/pdf_de_prueba.h"
#include "dibujo/informe_pdf.h"
#include "proyectos_de_prueba.h"

#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <gtest/gtest.h>

#include <filesystem>

namespace vertana {
namespace {

constexpr double Resolucion = 150.0;                 // puntos por pulgada de la imagen
constexpr double PixelesPorLinea = Resolucion / 6.0; // una línea: 1/6 de pulgada
constexpr double AvanceDejaVuMono = 1233.0 / 2048.0; // ancho de un carácter, en em
constexpr double PixelesPorCelda = 10.0 / 72.0 * Resolucion * AvanceDejaVuMono; // a 10 puntos

QImage Lienzo(int ancho, int alto)
{
    QImage imagen(ancho, alto, QImage::Format_RGB32);
    imagen.fill(Qt::white);
    constexpr double PulgadasPorMetro = 1.0 / 0.0254;
    imagen.setDotsPerMeterX(static_cast<int>(Resolucion * PulgadasPorMetro + 0.5));
    imagen.setDotsPerMeterY(static_cast<int>(Resolucion * PulgadasPorMetro + 0.5));
    return imagen;
}

bool Oscuro(const QImage& imagen, int x, int y)
{
    return qGray(imagen.pixel(x, y)) < 128;
}

// Primera columna y primera y última fila con tinta dentro de la franja de una línea.
struct Tinta {
    int izquierda = -1, arriba = -1, abajo = -1;
};
Tinta TintaDeLinea(const QImage& imagen, int linea)
{
    Tinta t;
    const int y0 = static_cast<int>(linea * PixelesPorLinea);
    const int y1 = static_cast<int>((linea + 1) * PixelesPorLinea);
    for (int y = y0; y < y1; ++y)
        for (int x = 0; x < imagen.width(); ++x)
            if (Oscuro(imagen, x, y)) {
                if (t.izquierda < 0 || x < t.izquierda) t.izquierda = x;
                if (t.arriba < 0) t.arriba = y;
                t.abajo = y;
            }
    return t;
}

TEST(InformePdf, LaRejillaEnLaPagina)
{
    const Informe informe = GenerarInforme(prueba::SueloCirculoUnico());
    // Un lienzo holgado: la rejilla entra sin reducirse.
    QImage imagen = Lienzo(2400, 1500);
    const QSizeF rejilla = TamanoDeRejilla(informe, imagen);
    EXPECT_NEAR(rejilla.height(), 57 * PixelesPorLinea, 0.5);
    ASSERT_LE(rejilla.width(), imagen.width());
    {
        QPainter pintor(&imagen);
        PaginasDelInforme(informe).front()(pintor, QRectF(imagen.rect()));
    }
    // Nada en las tres primeras líneas (el acento de un encabezado de 12 puntos de la línea 4
    // puede subir a la 3, que queda en blanco).
    for (int linea = 0; linea < 3; ++linea)
        EXPECT_EQ(TintaDeLinea(imagen, linea).izquierda, -1) << linea;
    // La tinta de un texto empieza dentro de la celda de su columna.
    auto enLaColumna = [](const Tinta& t, int columna) {
        return t.izquierda >= columna * PixelesPorCelda - 1 &&
               t.izquierda < (columna + 1) * PixelesPorCelda;
    };
    // "Descripción del proyecto:" en la columna 15 de la línea 4; el número de página en la
    // columna 48 de la línea 56; "Progresiva inicial: ..." en la columna 15 de la línea 7.
    const Tinta encabezado = TintaDeLinea(imagen, 4);
    const Tinta cuerpo = TintaDeLinea(imagen, 7);
    EXPECT_TRUE(enLaColumna(encabezado, 15)) << encabezado.izquierda;
    EXPECT_TRUE(enLaColumna(TintaDeLinea(imagen, 56), 48)) << TintaDeLinea(imagen, 56).izquierda;
    EXPECT_TRUE(enLaColumna(cuerpo, 15)) << cuerpo.izquierda;
    // El encabezado (12 puntos) es más alto que el cuerpo (10 puntos).
    const double alto = encabezado.abajo - encabezado.arriba;
    const double altoCuerpo = cuerpo.abajo - cuerpo.arriba;
    EXPECT_GT(alto / altoCuerpo, 1.1);
    EXPECT_LT(alto / altoCuerpo, 1.4);
}

TEST(InformePdf, UnaRejillaAnchaSeReduceEnUnaPaginaApaisada)
{
    prueba::CarpetaTemporal carpeta;
    Proyecto p = prueba::SueloCirculoUnico();
    ASSERT_TRUE(EscribirInformePdf(carpeta.Ruta("angosto.pdf"), GenerarInforme(p)));
    // 125 caracteres desde la columna 15: 140 celdas de 6 puntos no caben en los 510 puntos
    // de ancho de un A4 vertical con márgenes de 15 mm.
    p.Descripcion = std::string(125, 'x');
    ASSERT_TRUE(EscribirInformePdf(carpeta.Ruta("ancho.pdf"), GenerarInforme(p)));
    EXPECT_NE(prueba::InformacionDelPdf(carpeta.Ruta("angosto.pdf")).find("595 x 842"),
              std::string::npos);
    EXPECT_NE(prueba::InformacionDelPdf(carpeta.Ruta("ancho.pdf")).find("842 x 595"),
              std::string::npos);
    const auto texto = prueba::TextoDelPdf(carpeta.Ruta("ancho.pdf"));
    ASSERT_FALSE(texto.empty());
    EXPECT_NE(texto.front().find(std::string(125, 'x')), std::string::npos);
    EXPECT_FALSE(EscribirInformePdf(carpeta.Ruta("no/existe.pdf"), GenerarInforme(p)));
}

TEST(InformePdf, PaginasAdicionalesDetrasDelInformeYCancelacion)
{
    prueba::CarpetaTemporal carpeta;
    const Informe informe = GenerarInforme(prueba::SueloConResultados(3));
    const int n = static_cast<int>(informe.Paginas.size());
    const PintorDePagina adicional = [](QPainter& pintor, const QRectF& area) {
        pintor.drawRect(area.adjusted(10, 10, -10, -10));
        pintor.drawText(area.center(), QString::fromUtf8("Página adicional"));
    };
    ASSERT_TRUE(EscribirInformePdf(carpeta.Ruta("con_dibujo.pdf"), informe, {adicional}));
    EXPECT_EQ(prueba::PaginasDelPdf(carpeta.Ruta("con_dibujo.pdf")), n + 1);
    const auto texto = prueba::TextoDelPdf(carpeta.Ruta("con_dibujo.pdf"));
    ASSERT_EQ(static_cast<int>(texto.size()), n + 1);
    EXPECT_NE(texto.back().find("Página adicional"), std::string::npos);

    // El avance cancela después de la segunda página: no se pinta ninguna más.
    int pintadas = 0;
    std::vector<PintorDePagina> paginas(4, [&](QPainter&, const QRectF&) { ++pintadas; });
    QPdfWriter pdf(QString::fromStdString(carpeta.Ruta("cancelado.pdf")));
    std::vector<int> avisos;
    EXPECT_FALSE(PintarPaginas(pdf, paginas, [&](int hechas, int total) {
        EXPECT_EQ(total, 4);
        avisos.push_back(hechas);
        return hechas < 2;
    }));
    EXPECT_EQ(pintadas, 2);
    EXPECT_EQ(avisos, (std::vector<int>{1, 2}));
}

} // namespace
} // namespace vertana
