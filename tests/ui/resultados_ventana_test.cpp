// La ventana principal y los resultados: el menú de presentación, Form14 abierto desde él y la
// línea del último cálculo en la barra de estado.
#include "model/textos.h"
#include "ui/ventana_de_prueba.h"

#include <QApplication>
#include <QDialog>
#include <QTimer>
#include <functional>

namespace vertana {
namespace {

struct ResultadosEnLaVentana : prueba::VentanaDePrueba {
    std::string Linea() { return Hijo<QLabel>("EtiquetaÚltimoCálculo")->text().toStdString(); }
    bool Contiene(const std::string& texto) { return Linea().find(texto) != std::string::npos; }

    void AbrirFredlundKrahn()
    {
        ventana.ElegirArchivoAbrir = [] {
            return std::string(VERTANA_DATOS_PRUEBA) + "/clasicos/fredlund_krahn_1977_caso1.cod";
        };
        Menu("MenúArchivoAbrir");
    }
    void CalcularBishop()
    {
        ui.EsperarPregunta(textos::PreguntaDesembalseRapido, false);
        ui.EsperarPregunta(textos::PreguntaEsfuerzoEfectivoNulo, true);
        Menu("MétodoBishop");
        ASSERT_TRUE(ui.Cumplido()) << (ui.Errores().empty() ? "" : ui.Errores().front());
    }
    // Elige el elemento del menú y, cuando aparezca su diálogo modal, hace lo que se pida en él.
    bool MenuConDialogo(const char* elemento, std::function<void(QDialog&)> enElDialogo)
    {
        bool visto = false;
        // Un temporizador propio: si no se abre ningún diálogo, muere con la función.
        QTimer temporizador;
        temporizador.setSingleShot(true);
        QObject::connect(&temporizador, &QTimer::timeout, [&] {
            auto* dialogo = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (!dialogo) return;
            visto = true;
            enElDialogo(*dialogo);
            if (dialogo->isVisible()) dialogo->done(QDialog::Rejected);
        });
        temporizador.start(0);
        Menu(elemento);
        return visto;
    }
};

TEST_F(ResultadosEnLaVentana, ElMenuDeSuelosPideSueloYResultados)
{
    const auto abrir = [](QDialog&) {};
    EXPECT_TRUE(Hijo<QAction>("ResultadosCálculoSuelos")->isEnabled());
    // El diálogo de rocas todavía no existe: su elemento sigue deshabilitado.
    EXPECT_FALSE(Hijo<QAction>("ResultadosCálculoRocas")->isEnabled());

    p.SueloRoca = Material::Roca;
    EXPECT_FALSE(MenuConDialogo("ResultadosCálculoSuelos", abrir));
    EXPECT_EQ(UltimoTitulo(), textos::TituloResultadosSoloSuelos);
    EXPECT_EQ(UltimoMensaje(), textos::AvisoResultadosSeleccionoRoca);

    p.SueloRoca = Material::Suelo;
    EXPECT_FALSE(MenuConDialogo("ResultadosCálculoSuelos", abrir));
    EXPECT_EQ(UltimoTitulo(), textos::TituloSinCalculoCompleto);
    EXPECT_EQ(UltimoMensaje(), textos::RealiceElCalculoParaVerResultados);
}

TEST_F(ResultadosEnLaVentana, UltimoCalculoYFormCatorce)
{
    EXPECT_EQ(Linea(), textos::UltimoCalculoNinguno);
    AbrirFredlundKrahn();
    EXPECT_EQ(Linea(), textos::UltimoCalculoNinguno);
    CalcularBishop();
    // "Último cálculo: Bishop  ·  FS = 2.075  ·  100 dovelas  ·  dd/MM/yyyy HH:mm:ss"
    ASSERT_TRUE(ventana.UltimoCalculo() && ventana.UltimoCalculo()->FactorSeguridad);
    const double fs = *ventana.UltimoCalculo()->FactorSeguridad;
    EXPECT_NEAR(fs, 2.080, 0.01); // Fredlund y Krahn, Bishop publicado
    const QRegularExpression forma(
        "^Último cálculo: Bishop  ·  FS = (\\d\\.\\d{3})  ·  (\\d+) dovelas  ·  "
        "\\d\\d/\\d\\d/\\d{4} \\d\\d:\\d\\d:\\d\\d$");
    const auto coincide = forma.match(QString::fromStdString(Linea()));
    ASSERT_TRUE(coincide.hasMatch()) << Linea();
    EXPECT_EQ(coincide.captured(2).toInt(), p.NumeroPuntosDovelas - 1);

    // Form14 muestra el mismo factor que la línea.
    std::string fsDelDialogo;
    EXPECT_TRUE(MenuConDialogo("ResultadosCálculoSuelos", [&](QDialog& d) {
        fsDelDialogo = prueba::Leer(d, "TextoFactorDeSeguridad");
    }));
    EXPECT_EQ(fsDelDialogo, coincide.captured(1).toStdString());

    // Otro dato del cálculo cambia: la línea lo advierte; vuelve a su valor y deja de hacerlo.
    const double kh = p.CoeficienteSismicoHorizontal;
    p.CoeficienteSismicoHorizontal = 0.1;
    Menu("MenúCoordenadasFalla");
    EXPECT_TRUE(Contiene(textos::UltimoCalculoDatosCambiaron)) << Linea();
    p.CoeficienteSismicoHorizontal = kh;
    Menu("MenúCoordenadasTalud");
    EXPECT_FALSE(Contiene(textos::UltimoCalculoDatosCambiaron)) << Linea();

    // Un punto nuevo del talud en el editor es geometría cambiada: la línea se vacía.
    Agregar(100, 18.288);
    EXPECT_EQ(Linea(), textos::UltimoCalculoNinguno);
}

TEST_F(ResultadosEnLaVentana, UnProyectoNuevoVaciaLaLinea)
{
    AbrirFredlundKrahn();
    CalcularBishop();
    EXPECT_TRUE(Contiene("FS = ")) << Linea();
    ui.EsperarPregunta(textos::PreguntaGuardarAntes, false);
    Menu("ArchivoNuevo");
    EXPECT_EQ(Linea(), textos::UltimoCalculoNinguno);
}

} // namespace
} // namespace vertana
