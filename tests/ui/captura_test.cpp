// Captura de la ventana principal en una pantalla X real (Xvfb), para revisarla a ojo. Sólo
// corre cuando VERTANA_CAPTURA nombra la carpeta de las imágenes:
//   VERTANA_CAPTURA=/tmp xvfb-run -a env QT_QPA_PLATFORM=xcb build/tests/pruebas_ui
//     --gtest_filter='Captura.*'
#include "model/interaccion.h"
#include "ui/form1.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <gtest/gtest.h>

namespace vertana {
namespace {

TEST(Captura, VentanaPrincipalConPuntosDelTalud)
{
    const QString carpeta = qEnvironmentVariable("VERTANA_CAPTURA");
    if (carpeta.isEmpty()) GTEST_SKIP() << "VERTANA_CAPTURA no está definida";
    Proyecto p;
    InteraccionGuionada ui;
    Form1 ventana(p, ui);
    ventana.move(0, 0);
    ventana.show();
    ventana.findChild<QPlainTextEdit*>("TextoProyecto")
        ->setPlainText("Presa El Guapo, sección 3 (progresiva 1+250)\nAnálisis aguas abajo");
    const std::pair<const char*, const char*> puntos[] = {
        {"60", "20"}, {"40", "20"}, {"20.125", "10"}, {"0", "10"}, {"-15.5", "9.75"}};
    for (const auto& [x, y] : puntos) {
        ventana.findChild<QLineEdit*>("TextoX")->setText(x);
        ventana.findChild<QLineEdit*>("TextoY")->setText(y);
        ventana.findChild<QPushButton*>("BotónAgregar")->click();
    }
    QTest::qWait(300);
    auto captura = [&](const QString& nombre) {
        QApplication::primaryScreen()
            ->grabWindow(0, 0, 0, ventana.frameGeometry().width(), ventana.frameGeometry().height())
            .save(carpeta + "/" + nombre);
    };
    captura("ventana.png");

    auto* coordenadas = ventana.findChild<QMenu*>("MenúCoordenadas");
    ventana.menuBar()->setActiveAction(coordenadas->menuAction());
    QTest::qWait(300);
    QApplication::primaryScreen()->grabWindow(0).save(carpeta + "/ventana_menu.png");
    coordenadas->hide();
    auto* archivo = ventana.findChild<QMenu*>("MenúArchivo");
    ventana.menuBar()->setActiveAction(archivo->menuAction());
    QTest::qWait(300);
    QApplication::primaryScreen()->grabWindow(0).save(carpeta + "/ventana_archivo.png");
    archivo->hide();

    ventana.findChild<QAction*>("MenúInsertarEstrato")->trigger();
    for (const auto& [x, y] : {std::pair{"60", "5"}, std::pair{"0", "4.5"}}) {
        ventana.findChild<QLineEdit*>("TextoX")->setText(x);
        ventana.findChild<QLineEdit*>("TextoY")->setText(y);
        ventana.findChild<QPushButton*>("BotónAgregar")->click();
    }
    QTest::qWait(300);
    captura("ventana_estratos.png");

    QTest::keyClick(ventana.findChild<QLineEdit*>("TextoX"), Qt::Key_F1);
    QTest::qWait(300);
    QApplication::primaryScreen()->grabWindow(0).save(carpeta + "/ayuda.png");
}

} // namespace
} // namespace vertana
