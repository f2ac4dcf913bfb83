// Unidades y constantes físicas comunes: π, la conversión entre grados y radianes, el peso
// unitario del agua y la conversión de kg/cm2 a ton/m2. Los ángulos se guardan en grados y se
// convierten una sola vez, con estas funciones, donde se usan.
#pragma once

#include <cmath>

namespace vertana {

// π = 4·arctan(1).
inline const double Pi = 4.0 * std::atan(1.0);

constexpr double GradosMediaVuelta = 180.0; // grados en π radianes

// φ·π/180, en este orden, para que el redondeo sea siempre el mismo.
inline double Radianes(double grados)
{
    return Pi * grados / GradosMediaVuelta;
}

// θ·180/π.
inline double Grados(double radianes)
{
    return radianes * GradosMediaVuelta / Pi;
}

// Peso unitario del agua (ton/m3): una altura de agua en metros es su presión en ton/m2.
constexpr double PesoUnitarioAgua = 1.0;

// 1 kg/cm2 = 9.80665 N / 1e-4 m2 = 98.0665 kN/m2 = 10 ton/m2 (1 ton = 9.80665 kN).
constexpr double TonM2PorKgCm2 = 10.0;

// La resistencia a la compresión simple se escribe en kg/cm2; los métodos trabajan en ton/m2.
constexpr double KgCm2ATonM2(double kgCm2)
{
    return kgCm2 * TonM2PorKgCm2;
}

constexpr double TonM2AKgCm2(double tonM2)
{
    return tonM2 / TonM2PorKgCm2;
}

} // namespace vertana
