#include "ui/lienzo_escena.h"

#include "dibujo/pintor_escena.h"

#include <QPainter>

namespace vertana {

LienzoEscena::LienzoEscena(QWidget* padre) : QWidget(padre)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    constexpr int AnchoMinimo = 240; // píxeles
    constexpr int AltoMinimo = 180;
    setMinimumSize(AnchoMinimo, AltoMinimo);
}

void LienzoEscena::FijarConstructor(Constructor constructor)
{
    constructor_ = std::move(constructor);
    update();
}

Escena LienzoEscena::EscenaActual() const
{
    if (!constructor_) {
        Escena vacia;
        vacia.ancho = width();
        vacia.alto = height();
        return vacia;
    }
    return constructor_(width(), height());
}

QSize LienzoEscena::sizeHint() const
{
    constexpr int Ancho = 900; // píxeles
    constexpr int Alto = 600;
    return {Ancho, Alto};
}

void LienzoEscena::paintEvent(QPaintEvent*)
{
    ultima_ = EscenaActual();
    QPainter pintor(this);
    PintarEscena(pintor, ultima_);
}

} // namespace vertana
