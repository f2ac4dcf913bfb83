#include "cli/orden_grafico.h"

#include "cli/interaccion_lote.h"
#include "cli/orden_calcular.h"
#include "cli/ordenes.h"
#include "dibujo/pintor_escena.h"
#include "model/textos.h"
#include "output/grafico_esfuerzos.h"
#include "output/grafico_seccion.h"

#include <QGuiApplication>
#include <memory>

namespace vertana {
namespace {

constexpr const char* Nombres[CantidadNombresDeGraficos] = {
    "seccion", "sige",        "sig",       "sig1",        "sig3",
    "tau",     "resistencia", "esfuerzos", "principales", "estratos"};

// Una aplicación de Qt sólo mientras dura la orden, si quien llama no tiene una.
std::unique_ptr<QGuiApplication> AplicacionSinPantalla()
{
    if (QCoreApplication::instance()) return nullptr;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char nombre[] = "vertana-cli";
    static char* argv[] = {nombre, nullptr};
    return std::make_unique<QGuiApplication>(argc, argv);
}

void Mensajes(const InteraccionLote& ui, std::ostream& errores)
{
    for (const auto& e : ui.Eventos())
        if (e.tipo == EventoInteraccion::Tipo::Mensaje)
            errores << (e.titulo.empty() ? "" : e.titulo + " ") << e.texto << '\n';
}

} // namespace

const char* const* NombresDeGraficos()
{
    return Nombres;
}

int OrdenGrafico(const OpcionesGraficoCli& o, std::ostream& salida, std::ostream& errores)
{
    int codigo = -1;
    for (int i = 0; i < CantidadNombresDeGraficos; ++i)
        if (o.tipo == Nombres[i]) codigo = i;
    if (codigo < 0) {
        errores << "Tipo de gráfico desconocido: " << o.tipo << '\n';
        return SalidaUso;
    }
    if (!FormatoPorExtension(o.salida)) {
        errores << textos::FormatoDeDibujoDesconocido << '\n';
        return SalidaUso;
    }

    Proyecto p;
    if (!LeerParaCli(o.archivo, p, errores)) return SalidaArchivo;
    EstadoCalculo estado;
    ReiniciarEstadoCalculo(estado);
    std::optional<ResultadoCalculo> calculo;
    if (o.metodo) {
        InteraccionLote ui;
        PrepararRespuestasPorLotes(ui, false);
        calculo = Calcular(p, estado, *o.metodo, OpcionesPorLotes(p, *o.metodo), ui);
        if (!calculo->Convergio()) {
            Mensajes(ui, errores);
            return SalidaSinResultados;
        }
    }

    Escena escena;
    if (codigo == 0) {
        OpcionesSeccion opciones;
        opciones.ancho = o.ancho;
        opciones.alto = o.alto;
        opciones.titulo = textos::TituloGeometriaTalud;
        opciones.colorEjes = colores::Rojo;
        if (calculo) opciones.dovelas = &estado.Dovelas;
        if (p.HayResultados) {
            opciones.factorSeguridad = FactorDeSeguridadGuardado(p);
            opciones.nombreMetodo =
                NombreDeMetodo(p.MetodoDeCalculo, calculo ? calculo->EnRocas : false);
        }
        escena = EscenaSeccion(p, opciones);
    } else {
        InteraccionLote ui;
        if (!ComprobarResultadosGrafico(p, ui)) {
            Mensajes(ui, errores);
            return SalidaSinResultados;
        }
        RecalcularPrincipalesSuelo(p);
        OpcionesGrafico opciones;
        opciones.ancho = o.ancho;
        opciones.alto = o.alto;
        escena = EscenaEsfuerzos(p, static_cast<TipoDeGrafico>(codigo), opciones);
    }

    const auto aplicacion = AplicacionSinPantalla();
    if (const auto error = ExportarEscena(escena, o.salida)) {
        errores << *error << '\n';
        return SalidaArchivo;
    }
    salida << o.salida << '\n';
    return SalidaCorrecta;
}

} // namespace vertana
