// Form14 "Resultados del suelo": la tabla, los cuadros y la calculadora de anclajes, sobre un
// problema publicado calculado de verdad y sobre resultados armados a mano.
#include "apoyo/interaccion_guionada.h"
#include "ayuda_dialogos.h"
#include "calculo/calculo.h"
#include "io/archivo_proyecto.h"
#include "model/textos.h"
#include "proyectos_de_prueba.h"
#include "ui/form14.h"

#include <QRegularExpression>
#include <gtest/gtest.h>

#include <cstdio>

namespace vertana {
namespace {

using namespace prueba;

// Dos decimales redondeados por printf, aparte del formato del programa.
std::string DosDecimales(double v)
{
    char texto[64];
    std::snprintf(texto, sizeof texto, "%.2f", v);
    return texto;
}

bool TresDecimales(const std::string& texto)
{
    return QRegularExpression("^-?\\d+\\.\\d{3}$").match(QString::fromStdString(texto)).hasMatch();
}

// Fredlund y Krahn (1977), caso 1 (tests/datos/clasicos/FUENTES.md), calculado por Bishop con
// las preguntas que hace a una persona.
Proyecto FredlundKrahnConBishop()
{
    Proyecto p;
    ReiniciarProyecto(p);
    InteraccionGuionada lectura;
    EXPECT_TRUE(LeerProyecto(
        std::string(VERTANA_DATOS_PRUEBA) + "/clasicos/fredlund_krahn_1977_caso1.cod", p, lectura));
    EstadoCalculo e;
    ReiniciarEstadoCalculo(e);
    InteraccionGuionada ui;
    ui.EsperarPregunta(textos::PreguntaDesembalseRapido, false);
    ui.EsperarPregunta(textos::PreguntaEsfuerzoEfectivoNulo, true);
    const ResultadoCalculo r = Calcular(p, e, Metodo::Bishop, {}, ui);
    EXPECT_TRUE(r.Convergio()) << r.Mensaje;
    EXPECT_TRUE(ui.Cumplido());
    return p;
}

TEST(Form14, TablaYCuadrosDeUnProblemaPublicado)
{
    Proyecto p = FredlundKrahnConBishop();
    InteraccionGuionada ui;
    Form14 dialogo(p, ui);
    Mostrar(dialogo);
    EXPECT_EQ(dialogo.windowTitle().toStdString(), "Resultados del suelo");
    auto* tabla = Control<QTreeWidget>(dialogo, "ResultadosDelCálculo");
    ASSERT_NE(tabla, nullptr);
    const char* columnas[] = {"No",          "dx (m)",       "xo (m)",        "yt (m)",
                              "yo (m)",      "u (ton/m2)",   "c (ton/m2)",    "fi (grados)",
                              "pu (ton/m3)", "sig (ton/m2)", "sige (ton/m2)", "tau (ton/m2)"};
    ASSERT_EQ(tabla->columnCount(), 12);
    for (int k = 0; k < 12; ++k)
        EXPECT_EQ(tabla->headerItem()->text(k).toStdString(), columnas[k]);

    // Una fila por dovela, cada valor con dos decimales.
    const int dovelas = p.NumeroPuntosDovelas - 1;
    ASSERT_EQ(Filas(dialogo, "ResultadosDelCálculo"), dovelas);
    for (int s : {1, dovelas / 2, dovelas}) {
        const std::vector<std::string> esperada = {DosDecimales(s),
                                                   DosDecimales(p.AnchoDovela(s)),
                                                   DosDecimales(p.AbscisaCentroDovela(s)),
                                                   DosDecimales(p.OrdenadaTaludDovela(s)),
                                                   DosDecimales(p.OrdenadaCentroDovela(s)),
                                                   DosDecimales(p.PresionPorosDovela(s)),
                                                   DosDecimales(p.CohesionDovela(s)),
                                                   DosDecimales(p.FriccionDovela(s)),
                                                   DosDecimales(p.PesoUnitarioDovela(s)),
                                                   DosDecimales(p.EsfuerzoNormalDovela(s)),
                                                   DosDecimales(p.EsfuerzoEfectivoDovela(s)),
                                                   DosDecimales(p.EsfuerzoTangencialDovela(s))};
        EXPECT_EQ(Fila(dialogo, "ResultadosDelCálculo", s - 1), esperada) << "dovela " << s;
    }
    // Suelo del problema: c = 2.93 ton/m2 (600 psf), φ = 20°, γ = 1.92 ton/m3 (120 pcf).
    EXPECT_EQ(Fila(dialogo, "ResultadosDelCálculo", 0)[6], "2.93");
    EXPECT_EQ(Fila(dialogo, "ResultadosDelCálculo", 0)[7], "20.00");
    EXPECT_EQ(Fila(dialogo, "ResultadosDelCálculo", 0)[8], "1.92");

    // Factor de seguridad con tres decimales, dentro de 0.01 del publicado (Bishop 2.080).
    const std::string fs = Leer(dialogo, "TextoFactorDeSeguridad");
    EXPECT_TRUE(TresDecimales(fs)) << fs;
    EXPECT_NEAR(std::stod(fs), 2.080, 0.01);
    // Las sumas, contra la suma de las columnas de la tabla.
    double tau = 0, sig = 0, sige = 0;
    for (int s = 1; s <= dovelas; ++s) {
        tau += p.EsfuerzoTangencialDovela(s);
        sig += p.EsfuerzoNormalDovela(s);
        sige += p.EsfuerzoEfectivoDovela(s);
    }
    EXPECT_EQ(Leer(dialogo, "TextoSumaEsfuerzosTangenciales"), DosDecimales(tau));
    EXPECT_EQ(Leer(dialogo, "TextoSumaEsfuerzosNormalesTotales"), DosDecimales(sig));
    EXPECT_EQ(Leer(dialogo, "TextoSumaEsfuerzosNormalesEfectivos"), DosDecimales(sige));
    // Bishop no tiene multiplicadores: quedan en blanco.
    EXPECT_EQ(Leer(dialogo, "TextoPrimerMultiplicador"), " ");
    EXPECT_EQ(Leer(dialogo, "TextoSegundoMultiplicador"), " ");
    EXPECT_TRUE(ui.Mensajes().empty());
}

TEST(Form14, MultiplicadoresDelVariacionalYAnclajesGuardados)
{
    Proyecto p = SueloConResultados(3);
    p.MetodoDeCalculo = Metodo::Variacional;
    p.HistoriaMu1Mu2 = TablaDe({25.0, 25.0 + 1.0 / 3.0});
    p.HistoriaInversaMu2 = TablaDe({40.0, 39.8755});
    p.FactorSeguridadConAnclaje = 1.5;
    p.InclinacionAnclajes = 15;
    p.DiametroAnclajes = 1.25;
    p.EsfuerzoRoturaAnclaje = 17500;
    p.NumeroGuayasObarras = 4;
    p.SeparacionAnclajesActivos = 2.5;
    p.SeparacionAnclajesPasivos = 3.125;
    InteraccionGuionada ui;
    Form14 dialogo(p, ui);
    Mostrar(dialogo);
    // La última iteración (2) con tres decimales; F = 1 + π/10.
    EXPECT_EQ(Leer(dialogo, "TextoPrimerMultiplicador"), "25.333");
    EXPECT_EQ(Leer(dialogo, "TextoSegundoMultiplicador"), "39.876");
    EXPECT_EQ(Leer(dialogo, "TextoFactorDeSeguridad"), "1.314");
    // Los anclajes guardados al abrir: (FS)a con tres decimales, los demás con dos.
    EXPECT_EQ(Leer(dialogo, "TextoFactorSeguridadConAnclaje"), "1.500");
    EXPECT_EQ(Leer(dialogo, "TextoInclinaciónAnclajes"), "15.00");
    EXPECT_EQ(Leer(dialogo, "TextoDiámetroAnclajes"), "1.25");
    EXPECT_EQ(Leer(dialogo, "TextoEsfuerzoRoturaAnclaje"), "17500.00");
    EXPECT_EQ(Leer(dialogo, "TextoNúmeroGuayasObarras"), "4.00");
    EXPECT_EQ(Leer(dialogo, "TextoSeparaciónAnclajesActivos"), "2.50");
    EXPECT_EQ(Leer(dialogo, "TextoSeparaciónAnclajesPasivos"), "3.13");
}

TEST(Form14, CalculadoraDeAnclajesGuardaORechazaSinCambiarNada)
{
    Proyecto p = FredlundKrahnConBishop();
    InteraccionGuionada ui;
    Form14 dialogo(p, ui);
    Mostrar(dialogo);

    // Inclinación 0: el mensaje, el diálogo sigue abierto y el proyecto no cambia.
    const Proyecto antes = p;
    for (auto [cuadro, texto] : {std::pair{"TextoFactorSeguridadConAnclaje", "2.5"},
                                 {"TextoInclinaciónAnclajes", "0"},
                                 {"TextoDiámetroAnclajes", "1"},
                                 {"TextoEsfuerzoRoturaAnclaje", "12000"},
                                 {"TextoNúmeroGuayasObarras", "4"}})
        Escribir(dialogo, cuadro, texto);
    Pulsar(dialogo, "BotónAceptar");
    EXPECT_EQ(UltimoMensaje(ui).texto, textos::AnclajesInclinacion);
    EXPECT_TRUE(dialogo.isVisible());
    EXPECT_EQ(p, antes);

    // Con 15° y Enter en el cuadro: los cinco datos y las dos separaciones quedan en el
    // proyecto, y las separaciones se muestran con tres decimales.
    Escribir(dialogo, "TextoInclinaciónAnclajes", "15");
    QTest::keyClick(Control<QLineEdit>(dialogo, "TextoInclinaciónAnclajes"), Qt::Key_Return);
    EXPECT_TRUE(dialogo.isVisible());
    EXPECT_EQ(ui.Mensajes().size(), 1u);
    EXPECT_EQ(p.FactorSeguridadConAnclaje, 2.5);
    EXPECT_EQ(p.InclinacionAnclajes, 15.0);
    EXPECT_EQ(p.DiametroAnclajes, 1.0);
    EXPECT_EQ(p.EsfuerzoRoturaAnclaje, 12000.0);
    EXPECT_EQ(p.NumeroGuayasObarras, 4.0);
    EXPECT_GT(p.SeparacionAnclajesActivos, 0.0);
    EXPECT_FALSE(p.DatosGuardados);
    const std::string sa = Leer(dialogo, "TextoSeparaciónAnclajesActivos");
    const std::string sp = Leer(dialogo, "TextoSeparaciónAnclajesPasivos");
    EXPECT_TRUE(TresDecimales(sa) && TresDecimales(sp)) << sa << " " << sp;
    EXPECT_NEAR(std::stod(sa), p.SeparacionAnclajesActivos, 0.0005);
    EXPECT_NEAR(std::stod(sp), p.SeparacionAnclajesPasivos, 0.0005);
    // El resto de los resultados no cambia: el diálogo no recalcula.
    EXPECT_EQ(p.HistoriaFS, antes.HistoriaFS);
    EXPECT_EQ(p.EsfuerzoNormalDovela, antes.EsfuerzoNormalDovela);

    Pulsar(dialogo, "BotónCancelar");
    EXPECT_FALSE(dialogo.isVisible());
}

TEST(Form14, SinResultadosSoloElMensaje)
{
    Proyecto p = SueloCirculoUnico();
    InteraccionGuionada ui;
    Form14 dialogo(p, ui);
    dialogo.Activar();
    EXPECT_EQ(UltimoMensaje(ui).titulo, textos::TituloSinCalculoCompleto);
    EXPECT_EQ(UltimoMensaje(ui).texto, textos::RealiceElCalculoParaVerResultados);
    EXPECT_EQ(Filas(dialogo, "ResultadosDelCálculo"), 0);
    EXPECT_EQ(Leer(dialogo, "TextoFactorDeSeguridad"), "");
}

} // namespace
} // namespace vertana
