// Pruebas del dibujo con Qt Gui: una QGuiApplication sin pantalla (plataforma offscreen).
#include <QGuiApplication>
#include <gtest/gtest.h>

// Con sanitizadores, las cachés de letras de Qt y fontconfig siguen vivas al salir: sin búsqueda
// de fugas en este programa (también al listar sus pruebas). Sin sanitizadores no se llama.
extern "C" const char* __asan_default_options()
{
    return "detect_leaks=0";
}

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication aplicacion(argc, argv);
    return RUN_ALL_TESTS();
}
