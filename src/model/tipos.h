// Los valores codificados del proyecto como enumeraciones. En el archivo y en los cuadros de
// texto van como letras ("S"/"R", "L"/"C"/"P") o números; la conversión está en io/codigos.h.
#pragma once

#include <cstdint>

namespace vertana {

using Entero16 = std::int16_t;

// SueloRoca: suelos (Mohr-Coulomb) o macizos rocosos (Hoek-Brown). Sin definir hasta el primer
// Form2.
enum class Material { SinDefinir, Suelo, Roca };

// MetodoDeCalculo, con los códigos que guarda el archivo. Un archivo puede traer otro número:
// se conserva tal cual y ningún cálculo lo reconoce.
enum class Metodo : Entero16 {
    SinDefinir = 0,
    Variacional = 1, // Leshchinsky y Huang
    Bishop = 2,
    Fellenius = 3,
    Janbu = 4,
};

// TipoDeFalla: la curva entre dos puntos de la superficie de falla.
enum class TipoUnion {
    Recta,      // "L"
    Circular,   // "C"
    Polinomica, // "P", curva ajustada por más de dos puntos
};

// DefinicionParametrosInstantaneos.
enum class DefinicionInstantaneos : Entero16 {
    SinDefinir = 0,
    Puntuales = 1,   // tangente de Hoek-Brown en cada dovela (Balmer), sólo rocas
    EntrePuntos = 2, // secantes o regresión por tramos
    PorPantalla = 3, // los da la persona en Form18
};

// Código numérico de un método o de una definición, tal como se guarda.
template <typename E> constexpr Entero16 Codigo(E valor)
{
    return static_cast<Entero16>(valor);
}

} // namespace vertana
