// Widget que pinta una escena del núcleo, construida para su tamaño cada vez que se pinta.
#pragma once

#include "output/escena.h"

#include <QWidget>
#include <functional>

namespace vertana {

class LienzoEscena : public QWidget {
public:
    // Construye la escena para un lienzo de ancho × alto píxeles.
    using Constructor = std::function<Escena(double ancho, double alto)>;

    explicit LienzoEscena(QWidget* padre = nullptr);

    // Sin constructor el lienzo queda en blanco.
    void FijarConstructor(Constructor constructor);
    const Constructor& ConstructorActual() const { return constructor_; }
    // La escena del último pintado (su transformación sirve para el ratón).
    const Escena& UltimaEscena() const { return ultima_; }
    // La escena para el tamaño actual, sin pintarla.
    Escena EscenaActual() const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* evento) override;

private:
    Constructor constructor_;
    Escena ultima_;
};

} // namespace vertana
