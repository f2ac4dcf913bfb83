// El dibujo de una búsqueda sobre la sección: escala de colores, arcos, mapa de factores,
// leyenda y la comprobación de que la búsqueda sigue valiendo para el proyecto. Los valores
// esperados se calculan a mano en cada prueba.
#include "model/textos.h"
#include "output/escena_busqueda.h"
#include "proyectos_de_prueba.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace vertana {
namespace {

// Un círculo de centro (0, 10) y radio 10 que entra a −30° y sale a −150°: (±5√3, 5).
SuperficieEnsayo CirculoDePrueba()
{
    SuperficieEnsayo c;
    c.XCentro = 0.0;
    c.YCentro = 10.0;
    c.Radio = 10.0;
    c.Puntos = {{5.0 * std::sqrt(3.0), 5.0}, {-5.0 * std::sqrt(3.0), 5.0}};
    return c;
}

// Rejilla de 2 × 2 centros (0, 20)-(2, 22) con factores 1.2, 1.5, 3.0 y uno sin superficie;
// la crítica 1.05 y tres mejores 1.05, 1.1, 1.3: el mismo círculo corrido 0, 0.2 y 1 m en x.
DibujoBusqueda DibujoDePrueba()
{
    DibujoBusqueda d;
    ResultadoBusqueda& r = d.resultado;
    r.Estado = EstadoBusqueda::Hallada;
    r.Critica = CirculoDePrueba();
    r.FactorSeguridad = 1.05;
    for (const double f : {1.05, 1.1, 1.3}) {
        SuperficieEnsayo s = CirculoDePrueba();
        const double dx = 4.0 * (f - 1.05);
        s.XCentro += dx;
        for (auto& q : s.Puntos)
            q.x += dx;
        r.Mejores.push_back({s, f});
    }
    r.Mapa = {{0.0, 20.0, 1.2}, {0.0, 22.0, 1.5}, {2.0, 20.0, 3.0}, {2.0, 22.0, std::nullopt}};
    d.rejilla = RejillaCentros{0.0, 2.0, 2, 20.0, 22.0, 2};
    d.mejores = 3;
    return d;
}

bool MismoColor(Color a, Color b)
{
    return a == b;
}

TEST(EscenaBusqueda, EscalaDeColoresYFactores)
{
    // Extremos y el punto medio del primer tramo (de rojo a naranja, a 0.1 de la escala).
    EXPECT_TRUE(MismoColor(ColorEnEscala(0.0), Color{215, 0, 0}));
    EXPECT_TRUE(MismoColor(ColorEnEscala(1.0), Color{0, 40, 215}));
    EXPECT_TRUE(MismoColor(ColorEnEscala(0.1), Color{235, 70, 0}));
    EXPECT_TRUE(MismoColor(ColorEnEscala(-3.0), ColorEnEscala(0.0)));
    EXPECT_TRUE(MismoColor(ColorEnEscala(7.0), ColorEnEscala(1.0)));

    // Mínimo 1.05 (la crítica); el mayor del mapa, 3.0, pasa de 2 × 1.05 = 2.1: la escala se
    // corta en 2.1 y queda saturada.
    const DibujoBusqueda d = DibujoDePrueba();
    const auto e = EscalaDeFactores(d);
    ASSERT_TRUE(e);
    EXPECT_DOUBLE_EQ(e->minimo, 1.05);
    EXPECT_DOUBLE_EQ(e->maximo, 2.1);
    EXPECT_TRUE(e->saturada);
    EXPECT_DOUBLE_EQ(e->Posicion(1.575), 0.5);
    EXPECT_DOUBLE_EQ(e->Posicion(3.0), 1.0);

    DibujoBusqueda sinMapa = d;
    sinMapa.mapa = false;
    const auto e2 = EscalaDeFactores(sinMapa);
    ASSERT_TRUE(e2);
    EXPECT_DOUBLE_EQ(e2->maximo, 1.3);
    EXPECT_FALSE(e2->saturada);
    EXPECT_FALSE(EscalaDeFactores(DibujoBusqueda{}));
}

TEST(EscenaBusqueda, ArcoDelCirculoYExtension)
{
    const auto arco = CurvaDeSuperficie(CirculoDePrueba());
    ASSERT_EQ(arco.size(), static_cast<std::size_t>(MuestrasArco + 1));
    EXPECT_DOUBLE_EQ(arco.front().x, 5.0 * std::sqrt(3.0));
    EXPECT_DOUBLE_EQ(arco.back().x, -5.0 * std::sqrt(3.0));
    for (const auto& q : arco)
        EXPECT_NEAR(std::hypot(q.x, q.y - 10.0), 10.0, 1e-12);
    // El punto del medio es el más bajo del arco: (0, 0), a −90°.
    EXPECT_NEAR(arco[MuestrasArco / 2].x, 0.0, 1e-12);
    EXPECT_NEAR(arco[MuestrasArco / 2].y, 0.0, 1e-12);
    for (std::size_t k = 1; k < arco.size(); ++k)
        EXPECT_LT(arco[k].x, arco[k - 1].x); // de la entrada a la salida

    SuperficieEnsayo poligonal;
    poligonal.Circular = false;
    poligonal.Puntos = {{10.0, 5.0}, {4.0, 1.0}, {-3.0, 2.0}};
    EXPECT_EQ(CurvaDeSuperficie(poligonal).size(), 3u);

    // Celdas de 2 × 2 m alrededor de los centros: x −1..3, y 19..23; los arcos bajan a y = 0 y
    // van de x = −8.66 (la crítica) a 8.66 + 1 (la tercera de las mejores, corrida 1 m).
    const auto ext = ExtensionBusqueda(DibujoDePrueba());
    ASSERT_TRUE(ext);
    EXPECT_NEAR(ext->x0, -5.0 * std::sqrt(3.0), 1e-9);
    EXPECT_NEAR(ext->x1, 5.0 * std::sqrt(3.0) + 1.0, 1e-9);
    EXPECT_NEAR(ext->y0, 0.0, 1e-9);
    EXPECT_NEAR(ext->y1, 23.0, 1e-9);
}

TEST(EscenaBusqueda, MapaSuperficiesYLeyenda)
{
    const DibujoBusqueda d = DibujoDePrueba();
    constexpr double Ancho = 800.0, Alto = 600.0, Letra = 11.0;
    const double reserva = AnchoLeyendaBusqueda(d, Letra);
    Escena escena;
    escena.ancho = Ancho;
    escena.alto = Alto;
    // Mundo de −10..10 × −2..25 sobre un área que deja libre la columna de la derecha.
    escena.transformacion =
        Ajustar({-10.0, -2.0, 10.0, 25.0}, {40.0, 10.0, Ancho - reserva - 20.0, Alto - 30.0}, true);
    const Transformacion& t = escena.transformacion;
    DibujarBusqueda(escena, d, Letra);
    const auto escala = *EscalaDeFactores(d);

    // Una celda por centro; la de 1.2 es la de (0, 20), de (−1, 19) a (1, 21) en metros; la del
    // centro sin superficie, (2, 22), gris claro.
    std::vector<Relleno> celdas;
    for (const Relleno& r : escena.rellenos)
        if (r.enArea) celdas.push_back(r);
    ASSERT_EQ(celdas.size(), 4u);
    EXPECT_TRUE(MismoColor(celdas[0].color, escala.ColorDe(1.2)));
    EXPECT_TRUE(MismoColor(celdas[2].color, ColorEnEscala(1.0))); // 3.0, saturado
    EXPECT_TRUE(MismoColor(celdas[3].color, colores::GrisClaro));
    const PuntoPx a = t.Pixel(-1.0, 19.0), b = t.Pixel(1.0, 21.0);
    EXPECT_NEAR(celdas[0].puntos[0].x, a.x, 1e-9);
    EXPECT_NEAR(celdas[0].puntos[0].y, a.y, 1e-9);
    EXPECT_NEAR(celdas[0].puntos[2].x, b.x, 1e-9);
    EXPECT_NEAR(celdas[0].puntos[2].y, b.y, 1e-9);
    EXPECT_NEAR(celdas[3].puntos[2].x, t.Pixel(3.0, 23.0).x, 1e-9);
    // Nada de la leyenda es una marca: el pintor recorta las marcas al área del dibujo.
    for (const Marca& m : escena.marcas)
        EXPECT_TRUE(t.area.Contiene(m.centro.x, m.centro.y));

    // Las tres mejores en la escala, de la peor a la mejor, y la crítica encima con su borde.
    std::vector<Linea> arcos;
    for (const Linea& l : escena.lineas)
        if (l.enArea && l.puntos.size() == MuestrasArco + 1) arcos.push_back(l);
    ASSERT_EQ(arcos.size(), 5u);
    EXPECT_TRUE(MismoColor(arcos[0].color, escala.ColorDe(1.3)));
    EXPECT_TRUE(MismoColor(arcos[2].color, ColorEnEscala(0.0)));
    EXPECT_TRUE(MismoColor(arcos[3].color, colores::Blanco));
    EXPECT_GT(arcos[3].grosor, arcos[4].grosor);

    // Textos: el factor mínimo, el título de la escala, el tope saturado y la leyenda.
    auto hay = [&](const std::string& texto) {
        return std::any_of(escena.textos.begin(), escena.textos.end(),
                           [&](const Texto& x) { return x.texto == texto; });
    };
    EXPECT_TRUE(hay("FS mín. = 1.050 (Bishop)"));
    EXPECT_TRUE(hay(textos::TituloEscalaFactores));
    EXPECT_TRUE(hay("≥ 2.10"));
    EXPECT_TRUE(hay("Las 3 mejores superficies"));
    EXPECT_TRUE(hay(textos::LeyendaSuperficieCritica));
    EXPECT_TRUE(hay(textos::LeyendaCentroSinFactor));
    // La escala y la leyenda caben en su columna, a la derecha del área.
    for (const Texto& x : escena.textos) {
        if (x.texto.rfind("FS mín.", 0) == 0) continue;
        EXPECT_GE(x.Caja().x0, Ancho - reserva) << x.texto;
        EXPECT_LE(x.Caja().x1, Ancho) << x.texto;
    }
}

// La sección de prueba con una rejilla por encima de ella: lo que se ve abarca la rejilla
// y la columna de la derecha queda fuera del área del dibujo.
TEST(EscenaBusqueda, LaVistaAbarcaLaRejilla)
{
    Proyecto p = prueba::SueloCirculoUnico(); // talud de 0 a 60 m, de y = 0 a 20
    DibujoBusqueda d = DibujoDePrueba();
    for (auto& c : d.resultado.Mapa)
        c.y += 20.0; // centros en y = 40 y 42
    OpcionesSeccion o;
    o.ancho = 900.0;
    o.alto = 600.0;
    const Escena escena = EscenaSeccionConBusqueda(p, o, d);
    const Transformacion& t = escena.transformacion;
    EXPECT_GE(t.mundo.y1, 43.0);
    EXPECT_LE(t.mundo.y0, 0.0);
    EXPECT_LE(t.area.x1, o.ancho - AnchoLeyendaBusqueda(d, o.tamanoLetra));
}

TEST(EscenaBusqueda, BusquedaVigente)
{
    const Proyecto alBuscar = prueba::SueloCirculoUnico();
    Proyecto p = alBuscar;
    EXPECT_TRUE(BusquedaVigente(alBuscar, p));
    // La superficie de falla, el método, los resultados y FSInicial 0 → 1 no cuentan.
    p.AbscisasFalla(1) += 1.0;
    p.MetodoDeCalculo = Metodo::Janbu;
    p.HayResultados = !p.HayResultados;
    if (!(p.FSInicial > 0.0)) p.FSInicial = 1.0;
    EXPECT_TRUE(BusquedaVigente(alBuscar, p));
    Proyecto q = p;
    q.OrdenadasTalud(1) += 0.5;
    EXPECT_FALSE(BusquedaVigente(alBuscar, q));
    q = p;
    q.CohesionMacizo(1) += 1.0;
    EXPECT_FALSE(BusquedaVigente(alBuscar, q));
    q = p;
    q.NumeroDovelas += 1.0;
    EXPECT_FALSE(BusquedaVigente(alBuscar, q));

    // Un talud en el editor distinto del guardado deja de valer; la superficie en el editor, no.
    ConjuntoEnEdicion edicion;
    edicion.conjunto = 1;
    for (int k = 1; k <= p.NumeroCoordenadasTalud(); ++k)
        edicion.puntos.push_back({p.AbscisasTalud(k), p.OrdenadasTalud(k)});
    EXPECT_TRUE(BusquedaVigente(alBuscar, p, edicion));
    edicion.puntos.pop_back();
    EXPECT_FALSE(BusquedaVigente(alBuscar, p, edicion));
    edicion.conjunto = 2;
    EXPECT_TRUE(BusquedaVigente(alBuscar, p, edicion));
}

} // namespace
} // namespace vertana
