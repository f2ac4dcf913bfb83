// Orden "Suelos o Rocas (parámetros instantáneos c,fi)": un segundo cálculo en el que cada
// dovela lleva la cohesión y la fricción que resultan de los esfuerzos del primero.
#pragma once

#include "geometry/estado_calculo.h"
#include "methods/datos_metodo.h"
#include "model/interaccion.h"
#include "model/proyecto.h"

namespace vertana {

// Comprueba que haya un cálculo previo y una forma de obtener los parámetros válida para el
// material, pregunta si se reutilizan los parámetros guardados con el proyecto y si se calcula
// por el método elegido (no por Fellenius), marca el proyecto y la ejecución como
// instantáneos y corre el método: variacional para suelos, Bishop o Janbu. Una negativa no
// cambia nada del proyecto. Se llega aquí por Calcular (calculo/calculo.h).
ResultadoMetodo CalculoParametrosInstantaneos(Proyecto& p, EstadoCalculo& e, Interaccion& ui);

} // namespace vertana
