#include "output/grafico_esfuerzos.h"

#include "model/textos.h"
#include "model/unidades.h"
#include "output/grafico_seccion.h"

#include <algorithm>
#include <cmath>

namespace vertana {
namespace {

constexpr double HolguraBorde = 8.0;  // píxeles libres en el borde del lienzo
constexpr double AltoTitulo = 1.9;    // renglones del título, en letras
constexpr double AumentoTitulo = 2.0; // píxeles más que la letra de los ejes
constexpr double GrosorSerie = 2.0;   // píxeles
constexpr int DovelasConMarcas = 60;  // hasta esta cantidad cada punto lleva su marca
constexpr double RadioMarca = 2.5;    // píxeles
constexpr double SeparacionLeyenda = 6.0;

int Dovelas(const Proyecto& p)
{
    return p.NumeroPuntosDovelas > 1 ? p.NumeroPuntosDovelas - 1 : 0;
}

bool TablaCompleta(const Tabla<double>& t, int n)
{
    return t.Tamano() >= n;
}

SerieGrafico SerieEnX(const Proyecto& p, const Tabla<double>& valores, std::string nombre,
                      Color color)
{
    SerieGrafico s{std::move(nombre), color, {}};
    const int n = std::min(Dovelas(p), valores.Tamano());
    for (int i = 1; i <= n; ++i)
        s.puntos.push_back({p.AbscisaCentroDovela(i), valores(i)});
    return s;
}

// La parte de una línea entre dos abscisas, con sus extremos interpolados.
std::vector<PuntoXY> Recortar(const std::vector<PuntoXY>& linea, double x0, double x1)
{
    const Perfil perfil = PerfilDe(linea);
    std::vector<PuntoXY> recorte;
    if (perfil.size() < 2) return recorte;
    const double a = std::max(x0, perfil.front().x), b = std::min(x1, perfil.back().x);
    if (!(b > a)) return recorte;
    recorte.push_back({a, *OrdenadaEn(perfil, a)});
    for (const PuntoXY& q : perfil)
        if (q.x > a && q.x < b) recorte.push_back(q);
    recorte.push_back({b, *OrdenadaEn(perfil, b)});
    return recorte;
}

} // namespace

bool HayResultadosParaGraficos(const Proyecto& p)
{
    const int n = Dovelas(p);
    return p.HayResultados && n >= 1 && FactorDeSeguridadGuardado(p).has_value() &&
           TablaCompleta(p.AbscisaCentroDovela, n) && TablaCompleta(p.EsfuerzoNormalDovela, n) &&
           TablaCompleta(p.EsfuerzoEfectivoDovela, n) &&
           TablaCompleta(p.EsfuerzoTangencialDovela, n) && TablaCompleta(p.FriccionDovela, n);
}

bool ComprobarResultadosGrafico(const Proyecto& p, Interaccion& ui)
{
    if (HayResultadosParaGraficos(p)) return true;
    ui.Mensaje(textos::SinCalculoEsfuerzos, textos::TituloSinCalculoEsfuerzos);
    return false;
}

void RecalcularPrincipalesSuelo(Proyecto& p)
{
    if (p.SueloRoca != Material::Suelo || !HayResultadosParaGraficos(p)) return;
    const double fs = *FactorDeSeguridadGuardado(p);
    const int n = Dovelas(p);
    p.EsfuerzoPrincipalMayorDovela.Redimensionar(n);
    p.EsfuerzoPrincipalMenorDovela.Redimensionar(n);
    for (int i = 1; i <= n; ++i) {
        const double tauf = p.EsfuerzoTangencialDovela(i) * fs;
        const double fi = Radianes(p.FriccionDovela(i));
        const double centro = p.EsfuerzoEfectivoDovela(i) + tauf * std::sin(fi);
        const double radio = tauf / std::cos(fi);
        p.EsfuerzoPrincipalMayorDovela(i) = centro + radio;
        p.EsfuerzoPrincipalMenorDovela(i) = centro - radio;
    }
}

DatosGrafico DatosDelGrafico(const Proyecto& p, TipoDeGrafico tipo)
{
    namespace c = colores;
    DatosGrafico d;
    d.ejeX = textos::EjeAbscisas;
    d.ejeY = textos::EjeEsfuerzos;
    switch (tipo) {
    case TipoDeGrafico::NormalesEfectivos:
        d.titulo = textos::TituloGrafico1;
        d.series.push_back(SerieEnX(p, p.EsfuerzoEfectivoDovela, "", c::Rojo));
        break;
    case TipoDeGrafico::NormalesTotales:
        d.titulo = textos::TituloGrafico2;
        d.series.push_back(SerieEnX(p, p.EsfuerzoNormalDovela, "", c::Rojo));
        break;
    case TipoDeGrafico::PrincipalMayor:
        d.titulo = textos::TituloGrafico3;
        d.series.push_back(SerieEnX(p, p.EsfuerzoPrincipalMayorDovela, "", c::Rojo));
        break;
    case TipoDeGrafico::PrincipalMenor:
        d.titulo = textos::TituloGrafico4;
        d.series.push_back(SerieEnX(p, p.EsfuerzoPrincipalMenorDovela, "", c::Rojo));
        break;
    case TipoDeGrafico::Tangenciales:
        d.titulo = textos::TituloGrafico5;
        d.series.push_back(SerieEnX(p, p.EsfuerzoTangencialDovela, "", c::Rojo));
        break;
    case TipoDeGrafico::ResistenciaVsNormal: {
        d.titulo = textos::TituloGrafico6;
        d.ejeX = textos::EjeEsfuerzoEfectivo;
        SerieGrafico s{textos::LeyendaResistencia, c::Rojo, {}};
        const auto fs = FactorDeSeguridadGuardado(p);
        const int n = std::min(
            {Dovelas(p), p.EsfuerzoEfectivoDovela.Tamano(), p.EsfuerzoTangencialDovela.Tamano()});
        for (int i = 1; fs && i <= n; ++i)
            s.puntos.push_back({p.EsfuerzoEfectivoDovela(i), p.EsfuerzoTangencialDovela(i) * *fs});
        std::stable_sort(s.puntos.begin(), s.puntos.end(),
                         [](const PuntoXY& a, const PuntoXY& b) { return a.x < b.x; });
        d.series.push_back(std::move(s));
        break;
    }
    case TipoDeGrafico::NormalesYTangenciales:
        d.titulo = textos::TituloGrafico7;
        d.series.push_back(
            SerieEnX(p, p.EsfuerzoNormalDovela, textos::LeyendaNormalTotal, c::Rojo));
        d.series.push_back(
            SerieEnX(p, p.EsfuerzoEfectivoDovela, textos::LeyendaNormalEfectivo, c::Verde));
        d.series.push_back(
            SerieEnX(p, p.EsfuerzoTangencialDovela, textos::LeyendaTangencial, c::Azul));
        break;
    case TipoDeGrafico::Principales:
        d.titulo = textos::TituloGrafico8;
        d.series.push_back(
            SerieEnX(p, p.EsfuerzoPrincipalMayorDovela, textos::LeyendaPrincipalMayor, c::Rojo));
        d.series.push_back(
            SerieEnX(p, p.EsfuerzoPrincipalMenorDovela, textos::LeyendaPrincipalMenor, c::Verde));
        break;
    case TipoDeGrafico::GeometriaEscalaEsfuerzos: {
        d.titulo = textos::TituloGrafico9;
        d.ejeY = textos::EjeOrdenadas;
        OpcionesSeccion o;
        const GeometriaSeccion g = CalcularGeometriaSeccion(p, o);
        if (g.puntosSuperficie.empty()) break;
        double x0 = g.puntosSuperficie.front().x, x1 = x0;
        for (const PuntoXY& q : g.puntosSuperficie) {
            x0 = std::min(x0, q.x);
            x1 = std::max(x1, q.x);
        }
        for (std::size_t i = 0; i < g.lineasEstratos.size(); ++i)
            d.series.push_back({textos::LeyendaEstrato(static_cast<int>(i) + 1),
                                ColorLineaDeEstrato(static_cast<int>(i) + 1),
                                Recortar(g.lineasEstratos[i], x0, x1)});
        d.series.push_back({textos::LeyendaTalud, colores::Talud, Recortar(g.talud, x0, x1)});
        d.series.push_back({textos::LeyendaFalla, colores::Falla, g.superficie});
        break;
    }
    }
    // Extremos de todo lo que se dibuja (a partir de ±1 000 000, como cualquier barrido).
    bool vacio = true;
    for (const auto& s : d.series)
        for (const PuntoXY& q : s.puntos) {
            if (!std::isfinite(q.x) || !std::isfinite(q.y)) continue;
            if (vacio) d.extremos = {q.x, q.y, q.x, q.y};
            vacio = false;
            d.extremos.x0 = std::min(d.extremos.x0, q.x);
            d.extremos.x1 = std::max(d.extremos.x1, q.x);
            d.extremos.y0 = std::min(d.extremos.y0, q.y);
            d.extremos.y1 = std::max(d.extremos.y1, q.y);
        }
    return d;
}

Escena EscenaEsfuerzos(const Proyecto& p, TipoDeGrafico tipo, const OpcionesGrafico& o)
{
    const DatosGrafico d = DatosDelGrafico(p, tipo);
    Escena escena;
    escena.ancho = o.ancho;
    escena.alto = o.alto;

    const double letraTitulo = o.tamanoLetra + AumentoTitulo;
    double arriba = HolguraBorde + (o.titulo ? AltoTitulo * letraTitulo : 0.0);
    std::vector<EntradaLeyenda> leyenda;
    for (const auto& s : d.series)
        if (!s.nombre.empty())
            leyenda.push_back(
                {EntradaLeyenda::Muestra::Linea, s.color, Trazado::Continuo, s.nombre});
    if (!o.leyenda || tipo == TipoDeGrafico::ResistenciaVsNormal) leyenda.clear();
    const PuntoPx tamanoLeyenda = TamanoLeyenda(leyenda, o.tamanoLetra);
    const double derecha =
        HolguraBorde + (leyenda.empty() ? 0.0 : tamanoLeyenda.x + SeparacionLeyenda);

    const Rectangulo& e = d.extremos;
    const double ax = AmpliacionGrafico * (e.x1 - e.x0), ay = AmpliacionGrafico * (e.y1 - e.y0);
    const Rectangulo mundo{e.x0 - ax, e.y0 - ay, e.x1 + ax, e.y1 + ay};
    OpcionesEjes ejes;
    ejes.tituloX = d.ejeX;
    ejes.tituloY = d.ejeY;
    ejes.color = colores::Rojo;
    ejes.tamanoLetra = o.tamanoLetra;
    ejes.pasoMinimo = 1.0; // el paso de las marcas nunca baja de 1
    ejes.extremos = e;
    const Margenes m = MargenesDeEjes(mundo, ejes);
    const Rectangulo area{HolguraBorde + m.izquierda, arriba + m.arriba,
                          std::max(HolguraBorde + m.izquierda + 1.0, o.ancho - derecha - m.derecha),
                          std::max(arriba + m.arriba + 1.0, o.alto - HolguraBorde - m.abajo)};
    escena.transformacion = Ajustar(mundo, area, false);
    const Transformacion& t = escena.transformacion;
    DibujarEjes(escena, ejes);

    if (t.mundo.y0 < 0.0 && t.mundo.y1 > 0.0) {
        Linea cero;
        cero.puntos = {t.Pixel(t.mundo.x0, 0.0), t.Pixel(t.mundo.x1, 0.0)};
        cero.color = colores::Gris;
        cero.trazado = Trazado::Discontinuo;
        cero.enArea = true;
        escena.lineas.push_back(std::move(cero));
    }
    const bool conMarcas = tipo == TipoDeGrafico::ResistenciaVsNormal;
    for (const auto& s : d.series) {
        Linea l;
        l.color = s.color;
        l.grosor = GrosorSerie;
        l.enArea = true;
        for (const PuntoXY& q : s.puntos)
            if (std::isfinite(q.x) && std::isfinite(q.y)) l.puntos.push_back(t.Pixel(q.x, q.y));
        if ((conMarcas || l.puntos.size() <= DovelasConMarcas) &&
            tipo != TipoDeGrafico::GeometriaEscalaEsfuerzos)
            for (const PuntoPx& q : l.puntos)
                escena.marcas.push_back({q, RadioMarca, FormaMarca::Circulo, s.color});
        // La resistencia de cada dovela es un punto: las dovelas de estratos distintos no
        // forman una curva.
        if (l.puntos.size() >= 2 && !conMarcas) escena.lineas.push_back(std::move(l));
    }

    if (o.titulo) {
        Texto titulo;
        titulo.texto = d.titulo;
        titulo.ancla = {(t.area.x0 + t.area.x1) / 2.0, HolguraBorde};
        titulo.tamano = letraTitulo;
        titulo.h = AlineacionH::Centro;
        titulo.v = AlineacionV::Arriba;
        titulo.color = colores::Negro;
        titulo.negrita = true;
        escena.textos.push_back(std::move(titulo));
    }
    if (!leyenda.empty())
        DibujarLeyenda(escena, leyenda, {o.ancho - HolguraBorde, arriba}, o.tamanoLetra);
    return escena;
}

} // namespace vertana
