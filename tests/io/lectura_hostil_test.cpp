// Archivos truncados, dañados o malintencionados: la lectura falla con su mensaje, nunca se cae
// ni se queda en un ciclo, y no pide memoria desmedida. Estas pruebas corren también con los
// sanitizadores de direcciones y de comportamiento indefinido.
#include "io/archivo_geometria.h"
#include "io/archivo_proyecto.h"
#include "proyectos_de_prueba.h"

#include <gtest/gtest.h>

#include <random>

namespace vertana {
namespace {

std::vector<std::string> ArchivosValidos()
{
    std::vector<std::string> archivos;
    for (Proyecto p : {prueba::SueloCirculoUnico(), prueba::SueloConResultados(4),
                       prueba::RocaConResultados(true), prueba::RocaConLaboratorio()}) {
        AjustarParaGuardar(p);
        archivos.push_back(ContenidoArchivoProyecto(p));
    }
    return archivos;
}

TEST(LecturaHostil, CadaCorteDeUnArchivoValidoFalla)
{
    for (const std::string& archivo : ArchivosValidos()) {
        // Cortes dentro de los números pueden dejar un número válido distinto; lo que importa
        // es que ningún corte pase por un archivo completo ni se caiga.
        for (std::size_t largo = 0; largo + 30 < archivo.size(); ++largo) {
            Proyecto p;
            ReiniciarProyecto(p);
            EXPECT_FALSE(LeerContenidoProyecto(archivo.substr(0, largo), p)) << largo;
        }
    }
}

TEST(LecturaHostil, BytesCambiadosAlAzarNuncaCaenElLector)
{
    std::mt19937 azar(7);
    const auto archivos = ArchivosValidos();
    int leidos = 0;
    for (int intento = 0; intento < 3000; ++intento) {
        std::string archivo = archivos[static_cast<std::size_t>(intento) % archivos.size()];
        const int cambios = 1 + static_cast<int>(azar() % 4);
        for (int c = 0; c < cambios; ++c) {
            const std::size_t pos = azar() % archivo.size();
            const char* const raros = "0123456789-.,\"\r\nE+ x\xFF";
            archivo[pos] = raros[azar() % 20];
        }
        Proyecto p;
        ReiniciarProyecto(p);
        if (LeerContenidoProyecto(archivo, p)) ++leidos;
    }
    SUCCEED() << leidos << " archivos dañados se leyeron todavía como proyectos";
}

TEST(LecturaHostil, BasuraBinariaFalla)
{
    std::mt19937 azar(11);
    for (int intento = 0; intento < 500; ++intento) {
        std::string basura(static_cast<std::size_t>(azar() % 2000), '\0');
        for (char& c : basura)
            c = static_cast<char>(azar() % 256);
        Proyecto p;
        ReiniciarProyecto(p);
        EXPECT_FALSE(LeerContenidoProyecto(basura, p));
        EXPECT_FALSE(LeerContenidoGeometria(basura, p));
    }
}

// Encabezado y parámetros válidos de un suelo, hasta la cantidad de puntos del talud.
const std::string Encabezado =
    "\"d\"\r\n\"a\"\r\n\"b\"\r\n\"c\"\r\n\"d\"\r\n\"e\"\r\n\"S\"\r\n\"N\"\r\n3\r\n"
    "0\r\n0\r\n1\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n10\r\n";

// Hasta el ítem 13 (sin talud, falla, uniones ni freático), para probar cantidades desmedidas
// después.
const std::string EncabezadoHastaFreatico = Encabezado + "0\r\n0\r\n0\r\n0\r\n";

TEST(LecturaHostil, CantidadesDesmedidasONegativasFallanSinPedirMemoria)
{
    for (const std::string& estratos :
         {std::string("32767,32767,1\r\n"), std::string("-2,1,1\r\n"), std::string("2,-1,1\r\n"),
          std::string("99999,1,1\r\n"),
          std::string("1,2,1\r\n5\r\n")}) { // estrato con más puntos que el máximo
        Proyecto p;
        ReiniciarProyecto(p);
        EXPECT_FALSE(LeerContenidoProyecto(EncabezadoHastaFreatico + estratos, p)) << estratos;
    }
    Proyecto p;
    ReiniciarProyecto(p);
    EXPECT_FALSE(LeerContenidoProyecto(Encabezado + "32767\r\n1,2\r\n", p)); // talud
    EXPECT_FALSE(LeerContenidoGeometria("0\r\n0\r\n32767\r\n32767\r\n1,2\r\n", p));
}

TEST(LecturaHostil, TipoDeMaterialDesconocidoFalla)
{
    std::string archivo = ArchivosValidos()[0];
    archivo.replace(archivo.find("\"S\""), 3, "\"X\"");
    Proyecto p;
    ReiniciarProyecto(p);
    EXPECT_FALSE(LeerContenidoProyecto(archivo, p));
}

} // namespace
} // namespace vertana
