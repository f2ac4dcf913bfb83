// Presiones de poros, agua libre sobre el talud y peso unitario de cada dovela.
#pragma once

#include "geometry/estado_calculo.h"
#include "model/interaccion.h"
#include "model/proyecto.h"

namespace vertana {

// Factores fijos de la consolidación de un terraplén.
constexpr double CmCuadradosPorSegundoAMetrosPorAno = 3153.6; // cm2/s → m2/año
constexpr double MesesPorAnoCargaGradual = 24.0; // meses → años, y la mitad por carga gradual
constexpr double PiConsolidacion = 3.1415;       // U = 100·√(4·Tv/3.1415)
// U (%) desde el que se usa U = 100 − 10^((1.781 − Tv)/0.933).
constexpr double LimiteConsolidacionInicial = 60.0;
constexpr double ConstanteConsolidacionA = 1.781;
constexpr double ConstanteConsolidacionB = 0.933;

// Grado de consolidación U (%) para el factor de tiempo Tv.
double GradoDeConsolidacion(double Tv);

// Lee la tabla de dovelas, el nivel freático, los estratos y DesembalseRapido. Escribe
// PendienteBaseDovela = (yB_s − yB_(s+1))/(xB_s − xB_(s+1)); u = NF_c − yb con el nivel sobre la
// base (0 si no); el agua libre sobre el talud NF_c − yt como carga vertical, o como altura en
// desembalse rápido; el exceso de presión de un terraplén Δu = Δσv·B − Δσv·U/100 (suelos); el
// gradiente (Δh + Δu)/dx; y el peso unitario medio de la columna, γh sobre el nivel freático y
// γsat bajo él. Sin nivel freático u = 0 y pesos húmedos. Si ya hay presiones de poros pregunta si
// se estiman de nuevo. Pone PresionesCalculadas.
ResultadoPreparacion EstimarPresionesDePoros(Proyecto& p, EstadoCalculo& e, Interaccion& ui);

} // namespace vertana
