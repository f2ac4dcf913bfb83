#include "ui/aplicacion.h"

#include "model/textos.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace vertana {

void PrepararAplicacion(QApplication& aplicacion)
{
    QLocale::setDefault(QLocale(QLocale::Spanish));
    aplicacion.setApplicationName(textos::NombrePrograma);
    auto* traductor = new QTranslator(&aplicacion);
    if (traductor->load(QLocale(QLocale::Spanish), "qtbase", "_",
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(traductor);
}

} // namespace vertana
