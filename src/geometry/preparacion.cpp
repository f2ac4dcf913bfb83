#include "geometry/preparacion.h"

#include "geometry/asignar_materiales.h"
#include "geometry/generar_dovelas.h"
#include "geometry/geometria_dovelas.h"
#include "geometry/presiones_de_poros.h"
#include "geometry/superficie_falla.h"
#include "geometry/zonas.h"
#include "model/textos.h"

namespace vertana {

ResultadoPreparacion EjecutarPreparacion(Proyecto& p, EstadoCalculo& e, Interaccion& ui)
{
    ResultadoPreparacion r = ConstruirSPF(p, e, ui);
    if (r) r = ConstruirZonas(e);
    if (r) r = GenerarDovelas(p, e, ui);
    if (r) r = GeometriaDovelas(p, e);
    if (r) r = AsignarMateriales(p, e);
    if (r) r = EstimarPresionesDePoros(p, e, ui);
    return r;
}

ResultadoPreparacion PrepararCalculo(Proyecto& p, EstadoCalculo& e, Interaccion& ui)
{
    if (PreparacionCompleta(e) && !ui.Pregunta(textos::PreguntaPrimeraVezCalculo)) {
        ResultadoPreparacion omitida;
        omitida.omitida = true;
        return omitida;
    }
    const ResultadoPreparacion r = EjecutarPreparacion(p, e, ui);
    if (!r) ui.Mensaje(r.mensaje);
    return r;
}

} // namespace vertana
