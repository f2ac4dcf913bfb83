// Los diez elementos del menú Gráfico de la ventana principal: la geometría del talud (Form3) y
// los nueve gráficos de esfuerzos (Form11). Las dos ventanas se crean al primer uso y se
// conservan; mostrarlas de nuevo las redibuja.
#pragma once

namespace vertana {

class Form1;
class Interaccion;
struct Proyecto;

// Nombres de los elementos de los gráficos de esfuerzos, en el orden de TipoDeGrafico (1..9).
extern const char* const ElementosGraficosEsfuerzos[9];

void ConectarGraficos(Form1& ventana, Proyecto& proyecto, Interaccion& interaccion);

} // namespace vertana
