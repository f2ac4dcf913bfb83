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
#include <cstring>

// El manual de ayuda y el icono están en una biblioteca estática: sus recursos se registran a
// mano (la macro debe usarse fuera de todo espacio de nombres).
static void RegistrarRecursos()
{
    Q_INIT_RESOURCE(ayuda);
    Q_INIT_RESOURCE(iconos);
}

namespace vertana {
namespace {

// Los textos que la traducción de Qt al español deja en inglés (el diálogo de impresión, el tipo
// de una carpeta). Se consulta antes que la de Qt; lo que no está aquí lo traduce aquélla.
class TraductorComplementario : public QTranslator {
public:
    using QTranslator::QTranslator;

    bool isEmpty() const override { return false; }

    QString translate(const char* contexto, const char* fuente, const char*, int) const override
    {
        for (const textos::TextoDeQt& t : textos::TextosDeQt)
            if (std::strcmp(contexto, t.contexto) == 0 && std::strcmp(fuente, t.ingles) == 0)
                return QString::fromUtf8(t.espanol);
        return {};
    }
};

} // namespace

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
    // Instalada después, se consulta primero.
    QApplication::installTranslator(new TraductorComplementario(&aplicacion));
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
