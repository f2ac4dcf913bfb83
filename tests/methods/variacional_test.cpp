// Método variacional para suelos: inversión de Gauss-Jordan, jacobiano analítico contra
// diferencias finitas, equilibrio de los esfuerzos devueltos recalculado aparte y problemas
// clásicos publicados (tests/datos/clasicos/FUENTES.md).
#include "cli/interaccion_lote.h"
#include "cli/orden_calcular.h"
#include "geometry/estado_calculo.h"
#include "geometry/preparacion.h"
#include "io/archivo_proyecto.h"
#include "methods/variacional.h"
#include "methods/variacional_sistema.h"
#include "model/dialogos_calculo.h"
#include "model/textos.h"

#include "proyectos_de_prueba.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace vertana {
namespace {

const std::string Clasicos = std::string(VERTANA_DATOS_PRUEBA) + "/clasicos/";

// Valores iniciales como aconsejan los parámetros de cálculo: xc entre los cortes de la
// superficie con el talud, yc por encima del talud, FS 1.5, σo entre −c/tan φ y 0.
struct Iniciales {
    double xc, yc, FS, sigmaO;
};

Proyecto LeerClasico(const std::string& archivo, const Iniciales& v)
{
    Proyecto p;
    ReiniciarProyecto(p);
    InteraccionLote lectura;
    EXPECT_TRUE(LeerProyecto(Clasicos + archivo, p, lectura)) << archivo;
    p.MetodoDeCalculo = Metodo::Variacional;
    p.MultiplicadorLagrange1 = v.xc;
    p.MultiplicadorLagrange2 = v.yc;
    p.FSInicial = v.FS;
    p.EsfuerzoInicialCresta = v.sigmaO;
    return p;
}

// Caso 1 de Fredlund y Krahn: talud 2:1 de 12.19 m entre x = 12.19 y 36.58, círculo que corta
// la corona en x = 40.89 y sale en x = 6.48.
//        40.9 ____________ corona (y = 18.29)
//            \ ·.
//             \   ·.  talud 2:1
//              \     ·.______ pie (y = 6.10)
//               ·.__.·  6.5
constexpr Iniciales InicialesFK{24.0, 30.0, 1.5, -1.0};

TEST(Variacional, GaussJordanInvierteSinIntercambiarFilas)
{
    // [[2, 1], [1, 3]]⁻¹ = [[3, −1], [−1, 2]]/5.
    Matriz M = MatrizNula(2), inversa;
    M[1][1] = 2.0, M[1][2] = 1.0, M[2][1] = 1.0, M[2][2] = 3.0;
    ASSERT_TRUE(InvertirGaussJordan(M, inversa));
    const double esperada[2][2] = {{0.6, -0.2}, {-0.2, 0.4}};
    for (std::size_t i = 1; i <= 2; ++i)
        for (std::size_t j = 1; j <= 2; ++j)
            EXPECT_NEAR(inversa[i][j], esperada[i - 1][j - 1], 1e-14) << i << ", " << j;
    // Invertible, pero con pivote nulo en su sitio: sin intercambio de filas el determinante
    // acumulado es 0.
    Matriz P = MatrizNula(2);
    P[1][2] = 1.0, P[2][1] = 1.0;
    EXPECT_FALSE(InvertirGaussJordan(P, inversa));
}

class VariacionalFK : public ::testing::Test {
protected:
    void SetUp() override
    {
        p = LeerClasico("fredlund_krahn_1977_caso1_sismo.cod", InicialesFK);
        ReiniciarEstadoCalculo(e);
        InteraccionLote ui;
        PrepararRespuestasPorLotes(ui, false);
        ASSERT_TRUE(PrepararCalculo(p, e, ui));
        datos = DatosDeDovelas(p, e, false);
    }
    Proyecto p;
    EstadoCalculo e;
    DatosVariacional datos;
};

// Cada columna del jacobiano analítico contra la diferencia centrada de los residuos.
TEST_F(VariacionalFK, JacobianoCoincideConDiferenciasFinitas)
{
    std::vector<double> sigma;
    ASSERT_TRUE(PrimeraSolucion(datos, InicialesFK.xc, InicialesFK.yc, InicialesFK.FS, sigma));
    std::vector<double> z{InicialesFK.xc, InicialesFK.yc, InicialesFK.FS};
    // Un punto que no resuelve la ecuación diferencial, para que todos los términos cuenten.
    for (std::size_t i = 0; i < sigma.size(); ++i)
        z.push_back(sigma[i] * 1.1 + 0.3 * std::sin(static_cast<double>(i)));
    const Matriz J = JacobianoVariacional(datos, z);
    const int n = static_cast<int>(z.size());
    constexpr double paso = 1e-5;
    for (int j = 1; j <= n; ++j) {
        std::vector<double> mas = z, menos = z;
        mas[static_cast<std::size_t>(j - 1)] += paso;
        menos[static_cast<std::size_t>(j - 1)] -= paso;
        const std::vector<double> Gm = ResiduosVariacionales(datos, mas);
        const std::vector<double> Gn = ResiduosVariacionales(datos, menos);
        for (int i = 1; i <= n; ++i) {
            const double numerica =
                (Gm[static_cast<std::size_t>(i - 1)] - Gn[static_cast<std::size_t>(i - 1)]) /
                (2.0 * paso);
            const double analitica = J[static_cast<std::size_t>(i)][static_cast<std::size_t>(j)];
            EXPECT_LT(std::fabs(numerica - analitica) / (1.0 + std::fabs(analitica)), 1e-5)
                << "fila " << i << ", columna " << j;
        }
    }
}

// La primera solución cumple la ecuación discreta: los residuos de las filas de dovela son 0.
TEST_F(VariacionalFK, PrimeraSolucionAnulaLosResiduosDeDovela)
{
    std::vector<double> sigma;
    ASSERT_TRUE(PrimeraSolucion(datos, InicialesFK.xc, InicialesFK.yc, InicialesFK.FS, sigma));
    std::vector<double> z{InicialesFK.xc, InicialesFK.yc, InicialesFK.FS};
    z.insert(z.end(), sigma.begin(), sigma.end());
    const std::vector<double> G = ResiduosVariacionales(datos, z);
    for (int i = 0; i < datos.Dovelas(); ++i)
        EXPECT_NEAR(G[static_cast<std::size_t>(i)], 0.0, 1e-8) << "dovela " << i + 1;
}

void ComprobarEquilibrio(const prueba::Equilibrio& r, const std::string& caso = "")
{
    EXPECT_NEAR(r.H, 0.0, 2e-3) << caso;
    EXPECT_NEAR(r.V, 0.0, 2e-3) << caso;
    EXPECT_NEAR(r.M, 0.0, 2e-2) << caso;
}

// Calcula por lotes, sin interrupciones.
ResultadoMetodo CalcularPorLotes(Proyecto& p, EstadoCalculo& e, InteraccionLote& ui)
{
    ReiniciarEstadoCalculo(e);
    PrepararRespuestasPorLotes(ui, false);
    return ProcesoIterativoEnSuelos(p, e, ui);
}

double Factor(const Proyecto& p)
{
    return p.HistoriaFS(p.NumeroIteraciones);
}

TEST_F(VariacionalFK, EsfuerzosDevueltosEstanEnEquilibrio)
{
    InteraccionLote ui;
    ASSERT_EQ(CalcularPorLotes(p, e, ui), FinCalculo::Resultados) << ui.Eventos().back().texto;
    EXPECT_EQ(ui.Eventos().back().texto, textos::FinVariacional);
    ComprobarEquilibrio(prueba::EquilibrioDeResultados(p, e));
    EXPECT_TRUE(p.HayResultados);
    EXPECT_TRUE(e.HistoriaEsfuerzosNormales.Vacia());
}

// Valores publicados por métodos rigurosos (Spencer, Morgenstern-Price) o la solución cerrada
// del bloque; tolerancia del 3 %. En el bloque de Priest el punto (xc, yc) de partida debe
// quedar fuera del tramo de la superficie (con xc entre 0 y 26 el primer paso deja dovelas sin
// resistencia).
struct CasoClasico {
    const char* archivo;
    Iniciales iniciales;
    double publicado;
};

constexpr double TresPorCiento = 0.03;

TEST(Variacional, ProblemasClasicos)
{
    const CasoClasico casos[] = {
        {"fredlund_krahn_1977_caso1.cod", InicialesFK, 2.073},             // Spencer
        {"duncan_wright_2005_fig14_5.cod", {42.0, 63.5, 1.5, 0.0}, 2.545}, // Spencer
        {"usace_em1110_2_1902_f5.cod", {48.0, 73.0, 1.5, -0.1}, 1.328},    // Spencer
        {"priest_1993_bloque_grieta.cod", {-5.0, 32.0, 1.5, -0.1}, 1.049}, // bloque con grieta
    };
    for (const CasoClasico& c : casos) {
        Proyecto p = LeerClasico(c.archivo, c.iniciales);
        EstadoCalculo e;
        InteraccionLote ui;
        ASSERT_EQ(CalcularPorLotes(p, e, ui), FinCalculo::Resultados)
            << c.archivo << ": " << ui.Eventos().back().texto;
        EXPECT_NEAR(Factor(p), c.publicado, TresPorCiento * c.publicado) << c.archivo;
        // Sin cargas ni grieta la masa está en equilibrio con los esfuerzos devueltos.
        if (p.AlturaAguaGrieta == 0.0 && p.NumeroCargasUniformes() == 0 &&
            p.NumeroCargasPuntuales() == 0)
            ComprobarEquilibrio(prueba::EquilibrioDeResultados(p, e), c.archivo);
    }
}

// Interacción por lotes que además hace de form9 y de Form13.
class InteraccionVariacional : public InteraccionLote {
public:
    InteraccionVariacional() { PrepararRespuestasPorLotes(*this, false); }
    DecisionIteracion ResultadosDeLasIteraciones(const Proyecto& p,
                                                 const SumasDeLaIteracion&) override
    {
        iteracionesMostradas.push_back(p.NumeroIteraciones);
        if (aceptarEn == p.NumeroIteraciones) return DecisionIteracion::Aceptar;
        if (salirEn == p.NumeroIteraciones) return DecisionIteracion::Salir;
        return DecisionIteracion::Seguir;
    }
    std::optional<Tabla<double>> ChequeoDeEsfuerzos(const Proyecto& p,
                                                    const EsfuerzosDelChequeo& esfuerzos) override
    {
        ++vecesForm13;
        dovelasEnElChequeo = esfuerzos.NumeroDovelas();
        if (sigmasDelUsuario == 0.0) return std::nullopt;
        Tabla<double> sigmas(p.NumeroPuntosDovelas);
        for (int j = 2; j <= p.NumeroPuntosDovelas; ++j)
            sigmas(j) = sigmasDelUsuario;
        return sigmas;
    }
    std::vector<int> iteracionesMostradas;
    int aceptarEn = 0, salirEn = 0, vecesForm13 = 0;
    std::size_t dovelasEnElChequeo = 0;
    double sigmasDelUsuario = 0.0;
};

// Talud sin peso con carga en franja en la corona (Chen y Shao): φ = 0, fuera del campo del
// método (tan φ divide en el chequeo); converge a 1.00, el valor de la plasticidad, y la masa
// queda en equilibrio con la carga.
TEST(Variacional, CargaEnFranjaEnEquilibrio)
{
    Proyecto p = LeerClasico("chen_shao_1988_carga_en_corona.cod", {8.27, 15.0, 1.5, -0.1});
    EstadoCalculo e;
    InteraccionLote ui;
    ASSERT_EQ(CalcularPorLotes(p, e, ui), FinCalculo::Resultados);
    EXPECT_NEAR(Factor(p), 1.0, 0.03);
    ComprobarEquilibrio(prueba::EquilibrioDeResultados(p, e));
}

TEST(Variacional, ComprobacionesDeEntrada)
{
    struct Caso {
        void (*cambiar)(Proyecto&);
        const char* titulo;
    };
    const Caso casos[] = {
        {[](Proyecto& p) { p.SueloRoca = Material::Roca; }, textos::TituloNoEsSuelo},
        {[](Proyecto& p) { p.MetodoDeCalculo = Metodo::Bishop; }, textos::TituloNoEsMetodo},
        {[](Proyecto& p) { p.UsaParametrosInstantaneos = true; }, textos::TituloNoEsElCamino},
        {[](Proyecto& p) { p.NumeroDovelas = 3; }, textos::TituloLimiteCalculo},
    };
    for (const Caso& c : casos) {
        Proyecto p = LeerClasico("fredlund_krahn_1977_caso1.cod", InicialesFK);
        c.cambiar(p);
        EstadoCalculo e;
        InteraccionVariacional ui;
        EXPECT_EQ(CalcularPorLotes(p, e, ui), FinCalculo::Detenido) << c.titulo;
        EXPECT_EQ(ui.Eventos().front().texto, textos::PreguntaDesembalseRapido);
        EXPECT_EQ(ui.Eventos().back().titulo, c.titulo);
        EXPECT_FALSE(p.HayResultados);
        EXPECT_TRUE(ui.iteracionesMostradas.empty());
    }
}

// Con pesos y cohesión 10¹² veces mayores el factor de seguridad no cambia, pero las sumas de
// equilibrio (del orden de 10¹⁴ ton) no pueden bajar de la tolerancia absoluta de 0.001 ton con
// 16 cifras: la iteración llega a la cota de 100. La historia conserva las 100 iteraciones, sin
// resultados, y la última ya tiene el factor del problema.
TEST(Variacional, CotaDeCienIteraciones)
{
    constexpr double escala = 1e12;
    Proyecto p =
        LeerClasico("fredlund_krahn_1977_caso1.cod",
                    {InicialesFK.xc, InicialesFK.yc, InicialesFK.FS, InicialesFK.sigmaO * escala});
    for (int i = 1; i <= p.NumeroDeEstratos(); ++i) {
        p.CohesionMacizo(i) *= escala;
        p.PesoUnitarioHumedo(i) *= escala;
        p.PesoUnitarioSaturado(i) *= escala;
    }
    EstadoCalculo e;
    InteraccionVariacional ui;
    EXPECT_EQ(CalcularPorLotes(p, e, ui), FinCalculo::Limite);
    EXPECT_EQ(ui.Eventos().back().texto, textos::HistoriaVariacionalLlena);
    EXPECT_EQ(ui.Eventos().back().titulo, textos::TituloLimiteCalculo);
    EXPECT_EQ(p.NumeroIteraciones, MaximoIteracionesVariacional);
    EXPECT_EQ(ui.iteracionesMostradas.size(), std::size_t{MaximoIteracionesVariacional - 1});
    EXPECT_FALSE(p.HayResultados);
    EXPECT_NEAR(p.HistoriaFS(MaximoIteracionesVariacional), 2.073, 0.03 * 2.073); // Spencer
}

TEST(Variacional, Form9AceptaOAbandona)
{
    EstadoCalculo e;
    {
        Proyecto p = LeerClasico("fredlund_krahn_1977_caso1.cod", InicialesFK);
        InteraccionVariacional ui;
        ui.aceptarEn = 2; // la primera vez que se muestra
        ASSERT_EQ(CalcularPorLotes(p, e, ui), FinCalculo::Resultados);
        EXPECT_EQ(ui.iteracionesMostradas, std::vector<int>{2});
        EXPECT_EQ(p.NumeroIteraciones, 2);
        EXPECT_NE(ui.Eventos().back().texto, textos::FinVariacional); // sin mensaje final
        // τ de la iteración aceptada: ((σ − u)·tan φ + c)/F.
        const double tau = (p.EsfuerzoEfectivoDovela(10) * std::tan(20.0 * std::atan(1.0) / 45.0) +
                            p.CohesionDovela(10)) /
                           p.HistoriaFS(2);
        EXPECT_NEAR(p.EsfuerzoTangencialDovela(10), tau, 1e-9);
    }
    {
        Proyecto p = LeerClasico("fredlund_krahn_1977_caso1.cod", InicialesFK);
        InteraccionVariacional ui;
        ui.salirEn = 3;
        EXPECT_EQ(CalcularPorLotes(p, e, ui), FinCalculo::Abandonado);
        EXPECT_EQ(ui.iteracionesMostradas, (std::vector<int>{2, 3}));
        EXPECT_FALSE(p.HayResultados);
        EXPECT_EQ(p.NumeroIteraciones, 3); // la historia hasta el abandono queda
    }
}

// Un paso que deja dovelas sin resistencia abre Form13; los esfuerzos que escribe la persona se
// usan en la primera comprobación del cálculo siguiente.
TEST(Variacional, Form13YEsfuerzosDelUsuario)
{
    Proyecto p = LeerClasico("duncan_wright_2005_fig14_5.cod", {42.0, 48.5, 1.5, 0.0});
    EstadoCalculo e;
    InteraccionVariacional ui;
    ui.sigmasDelUsuario = -1000.0; // por debajo de u − c/tan φ en todas las dovelas
    EXPECT_EQ(CalcularPorLotes(p, e, ui), FinCalculo::Detenido);
    EXPECT_EQ(ui.vecesForm13, 1);
    EXPECT_EQ(ui.dovelasEnElChequeo, static_cast<std::size_t>(p.NumeroPuntosDovelas - 1));
    EXPECT_EQ(ui.Eventos().back().texto, textos::NoChequeaLeyResistencia);
    EXPECT_EQ(ui.Eventos().back().titulo, textos::TituloParametrosInciales);
    const int j = e.DovelaSinChequeo + 1;
    ASSERT_GE(e.DovelaSinChequeo, 1);
    EXPECT_LT(e.HistoriaEsfuerzosNormales(j, p.NumeroIteraciones) -
                  p.PresionPorosDovela(e.DovelaSinChequeo),
              e.SigmaMinimoDovela(e.DovelaSinChequeo) - p.PresionPorosDovela(e.DovelaSinChequeo));
    EXPECT_FALSE(p.HayResultados);

    // Siguiente cálculo con valores iniciales buenos: los esfuerzos dados no pasan el chequeo.
    p.MultiplicadorLagrange2 = 63.5;
    InteraccionVariacional ui2;
    EXPECT_EQ(ProcesoIterativoEnSuelos(p, e, ui2), FinCalculo::Detenido);
    EXPECT_EQ(ui2.Eventos().back().texto, textos::NoChequeaMohrCoulomb);
    EXPECT_EQ(ui2.Eventos().back().titulo, textos::TituloChequeoResistencia);
    EXPECT_TRUE(e.SigmasModificados);
}

// Valores de partida automáticos: la partida de Spencer, pasos amortiguados y otros puntos
// (xc, yc) llegan a la solución desde cualquier valor que tenga el proyecto, sin form9, con la
// masa en equilibrio y la historia de las iteraciones del punto que convergió.
TEST(Variacional, PartidaAutomaticaNoDependeDeLosValoresDados)
{
    double referencia = 0.0;
    for (const Iniciales& v : {InicialesFK, Iniciales{0.0, 0.0, 5.0, -50.0}}) {
        Proyecto p = LeerClasico("fredlund_krahn_1977_caso1.cod", v);
        EstadoCalculo e;
        InteraccionVariacional ui;
        ReiniciarEstadoCalculo(e);
        e.PartidaAutomatica = true;
        ASSERT_EQ(ProcesoIterativoEnSuelos(p, e, ui), FinCalculo::Resultados)
            << ui.Eventos().back().texto;
        EXPECT_TRUE(ui.iteracionesMostradas.empty());
        EXPECT_EQ(ui.Eventos().back().texto, textos::FinVariacional);
        ASSERT_GE(p.NumeroIteraciones, 2);
        if (referencia == 0.0) referencia = Factor(p);
        EXPECT_NEAR(Factor(p), referencia, 1e-6);
        EXPECT_NEAR(Factor(p), 2.073, 0.01 * 2.073); // Spencer (Fredlund y Krahn 1977)
        ComprobarEquilibrio(prueba::EquilibrioDeResultados(p, e));
        // Los valores de partida de la persona quedan como estaban.
        EXPECT_EQ(p.MultiplicadorLagrange1, v.xc);
        EXPECT_EQ(p.EsfuerzoInicialCresta, v.sigmaO);
    }
}

// Sin peso nada empuja la masa: no hay solución rigurosa ni variacional, y el cálculo termina
// sin resultados con su mensaje.
TEST(Variacional, PartidaAutomaticaSinSolucionNoDaResultados)
{
    Proyecto p = LeerClasico("fredlund_krahn_1977_caso1.cod", InicialesFK);
    p.PesoUnitarioHumedo(1) = p.PesoUnitarioSaturado(1) = 0.0;
    EstadoCalculo e;
    InteraccionVariacional ui;
    ReiniciarEstadoCalculo(e);
    e.PartidaAutomatica = true;
    EXPECT_EQ(ProcesoIterativoEnSuelos(p, e, ui), FinCalculo::Limite);
    EXPECT_EQ(ui.Eventos().back().texto, textos::VariacionalSinPartidaAutomatica);
    EXPECT_FALSE(p.HayResultados);
}

} // namespace
} // namespace vertana
