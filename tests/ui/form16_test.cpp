// Form16, esfuerzos principales de laboratorio y ajuste de m y s. Referencias independientes:
// - Hudson y Harrison (2000), "Engineering Rock Mechanics, Part 2", 6.7: caliza intacta con
//   σc = 80 MPa y σt = −10 MPa, m = 7.88 (= (80² − 10²)/(80·10) = 7.875); aquí sus esfuerzos van
//   multiplicados por 100 en ton/m2 (σc = 8000 ton/m2 = 800 kg/cm2), lo que no cambia m ni s.
// - Pares sobre la curva σ1 = σ3 + √(m·σci·σ3 + s·σci²) con m y s dados: el ajuste los devuelve.
// - A mano: x = σ3 = 1, 2, 3 e y = (σ1 − σ3)² = 100, 260, 400 con σci = 1 kg/cm2 = 10 ton/m2:
//   pendiente 150, ordenada −140/3 → s < 0.00001, s = 0 y m = (760/6)/10 = 38/3.
#include "apoyo/interaccion_guionada.h"
#include "ayuda_dialogos.h"
#include "io/archivo_proyecto.h"
#include "io/items.h"
#include "model/textos.h"
#include "proyectos_de_prueba.h"
#include "ui/form10.h"
#include "ui/form16.h"

#include <QComboBox>
#include <gtest/gtest.h>

#include <cmath>

namespace vertana {
namespace {

using namespace prueba;

constexpr char Lista[] = "EsfuerzosPrincipalesLab";

// Proyecto de roca con `n` estratos caracterizados (σci en kg/cm2).
Proyecto RocaCaracterizada(std::initializer_list<double> compresiones)
{
    Proyecto p;
    ReiniciarProyecto(p);
    p.SueloRoca = Material::Roca;
    p.ParametrosIntroducidos = true;
    const int n = static_cast<int>(compresiones.size());
    RedimensionarEstratos(p, n);
    for (Tabla<double>* t : {&p.ParametroMIntacto, &p.IndiceGSI, &p.ParametroM, &p.ParametroS,
                             &p.PesoUnitarioHumedo, &p.PesoUnitarioSaturado, &p.CompresionSimple})
        t->Redimensionar(n);
    int i = 0;
    for (double sigmaCi : compresiones) {
        ++i;
        p.ParametroMIntacto(i) = 10;
        p.IndiceGSI(i) = 50;
        p.ParametroM(i) = 1.677;
        p.ParametroS(i) = 0.00387;
        p.CompresionSimple(i) = sigmaCi;
    }
    p.RocaCaracterizada = true;
    p.EstratosCaracterizados = static_cast<Entero16>(n);
    return p;
}

void Par(Form16& dialogo, const char* sigma1, const char* sigma3)
{
    Escribir(dialogo, "TextoSigma1", sigma1);
    Escribir(dialogo, "TextoSigma3", sigma3);
    Pulsar(dialogo, "BotónAgregar");
}

void ElegirEstrato(Form16& dialogo, int estrato)
{
    Control<QComboBox>(dialogo, "ListaDeEstratos")->setCurrentIndex(estrato - 1);
}

std::vector<std::string> Columna1(Form16& dialogo)
{
    std::vector<std::string> c;
    for (int f = 0; f < Filas(dialogo, Lista); ++f)
        c.push_back(Fila(dialogo, Lista, f)[0]);
    return c;
}

TEST(Form16, ComprobacionYOrdenDeLosPares)
{
    EXPECT_EQ(ComprobarPar("x", "1").fallo->texto, textos::Sigma1NoNumerico);
    EXPECT_EQ(ComprobarPar("", "").fallo->texto, textos::Sigma1NoNumerico);
    EXPECT_EQ(ComprobarPar("1", "1,5").fallo->texto, textos::Sigma3NoNumerico);
    EXPECT_EQ(ComprobarPar(" 12.5 ", "-3").par, (ParLaboratorio{12.5, -3}));

    // De mayor a menor σ1; un σ1 igual va antes del que ya estaba.
    const std::vector<ParLaboratorio> pares = {{80, 1}, {60, 2}, {50, 3}};
    EXPECT_EQ(PosicionDelPar(pares, 90), 0);
    EXPECT_EQ(PosicionDelPar(pares, 60), 1);
    EXPECT_EQ(PosicionDelPar(pares, 55), 2);
    EXPECT_EQ(PosicionDelPar(pares, 10), 3);
    EXPECT_EQ(PosicionDelPar({}, 10), 0);
}

TEST(Form16, ParesPorEstratoYAceptarConElEstrato1AlFrente)
{
    Proyecto p = RocaCaracterizada({800, 1000});
    InteraccionGuionada ui;
    Form16 dialogo(p, ui, 0);
    Mostrar(dialogo);
    EXPECT_EQ(Control<QComboBox>(dialogo, "ListaDeEstratos")->count(), 2);
    EXPECT_EQ(dialogo.EstratoEnPantalla(), 1);

    // 50, 80, 60 se listan 80, 60, 50, con dos decimales.
    Par(dialogo, "50", "5");
    Par(dialogo, "80", "8");
    Par(dialogo, "60", "6.125");
    EXPECT_EQ(Columna1(dialogo), (std::vector<std::string>{"80.00", "60.00", "50.00"}));
    EXPECT_EQ(Fila(dialogo, Lista, 1)[1], "6.13");
    Par(dialogo, "70", "x");
    EXPECT_EQ(UltimoMensaje(ui).texto, textos::Sigma3NoNumerico);
    EXPECT_EQ(Filas(dialogo, Lista), 3);

    // El clic da los valores completos; Modificar reemplaza el par elegido y lo ordena.
    PulsarFila(dialogo, Lista, 1);
    EXPECT_EQ(Leer(dialogo, "TextoSigma3"), "6.125");
    Escribir(dialogo, "TextoSigma1", "90");
    Pulsar(dialogo, "BotónModificar");
    EXPECT_EQ(Columna1(dialogo), (std::vector<std::string>{"90.00", "80.00", "50.00"}));
    // Borrar quita el par elegido y el proyecto queda con cambios.
    EXPECT_TRUE(p.DatosGuardados);
    PulsarFila(dialogo, Lista, 2);
    Pulsar(dialogo, "BotónBorrar");
    EXPECT_EQ(Columna1(dialogo), (std::vector<std::string>{"90.00", "80.00"}));
    EXPECT_FALSE(p.DatosGuardados);

    // Al cambiar de estrato los pares en pantalla pasan a las tablas.
    ElegirEstrato(dialogo, 2);
    EXPECT_EQ(Filas(dialogo, Lista), 0);
    EXPECT_EQ(p.NumeroPuntosLab(1), 2);
    EXPECT_EQ(p.Sigma1Lab(1, 1), 90);
    EXPECT_EQ(p.Sigma3Lab(1, 1), 6.125);
    EXPECT_EQ(Leer(dialogo, "TextoSigma1"), "");
    Par(dialogo, "500", "0");

    // Aceptar con el estrato 2 al frente no cambia nada.
    const Proyecto antes = p;
    Pulsar(dialogo, "BotónAceptar");
    EXPECT_EQ(UltimoMensaje(ui).texto, "Por favor ponga al frente los datos del estrato 1");
    EXPECT_EQ(p, antes);
    EXPECT_TRUE(dialogo.isVisible());

    // De vuelta al 1: el estrato 2 tiene un solo par.
    ElegirEstrato(dialogo, 1);
    EXPECT_EQ(Columna1(dialogo), (std::vector<std::string>{"90.00", "80.00"}));
    Pulsar(dialogo, "BotónAceptar");
    EXPECT_EQ(UltimoMensaje(ui).texto,
              "Ud. no ha dado los suficientes puntos para el estrato No 2");
    EXPECT_EQ(p.ParametroM(1), 1.677);
    EXPECT_TRUE(dialogo.isVisible());
    Pulsar(dialogo, "BotónCancelar");
    EXPECT_FALSE(dialogo.isVisible());
    EXPECT_TRUE(ui.Cumplido());
}

TEST(Form16, AjusteDeCadaEstratoConLaPreguntaDeRocaIntacta)
{
    // Estrato 1: Hudson y Harrison (σci = 800 kg/cm2), roca intacta.
    // Estrato 2: pares sobre la curva m = 1.677, s = 0.003866, σci = 1000 kg/cm2 = 10000 ton/m2.
    Proyecto p = RocaCaracterizada({800, 1000});
    InteraccionGuionada ui;
    Form16 dialogo(p, ui, 0);
    Mostrar(dialogo);
    Par(dialogo, "8000", "0");
    Par(dialogo, "0", "-1000");
    ElegirEstrato(dialogo, 2);
    const double m = 1.677, s = 0.003866, sigmaCi = 10000;
    for (double x : {50.0, 200.0, 600.0, 1500.0}) {
        const std::string s1 =
            RealParaArchivo(x + std::sqrt(m * sigmaCi * x + s * sigmaCi * sigmaCi));
        Par(dialogo, s1.c_str(), RealParaArchivo(x).c_str());
    }
    ElegirEstrato(dialogo, 1);
    ui.EsperarPregunta("Los datos corresponden a roca intacta para el estrato 1", true);
    ui.EsperarPregunta("Los datos corresponden a roca intacta para el estrato 2", false);
    Pulsar(dialogo, "BotónAceptar");
    EXPECT_FALSE(dialogo.isVisible());
    EXPECT_TRUE(ui.Cumplido());
    EXPECT_TRUE(ui.Mensajes().empty());
    EXPECT_NEAR(p.ParametroM(1), 7.875, 1e-12);
    EXPECT_EQ(p.ParametroS(1), 1.0);
    EXPECT_NEAR(p.ParametroM(2), m, 1e-9);
    EXPECT_NEAR(p.ParametroS(2), s, 1e-12);
    EXPECT_TRUE(p.HayDatosLaboratorio);
    EXPECT_TRUE(p.MsDeLaboratorio);
    EXPECT_TRUE(p.EstratosConCaracteristicas);
    EXPECT_EQ(p.EstratosCaracterizados, 2);
    EXPECT_FALSE(p.DatosGuardados);
    EXPECT_EQ(p.NumeroPuntosLab(2), 4);
}

TEST(Form16, AjustesQueNoExistenNoCambianNada)
{
    struct Caso {
        std::vector<ParLaboratorio> pares;
        double sigmaCi; // kg/cm2
        bool intacta;
        std::string mensaje; // vacío: ajustado
        double m, s;
    };
    const std::vector<Caso> casos = {
        // s < 0.00001: s = 0 y m del cociente de sumas, 38/3.
        {{{11, 1}, {2 + std::sqrt(260.0), 2}, {23, 3}}, 1, false, "", 38.0 / 3.0, 0.0},
        {{{11, 1}, {12, 2}}, 0, false, textos::AjusteSinCompresionSimple(1), 0, 0},
        {{{11, 1}, {12, 1}}, 1, true, textos::AjusteSigma3Iguales(1), 0, 0},
        // x = −1, 1 e y = 1, 9: s = 5/10000² < 0.00001 y Σx = 0.
        {{{0, -1}, {4, 1}}, 1000, false, textos::AjusteSumaSigma3Nula(1), 0, 0},
        // y decrece con x: la pendiente es negativa.
        {{{100, 0}, {50, 10}}, 10, true, textos::AjusteMNoPositivo(1), 0, 0},
    };
    for (const Caso& c : casos) {
        Proyecto p = RocaCaracterizada({c.sigmaCi});
        EscribirParesDelEstrato(p, 1, c.pares);
        const Proyecto antes = p;
        InteraccionGuionada ui;
        ui.EsperarPregunta(textos::PreguntaRocaIntacta(1), c.intacta);
        const auto fallo = AjustarEstratosDeLaboratorio(p, ui);
        EXPECT_EQ(fallo ? fallo->texto : std::string(), c.mensaje);
        if (fallo) {
            EXPECT_EQ(p, antes) << c.mensaje;
        } else {
            EXPECT_NEAR(p.ParametroM(1), c.m, 1e-12);
            EXPECT_EQ(p.ParametroS(1), c.s);
        }
        EXPECT_TRUE(ui.Cumplido());
    }
    // Un estrato con un solo par se rechaza antes de preguntar nada.
    Proyecto p = RocaCaracterizada({10, 10});
    EscribirParesDelEstrato(p, 1, {{1, 0}, {2, 1}});
    EscribirParesDelEstrato(p, 2, {{1, 0}});
    InteraccionGuionada ui;
    EXPECT_EQ(AjustarEstratosDeLaboratorio(p, ui)->texto,
              "Ud. no ha dado los suficientes puntos para el estrato No 2");
    EXPECT_TRUE(ui.Preguntas().empty());
}

TEST(Form16, DeLaboratorioAlArchivoYDeVuelta)
{
    // Form16 ajusta, Form10 acepta m y s ajustados, el proyecto se guarda y se lee igual.
    Proyecto p = RocaCaracterizada({800});
    p.PesoUnitarioHumedo(1) = 2.6;
    p.PesoUnitarioSaturado(1) = 2.7;
    InteraccionGuionada ui;
    ui.EsperarPregunta(textos::PreguntaLaboratorioConMsDefinidos, true);
    ui.EsperarPregunta(textos::PreguntaRocaIntacta(1), true);
    Form10 form10(p, ui, 0);
    form10.AbrirLaboratorio = [&] {
        Form16 form16(p, ui, 0, &form10);
        Mostrar(form16);
        Par(form16, "8000", "0");
        Par(form16, "0", "-1000");
        Pulsar(form16, "BotónAceptar");
        EXPECT_FALSE(form16.isVisible());
    };
    Mostrar(form10);
    EXPECT_EQ(Fila(form10, "CaracterísticasEstratosEnRoca", 0)[3], "7.875");
    Pulsar(form10, "BotónAceptar");
    EXPECT_FALSE(form10.isVisible());
    EXPECT_TRUE(ui.Cumplido());
    EXPECT_EQ(p.ParametroM(1), 7.875);
    EXPECT_FALSE(p.MsDeLaboratorio);

    // Lo que se guarda es lo que se lee.
    CarpetaTemporal carpeta;
    const std::string ruta = carpeta.Ruta("lab.cod");
    EscribirProyecto(ruta, p);
    Proyecto leido;
    ReiniciarProyecto(leido);
    InteraccionGuionada lectura;
    ASSERT_TRUE(LeerProyecto(ruta, leido, lectura));
    EXPECT_TRUE(leido.HayDatosLaboratorio);
    EXPECT_EQ(leido.NumeroPuntosLab(1), 2);
    EXPECT_EQ(leido.Sigma1Lab(1, 1), 8000);
    EXPECT_EQ(leido.Sigma3Lab(1, 2), -1000);
    EXPECT_EQ(leido.ParametroM(1), 7.875);
    EXPECT_EQ(leido.ParametroS(1), 1.0);
    EXPECT_EQ(leido.CompresionSimple(1), 800);
    const std::string ruta2 = carpeta.Ruta("lab2.cod");
    EscribirProyecto(ruta2, leido);
    EXPECT_EQ(LeerBytes(ruta2), LeerBytes(ruta));
}

} // namespace
} // namespace vertana
