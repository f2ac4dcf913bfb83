#include "calculo/busqueda_ajustes.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <limits>
#include <nlohmann/json.hpp>
#include <sstream>

namespace vertana {

namespace {

// Ajustes de partida (AjustesPorOmision), en alturas H del talud.
constexpr double ToleranciaAltura = 0.01;     // de H: puntos a la altura del pie o de la corona
constexpr double RejillaSobreCorona = 0.2;    // primera fila de centros
constexpr double RejillaHastaSobreCorona = 2; // última fila de centros
constexpr int CentrosPorLado = 10;
constexpr int RadiosPorOmision = 10;
constexpr int PuntosPorTramo = 10;
constexpr double EntradaTrasCorona = 1.5;
constexpr double SalidaAntesDelPie = 0.5;
constexpr double SalidaSobreLaCara = 0.25; // fracción de la cara, desde el pie
constexpr int MejoresPorOmision = 10;
constexpr int VersionArchivo = 1;
constexpr int SangriaJson = 2;

using json = nlohmann::ordered_json;

// Asigna el valor de la clave si está; un tipo equivocado es un error.
class Lector {
public:
    explicit Lector(std::string& error) : error_(error) {}

    void Numero(const json& j, const char* clave, double& v)
    {
        if (!j.contains(clave)) return;
        if (!j[clave].is_number()) return Falla(clave);
        v = j[clave].get<double>();
    }
    void NumeroOpcional(const json& j, const char* clave, std::optional<double>& v)
    {
        if (!j.contains(clave)) return;
        if (j[clave].is_null()) {
            v.reset();
            return;
        }
        if (!j[clave].is_number()) return Falla(clave);
        v = j[clave].get<double>();
    }
    void Entero(const json& j, const char* clave, int& v)
    {
        if (!j.contains(clave)) return;
        if (!j[clave].is_number_integer()) return Falla(clave);
        const auto n = j[clave].get<long long>();
        if (n < std::numeric_limits<int>::min() || n > std::numeric_limits<int>::max())
            return Falla(clave);
        v = static_cast<int>(n);
    }
    void Logico(const json& j, const char* clave, bool& v)
    {
        if (!j.contains(clave)) return;
        if (!j[clave].is_boolean()) return Falla(clave);
        v = j[clave].get<bool>();
    }
    const json* Objeto(const json& j, const char* clave)
    {
        if (!j.contains(clave)) return nullptr;
        if (!j[clave].is_object()) {
            Falla(clave);
            return nullptr;
        }
        return &j[clave];
    }
    void Falla(const char* clave)
    {
        if (error_.empty()) error_ = std::string("valor no válido en \"") + clave + "\"";
    }
    bool Bien() const { return error_.empty(); }

private:
    std::string& error_;
};

} // namespace

OpcionesBusqueda AjustesBusqueda::ParaBuscar() const
{
    OpcionesBusqueda o = Opciones;
    o.Rejilla.reset();
    o.EntradaSalida.reset();
    if (UsarRejilla) o.Rejilla = Rejilla;
    if (UsarEntradaSalida) o.EntradaSalida = EntradaSalida;
    return o;
}

AjustesBusqueda AjustesPorOmision(const Proyecto& p)
{
    AjustesBusqueda a;
    a.Opciones.Radios = RadiosPorOmision;
    a.Opciones.Mejores = MejoresPorOmision;
    switch (p.MetodoDeCalculo) {
    case Metodo::Fellenius:
        a.Opciones.Metodo = MetodoBusqueda::Fellenius;
        break;
    case Metodo::Janbu:
        a.Opciones.Metodo = MetodoBusqueda::Janbu;
        break;
    default:
        a.Opciones.Metodo = MetodoBusqueda::Bishop;
        break;
    }
    const int n = p.NumeroCoordenadasTalud();
    if (n < 2) return a;
    double xMin = p.AbscisasTalud(1), xMax = xMin;
    double yMin = p.OrdenadasTalud(1), yMax = yMin;
    for (int k = 1; k <= n; ++k) {
        xMin = std::min(xMin, p.AbscisasTalud(k));
        xMax = std::max(xMax, p.AbscisasTalud(k));
        yMin = std::min(yMin, p.OrdenadasTalud(k));
        yMax = std::max(yMax, p.OrdenadasTalud(k));
    }
    const double H = yMax > yMin ? yMax - yMin : 1.0;
    double xPie = xMin, yPie = yMin, xCorona = xMax;
    bool hayPie = false, hayCorona = false;
    for (int k = 1; k <= n; ++k) {
        const double x = p.AbscisasTalud(k), y = p.OrdenadasTalud(k);
        if (y <= yMin + ToleranciaAltura * H && (!hayPie || x > xPie)) {
            xPie = x;
            yPie = y;
            hayPie = true;
        }
        if (y >= yMax - ToleranciaAltura * H && (!hayCorona || x < xCorona)) {
            xCorona = x;
            hayCorona = true;
        }
    }
    if (xCorona < xPie) std::swap(xCorona, xPie);
    const double cara = xCorona - xPie;
    a.Rejilla = {xPie,
                 xCorona,
                 CentrosPorLado,
                 yMax + RejillaSobreCorona * H,
                 yMax + RejillaHastaSobreCorona * H,
                 CentrosPorLado};
    a.Opciones.PuntoDePaso = {xPie, yPie};
    a.EntradaSalida.EntradaX1 = xCorona;
    a.EntradaSalida.EntradaX2 = std::min(xMax, xCorona + EntradaTrasCorona * H);
    a.EntradaSalida.SalidaX1 = std::max(xMin, xPie - SalidaAntesDelPie * H);
    a.EntradaSalida.SalidaX2 = xPie + SalidaSobreLaCara * cara;
    a.EntradaSalida.PuntosEntrada = PuntosPorTramo;
    a.EntradaSalida.PuntosSalida = PuntosPorTramo;
    return a;
}

const char* CodigoMetodoBusqueda(MetodoBusqueda metodo)
{
    switch (metodo) {
    case MetodoBusqueda::Fellenius:
        return "fellenius";
    case MetodoBusqueda::Bishop:
        return "bishop";
    case MetodoBusqueda::Janbu:
        return "janbu";
    case MetodoBusqueda::Spencer:
        return "spencer";
    case MetodoBusqueda::MorgensternPrice:
        return "morgenstern-price";
    }
    return "";
}

std::optional<MetodoBusqueda> MetodoBusquedaPorCodigo(const std::string& codigo)
{
    for (const MetodoBusqueda m :
         {MetodoBusqueda::Fellenius, MetodoBusqueda::Bishop, MetodoBusqueda::Janbu,
          MetodoBusqueda::Spencer, MetodoBusqueda::MorgensternPrice})
        if (codigo == CodigoMetodoBusqueda(m)) return m;
    return std::nullopt;
}

std::string AjustesBusquedaJson(const AjustesBusqueda& a)
{
    const OpcionesBusqueda& o = a.Opciones;
    json j;
    j["version"] = VersionArchivo;
    j["metodo"] = CodigoMetodoBusqueda(o.Metodo);
    const RejillaCentros& g = a.Rejilla;
    j["rejilla"] = {{"usar", a.UsarRejilla}, {"xmin", g.XMin}, {"xmax", g.XMax}, {"nx", g.NX},
                    {"ymin", g.YMin},        {"ymax", g.YMax}, {"ny", g.NY}};
    json radios;
    radios["definicion"] = o.DefinicionRadios == RadiosDeRejilla::PorPunto ? "punto" : "tangentes";
    radios["numero"] = o.Radios;
    radios["tangente_ymin"] = o.TangenteYMin ? json(*o.TangenteYMin) : json(nullptr);
    radios["tangente_ymax"] = o.TangenteYMax ? json(*o.TangenteYMax) : json(nullptr);
    radios["punto"] = {{"x", o.PuntoDePaso.x}, {"y", o.PuntoDePaso.y}};
    j["radios"] = radios;
    const TramosEntradaSalida& t = a.EntradaSalida;
    j["entrada_salida"] = {{"usar", a.UsarEntradaSalida},    {"entrada_x1", t.EntradaX1},
                           {"entrada_x2", t.EntradaX2},      {"salida_x1", t.SalidaX1},
                           {"salida_x2", t.SalidaX2},        {"puntos_entrada", t.PuntosEntrada},
                           {"puntos_salida", t.PuntosSalida}};
    j["refinar"] = o.Refinar;
    j["no_circular"] = o.NoCircular;
    j["vertices"] = o.VerticesNoCircular;
    j["profundidad_minima"] = o.ProfundidadMinima;
    j["area_minima"] = o.AreaMinima;
    j["mejores"] = o.Mejores;
    return j.dump(SangriaJson) + "\n";
}

std::optional<AjustesBusqueda>
LeerAjustesBusquedaJson(const std::string& texto, const AjustesBusqueda& base, std::string* error)
{
    std::string motivo;
    const json j = json::parse(texto, nullptr, false);
    if (j.is_discarded() || !j.is_object()) {
        if (error) *error = "no es un objeto JSON";
        return std::nullopt;
    }
    AjustesBusqueda a = base;
    OpcionesBusqueda& o = a.Opciones;
    Lector l(motivo);
    if (j.contains("metodo")) {
        const auto m = j["metodo"].is_string()
                           ? MetodoBusquedaPorCodigo(j["metodo"].get<std::string>())
                           : std::nullopt;
        if (m)
            o.Metodo = *m;
        else
            l.Falla("metodo");
    }
    if (const json* g = l.Objeto(j, "rejilla")) {
        l.Logico(*g, "usar", a.UsarRejilla);
        l.Numero(*g, "xmin", a.Rejilla.XMin);
        l.Numero(*g, "xmax", a.Rejilla.XMax);
        l.Entero(*g, "nx", a.Rejilla.NX);
        l.Numero(*g, "ymin", a.Rejilla.YMin);
        l.Numero(*g, "ymax", a.Rejilla.YMax);
        l.Entero(*g, "ny", a.Rejilla.NY);
    }
    if (const json* r = l.Objeto(j, "radios")) {
        if (r->contains("definicion")) {
            const json& d = (*r)["definicion"];
            if (d == "punto")
                o.DefinicionRadios = RadiosDeRejilla::PorPunto;
            else if (d == "tangentes")
                o.DefinicionRadios = RadiosDeRejilla::Tangentes;
            else
                l.Falla("definicion");
        }
        l.Entero(*r, "numero", o.Radios);
        l.NumeroOpcional(*r, "tangente_ymin", o.TangenteYMin);
        l.NumeroOpcional(*r, "tangente_ymax", o.TangenteYMax);
        if (const json* punto = l.Objeto(*r, "punto")) {
            l.Numero(*punto, "x", o.PuntoDePaso.x);
            l.Numero(*punto, "y", o.PuntoDePaso.y);
        }
    }
    if (const json* t = l.Objeto(j, "entrada_salida")) {
        TramosEntradaSalida& e = a.EntradaSalida;
        l.Logico(*t, "usar", a.UsarEntradaSalida);
        l.Numero(*t, "entrada_x1", e.EntradaX1);
        l.Numero(*t, "entrada_x2", e.EntradaX2);
        l.Numero(*t, "salida_x1", e.SalidaX1);
        l.Numero(*t, "salida_x2", e.SalidaX2);
        l.Entero(*t, "puntos_entrada", e.PuntosEntrada);
        l.Entero(*t, "puntos_salida", e.PuntosSalida);
    }
    l.Logico(j, "refinar", o.Refinar);
    l.Logico(j, "no_circular", o.NoCircular);
    l.Entero(j, "vertices", o.VerticesNoCircular);
    l.Numero(j, "profundidad_minima", o.ProfundidadMinima);
    l.Numero(j, "area_minima", o.AreaMinima);
    l.Entero(j, "mejores", o.Mejores);
    if (!l.Bien()) {
        if (error) *error = motivo;
        return std::nullopt;
    }
    return a;
}

std::string RutaAjustesBusqueda(const std::string& rutaProyecto)
{
    std::filesystem::path ruta(rutaProyecto);
    ruta.replace_extension(".busqueda.json");
    return ruta.string();
}

std::optional<AjustesBusqueda>
LeerArchivoAjustesBusqueda(const std::string& ruta, const AjustesBusqueda& base, std::string* error)
{
    std::ifstream archivo(ruta, std::ios::binary);
    if (!archivo) {
        if (error) *error = "no se pudo abrir " + ruta;
        return std::nullopt;
    }
    std::ostringstream texto;
    texto << archivo.rdbuf();
    return LeerAjustesBusquedaJson(texto.str(), base, error);
}

bool EscribirArchivoAjustesBusqueda(const std::string& ruta, const AjustesBusqueda& a)
{
    std::ofstream archivo(ruta, std::ios::binary | std::ios::trunc);
    if (!archivo) return false;
    archivo << AjustesBusquedaJson(a);
    archivo.close();
    return static_cast<bool>(archivo);
}

} // namespace vertana
