// vertana-cli informe: el mismo informe en texto y en PDF, sin pantalla. El PDF se lee de vuelta
// con pdfinfo y pdftotext (poppler-utils).
#include "apoyo/pdf_de_prueba.h"
#include "cli/orden_informe.h"
#include "cli/ordenes.h"
#include "io/archivo_proyecto.h"
#include "proyectos_de_prueba.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

namespace vertana {
namespace {

using prueba::CarpetaTemporal;
using prueba::PalabrasDe;

const std::string Clasicos = std::string(VERTANA_DATOS_PRUEBA) + "/clasicos/";

int Cli(const std::vector<std::string>& argumentos, std::string* salida = nullptr,
        std::string* errores = nullptr)
{
    std::ostringstream s, e;
    const int codigo = EjecutarCli(argumentos, s, e);
    if (salida) *salida = s.str();
    if (errores) *errores = e.str();
    return codigo;
}

// Fredlund y Krahn, caso 1, calculado por Bishop y guardado: un informe de varias páginas.
TEST(OrdenInforme, ElPdfTieneLasPaginasYLasPalabrasDelTexto)
{
    CarpetaTemporal carpeta;
    const std::string proyecto = carpeta.Ruta("fk.cod");
    ASSERT_EQ(Cli({"calcular", Clasicos + "fredlund_krahn_1977_caso1.cod", "--metodo", "bishop",
                   "--guardar", proyecto}),
              SalidaCorrecta);
    const std::string txt = carpeta.Ruta("informe.txt"), pdf = carpeta.Ruta("Informe.PDF");
    std::string errores;
    ASSERT_EQ(Cli({"informe", proyecto, "--salida", txt}, nullptr, &errores), SalidaCorrecta)
        << errores;
    ASSERT_EQ(Cli({"informe", proyecto, "--salida", pdf}, nullptr, &errores), SalidaCorrecta)
        << errores;

    const std::string texto = prueba::LeerBytes(txt);
    const auto paginas = prueba::PaginasDeTexto(texto);
    ASSERT_GE(paginas.size(), 3u);
    EXPECT_EQ(prueba::PaginasDelPdf(pdf), static_cast<int>(paginas.size()));
    const auto delPdf = prueba::TextoDelPdf(pdf);
    ASSERT_EQ(delPdf.size(), paginas.size());
    for (std::size_t k = 0; k < paginas.size(); ++k)
        EXPECT_EQ(PalabrasDe(delPdf[k]), PalabrasDe(paginas[k])) << "página " << k + 1;
    // Los símbolos del informe pasan tal cual.
    EXPECT_NE(delPdf.back().find("£'"), std::string::npos);

    // Sin --salida el texto va a la salida.
    std::string salida;
    ASSERT_EQ(Cli({"informe", proyecto}, &salida), SalidaCorrecta);
    EXPECT_EQ(salida, texto);
}

TEST(OrdenInforme, SalidaQueNoEsTextoNiPdfYArchivosQueFallan)
{
    CarpetaTemporal carpeta;
    const std::string proyecto = Clasicos + "fredlund_krahn_1977_caso1.cod";
    std::string errores;
    EXPECT_EQ(Cli({"informe", proyecto, "--salida", carpeta.Ruta("x.doc")}, nullptr, &errores),
              SalidaUso);
    EXPECT_NE(errores.find("El informe se escribe en un archivo .txt o .pdf"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(carpeta.Ruta("x.doc")));
    for (const char* nombre : {"no/existe.txt", "no/existe.pdf"}) {
        EXPECT_EQ(Cli({"informe", proyecto, "--salida", carpeta.Ruta(nombre)}, nullptr, &errores),
                  SalidaArchivo)
            << nombre;
        EXPECT_NE(errores.find("No se pudo escribir el informe en "), std::string::npos);
    }
    EXPECT_EQ(Cli({"informe", carpeta.Ruta("no_existe.cod")}), SalidaArchivo);
    EXPECT_EQ(FormatoDeSalida("a.Txt"), FormatoInforme::Texto);
    EXPECT_EQ(FormatoDeSalida("pdf"), FormatoInforme::Desconocido);
}

// --con-graficos: detrás de las páginas de texto, la sección y los nueve gráficos de esfuerzos,
// una página cada uno, con sus títulos; sin resultados, la sección sola; en texto no vale.
TEST(OrdenInforme, ConGraficosAnadeLaSeccionYLosGraficos)
{
    CarpetaTemporal carpeta;
    const std::string calculado = carpeta.Ruta("fk.cod");
    const std::string original = Clasicos + "fredlund_krahn_1977_caso1.cod";
    ASSERT_EQ(Cli({"calcular", original, "--metodo", "bishop", "--guardar", calculado}),
              SalidaCorrecta);
    std::string texto;
    ASSERT_EQ(Cli({"informe", calculado}, &texto), SalidaCorrecta);
    const std::size_t paginasDeTexto = prueba::PaginasDeTexto(texto).size();

    const std::string pdf = carpeta.Ruta("con_graficos.pdf");
    std::string errores;
    ASSERT_EQ(Cli({"informe", calculado, "--salida", pdf, "--con-graficos"}, nullptr, &errores),
              SalidaCorrecta)
        << errores;
    constexpr std::size_t Dibujos = 10; // la sección y los nueve gráficos
    EXPECT_EQ(prueba::PaginasDelPdf(pdf), static_cast<int>(paginasDeTexto + Dibujos));
    const auto paginas = prueba::TextoDelPdf(pdf);
    ASSERT_EQ(paginas.size(), paginasDeTexto + Dibujos);
    EXPECT_NE(paginas[paginasDeTexto].find("GEOMETRIA DEL TALUD"), std::string::npos);
    EXPECT_NE(paginas[paginasDeTexto].find("FS = "), std::string::npos);
    EXPECT_NE(paginas[paginasDeTexto + 1].find("Esfuerzos normales efectivos"), std::string::npos);
    EXPECT_NE(paginas.back().find("Estratos entre los extremos"), std::string::npos);

    // El proyecto sin calcular: la sección sola.
    std::string sinResultados;
    ASSERT_EQ(Cli({"informe", original}, &sinResultados), SalidaCorrecta);
    const std::string soloSeccion = carpeta.Ruta("solo_seccion.pdf");
    ASSERT_EQ(Cli({"informe", original, "--salida", soloSeccion, "--con-graficos"}),
              SalidaCorrecta);
    EXPECT_EQ(prueba::PaginasDelPdf(soloSeccion),
              static_cast<int>(prueba::PaginasDeTexto(sinResultados).size() + 1));

    const std::string txt = carpeta.Ruta("informe.txt");
    EXPECT_EQ(Cli({"informe", calculado, "--salida", txt, "--con-graficos"}, nullptr, &errores),
              SalidaUso);
    EXPECT_NE(errores.find("--con-graficos necesita un informe en PDF"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(txt));
}

} // namespace
} // namespace vertana
