// Ajuste de m y s de un estrato de roca a sus ensayos de laboratorio, tal como están en el
// proyecto: los pares (σ1, σ3) en ton/m2 y la compresión simple del estrato en kg/cm2, que se
// pasa a ton/m2 para que el ajuste trabaje en una sola unidad (m y s no tienen unidades).
#pragma once

#include "model/proyecto.h"
#include "rock/hoek_brown.h"

#include <string>

namespace vertana {

// Los NumeroPuntosLab(i) pares de Sigma1Lab y Sigma3Lab del estrato i, con
// σci = KgCm2ATonM2(CompresionSimple(i)), por AjustarMsDeLaboratorio.
// Un estrato sin compresión simple en el proyecto se ajusta con σci = 0 (CompresionSimpleNula).
AjusteLaboratorio AjustarEstratoDeLaboratorio(const Proyecto& p, int estrato, bool rocaIntacta);

// Mensaje del catálogo que explica por qué no hubo ajuste (vacío si lo hubo).
std::string TextoDelAjuste(EstadoAjusteLaboratorio estado, int estrato);

} // namespace vertana
