#include "ui/condiciones_menu.h"

#include "model/interaccion.h"
#include "model/textos.h"

namespace vertana {

bool PuedeAbrirForm2(const Proyecto& p, Interaccion& interaccion)
{
    if (p.NumeroCoordenadasFalla > 0 && p.TiposDeFallaDefinidos) return true;
    interaccion.Mensaje(textos::FaltanFallaYUniones, textos::TituloCoordenadasSuperficieFalla);
    return false;
}

bool PuedeAbrirForm6(const Proyecto& p, Interaccion& interaccion)
{
    if (p.NumeroCoordenadasFalla >= 1) return true;
    interaccion.Mensaje(textos::FaltanCoordenadasSuperficieFalla,
                        textos::TituloCoordenadasSuperficieFalla);
    return false;
}

bool PuedeAbrirForm5(const Proyecto& p, Interaccion& interaccion)
{
    if (p.SueloRoca == "R") {
        interaccion.Mensaje(textos::SeleccionoRocas, textos::TituloOpcionParaSuelos);
        return false;
    }
    if (p.NumeroDeEstratos >= 1 && p.ParametrosIntroducidos) return true;
    interaccion.Mensaje(textos::FaltanEstratosOParametros,
                        textos::TituloCaracteristicasDeEstratos);
    return false;
}

} // namespace vertana
