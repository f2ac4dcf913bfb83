// Lo que un cálculo muestra en los diálogos que abre (form9, Form13, Form17, Form18) y lo que la
// persona decide en ellos. Las decisiones vuelven como valores; el cálculo las aplica.
#pragma once

#include "model/tabla.h"
#include "model/textos.h"

#include <algorithm>
#include <cstddef>
#include <optional>
#include <vector>

namespace vertana {

// Tras un paso o una pasada: seguir iterando, aceptar lo que hay como solución o salir del
// cálculo sin resultados.
enum class DecisionIteracion { Seguir, Aceptar, Salir };

// form9: las tres sumas de equilibrio del último paso de Newton del método variacional (la
// iteración, los multiplicadores y el factor están en la historia del proyecto).
struct SumasDeLaIteracion {
    double Horizontales = 0.0; // ton/m
    double Verticales = 0.0;   // ton/m
    double Momentos = 0.0;     // ton·m/m
};

// Form17: la inclinación de la línea de empuje en cada borde interior (radianes); la historia y
// los ht actuales están en el proyecto.
struct IteracionJanbuMostrada {
    Tabla<double> AnguloLineaEmpuje;
    bool SigmasModificados = false; // hay esfuerzos de Form13 pendientes de usar
};

// Lo que decide la persona en Form17: además de seguir, aceptar o salir, puede dar nuevos ht
// para la pasada siguiente.
struct DecisionJanbu {
    DecisionIteracion Decision = DecisionIteracion::Seguir;
    std::optional<Tabla<double>> ValoresDeHt;
};

// Centro de momentos (m) que pide Bishop en una superficie compuesta que no lo tiene.
struct PuntoCentro {
    double X = 0.0;
    double Y = 0.0;
    bool operator==(const PuntoCentro&) const = default;
};

// Qué se chequea en Form13: decide los textos del diálogo y cómo se guardan los esfuerzos.
enum class MaterialDelChequeo {
    Suelo,            // σ total, ley de Mohr-Coulomb
    RocaInstantaneos, // σ total, roca con cohesión y fricción instantáneas
    Roca              // σ3, ley de Hoek-Brown
};

// Form13: cuando una dovela no cumple la ley de resistencia, por dovela, el esfuerzo del paso
// anterior, el del paso actual y su mínimo admisible. En suelos (y en rocas con parámetros
// instantáneos) es el esfuerzo normal total σ en la base y el mínimo u − c/tan φ; en rocas con
// Hoek-Brown es σ3 y el mínimo es el límite de tracción.
struct EsfuerzosDelChequeo {
    MaterialDelChequeo Material = MaterialDelChequeo::Suelo;
    // Una entrada por dovela, la dovela i en la posición i − 1; las tres del mismo tamaño.
    std::vector<double> Anterior;   // ton/m2
    std::vector<double> Actual;     // ton/m2
    std::vector<double> Minimo;     // ton/m2
    int DovelaSinChequeo = 0;       // primera dovela que no chequea
    bool SigmasModificados = false; // ya hay esfuerzos escritos pendientes de usar

    // Dovelas con sus tres valores (si las tablas no coinciden, las comunes).
    std::size_t NumeroDovelas() const
    {
        return std::min({Anterior.size(), Actual.size(), Minimo.size()});
    }
};

// Esfuerzos escritos en Form13 y su lugar en SigmasUsuario: en suelos y en rocas con
// parámetros instantáneos el método los toma por nodo j = i + 1 (j = 2..nd+1, el nodo 1 es la
// cresta y queda en 0); en rocas con Hoek-Brown, por dovela i = 1..nd.
inline int NodoDeSigmaUsuario(MaterialDelChequeo material, int dovela)
{
    return material == MaterialDelChequeo::Roca ? dovela : dovela + 1;
}

// Título de Form13: σ normales en suelos y en rocas con parámetros instantáneos, σ3 en rocas.
inline const char* TituloDelChequeo(MaterialDelChequeo material)
{
    return material == MaterialDelChequeo::Roca ? textos::TituloForm13Sigma3
                                                : textos::TituloForm13Normales;
}

// Form18: cohesión (ton/m2), fricción (grados) y presión de poros (ton/m2) de cada dovela.
struct ParametrosDeDovelas {
    Tabla<double> Cohesion, Friccion, Presion;
    bool Definidos = true; // hay una forma de parámetros instantáneos elegida en Form2
    int Dovelas() const
    {
        return std::min({Cohesion.Tamano(), Friccion.Tamano(), Presion.Tamano()});
    }
};

} // namespace vertana
