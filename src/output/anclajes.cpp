#include "output/anclajes.h"

#include "model/numeros.h"
#include "model/textos.h"

#include <array>
#include <cmath>
#include <limits>

namespace vertana {
namespace {

// π de la calculadora de anclajes (capacidad, tφ, inclinación de los anclajes).
constexpr double PiAnclajes = 3.141592;
// π del ángulo θ2 cuando el último punto queda a la izquierda del centro del círculo.
constexpr double PiAngulosCirculo = 3.141593;
// Corrimiento del último punto cuando está en la vertical del centro (m).
constexpr double CorrimientoVerticalCentro = 0.01;
constexpr double CmPorPulgada = 2.54;
// La capacidad de un anclaje es la mitad de la de rotura de sus barras o guayas.
constexpr double FraccionDeRotura = 0.5;
constexpr double KgPorTon = 1000.0;
constexpr double GradosMediaVueltaAnclajes = 180.0;
constexpr double Infinito = std::numeric_limits<double>::infinity();

double RadianesAnclajes(double grados)
{
    return grados * PiAnclajes / GradosMediaVueltaAnclajes;
}

const char* MensajeDe(RechazoAnclajes r)
{
    switch (r) {
    case RechazoAnclajes::SinResultados:
        return textos::RealiceElCalculoParaVerResultados;
    case RechazoAnclajes::SinSumas:
        return textos::AnclajesSinSumas;
    case RechazoAnclajes::FactorDeseadoNoNumerico:
    case RechazoAnclajes::FactorDeseadoMenor:
        return textos::AnclajesFactorDeseado;
    case RechazoAnclajes::Diametro:
        return textos::AnclajesDiametro;
    case RechazoAnclajes::Inclinacion:
        return textos::AnclajesInclinacion;
    case RechazoAnclajes::Rotura:
        return textos::AnclajesRotura;
    case RechazoAnclajes::Guayas:
        return textos::AnclajesGuayas;
    case RechazoAnclajes::SinFriccionDeDovelas:
        return textos::AnclajesSinFriccionDeDovelas;
    case RechazoAnclajes::NoHacenFalta:
        return textos::AnclajesNoHacenFalta;
    case RechazoAnclajes::TaludPlano:
        return textos::AnclajesTaludPlano;
    case RechazoAnclajes::SinSeparacion:
        return textos::AnclajesSinSeparacion;
    case RechazoAnclajes::Ninguno:
        break;
    }
    return "";
}

CalculoAnclajes Rechazo(RechazoAnclajes r)
{
    CalculoAnclajes c;
    c.Rechazo = r;
    c.Mensaje = MensajeDe(r);
    return c;
}

// Un cuadro como número finito; nada si no pasa la prueba de número.
std::optional<double> Numero(const std::string& texto)
{
    const auto v = ValorNumerico(texto);
    if (!v || !std::isfinite(*v)) return std::nullopt;
    return v;
}

// Los cinco datos, nada el que no es un número, en el orden de las comprobaciones.
using DatosLeidos = std::array<std::optional<double>, 5>;

// Las comprobaciones 1 a 6 de la calculadora y, si pasan, la regla.
CalculoAnclajes Comprobar(const Proyecto& p, const GeometriaAnclajes& g, const DatosLeidos& d)
{
    const std::optional<double> F = FactorDeSeguridadGuardado(p);
    if (!F) return Rechazo(RechazoAnclajes::SinResultados);
    if (p.SumaEsfuerzosNormalesTotales == 0.0) return Rechazo(RechazoAnclajes::SinSumas);

    const auto& [deseado, diametro, inclinacion, rotura, guayas] = d;
    if (!deseado || *deseado == 0.0) return Rechazo(RechazoAnclajes::FactorDeseadoNoNumerico);
    if (*deseado < *F) return Rechazo(RechazoAnclajes::FactorDeseadoMenor);
    // Un diámetro, una resistencia o un número de barras negativos no son datos de un anclaje.
    if (!diametro || !(*diametro > 0.0)) return Rechazo(RechazoAnclajes::Diametro);
    if (!inclinacion || *inclinacion == 0.0) return Rechazo(RechazoAnclajes::Inclinacion);
    if (!rotura || !(*rotura > 0.0)) return Rechazo(RechazoAnclajes::Rotura);
    if (!guayas || !(*guayas > 0.0)) return Rechazo(RechazoAnclajes::Guayas);

    const DatosAnclajes datos{*deseado, *diametro, *inclinacion, *rotura, *guayas};

    // Casos sin separación, antes de guardar nada.
    if (!g.FriccionMedia) return Rechazo(RechazoAnclajes::SinFriccionDeDovelas);
    const double deltaF = datos.FactorSeguridadConAnclaje - *F; // ΔF
    if (deltaF == 0.0) return Rechazo(RechazoAnclajes::NoHacenFalta);
    if (!g.InclinacionTalud || std::sin(*g.InclinacionTalud) == 0.0)
        return Rechazo(RechazoAnclajes::TaludPlano);
    const double H = g.Altura;
    if (!(H > 0.0)) return Rechazo(RechazoAnclajes::SinSeparacion);

    const double FSa = datos.FactorSeguridadConAnclaje;
    const double sumaTau = p.SumaEsfuerzosTangenciales;
    const double tphi = std::tan(RadianesAnclajes(*g.FriccionMedia));
    const double ir = RadianesAnclajes(datos.InclinacionAnclajes);
    const double dCm = CmPorPulgada * datos.DiametroAnclajes;
    const double P = dCm * dCm * (PiAnclajes / 4.0) * datos.EsfuerzoRoturaAnclaje *
                     FraccionDeRotura / KgPorTon * datos.NumeroGuayasObarras;

    double fuerzaActivo = 0.0, fuerzaPasivo = 0.0; // L, por metro de talud (ton/m)
    if (g.CirculoUnico) {
        const double t1 = g.Theta1 - ir, t2 = g.Theta2 - ir;
        const double deltaTheta = g.Theta2 - g.Theta1;
        const double arco = p.RadioCirculoFalla * deltaTheta; // s = R·2π/(2π)·Δθ
        const double senos = std::sin(t2) - std::sin(t1);
        const double cosenos = std::cos(t1) - std::cos(t2);
        const double Ta = deltaF * sumaTau * deltaTheta / (senos * tphi + cosenos * FSa);
        const double Tp = deltaF * sumaTau * deltaTheta / (cosenos + senos * tphi);
        fuerzaActivo = Ta * arco;
        fuerzaPasivo = Tp * arco;
    } else {
        if (!g.InclinacionFalla) return Rechazo(RechazoAnclajes::SinSeparacion);
        const double alfa = *g.InclinacionFalla;
        const double theta = ir + alfa;
        const double Ta = deltaF * sumaTau / (tphi * std::sin(theta) + FSa * std::cos(theta));
        const double Tp = deltaF * sumaTau / (tphi * std::sin(theta) + std::cos(theta));
        fuerzaActivo = Ta * H / std::sin(alfa);
        fuerzaPasivo = Tp * H / std::sin(alfa);
    }
    const double senoTalud = std::sin(*g.InclinacionTalud);
    auto separacion = [&](double fuerza) -> std::optional<double> {
        const double q = senoTalud * fuerza / H; // ton/m2 de cara del talud
        const double cociente = P / q;
        if (!std::isfinite(cociente) || !(cociente > 0.0)) return std::nullopt;
        return std::sqrt(cociente);
    };
    const auto sa = separacion(fuerzaActivo);
    const auto sp = separacion(fuerzaPasivo);
    if (!sa || !sp) return Rechazo(RechazoAnclajes::SinSeparacion);

    CalculoAnclajes c;
    c.Datos = datos;
    c.Separaciones = SeparacionesAnclajes{*sa, *sp};
    c.Capacidad = P;
    return c;
}

} // namespace

GeometriaAnclajes GeometriaParaAnclajes(const Proyecto& p)
{
    GeometriaAnclajes g;
    const int n = p.NumeroCoordenadasFalla();
    if (n < 1) return g;
    const double X1 = p.AbscisasFalla(1), Y1 = p.OrdenadasFalla(1);
    const double Xn = p.AbscisasFalla(n), Yn = p.OrdenadasFalla(n);
    g.Altura = Y1 - Yn;

    // βt, desde el pie de la superficie de falla hacia los puntos del talud a su derecha.
    double sumaML = 0.0, sumaL = 0.0;
    for (int j = 1; j <= p.NumeroCoordenadasTalud() && p.AbscisasTalud(j) > Xn; ++j) {
        const double dx = p.AbscisasTalud(j) - Xn, dy = p.OrdenadasTalud(j) - Yn;
        const double L = std::hypot(dx, dy);
        sumaML += dy / dx * L;
        sumaL += L;
    }
    if (sumaL > 0.0) g.InclinacionTalud = std::atan(sumaML / sumaL);

    // ᾱ, sobre los tramos de la superficie de falla, que avanza hacia las x negativas: un tramo
    // vertical que baja pesa con pendiente +∞ (y uno que sube con −∞); un tramo nulo no pesa.
    sumaML = sumaL = 0.0;
    for (int k = 1; k < n; ++k) {
        const double dx = p.AbscisasFalla(k + 1) - p.AbscisasFalla(k);
        const double dy = p.OrdenadasFalla(k + 1) - p.OrdenadasFalla(k);
        const double L = std::hypot(dx, dy);
        if (L == 0.0) continue;
        const double m = dx != 0.0 ? dy / dx : (dy < 0.0 ? Infinito : -Infinito);
        sumaML += m * L;
        sumaL += L;
    }
    if (sumaL > 0.0 && !std::isnan(sumaML / sumaL)) g.InclinacionFalla = std::atan(sumaML / sumaL);

    // θ1 y θ2 del círculo único.
    g.CirculoUnico = EsCirculoUnico(p);
    if (g.CirculoUnico) {
        const double xo = p.CentroCirculoX, yo = p.CentroCirculoY;
        g.Theta1 = std::atan((yo - Y1) / (X1 - xo));
        if (Xn > xo)
            g.Theta2 = std::atan((yo - Yn) / (Xn - xo));
        else if (Xn == xo)
            g.Theta2 = std::atan((yo - Yn) / (Xn + CorrimientoVerticalCentro - xo));
        else
            g.Theta2 = PiAngulosCirculo / 2.0 + std::atan((xo - Xn) / (yo - Yn));
    }

    // φ̄, media de la fricción de las dovelas.
    const int dovelas = p.NumeroPuntosDovelas - 1;
    if (dovelas >= 1 && p.FriccionDovela.Tamano() >= dovelas) {
        double suma = 0.0;
        for (int s = 1; s <= dovelas; ++s)
            suma += p.FriccionDovela(s);
        g.FriccionMedia = suma / dovelas;
    }
    return g;
}

bool EsRechazoDeEntrada(RechazoAnclajes r)
{
    switch (r) {
    case RechazoAnclajes::FactorDeseadoNoNumerico:
    case RechazoAnclajes::Diametro:
    case RechazoAnclajes::Inclinacion:
    case RechazoAnclajes::Rotura:
    case RechazoAnclajes::Guayas:
        return true;
    default:
        return false;
    }
}

CalculoAnclajes CalcularAnclajes(const Proyecto& p, const GeometriaAnclajes& g,
                                 const EntradaAnclajes& e)
{
    return Comprobar(p, g,
                     {Numero(e.FactorSeguridadConAnclaje), Numero(e.DiametroAnclajes),
                      Numero(e.InclinacionAnclajes), Numero(e.EsfuerzoRoturaAnclaje),
                      Numero(e.NumeroGuayasObarras)});
}

CalculoAnclajes CalcularAnclajes(const Proyecto& p, const GeometriaAnclajes& g,
                                 const DatosAnclajes& d)
{
    auto finito = [](double v) {
        return std::isfinite(v) ? std::optional<double>(v) : std::nullopt;
    };
    return Comprobar(p, g,
                     {finito(d.FactorSeguridadConAnclaje), finito(d.DiametroAnclajes),
                      finito(d.InclinacionAnclajes), finito(d.EsfuerzoRoturaAnclaje),
                      finito(d.NumeroGuayasObarras)});
}

void GuardarAnclajes(Proyecto& p, const CalculoAnclajes& c)
{
    if (!c.Datos || !c.Separaciones) return;
    p.FactorSeguridadConAnclaje = c.Datos->FactorSeguridadConAnclaje;
    p.InclinacionAnclajes = c.Datos->InclinacionAnclajes;
    p.DiametroAnclajes = c.Datos->DiametroAnclajes;
    p.EsfuerzoRoturaAnclaje = c.Datos->EsfuerzoRoturaAnclaje;
    p.NumeroGuayasObarras = c.Datos->NumeroGuayasObarras;
    p.SeparacionAnclajesActivos = c.Separaciones->Activos;
    p.SeparacionAnclajesPasivos = c.Separaciones->Pasivos;
    p.DatosGuardados = false;
}

DatosAnclajes DatosAnclajesGuardados(const Proyecto& p)
{
    return {p.FactorSeguridadConAnclaje, p.DiametroAnclajes, p.InclinacionAnclajes,
            p.EsfuerzoRoturaAnclaje, p.NumeroGuayasObarras};
}

bool TieneAnclajes(const Proyecto& p)
{
    return p.FactorSeguridadConAnclaje > 0.0;
}

} // namespace vertana
