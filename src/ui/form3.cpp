#include "ui/form3.h"

#include "calculo/calculo.h"
#include "model/textos.h"

namespace vertana {

Form3::Form3(Proyecto& proyecto, Interaccion& interaccion, const EstadoCalculo& estado,
             QWidget* padre)
    : VentanaGrafico(interaccion, padre), proyecto_(proyecto), estado_(estado)
{
    setObjectName("Form3");
    setWindowTitle(textos::CaptionForm3);
}

void Form3::Mostrar()
{
    const PreparacionGeometria preparacion = PrepararGraficoGeometria(proyecto_, interaccion_);
    preparacion_.reset();
    if (preparacion.dibujar) preparacion_ = preparacion;
    setWindowTitle(textos::CaptionForm3);
    if (preparacion_)
        Lienzo()->FijarConstructor(
            [this](double ancho, double alto) { return Construir(ancho, alto); });
    else
        Lienzo()->FijarConstructor({});
    show();
    raise();
    activateWindow();
}

Escena Form3::Construir(double ancho, double alto) const
{
    if (!preparacion_) {
        Escena vacia;
        vacia.ancho = ancho;
        vacia.alto = alto;
        return vacia;
    }
    OpcionesSeccion o;
    o.ancho = ancho;
    o.alto = alto;
    o.titulo = textos::TituloGeometriaTalud;
    o.colorEjes = colores::Rojo;
    o.origen = preparacion_->origen;
    o.conSuperficie = preparacion_->conSuperficie;
    o.conDovelas = preparacion_->origen == OrigenSuperficie::Dovelas;
    o.dovelas = &estado_.Dovelas;
    if (o.conDovelas && proyecto_.HayResultados) {
        o.factorSeguridad = FactorDeSeguridadGuardado(proyecto_);
        o.nombreMetodo = NombreDelMetodoGuardado(proyecto_);
    }
    return EscenaSeccion(proyecto_, o);
}

} // namespace vertana
