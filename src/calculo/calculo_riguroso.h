// Contraste con los métodos rigurosos: Spencer y Morgenstern-Price (medio seno) sobre las dovelas
// del proyecto, para comparar su factor de seguridad y λ con el del método elegido. No es uno de
// los métodos de MetodoDeCalculo: no escribe resultados en el proyecto ni cambia su archivo.
#pragma once

#include "calculo/calculo.h"
#include "geometry/estado_calculo.h"
#include "methods/rigurosos.h"
#include "model/interaccion.h"
#include "model/proyecto.h"

#include <optional>
#include <string>
#include <vector>

namespace vertana {

enum class MetodoRiguroso {
    Spencer,          // fuerzas entre dovelas de inclinación constante
    MorgensternPrice, // X = λ·f(x)·E con f el medio seno
};

const char* NombreDeMetodoRiguroso(MetodoRiguroso metodo);

struct ResultadoRiguroso {
    MetodoRiguroso Metodo = MetodoRiguroso::Spencer;
    EstadoDelCalculo Estado = EstadoDelCalculo::Rechazado;
    // Sólo cuando convergió: finito y positivo.
    std::optional<double> FactorSeguridad;
    double Lambda = 0.0;
    double AnguloEntreDovelas = 0.0; // Spencer: θ = atan λ (radianes)
    ProblemaRiguroso Problema;       // las dovelas con sus fuerzas exteriores
    SolucionRigurosa Solucion;       // E, X por borde; N, S por dovela
    AdmisibilidadRigurosa Admisibilidad;
    // Sin solución, la razón; con ella, vacío.
    std::string Mensaje;
    std::vector<std::string> Avisos; // la solución no es estáticamente admisible

    bool Convergio() const { return Estado == EstadoDelCalculo::Convergido; }
};

// Prepara las dovelas como un método de suelos (pregunta de desembalse rápido, material, grieta,
// preámbulo del cálculo; con parámetros instantáneos, las dovelas del último cálculo tal como
// están) y resuelve cada método pedido, en su orden. Si la preparación se detiene, todos quedan
// rechazados con su mensaje. No toca HayResultados, los esfuerzos ni la historia del proyecto.
std::vector<ResultadoRiguroso> CalcularRiguroso(Proyecto& p, EstadoCalculo& e,
                                                const std::vector<MetodoRiguroso>& metodos,
                                                Interaccion& ui);

// Esfuerzos en la base de la dovela i (1..n) de una solución rigurosa: σ = N·cos α/b,
// σ′ = σ − u, τ = S·cos α/b.
struct EsfuerzosRigurosos {
    double Normal = 0.0, Efectivo = 0.0, Tangencial = 0.0;
};
EsfuerzosRigurosos EsfuerzosDeDovela(const ResultadoRiguroso& r, int i);

} // namespace vertana
