// El cálculo del factor de seguridad: única entrada para las órdenes de la ventana, la línea de
// órdenes y la orden de los parámetros instantáneos. Corre el método pedido con sus
// comprobaciones, preguntas y diálogos, y devuelve cómo terminó, el factor de seguridad, la
// historia y el último mensaje que se mostró. Los resultados por dovela quedan en el proyecto.
#pragma once

#include "geometry/estado_calculo.h"
#include "methods/datos_metodo.h"
#include "model/interaccion.h"
#include "model/proyecto.h"

#include <optional>
#include <string>
#include <vector>

namespace vertana {

// Cómo terminó un cálculo.
enum class EstadoDelCalculo {
    Convergido, // hay factor de seguridad y resultados escritos en el proyecto
    Rechazado,  // una comprobación, una negativa o la preparación lo detuvo antes de iterar
    Abandonado, // la persona salió de la iteración
    Limite,     // se alcanzó una cota o el factor de seguridad no quedó definido
};

struct OpcionesCalculo {
    // La orden de los parámetros instantáneos: sus comprobaciones y preguntas y, después, el
    // método de MetodoDeCalculo con la cohesión y la fricción de cada dovela.
    bool ParametrosInstantaneos = false;
    // Los métodos para macizos rocosos del menú "Calcular ▸ Rocas": el variacional con
    // Hoek-Brown (Metodo::Variacional) o Janbu en rocas (Metodo::Janbu).
    bool EnRocas = false;
};

struct ResultadoCalculo {
    Metodo MetodoCalculado = Metodo::SinDefinir;
    bool ConParametrosInstantaneos = false;
    bool EnRocas = false; // el método para macizos rocosos
    EstadoDelCalculo Estado = EstadoDelCalculo::Rechazado;
    // Sólo cuando la iteración convergió: finito y no menor que FactorSeguridadMinimo
    // (methods/datos_metodo.h).
    std::optional<double> FactorSeguridad;
    int Iteraciones = 0;
    std::vector<double> Historia; // HistoriaFS(1..NumeroIteraciones) al terminar
    // El último mensaje que el cálculo mostró (la razón, cuando no hay resultados).
    std::string Mensaje;
    std::string TituloMensaje;
    std::vector<std::string> Avisos;

    bool Convergio() const { return Estado == EstadoDelCalculo::Convergido; }
};

// Corre el método `metodo` (el manejador de su menú, que comprueba que sea el elegido en
// MetodoDeCalculo) o, con opciones.ParametrosInstantaneos, la orden de los parámetros
// instantáneos sobre el método del proyecto.
//
// Antes de empezar valida los datos (model/validacion.h, para MetodoDeCalculo): con un problema
// muestra su mensaje y termina Rechazado sin tocar el proyecto ni hacer preguntas. El método
// corre en coordenadas relativas a la sección (calculo/marco_relativo.h). Un factor de seguridad
// menor que FactorSeguridadMinimo, negativo o no finito no es un resultado: el proyecto y el
// estado del cálculo vuelven a como estaban antes (con sus resultados anteriores, si los había),
// el mensaje de fin del método no se muestra y en su lugar se explica por qué. Sin memoria
// (std::bad_alloc) ocurre lo mismo, con su mensaje. Un ErrorVertana deja también el proyecto
// como estaba y sigue hacia quien dio la orden. Un factor obtenido tras suprimir un chequeo de
// dovela lleva sus avisos en Avisos, que además se muestran en un mensaje antes del de fin.
ResultadoCalculo Calcular(Proyecto& p, EstadoCalculo& e, Metodo metodo,
                          const OpcionesCalculo& opciones, Interaccion& ui);

// El manejador de un método, sin más: la única elección del método por su código. Un método
// que ninguna orden calcula se rechaza con un mensaje.
ResultadoMetodo CorrerMetodo(Proyecto& p, EstadoCalculo& e, Metodo metodo, Interaccion& ui);
// Lo mismo con los manejadores del menú "Calcular ▸ Rocas".
ResultadoMetodo CorrerMetodoEnRocas(Proyecto& p, EstadoCalculo& e, Metodo metodo, Interaccion& ui);

// Nombre de un método para mostrarlo en los resultados (enRocas: su versión para macizos
// rocosos, la de Janbu o la variacional).
const char* NombreDeMetodo(Metodo metodo, bool enRocas = false);
// El del cálculo cuyos resultados guarda el proyecto: en un macizo rocoso, el método para rocas,
// salvo tras un cálculo con parámetros instantáneos (que es el de suelos).
const char* NombreDelMetodoGuardado(const Proyecto& p);

} // namespace vertana
