#include "output/grafico_seccion.h"

#include "geometry/superficie_falla.h"
#include "model/textos.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace vertana {
namespace {

constexpr double MargenExtension = 0.05;   // de la extensión de la sección, a cada lado
constexpr double MargenMinimo = 0.5;       // m a cada lado, para una sección muy pequeña
constexpr double LargoFlecha = 0.06;       // de la mayor dimensión de la sección
constexpr int FlechasPorCarga = 5;         // flechas de una carga uniforme
constexpr double PuntaFlecha = 7.0;        // píxeles de cada lado de la punta
constexpr int MaximoMuestrasTramo = 400;   // puntos de un arco o un polinomio
constexpr int CandidatosEstrato = 24;      // abscisas donde se prueba el número de un estrato
constexpr double AltoMinimoNumero = 1.4;   // alto libre del estrato, en letras, para su número
constexpr double SeparacionEtiqueta = 6.0; // píxeles entre la superficie y el factor
constexpr double HolguraBorde = 8.0;       // píxeles libres en el borde del lienzo
constexpr double AltoTitulo = 1.9;         // renglones del título, en letras
constexpr double AumentoTitulo = 3.0;      // píxeles más que la letra de los ejes
constexpr double RadioPunto = 2.5;         // píxeles de un punto de la superficie
constexpr double RadioPuntoEditado = 3.0;  // píxeles de un punto del conjunto en edición
constexpr double RadioElegido = 7.0;       // píxeles del anillo del punto elegido
constexpr double RadioNivel = 6.0;         // píxeles del símbolo del nivel freático
constexpr double PasoObstaculo = 4.0;      // píxeles entre las cajas de una línea que no se tapa
constexpr double RadioObstaculo = 2.0;     // píxeles a cada lado de esas cajas
// Lo que se ve alrededor de una sección sin extensión (vacía o de un solo punto), en m.
constexpr double MedioAnchoSinExtension = 10.0;
constexpr double MedioAltoSinExtension = 5.0;

// El dibujo no pregunta ni avisa: una construcción que pediría algo a la persona falla.
class InteraccionMuda : public Interaccion {
public:
    void Mensaje(const std::string&, const std::string&) override {}
    bool Pregunta(const std::string&, const std::string&) override { return false; }
};

std::vector<PuntoXY> Puntos(const Tabla<double>& xs, const Tabla<double>& ys)
{
    std::vector<PuntoXY> puntos;
    for (int k = 1; k <= std::min(xs.Tamano(), ys.Tamano()); ++k)
        if (std::isfinite(xs(k)) && std::isfinite(ys(k))) puntos.push_back({xs(k), ys(k)});
    return puntos;
}

std::vector<PuntoXY> PuntosEstrato(const Proyecto& p, int i)
{
    std::vector<PuntoXY> puntos;
    if (i > p.NumeroCoordenadasEstrato.Tamano() || i > p.AbscisasEstratos.Filas() ||
        i > p.OrdenadasEstratos.Filas())
        return puntos;
    const int n = std::min({static_cast<int>(p.NumeroCoordenadasEstrato(i)),
                            p.AbscisasEstratos.Columnas(), p.OrdenadasEstratos.Columnas()});
    for (int j = 1; j <= n; ++j) {
        const double x = p.AbscisasEstratos(i, j), y = p.OrdenadasEstratos(i, j);
        if (std::isfinite(x) && std::isfinite(y)) puntos.push_back({x, y});
    }
    return puntos;
}

void PonerConjunto(Tabla<double>& xs, Tabla<double>& ys, const std::vector<PuntoXY>& puntos)
{
    RedimensionarConjunto(xs, ys, static_cast<int>(puntos.size()));
    for (std::size_t k = 0; k < puntos.size(); ++k) {
        xs(static_cast<int>(k) + 1) = puntos[k].x;
        ys(static_cast<int>(k) + 1) = puntos[k].y;
    }
}

// El proyecto con el conjunto en edición en lugar del guardado.
Proyecto ConEdicion(const Proyecto& p, const ConjuntoEnEdicion& e)
{
    Proyecto q = p;
    switch (e.conjunto) {
    case 1:
        PonerConjunto(q.AbscisasTalud, q.OrdenadasTalud, e.puntos);
        break;
    case 2:
        PonerConjunto(q.AbscisasFalla, q.OrdenadasFalla, e.puntos);
        break;
    case 3:
        PonerConjunto(q.AbscisasFreatico, q.OrdenadasFreatico, e.puntos);
        break;
    case 4: {
        if (e.estrato < 1 || e.estrato > q.NumeroDeEstratos()) break;
        const int n = static_cast<int>(e.puntos.size());
        const int columnas = std::max(q.AbscisasEstratos.Columnas(), n);
        q.AbscisasEstratos.RedimensionarConservando(q.NumeroDeEstratos(), columnas);
        q.OrdenadasEstratos.RedimensionarConservando(q.NumeroDeEstratos(), columnas);
        q.NumeroCoordenadasEstrato(e.estrato) = static_cast<Entero16>(n);
        for (int j = 1; j <= n; ++j) {
            q.AbscisasEstratos(e.estrato, j) = e.puntos[static_cast<std::size_t>(j - 1)].x;
            q.OrdenadasEstratos(e.estrato, j) = e.puntos[static_cast<std::size_t>(j - 1)].y;
        }
        break;
    }
    default:
        break;
    }
    return q;
}

// Unión en vigor del tramo de trabajo a → a + 1: la primera con inicio ≤ a < fin.
int UnionDelTramo(const EstadoCalculo& e, int a)
{
    for (int d = 1; d <= e.NumeroTramosSPF; ++d)
        if (e.InicioTramoSPF(d) <= a && a < e.FinTramoSPF(d)) return d;
    return 0;
}

// Ordenada en x de un perfil, prolongando recto sus dos tramos extremos.
double OrdenadaProlongada(const Perfil& perfil, double x)
{
    if (const auto y = OrdenadaEn(perfil, x)) return *y;
    const bool antes = x < perfil.front().x;
    const PuntoXY& a = antes ? perfil[0] : perfil[perfil.size() - 2];
    const PuntoXY& b = antes ? perfil[1] : perfil[perfil.size() - 1];
    return a.y + (b.y - a.y) * (x - a.x) / (b.x - a.x);
}

// Tramo vertical de un polígono cerrado en x: la menor y la mayor ordenada de sus cruces.
std::optional<std::pair<double, double>> TramoVertical(const Poligono& poligono, double x)
{
    double bajo = 0.0, alto = 0.0;
    bool hay = false;
    for (std::size_t k = 1; k < poligono.size(); ++k) {
        const PuntoXY& a = poligono[k - 1];
        const PuntoXY& b = poligono[k];
        if ((x < std::min(a.x, b.x)) || (x > std::max(a.x, b.x)) || a.x == b.x) continue;
        const double y = a.y + (b.y - a.y) * (x - a.x) / (b.x - a.x);
        bajo = hay ? std::min(bajo, y) : y;
        alto = hay ? std::max(alto, y) : y;
        hay = true;
    }
    if (!hay) return std::nullopt;
    return std::make_pair(bajo, alto);
}

void Extender(Rectangulo& r, bool& vacio, const PuntoXY& q)
{
    if (vacio) {
        r = {q.x, q.y, q.x, q.y};
        vacio = false;
        return;
    }
    r.x0 = std::min(r.x0, q.x);
    r.x1 = std::max(r.x1, q.x);
    r.y0 = std::min(r.y0, q.y);
    r.y1 = std::max(r.y1, q.y);
}

// Bordes de las dovelas guardadas: x del borde k (1..N) por los anchos y los centros.
std::vector<double> AbscisasDeBordes(const Proyecto& p)
{
    std::vector<double> xs;
    const int N = p.NumeroPuntosDovelas;
    if (N < 2 || p.AnchoDovela.Tamano() < N - 1 || p.AbscisaCentroDovela.Tamano() < N - 1)
        return xs;
    xs.push_back(p.AbscisaCentroDovela(1) + p.AnchoDovela(1) / 2.0);
    for (int k = 1; k <= N - 1; ++k)
        xs.push_back(p.AbscisaCentroDovela(k) - p.AnchoDovela(k) / 2.0);
    return xs;
}

Texto Etiqueta(std::string contenido, PuntoPx ancla, double tamano, AlineacionH h, AlineacionV v,
               Color color)
{
    Texto t = NuevoTexto(std::move(contenido), ancla, tamano, h, v, color);
    t.fondo = true;
    return t;
}

void DibujarFlecha(Escena& escena, const Transformacion& t, const Flecha& f)
{
    const PuntoPx a = t.Pixel(f.cola.x, f.cola.y), b = t.Pixel(f.punta.x, f.punta.y);
    escena.lineas.push_back(LineaEnArea({a, b}, colores::Carga, 1.5));
    const double largo = std::hypot(b.x - a.x, b.y - a.y);
    if (!(largo > 0.0)) return;
    const double ux = (b.x - a.x) / largo, uy = (b.y - a.y) / largo;
    const PuntoPx izquierda{b.x - PuntaFlecha * (ux - uy / 2.0),
                            b.y - PuntaFlecha * (uy + ux / 2.0)};
    const PuntoPx derecha{b.x - PuntaFlecha * (ux + uy / 2.0), b.y - PuntaFlecha * (uy - ux / 2.0)};
    // La punta: dos trazos desde el punto donde actúa la carga.
    escena.lineas.push_back(LineaEnArea({izquierda, b, derecha}, colores::Carga, 1.5));
}

} // namespace

Color ColorDeEstrato(int estrato)
{
    // Tonos claros de tierra, distintos entre vecinos.
    constexpr std::array<Color, 8> Paleta{{{238, 214, 160},
                                           {196, 222, 170},
                                           {214, 186, 150},
                                           {190, 206, 228},
                                           {232, 196, 200},
                                           {222, 222, 170},
                                           {200, 186, 222},
                                           {206, 206, 206}}};
    const int i = (std::max(estrato, 1) - 1) % static_cast<int>(Paleta.size());
    return Paleta[static_cast<std::size_t>(i)];
}

Color ColorLineaDeEstrato(int estrato)
{
    // El tono de cada relleno, saturado y oscuro: los rellenos claros sólo oscurecidos dan grises
    // parecidos entre sí, y dos estratos dibujados con líneas no se distinguirían. Ninguno es el
    // rojo de la superficie de falla ni el negro del talud.
    constexpr std::array<Color, 8> Paleta{{{176, 120, 20},
                                           {40, 130, 40},
                                           {140, 70, 30},
                                           {30, 110, 150},
                                           {200, 60, 140},
                                           {120, 140, 0},
                                           {110, 50, 170},
                                           {60, 60, 60}}};
    const int i = (std::max(estrato, 1) - 1) % static_cast<int>(Paleta.size());
    return Paleta[static_cast<std::size_t>(i)];
}

CurvaDeFalla CurvaSuperficieFalla(const Proyecto& p)
{
    CurvaDeFalla curva;
    curva.puntos = Puntos(p.AbscisasFalla, p.OrdenadasFalla);
    if (curva.puntos.size() < 2) return curva;
    Proyecto q = p;
    EstadoCalculo e;
    ReiniciarEstadoCalculo(e);
    InteraccionMuda muda;
    if (!ConstruirSPF(q, e, muda)) return curva;

    std::vector<PuntoXY> puntos{{e.AbscisasSPF(1), e.OrdenadasSPF(1)}};
    for (int a = 1; a < e.NumeroPuntosSPF; ++a) {
        const double xa = e.AbscisasSPF(a), xb = e.AbscisasSPF(a + 1);
        const int d = UnionDelTramo(e, a);
        if (d == 0) return curva;
        if (e.TipoDeTramoSPF(d) != TipoUnion::Recta) {
            const int muestras =
                std::clamp(static_cast<int>(std::ceil(std::fabs(xa - xb) / PasoMuestreoCurva)), 1,
                           MaximoMuestrasTramo);
            const double s = PendienteUnion(e, d);
            for (int m = 1; m < muestras; ++m) {
                const double x = xa + (xb - xa) * m / muestras;
                double y = 0.0;
                if (!OrdenadaEnUnion(q, e, muda, s, d, x, y) || !std::isfinite(y)) return curva;
                puntos.push_back({x, y});
            }
        }
        puntos.push_back({xb, e.OrdenadasSPF(a + 1)});
    }
    curva.puntos = std::move(puntos);
    curva.construida = true;
    return curva;
}

GeometriaSeccion CalcularGeometriaSeccion(const Proyecto& proyecto, const OpcionesSeccion& o)
{
    const Proyecto p = o.edicion ? ConEdicion(proyecto, *o.edicion) : proyecto;
    GeometriaSeccion g;
    g.talud = Puntos(p.AbscisasTalud, p.OrdenadasTalud);
    g.freatico = Puntos(p.AbscisasFreatico, p.OrdenadasFreatico);
    g.puntosSuperficie = Puntos(p.AbscisasFalla, p.OrdenadasFalla);
    std::vector<Perfil> lineas;
    for (int i = 1; i <= p.NumeroDeEstratos(); ++i) {
        g.lineasEstratos.push_back(PuntosEstrato(p, i));
        lineas.push_back(PerfilDe(g.lineasEstratos.back()));
    }
    g.estratos = PoligonosDeEstratos(PerfilDe(g.talud), lineas);

    // Superficie de falla.
    const std::vector<double> bordes = AbscisasDeBordes(p);
    const TablaDeDovelas* tabla = o.dovelas;
    const bool conBordes = tabla && tabla->AbscisaBordeDovela.Tamano() == p.NumeroPuntosDovelas &&
                           tabla->OrdenadaBordeDovela.Tamano() == p.NumeroPuntosDovelas &&
                           !bordes.empty();
    if (o.conSuperficie) {
        if (o.origen == OrigenSuperficie::Dovelas && !bordes.empty()) {
            if (conBordes) {
                for (int k = 1; k <= p.NumeroPuntosDovelas; ++k)
                    g.superficie.push_back(
                        {tabla->AbscisaBordeDovela(k), tabla->OrdenadaBordeDovela(k)});
            } else {
                std::vector<PuntoXY> centros;
                for (int k = 1; k < p.NumeroPuntosDovelas && k <= p.OrdenadaCentroDovela.Tamano();
                     ++k)
                    centros.push_back({p.AbscisaCentroDovela(k), p.OrdenadaCentroDovela(k)});
                const Perfil perfil = PerfilDe(centros);
                if (perfil.size() >= 2) {
                    g.superficie.push_back(
                        {bordes.front(), OrdenadaProlongada(perfil, bordes.front())});
                    g.superficie.insert(g.superficie.end(), centros.begin(), centros.end());
                    g.superficie.push_back(
                        {bordes.back(), OrdenadaProlongada(perfil, bordes.back())});
                }
            }
            g.superficieConstruida = !g.superficie.empty();
        }
        if (g.superficie.empty()) {
            CurvaDeFalla curva = CurvaSuperficieFalla(p);
            g.superficie = std::move(curva.puntos);
            g.superficieConstruida = curva.construida;
        }
    }

    // Dovelas: cada borde desde la superficie dibujada (o la del cálculo) hasta el talud.
    const Perfil talud = PerfilDe(g.talud);
    const Perfil base = PerfilDe(g.superficie);
    if (o.conDovelas && !bordes.empty() && o.conSuperficie && base.size() >= 2) {
        for (std::size_t k = 0; k < bordes.size(); ++k) {
            const double x =
                conBordes ? tabla->AbscisaBordeDovela(static_cast<int>(k) + 1) : bordes[k];
            const auto arriba = OrdenadaEn(talud, x);
            const std::optional<double> abajo =
                conBordes
                    ? std::optional<double>(tabla->OrdenadaBordeDovela(static_cast<int>(k) + 1))
                    : OrdenadaEn(base, x);
            if (arriba && abajo && *arriba > *abajo)
                g.dovelas.push_back({{x, *abajo}, {x, *arriba}});
        }
    }

    // Grieta de tracción: su segundo punto por debajo del primero.
    if (p.OrdenadaSegundoPuntoGrieta < p.OrdenadaPrimerPuntoGrieta) {
        g.grieta =
            std::make_pair(PuntoXY{p.AbscisaPrimerPuntoGrieta, p.OrdenadaPrimerPuntoGrieta},
                           PuntoXY{p.AbscisaSegundoPuntoGrieta, p.OrdenadaSegundoPuntoGrieta});
        if (p.OrdenadaNivelFreaticoGrieta > p.OrdenadaSegundoPuntoGrieta)
            g.aguaEnGrieta = std::min(p.OrdenadaNivelFreaticoGrieta, p.OrdenadaPrimerPuntoGrieta);
    }

    // Extensión sin las cargas, para el largo de sus flechas.
    Rectangulo r;
    bool vacio = true;
    for (const auto* conjunto : {&g.talud, &g.freatico, &g.superficie, &g.puntosSuperficie})
        for (const PuntoXY& q : *conjunto)
            Extender(r, vacio, q);
    for (const auto& linea : g.lineasEstratos)
        for (const PuntoXY& q : linea)
            Extender(r, vacio, q);
    if (g.grieta) {
        Extender(r, vacio, g.grieta->first);
        Extender(r, vacio, g.grieta->second);
    }
    g.extremos = r;
    auto puntosCarga = [&](double x, double y) { Extender(r, vacio, {x, y}); };
    for (int i = 1; i <= p.NumeroCargasUniformes(); ++i) {
        puntosCarga(p.CargaUniformeXo(i), p.CargaUniformeYo(i));
        puntosCarga(p.CargaUniformeXf(i), p.CargaUniformeYf(i));
    }
    for (int i = 1; i <= p.NumeroCargasPuntuales(); ++i)
        puntosCarga(p.CargaPuntualX(i), p.CargaPuntualY(i));

    // Cargas: flechas que llegan al punto donde actúan. Positivas cuando comprimen el talud: la
    // componente vertical hacia abajo y la horizontal hacia las x positivas (el talud mira hacia
    // las x negativas).
    const double largo = vacio ? 1.0 : LargoFlecha * std::max(r.Ancho(), r.Alto());
    auto flecha = [&](double x, double y, double fx, double fy) {
        const double modulo = std::hypot(fx, fy);
        if (!(modulo > 0.0) || !std::isfinite(modulo)) return;
        const double dx = fx / modulo, dy = -fy / modulo;
        g.cargas.push_back({{x - dx * largo, y - dy * largo}, {x, y}});
    };
    for (int i = 1; i <= p.NumeroCargasUniformes(); ++i)
        for (int k = 0; k < FlechasPorCarga; ++k) {
            const double f = static_cast<double>(k) / (FlechasPorCarga - 1);
            flecha(p.CargaUniformeXo(i) + f * (p.CargaUniformeXf(i) - p.CargaUniformeXo(i)),
                   p.CargaUniformeYo(i) + f * (p.CargaUniformeYf(i) - p.CargaUniformeYo(i)),
                   p.CargaUniformeQx(i), p.CargaUniformeQy(i));
        }
    for (int i = 1; i <= p.NumeroCargasPuntuales(); ++i)
        flecha(p.CargaPuntualX(i), p.CargaPuntualY(i), p.CargaPuntualPx(i), p.CargaPuntualPy(i));
    for (const Flecha& f : g.cargas)
        Extender(r, vacio, f.cola);
    g.extension = r;
    return g;
}

Escena EscenaSeccion(const Proyecto& proyecto, const OpcionesSeccion& o)
{
    const GeometriaSeccion g = CalcularGeometriaSeccion(proyecto, o);
    Escena escena;
    escena.ancho = o.ancho;
    escena.alto = o.alto;

    // Leyenda.
    std::vector<EntradaLeyenda> leyenda;
    using M = EntradaLeyenda::Muestra;
    if (!g.talud.empty())
        leyenda.push_back({M::Linea, colores::Talud, Trazado::Continuo, textos::LeyendaTalud});
    for (std::size_t i = 0; i < g.estratos.size(); ++i)
        leyenda.push_back({M::Relleno, ColorDeEstrato(static_cast<int>(i) + 1), Trazado::Continuo,
                           textos::LeyendaEstrato(static_cast<int>(i) + 1)});
    if (!g.freatico.empty())
        leyenda.push_back(
            {M::Linea, colores::Freatico, Trazado::Continuo, textos::LeyendaFreatico});
    if (!g.superficie.empty())
        leyenda.push_back(
            {M::Linea, colores::Falla,
             g.superficieConstruida ? Trazado::Continuo : Trazado::Discontinuo,
             g.superficieConstruida ? textos::LeyendaFalla : textos::LeyendaFallaSinConstruir});
    if (!g.dovelas.empty())
        leyenda.push_back({M::Linea, colores::Dovela, Trazado::Continuo, textos::LeyendaDovelas});
    if (g.grieta)
        leyenda.push_back({M::Linea, colores::Grieta, Trazado::Continuo, textos::LeyendaGrieta});
    if (!g.cargas.empty())
        leyenda.push_back({M::Linea, colores::Carga, Trazado::Continuo, textos::LeyendaCargas});
    if (!o.leyenda) leyenda.clear();

    const double letraTitulo = o.tamanoLetra + AumentoTitulo;
    const double arriba = HolguraBorde + (o.titulo.empty() ? 0.0 : AltoTitulo * letraTitulo);
    const PuntoPx tamanoLeyenda = TamanoLeyenda(leyenda, o.tamanoLetra);
    const double derecha = HolguraBorde + (leyenda.empty() ? 0.0 : tamanoLeyenda.x + HolguraBorde) +
                           std::max(0.0, o.reservaDerecha);

    Rectangulo mundo;
    if (o.ventana) {
        mundo = *o.ventana;
    } else if (g.extension.Ancho() <= 0.0 && g.extension.Alto() <= 0.0) {
        const double x = g.extension.x0, y = g.extension.y0;
        mundo = {x - MedioAnchoSinExtension, y - MedioAltoSinExtension, x + MedioAnchoSinExtension,
                 y + MedioAltoSinExtension};
    } else {
        mundo = g.extension;
        const double mx = std::max(MargenMinimo, MargenExtension * mundo.Ancho());
        const double my = std::max(MargenMinimo, MargenExtension * mundo.Alto());
        mundo = {mundo.x0 - mx, mundo.y0 - my, mundo.x1 + mx, mundo.y1 + my};
    }
    OpcionesEjes ejes;
    ejes.tituloX = textos::EjeAbscisas;
    ejes.tituloY = textos::EjeOrdenadas;
    ejes.color = o.colorEjes;
    ejes.tamanoLetra = o.tamanoLetra;
    ejes.rejilla = true;
    ejes.pasoMinimo = o.pasoMinimo;
    if (o.extremos && !g.talud.empty()) ejes.extremos = g.extremos;
    const Margenes m = MargenesDeEjes(mundo, ejes);
    const Rectangulo area{HolguraBorde + m.izquierda, arriba + m.arriba,
                          std::max(HolguraBorde + m.izquierda + 1.0, o.ancho - derecha - m.derecha),
                          std::max(arriba + m.arriba + 1.0, o.alto - HolguraBorde - m.abajo)};
    escena.transformacion = Ajustar(mundo, area, o.escalasIguales);
    const Transformacion& t = escena.transformacion;
    DibujarEjes(escena, ejes);

    // Estratos.
    for (std::size_t i = 0; i < g.estratos.size(); ++i) {
        if (g.estratos[i].size() < 4) continue;
        Relleno relleno;
        relleno.puntos = APixeles(t, g.estratos[i]);
        relleno.color = ColorDeEstrato(static_cast<int>(i) + 1);
        relleno.enArea = true;
        escena.rellenos.push_back(std::move(relleno));
    }
    for (const auto& linea : g.lineasEstratos)
        if (linea.size() >= 2)
            escena.lineas.push_back(LineaEnArea(APixeles(t, linea), colores::LineaEstrato, 1.0));
    // Dovelas, bajo la superficie.
    for (const auto& [abajo, arribaDovela] : g.dovelas)
        escena.lineas.push_back(
            LineaEnArea({t.Pixel(abajo.x, abajo.y), t.Pixel(arribaDovela.x, arribaDovela.y)},
                        colores::Dovela, 0.8));
    if (g.talud.size() >= 2)
        escena.lineas.push_back(LineaEnArea(APixeles(t, g.talud), colores::Talud, 2.0));
    if (g.freatico.size() >= 2) {
        escena.lineas.push_back(LineaEnArea(APixeles(t, g.freatico), colores::Freatico, 1.8));
        // El símbolo del nivel, sobre su punto más a la izquierda de lo que se ve.
        const Perfil nivel = PerfilDe(g.freatico);
        const double x = std::clamp(nivel.front().x + 0.15 * (nivel.back().x - nivel.front().x),
                                    t.mundo.x0, t.mundo.x1);
        if (const auto y = OrdenadaEn(nivel, x)) {
            const PuntoPx c = t.Pixel(x, *y);
            escena.marcas.push_back({{c.x, c.y - RadioNivel},
                                     RadioNivel,
                                     FormaMarca::TrianguloInvertido,
                                     colores::Freatico});
        }
    }
    if (g.grieta) {
        escena.lineas.push_back(LineaEnArea({t.Pixel(g.grieta->first.x, g.grieta->first.y),
                                             t.Pixel(g.grieta->second.x, g.grieta->second.y)},
                                            colores::Grieta, 2.5));
        if (g.aguaEnGrieta) {
            const auto& [a, b] = *g.grieta;
            const double f = (*g.aguaEnGrieta - b.y) / (a.y - b.y);
            const PuntoXY nivel{b.x + f * (a.x - b.x), *g.aguaEnGrieta};
            escena.lineas.push_back(LineaEnArea({t.Pixel(b.x, b.y), t.Pixel(nivel.x, nivel.y)},
                                                colores::Freatico, 4.0));
        }
    }
    if (g.superficie.size() >= 2)
        escena.lineas.push_back(
            LineaEnArea(APixeles(t, g.superficie), colores::Falla, 2.5,
                        g.superficieConstruida ? Trazado::Continuo : Trazado::Discontinuo));
    if (o.conSuperficie)
        for (const PuntoXY& q : g.puntosSuperficie)
            escena.marcas.push_back(
                {t.Pixel(q.x, q.y), RadioPunto, FormaMarca::Circulo, colores::Falla});
    for (const Flecha& f : g.cargas)
        DibujarFlecha(escena, t, f);

    // El conjunto en edición: sus puntos y el elegido.
    if (o.edicion) {
        const auto& puntos = o.edicion->puntos;
        for (std::size_t k = 0; k < puntos.size(); ++k)
            escena.marcas.push_back({t.Pixel(puntos[k].x, puntos[k].y), RadioPuntoEditado,
                                     FormaMarca::Cuadrado, colores::Negro});
        const int s = o.edicion->seleccionado;
        if (s >= 1 && s <= static_cast<int>(puntos.size())) {
            const PuntoXY& q = puntos[static_cast<std::size_t>(s - 1)];
            escena.marcas.push_back(
                {t.Pixel(q.x, q.y), RadioElegido, FormaMarca::Anillo, colores::Elegido});
        }
    }

    // Textos dentro del dibujo: primero el factor de seguridad, después los números de los
    // estratos donde quepan.
    // Los números no tapan la superficie de falla ni el nivel freático.
    std::vector<Rectangulo> ocupado;
    for (const auto* linea : {&g.superficie, &g.freatico})
        for (const Rectangulo& r : CajasDeLinea(APixeles(t, *linea), PasoObstaculo, RadioObstaculo))
            ocupado.push_back(r);
    std::vector<std::vector<Texto>> candidatos;
    if (o.factorSeguridad && g.superficie.size() >= 2) {
        const std::string texto =
            textos::EtiquetaFactorSeguridad(*o.factorSeguridad, o.nombreMetodo);
        const auto bajo =
            std::min_element(g.superficie.begin(), g.superficie.end(),
                             [](const PuntoXY& a, const PuntoXY& b) { return a.y < b.y; });
        const PuntoPx pb = t.Pixel(bajo->x, bajo->y);
        const PuntoXY medio = g.superficie[g.superficie.size() / 2];
        const PuntoPx pm = t.Pixel(medio.x, medio.y);
        const double letra = o.tamanoLetra + 1.0;
        std::vector<Texto> opciones{
            Etiqueta(texto, {pb.x, pb.y + SeparacionEtiqueta}, letra, AlineacionH::Centro,
                     AlineacionV::Arriba, colores::Falla),
            Etiqueta(texto, {pm.x, pm.y - SeparacionEtiqueta}, letra, AlineacionH::Centro,
                     AlineacionV::Abajo, colores::Falla),
            Etiqueta(texto, {pm.x + SeparacionEtiqueta, pm.y + SeparacionEtiqueta}, letra,
                     AlineacionH::Izquierda, AlineacionV::Arriba, colores::Falla),
            Etiqueta(texto, {pb.x, pb.y - SeparacionEtiqueta}, letra, AlineacionH::Centro,
                     AlineacionV::Abajo, colores::Falla),
            Etiqueta(texto, {t.area.x0 + SeparacionEtiqueta, t.area.y0 + SeparacionEtiqueta}, letra,
                     AlineacionH::Izquierda, AlineacionV::Arriba, colores::Falla)};
        for (Texto& op : opciones)
            op.negrita = true;
        candidatos.push_back(std::move(opciones));
    }
    for (std::size_t i = 0; i < g.estratos.size(); ++i) {
        const Poligono& poligono = g.estratos[i];
        if (poligono.size() < 4) continue;
        double x0 = poligono.front().x, x1 = poligono.front().x;
        for (const PuntoXY& q : poligono) {
            x0 = std::min(x0, q.x);
            x1 = std::max(x1, q.x);
        }
        x0 = std::max(x0, t.mundo.x0);
        x1 = std::min(x1, t.mundo.x1);
        if (!(x1 > x0)) continue;
        struct Lugar {
            double alto;
            PuntoPx ancla;
        };
        std::vector<Lugar> lugares;
        for (int k = 1; k < CandidatosEstrato; ++k) {
            const double x = x0 + (x1 - x0) * k / CandidatosEstrato;
            const auto tramo = TramoVertical(poligono, x);
            if (!tramo) continue;
            const double bajo = std::max(tramo->first, t.mundo.y0);
            const double alto = std::min(tramo->second, t.mundo.y1);
            const double altoPx = (alto - bajo) * t.ey;
            if (altoPx < AltoMinimoNumero * o.tamanoLetra) continue;
            lugares.push_back({altoPx, t.Pixel(x, (bajo + alto) / 2.0)});
        }
        std::stable_sort(lugares.begin(), lugares.end(),
                         [](const Lugar& a, const Lugar& b) { return a.alto > b.alto; });
        std::vector<Texto> opciones;
        for (const Lugar& l : lugares) {
            Texto numero = Etiqueta(std::to_string(i + 1), l.ancla, o.tamanoLetra + 1.0,
                                    AlineacionH::Centro, AlineacionV::Centro, colores::Negro);
            numero.negrita = true;
            opciones.push_back(std::move(numero));
        }
        candidatos.push_back(std::move(opciones));
    }
    for (Texto& texto : ColocarTextos(candidatos, t.area, ocupado))
        escena.textos.push_back(std::move(texto));

    if (!o.titulo.empty()) {
        Texto titulo;
        titulo.texto = o.titulo;
        titulo.ancla = {(t.area.x0 + t.area.x1) / 2.0, HolguraBorde};
        titulo.tamano = letraTitulo;
        titulo.h = AlineacionH::Centro;
        titulo.v = AlineacionV::Arriba;
        titulo.color = o.colorEjes;
        titulo.negrita = true;
        escena.textos.push_back(std::move(titulo));
    }
    if (!leyenda.empty())
        DibujarLeyenda(escena, leyenda, {o.ancho - HolguraBorde, arriba}, o.tamanoLetra);
    return escena;
}

PreparacionGeometria PrepararGraficoGeometria(Proyecto& p, Interaccion& ui)
{
    PreparacionGeometria r;
    if (p.NumeroCoordenadasTalud() == 0) {
        ui.Mensaje(textos::SinCoordenadasTalud, textos::TituloSinTalud);
        return r;
    }
    r.dibujar = true;
    const bool modifico = ui.Pregunta(textos::PreguntaModificoSuperficie);
    r.origen = !modifico && p.NumeroPuntosDovelas >= 2 ? OrigenSuperficie::Dovelas
                                                       : OrigenSuperficie::Definicion;
    if (r.origen == OrigenSuperficie::Definicion && p.TiposDeFallaDefinidos && EsCirculoUnico(p) &&
        p.NumeroCoordenadasFalla() >= 2) {
        if (p.RadioCirculoFalla == 0.0) {
            ui.Mensaje(textos::FaltaRadioSPF, textos::TituloRadioSPF);
            r.conSuperficie = false;
            return r;
        }
        // El centro y el radio como los construye el cálculo; la cuerda no es del dibujo.
        EstadoCalculo e;
        ReiniciarEstadoCalculo(e);
        InteraccionMuda muda;
        const double cuerda = p.CuerdaCirculo;
        CentroCirculoSimple(p, e, muda);
        p.CuerdaCirculo = cuerda;
    }
    return r;
}

std::vector<PuntoPx> APixeles(const Transformacion& t, const std::vector<PuntoXY>& puntos)
{
    std::vector<PuntoPx> px;
    px.reserve(puntos.size());
    for (const PuntoXY& q : puntos)
        px.push_back(t.Pixel(q.x, q.y));
    return px;
}

} // namespace vertana
