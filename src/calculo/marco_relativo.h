// Cálculo en coordenadas relativas a la sección: el resultado no depende de dónde esté el origen.
//
// Antes del método todas las coordenadas del proyecto y del estado del cálculo se trasladan al
// punto de referencia de la sección (la menor abscisa y la menor ordenada de sus poligonales:
// talud, superficie de falla, nivel freático y líneas de los estratos); después vuelven. Un
// valor que el cálculo no cambió recobra exactamente su valor original (la vuelta x − d + d no
// siempre da x en binario); uno que cambió (centros y ordenadas de las dovelas, centro del
// círculo, historia de xc, yc) se traslada de vuelta.
//
// Lo que no es una coordenada absoluta no se traslada: el centro guardado de una superficie
// compuesta (Form2 lo calcula como una semidiferencia de los extremos del talud, y un archivo lo
// lee como (0, 0): es relativo a la sección), el centro guardado de un círculo único cuando su
// ordenada es 0 o negativa (marcas: "calcular el centro" y "no tocarlo") y la ordenada del agua
// en la grieta cuando es 0 o negativa (sin agua). Con la sección en el primer cuadrante y su
// esquina en el origen, la referencia es (0, 0) y nada cambia.
#pragma once

#include "geometry/estado_calculo.h"
#include "model/proyecto.h"

#include <vector>

namespace vertana {

struct PuntoDeReferencia {
    double x = 0.0;
    double y = 0.0;
};

// La menor abscisa y la menor ordenada finitas de las poligonales de la sección; (0, 0) si no
// tiene puntos.
PuntoDeReferencia ReferenciaDeLaSeccion(const Proyecto& p);

class MarcoRelativo {
public:
    explicit MarcoRelativo(PuntoDeReferencia referencia) : referencia_(referencia) {}

    // Lleva el proyecto y el estado a coordenadas relativas y recuerda los valores absolutos.
    void ARelativas(Proyecto& p, EstadoCalculo& e);
    // Los devuelve a coordenadas absolutas.
    void AAbsolutas(Proyecto& p, EstadoCalculo& e);

    const PuntoDeReferencia& Referencia() const { return referencia_; }

private:
    struct Guardado {
        double escalar = 0.0;
        Tabla<double> tabla;
        Tabla2<double> tabla2;
    };
    PuntoDeReferencia referencia_;
    bool relativas_ = false;
    std::vector<Guardado> guardados_;
    // Decisiones tomadas al pasar a relativas, para volver igual.
    bool centroGuardadoTrasladado_ = false;
    bool aguaGrietaTrasladada_ = false;
    bool circuloUnico_ = false;
};

} // namespace vertana
