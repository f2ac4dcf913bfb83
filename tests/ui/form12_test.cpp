// Form12 "Resultados del cálculo para rocas": la tabla con m, s y los esfuerzos principales, los
// cuadros, el título de un cálculo con parámetros instantáneos y la calculadora de anclajes,
// sobre el ejemplo de roca calculado de verdad y sobre resultados armados a mano.
#include "apoyo/interaccion_guionada.h"
#include "ayuda_dialogos.h"
#include "calculo/calculo.h"
#include "io/archivo_proyecto.h"
#include "model/textos.h"
#include "proyectos_de_prueba.h"
#include "ui/form12.h"
#include "ui/ventana_ayuda.h"

#include <QLabel>
#include <QRegularExpression>
#include <QTextBrowser>
#include <gtest/gtest.h>

#include <cstdio>

namespace vertana {
namespace {

using namespace prueba;

// Valor con `decimales` decimales redondeado por printf, aparte del formato del programa.
std::string ConDecimales(double v, int decimales)
{
    char texto[64];
    std::snprintf(texto, sizeof texto, "%.*f", decimales, v);
    return texto;
}

// El ejemplo de roca calculado por el método variacional con Hoek-Brown.
Proyecto EjemploCalculado()
{
    Proyecto p;
    ReiniciarProyecto(p);
    InteraccionGuionada lectura;
    EXPECT_TRUE(
        LeerProyecto(std::string(VERTANA_EJEMPLOS) + "/talud_roca_variacional.cod", p, lectura));
    EstadoCalculo e;
    ReiniciarEstadoCalculo(e);
    InteraccionGuionada ui;
    OpcionesCalculo enRocas;
    enRocas.EnRocas = true;
    const ResultadoCalculo r = Calcular(p, e, Metodo::Variacional, enRocas, ui);
    EXPECT_TRUE(r.Convergio()) << r.Mensaje;
    EXPECT_TRUE(ui.Cumplido());
    return p;
}

TEST(Form12, TablaConLosEsfuerzosPrincipalesYCalculadora)
{
    Proyecto p = EjemploCalculado();
    InteraccionGuionada ui;
    Form12 dialogo(p, ui);
    Mostrar(dialogo);
    EXPECT_EQ(dialogo.windowTitle().toStdString(), textos::TituloForm12);
    auto* tabla = Control<QTreeWidget>(dialogo, "ResultadosDelCálculo");
    ASSERT_NE(tabla, nullptr);
    const char* columnas[] = {"No",
                              "dx (m)",
                              "xo (m)",
                              "yt (m)",
                              "yo (m)",
                              "u (ton/m2)",
                              "m",
                              "s",
                              "pu (ton/m3)",
                              "sig (ton/m2)",
                              "sige (ton/m2)",
                              "tau (ton/m2)",
                              "sig3 (ton/m2)",
                              "sig1(ton/m2)"};
    ASSERT_EQ(tabla->columnCount(), 14);
    for (int k = 0; k < 14; ++k)
        EXPECT_EQ(tabla->headerItem()->text(k).toStdString(), columnas[k]);

    const int dovelas = p.NumeroPuntosDovelas - 1;
    ASSERT_EQ(Filas(dialogo, "ResultadosDelCálculo"), dovelas);
    for (int s : {1, 8, dovelas}) {
        const auto fila = Fila(dialogo, "ResultadosDelCálculo", s - 1);
        ASSERT_EQ(fila.size(), 14u);
        EXPECT_EQ(fila[0], ConDecimales(s, 2));
        EXPECT_EQ(fila[1], ConDecimales(p.AnchoDovela(s), 2));
        // m y s del macizo (mi = 10, GSI = 50: m = 10·e^(−50/28), s = e^(−50/9)), seis decimales.
        EXPECT_EQ(fila[6], "1.676772");
        EXPECT_EQ(fila[7], "0.003866");
        EXPECT_EQ(fila[9], ConDecimales(p.EsfuerzoNormalDovela(s), 2));
        EXPECT_EQ(fila[11], ConDecimales(p.EsfuerzoTangencialDovela(s), 2));
        EXPECT_EQ(fila[12], ConDecimales(p.EsfuerzoPrincipalMenorDovela(s), 2));
        EXPECT_EQ(fila[13], ConDecimales(p.EsfuerzoPrincipalMayorDovela(s), 2));
    }
    EXPECT_EQ(Leer(dialogo, "TextoFactorDeSeguridad"),
              ConDecimales(p.HistoriaFS(p.NumeroIteraciones), 3));
    EXPECT_EQ(Leer(dialogo, "TextoPrimerMultiplicador"),
              ConDecimales(p.HistoriaMu1Mu2(p.NumeroIteraciones), 3));
    double s1 = 0, s3 = 0;
    for (int s = 1; s <= dovelas; ++s) {
        s1 += p.EsfuerzoPrincipalMayorDovela(s);
        s3 += p.EsfuerzoPrincipalMenorDovela(s);
    }
    EXPECT_EQ(Leer(dialogo, "TextoSumaEsfuerzosPrincipalesMayores"), ConDecimales(s1, 2));
    EXPECT_EQ(Leer(dialogo, "TextoSumaEsfuerzosPrincipalesMenores"), ConDecimales(s3, 2));
    EXPECT_TRUE(ui.Mensajes().empty());

    // La calculadora de anclajes de Form14 guarda datos y separaciones.
    for (auto [cuadro, texto] : {std::pair{"TextoFactorSeguridadConAnclaje", "2.5"},
                                 {"TextoInclinaciónAnclajes", "15"},
                                 {"TextoDiámetroAnclajes", "1"},
                                 {"TextoEsfuerzoRoturaAnclaje", "12000"},
                                 {"TextoNúmeroGuayasObarras", "4"}})
        Escribir(dialogo, cuadro, texto);
    Pulsar(dialogo, "BotónAceptar");
    EXPECT_TRUE(ui.Mensajes().empty()) << UltimoMensaje(ui).texto;
    EXPECT_EQ(p.FactorSeguridadConAnclaje, 2.5);
    EXPECT_GT(p.SeparacionAnclajesActivos, 0.0);
    EXPECT_EQ(Leer(dialogo, "TextoSeparaciónAnclajesActivos"),
              ConDecimales(p.SeparacionAnclajesActivos, 3));
    Pulsar(dialogo, "BotónCancelar");
    EXPECT_FALSE(dialogo.isVisible());
}

TEST(Form12, ConParametrosInstantaneosMYSonCohesionYFriccion)
{
    Proyecto p = RocaConResultados(true);
    InteraccionGuionada ui;
    Form12 dialogo(p, ui);
    Mostrar(dialogo);
    EXPECT_EQ(dialogo.windowTitle().toStdString(), textos::TituloForm12Instantaneos);
    for (int s = 1; s <= 3; ++s) {
        const auto fila = Fila(dialogo, "ResultadosDelCálculo", s - 1);
        EXPECT_EQ(fila[6], ConDecimales(p.CohesionDovela(s), 6));
        EXPECT_EQ(fila[7], ConDecimales(p.FriccionDovela(s), 6));
    }
    auto* nota = Control<QLabel>(dialogo, "EtiquetaNotaInstantáneos");
    ASSERT_NE(nota, nullptr);
    EXPECT_EQ(nota->text().toStdString(), textos::NotaInstantaneosForm12);
    // Sin parámetros instantáneos, el título propio y m, s de la base.
    Proyecto q = RocaConResultados(false);
    Form12 otro(q, ui);
    Mostrar(otro);
    EXPECT_EQ(otro.windowTitle().toStdString(), textos::TituloForm12);
    EXPECT_EQ(Fila(otro, "ResultadosDelCálculo", 0)[6], ConDecimales(q.ParametroMDovela(1), 6));
}

TEST(Form12, SinResultadosSoloElMensaje)
{
    Proyecto p = RocaConLaboratorio();
    InteraccionGuionada ui;
    Form12 dialogo(p, ui);
    dialogo.Activar();
    EXPECT_EQ(UltimoMensaje(ui).titulo, textos::TituloSinCalculoCompleto);
    EXPECT_EQ(UltimoMensaje(ui).texto, textos::RealiceElCalculoParaVerResultados);
    EXPECT_EQ(Filas(dialogo, "ResultadosDelCálculo"), 0);
}

TEST(Form12, ElManualExplicaLosMetodosEnRocaYElDialogo)
{
    const QString manual = VentanaAyuda().Navegador()->toPlainText();
    for (const char* texto :
         {"Los métodos para macizos rocosos", "Dov Leshchinsky - Ching and Hoek - Brow (m,s)",
          "Método de Janbu aplicado a rocas", "Resultados de la roca",
          "Cálculo con parámetros instantáneos", "límite de tracción"})
        EXPECT_TRUE(manual.contains(QString::fromUtf8(texto))) << texto;
}

} // namespace
} // namespace vertana
