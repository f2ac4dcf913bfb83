#include "ui/form7.h"

#include "model/textos.h"

#include <array>

namespace vertana {
namespace {

// Tablas del proyecto en el orden de las columnas xo, yo, xf, yf, qx, qy.
std::array<Tabla<double>*, 6> Tablas(Proyecto& p)
{
    return {&p.CargaUniformeXo, &p.CargaUniformeYo, &p.CargaUniformeXf,
            &p.CargaUniformeYf, &p.CargaUniformeQx, &p.CargaUniformeQy};
}

} // namespace

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

bool Form7::Introducidas() const
{
    return proyecto_.CargasUniformesIntroducidas;
}

std::vector<FilaCarga> Form7::FilasDelProyecto() const
{
    auto tablas = Tablas(proyecto_);
    std::vector<FilaCarga> filas;
    for (int i = 1; i <= proyecto_.NumeroCargasUniformes; ++i) {
        FilaCarga fila;
        for (Tabla<double>* t : tablas)
            if (i <= t->Tamano()) fila.push_back((*t)(i));
        if (fila.size() == tablas.size()) filas.push_back(fila);
    }
    return filas;
}

void Form7::GuardarFilas(const std::vector<FilaCarga>& filas)
{
    const int n = static_cast<int>(filas.size());
    auto tablas = Tablas(proyecto_);
    for (Tabla<double>* t : tablas) t->Redimensionar(n);
    for (int i = 1; i <= n; ++i)
        for (std::size_t k = 0; k < tablas.size(); ++k)
            (*tablas[k])(i) = filas[static_cast<std::size_t>(i - 1)][k];
    proyecto_.NumeroCargasUniformes = static_cast<Entero16>(n);
    proyecto_.CargasUniformesIntroducidas = true;
}

} // namespace vertana
