// El contraste con Spencer y Morgenstern-Price desde el menú, las filas de su diálogo, y la
// casilla "Valores de partida automáticos" de Form2.
#include "ayuda_dialogos.h"
#include "model/textos.h"
#include "ui/dialogo_contraste.h"
#include "ui/form2.h"
#include "ventana_de_prueba.h"

#include <QApplication>
#include <QCheckBox>
#include <QTimer>

namespace vertana {
namespace {

using namespace prueba;

ResultadoRiguroso Riguroso(MetodoRiguroso metodo, std::optional<double> F, double lambda)
{
    ResultadoRiguroso r;
    r.Metodo = metodo;
    r.Estado = F ? EstadoDelCalculo::Convergido : EstadoDelCalculo::Limite;
    r.FactorSeguridad = F;
    r.Lambda = lambda;
    if (!F) r.Mensaje = textos::RigurosoSinConvergencia;
    return r;
}

// El método elegido con su factor guardado y la diferencia relativa de cada riguroso; sin
// resultados del elegido no hay diferencia; sin solución rigurosa, la fila lo dice y la razón va
// en las notas.
TEST(DialogoContraste, FilasConElMetodoElegidoYLasDiferencias)
{
    Proyecto p;
    ReiniciarProyecto(p);
    p.MetodoDeCalculo = Metodo::Janbu;
    p.HayResultados = true;
    p.HistoriaFS = TablaDe<double>({1.5, 2.0});
    p.NumeroIteraciones = 2;
    const std::vector<ResultadoRiguroso> r = {Riguroso(MetodoRiguroso::Spencer, 2.05, 0.25),
                                              Riguroso(MetodoRiguroso::MorgensternPrice, {}, 0)};
    EXPECT_EQ(
        FilasDelContraste(p, r),
        (std::vector<FilaContraste>{{"Elegido: Janbu", "2.000", "", ""},
                                    {"Spencer", "2.050", "0.250", "2.5 %"},
                                    {"Morgenstern-Price (medio seno)", "sin solución", "", ""}}));
    EXPECT_NE(NotasDelContraste(r).find(textos::RigurosoSinConvergencia), std::string::npos);
    p.HayResultados = false;
    EXPECT_EQ(FilasDelContraste(p, r)[0].Factor, textos::SinResultadosContraste);
    EXPECT_EQ(FilasDelContraste(p, r)[1].Diferencia, "");
}

// Desde el menú, tras Janbu sobre el caso 1 de Fredlund y Krahn: las mismas preguntas que un
// método y el diálogo con las tres filas, Spencer a menos del 1 % del publicado (2.073).
TEST_F(VentanaDePrueba, ContrasteDesdeElMenuTrasJanbu)
{
    ventana.ElegirArchivoAbrir = [] {
        return std::string(VERTANA_DATOS_PRUEBA) + "/clasicos/fredlund_krahn_1977_caso1.cod";
    };
    Menu("MenúArchivoAbrir");
    p.MetodoDeCalculo = Metodo::Janbu;
    ui.EsperarPregunta(textos::PreguntaDesembalseRapido, false);
    Menu("MétodoJanbu");
    ASSERT_TRUE(p.HayResultados);
    ui.EsperarPregunta(textos::PreguntaDesembalseRapido, false)
        .EsperarPregunta(textos::PreguntaPrimeraVezCalculo, false);
    std::vector<std::string> filas;
    QTimer::singleShot(0, [&] {
        auto* dialogo = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialogo, nullptr);
        auto* lista = Control<QTreeWidget>(*dialogo, "ListaContraste");
        for (int i = 0; i < lista->topLevelItemCount(); ++i)
            filas.push_back(Celda(lista, i, 0) + "|" + Celda(lista, i, 1));
        prueba::Pulsar(*dialogo, "BotónAceptar");
    });
    Menu("MenúContrasteRiguroso");
    EXPECT_TRUE(ui.Cumplido()) << (ui.Errores().empty() ? "" : ui.Errores().front());
    ASSERT_EQ(filas.size(), 3u);
    EXPECT_EQ(filas[0].rfind("Elegido: Janbu|2.07", 0), 0u) << filas[0];
    const double spencer = std::stod(filas[1].substr(filas[1].find('|') + 1));
    EXPECT_NEAR(spencer, 2.073, 0.01 * 2.073);
}

// Con la casilla marcada, los cuadros de los valores de partida no se piden ni se usan, y la
// opción queda en el estado del cálculo al aceptar; Form2 sin opción enlazada no la muestra.
TEST(Form2PartidaAutomatica, CasillaEnlazadaConLaOpcionDeLaSesion)
{
    Proyecto p;
    ReiniciarProyecto(p);
    p.AbscisasTalud = TablaDe<double>({60, 40, 20, 0});
    p.OrdenadasTalud = TablaDe<double>({20, 20, 10, 10});
    p.AbscisasFalla = TablaDe<double>({45, 15});
    p.OrdenadasFalla = TablaDe<double>({20, 10});
    p.NumeroTiposDeFalla = 1;
    p.PuntoInicialTipoFalla = TablaDe<double>({1});
    p.PuntoFinalTipoFalla = TablaDe<double>({2});
    p.TipoDeFalla = TablaDe<TipoUnion>({TipoUnion::Recta});
    p.TiposDeFallaDefinidos = true;
    InteraccionGuionada ui;
    {
        Form2 sinOpcion(p, ui);
        Mostrar(sinOpcion);
        EXPECT_FALSE(Control<QCheckBox>(sinOpcion, "CasillaPartidaAutomática")->isVisible());
    }
    bool opcion = false;
    Form2 dialogo(p, ui);
    dialogo.EnlazarPartidaAutomatica(&opcion);
    Mostrar(dialogo);
    auto* casilla = Control<QCheckBox>(dialogo, "CasillaPartidaAutomática");
    ASSERT_TRUE(casilla->isVisible());
    EXPECT_EQ(casilla->text().toStdString(), "Valores de partida automáticos");
    Escribir(dialogo, "TextoSueloRoca", "S");
    Escribir(dialogo, "TextoMétodoDeCálculo", "1");
    for (const char* cuadro :
         {"TextoCoeficienteSísmicoHorizontal", "TextoCoeficienteSísmicoVertical",
          "TextoAbscisaPrimerPuntoGrieta", "TextoOrdenadaPrimerPuntoGrieta",
          "TextoAbscisaSegundoPuntoGrieta", "TextoOrdenadaSegundoPuntoGrieta",
          "TextoAbscisaNivelFreáticoGrieta", "TextoOrdenadaNivelFreáticoGrieta"})
        Escribir(dialogo, cuadro, "0");
    Escribir(dialogo, "TextoNúmeroDovelas", "30");
    // Sin la casilla, µ1 en blanco se rechaza.
    ui.EsperarPregunta(textos::PreguntaLeshchinskyCohesivos, true);
    Pulsar(dialogo, "Aceptar");
    EXPECT_EQ(ui.Mensajes().back(), textos::PrimerMultiplicadorNoNumerico);
    EXPECT_FALSE(p.ParametrosIntroducidos);
    casilla->setChecked(true);
    EXPECT_FALSE(Control<QLineEdit>(dialogo, "TextoMultiplicadorLagrange1")->isEnabled());
    ui.EsperarPregunta(textos::PreguntaLeshchinskyCohesivos, true);
    Pulsar(dialogo, "Aceptar");
    EXPECT_TRUE(ui.Cumplido());
    EXPECT_TRUE(p.ParametrosIntroducidos);
    EXPECT_TRUE(opcion);
    // Al abrirlo otra vez la casilla refleja la opción.
    opcion = false;
    Form2 otra(p, ui);
    otra.EnlazarPartidaAutomatica(&opcion);
    Mostrar(otra);
    EXPECT_FALSE(Control<QCheckBox>(otra, "CasillaPartidaAutomática")->isChecked());
}

} // namespace
} // namespace vertana
