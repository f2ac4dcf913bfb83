#include "model/proyecto.h"
#include "ui/dialogo_archivos.h"
#include "ui/interaccion_qt.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QTimer>
#include <gtest/gtest.h>

namespace vertana {
namespace {

// Cuando aparezca el cuadro de mensaje, anota sus datos y pulsa el botón de texto dado.
void AlAparecer(const QString& boton, QString& titulo, QString& texto, QStringList& botones)
{
    QTimer::singleShot(0, [&, boton] {
        auto* caja = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(caja, nullptr);
        titulo = caja->windowTitle();
        texto = caja->text();
        for (QAbstractButton* b : caja->buttons()) {
            botones << b->text().remove('&');
            if (b->text().remove('&') == boton) b->click();
        }
    });
}

TEST(InteraccionQt, PreguntaConBotonesSiYNoEnEspanol)
{
    InteraccionQt ui;
    QString titulo, texto;
    QStringList botones;
    AlAparecer("Sí", titulo, texto, botones);
    EXPECT_TRUE(ui.Pregunta("¿Desea continuar?"));
    EXPECT_EQ(titulo, "Vertana"); // sin título, el nombre del programa
    EXPECT_EQ(texto, "¿Desea continuar?");
    EXPECT_TRUE(botones.contains("Sí"));
    EXPECT_TRUE(botones.contains("No"));

    botones.clear();
    AlAparecer("No", titulo, texto, botones);
    EXPECT_FALSE(ui.Pregunta("¿Otra vez?", "Título propio"));
    EXPECT_EQ(titulo, "Título propio");
}

TEST(InteraccionQt, MensajeConBotonAceptar)
{
    InteraccionQt ui;
    QString titulo, texto;
    QStringList botones;
    AlAparecer("Aceptar", titulo, texto, botones);
    ui.Mensaje("Error leyendo archivo");
    EXPECT_EQ(texto, "Error leyendo archivo");
    EXPECT_EQ(botones, QStringList{"Aceptar"});
}

TEST(InteraccionQt, ElDetalleDeUnMensajeNoPartePorLaMitadLaRutaDelArchivo)
{
    InteraccionQt ui;
    const QString ruta = "Archivo: /proyectos/presas/estudio de estabilidad/talud_danado.cod";
    const QString linea = "Línea 21, ítem 22 (coordenadas del talud): se esperaba un número.";
    QString texto, informativo;
    int anchoRotulo = 0, anchoRuta = 0, anchoLinea = 0;
    QTimer::singleShot(0, [&] {
        auto* caja = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(caja, nullptr);
        texto = caja->text();
        informativo = caja->informativeText();
        auto* rotulo = caja->findChild<QLabel*>("qt_msgbox_informativelabel");
        ASSERT_NE(rotulo, nullptr);
        anchoRotulo = rotulo->width();
        anchoRuta = rotulo->fontMetrics().horizontalAdvance(ruta);
        anchoLinea = rotulo->fontMetrics().horizontalAdvance(linea);
        caja->accept();
    });
    ui.MensajeConDetalle("Error leyendo archivo", (ruta + "\n" + linea).toStdString());
    EXPECT_EQ(texto, "Error leyendo archivo");
    EXPECT_EQ(informativo, ruta + "\n" + linea);
    // Cada línea del detalle cabe entera en el rótulo, sin partirse.
    EXPECT_GE(anchoRotulo, anchoRuta);
    EXPECT_GE(anchoRotulo, anchoLinea);
}

TEST(DialogosDeQt, ElDialogoDeArchivosHablaEspanol)
{
    QFileDialog dialogo;
    dialogo.setOption(QFileDialog::DontUseNativeDialog);
    dialogo.setAcceptMode(QFileDialog::AcceptSave);
    EXPECT_EQ(dialogo.labelText(QFileDialog::Accept).remove('&'), "Guardar");
    EXPECT_EQ(dialogo.labelText(QFileDialog::Reject).remove('&'), "Cancelar");
    EXPECT_EQ(dialogo.windowTitle(), "Guardar como");
}

TEST(DialogosDeQt, ElDialogoDeProyectosOfreceLosDosFiltrosConLasCoordenadasElegidas)
{
    QFileDialog dialogo;
    dialogo.setOption(QFileDialog::DontUseNativeDialog);
    PrepararDialogoArchivos(dialogo, true);
    EXPECT_EQ(dialogo.nameFilters(),
              (QStringList{"Todos los archivos (*.*)", "Archivos de coordenadas (*.cod)"}));
    EXPECT_EQ(dialogo.selectedNameFilter(), "Archivos de coordenadas (*.cod)");
    EXPECT_TRUE(dialogo.testOption(QFileDialog::DontConfirmOverwrite));
    EXPECT_EQ(dialogo.defaultSuffix(), "cod");
    PrepararDialogoArchivos(dialogo, false);
    EXPECT_EQ(dialogo.fileMode(), QFileDialog::ExistingFile);
}

TEST(InteraccionQt, LosParametrosDeCalculoAbrenForm2)
{
    InteraccionQt ui;
    Proyecto p;
    ReiniciarProyecto(p);
    QString titulo;
    bool dialogoVisibleAlAvisar = false;
    // Form2 aparece y, ya en pantalla, avisa que faltan las uniones; tras el aviso se cierra.
    QTimer reloj;
    bool avisado = false;
    QObject::connect(&reloj, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* caja = qobject_cast<QMessageBox*>(modal)) {
            auto* dialogo = qobject_cast<QDialog*>(caja->parentWidget());
            dialogoVisibleAlAvisar = dialogo && dialogo->isVisible();
            avisado = true;
            caja->accept();
        } else if (auto* dialogo = qobject_cast<QDialog*>(modal); dialogo && avisado) {
            titulo = dialogo->windowTitle();
            dialogo->done(QDialog::Rejected);
        }
    });
    constexpr int Intervalo = 10; // ms
    reloj.start(Intervalo);
    ui.ParametrosDeCalculo(p);
    EXPECT_EQ(titulo.toStdString(), "Constantes de cálculo y grieta de tracción");
    EXPECT_TRUE(dialogoVisibleAlAvisar);
}

} // namespace
} // namespace vertana
