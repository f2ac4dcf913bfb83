// Los dos diálogos de resultados, Form14 (suelos) y Form12 (rocas): la tabla de dovelas del
// último cálculo, el factor de seguridad, los multiplicadores de Lagrange del método variacional,
// las sumas de los esfuerzos a lo largo de la superficie de falla y la calculadora de anclajes.
// En rocas la tabla lleva m y s de la base (o c y φ, con parámetros instantáneos) y los esfuerzos
// principales σ3 y σ1, con sus sumas. Sólo leen lo que el cálculo dejó en el proyecto.
#pragma once

#include "model/proyecto.h"
#include "ui/dialogo_activable.h"

class QLineEdit;
class QTreeWidget;

namespace vertana {

class CalculadoraAnclajes;
class Interaccion;

class DialogoResultados : public DialogoActivable {
public:
    enum class Material { Suelo, Roca };

    DialogoResultados(Material material, Proyecto& proyecto, Interaccion& interaccion,
                      QWidget* padre);

    // Sin resultados muestra "No ha hecho el cálculo completo de esfuerzos:" y no llena nada;
    // con ellos llena la tabla, los cuadros y la calculadora de anclajes. En rocas, tras un
    // cálculo con parámetros instantáneos, el título es "Cálculo con parámetros instantáneos".
    void Activar() override;

    CalculadoraAnclajes& Anclajes() { return *anclajes_; }

protected:
    void resizeEvent(QResizeEvent* evento) override;

private:
    void LlenarTabla();

    Material material_;
    Proyecto& proyecto_;
    Interaccion& interaccion_;
    QTreeWidget* tabla_;
    QLineEdit* primerMultiplicador_;
    QLineEdit* segundoMultiplicador_;
    QLineEdit* factorDeSeguridad_;
    QLineEdit* sumaNormalesTotales_;
    QLineEdit* sumaNormalesEfectivos_;
    QLineEdit* sumaTangenciales_;
    QLineEdit* sumaPrincipalesMayores_ = nullptr; // sólo en rocas
    QLineEdit* sumaPrincipalesMenores_ = nullptr;
    CalculadoraAnclajes* anclajes_;
};

} // namespace vertana
