#include "cli/orden_calcular.h"

#include "calculo/marco_relativo.h"
#include "cli/orden_anclajes.h"
#include "cli/ordenes.h"
#include "geometry/estado_calculo.h"
#include "io/archivo_proyecto.h"
#include "model/numeros.h"
#include "model/textos.h"

#include <iomanip>
#include <limits>
#include <sstream>

namespace vertana {

namespace {

constexpr char FormatoFS[] = "#0.000";
constexpr char FormatoTabla[] = "#0.00";
constexpr char SinResultados[] = "El cálculo terminó sin resultados.";
constexpr char ConInstantaneos[] = "Segundo cálculo, con parámetros instantáneos:";
constexpr char CentroSoloCompuesta[] =
    "--centro sólo se usa con una superficie compuesta: el centro de un círculo único sale de su "
    "radio y de sus dos puntos.";
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
// Columnas que se añaden en un macizo rocoso.
constexpr const char* ColumnasPrincipales[] = {"sig3 (ton/m2)", "sig1(ton/m2)"};

// Valor k de una tabla por dovela; NaN (null en JSON) si la tabla no lo tiene.
double DeLaTabla(const Tabla<double>& t, int k)
{
    return k >= 1 && k <= t.Tamano() ? t(k) : std::numeric_limits<double>::quiet_NaN();
}

void AgregarColumnasDeRoca(const Proyecto& p, int s, nlohmann::ordered_json& d)
{
    d["m"] = DeLaTabla(p.ParametroMDovela, s);
    d["s"] = DeLaTabla(p.ParametroSDovela, s);
    d["sig3"] = DeLaTabla(p.EsfuerzoPrincipalMenorDovela, s);
    d["sig1"] = DeLaTabla(p.EsfuerzoPrincipalMayorDovela, s);
}

} // namespace

std::optional<std::pair<double, double>> CentroDeTexto(const std::string& texto)
{
    const std::size_t coma = texto.find(',');
    if (coma == std::string::npos) return std::nullopt;
    const std::optional<double> x = ValorNumerico(texto.substr(0, coma));
    const std::optional<double> y = ValorNumerico(texto.substr(coma + 1));
    if (!x || !y) return std::nullopt;
    return std::make_pair(*x, *y);
}

bool AplicarCentro(Proyecto& p, std::pair<double, double> centro)
{
    if (EsCirculoUnico(p)) return false;
    const PuntoDeReferencia r = ReferenciaDeLaSeccion(p);
    p.CentroCirculoX = centro.first;
    p.CentroCirculoY = centro.second;
    p.CentroCirculoXGuardado = centro.first - r.x;
    p.CentroCirculoYGuardado = centro.second - r.y;
    return true;
}

std::optional<Metodo> CodigoDeMetodo(const std::string& nombre)
{
    if (nombre == "fellenius") return Metodo::Fellenius;
    if (nombre == "bishop") return Metodo::Bishop;
    if (nombre == "janbu") return Metodo::Janbu;
    if (nombre == "variacional") return Metodo::Variacional;
    return std::nullopt;
}

OpcionesCalculo OpcionesPorLotes(const Proyecto& p, Metodo metodo)
{
    OpcionesCalculo opciones;
    opciones.EnRocas =
        p.SueloRoca == Material::Roca && (metodo == Metodo::Janbu || metodo == Metodo::Variacional);
    return opciones;
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
    r["metodo"] = NombreDeMetodo(p.MetodoDeCalculo, calculo.EnRocas);
    const bool roca = p.SueloRoca == Material::Roca;
    if (calculo.FactorSeguridad) {
        r["factor_seguridad"] = *calculo.FactorSeguridad;
        r["iteraciones"] = calculo.Iteraciones;
        r["historia_fs"] = calculo.Historia;
        if (EsCirculoUnico(p)) {
            r["radio"] = p.RadioCirculoFalla;
            r["centro"] = {{"x", p.CentroCirculoX}, {"y", p.CentroCirculoY}};
        }
        json dovelas = json::array();
        for (int s = 1; s < p.NumeroPuntosDovelas; ++s) {
            json d = {{"dx", p.AnchoDovela(s)},
                      {"xo", p.AbscisaCentroDovela(s)},
                      {"yt", p.OrdenadaTaludDovela(s)},
                      {"yo", p.OrdenadaCentroDovela(s)},
                      {"u", p.PresionPorosDovela(s)},
                      {"c", p.CohesionDovela(s)},
                      {"fi", p.FriccionDovela(s)},
                      {"pu", p.PesoUnitarioDovela(s)},
                      {"sig", p.EsfuerzoNormalDovela(s)},
                      {"sige", p.EsfuerzoEfectivoDovela(s)},
                      {"tau", p.EsfuerzoTangencialDovela(s)}};
            // Macizo rocoso: m y s de la base y los esfuerzos principales efectivos.
            if (roca) AgregarColumnasDeRoca(p, s, d);
            dovelas.push_back(d);
        }
        r["dovelas"] = dovelas;
        r["sumas"] = {{"tau", p.SumaEsfuerzosTangenciales},
                      {"sig", p.SumaEsfuerzosNormalesTotales},
                      {"sige", p.SumaEsfuerzosNormalesEfectivos}};
        if (roca) {
            r["sumas"]["sig3"] = p.SumaEsfuerzosPrincipalesMenores;
            r["sumas"]["sig1"] = p.SumaEsfuerzosPrincipalesMayores;
        }
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
    s << "Método: " << NombreDeMetodo(p.MetodoDeCalculo, calculo.EnRocas) << '\n';
    const bool roca = p.SueloRoca == Material::Roca;
    s << "Factor de seguridad: " << Formato(calculo.FactorSeguridad.value_or(0.0), FormatoFS)
      << '\n';
    s << "Iteraciones: " << calculo.Iteraciones << '\n';
    if (EsCirculoUnico(p))
        s << "Radio: " << Formato(p.RadioCirculoFalla, FormatoFS) << " m; centro: ("
          << Formato(p.CentroCirculoX, FormatoFS) << ", " << Formato(p.CentroCirculoY, FormatoFS)
          << ")\n";
    for (const char* c : Columnas)
        s << std::setw(AnchoColumna) << c;
    if (roca)
        for (const char* c : ColumnasPrincipales)
            s << std::setw(AnchoColumna) << c;
    s << '\n';
    for (int k = 1; k < p.NumeroPuntosDovelas; ++k) {
        s << std::setw(AnchoColumna) << k;
        for (double v : {p.AnchoDovela(k), p.AbscisaCentroDovela(k), p.OrdenadaTaludDovela(k),
                         p.OrdenadaCentroDovela(k), p.PresionPorosDovela(k), p.CohesionDovela(k),
                         p.FriccionDovela(k), p.PesoUnitarioDovela(k), p.EsfuerzoNormalDovela(k),
                         p.EsfuerzoEfectivoDovela(k), p.EsfuerzoTangencialDovela(k)})
            s << std::setw(AnchoColumna) << Formato(v, FormatoTabla);
        if (roca)
            for (double v : {DeLaTabla(p.EsfuerzoPrincipalMenorDovela, k),
                             DeLaTabla(p.EsfuerzoPrincipalMayorDovela, k)})
                s << std::setw(AnchoColumna) << Formato(v, FormatoTabla);
        s << '\n';
    }
    s << "Suma de tau (ton/m2): " << Formato(p.SumaEsfuerzosTangenciales, FormatoTabla) << '\n';
    s << "Suma de sig (ton/m2): " << Formato(p.SumaEsfuerzosNormalesTotales, FormatoTabla) << '\n';
    s << "Suma de sige (ton/m2): " << Formato(p.SumaEsfuerzosNormalesEfectivos, FormatoTabla)
      << '\n';
    if (roca) {
        s << "Suma de sig3 (ton/m2): " << Formato(p.SumaEsfuerzosPrincipalesMenores, FormatoTabla)
          << '\n';
        s << "Suma de sig1 (ton/m2): " << Formato(p.SumaEsfuerzosPrincipalesMayores, FormatoTabla)
          << '\n';
    }
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
    return Calcular(p, e, p.MetodoDeCalculo, OpcionesPorLotes(p, m), ui);
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
    if (!LeerParaCli(o.archivo, p, errores)) return SalidaArchivo;
    if (o.metodo) p.MetodoDeCalculo = *o.metodo;
    if (o.definicion) p.DefinicionParametrosInstantaneos = *o.definicion;
    if (o.centro && !AplicarCentro(p, *o.centro)) {
        errores << CentroSoloCompuesta << '\n';
        return SalidaUso;
    }

    EstadoCalculo e;
    ReiniciarEstadoCalculo(e);
    e.PartidaAutomatica = o.partidaAutomatica;
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
        if (!GuardarParaCli(o.guardarEn, p, errores)) return SalidaArchivo;
    }
    return SalidaCorrecta;
}

} // namespace vertana
