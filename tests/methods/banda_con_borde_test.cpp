// Sistema en banda con borde: contra la matriz densa invertida por Gauss-Jordan (otro algoritmo,
// probado aparte) con banda ancha a los dos lados, un sistema que pide intercambiar filas y uno
// singular.
#include "methods/banda_con_borde.h"
#include "methods/variacional_sistema.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <tuple>
#include <vector>

namespace vertana {
namespace {

std::size_t Ind(int i)
{
    return static_cast<std::size_t>(i);
}

// Números pseudoaleatorios en [−1, 1) reproducibles.
class Azar {
public:
    double Siguiente()
    {
        estado_ = estado_ * 6364136223846793005ULL + 1442695040888963407ULL;
        return static_cast<double>(estado_ >> 11) / static_cast<double>(1ULL << 52) - 1.0;
    }

private:
    std::uint64_t estado_ = 12345;
};

// Llena la banda y el borde con valores al azar (diagonal algo mayor) y devuelve la matriz
// densa equivalente, 1-basada.
Matriz Llenar(SistemaBandaConBorde& J, Azar& azar, double diagonal)
{
    const int n = J.Dovelas(), total = n + BordeSistema;
    for (int i = 1; i <= n; ++i) {
        for (int j = std::max(1, i - J.Inferiores()); j <= std::min(n, i + J.Superiores()); ++j)
            J.Banda(i, j) = azar.Siguiente() + (i == j ? diagonal : 0.0);
        for (int k = 0; k < BordeSistema; ++k)
            J.Columna(i, k) = azar.Siguiente();
    }
    for (int k = 0; k < BordeSistema; ++k) {
        for (int j = 1; j <= n; ++j)
            J.Fila(k, j) = azar.Siguiente();
        for (int m = 0; m < BordeSistema; ++m)
            J.Esquina(k, m) = azar.Siguiente() + (k == m ? 4.0 : 0.0);
    }
    Matriz densa = MatrizNula(total);
    for (int f = 1; f <= total; ++f)
        for (int c = 1; c <= total; ++c)
            densa[Ind(f)][Ind(c)] = J.Elemento(f, c);
    return densa;
}

std::vector<double> PasoDenso(const Matriz& densa, const std::vector<double>& G)
{
    Matriz inversa;
    EXPECT_TRUE(InvertirGaussJordan(densa, inversa));
    const int n = static_cast<int>(G.size());
    std::vector<double> delta(G.size(), 0.0);
    for (int i = 1; i <= n; ++i)
        for (int j = 1; j <= n; ++j)
            delta[Ind(i - 1)] -= inversa[Ind(i)][Ind(j)] * G[Ind(j - 1)];
    return delta;
}

TEST(BandaConBorde, ComoLaMatrizDensa)
{
    Azar azar;
    for (const auto& [n, inferiores, superiores] :
         {std::tuple{12, 3, 3}, std::tuple{20, 1, 2}, std::tuple{7, 3, 3}, std::tuple{30, 2, 0}}) {
        SistemaBandaConBorde J(n, inferiores, superiores);
        const Matriz densa = Llenar(J, azar, 3.0);
        std::vector<double> G(Ind(n + BordeSistema));
        for (double& g : G)
            g = 10.0 * azar.Siguiente();
        std::vector<double> delta;
        ASSERT_TRUE(J.Resolver(G, delta));
        const std::vector<double> esperado = PasoDenso(densa, G);
        for (std::size_t i = 0; i < G.size(); ++i)
            EXPECT_NEAR(delta[i], esperado[i], 1e-10) << n << ": incógnita " << i + 1;
    }
}

TEST(BandaConBorde, IntercambioDeFilasYSistemaSingular)
{
    // Diagonal nula: sin pivoteo la eliminación se detiene en la primera columna; con él, la
    // solución es la de la matriz densa (a la que se le da la vuelta a las dos primeras filas
    // para que Gauss-Jordan sin intercambios la pueda invertir).
    Azar azar;
    SistemaBandaConBorde J(6, 3, 3);
    Llenar(J, azar, 0.0);
    J.Banda(1, 1) = 0.0;
    J.Banda(2, 1) = 2.0;
    std::vector<double> G{1, 2, 3, 4, 5, 6, 7, 8, 9};
    std::vector<double> delta;
    ASSERT_TRUE(J.Resolver(G, delta));
    // J·delta = −G, comprobado fila a fila.
    for (int f = 1; f <= 9; ++f) {
        double suma = 0.0;
        for (int c = 1; c <= 9; ++c)
            suma += J.Elemento(f, c) * delta[Ind(c - 1)];
        EXPECT_NEAR(suma, -G[Ind(f - 1)], 1e-10) << "fila " << f;
    }

    // Una columna de la banda sin ningún valor distinto de cero: singular.
    for (int i = 1; i <= 4; ++i)
        J.Banda(i, 1) = 0.0;
    EXPECT_FALSE(J.Resolver(G, delta));
}

} // namespace
} // namespace vertana
