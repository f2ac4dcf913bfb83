// Diálogo común de archivos de proyecto: filtros de todos los archivos y de los archivos de
// coordenadas (este último elegido), para abrir o para guardar.
#pragma once

class QFileDialog;

namespace vertana {

// Prepara el diálogo. Para guardar, añade ".cod" a un nombre sin extensión y no pregunta por
// sobreescribir: esa pregunta la hace el programa.
void PrepararDialogoArchivos(QFileDialog& dialogo, bool guardar);

} // namespace vertana
