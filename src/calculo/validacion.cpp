#include "calculo/validacion.h"

#include "calculo/marco_relativo.h"
#include "geometry/preparacion.h"

namespace vertana {

namespace {

// Sin persona delante: toda pregunta se contesta No, los mensajes no se muestran.
class InteraccionSinPersona : public Interaccion {
public:
    void Mensaje(const std::string&, const std::string&) override {}
    bool Pregunta(const std::string&, const std::string&) override { return false; }
};

} // namespace

std::vector<ProblemaDeDatos> ProblemasDelProyecto(const Proyecto& p)
{
    std::vector<ProblemaDeDatos> problemas = ProblemasDeDatos(p, p.MetodoDeCalculo);
    if (!problemas.empty()) return problemas;
    Proyecto copia = p;
    EstadoCalculo e;
    ReiniciarEstadoCalculo(e);
    MarcoRelativo marco(ReferenciaDeLaSeccion(copia));
    marco.ARelativas(copia, e);
    InteraccionSinPersona ui;
    const ResultadoPreparacion r = EjecutarPreparacion(copia, e, ui);
    if (!r) problemas.push_back({r.mensaje, {}});
    return problemas;
}

} // namespace vertana
