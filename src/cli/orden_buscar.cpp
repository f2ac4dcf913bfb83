#include "cli/orden_buscar.h"

#include "calculo/busqueda_ajustes.h"

#include "cli/interaccion_lote.h"
#include "cli/orden_calcular.h"
#include "cli/ordenes.h"
#include "model/numeros.h"

#include <sstream>
#include <vector>

namespace vertana {

namespace {

constexpr char FormatoFS[] = "#0.000";
constexpr char FormatoCoordenada[] = "#0.000";
constexpr char FormatoTiempo[] = "#0.000";
constexpr char FormatoEnsayo[] = "#0.00000";
constexpr char ValoresNoValidos[] = "Valores no válidos en ";
constexpr char FaltaDefinicion[] = "Use --rejilla XMIN,XMAX,NX,YMIN,YMAX,NY o --entrada X1,X2 "
                                   "--salida X3,X4.";

std::optional<std::vector<double>> Numeros(const std::string& texto, std::size_t cuantos)
{
    std::vector<double> v;
    std::stringstream s(texto);
    std::string item;
    while (std::getline(s, item, ',')) {
        try {
            std::size_t usados = 0;
            v.push_back(std::stod(item, &usados));
            if (usados != item.size()) return std::nullopt;
        } catch (const std::exception&) {
            return std::nullopt;
        }
    }
    if (v.size() != cuantos) return std::nullopt;
    return v;
}

const char* NombreEstado(EstadoBusqueda e)
{
    switch (e) {
    case EstadoBusqueda::Hallada:
        return "hallada";
    case EstadoBusqueda::SinSuperficie:
        return "sin_superficie";
    case EstadoBusqueda::Cancelada:
        return "cancelada";
    default:
        return "datos_invalidos";
    }
}

nlohmann::ordered_json SuperficieJson(const SuperficieEnsayo& s)
{
    using json = nlohmann::ordered_json;
    json r;
    r["tipo"] = s.Circular ? "circulo" : "poligonal";
    if (s.Circular) {
        r["centro"] = {{"x", s.XCentro}, {"y", s.YCentro}};
        r["radio"] = s.Radio;
    }
    json puntos = json::array();
    for (const auto& p : s.Puntos)
        puntos.push_back({p.x, p.y});
    r["puntos"] = puntos;
    return r;
}

} // namespace

CLI::App* RegistrarOrdenBuscar(CLI::App& app, OpcionesBuscar& o)
{
    auto* buscar = app.add_subcommand(
        "buscar", "Busca la superficie de falla crítica (círculos y, con --no-circular, "
                  "poligonales)");
    buscar->add_option("archivo", o.archivo, "Proyecto .cod")->required();
    buscar
        ->add_option("--metodo", o.metodo, "fellenius, bishop, janbu, spencer o morgenstern-price")
        ->check(CLI::IsMember({"fellenius", "bishop", "janbu", "spencer", "morgenstern-price"}));
    buscar->add_option("--rejilla", o.rejilla,
                       "Rejilla de centros XMIN,XMAX,NX,YMIN,YMAX,NY (m, m, puntos, ...)");
    buscar->add_option("--entrada", o.entrada, "Tramo de entrada X1,X2 sobre el talud (m)");
    buscar->add_option("--salida", o.salida, "Tramo de salida X3,X4 sobre el talud (m)");
    buscar->add_option("--radios", o.radios, "Radios por centro o por par de entrada y salida")
        ->check(CLI::PositiveNumber);
    buscar->add_option("--tangentes", o.tangentes,
                       "Ordenadas Y1,Y2 de la primera y la última horizontal tangente (m)");
    buscar->add_option("--punto", o.punto,
                       "Punto X,Y por el que pasan los círculos de la rejilla (m)");
    buscar->add_option("--puntos", o.puntos, "Puntos de entrada y de salida en cada tramo")
        ->check(CLI::PositiveNumber);
    buscar->add_flag("--no-circular", o.noCircular,
                     "Después, poligonal optimizada desde el círculo crítico");
    buscar->add_option("--vertices", o.vertices, "Vértices iniciales de la poligonal")
        ->check(CLI::Range(3, 100));
    buscar->add_flag("--sin-refinar", o.sinRefinar, "Sin la optimización local del mejor círculo");
    buscar->add_option("--profundidad-minima", o.profundidadMinima,
                       "Profundidad mínima de la masa deslizante (m)");
    buscar->add_option("--area-minima", o.areaMinima, "Área mínima de la masa deslizante (m2)");
    buscar->add_option("--hilos", o.hilos, "Hilos de cálculo (0: todos los núcleos)")
        ->check(CLI::NonNegativeNumber);
    buscar->add_flag("--json", o.comoJson, "Resultado en JSON");
    buscar->add_option("--guardar", o.guardarEn,
                       "Guarda el proyecto con la superficie crítica como superficie de falla");
    return buscar;
}

std::optional<std::string> OpcionesDeBusqueda(const OpcionesBuscar& o, OpcionesBusqueda& b)
{
    const auto metodo = MetodoBusquedaPorCodigo(o.metodo);
    if (!metodo) return std::string(ValoresNoValidos) + "--metodo";
    b.Metodo = *metodo;
    if (!o.rejilla.empty()) {
        const auto v = Numeros(o.rejilla, 6);
        if (!v || (*v)[2] != std::floor((*v)[2]) || (*v)[5] != std::floor((*v)[5]))
            return std::string(ValoresNoValidos) + "--rejilla";
        b.Rejilla = RejillaCentros{(*v)[0], (*v)[1], static_cast<int>((*v)[2]),
                                   (*v)[3], (*v)[4], static_cast<int>((*v)[5])};
    }
    if (!o.entrada.empty() || !o.salida.empty()) {
        const auto e = Numeros(o.entrada, 2);
        const auto s = Numeros(o.salida, 2);
        if (!e) return std::string(ValoresNoValidos) + "--entrada";
        if (!s) return std::string(ValoresNoValidos) + "--salida";
        b.EntradaSalida =
            TramosEntradaSalida{(*e)[0], (*e)[1], (*s)[0], (*s)[1], o.puntos, o.puntos};
    }
    if (!b.Rejilla && !b.EntradaSalida) return std::string(FaltaDefinicion);
    b.Radios = o.radios;
    if (!o.tangentes.empty()) {
        const auto t = Numeros(o.tangentes, 2);
        if (!t) return std::string(ValoresNoValidos) + "--tangentes";
        b.TangenteYMin = (*t)[0];
        b.TangenteYMax = (*t)[1];
    }
    if (!o.punto.empty()) {
        const auto q = Numeros(o.punto, 2);
        if (!q) return std::string(ValoresNoValidos) + "--punto";
        b.DefinicionRadios = RadiosDeRejilla::PorPunto;
        b.PuntoDePaso = {(*q)[0], (*q)[1]};
    }
    b.NoCircular = o.noCircular;
    b.VerticesNoCircular = o.vertices;
    b.Refinar = !o.sinRefinar;
    b.ProfundidadMinima = o.profundidadMinima;
    b.AreaMinima = o.areaMinima;
    b.Hilos = o.hilos;
    return std::nullopt;
}

nlohmann::ordered_json BusquedaJson(const ResultadoBusqueda& r, MetodoBusqueda metodo)
{
    using json = nlohmann::ordered_json;
    json j;
    j["metodo"] = NombreMetodoBusqueda(metodo);
    j["estado"] = NombreEstado(r.Estado);
    if (r.Estado == EstadoBusqueda::Hallada) {
        j["factor_seguridad"] = r.FactorSeguridad;
        j["factor_ensayo"] = r.FactorEnsayo;
        j["superficie"] = SuperficieJson(r.Critica);
    } else {
        j["factor_seguridad"] = nullptr;
        j["mensaje"] = r.Mensaje;
    }
    j["ensayos"] = r.Ensayos;
    j["ensayos_validos"] = r.EnsayosValidos;
    j["hilos"] = r.HilosUsados;
    j["segundos"] = r.Segundos;
    json mejores = json::array();
    for (const auto& m : r.Mejores)
        mejores.push_back(
            {{"factor_ensayo", m.FactorSeguridad}, {"superficie", SuperficieJson(m.Superficie)}});
    j["mejores"] = mejores;
    return j;
}

std::string BusquedaTexto(const ResultadoBusqueda& r, MetodoBusqueda metodo)
{
    std::ostringstream s;
    auto punto = [](const Punto2& p) {
        return "(" + Formato(p.x, FormatoCoordenada) + ", " + Formato(p.y, FormatoCoordenada) + ")";
    };
    s << "Método: " << NombreMetodoBusqueda(metodo) << '\n';
    if (r.Estado == EstadoBusqueda::Hallada) {
        const SuperficieEnsayo& c = r.Critica;
        if (c.Circular) {
            s << "Superficie crítica: círculo de centro " << punto({c.XCentro, c.YCentro})
              << " y radio " << Formato(c.Radio, FormatoCoordenada) << " m\n";
            if (c.Puntos.size() == 2)
                s << "Entrada " << punto(c.Puntos[0]) << ", salida " << punto(c.Puntos[1]) << '\n';
        } else {
            s << "Superficie crítica: poligonal de " << c.Puntos.size() << " puntos\n";
            for (const auto& p : c.Puntos)
                s << "  " << punto(p) << '\n';
        }
        s << "Factor de seguridad: " << Formato(r.FactorSeguridad, FormatoFS)
          << " (cálculo completo; ensayo " << Formato(r.FactorEnsayo, FormatoEnsayo) << ")\n";
    } else {
        s << r.Mensaje << '\n';
    }
    s << "Ensayos: " << r.Ensayos << " (válidos " << r.EnsayosValidos << "), hilos "
      << r.HilosUsados << '\n';
    s << "Tiempo: " << Formato(r.Segundos, FormatoTiempo) << " s\n";
    return s.str();
}

int OrdenBuscar(const OpcionesBuscar& o, std::ostream& salida, std::ostream& errores)
{
    OpcionesBusqueda b;
    if (const auto error = OpcionesDeBusqueda(o, b)) {
        errores << *error << '\n';
        return SalidaUso;
    }
    Proyecto p;
    if (!LeerParaCli(o.archivo, p, errores)) return SalidaArchivo;
    const ResultadoBusqueda r = BuscarSuperficieCritica(p, b);
    if (o.comoJson)
        salida << BusquedaJson(r, b.Metodo).dump(2) << '\n';
    else
        salida << BusquedaTexto(r, b.Metodo);
    if (r.Estado == EstadoBusqueda::DatosInvalidos) {
        errores << r.Mensaje << '\n';
        return SalidaUso;
    }
    if (r.Estado != EstadoBusqueda::Hallada) return SalidaSinResultados;
    if (!o.guardarEn.empty()) {
        AdoptarSuperficie(p, r.Critica, b.Metodo);
        // Con un método del programa el proyecto se guarda con los resultados de esa superficie.
        if (const auto m = MetodoDelPrograma(b.Metodo)) {
            EstadoCalculo e;
            ReiniciarEstadoCalculo(e);
            InteraccionLote ui(false);
            PrepararRespuestasPorLotes(ui, false);
            Calcular(p, e, *m, {}, ui);
        }
        if (!GuardarParaCli(o.guardarEn, p, errores)) return SalidaArchivo;
    }
    return SalidaCorrecta;
}

} // namespace vertana
