// Pruebas de ventanas y diálogos: widgets reales, sin pantalla (plataforma offscreen).
#include "ui/aplicacion.h"

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication aplicacion(argc, argv);
    vertana::PrepararAplicacion(aplicacion);
    // Cerrar la ventana principal en una prueba no debe terminar la aplicación.
    QApplication::setQuitOnLastWindowClosed(false);
    return RUN_ALL_TESTS();
}
