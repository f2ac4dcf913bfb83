// El informe impreso, línea a línea: encabezados en su orden, páginas de 55 líneas con su número,
// formatos de los números y valores comparados con los datos y resultados publicados de un
// problema clásico (tests/datos/clasicos/FUENTES.md).
#include "calculo/calculo.h"
#include "cli/interaccion_lote.h"
#include "cli/orden_calcular.h"
#include "io/archivo_proyecto.h"
#include "output/informe.h"
#include "proyectos_de_prueba.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

namespace vertana {
namespace {

const std::string Clasicos = std::string(VERTANA_DATOS_PRUEBA) + "/clasicos/";
constexpr double Pie = 0.3048; // m

// Una línea escrita del informe (sin los números de página).
struct LineaLeida {
    int pagina = 0; // desde 1
    int linea = 0;
    std::string texto; // la fila entera de la rejilla
};

std::string SinBlancosDelante(const std::string& s)
{
    const auto i = s.find_first_not_of(' ');
    return i == std::string::npos ? std::string() : s.substr(i);
}

std::vector<std::string> Palabras(const std::string& s)
{
    std::istringstream entrada(s);
    std::vector<std::string> palabras;
    for (std::string p; entrada >> p;)
        palabras.push_back(p);
    return palabras;
}

// Las líneas con texto de todas las páginas, en orden, sin la línea del número de página.
std::vector<LineaLeida> Contenido(const Informe& informe)
{
    std::vector<LineaLeida> lineas;
    for (const PaginaInforme& pagina : informe.Paginas) {
        const auto filas = FilasDePagina(pagina);
        for (int l = 0; l < LineaNumeroDePagina; ++l)
            if (!filas[static_cast<std::size_t>(l)].empty())
                lineas.push_back({pagina.Numero, l, filas[static_cast<std::size_t>(l)]});
    }
    return lineas;
}

// Posición en `lineas` de la primera cuyo texto (sin los blancos de delante) es `texto`.
std::size_t Buscar(const std::vector<LineaLeida>& lineas, const std::string& texto,
                   std::size_t desde = 0)
{
    for (std::size_t i = desde; i < lineas.size(); ++i)
        if (SinBlancosDelante(lineas[i].texto) == texto) return i;
    ADD_FAILURE() << "no está: " << texto;
    return lineas.size();
}

std::vector<std::string> Encabezados(const Informe& informe)
{
    std::vector<std::string> encabezados;
    for (const PaginaInforme& pagina : informe.Paginas)
        for (const TextoInforme& t : pagina.Textos)
            if (t.Estilo == EstiloInforme::Encabezado) encabezados.push_back(t.Texto);
    return encabezados;
}

// Formato independiente del programa: dos decimales de printf.
std::string Dos(double valor)
{
    char texto[32];
    std::snprintf(texto, sizeof texto, "%.2f", valor);
    return texto;
}

double Numero(const std::string& s)
{
    return std::stod(s);
}

// Fredlund y Krahn (1977), caso 1, calculado por Bishop: talud 2:1 de 40 pies sobre una base a
// 20 pies, c = 600 psf, φ = 20°, γ = 120 pcf, círculo de centro (120, 90) pies y radio 80 pies,
// reflejado x' = 180 − x; en el programa γ/γw y c/γw se conservan (γw = 1 ton/m3).
//
//   y (pies)
//   60 |______
//      |      \___            talud (180,60) (120,60) (40,20) (0,20)
//   20 |          \________
//      0    40         120  180  x'
class InformeFredlundKrahn : public ::testing::Test {
protected:
    void SetUp() override
    {
        p = prueba::Leido(Clasicos + "fredlund_krahn_1977_caso1.cod");
        EstadoCalculo e;
        ReiniciarEstadoCalculo(e);
        InteraccionLote ui;
        PrepararRespuestasPorLotes(ui, false);
        const ResultadoCalculo r = Calcular(p, e, Metodo::Bishop, {}, ui);
        ASSERT_TRUE(r.Convergio()) << r.Mensaje;
        informe = GenerarInforme(p);
        lineas = Contenido(informe);
    }

    // Las palabras de la fila `n` después del encabezado `encabezado`.
    std::vector<std::string> Fila(const std::string& encabezado, int n)
    {
        return Palabras(lineas.at(Buscar(lineas, encabezado) + static_cast<std::size_t>(n)).texto);
    }

    Proyecto p;
    Informe informe;
    std::vector<LineaLeida> lineas;
};

TEST_F(InformeFredlundKrahn, EncabezadosEnSuOrden)
{
    const std::vector<std::string> esperados = {
        "Descripción del proyecto:",
        "Coordenadas del talud",
        "Coordenadas de superficie de falla",
        "Coordenadas de la grieta de tracción",
        "Coordenadas del nivel freático en la grieta",
        "Coordenadas del nivel freático",
        "Coordenadas de los estratos",
        "Propiedades geomecánicas de los estratos",
        "Parámetros iniciales de cálculo",
        "Coordenadas y radio del círculo de falla",
        "Parámetros finales de cálculo",
        "Coeficientes Sísmicos",
        "Tipo de falla entre los puntos que la definen.",
        "Cargas uniformemente distribuidas.",
        "Cargas puntuales.",
        "Características geométricas y geomecánicas de las dovelas.",
        "Suma esfuerzos actuantes en la superficie de falla (ton/m2)",
    };
    EXPECT_EQ(Encabezados(informe), esperados);
    // Cabecera: encabezado en la línea 4 y descripción en la 5, desde la columna 15.
    const auto filas = FilasDePagina(informe.Paginas.front());
    EXPECT_EQ(filas[4], std::string(15, ' ') + "Descripción del proyecto:");
    EXPECT_EQ(filas[5], std::string(15, ' ') + "Fredlund y Krahn (1977), caso 1: talud 2:1 "
                                               "homogéneo y seco, círculo único");
    EXPECT_EQ(SinBlancosDelante(filas[7]), "Progresiva inicial: 0 + 000.000");
    EXPECT_EQ(SinBlancosDelante(filas[11]), "Empresa responsable: Dravenca");
    EXPECT_EQ(SinBlancosDelante(filas[13]), "Nota:Cálculo hecho por el método de Bishop");
    for (int l = 0; l < LineaInicialDePagina; ++l)
        EXPECT_EQ(filas[static_cast<std::size_t>(l)], "") << l;
}

TEST_F(InformeFredlundKrahn, PaginasDe55LineasNumeradasEnLaLinea56)
{
    const int n = static_cast<int>(informe.Paginas.size());
    ASSERT_GE(n, 3) << "cien dovelas no caben en dos páginas";
    for (const PaginaInforme& pagina : informe.Paginas) {
        const auto filas = FilasDePagina(pagina);
        ASSERT_EQ(filas.size(), 57u);
        EXPECT_EQ(filas[56], std::string(48, ' ') + std::to_string(pagina.Numero));
        int primera = -1, ultima = -1;
        for (int l = 0; l < 56; ++l)
            if (!filas[static_cast<std::size_t>(l)].empty()) {
                if (primera < 0) primera = l;
                ultima = l;
            }
        EXPECT_EQ(primera, 4) << "página " << pagina.Numero;
        // Sólo se salta de página cuando el contador pasa de 55.
        if (pagina.Numero < n) {
            EXPECT_GE(ultima, 54) << "página " << pagina.Numero;
        }
        EXPECT_LE(ultima, 55) << "página " << pagina.Numero;
        for (const TextoInforme& t : pagina.Textos)
            EXPECT_TRUE(t.Estilo == EstiloInforme::Cuerpo || t.Columna == 15) << t.Texto;
    }
}

TEST_F(InformeFredlundKrahn, DatosPublicadosConDosDecimales)
{
    // Talud y superficie de falla, en pies del artículo.
    const double talud[][2] = {{180, 60}, {120, 60}, {40, 20}, {0, 20}};
    EXPECT_EQ(Fila("Coordenadas del talud", 1), (std::vector<std::string>{"X", "(m)", "Y", "(m)"}));
    for (int k = 0; k < 4; ++k)
        EXPECT_EQ(Fila("Coordenadas del talud", k + 2),
                  (std::vector<std::string>{Dos(talud[k][0] * Pie), Dos(talud[k][1] * Pie)}));
    // La cabecera y los números de una columna terminan en la misma celda.
    const std::size_t i = Buscar(lineas, "Coordenadas del talud");
    EXPECT_EQ(lineas[i + 1].texto.find("X (m)") + 5, lineas[i + 2].texto.find(" ", 15));

    // Estrato: c = 600/62.4 pies de agua, φ = 20°, γ = 120/62.4; estrato natural "B".
    const auto estrato = Fila("Propiedades geomecánicas de los estratos", 9);
    ASSERT_EQ(estrato.size(), 9u);
    EXPECT_EQ(estrato[0], "1");
    EXPECT_EQ(estrato[1], Dos(600.0 / 62.4 * Pie));
    EXPECT_EQ(estrato[2], "20.00");
    EXPECT_EQ(estrato[3], Dos(120.0 / 62.4));
    EXPECT_EQ(estrato[5], "B");
    EXPECT_EQ(Fila("Propiedades geomecánicas de los estratos", 8),
              (std::vector<std::string>{"Est", "No", "c", "(ton/m2)", "Ø", "º", "Þh(ton/m3)",
                                        "Þs(ton/m3", "A/B", "B", "CV(cm2/s", "t(meses)"}));

    // Círculo: centro (180 − 120, 90) pies, radio 80 pies.
    EXPECT_EQ(Fila("Coordenadas y radio del círculo de falla", 2),
              (std::vector<std::string>{Dos(60 * Pie), Dos(90 * Pie), Dos(80 * Pie)}));
    EXPECT_EQ(Fila("Tipo de falla entre los puntos que la definen.", 8),
              (std::vector<std::string>{"1", "2", "C"}));
    EXPECT_EQ(Fila("Coeficientes Sísmicos", 4), (std::vector<std::string>{"0.00", "0.00"}));
    // Sin cargas: los encabezados solos, uno tras otro.
    EXPECT_EQ(
        SinBlancosDelante(lineas[Buscar(lineas, "Cargas uniformemente distribuidas.") + 1].texto),
        "Cargas puntuales.");
    // Sin grieta.
    EXPECT_EQ(
        SinBlancosDelante(lineas[Buscar(lineas, "Coordenadas de la grieta de tracción") + 1].texto),
        "Coordenadas del nivel freático en la grieta");
}

TEST_F(InformeFredlundKrahn, FactorDeSeguridadPublicadoConTresDecimales)
{
    const auto finales = Fila("Parámetros finales de cálculo", 2);
    ASSERT_EQ(finales.size(), 1u) << "Bishop no tiene multiplicadores";
    EXPECT_TRUE(std::regex_match(finales[0], std::regex(R"(\d+\.\d{3})"))) << finales[0];
    EXPECT_NEAR(Numero(finales[0]), 2.080, 0.01); // Bishop, tabla 2 del artículo
}

// Cada dovela: el centro de la base sobre el círculo, el talud encima, el suelo seco del caso
// y τ = (c + σ' tan φ)/F; las sumas son las de las columnas.
TEST_F(InformeFredlundKrahn, TablaDeDovelasContraLaGeometriaYMohrCoulomb)
{
    const double xc = 60 * Pie, yc = 90 * Pie, R = 80 * Pie;
    const double c = 600.0 / 62.4 * Pie, tanPhi = std::tan(20.0 * std::acos(-1.0) / 180.0);
    const double F = Numero(Fila("Parámetros finales de cálculo", 2)[0]);
    auto taludEn = [](double x) {
        if (x >= 120 * Pie) return 60 * Pie;
        if (x <= 40 * Pie) return 20 * Pie;
        return 20 * Pie + (x - 40 * Pie) / 2.0;
    };
    const std::vector<std::string> cabecera = {"No", "dx", "xo", "yo", "yt", "u",
                                               "c",  "Ø",  "þ",  "£",  "£'", "tau"};
    std::size_t i = Buscar(lineas, "Características geométricas y geomecánicas de las dovelas.");
    i += 11; // la leyenda de suelos tiene diez líneas
    ASSERT_EQ(Palabras(lineas[i].texto), cabecera);
    double sumaDx = 0, sumaSigma = 0, sumaEfectivo = 0, sumaTau = 0;
    int dovelas = 0, repeticiones = 0, paginaAnterior = lineas[i].pagina;
    for (++i; i < lineas.size(); ++i) {
        const auto w = Palabras(lineas[i].texto);
        if (lineas[i].pagina != paginaAnterior) {
            // La fila anterior llenó la línea 55; la cabecera se repite en la línea 4.
            EXPECT_EQ(lineas[i - 1].linea, 55);
            EXPECT_EQ(lineas[i].linea, 4);
            paginaAnterior = lineas[i].pagina;
            if (w == cabecera) {
                ++repeticiones;
                continue;
            }
        }
        if (w.size() != cabecera.size()) break;
        ++dovelas;
        EXPECT_EQ(w[0], std::to_string(dovelas));
        const double xo = Numero(w[2]), yo = Numero(w[3]);
        EXPECT_NEAR(std::hypot(xo - xc, yo - yc), R, 0.01) << "dovela " << dovelas;
        EXPECT_NEAR(Numero(w[4]), taludEn(xo), 0.01) << "dovela " << dovelas;
        EXPECT_EQ(w[5], "0.00");
        EXPECT_EQ(w[6], Dos(c));
        EXPECT_EQ(w[7], "20.00");
        EXPECT_EQ(w[8], Dos(120.0 / 62.4));
        EXPECT_EQ(w[9], w[10]) << "sin agua σ' = σ";
        EXPECT_NEAR(Numero(w[11]), (c + Numero(w[10]) * tanPhi) / F, 0.01) << dovelas;
        for (std::size_t k = 1; k < w.size(); ++k)
            EXPECT_TRUE(std::regex_match(w[k], std::regex(R"(-?\d+\.\d\d)"))) << w[k];
        sumaDx += Numero(w[1]);
        sumaSigma += Numero(w[9]);
        sumaEfectivo += Numero(w[10]);
        sumaTau += Numero(w[11]);
    }
    EXPECT_EQ(dovelas, p.NumeroPuntosDovelas - 1);
    EXPECT_GE(dovelas, 90);
    EXPECT_GE(repeticiones, 1);
    const double redondeo = dovelas * 0.005;
    // Los extremos del círculo en el talud: en la corona (y = 60) x' = 60 + √(80² − 30²) y en
    // la base (y = 20) x' = 60 − √(80² − 70²).
    const double ancho = std::sqrt(80.0 * 80 - 30 * 30) + std::sqrt(80.0 * 80 - 70 * 70);
    EXPECT_NEAR(sumaDx, ancho * Pie, redondeo);
    EXPECT_EQ(SinBlancosDelante(lineas[i].texto),
              "Suma esfuerzos actuantes en la superficie de falla (ton/m2)");
    const auto sumas = Palabras(lineas[i + 2].texto);
    ASSERT_EQ(sumas.size(), 5u);
    EXPECT_NEAR(Numero(sumas[0]), sumaSigma, redondeo);
    EXPECT_NEAR(Numero(sumas[1]), sumaEfectivo, redondeo);
    EXPECT_NEAR(Numero(sumas[2]), sumaTau, redondeo);
    EXPECT_EQ(sumas[3], "0.00");
    EXPECT_EQ(sumas[4], "0.00");
    EXPECT_EQ(lineas.back().texto, lineas[i + 2].texto) << "sin (FS)a no hay anclajes";
}

// ---------------------------------------------------------------------------------------------
// Casos de borde.

std::vector<std::string> LineasDeLaDescripcion(const std::string& descripcion)
{
    Proyecto p = prueba::SueloCirculoUnico();
    p.Descripcion = descripcion;
    const auto filas = FilasDePagina(GenerarInforme(p).Paginas.front());
    std::vector<std::string> lineas;
    for (std::size_t l = 5; !filas[l].empty(); ++l)
        lineas.push_back(filas[l].substr(15));
    return lineas;
}

TEST(Informe, DescripcionDe125CaracteresEnUnaLineaYDe126Cortada)
{
    const std::string x100(100, 'x'), x101(101, 'x'), y24(24, 'y');
    EXPECT_EQ(LineasDeLaDescripcion(x100 + " " + y24), (std::vector{x100 + " " + y24}));
    EXPECT_EQ(LineasDeLaDescripcion(x101 + " " + y24), (std::vector{x101, y24}));
    // Se corta en el primer blanco después de MÁS de 100 caracteres reunidos.
    const std::string y30(30, 'y');
    EXPECT_EQ(LineasDeLaDescripcion(x100 + " " + y30), (std::vector{x100 + " " + y30}));
    EXPECT_EQ(LineasDeLaDescripcion(x101 + " " + y30 + " " + y24),
              (std::vector{x101, y30 + " " + y24}));
    // Los saltos de línea son blancos; una letra acentuada es un carácter.
    EXPECT_EQ(LineasDeLaDescripcion(x101 + "\r\n" + "yy"), (std::vector{x101 + "  yy"}));
    EXPECT_EQ(LineasDeLaDescripcion(x101 + "\n" + y30), (std::vector{x101, y30}));
    std::string enes;
    for (int k = 0; k < 125; ++k)
        enes += "ñ";
    EXPECT_EQ(LineasDeLaDescripcion(enes), (std::vector{enes}));
}

TEST(Informe, NotaDelMetodoYDeLosParametrosInstantaneos)
{
    struct Caso {
        Metodo metodo;
        bool instantaneos;
        const char* nota; // "" sin nota
    };
    const Caso casos[] = {
        {Metodo::Variacional, false,
         "Nota:Cálculo hecho por el método de Leshchinsky and Ching-Chuan Huang"},
        {Metodo::Bishop, false, "Nota:Cálculo hecho por el método de Bishop"},
        {Metodo::Fellenius, false, "Nota:Cálculo hecho por el método de Fellenius"},
        {Metodo::Janbu, false, "Nota:Cálculo hecho por el método de Janbu"},
        {Metodo::Variacional, true,
         "Nota:Cálculo con parámetros instantáneos por el método Dov Leshchinsky and Huang"},
        {Metodo::Bishop, true, "Nota:Cálculo con parámetros instantáneos por el método Bishop"},
        {Metodo::Fellenius, true, "Nota:Cálculo hecho por el método de Fellenius"},
        {Metodo::Janbu, true, "Nota:Cálculo con parámetros instantáneos por el método Janbu"},
        {Metodo::SinDefinir, false, ""},
        {static_cast<Metodo>(7), true, ""},
    };
    for (const Caso& caso : casos) {
        Proyecto p = prueba::SueloCirculoUnico();
        p.MetodoDeCalculo = caso.metodo;
        p.UsaParametrosInstantaneos = caso.instantaneos;
        const auto filas = FilasDePagina(GenerarInforme(p).Paginas.front());
        // Tras la empresa (línea 11), una línea en blanco y la nota; sin nota, la sección
        // siguiente.
        const std::string esperada = *caso.nota ? caso.nota : "Coordenadas del talud";
        EXPECT_EQ(SinBlancosDelante(filas[13]), esperada);
    }
}

TEST(Informe, AnclajesEnUnaPaginaNuevaSoloConFactorPositivo)
{
    Proyecto p = prueba::SueloConResultados(3); // (FS)a 1.5, i 15°, d 1.25", 17500 kg/cm2
    const Informe con = GenerarInforme(p);
    const auto& ultima = con.Paginas.back();
    const auto filas = FilasDePagina(ultima);
    EXPECT_EQ(filas[4],
              std::string(15, ' ') + "Datos de anclajes y separación aproximada de los anclajes");
    EXPECT_EQ(SinBlancosDelante(filas[5]),
              "(FS)a: Factor de seguridad proporcionado por los anclajes.");
    EXPECT_EQ(Palabras(filas[12]),
              (std::vector<std::string>{"(FS)a", "i(º)", "d(pulg)", "Esf_u", "(Kg/cm2)", "Ng", "Sa",
                                        "(m)", "Sp", "(m)"}));
    EXPECT_EQ(Palabras(filas[13]), (std::vector<std::string>{"1.50", "15.00", "1.25", "17500.00",
                                                             "4.00", "2.50", "3.00"}));
    // La página anterior termina con las sumas, aunque le sobre sitio.
    const auto lineas = Contenido(con);
    const std::size_t i =
        Buscar(lineas, "Suma esfuerzos actuantes en la superficie de falla (ton/m2)");
    EXPECT_EQ(lineas[i + 2].pagina + 1, ultima.Numero);
    EXPECT_LT(lineas[i + 2].linea, 50);

    for (double sinAnclaje : {0.0, -1.0}) {
        p.FactorSeguridadConAnclaje = sinAnclaje;
        const Informe sin = GenerarInforme(p);
        EXPECT_EQ(sin.Paginas.size() + 1, con.Paginas.size());
        for (const std::string& e : Encabezados(sin))
            EXPECT_EQ(e.find("anclajes"), std::string::npos);
    }
}

TEST(Informe, GrietaCargasYSeccionesSinDatos)
{
    const auto lineas = Contenido(GenerarInforme(prueba::SueloConResultados(4)));
    auto fila = [&](const char* encabezado, int n) {
        return Palabras(lineas[Buscar(lineas, encabezado) + static_cast<std::size_t>(n)].texto);
    };
    EXPECT_EQ(fila("Coordenadas de la grieta de tracción", 2),
              (std::vector<std::string>{"45.00", "20.00"}));
    EXPECT_EQ(fila("Coordenadas de la grieta de tracción", 3),
              (std::vector<std::string>{"45.00", "18.50"}));
    EXPECT_EQ(fila("Coordenadas del nivel freático en la grieta", 2),
              (std::vector<std::string>{"45.00", "19.25"}));
    // Un estrato terraplén y uno natural; Cv con dos decimales.
    EXPECT_EQ(fila("Propiedades geomecánicas de los estratos", 9),
              (std::vector<std::string>{"1", "1.50", "29.00", "1.80", "2.10", "A", "0.25", "0.00",
                                        "6.00"}));
    EXPECT_EQ(fila("Propiedades geomecánicas de los estratos", 10)[5], "B");
    EXPECT_EQ(fila("Cargas uniformemente distribuidas.", 8),
              (std::vector<std::string>{"50.00", "20.00", "58.00", "20.00", "0.00", "0.67"}));
    EXPECT_EQ(fila("Cargas puntuales.", 6),
              (std::vector<std::string>{"44.50", "44.50", "44.50", "44.50"}));
    EXPECT_EQ(fila("Cargas puntuales.", 7),
              (std::vector<std::string>{"-3.25", "-3.25", "-3.25", "-3.25"}));
    // Superficie compuesta: el círculo sin fila; Janbu sin multiplicadores, FS = 1 + π/10.
    EXPECT_EQ(fila("Coordenadas y radio del círculo de falla", 1),
              (std::vector<std::string>{"Parámetros", "finales", "de", "cálculo"}));
    EXPECT_EQ(fila("Parámetros finales de cálculo", 2), (std::vector<std::string>{"1.314"}));
    EXPECT_EQ(fila("Tipo de falla entre los puntos que la definen.", 9),
              (std::vector<std::string>{"2", "4", "P"}));

    // Sin resultados: encabezados solos.
    const auto sin = Contenido(GenerarInforme(prueba::SueloCirculoUnico()));
    auto siguiente = [&](const char* encabezado) {
        return SinBlancosDelante(sin[Buscar(sin, encabezado) + 1].texto);
    };
    EXPECT_EQ(siguiente("Parámetros finales de cálculo"), "Coeficientes Sísmicos");
    EXPECT_EQ(siguiente("Características geométricas y geomecánicas de las dovelas."),
              "Suma esfuerzos actuantes en la superficie de falla (ton/m2)");
    EXPECT_EQ(sin.back().texto.find("Suma esfuerzos"), 15u);
    // Parámetros iniciales: µ1/µ2 = 31/3, 1/µ2 = 45.125, ND entero.
    EXPECT_EQ(Palabras(sin[Buscar(sin, "Parámetros iniciales de cálculo") + 8].texto),
              (std::vector<std::string>{"10.33", "45.13", "1.20", "-0.50", "25"}));
}

// El ejemplo de macizo rocoso (sin resultados) y una roca calculada con parámetros instantáneos.
TEST(Informe, MacizoRocoso)
{
    const Proyecto ejemplo =
        prueba::Leido(std::string(VERTANA_EJEMPLOS) + "/talud_roca_variacional.cod");
    const auto lineas = Contenido(GenerarInforme(ejemplo));
    const std::size_t i = Buscar(lineas, "Propiedades geomecánicas de los estratos");
    EXPECT_EQ(SinBlancosDelante(lineas[i + 1].texto),
              "(mi,si); (m,s): Parámetros de la roca roca intacta y del macizo rocoso.");
    EXPECT_EQ(SinBlancosDelante(lineas[i + 5].texto), "cs: Compresión simple");
    EXPECT_EQ(Palabras(lineas[i + 6].texto),
              (std::vector<std::string>{"Est", "No", "mi", "GSI", "m", "s", "Þn(ton/m3)",
                                        "Þs(ton/m3)", "cs", "(ton/m2)"}));
    const auto fila = Palabras(lineas[i + 7].texto);
    ASSERT_EQ(fila.size(), 8u);
    EXPECT_EQ(fila[1], "10.00");
    EXPECT_EQ(fila[2], "50.00");
    // Hoek, Carranza-Torres y Corkum (2002) con D = 0: m = mi·e^((GSI−100)/28),
    // s = e^((GSI−100)/9); m con cuatro decimales y s con cinco.
    EXPECT_TRUE(std::regex_match(fila[3], std::regex(R"(\d+\.\d{4})"))) << fila[3];
    EXPECT_NEAR(Numero(fila[3]), 10 * std::exp(-50.0 / 28), 0.0005);
    EXPECT_EQ(fila[4], "0.00387");
    EXPECT_NEAR(Numero(fila[4]), std::exp(-50.0 / 9), 0.000005);
    EXPECT_EQ(fila[7], "50.00");
    EXPECT_EQ(SinBlancosDelante(lineas[Buscar(lineas, "Coordenadas del talud") - 1].texto),
              "Nota:Cálculo hecho por el método de Leshchinsky and Ching-Chuan Huang");
    EXPECT_EQ(
        Palabras(
            lineas[Buscar(lineas, "Tipo de falla entre los puntos que la definen.") + 9].texto),
        (std::vector<std::string>{"2", "3", "L"}));

    // Roca con resultados: columnas m, s, c, fi y los esfuerzos principales.
    const auto roca = Contenido(GenerarInforme(prueba::RocaConResultados(true)));
    EXPECT_EQ(SinBlancosDelante(roca[Buscar(roca, "Coordenadas del talud") - 1].texto),
              "Nota:Cálculo con parámetros instantáneos por el método Dov Leshchinsky and Huang");
    const std::size_t d =
        Buscar(roca, "Características geométricas y geomecánicas de las dovelas.");
    EXPECT_EQ(SinBlancosDelante(roca[d + 6].texto),
              "m,s: Parámetros de caracterización de la roca.");
    EXPECT_EQ(SinBlancosDelante(roca[d + 13].texto), "£1 (ton/m2): Esfuerzo principal mayor.");
    EXPECT_EQ(Palabras(roca[d + 14].texto),
              (std::vector<std::string>{"No", "dx", "xo", "yo", "yt", "u", "m", "s", "c", "fi", "þ",
                                        "£", "£'", "tau", "£3", "£1"}));
    // La tabla de prueba pone en la columna t el valor t + k/7 (dovela k).
    const auto primera = Palabras(roca[d + 15].texto);
    ASSERT_EQ(primera.size(), 16u);
    EXPECT_EQ(primera[6], "8.1429");  // 8 + 1/7
    EXPECT_EQ(primera[7], "9.14286"); // 9 + 1/7
    EXPECT_EQ(primera[14], "15.14");  // σ3
    EXPECT_EQ(primera[15], "16.14");  // σ1
    // Multiplicadores y factor finales del método variacional: 25 + 1/3, 39.875, 1.3456789.
    EXPECT_EQ(Palabras(roca[Buscar(roca, "Parámetros finales de cálculo") + 2].texto),
              (std::vector<std::string>{"25.33", "39.88", "1.346"}));
}

TEST(Informe, TextoConSaltosDePagina)
{
    const Informe informe = GenerarInforme(prueba::SueloConResultados(3));
    const std::string texto = InformeComoTexto(informe);
    std::vector<std::string> paginas;
    std::string pagina;
    for (char c : texto) {
        if (c == '\f') {
            paginas.push_back(pagina);
            pagina.clear();
        } else {
            pagina += c;
        }
    }
    paginas.push_back(pagina);
    ASSERT_EQ(paginas.size(), informe.Paginas.size());
    for (std::size_t k = 0; k < paginas.size(); ++k) {
        EXPECT_EQ(std::count(paginas[k].begin(), paginas[k].end(), '\n'), 57);
        EXPECT_EQ(paginas[k].substr(0, 4), "\n\n\n\n");
        EXPECT_NE(paginas[k].find("\n" + std::string(48, ' ') + std::to_string(k + 1) + "\n"),
                  std::string::npos);
    }
    EXPECT_EQ(CeldasDeTexto("Þs(ton/m3) £' µ1/µ2"), 19);
}

} // namespace
} // namespace vertana
