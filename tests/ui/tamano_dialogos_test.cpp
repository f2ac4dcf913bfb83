// Ningún diálogo se abre más chico que su tamaño sugerido ni con un rótulo, un botón o una columna
// de lista cortados. Cada diálogo se abre sin pantalla, sobre un proyecto nuevo y sobre cada
// ejemplo, como lo abre el programa (los del cálculo, desde el cálculo del ejemplo), y se compara
// su tamaño con lo que Qt dice que necesita: sizeHint de la ventana, minimumSizeHint de rótulos y
// botones, heightForWidth de un rótulo que se parte en líneas, sectionSizeHint de cada columna.
#include "apoyo/interaccion_guionada.h"
#include "calculo/busqueda_ajustes.h"
#include "calculo/calculo.h"
#include "geometry/estado_calculo.h"
#include "model/textos.h"
#include "rock/parametros_instantaneos.h"
#include "ui/dialogo_archivos.h"
#include "ui/dialogo_busqueda.h"
#include "ui/form1.h"
#include "ui/form10.h"
#include "ui/form11.h"
#include "ui/form13.h"
#include "ui/form14.h"
#include "ui/form15.h"
#include "ui/form16.h"
#include "ui/form17.h"
#include "ui/form18.h"
#include "ui/form19.h"
#include "ui/form2.h"
#include "ui/form3.h"
#include "ui/form4.h"
#include "ui/form5.h"
#include "ui/form6.h"
#include "ui/form7.h"
#include "ui/form8.h"
#include "ui/form9.h"
#include "ui/frm_about.h"
#include "ui/menu_graficos.h"
#include "ui/ventana_ayuda.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QHeaderView>
#include <QLabel>
#include <QPrintDialog>
#include <QPrinter>
#include <QSettings>
#include <QTreeView>
#include <QVBoxLayout>
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace vertana {
namespace {

std::string Texto(const QString& texto)
{
    return texto.toStdString();
}

std::string Medidas(const QSize& tamano)
{
    return std::to_string(tamano.width()) + "×" + std::to_string(tamano.height());
}

// Lo que Qt dice que no cabe en una ventana ya mostrada.
std::vector<std::string> ProblemasDeTamano(QWidget& ventana)
{
    std::vector<std::string> problemas;
    const QSize sugerido = ventana.sizeHint();
    if (ventana.width() < sugerido.width() || ventana.height() < sugerido.height())
        problemas.push_back("la ventana mide " + Medidas(ventana.size()) + " y necesita " +
                            Medidas(sugerido));

    for (QLabel* rotulo : ventana.findChildren<QLabel*>()) {
        if (!rotulo->isVisibleTo(&ventana) || rotulo->text().trimmed().isEmpty()) continue;
        const bool cortado = rotulo->wordWrap()
                                 ? rotulo->height() < rotulo->heightForWidth(rotulo->width())
                                 : rotulo->width() < rotulo->minimumSizeHint().width() ||
                                       rotulo->height() < rotulo->minimumSizeHint().height();
        if (cortado)
            problemas.push_back("rótulo cortado «" + Texto(rotulo->text()) + "» (" +
                                Medidas(rotulo->size()) + ")");
    }
    for (QAbstractButton* boton : ventana.findChildren<QAbstractButton*>()) {
        if (!boton->isVisibleTo(&ventana) || boton->text().isEmpty()) continue;
        if (boton->width() < boton->minimumSizeHint().width() ||
            boton->height() < boton->minimumSizeHint().height())
            problemas.push_back("botón cortado «" + Texto(boton->text()) + "»");
    }
    for (QTreeView* lista : ventana.findChildren<QTreeView*>()) {
        if (!lista->isVisibleTo(&ventana) || lista->isHeaderHidden()) continue;
        const QHeaderView* encabezado = lista->header();
        if (encabezado->length() > lista->viewport()->width())
            problemas.push_back("las columnas de " + Texto(lista->objectName()) + " miden " +
                                std::to_string(encabezado->length()) + " y se ven " +
                                std::to_string(lista->viewport()->width()));
        for (int c = 0; c < encabezado->count(); ++c)
            if (!encabezado->isSectionHidden(c) &&
                encabezado->sectionSize(c) < encabezado->sectionSizeHint(c))
                problemas.push_back(
                    "encabezado cortado «" +
                    Texto(lista->model()->headerData(c, Qt::Horizontal).toString()) + "» en " +
                    Texto(lista->objectName()));
    }
    return problemas;
}

// Preguntas de un cálculo que se contestan Sí para que el cálculo llegue a los diálogos de la
// iteración; las demás (desembalse, "¿Considera que es la solución?", salir) se contestan No.
const std::set<std::string> PreguntasConSi = {
    textos::PreguntaRecalcular,           textos::PreguntaPrimeraVezCalculo,
    textos::PreguntaPresionesExistentes,  textos::PreguntaEsfuerzoEfectivoNulo,
    textos::PreguntaAnguloDovela,         textos::PreguntaProgramaFijaHt,
    textos::PreguntaContinuarInstantaneos};

// Interacción que, en vez de dejar que la persona decida, abre cada diálogo que pide el cálculo,
// lo mide y devuelve "aceptar".
class InteraccionQueMide : public InteraccionRegistrada {
public:
    std::vector<std::string> problemas;
    std::set<std::string> medidos;
    std::string caso;

    void Medir(QWidget& ventana, const std::string& nombre)
    {
        ventana.show();
        // Como antes de pintar: la disposición se rehace con los textos y las listas ya puestos
        // (sin correr todavía las preguntas que el diálogo deja para cuando esté en pantalla).
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        for (const std::string& problema : ProblemasDeTamano(ventana))
            problemas.push_back(caso + ", " + nombre + ": " + problema);
        medidos.insert(nombre);
        ventana.close();
    }

    bool ParametrosDeCalculo(Proyecto& p) override
    {
        Form2 dialogo(p, *this);
        Medir(dialogo, "Form2");
        return false;
    }
    DecisionJanbu IteracionJanbu(const Proyecto& p, const IteracionJanbuMostrada& pasada) override
    {
        Form17 dialogo(p, pasada, *this);
        dialogo.Activar(); // No y No: queda abierto para editar ht
        Medir(dialogo, "Form17");
        return {DecisionIteracion::Aceptar, std::nullopt};
    }
    DecisionIteracion ResultadosDeLasIteraciones(const Proyecto& p,
                                                 const SumasDeLaIteracion& sumas) override
    {
        Form9 dialogo(p, sumas, *this);
        Medir(dialogo, "form9");
        return DecisionIteracion::Aceptar;
    }
    std::optional<Tabla<double>> ChequeoDeEsfuerzos(const Proyecto&,
                                                    const EsfuerzosDelChequeo& esfuerzos) override
    {
        Form13 dialogo(*this, esfuerzos);
        Medir(dialogo, "Form13");
        return std::nullopt;
    }
    std::optional<ParametrosDeDovelas>
    CambioDeParametrosDeResistencia(const Proyecto&, const ParametrosDeDovelas& actuales) override
    {
        Form18 dialogo(actuales, *this);
        Medir(dialogo, "Form18");
        return std::nullopt;
    }

protected:
    bool Responder(const std::string& texto) override { return PreguntasConSi.contains(texto); }
};

// Los esfuerzos de las dovelas del proyecto como los mostraría el chequeo de Form13.
EsfuerzosDelChequeo EsfuerzosDelProyecto(const Proyecto& p)
{
    EsfuerzosDelChequeo e;
    for (int i = 1; i <= p.EsfuerzoNormalDovela.Tamano(); ++i) {
        e.Anterior.push_back(p.EsfuerzoNormalDovela(i));
        e.Actual.push_back(p.EsfuerzoNormalDovela(i));
        e.Minimo.push_back(0.0);
    }
    e.DovelaSinChequeo = 1;
    return e;
}

// Abre la ventana principal y todos los diálogos sobre el proyecto de la ventana; con un archivo,
// antes lo abre y calcula con su método.
std::vector<std::string> MedirTodo(const std::string& archivo, std::set<std::string>& medidos)
{
    QSettings().clear(); // la ventana principal, como la primera vez que se abre el programa
    Proyecto p;
    InteraccionQueMide ui;
    ui.caso = archivo.empty() ? "proyecto nuevo"
                              : QFileInfo(QString::fromStdString(archivo)).fileName().toStdString();
    Form1 ventana(p, ui);
    EstadoCalculo& estado = ventana.Estado();
    if (!archivo.empty()) {
        ventana.AbrirArchivo(archivo);
        Calcular(p, estado, p.MetodoDeCalculo, {}, ui);
    }
    ui.Medir(ventana, "Form1");

    {
        Form2 d(p, ui);
        ui.Medir(d, "Form2");
    }
    {
        Form4 d(p);
        ui.Medir(d, "Form4");
    }
    {
        Form5 d(p, ui, 0);
        ui.Medir(d, "Form5");
    }
    {
        Form6 d(p, ui);
        ui.Medir(d, "Form6");
    }
    {
        Form7 d(p, ui);
        ui.Medir(d, "Form7");
    }
    {
        Form8 d(p, ui);
        ui.Medir(d, "Form8");
    }
    {
        Form15 d(p, ui);
        ui.Medir(d, "Form15");
    }
    {
        Form19 d(p, ui);
        ui.Medir(d, "Form19");
    }
    {
        Form9 d(p, SumasDeLaIteracion{}, ui);
        ui.Medir(d, "form9");
    }
    {
        Form13 d(ui, EsfuerzosDelProyecto(p));
        ui.Medir(d, "Form13");
    }
    {
        IteracionJanbuMostrada pasada;
        pasada.AnguloLineaEmpuje.Redimensionar(std::max(p.NumeroPuntosDovelas - 2, 0));
        Form17 d(p, pasada, ui);
        d.Activar();
        ui.Medir(d, "Form17");
    }
    {
        Form18 d(ParametrosParaCambiar(p, estado), ui);
        ui.Medir(d, "Form18");
    }
    {
        Form10 d(p, ui, 0);
        d.AbrirLaboratorio = [] {};
        ui.Medir(d, "Form10");
    }
    {
        Form16 d(p, ui, 0);
        ui.Medir(d, "Form16");
    }
    {
        Form14 d(p, ui);
        ui.Medir(d, "Form14");
    }
    {
        DialogoBusqueda d(p, ui, AjustesPorOmision(p));
        ui.Medir(d, "DialogoBusqueda");
    }
    // Las ventanas de los gráficos, como las abre el menú Gráfico (la geometría y cada gráfico de
    // esfuerzos).
    ventana.findChild<QAction*>("GráficoGeometría")->trigger();
    if (auto* form3 = ventana.findChild<Form3*>("Form3")) ui.Medir(*form3, "Form3");
    for (const char* elemento : ElementosGraficosEsfuerzos) {
        ventana.findChild<QAction*>(QString::fromUtf8(elemento))->trigger();
        if (auto* form11 = ventana.findChild<Form11*>("Form11")) ui.Medir(*form11, "Form11");
    }
    {
        QPrinter impresora;
        QPrintDialog d(&impresora);
        ui.Medir(d, "Imprimir");
    }
    {
        FrmAbout d;
        ui.Medir(d, "frmAbout");
    }
    {
        VentanaAyuda d;
        ui.Medir(d, "Ayuda");
    }
    for (const bool guardar : {false, true}) {
        QFileDialog d;
        PrepararDialogoArchivos(d, guardar);
        d.setDirectory(QString::fromUtf8(VERTANA_EJEMPLOS));
        ui.Medir(d, guardar ? "Guardar como" : "Abrir");
    }
    medidos.insert(ui.medidos.begin(), ui.medidos.end());
    return ui.problemas;
}

std::vector<std::string> Ejemplos()
{
    std::vector<std::string> ejemplos;
    const QDir carpeta(QString::fromUtf8(VERTANA_EJEMPLOS));
    for (const QString& nombre : carpeta.entryList({"*.cod"}, QDir::Files, QDir::Name))
        ejemplos.push_back(QFile::encodeName(carpeta.filePath(nombre)).toStdString());
    return ejemplos;
}

TEST(TamanoDeLosDialogos, NingunoSeAbreMasChicoQueLoQueNecesitaNiConAlgoCortado)
{
    std::vector<std::string> casos = Ejemplos();
    ASSERT_GE(casos.size(), 3u);
    casos.insert(casos.begin(), std::string()); // el proyecto nuevo
    std::set<std::string> medidos;
    std::vector<std::string> problemas;
    for (const std::string& caso : casos) {
        const auto delCaso = MedirTodo(caso, medidos);
        problemas.insert(problemas.end(), delCaso.begin(), delCaso.end());
    }
    for (const std::string& problema : problemas)
        ADD_FAILURE() << problema;
    // Todos los diálogos del programa pasaron por la medida.
    for (const char* nombre :
         {"Form1",    "Form2",  "Form3",  "Form4",        "Form5",    "Form6",
          "Form7",    "Form8",  "Form10", "Form11",       "Form14",   "Form15",
          "Form16",   "Form19", "form9",  "Form13",       "Form17",   "Form18",
          "frmAbout", "Ayuda",  "Abrir",  "Guardar como", "Imprimir", "DialogoBusqueda"})
        EXPECT_TRUE(medidos.contains(nombre)) << nombre;
}

// La prueba puede fallar: un rótulo largo en un diálogo de ancho fijo se nota.
TEST(TamanoDeLosDialogos, UnRotuloCortadoSeNota)
{
    QDialog dialogo;
    auto* disposicion = new QVBoxLayout(&dialogo);
    disposicion->addWidget(
        new QLabel("Un rótulo bastante más largo que el diálogo que lo contiene", &dialogo));
    dialogo.show();
    dialogo.setFixedSize(60, 20);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    const auto problemas = ProblemasDeTamano(dialogo);
    ASSERT_EQ(problemas.size(), 2u);
    EXPECT_NE(problemas.at(0).find("la ventana mide 60×20"), std::string::npos) << problemas.at(0);
    EXPECT_NE(problemas.at(1).find("rótulo cortado"), std::string::npos) << problemas.at(1);
}

} // namespace
} // namespace vertana
