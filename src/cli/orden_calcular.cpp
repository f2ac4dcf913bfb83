#include "cli/orden_calcular.h"

#include "cli/orden_anclajes.h"
#include "cli/ordenes.h"
#include "geometry/estado_calculo.h"
#include "io/archivo_proyecto.h"
#include "model/error.h"
#include "model/numeros.h"
#include "model/textos.h"

#include <iomanip>
#include <sstream>

namespace vertana {

namespace {

constexpr char FormatoFS[] = "#0.000";
constexpr char FormatoTabla[] = "#0.00";
constexpr char SinResultados[] = "El cálculo terminó sin resultados.";
constexpr char ConInstantaneos[] = "Segundo cálculo, con parámetros instantáneos:";
constexpr char MetodoNoDisponible[] =
    "El método de cálculo del proyecto no se calcula con esta orden: use --metodo fellenius, "
    "bishop, janbu o variacional.";

std::string Respuesta(bool si)
{
    return si ? "Sí" : "No";
}

// Columnas del cuadro de resultados para suelos.
constexpr const char* Columnas[] = {"No",          "dx (m)",       "xo (m)",        "yt (m)",
                                    "yo (m)",      "u (ton/m2)",   "c (ton/m2)",    "fi (grados)",
                                    "pu (ton/m3)", "sig (ton/m2)", "sige (ton/m2)", "tau (ton/m2)"};
constexpr int AnchoColumna = 14;

} // namespace

std::optional<Metodo> CodigoDeMetodo(const std::string& nombre)
{
    if (nombre == "fellenius") return Metodo::Fellenius;
    if (nombre == "bishop") return Metodo::Bishop;
    if (nombre == "janbu") return Metodo::Janbu;
    if (nombre == "variacional") return Metodo::Variacional;
    return std::nullopt;
}

void PrepararRespuestasPorLotes(InteraccionLote& ui, bool desembalse)
{
    ui.FijarRespuesta(textos::PreguntaDesembalseRapido, desembalse);
    ui.FijarRespuesta(textos::PreguntaPrimeraVezCalculo, true);
    ui.FijarRespuesta(textos::PreguntaRecalcular, true);
    ui.FijarRespuesta(textos::PreguntaEsfuerzoEfectivoNulo, true);
    ui.FijarRespuesta(textos::PreguntaAnguloDovela, true);
    ui.FijarRespuesta(textos::PreguntaProgramaFijaHt, true);
    ui.FijarRespuesta(textos::PreguntaPresionesExistentes, true);
}

nlohmann::ordered_json CalculoJson(const Proyecto& p, const ResultadoCalculo& calculo,
                                   const InteraccionLote& ui)
{
    using json = nlohmann::ordered_json;
    json r;
    r["metodo"] = NombreDeMetodo(p.MetodoDeCalculo);
    if (calculo.FactorSeguridad) {
        r["factor_seguridad"] = *calculo.FactorSeguridad;
        r["iteraciones"] = calculo.Iteraciones;
        r["historia_fs"] = calculo.Historia;
        if (EsCirculoUnico(p)) {
            r["radio"] = p.RadioCirculoFalla;
            r["centro"] = {{"x", p.CentroCirculoX}, {"y", p.CentroCirculoY}};
        }
        json dovelas = json::array();
        for (int s = 1; s < p.NumeroPuntosDovelas; ++s)
            dovelas.push_back({{"dx", p.AnchoDovela(s)},
                               {"xo", p.AbscisaCentroDovela(s)},
                               {"yt", p.OrdenadaTaludDovela(s)},
                               {"yo", p.OrdenadaCentroDovela(s)},
                               {"u", p.PresionPorosDovela(s)},
                               {"c", p.CohesionDovela(s)},
                               {"fi", p.FriccionDovela(s)},
                               {"pu", p.PesoUnitarioDovela(s)},
                               {"sig", p.EsfuerzoNormalDovela(s)},
                               {"sige", p.EsfuerzoEfectivoDovela(s)},
                               {"tau", p.EsfuerzoTangencialDovela(s)}});
        r["dovelas"] = dovelas;
        r["sumas"] = {{"tau", p.SumaEsfuerzosTangenciales},
                      {"sig", p.SumaEsfuerzosNormalesTotales},
                      {"sige", p.SumaEsfuerzosNormalesEfectivos}};
        if (TieneAnclajes(p)) r["anclajes"] = AnclajesGuardadosJson(p);
    } else {
        r["factor_seguridad"] = nullptr;
    }
    r["avisos"] = calculo.Avisos;
    json mensajes = json::array();
    for (const auto& ev : ui.Eventos()) {
        // Un diálogo abierto se anota con su título.
        if (ev.tipo == EventoInteraccion::Tipo::Dialogo) {
            mensajes.push_back({{"dialogo", ev.texto}});
            continue;
        }
        json m = {{"titulo", ev.titulo}, {"texto", ev.texto}, {"respuesta", nullptr}};
        if (ev.tipo == EventoInteraccion::Tipo::Pregunta) m["respuesta"] = Respuesta(ev.respuesta);
        mensajes.push_back(m);
    }
    r["mensajes"] = mensajes;
    return r;
}

std::string CalculoTexto(const Proyecto& p, const ResultadoCalculo& calculo)
{
    std::ostringstream s;
    s << "Método: " << NombreDeMetodo(p.MetodoDeCalculo) << '\n';
    s << "Factor de seguridad: " << Formato(calculo.FactorSeguridad.value_or(0.0), FormatoFS)
      << '\n';
    s << "Iteraciones: " << calculo.Iteraciones << '\n';
    if (EsCirculoUnico(p))
        s << "Radio: " << Formato(p.RadioCirculoFalla, FormatoFS) << " m; centro: ("
          << Formato(p.CentroCirculoX, FormatoFS) << ", " << Formato(p.CentroCirculoY, FormatoFS)
          << ")\n";
    for (const char* c : Columnas)
        s << std::setw(AnchoColumna) << c;
    s << '\n';
    for (int k = 1; k < p.NumeroPuntosDovelas; ++k) {
        s << std::setw(AnchoColumna) << k;
        for (double v : {p.AnchoDovela(k), p.AbscisaCentroDovela(k), p.OrdenadaTaludDovela(k),
                         p.OrdenadaCentroDovela(k), p.PresionPorosDovela(k), p.CohesionDovela(k),
                         p.FriccionDovela(k), p.PesoUnitarioDovela(k), p.EsfuerzoNormalDovela(k),
                         p.EsfuerzoEfectivoDovela(k), p.EsfuerzoTangencialDovela(k)})
            s << std::setw(AnchoColumna) << Formato(v, FormatoTabla);
        s << '\n';
    }
    s << "Suma de tau (ton/m2): " << Formato(p.SumaEsfuerzosTangenciales, FormatoTabla) << '\n';
    s << "Suma de sig (ton/m2): " << Formato(p.SumaEsfuerzosNormalesTotales, FormatoTabla) << '\n';
    s << "Suma de sige (ton/m2): " << Formato(p.SumaEsfuerzosNormalesEfectivos, FormatoTabla)
      << '\n';
    return s.str();
}

namespace {

// El método del proyecto, si esta orden lo calcula (form9 por lotes no acepta ni abandona: la
// iteración variacional sigue hasta converger sola).
ResultadoCalculo CalcularMetodoDelProyecto(Proyecto& p, EstadoCalculo& e, InteraccionLote& ui)
{
    const Metodo m = p.MetodoDeCalculo;
    if (m != Metodo::Fellenius && m != Metodo::Bishop && m != Metodo::Janbu &&
        m != Metodo::Variacional) {
        ui.Mensaje(MetodoNoDisponible);
        ResultadoCalculo r;
        r.Mensaje = MetodoNoDisponible;
        return r;
    }
    return Calcular(p, e, p.MetodoDeCalculo, {}, ui);
}

// Mensajes y preguntas de un cálculo, en texto, a la salida de errores.
void EscribirEventos(const InteraccionLote& ui, std::ostream& errores)
{
    for (const auto& ev : ui.Eventos()) {
        if (ev.tipo == EventoInteraccion::Tipo::Pregunta)
            errores << ev.texto << " -> " << Respuesta(ev.respuesta) << '\n';
        else if (ev.tipo == EventoInteraccion::Tipo::Mensaje)
            errores << (ev.titulo.empty() ? "" : ev.titulo + " ") << ev.texto << '\n';
    }
}

} // namespace

void PrepararRespuestasInstantaneas(InteraccionLote& ui, const Proyecto& p)
{
    ui.FijarRespuesta(textos::PreguntaRecalculoInstantaneo, true);
    ui.FijarRespuesta(textos::PreguntaUsarParametrosQueSeTienen,
                      p.DefinicionParametrosInstantaneos == DefinicionInstantaneos::PorPantalla);
    ui.FijarRespuesta(textos::PreguntaInstantaneosVariacional, true);
    ui.FijarRespuesta(textos::PreguntaInstantaneosBishop, true);
    ui.FijarRespuesta(textos::PreguntaInstantaneosJanbu, true);
    ui.FijarRespuesta(textos::PreguntaContinuarInstantaneos, true);
}

int OrdenCalcular(const OpcionesCalcular& o, std::ostream& salida, std::ostream& errores)
{
    Proyecto p;
    ReiniciarProyecto(p);
    {
        InteraccionLote lectura;
        const bool leido = LeerProyecto(o.archivo, p, lectura);
        for (const auto& ev : lectura.Eventos()) {
            errores << ev.texto << ": " << o.archivo << '\n';
            if (!ev.detalle.empty()) errores << ev.detalle << '\n';
        }
        if (!leido) return SalidaArchivo;
    }
    if (o.metodo) p.MetodoDeCalculo = *o.metodo;
    if (o.definicion) p.DefinicionParametrosInstantaneos = *o.definicion;

    EstadoCalculo e;
    ReiniciarEstadoCalculo(e);
    InteraccionLote ui(false);
    PrepararRespuestasPorLotes(ui, o.desembalse);
    // Un proyecto ya calculado con parámetros instantáneos sólo se recalcula con ellos.
    const bool yaInstantaneo = p.UsaParametrosInstantaneos;
    ResultadoCalculo calculo;
    if (!(o.instantaneos && yaInstantaneo)) calculo = CalcularMetodoDelProyecto(p, e, ui);

    // Segundo cálculo, con los parámetros instantáneos que dan los esfuerzos del primero.
    std::optional<Proyecto> primero;
    const ResultadoCalculo primerCalculo = calculo;
    InteraccionLote uiInstantaneo(false);
    if (o.instantaneos && (calculo.Convergio() || yaInstantaneo)) {
        if (calculo.Convergio()) primero = p;
        PrepararRespuestasPorLotes(uiInstantaneo, o.desembalse);
        PrepararRespuestasInstantaneas(uiInstantaneo, p);
        OpcionesCalculo instantaneo;
        instantaneo.ParametrosInstantaneos = true;
        calculo = Calcular(p, e, p.MetodoDeCalculo, instantaneo, uiInstantaneo);
    }
    const bool conResultados = calculo.Convergio();

    if (o.comoJson) {
        if (o.instantaneos) {
            nlohmann::ordered_json r;
            r["primer_calculo"] = primero ? CalculoJson(*primero, primerCalculo, ui)
                                          : CalculoJson(p, ResultadoCalculo{}, ui);
            r["instantaneo"] = CalculoJson(p, calculo, uiInstantaneo);
            salida << r.dump(2) << '\n';
        } else {
            salida << CalculoJson(p, calculo, ui).dump(2) << '\n';
        }
    } else {
        EscribirEventos(ui, errores);
        if (primero)
            salida << CalculoTexto(*primero, primerCalculo) << '\n' << ConInstantaneos << '\n';
        EscribirEventos(uiInstantaneo, errores);
        if (conResultados) salida << CalculoTexto(p, calculo);
    }
    if (!conResultados) {
        // En texto los mensajes ya se mostraron y el último cierra la lista; en JSON la razón es
        // el último mensaje del cálculo (nunca el título de un diálogo abierto).
        if (calculo.Mensaje.empty())
            errores << SinResultados << '\n';
        else if (o.comoJson)
            errores << (calculo.TituloMensaje.empty() ? "" : calculo.TituloMensaje + " ")
                    << calculo.Mensaje << '\n';
        return SalidaSinResultados;
    }
    if (!o.guardarEn.empty()) {
        try {
            EscribirProyecto(o.guardarEn, p);
        } catch (const ErrorVertana& error) {
            errores << error.what() << '\n';
            return SalidaArchivo;
        }
    }
    return SalidaCorrecta;
}

} // namespace vertana
