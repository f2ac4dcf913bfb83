#include "methods/variacional_banda.h"

#include <algorithm>
#include <cassert>
#include <cmath>
#include <cstddef>
#include <utility>

namespace vertana {

namespace {

// Con el pivoteo parcial una fila puede subir hasta SubdiagonalesVariacional puestos: el perfil
// superior de la eliminación llega a Sub + Super diagonales.
constexpr int SuperdiagonalesEliminacion = SubdiagonalesVariacional + SuperdiagonalesVariacional;
// Ventana de trabajo de la fila i: columnas i − Sub..i + Sub + Super.
constexpr int AnchoTrabajo = SubdiagonalesVariacional + 1 + SuperdiagonalesEliminacion;
// Lados derechos que se eliminan con la banda: las tres columnas del borde y los residuos.
constexpr int LadosDerechos = BordeVariacional + 1;
constexpr int LadoResiduos = BordeVariacional; // índice del lado derecho de los residuos
constexpr int ColumnaF = 2;                    // F es la tercera incógnita del borde

std::size_t Ind(int i)
{
    return static_cast<std::size_t>(i);
}

struct FilaTrabajo {
    std::array<double, AnchoTrabajo> a{};
    std::array<double, LadosDerechos> d{};
};

using Trabajo = std::vector<FilaTrabajo>;

// Elemento (i, j) de la matriz de trabajo, j dentro de la ventana de la fila i.
double& En(Trabajo& w, int i, int j)
{
    assert(j - i >= -SubdiagonalesVariacional && j - i <= SuperdiagonalesEliminacion);
    return w[Ind(i - 1)].a[Ind(j - i + SubdiagonalesVariacional)];
}

// Copia la banda de J a la matriz de trabajo; los lados derechos quedan en 0.
Trabajo TrabajoDeBanda(const JacobianoBanda& J)
{
    const int nd = J.nd;
    Trabajo w(Ind(nd));
    for (int i = 1; i <= nd; ++i)
        for (int j = std::max(1, i - SubdiagonalesVariacional);
             j <= std::min(nd, i + SuperdiagonalesVariacional); ++j)
            En(w, i, j) = J.Banda(i, j);
    return w;
}

// Resuelve A·X = D (A la banda de w, D sus lados derechos) por eliminación de Gauss con pivoteo
// parcial: en la columna p el pivote es el de mayor valor absoluto entre las filas p..p + Sub.
// X queda en los lados derechos. false si una columna no tiene pivote distinto de 0.
bool ResolverBanda(Trabajo& w)
{
    const int nd = static_cast<int>(w.size());
    for (int p = 1; p <= nd; ++p) {
        const int ultimaFila = std::min(nd, p + SubdiagonalesVariacional);
        const int ultimaColumna = std::min(nd, p + SuperdiagonalesEliminacion);
        int elegida = p;
        double mayor = std::fabs(En(w, p, p));
        for (int r = p + 1; r <= ultimaFila; ++r) {
            if (std::fabs(En(w, r, p)) > mayor) {
                mayor = std::fabs(En(w, r, p));
                elegida = r;
            }
        }
        if (mayor == 0.0) return false;
        if (elegida != p) {
            for (int c = p; c <= ultimaColumna; ++c)
                std::swap(En(w, p, c), En(w, elegida, c));
            std::swap(w[Ind(p - 1)].d, w[Ind(elegida - 1)].d);
        }
        const double pivote = En(w, p, p);
        for (int r = p + 1; r <= ultimaFila; ++r) {
            const double factor = En(w, r, p) / pivote;
            if (factor == 0.0) continue;
            En(w, r, p) = 0.0;
            for (int c = p + 1; c <= ultimaColumna; ++c)
                En(w, r, c) -= factor * En(w, p, c);
            for (int k = 0; k < LadosDerechos; ++k)
                w[Ind(r - 1)].d[Ind(k)] -= factor * w[Ind(p - 1)].d[Ind(k)];
        }
    }
    // Sustitución hacia atrás sobre el factor triangular superior.
    for (int p = nd; p >= 1; --p) {
        const int ultimaColumna = std::min(nd, p + SuperdiagonalesEliminacion);
        std::array<double, LadosDerechos>& x = w[Ind(p - 1)].d;
        for (int c = p + 1; c <= ultimaColumna; ++c) {
            const double apc = En(w, p, c);
            for (int k = 0; k < LadosDerechos; ++k)
                x[Ind(k)] -= apc * w[Ind(c - 1)].d[Ind(k)];
        }
        const double pivote = En(w, p, p);
        for (int k = 0; k < LadosDerechos; ++k)
            x[Ind(k)] /= pivote;
    }
    return true;
}

using Matriz3 = std::array<std::array<double, BordeVariacional>, BordeVariacional>;
using Vector3 = std::array<double, BordeVariacional>;

// S·g = t, 3 × 3, eliminación de Gauss con pivoteo parcial; false con un pivote exactamente 0.
bool ResolverBorde(Matriz3 S, Vector3 t, Vector3& g)
{
    for (int p = 0; p < BordeVariacional; ++p) {
        int elegida = p;
        for (int r = p + 1; r < BordeVariacional; ++r)
            if (std::fabs(S[Ind(r)][Ind(p)]) > std::fabs(S[Ind(elegida)][Ind(p)])) elegida = r;
        if (S[Ind(elegida)][Ind(p)] == 0.0) return false;
        std::swap(S[Ind(p)], S[Ind(elegida)]);
        std::swap(t[Ind(p)], t[Ind(elegida)]);
        for (int r = p + 1; r < BordeVariacional; ++r) {
            const double factor = S[Ind(r)][Ind(p)] / S[Ind(p)][Ind(p)];
            for (int c = p; c < BordeVariacional; ++c)
                S[Ind(r)][Ind(c)] -= factor * S[Ind(p)][Ind(c)];
            t[Ind(r)] -= factor * t[Ind(p)];
        }
    }
    for (int p = BordeVariacional - 1; p >= 0; --p) {
        double v = t[Ind(p)];
        for (int c = p + 1; c < BordeVariacional; ++c)
            v -= S[Ind(p)][Ind(c)] * g[Ind(c)];
        g[Ind(p)] = v / S[Ind(p)][Ind(p)];
    }
    return true;
}

bool TodosFinitos(const std::vector<double>& v)
{
    for (double x : v)
        if (!std::isfinite(x)) return false;
    return true;
}

} // namespace

void JacobianoBanda::Redimensionar(int dovelas)
{
    nd = dovelas;
    banda.assign(Ind(dovelas), {});
    columnas.assign(Ind(dovelas), {});
    for (std::vector<double>& f : filas)
        f.assign(Ind(dovelas), 0.0);
    esquina = {};
}

double& JacobianoBanda::Banda(int i, int j)
{
    assert(i >= 1 && i <= nd && j >= 1 && j <= nd);
    assert(j - i >= -SubdiagonalesVariacional && j - i <= SuperdiagonalesVariacional);
    return banda[Ind(i - 1)][Ind(j - i + SubdiagonalesVariacional)];
}

double JacobianoBanda::Banda(int i, int j) const
{
    assert(i >= 1 && i <= nd && j >= 1 && j <= nd);
    assert(j - i >= -SubdiagonalesVariacional && j - i <= SuperdiagonalesVariacional);
    return banda[Ind(i - 1)][Ind(j - i + SubdiagonalesVariacional)];
}

double JacobianoBanda::Elemento(int fila, int columna) const
{
    assert(fila >= 1 && fila <= nd + BordeVariacional);
    assert(columna >= 1 && columna <= nd + BordeVariacional);
    if (fila <= nd) {
        if (columna <= BordeVariacional) return columnas[Ind(fila - 1)][Ind(columna - 1)];
        const int j = columna - BordeVariacional;
        if (j - fila < -SubdiagonalesVariacional || j - fila > SuperdiagonalesVariacional)
            return 0.0;
        return Banda(fila, j);
    }
    const int k = fila - nd - 1;
    if (columna <= BordeVariacional) return esquina[Ind(k)][Ind(columna - 1)];
    return filas[Ind(k)][Ind(columna - BordeVariacional - 1)];
}

JacobianoBanda JacobianoBandaVariacional(const DatosVariacional& datos,
                                         const std::vector<double>& z)
{
    const int nd = datos.Dovelas();
    assert(nd >= MinimoDovelasVariacional);
    assert(z.size() == Ind(nd + BordeVariacional));
    const double xc = z[0], yc = z[1], F = z[2];
    const std::vector<double> sigma(z.begin() + BordeVariacional, z.end());
    JacobianoBanda J;
    J.Redimensionar(nd);
    for (int i = 1; i <= nd; ++i) {
        const FilaJacobianoDovela fila = FilaJacobianoDeDovela(datos, xc, yc, F, sigma, i);
        for (int k = 0; k < BordeVariacional; ++k)
            J.columnas[Ind(i - 1)][Ind(k)] = fila.globales[k];
        for (int a = 0; a < fila.cuantos; ++a)
            J.Banda(i, fila.columnas[a]) = fila.valores[a];
    }
    const SumasEquilibrio porF = DerivadasSumasRespectoDeF(datos, sigma);
    J.esquina[0][ColumnaF] = porF.H;
    J.esquina[1][ColumnaF] = porF.V;
    J.esquina[2][ColumnaF] = porF.M;
    for (int j = 1; j <= nd; ++j) {
        const SumasEquilibrio porSigma = DerivadasSumasRespectoDeSigma(datos, F, j);
        J.filas[0][Ind(j - 1)] = porSigma.H;
        J.filas[1][Ind(j - 1)] = porSigma.V;
        J.filas[2][Ind(j - 1)] = porSigma.M;
    }
    return J;
}

bool ResolverPasoNewton(const JacobianoBanda& jacobiano, const std::vector<double>& G,
                        std::vector<double>& delta)
{
    const int nd = jacobiano.nd;
    assert(G.size() == Ind(nd + BordeVariacional));
    // Y = A⁻¹·C y y = A⁻¹·(−G_dovelas).
    Trabajo w = TrabajoDeBanda(jacobiano);
    for (int i = 1; i <= nd; ++i) {
        FilaTrabajo& f = w[Ind(i - 1)];
        for (int k = 0; k < BordeVariacional; ++k)
            f.d[Ind(k)] = jacobiano.columnas[Ind(i - 1)][Ind(k)];
        f.d[LadoResiduos] = -G[Ind(i - 1)];
    }
    if (!ResolverBanda(w)) return false;
    // S = E − f·Y, t = −G_sumas − f·y.
    Matriz3 S = jacobiano.esquina;
    Vector3 t{};
    for (int k = 0; k < BordeVariacional; ++k) {
        t[Ind(k)] = -G[Ind(nd + k)];
        const std::vector<double>& f = jacobiano.filas[Ind(k)];
        for (int j = 1; j <= nd; ++j) {
            const std::array<double, LadosDerechos>& x = w[Ind(j - 1)].d;
            for (int m = 0; m < BordeVariacional; ++m)
                S[Ind(k)][Ind(m)] -= f[Ind(j - 1)] * x[Ind(m)];
            t[Ind(k)] -= f[Ind(j - 1)] * x[LadoResiduos];
        }
    }
    Vector3 g{};
    if (!ResolverBorde(S, t, g)) return false;
    // s = y − Y·g.
    delta.assign(Ind(nd + BordeVariacional), 0.0);
    for (int k = 0; k < BordeVariacional; ++k)
        delta[Ind(k)] = g[Ind(k)];
    for (int j = 1; j <= nd; ++j) {
        const std::array<double, LadosDerechos>& x = w[Ind(j - 1)].d;
        double s = x[LadoResiduos];
        for (int m = 0; m < BordeVariacional; ++m)
            s -= x[Ind(m)] * g[Ind(m)];
        delta[Ind(BordeVariacional + j - 1)] = s;
    }
    return TodosFinitos(delta);
}

bool PrimeraSolucionBanda(const DatosVariacional& datos, double xc, double yc, double F,
                          std::vector<double>& sigma)
{
    const int nd = datos.Dovelas();
    std::vector<double> z(Ind(nd + BordeVariacional), 0.0);
    z[0] = xc, z[1] = yc, z[2] = F;
    // Con σ = 0 los residuos de dovela son B y la banda de J es −A: A·σ = B ⇔ J_banda·σ = −B.
    const std::vector<double> B = ResiduosVariacionales(datos, z);
    Trabajo w = TrabajoDeBanda(JacobianoBandaVariacional(datos, z));
    for (int i = 1; i <= nd; ++i)
        w[Ind(i - 1)].d[LadoResiduos] = -B[Ind(i - 1)];
    if (!ResolverBanda(w)) return false;
    sigma.assign(Ind(nd), 0.0);
    for (int i = 1; i <= nd; ++i)
        sigma[Ind(i - 1)] = w[Ind(i - 1)].d[LadoResiduos];
    return TodosFinitos(sigma);
}

} // namespace vertana
