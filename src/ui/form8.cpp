#include "ui/form8.h"

#include "model/textos.h"

#include <array>

namespace vertana {
namespace {

// Tablas del proyecto en el orden de las columnas xp, yp, Px, Py.
std::array<Tabla<double>*, 4> Tablas(Proyecto& p)
{
    return {&p.CargaPuntualX, &p.CargaPuntualY, &p.CargaPuntualPx, &p.CargaPuntualPy};
}

} // namespace

Form8::Form8(Proyecto& proyecto, Interaccion& interaccion, QWidget* padre)
    : DialogoCargas(
          proyecto, interaccion,
          Definicion{"Form8",
                     textos::TituloForm8,
                     "CargasPuntuales",
                     {"xp", "yp", "Px", "Py"},
                     {"TextoX", "TextoY", "TextoPx", "TextoPy"},
                     {textos::EtiquetaXp, textos::EtiquetaYp, textos::EtiquetaPx,
                      textos::EtiquetaPy},
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

bool Form8::Introducidas() const
{
    return proyecto_.CargasPuntualesIntroducidas;
}

std::vector<FilaCarga> Form8::FilasDelProyecto() const
{
    auto tablas = Tablas(proyecto_);
    std::vector<FilaCarga> filas;
    for (int i = 1; i <= proyecto_.NumeroCargasPuntuales; ++i) {
        FilaCarga fila;
        for (Tabla<double>* t : tablas)
            if (i <= t->Tamano()) fila.push_back((*t)(i));
        if (fila.size() == tablas.size()) filas.push_back(fila);
    }
    return filas;
}

void Form8::GuardarFilas(const std::vector<FilaCarga>& filas)
{
    const int n = static_cast<int>(filas.size());
    auto tablas = Tablas(proyecto_);
    for (Tabla<double>* t : tablas) t->Redimensionar(n);
    for (int i = 1; i <= n; ++i)
        for (std::size_t k = 0; k < tablas.size(); ++k)
            (*tablas[k])(i) = filas[static_cast<std::size_t>(i - 1)][k];
    proyecto_.NumeroCargasPuntuales = static_cast<Entero16>(n);
    proyecto_.CargasPuntualesIntroducidas = true;
}

} // namespace vertana
