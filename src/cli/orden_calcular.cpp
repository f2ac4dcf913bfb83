#include "cli/orden_calcular.h"

#include "cli/ordenes.h"
#include "geometry/estado_calculo.h"
#include "io/archivo_proyecto.h"
#include "methods/bishop.h"
#include "methods/fellenius.h"
#include "methods/janbu.h"
#include "methods/variacional.h"
#include "model/error.h"
#include "model/numeros.h"
#include "model/textos.h"
#include "rock/calculo_instantaneo.h"
#include "rock/parametros_instantaneos.h"

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

std::string NombreDelMetodo(int codigo)
{
    switch (codigo) {
    case MetodoBishopCodigo:
        return "Bishop";
    case MetodoFelleniusCodigo:
        return "Fellenius";
    case MetodoJanbuCodigo:
        return "Janbu";
    case MetodoVariacionalCodigo:
        return "Leshchinsky y Huang (variacional)";
    default:
        return "Sin definir";
    }
}

double FactorFinal(const Proyecto& p)
{
    return p.NumeroIteraciones >= 1 && p.NumeroIteraciones <= p.HistoriaFS.Tamano()
               ? p.HistoriaFS(p.NumeroIteraciones)
               : 0.0;
}

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

std::optional<int> CodigoDeMetodo(const std::string& nombre)
{
    if (nombre == "fellenius") return MetodoFelleniusCodigo;
    if (nombre == "bishop") return MetodoBishopCodigo;
    if (nombre == "janbu") return MetodoJanbuCodigo;
    if (nombre == "variacional") return MetodoVariacionalCodigo;
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

nlohmann::ordered_json CalculoJson(const Proyecto& p, const InteraccionLote& ui, bool conResultados)
{
    using json = nlohmann::ordered_json;
    json r;
    r["metodo"] = NombreDelMetodo(p.MetodoDeCalculo);
    if (conResultados) {
        r["factor_seguridad"] = FactorFinal(p);
        r["iteraciones"] = p.NumeroIteraciones;
        json historia = json::array();
        for (int i = 1; i <= p.NumeroIteraciones; ++i)
            historia.push_back(p.HistoriaFS(i));
        r["historia_fs"] = historia;
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
    } else {
        r["factor_seguridad"] = nullptr;
    }
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

std::string CalculoTexto(const Proyecto& p)
{
    std::ostringstream s;
    s << "Método: " << NombreDelMetodo(p.MetodoDeCalculo) << '\n';
    s << "Factor de seguridad: " << Formato(FactorFinal(p), FormatoFS) << '\n';
    s << "Iteraciones: " << p.NumeroIteraciones << '\n';
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

FinCalculo CorrerMetodo(Proyecto& p, EstadoCalculo& e, InteraccionLote& ui)
{
    switch (p.MetodoDeCalculo) {
    case MetodoFelleniusCodigo:
        return MetodoFellenius(p, e, ui);
    case MetodoBishopCodigo:
        return MetodoBishop(p, e, ui);
    case MetodoJanbuCodigo:
        return MetodoJanbu(p, e, ui);
    // form9 por lotes no acepta ni abandona: la iteración sigue hasta converger sola.
    case MetodoVariacionalCodigo:
        return ProcesoIterativoEnSuelos(p, e, ui);
    default:
        ui.Mensaje(MetodoNoDisponible);
        return FinCalculo::Detenido;
    }
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
                      p.DefinicionParametrosInstantaneos == InstantaneosPorPantalla);
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
        for (const auto& ev : lectura.Eventos())
            errores << ev.texto << ": " << o.archivo << '\n';
        if (!leido) return SalidaArchivo;
    }
    if (o.metodo) p.MetodoDeCalculo = static_cast<Entero16>(*o.metodo);
    if (o.definicion) p.DefinicionParametrosInstantaneos = static_cast<Entero16>(*o.definicion);

    EstadoCalculo e;
    ReiniciarEstadoCalculo(e);
    InteraccionLote ui(false);
    PrepararRespuestasPorLotes(ui, o.desembalse);
    // Un proyecto ya calculado con parámetros instantáneos sólo se recalcula con ellos.
    const bool yaInstantaneo = p.UsaParametrosInstantaneosSN == "S";
    FinCalculo fin = FinCalculo::Detenido;
    if (!(o.instantaneos && yaInstantaneo)) fin = CorrerMetodo(p, e, ui);

    // Segundo cálculo, con los parámetros instantáneos que dan los esfuerzos del primero.
    std::optional<Proyecto> primero;
    InteraccionLote uiInstantaneo(false);
    if (o.instantaneos && (fin == FinCalculo::Resultados || yaInstantaneo)) {
        if (fin == FinCalculo::Resultados) primero = p;
        PrepararRespuestasPorLotes(uiInstantaneo, o.desembalse);
        PrepararRespuestasInstantaneas(uiInstantaneo, p);
        fin = CalculoParametrosInstantaneos(p, e, uiInstantaneo);
    }
    const bool conResultados = fin == FinCalculo::Resultados;
    const InteraccionLote& ultima =
        o.instantaneos && (primero || yaInstantaneo) ? uiInstantaneo : ui;

    if (o.comoJson) {
        if (o.instantaneos) {
            nlohmann::ordered_json r;
            r["primer_calculo"] =
                primero ? CalculoJson(*primero, ui, true) : CalculoJson(p, ui, false);
            r["instantaneo"] = CalculoJson(p, uiInstantaneo, conResultados);
            salida << r.dump(2) << '\n';
        } else {
            salida << CalculoJson(p, ui, conResultados).dump(2) << '\n';
        }
    } else {
        EscribirEventos(ui, errores);
        if (primero) salida << CalculoTexto(*primero) << '\n' << ConInstantaneos << '\n';
        EscribirEventos(uiInstantaneo, errores);
        if (conResultados) salida << CalculoTexto(p);
    }
    if (!conResultados) {
        // En texto los mensajes ya se mostraron y el último cierra la lista.
        const auto& eventos = ultima.Eventos();
        if (eventos.empty())
            errores << SinResultados << '\n';
        else if (o.comoJson)
            errores << eventos.back().texto << '\n';
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
