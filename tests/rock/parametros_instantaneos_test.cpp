// Rutina de los parámetros instantáneos con esfuerzos dados: secantes de un estrato, regresión
// por tramos de dos o más estratos, el caso puntual de las rocas y la reutilización de los
// parámetros guardados. Los valores esperados están hechos a mano.
#include "apoyo/interaccion_guionada.h"
#include "model/textos.h"
#include "rock/parametros_instantaneos.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace vertana {
namespace {

constexpr double Tol = 1e-9;
constexpr double TolGrados = 1e-5;

// Dovelas con su material (c, φ) y los puntos (σ′, F·τ) de un cálculo anterior.
struct Dovelas {
    Proyecto p;
    EstadoCalculo e;

    Dovelas(int estratos, const std::vector<double>& sigma, const std::vector<double>& tauF)
    {
        ReiniciarProyecto(p);
        ReiniciarEstadoCalculo(e);
        const int nd = static_cast<int>(sigma.size());
        p.SueloRoca = Material::Suelo;
        p.NumeroCoordenadasEstrato.Redimensionar(estratos);
        p.NumeroPuntosDovelas = static_cast<Entero16>(nd + 1);
        p.DefinicionParametrosInstantaneos = DefinicionInstantaneos::EntrePuntos;
        p.CohesionDovela.Redimensionar(nd);
        p.FriccionDovela.Redimensionar(nd);
        e.Dovelas.TangenteFriccionDovela.Redimensionar(nd);
        e.EsfuerzoNormalPrevioDovela.Redimensionar(nd);
        e.ResistenciaCorteDovela.Redimensionar(nd);
        for (int k = 1; k <= nd; ++k) {
            Material(k, 1.0, 45.0, 1.0);
            e.EsfuerzoNormalPrevioDovela(k) = sigma[static_cast<std::size_t>(k - 1)];
            e.ResistenciaCorteDovela(k) = tauF[static_cast<std::size_t>(k - 1)];
        }
    }
    void Material(int k, double c, double fi, double tangente)
    {
        p.CohesionDovela(k) = c;
        p.FriccionDovela(k) = fi;
        e.Dovelas.TangenteFriccionDovela(k) = tangente;
    }
    void Esperar(int k, double c, double tangente, double fi) const
    {
        EXPECT_NEAR(p.CohesionDovela(k), c, Tol) << "dovela " << k;
        EXPECT_NEAR(e.Dovelas.TangenteFriccionDovela(k), tangente, Tol) << "dovela " << k;
        EXPECT_NEAR(p.FriccionDovela(k), fi, TolGrados) << "dovela " << k;
    }
};

// Un estrato y cinco dovelas. Secantes entre dovelas vecinas:
//   1-2: T = 1/2 = 0.5,  C = 8 − 0.5·12 = 2       (26.56505°)
//   2-3: T = 2/3,        C = 10 − (2/3)·15 = 0    (33.69007°)
//   3-4: T = 1/4 = 0.25, C = 11 − 0.25·19 = 6.25  (14.03624°)
//   4-5: T = 3/5 = 0.6,  C = 14 − 0.6·24 = −0.4   (30.96376°)
// La primera dovela toma la primera secante, la última la última y las interiores la media
// (tan φ media de tangentes, φ media de ángulos).
TEST(ParametrosInstantaneos, UnEstratoPromediaLasSecantesVecinas)
{
    Dovelas d(1, {10, 12, 15, 19, 24}, {7, 8, 10, 11, 14});
    ParametrosEntrePuntos(d.p, d.e);
    d.Esperar(1, 2.0, 0.5, 26.56505);
    d.Esperar(2, 1.0, (0.5 + 2.0 / 3.0) / 2.0, (26.56505 + 33.69007) / 2.0);
    d.Esperar(3, 3.125, (2.0 / 3.0 + 0.25) / 2.0, (33.69007 + 14.03624) / 2.0);
    d.Esperar(4, 2.925, 0.425, 22.5);
    d.Esperar(5, -0.4, 0.6, 30.96376);
}

// Una resistencia que baja al subir el esfuerzo da la pendiente en valor absoluto; dos dovelas
// con el mismo esfuerzo no tienen secante y la dovela izquierda aporta su propia c y tan φ.
TEST(ParametrosInstantaneos, SecanteEnValorAbsolutoYEsfuerzosIguales)
{
    Dovelas d(1, {10, 20, 20}, {9, 5, 7});
    d.Material(2, 1.5, 30.0, 0.4);
    ParametrosEntrePuntos(d.p, d.e);
    // 1-2: T = |−4/10| = 0.4, C = 5 − 0.4·20 = −3; 2-3: sin secante → c = 1.5, tan φ = 0.4.
    d.Esperar(1, -3.0, 0.4, 21.80141);
    d.Esperar(2, (-3.0 + 1.5) / 2.0, 0.4, 21.80141);
    d.Esperar(3, 1.5, 0.4, 21.80141);
}

// Dos estratos. Dovelas 1-3 y 5-6 del material A, la 4 del material B (un tramo de una dovela,
// que conserva sus parámetros). Tramo 1-3, puntos (10, 6) (20, 11) (30, 13): medias 20 y 10,
// Σ(x − x̄)² = 200, Σ(x − x̄)(y − ȳ) = 40 + 30 = 70 → T = 0.35, C = 10 − 0.35·20 = 3.
// Tramo 5-6, puntos (20, 5) (30, 9): T = 0.4, C = −3. Los tramos del mismo material separados
// por otro se ajustan por separado.
TEST(ParametrosInstantaneos, VariosEstratosRegresionPorTramos)
{
    Dovelas d(2, {10, 20, 30, 25, 20, 30}, {6, 11, 13, 99, 5, 9});
    d.Material(4, 3.0, 30.0, std::tan(std::atan(1.0) * 4.0 / 6.0));
    ParametrosEntrePuntos(d.p, d.e);
    for (int k = 1; k <= 3; ++k)
        d.Esperar(k, 3.0, 0.35, 19.29005);
    d.Esperar(4, 3.0, std::sqrt(3.0) / 3.0, 30.0);
    for (int k = 5; k <= 6; ++k)
        d.Esperar(k, -3.0, 0.4, 21.80141);
}

// Un tramo cuyas dovelas tienen todas el mismo esfuerzo no define recta: cada dovela conserva
// su c y tan φ.
TEST(ParametrosInstantaneos, TramoConEsfuerzosIgualesConservaLosPropios)
{
    Dovelas d(3, {15, 15, 15}, {4, 6, 8});
    d.Material(1, 2.0, 20.0, 0.36397023426620234);
    d.Material(2, 2.0, 20.0, 0.36397023426620234);
    d.Material(3, 2.0, 20.0, 0.36397023426620234);
    ParametrosEntrePuntos(d.p, d.e);
    for (int k = 1; k <= 3; ++k)
        d.Esperar(k, 2.0, 0.36397023426620234, 20.0);
}

// Rocas, caso puntual (Balmer): m = 1, σci = 50, σ1 − σ3 = 25 → D = 1 + 50/50 = 2,
// sen φi = 1/3, φi = 19.471221°, tan φi = 1/√8. Dovela 1: c = 30 − 10/√8 = 26.464466.
// Dovela 2: c = 20 − 70/√8 < 0 → 0, φi igual. tan φ queda en radianes hasta que el método la
// recalcula.
TEST(ParametrosInstantaneos, PuntualEnRocas)
{
    Dovelas d(1, {10, 70}, {30, 20});
    d.p.SueloRoca = Material::Roca;
    d.p.DefinicionParametrosInstantaneos = DefinicionInstantaneos::Puntuales;
    d.p.EsfuerzoPrincipalMayorDovela.Redimensionar(2);
    d.p.EsfuerzoPrincipalMenorDovela.Redimensionar(2);
    d.p.ParametroMDovela.Redimensionar(2);
    d.e.Dovelas.CompresionSimpleDovela.Redimensionar(2);
    for (int k = 1; k <= 2; ++k) {
        d.p.EsfuerzoPrincipalMayorDovela(k) = 35.0;
        d.p.EsfuerzoPrincipalMenorDovela(k) = 10.0;
        d.p.ParametroMDovela(k) = 1.0;
        d.e.Dovelas.CompresionSimpleDovela(k) = 50.0;
    }
    InteraccionGuionada ui;
    CalcularParametrosInstantaneos(d.p, d.e, ui);
    const double phi = std::asin(1.0 / 3.0);
    d.Esperar(1, 30.0 - 10.0 / std::sqrt(8.0), phi, 19.471221);
    d.Esperar(2, 0.0, phi, 19.471221);
    RecalcularTangentesDeFriccion(d.p, d.e);
    EXPECT_NEAR(d.e.Dovelas.TangenteFriccionDovela(1), 1.0 / std::sqrt(8.0), 1e-6);
    EXPECT_TRUE(ui.Eventos().empty());

    // Con suelos el caso puntual no cambia nada.
    Dovelas s(1, {10, 25}, {30, 20});
    s.p.DefinicionParametrosInstantaneos = DefinicionInstantaneos::Puntuales;
    CalcularParametrosInstantaneos(s.p, s.e, ui);
    s.Esperar(1, 1.0, 1.0, 45.0);
}

// Parámetros guardados con el proyecto y reutilización pedida: entre puntos no se recalcula
// nada (aviso y la marca de guardados se borra); por pantalla se abre Form18 igual.
TEST(ParametrosInstantaneos, ReutilizacionDeLosGuardados)
{
    Dovelas d(1, {10, 12, 15}, {7, 8, 10});
    d.p.ParametrosInstantaneosCalculados = true;
    d.e.ReutilizarParametrosInstantaneos = true;
    InteraccionGuionada ui;
    CalcularParametrosInstantaneos(d.p, d.e, ui);
    ASSERT_EQ(ui.Eventos().size(), 1u);
    EXPECT_EQ(ui.Eventos()[0].texto, textos::ParametrosYaObtenidos);
    EXPECT_EQ(ui.Eventos()[0].titulo, textos::TituloNoHayCalculoDeParametros);
    EXPECT_FALSE(d.p.ParametrosInstantaneosCalculados);
    for (int k = 1; k <= 3; ++k)
        d.Esperar(k, 1.0, 1.0, 45.0);

    Dovelas pantalla(1, {10, 12}, {7, 8});
    pantalla.p.DefinicionParametrosInstantaneos = DefinicionInstantaneos::PorPantalla;
    pantalla.p.ParametrosInstantaneosCalculados = true;
    pantalla.e.ReutilizarParametrosInstantaneos = true;
    InteraccionGuionada ui3;
    ui3.AlAbrirCambioDeParametros([](const Proyecto&, const ParametrosDeDovelas& actuales) {
        ParametrosDeDovelas nuevos = actuales;
        nuevos.Cohesion(1) = 7.5;
        return std::optional<ParametrosDeDovelas>(nuevos);
    });
    CalcularParametrosInstantaneos(pantalla.p, pantalla.e, ui3);
    EXPECT_EQ(ui3.Mensajes().front(), textos::ParametrosPorPantalla);
    EXPECT_EQ(ui3.VecesCambioDeParametros(), 1);
    EXPECT_DOUBLE_EQ(pantalla.p.CohesionDovela(1), 7.5);
    EXPECT_TRUE(pantalla.p.ParametrosInstantaneosCalculados);
}

} // namespace
} // namespace vertana
