#include "rock/ajuste_laboratorio.h"

#include "model/textos.h"
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
    const double sigmaCi =
        estrato <= p.CompresionSimple.Tamano() ? KgCm2ATonM2(p.CompresionSimple(estrato)) : 0.0;
    return AjustarMsDeLaboratorio(sigma1, sigma3, sigmaCi, rocaIntacta);
}

std::string TextoDelAjuste(EstadoAjusteLaboratorio estado, int estrato)
{
    switch (estado) {
    case EstadoAjusteLaboratorio::PuntosInsuficientes:
        return textos::PuntosLaboratorioInsuficientes(estrato);
    case EstadoAjusteLaboratorio::CompresionSimpleNula:
        return textos::AjusteSinCompresionSimple(estrato);
    case EstadoAjusteLaboratorio::Sigma3SinDispersion:
        return textos::AjusteSigma3Iguales(estrato);
    case EstadoAjusteLaboratorio::SumaSigma3Nula:
        return textos::AjusteSumaSigma3Nula(estrato);
    case EstadoAjusteLaboratorio::Ajustado:
        break;
    }
    return {};
}

} // namespace vertana
