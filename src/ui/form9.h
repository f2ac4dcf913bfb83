// form9 "Resultados de las iteraciones": muestra un paso de Newton del método variacional
// (iteración, multiplicadores, factor de seguridad y las tres sumas de equilibrio) y pregunta si
// es la solución o si se sale del cálculo. Deja la elección en Decision() y se oculta; el
// cálculo sigue al volver.
#pragma once

#include "model/dialogos_calculo.h"
#include "model/proyecto.h"

#include <QDialog>

class QLabel;

namespace vertana {

class Interaccion;

class Form9 : public QDialog {
    Q_OBJECT

public:
    Form9(const Proyecto& proyecto, const SumasDeLaIteracion& sumas, Interaccion& interaccion,
          QWidget* padre = nullptr);

    // Lo que eligió la persona: aceptar la solución, salir del cálculo o seguir.
    DecisionIteracion Decision() const { return decision_; }

    // Llena las etiquetas con la última fila de la historia, hace las preguntas y se oculta.
    void Activar();
    // Sólo llena las etiquetas.
    void MostrarIteracion();

protected:
    void showEvent(QShowEvent* evento) override;

private:
    const Proyecto& proyecto_;
    SumasDeLaIteracion sumas_;
    Interaccion& interaccion_;
    DecisionIteracion decision_ = DecisionIteracion::Seguir;

    QLabel* iteracion_;
    QLabel* primerMultiplicador_;
    QLabel* segundoMultiplicador_;
    QLabel* factorSeguridad_;
    QLabel* sumaHorizontales_;
    QLabel* sumaVerticales_;
    QLabel* sumaMomentos_;
};

} // namespace vertana
