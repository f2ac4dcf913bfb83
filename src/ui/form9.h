// form9 "Resultados de las iteraciones": muestra un paso de Newton del método variacional
// (iteración, multiplicadores, factor de seguridad y las tres sumas de equilibrio) y pregunta si
// es la solución o si se sale del cálculo. Deja la elección en SolucionAceptada y
// SalirDelCalculo y se oculta; el cálculo sigue al volver.
#pragma once

#include "model/proyecto.h"

#include <QDialog>

class QLabel;

namespace vertana {

class Interaccion;

class Form9 : public QDialog {
    Q_OBJECT

public:
    Form9(Proyecto& proyecto, Interaccion& interaccion, QWidget* padre = nullptr);

    // Llena las etiquetas con la última fila de la historia, hace las preguntas y se oculta.
    void Activar();
    // Sólo llena las etiquetas.
    void MostrarIteracion();

protected:
    void showEvent(QShowEvent* evento) override;

private:
    Proyecto& proyecto_;
    Interaccion& interaccion_;

    QLabel* iteracion_;
    QLabel* primerMultiplicador_;
    QLabel* segundoMultiplicador_;
    QLabel* factorSeguridad_;
    QLabel* sumaHorizontales_;
    QLabel* sumaVerticales_;
    QLabel* sumaMomentos_;
};

} // namespace vertana
