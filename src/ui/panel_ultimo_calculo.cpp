#include "ui/panel_ultimo_calculo.h"

#include "model/textos.h"
#include "output/ultimo_calculo.h"

namespace vertana {
namespace {
constexpr char FormatoFechaHora[] = "dd/MM/yyyy HH:mm:ss";
} // namespace

PanelUltimoCalculo::PanelUltimoCalculo(QWidget* padre) : QLabel(padre)
{
    setObjectName("EtiquetaÚltimoCálculo");
    setTextInteractionFlags(Qt::TextSelectableByMouse);
    // Con el aviso de datos cambiados la línea puede no caber en una ventana estrecha: pasa a
    // dos líneas en lugar de cortarse.
    setWordWrap(true);
    Limpiar();
}

void PanelUltimoCalculo::Limpiar()
{
    calculo_.reset();
    alCalcular_.reset();
    editorAlCalcular_ = {};
    datosCambiaron_ = false;
    setStyleSheet(QString());
    setText(textos::UltimoCalculoNinguno);
}

void PanelUltimoCalculo::Calculado(const ResultadoCalculo& r, const Proyecto& p,
                                   const EditorCoordenadas& editor, const QDateTime& cuando)
{
    if (!r.Convergio() && alCalcular_ && MismosResultados(*alCalcular_, p)) {
        Revisar(p, editor);
        return;
    }
    calculo_ = r;
    alCalcular_ = p;
    editorAlCalcular_ = CopiaDe(editor);
    dovelas_ = p.NumeroPuntosDovelas > 1 ? p.NumeroPuntosDovelas - 1 : 0;
    fechaHora_ = cuando.toString(FormatoFechaHora);
    datosCambiaron_ = false;
    Mostrar();
}

void PanelUltimoCalculo::Revisar(const Proyecto& p, const EditorCoordenadas& editor)
{
    if (!alCalcular_) return;
    // Puntos escritos en el editor y todavía no guardados, distintos de los que había al
    // calcular, son geometría cambiada.
    const Copia enEditor = CopiaDe(editor);
    const bool editorCambiado = enEditor != editorAlCalcular_ && enEditor != GuardadoDe(p, editor);
    const CambioDesdeElCalculo cambio = CambiosDesdeElCalculo(*alCalcular_, p);
    if (editorCambiado || cambio == CambioDesdeElCalculo::GeometriaOMateriales) {
        Limpiar();
        return;
    }
    const bool cambiaron = cambio == CambioDesdeElCalculo::Datos;
    if (cambiaron != datosCambiaron_) {
        datosCambiaron_ = cambiaron;
        Mostrar();
    }
}

void PanelUltimoCalculo::Mostrar()
{
    if (!calculo_) return;
    // Un resultado que ya no corresponde a los datos se distingue también por el color.
    setStyleSheet(datosCambiaron_ ? QStringLiteral("color: #a01010;") : QString());
    setText(QString::fromStdString(
        TextoUltimoCalculo(*calculo_, dovelas_, fechaHora_.toStdString(), datosCambiaron_)));
}

PanelUltimoCalculo::Copia PanelUltimoCalculo::CopiaDe(const EditorCoordenadas& editor)
{
    Copia c{editor.ConjuntoActivo(), editor.EstratoActivo(), {}};
    for (int i = 1; i <= editor.NumeroPuntosEditor(); ++i) {
        c.puntos.push_back(editor.Abscisa(i));
        c.puntos.push_back(editor.Ordenada(i));
    }
    return c;
}

PanelUltimoCalculo::Copia PanelUltimoCalculo::GuardadoDe(const Proyecto& p,
                                                         const EditorCoordenadas& editor)
{
    Copia c{editor.ConjuntoActivo(), editor.EstratoActivo(), {}};
    auto agregar = [&c](const Tabla<double>& xs, const Tabla<double>& ys) {
        for (int i = 1; i <= xs.Tamano() && i <= ys.Tamano(); ++i) {
            c.puntos.push_back(xs(i));
            c.puntos.push_back(ys(i));
        }
    };
    switch (editor.ConjuntoActivo()) {
    case ConjuntoTalud:
        agregar(p.AbscisasTalud, p.OrdenadasTalud);
        break;
    case ConjuntoFalla:
        agregar(p.AbscisasFalla, p.OrdenadasFalla);
        break;
    case ConjuntoFreatico:
        agregar(p.AbscisasFreatico, p.OrdenadasFreatico);
        break;
    default: {
        const int e = editor.EstratoActivo();
        if (e < 1 || e > p.NumeroDeEstratos() || e > p.NumeroCoordenadasEstrato.Tamano()) break;
        for (int j = 1; j <= p.NumeroCoordenadasEstrato(e) && j <= p.AbscisasEstratos.Columnas();
             ++j) {
            c.puntos.push_back(p.AbscisasEstratos(e, j));
            c.puntos.push_back(p.OrdenadasEstratos(e, j));
        }
        break;
    }
    }
    return c;
}

} // namespace vertana
