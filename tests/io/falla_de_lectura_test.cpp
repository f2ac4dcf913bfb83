// Un archivo que no se puede leer se explica: "Error leyendo archivo" y, como detalle, el archivo,
// la línea y el ítem donde falló, lo que se leía y por qué. Las líneas y los ítems esperados se
// cuentan a mano sobre los textos de cada caso.
#include "apoyo/interaccion_guionada.h"
#include "io/archivo_geometria.h"
#include "io/archivo_proyecto.h"
#include "io/items.h"
#include "model/textos.h"
#include "proyectos_de_prueba.h"

#include <gtest/gtest.h>

#include <fstream>

namespace vertana {
namespace {

using prueba::CarpetaTemporal;

const std::string Ejemplos = VERTANA_EJEMPLOS;

FallaDeLectura FallaAlLeerReales(const std::string& bytes, int reales)
{
    LectorItems l(bytes);
    double v = 0;
    for (int i = 0; i < reales; ++i)
        if (!l.Real(v)) break;
    return l.Falla();
}

TEST(FallaDeLectura, LineaEItemConCualquierFinDeLinea)
{
    // Ítems: 1 y 2 en la línea 1, 3 y 4 en la 2 (CR LF), 5 en la 4 tras una línea en blanco (LF),
    // 6 en la 5 (CR solo).
    const std::string bytes = "1,2\r\n3,4\r\n\n5\r6x";
    const FallaDeLectura f = FallaAlLeerReales(bytes, 6);
    EXPECT_EQ(f.Linea, 5);
    EXPECT_EQ(f.Item, 6);
    EXPECT_EQ(f.Motivo, "se esperaba un número y se encontró «6x»");

    // Un texto entre comillas que ocupa dos líneas cuenta las dos.
    LectorItems l("\"uno\r\ndos\",\r\n7,y");
    std::string texto;
    double v = 0;
    ASSERT_TRUE(l.Texto(texto));
    ASSERT_TRUE(l.Real(v));
    EXPECT_FALSE(l.Real(v));
    EXPECT_EQ(l.Falla().Linea, 3);
    EXPECT_EQ(l.Falla().Item, 3);
}

TEST(FallaDeLectura, CadaMotivo)
{
    struct Caso {
        const char* bytes;
        int enteros; // 0: se lee un real; 1: un entero; 2: una cantidad; 3: un texto
        const char* motivo;
    };
    const Caso casos[] = {
        {"", 0, "el archivo termina antes de lo esperado"},
        {"\"S\"", 0, "se esperaba un número y se encontró «\"S\"»"},
        {"1,,2", 0, "se esperaba un número y el ítem está vacío"},
        {"2.5", 1, "se esperaba un número entero y se encontró «2.5»"},
        {"40000", 1, "el número «40000» no cabe en un entero (de -32768 a 32767)"},
        {"-3", 2, "se esperaba una cantidad (un entero no negativo) y se encontró «-3»"},
        {"\"sin cierre", 3, "falta la comilla que cierra el texto"},
        {"\"a\"b", 3, "tras un texto entre comillas debe seguir una coma o un fin de línea"},
    };
    for (const Caso& c : casos) {
        LectorItems l(c.bytes);
        double real = 0;
        Entero16 entero = 0;
        std::string texto;
        if (std::string(c.bytes) == "1,,2") l.Real(real); // el primer ítem sí es un número
        const bool leido = c.enteros == 0   ? l.Real(real)
                           : c.enteros == 1 ? l.Entero(entero)
                           : c.enteros == 2 ? l.Cantidad(entero)
                                            : l.Texto(texto);
        EXPECT_FALSE(leido) << c.bytes;
        EXPECT_EQ(l.Falla().Motivo, c.motivo) << c.bytes;
    }

    // Tras la primera falla nada cambia: el motivo es el de la primera.
    LectorItems l("x,y");
    double v = 0;
    l.Leyendo("primero");
    EXPECT_FALSE(l.Real(v));
    l.Leyendo("segundo");
    EXPECT_FALSE(l.Real(v));
    EXPECT_EQ(l.Falla().Que, "primero");
    EXPECT_EQ(l.Falla().Motivo, "se esperaba un número y se encontró «x»");
}

// Contenido del ejemplo de Bishop con una línea cambiada (1..n).
std::string EjemploCambiado(int linea, const std::string& nueva)
{
    std::vector<std::string> lineas =
        prueba::Lineas(prueba::LeerBytes(Ejemplos + "/talud_homogeneo_bishop.cod"));
    lineas.at(static_cast<std::size_t>(linea - 1)) = nueva;
    std::string contenido;
    for (const std::string& l : lineas)
        contenido += l + "\r\n";
    return contenido;
}

TEST(FallaDeLectura, ElMensajeDiceArchivoLineaItemQueYPorQue)
{
    // Ejemplo de Bishop: línea 1 descripción, 2-6 información, 7 material, 8 instantáneos, 9
    // método, 10-19 parámetros (un ítem por línea: ítems 10 a 19), 20 cantidad de puntos del
    // talud (ítem 20), 21 primer punto (ítems 21 y 22), ... 25 cantidad de puntos de la falla
    // (ítem 29), 28 cantidad de uniones (ítem 34), 29 la unión "1,2,"C"" (ítems 35 a 37).
    struct Caso {
        int linea;
        const char* nueva;
        const char* detalle;
    };
    const Caso casos[] = {
        {21, "54.864,18.2x8",
         "Línea 21, ítem 22 (coordenadas del talud): se esperaba un número y se encontró "
         "«18.2x8»."},
        {7, "\"X\"",
         "Línea 7, ítem 7 (tipo de material (S o R)): el valor debe ser \"S\" o \"R\" y es «X»."},
        {9, "2.5",
         "Línea 9, ítem 9 (método de cálculo): se esperaba un número entero y se encontró "
         "«2.5»."},
        {29, "1,2,\"Q\"",
         "Línea 29, ítem 37 (tipos de unión de la superficie de falla): el valor debe ser \"L\", "
         "\"C\" o \"P\" y es «Q»."},
    };
    CarpetaTemporal carpeta;
    for (const Caso& c : casos) {
        const std::string ruta = carpeta.Ruta("danado.cod");
        std::ofstream(ruta, std::ios::binary) << EjemploCambiado(c.linea, c.nueva);
        Proyecto p;
        InteraccionGuionada ui;
        EXPECT_FALSE(LeerProyecto(ruta, p, ui));
        ASSERT_EQ(ui.Eventos().size(), 1u);
        EXPECT_EQ(ui.Eventos().front().texto, textos::ErrorLeyendoArchivo);
        EXPECT_EQ(ui.Eventos().front().detalle, "Archivo: " + ruta + "\n" + c.detalle);
    }

    // Un archivo que no existe.
    Proyecto p;
    InteraccionGuionada ui;
    EXPECT_FALSE(LeerProyecto(carpeta.Ruta("no_existe.cod"), p, ui));
    EXPECT_EQ(ui.Eventos().front().detalle, "Archivo: " + carpeta.Ruta("no_existe.cod") +
                                                "\nel archivo no existe o no se puede leer.");

    // Un archivo cortado tras el talud.
    const std::string cortado = carpeta.Ruta("cortado.cod");
    const std::string completo = EjemploCambiado(21, "54.864,18.288");
    std::ofstream(cortado, std::ios::binary)
        << completo.substr(0, completo.find("2\r\n40.8926")); // hasta la falla, sin ella
    InteraccionGuionada ui2;
    EXPECT_FALSE(LeerProyecto(cortado, p, ui2));
    EXPECT_NE(ui2.Eventos().front().detalle.find(
                  "(coordenadas de la superficie de falla): el archivo termina antes de lo "
                  "esperado."),
              std::string::npos)
        << ui2.Eventos().front().detalle;
}

TEST(FallaDeLectura, UnEstratoConMasPuntosQueElMaximoDeclarado)
{
    // Encabezado de estratos "1,1,1": un estrato de a lo sumo 1 punto; el estrato dice 2.
    Proyecto original = prueba::SueloCirculoUnico();
    AjustarParaGuardar(original);
    std::string contenido = ContenidoArchivoProyecto(original);
    const std::size_t encabezado = contenido.find("\r\n1,2,1\r\n2\r\n");
    ASSERT_NE(encabezado, std::string::npos);
    contenido.replace(encabezado, 9, "\r\n1,1,1\r\n");
    Proyecto p;
    FallaDeLectura falla;
    EXPECT_FALSE(LeerContenidoProyecto(contenido, p, &falla));
    EXPECT_EQ(falla.Que, "estrato 1");
    EXPECT_EQ(falla.Motivo, "el estrato 1 tiene 2 puntos y el archivo declara como máximo 1");
}

TEST(FallaDeLectura, ElArchivoDeGeometriaTambienSeExplica)
{
    // Talud de 2 puntos (líneas 1-3, ítems 1-5), nivel freático de 1 punto (línea 4, ítem 6) con
    // una letra por ordenada (línea 5, ítem 8).
    CarpetaTemporal carpeta;
    const std::string ruta = carpeta.Ruta("geometria.cod");
    std::ofstream(ruta, std::ios::binary) << "2\r\n60,20\r\n0,10\r\n1\r\n60,x\r\n";
    Proyecto p;
    InteraccionGuionada ui;
    ui.EsperarPregunta(textos::PreguntaCarpetaGeometria, true);
    EXPECT_FALSE(CargarGeometria(ruta, p, ui));
    EXPECT_EQ(ui.Eventos().back().texto, textos::ErrorLeyendoArchivo);
    EXPECT_EQ(ui.Eventos().back().detalle,
              "Archivo: " + ruta +
                  "\nLínea 5, ítem 8 (coordenadas del nivel freático): se esperaba un número y "
                  "se encontró «x».");
}

TEST(FallaDeLectura, LaCuerdaDelCirculoEsLaDelArchivoLeido)
{
    // Círculo único del ejemplo de Bishop, de (40.8926, 18.288) a (6.4832, 6.096):
    // √(34.4094² + 12.192²) = √(1184.0068 + 148.6449) = √1332.6517 = 36.5055 m. Lo que hubiera
    // antes en la cuerda (de otro proyecto) no cuenta.
    Proyecto p;
    p.CuerdaCirculo = 99.0;
    InteraccionGuionada ui;
    ASSERT_TRUE(LeerProyecto(Ejemplos + "/talud_homogeneo_bishop.cod", p, ui));
    EXPECT_NEAR(p.CuerdaCirculo, 36.5055, 1e-4);
    // Una superficie compuesta no tiene cuerda.
    p.CuerdaCirculo = 99.0;
    ASSERT_TRUE(LeerProyecto(Ejemplos + "/talud_estratificado_janbu.cod", p, ui));
    EXPECT_EQ(p.CuerdaCirculo, 0.0);
}

} // namespace
} // namespace vertana
