#include "geometry/talud_de_prueba.h"
#include "io/codigos.h"
#include "proyectos_de_prueba.h"

#include <algorithm>

namespace vertana::prueba {

void FijarSuperficie(Proyecto& p, const Puntos& puntos, const std::vector<Union>& uniones)
{
    FijarPuntos(p.AbscisasFalla, p.OrdenadasFalla, puntos);
    const int nd = static_cast<int>(uniones.size());
    p.NumeroTiposDeFalla = static_cast<Entero16>(nd);
    p.PuntoInicialTipoFalla.Redimensionar(nd);
    p.PuntoFinalTipoFalla.Redimensionar(nd);
    p.TipoDeFalla.Redimensionar(nd);
    for (int d = 1; d <= nd; ++d) {
        p.PuntoInicialTipoFalla(d) = uniones[d - 1].inicial;
        p.PuntoFinalTipoFalla(d) = uniones[d - 1].final;
        p.TipoDeFalla(d) = *TipoUnionDeLetra(uniones[d - 1].tipo);
    }
    p.TiposDeFallaDefinidos = true;
}

void FijarFreatico(Proyecto& p, const Puntos& puntos)
{
    FijarPuntos(p.AbscisasFreatico, p.OrdenadasFreatico, puntos);
}

void AgregarEstrato(Proyecto& p, const Puntos& linea, double c, double phi, double gh, double gs,
                    int tipo)
{
    const int i = p.NumeroDeEstratos() + 1;
    const int puntos = static_cast<int>(linea.size());
    p.NumeroCoordenadasEstrato.RedimensionarConservando(i);
    p.NumeroCoordenadasEstrato(i) = static_cast<Entero16>(puntos);
    const int columnas = std::max(p.AbscisasEstratos.Columnas(), puntos);
    p.AbscisasEstratos.RedimensionarConservando(i, columnas);
    p.OrdenadasEstratos.RedimensionarConservando(i, columnas);
    for (int j = 1; j <= puntos; ++j) {
        p.AbscisasEstratos(i, j) = linea[j - 1].first;
        p.OrdenadasEstratos(i, j) = linea[j - 1].second;
    }
    for (Tabla<double>* t : {&p.CohesionMacizo, &p.FriccionMacizo, &p.PesoUnitarioHumedo,
                             &p.PesoUnitarioSaturado, &p.ParametroPresionIntersticial,
                             &p.CoeficienteConsolidacionVertical, &p.TiempoDeConstruccion})
        t->RedimensionarConservando(i);
    p.TipoDeEstrato.RedimensionarConservando(i);
    p.CohesionMacizo(i) = c;
    p.FriccionMacizo(i) = phi;
    p.PesoUnitarioHumedo(i) = gh;
    p.PesoUnitarioSaturado(i) = gs;
    p.TipoDeEstrato(i) = static_cast<Entero16>(tipo);
    p.RocaCaracterizada = true;
}

Proyecto TaludRecto(double numeroDovelas)
{
    Proyecto p;
    ReiniciarProyecto(p);
    p.SueloRoca = Material::Suelo;
    p.MetodoDeCalculo = Metodo::Fellenius;
    p.NumeroDovelas = numeroDovelas;
    p.ParametrosIntroducidos = true;
    FijarPuntos(p.AbscisasTalud, p.OrdenadasTalud, {{20, 12}, {-10, 12}});
    FijarSuperficie(p, {{10, 10}, {0, 0}}, {{1, 2, "L"}});
    return p;
}

} // namespace vertana::prueba
