#include "ui/form7.h"

#include "model/textos.h"

namespace vertana {

Form7::Form7(Proyecto& proyecto, Interaccion& interaccion, QWidget* padre)
    : DialogoCargas(
          proyecto, interaccion,
          Definicion{"Form7",
                     textos::TituloForm7,
                     "CargaUniformementeDistribuida",
                     {"xo", "yo", "xf", "yf", "qx", "qy"},
                     {"TextoXo", "TextoYo", "TextoXf", "TextoYf", "Textoqx", "Textoqy"},
                     {textos::EtiquetaXo, textos::EtiquetaYo, textos::EtiquetaXf,
                      textos::EtiquetaYf, textos::EtiquetaQx, textos::EtiquetaQy},
                     {textos::XoNoNumerico, textos::YoNoNumerico, textos::XfNoNumerico,
                      textos::YfNoNumerico, textos::QxNoNumerico, textos::QyNoNumerico},
                     true,
                     "Command1",
                     {textos::LeerQx, textos::LeerQy},
                     {textos::NotaCoordenadaMenor, textos::NotaCoordenadaMayor,
                      "qx, qy: presiones en ton/m2; pueden actuar juntas en un mismo tramo (carga "
                      "inclinada).",
                      "Elija una fila de la lista para modificarla o borrarla."}},
          padre)
{
}

Form7::CargasDelProyecto Form7::Cargas() const
{
    auto tablas = TablasCargasUniformes(proyecto_); // en el orden de las columnas
    return {{tablas.begin(), tablas.end()}, &proyecto_.CargasUniformesIntroducidas};
}

} // namespace vertana
