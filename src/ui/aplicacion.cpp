#include "ui/aplicacion.h"

#include "model/textos.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

// El manual de ayuda y el icono están en una biblioteca estática: sus recursos se registran a
// mano (la macro debe usarse fuera de todo espacio de nombres).
static void RegistrarRecursos()
{
    Q_INIT_RESOURCE(ayuda);
    Q_INIT_RESOURCE(iconos);
}

namespace vertana {

void PrepararAplicacion(QApplication& aplicacion)
{
    RegistrarRecursos();
    QLocale::setDefault(QLocale(QLocale::Spanish));
    aplicacion.setApplicationName(textos::NombrePrograma);
    aplicacion.setOrganizationName(textos::NombrePrograma);
    // Nombre de la entrada del menú del escritorio (vertana.desktop), con la que el escritorio
    // asocia las ventanas del programa.
    QGuiApplication::setDesktopFileName("vertana");
    QApplication::setWindowIcon(QIcon(":/iconos/vertana.png"));
    auto* traductor = new QTranslator(&aplicacion);
    if (traductor->load(QLocale(QLocale::Spanish), "qtbase", "_",
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(traductor);
}

std::optional<std::string> ArchivoDeLaLineaDeOrdenes(const QStringList& argumentos)
{
    for (qsizetype i = 1; i < argumentos.size(); ++i) {
        const QString& argumento = argumentos.at(i);
        if (argumento.isEmpty() || argumento.startsWith('-')) continue;
        const QString ruta = QDir::cleanPath(QFileInfo(argumento).absoluteFilePath());
        return QFile::encodeName(ruta).toStdString();
    }
    return std::nullopt;
}

} // namespace vertana
