#include "cli/orden_dovelas.h"

#include "cli/interaccion_lote.h"
#include "cli/ordenes.h"
#include "geometry/preparacion.h"
#include "io/codigos.h"
#include "model/numeros.h"
#include "model/textos.h"

#include <iomanip>
#include <sstream>

namespace vertana {

namespace {

constexpr char Coordenada[] = "#0.000";
constexpr char Valor[] = "#0.00";
constexpr char Pendiente[] = "#0.0000";

double SumaDeAnchos(const Proyecto& p)
{
    double suma = 0.0;
    for (int s = 1; s < p.NumeroPuntosDovelas; ++s)
        suma += p.AnchoDovela(s);
    return suma;
}

int EstratoDeLaDovela(const EstadoCalculo& e, int s)
{
    return e.Dovelas.EstratoBaseDovela(s);
}

} // namespace

nlohmann::ordered_json DovelasJson(const Proyecto& p, const EstadoCalculo& e)
{
    using json = nlohmann::ordered_json;
    json r;
    json superficie = json::array();
    for (int k = 1; k <= e.NumeroPuntosSPF; ++k) {
        json punto = {{"x", e.AbscisasSPF(k)}, {"y", e.OrdenadasSPF(k)}};
        punto["tipo"] = k < e.NumeroPuntosSPF ? LetraDeTipoUnion(e.TipoTramoSPF(k)) : "";
        superficie.push_back(punto);
    }
    r["circulo_unico"] = e.CirculoUnico;
    r["superficie"] = superficie;
    if (e.CirculoUnico)
        r["circulo"] = {{"xo", p.CentroCirculoX},
                        {"yo", p.CentroCirculoY},
                        {"radio", e.RadioDeTrabajo},
                        {"cuerda", p.CuerdaCirculo}};
    json cruces = json::array();
    for (int c = 1; c <= e.NumeroIntersecciones; ++c)
        cruces.push_back({{"x", e.AbscisaInterseccion(c)}, {"estrato", e.EstratoInterseccion(c)}});
    r["cruces"] = cruces;
    json zonas = json::array();
    for (int k = 1; k <= e.NumeroZonas; ++k)
        zonas.push_back(e.AbscisasZonas(k));
    r["zonas"] = zonas;
    r["abscisa_maxima"] = e.AbscisaMaximaSPF;
    r["abscisa_minima"] = e.AbscisaMinimaSPF;
    json dovelas = json::array();
    const TablaDeDovelas& t = e.Dovelas;
    for (int s = 1; s < p.NumeroPuntosDovelas; ++s) {
        json d;
        d["dovela"] = s;
        d["x_borde_superior"] = t.AbscisaBordeDovela(s);
        d["x_borde_inferior"] = t.AbscisaBordeDovela(s + 1);
        d["x_centro"] = p.AbscisaCentroDovela(s);
        d["y_base"] = p.OrdenadaCentroDovela(s);
        d["y_talud"] = p.OrdenadaTaludDovela(s);
        d["ancho"] = p.AnchoDovela(s);
        d["pendiente_base"] = t.PendienteBaseDovela(s);
        d["estrato"] = EstratoDeLaDovela(e, s);
        d["cohesion"] = p.CohesionDovela(s);
        d["friccion"] = p.FriccionDovela(s);
        if (p.SueloRoca == Material::Roca) {
            d["m"] = p.ParametroMDovela(s);
            d["s"] = p.ParametroSDovela(s);
            d["a"] = p.ExponenteHoekBrownDovela(s);
            d["compresion_simple"] = t.CompresionSimpleDovela(s); // ton/m2
        }
        d["peso_unitario"] = p.PesoUnitarioDovela(s);
        d["presion_poros"] = p.PresionPorosDovela(s);
        d["carga_agua"] = t.CargaVerticalDovela(s);
        d["altura_agua_desembalse"] = t.AlturaAguaSobreTalud(s);
        d["gradiente"] = t.GradientePresionDovela(s);
        dovelas.push_back(d);
    }
    r["dovelas"] = dovelas;
    r["suma_anchos"] = SumaDeAnchos(p);
    r["extension_horizontal"] = e.AbscisaMaximaSPF - e.AbscisaMinimaSPF;
    return r;
}

std::string DovelasTexto(const Proyecto& p, const EstadoCalculo& e)
{
    std::ostringstream s;
    s << "Superficie de falla de trabajo: " << e.NumeroPuntosSPF << " puntos"
      << (e.CirculoUnico ? " (círculo único)" : "") << '\n';
    if (e.CirculoUnico)
        s << "Centro del círculo: xo = " << Formato(p.CentroCirculoX, Coordenada)
          << ", yo = " << Formato(p.CentroCirculoY, Coordenada)
          << "; radio = " << Formato(e.RadioDeTrabajo, Coordenada)
          << "; cuerda = " << Formato(p.CuerdaCirculo, Coordenada) << '\n';
    s << std::setw(6) << "Punto" << std::setw(12) << "x" << std::setw(12) << "y"
      << "  Unión\n";
    for (int k = 1; k <= e.NumeroPuntosSPF; ++k)
        s << std::setw(6) << k << std::setw(12) << Formato(e.AbscisasSPF(k), Coordenada)
          << std::setw(12) << Formato(e.OrdenadasSPF(k), Coordenada) << "  "
          << (k < e.NumeroPuntosSPF ? LetraDeTipoUnion(e.TipoTramoSPF(k)) : "") << '\n';
    s << "Cruces con las líneas de los estratos: " << e.NumeroIntersecciones << '\n';
    for (int c = 1; c <= e.NumeroIntersecciones; ++c)
        s << "  x = " << Formato(e.AbscisaInterseccion(c), Coordenada) << "  estrato "
          << e.EstratoInterseccion(c) << '\n';
    s << "Zonas:";
    for (int k = 1; k <= e.NumeroZonas; ++k)
        s << ' ' << Formato(e.AbscisasZonas(k), Coordenada);
    s << '\n';
    const int nd = p.NumeroPuntosDovelas - 1;
    s << "Dovelas: " << nd << '\n';
    // Encabezado: bordes, centro, ordenadas, ancho, tan α, material, γ, u, agua libre, gradiente.
    const char* columnas[] = {"Dov",     "x sup", "x inf", "x centro", "y base",
                              "y talud", "ancho", "tan α", "Est",      "c",
                              "φ",       "γ",     "u",     "q agua",   "grad."};
    const int anchos[] = {5, 10, 10, 10, 10, 10, 8, 9, 4, 8, 7, 7, 8, 8, 9};
    for (int c = 0; c < 15; ++c) {
        // Las letras griegas ocupan dos bytes: se compensa el ancho.
        const std::string texto = columnas[c];
        int extra = 0;
        for (unsigned char ch : texto)
            if ((ch & 0xC0) == 0x80) ++extra;
        s << std::setw(anchos[c] + extra) << texto;
    }
    s << '\n';
    const TablaDeDovelas& t = e.Dovelas;
    for (int d = 1; d <= nd; ++d) {
        s << std::setw(anchos[0]) << d << std::setw(anchos[1])
          << Formato(t.AbscisaBordeDovela(d), Coordenada) << std::setw(anchos[2])
          << Formato(t.AbscisaBordeDovela(d + 1), Coordenada) << std::setw(anchos[3])
          << Formato(p.AbscisaCentroDovela(d), Coordenada) << std::setw(anchos[4])
          << Formato(p.OrdenadaCentroDovela(d), Coordenada) << std::setw(anchos[5])
          << Formato(p.OrdenadaTaludDovela(d), Coordenada) << std::setw(anchos[6])
          << Formato(p.AnchoDovela(d), Coordenada) << std::setw(anchos[7])
          << Formato(t.PendienteBaseDovela(d), Pendiente) << std::setw(anchos[8])
          << EstratoDeLaDovela(e, d) << std::setw(anchos[9]) << Formato(p.CohesionDovela(d), Valor)
          << std::setw(anchos[10]) << Formato(p.FriccionDovela(d), Valor) << std::setw(anchos[11])
          << Formato(p.PesoUnitarioDovela(d), Coordenada) << std::setw(anchos[12])
          << Formato(p.PresionPorosDovela(d), Coordenada) << std::setw(anchos[13])
          << Formato(t.CargaVerticalDovela(d), Coordenada) << std::setw(anchos[14])
          << Formato(t.GradientePresionDovela(d), Coordenada) << '\n';
    }
    s << "Suma de anchos: " << Formato(SumaDeAnchos(p), Coordenada) << " m; extensión horizontal: "
      << Formato(e.AbscisaMaximaSPF - e.AbscisaMinimaSPF, Coordenada) << " m\n";
    return s.str();
}

int OrdenDovelas(const std::string& archivo, bool comoJson, bool desembalseRapido,
                 std::ostream& salida, std::ostream& errores)
{
    Proyecto p;
    if (!LeerParaCli(archivo, p, errores)) return SalidaArchivo;
    EstadoCalculo e;
    ReiniciarEstadoCalculo(e);
    e.DesembalseRapido = desembalseRapido;
    InteraccionLote ui(false);
    ui.FijarRespuesta(textos::PreguntaPresionesExistentes, true);
    const ResultadoPreparacion r = PrepararCalculo(p, e, ui);
    for (const auto& ev : ui.Eventos()) {
        if (ev.tipo == EventoInteraccion::Tipo::Pregunta)
            errores << ev.texto << " -> " << (ev.respuesta ? "Sí" : "No") << '\n';
        else if (ev.tipo == EventoInteraccion::Tipo::Dialogo)
            errores << "[" << ev.texto << "]\n";
        else
            errores << ev.texto << '\n';
    }
    if (!r) return SalidaPreparacion;
    if (comoJson)
        salida << DovelasJson(p, e).dump(2) << '\n';
    else
        salida << DovelasTexto(p, e);
    return SalidaCorrecta;
}

} // namespace vertana
