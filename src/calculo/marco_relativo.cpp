#include "calculo/marco_relativo.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <type_traits>

namespace vertana {

namespace {

// Llama a `campo(valor, desplazamiento)` con cada coordenada del proyecto y del estado, siempre
// en el mismo orden. `valor` es un double, una Tabla<double> o una Tabla2<double>.
template <typename Campo>
void Recorrer(Proyecto& p, EstadoCalculo& e, double dx, double dy, double dxCentro, double dyCentro,
              double dxGuardado, double dyGuardado, double dyAguaGrieta, Campo&& campo)
{
    // Poligonales de la sección.
    campo(p.AbscisasTalud, dx);
    campo(p.OrdenadasTalud, dy);
    campo(p.AbscisasFalla, dx);
    campo(p.OrdenadasFalla, dy);
    campo(p.AbscisasFreatico, dx);
    campo(p.OrdenadasFreatico, dy);
    campo(p.AbscisasEstratos, dx);
    campo(p.OrdenadasEstratos, dy);
    // Cargas.
    campo(p.CargaUniformeXo, dx);
    campo(p.CargaUniformeYo, dy);
    campo(p.CargaUniformeXf, dx);
    campo(p.CargaUniformeYf, dy);
    campo(p.CargaPuntualX, dx);
    campo(p.CargaPuntualY, dy);
    // Grieta de tracción.
    campo(p.AbscisaPrimerPuntoGrieta, dx);
    campo(p.OrdenadaPrimerPuntoGrieta, dy);
    campo(p.AbscisaSegundoPuntoGrieta, dx);
    campo(p.OrdenadaSegundoPuntoGrieta, dy);
    campo(p.AbscisaNivelFreaticoGrieta, dx);
    campo(p.OrdenadaNivelFreaticoGrieta, dyAguaGrieta);
    // Centro del círculo y (xc, yc) del método variacional con su historia.
    campo(p.CentroCirculoX, dxCentro);
    campo(p.CentroCirculoY, dyCentro);
    campo(p.CentroCirculoXGuardado, dxGuardado);
    campo(p.CentroCirculoYGuardado, dyGuardado);
    campo(p.MultiplicadorLagrange1, dx);
    campo(p.MultiplicadorLagrange2, dy);
    campo(p.HistoriaMu1Mu2, dx);
    campo(p.HistoriaInversaMu2, dy);
    // Dovelas del proyecto.
    campo(p.AbscisaCentroDovela, dx);
    campo(p.OrdenadaCentroDovela, dy);
    campo(p.OrdenadaTaludDovela, dy);
    // Estado del cálculo: superficie de trabajo, cruces, zonas y dovelas.
    campo(e.AbscisasSPF, dx);
    campo(e.OrdenadasSPF, dy);
    campo(e.AbscisaInterseccion, dx);
    campo(e.AbscisasZonas, dx);
    campo(e.AbscisaMaximaSPF, dx);
    campo(e.AbscisaMinimaSPF, dx);
    campo(e.OrdenadaFinalSPF, dy);
    campo(e.Dovelas.AbscisaBordeDovela, dx);
    campo(e.Dovelas.OrdenadaBordeDovela, dy);
    campo(e.Dovelas.OrdenadaTaludBorde, dy);
    campo(e.Dovelas.OrdenadaFreaticoBorde, dy);
    campo(e.Dovelas.OrdenadaFreaticoDovela, dy);
    campo(e.Dovelas.OrdenadaEstratoEnDovela, dy);
}

void Menor(double& menor, double v)
{
    if (std::isfinite(v)) menor = std::min(menor, v);
}

void MenorDe(const Tabla<double>& t, int n, double& menor)
{
    for (int k = 1; k <= std::min(n, t.Tamano()); ++k)
        Menor(menor, t(k));
}

// Vuelta de un valor: el original si el cálculo no lo cambió, si no el valor trasladado.
double Volver(double actual, double original, double d)
{
    return actual == original - d ? original : actual + d;
}

} // namespace

PuntoDeReferencia ReferenciaDeLaSeccion(const Proyecto& p)
{
    constexpr double Infinito = std::numeric_limits<double>::infinity();
    double x = Infinito, y = Infinito;
    MenorDe(p.AbscisasTalud, p.NumeroCoordenadasTalud(), x);
    MenorDe(p.OrdenadasTalud, p.NumeroCoordenadasTalud(), y);
    MenorDe(p.AbscisasFalla, p.NumeroCoordenadasFalla(), x);
    MenorDe(p.OrdenadasFalla, p.NumeroCoordenadasFalla(), y);
    MenorDe(p.AbscisasFreatico, p.NumeroCoordenadasFreatico(), x);
    MenorDe(p.OrdenadasFreatico, p.NumeroCoordenadasFreatico(), y);
    for (int i = 1; i <= p.NumeroDeEstratos(); ++i) {
        if (i > p.AbscisasEstratos.Filas() || i > p.OrdenadasEstratos.Filas()) break;
        const int n = std::min({static_cast<int>(p.NumeroCoordenadasEstrato(i)),
                                p.AbscisasEstratos.Columnas(), p.OrdenadasEstratos.Columnas()});
        for (int j = 1; j <= n; ++j) {
            Menor(x, p.AbscisasEstratos(i, j));
            Menor(y, p.OrdenadasEstratos(i, j));
        }
    }
    return {x == Infinito ? 0.0 : x, y == Infinito ? 0.0 : y};
}

void MarcoRelativo::ARelativas(Proyecto& p, EstadoCalculo& e)
{
    const double dx = referencia_.x, dy = referencia_.y;
    circuloUnico_ = EsCirculoUnico(p);
    centroGuardadoTrasladado_ = circuloUnico_ && p.CentroCirculoYGuardado > 0.0;
    aguaGrietaTrasladada_ = p.OrdenadaNivelFreaticoGrieta > 0.0;
    guardados_.clear();
    Recorrer(p, e, dx, dy, circuloUnico_ ? dx : 0.0, circuloUnico_ ? dy : 0.0,
             centroGuardadoTrasladado_ ? dx : 0.0, centroGuardadoTrasladado_ ? dy : 0.0,
             aguaGrietaTrasladada_ ? dy : 0.0, [this](auto& valor, double d) {
                 Guardado g;
                 using T = std::remove_reference_t<decltype(valor)>;
                 if constexpr (std::is_same_v<T, double>) {
                     g.escalar = valor;
                     valor -= d;
                 } else if constexpr (std::is_same_v<T, Tabla<double>>) {
                     g.tabla = valor;
                     for (int i = 1; i <= valor.Tamano(); ++i)
                         valor(i) -= d;
                 } else {
                     g.tabla2 = valor;
                     for (int i = 1; i <= valor.Filas(); ++i)
                         for (int j = 1; j <= valor.Columnas(); ++j)
                             valor(i, j) -= d;
                 }
                 guardados_.push_back(std::move(g));
             });
    e.OrigenX = dx;
    e.OrigenY = dy;
    relativas_ = true;
}

void MarcoRelativo::AAbsolutas(Proyecto& p, EstadoCalculo& e)
{
    if (!relativas_) return;
    const double dx = referencia_.x, dy = referencia_.y;
    std::size_t k = 0;
    Recorrer(p, e, dx, dy, circuloUnico_ ? dx : 0.0, circuloUnico_ ? dy : 0.0,
             centroGuardadoTrasladado_ ? dx : 0.0, centroGuardadoTrasladado_ ? dy : 0.0,
             aguaGrietaTrasladada_ ? dy : 0.0, [this, &k](auto& valor, double d) {
                 const Guardado& g = guardados_[k++];
                 using T = std::remove_reference_t<decltype(valor)>;
                 if constexpr (std::is_same_v<T, double>) {
                     valor = Volver(valor, g.escalar, d);
                 } else if constexpr (std::is_same_v<T, Tabla<double>>) {
                     const bool igual = valor.Tamano() == g.tabla.Tamano();
                     for (int i = 1; i <= valor.Tamano(); ++i)
                         valor(i) = igual ? Volver(valor(i), g.tabla(i), d) : valor(i) + d;
                 } else {
                     const bool igual = valor.Filas() == g.tabla2.Filas() &&
                                        valor.Columnas() == g.tabla2.Columnas();
                     for (int i = 1; i <= valor.Filas(); ++i)
                         for (int j = 1; j <= valor.Columnas(); ++j)
                             valor(i, j) =
                                 igual ? Volver(valor(i, j), g.tabla2(i, j), d) : valor(i, j) + d;
                 }
             });
    e.OrigenX = 0.0;
    e.OrigenY = 0.0;
    relativas_ = false;
    guardados_.clear();
}

} // namespace vertana
