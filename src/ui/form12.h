// Form12 "Resultados del cálculo para rocas": la tabla de dovelas del último cálculo en un
// macizo rocoso con m y s de la base (o c y φ, con parámetros instantáneos) y los esfuerzos
// principales σ3 y σ1, el factor de seguridad, los multiplicadores de Lagrange del método
// variacional, las cinco sumas de esfuerzos y la calculadora de anclajes (la de Form14). Sólo
// lee lo que el cálculo dejó en el proyecto.
#pragma once

#include "model/proyecto.h"
#include "ui/dialogo_activable.h"

class QLabel;
class QLineEdit;
class QTreeWidget;

namespace vertana {

class CalculadoraAnclajes;
class Interaccion;

class Form12 : public DialogoActivable {
public:
    Form12(Proyecto& proyecto, Interaccion& interaccion, QWidget* padre = nullptr);

    // Sin resultados muestra "No ha hecho el cálculo completo de esfuerzos:" y no llena nada;
    // con ellos llena la tabla, los cuadros y la calculadora de anclajes. En un cálculo con
    // parámetros instantáneos el título es "Cálculo con parámetros instantáneos".
    void Activar() override;

    CalculadoraAnclajes& Anclajes() { return *anclajes_; }

protected:
    void resizeEvent(QResizeEvent* evento) override;

private:
    void LlenarTabla();

    Proyecto& proyecto_;
    Interaccion& interaccion_;
    QTreeWidget* tabla_;
    QLineEdit* primerMultiplicador_;
    QLineEdit* segundoMultiplicador_;
    QLineEdit* factorDeSeguridad_;
    QLineEdit* sumaNormalesTotales_;
    QLineEdit* sumaNormalesEfectivos_;
    QLineEdit* sumaTangenciales_;
    QLineEdit* sumaPrincipalesMayores_;
    QLineEdit* sumaPrincipalesMenores_;
    CalculadoraAnclajes* anclajes_;
};

} // namespace vertana
