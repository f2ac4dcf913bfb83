// Calculadora de anclajes de los diálogos de resultados: los cinco datos de los anclajes, el
// botón que los comprueba y calcula (BotónAceptar) y las dos separaciones. Lee los resultados
// que el proyecto ya tiene y guarda en él los datos y las separaciones; la regla está en
// output/anclajes.h. Form14 (suelos) la usa, y puede usarla el diálogo de rocas.
#pragma once

#include "model/proyecto.h"
#include "output/anclajes.h"

#include <QGroupBox>

class QLineEdit;
class QPushButton;

namespace vertana {

class Interaccion;

class CalculadoraAnclajes : public QGroupBox {
public:
    CalculadoraAnclajes(Proyecto& proyecto, Interaccion& interaccion, QWidget* padre = nullptr);

    // Al abrir el diálogo: los siete valores guardados con sus formatos de apertura y las
    // cantidades geométricas de la superficie de falla y del talud.
    void Cargar();
    // BotónAceptar: las comprobaciones en su orden (la primera que falla se muestra y el
    // proyecto no cambia) y, si pasan, los datos y las separaciones se guardan en el proyecto.
    void Calcular();
    // El foco en el primer dato, (FS)a.
    void EnfocarDatos();

    const GeometriaAnclajes& Geometria() const { return geometria_; }

private:
    Proyecto& proyecto_;
    Interaccion& interaccion_;
    GeometriaAnclajes geometria_;
    QLineEdit* factor_;
    QLineEdit* inclinacion_;
    QLineEdit* diametro_;
    QLineEdit* rotura_;
    QLineEdit* guayas_;
    QLineEdit* activos_;
    QLineEdit* pasivos_;
    QPushButton* aceptar_;
};

} // namespace vertana
