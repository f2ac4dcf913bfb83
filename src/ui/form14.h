// Form14 "Resultados del suelo": la tabla de dovelas del último cálculo, el factor de seguridad,
// los multiplicadores de Lagrange del método variacional, las sumas de los esfuerzos a lo largo
// de la superficie de falla y la calculadora de anclajes. Sólo lee lo que el cálculo dejó en el
// proyecto; no recalcula nada.
#pragma once

#include "model/proyecto.h"
#include "ui/dialogo_activable.h"

class QLineEdit;
class QTreeWidget;

namespace vertana {

class CalculadoraAnclajes;
class Interaccion;

class Form14 : public DialogoActivable {
public:
    Form14(Proyecto& proyecto, Interaccion& interaccion, QWidget* padre = nullptr);

    // Sin resultados muestra "No ha hecho el cálculo completo de esfuerzos:" y no llena nada;
    // con ellos llena la tabla, los cuadros y la calculadora de anclajes.
    void Activar() override;

    CalculadoraAnclajes& Anclajes() { return *anclajes_; }

protected:
    void resizeEvent(QResizeEvent* evento) override;

private:
    void LlenarTabla();
    // Cada columna con el ancho de su contenido y, si sobra espacio, el sobrante repartido.

    Proyecto& proyecto_;
    Interaccion& interaccion_;
    QTreeWidget* tabla_;
    QLineEdit* primerMultiplicador_;
    QLineEdit* segundoMultiplicador_;
    QLineEdit* factorDeSeguridad_;
    QLineEdit* sumaNormalesTotales_;
    QLineEdit* sumaNormalesEfectivos_;
    QLineEdit* sumaTangenciales_;
    CalculadoraAnclajes* anclajes_;
};

} // namespace vertana
