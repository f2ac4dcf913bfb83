#include "model/proyecto.h"
#include "ui/aplicacion.h"
#include "ui/form1.h"
#include "ui/interaccion_qt.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication aplicacion(argc, argv);
    vertana::PrepararAplicacion(aplicacion);
    vertana::Proyecto proyecto;
    vertana::InteraccionQt interaccion;
    vertana::Form1 ventana(proyecto, interaccion);
    ventana.show();
    return QApplication::exec();
}
