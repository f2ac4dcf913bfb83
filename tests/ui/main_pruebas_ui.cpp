// Pruebas de ventanas y diálogos: widgets reales, sin pantalla (plataforma offscreen).
#include "ui/aplicacion.h"

#include <QApplication>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    // Sin pantalla, con una de 1600×1000 como la de trabajo (la de omisión de Qt mide 800×800).
    const QByteArray plataforma = qgetenv("QT_QPA_PLATFORM");
    if (plataforma.isEmpty() || plataforma == "offscreen")
        qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" VERTANA_PANTALLA_PRUEBA);
    // La configuración de las pruebas (archivos recientes, tamaño de la ventana) va a una carpeta
    // de prueba, vacía al empezar, y no toca la de la persona. Una carpeta por proceso: ctest corre
    // varias pruebas a la vez y no deben verse los archivos recientes de otra.
    QStandardPaths::setTestModeEnabled(true);
    QTemporaryDir configuracion;
    if (configuracion.isValid()) {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, configuracion.path());
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, configuracion.path());
    }
    QApplication aplicacion(argc, argv);
    vertana::PrepararAplicacion(aplicacion);
    QSettings().clear();
    // Cerrar la ventana principal en una prueba no debe terminar la aplicación.
    QApplication::setQuitOnLastWindowClosed(false);
    return RUN_ALL_TESTS();
}
