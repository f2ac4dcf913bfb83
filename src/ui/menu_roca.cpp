#include "ui/menu_roca.h"

#include "model/textos.h"
#include "ui/form1.h"
#include "ui/form10.h"
#include "ui/form16.h"

namespace vertana {

namespace {

std::optional<Aviso> CondicionComun(const Proyecto& p)
{
    if (p.SueloRoca == Material::Suelo)
        return Aviso{textos::TituloAvisoSoloRocas, textos::AvisoSeleccionoSuelos};
    return std::nullopt;
}

std::optional<Aviso> CondicionEstratosYParametros(const Proyecto& p)
{
    if (p.NumeroDeEstratos() >= 1 && p.ParametrosIntroducidos) return std::nullopt;
    return Aviso{textos::TituloAvisoCaracteristicasEstratos, textos::AvisoEstratosYParametros};
}

} // namespace

std::optional<Aviso> CondicionRocaSinLaboratorio(const Proyecto& p)
{
    if (auto aviso = CondicionComun(p)) return aviso;
    return CondicionEstratosYParametros(p);
}

std::optional<Aviso> CondicionRocaConLaboratorio(const Proyecto& p)
{
    if (auto aviso = CondicionComun(p)) return aviso;
    if (!p.RocaCaracterizada)
        return Aviso{textos::TituloAvisoCompresionSimple, textos::AvisoRocaSinCaracterizar};
    return CondicionEstratosYParametros(p);
}

void ConectarCaracterizacionRoca(Form1& ventana, Proyecto& proyecto, Interaccion& interaccion)
{
    ventana.ConectarDialogo("ParámetrosCaracterizaciónRocaSinLaboratorio",
                            CondicionRocaSinLaboratorio, [&ventana, &proyecto, &interaccion] {
                                Form10 dialogo(proyecto, interaccion,
                                               ventana.PosicionNuevoEstrato(), &ventana);
                                dialogo.exec();
                            });
    ventana.ConectarDialogo("ParámetrosDeCaracterizaciónRocaConLaboratorio",
                            CondicionRocaConLaboratorio, [&ventana, &proyecto, &interaccion] {
                                Form16 dialogo(proyecto, interaccion,
                                               ventana.PosicionNuevoEstrato(), &ventana);
                                dialogo.exec();
                            });
}

} // namespace vertana
