#include "ui/form1.h"

#include "model/interaccion.h"
#include "model/textos.h"

#include <QMenuBar>

namespace vertana {

Form1::Form1(Proyecto& proyecto, Interaccion& interaccion, QWidget* padre)
    : QMainWindow(padre), proyecto_(proyecto), interaccion_(interaccion)
{
    setObjectName("Form1");
    auto* menuArchivo = menuBar()->addMenu("&Archivo");
    menuArchivo->setObjectName("MenúArchivo");
    QAction* salir = menuArchivo->addAction("&Salir");
    salir->setObjectName("MenúArchivoSalir");
    connect(salir, &QAction::triggered, this, &QWidget::close);
    resize(800, 600);
    NuevoProyecto();
}

void Form1::NuevoProyecto()
{
    ReiniciarProyecto(proyecto_);
    setWindowTitle(textos::TituloNuevoProyecto);
}

} // namespace vertana
