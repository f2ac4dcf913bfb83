#include "apoyo/interaccion_guionada.h"
#include "io/archivo.h"
#include "io/archivo_geometria.h"
#include "model/textos.h"
#include "proyectos_de_prueba.h"

#include <gtest/gtest.h>

namespace vertana {
namespace {

using prueba::CarpetaTemporal;

// Talud de 4 puntos, nivel freático de 2, dos estratos de 2 y 3 puntos.
const char* const Geometria = "4\r\n60,20\r\n40,20\r\n20,10\r\n0,10\r\n"
                              "2\r\n60,15\r\n0,9.5\r\n"
                              "2\r\n"
                              "2\r\n60,13\r\n0,9\r\n"
                              "3\r\n60,0\r\n30,-1.5\r\n0,0\r\n";

class ArchivoGeometriaTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ruta = carpeta.Ruta("taludestratosNF.cod");
        EscribirArchivoSeguro(ruta, Geometria);
    }
    CarpetaTemporal carpeta;
    std::string ruta;
};

TEST_F(ArchivoGeometriaTest, CargaTaludNivelFreaticoYEstratosSinTocarLoDemas)
{
    Proyecto p = prueba::SueloConResultados(3);
    RedimensionarConjunto(p.AbscisasTalud, p.OrdenadasTalud, 0); // sólo se pregunta por la carpeta
    p.DatosGuardados = true;
    const Proyecto antes = p;
    InteraccionGuionada ui;
    ui.EsperarPregunta(textos::PreguntaCarpetaGeometria, true);

    ASSERT_TRUE(CargarGeometria(ruta, p, ui));

    EXPECT_TRUE(ui.Cumplido());
    ASSERT_EQ(p.NumeroCoordenadasTalud(), 4);
    EXPECT_EQ(p.AbscisasTalud(3), 20);
    ASSERT_EQ(p.NumeroCoordenadasFreatico(), 2);
    EXPECT_EQ(p.OrdenadasFreatico(2), 9.5);
    ASSERT_EQ(p.NumeroDeEstratos(), 2);
    EXPECT_EQ(p.NumeroCoordenadasEstrato(2), 3);
    EXPECT_EQ(p.AbscisasEstratos.Columnas(), 3);
    EXPECT_EQ(p.OrdenadasEstratos(2, 2), -1.5);
    EXPECT_EQ(p.EstratosCaracterizados, 2);
    // Lo demás sigue igual.
    EXPECT_EQ(p.AbscisasFalla, antes.AbscisasFalla);
    EXPECT_EQ(p.TipoDeFalla, antes.TipoDeFalla);
    EXPECT_EQ(p.CohesionMacizo, antes.CohesionMacizo);
    EXPECT_EQ(p.HistoriaFS, antes.HistoriaFS);
    EXPECT_EQ(p.CargaUniformeQy, antes.CargaUniformeQy);
    EXPECT_TRUE(p.DatosGuardados);
}

TEST_F(ArchivoGeometriaTest, ConGeometriaPreviaPreguntaAntesYNoCargaSiLaRespuestaEsNo)
{
    Proyecto p = prueba::SueloConResultados(3);
    const Proyecto antes = p;
    InteraccionGuionada ui;
    ui.EsperarPregunta(textos::PreguntaCargarGeometria, false);
    EXPECT_FALSE(CargarGeometria(ruta, p, ui));
    EXPECT_TRUE(ui.Cumplido());
    EXPECT_TRUE(p == antes);

    InteraccionGuionada ui2;
    ui2.EsperarPregunta(textos::PreguntaCargarGeometria, true)
        .EsperarPregunta(textos::PreguntaCarpetaGeometria, false);
    EXPECT_FALSE(CargarGeometria(ruta, p, ui2));
    EXPECT_TRUE(ui2.Cumplido());
    EXPECT_TRUE(p == antes);
}

TEST_F(ArchivoGeometriaTest, ArchivoQueFaltaOMalFormadoDejaElProyectoIgual)
{
    Proyecto p = prueba::SueloCirculoUnico();
    const Proyecto antes = p;
    const std::string completo = Geometria;
    // Contenido vacío: un archivo que no existe.
    for (const std::string& contenido :
         {completo.substr(0, completo.size() - 8), std::string("4\r\n60,20\r\nx,1\r\n"),
          std::string("-1\r\n"), std::string()}) {
        if (!contenido.empty()) EscribirArchivoSeguro(ruta, contenido);
        InteraccionGuionada ui;
        ui.EsperarPregunta(textos::PreguntaCargarGeometria, true)
            .EsperarPregunta(textos::PreguntaCarpetaGeometria, true);
        EXPECT_FALSE(
            CargarGeometria(contenido.empty() ? carpeta.Ruta("no_existe.cod") : ruta, p, ui));
        EXPECT_EQ(ui.Mensajes(), std::vector<std::string>{textos::ErrorLeyendoArchivo});
        EXPECT_TRUE(p == antes);
    }
}

TEST(RutaArchivoGeometria, CarpetaFijaDentroDeLaCarpetaPersonal)
{
    EXPECT_EQ(RutaArchivoGeometria("/home/ana"),
              "/home/ana/CarpetaTaludEstratoNF/taludestratosNF.cod");
}

} // namespace
} // namespace vertana
