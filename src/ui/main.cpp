#include "model/proyecto.h"
#include "ui/aplicacion.h"
#include "ui/form1.h"
#include "ui/interaccion_qt.h"

#include <QApplication>
#include <QTimer>

int main(int argc, char** argv)
{
    QApplication aplicacion(argc, argv);
    vertana::PrepararAplicacion(aplicacion);
    vertana::Proyecto proyecto;
    vertana::InteraccionQt interaccion;
    vertana::Form1 ventana(proyecto, interaccion);
    ventana.show();
    // `vertana talud.cod` abre el archivo, ya con la ventana en pantalla.
    if (const auto archivo = vertana::ArchivoDeLaLineaDeOrdenes(QApplication::arguments()))
        QTimer::singleShot(0, &ventana,
                           [&ventana, ruta = *archivo] { ventana.AbrirArchivo(ruta); });
    return QApplication::exec();
}
