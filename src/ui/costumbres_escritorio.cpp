#include "ui/costumbres_escritorio.h"

#include <QAction>
#include <QKeySequence>
#include <QScreen>
#include <QSettings>
#include <QWidget>

namespace vertana {
namespace {

// Clave del tamaño y lugar de la ventana en la configuración, por nombre de ventana.
QString ClaveGeometria(const QWidget& ventana)
{
    return ventana.objectName() + "/Geometria";
}

} // namespace

void PonerAtajos(QWidget& ventana)
{
    struct Atajo {
        const char* elemento;
        const char* teclas; // en la forma portable de QKeySequence
    };
    constexpr Atajo Atajos[] = {
        {"ArchivoNuevo", "Ctrl+N"},        {"MenúArchivoAbrir", "Ctrl+O"},
        {"MenúArchivoGuardar", "Ctrl+S"},  {"MenúArchivoGuardarComo", "Ctrl+Shift+S"},
        {"MenúArchivoImprimir", "Ctrl+P"}, {"MenúArchivoSalir", "Ctrl+Q"},
    };
    for (const Atajo& atajo : Atajos)
        if (auto* accion = ventana.findChild<QAction*>(QString::fromUtf8(atajo.elemento)))
            accion->setShortcut(QKeySequence(QString::fromLatin1(atajo.teclas)));
}

void RecordarGeometria(const QWidget& ventana)
{
    QSettings().setValue(ClaveGeometria(ventana), ventana.saveGeometry());
}

void RestaurarGeometria(QWidget& ventana)
{
    const QByteArray guardada = QSettings().value(ClaveGeometria(ventana)).toByteArray();
    if (!guardada.isEmpty() && ventana.restoreGeometry(guardada)) return;
    // La primera vez, la ventana crece hasta lo que pide su contenido, sin pasar de la pantalla.
    QSize tamano = ventana.size().expandedTo(ventana.sizeHint());
    if (const QScreen* pantalla = ventana.screen())
        tamano = tamano.boundedTo(pantalla->availableSize());
    ventana.resize(tamano);
}

} // namespace vertana
