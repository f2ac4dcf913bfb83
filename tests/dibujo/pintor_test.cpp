// Pintura de las escenas: colores en píxeles calculados aparte y archivos PNG, SVG y PDF escritos
// por vertana-cli grafico.
#include "dibujo/pintor_escena.h"
#include "io/archivo_proyecto.h"
#include "model/interaccion.h"
#include "model/textos.h"
#include "output/grafico_seccion.h"
#include "proyectos_de_prueba.h"

#include <QColor>
#include <QGuiApplication>
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

namespace vertana {
namespace {

const std::string Clasicos = std::string(VERTANA_DATOS_PRUEBA) + "/clasicos/";
const std::string Ejemplos = std::string(VERTANA_EJEMPLOS) + "/";

class Muda : public InteraccionRegistrada {
protected:
    bool Responder(const std::string&) override { return false; }
};

Proyecto Leer(const std::string& ruta)
{
    Proyecto p;
    ReiniciarProyecto(p);
    Muda ui;
    EXPECT_TRUE(LeerProyecto(ruta, p, ui));
    return p;
}

bool Parecido(QRgb pixel, Color esperado, int tolerancia = 8)
{
    return std::abs(qRed(pixel) - esperado.r) <= tolerancia &&
           std::abs(qGreen(pixel) - esperado.g) <= tolerancia &&
           std::abs(qBlue(pixel) - esperado.b) <= tolerancia;
}

// Fredlund y Krahn, caso 1 (pies a metros): el punto más bajo del círculo de centro (60, 90) y
// radio 80 está en (60, 10); el estrato ocupa 0..180 × 0..20 bajo el pie; el cielo sobre la
// corona está libre. La transformación de la escena da los píxeles.
TEST(Pintor, ColoresEnPixelesDeLaSeccion)
{
    constexpr double Pie = 0.3048;
    const Proyecto p = Leer(Clasicos + "fredlund_krahn_1977_caso1.cod");
    OpcionesSeccion o;
    o.leyenda = false;
    const Escena e = EscenaSeccion(p, o);
    const QImage imagen = ImagenDeEscena(e);
    ASSERT_EQ(imagen.width(), 1000);
    ASSERT_EQ(imagen.height(), 700);
    auto en = [&](double x, double y) {
        const PuntoPx q = e.transformacion.Pixel(x, y);
        return imagen.pixel(static_cast<int>(std::lround(q.x)), static_cast<int>(std::lround(q.y)));
    };
    EXPECT_TRUE(Parecido(en(60 * Pie, 10 * Pie), colores::Falla, 40));
    EXPECT_TRUE(Parecido(en(171 * Pie, 2.5 * Pie), ColorDeEstrato(1)));
    EXPECT_TRUE(Parecido(en(2.5 * Pie, 2.5 * Pie), ColorDeEstrato(1)));
    // Sobre la corona, entre dos líneas de la rejilla: blanco.
    EXPECT_TRUE(Parecido(en(171 * Pie, 70 * Pie), colores::Blanco));
    EXPECT_TRUE(Parecido(imagen.pixel(1, 1), colores::Blanco));
}

// Lee el PNG: la firma y el ancho y el alto de su cabecera IHDR.
std::array<unsigned, 2> TamanoPng(const std::string& bytes)
{
    EXPECT_EQ(bytes.substr(0, 8), std::string("\x89PNG\r\n\x1a\n", 8));
    EXPECT_EQ(bytes.substr(12, 4), "IHDR");
    auto entero = [&](std::size_t i) {
        unsigned v = 0;
        for (std::size_t k = 0; k < 4; ++k)
            v = (v << 8) | static_cast<unsigned char>(bytes[i + k]);
        return v;
    };
    return {entero(16), entero(20)};
}

// Lo que una orden escribe, con cada tramo de blancos reducido a uno.
std::string Salida(const std::string& orden)
{
    std::string texto;
    FILE* tubo = popen(orden.c_str(), "r");
    if (!tubo) return texto;
    std::array<char, 256> bloque{};
    while (fgets(bloque.data(), static_cast<int>(bloque.size()), tubo))
        texto += bloque.data();
    pclose(tubo);
    std::string reducido;
    for (char c : texto)
        if (c != ' ' || reducido.empty() || reducido.back() != ' ') reducido += c;
    return reducido;
}

TEST(Pintor, LaLineaDeOrdenesEscribePngSvgYPdf)
{
    prueba::CarpetaTemporal carpeta;
    const std::string cli = VERTANA_CLI;
    const std::string fk = Clasicos + "fredlund_krahn_1977_caso1.cod";
    auto correr = [&](const std::string& argumentos) {
        return std::system((cli + " grafico " + argumentos + " 2>/dev/null >/dev/null").c_str());
    };
    ASSERT_EQ(correr(fk + " --tipo seccion --metodo bishop --salida " + carpeta.Ruta("s.png")), 0);
    EXPECT_EQ(TamanoPng(prueba::LeerBytes(carpeta.Ruta("s.png"))),
              (std::array<unsigned, 2>{1200, 800}));

    ASSERT_EQ(correr(fk + " --tipo tau --metodo bishop --ancho 900 --alto 600 --salida " +
                     carpeta.Ruta("t.svg")),
              0);
    const std::string svg = prueba::LeerBytes(carpeta.Ruta("t.svg"));
    EXPECT_EQ(svg.rfind("<?xml", 0), 0u);
    EXPECT_NE(svg.find("<svg"), std::string::npos);
    EXPECT_NE(svg.find("viewBox=\"0 0 900 600\""), std::string::npos);
    EXPECT_NE(svg.find("</svg>"), std::string::npos);

    ASSERT_EQ(correr(fk + " --tipo esfuerzos --metodo bishop --salida " + carpeta.Ruta("g.pdf")),
              0);
    EXPECT_EQ(prueba::LeerBytes(carpeta.Ruta("g.pdf")).rfind("%PDF-", 0), 0u);
    // 1200 × 800 píxeles a 96 por pulgada son 900 × 600 puntos.
    const std::string info = Salida("pdfinfo " + carpeta.Ruta("g.pdf") + " 2>&1");
    EXPECT_NE(info.find("Pages: 1"), std::string::npos) << info;
    EXPECT_NE(info.find("Page size: 900 x 600 pts"), std::string::npos) << info;
    const std::string texto = Salida("pdftotext " + carpeta.Ruta("g.pdf") + " - 2>&1");
    EXPECT_NE(texto.find("Esf. normal efectivo"), std::string::npos) << texto;

    // Un gráfico de esfuerzos sin cálculo: el aviso y la salida 3; un tipo desconocido: 1.
    const std::string sinCalculo = Salida(cli + " grafico " + fk + " --tipo tau --salida " +
                                          carpeta.Ruta("x.png") + " 2>&1; echo $?");
    EXPECT_NE(sinCalculo.find(textos::SinCalculoEsfuerzos), std::string::npos);
    EXPECT_EQ(sinCalculo.substr(sinCalculo.size() - 2), "3\n");
    EXPECT_NE(correr(fk + " --tipo otro --salida " + carpeta.Ruta("x.png")), 0);
}

} // namespace
} // namespace vertana
