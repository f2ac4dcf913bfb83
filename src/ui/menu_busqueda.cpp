#include "ui/menu_busqueda.h"

#include "model/interaccion.h"
#include "model/textos.h"
#include "ui/dialogo_busqueda.h"
#include "ui/form1.h"
#include "ui/vista_seccion.h"

#include <QObject>
#include <filesystem>
#include <memory>

namespace vertana {

namespace {

// Lo que la sesión recuerda, colgado de la ventana principal.
class SesionBusqueda : public QObject {
public:
    explicit SesionBusqueda(QObject* padre) : QObject(padre) { setObjectName("SesionBusqueda"); }
    std::optional<AjustesBusqueda> ajustes;
    std::string archivo; // el del proyecto de esos ajustes
};

} // namespace

AjustesBusqueda AjustesParaAbrir(const Proyecto& p, const std::optional<AjustesBusqueda>& sesion,
                                 const std::string& archivoDeLaSesion, std::string* aviso)
{
    if (sesion && archivoDeLaSesion == p.ArchivoActual) return *sesion;
    const AjustesBusqueda base = AjustesPorOmision(p);
    if (p.ArchivoActual.empty()) return base;
    const std::string ruta = RutaAjustesBusqueda(p.ArchivoActual);
    std::error_code error;
    if (!std::filesystem::exists(ruta, error)) return base;
    std::string motivo;
    if (auto leidos = LeerArchivoAjustesBusqueda(ruta, base, &motivo)) return *leidos;
    if (aviso) *aviso = textos::BusquedaAjustesNoLeidos + ruta + ": " + motivo;
    return base;
}

void ConectarBusqueda(Form1& ventana, Proyecto& proyecto, Interaccion& interaccion)
{
    auto* sesion = new SesionBusqueda(&ventana);
    ventana.ConectarDialogo(
        "MenúBúsquedaSuperficieCrítica", nullptr, [&ventana, &proyecto, &interaccion, sesion] {
            // Lo que está en pantalla cuenta para la búsqueda.
            ventana.GuardarEdicion();
            std::string aviso;
            const AjustesBusqueda ajustes =
                AjustesParaAbrir(proyecto, sesion->ajustes, sesion->archivo, &aviso);
            if (!aviso.empty()) interaccion.Mensaje(aviso, textos::TituloBusqueda);
            DialogoBusqueda dialogo(proyecto, interaccion, ajustes, &ventana);
            dialogo.AlEmpezar = [&proyecto, &interaccion, sesion](const AjustesBusqueda& a) {
                sesion->ajustes = a;
                sesion->archivo = proyecto.ArchivoActual;
                if (proyecto.ArchivoActual.empty()) return;
                const std::string ruta = RutaAjustesBusqueda(proyecto.ArchivoActual);
                if (!EscribirArchivoAjustesBusqueda(ruta, a))
                    interaccion.Mensaje(textos::BusquedaAjustesNoGuardados + ruta,
                                        textos::TituloBusqueda);
            };
            dialogo.AlTerminar = [&ventana](std::shared_ptr<const BusquedaEnVista> b) {
                ventana.Vista().MostrarBusqueda(std::move(b));
            };
            dialogo.exec();
            if (const auto& s = dialogo.SuperficieAdoptada())
                ventana.AdoptarSuperficieCritica(*s, dialogo.MetodoAdoptado());
        });
}

} // namespace vertana
