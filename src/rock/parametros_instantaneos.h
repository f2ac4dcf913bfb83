// Parámetros instantáneos: la cohesión y la fricción de cada dovela que un segundo cálculo toma
// de los esfuerzos del primero. Entre puntos, la recta que pasa por los puntos (σ′, F·τ) de las
// dovelas vecinas (un estrato) o que mejor se ajusta a los de cada tramo de un mismo material
// (dos o más estratos); puntual (rocas), la tangente de la envolvente de Hoek-Brown en los
// esfuerzos principales de la dovela; por pantalla, los valores que la persona da en Form18.
#pragma once

#include "geometry/estado_calculo.h"
#include "geometry/preparacion.h"
#include "model/interaccion.h"
#include "model/proyecto.h"

namespace vertana {

// Llena ResistenciaCorteDovela(k) = F·τ(k), F el último factor de la historia, y
// EsfuerzoNormalPrevioDovela(k) = σ′(k) para las dovelas actuales. Falso, sin cambiar nada, si
// el último cálculo no dejó un factor positivo o esfuerzos para todas las dovelas.
bool LlenarEsfuerzosPrevios(const Proyecto& p, EstadoCalculo& e);

// Entre puntos. Un estrato: secante T(k) = |Δτf/Δσ| y C(k) = τf(k+1) − T(k)·σ(k+1) entre las
// dovelas k y k+1; cada dovela interior toma la media de las dos secantes que la tocan (c y
// tan φ como media, φ como media de los ángulos), la primera y la última su única secante.
// Dos o más estratos: regresión de mínimos cuadrados en cada tramo de dovelas consecutivas de
// igual material (c y φ en suelos, m y s en rocas). Una dovela sin recta (tramo de una dovela,
// o esfuerzos iguales que anulan el divisor) conserva su propia c y tan φ.
void ParametrosEntrePuntos(Proyecto& p, EstadoCalculo& e);

// Puntual (rocas): D = 1 + m·σci/(2·(σ1 − σ3)), θ = atan(√D), c = τf − tan θ·σ′ (0 si resulta
// negativa), φ = θ. Una dovela con σ1 ≤ σ3 conserva sus parámetros.
void ParametrosPuntuales(Proyecto& p, EstadoCalculo& e);

// Form18: c, φ y u de cada dovela tal como se muestran. Si aún no hay parámetros instantáneos
// calculados, las tablas de c, φ y tan φ se ajustan antes al número de dovelas (conservando lo
// que tienen). `Definidos` dice si hay una forma de parámetros instantáneos elegida.
ParametrosDeDovelas ParametrosParaCambiar(Proyecto& p, EstadoCalculo& e);

// Lo que la persona aceptó en Form18: c, φ y u de cada dovela, tan φ = tan(φ·π/180), y hay datos
// sin guardar.
void AplicarParametrosDeDovelas(Proyecto& p, EstadoCalculo& e, const ParametrosDeDovelas& nuevos);

// La rutina completa según DefinicionParametrosInstantaneos, con el aviso de reutilización de
// los parámetros guardados y, por pantalla, Form18.
void CalcularParametrosInstantaneos(Proyecto& p, EstadoCalculo& e, Interaccion& ui);

// tan φ de cada dovela desde FriccionDovela (grados).
void RecalcularTangentesDeFriccion(const Proyecto& p, EstadoCalculo& e);

// Preparación de las dovelas de un método para suelos. Sin parámetros instantáneos es el
// preámbulo común; con ellos además guarda y repone los c, φ y u leídos con el proyecto, llena
// los esfuerzos del cálculo anterior, avisa antes de Form18 y corre la rutina de los parámetros
// instantáneos, dejando tan φ recalculada. `avisoTrasForm18`: el aviso "Parámetros de
// resistencia." también después del diálogo (así lo muestra el método de Bishop).
ResultadoPreparacion PrepararDovelasDelMetodo(Proyecto& p, EstadoCalculo& e, Interaccion& ui,
                                              bool avisoTrasForm18 = false);

} // namespace vertana
