// Preparación común de la aplicación Qt: traducciones de Qt al español.
#pragma once

class QApplication;

namespace vertana {

// Carga las traducciones de Qt al español (Sí, No, Aceptar, Cancelar, diálogos de archivos).
void PrepararAplicacion(QApplication& aplicacion);

} // namespace vertana
