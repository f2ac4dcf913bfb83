#include "output/escena_busqueda.h"

#include "model/textos.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <tuple>

namespace vertana {
namespace {

constexpr double MargenVista = 0.05;        // de lo que se ve, a cada lado
constexpr double MargenVistaMinimo = 0.5;   // m
constexpr double RangoMinimoEscala = 0.05;  // de factor: una escala sin rango se abre a esto
constexpr int TramosBarra = 48;             // rectángulos de la barra de colores
constexpr double AnchoBarra = 16.0;         // píxeles
constexpr double AltoBarraMaximo = 220.0;   // píxeles
constexpr double AltoBarraRelativo = 0.45;  // del alto del área del dibujo, como mucho
constexpr int MarcasBarra = 6;              // valores escritos junto a la barra, como mucho
constexpr double LargoMarcaBarra = 4.0;     // píxeles
constexpr double Holgura = 8.0;             // píxeles entre la columna y el borde o el dibujo
constexpr double SeparacionTextos = 4.0;    // píxeles
constexpr double GrosorMejores = 1.3;       // píxeles
constexpr double GrosorCritica = 3.0;       // píxeles
constexpr double GrosorHaloCritica = 6.0;   // píxeles del borde blanco de la crítica
constexpr double GrosorRadios = 1.0;        // píxeles de los radios a los extremos
constexpr double RadioCentroCritico = 6.0;  // píxeles del anillo del centro crítico
constexpr double LadoCeldaSinRejilla = 1.0; // m, si la rejilla tiene un solo centro
constexpr double ParteTituloBarra = 1.6;    // renglones del título de la escala
constexpr double RenglonTexto = 1.25;       // alto de un renglón, del tamaño de la letra
constexpr double PasoObstaculo = 4.0;       // píxeles entre las cajas de una línea que no se tapa
constexpr double RadioObstaculo = 2.0;      // píxeles a cada lado de esas cajas
constexpr double SeparacionEtiqueta = 8.0;  // píxeles entre el centro crítico y su factor

inline constexpr Color ColorCritica{200, 0, 200};
inline constexpr Color ColorRadios{90, 90, 90};
inline constexpr Color ColorCentroSinFactor = colores::GrisClaro;

// Paradas de la escala de colores, repartidas por igual de 0 a 1.
constexpr std::array<Color, 6> Paradas{Color{215, 0, 0}, Color{255, 140, 0}, Color{225, 205, 0},
                                       Color{0, 165, 0}, Color{0, 175, 205}, Color{0, 40, 215}};

void Extender(Rectangulo& r, bool& vacio, double x, double y)
{
    if (!std::isfinite(x) || !std::isfinite(y)) return;
    if (vacio) {
        r = {x, y, x, y};
        vacio = false;
        return;
    }
    r.x0 = std::min(r.x0, x);
    r.x1 = std::max(r.x1, x);
    r.y0 = std::min(r.y0, y);
    r.y1 = std::max(r.y1, y);
}

// Lados de una celda del mapa: el espaciado de la rejilla en cada dirección.
PuntoXY LadosCelda(const DibujoBusqueda& d)
{
    if (!d.rejilla) return {LadoCeldaSinRejilla, LadoCeldaSinRejilla};
    const RejillaCentros& g = *d.rejilla;
    const double dx = g.NX > 1 ? std::fabs(g.XMax - g.XMin) / (g.NX - 1) : 0.0;
    const double dy = g.NY > 1 ? std::fabs(g.YMax - g.YMin) / (g.NY - 1) : 0.0;
    const double uno = dx > 0.0 ? dx : (dy > 0.0 ? dy : LadoCeldaSinRejilla);
    return {dx > 0.0 ? dx : uno, dy > 0.0 ? dy : uno};
}

std::size_t MejoresDibujadas(const DibujoBusqueda& d)
{
    return std::min(d.resultado.Mejores.size(), static_cast<std::size_t>(std::max(0, d.mejores)));
}

bool HayCritica(const DibujoBusqueda& d)
{
    return d.resultado.Estado == EstadoBusqueda::Hallada && d.resultado.Critica.Puntos.size() >= 2;
}

std::vector<EntradaLeyenda> EntradasLeyenda(const DibujoBusqueda& d,
                                            const std::optional<EscalaFactores>& escala)
{
    using M = EntradaLeyenda::Muestra;
    std::vector<EntradaLeyenda> e;
    if (HayCritica(d))
        e.push_back({M::Linea, ColorCritica, Trazado::Continuo, textos::LeyendaSuperficieCritica});
    // La muestra de las mejores lleva el color de la del medio.
    if (const std::size_t n = MejoresDibujadas(d); n > 0 && escala)
        e.push_back({M::Linea, escala->ColorDe(d.resultado.Mejores[n / 2].FactorSeguridad),
                     Trazado::Continuo, textos::LeyendaMejoresSuperficies(n)});
    const auto& mapa = d.resultado.Mapa;
    if (d.mapa && std::any_of(mapa.begin(), mapa.end(),
                              [](const FactorEnCentro& c) { return !c.FactorSeguridad; }))
        e.push_back(
            {M::Relleno, ColorCentroSinFactor, Trazado::Continuo, textos::LeyendaCentroSinFactor});
    return e;
}

// Valores escritos junto a la barra: los redondos dentro de la escala.
MarcasEje MarcasBarraDe(const EscalaFactores& e)
{
    return CalcularMarcas(e.minimo, e.maximo, MarcasBarra, 0.0);
}

std::string TextoMarca(double valor, const MarcasEje& m, bool tope)
{
    constexpr int DecimalesMinimos = 2;
    std::string texto = TextoValor(valor, std::max(DecimalesMinimos, m.decimales));
    return tope ? "≥ " + texto : texto;
}

// Ancho de los textos junto a la barra.
double AnchoMarcas(const EscalaFactores& e, double tamanoLetra)
{
    const MarcasEje m = MarcasBarraDe(e);
    double ancho = 0.0;
    for (std::size_t k = 0; k < m.valores.size(); ++k)
        ancho = std::max(ancho, AnchoEstimado(TextoMarca(m.valores[k], m, false), tamanoLetra));
    if (e.saturada)
        ancho = std::max(ancho, AnchoEstimado(TextoMarca(e.maximo, m, true), tamanoLetra));
    return ancho;
}

auto DatosDeBusqueda(const Proyecto& p)
{
    return std::tie(
        p.SueloRoca, p.AbscisasTalud, p.OrdenadasTalud, p.AbscisasFreatico, p.OrdenadasFreatico,
        p.NumeroCoordenadasEstrato, p.AbscisasEstratos, p.OrdenadasEstratos, p.CohesionMacizo,
        p.FriccionMacizo, p.PesoUnitarioHumedo, p.PesoUnitarioSaturado, p.TipoDeEstrato,
        p.ParametroPresionIntersticial, p.CoeficienteConsolidacionVertical, p.TiempoDeConstruccion,
        p.NumeroDovelas, p.CoeficienteSismicoHorizontal, p.CoeficienteSismicoVertical,
        p.AbscisaPrimerPuntoGrieta, p.OrdenadaPrimerPuntoGrieta, p.AbscisaSegundoPuntoGrieta,
        p.OrdenadaSegundoPuntoGrieta, p.AbscisaNivelFreaticoGrieta, p.OrdenadaNivelFreaticoGrieta,
        p.AlturaAguaGrieta, p.DefinicionParametrosInstantaneos, p.CargaUniformeXo,
        p.CargaUniformeYo, p.CargaUniformeXf, p.CargaUniformeYf, p.CargaUniformeQx,
        p.CargaUniformeQy, p.CargaPuntualX, p.CargaPuntualY, p.CargaPuntualPx, p.CargaPuntualPy);
}

// Los puntos del conjunto del proyecto que el editor tiene en pantalla.
std::vector<PuntoXY> ConjuntoDelProyecto(const Proyecto& p, const ConjuntoEnEdicion& e)
{
    std::vector<PuntoXY> r;
    auto agregar = [&r](const Tabla<double>& xs, const Tabla<double>& ys) {
        for (int k = 1; k <= std::min(xs.Tamano(), ys.Tamano()); ++k)
            r.push_back({xs(k), ys(k)});
    };
    if (e.conjunto == 1) agregar(p.AbscisasTalud, p.OrdenadasTalud);
    if (e.conjunto == 3) agregar(p.AbscisasFreatico, p.OrdenadasFreatico);
    if (e.conjunto == 4 && e.estrato >= 1 && e.estrato <= p.NumeroCoordenadasEstrato.Tamano()) {
        const int n =
            std::min<int>(p.NumeroCoordenadasEstrato(e.estrato),
                          std::min(p.AbscisasEstratos.Columnas(), p.OrdenadasEstratos.Columnas()));
        for (int k = 1; k <= n; ++k)
            r.push_back({p.AbscisasEstratos(e.estrato, k), p.OrdenadasEstratos(e.estrato, k)});
    }
    return r;
}

} // namespace

double EscalaFactores::Posicion(double factor) const
{
    if (!(maximo > minimo)) return 0.0;
    return std::clamp((factor - minimo) / (maximo - minimo), 0.0, 1.0);
}

Color EscalaFactores::ColorDe(double factor) const
{
    return ColorEnEscala(Posicion(factor));
}

Color ColorEnEscala(double t)
{
    if (!std::isfinite(t)) t = 0.0;
    t = std::clamp(t, 0.0, 1.0);
    const double tramos = static_cast<double>(Paradas.size() - 1);
    const auto k = std::min(static_cast<std::size_t>(t * tramos), Paradas.size() - 2);
    const double f = t * tramos - static_cast<double>(k);
    const Color& a = Paradas[k];
    const Color& b = Paradas[k + 1];
    auto mezcla = [f](std::uint8_t u, std::uint8_t v) {
        return static_cast<std::uint8_t>(std::lround(u + f * (v - u)));
    };
    return {mezcla(a.r, b.r), mezcla(a.g, b.g), mezcla(a.b, b.b)};
}

std::optional<EscalaFactores> EscalaDeFactores(const DibujoBusqueda& d)
{
    std::vector<double> f;
    if (d.mapa)
        for (const FactorEnCentro& c : d.resultado.Mapa)
            if (c.FactorSeguridad) f.push_back(*c.FactorSeguridad);
    for (std::size_t k = 0; k < MejoresDibujadas(d); ++k)
        f.push_back(d.resultado.Mejores[k].FactorSeguridad);
    if (HayCritica(d)) f.push_back(d.resultado.FactorSeguridad);
    f.erase(std::remove_if(f.begin(), f.end(), [](double v) { return !std::isfinite(v); }),
            f.end());
    if (f.empty()) return std::nullopt;
    EscalaFactores e;
    e.minimo = *std::min_element(f.begin(), f.end());
    e.maximo = *std::max_element(f.begin(), f.end());
    if (e.minimo > 0.0 && e.maximo > CocienteEscalaMaxima * e.minimo) {
        e.maximo = CocienteEscalaMaxima * e.minimo;
        e.saturada = true;
    }
    if (!(e.maximo - e.minimo >= RangoMinimoEscala)) e.maximo = e.minimo + RangoMinimoEscala;
    return e;
}

std::vector<PuntoXY> CurvaDeSuperficie(const SuperficieEnsayo& s)
{
    std::vector<PuntoXY> r;
    if (s.Puntos.size() < 2) return r;
    if (!s.Circular) {
        for (const Punto2& q : s.Puntos)
            r.push_back({q.x, q.y});
        return r;
    }
    const Punto2& e = s.Puntos.front();
    const Punto2& f = s.Puntos.back();
    const double ae = std::atan2(e.y - s.YCentro, e.x - s.XCentro);
    double as = std::atan2(f.y - s.YCentro, f.x - s.XCentro);
    // El arco inferior va de la entrada (derecha) a la salida (izquierda) pasando por debajo del
    // centro: el ángulo baja.
    if (as > ae) as -= 2.0 * std::acos(-1.0);
    for (int k = 0; k <= MuestrasArco; ++k) {
        const double a = ae + (as - ae) * k / MuestrasArco;
        r.push_back({s.XCentro + s.Radio * std::cos(a), s.YCentro + s.Radio * std::sin(a)});
    }
    r.front() = {e.x, e.y};
    r.back() = {f.x, f.y};
    return r;
}

std::optional<Rectangulo> ExtensionBusqueda(const DibujoBusqueda& d)
{
    Rectangulo r;
    bool vacio = true;
    if (d.mapa && !d.resultado.Mapa.empty()) {
        const PuntoXY lados = LadosCelda(d);
        for (const FactorEnCentro& c : d.resultado.Mapa) {
            Extender(r, vacio, c.x - lados.x / 2.0, c.y - lados.y / 2.0);
            Extender(r, vacio, c.x + lados.x / 2.0, c.y + lados.y / 2.0);
        }
    }
    for (std::size_t k = 0; k < MejoresDibujadas(d); ++k)
        for (const PuntoXY& q : CurvaDeSuperficie(d.resultado.Mejores[k].Superficie))
            Extender(r, vacio, q.x, q.y);
    if (HayCritica(d)) {
        const SuperficieEnsayo& c = d.resultado.Critica;
        for (const PuntoXY& q : CurvaDeSuperficie(c))
            Extender(r, vacio, q.x, q.y);
        if (c.Circular) Extender(r, vacio, c.XCentro, c.YCentro);
    }
    if (vacio) return std::nullopt;
    return r;
}

double AnchoLeyendaBusqueda(const DibujoBusqueda& d, double tamanoLetra)
{
    const auto escala = EscalaDeFactores(d);
    if (!escala) return 0.0;
    double ancho = AnchoEstimado(textos::TituloEscalaFactores, tamanoLetra);
    ancho = std::max(ancho, AnchoBarra + LargoMarcaBarra + SeparacionTextos +
                                AnchoMarcas(*escala, tamanoLetra));
    ancho = std::max(ancho, TamanoLeyenda(EntradasLeyenda(d, escala), tamanoLetra).x);
    return ancho + 2.0 * Holgura;
}

void DibujarBusqueda(Escena& escena, const DibujoBusqueda& d, double tamanoLetra)
{
    const auto escala = EscalaDeFactores(d);
    if (!escala) return;
    const Transformacion& t = escena.transformacion;
    const ResultadoBusqueda& r = d.resultado;

    // Mapa: una celda por centro, del lado del espaciado de la rejilla, con el color de su
    // factor; gris claro la de un centro sin superficie válida.
    if (d.mapa) {
        const PuntoXY lados = LadosCelda(d);
        for (const FactorEnCentro& c : r.Mapa) {
            const PuntoPx a = t.Pixel(c.x - lados.x / 2.0, c.y - lados.y / 2.0);
            const PuntoPx b = t.Pixel(c.x + lados.x / 2.0, c.y + lados.y / 2.0);
            Relleno celda;
            celda.puntos = {{a.x, a.y}, {b.x, a.y}, {b.x, b.y}, {a.x, b.y}, {a.x, a.y}};
            celda.color =
                c.FactorSeguridad ? escala->ColorDe(*c.FactorSeguridad) : ColorCentroSinFactor;
            celda.enArea = true;
            escena.rellenos.push_back(std::move(celda));
        }
    }

    // Las mejores superficies, de la de mayor factor a la de menor (la mejor queda encima).
    for (std::size_t k = MejoresDibujadas(d); k-- > 0;) {
        const SuperficieConFactor& m = r.Mejores[k];
        escena.lineas.push_back(LineaEnArea(APixeles(t, CurvaDeSuperficie(m.Superficie)),
                                            escala->ColorDe(m.FactorSeguridad), GrosorMejores));
    }

    // La crítica, con un borde blanco, su centro y los radios a sus extremos.
    std::vector<Rectangulo> ocupado;
    for (const Texto& texto : escena.textos)
        ocupado.push_back(texto.Caja());
    if (HayCritica(d)) {
        const SuperficieEnsayo& c = r.Critica;
        const std::vector<PuntoPx> curva = APixeles(t, CurvaDeSuperficie(c));
        escena.lineas.push_back(LineaEnArea(curva, colores::Blanco, GrosorHaloCritica));
        escena.lineas.push_back(LineaEnArea(curva, ColorCritica, GrosorCritica));
        for (const Rectangulo& caja : CajasDeLinea(curva, PasoObstaculo, RadioObstaculo))
            ocupado.push_back(caja);
        PuntoPx ancla = curva[curva.size() / 2];
        if (c.Circular) {
            const PuntoPx centro = t.Pixel(c.XCentro, c.YCentro);
            escena.lineas.push_back(LineaEnArea({curva.front(), centro, curva.back()}, ColorRadios,
                                                GrosorRadios, Trazado::Discontinuo));
            escena.marcas.push_back(
                {centro, RadioCentroCritico, FormaMarca::Anillo, colores::Negro});
            ancla = centro;
        }
        const std::string texto =
            textos::EtiquetaFactorMinimo(r.FactorSeguridad, NombreMetodoBusqueda(d.metodo));
        const double letra = tamanoLetra + 1.0;
        std::vector<Texto> opciones{
            NuevoTexto(texto, {ancla.x, ancla.y - SeparacionEtiqueta}, letra, AlineacionH::Centro,
                       AlineacionV::Abajo, ColorCritica),
            NuevoTexto(texto, {ancla.x + SeparacionEtiqueta, ancla.y}, letra,
                       AlineacionH::Izquierda, AlineacionV::Centro, ColorCritica),
            NuevoTexto(texto, {ancla.x - SeparacionEtiqueta, ancla.y}, letra, AlineacionH::Derecha,
                       AlineacionV::Centro, ColorCritica),
            NuevoTexto(texto, {ancla.x, ancla.y + SeparacionEtiqueta}, letra, AlineacionH::Centro,
                       AlineacionV::Arriba, ColorCritica),
            NuevoTexto(texto, {t.area.x0 + SeparacionEtiqueta, t.area.y0 + SeparacionEtiqueta},
                       letra, AlineacionH::Izquierda, AlineacionV::Arriba, ColorCritica)};
        for (Texto& o : opciones) {
            o.negrita = true;
            o.fondo = true;
        }
        for (Texto& colocado : ColocarTextos({opciones}, t.area, ocupado))
            escena.textos.push_back(std::move(colocado));
    }

    // La columna de la derecha: título, barra de colores con sus valores y leyenda.
    const double ancho = AnchoLeyendaBusqueda(d, tamanoLetra);
    const double x0 = escena.ancho - ancho + Holgura;
    double y = t.area.y0;
    Texto titulo = NuevoTexto(textos::TituloEscalaFactores, {x0, y}, tamanoLetra,
                              AlineacionH::Izquierda, AlineacionV::Arriba, colores::Negro);
    titulo.negrita = true;
    escena.textos.push_back(std::move(titulo));
    y += ParteTituloBarra * tamanoLetra * RenglonTexto;
    const double alto = std::min(AltoBarraMaximo, AltoBarraRelativo * t.area.Alto());
    const double yTope = y, yPie = y + alto;
    for (int k = 0; k < TramosBarra; ++k) {
        // De arriba (máximo) abajo (mínimo).
        const double ya = yTope + alto * k / TramosBarra;
        const double yb = yTope + alto * (k + 1) / TramosBarra;
        const double tt = 1.0 - (k + 0.5) / TramosBarra;
        escena.rellenos.push_back(
            {{{x0, ya}, {x0 + AnchoBarra, ya}, {x0 + AnchoBarra, yb}, {x0, yb}, {x0, ya}},
             ColorEnEscala(tt)});
    }
    escena.lineas.push_back(
        {{{x0, yTope}, {x0 + AnchoBarra, yTope}, {x0 + AnchoBarra, yPie}, {x0, yPie}},
         colores::Gris,
         1.0,
         Trazado::Continuo,
         true});
    const MarcasEje m = MarcasBarraDe(*escala);
    auto marca = [&](double valor, bool tope) {
        const double yv = yPie - escala->Posicion(valor) * alto;
        escena.lineas.push_back({{{x0 + AnchoBarra, yv}, {x0 + AnchoBarra + LargoMarcaBarra, yv}},
                                 colores::Negro,
                                 1.0});
        escena.textos.push_back(NuevoTexto(
            TextoMarca(valor, m, tope), {x0 + AnchoBarra + LargoMarcaBarra + SeparacionTextos, yv},
            tamanoLetra, AlineacionH::Izquierda, AlineacionV::Centro, colores::Negro));
    };
    const double renglon = tamanoLetra * RenglonTexto;
    for (const double v : m.valores) {
        // El tope saturado lleva su propio valor; una marca redonda pegada a él se omite.
        if (escala->saturada && yPie - escala->Posicion(v) * alto < yTope + renglon) continue;
        marca(v, false);
    }
    if (escala->saturada) marca(escala->maximo, true);
    const auto entradas = EntradasLeyenda(d, escala);
    if (!entradas.empty())
        DibujarLeyenda(escena, entradas, {escena.ancho - Holgura, yPie + renglon}, tamanoLetra);
}

Escena EscenaSeccionConBusqueda(const Proyecto& p, OpcionesSeccion o, const DibujoBusqueda& d)
{
    o.reservaDerecha = AnchoLeyendaBusqueda(d, o.tamanoLetra);
    if (!o.ventana) {
        const Rectangulo seccion = CalcularGeometriaSeccion(p, o).extension;
        if (const auto b = ExtensionBusqueda(d)) {
            Rectangulo r = seccion;
            bool vacio = !(seccion.Ancho() > 0.0 || seccion.Alto() > 0.0);
            Extender(r, vacio, b->x0, b->y0);
            Extender(r, vacio, b->x1, b->y1);
            const double mx = std::max(MargenVistaMinimo, MargenVista * r.Ancho());
            const double my = std::max(MargenVistaMinimo, MargenVista * r.Alto());
            o.ventana = Rectangulo{r.x0 - mx, r.y0 - my, r.x1 + mx, r.y1 + my};
        }
    }
    Escena escena = EscenaSeccion(p, o);
    DibujarBusqueda(escena, d, o.tamanoLetra);
    return escena;
}

bool BusquedaVigente(const Proyecto& alBuscar, const Proyecto& ahora,
                     const std::optional<ConjuntoEnEdicion>& edicion)
{
    if (DatosDeBusqueda(alBuscar) != DatosDeBusqueda(ahora)) return false;
    // FSInicial sólo es el punto de partida de las iteraciones; sin valor positivo se parte de 1
    // (y adoptar una superficie lo escribe).
    auto partida = [](const Proyecto& p) { return p.FSInicial > 0.0 ? p.FSInicial : 1.0; };
    if (partida(alBuscar) != partida(ahora)) return false;
    if (edicion && edicion->conjunto != 2 &&
        edicion->puntos != ConjuntoDelProyecto(ahora, *edicion))
        return false;
    return true;
}

} // namespace vertana
