// Geometría de los dibujos: marcas de los ejes, escalas, polígonos de los estratos, la escena de
// la sección de un problema publicado y los gráficos de esfuerzos. Los valores esperados salen
// de cálculos a mano o de los datos publicados (tests/datos/clasicos/FUENTES.md), y los píxeles
// esperados de una transformación escrita aquí aparte.
#include "apoyo/interaccion_guionada.h"
#include "calculo/calculo.h"
#include "cli/interaccion_lote.h"
#include "cli/orden_calcular.h"
#include "io/archivo_proyecto.h"
#include "model/textos.h"
#include "output/grafico_esfuerzos.h"
#include "output/grafico_seccion.h"

#include "proyectos_de_prueba.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <string>

namespace vertana {
namespace {

const std::string Clasicos = std::string(VERTANA_DATOS_PRUEBA) + "/clasicos/";
const std::string Ejemplos = std::string(VERTANA_EJEMPLOS) + "/";

// Fredlund y Krahn (1977), caso 1: círculo de centro (60 pies, 90 pies) y radio 80 pies en la
// geometría reflejada del archivo, talud de 0 a 180 pies de ancho y 60 pies de alto.
constexpr double Pie = 0.3048;
constexpr double XcFK = 60 * Pie, YcFK = 90 * Pie, RFK = 80 * Pie;
constexpr double AnchoFK = 180 * Pie, AltoFK = 60 * Pie;

Proyecto Calculado(const std::string& ruta, Metodo metodo)
{
    Proyecto p = prueba::Leido(ruta);
    EstadoCalculo e;
    ReiniciarEstadoCalculo(e);
    InteraccionLote ui;
    PrepararRespuestasPorLotes(ui, false);
    EXPECT_TRUE(Calcular(p, e, metodo, {}, ui).Convergio()) << ruta;
    return p;
}

// Distancia de un píxel a una poligonal.
double Distancia(const std::vector<PuntoPx>& linea, PuntoPx q)
{
    double menor = 1e300;
    for (std::size_t k = 1; k < linea.size(); ++k) {
        const PuntoPx a = linea[k - 1], b = linea[k];
        const double dx = b.x - a.x, dy = b.y - a.y, l2 = dx * dx + dy * dy;
        const double t =
            l2 > 0 ? std::clamp(((q.x - a.x) * dx + (q.y - a.y) * dy) / l2, 0.0, 1.0) : 0.0;
        menor = std::min(menor, std::hypot(a.x + t * dx - q.x, a.y + t * dy - q.y));
    }
    return menor;
}

const Linea* LineaDe(const Escena& e, Color color, double grosor)
{
    for (const Linea& l : e.lineas)
        if (l.color == color && l.grosor == grosor) return &l;
    return nullptr;
}

TEST(Ejes, MarcasRedondasConPasoMinimo)
{
    // 54.864 m en a lo sumo 10 marcas: 5.49 m, el siguiente número redondo es 10.
    MarcasEje m = CalcularMarcas(0.0, 54.864, 10, 1.0);
    EXPECT_DOUBLE_EQ(m.paso, 10.0);
    EXPECT_EQ(m.valores, (std::vector<double>{0, 10, 20, 30, 40, 50}));
    EXPECT_EQ(m.decimales, 0);
    // -3.2 a 7.9: 1.11 por marca, redondo 2; desde el primer múltiplo de 2 que no baja de -3.2.
    m = CalcularMarcas(-3.2, 7.9, 10, 1.0);
    EXPECT_EQ(m.valores, (std::vector<double>{-2, 0, 2, 4, 6}));
    // El paso nunca baja de 1 en los gráficos: entre 0.1 y 0.4 no queda ninguna marca.
    m = CalcularMarcas(0.1, 0.4, 10, 1.0);
    EXPECT_DOUBLE_EQ(m.paso, 1.0);
    EXPECT_TRUE(m.valores.empty());
    // Sin paso mínimo (la vista acercada): 0.05 con dos decimales.
    m = CalcularMarcas(0.0, 0.5, 10, 0.0);
    EXPECT_DOUBLE_EQ(m.paso, 0.05);
    EXPECT_EQ(m.decimales, 2);
    EXPECT_EQ(m.valores.size(), 11u);
    EXPECT_EQ(TextoValor(-0.0001, 2), "0.00");
}

TEST(Ejes, EscalasIgualesAgrandanElMundoCentrado)
{
    // 10 m × 5 m en 200 × 200 px: 20 px/m en las dos direcciones, y de -2.5 a 7.5 m.
    const Transformacion t = Ajustar({0, 0, 10, 5}, {0, 0, 200, 200}, true);
    EXPECT_DOUBLE_EQ(t.ex, 20.0);
    EXPECT_DOUBLE_EQ(t.ey, 20.0);
    EXPECT_DOUBLE_EQ(t.mundo.y0, -2.5);
    EXPECT_DOUBLE_EQ(t.mundo.y1, 7.5);
    EXPECT_DOUBLE_EQ(t.Pixel(10, 7.5).x, 200.0);
    EXPECT_DOUBLE_EQ(t.Pixel(10, 7.5).y, 0.0);
    EXPECT_DOUBLE_EQ(t.AbscisaEn(100), 5.0);
    EXPECT_DOUBLE_EQ(t.OrdenadaEn(100), 2.5);
    const Transformacion libre = Ajustar({0, 0, 10, 5}, {0, 0, 200, 200}, false);
    EXPECT_DOUBLE_EQ(libre.ey, 40.0);
}

TEST(Ejes, LosTextosColocadosNoSeMontan)
{
    Texto a;
    a.texto = "Estrato";
    a.tamano = 10;
    a.ancla = {50, 50};
    Texto b = a;
    b.ancla = {52, 52}; // encima de a
    Texto c = a;
    c.ancla = {52, 80}; // debajo, libre
    std::vector<Rectangulo> ocupado;
    const auto colocados = ColocarTextos({{a}, {b, c}}, {0, 0, 200, 200}, ocupado);
    ASSERT_EQ(colocados.size(), 2u);
    EXPECT_EQ(colocados[1].ancla, c.ancla);
    EXPECT_FALSE(colocados[0].Caja().SeCruzaCon(colocados[1].Caja()));
    // Fuera de los límites no se coloca.
    a.ancla = {-100, 50};
    EXPECT_TRUE(ColocarTextos({{a}}, {0, 0, 200, 200}, ocupado).empty());
}

TEST(Perfiles, MinimoConCruceYPoligonosDeEstratos)
{
    const Perfil subida = PerfilDe({{10, 10}, {0, 0}});
    const Perfil plano = PerfilDe({{0, 5}, {10, 5}});
    EXPECT_EQ(MinimoDePerfiles(subida, plano), (Perfil{{0, 0}, {5, 5}, {10, 5}}));
    // Una abscisa repetida se inclina 0.01 m.
    EXPECT_EQ(PerfilDe({{0, 0}, {0, 1}}), (Perfil{{0, 0}, {0.01, 1}}));

    // El ejemplo de dos estratos (talud (0,10) (20,10) (40,20) (60,20); línea 1 (0,9) (30,11)
    // (60,13); línea 2 en y = 0). A mano: el estrato 1 es max(0, talud − línea 1), que se anula
    // entre x = 15 y x = 270/13; su área es 7.5 + 80.1282 + 153.3333 = 240.9615 m²; el 2 es el
    // resto de los 900 m² bajo el talud.
    const Proyecto p = prueba::Leido(Ejemplos + "talud_estratificado_janbu.cod");
    const GeometriaSeccion g = CalcularGeometriaSeccion(p, {});
    ASSERT_EQ(g.estratos.size(), 2u);
    const double a = 270.0 / 13.0;
    const double area1 = 7.5 + (-9 * (40 - a) + 13.0 / 60.0 * (1600 - a * a)) + (220 - 2000.0 / 30);
    EXPECT_NEAR(std::fabs(AreaPoligono(g.estratos[0])), area1, 1e-9);
    EXPECT_NEAR(std::fabs(AreaPoligono(g.estratos[1])), 900.0 - area1, 1e-9);
    for (const Poligono& poligono : g.estratos) {
        ASSERT_GE(poligono.size(), 4u);
        EXPECT_EQ(poligono.front(), poligono.back()); // cerrado
    }
    // Sin montarse: en cada abscisa el estrato 2 queda bajo el 1.
    for (double x = 0.5; x < 60; x += 0.5) {
        double techo2 = -1e9, piso1 = 1e9;
        for (int i = 0; i < 2; ++i)
            for (std::size_t k = 1; k < g.estratos[i].size(); ++k) {
                const PuntoXY u = g.estratos[i][k - 1], v = g.estratos[i][k];
                if (u.x == v.x || x < std::min(u.x, v.x) || x > std::max(u.x, v.x)) continue;
                const double y = u.y + (v.y - u.y) * (x - u.x) / (v.x - u.x);
                if (i == 0) piso1 = std::min(piso1, y);
                if (i == 1) techo2 = std::max(techo2, y);
            }
        EXPECT_LE(techo2, piso1 + 1e-9) << x;
    }
}

// La sección de Fredlund y Krahn en 1000 × 700 px sin título ni leyenda. La transformación
// esperada: la extensión de los datos (0..180 pies × 0..60 pies) con un 5 % a cada lado, con la
// misma escala en x y en y, centrada en el área del dibujo.
TEST(Seccion, FredlundKrahnExtensionMarcasYSuperficieEnSusPixeles)
{
    const Proyecto p = prueba::Leido(Clasicos + "fredlund_krahn_1977_caso1.cod");
    OpcionesSeccion o;
    o.leyenda = false;
    o.extremos = false;
    const Escena e = EscenaSeccion(p, o);
    const GeometriaSeccion g = CalcularGeometriaSeccion(p, o);
    EXPECT_NEAR(g.extremos.x0, 0.0, 1e-9);
    EXPECT_NEAR(g.extremos.x1, AnchoFK, 1e-9);
    EXPECT_NEAR(g.extremos.y0, 0.0, 1e-9);
    EXPECT_NEAR(g.extremos.y1, AltoFK, 1e-9);

    const Rectangulo& area = e.transformacion.area;
    const double anchoMundo = 1.1 * AnchoFK, altoMundo = 1.1 * AltoFK;
    const double escala = std::min(area.Ancho() / anchoMundo, area.Alto() / altoMundo);
    auto pixel = [&](double x, double y) {
        return PuntoPx{(area.x0 + area.x1) / 2 + (x - AnchoFK / 2) * escala,
                       (area.y0 + area.y1) / 2 - (y - AltoFK / 2) * escala};
    };
    // La superficie de falla pasa por los píxeles del círculo publicado.
    const Linea* falla = LineaDe(e, colores::Falla, 2.5);
    ASSERT_NE(falla, nullptr);
    const double x1 = p.AbscisasFalla(2), x2 = p.AbscisasFalla(1);
    for (int k = 0; k <= 40; ++k) {
        const double x = x1 + (x2 - x1) * k / 40;
        const double y = YcFK - std::sqrt(RFK * RFK - (x - XcFK) * (x - XcFK));
        EXPECT_LT(Distancia(falla->puntos, pixel(x, y)), 0.5) << x;
    }
    // El talud, con sus cuatro puntos en sus píxeles.
    const Linea* talud = LineaDe(e, colores::Talud, 2.0);
    ASSERT_NE(talud, nullptr);
    ASSERT_EQ(talud->puntos.size(), 4u);
    EXPECT_NEAR(talud->puntos[0].x, pixel(AnchoFK, AltoFK).x, 1e-6);
    EXPECT_NEAR(talud->puntos[3].y, pixel(0, 20 * Pie).y, 1e-6);

    // Los valores del eje x: números redondos, igualmente espaciados, cada uno en su píxel.
    std::vector<double> valores;
    for (const Texto& t : e.textos)
        if (t.v == AlineacionV::Arriba && t.ancla.y > area.y1 && t.ancla.y < area.y1 + 20) {
            const double v = std::stod(t.texto);
            valores.push_back(v);
            EXPECT_NEAR(t.ancla.x, pixel(v, 0).x, 1e-6) << t.texto;
        }
    ASSERT_GE(valores.size(), 5u);
    const double paso = valores[1] - valores[0];
    const double potencia = std::pow(10.0, std::floor(std::log10(paso)));
    const double mantisa = paso / potencia;
    EXPECT_TRUE(mantisa == 1 || mantisa == 2 || mantisa == 5) << paso;
    for (std::size_t k = 1; k < valores.size(); ++k)
        EXPECT_NEAR(valores[k] - valores[k - 1], paso, 1e-9);
    EXPECT_LE(valores.front() - paso, -0.05 * AnchoFK); // la primera marca es la primera que cabe
    EXPECT_GE(valores.back() + paso, 1.05 * AnchoFK);
}

TEST(Seccion, TextosDentroDelDibujoSinMontarseYFactorDeSeguridad)
{
    for (const char* archivo : {"talud_estratificado_janbu.cod", "talud_homogeneo_bishop.cod"}) {
        const Proyecto p = prueba::Leido(Ejemplos + archivo);
        OpcionesSeccion o;
        o.titulo = textos::TituloGeometriaTalud;
        o.factorSeguridad = 1.234;
        o.nombreMetodo = "Janbu";
        const Escena e = EscenaSeccion(p, o);
        std::vector<Rectangulo> dentro;
        bool factor = false;
        for (const Texto& t : e.textos) {
            const Rectangulo c = t.Caja();
            EXPECT_GE(c.x0, 0) << t.texto;
            EXPECT_LE(c.x1, o.ancho) << t.texto;
            EXPECT_GE(c.y0, 0) << t.texto;
            EXPECT_LE(c.y1, o.alto) << t.texto;
            if (t.fondo) dentro.push_back(c);
            factor = factor || t.texto == "FS = 1.234 (Janbu)";
        }
        EXPECT_TRUE(factor) << archivo;
        EXPECT_GE(dentro.size(), 2u) << archivo; // el factor y al menos un número de estrato
        for (std::size_t i = 0; i < dentro.size(); ++i)
            for (std::size_t j = i + 1; j < dentro.size(); ++j)
                EXPECT_FALSE(dentro[i].SeCruzaCon(dentro[j])) << archivo;
    }
}

TEST(Seccion, ConjuntoEnEdicionYPuntoElegido)
{
    Proyecto p = prueba::Leido(Clasicos + "fredlund_krahn_1977_caso1.cod");
    OpcionesSeccion o;
    o.edicion = ConjuntoEnEdicion{1, 1, {{54.864, 18.288}, {36.576, 18.288}, {0, 2020}}, 3};
    const GeometriaSeccion g = CalcularGeometriaSeccion(p, o);
    EXPECT_EQ(g.talud.size(), 3u);
    EXPECT_DOUBLE_EQ(g.extremos.y1, 2020.0); // el punto mal escrito se ve
    const Escena e = EscenaSeccion(p, o);
    int anillos = 0;
    for (const Marca& m : e.marcas)
        if (m.forma == FormaMarca::Anillo) {
            ++anillos;
            EXPECT_NEAR(m.centro.y, e.transformacion.Pixel(0, 2020).y, 1e-9);
        }
    EXPECT_EQ(anillos, 1);
    // Uniones que no cubren los puntos: la superficie se dibuja por sus puntos, a trazos.
    o.edicion = ConjuntoEnEdicion{2, 1, {{40, 18}, {20, 3}, {6, 6}}, 0};
    const GeometriaSeccion sinUnion = CalcularGeometriaSeccion(p, o);
    EXPECT_FALSE(sinUnion.superficieConstruida);
    EXPECT_EQ(sinUnion.superficie.size(), 3u);
}

TEST(Seccion, PreparacionDeLaGeometriaDelTalud)
{
    InteraccionGuionada ui;
    Proyecto vacio;
    ReiniciarProyecto(vacio);
    EXPECT_FALSE(PrepararGraficoGeometria(vacio, ui).dibujar);
    ASSERT_EQ(ui.Mensajes().size(), 1u);
    EXPECT_EQ(ui.Eventos().back().texto, textos::SinCoordenadasTalud);
    EXPECT_EQ(ui.Eventos().back().titulo, textos::TituloSinTalud);

    // Sin centro guardado, el centro del círculo de 80 pies por sus dos puntos es el publicado.
    Proyecto p = prueba::Leido(Clasicos + "fredlund_krahn_1977_caso1.cod");
    p.CentroCirculoX = p.CentroCirculoY = 0;
    p.CentroCirculoXGuardado = p.CentroCirculoYGuardado = 0;
    ui.EsperarPregunta(textos::PreguntaModificoSuperficie, true);
    PreparacionGeometria r = PrepararGraficoGeometria(p, ui);
    EXPECT_TRUE(r.dibujar && r.conSuperficie);
    EXPECT_EQ(r.origen, OrigenSuperficie::Definicion);
    EXPECT_NEAR(p.CentroCirculoX, XcFK, 0.002);
    EXPECT_NEAR(p.CentroCirculoY, YcFK, 0.002);
    EXPECT_DOUBLE_EQ(p.RadioCirculoFalla, RFK);

    // Con No y dovelas calculadas, la superficie sale de las dovelas.
    Proyecto calculado = Calculado(Clasicos + "fredlund_krahn_1977_caso1.cod", Metodo::Bishop);
    ui.EsperarPregunta(textos::PreguntaModificoSuperficie, false);
    EXPECT_EQ(PrepararGraficoGeometria(calculado, ui).origen, OrigenSuperficie::Dovelas);

    // Un círculo único sin radio: el aviso, y la superficie no se dibuja.
    p.RadioCirculoFalla = 0;
    ui.EsperarPregunta(textos::PreguntaModificoSuperficie, true);
    r = PrepararGraficoGeometria(p, ui);
    EXPECT_TRUE(r.dibujar);
    EXPECT_FALSE(r.conSuperficie);
    EXPECT_EQ(ui.Eventos().back().texto, textos::FaltaRadioSPF);
    EXPECT_EQ(ui.Eventos().back().titulo, textos::TituloRadioSPF);
    EXPECT_TRUE(ui.Cumplido());
}

TEST(GraficosEsfuerzos, SinResultadosAvisa)
{
    InteraccionGuionada ui;
    const Proyecto p = prueba::Leido(Clasicos + "fredlund_krahn_1977_caso1.cod");
    EXPECT_FALSE(ComprobarResultadosGrafico(p, ui));
    EXPECT_EQ(ui.Eventos().back().texto, textos::SinCalculoEsfuerzos);
    EXPECT_EQ(ui.Eventos().back().titulo, textos::TituloSinCalculoEsfuerzos);
}

TEST(GraficosEsfuerzos, PrincipalesDeSuelosRehechosConLaResistencia)
{
    // Una dovela: σ' = 10, τ = 2, FS = 1.5, φ = 30°. τf = 3, centro 10 + 3·0.5 = 11.5, radio
    // 3 / cos 30° = 3.4641: σ1 = 14.9641, σ3 = 8.0359.
    Proyecto p;
    ReiniciarProyecto(p);
    p.SueloRoca = Material::Suelo;
    p.HayResultados = true;
    p.NumeroPuntosDovelas = 2;
    p.NumeroIteraciones = 1;
    p.HistoriaFS = Tabla<double>(1);
    p.HistoriaFS(1) = 1.5;
    for (Tabla<double>* t :
         {&p.AbscisaCentroDovela, &p.EsfuerzoNormalDovela, &p.EsfuerzoEfectivoDovela,
          &p.EsfuerzoTangencialDovela, &p.FriccionDovela})
        *t = Tabla<double>(1);
    p.EsfuerzoEfectivoDovela(1) = 10;
    p.EsfuerzoTangencialDovela(1) = 2;
    p.FriccionDovela(1) = 30;
    RecalcularPrincipalesSuelo(p);
    ASSERT_EQ(p.EsfuerzoPrincipalMayorDovela.Tamano(), 1);
    EXPECT_NEAR(p.EsfuerzoPrincipalMayorDovela(1), 11.5 + 3 / std::sqrt(0.75), 1e-12);
    EXPECT_NEAR(p.EsfuerzoPrincipalMenorDovela(1), 8.0359, 1e-4);
}

// Fredlund y Krahn calculado por Bishop: el gráfico de τ lleva cada dovela a su píxel (los datos
// ampliados un 20 % a cada lado) y la resistencia de cada dovela, τ·FS, cae sobre la recta de
// Mohr-Coulomb publicada c = 600 psf (2.9308 ton/m2 en las unidades del archivo), φ = 20°.
TEST(GraficosEsfuerzos, TangencialesEnSusPixelesYResistenciaSobreLaEnvolvente)
{
    const Proyecto p = Calculado(Clasicos + "fredlund_krahn_1977_caso1.cod", Metodo::Bishop);
    const int n = p.NumeroPuntosDovelas - 1;
    ASSERT_EQ(n, 100);
    OpcionesGrafico o;
    const Escena e = EscenaEsfuerzos(p, TipoDeGrafico::Tangenciales, o);
    double x0 = 1e9, x1 = -1e9, y0 = 1e9, y1 = -1e9;
    for (int i = 1; i <= n; ++i) {
        x0 = std::min(x0, p.AbscisaCentroDovela(i));
        x1 = std::max(x1, p.AbscisaCentroDovela(i));
        y0 = std::min(y0, p.EsfuerzoTangencialDovela(i));
        y1 = std::max(y1, p.EsfuerzoTangencialDovela(i));
    }
    const double wx0 = x0 - 0.2 * (x1 - x0), wx1 = x1 + 0.2 * (x1 - x0);
    const double wy0 = y0 - 0.2 * (y1 - y0), wy1 = y1 + 0.2 * (y1 - y0);
    const Rectangulo& a = e.transformacion.area;
    const Linea* serie = LineaDe(e, colores::Rojo, 2.0);
    ASSERT_NE(serie, nullptr);
    ASSERT_EQ(static_cast<int>(serie->puntos.size()), n);
    for (int i = 1; i <= n; ++i) {
        const PuntoPx q = serie->puntos[static_cast<std::size_t>(i - 1)];
        EXPECT_NEAR(q.x, a.x0 + (p.AbscisaCentroDovela(i) - wx0) / (wx1 - wx0) * a.Ancho(), 1e-6);
        EXPECT_NEAR(q.y, a.y1 - (p.EsfuerzoTangencialDovela(i) - wy0) / (wy1 - wy0) * a.Alto(),
                    1e-6);
    }
    // La fuente conserva c/(γ·L): 600 psf / 120 pcf = 5 pies de suelo de γ = 120/62.4 γw.
    const double c = 600.0 / 120.0 * Pie * (120.0 / 62.4);
    const DatosGrafico d = DatosDelGrafico(p, TipoDeGrafico::ResistenciaVsNormal);
    ASSERT_EQ(d.series.size(), 1u);
    ASSERT_EQ(static_cast<int>(d.series[0].puntos.size()), n);
    for (const PuntoXY& q : d.series[0].puntos)
        EXPECT_NEAR(q.y, c + q.x * std::tan(20.0 * std::acos(-1.0) / 180), 0.001 * (1 + q.y));
    // El título y los colores de la leyenda de los gráficos de varias series.
    const DatosGrafico siete = DatosDelGrafico(p, TipoDeGrafico::NormalesYTangenciales);
    EXPECT_EQ(siete.titulo, textos::TituloGrafico7);
    ASSERT_EQ(siete.series.size(), 3u);
    EXPECT_EQ(siete.series[1].nombre, textos::LeyendaNormalEfectivo);
    EXPECT_EQ(siete.series[2].color, colores::Azul);
}

// Las líneas de los estratos (gráfico 9) se distinguen entre sí, de la superficie de falla, del
// talud y de las dovelas: ningún par de colores a menos de 80 en la suma de las diferencias de
// sus componentes.
TEST(ColoresDeEstratos, LasLineasSeDistinguen)
{
    auto distancia = [](const Color& a, const Color& b) {
        return std::abs(a.r - b.r) + std::abs(a.g - b.g) + std::abs(a.b - b.b);
    };
    constexpr int Minima = 80;
    constexpr int Estratos = 8; // la paleta se repite después
    for (int i = 1; i <= Estratos; ++i) {
        for (const Color& otro : {colores::Falla, colores::Talud, colores::Dovela})
            EXPECT_GE(distancia(ColorLineaDeEstrato(i), otro), Minima) << i;
        for (int j = i + 1; j <= Estratos; ++j)
            EXPECT_GE(distancia(ColorLineaDeEstrato(i), ColorLineaDeEstrato(j)), Minima)
                << i << " y " << j;
    }
}

} // namespace
} // namespace vertana
