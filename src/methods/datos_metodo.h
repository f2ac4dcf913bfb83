// Piezas comunes de los métodos de equilibrio límite para suelos: constantes de la iteración,
// ángulo de la base y peso de cada dovela, comprobaciones previas compartidas y escritura de los
// resultados (esfuerzos por dovela, sumas e historia de factores de seguridad).
#pragma once

#include "geometry/estado_calculo.h"
#include "model/interaccion.h"
#include "model/proyecto.h"

#include <functional>
#include <vector>

namespace vertana {

constexpr double ToleranciaFS = 0.001;       // cambio del factor de seguridad entre pasadas
constexpr int MaximoHistoriaFS = 100;        // filas de HistoriaFS
constexpr int MaximoIteracionesBishop = 200; // pasadas de una solución de Bishop
// Menor factor de seguridad que un cálculo da como resultado. Uno menor significa que la masa
// tendría más de cien veces la solicitación que resiste: aparece con datos degenerados (pesos
// unitarios casi nulos, una raíz espuria de la iteración junto a cero), no en un talud real.
// Calcular (calculo/calculo.h) no da por bueno un factor menor, negativo o no finito.
constexpr double FactorSeguridadMinimo = 0.01;
// Factor de partida con que Bishop repite una iteración que, desde un FSInicial lejano, terminó
// junto a cero, sin converger o con un factor no finito.
constexpr double FactorArranqueNeutro = 1.0;

// Cómo terminó un cálculo.
enum class FinCalculo {
    Resultados, // hay resultados escritos
    Detenido,   // una comprobación o una respuesta detuvo el cálculo antes de iterar
    Abandonado, // la persona salió de la iteración (form9, Form17, un chequeo de dovela)
    Limite,     // se alcanzó una cota (iteraciones, historia) o el factor no está definido
};

// Lo que devuelve un método: cómo terminó y, con resultados, el factor de seguridad final (el
// mismo que la última fila de HistoriaFS).
struct ResultadoMetodo {
    FinCalculo Fin = FinCalculo::Detenido;
    double FactorSeguridad = 0.0;

    static ResultadoMetodo Con(double factor) { return {FinCalculo::Resultados, factor}; }
    static ResultadoMetodo Sin(FinCalculo fin) { return {fin, 0.0}; }
    bool operator==(FinCalculo fin) const { return Fin == fin; }
};

// Superficie de un solo arco de círculo (una unión "C").
bool CirculoUnicoDeCalculo(const Proyecto& p);

// Ángulo de la base de cada dovela (radianes). Círculo único: α = atan(u/√(1 − u²)),
// u = (xs − xo)/R; compuesta: α = atan(PendienteBaseDovela). Si el primer punto de la superficie
// de trabajo está más bajo que el último se toma |α|.
Tabla<double> AngulosBaseDovelas(const Proyecto& p, const EstadoCalculo& e, bool circulo);

// Peso de la dovela s: W = (yt − yb)·γ·dx + CargaVerticalDovela·dx (ton por metro).
double PesoDovela(const Proyecto& p, const EstadoCalculo& e, int s);

// Pregunta de desembalse rápido: la respuesta queda en EstadoCalculo::DesembalseRapido.
void PreguntarDesembalse(EstadoCalculo& e, Interaccion& ui);

// Grieta de tracción definida (segundo punto más bajo que el primero): su segundo punto debe ser
// el punto 1 de la superficie de falla; agua en la grieta (NFg > 0): su punto debe ser el primero
// del nivel freático. Muestra el mensaje y devuelve false si no se cumple.
bool ComprobarGrieta(const Proyecto& p, Interaccion& ui);

// Proyecto calculado con parámetros instantáneos: sólo se recalcula desde la orden de los
// parámetros instantáneos, que marca la ejecución, y tras preguntar si se continúa. Fuera de
// ella muestra "No es el camino:". Falso si el cálculo no sigue.
bool ComprobarCaminoInstantaneo(const Proyecto& p, const EstadoCalculo& e, Interaccion& ui);

// Esfuerzos en la base de una dovela.
struct EsfuerzosDeBase {
    double normal = 0.0;     // σ total
    double efectivo = 0.0;   // σ′ = σ − u
    double tangencial = 0.0; // τ movilizado
};

// EsfuerzoNormalDovela, EsfuerzoEfectivoDovela y EsfuerzoTangencialDovela de las dovelas 1..nd
// y sus tres sumas, con los esfuerzos que da `esfuerzos`(s).
void AnotarEsfuerzos(Proyecto& p, int nd, const std::function<EsfuerzosDeBase(int)>& esfuerzos);

// Esfuerzos de Fellenius y Bishop: σ = N·cos α/dx, σ′ = σ − u, τ = (σ′·tan φ + c)/FS, y sus sumas.
void EscribirEsfuerzos(Proyecto& p, const EstadoCalculo& e, const Tabla<double>& alfa,
                       const Tabla<double>& N, double FS);

// Historia de factores de seguridad (a lo sumo MaximoHistoriaFS) en NumeroIteraciones y
// HistoriaFS, que se dimensiona a 100 filas.
void EscribirHistoria(Proyecto& p, const std::vector<double>& historia);

// Marca HayResultados ("S") y que hay datos sin guardar.
void MarcarResultados(Proyecto& p);

} // namespace vertana
