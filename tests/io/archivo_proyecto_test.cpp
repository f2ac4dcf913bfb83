#include "apoyo/interaccion_guionada.h"
#include "io/archivo.h"
#include "io/archivo_proyecto.h"
#include "model/error.h"
#include "model/textos.h"
#include "proyectos_de_prueba.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <string>

namespace vertana {
namespace {

using prueba::CarpetaTemporal;
using prueba::LeerBytes;
using prueba::Lineas;

const std::string Ejemplos = VERTANA_EJEMPLOS;

// Lo que una lectura sin fallas deja en las banderas y valores que el archivo no lleva.
Proyecto ComoQuedaTrasLeer(Proyecto p)
{
    p.InformacionIntroducida = true;
    p.ParametrosIntroducidos = true;
    p.TiposDeFallaDefinidos = true;
    p.RocaCaracterizada = true;
    p.CargasUniformesIntroducidas = p.NumeroCargasUniformes() > 0;
    p.CargasPuntualesIntroducidas = p.NumeroCargasPuntuales() > 0;
    p.ParametrosInstantaneosCalculados = p.UsaParametrosInstantaneos;
    p.VariaElRadio = false;
    // La cuerda no va en el archivo: la lectura la deduce de la superficie de falla.
    p.CuerdaCirculo = 0;
    if (EsCirculoUnico(p) && p.AbscisasFalla.Tamano() >= 2) {
        const double dx = p.AbscisasFalla(1) - p.AbscisasFalla(2);
        const double dy = p.OrdenadasFalla(1) - p.OrdenadasFalla(2);
        p.CuerdaCirculo = std::sqrt(dx * dx + dy * dy);
    }
    return p;
}

// Escribe el proyecto, lo lee en otro y comprueba que ambos coinciden campo por campo y que una
// segunda escritura da los mismos bytes.
void ComprobarIdaYVuelta(Proyecto p)
{
    CarpetaTemporal carpeta;
    const std::string ruta = carpeta.Ruta("proyecto.cod");
    EscribirProyecto(ruta, p);
    const std::string bytes = LeerBytes(ruta);

    Proyecto leido;
    InteraccionGuionada ui;
    ASSERT_TRUE(LeerProyecto(ruta, leido, ui));
    EXPECT_TRUE(ui.Mensajes().empty());
    EXPECT_TRUE(leido == ComoQuedaTrasLeer(p)) << "el proyecto leído difiere del escrito";

    const std::string ruta2 = carpeta.Ruta("otra_vez.cod");
    EscribirProyecto(ruta2, leido);
    EXPECT_EQ(LeerBytes(ruta2), bytes);
}

// Las líneas del archivo que se escribiría con el proyecto, tras ajustarlo para guardar.
std::vector<std::string> LineasGuardadas(Proyecto& p)
{
    AjustarParaGuardar(p);
    return Lineas(ContenidoArchivoProyecto(p));
}

// Un proyecto reiniciado y leído del contenido dado, que debe leerse sin fallas.
Proyecto Releido(const std::string& contenido)
{
    Proyecto p;
    ReiniciarProyecto(p);
    EXPECT_TRUE(LeerContenidoProyecto(contenido, p));
    return p;
}

Proyecto LeerEjemplo(const std::string& nombre)
{
    Proyecto p;
    InteraccionGuionada ui;
    EXPECT_TRUE(LeerProyecto(Ejemplos + "/" + nombre, p, ui)) << nombre;
    EXPECT_TRUE(ui.Mensajes().empty());
    return p;
}

double ValorDeLinea(const std::vector<std::string>& lineas, int numero)
{
    return std::stod(lineas.at(static_cast<std::size_t>(numero - 1)));
}

TEST(ArchivoProyecto, LosEjemplosSeReescribenConLosMismosBytes)
{
    for (const char* nombre : {"talud_homogeneo_bishop.cod", "talud_estratificado_janbu.cod",
                               "talud_roca_variacional.cod", "talud_roca_laboratorio.cod"}) {
        SCOPED_TRACE(nombre);
        const std::string original = LeerBytes(Ejemplos + "/" + nombre);
        ASSERT_FALSE(original.empty());
        Proyecto p;
        ReiniciarProyecto(p);
        ASSERT_TRUE(LeerContenidoProyecto(original, p));
        AjustarParaGuardar(p);
        EXPECT_EQ(ContenidoArchivoProyecto(p), original);
    }
}

TEST(ArchivoProyecto, EjemploDeCirculoUnicoConBishop)
{
    const Proyecto p = LeerEjemplo("talud_homogeneo_bishop.cod");
    EXPECT_EQ(p.Descripcion.rfind("Talud homogéneo", 0), 0u);
    EXPECT_EQ(p.SueloRoca, Material::Suelo);
    EXPECT_EQ(p.MetodoDeCalculo, Metodo::Bishop);
    EXPECT_EQ(p.RadioCirculoFalla, 24.384);
    EXPECT_EQ(p.CentroCirculoX, 18.288);
    EXPECT_EQ(p.CentroCirculoYGuardado, 27.432);
    EXPECT_EQ(p.VariaElRadioSN, false);
    ASSERT_EQ(p.NumeroCoordenadasTalud(), 4);
    EXPECT_EQ(p.AbscisasTalud(3), 12.192);
    EXPECT_EQ(p.OrdenadasTalud(4), 6.096);
    ASSERT_EQ(p.NumeroCoordenadasFalla(), 2);
    EXPECT_EQ(p.AbscisasFalla(2), 6.4832);
    ASSERT_EQ(p.NumeroDeEstratos(), 1);
    EXPECT_EQ(p.CohesionMacizo(1), 2.9308);
    EXPECT_EQ(p.FriccionMacizo(1), 20);
    EXPECT_EQ(p.TipoDeEstrato(1), 2);
    EXPECT_EQ(p.AbscisasEstratos(1, 1), 54.864);
    // Las banderas que deja la lectura se comprueban en IdaYVueltaDeCadaCasoDelArchivo.
}

TEST(ArchivoProyecto, EjemploCompuestoSinCopiasDelCentroYConCarga)
{
    const Proyecto p = LeerEjemplo("talud_estratificado_janbu.cod");
    EXPECT_EQ(p.NumeroTiposDeFalla, 3);
    EXPECT_EQ(p.TipoDeFalla(2), TipoUnion::Polinomica);
    EXPECT_EQ(p.PuntoFinalTipoFalla(2), 4);
    EXPECT_EQ(p.CentroCirculoXGuardado, 0);
    EXPECT_EQ(p.CentroCirculoYGuardado, 0);
    EXPECT_EQ(p.NumeroCoordenadasFreatico(), 4);
    EXPECT_EQ(p.NumeroCoordenadasEstrato(1), 3);
    EXPECT_EQ(p.NumeroCoordenadasEstrato(2), 2);
    EXPECT_EQ(p.AbscisasEstratos.Columnas(), 3);
    EXPECT_EQ(p.OrdenadasEstratos(2, 3), 0); // más allá de los puntos del estrato 2
    EXPECT_EQ(p.CargaUniformeQy(1), 2);
    EXPECT_TRUE(p.CargasUniformesIntroducidas);
    EXPECT_EQ(p.CoeficienteSismicoHorizontal, 0.05);
}

TEST(ArchivoProyecto, EjemploDeRocaConSusColumnas)
{
    const Proyecto p = LeerEjemplo("talud_roca_variacional.cod");
    EXPECT_EQ(p.SueloRoca, Material::Roca);
    // m y s como los deja la caracterización a partir de mi = 10 y GSI = 50 (bc):
    // m = 10·e^(−50/28) = 1.676772487518, s = e^(−50/9) = 0.003865920139.
    EXPECT_NEAR(p.ParametroM(1), 1.676772487518, 1e-12);
    EXPECT_NEAR(p.ParametroS(1), 0.003865920139, 1e-12);
    EXPECT_EQ(p.CompresionSimple(1), 1000);
    EXPECT_EQ(p.CohesionMacizo(1), 0);
    EXPECT_EQ(p.NumeroPuntosLab.Tamano(), 1);
    EXPECT_FALSE(p.HayDatosLaboratorio);
}

TEST(ArchivoProyecto, EjemploDeRocaConDatosDeLaboratorio)
{
    const Proyecto p = LeerEjemplo("talud_roca_laboratorio.cod");
    EXPECT_EQ(p.SueloRoca, Material::Roca);
    ASSERT_EQ(p.NumeroDeEstratos(), 2);
    EXPECT_EQ(p.EstratosCaracterizados, 2);
    EXPECT_TRUE(p.HayDatosLaboratorio);
    EXPECT_EQ(p.NumeroPuntosLab(1), 5);
    EXPECT_EQ(p.NumeroPuntosLab(2), 5);
    EXPECT_EQ(p.Sigma1Lab(1, 1), 2610); // de mayor a menor σ1, como los deja Form16
    EXPECT_EQ(p.Sigma3Lab(2, 5), 0);
    EXPECT_EQ(p.ParametroM(1), 1.985);
    EXPECT_EQ(p.ParametroS(2), 1);
    EXPECT_EQ(p.CompresionSimple(2), 900);
}

TEST(ArchivoProyecto, IdaYVueltaDeCadaCasoDelArchivo)
{
    {
        SCOPED_TRACE("círculo único con Bishop");
        ComprobarIdaYVuelta(prueba::SueloCirculoUnico());
    }
    for (int metodo : {3, 4}) {
        SCOPED_TRACE(metodo);
        ComprobarIdaYVuelta(prueba::SueloConResultados(metodo));
    }
    for (bool instantaneos : {false, true}) {
        SCOPED_TRACE(instantaneos);
        ComprobarIdaYVuelta(prueba::RocaConResultados(instantaneos));
    }
    {
        SCOPED_TRACE("laboratorio");
        ComprobarIdaYVuelta(prueba::RocaConLaboratorio());
    }
}

TEST(ArchivoProyecto, SueloConResultadosLlevaOnceLineasPorDovelaEnSuOrden)
{
    Proyecto p = prueba::SueloConResultados(3);
    const auto lineas = LineasGuardadas(p);
    // 19 de encabezado y parámetros, 5 talud, 6 falla, 4 uniones, 5 freático, 1 + 12 + 11
    // estratos, 2 + 3 cargas, 1 + 1 resultados, 33 dovelas, 1 + 2 historia, 7 grieta,
    // 2 laboratorio y 12 finales.
    ASSERT_EQ(lineas.size(), 127u);
    EXPECT_EQ(lineas[68], "\"S\"");
    EXPECT_EQ(lineas[69], "4");
    // Dovela 1: ancho, abscisa, ordenada del talud, ordenada de la base, u, fricción, cohesión,
    // peso unitario, σ, σ', τ (valores t + 1/7 según la tabla t del proyecto de prueba).
    const double esperado[11] = {1, 2, 4, 3, 5, 7, 6, 11, 12, 13, 14};
    for (int k = 0; k < 11; ++k)
        EXPECT_DOUBLE_EQ(ValorDeLinea(lineas, 71 + k), esperado[k] + 1.0 / 7.0) << k;
    EXPECT_DOUBLE_EQ(ValorDeLinea(lineas, 71 + 11), 1 + 2.0 / 7.0); // ancho de la dovela 2
    EXPECT_EQ(lineas[103], "2");                                    // iteraciones
    EXPECT_EQ(lineas[104], "1.5");
}

TEST(ArchivoProyecto, JanbuConResultadosLlevaLosValoresDeHtTrasElLaboratorio)
{
    Proyecto p = prueba::SueloConResultados(4);
    const auto lineas = LineasGuardadas(p);
    ASSERT_EQ(lineas.size(), 130u);
    for (int k = 1; k <= 3; ++k)
        EXPECT_DOUBLE_EQ(ValorDeLinea(lineas, 115 + k), k / 3.0);

    Proyecto sinResultados = prueba::SueloConResultados(4);
    sinResultados.HayResultados = false;
    EXPECT_EQ(LineasGuardadas(sinResultados).size(), 127u - 33 - 4);
    EXPECT_TRUE(sinResultados.ValoresDeHt.Vacia());
}

TEST(ArchivoProyecto, RocaConResultadosLlevaCatorceLineasPorDovela)
{
    for (bool instantaneos : {false, true}) {
        SCOPED_TRACE(instantaneos);
        Proyecto p = prueba::RocaConResultados(instantaneos);
        const auto lineas = LineasGuardadas(p);
        // 19 + 5 talud + 4 falla + 3 uniones + 1 freático + 1 + 10 estrato + 1 + 1 cargas
        // + 1 + 1 + 42 dovelas + 1 + 2 historia + 7 + 2 + 12, más el ítem de parámetros
        // instantáneos.
        ASSERT_EQ(lineas.size(), 113u + (instantaneos ? 1 : 0));
        EXPECT_EQ(lineas[46], "4");
        const double sinInst[14] = {1, 2, 4, 3, 5, 8, 9, 10, 11, 12, 13, 14, 15, 16};
        const double conInst[14] = {1, 2, 4, 3, 5, 7, 6, 10, 11, 12, 13, 14, 15, 16};
        for (int k = 0; k < 14; ++k)
            EXPECT_DOUBLE_EQ(ValorDeLinea(lineas, 48 + k),
                             (instantaneos ? conInst[k] : sinInst[k]) + 1.0 / 7.0)
                << k;
        EXPECT_EQ(lineas[89], "2");
        EXPECT_EQ(lineas[90], "25,40,1.2");
        if (instantaneos) {
            EXPECT_EQ(lineas[lineas.size() - 13], "2");
        }
    }
}

TEST(ArchivoProyecto, VariaElRadioSoloConUnCirculoUnicoYBishop)
{
    Proyecto bishop = prueba::SueloCirculoUnico();
    const auto conBishop = LineasGuardadas(bishop);
    EXPECT_EQ(conBishop[28], "1,2,\"C\"");
    EXPECT_EQ(conBishop[29], "\"S\"");

    Proyecto fellenius = prueba::SueloCirculoUnico();
    fellenius.MetodoDeCalculo = Metodo::Fellenius;
    const auto sinBishop = LineasGuardadas(fellenius);
    EXPECT_EQ(sinBishop.size(), conBishop.size() - 1);
    EXPECT_EQ(sinBishop[29], "0"); // sigue el nivel freático
    EXPECT_EQ(Releido(ContenidoArchivoProyecto(fellenius)).CentroCirculoYGuardado, 38.75);
}

TEST(ArchivoProyecto, DosUnionesSeLeenConLasCopiasDelCentroEnCero)
{
    Proyecto p = prueba::SueloConResultados(3);
    p.CentroCirculoXGuardado = 30;
    p.CentroCirculoYGuardado = 5;
    p.RadioCirculoFalla = 12;
    AjustarParaGuardar(p);
    EXPECT_EQ(p.RadioCirculoFalla, 0); // primera unión "L" y más de una unión
    const auto lineas = Lineas(ContenidoArchivoProyecto(p));
    EXPECT_EQ(lineas[13], "0"); // radio
    EXPECT_EQ(lineas[14], "0"); // centro
    EXPECT_EQ(lineas[15], "0");
}

TEST(ArchivoProyecto, LaDescripcionEnVariasLineasSeGuardaEnUna)
{
    Proyecto p = prueba::SueloCirculoUnico();
    p.Descripcion = "Primera línea\r\nsegunda\ntercera con \"comillas\"";
    AjustarParaGuardar(p);
    const std::string contenido = ContenidoArchivoProyecto(p);
    EXPECT_EQ(Lineas(contenido)[0], "\"Primera l\xEDnea  segunda tercera con 'comillas'\"");
    const Proyecto leido = Releido(contenido);
    EXPECT_EQ(leido.Descripcion, "Primera línea  segunda tercera con 'comillas'");
    EXPECT_EQ(leido.IngResponsable, "Ing. María Pérez");
}

TEST(ArchivoProyecto, DatosDeLaboratorioDeRoca)
{
    Proyecto p = prueba::RocaConLaboratorio();
    const auto lineas = LineasGuardadas(p);
    // Tras la grieta: "S", mayor cantidad 3, estrato 1 con tres pares, estrato 2 con uno.
    const std::size_t lab = lineas.size() - 12 - 8;
    EXPECT_EQ(lineas[lab], "\"S\"");
    EXPECT_EQ(lineas[lab + 1], "3");
    EXPECT_EQ(lineas[lab + 2], "3");
    EXPECT_EQ(lineas[lab + 3].substr(0, 10), "1000.33333");
    EXPECT_EQ(lineas[lab + 6], "1");
    EXPECT_EQ(lineas[lab + 7], "2500,120");
}

TEST(ArchivoProyecto, SinLaboratorioRocaYSueloEscribenNyCero)
{
    Proyecto roca = prueba::RocaConLaboratorio();
    roca.HayDatosLaboratorio = false;
    Proyecto suelo = prueba::SueloCirculoUnico();
    suelo.HayDatosLaboratorio = true; // datos que un suelo no lleva
    suelo.NumeroPuntosLab.Redimensionar(1);
    suelo.NumeroPuntosLab(1) = 2;
    for (Proyecto* p : {&roca, &suelo}) {
        const auto lineas = LineasGuardadas(*p);
        EXPECT_EQ(lineas[lineas.size() - 14], "\"N\"");
        EXPECT_EQ(lineas[lineas.size() - 13], "0");
    }
    EXPECT_FALSE(suelo.HayDatosLaboratorio);
    EXPECT_TRUE(suelo.NumeroPuntosLab.Vacia());
}

TEST(ArchivoProyecto, AlGuardarSeDescartaLoQueElArchivoNoLleva)
{
    Proyecto suelo = prueba::SueloConResultados(3);
    AjustarParaGuardar(suelo);
    EXPECT_EQ(suelo.ParametroMIntacto(1), 0);    // columna de roca
    EXPECT_TRUE(suelo.HistoriaMu1Mu2.Vacia());   // sólo del método variacional
    EXPECT_TRUE(suelo.ParametroMDovela.Vacia()); // tabla por dovela de roca
    EXPECT_TRUE(suelo.ValoresDeHt.Vacia());      // sólo de Janbu
    EXPECT_EQ(suelo.CohesionMacizo(2), 3);       // lo propio se conserva

    Proyecto roca = prueba::RocaConResultados(false);
    AjustarParaGuardar(roca);
    EXPECT_EQ(roca.CohesionMacizo(1), 0);
    EXPECT_EQ(roca.FriccionMacizo(1), 0);
    EXPECT_TRUE(roca.CohesionDovela.Vacia());
    EXPECT_EQ(roca.HistoriaMu1Mu2(2), 25.0 + 1.0 / 3.0);
}

TEST(ArchivoProyecto, UnProyectoIncoherenteNoSeEscribe)
{
    Proyecto p = prueba::SueloCirculoUnico();
    p.AbscisasTalud.Redimensionar(9); // más abscisas que ordenadas
    EXPECT_THROW(AjustarParaGuardar(p), ErrorVertana);
    Proyecto sinMaterial = prueba::SueloCirculoUnico();
    sinMaterial.SueloRoca = Material::SinDefinir;
    EXPECT_THROW(ContenidoArchivoProyecto(sinMaterial), ErrorVertana);
}

TEST(ArchivoProyecto, UnArchivoQueNoExisteDaErrorLeyendoArchivo)
{
    Proyecto p = prueba::SueloCirculoUnico();
    InteraccionGuionada ui;
    EXPECT_FALSE(LeerProyecto("/no/existe/proyecto.cod", p, ui));
    EXPECT_EQ(ui.Mensajes(), std::vector<std::string>{textos::ErrorLeyendoArchivo});
    EXPECT_EQ(p.NumeroCoordenadasTalud(), 0); // reiniciado
    EXPECT_FALSE(p.InformacionIntroducida);
}

TEST(ArchivoProyecto, UnaLecturaCortadaConservaLoLeidoAntesDeLaFalla)
{
    const std::string completo = LeerBytes(Ejemplos + "/talud_homogeneo_bishop.cod");
    // Cortado tras el ítem 9 (línea 24: último punto del talud).
    std::size_t corte = 0;
    for (int linea = 0; linea < 24; ++linea)
        corte = completo.find("\r\n", corte) + 2;
    CarpetaTemporal carpeta;
    const std::string ruta = carpeta.Ruta("cortado.cod");
    EscribirArchivoSeguro(ruta, completo.substr(0, corte));

    Proyecto p;
    InteraccionGuionada ui;
    EXPECT_FALSE(LeerProyecto(ruta, p, ui));
    EXPECT_EQ(ui.Mensajes(), std::vector<std::string>{textos::ErrorLeyendoArchivo});
    EXPECT_EQ(p.NumeroCoordenadasTalud(), 4);
    EXPECT_EQ(p.OrdenadasTalud(4), 6.096);
    EXPECT_TRUE(p.ParametrosIntroducidos);
    EXPECT_FALSE(p.TiposDeFallaDefinidos);
    EXPECT_FALSE(p.InformacionIntroducida);
}

// Un ítem que no es lo que el archivo debe llevar en su lugar: texto donde va un número, o una
// letra que no es uno de los códigos (tipo de material, tipo de unión, radio variable).
TEST(ArchivoProyecto, ItemQueNoEsLoQueSeEspera)
{
    const std::string original = LeerBytes(Ejemplos + "/talud_homogeneo_bishop.cod");
    const std::pair<const char*, const char*> cambios[] = {
        {"24.384", "radio!"},
        {"\"S\"\r\n\"N\"", "\"Q\"\r\n\"N\""},
        {",\"C\"", ",\"X\""},
        {",\"C\"\r\n\"N\"", ",\"C\"\r\n\"Z\""},
    };
    for (const auto& [antes, despues] : cambios) {
        std::string contenido = original;
        const std::size_t lugar = contenido.find(antes);
        ASSERT_NE(lugar, std::string::npos) << antes;
        contenido.replace(lugar, std::string(antes).size(), despues);
        Proyecto p;
        ReiniciarProyecto(p);
        EXPECT_FALSE(LeerContenidoProyecto(contenido, p)) << despues;
    }
}

TEST(EscrituraSegura, ReemplazaSinDejarTemporalesYNoTocaNadaSiFalla)
{
    CarpetaTemporal carpeta;
    const std::string ruta = carpeta.Ruta("proyecto.cod");
    EscribirArchivoSeguro(ruta, "viejo");
    EscribirArchivoSeguro(ruta, "nuevo contenido");
    EXPECT_EQ(LeerBytes(ruta), "nuevo contenido");
    const auto archivos = [&carpeta] {
        return std::distance(std::filesystem::directory_iterator(carpeta.Raiz()), {});
    };
    EXPECT_EQ(archivos(), 1);

    EXPECT_THROW(EscribirArchivoSeguro(carpeta.Ruta("no/existe/x.cod"), "x"), ErrorVertana);
    // Un directorio en lugar del archivo: el renombrado falla y el directorio queda.
    std::filesystem::create_directory(carpeta.Ruta("carpeta.cod"));
    std::filesystem::create_directory(carpeta.Ruta("carpeta.cod/dentro"));
    EXPECT_THROW(EscribirArchivoSeguro(carpeta.Ruta("carpeta.cod"), "x"), ErrorVertana);
    EXPECT_TRUE(std::filesystem::is_directory(carpeta.Ruta("carpeta.cod")));
    EXPECT_EQ(archivos(), 2);
}

} // namespace
} // namespace vertana
