// Una persona describe un talud completo en la ventana y sus diálogos, lo guarda, empieza un
// proyecto nuevo y lo vuelve a abrir: todo lo que escribió sigue ahí.
#include "ayuda_dialogos.h"
#include "model/textos.h"
#include "proyectos_de_prueba.h"
#include "ventana_de_prueba.h"

#include <QApplication>
#include <QDialog>
#include <QTimer>
#include <functional>

namespace vertana {
namespace {

using prueba::Escribir;

struct FlujoCompleto : prueba::VentanaDePrueba {
    // Elige el elemento del menú y, cuando aparezca su diálogo modal, hace lo que se pida en él.
    void MenuConDialogo(const char* elemento, std::function<void(QDialog&)> enElDialogo)
    {
        bool visto = false;
        QTimer::singleShot(0, [&] {
            auto* dialogo = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialogo, nullptr) << elemento;
            visto = true;
            enElDialogo(*dialogo);
            if (dialogo->isVisible()) dialogo->done(QDialog::Rejected); // no debe quedar abierto
        });
        Menu(elemento);
        EXPECT_TRUE(visto) << elemento;
    }
    void Boton(QDialog& d, const char* nombre) { prueba::Control<QPushButton>(d, nombre)->click(); }
};

TEST_F(FlujoCompleto, DescribirGuardarEmpezarDeNuevoYReabrir)
{
    prueba::CarpetaTemporal carpeta;
    const std::string ruta = carpeta.Ruta("presa.cod");

    // Geometría en el editor.
    for (auto [x, y] : {std::pair{60.0, 20.0}, {40.0, 20.0}, {20.0, 10.0}, {0.0, 10.0}})
        Agregar(x, y);
    Menu("MenúCoordenadasFalla");
    Agregar(45, 20);
    Agregar(15, 10);
    Menu("MenúCoordenadasFreático");
    Agregar(60, 12);
    Agregar(0, 8.5);
    Menu("MenúInsertarEstrato"); // el primero, sin preguntar dónde
    Agregar(60, 14);
    Agregar(0, 12);
    ventana.ElegirPosicionEstrato = [] { return std::optional<int>(1); }; // después del 1
    Menu("MenúInsertarEstrato");
    Agregar(60, 0);
    Agregar(0, 0);
    Hijo<QPlainTextEdit>("TextoProyecto")->setPlainText("Presa de prueba\nsección 2");

    // Información, uniones, parámetros y estratos en sus diálogos.
    MenuConDialogo("MenúInformación", [&](QDialog& d) {
        Escribir(d, "TextoEmpresa", "Presas del Sur");
        Boton(d, "Aceptar");
    });
    MenuConDialogo("MénuGeometríaEntrePuntosSuperficieFalla", [&](QDialog& d) {
        Escribir(d, "TextoPuntoI", "1");
        Escribir(d, "TextoPuntoF", "2");
        Escribir(d, "TextoTipoG", "C");
        Boton(d, "Agregar");
        Boton(d, "Aceptar");
    });
    MenuConDialogo("MenúArchivoConstantes", [&](QDialog& d) {
        for (auto [cuadro, texto] : {std::pair{"TextoSueloRoca", "S"},
                                     {"TextoMétodoDeCálculo", "2"},
                                     {"TextoFSInicial", "1.5"},
                                     {"TextoEsfuerzoInicialCresta", "0"},
                                     {"TextoRadioCírculoFalla", "30"},
                                     {"TextoVaríaElRadio", "N"},
                                     {"TextoCoeficienteSísmicoHorizontal", "0.1"},
                                     {"TextoCoeficienteSísmicoVertical", "0"},
                                     {"TextoNúmeroDovelas", "25"},
                                     {"TextoDefiniciónDeParámetrosInstantáneos", "0"},
                                     {"TextoAbscisaPrimerPuntoGrieta", "0"},
                                     {"TextoOrdenadaPrimerPuntoGrieta", "0"},
                                     {"TextoAbscisaSegundoPuntoGrieta", "0"},
                                     {"TextoOrdenadaSegundoPuntoGrieta", "0"},
                                     {"TextoAbscisaNivelFreáticoGrieta", "0"},
                                     {"TextoOrdenadaNivelFreáticoGrieta", "0"}})
            Escribir(d, cuadro, texto);
        Boton(d, "Aceptar");
    });
    ui.EsperarPregunta(textos::PreguntaSaturadoMayorHumedo, true)
        .EsperarPregunta(textos::PreguntaSaturadoMayorHumedo, true);
    MenuConDialogo("CaracterísticasGeomecánicasSuelos", [&](QDialog& d) {
        const char* estrato1[] = {"1.5", "28", "1.8", "2", "B", "0", "0", "0"};
        const char* estrato2[] = {"3", "32", "1.9", "2.1", "B", "0", "0", "0"};
        for (int fila = 0; fila < 2; ++fila) {
            prueba::PulsarFila(d, "CaracterísticasEstratos", fila);
            for (int k = 0; k < 8; ++k)
                Escribir(d, prueba::CuadrosEstrato[k], fila == 0 ? estrato1[k] : estrato2[k]);
            Boton(d, "Modificar");
        }
        Boton(d, "Aceptar");
    });

    // Guardar (todavía sin calcular), nuevo proyecto sin guardar otra vez, y abrir.
    ventana.ElegirArchivoGuardar = [&] { return ruta; };
    ventana.ElegirArchivoAbrir = [&] { return ruta; };
    ui.EsperarPregunta(textos::PreguntaGuardarSinCalcular, true);
    Menu("MenúArchivoGuardar");
    EXPECT_EQ(ventana.windowTitle().toStdString(), "presa.cod - Vertana");
    ui.EsperarPregunta(textos::PreguntaGuardarAntes, false);
    Menu("ArchivoNuevo");
    EXPECT_EQ(p.NumeroCoordenadasTalud(), 0);
    EXPECT_EQ(ventana.windowTitle().toStdString(), "[Nuevo proyecto] - Vertana");
    Menu("MenúArchivoAbrir");

    EXPECT_TRUE(ui.Cumplido()) << (ui.Errores().empty() ? "" : ui.Errores().front());
    EXPECT_EQ(ventana.windowTitle().toStdString(), "presa.cod - Vertana");
    // La geometría vuelve intacta (lo comprueba form1_archivo_test); aquí, lo de los diálogos.
    ASSERT_EQ(p.NumeroDeEstratos(), 2);
    EXPECT_EQ(p.CohesionMacizo(2), 3);
    EXPECT_EQ(p.FriccionMacizo(1), 28);
    EXPECT_EQ(p.PesoUnitarioSaturado(2), 2.1);
    EXPECT_EQ(p.TipoDeFalla(1), TipoUnion::Circular);
    EXPECT_EQ(p.SueloRoca, Material::Suelo);
    EXPECT_EQ(p.MetodoDeCalculo, Metodo::Bishop);
    EXPECT_EQ(p.CoeficienteSismicoHorizontal, 0.1);
    EXPECT_EQ(p.NumeroDovelas, 25);
    EXPECT_GE(p.RadioCirculoFalla, 30);
    EXPECT_EQ(p.Empresa, "Presas del Sur");
    EXPECT_EQ(p.Descripcion, "Presa de prueba sección 2");
}

// Se abre el ejemplo del talud homogéneo (caso 1 de Fredlund y Krahn, 1977, con 30 dovelas) y se
// calcula por Bishop desde el menú: el factor de seguridad queda a menos del 2 % del publicado
// (2.080) y una segunda orden pregunta si se desea recalcular. La dovela de la corona, delgada y
// con la base muy inclinada, da una fuerza normal negativa por la cohesión: se pregunta una vez
// si se sigue.
TEST_F(FlujoCompleto, CalcularBishopDesdeElMenuSobreElEjemplo)
{
    ventana.ElegirArchivoAbrir = [] {
        return std::string(VERTANA_EJEMPLOS) + "/talud_homogeneo_bishop.cod";
    };
    Menu("MenúArchivoAbrir");
    ui.EsperarPregunta(textos::PreguntaDesembalseRapido, false)
        .EsperarPregunta(textos::PreguntaEsfuerzoEfectivoNulo, true);
    Menu("MétodoBishop");
    EXPECT_TRUE(ui.Cumplido()) << (ui.Errores().empty() ? "" : ui.Errores().front());
    EXPECT_EQ(UltimoMensaje(), textos::FinBishop);
    ASSERT_TRUE(p.HayResultados);
    ASSERT_GE(p.NumeroIteraciones, 1);
    EXPECT_NEAR(p.HistoriaFS(p.NumeroIteraciones), 2.080, 0.02 * 2.080);

    // Segundo cálculo con parámetros instantáneos entre puntos: los esfuerzos de Bishop están
    // sobre la recta de Mohr-Coulomb del estrato, así que el factor se repite.
    const double primero = p.HistoriaFS(p.NumeroIteraciones);
    p.DefinicionParametrosInstantaneos = static_cast<DefinicionInstantaneos>(2);
    ui.EsperarPregunta(textos::PreguntaInstantaneosBishop, true)
        .EsperarPregunta(textos::PreguntaDesembalseRapido, false)
        .EsperarPregunta(textos::PreguntaRecalcular, true)
        .EsperarPregunta(textos::PreguntaContinuarInstantaneos, true)
        .EsperarPregunta(textos::PreguntaPrimeraVezCalculo, false)
        .EsperarPregunta(textos::PreguntaEsfuerzoEfectivoNulo, true);
    Menu("CálculoParámetrosInstantáneos");
    EXPECT_TRUE(ui.Cumplido()) << (ui.Errores().empty() ? "" : ui.Errores().front());
    EXPECT_EQ(UltimoMensaje(), textos::FinBishop);
    EXPECT_TRUE(p.UsaParametrosInstantaneos);
    EXPECT_NEAR(p.HistoriaFS(p.NumeroIteraciones), primero, 2e-3);

    // Otra vez: ya hay resultados; No deja los anteriores.
    const double anterior = p.HistoriaFS(p.NumeroIteraciones);
    ui.EsperarPregunta(textos::PreguntaDesembalseRapido, false)
        .EsperarPregunta(textos::PreguntaRecalcular, false);
    Menu("MétodoBishop");
    EXPECT_TRUE(ui.Cumplido());
    EXPECT_EQ(p.HistoriaFS(p.NumeroIteraciones), anterior);
}

// Janbu desde el menú sobre el ejemplo estratificado (nivel freático, superficie compuesta y
// carga): Form17 se abre en cada pasada de la segunda etapa y el cálculo termina con sus
// resultados y los valores de ht.
TEST_F(FlujoCompleto, CalcularJanbuDesdeElMenuAbreForm17)
{
    ventana.ElegirArchivoAbrir = [] {
        return std::string(VERTANA_EJEMPLOS) + "/talud_estratificado_janbu.cod";
    };
    Menu("MenúArchivoAbrir");
    ui.EsperarPregunta(textos::PreguntaDesembalseRapido, false);
    Menu("MétodoJanbu");
    EXPECT_TRUE(ui.Cumplido()) << (ui.Errores().empty() ? "" : ui.Errores().front());
    EXPECT_EQ(UltimoMensaje(), textos::FinJanbu);
    EXPECT_TRUE(p.HayResultados);
    EXPECT_TRUE(p.HayValoresDeHt);
    EXPECT_GE(ui.VecesForm17(), 1);
    EXPECT_GE(p.ValoresDeHt.Tamano(), p.NumeroPuntosDovelas - 1);
}

// El método variacional desde el menú sobre el caso 1 de Fredlund y Krahn (1977), con los valores
// de partida que aconsejan las ayudas de Form2: form9 se muestra tras cada paso y, sin aceptar
// ni salir, la iteración converge cerca del valor riguroso publicado (Spencer 2.073, 3 %).
TEST_F(FlujoCompleto, CalcularVariacionalDesdeElMenuMuestraForm9)
{
    ventana.ElegirArchivoAbrir = [] {
        return std::string(VERTANA_DATOS_PRUEBA) + "/clasicos/fredlund_krahn_1977_caso1.cod";
    };
    Menu("MenúArchivoAbrir");
    p.MetodoDeCalculo = Metodo::Variacional;
    p.MultiplicadorLagrange1 = 24;
    p.MultiplicadorLagrange2 = 30;
    p.FSInicial = 1.5;
    p.EsfuerzoInicialCresta = -1;
    int pasos = 0;
    ui.AlAbrirResultadosDeLasIteraciones([&](const Proyecto&, const SumasDeLaIteracion&) {
        ++pasos;
        return DecisionIteracion::Seguir;
    });
    ui.EsperarPregunta(textos::PreguntaDesembalseRapido, false);
    Menu("ProcesoIterativoEnSuelos");
    EXPECT_TRUE(ui.Cumplido()) << (ui.Errores().empty() ? "" : ui.Errores().front());
    ASSERT_TRUE(p.HayResultados);
    EXPECT_GE(pasos, 1);
    EXPECT_NEAR(p.HistoriaFS(p.NumeroIteraciones), 2.073, 0.03 * 2.073);
}

} // namespace
} // namespace vertana
