// Criterio de Hoek-Brown. Referencias independientes del código:
// - Hoek y Brown (1980, 1997) y Hoek, Carranza-Torres y Corkum (2002): σ1 = σ3 + σci·(m·σ3/σci
//   + s)^a; con GSI = 100 (roca intacta) m = mi y s = 1.
// - Hoek (1990), "Estimating Mohr-Coulomb friction and cohesion values from the Hoek-Brown failure
//   criterion", IJRMMS 27(3) 227-229: para a = 0.5, la envolvente en función de σn,
//     h = 1 + 16·(m·σn + s·σci)/(3·m²·σci), θ = (90° + atan(1/√(h³ − 1)))/3,
//     φi = atan(1/√(4·h·cos²θ − 1)), τ = (cot φi − cos φi)·m·σci/8.
// - Hudson y Harrison (2000), "Engineering Rock Mechanics, Part 2: Illustrative worked
//   examples", pregunta y respuesta 6.7: caliza con σc = 80 MPa y σt = −10 MPa, roca intacta,
//   m = 7.88.
// - Cálculos a mano (con bc o paso a paso) anotados junto a cada valor.
#include "rock/hoek_brown.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace vertana {
namespace {

constexpr double Tol = 1e-9;

double Pi()
{
    return 4.0 * std::atan(1.0);
}

// Envolvente de Hoek (1990) para a = 0.5 en función de σn: {τ, φi}.
struct EnvolventeHoek {
    double tau, phi;
};
EnvolventeHoek Hoek1990(double sigmaN, double m, double s, double sigmaCi)
{
    const double h = 1.0 + 16.0 * (m * sigmaN + s * sigmaCi) / (3.0 * m * m * sigmaCi);
    const double theta = (Pi() / 2.0 + std::atan(1.0 / std::sqrt(h * h * h - 1.0))) / 3.0;
    const double phi =
        std::atan(1.0 / std::sqrt(4.0 * h * std::cos(theta) * std::cos(theta) - 1.0));
    return {(1.0 / std::tan(phi) - std::cos(phi)) * m * sigmaCi / 8.0, phi};
}

TEST(HoekBrown, AjusteDeLaboratorio)
{
    // Hudson y Harrison, 6.7: compresión simple (σ1, σ3) = (80, 0) y tracción (0, −10); publican
    // m = 7.88 (= (80² − 10²)/(80·10) = 7.875). Ajustada sin fijar s, la recta por los dos
    // puntos da s = (3250 − 630·(−5))/6400 = 1.
    const std::vector<double> s1HH{80.0, 0.0}, s3HH{0.0, -10.0};
    for (bool intacta : {true, false}) {
        const auto a = AjustarMsDeLaboratorio(s1HH, s3HH, 80.0, intacta);
        ASSERT_EQ(a.Estado, EstadoAjusteLaboratorio::Ajustado);
        EXPECT_NEAR(a.M, 7.875, Tol);
        EXPECT_NEAR(a.S, 1.0, Tol);
        EXPECT_NEAR(a.R2, 1.0, Tol);
    }

    // Pares exactamente sobre σ1 = σ3 + √(m·σci·σ3 + s·σci²): el ajuste devuelve esa curva.
    const double m = 1.677, s = 0.003866, sigmaCi = 1000.0;
    std::vector<double> s1, s3{5.0, 20.0, 60.0, 150.0};
    for (double x : s3)
        s1.push_back(x + std::sqrt(m * sigmaCi * x + s * sigmaCi * sigmaCi));
    const auto curva = AjustarMsDeLaboratorio(s1, s3, sigmaCi, false);
    ASSERT_EQ(curva.Estado, EstadoAjusteLaboratorio::Ajustado);
    EXPECT_NEAR(curva.M, m, 1e-9);
    EXPECT_NEAR(curva.S, s, 1e-12);
    EXPECT_NEAR(curva.R2, 1.0, 1e-12);

    // A mano, x = σ3 = 0, 5, 10 e y = (σ1 − σ3)² = 10000, 14000, 19000, σci = 100: Sxx = 50,
    // Sxy = 45000, Syy = 40666666.7; m = 900/100 = 9, s = (43000/3 − 900·5)/100² = 59/60,
    // r² = 45000²/(50·Syy) = 243/244.
    const std::vector<double> s3r{0.0, 5.0, 10.0};
    const std::vector<double> s1r{100.0, 5.0 + std::sqrt(14000.0), 10.0 + std::sqrt(19000.0)};
    const auto reg = AjustarMsDeLaboratorio(s1r, s3r, 100.0, false);
    EXPECT_NEAR(reg.M, 9.0, Tol);
    EXPECT_NEAR(reg.S, 59.0 / 60.0, Tol);
    EXPECT_NEAR(reg.R2, 243.0 / 244.0, Tol);

    // A mano, x = 1, 2, 3 e y = 100, 260, 400, σci = 10: pendiente 150, ordenada −140/3, luego
    // s < 0.00001 → s = 0 y m = (760/6)/10 = 38/3; la recta y = 380·x/3 deja Σe² = 10400/9 sobre
    // Syy = 135200/3: r² = 38/39. Roca intacta: m = 15, s = 1, y = 150·x + 100, Σe² = 64600,
    // r² = 1 − 64600/(135200/3) = −293/676.
    const std::vector<double> s3c{1.0, 2.0, 3.0};
    const std::vector<double> s1c{11.0, 2.0 + std::sqrt(260.0), 23.0};
    const auto sinS = AjustarMsDeLaboratorio(s1c, s3c, 10.0, false);
    EXPECT_EQ(sinS.S, 0.0);
    EXPECT_NEAR(sinS.M, 38.0 / 3.0, Tol);
    EXPECT_NEAR(sinS.R2, 38.0 / 39.0, Tol);
    const auto intacta = AjustarMsDeLaboratorio(s1c, s3c, 10.0, true);
    EXPECT_NEAR(intacta.M, 15.0, Tol);
    EXPECT_EQ(intacta.S, 1.0);
    EXPECT_NEAR(intacta.R2, -293.0 / 676.0, Tol);

    // Rechazos.
    const std::vector<double> uno{50.0};
    EXPECT_EQ(AjustarMsDeLaboratorio(uno, uno, 100.0, false).Estado,
              EstadoAjusteLaboratorio::PuntosInsuficientes);
    EXPECT_EQ(AjustarMsDeLaboratorio(s1c, s3c, 0.0, false).Estado,
              EstadoAjusteLaboratorio::CompresionSimpleNula);
    const std::vector<double> iguales{0.1, 0.1, 0.1}, s1i{5.0, 6.0, 7.0};
    EXPECT_EQ(AjustarMsDeLaboratorio(s1i, iguales, 100.0, false).Estado,
              EstadoAjusteLaboratorio::Sigma3SinDispersion);
    // x = −1, 1 e y = 1, 9: pendiente 4, ordenada 5, s = 5/1000² < 0.00001; el cociente Σy/Σx
    // no existe porque Σx = 0.
    const std::vector<double> s3z{-1.0, 1.0}, s1z{0.0, 4.0};
    EXPECT_EQ(AjustarMsDeLaboratorio(s1z, s3z, 1000.0, false).Estado,
              EstadoAjusteLaboratorio::SumaSigma3Nula);
}

TEST(HoekBrown, EnvolventeDeBalmerFrenteAHoek1990)
{
    // a = 0.5, s = 1, m = 10, σci = 100: cada σ3 da un punto (σn, τ) que debe estar sobre la
    // envolvente de Hoek (1990) con su misma pendiente; la pendiente se comprueba además
    // derivando numéricamente esa envolvente en σn.
    const double m = 10.0, s = 1.0, sigmaCi = 100.0;
    for (double sigma3 : {0.0, 5.0, 20.0, 80.0}) {
        const auto p = PuntoDeLaEnvolvente(sigma3, m, s, 0.5, sigmaCi);
        ASSERT_TRUE(p);
        EXPECT_NEAR(p->Sigma1, sigma3 + std::sqrt(m * sigmaCi * sigma3 + sigmaCi * sigmaCi), Tol);
        const EnvolventeHoek hoek = Hoek1990(p->SigmaN, m, s, sigmaCi);
        EXPECT_NEAR(p->Tau, hoek.tau, 1e-9);
        const auto balmer = InstantaneosDeBalmer(sigma3, m, s, 0.5, sigmaCi);
        ASSERT_TRUE(balmer);
        EXPECT_NEAR(balmer->Friccion, hoek.phi, 1e-10);
        const double dsn = 1e-4;
        const double pendiente = (Hoek1990(p->SigmaN + dsn, m, s, sigmaCi).tau -
                                  Hoek1990(p->SigmaN - dsn, m, s, sigmaCi).tau) /
                                 (2.0 * dsn);
        EXPECT_NEAR(std::tan(balmer->Friccion), pendiente, 1e-6);
        EXPECT_NEAR(balmer->Cohesion, p->Tau - p->SigmaN * pendiente, 1e-4);
    }
}

TEST(HoekBrown, EnvolventeGeneralizadaComoLimiteDeCirculos)
{
    // Con a ≠ 0.5 (GSI 20: a = 0.55, s = 0) el punto de la envolvente de σ3 es el límite de la
    // intersección de los círculos de Mohr de σ3 − δ y σ3 + δ, con σ1 del criterio.
    const double m = 0.9, s = 0.0, a = 0.55, sigmaCi = 2000.0;
    auto circulo = [&](double x) {
        const double s1 = x + sigmaCi * std::pow(m * x / sigmaCi + s, a);
        return std::pair{(s1 + x) / 2.0, (s1 - x) / 2.0}; // centro, radio
    };
    for (double sigma3 : {2.0, 30.0, 200.0}) {
        const double delta = 1e-3;
        const auto [c1, r1] = circulo(sigma3 - delta);
        const auto [c2, r2] = circulo(sigma3 + delta);
        const double sn = (r1 * r1 - r2 * r2 + c2 * c2 - c1 * c1) / (2.0 * (c2 - c1));
        const double tau = std::sqrt(r1 * r1 - (sn - c1) * (sn - c1));
        const auto p = PuntoDeLaEnvolvente(sigma3, m, s, a, sigmaCi);
        ASSERT_TRUE(p);
        EXPECT_NEAR(p->SigmaN, sn, 1e-5 * (1.0 + sn));
        EXPECT_NEAR(p->Tau, tau, 1e-5 * (1.0 + tau));

        // Las derivadas del jacobiano, frente a diferencias centrales de los valores.
        const double h = 1e-5 * (1.0 + sigma3);
        const auto mas = PuntoDeLaEnvolvente(sigma3 + h, m, s, a, sigmaCi);
        const auto menos = PuntoDeLaEnvolvente(sigma3 - h, m, s, a, sigmaCi);
        EXPECT_NEAR(p->DerivadaSigmaN, (mas->SigmaN - menos->SigmaN) / (2.0 * h), 1e-6);
        EXPECT_NEAR(p->DerivadaTau, (mas->Tau - menos->Tau) / (2.0 * h), 1e-6);
        EXPECT_NEAR(p->DerivadaSigma1, (mas->Sigma1 - menos->Sigma1) / (2.0 * h), 1e-6);
    }
    // En el límite de tracción el círculo es un punto; por debajo no hay envolvente.
    const auto limite = PuntoDeLaEnvolvente(-50.0, 2.0, 0.1, 0.5, 1000.0); // B = −0.1 + 0.1
    ASSERT_TRUE(limite);
    EXPECT_EQ(limite->Tau, 0.0);
    EXPECT_EQ(limite->SigmaN, -50.0);
    EXPECT_FALSE(InstantaneosDeBalmer(-50.0, 2.0, 0.1, 0.5, 1000.0));
    EXPECT_FALSE(PuntoDeLaEnvolvente(-50.1, 2.0, 0.1, 0.5, 1000.0));
}

TEST(HoekBrown, ReglaPuntualDeParametrosInstantaneos)
{
    // A mano: σ1 = 300, σ3 = 100, m = 2, σci = 1000 → D = 1 + 2000/400 = 6, sen φi = 5/7,
    // φi = 45.584691°, tan φi = 5/√24; τf = 200, σ′ = 50 → c = 200 − 50·5/√24 = 148.968964.
    const auto r = ParametrosPuntualesDeDovela(300.0, 100.0, 2.0, 1000.0, 200.0, 50.0);
    ASSERT_TRUE(r);
    EXPECT_NEAR(r->FriccionGrados, 45.584691, 1e-6);
    EXPECT_NEAR(r->Cohesion, 148.968964, 1e-6);
    EXPECT_NEAR(r->Theta, std::atan(std::sqrt(6.0)), Tol);
    // Con σ′ = 250, c = 200 − 255.2 < 0: queda 0 y φi no cambia.
    const auto negativa = ParametrosPuntualesDeDovela(300.0, 100.0, 2.0, 1000.0, 200.0, 250.0);
    EXPECT_EQ(negativa->Cohesion, 0.0);
    EXPECT_NEAR(negativa->Friccion, r->Friccion, Tol);
    EXPECT_FALSE(ParametrosPuntualesDeDovela(100.0, 100.0, 2.0, 1000.0, 200.0, 50.0));

    // Sobre la envolvente de a = 0.5, en el punto (σn, τ) del círculo de σ1, σ3, φi es el de
    // Hoek (1990) y la recta pasa por ese punto: la misma c y φ que la linealización de Balmer.
    const double m = 10.0, s = 1.0, sigmaCi = 100.0;
    for (double sigma3 : {0.0, 5.0, 20.0, 80.0}) {
        const double sigma1 = sigma3 + std::sqrt(m * sigmaCi * sigma3 + s * sigmaCi * sigmaCi);
        const auto p = PuntoDeLaEnvolvente(sigma3, m, s, 0.5, sigmaCi);
        ASSERT_TRUE(p);
        const auto regla =
            ParametrosPuntualesDeDovela(sigma1, sigma3, m, sigmaCi, p->Tau, p->SigmaN);
        ASSERT_TRUE(regla);
        const EnvolventeHoek hoek = Hoek1990(p->SigmaN, m, s, sigmaCi);
        EXPECT_NEAR(regla->Friccion, hoek.phi, 1e-9) << sigma3;
        EXPECT_NEAR(regla->Theta, Pi() / 4.0 + hoek.phi / 2.0, 1e-9) << sigma3;
        EXPECT_NEAR(regla->Cohesion, hoek.tau - p->SigmaN * std::tan(hoek.phi), 1e-7) << sigma3;
    }
}

TEST(HoekBrown, Sigma3InicialDelMetodoVariacional)
{
    // El x de la estimación es sen φi de la envolvente de Hoek (1990) en σn0′.
    for (double sn0 : {0.0, 25.0, 300.0}) {
        const Sigma3Inicial r = Sigma3InicialHoekBrown(sn0, 10.0, 1.0, 100.0);
        EXPECT_NEAR(r.SenoFriccion, std::sin(Hoek1990(sn0, 10.0, 1.0, 100.0).phi), 1e-10);
    }

    // Paso a paso (σn0′ = 1, m = 10, s = 1, σci = 10): H = 1.66, k = 1.4756369, ψ = 2.0664843,
    // x = 0.7353562, T = 2.2530607; g(0.001) = 0.196 ≥ 0, g(1) = −0.1233814 < 0, de modo que
    // x_b = 0.9 con g(0.9) = −0.1019258: σ3′ = 1 − 0.1·g(1)/(g(1) − g(0.9)) = 0.4249449.
    const Sigma3Inicial j1 = Sigma3InicialHoekBrown(1.0, 10.0, 1.0, 10.0);
    ASSERT_EQ(j1.Estado, EstadoSigma3Inicial::Calculado);
    EXPECT_NEAR(j1.Sigma3Efectivo, 0.4249449, 1e-7);

    // Un caso de macizo (σn0′ = 50, m = 1.677, s = 0.003866, σci = 10000): la secante entre
    // x = 82 y 83 cae junto a la raíz de √(dσ1/dσ3) = T, σ3′ = σci·(B* − s)/m con
    // B* = (m/(2·(T² − 1)))².
    const Sigma3Inicial macizo = Sigma3InicialHoekBrown(50.0, 1.677, 0.003866, 10000.0);
    ASSERT_EQ(macizo.Estado, EstadoSigma3Inicial::Calculado);
    const double t2 = macizo.Objetivo * macizo.Objetivo;
    const double bRaiz = std::pow(1.677 / (2.0 * (t2 - 1.0)), 2.0);
    const double raiz = 10000.0 * (bRaiz - 0.003866) / 1.677;
    EXPECT_GT(macizo.Sigma3Efectivo, 82.0);
    EXPECT_LT(macizo.Sigma3Efectivo, 83.0);
    EXPECT_NEAR(macizo.Sigma3Efectivo, raiz, 0.01);

    // σci enorme: g ≥ 0 hasta x = 10000, la marcha no da valor.
    EXPECT_EQ(Sigma3InicialHoekBrown(20.0, 1.677, 0.003866, 1e8).Estado,
              EstadoSigma3Inicial::SinCambioDeSigno);
    // σn0′ bajo el límite de tracción (−s·σci/m = −2.305): no hay H ≥ 1.5.
    EXPECT_EQ(Sigma3InicialHoekBrown(-10.0, 1.677, 0.003866, 1000.0).Estado,
              EstadoSigma3Inicial::FueraDeDominio);
    // g(0.001) < 0 y x_b = −1 queda bajo el límite (B = −1.5): la secante no existe.
    EXPECT_EQ(Sigma3InicialHoekBrown(0.2, 5.0, 1.0, 2.0).Estado,
              EstadoSigma3Inicial::SecanteIndefinida);
}

TEST(HoekBrown, LimiteDeTraccionYEsfuerzosPrincipalesDeJanbu)
{
    // m = 2, s = 0.01, σci = 1000: límite σ3′ = −5; SigmaMinimoDovela = −5 + u + 0.1.
    EXPECT_NEAR(LimiteTraccionSigma3(2.0, 0.01, 1000.0), -5.0, Tol);
    EXPECT_TRUE(CumpleLimiteTraccion(LimiteTraccionSigma3(2.0, 0.01, 1000.0), 2.0, 0.01, 1000.0));
    EXPECT_FALSE(CumpleLimiteTraccion(-5.001, 2.0, 0.01, 1000.0));
    EXPECT_NEAR(SigmaMinimoTotal(2.0, 0.01, 1000.0, 3.0), -1.9, Tol);
    // El σ3 inicial en el límite sube 0.1 sobre él; uno por encima no cambia.
    EXPECT_NEAR(AjustarSigma3InicialATraccion(-5.0 + 3.0, 3.0, 2.0, 0.01, 1000.0), -1.9, Tol);
    EXPECT_EQ(AjustarSigma3InicialATraccion(-1.0, 3.0, 2.0, 0.01, 1000.0), -1.0);
    // s = 0: el límite es σ3′ = 0 y todo σ3′ ≤ 0 pasa a u + 0.1.
    EXPECT_NEAR(AjustarSigma3InicialATraccion(-4.0, 2.0, 2.0, 0.0, 1000.0), 2.1, Tol);
    EXPECT_NEAR(AjustarSigma3InicialATraccion(2.0, 2.0, 2.0, 0.0, 1000.0), 2.1, Tol);

    // Mohr-Coulomb en la rotura (σ′ y τf en el plano de rotura): σ1 = σ′ + τf·tan(45° + φ/2),
    // σ3 = σ′ − τf·tan(45° − φ/2). Con σ′ = 100, τf = 50, φ = 30°: σ1 = 100 + 50·√3 =
    // 186.602540, σ3 = 100 − 50/√3 = 71.132487.
    const EsfuerzosPrincipales e = EsfuerzosPrincipalesJanbuRoca(100.0, 50.0, 30.0);
    EXPECT_NEAR(e.Mayor, 186.602540, 1e-6);
    EXPECT_NEAR(e.Menor, 71.132487, 1e-6);
}

} // namespace
} // namespace vertana
