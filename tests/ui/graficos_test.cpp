// Menú Gráfico (Form3 y Form11) y vista de la sección de la ventana principal.
#include "model/textos.h"
#include "ui/form11.h"
#include "ui/form3.h"
#include "ui/menu_graficos.h"
#include "ui/ventana_de_prueba.h"
#include "ui/vista_seccion.h"

#include <QCheckBox>

namespace vertana {
namespace {

struct Graficos : prueba::VentanaDePrueba {
    void AbrirEjemplo(const char* archivo)
    {
        ventana.ElegirArchivoAbrir = [archivo] {
            return std::string(VERTANA_EJEMPLOS) + "/" + archivo;
        };
        Menu("MenúArchivoAbrir");
    }
    VistaSeccion* Vista() { return Hijo<VistaSeccion>("VistaSeccion"); }
    int Marcas(FormaMarca forma)
    {
        int n = 0;
        for (const Marca& m : Vista()->EscenaEn(600, 400).marcas)
            n += m.forma == forma;
        return n;
    }
};

TEST_F(Graficos, LosDiezElementosEstanHabilitados)
{
    EXPECT_TRUE(Hijo<QAction>("GráficoGeometría")->isEnabled());
    for (const char* elemento : ElementosGraficosEsfuerzos)
        EXPECT_TRUE(Hijo<QAction>(elemento)->isEnabled()) << elemento;
}

TEST_F(Graficos, GeometriaSinTaludAvisaYQuedaEnBlanco)
{
    Menu("GráficoGeometría");
    EXPECT_EQ(UltimoMensaje(), textos::SinCoordenadasTalud);
    EXPECT_EQ(UltimoTitulo(), textos::TituloSinTalud);
    auto* form3 = Hijo<Form3>("Form3");
    ASSERT_NE(form3, nullptr);
    EXPECT_TRUE(form3->isVisible());
    EXPECT_FALSE(form3->isModal());
    EXPECT_FALSE(form3->Preparacion().has_value());
    EXPECT_TRUE(form3->Lienzo()->EscenaActual().lineas.empty());
}

TEST_F(Graficos, GeometriaDelEjemploSeDibujaSeImprimeYSeCierra)
{
    AbrirEjemplo("talud_estratificado_janbu.cod");
    ui.EsperarPregunta(textos::PreguntaModificoSuperficie, true);
    Menu("GráficoGeometría");
    EXPECT_TRUE(ui.Cumplido());
    auto* form3 = Hijo<Form3>("Form3");
    ASSERT_NE(form3, nullptr);
    EXPECT_EQ(form3->windowTitle().toStdString(), textos::CaptionForm3);
    EXPECT_FALSE(form3->Lienzo()->EscenaActual().rellenos.empty());
    bool titulo = false;
    for (const Texto& t : form3->Lienzo()->EscenaActual().textos)
        titulo = titulo || t.texto == textos::TituloGeometriaTalud;
    EXPECT_TRUE(titulo);

    // Imprimir: la imagen sale sin los botones, que vuelven a verse; un fallo se avisa.
    bool botonesOcultos = false, imagen = false;
    form3->ImprimirImagen = [&](const QImage& ventanaComoSeVe) {
        botonesOcultos = !form3->findChild<QPushButton*>("Imprimir")->isVisible() &&
                         !form3->findChild<QPushButton*>("BotónCerrar")->isVisible();
        imagen = !ventanaComoSeVe.isNull();
        return false; // la impresora falla
    };
    form3->findChild<QPushButton*>("Imprimir")->click();
    EXPECT_TRUE(botonesOcultos);
    EXPECT_TRUE(imagen);
    EXPECT_TRUE(form3->findChild<QPushButton*>("Imprimir")->isVisible());
    EXPECT_EQ(UltimoMensaje(), textos::NoSePudoImprimir);

    // Mostrarla otra vez la reutiliza; Cerrar la oculta.
    ui.EsperarPregunta(textos::PreguntaModificoSuperficie, true);
    Menu("GráficoGeometría");
    EXPECT_EQ(ventana.findChildren<Form3*>().size(), 1);
    form3->findChild<QPushButton*>("BotónCerrar")->click();
    EXPECT_FALSE(form3->isVisible());
}

TEST_F(Graficos, EsfuerzosAntesYDespuesDelCalculo)
{
    AbrirEjemplo("talud_estratificado_janbu.cod");
    Menu("GráficoEsfuerzosNormalesTotalesEfectivosTangenciales");
    EXPECT_EQ(UltimoMensaje(), textos::SinCalculoEsfuerzos);
    EXPECT_EQ(UltimoTitulo(), textos::TituloSinCalculoEsfuerzos);
    auto* form11 = Hijo<Form11>("Form11");
    ASSERT_NE(form11, nullptr);
    EXPECT_FALSE(form11->Dibujado());
    EXPECT_EQ(form11->windowTitle().toStdString(), textos::CaptionForm11);

    // Janbu por lotes desde el menú (Form17 se cierra sin cambios en cada pasada).
    ui.EsperarPregunta(textos::PreguntaDesembalseRapido, false);
    Menu("MétodoJanbu");
    ASSERT_TRUE(p.HayResultados) << UltimoMensaje();

    Menu("GráficoEsfuerzosNormalesTotalesEfectivosTangenciales");
    EXPECT_TRUE(form11->Dibujado());
    EXPECT_EQ(form11->Tipo(), TipoDeGrafico::NormalesYTangenciales);
    EXPECT_EQ(form11->windowTitle().toStdString(), textos::CaptionEsfuerzosEnFalla);
    auto leyenda = [&](const char* nombre) {
        return form11->findChild<QLabel*>(nombre)->text().toStdString();
    };
    EXPECT_EQ(leyenda("EsfuerzosNormalesTotales"), textos::LeyendaNormalTotal);
    EXPECT_EQ(leyenda("EsfuerzosNormalesEfectivos"), textos::LeyendaNormalEfectivo);
    EXPECT_EQ(leyenda("EsfuerzosTangenciales"), textos::LeyendaTangencial);
    EXPECT_EQ(form11->Lienzo()->EscenaActual().lineas.size() > 3, true);

    // Los principales de un suelo se rehacen: una entrada por dovela.
    Menu("GráficoDeEsfuerzosPrincipales");
    EXPECT_EQ(leyenda("EsfuerzosNormalesTotales"), textos::LeyendaPrincipalMayor);
    EXPECT_EQ(leyenda("EsfuerzosTangenciales"), "");
    EXPECT_EQ(p.EsfuerzoPrincipalMayorDovela.Tamano(), p.NumeroPuntosDovelas - 1);

    form11->findChild<QPushButton*>("BotónCerrar")->click();
    EXPECT_FALSE(form11->isVisible());
    EXPECT_EQ(leyenda("EsfuerzosNormalesTotales"), "");
    EXPECT_EQ(ventana.findChildren<Form11*>().size(), 1);
}

TEST_F(Graficos, LaVistaSigueAlEditorYMuestraElFactorTrasElCalculo)
{
    ASSERT_NE(Vista(), nullptr);
    EXPECT_EQ(Marcas(FormaMarca::Cuadrado), 0);
    Agregar(60, 20);
    Agregar(40, 20);
    Agregar(0, 2020); // el error de escritura se ve: la vista llega hasta y = 2020
    EXPECT_EQ(Marcas(FormaMarca::Cuadrado), 3);
    EXPECT_GE(Vista()->EscenaEn(600, 400).transformacion.mundo.y1, 2020.0);
    Elegir(3);
    EXPECT_EQ(Marcas(FormaMarca::Anillo), 1);
    Pulsar("BotónBorrar");
    EXPECT_EQ(Marcas(FormaMarca::Cuadrado), 2);
    EXPECT_LT(Vista()->EscenaEn(600, 400).transformacion.mundo.y1, 100.0);

    // Acercar y desplazar fijan una ventana; Ajustar vuelve a toda la sección.
    Vista()->Acercar(0.5, 300, 200);
    ASSERT_TRUE(Vista()->Ventana().has_value());
    Vista()->Desplazar(10, 0);
    Pulsar("BotónAjustar");
    EXPECT_FALSE(Vista()->Ventana().has_value());
    Hijo<QCheckBox>("EscalasIguales")->setChecked(false);
    const Transformacion t = Vista()->EscenaEn(600, 400).transformacion;
    EXPECT_NE(t.ex, t.ey);

    // Tras el cálculo, el factor de seguridad del último cálculo junto a la superficie.
    ui.EsperarPregunta(textos::PreguntaAbrirOtro, true);
    AbrirEjemplo("talud_estratificado_janbu.cod");
    ui.EsperarPregunta(textos::PreguntaDesembalseRapido, false);
    Menu("MétodoJanbu");
    ASSERT_TRUE(ventana.UltimoCalculo() && ventana.UltimoCalculo()->FactorSeguridad);
    const std::string esperado = textos::EtiquetaFactorSeguridad(
        *ventana.UltimoCalculo()->FactorSeguridad, NombreDeMetodo(Metodo::Janbu));
    bool factor = false;
    for (const Texto& texto : Vista()->EscenaEn(900, 600).textos)
        factor = factor || texto.texto == esperado;
    EXPECT_TRUE(factor) << esperado;
}

} // namespace
} // namespace vertana
