// Paso de Newton del método variacional por la banda con borde: un sistema pequeño resuelto a
// mano, sistemas singulares, y en los problemas clásicos (tests/datos/clasicos/FUENTES.md) el
// jacobiano y el paso contra la matriz densa invertida por Gauss-Jordan.
#include "cli/interaccion_lote.h"
#include "cli/orden_calcular.h"
#include "geometry/estado_calculo.h"
#include "geometry/preparacion.h"
#include "io/archivo_proyecto.h"
#include "methods/variacional.h"
#include "methods/variacional_banda.h"
#include "methods/variacional_sistema.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <string>
#include <vector>

namespace vertana {
namespace {

std::size_t Ind(int i)
{
    return static_cast<std::size_t>(i);
}

// Sistema de 4 dovelas (7 incógnitas) con A(1, 1) = 0: la banda necesita un intercambio de filas.
//            xc yc  F   σ1 σ2 σ3 σ4
//   G_1    [  1  0  0    0  1  0  0 ]
//   G_2    [  0  1  0    2  1  1  0 ]
//   G_3    [  0  0  1    0  1  3  1 ]
//   G_4    [  1  1  1    1  0  2  2 ]   (cuatro puntos hacia atrás)
//   ΣH     [  0  0  1    1  1  0  0 ]
//   ΣV     [  0  0  2    0  1  1  0 ]
//   ΣM     [  0  0  1    0  0  1  1 ]
constexpr int NdPequeno = 4, NPequeno = NdPequeno + BordeVariacional;
constexpr double MatrizPequena[NPequeno][NPequeno] = {
    {1, 0, 0, 0, 1, 0, 0}, {0, 1, 0, 2, 1, 1, 0}, {0, 0, 1, 0, 1, 3, 1}, {1, 1, 1, 1, 0, 2, 2},
    {0, 0, 1, 1, 1, 0, 0}, {0, 0, 2, 0, 1, 1, 0}, {0, 0, 1, 0, 0, 1, 1}};

JacobianoBanda JacobianoPequeno()
{
    JacobianoBanda J;
    J.Redimensionar(NdPequeno);
    for (int i = 1; i <= NPequeno; ++i) {
        for (int c = 1; c <= NPequeno; ++c) {
            const double v = MatrizPequena[i - 1][c - 1];
            if (i <= NdPequeno && c <= BordeVariacional)
                J.columnas[Ind(i - 1)][Ind(c - 1)] = v;
            else if (i <= NdPequeno && v != 0.0)
                J.Banda(i, c - BordeVariacional) = v;
            else if (i > NdPequeno && c <= BordeVariacional)
                J.esquina[Ind(i - NdPequeno - 1)][Ind(c - 1)] = v;
            else if (i > NdPequeno)
                J.filas[Ind(i - NdPequeno - 1)][Ind(c - BordeVariacional - 1)] = v;
        }
    }
    return J;
}

TEST(VariacionalBanda, SistemaPequenoResueltoAMano)
{
    const JacobianoBanda J = JacobianoPequeno();
    for (int i = 1; i <= NPequeno; ++i)
        for (int c = 1; c <= NPequeno; ++c)
            EXPECT_EQ(J.Elemento(i, c), MatrizPequena[i - 1][c - 1]) << i << ", " << c;
    // Con Δ = (1, −2, 3, −1, 2, 0, 1), J·Δ fila por fila:
    //   1 + 2 = 3;  −2 − 2 + 2 = −2;  3 + 2 + 1 = 6;  1 − 2 + 3 − 1 + 2 = 3;
    //   3 − 1 + 2 = 4;  6 + 2 = 8;  3 + 1 = 4.
    const std::vector<double> G{-3, 2, -6, -3, -4, -8, -4};
    const std::vector<double> esperado{1, -2, 3, -1, 2, 0, 1};
    std::vector<double> delta;
    ASSERT_TRUE(ResolverPasoNewton(J, G, delta));
    ASSERT_EQ(delta.size(), esperado.size());
    for (std::size_t k = 0; k < esperado.size(); ++k)
        EXPECT_NEAR(delta[k], esperado[k], 1e-14) << k;
}

TEST(VariacionalBanda, SistemaSingularDevuelveFalse)
{
    std::vector<double> delta;
    const std::vector<double> G(Ind(NPequeno), 1.0);
    // Fila G_2 nula: A y J singulares.
    JacobianoBanda J = JacobianoPequeno();
    J.columnas[1] = {0.0, 0.0, 0.0};
    for (int j = 1; j <= 3; ++j)
        J.Banda(2, j) = 0.0;
    EXPECT_FALSE(ResolverPasoNewton(J, G, delta));
    // A regular y ΣM igual a ΣH: el sistema del borde es singular.
    J = JacobianoPequeno();
    J.esquina[2] = J.esquina[0];
    J.filas[2] = J.filas[0];
    EXPECT_FALSE(ResolverPasoNewton(J, G, delta));
    // Un residuo no finito no da un paso.
    J = JacobianoPequeno();
    std::vector<double> noFinito = G;
    noFinito[0] = std::nan("");
    EXPECT_FALSE(ResolverPasoNewton(J, noFinito, delta));
}

// Problemas clásicos con los valores iniciales de tests/methods/variacional_test.cpp.
struct Clasico {
    const char* archivo;
    double xc, yc, FS, sigmaO;
    int dovelas;            // 0: las del archivo
    bool gaussJordanFiable; // el paso denso conserva cifras (ver Chen y Shao)
};

// Chen y Shao: γ = 10⁻⁷ (talud sin peso) deja la columna de xc del orden de 10⁻⁷ y el
// número de condición de J en 10¹⁰; Gauss-Jordan sin intercambios pierde ahí todas las cifras
// del primer paso, y sólo se compara con la referencia.
constexpr Clasico Clasicos[] = {
    {"fredlund_krahn_1977_caso1.cod", 24.0, 30.0, 1.5, -1.0, 0, true},
    {"fredlund_krahn_1977_caso1.cod", 24.0, 30.0, 1.5, -1.0, 300, true},
    {"fredlund_krahn_1977_caso1_sismo.cod", 24.0, 30.0, 1.5, -1.0, 0, true},
    {"fredlund_krahn_1977_caso1_freatico.cod", 24.0, 30.0, 1.5, -1.0, 0, true},
    {"duncan_wright_2005_fig14_5.cod", 42.0, 63.5, 1.5, 0.0, 0, true},
    {"usace_em1110_2_1902_f5.cod", 48.0, 73.0, 1.5, -0.1, 0, true},
    {"priest_1993_bloque_grieta.cod", -5.0, 32.0, 1.5, -0.1, 0, true},
    {"chen_shao_1988_carga_en_corona.cod", 8.27, 15.0, 1.5, -0.1, 0, false}, // φ = 0
};

DatosVariacional DatosDelClasico(const Clasico& c)
{
    Proyecto p;
    ReiniciarProyecto(p);
    InteraccionLote lectura;
    EXPECT_TRUE(
        LeerProyecto(std::string(VERTANA_DATOS_PRUEBA) + "/clasicos/" + c.archivo, p, lectura))
        << c.archivo;
    p.MetodoDeCalculo = Metodo::Variacional;
    p.EsfuerzoInicialCresta = c.sigmaO;
    if (c.dovelas > 0) p.NumeroDovelas = c.dovelas;
    EstadoCalculo e;
    ReiniciarEstadoCalculo(e);
    InteraccionLote ui;
    PrepararRespuestasPorLotes(ui, false);
    EXPECT_TRUE(PrepararCalculo(p, e, ui)) << c.archivo;
    return DatosDeDovelas(p, e, false);
}

// Paso denso: Δ = −J⁻¹·G con la inversa de Gauss-Jordan sin intercambio de filas.
std::vector<double> PasoGaussJordan(const Matriz& J, const std::vector<double>& G)
{
    Matriz inversa;
    EXPECT_TRUE(InvertirGaussJordan(J, inversa));
    const int n = static_cast<int>(G.size());
    std::vector<double> delta(G.size(), 0.0);
    for (int i = 1; i <= n; ++i)
        for (int j = 1; j <= n; ++j)
            delta[Ind(i - 1)] -= inversa[Ind(i)][Ind(j)] * G[Ind(j - 1)];
    return delta;
}

// Referencia: J·Δ = −G sobre la matriz densa por eliminación de Gauss con pivoteo parcial en
// long double (64 bits de mantisa frente a 53).
std::vector<double> PasoDeReferencia(const Matriz& J, const std::vector<double>& G)
{
    const int n = static_cast<int>(G.size());
    std::vector<std::vector<long double>> a(Ind(n), std::vector<long double>(Ind(n + 1)));
    for (int i = 0; i < n; ++i) {
        for (int j = 0; j < n; ++j)
            a[Ind(i)][Ind(j)] = J[Ind(i + 1)][Ind(j + 1)];
        a[Ind(i)][Ind(n)] = -G[Ind(i)];
    }
    for (int p = 0; p < n; ++p) {
        int elegida = p;
        for (int r = p + 1; r < n; ++r)
            if (std::fabs(a[Ind(r)][Ind(p)]) > std::fabs(a[Ind(elegida)][Ind(p)])) elegida = r;
        std::swap(a[Ind(p)], a[Ind(elegida)]);
        for (int r = p + 1; r < n; ++r) {
            const long double f = a[Ind(r)][Ind(p)] / a[Ind(p)][Ind(p)];
            for (int c = p; c <= n; ++c)
                a[Ind(r)][Ind(c)] -= f * a[Ind(p)][Ind(c)];
        }
    }
    std::vector<long double> x(Ind(n));
    for (int p = n - 1; p >= 0; --p) {
        long double v = a[Ind(p)][Ind(n)];
        for (int c = p + 1; c < n; ++c)
            v -= a[Ind(p)][Ind(c)] * x[Ind(c)];
        x[Ind(p)] = v / a[Ind(p)][Ind(p)];
    }
    return std::vector<double>(x.begin(), x.end());
}

double NormaMaxima(const std::vector<double>& v)
{
    double m = 0.0;
    for (double x : v)
        m = std::max(m, std::fabs(x));
    return m;
}

// Diferencia relativa entre dos vectores en la norma del máximo.
double DiferenciaRelativa(const std::vector<double>& a, const std::vector<double>& b)
{
    std::vector<double> d(a.size());
    for (std::size_t k = 0; k < a.size(); ++k)
        d[k] = a[k] - b[k];
    return NormaMaxima(d) / NormaMaxima(b);
}

// Diferencia relativa máxima en Δxc, Δyc, ΔF, cada una respecto de la suya.
double DiferenciaEnElBorde(const std::vector<double>& a, const std::vector<double>& b)
{
    double m = 0.0;
    for (std::size_t k = 0; k < BordeVariacional; ++k)
        m = std::max(m, std::fabs(a[k] - b[k]) / std::fabs(b[k]));
    return m;
}

// Frente a la referencia la banda queda en 10⁻¹⁴ (10⁻¹¹ en el borde de Chen y Shao). Gauss-Jordan
// sin intercambios se aparta de la referencia hasta 5·10⁻⁹ en el vector y 2·10⁻⁸ en el borde.
constexpr double ToleranciaReferencia = 1e-12;
constexpr double ToleranciaReferenciaBorde = 1e-10;
constexpr double ToleranciaGaussJordan = 1e-7;
constexpr int PasosComparados = 3; // en el punto de partida y tras dos pasos

// En el punto de partida (primera solución) y tras dos pasos de Newton: el jacobiano por la
// banda es el denso elemento a elemento (las mismas fórmulas en el mismo orden) y el paso
// coincide con la referencia y con el de Gauss-Jordan.
TEST(VariacionalBanda, ClasicosComoLaMatrizDensa)
{
    for (const Clasico& c : Clasicos) {
        const std::string caso = std::string(c.archivo) + " con " + std::to_string(c.dovelas);
        const DatosVariacional datos = DatosDelClasico(c);
        const int nd = datos.Dovelas(), n = nd + BordeVariacional;
        std::vector<double> sigma, sigmaBanda;
        ASSERT_TRUE(PrimeraSolucion(datos, c.xc, c.yc, c.FS, sigma)) << caso;
        ASSERT_TRUE(PrimeraSolucionBanda(datos, c.xc, c.yc, c.FS, sigmaBanda)) << caso;
        EXPECT_LT(DiferenciaRelativa(sigmaBanda, sigma), ToleranciaGaussJordan) << caso;
        std::vector<double> z{c.xc, c.yc, c.FS};
        z.insert(z.end(), sigma.begin(), sigma.end());
        for (int paso = 1; paso <= PasosComparados; ++paso) {
            const std::string donde = caso + ", paso " + std::to_string(paso);
            const Matriz densa = JacobianoVariacional(datos, z);
            const JacobianoBanda banda = JacobianoBandaVariacional(datos, z);
            int distintos = 0;
            for (int i = 1; i <= n; ++i)
                for (int j = 1; j <= n; ++j)
                    if (banda.Elemento(i, j) != densa[Ind(i)][Ind(j)]) ++distintos;
            EXPECT_EQ(distintos, 0) << donde;

            const std::vector<double> G = ResiduosVariacionales(datos, z);
            std::vector<double> delta;
            ASSERT_TRUE(ResolverPasoNewton(banda, G, delta)) << donde;
            const std::vector<double> referencia = PasoDeReferencia(densa, G);
            EXPECT_LT(DiferenciaRelativa(delta, referencia), ToleranciaReferencia) << donde;
            EXPECT_LT(DiferenciaEnElBorde(delta, referencia), ToleranciaReferenciaBorde) << donde;
            const std::vector<double> gaussJordan = PasoGaussJordan(densa, G);
            if (c.gaussJordanFiable) {
                EXPECT_LT(DiferenciaRelativa(delta, gaussJordan), ToleranciaGaussJordan) << donde;
                EXPECT_LT(DiferenciaEnElBorde(delta, gaussJordan), ToleranciaGaussJordan) << donde;
            }
            for (std::size_t k = 0; k < z.size(); ++k)
                z[k] += gaussJordan[k];
        }
    }
}

} // namespace
} // namespace vertana
