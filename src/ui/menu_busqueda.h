// El elemento del menú que abre "Búsqueda de la superficie crítica" y lo que la sesión recuerda
// de la búsqueda: los últimos ajustes (también guardados junto al archivo del proyecto, en
// `proyecto.busqueda.json`) y la última búsqueda hallada, que la vista de la sección dibuja
// mientras valga para el proyecto.
#pragma once

#include "calculo/busqueda_ajustes.h"
#include "model/proyecto.h"

#include <string>

namespace vertana {

class Form1;
class Interaccion;

// Ajustes con los que se abre el diálogo: los de la sesión si son del mismo archivo de proyecto;
// si no, los del archivo de ajustes junto al proyecto (si existe y se puede leer; si no se puede,
// `aviso` recibe el mensaje); si no, los de partida para la sección (AjustesPorOmision).
AjustesBusqueda AjustesParaAbrir(const Proyecto& p, const std::optional<AjustesBusqueda>& sesion,
                                 const std::string& archivoDeLaSesion, std::string* aviso);

void ConectarBusqueda(Form1& ventana, Proyecto& proyecto, Interaccion& interaccion);

} // namespace vertana
