#include "cli/orden_informe.h"

#include "cli/interaccion_lote.h"
#include "cli/ordenes.h"
#include "dibujo/dibujos_informe.h"
#include "dibujo/informe_pdf.h"
#include "io/archivo_proyecto.h"
#include "output/informe.h"

#include <QByteArray>
#include <QGuiApplication>
#include <algorithm>
#include <cctype>
#include <cstdio>
#include <fstream>
#include <functional>

namespace vertana {

namespace {

constexpr char NoSePudoEscribir[] = "No se pudo escribir el informe en ";
constexpr char SalidaDesconocida[] = "El informe se escribe en un archivo .txt o .pdf: ";
constexpr char GraficosSoloEnPdf[] =
    "--con-graficos necesita un informe en PDF: --salida ARCHIVO.pdf";

// Los avisos de Qt sobre el entorno (por ejemplo XDG_RUNTIME_DIR sin definir) no dicen nada del
// informe: sólo los errores graves pasan a la salida de errores.
void SoloErroresGraves(QtMsgType tipo, const QMessageLogContext&, const QString& texto)
{
    if (tipo == QtCriticalMsg || tipo == QtFatalMsg)
        std::fprintf(stderr, "%s\n", texto.toLocal8Bit().constData());
}

// Corre `trabajo` con una aplicación de Qt sin pantalla (la que haya, o una "offscreen" creada
// para él): QPdfWriter necesita las letras que carga la aplicación.
bool ConAplicacionSinPantalla(const std::function<bool()>& trabajo)
{
    if (QGuiApplication::instance()) return trabajo();
    const QtMessageHandler anterior = qInstallMessageHandler(SoloErroresGraves);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    bool hecho = false;
    {
        int argc = 1;
        char nombre[] = "vertana-cli";
        char* argv[] = {nombre, nullptr};
        QGuiApplication aplicacion(argc, argv);
        hecho = trabajo();
    }
    qInstallMessageHandler(anterior);
    return hecho;
}

bool EscribirTexto(const std::string& ruta, const std::string& texto)
{
    std::ofstream archivo(ruta, std::ios::binary | std::ios::trunc);
    archivo << texto;
    archivo.close();
    return static_cast<bool>(archivo);
}

} // namespace

FormatoInforme FormatoDeSalida(const std::string& ruta)
{
    std::string extension = ruta.size() >= 4 ? ruta.substr(ruta.size() - 4) : std::string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (extension == ".pdf") return FormatoInforme::Pdf;
    if (extension == ".txt") return FormatoInforme::Texto;
    return FormatoInforme::Desconocido;
}

int OrdenInforme(const std::string& archivo, const std::string& destino, bool conGraficos,
                 std::ostream& salida, std::ostream& errores)
{
    const FormatoInforme formato =
        destino.empty() ? FormatoInforme::Texto : FormatoDeSalida(destino);
    if (formato == FormatoInforme::Desconocido) {
        errores << SalidaDesconocida << destino << '\n';
        return SalidaUso;
    }
    if (conGraficos && formato != FormatoInforme::Pdf) {
        errores << GraficosSoloEnPdf << '\n';
        return SalidaUso;
    }
    Proyecto p;
    if (!LeerParaCli(archivo, p, errores)) return SalidaArchivo;

    const Informe informe = GenerarInforme(p);
    bool escrito = true;
    if (destino.empty())
        salida << InformeComoTexto(informe);
    else if (formato == FormatoInforme::Texto)
        escrito = EscribirTexto(destino, InformeComoTexto(informe));
    else
        escrito = ConAplicacionSinPantalla([&] {
            return EscribirInformePdf(destino, informe,
                                      conGraficos ? PaginasDeDibujos(p)
                                                  : std::vector<PintorDePagina>{});
        });
    if (!escrito) {
        errores << NoSePudoEscribir << destino << '\n';
        return SalidaArchivo;
    }
    return SalidaCorrecta;
}

} // namespace vertana
