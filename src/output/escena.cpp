#include "output/escena.h"

#include "model/numeros.h"

#include <algorithm>
#include <cmath>

namespace vertana {
namespace {

constexpr double AnchoPorCaracter = 0.62;     // del tamaño de la letra (ver AnchoEstimado)
constexpr double AltoDeLinea = 1.25;          // alto de un renglón, del tamaño de la letra
constexpr double LargoMarca = 5.0;            // píxeles de una marca de eje
constexpr double SeparacionTexto = 4.0;       // píxeles entre una marca y su valor
constexpr double HolguraEtiquetas = 10.0;     // píxeles libres entre dos valores de un eje
constexpr double AltoMinimoEntreMarcas = 2.2; // renglones entre dos marcas del eje y
constexpr int MarcasPorOmision = 10;          // para estimar el ancho de los valores del eje y
constexpr int MaximoMarcasEje = 25;
constexpr int MaximoAjustesMarcas = 30; // reducciones de la cantidad de marcas hasta que quepan
constexpr double RelativoIgual = 1e-9;  // tolerancia relativa al paso para incluir un extremo
constexpr double MuestraLeyenda = 28.0; // píxeles de la muestra de una entrada
constexpr double RellenoLeyenda = 6.0;  // píxeles entre el recuadro y su contenido
constexpr int DecimalesExtremos = 2;    // "#0.00"

// Paso redondo: el menor de 1, 2 o 5 por una potencia de 10 que no baja de `valor`.
double PasoRedondo(double valor)
{
    constexpr double Mantisas[] = {1.0, 2.0, 5.0, 10.0};
    const double potencia = std::pow(10.0, std::floor(std::log10(valor)));
    for (double m : Mantisas)
        if (m * potencia >= valor * (1.0 - RelativoIgual)) return m * potencia;
    return 10.0 * potencia;
}

int CaracteresUtf8(const std::string& texto)
{
    int n = 0;
    for (unsigned char c : texto)
        if ((c & 0xC0) != 0x80) ++n; // no cuenta los bytes de continuación
    return n;
}

// Marcas de un eje de `largo` píxeles en el que cada valor ocupa `espacio(marcas)` píxeles.
template <typename Espacio>
MarcasEje MarcasQueCaben(double min, double max, double largo, double pasoMinimo, Espacio espacio)
{
    int maximo = std::clamp(static_cast<int>(largo / HolguraEtiquetas), 2, MaximoMarcasEje);
    MarcasEje m = CalcularMarcas(min, max, maximo, pasoMinimo);
    for (int intento = 0; intento < MaximoAjustesMarcas && maximo > 2; ++intento) {
        const double separacion = largo * m.paso / (max - min);
        if (separacion >= espacio(m)) break;
        --maximo;
        m = CalcularMarcas(min, max, maximo, pasoMinimo);
    }
    return m;
}

double AnchoMayorValor(const MarcasEje& m, double tamano)
{
    double ancho = 0.0;
    for (double v : m.valores)
        ancho = std::max(ancho, AnchoEstimado(TextoValor(v, m.decimales), tamano));
    return ancho;
}

} // namespace

PuntoPx Transformacion::Pixel(double x, double y) const
{
    return {area.x0 + (x - mundo.x0) * ex, area.y1 - (y - mundo.y0) * ey};
}

double Transformacion::AbscisaEn(double px) const
{
    return mundo.x0 + (px - area.x0) / ex;
}

double Transformacion::OrdenadaEn(double py) const
{
    return mundo.y0 + (area.y1 - py) / ey;
}

Transformacion Ajustar(const Rectangulo& mundo, const Rectangulo& area, bool escalasIguales)
{
    Transformacion t;
    t.area = area;
    t.mundo = mundo;
    constexpr double AnchoMinimo = 1e-9; // unidades: un mundo sin ancho se abre un poco
    if (!(t.mundo.Ancho() > AnchoMinimo)) {
        t.mundo.x0 -= 0.5;
        t.mundo.x1 += 0.5;
    }
    if (!(t.mundo.Alto() > AnchoMinimo)) {
        t.mundo.y0 -= 0.5;
        t.mundo.y1 += 0.5;
    }
    t.ex = area.Ancho() / t.mundo.Ancho();
    t.ey = area.Alto() / t.mundo.Alto();
    if (escalasIguales) {
        const double e = std::min(t.ex, t.ey);
        const double sobraX = area.Ancho() / e - t.mundo.Ancho();
        const double sobraY = area.Alto() / e - t.mundo.Alto();
        t.mundo.x0 -= sobraX / 2.0;
        t.mundo.x1 += sobraX / 2.0;
        t.mundo.y0 -= sobraY / 2.0;
        t.mundo.y1 += sobraY / 2.0;
        t.ex = t.ey = e;
    }
    return t;
}

Rectangulo Texto::Caja() const
{
    double ancho = AnchoEstimado(texto, tamano);
    double alto = tamano * AltoDeLinea;
    if (vertical) std::swap(ancho, alto);
    double x0 = ancla.x, y0 = ancla.y;
    if (h == AlineacionH::Centro) x0 -= ancho / 2.0;
    if (h == AlineacionH::Derecha) x0 -= ancho;
    if (v == AlineacionV::Centro) y0 -= alto / 2.0;
    if (v == AlineacionV::Abajo) y0 -= alto;
    return {x0, y0, x0 + ancho, y0 + alto};
}

double AnchoEstimado(const std::string& texto, double tamano)
{
    return CaracteresUtf8(texto) * tamano * AnchoPorCaracter;
}

MarcasEje CalcularMarcas(double min, double max, int maximoMarcas, double pasoMinimo)
{
    MarcasEje m;
    if (!(max > min)) {
        min -= 0.5;
        max += 0.5;
    }
    maximoMarcas = std::max(1, maximoMarcas);
    m.paso = PasoRedondo(std::max((max - min) / maximoMarcas, pasoMinimo));
    const double primero = std::ceil(min / m.paso - RelativoIgual);
    for (int k = 0; k <= maximoMarcas + 1; ++k) {
        const double v = (primero + k) * m.paso;
        if (v > max + m.paso * RelativoIgual) break;
        m.valores.push_back(v);
    }
    m.decimales = std::max(0, static_cast<int>(-std::floor(std::log10(m.paso) + RelativoIgual)));
    return m;
}

std::string TextoValor(double valor, int decimales)
{
    std::string patron = "#0";
    if (decimales > 0) patron += "." + std::string(static_cast<std::size_t>(decimales), '0');
    return Formato(valor, patron);
}

std::vector<Texto> ColocarTextos(const std::vector<std::vector<Texto>>& candidatos,
                                 const Rectangulo& limites, std::vector<Rectangulo>& ocupado)
{
    std::vector<Texto> colocados;
    for (const auto& opciones : candidatos) {
        for (const Texto& t : opciones) {
            const Rectangulo caja = t.Caja();
            if (caja.x0 < limites.x0 || caja.x1 > limites.x1 || caja.y0 < limites.y0 ||
                caja.y1 > limites.y1)
                continue;
            const bool libre =
                std::none_of(ocupado.begin(), ocupado.end(),
                             [&](const Rectangulo& r) { return r.SeCruzaCon(caja); });
            if (!libre) continue;
            ocupado.push_back(caja);
            colocados.push_back(t);
            break;
        }
    }
    return colocados;
}

std::vector<Rectangulo> CajasDeLinea(const std::vector<PuntoPx>& linea, double paso, double radio)
{
    std::vector<Rectangulo> cajas;
    auto caja = [&](double x, double y) {
        cajas.push_back({x - radio, y - radio, x + radio, y + radio});
    };
    for (std::size_t k = 0; k < linea.size(); ++k) {
        caja(linea[k].x, linea[k].y);
        if (k == 0) continue;
        const PuntoPx& a = linea[k - 1];
        const PuntoPx& b = linea[k];
        const int pasos = static_cast<int>(std::hypot(b.x - a.x, b.y - a.y) / paso);
        for (int i = 1; i <= pasos; ++i) {
            const double f = static_cast<double>(i) / (pasos + 1);
            caja(a.x + f * (b.x - a.x), a.y + f * (b.y - a.y));
        }
    }
    return cajas;
}

Margenes MargenesDeEjes(const Rectangulo& mundo, const OpcionesEjes& o)
{
    const double renglon = o.tamanoLetra * AltoDeLinea;
    const MarcasEje y = CalcularMarcas(mundo.y0, mundo.y1, MarcasPorOmision, o.pasoMinimo);
    double anchoY = AnchoMayorValor(y, o.tamanoLetra);
    // Un paso más fino que el estimado puede pedir un decimal más.
    anchoY += AnchoEstimado("0", o.tamanoLetra);
    Margenes m;
    m.izquierda = LargoMarca + SeparacionTexto + anchoY + SeparacionTexto;
    m.abajo = LargoMarca + SeparacionTexto + renglon;
    if (o.extremos) {
        const double anchoExtremos =
            std::max(AnchoEstimado(TextoValor(o.extremos->y0, DecimalesExtremos), o.tamanoLetra),
                     AnchoEstimado(TextoValor(o.extremos->y1, DecimalesExtremos), o.tamanoLetra));
        m.izquierda += anchoExtremos + SeparacionTexto;
        m.abajo += renglon;
    }
    if (!o.tituloY.empty()) m.izquierda += renglon + SeparacionTexto;
    if (!o.tituloX.empty()) m.abajo += renglon + SeparacionTexto;
    m.arriba = renglon / 2.0; // media letra del valor más alto del eje y
    m.derecha = AnchoEstimado("00000", o.tamanoLetra) / 2.0; // medio valor del último de x
    return m;
}

void DibujarEjes(Escena& escena, const OpcionesEjes& o)
{
    const Transformacion& t = escena.transformacion;
    const Rectangulo& a = t.area;
    const double renglon = o.tamanoLetra * AltoDeLinea;

    const MarcasEje mx =
        MarcasQueCaben(t.mundo.x0, t.mundo.x1, a.Ancho(), o.pasoMinimo, [&](const MarcasEje& m) {
            return AnchoMayorValor(m, o.tamanoLetra) + HolguraEtiquetas;
        });
    const MarcasEje my =
        MarcasQueCaben(t.mundo.y0, t.mundo.y1, a.Alto(), o.pasoMinimo,
                       [&](const MarcasEje&) { return AltoMinimoEntreMarcas * renglon; });

    Linea marco;
    marco.puntos = {{a.x0, a.y0}, {a.x1, a.y0}, {a.x1, a.y1}, {a.x0, a.y1}};
    marco.cerrada = true;
    marco.color = o.color;

    std::vector<Rectangulo> ocupado;
    const Rectangulo lienzo{0.0, 0.0, escena.ancho, escena.alto};
    std::vector<std::vector<Texto>> valores;
    for (double v : mx.valores) {
        const double px = t.Pixel(v, 0.0).x;
        if (o.rejilla)
            escena.rejilla.push_back(
                {{{px, a.y0}, {px, a.y1}}, colores::GrisClaro, 1.0, Trazado::Continuo, false});
        escena.lineas.push_back(
            {{{px, a.y1}, {px, a.y1 + LargoMarca}}, o.color, 1.0, Trazado::Continuo, false});
        valores.push_back(
            {NuevoTexto(TextoValor(v, mx.decimales), {px, a.y1 + LargoMarca + SeparacionTexto},
                        o.tamanoLetra, AlineacionH::Centro, AlineacionV::Arriba, o.color)});
    }
    for (double v : my.valores) {
        const double py = t.Pixel(0.0, v).y;
        if (o.rejilla)
            escena.rejilla.push_back(
                {{{a.x0, py}, {a.x1, py}}, colores::GrisClaro, 1.0, Trazado::Continuo, false});
        escena.lineas.push_back(
            {{{a.x0 - LargoMarca, py}, {a.x0, py}}, o.color, 1.0, Trazado::Continuo, false});
        valores.push_back(
            {NuevoTexto(TextoValor(v, my.decimales), {a.x0 - LargoMarca - SeparacionTexto, py},
                        o.tamanoLetra, AlineacionH::Derecha, AlineacionV::Centro, o.color)});
    }
    escena.lineas.push_back(marco);
    for (Texto& texto : ColocarTextos(valores, lienzo, ocupado))
        escena.textos.push_back(std::move(texto));

    double debajo = a.y1 + LargoMarca + SeparacionTexto + renglon;
    double izquierda = a.x0 - LargoMarca - SeparacionTexto - AnchoMayorValor(my, o.tamanoLetra) -
                       AnchoEstimado("0", o.tamanoLetra) - SeparacionTexto;
    if (o.extremos) {
        // Los extremos de los datos, en una fila debajo de los valores de x y en una columna a
        // la izquierda de los de y, cada uno frente a su posición.
        std::vector<std::vector<Texto>> extremos;
        for (double v : {o.extremos->x0, o.extremos->x1}) {
            const double px = t.Pixel(v, 0.0).x;
            const std::string s = TextoValor(v, DecimalesExtremos);
            extremos.push_back({NuevoTexto(s, {px, debajo}, o.tamanoLetra, AlineacionH::Centro,
                                           AlineacionV::Arriba, o.color),
                                NuevoTexto(s, {px, debajo}, o.tamanoLetra, AlineacionH::Izquierda,
                                           AlineacionV::Arriba, o.color),
                                NuevoTexto(s, {px, debajo}, o.tamanoLetra, AlineacionH::Derecha,
                                           AlineacionV::Arriba, o.color)});
        }
        for (double v : {o.extremos->y0, o.extremos->y1}) {
            const double py = t.Pixel(0.0, v).y;
            const std::string s = TextoValor(v, DecimalesExtremos);
            extremos.push_back({NuevoTexto(s, {izquierda, py}, o.tamanoLetra, AlineacionH::Derecha,
                                           AlineacionV::Centro, o.color),
                                NuevoTexto(s, {izquierda, py}, o.tamanoLetra, AlineacionH::Derecha,
                                           AlineacionV::Abajo, o.color),
                                NuevoTexto(s, {izquierda, py}, o.tamanoLetra, AlineacionH::Derecha,
                                           AlineacionV::Arriba, o.color)});
        }
        for (Texto& texto : ColocarTextos(extremos, lienzo, ocupado))
            escena.textos.push_back(std::move(texto));
        debajo += renglon;
        izquierda -=
            std::max(AnchoEstimado(TextoValor(o.extremos->y0, DecimalesExtremos), o.tamanoLetra),
                     AnchoEstimado(TextoValor(o.extremos->y1, DecimalesExtremos), o.tamanoLetra)) +
            SeparacionTexto;
    }
    if (!o.tituloX.empty())
        escena.textos.push_back(
            NuevoTexto(o.tituloX, {(a.x0 + a.x1) / 2.0, debajo + SeparacionTexto}, o.tamanoLetra,
                       AlineacionH::Centro, AlineacionV::Arriba, o.color));
    if (!o.tituloY.empty()) {
        Texto titulo = NuevoTexto(o.tituloY, {izquierda, (a.y0 + a.y1) / 2.0}, o.tamanoLetra,
                                  AlineacionH::Derecha, AlineacionV::Centro, o.color);
        titulo.vertical = true;
        escena.textos.push_back(titulo);
    }
}

PuntoPx TamanoLeyenda(const std::vector<EntradaLeyenda>& entradas, double tamanoLetra)
{
    double ancho = 0.0;
    for (const auto& e : entradas)
        ancho = std::max(ancho, AnchoEstimado(e.texto, tamanoLetra));
    const double renglon = tamanoLetra * AltoDeLinea;
    return {ancho + MuestraLeyenda + 3.0 * RellenoLeyenda,
            static_cast<double>(entradas.size()) * renglon + 2.0 * RellenoLeyenda};
}

Rectangulo DibujarLeyenda(Escena& escena, const std::vector<EntradaLeyenda>& entradas,
                          PuntoPx esquina, double tamanoLetra)
{
    const PuntoPx tamano = TamanoLeyenda(entradas, tamanoLetra);
    const Rectangulo caja{esquina.x - tamano.x, esquina.y, esquina.x, esquina.y + tamano.y};
    if (entradas.empty()) return caja;
    escena.rellenos.push_back({{{caja.x0, caja.y0},
                                {caja.x1, caja.y0},
                                {caja.x1, caja.y1},
                                {caja.x0, caja.y1},
                                {caja.x0, caja.y0}},
                               colores::Blanco});
    escena.lineas.push_back(
        {{{caja.x0, caja.y0}, {caja.x1, caja.y0}, {caja.x1, caja.y1}, {caja.x0, caja.y1}},
         colores::Gris,
         1.0,
         Trazado::Continuo,
         true});
    const double renglon = tamanoLetra * AltoDeLinea;
    for (std::size_t i = 0; i < entradas.size(); ++i) {
        const auto& e = entradas[i];
        const double y = caja.y0 + RellenoLeyenda + (static_cast<double>(i) + 0.5) * renglon;
        const double xm = caja.x0 + RellenoLeyenda;
        switch (e.muestra) {
        case EntradaLeyenda::Muestra::Linea:
            escena.lineas.push_back(
                {{{xm, y}, {xm + MuestraLeyenda, y}}, e.color, 2.0, e.trazado, false});
            break;
        case EntradaLeyenda::Muestra::Relleno: {
            const double m = renglon * 0.35;
            escena.rellenos.push_back({{{xm, y - m},
                                        {xm + MuestraLeyenda, y - m},
                                        {xm + MuestraLeyenda, y + m},
                                        {xm, y + m},
                                        {xm, y - m}},
                                       e.color});
            break;
        }
        case EntradaLeyenda::Muestra::Marca:
            escena.marcas.push_back(
                {{xm + MuestraLeyenda / 2.0, y}, renglon * 0.3, FormaMarca::Circulo, e.color});
            break;
        }
        escena.textos.push_back(NuevoTexto(e.texto, {xm + MuestraLeyenda + RellenoLeyenda, y},
                                           tamanoLetra, AlineacionH::Izquierda, AlineacionV::Centro,
                                           colores::Negro));
    }
    escena.leyenda.insert(escena.leyenda.end(), entradas.begin(), entradas.end());
    return caja;
}

Linea LineaEnArea(std::vector<PuntoPx> puntos, Color color, double grosor, Trazado trazado)
{
    Linea l;
    l.puntos = std::move(puntos);
    l.color = color;
    l.grosor = grosor;
    l.trazado = trazado;
    l.enArea = true;
    return l;
}

Texto NuevoTexto(std::string contenido, PuntoPx ancla, double tamano, AlineacionH h, AlineacionV v,
                 Color color)
{
    Texto t;
    t.texto = std::move(contenido);
    t.ancla = ancla;
    t.tamano = tamano;
    t.h = h;
    t.v = v;
    t.color = color;
    return t;
}

} // namespace vertana
