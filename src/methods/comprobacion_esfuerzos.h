// Esfuerzos que el método variacional entrega al diálogo de chequeo (Form13) cuando una dovela no
// cumple la ley de resistencia: por dovela, el esfuerzo del paso anterior, el del paso actual y
// su mínimo admisible. En suelos (y en rocas con parámetros instantáneos) es el esfuerzo normal
// total σ en la base y el mínimo es SigmaMinimoDovela = u − c/T; en rocas con Hoek-Brown es σ3 y
// el mínimo es el límite de tracción −s·σci/m + u + 0.1.
#pragma once

#include "model/textos.h"

#include <algorithm>
#include <cstddef>
#include <vector>

namespace vertana {

// Qué se chequea: decide los textos del diálogo y cómo se guardan los esfuerzos escritos.
enum class MaterialDelChequeo {
    Suelo,            // σ total, ley de Mohr-Coulomb
    RocaInstantaneos, // σ total, roca con cohesión y fricción instantáneas
    Roca              // σ3, ley de Hoek-Brown
};

struct EsfuerzosDelChequeo {
    MaterialDelChequeo Material = MaterialDelChequeo::Suelo;
    // Una entrada por dovela, la dovela i en la posición i − 1; las tres del mismo tamaño.
    std::vector<double> Anterior; // ton/m2
    std::vector<double> Actual;   // ton/m2
    std::vector<double> Minimo;   // ton/m2

    // Dovelas con sus tres valores (si las tablas no coinciden, las comunes).
    std::size_t NumeroDovelas() const
    {
        return std::min({Anterior.size(), Actual.size(), Minimo.size()});
    }
};

// Esfuerzos escritos en el diálogo y su lugar en SigmasUsuario: en suelos y en rocas con
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

} // namespace vertana
