// Preparación común de la aplicación Qt: traducciones de Qt al español, nombre e icono del
// programa, y el archivo que se pide abrir en la línea de órdenes.
#pragma once

#include <QStringList>
#include <optional>
#include <string>

class QApplication;

namespace vertana {

// Carga las traducciones de Qt al español (Sí, No, Aceptar, Cancelar, diálogos de archivos) y da
// a la aplicación su nombre (el de la configuración de la persona) y su icono.
void PrepararAplicacion(QApplication& aplicacion);

// Archivo de proyecto de la línea de órdenes (`vertana talud.cod`): el primer argumento tras el
// nombre del programa que no es una opción, como ruta absoluta. Nada si no lo hay.
std::optional<std::string> ArchivoDeLaLineaDeOrdenes(const QStringList& argumentos);

} // namespace vertana
