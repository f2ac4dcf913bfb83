#include "dibujo/pintor_escena.h"

#include "model/textos.h"

#include <QFile>
#include <QFontMetricsF>
#include <QPageSize>
#include <QPainter>
#include <QPainterPath>
#include <QPdfWriter>
#include <QSvgGenerator>
#include <algorithm>
#include <cctype>
#include <cmath>

namespace vertana {
namespace {

constexpr char FamiliaLetra[] = "DejaVu Sans";
constexpr double RellenoFondoTexto = 2.0; // píxeles del recuadro blanco alrededor de un texto
constexpr double GrosorAnillo = 2.0;      // píxeles
constexpr int ResolucionPantalla = 96;    // puntos por pulgada de un píxel de la escena
constexpr double PuntosPorPulgada = 72.0;

QColor QColorDe(Color c)
{
    return QColor(c.r, c.g, c.b);
}

QPolygonF Poligono(const std::vector<PuntoPx>& puntos)
{
    QPolygonF poligono;
    poligono.reserve(static_cast<qsizetype>(puntos.size()));
    for (const PuntoPx& p : puntos)
        poligono << QPointF(p.x, p.y);
    return poligono;
}

Qt::PenStyle Estilo(Trazado t)
{
    switch (t) {
    case Trazado::Discontinuo:
        return Qt::DashLine;
    case Trazado::Punteado:
        return Qt::DotLine;
    default:
        return Qt::SolidLine;
    }
}

void Recortar(QPainter& pintor, const Escena& escena, bool enArea)
{
    if (!enArea) {
        pintor.setClipping(false);
        return;
    }
    const Rectangulo& a = escena.transformacion.area;
    pintor.setClipRect(QRectF(a.x0, a.y0, a.Ancho(), a.Alto()));
}

void PintarLinea(QPainter& pintor, const Escena& escena, const Linea& l)
{
    if (l.puntos.size() < 2) return;
    Recortar(pintor, escena, l.enArea);
    QPen pluma(QColorDe(l.color), l.grosor, Estilo(l.trazado), Qt::RoundCap, Qt::RoundJoin);
    pintor.setPen(pluma);
    pintor.setBrush(Qt::NoBrush);
    if (l.cerrada)
        pintor.drawPolygon(Poligono(l.puntos));
    else
        pintor.drawPolyline(Poligono(l.puntos));
}

void PintarMarca(QPainter& pintor, const Marca& m)
{
    const QPointF c(m.centro.x, m.centro.y);
    const QColor color = QColorDe(m.color);
    switch (m.forma) {
    case FormaMarca::Circulo:
        pintor.setPen(Qt::NoPen);
        pintor.setBrush(color);
        pintor.drawEllipse(c, m.radio, m.radio);
        break;
    case FormaMarca::Cuadrado:
        pintor.setPen(Qt::NoPen);
        pintor.setBrush(color);
        pintor.drawRect(QRectF(c.x() - m.radio, c.y() - m.radio, 2 * m.radio, 2 * m.radio));
        break;
    case FormaMarca::Anillo:
        pintor.setPen(QPen(color, GrosorAnillo));
        pintor.setBrush(Qt::NoBrush);
        pintor.drawEllipse(c, m.radio, m.radio);
        break;
    case FormaMarca::TrianguloInvertido: {
        pintor.setPen(Qt::NoPen);
        pintor.setBrush(color);
        QPolygonF triangulo;
        triangulo << QPointF(c.x() - m.radio, c.y() - m.radio / 2)
                  << QPointF(c.x() + m.radio, c.y() - m.radio / 2)
                  << QPointF(c.x(), c.y() + m.radio);
        pintor.drawPolygon(triangulo);
        break;
    }
    }
}

void PintarTexto(QPainter& pintor, const Texto& t)
{
    QFont letra(FamiliaLetra);
    letra.setPixelSize(std::max(1, static_cast<int>(std::lround(t.tamano))));
    letra.setBold(t.negrita);
    pintor.setFont(letra);
    const QString texto = QString::fromStdString(t.texto);
    const QFontMetricsF medidas(letra);
    // La caja del núcleo con el ancho real del texto.
    const Rectangulo estimada = t.Caja();
    const double anchoReal = medidas.horizontalAdvance(texto);
    const double anchoEstimado = AnchoEstimado(t.texto, t.tamano);
    double x0 = estimada.x0, y0 = estimada.y0, x1 = estimada.x1, y1 = estimada.y1;
    const double diferencia = anchoReal - anchoEstimado;
    auto ajustar = [&](double& a0, double& a1, bool centro, bool final) {
        if (centro) {
            a0 -= diferencia / 2;
            a1 += diferencia / 2;
        } else if (final) {
            a0 -= diferencia;
        } else {
            a1 += diferencia;
        }
    };
    if (t.vertical)
        ajustar(y0, y1, t.v == AlineacionV::Centro, t.v == AlineacionV::Abajo);
    else
        ajustar(x0, x1, t.h == AlineacionH::Centro, t.h == AlineacionH::Derecha);
    const QRectF caja(x0, y0, x1 - x0, y1 - y0);
    pintor.setClipping(false);
    if (t.fondo) {
        pintor.setPen(Qt::NoPen);
        pintor.setBrush(Qt::white);
        pintor.drawRect(caja.adjusted(-RellenoFondoTexto, 0, RellenoFondoTexto, 0));
    }
    pintor.setPen(QColorDe(t.color));
    if (t.vertical) {
        pintor.save();
        pintor.translate(caja.center());
        pintor.rotate(-90);
        const QRectF girada(-caja.height() / 2, -caja.width() / 2, caja.height(), caja.width());
        pintor.drawText(girada, Qt::AlignCenter, texto);
        pintor.restore();
    } else {
        pintor.drawText(caja, Qt::AlignCenter, texto);
    }
}

} // namespace

void PintarEscena(QPainter& pintor, const Escena& escena)
{
    pintor.save();
    pintor.setRenderHint(QPainter::Antialiasing, true);
    pintor.setRenderHint(QPainter::TextAntialiasing, true);
    pintor.fillRect(QRectF(0, 0, escena.ancho, escena.alto), QColorDe(escena.fondo));
    for (const Linea& l : escena.rejilla)
        PintarLinea(pintor, escena, l);
    for (const Relleno& r : escena.rellenos) {
        if (r.puntos.size() < 3) continue;
        Recortar(pintor, escena, r.enArea);
        pintor.setPen(Qt::NoPen);
        pintor.setBrush(QColorDe(r.color));
        pintor.drawPolygon(Poligono(r.puntos));
    }
    for (const Linea& l : escena.lineas)
        PintarLinea(pintor, escena, l);
    Recortar(pintor, escena, true);
    for (const Marca& m : escena.marcas)
        PintarMarca(pintor, m);
    for (const Texto& t : escena.textos)
        PintarTexto(pintor, t);
    pintor.restore();
}

QImage ImagenDeEscena(const Escena& escena)
{
    QImage imagen(static_cast<int>(std::ceil(escena.ancho)),
                  static_cast<int>(std::ceil(escena.alto)), QImage::Format_ARGB32_Premultiplied);
    imagen.fill(Qt::white);
    QPainter pintor(&imagen);
    PintarEscena(pintor, escena);
    return imagen;
}

std::optional<FormatoDibujo> FormatoPorExtension(const std::string& ruta)
{
    const auto punto = ruta.find_last_of('.');
    if (punto == std::string::npos) return std::nullopt;
    std::string extension = ruta.substr(punto + 1);
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (extension == "png") return FormatoDibujo::Png;
    if (extension == "svg") return FormatoDibujo::Svg;
    if (extension == "pdf") return FormatoDibujo::Pdf;
    return std::nullopt;
}

std::optional<std::string> ExportarEscena(const Escena& escena, const std::string& ruta)
{
    const auto formato = FormatoPorExtension(ruta);
    if (!formato) return std::string(textos::FormatoDeDibujoDesconocido);
    const QString archivo = QFile::decodeName(QByteArray::fromStdString(ruta));
    const int ancho = static_cast<int>(std::ceil(escena.ancho));
    const int alto = static_cast<int>(std::ceil(escena.alto));
    bool escrito = false;
    switch (*formato) {
    case FormatoDibujo::Png:
        escrito = ImagenDeEscena(escena).save(archivo, "PNG");
        break;
    case FormatoDibujo::Svg: {
        QSvgGenerator svg;
        svg.setFileName(archivo);
        svg.setSize(QSize(ancho, alto));
        svg.setViewBox(QRect(0, 0, ancho, alto));
        svg.setResolution(ResolucionPantalla);
        svg.setTitle(QString::fromUtf8(textos::NombrePrograma));
        QPainter pintor;
        if (pintor.begin(&svg)) {
            PintarEscena(pintor, escena);
            escrito = pintor.end();
        }
        break;
    }
    case FormatoDibujo::Pdf: {
        QPdfWriter pdf(archivo);
        pdf.setResolution(ResolucionPantalla);
        const double escalaPuntos = PuntosPorPulgada / ResolucionPantalla;
        pdf.setPageSize(QPageSize(QSizeF(ancho * escalaPuntos, alto * escalaPuntos),
                                  QPageSize::Point, QString(), QPageSize::ExactMatch));
        pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
        pdf.setCreator(QString::fromUtf8(textos::NombrePrograma));
        QPainter pintor;
        if (pintor.begin(&pdf)) {
            const double escala = pdf.width() / escena.ancho;
            pintor.scale(escala, escala);
            PintarEscena(pintor, escena);
            escrito = pintor.end();
        }
        break;
    }
    }
    if (!escrito || !QFile::exists(archivo)) return textos::NoSePudoExportar(ruta);
    return std::nullopt;
}

} // namespace vertana
