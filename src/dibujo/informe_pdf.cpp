#include "dibujo/informe_pdf.h"

#include "model/textos.h"

#include <QFile>
#include <QFont>
#include <QFontMetricsF>
#include <QMarginsF>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QRectF>
#include <QSizeF>
#include <algorithm>
#include <memory>

namespace vertana {

namespace {

constexpr char FamiliaDeLetra[] = "DejaVu Sans Mono";
constexpr double PuntosCuerpo = 10.0;     // letra del texto
constexpr double PuntosEncabezado = 12.0; // letra de los encabezados, en negrita
constexpr double PuntosPorLinea = 12.0;   // alto de una línea de la rejilla: 1/6 de pulgada
constexpr double PuntosPorPulgada = 72.0;
constexpr double MargenPdfMm = 15.0; // márgenes de la página del PDF

QFont Letra(EstiloInforme estilo)
{
    QFont letra(QString::fromLatin1(FamiliaDeLetra));
    letra.setStyleHint(QFont::TypeWriter);
    letra.setFixedPitch(true);
    const bool encabezado = estilo == EstiloInforme::Encabezado;
    letra.setPointSizeF(encabezado ? PuntosEncabezado : PuntosCuerpo);
    letra.setBold(encabezado);
    return letra;
}

// Medidas de la rejilla en un dispositivo (en sus unidades).
struct Rejilla {
    QFont cuerpo, encabezado;
    double anchoCelda = 0.0;
    double altoCelda = 0.0;
    double bajada = 0.0; // de la línea base al pie de la celda

    explicit Rejilla(const QPaintDevice& dispositivo)
        : cuerpo(Letra(EstiloInforme::Cuerpo)), encabezado(Letra(EstiloInforme::Encabezado))
    {
        const QFontMetricsF medidas(cuerpo, &dispositivo);
        anchoCelda = medidas.horizontalAdvance(QLatin1Char('0'));
        altoCelda = PuntosPorLinea * dispositivo.logicalDpiY() / PuntosPorPulgada;
        bajada = medidas.descent();
    }

    const QFont& LetraDe(EstiloInforme estilo) const
    {
        return estilo == EstiloInforme::Encabezado ? encabezado : cuerpo;
    }

    double Abscisa(int columna) const { return columna * anchoCelda; }
    double LineaBase(int linea) const { return (linea + 1) * altoCelda - bajada; }
};

double AnchoDeRejilla(const Informe& informe, const QPaintDevice& dispositivo,
                      const Rejilla& rejilla)
{
    const QFontMetricsF cuerpo(rejilla.cuerpo, &dispositivo);
    const QFontMetricsF encabezado(rejilla.encabezado, &dispositivo);
    double ancho = 0.0;
    for (const PaginaInforme& pagina : informe.Paginas)
        for (const TextoInforme& texto : pagina.Textos) {
            const QFontMetricsF& medidas =
                texto.Estilo == EstiloInforme::Encabezado ? encabezado : cuerpo;
            ancho =
                std::max(ancho, rejilla.Abscisa(texto.Columna) +
                                    medidas.horizontalAdvance(QString::fromStdString(texto.Texto)));
        }
    return ancho;
}

// La escala que hace caber la rejilla en el área, sin agrandarla.
double Escala(const QSizeF& rejilla, const QSizeF& area)
{
    if (rejilla.width() <= 0.0 || rejilla.height() <= 0.0) return 1.0;
    return std::min({1.0, area.width() / rejilla.width(), area.height() / rejilla.height()});
}

// Lo que comparten las páginas de un informe: el informe y su ancho medido en el último
// dispositivo (todas las páginas van al mismo).
struct InformeCompartido {
    Informe informe;
    int resolucion = 0; // puntos por pulgada del dispositivo medido
    QSizeF tamano;
};

void PintarPaginaDeTexto(QPainter& pintor, const QRectF& area, InformeCompartido& compartido,
                         std::size_t indice)
{
    const QPaintDevice& dispositivo = *pintor.device();
    const Rejilla rejilla(dispositivo);
    if (compartido.resolucion != dispositivo.logicalDpiX()) {
        compartido.tamano = TamanoDeRejilla(compartido.informe, dispositivo);
        compartido.resolucion = dispositivo.logicalDpiX();
    }
    const double escala = Escala(compartido.tamano, area.size());
    pintor.save();
    pintor.translate(area.topLeft());
    pintor.scale(escala, escala);
    pintor.setPen(Qt::black);
    for (const TextoInforme& texto : compartido.informe.Paginas[indice].Textos) {
        pintor.setFont(rejilla.LetraDe(texto.Estilo));
        pintor.drawText(QPointF(rejilla.Abscisa(texto.Columna), rejilla.LineaBase(texto.Linea)),
                        QString::fromStdString(texto.Texto));
    }
    pintor.restore();
}

} // namespace

QSizeF TamanoDeRejilla(const Informe& informe, const QPaintDevice& dispositivo)
{
    const Rejilla rejilla(dispositivo);
    return {AnchoDeRejilla(informe, dispositivo, rejilla), LineasPorPagina * rejilla.altoCelda};
}

std::vector<PintorDePagina> PaginasDelInforme(const Informe& informe)
{
    auto compartido = std::make_shared<InformeCompartido>();
    compartido->informe = informe;
    std::vector<PintorDePagina> paginas;
    for (std::size_t i = 0; i < informe.Paginas.size(); ++i)
        paginas.push_back([compartido, i](QPainter& pintor, const QRectF& area) {
            PintarPaginaDeTexto(pintor, area, *compartido, i);
        });
    return paginas;
}

QPageLayout::Orientation OrientacionDelInforme(const Informe& informe,
                                               const QPagedPaintDevice& dispositivo)
{
    const QSizeF rejilla =
        TamanoDeRejilla(informe, dispositivo) * PuntosPorPulgada / dispositivo.logicalDpiX();
    QPageLayout pagina = dispositivo.pageLayout();
    pagina.setOrientation(QPageLayout::Portrait);
    const double vertical = Escala(rejilla, pagina.paintRect(QPageLayout::Point).size());
    pagina.setOrientation(QPageLayout::Landscape);
    const double apaisada = Escala(rejilla, pagina.paintRect(QPageLayout::Point).size());
    return apaisada > vertical ? QPageLayout::Landscape : QPageLayout::Portrait;
}

bool PintarPaginas(QPagedPaintDevice& dispositivo, const std::vector<PintorDePagina>& paginas,
                   const AvanceDePaginas& avance)
{
    QPainter pintor;
    if (!pintor.begin(&dispositivo)) return false;
    const int total = static_cast<int>(paginas.size());
    for (int i = 0; i < total; ++i) {
        if (i > 0 && !dispositivo.newPage()) {
            pintor.end();
            return false;
        }
        const QRectF area(0.0, 0.0, dispositivo.width(), dispositivo.height());
        pintor.save();
        paginas[static_cast<std::size_t>(i)](pintor, area);
        pintor.restore();
        if (avance && !avance(i + 1, total)) {
            pintor.end();
            return false;
        }
    }
    return pintor.end();
}

QPageLayout DisenoDelPdf()
{
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                       QMarginsF(MargenPdfMm, MargenPdfMm, MargenPdfMm, MargenPdfMm),
                       QPageLayout::Millimeter);
}

bool EscribirInformePdf(const std::string& ruta, const Informe& informe,
                        const std::vector<PintorDePagina>& adicionales)
{
    QPdfWriter pdf(QFile::decodeName(QByteArray::fromStdString(ruta)));
    pdf.setCreator(QString::fromUtf8(textos::NombrePrograma));
    pdf.setTitle(QString::fromUtf8(textos::NombrePrograma));
    pdf.setPageLayout(DisenoDelPdf());
    pdf.setPageOrientation(OrientacionDelInforme(informe, pdf));
    std::vector<PintorDePagina> paginas = PaginasDelInforme(informe);
    paginas.insert(paginas.end(), adicionales.begin(), adicionales.end());
    return PintarPaginas(pdf, paginas);
}

} // namespace vertana
