#include "apoyo/interaccion_guionada.h"
#include "ui/form17.h"

#include "ayuda_dialogos.h"

#include "model/textos.h"

#include <QApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <gtest/gtest.h>

namespace vertana {
namespace {

// Cuatro bordes (tres dovelas), dos bordes interiores, dos pasadas en la historia.
struct Datos {
    Proyecto p;
    IteracionJanbuMostrada pasada{Tabla<double>(2), false};
    Tabla<double>& angulos = pasada.AnguloLineaEmpuje;
    InteraccionGuionada ui;
    Datos()
    {
        ReiniciarProyecto(p);
        p.NumeroPuntosDovelas = 4;
        p.ValoresDeHt = prueba::TablaDe({1.0 / 3.0, 2.0, 0.0, 0.0, 0.0});
        p.NumeroIteraciones = 3;
        p.HistoriaFS.Redimensionar(100);
        p.HistoriaFS(2) = 1.23456;
        p.HistoriaFS(3) = 1.3;
        angulos(1) = 0.5;
        angulos(2) = -0.123456;
    }
};

TEST(Form17, SiEsLaSolucionSeAceptaSinEditar)
{
    Datos d;
    d.ui.EsperarPregunta(textos::PreguntaEsLaSolucion, true);
    Form17 f(d.p, d.pasada, d.ui);
    EXPECT_FALSE(f.Activar());
    EXPECT_EQ(f.Decision().Decision, DecisionIteracion::Aceptar);
    EXPECT_FALSE(f.Decision().ValoresDeHt);
    EXPECT_EQ(f.findChild<QLineEdit*>("TextoNúmeroIteración")->text(), "3.00");
    EXPECT_EQ(f.findChild<QLineEdit*>("TextoFsAnterior")->text(), "1.2346");
    EXPECT_EQ(f.findChild<QLineEdit*>("TextoFsActual")->text(), "1.3000");
    auto* lista = f.findChild<QTreeWidget*>("ListaValoresDEht");
    ASSERT_EQ(lista->topLevelItemCount(), 3);
    EXPECT_EQ(lista->headerItem()->text(2), "  ht (m)");
    EXPECT_EQ(lista->topLevelItem(0)->text(1), "0.5000");
    EXPECT_EQ(lista->topLevelItem(0)->text(2), "0.33");
    EXPECT_EQ(lista->topLevelItem(1)->text(1), "-0.1235");
    EXPECT_TRUE(d.ui.Cumplido());
}

TEST(Form17, SalirDelCalculo)
{
    Datos d;
    d.ui.EsperarPregunta(textos::PreguntaEsLaSolucion, false)
        .EsperarPregunta(textos::PreguntaSalirDelCalculo, true);
    Form17 f(d.p, d.pasada, d.ui);
    EXPECT_FALSE(f.Activar());
    EXPECT_EQ(f.Decision().Decision, DecisionIteracion::Salir);
}

TEST(Form17, EditarHtYAceptar)
{
    Datos d;
    d.ui.EsperarPregunta(textos::PreguntaEsLaSolucion, false)
        .EsperarPregunta(textos::PreguntaSalirDelCalculo, false);
    Form17 f(d.p, d.pasada, d.ui);
    ASSERT_TRUE(f.Activar());
    auto* lista = f.findChild<QTreeWidget*>("ListaValoresDEht");
    auto* nuevo = f.findChild<QLineEdit*>("TextoNuevoValorDeht");
    auto* modificar = f.findChild<QPushButton*>("Modificar");
    EXPECT_EQ(modificar->text(), "Modificar  Agregar");

    nuevo->setText("uno");
    lista->setCurrentItem(lista->topLevelItem(1));
    modificar->click();
    EXPECT_EQ(d.ui.Mensajes().back(), textos::DebeIntroducirNumeroHt);

    // ht = 0 en los bordes 2 y 3: se advierte y el diálogo sigue abierto.
    nuevo->setText("0");
    modificar->click();
    EXPECT_EQ(lista->topLevelItem(1)->text(3), "0.00");
    f.findChild<QPushButton*>("BotónAceptar")->click();
    EXPECT_EQ(d.ui.Mensajes().back(), textos::HtIncorrectos);
    EXPECT_EQ(d.ui.Eventos().back().titulo, textos::TituloValoresDeHt);
    EXPECT_FALSE(f.Decision().ValoresDeHt);

    nuevo->setText("1.456");
    modificar->click();
    EXPECT_EQ(lista->topLevelItem(1)->text(3), "1.46");
    f.findChild<QPushButton*>("BotónAceptar")->click();
    EXPECT_EQ(f.result(), QDialog::Accepted);
    EXPECT_EQ(f.Decision().Decision, DecisionIteracion::Seguir);
    ASSERT_TRUE(f.Decision().ValoresDeHt);
    EXPECT_DOUBLE_EQ((*f.Decision().ValoresDeHt)(2), 1.46); // el escrito, como se ve
    // Las filas que la persona no tocó conservan su ht completo, no el redondeado que se ve.
    EXPECT_DOUBLE_EQ((*f.Decision().ValoresDeHt)(1), 1.0 / 3.0);
}

TEST(Form17, SalirPreguntaSiSeUsanLosNuevosHt)
{
    Datos d;
    d.ui.EsperarPregunta(textos::PreguntaEsLaSolucion, false)
        .EsperarPregunta(textos::PreguntaSalirDelCalculo, false)
        .EsperarPregunta(textos::PreguntaUsarNuevosHt, true)
        .EsperarPregunta(textos::PreguntaUsarNuevosHt, false);
    Form17 f(d.p, d.pasada, d.ui);
    ASSERT_TRUE(f.Activar());
    f.open();
    f.findChild<QPushButton*>("BotónSalir")->click(); // Sí: sigue abierto
    EXPECT_TRUE(f.isVisible());
    f.findChild<QPushButton*>("BotónSalir")->click(); // No: se cierra sin cambiar ht
    EXPECT_FALSE(f.isVisible());
    EXPECT_EQ(f.result(), QDialog::Rejected);
    EXPECT_FALSE(f.Decision().ValoresDeHt);
    EXPECT_TRUE(d.ui.Cumplido());
}

TEST(Form17, LosHtQueLaPersonaNoTocaSeAceptanAunqueSeVeanComoCero)
{
    // Cinco bordes: el último ht es 0 (la superficie sale al talud) y el anterior, 0.003 m, se ve
    // "0.00". Son los del programa, no ceros escritos: Aceptar los deja pasar tal cual.
    Datos d;
    d.p.NumeroPuntosDovelas = 5;
    d.p.ValoresDeHt = prueba::TablaDe({1.2, 0.8, 0.003, 0.0, 0.0, 0.0});
    d.pasada.AnguloLineaEmpuje = prueba::TablaDe({0.1, 0.2, 0.3});
    d.ui.EsperarPregunta(textos::PreguntaEsLaSolucion, false)
        .EsperarPregunta(textos::PreguntaSalirDelCalculo, false);
    Form17 f(d.p, d.pasada, d.ui);
    ASSERT_TRUE(f.Activar());
    auto* lista = f.findChild<QTreeWidget*>("ListaValoresDEht");
    EXPECT_EQ(lista->topLevelItem(2)->text(3), "0.00");
    f.findChild<QPushButton*>("BotónAceptar")->click();
    EXPECT_TRUE(d.ui.Mensajes().empty()) << d.ui.Mensajes().front();
    ASSERT_TRUE(f.Decision().ValoresDeHt);
    EXPECT_EQ((*f.Decision().ValoresDeHt)(3), 0.003);

    // Un cero que escribe la persona junto a otro sí se rechaza.
    Datos e;
    e.p.NumeroPuntosDovelas = 5;
    e.p.ValoresDeHt = d.p.ValoresDeHt;
    e.pasada.AnguloLineaEmpuje = d.pasada.AnguloLineaEmpuje;
    e.ui.EsperarPregunta(textos::PreguntaEsLaSolucion, false)
        .EsperarPregunta(textos::PreguntaSalirDelCalculo, false);
    Form17 g(e.p, e.pasada, e.ui);
    ASSERT_TRUE(g.Activar());
    auto* otra = g.findChild<QTreeWidget*>("ListaValoresDEht");
    otra->setCurrentItem(otra->topLevelItem(2));
    g.findChild<QLineEdit*>("TextoNuevoValorDeht")->setText("0");
    g.findChild<QPushButton*>("Modificar")->click();
    g.findChild<QPushButton*>("BotónAceptar")->click();
    EXPECT_EQ(e.ui.Mensajes().back(), textos::HtIncorrectos);
}

// Interacción que, en cada pregunta, anota si Form17 estaba en pantalla con sus valores.
struct InteraccionQueMira : InteraccionGuionada {
    std::vector<std::string> fsActualAlPreguntar;

protected:
    bool Responder(const std::string& texto) override
    {
        auto* dialogo = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        auto* fs = dialogo ? dialogo->findChild<QLineEdit*>("TextoFsActual") : nullptr;
        fsActualAlPreguntar.push_back(
            dialogo && dialogo->isVisible() && fs ? fs->text().toStdString() : "(no se ve)");
        return InteraccionGuionada::Responder(texto);
    }
};

TEST(Form17, SePreguntaConElDialogoEnPantallaYSusCuatroColumnasSeVen)
{
    Datos d;
    InteraccionQueMira ui;
    ui.EsperarPregunta(textos::PreguntaEsLaSolucion, false)
        .EsperarPregunta(textos::PreguntaSalirDelCalculo, true);
    const DecisionJanbu decision = Form17::Mostrar(d.p, d.pasada, ui, nullptr);
    EXPECT_EQ(decision.Decision, DecisionIteracion::Salir);
    EXPECT_EQ(ui.fsActualAlPreguntar, (std::vector<std::string>{"1.3000", "1.3000"}));
    EXPECT_TRUE(ui.Cumplido());

    Form17 f(d.p, d.pasada, d.ui);
    d.ui.EsperarPregunta(textos::PreguntaEsLaSolucion, false)
        .EsperarPregunta(textos::PreguntaSalirDelCalculo, false);
    ASSERT_TRUE(f.Activar());
    f.show();
    auto* lista = f.findChild<QTreeWidget*>("ListaValoresDEht");
    EXPECT_LE(lista->header()->length(), lista->viewport()->width());
    for (int c = 0; c < 4; ++c)
        EXPECT_GE(lista->header()->sectionSize(c), lista->header()->sectionSizeHint(c)) << c;
    // Tras las preguntas, Enter sigue con los ht que se ven: el foco está en Aceptar.
    EXPECT_EQ(f.focusWidget(), f.findChild<QPushButton*>("BotónAceptar"));
}

} // namespace
} // namespace vertana
