#include "methods/dovelas_rigurosas.h"

#include "methods/datos_metodo.h"
#include "methods/momento_cargas.h"

namespace vertana {

namespace {
constexpr double Mitad = 0.5;
constexpr double TercioAltura = 1.0 / 3.0; // el empuje del agua de la grieta actúa a 1/3
} // namespace

ProblemaRiguroso ProblemaRigurosoDesdeDovelas(const Proyecto& p, const EstadoCalculo& e)
{
    ProblemaRiguroso r;
    const int nd = p.NumeroPuntosDovelas - 1;
    if (nd < 1) return r;
    const Tabla<double> alfa = AngulosBaseDovelas(p, e, CirculoUnicoDeCalculo(p));
    r.CoeficienteSismicoHorizontal = p.CoeficienteSismicoHorizontal;
    r.CoeficienteSismicoVertical = p.CoeficienteSismicoVertical;
    r.EmpujeAguaGrieta = p.AlturaAguaGrieta;
    r.OrdenadaEmpujeGrieta =
        p.OrdenadaSegundoPuntoGrieta +
        (p.OrdenadaNivelFreaticoGrieta - p.OrdenadaSegundoPuntoGrieta) * TercioAltura;
    for (int s = 1; s <= nd; ++s) {
        DovelaRigurosa d;
        d.Ancho = p.AnchoDovela(s);
        d.Alfa = alfa(s);
        d.Peso = PesoDovela(p, e, s);
        d.PresionPoros = p.PresionPorosDovela(s);
        d.Cohesion = p.CohesionDovela(s);
        d.TangenteFriccion = e.Dovelas.TangenteFriccionDovela(s);
        d.AbscisaBase = p.AbscisaCentroDovela(s);
        d.OrdenadaBase = p.OrdenadaCentroDovela(s);
        d.OrdenadaTalud = p.OrdenadaTaludDovela(s);
        d.OrdenadaSismo = Mitad * (d.OrdenadaTalud + d.OrdenadaBase);
        const double tanBeta = e.Dovelas.PendienteTaludDovela(s);
        for (int j = 1; j <= p.NumeroCargasUniformes(); ++j) {
            if (!CargaUniformeCubre(p, j, d.AbscisaBase)) continue;
            d.Cargas.push_back({p.CargaUniformeQx(j) * d.Ancho * tanBeta,
                                p.CargaUniformeQy(j) * d.Ancho, d.AbscisaBase, d.OrdenadaTalud});
        }
        for (int j = 1; j <= p.NumeroCargasPuntuales(); ++j) {
            if (!CargaPuntualEnDovela(p, e, j, s)) continue;
            d.Cargas.push_back(
                {p.CargaPuntualPx(j), p.CargaPuntualPy(j), p.CargaPuntualX(j), p.CargaPuntualY(j)});
        }
        r.Dovelas.push_back(d);
    }
    for (int k = 1; k <= nd + 1; ++k)
        r.Bordes.push_back({e.Dovelas.AbscisaBordeDovela(k), e.Dovelas.OrdenadaBordeDovela(k),
                            e.Dovelas.OrdenadaTaludBorde(k)});
    return r;
}

} // namespace vertana
