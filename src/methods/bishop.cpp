#include "methods/bishop.h"

#include "geometry/preparacion.h"
#include "methods/momento_cargas.h"
#include "model/textos.h"
#include "rock/parametros_instantaneos.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace vertana {

namespace {

constexpr double Mitad = 0.5;
// Centros de momentos que se piden a la persona en un cálculo, cuando el que hay no sirve.
constexpr int IntentosCentroDeMomentos = 5;

// Una pasada de las dovelas con el factor F. Devuelve false si la persona abandona.
bool PasadaBishop(const Proyecto& p, const EstadoCalculo& e, Interaccion& ui,
                  ChequeosBishop& chequeos, double F, SolucionBishop& r, double& sumaR,
                  double& sumaD)
{
    const int nd = p.NumeroPuntosDovelas - 1;
    const bool circulo = CirculoUnicoDeCalculo(p);
    const double R = p.RadioCirculoFalla;
    const double xc = circulo ? p.CentroCirculoX : p.CentroCirculoXGuardado;
    const double yc = circulo ? p.CentroCirculoY : p.CentroCirculoYGuardado;
    const double kh = p.CoeficienteSismicoHorizontal, kv = p.CoeficienteSismicoVertical;
    const bool hayFreatico = e.Dovelas.OrdenadaFreaticoDovela.Tamano() >= nd;
    sumaR = 0.0;
    sumaD = 0.0;
    for (int s = 1; s <= nd; ++s) {
        const double a = r.alfa(s), sa = std::sin(a), ca = std::cos(a), ta = std::tan(a);
        const double dx = p.AnchoDovela(s), xs = p.AbscisaCentroDovela(s);
        const double yt = p.OrdenadaTaludDovela(s), yb = p.OrdenadaCentroDovela(s);
        const double u = p.PresionPorosDovela(s), c = p.CohesionDovela(s);
        const double tf = e.Dovelas.TangenteFriccionDovela(s);
        const double l = dx / ca;
        const double W = PesoDovela(p, e, s);
        double V = (1.0 + kv) * W;
        for (int j = 1; j <= p.NumeroCargasUniformes(); ++j)
            if (CargaUniformeCubre(p, j, xs)) V += p.CargaUniformeQy(j) * dx;
        for (int j = 1; j <= p.NumeroCargasPuntuales(); ++j)
            if (CargaPuntualEnDovela(p, e, j, s)) V += p.CargaPuntualPy(j);
        V += (u * tf - c) * dx * ta / F;
        const double mAlfa = ca + sa * tf / F;
        const double N = V / mAlfa;
        r.N(s) = N;
        if (!chequeos.EsfuerzoEfectivoSuprimido && N - u * dx / ca <= 0.0) {
            if (!ui.Pregunta(textos::PreguntaEsfuerzoEfectivoNulo)) return false;
            chequeos.EsfuerzoEfectivoSuprimido = true;
        }
        if (!chequeos.AnguloSuprimido && mAlfa <= LimiteMAlfa) {
            if (!ui.Pregunta(textos::PreguntaAnguloDovela)) return false;
            chequeos.AnguloSuprimido = true;
        }
        const double S = (N - u * l) * tf + c * l;
        double D = 0.0;
        if (circulo) {
            sumaR += S;
            double h = yt - yb;
            if (hayFreatico && !e.DesembalseRapido && e.Dovelas.OrdenadaFreaticoDovela(s) > yt)
                h = e.Dovelas.OrdenadaFreaticoDovela(s) - yb;
            D = (1.0 + kv) * W * R * sa + kh * W * (R * ca - Mitad * h);
        } else {
            sumaR += S * (sa * (xs - xc) - ca * (yb - yc));
            D = (1.0 + kv) * W * (xs - xc) - kh * W * (Mitad * (yt + yb) - yc) -
                N * ((xs - xc) * ca + (yb - yc) * sa);
        }
        D += MomentoCargasDovela(p, e, xc, yc, s, circulo);
        sumaD += D;
    }
    return true;
}

// Prepara y resuelve un radio de ensayo; false si la preparación no sirve para ese radio.
bool EnsayarRadio(Proyecto& p, EstadoCalculo& e, Interaccion& ui, ChequeosBishop& chequeos,
                  SolucionBishop& r)
{
    if (!EjecutarPreparacion(p, e, ui)) return false;
    if (p.NumeroPuntosDovelas < 2) return false;
    r = IteracionBishop(p, e, ui, chequeos);
    return true;
}

void MensajeFinSinResultados(EstadoBishop estado, Interaccion& ui)
{
    if (estado == EstadoBishop::SinConvergencia)
        ui.Mensaje(textos::BishopSinConvergencia, textos::TituloLimiteCalculo);
    else if (estado == EstadoBishop::MomentoNulo)
        ui.Mensaje(textos::MomentoMotorNulo, textos::TituloLimiteCalculo);
    else if (estado == EstadoBishop::NoFinito)
        ui.Mensaje(textos::FactorNoFinitoEnIteracion, textos::TituloLimiteCalculo);
    else if (estado == EstadoBishop::NoPositivo)
        ui.Mensaje(textos::FactorNoPositivo, textos::TituloLimiteCalculo);
}

ResultadoMetodo FinSegun(EstadoBishop estado)
{
    return ResultadoMetodo::Sin(estado == EstadoBishop::Abandonada ? FinCalculo::Abandonado
                                                                   : FinCalculo::Limite);
}

} // namespace

namespace {

SolucionBishop IterarDesde(const Proyecto& p, const EstadoCalculo& e, Interaccion& ui,
                           ChequeosBishop& chequeos, double F)
{
    SolucionBishop r;
    const int nd = p.NumeroPuntosDovelas - 1;
    const bool circulo = CirculoUnicoDeCalculo(p);
    r.alfa = AngulosBaseDovelas(p, e, circulo);
    r.N.Redimensionar(nd);
    for (int pasada = 1; pasada <= MaximoIteracionesBishop; ++pasada) {
        double sumaR = 0.0, sumaD = 0.0;
        if (!PasadaBishop(p, e, ui, chequeos, F, r, sumaR, sumaD)) {
            r.FS = -1.0;
            r.estado = EstadoBishop::Abandonada;
            return r;
        }
        r.pasadas = pasada;
        const double Fnuevo = circulo ? p.RadioCirculoFalla * sumaR / sumaD : sumaR / sumaD;
        EstadoBishop fin = EstadoBishop::Convergio;
        if (sumaD == 0.0)
            fin = EstadoBishop::MomentoNulo;
        else if (!std::isfinite(Fnuevo))
            fin = EstadoBishop::NoFinito;
        else if (!(Fnuevo > 0.0))
            fin = EstadoBishop::NoPositivo; // la pasada siguiente dividiría por F ≤ 0
        if (fin != EstadoBishop::Convergio) {
            r.FS = -1.0;
            r.estado = fin;
            return r;
        }
        if (std::fabs(Fnuevo - F) < ToleranciaFS) {
            r.FS = Fnuevo;
            r.estado = EstadoBishop::Convergio;
            return r;
        }
        F = Fnuevo;
    }
    r.FS = -1.0;
    r.estado = EstadoBishop::SinConvergencia;
    return r;
}

} // namespace

SolucionBishop IteracionBishop(const Proyecto& p, const EstadoCalculo& e, Interaccion& ui,
                               ChequeosBishop& chequeos)
{
    SolucionBishop r = IterarDesde(p, e, ui, chequeos, p.FSInicial);
    const bool sirve = r.estado == EstadoBishop::Convergio && r.FS >= FactorSeguridadMinimo;
    if (sirve || r.estado == EstadoBishop::Abandonada || r.estado == EstadoBishop::MomentoNulo ||
        p.FSInicial == FactorArranqueNeutro)
        return r;
    return IterarDesde(p, e, ui, chequeos, FactorArranqueNeutro);
}

bool CentroParaRadio(double x1, double y1, double x2, double y2, double R, double& xo, double& yo)
{
    const double c = std::hypot(x1 - x2, y1 - y2);
    if (!(R > 0.0) || c / (2.0 * R) > 1.0 || x1 == x2) return false;
    const double theta = std::asin(c / (2.0 * R)) - std::atan((y1 - y2) / (x1 - x2));
    xo = x2 + R * std::sin(theta);
    yo = y2 + R * std::cos(theta);
    return true;
}

PuntoCentro CentroSugeridoDeMomentos(const Proyecto& p)
{
    const int n = p.NumeroCoordenadasFalla();
    if (n < 2) return {};
    const double x1 = p.AbscisasFalla(1), y1 = p.OrdenadasFalla(1);
    const double x2 = p.AbscisasFalla(n), y2 = p.OrdenadasFalla(n);
    const double cx = x2 - x1, cy = y2 - y1, cuerda = std::hypot(cx, cy);
    PuntoCentro centro;
    if (!(cuerda > 0.0)) return centro;
    // Lado de la masa: la normal de la cuerda que apunta hacia arriba.
    const double nx = (cx > 0.0 ? -cy : cy) / cuerda, ny = (cx > 0.0 ? cx : -cx) / cuerda;
    // Punto más hondo: el de mayor distancia a la cuerda del lado contrario a la masa.
    double hondura = 0.0, xh = 0.0, yh = 0.0;
    for (int k = 2; k < n; ++k) {
        const double d = -((p.AbscisasFalla(k) - x1) * nx + (p.OrdenadasFalla(k) - y1) * ny);
        if (d > hondura) {
            hondura = d;
            xh = p.AbscisasFalla(k);
            yh = p.OrdenadasFalla(k);
        }
    }
    // Circuncentro de los tres puntos.
    const double ax = x1 - xh, ay = y1 - yh, bx = x2 - xh, by = y2 - yh;
    const double det = 2.0 * (ax * by - ay * bx);
    if (hondura > 0.0 && det != 0.0) {
        const double a2 = ax * ax + ay * ay, b2 = bx * bx + by * by;
        centro.X = xh + (by * a2 - ay * b2) / det;
        centro.Y = yh + (ax * b2 - bx * a2) / det;
        const double lado = (centro.X - x1) * nx + (centro.Y - y1) * ny;
        if (std::isfinite(centro.X) && std::isfinite(centro.Y) && lado > 0.0) return centro;
    }
    // Radio igual a la cuerda: el centro está a √3/2 de la cuerda sobre su punto medio.
    const double altura = cuerda * std::sqrt(3.0) * Mitad;
    centro.X = x1 + Mitad * cx + altura * nx;
    centro.Y = y1 + Mitad * cy + altura * ny;
    return centro;
}

ResultadoMetodo MetodoBishop(Proyecto& p, EstadoCalculo& e, Interaccion& ui,
                             std::vector<EnsayoRadio>* ensayos)
{
    const auto detenido = ResultadoMetodo::Sin(FinCalculo::Detenido);
    PreguntarDesembalse(e, ui);
    if (p.HayResultados && !ui.Pregunta(textos::PreguntaRecalcular)) return detenido;
    if (p.MetodoDeCalculo != Metodo::Bishop) {
        ui.Mensaje(textos::MetodoNoSeleccionado, textos::TituloNoEsMetodo);
        return detenido;
    }
    if (!ComprobarGrieta(p, ui)) return detenido;
    if (p.SueloRoca == Material::Roca && !p.UsaParametrosInstantaneos) {
        ui.Mensaje(textos::MaterialEsRocaSinInstantaneos, textos::TituloNoEsSuelo);
        return detenido;
    }
    if (!ComprobarCaminoInstantaneo(p, e, ui)) return detenido;
    // Una superficie compuesta leída de un archivo no trae su centro de momentos: se pide a la
    // persona; sin él no hay cálculo.
    if (!CirculoUnicoDeCalculo(p) && p.CentroCirculoXGuardado == 0.0 &&
        p.CentroCirculoYGuardado == 0.0) {
        const std::optional<PuntoCentro> dado = ui.CentroDeMomentos(p, CentroSugeridoDeMomentos(p));
        if (!dado) {
            ui.Mensaje(textos::FaltaCentroDeMomentos, textos::TituloCentroDeMomentos);
            return detenido;
        }
        p.CentroCirculoXGuardado = p.CentroCirculoX = dado->X;
        p.CentroCirculoYGuardado = p.CentroCirculoY = dado->Y;
    }
    if (!PrepararDovelasDelMetodo(p, e, ui, true)) return detenido;
    if (p.NumeroPuntosDovelas < 2) return detenido;

    ChequeosBishop chequeos;
    SolucionBishop r = IteracionBishop(p, e, ui, chequeos);
    // En una superficie compuesta, un centro que no sirve (sin momento motor o con un factor que
    // no es positivo; p. ej. el que fijan los parámetros de cálculo) se cambia por el que dé la
    // persona, si da alguno.
    for (int intento = 0;
         !CirculoUnicoDeCalculo(p) && intento < IntentosCentroDeMomentos &&
         (r.estado == EstadoBishop::MomentoNulo || r.estado == EstadoBishop::NoPositivo ||
          (r.estado == EstadoBishop::Convergio && r.FS <= 0.0));
         ++intento) {
        const std::optional<PuntoCentro> dado = ui.CentroDeMomentos(p, CentroSugeridoDeMomentos(p));
        if (!dado) break;
        p.CentroCirculoXGuardado = p.CentroCirculoX = dado->X;
        p.CentroCirculoYGuardado = p.CentroCirculoY = dado->Y;
        r = IteracionBishop(p, e, ui, chequeos);
    }
    if (r.estado != EstadoBishop::Convergio) {
        MensajeFinSinResultados(r.estado, ui);
        return FinSegun(r.estado);
    }
    std::vector<double> historia{r.FS};

    // Con parámetros instantáneos cada dovela lleva los suyos: no se busca otro radio, cuyas
    // dovelas ya no serían aquéllas.
    if (p.VariaElRadio && CirculoUnicoDeCalculo(p) && !p.UsaParametrosInstantaneos) {
        // Búsqueda del radio: pasos de 1 m, primero creciendo, luego decreciendo desde el radio
        // inicial; cada sentido termina cuando el factor deja de bajar.
        e.CentroFijo = true;
        const double x1 = e.AbscisaMaximaSPF, y1 = p.OrdenadasFalla(1);
        const double x2 = e.AbscisaMinimaSPF, y2 = e.OrdenadaFinalSPF;
        const double mediaCuerda = Mitad * p.CuerdaCirculo;
        EnsayoRadio mejor{p.RadioCirculoFalla, p.CentroCirculoX, p.CentroCirculoY, r.FS};
        const EnsayoRadio inicial = mejor;
        if (ensayos) ensayos->push_back(inicial);
        // Caben los ensayos que dejan sitio en la historia para la solución final.
        const int maximoEnsayos = MaximoHistoriaFS - 2;
        int hechos = 0;
        bool lleno = false;
        for (const double sentido : {1.0, -1.0}) {
            double radio = inicial.radio;
            double anterior = inicial.FS;
            while (!lleno) {
                radio += sentido * PasoRadioBusqueda;
                if (radio <= mediaCuerda) break;
                double xo = 0.0, yo = 0.0;
                bool valido = CentroParaRadio(x1, y1, x2, y2, radio, xo, yo);
                if (valido && yo < y1 && sentido < 0.0) break;
                // Creciendo, el radio sube 1 m más mientras el centro quede bajo el punto 1.
                for (int aumento = 0; valido && yo < y1 && aumento < MaximoHistoriaFS; ++aumento) {
                    radio += PasoRadioBusqueda;
                    valido = CentroParaRadio(x1, y1, x2, y2, radio, xo, yo);
                }
                if (!valido || yo < y1) break;
                if (hechos >= maximoEnsayos) {
                    lleno = true;
                    break;
                }
                p.RadioCirculoFalla = radio;
                p.CentroCirculoX = xo;
                p.CentroCirculoY = yo;
                SolucionBishop ensayo;
                if (!EnsayarRadio(p, e, ui, chequeos, ensayo)) break;
                if (ensayo.estado == EstadoBishop::Abandonada)
                    return ResultadoMetodo::Sin(FinCalculo::Abandonado);
                if (ensayo.estado != EstadoBishop::Convergio) break;
                ++hechos;
                historia.push_back(ensayo.FS);
                const EnsayoRadio este{radio, xo, yo, ensayo.FS};
                if (ensayos) ensayos->push_back(este);
                if (ensayo.FS < mejor.FS) mejor = este;
                if (ensayo.FS >= anterior) break;
                anterior = ensayo.FS;
            }
        }
        if (lleno) ui.Mensaje(textos::BusquedaRadioLlena, textos::TituloLimiteCalculo);
        p.RadioCirculoFalla = mejor.radio;
        p.CentroCirculoX = mejor.xo;
        p.CentroCirculoY = mejor.yo;
        if (!EnsayarRadio(p, e, ui, chequeos, r)) {
            ui.Mensaje(textos::FactorNoFinito, textos::TituloLimiteCalculo);
            return ResultadoMetodo::Sin(FinCalculo::Limite);
        }
        if (r.estado != EstadoBishop::Convergio) {
            MensajeFinSinResultados(r.estado, ui);
            return FinSegun(r.estado);
        }
        historia.push_back(r.FS);
    }

    if (r.FS <= 0.0) {
        ui.Mensaje(textos::FactorNoPositivo, textos::TituloLimiteCalculo);
        return ResultadoMetodo::Sin(FinCalculo::Limite);
    }
    EscribirEsfuerzos(p, e, r.alfa, r.N, r.FS);
    EscribirHistoria(p, historia);
    if (p.UsaParametrosInstantaneos && !CirculoUnicoDeCalculo(p) &&
        Codigo(p.DefinicionParametrosInstantaneos) >= Codigo(DefinicionInstantaneos::EntrePuntos)) {
        p.CentroCirculoX = p.CentroCirculoXGuardado;
        p.CentroCirculoY = p.CentroCirculoYGuardado;
    }
    MarcarResultados(p);
    ui.Mensaje(textos::FinBishop);
    return ResultadoMetodo::Con(r.FS);
}

} // namespace vertana
