#include "ui/vista_seccion.h"

#include "model/textos.h"
#include "output/escena_busqueda.h"
#include "ui/dialogo_busqueda.h"
#include "ui/lienzo_escena.h"
#include "ui/ventana_grafico.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>
#include <QWheelEvent>
#include <cmath>

namespace vertana {

// El lienzo con el ratón: rueda, arrastre y doble clic.
class LienzoSeccion : public LienzoEscena {
public:
    LienzoSeccion(VistaSeccion& vista, QWidget* padre) : LienzoEscena(padre), vista_(vista)
    {
        setMouseTracking(false);
        setCursor(Qt::OpenHandCursor);
    }

protected:
    void wheelEvent(QWheelEvent* evento) override
    {
        constexpr double GradosPorPaso = 120.0; // un paso de la rueda, en octavos de grado
        constexpr double FactorPorPaso = 0.8;   // lo que se ve tras acercar un paso
        const double pasos = evento->angleDelta().y() / GradosPorPaso;
        if (pasos == 0.0) return;
        const QPointF p = evento->position();
        vista_.Acercar(std::pow(FactorPorPaso, pasos), p.x(), p.y());
        evento->accept();
    }
    void mousePressEvent(QMouseEvent* evento) override
    {
        if (evento->button() != Qt::LeftButton) return;
        anterior_ = evento->position();
        arrastrando_ = true;
        setCursor(Qt::ClosedHandCursor);
    }
    void mouseMoveEvent(QMouseEvent* evento) override
    {
        if (!arrastrando_) return;
        const QPointF p = evento->position();
        vista_.Desplazar(p.x() - anterior_.x(), p.y() - anterior_.y());
        anterior_ = p;
    }
    void mouseReleaseEvent(QMouseEvent*) override
    {
        arrastrando_ = false;
        setCursor(Qt::OpenHandCursor);
    }
    void mouseDoubleClickEvent(QMouseEvent*) override { vista_.AjustarATodo(); }

private:
    VistaSeccion& vista_;
    QPointF anterior_;
    bool arrastrando_ = false;
};

VistaSeccion::VistaSeccion(const Proyecto& proyecto, const EditorCoordenadas& editor,
                           const EstadoCalculo& estado,
                           const std::optional<ResultadoCalculo>& ultimoCalculo,
                           Interaccion& interaccion, QWidget* padre)
    : QWidget(padre), proyecto_(proyecto), editor_(editor), estado_(estado),
      ultimoCalculo_(ultimoCalculo), interaccion_(interaccion)
{
    setObjectName("VistaSeccion");
    lienzo_ = new LienzoSeccion(*this, this);
    lienzo_->setObjectName("LienzoSeccion");
    lienzo_->setToolTip(textos::AyudaVista);
    lienzo_->FijarConstructor([this](double ancho, double alto) { return EscenaEn(ancho, alto); });
    auto* ajustar = new QPushButton(textos::VistaAjustar, this);
    ajustar->setObjectName("BotónAjustar");
    ajustar->setToolTip(textos::AyudaVistaAjustar);
    escalasIguales_ = new QCheckBox(textos::VistaEscalasIguales, this);
    escalasIguales_->setObjectName("EscalasIguales");
    escalasIguales_->setChecked(true);
    auto* exportar = new QPushButton(textos::BotonExportar, this);
    exportar->setObjectName("BotónExportarVista");
    connect(ajustar, &QPushButton::clicked, this, &VistaSeccion::AjustarATodo);
    connect(escalasIguales_, &QCheckBox::toggled, this, [this] { AjustarATodo(); });
    connect(exportar, &QPushButton::clicked, this, &VistaSeccion::Exportar);

    auto* barra = new QHBoxLayout;
    barra->addWidget(ajustar);
    barra->addWidget(escalasIguales_);
    barra->addStretch();
    barra->addWidget(exportar);
    auto* disposicion = new QVBoxLayout(this);
    disposicion->setContentsMargins(0, 0, 0, 0);
    disposicion->addLayout(barra);
    disposicion->addWidget(lienzo_, 1);
}

void VistaSeccion::Actualizar()
{
    lienzo_->update();
}

OpcionesSeccion VistaSeccion::Opciones(double ancho, double alto) const
{
    OpcionesSeccion o;
    o.ancho = ancho;
    o.alto = alto;
    o.leyenda = false;
    o.extremos = false;
    o.pasoMinimo = 0.0; // al acercar, las marcas siguen a la escala
    o.colorEjes = colores::Gris;
    o.escalasIguales = escalasIguales_->isChecked();
    o.ventana = ventana_;
    o.dovelas = &estado_.Dovelas;
    o.conDovelas = proyecto_.HayResultados;
    ConjuntoEnEdicion edicion;
    edicion.conjunto = editor_.ConjuntoActivo();
    edicion.estrato = editor_.EstratoActivo();
    for (int i = 1; i <= editor_.NumeroPuntosEditor(); ++i)
        edicion.puntos.push_back({editor_.Abscisa(i), editor_.Ordenada(i)});
    edicion.seleccionado = editor_.FilaSeleccionada();
    o.edicion = std::move(edicion);
    // El factor de seguridad es el del último cálculo o el guardado con el proyecto.
    if (ultimoCalculo_ && ultimoCalculo_->FactorSeguridad && proyecto_.HayResultados) {
        o.factorSeguridad = ultimoCalculo_->FactorSeguridad;
        o.nombreMetodo = NombreDeMetodo(ultimoCalculo_->MetodoCalculado, ultimoCalculo_->EnRocas);
    } else if (proyecto_.HayResultados) {
        o.factorSeguridad = FactorDeSeguridadGuardado(proyecto_);
        o.nombreMetodo = NombreDelMetodoGuardado(proyecto_);
    }
    return o;
}

Escena VistaSeccion::EscenaEn(double ancho, double alto) const
{
    if (ConBusqueda())
        return EscenaSeccionConBusqueda(proyecto_, Opciones(ancho, alto), busqueda_->dibujo);
    return EscenaSeccion(proyecto_, Opciones(ancho, alto));
}

void VistaSeccion::MostrarBusqueda(std::shared_ptr<const BusquedaEnVista> busqueda)
{
    busqueda_ = std::move(busqueda);
    AjustarATodo();
}

bool VistaSeccion::ConBusqueda() const
{
    return busqueda_ && BusquedaVigente(busqueda_->alBuscar, proyecto_, Opciones(1.0, 1.0).edicion);
}

Escena VistaSeccion::EscenaActual() const
{
    return EscenaEn(lienzo_->width(), lienzo_->height());
}

void VistaSeccion::Acercar(double factor, double px, double py)
{
    const Transformacion t = EscenaActual().transformacion;
    const double x = t.AbscisaEn(px), y = t.OrdenadaEn(py);
    const Rectangulo& m = t.mundo;
    ventana_ = Rectangulo{x - (x - m.x0) * factor, y - (y - m.y0) * factor, x + (m.x1 - x) * factor,
                          y + (m.y1 - y) * factor};
    lienzo_->update();
}

void VistaSeccion::Desplazar(double dx, double dy)
{
    const Transformacion t = EscenaActual().transformacion;
    const double mx = dx / t.ex, my = dy / t.ey;
    ventana_ = Rectangulo{t.mundo.x0 - mx, t.mundo.y0 + my, t.mundo.x1 - mx, t.mundo.y1 + my};
    lienzo_->update();
}

void VistaSeccion::AjustarATodo()
{
    ventana_.reset();
    lienzo_->update();
}

void VistaSeccion::Exportar()
{
    const std::string ruta = ElegirArchivoDeDibujo(this);
    if (ruta.empty()) return;
    ExportarLienzo([this](double ancho, double alto) { return EscenaEn(ancho, alto); }, ruta,
                   interaccion_);
}

} // namespace vertana
