#include "cli/orden_riguroso.h"

#include "cli/ordenes.h"
#include "geometry/estado_calculo.h"
#include "model/numeros.h"
#include "model/unidades.h"

#include <cmath>
#include <iomanip>
#include <sstream>

namespace vertana {

namespace {

constexpr char FormatoFS[] = "#0.000";
constexpr char FormatoLambda[] = "#0.0000";
constexpr char FormatoTabla[] = "#0.00";
constexpr char SinGuardar[] =
    "Los métodos rigurosos sirven de contraste y no escriben resultados en el proyecto: "
    "--guardar y --instantaneos no se usan con spencer ni morgenstern-price.";
constexpr const char* Columnas[] = {"No",           "xo (m)",        "yo (m)",
                                    "sig (ton/m2)", "sige (ton/m2)", "tau (ton/m2)",
                                    "E (ton/m)",    "X (ton/m)"};
constexpr int AnchoColumna = 14;

std::string Respuesta(bool si)
{
    return si ? "Sí" : "No";
}

} // namespace

std::optional<MetodoRiguroso> MetodoRigurosoDeNombre(const std::string& nombre)
{
    if (nombre == "spencer") return MetodoRiguroso::Spencer;
    if (nombre == "morgenstern-price") return MetodoRiguroso::MorgensternPrice;
    return std::nullopt;
}

nlohmann::ordered_json RigurosoJson(const ResultadoRiguroso& r, const InteraccionLote& ui)
{
    using json = nlohmann::ordered_json;
    json j;
    j["metodo"] = NombreDeMetodoRiguroso(r.Metodo);
    if (r.FactorSeguridad) {
        j["factor_seguridad"] = *r.FactorSeguridad;
        j["lambda"] = r.Lambda;
        if (r.Metodo == MetodoRiguroso::Spencer)
            j["angulo_entre_dovelas"] = Grados(r.AnguloEntreDovelas);
        j["iteraciones_lambda"] = r.Solucion.IteracionesLambda;
        j["admisible"] = r.Admisibilidad.Admisible();
        json dovelas = json::array();
        for (std::size_t i = 0; i < r.Problema.Dovelas.size(); ++i) {
            const EsfuerzosRigurosos s = EsfuerzosDeDovela(r, static_cast<int>(i) + 1);
            dovelas.push_back({{"xo", r.Problema.Dovelas[i].AbscisaBase},
                               {"yo", r.Problema.Dovelas[i].OrdenadaBase},
                               {"sig", s.Normal},
                               {"sige", s.Efectivo},
                               {"tau", s.Tangencial},
                               {"E", r.Solucion.E[i + 1]},
                               {"X", r.Solucion.X[i + 1]}});
        }
        j["dovelas"] = dovelas;
    } else {
        j["factor_seguridad"] = nullptr;
        if (!r.Mensaje.empty()) j["razon"] = r.Mensaje;
    }
    j["avisos"] = r.Avisos;
    json mensajes = json::array();
    for (const auto& ev : ui.Eventos()) {
        json m = {{"titulo", ev.titulo}, {"texto", ev.texto}, {"respuesta", nullptr}};
        if (ev.tipo == EventoInteraccion::Tipo::Pregunta) m["respuesta"] = Respuesta(ev.respuesta);
        mensajes.push_back(m);
    }
    j["mensajes"] = mensajes;
    return j;
}

std::string RigurosoTexto(const ResultadoRiguroso& r)
{
    std::ostringstream s;
    s << "Método: " << NombreDeMetodoRiguroso(r.Metodo) << '\n';
    s << "Factor de seguridad: " << Formato(r.FactorSeguridad.value_or(0.0), FormatoFS) << '\n';
    s << "Lambda: " << Formato(r.Lambda, FormatoLambda);
    if (r.Metodo == MetodoRiguroso::Spencer)
        s << " (inclinación de las fuerzas entre dovelas "
          << Formato(Grados(r.AnguloEntreDovelas), FormatoTabla) << " grados)";
    s << '\n';
    for (const char* c : Columnas)
        s << std::setw(AnchoColumna) << c;
    s << '\n';
    for (std::size_t i = 0; i < r.Problema.Dovelas.size(); ++i) {
        const EsfuerzosRigurosos e = EsfuerzosDeDovela(r, static_cast<int>(i) + 1);
        s << std::setw(AnchoColumna) << i + 1;
        for (double v :
             {r.Problema.Dovelas[i].AbscisaBase, r.Problema.Dovelas[i].OrdenadaBase, e.Normal,
              e.Efectivo, e.Tangencial, r.Solucion.E[i + 1], r.Solucion.X[i + 1]})
            s << std::setw(AnchoColumna) << Formato(v, FormatoTabla);
        s << '\n';
    }
    for (const std::string& aviso : r.Avisos)
        s << aviso << '\n';
    return s.str();
}

int OrdenCalcularRiguroso(const OpcionesCalcular& o, std::ostream& salida, std::ostream& errores)
{
    if (!o.guardarEn.empty() || o.instantaneos) {
        errores << SinGuardar << '\n';
        return SalidaUso;
    }
    Proyecto p;
    if (!LeerParaCli(o.archivo, p, errores)) return SalidaArchivo;
    EstadoCalculo e;
    ReiniciarEstadoCalculo(e);
    InteraccionLote ui(false);
    PrepararRespuestasPorLotes(ui, o.desembalse);
    const ResultadoRiguroso r = CalcularRiguroso(p, e, {*o.riguroso}, ui).front();
    if (o.comoJson) {
        salida << RigurosoJson(r, ui).dump(2) << '\n';
    } else {
        for (const auto& ev : ui.Eventos()) {
            if (ev.tipo == EventoInteraccion::Tipo::Pregunta)
                errores << ev.texto << " -> " << Respuesta(ev.respuesta) << '\n';
            else if (ev.tipo == EventoInteraccion::Tipo::Mensaje)
                errores << (ev.titulo.empty() ? "" : ev.titulo + " ") << ev.texto << '\n';
        }
        if (r.Convergio()) salida << RigurosoTexto(r);
    }
    if (!r.Convergio()) {
        if (!r.Mensaje.empty()) errores << r.Mensaje << '\n';
        return SalidaSinResultados;
    }
    return SalidaCorrecta;
}

} // namespace vertana
