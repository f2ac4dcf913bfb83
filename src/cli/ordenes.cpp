#include "cli/ordenes.h"

#include "calculo/validacion.h"
#include "cli/interaccion_lote.h"
#include "cli/orden_anclajes.h"
#include "cli/orden_buscar.h"
#include "cli/orden_calcular.h"
#include "cli/orden_dovelas.h"
#include "cli/orden_grafico.h"
#include "cli/orden_informe.h"
#include "cli/orden_riguroso.h"
#include "cli/orden_roca.h"
#include "io/archivo_proyecto.h"
#include "io/codigos.h"
#include "model/error.h"
#include "model/numeros.h"
#include "model/textos.h"

#include <CLI/CLI.hpp>
#include <sstream>

namespace vertana {
namespace {

std::string NombreMaterial(Material material)
{
    switch (material) {
    case Material::Suelo:
        return "Suelos";
    case Material::Roca:
        return "Macizos rocosos";
    default:
        return "Sin definir";
    }
}

} // namespace

bool LeerParaCli(const std::string& ruta, Proyecto& p, std::ostream& errores)
{
    ReiniciarProyecto(p);
    InteraccionLote interaccion;
    const bool leido = LeerProyecto(ruta, p, interaccion);
    for (const auto& e : interaccion.Eventos()) {
        errores << e.texto << ": " << ruta << '\n';
        if (!e.detalle.empty()) errores << e.detalle << '\n';
    }
    return leido;
}

bool GuardarParaCli(const std::string& ruta, Proyecto& p, std::ostream& errores)
{
    try {
        EscribirProyecto(ruta, p);
    } catch (const ErrorVertana& error) {
        errores << error.what() << '\n';
        return false;
    }
    return true;
}

nlohmann::ordered_json ResumenJson(const Proyecto& p)
{
    using json = nlohmann::ordered_json;
    json r;
    r["descripcion"] = p.Descripcion;
    r["informacion"] = {{"progresiva_inicial", p.ProgresivaInicial},
                        {"progresiva_final", p.ProgresivaFinal},
                        {"fecha", p.FechaProyecto},
                        {"ingeniero", p.IngResponsable},
                        {"empresa", p.Empresa}};
    r["material"] = {{"codigo", LetraDeMaterial(p.SueloRoca)},
                     {"nombre", NombreMaterial(p.SueloRoca)}};
    r["metodo"] = {{"codigo", Codigo(p.MetodoDeCalculo)},
                   {"nombre", NombreDeMetodo(p.MetodoDeCalculo)}};
    r["puntos"] = {{"talud", p.NumeroCoordenadasTalud()},
                   {"superficie_falla", p.NumeroCoordenadasFalla()},
                   {"nivel_freatico", p.NumeroCoordenadasFreatico()}};
    json uniones = json::array();
    for (int d = 1; d <= p.NumeroTiposDeFalla && d <= p.TipoDeFalla.Tamano(); ++d)
        uniones.push_back({{"inicial", p.PuntoInicialTipoFalla(d)},
                           {"final", p.PuntoFinalTipoFalla(d)},
                           {"tipo", LetraDeTipoUnion(p.TipoDeFalla(d))}});
    r["uniones"] = uniones;
    r["circulo_unico"] = EsCirculoUnico(p);
    json estratos = json::array();
    for (int i = 1; i <= p.NumeroDeEstratos() && i <= p.NumeroCoordenadasEstrato.Tamano(); ++i)
        estratos.push_back({{"numero", i}, {"puntos", p.NumeroCoordenadasEstrato(i)}});
    r["estratos"] = estratos;
    r["cargas"] = {{"uniformes", p.NumeroCargasUniformes()},
                   {"puntuales", p.NumeroCargasPuntuales()}};
    r["sismo"] = {{"kh", p.CoeficienteSismicoHorizontal}, {"kv", p.CoeficienteSismicoVertical}};
    r["grieta"] = p.AbscisaPrimerPuntoGrieta != 0.0 || p.OrdenadaPrimerPuntoGrieta != 0.0 ||
                  p.AbscisaSegundoPuntoGrieta != 0.0 || p.OrdenadaSegundoPuntoGrieta != 0.0;
    r["numero_dovelas"] = p.NumeroDovelas;
    r["banderas"] = {{"informacion_introducida", p.InformacionIntroducida},
                     {"parametros_introducidos", p.ParametrosIntroducidos},
                     {"tipos_de_falla_definidos", p.TiposDeFallaDefinidos},
                     {"estratos_caracterizados", p.RocaCaracterizada},
                     {"datos_laboratorio", p.HayDatosLaboratorio},
                     {"parametros_instantaneos", p.UsaParametrosInstantaneos},
                     {"valores_de_ht", p.HayValoresDeHt}};
    json resultados = {{"hay", p.HayResultados}};
    if (p.HayResultados) {
        resultados["dovelas"] = p.NumeroPuntosDovelas > 1 ? p.NumeroPuntosDovelas - 1 : 0;
        resultados["iteraciones"] = p.NumeroIteraciones;
        if (const auto fs = FactorDeSeguridadGuardado(p)) resultados["factor_seguridad"] = *fs;
    }
    r["resultados"] = resultados;
    // Lo que un diálogo rechazaría y lo que detendría la preparación del cálculo.
    json problemas = json::array();
    for (const ProblemaDeDatos& problema : ProblemasDelProyecto(p))
        problemas.push_back({{"titulo", problema.Titulo}, {"texto", problema.Texto}});
    r["problemas"] = problemas;
    return r;
}

std::string ResumenTexto(const Proyecto& p)
{
    std::ostringstream s;
    s << "Descripción: " << p.Descripcion << '\n';
    s << "Material: " << NombreMaterial(p.SueloRoca) << " (" << LetraDeMaterial(p.SueloRoca)
      << ")\n";
    s << "Método de cálculo: " << Codigo(p.MetodoDeCalculo) << " ("
      << NombreDeMetodo(p.MetodoDeCalculo) << ")\n";
    s << "Puntos del talud: " << p.NumeroCoordenadasTalud() << '\n';
    s << "Puntos de la superficie de falla: " << p.NumeroCoordenadasFalla() << '\n';
    s << "Uniones de la superficie de falla:";
    for (int d = 1; d <= p.NumeroTiposDeFalla && d <= p.TipoDeFalla.Tamano(); ++d)
        s << ' ' << Formato(p.PuntoInicialTipoFalla(d), "#0") << '-'
          << Formato(p.PuntoFinalTipoFalla(d), "#0") << ' ' << LetraDeTipoUnion(p.TipoDeFalla(d));
    s << (EsCirculoUnico(p) ? " (círculo único)" : "") << '\n';
    s << "Puntos del nivel freático: " << p.NumeroCoordenadasFreatico() << '\n';
    s << "Estratos: " << p.NumeroDeEstratos();
    for (int i = 1; i <= p.NumeroDeEstratos() && i <= p.NumeroCoordenadasEstrato.Tamano(); ++i)
        s << (i == 1 ? " (puntos: " : ", ") << p.NumeroCoordenadasEstrato(i)
          << (i == p.NumeroDeEstratos() ? ")" : "");
    s << '\n';
    s << "Cargas uniformes: " << p.NumeroCargasUniformes()
      << "; cargas puntuales: " << p.NumeroCargasPuntuales() << '\n';
    s << "Coeficientes sísmicos: kh = " << Formato(p.CoeficienteSismicoHorizontal, "#0.000")
      << ", kv = " << Formato(p.CoeficienteSismicoVertical, "#0.000") << '\n';
    s << "Número de dovelas pedido: " << Formato(p.NumeroDovelas, "#0") << '\n';
    s << "Datos de laboratorio: " << (p.HayDatosLaboratorio ? "sí" : "no")
      << "; parámetros instantáneos: " << (p.UsaParametrosInstantaneos ? "sí" : "no") << '\n';
    if (p.HayResultados) {
        s << "Resultados: sí, " << (p.NumeroPuntosDovelas > 1 ? p.NumeroPuntosDovelas - 1 : 0)
          << " dovelas, " << p.NumeroIteraciones << " iteraciones\n";
        if (const auto fs = FactorDeSeguridadGuardado(p))
            s << "Factor de seguridad final: " << Formato(*fs, "#0.000") << '\n';
    } else {
        s << "Resultados: no\n";
    }
    const std::vector<ProblemaDeDatos> problemas = ProblemasDelProyecto(p);
    s << "Problemas de los datos:" << (problemas.empty() ? " " : "")
      << (problemas.empty() ? textos::SinProblemasDeDatos : "") << '\n';
    for (const ProblemaDeDatos& problema : problemas)
        s << "- " << (problema.Titulo.empty() ? "" : problema.Titulo + " ") << problema.Texto
          << '\n';
    return s.str();
}

int EjecutarCli(const std::vector<std::string>& argumentos, std::ostream& salida,
                std::ostream& errores)
{
    CLI::App app{"Vertana: estabilidad de taludes por equilibrio límite, por lotes", "vertana-cli"};
    app.require_subcommand(1);

    std::string archivo;
    bool comoJson = false;
    auto* resumen = app.add_subcommand("resumen", "Muestra lo que contiene un proyecto .cod");
    resumen->add_option("archivo", archivo, "Proyecto .cod")->required();
    resumen->add_flag("--json", comoJson, "Resumen en JSON");

    std::string entrada, destino;
    auto* reescribir =
        app.add_subcommand("reescribir", "Lee un proyecto y lo escribe de nuevo en otro archivo");
    reescribir->add_option("entrada", entrada, "Proyecto .cod que se lee")->required();
    reescribir->add_option("salida", destino, "Proyecto .cod que se escribe")->required();

    std::string archivoDovelas;
    bool dovelasJson = false, desembalse = false;
    auto* dovelas = app.add_subcommand(
        "dovelas",
        "Prepara el cálculo y muestra la superficie de trabajo, las zonas y las dovelas");
    dovelas->add_option("archivo", archivoDovelas, "Proyecto .cod")->required();
    dovelas->add_flag("--json", dovelasJson, "Resultado en JSON");
    dovelas->add_flag("--desembalse-rapido", desembalse,
                      "Analiza desembalse rápido: el agua sobre el talud no es carga vertical");

    std::string archivoRoca;
    bool rocaJson = false;
    auto* roca = app.add_subcommand(
        "roca", "Muestra m, s, a, la cohesión y la fricción equivalentes de cada estrato de roca y "
                "el ajuste de m y s a los datos de laboratorio");
    roca->add_option("archivo", archivoRoca, "Proyecto .cod")->required();
    roca->add_flag("--json", rocaJson, "Resultado en JSON");

    OpcionesCalcular calculo;
    std::string nombreMetodo;
    std::optional<int> definicion;
    auto* calcular = app.add_subcommand(
        "calcular",
        "Calcula el factor de seguridad por Fellenius, Bishop, Janbu o el método variacional, o "
        "lo contrasta con Spencer o Morgenstern-Price");
    calcular->add_option("archivo", calculo.archivo, "Proyecto .cod")->required();
    calcular
        ->add_option("--metodo", nombreMetodo,
                     "fellenius, bishop, janbu o variacional; spencer o morgenstern-price para "
                     "contrastar, sin escribir resultados en el proyecto")
        ->check(CLI::IsMember(
            {"fellenius", "bishop", "janbu", "variacional", "spencer", "morgenstern-price"}));
    calcular->add_flag("--partida-automatica", calculo.partidaAutomatica,
                       "Método variacional: valores de partida automáticos (desde Spencer)");
    std::string centro;
    calcular->add_option("--centro", centro,
                         "X,Y: centro de momentos de una superficie compuesta para Bishop "
                         "(el archivo no lo guarda); con negativos, --centro=X,Y");
    calcular->add_flag("--json", calculo.comoJson, "Resultado en JSON");
    calcular->add_option("--guardar", calculo.guardarEn, "Guarda el proyecto con sus resultados");
    calcular->add_flag("--desembalse", calculo.desembalse,
                       "Contesta Sí a la pregunta de desembalse rápido");
    calcular->add_flag("--instantaneos", calculo.instantaneos,
                       "Después calcula con parámetros instantáneos c, fi por dovela");
    calcular
        ->add_option("--definicion", definicion,
                     "Parámetros instantáneos: 1 puntuales (rocas), 2 entre puntos, 3 por "
                     "pantalla; sin ella, los del proyecto")
        ->check(CLI::Range(1, 3));

    std::string archivoInforme, salidaInforme;
    auto* informe = app.add_subcommand(
        "informe", "Escribe el informe impreso del proyecto en un archivo .txt o .pdf");
    informe->add_option("archivo", archivoInforme, "Proyecto .cod")->required();
    informe->add_option("--salida", salidaInforme,
                        "Archivo .txt (páginas separadas por saltos de página) o .pdf; sin él, "
                        "el texto va a la salida");
    bool informeConGraficos = false;
    informe->add_flag("--con-graficos", informeConGraficos,
                      "En un PDF, añade detrás del texto la sección y los gráficos de esfuerzos");
    OpcionesGraficoCli grafico;
    std::string metodoGrafico;
    auto* graficoCli = app.add_subcommand(
        "grafico", "Dibuja la sección o un gráfico de esfuerzos en un archivo PNG, SVG o PDF");
    graficoCli->add_option("archivo", grafico.archivo, "Proyecto .cod")->required();
    graficoCli
        ->add_option("--tipo", grafico.tipo,
                     "seccion; sige, sig, sig1, sig3, tau, resistencia, esfuerzos (sig, sige y "
                     "tau), principales (sig1 y sig3) o estratos")
        ->required()
        ->check(CLI::IsMember(std::vector<std::string>(
            NombresDeGraficos(), NombresDeGraficos() + CantidadNombresDeGraficos)));
    graficoCli->add_option("--salida", grafico.salida, "Archivo .png, .svg o .pdf")->required();
    graficoCli->add_option("--ancho", grafico.ancho, "Ancho en píxeles")
        ->check(CLI::Range(200, 10000));
    graficoCli->add_option("--alto", grafico.alto, "Alto en píxeles")
        ->check(CLI::Range(150, 10000));
    graficoCli->add_option("--metodo", metodoGrafico, "Calcula antes de dibujar")
        ->check(CLI::IsMember({"fellenius", "bishop", "janbu", "variacional"}));
    OpcionesAnclajes anclajes;
    auto* ordenAnclajes = AgregarOrdenAnclajes(app, anclajes);
    OpcionesBuscar busqueda;
    auto* buscar = RegistrarOrdenBuscar(app, busqueda);

    std::vector<std::string> invertidos(argumentos.rbegin(), argumentos.rend());
    try {
        app.parse(std::move(invertidos));
    } catch (const CLI::CallForHelp&) {
        salida << app.help();
        return SalidaCorrecta;
    } catch (const CLI::ParseError& e) {
        errores << e.what() << '\n' << app.help();
        return SalidaUso;
    }

    if (*calcular) {
        calculo.metodo = CodigoDeMetodo(nombreMetodo);
        calculo.riguroso = MetodoRigurosoDeNombre(nombreMetodo);
        if (definicion) calculo.definicion = static_cast<DefinicionInstantaneos>(*definicion);
        if (!centro.empty()) {
            calculo.centro = CentroDeTexto(centro);
            if (!calculo.centro) {
                errores << "--centro espera dos números separados por una coma: X,Y\n";
                return SalidaUso;
            }
        }
        try {
            if (calculo.riguroso) return OrdenCalcularRiguroso(calculo, salida, errores);
            return OrdenCalcular(calculo, salida, errores);
        } catch (const ErrorVertana& e) {
            errores << e.what() << '\n';
            return SalidaArchivo;
        }
    }

    if (*informe) {
        try {
            return OrdenInforme(archivoInforme, salidaInforme, informeConGraficos, salida, errores);
        } catch (const ErrorVertana& e) {
            errores << e.what() << '\n';
            return SalidaArchivo;
        }
    }

    if (*roca) {
        try {
            return OrdenRoca(archivoRoca, rocaJson, salida, errores);
        } catch (const ErrorVertana& e) {
            errores << e.what() << '\n';
            return SalidaArchivo;
        }
    }

    if (*graficoCli) {
        if (!metodoGrafico.empty()) grafico.metodo = CodigoDeMetodo(metodoGrafico);
        try {
            return OrdenGrafico(grafico, salida, errores);
        } catch (const ErrorVertana& e) {
            errores << e.what() << '\n';
            return SalidaArchivo;
        }
    }

    if (*ordenAnclajes) {
        try {
            return OrdenAnclajes(anclajes, salida, errores);
        } catch (const ErrorVertana& e) {
            errores << e.what() << '\n';
            return SalidaArchivo;
        }
    }

    if (*buscar) {
        try {
            return OrdenBuscar(busqueda, salida, errores);
        } catch (const ErrorVertana& e) {
            errores << e.what() << '\n';
            return SalidaArchivo;
        }
    }

    if (*dovelas) {
        try {
            return OrdenDovelas(archivoDovelas, dovelasJson, desembalse, salida, errores);
        } catch (const ErrorVertana& e) {
            errores << e.what() << '\n';
            return SalidaArchivo;
        }
    }

    try {
        Proyecto p;
        if (*resumen) {
            if (!LeerParaCli(archivo, p, errores)) return SalidaArchivo;
            if (comoJson)
                salida << ResumenJson(p).dump(2) << '\n';
            else
                salida << ResumenTexto(p);
        } else if (*reescribir) {
            if (!LeerParaCli(entrada, p, errores)) return SalidaArchivo;
            EscribirProyecto(destino, p);
        }
    } catch (const ErrorVertana& e) {
        errores << e.what() << '\n';
        return SalidaArchivo;
    }
    return SalidaCorrecta;
}

} // namespace vertana
