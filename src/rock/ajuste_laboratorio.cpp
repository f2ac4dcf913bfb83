#include "rock/ajuste_laboratorio.h"

#include "model/unidades.h"

#include <algorithm>
#include <vector>

namespace vertana {

AjusteLaboratorio AjustarEstratoDeLaboratorio(const Proyecto& p, int estrato, bool rocaIntacta)
{
    const int pares =
        std::min<int>({estrato <= p.NumeroPuntosLab.Tamano() ? p.NumeroPuntosLab(estrato) : 0,
                       p.Sigma1Lab.Columnas(), p.Sigma3Lab.Columnas()});
    std::vector<double> sigma1, sigma3;
    if (estrato <= p.Sigma1Lab.Filas() && estrato <= p.Sigma3Lab.Filas())
        for (int k = 1; k <= pares; ++k) {
            sigma1.push_back(p.Sigma1Lab(estrato, k));
            sigma3.push_back(p.Sigma3Lab(estrato, k));
        }
    return AjustarMsDeLaboratorio(sigma1, sigma3, KgCm2ATonM2(p.CompresionSimple(estrato)),
                                  rocaIntacta);
}

} // namespace vertana
