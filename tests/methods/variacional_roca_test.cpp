// Método variacional para macizos rocosos. Referencias independientes del código:
// - la derivada de un polinomio cúbico, que los pesos de Lagrange de cuatro centros reproducen
//   sin error;
// - Hoek (1990), IJRMMS 27(3) 227-229, para a = 0.5: τ en función de σn′ con
//     h = 1 + 16·(m·σn′ + s·σci)/(3·m²·σci), θ = (90° + atan(1/√(h³ − 1)))/3,
//     φi = atan(1/√(4·h·cos²θ − 1)), τ = (cot φi − cos φi)·m·σci/8,
//   y el criterio σ1′ = σ3′ + σci·√(m·σ3′/σci + s) (Hoek y Brown 1980);
// - el equilibrio de la masa deslizante recalculado con la geometría de los bordes de dovela;
// - el método variacional para suelos (probado con problemas publicados) con la cohesión y la
//   fricción instantáneas de cada dovela en la solución: por la pendiente de la envolvente la
//   derivada de τf a lo largo de la superficie es tan φi·dσn′/dx, la ecuación de dovela de los
//   dos métodos es la misma y los factores de seguridad deben coincidir salvo por la
//   discretización (la cresta: σo en suelos, ninguna condición en rocas).
#include "calculo/calculo.h"
#include "cli/interaccion_lote.h"
#include "cli/orden_calcular.h"
#include "geometry/preparacion.h"
#include "io/archivo_proyecto.h"
#include "methods/variacional.h"
#include "methods/variacional_roca.h"
#include "model/textos.h"
#include "model/unidades.h"
#include "proyectos_de_prueba.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace vertana {
namespace {

std::size_t Ind(int i)
{
    return static_cast<std::size_t>(i);
}

// El ejemplo: talud de 30 m (cara a 63°) en un macizo con mi = 10, GSI = 50 (a = 0.5),
// σci = 50 kg/cm2, superficie de dos tramos rectos de (38, 30) a (15, 0), 15 dovelas.
Proyecto Ejemplo()
{
    Proyecto p;
    ReiniciarProyecto(p);
    InteraccionLote lectura;
    EXPECT_TRUE(
        LeerProyecto(std::string(VERTANA_EJEMPLOS) + "/talud_roca_variacional.cod", p, lectura));
    return p;
}

// El mismo talud con nivel freático: u hasta unos 3 ton/m2 en las bases de la mitad baja.
Proyecto EjemploConAgua()
{
    Proyecto p = Ejemplo();
    prueba::FijarPuntos(p.AbscisasFreatico, p.OrdenadasFreatico,
                        {{50, 27}, {32, 25}, {26, 19}, {22, 11}, {18, 4}, {15, 0}, {0, 0}});
    return p;
}

class InteraccionRoca : public InteraccionLote {
public:
    InteraccionRoca() { PrepararRespuestasPorLotes(*this, false); }
    DecisionIteracion ResultadosDeLasIteraciones(const Proyecto& p,
                                                 const SumasDeLaIteracion& s) override
    {
        InteraccionLote::ResultadosDeLasIteraciones(p, s);
        if (aceptarEn == p.NumeroIteraciones) return DecisionIteracion::Aceptar;
        if (salirEn == p.NumeroIteraciones) return DecisionIteracion::Salir;
        return DecisionIteracion::Seguir;
    }
    std::optional<Tabla<double>> ChequeoDeEsfuerzos(const Proyecto& p,
                                                    const EsfuerzosDelChequeo& e) override
    {
        InteraccionLote::ChequeoDeEsfuerzos(p, e);
        chequeo = e;
        return sigmasDelUsuario;
    }
    int aceptarEn = 0, salirEn = 0;
    EsfuerzosDelChequeo chequeo;
    std::optional<Tabla<double>> sigmasDelUsuario;
};

ResultadoCalculo CalcularRoca(Proyecto& p, EstadoCalculo& e, Interaccion& ui,
                              bool automatica = false)
{
    e.PartidaAutomatica = automatica;
    OpcionesCalculo o;
    o.EnRocas = true;
    return Calcular(p, e, Metodo::Variacional, o, ui);
}

// Hoek (1990): la envolvente de a = 0.5 en σn′, τ y φi.
struct EnvolventeHoek {
    double tau, phi;
};

EnvolventeHoek Hoek1990(double sigmaN, double m, double s, double sigmaCi)
{
    const double h = 1.0 + 16.0 * (m * sigmaN + s * sigmaCi) / (3.0 * m * m * sigmaCi);
    const double theta = (Pi / 2.0 + std::atan(1.0 / std::sqrt(h * h * h - 1.0))) / 3.0;
    const double phi =
        std::atan(1.0 / std::sqrt(4.0 * h * std::cos(theta) * std::cos(theta) - 1.0));
    return {(1.0 / std::tan(phi) - std::cos(phi)) * m * sigmaCi / 8.0, phi};
}

// Los esfuerzos de cada dovela sobre la envolvente de Hoek-Brown y la masa en equilibrio.
void ComprobarSolucion(const Proyecto& p, const EstadoCalculo& e, double F)
{
    const int nd = p.NumeroPuntosDovelas - 1;
    double suma1 = 0.0, suma3 = 0.0;
    for (int i = 1; i <= nd; ++i) {
        const double m = p.ParametroMDovela(i), s = p.ParametroSDovela(i);
        const double sci = e.Dovelas.CompresionSimpleDovela(i);
        const double s3 = p.EsfuerzoPrincipalMenorDovela(i), s1 = p.EsfuerzoPrincipalMayorDovela(i);
        EXPECT_NEAR(s1, s3 + sci * std::sqrt(m * s3 / sci + s), 1e-9) << "dovela " << i;
        const double sn = p.EsfuerzoEfectivoDovela(i);
        EXPECT_NEAR(p.EsfuerzoNormalDovela(i), sn + p.PresionPorosDovela(i), 1e-12);
        EXPECT_NEAR(F * p.EsfuerzoTangencialDovela(i), Hoek1990(sn, m, s, sci).tau, 1e-8)
            << "dovela " << i;
        // El punto (σn′, τf) está en el círculo de Mohr de (σ1′, σ3′).
        const double centro = (s1 + s3) / 2.0, radio = (s1 - s3) / 2.0;
        const double tf = F * p.EsfuerzoTangencialDovela(i);
        EXPECT_NEAR((sn - centro) * (sn - centro) + tf * tf, radio * radio, 1e-7 * radio * radio);
        suma1 += s1;
        suma3 += s3;
    }
    EXPECT_NEAR(p.SumaEsfuerzosPrincipalesMayores, suma1, 1e-9);
    EXPECT_NEAR(p.SumaEsfuerzosPrincipalesMenores, suma3, 1e-9);
    // Las sumas de la iteración (ton/m y ton·m/m) divididas por F.
    const prueba::Equilibrio eq = prueba::EquilibrioDeResultados(p, e);
    EXPECT_NEAR(eq.H, 0.0, 1e-3);
    EXPECT_NEAR(eq.V, 0.0, 1e-3);
    EXPECT_NEAR(eq.M, 0.0, 9e-3);
}

TEST(VariacionalRoca, VentanasDerivanSinErrorUnPolinomioCubico)
{
    Proyecto p = Ejemplo();
    p.NumeroDovelas = 9;
    EstadoCalculo e;
    InteraccionRoca ui;
    ASSERT_TRUE(PrepararCalculo(p, e, ui));
    DatosVariacionalRoca datos = DatosDeDovelasRoca(p, e);
    // Centros con espaciados desiguales.
    for (int i = 1; i <= datos.Dovelas(); ++i)
        datos.suelo.d[Ind(i - 1)].x = 40.0 - 3.0 * i - 0.2 * i * i;
    const int nd = datos.Dovelas();
    for (int i = 1; i <= nd; ++i) {
        const VentanaDerivadaRoca v = VentanaDeDovela(datos, i);
        EXPECT_TRUE(v.primera <= i && i <= v.primera + 3) << i;
        if (i >= nd - 2) {
            EXPECT_EQ(v.primera, nd - 3);
        }
        const double xi = datos(i).x;
        // d/dx de 1, x, x², x³ en x_i.
        for (int grado = 0; grado <= 3; ++grado) {
            double derivada = 0.0;
            for (int a = 0; a < 4; ++a)
                derivada += v.pesos[a] * std::pow(datos(v.primera + a).x, grado);
            const double exacta = grado == 0 ? 0.0 : grado * std::pow(xi, grado - 1);
            EXPECT_NEAR(derivada, exacta, 1e-9 * (1.0 + std::fabs(exacta)))
                << "dovela " << i << ", grado " << grado;
        }
    }
}

TEST(VariacionalRoca, JacobianoCoincideConDiferenciasFinitas)
{
    Proyecto p = EjemploConAgua();
    p.CoeficienteSismicoHorizontal = 0.1;
    p.CoeficienteSismicoVertical = 0.05;
    EstadoCalculo e;
    InteraccionRoca ui;
    ASSERT_TRUE(PrepararCalculo(p, e, ui));
    const DatosVariacionalRoca datos = DatosDeDovelasRoca(p, e);
    std::vector<double> z{30.0, 60.0, 2.0};
    const std::vector<double> sigma3 = Sigma3Iniciales(datos, nullptr);
    for (std::size_t i = 0; i < sigma3.size(); ++i)
        z.push_back(sigma3[i] * 1.3 + 0.2 * std::sin(static_cast<double>(i)));
    const auto J = JacobianoVariacionalRoca(datos, z);
    ASSERT_TRUE(J);
    const int n = static_cast<int>(z.size());
    for (int j = 1; j <= n; ++j) {
        const double paso = 1e-6 * (1.0 + std::fabs(z[Ind(j - 1)]));
        std::vector<double> mas = z, menos = z;
        mas[Ind(j - 1)] += paso;
        menos[Ind(j - 1)] -= paso;
        const auto Gm = ResiduosVariacionalesRoca(datos, mas);
        const auto Gn = ResiduosVariacionalesRoca(datos, menos);
        ASSERT_TRUE(Gm && Gn);
        for (int i = 1; i <= n; ++i) {
            const double numerica = ((*Gm)[Ind(i - 1)] - (*Gn)[Ind(i - 1)]) / (2.0 * paso);
            EXPECT_NEAR(J->Elemento(i, j), numerica, 1e-5 * (1.0 + std::fabs(numerica)))
                << "fila " << i << ", columna " << j;
        }
    }
    // Bajo el límite de tracción no hay residuos ni jacobiano.
    z[3] = LimiteTraccionSigma3(datos.Roca(1).m, datos.Roca(1).s, datos.Roca(1).sigmaCi) +
           datos(1).u - 0.01;
    EXPECT_FALSE(ResiduosVariacionalesRoca(datos, z));
    EXPECT_EQ(DovelaBajoLimiteTraccion(datos, std::vector<double>(z.begin() + 3, z.end())), 1);
}

TEST(VariacionalRoca, EjemploConvergeSobreLaEnvolventeYEnEquilibrio)
{
    Proyecto p = Ejemplo();
    EstadoCalculo e;
    InteraccionRoca ui;
    const ResultadoCalculo r = CalcularRoca(p, e, ui);
    ASSERT_TRUE(r.Convergio()) << r.Mensaje;
    EXPECT_EQ(r.Mensaje, textos::FinVariacionalRoca);
    EXPECT_TRUE(r.EnRocas);
    EXPECT_EQ(ui.VecesResultadosDeLasIteraciones(), r.Iteraciones - 1);
    // Lo que resuelve la iteración queda en la historia y en los esfuerzos.
    EXPECT_EQ(*r.FactorSeguridad, p.HistoriaFS(p.NumeroIteraciones));
    EXPECT_GT(*r.FactorSeguridad, 1.5);
    EXPECT_LT(*r.FactorSeguridad, 3.0);
    ComprobarSolucion(p, e, *r.FactorSeguridad);
    EXPECT_TRUE(e.HistoriaEsfuerzosNormales.Vacia());
    EXPECT_TRUE(p.HayResultados);
}

TEST(VariacionalRoca, ConAguaElEquilibrioEsEnEsfuerzosTotales)
{
    Proyecto p = EjemploConAgua();
    EstadoCalculo e;
    InteraccionRoca ui;
    const ResultadoCalculo r = CalcularRoca(p, e, ui, true);
    ASSERT_TRUE(r.Convergio()) << r.Mensaje;
    double maximo = 0.0;
    for (int i = 1; i < p.NumeroPuntosDovelas; ++i)
        maximo = std::max(maximo, p.PresionPorosDovela(i));
    EXPECT_GT(maximo, 2.5);
    ComprobarSolucion(p, e, *r.FactorSeguridad);
    // El agua resta resistencia: el factor es menor que en seco.
    Proyecto seco = Ejemplo();
    EstadoCalculo e2;
    InteraccionRoca ui2;
    const ResultadoCalculo r2 = CalcularRoca(seco, e2, ui2, true);
    ASSERT_TRUE(r2.Convergio());
    EXPECT_LT(*r.FactorSeguridad, *r2.FactorSeguridad);
}

// Form18 que da a cada dovela la cohesión y la fricción instantáneas de Hoek (1990) en su σn′.
class InteraccionLinealizada : public InteraccionRoca {
public:
    explicit InteraccionLinealizada(const EstadoCalculo& e) : e_(e) {}
    std::optional<ParametrosDeDovelas>
    CambioDeParametrosDeResistencia(const Proyecto& p, const ParametrosDeDovelas& actuales) override
    {
        ParametrosDeDovelas r = actuales;
        for (int i = 1; i <= r.Dovelas(); ++i) {
            const double m = p.ParametroMDovela(i), s = p.ParametroSDovela(i);
            const double sci = e_.Dovelas.CompresionSimpleDovela(i);
            const EnvolventeHoek hoek = Hoek1990(p.EsfuerzoEfectivoDovela(i), m, s, sci);
            r.Friccion(i) = Grados(hoek.phi);
            r.Cohesion(i) = hoek.tau - p.EsfuerzoEfectivoDovela(i) * std::tan(hoek.phi);
        }
        return r;
    }

private:
    const EstadoCalculo& e_;
};

TEST(VariacionalRoca, LinealizadoEnLaSolucionDaElFactorDelMetodoParaSuelos)
{
    Proyecto p = Ejemplo();
    EstadoCalculo e;
    InteraccionLinealizada ui(e);
    const ResultadoCalculo roca = CalcularRoca(p, e, ui);
    ASSERT_TRUE(roca.Convergio()) << roca.Mensaje;

    // Segundo cálculo por la orden de los parámetros instantáneos dados por pantalla (Form18).
    p.DefinicionParametrosInstantaneos = DefinicionInstantaneos::PorPantalla;
    PrepararRespuestasInstantaneas(ui, p);
    OpcionesCalculo instantaneo;
    instantaneo.ParametrosInstantaneos = true;
    const ResultadoCalculo suelo = Calcular(p, e, p.MetodoDeCalculo, instantaneo, ui);
    ASSERT_TRUE(suelo.Convergio()) << suelo.Mensaje;
    EXPECT_FALSE(suelo.EnRocas);
    EXPECT_NEAR(*suelo.FactorSeguridad, *roca.FactorSeguridad, 0.01 * *roca.FactorSeguridad);
    // El segundo cálculo parte de la solución del primero y los valores de los parámetros de
    // cálculo no cambian.
    EXPECT_NEAR(p.HistoriaFS(1), *roca.FactorSeguridad, 1e-12);
    EXPECT_EQ(p.FSInicial, 2.0);
    EXPECT_EQ(p.MultiplicadorLagrange1, 30.0);
}

// La regla puntual (Balmer) linealiza la envolvente con los σ1, σ3 de cada dovela de la solución:
// el segundo cálculo, por el método variacional para suelos con esas c y φ, da el factor del
// método en rocas.
TEST(VariacionalRoca, ReglaPuntualDaElFactorDelMetodoEnRocas)
{
    Proyecto p = Ejemplo();
    EstadoCalculo e;
    InteraccionRoca ui;
    const ResultadoCalculo roca = CalcularRoca(p, e, ui);
    ASSERT_TRUE(roca.Convergio()) << roca.Mensaje;
    // Fricción instantánea de Balmer de cada dovela con los σ1, σ3 de la solución en roca:
    // D = dσ1/dσ3 = 1 + m·σci/(2·(σ1 − σ3)), sen φi = (D − 1)/(D + 1); no el ángulo del plano
    // de rotura, atan √D = 45° + φi/2.
    std::vector<double> esperada;
    for (int i = 1; i < p.NumeroPuntosDovelas; ++i) {
        const double D =
            1.0 +
            p.ParametroMDovela(i) * e.Dovelas.CompresionSimpleDovela(i) /
                (2.0 * (p.EsfuerzoPrincipalMayorDovela(i) - p.EsfuerzoPrincipalMenorDovela(i)));
        esperada.push_back(std::asin((D - 1.0) / (D + 1.0)) * 180.0 / Pi);
    }

    p.DefinicionParametrosInstantaneos = DefinicionInstantaneos::Puntuales;
    PrepararRespuestasInstantaneas(ui, p);
    OpcionesCalculo instantaneo;
    instantaneo.ParametrosInstantaneos = true;
    const ResultadoCalculo suelo = Calcular(p, e, p.MetodoDeCalculo, instantaneo, ui);
    ASSERT_TRUE(suelo.Convergio()) << suelo.Mensaje;
    EXPECT_NEAR(*suelo.FactorSeguridad, *roca.FactorSeguridad, 0.01 * *roca.FactorSeguridad);
    for (int i = 1; i < p.NumeroPuntosDovelas; ++i)
        EXPECT_NEAR(p.FriccionDovela(i), esperada[Ind(i - 1)], 1e-9) << i;
}

TEST(VariacionalRoca, PartidaAutomaticaYPartidaDelUsuario)
{
    Proyecto p = Ejemplo();
    EstadoCalculo e;
    InteraccionRoca ui;
    const ResultadoCalculo usuario = CalcularRoca(p, e, ui);
    ASSERT_TRUE(usuario.Convergio());
    // Lejos de la solución la iteración del usuario no llega.
    Proyecto lejos = Ejemplo();
    lejos.FSInicial = 1.2;
    lejos.MultiplicadorLagrange1 = 25.0;
    lejos.MultiplicadorLagrange2 = 40.0;
    EstadoCalculo e2;
    InteraccionRoca ui2;
    EXPECT_FALSE(CalcularRoca(lejos, e2, ui2).Convergio());
    // Los valores automáticos, sin form9, llegan a una solución con el mismo factor (la
    // ecuación admite varias (xc, yc); el factor apenas cambia entre ellas).
    EstadoCalculo e3;
    InteraccionRoca ui3;
    const ResultadoCalculo automatica = CalcularRoca(lejos, e3, ui3, true);
    ASSERT_TRUE(automatica.Convergio()) << automatica.Mensaje;
    EXPECT_EQ(ui3.VecesResultadosDeLasIteraciones(), 0);
    EXPECT_NEAR(*automatica.FactorSeguridad, *usuario.FactorSeguridad,
                0.005 * *usuario.FactorSeguridad);
    ComprobarSolucion(lejos, e3, *automatica.FactorSeguridad);
}

TEST(VariacionalRoca, Form13ConLosSigma3DeCadaDovela)
{
    Proyecto p = Ejemplo();
    p.FSInicial = 1.2;
    p.MultiplicadorLagrange1 = 25.0;
    p.MultiplicadorLagrange2 = 40.0;
    EstadoCalculo e;
    InteraccionRoca ui;
    Tabla<double> escritos(15);
    for (int i = 1; i <= 15; ++i)
        escritos(i) = 1.0 + 0.1 * i;
    ui.sigmasDelUsuario = escritos;
    const ResultadoCalculo r = CalcularRoca(p, e, ui);
    ASSERT_EQ(r.Estado, EstadoDelCalculo::Rechazado);
    EXPECT_EQ(r.Mensaje, textos::NoChequeaSigma3);
    EXPECT_EQ(r.TituloMensaje, textos::TituloChequeoSigma3);
    EXPECT_EQ(ui.chequeo.Material, MaterialDelChequeo::Roca);
    ASSERT_EQ(ui.chequeo.NumeroDovelas(), 15u);
    const int d = e.DovelaSinChequeo;
    ASSERT_GE(d, 1);
    // La dovela anotada está bajo su límite; el mínimo es el límite más 0.1.
    const HoekBrownDeDovela hb{p.ParametroMDovela(d), p.ParametroSDovela(d),
                               p.ExponenteHoekBrownDovela(d), e.Dovelas.CompresionSimpleDovela(d)};
    const double limite = LimiteTraccionSigma3(hb.m, hb.s, hb.sigmaCi) + p.PresionPorosDovela(d);
    EXPECT_LT(ui.chequeo.Actual[Ind(d - 1)], limite);
    EXPECT_NEAR(ui.chequeo.Minimo[Ind(d - 1)], limite + MargenSobreLimiteTraccion, 1e-12);
    EXPECT_FALSE(p.HayResultados);
    EXPECT_TRUE(e.SigmasModificados);

    // El cálculo siguiente parte de los σ3 escritos (por dovela, sobre su límite) y baja la
    // bandera.
    const DatosVariacionalRoca datos = DatosDeDovelasRoca(p, e);
    const std::vector<double> iniciales = Sigma3Iniciales(datos, &e.SigmasUsuario);
    for (int i = 1; i <= 15; ++i)
        EXPECT_EQ(iniciales[Ind(i - 1)], escritos(i));
    InteraccionRoca ui2;
    ui2.salirEn = 2;
    CalcularRoca(p, e, ui2);
    EXPECT_FALSE(e.SigmasModificados);
    EXPECT_FALSE(p.HayResultados);
}

TEST(VariacionalRoca, AceptarEnForm9YComprobacionesDeEntrada)
{
    Proyecto p = Ejemplo();
    EstadoCalculo e;
    InteraccionRoca ui;
    ui.aceptarEn = 3;
    const ResultadoCalculo r = CalcularRoca(p, e, ui);
    ASSERT_TRUE(r.Convergio());
    EXPECT_EQ(r.Iteraciones, 3);
    EXPECT_NE(r.Mensaje, textos::FinVariacionalRoca); // aceptada, sin el mensaje final
    EXPECT_TRUE(p.HayResultados);

    struct Caso {
        void (*cambiar)(Proyecto&);
        const char* texto;
        const char* titulo;
    };
    const Caso casos[] = {
        // Un proyecto de suelos (con datos de suelos válidos).
        {[](Proyecto& q) {
             q = prueba::Leido(std::string(VERTANA_EJEMPLOS) + "/talud_homogeneo_bishop.cod");
             q.MetodoDeCalculo = Metodo::Variacional;
         },
         textos::MaterialEsSuelo, textos::TituloNoEsRoca},
        {[](Proyecto& q) { q.MetodoDeCalculo = Metodo::Bishop; }, textos::MetodoNoSeleccionado,
         textos::TituloNoEsMetodo},
        {[](Proyecto& q) { q.UsaParametrosInstantaneos = true; }, textos::CalculandoConInstantaneos,
         textos::TituloNoEsMetodo},
        {[](Proyecto& q) { q.NumeroDovelas = 3; }, textos::PocasDovelasVariacional,
         textos::TituloLimiteCalculo},
    };
    for (const Caso& c : casos) {
        Proyecto q = Ejemplo();
        c.cambiar(q);
        EstadoCalculo eq;
        InteraccionRoca uq;
        const ResultadoCalculo rq = CalcularRoca(q, eq, uq);
        EXPECT_EQ(rq.Estado, EstadoDelCalculo::Rechazado) << c.texto;
        EXPECT_EQ(rq.Mensaje, c.texto);
        EXPECT_EQ(rq.TituloMensaje, c.titulo);
        EXPECT_TRUE(uq.Preguntas().empty()); // ni desembalse rápido ni otra pregunta
        EXPECT_FALSE(q.HayResultados);
    }
}

} // namespace
} // namespace vertana
