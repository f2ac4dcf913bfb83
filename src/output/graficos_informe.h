// Los dibujos que pueden acompañar al informe en un PDF: la sección del talud y, si el proyecto
// tiene resultados, los nueve gráficos de esfuerzos a lo largo de la superficie de falla, cada
// uno en una página, detrás de las páginas de texto.
#pragma once

#include "model/proyecto.h"
#include "output/escena.h"
#include "output/grafico_esfuerzos.h"

#include <optional>
#include <vector>

namespace vertana {

// Un dibujo del informe: la sección (sin tipo) o un gráfico de esfuerzos.
struct DibujoDelInforme {
    std::optional<TipoDeGrafico> grafico;
};

// Los dibujos del proyecto en su orden: la sección, y los gráficos 1 a 9 sólo cuando hay
// resultados completos con que dibujarlos.
std::vector<DibujoDelInforme> DibujosDelInforme(const Proyecto& p);

// La escena de un dibujo en un lienzo de ancho × alto píxeles. La sección lleva el título de
// Form3 y, con resultados, el factor de seguridad y el método; los gráficos de un proyecto de
// suelos usan los esfuerzos principales rehechos con la resistencia movilizada, como Form11.
Escena EscenaDelInforme(const Proyecto& p, const DibujoDelInforme& dibujo, double ancho,
                        double alto);

} // namespace vertana
