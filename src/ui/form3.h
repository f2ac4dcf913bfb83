// Form3, "Geometría del Talud": la sección transversal, no modal. Se dibuja cada vez que se
// muestra desde el menú Gráfico.
#pragma once

#include "geometry/estado_calculo.h"
#include "model/proyecto.h"
#include "output/grafico_seccion.h"
#include "ui/ventana_grafico.h"

namespace vertana {

class Form3 : public VentanaGrafico {
public:
    Form3(Proyecto& proyecto, Interaccion& interaccion, const EstadoCalculo& estado,
          QWidget* padre = nullptr);

    // Prepara el dibujo (avisos, pregunta, centro del círculo) y muestra la ventana.
    void Mostrar();
    // Las opciones de la escena que se muestra (vacío: nada que dibujar).
    const std::optional<PreparacionGeometria>& Preparacion() const { return preparacion_; }
    Escena Construir(double ancho, double alto) const;

private:
    Proyecto& proyecto_;
    const EstadoCalculo& estado_;
    std::optional<PreparacionGeometria> preparacion_;
};

} // namespace vertana
