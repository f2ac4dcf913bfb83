// Órdenes del menú para macizos rocosos: "Características de los estratos... ▸ Rocas" (Form10 y
// Form16), "Calcular ▸ Rocas" y "Resultados cálculo para rocas" (Form12), con sus condiciones
// (sin widgets, para probarlas sin ventana).
#pragma once

#include "calculo/calculo.h"
#include "ui/condiciones_menu.h"

namespace vertana {

class Form1;
class Interaccion;

// "Sin datos de pruebas de laboratorio" (Form10): el material no es suelo, hay estratos y los
// parámetros iniciales fueron aceptados.
std::optional<Aviso> CondicionRocaSinLaboratorio(const Proyecto& p);
// "Con datos de pruebas de laboratorio" (Form16): además, la roca ya fue caracterizada (el ajuste
// necesita la compresión simple de cada estrato).
std::optional<Aviso> CondicionRocaConLaboratorio(const Proyecto& p);

// Habilita y conecta los dos elementos del menú con sus diálogos.
void ConectarCaracterizacionRoca(Form1& ventana, Proyecto& proyecto, Interaccion& interaccion);

// Opciones de los cálculos del menú "Calcular ▸ Rocas".
OpcionesCalculo CalculoEnRocas();

// "Resultados cálculo para rocas" (Form12): el material no es suelo y hay resultados.
std::optional<Aviso> CondicionResultadosRocas(const Proyecto& p);
// Habilita y conecta el elemento del menú con Form12.
void ConectarResultadosRocas(Form1& ventana, Proyecto& proyecto, Interaccion& interaccion);

} // namespace vertana
