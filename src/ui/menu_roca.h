// Órdenes del menú "Características de los estratos... ▸ Rocas": sus condiciones (sin widgets,
// para probarlas sin ventana) y su conexión con Form10 y Form16.
#pragma once

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

} // namespace vertana
