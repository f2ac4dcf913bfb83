#include "ui/aplicacion.h"

#include "model/textos.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

// El manual de ayuda está en una biblioteca estática: su recurso se registra a mano (la macro
// debe usarse fuera de todo espacio de nombres).
static void RegistrarManualDeAyuda()
{
    Q_INIT_RESOURCE(ayuda);
}

namespace vertana {

void PrepararAplicacion(QApplication& aplicacion)
{
    RegistrarManualDeAyuda();
    QLocale::setDefault(QLocale(QLocale::Spanish));
    aplicacion.setApplicationName(textos::NombrePrograma);
    auto* traductor = new QTranslator(&aplicacion);
    if (traductor->load(QLocale(QLocale::Spanish), "qtbase", "_",
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(traductor);
}

} // namespace vertana
