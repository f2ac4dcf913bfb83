#include "ui/condiciones_menu.h"

#include "model/textos.h"

namespace vertana {

std::optional<Aviso> CondicionParametrosIniciales(const Proyecto& p)
{
    if (p.NumeroCoordenadasFalla() > 0 && p.TiposDeFallaDefinidos) return std::nullopt;
    return Aviso{textos::TituloAvisoCoordenadasFalla, textos::AvisoFallaYUniones};
}

std::optional<Aviso> CondicionGeometriaFalla(const Proyecto& p)
{
    if (p.NumeroCoordenadasFalla() >= 1) return std::nullopt;
    return Aviso{textos::TituloAvisoCoordenadasFalla, textos::AvisoFalla};
}

std::optional<Aviso> CondicionCambioParametros(const Proyecto& p)
{
    switch (p.DefinicionParametrosInstantaneos) {
    case DefinicionInstantaneos::Puntuales:
    case DefinicionInstantaneos::EntrePuntos:
    case DefinicionInstantaneos::PorPantalla:
        return std::nullopt;
    default:
        break;
    }
    return Aviso{textos::TituloAvisoInstantaneos, textos::AvisoInstantaneos};
}

std::optional<Aviso> CondicionCaracteristicasSuelos(const Proyecto& p)
{
    if (p.SueloRoca == Material::Roca)
        return Aviso{textos::TituloAvisoSoloSuelos, textos::AvisoSeleccionoRocas};
    if (p.NumeroDeEstratos() >= 1 && p.ParametrosIntroducidos) return std::nullopt;
    return Aviso{textos::TituloAvisoCaracteristicasEstratos, textos::AvisoEstratosYParametros};
}

std::optional<Aviso> CondicionResultadosSuelos(const Proyecto& p)
{
    if (p.SueloRoca == Material::Roca)
        return Aviso{textos::TituloResultadosSoloSuelos, textos::AvisoResultadosSeleccionoRoca};
    if (!p.HayResultados)
        return Aviso{textos::TituloSinCalculoCompleto, textos::RealiceElCalculoParaVerResultados};
    return std::nullopt;
}

std::optional<Aviso> ComprobarAntesDeGuardar(const Proyecto& p)
{
    if (!p.InformacionIntroducida)
        return Aviso{textos::TituloInformacionAdicional, textos::FaltaInformacionAdicional};
    if (p.NumeroCoordenadasTalud() <= 0)
        return Aviso{textos::TituloCoordenadasTalud, textos::FaltanCoordenadasTalud};
    if (p.NumeroDeEstratos() <= 0)
        return Aviso{textos::TituloEstratosEInsertar, textos::FaltanEstratos};
    if (!p.RocaCaracterizada)
        return Aviso{textos::TituloCaracteristicasEstratos, textos::FaltanCaracteristicasEstratos};
    if (p.NumeroCoordenadasFalla() <= 0)
        return Aviso{textos::TituloCoordenadasFalla, textos::FaltanCoordenadasFalla};
    if (!p.TiposDeFallaDefinidos)
        return Aviso{textos::TituloGeometriaFalla, textos::FaltaGeometriaFalla};
    if (!p.ParametrosIntroducidos)
        return Aviso{textos::TituloParametrosIniciales, textos::FaltanParametrosIniciales};
    return std::nullopt;
}

} // namespace vertana
