#include "ui/form8.h"

#include "model/textos.h"

namespace vertana {

Form8::Form8(Proyecto& proyecto, Interaccion& interaccion, QWidget* padre)
    : DialogoCargas(
          proyecto, interaccion,
          Definicion{
              "Form8",
              textos::TituloForm8,
              "CargasPuntuales",
              {"xp", "yp", "Px", "Py"},
              {"TextoX", "TextoY", "TextoPx", "TextoPy"},
              {textos::EtiquetaXp, textos::EtiquetaYp, textos::EtiquetaPx, textos::EtiquetaPy},
              {textos::XpNoNumerico, textos::YpNoNumerico, textos::PxNoNumerico,
               textos::PyNoNumerico},
              false,
              "FavorLeer",
              {textos::LeerPx, textos::LeerPy},
              {"xp, yp: punto de aplicación de la carga (m).",
               "El empuje del agua de un embalse sobre el talud puede darse como una carga "
               "lineal equivalente en su punto de aplicación.",
               "La acción de un muro de contención sobre el talud también puede darse como "
               "carga lineal.",
               "Elija una fila de la lista para modificarla o borrarla."}},
          padre)
{
}

Form8::CargasDelProyecto Form8::Cargas() const
{
    auto tablas = TablasCargasPuntuales(proyecto_); // en el orden de las columnas
    return {{tablas.begin(), tablas.end()}, &proyecto_.CargasPuntualesIntroducidas};
}

} // namespace vertana
