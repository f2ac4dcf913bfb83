// Calculadora de anclajes de los diálogos de resultados (suelos y rocas) y de la orden
// "anclajes" de la línea de órdenes. Con el factor de seguridad que se quiere para el talud
// anclado y las características de los anclajes estima su separación en la cara del talud para
// un caso activo y uno pasivo. Sólo lee los resultados del último cálculo: no recalcula nada.
//
// Lee del proyecto: HayResultados, NumeroIteraciones, HistoriaFS (F, el factor calculado),
// SumaEsfuerzosNormalesTotales, SumaEsfuerzosTangenciales (Στ), FriccionDovela, los puntos del
// talud y de la superficie de falla, TipoDeFalla, NumeroTiposDeFalla, RadioCirculoFalla,
// CentroCirculoX, CentroCirculoY. Escribe (GuardarAnclajes) los siete valores de anclajes.
//
// Regla, con ΔF = (FS)a − F, tφ = tan φ̄, θ = i + ᾱ:
//   capacidad de un anclaje  P = (2.54·d)²·(π/4)·σu·0.5/1000·Ng                    (ton)
//   superficie no circular   T = ΔF·Στ / (tφ·sen θ + (FS)a·cos θ)   activo
//                            T = ΔF·Στ / (tφ·sen θ + cos θ)          pasivo
//                            L = T·H / sen ᾱ
//   círculo único (Δθ = θ2 − θ1, s = R·Δθ)
//                            T = ΔF·Στ·Δθ / ((sen(θ2 − i) − sen(θ1 − i))·tφ
//                                            + (cos(θ1 − i) − cos(θ2 − i))·(FS)a)   activo
//                            T = ΔF·Στ·Δθ / ((cos(θ1 − i) − cos(θ2 − i))
//                                            + (sen(θ2 − i) − sen(θ1 − i))·tφ)      pasivo
//                            L = T·s
//   fuerza por m² de cara    q = sen βt · L / H,   separación = √(P / q)             (m)
#pragma once

#include "model/proyecto.h"

#include <optional>
#include <string>

namespace vertana {

// Los cinco datos de los anclajes tal como se escriben en los cuadros (o en la línea de
// órdenes), en el orden de las comprobaciones de la calculadora.
struct EntradaAnclajes {
    std::string FactorSeguridadConAnclaje; // (FS)a
    std::string DiametroAnclajes;          // d, pulgadas
    std::string InclinacionAnclajes;       // i, grados, positiva por debajo de la horizontal
    std::string EsfuerzoRoturaAnclaje;     // σu, kg/cm2
    std::string NumeroGuayasObarras;       // Ng
};

// Los mismos datos ya aceptados.
struct DatosAnclajes {
    double FactorSeguridadConAnclaje = 0.0;
    double DiametroAnclajes = 0.0;
    double InclinacionAnclajes = 0.0;
    double EsfuerzoRoturaAnclaje = 0.0;
    double NumeroGuayasObarras = 0.0;
};

// Cantidades geométricas que la calculadora obtiene al abrirse.
struct GeometriaAnclajes {
    // H: ordenada del primer punto de la superficie de falla menos la del último (m).
    double Altura = 0.0;
    // βt: inclinación ponderada de la cara del talud (radianes): para cada punto del talud desde
    // el primero mientras su abscisa sea mayor que la del último punto de la superficie de falla
    // (el pie), pendiente m y longitud L de la recta desde el pie; βt = atan(Σ m·L / Σ L).
    // Nada si ningún punto del talud queda a la derecha del pie.
    std::optional<double> InclinacionTalud;
    // ᾱ: inclinación ponderada de la superficie de falla (radianes) sobre sus tramos;
    // nada con menos de dos puntos distintos.
    std::optional<double> InclinacionFalla;
    // Superficie de falla de un único arco de círculo, con los ángulos de los radios al primer
    // punto (θ1) y al último (θ2), medidos desde la horizontal hacia abajo (radianes).
    bool CirculoUnico = false;
    double Theta1 = 0.0;
    double Theta2 = 0.0;
    // φ̄: media de FriccionDovela sobre las dovelas (grados); nada si faltan dovelas.
    std::optional<double> FriccionMedia;
};

GeometriaAnclajes GeometriaParaAnclajes(const Proyecto& p);

// Por qué la calculadora no dio separaciones, en el orden en que se comprueba.
enum class RechazoAnclajes {
    Ninguno,
    SinResultados,           // no hay resultados de un cálculo
    SinSumas,                // SumaEsfuerzosNormalesTotales es 0
    FactorDeseadoNoNumerico, // (FS)a no es un número o es 0
    FactorDeseadoMenor,      // (FS)a menor que el factor calculado
    Diametro,                // d no es un número mayor que 0
    Inclinacion,             // i no es un número o es 0
    Rotura,                  // σu no es un número mayor que 0
    Guayas,                  // Ng no es un número mayor que 0
    SinFriccionDeDovelas,    // faltan ángulos de fricción de las dovelas
    NoHacenFalta,            // (FS)a igual al factor calculado: T = 0
    TaludPlano,              // βt = 0 (o sin cara hacia el pie)
    SinSeparacion,           // la regla no da una separación finita y positiva
};

// Rechazos por un dato escrito (no por los resultados del proyecto).
bool EsRechazoDeEntrada(RechazoAnclajes r);

struct SeparacionesAnclajes {
    double Activos = 0.0; // Sa (m)
    double Pasivos = 0.0; // Sp (m)
};

// Lo que resulta de pulsar Aceptar en la calculadora.
struct CalculoAnclajes {
    RechazoAnclajes Rechazo = RechazoAnclajes::Ninguno;
    std::string Mensaje; // el texto del rechazo; vacío con separaciones
    std::optional<DatosAnclajes> Datos;
    std::optional<SeparacionesAnclajes> Separaciones;
    // Capacidad de un anclaje P (ton), con separaciones.
    double Capacidad = 0.0;

    bool Calculado() const { return Separaciones.has_value(); }
};

// Comprobaciones de la calculadora, en su orden (cada una con su mensaje), y la regla. Un
// rechazo no trae datos: el proyecto no cambia.
CalculoAnclajes CalcularAnclajes(const Proyecto& p, const GeometriaAnclajes& g,
                                 const EntradaAnclajes& entrada);
// Lo mismo con los datos ya como números (los guardados en un proyecto).
CalculoAnclajes CalcularAnclajes(const Proyecto& p, const GeometriaAnclajes& g,
                                 const DatosAnclajes& datos);

// Escribe en el proyecto los cinco datos y las dos separaciones de un cálculo con separaciones.
void GuardarAnclajes(Proyecto& p, const CalculoAnclajes& calculo);

// Los cinco datos guardados en el proyecto.
DatosAnclajes DatosAnclajesGuardados(const Proyecto& p);

// Un proyecto tiene datos de anclajes cuando FactorSeguridadConAnclaje es mayor que cero.
bool TieneAnclajes(const Proyecto& p);

} // namespace vertana
