#include "cli/orden_anclajes.h"

#include "cli/interaccion_lote.h"
#include "cli/ordenes.h"
#include "model/numeros.h"
#include "model/textos.h"
#include "model/unidades.h"

#include <CLI/CLI.hpp>
#include <sstream>

namespace vertana {
namespace {

constexpr char FormatoFS[] = "#0.000";
constexpr char FormatoDato[] = "#0.00";
constexpr char FormatoSeparacion[] = "#0.000";

nlohmann::ordered_json DatosJson(const DatosAnclajes& d)
{
    return {{"fs_deseado", d.FactorSeguridadConAnclaje},
            {"inclinacion", d.InclinacionAnclajes},
            {"diametro", d.DiametroAnclajes},
            {"rotura", d.EsfuerzoRoturaAnclaje},
            {"guayas", d.NumeroGuayasObarras}};
}

nlohmann::ordered_json GradosONulo(const std::optional<double>& radianes)
{
    if (!radianes) return nullptr;
    return Grados(*radianes);
}

std::string Texto(const Proyecto& p, const GeometriaAnclajes& g, const CalculoAnclajes& c)
{
    std::ostringstream s;
    const DatosAnclajes& d = *c.Datos;
    s << "Factor de seguridad calculado: "
      << Formato(FactorDeSeguridadGuardado(p).value_or(0.0), FormatoFS) << '\n';
    s << "(FS)a: " << Formato(d.FactorSeguridadConAnclaje, FormatoFS)
      << "; i: " << Formato(d.InclinacionAnclajes, FormatoDato)
      << " grados; d: " << Formato(d.DiametroAnclajes, FormatoDato)
      << " pulg; Esf_u: " << Formato(d.EsfuerzoRoturaAnclaje, FormatoDato)
      << " Kg/cm2; Ng: " << Formato(d.NumeroGuayasObarras, FormatoDato) << '\n';
    s << "H: " << Formato(g.Altura, FormatoFS)
      << " m; inclinación del talud: " << Formato(Grados(*g.InclinacionTalud), FormatoDato)
      << " grados; fricción media: " << Formato(*g.FriccionMedia, FormatoDato) << " grados\n";
    if (g.CirculoUnico)
        s << "Círculo único: theta1 " << Formato(Grados(g.Theta1), FormatoDato)
          << " grados, theta2 " << Formato(Grados(g.Theta2), FormatoDato) << " grados\n";
    else if (g.InclinacionFalla)
        s << "Inclinación de la superficie de falla: "
          << Formato(Grados(*g.InclinacionFalla), FormatoDato) << " grados\n";
    s << "Capacidad de un anclaje: " << Formato(c.Capacidad, FormatoFS) << " ton\n";
    s << "Sa (caso activo): " << Formato(c.Separaciones->Activos, FormatoSeparacion) << " m\n";
    s << "Sp (caso pasivo): " << Formato(c.Separaciones->Pasivos, FormatoSeparacion) << " m\n";
    return s.str();
}

} // namespace

CLI::App* AgregarOrdenAnclajes(CLI::App& app, OpcionesAnclajes& o)
{
    auto* orden = app.add_subcommand(
        "anclajes", "Separación de los anclajes para un factor de seguridad pedido, con los "
                    "resultados guardados en el proyecto");
    orden->add_option("archivo", o.archivo, "Proyecto .cod con resultados")->required();
    orden
        ->add_option("--fs-deseado", o.entrada.FactorSeguridadConAnclaje,
                     "(FS)a: factor de seguridad del talud anclado")
        ->required();
    orden
        ->add_option("--inclinacion", o.entrada.InclinacionAnclajes,
                     "i: inclinación de los anclajes en grados, positiva por debajo de la "
                     "horizontal")
        ->required();
    orden
        ->add_option("--diametro", o.entrada.DiametroAnclajes,
                     "d: diámetro de las barras o guayas en pulgadas")
        ->required();
    orden
        ->add_option("--rotura", o.entrada.EsfuerzoRoturaAnclaje,
                     "Esf_u: resistencia última de las barras o guayas en Kg/cm2")
        ->required();
    orden
        ->add_option("--guayas", o.entrada.NumeroGuayasObarras,
                     "Ng: número de barras o guayas de un anclaje")
        ->required();
    orden->add_flag("--json", o.comoJson, "Resultado en JSON");
    orden->add_option("--guardar", o.guardarEn,
                      "Guarda el proyecto con los datos y las separaciones de los anclajes");
    return orden;
}

nlohmann::ordered_json AnclajesJson(const Proyecto& p, const GeometriaAnclajes& g,
                                    const CalculoAnclajes& c)
{
    nlohmann::ordered_json r;
    if (const auto F = FactorDeSeguridadGuardado(p))
        r["factor_seguridad"] = *F;
    else
        r["factor_seguridad"] = nullptr;
    if (c.Datos) r["datos"] = DatosJson(*c.Datos);
    r["geometria"] = {{"altura", g.Altura},
                      {"inclinacion_talud", GradosONulo(g.InclinacionTalud)},
                      {"inclinacion_falla", GradosONulo(g.InclinacionFalla)},
                      {"circulo_unico", g.CirculoUnico}};
    if (g.CirculoUnico) {
        r["geometria"]["theta1"] = Grados(g.Theta1);
        r["geometria"]["theta2"] = Grados(g.Theta2);
    }
    if (g.FriccionMedia)
        r["geometria"]["friccion_media"] = *g.FriccionMedia;
    else
        r["geometria"]["friccion_media"] = nullptr;
    if (c.Calculado()) {
        r["capacidad"] = c.Capacidad;
        r["separacion_activos"] = c.Separaciones->Activos;
        r["separacion_pasivos"] = c.Separaciones->Pasivos;
    } else {
        r["separacion_activos"] = nullptr;
        r["separacion_pasivos"] = nullptr;
        r["mensaje"] = c.Mensaje;
    }
    return r;
}

nlohmann::ordered_json AnclajesGuardadosJson(const Proyecto& p)
{
    nlohmann::ordered_json r;
    const DatosAnclajes datos = DatosAnclajesGuardados(p);
    r["datos"] = DatosJson(datos);
    r["guardadas"] = {{"activos", p.SeparacionAnclajesActivos},
                      {"pasivos", p.SeparacionAnclajesPasivos}};
    const CalculoAnclajes c = CalcularAnclajes(p, GeometriaParaAnclajes(p), datos);
    if (c.Calculado())
        r["con_este_calculo"] = {{"activos", c.Separaciones->Activos},
                                 {"pasivos", c.Separaciones->Pasivos}};
    else
        r["con_este_calculo"] = {{"mensaje", c.Mensaje}};
    return r;
}

int OrdenAnclajes(const OpcionesAnclajes& o, std::ostream& salida, std::ostream& errores)
{
    Proyecto p;
    if (!LeerParaCli(o.archivo, p, errores)) return SalidaArchivo;
    const GeometriaAnclajes g = GeometriaParaAnclajes(p);
    const CalculoAnclajes c = CalcularAnclajes(p, g, o.entrada);
    if (o.comoJson) salida << AnclajesJson(p, g, c).dump(2) << '\n';
    if (!c.Calculado()) {
        if (c.Rechazo == RechazoAnclajes::SinResultados)
            errores << textos::TituloSinCalculoCompleto << ' ';
        errores << c.Mensaje << '\n';
        return EsRechazoDeEntrada(c.Rechazo) ? SalidaUso : SalidaAnclajesRechazados;
    }
    if (!o.comoJson) salida << Texto(p, g, c);
    if (!o.guardarEn.empty()) {
        GuardarAnclajes(p, c);
        if (!GuardarParaCli(o.guardarEn, p, errores)) return SalidaArchivo;
    }
    return SalidaCorrecta;
}

} // namespace vertana
