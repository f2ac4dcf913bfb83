// Vista de la sección en la ventana principal, junto al editor de coordenadas: se redibuja con
// cada punto agregado, modificado o borrado, resalta el punto elegido en la lista y, tras un
// cálculo, escribe el factor de seguridad junto a la superficie de falla. Escalas iguales por
// omisión; la rueda del ratón acerca o aleja alrededor del cursor, arrastrar desplaza y el doble
// clic (o Ajustar) vuelve a mostrar toda la sección.
#pragma once

#include "calculo/calculo.h"
#include "geometry/estado_calculo.h"
#include "model/proyecto.h"
#include "output/grafico_seccion.h"
#include "ui/editor_coordenadas.h"

#include <QWidget>
#include <memory>
#include <optional>

class QCheckBox;

namespace vertana {

class Interaccion;
class LienzoSeccion;
struct BusquedaEnVista;

class VistaSeccion : public QWidget {
public:
    VistaSeccion(const Proyecto& proyecto, const EditorCoordenadas& editor,
                 const EstadoCalculo& estado, const std::optional<ResultadoCalculo>& ultimoCalculo,
                 Interaccion& interaccion, QWidget* padre = nullptr);

    // Vuelve a dibujar con lo que el proyecto y el editor tienen ahora.
    void Actualizar();
    // Lo que se dibuja (para las pruebas y la exportación).
    OpcionesSeccion Opciones(double ancho, double alto) const;
    Escena EscenaActual() const;
    Escena EscenaEn(double ancho, double alto) const;

    // Acercar (factor < 1) o alejar (> 1) alrededor de un píxel del lienzo; desplazar en píxeles.
    void Acercar(double factor, double px, double py);
    void Desplazar(double dx, double dy);
    // Toda la sección.
    void AjustarATodo();
    // La ventana del mundo fijada por el zoom (vacía: toda la sección).
    const std::optional<Rectangulo>& Ventana() const { return ventana_; }

    // El resultado de una búsqueda de la superficie crítica, dibujado encima mientras valga
    // para el proyecto (BusquedaVigente); nullptr lo quita. Muestra toda la sección y la
    // búsqueda.
    void MostrarBusqueda(std::shared_ptr<const BusquedaEnVista> busqueda);
    // La escena de ahora incluye la búsqueda.
    bool ConBusqueda() const;

private:
    void Exportar();

    const Proyecto& proyecto_;
    const EditorCoordenadas& editor_;
    const EstadoCalculo& estado_;
    const std::optional<ResultadoCalculo>& ultimoCalculo_;
    Interaccion& interaccion_;
    LienzoSeccion* lienzo_ = nullptr;
    QCheckBox* escalasIguales_ = nullptr;
    std::optional<Rectangulo> ventana_;
    std::shared_ptr<const BusquedaEnVista> busqueda_;
};

} // namespace vertana
