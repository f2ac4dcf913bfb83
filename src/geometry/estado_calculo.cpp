#include "geometry/estado_calculo.h"

namespace vertana {

void ReiniciarEstadoCalculo(EstadoCalculo& e)
{
    e = EstadoCalculo{};
}

bool PreparacionCompleta(const EstadoCalculo& e)
{
    return e.SuperficieConstruida && e.ZonasConstruidas && e.DovelasConstruidas &&
           e.GeometriaDovelasCalculada && e.MaterialesAsignados && e.PresionesCalculadas;
}

} // namespace vertana
