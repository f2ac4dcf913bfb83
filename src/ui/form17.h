// Form17: diálogo de las iteraciones de Janbu. Muestra los factores de seguridad anterior y
// actual y la altura de la línea de empuje ht en cada borde, y deja aceptar la solución, salir
// del cálculo o cambiar ht.
#pragma once

#include "model/interaccion.h"
#include "model/proyecto.h"
#include "model/tabla.h"

#include <QDialog>

class QLineEdit;
class QPushButton;
class QTreeWidget;

namespace vertana {

class Form17 : public QDialog {
public:
    Form17(Proyecto& p, const Tabla<double>& anguloLineaEmpuje, Interaccion& ui,
           QWidget* padre = nullptr);

    // Al activarse: llena la lista y los textos y pregunta "¿Considera que es la solución?"
    // (Sí: SolucionAceptada) y luego "¿Desea salir del cálculo?" (Sí: SalirDelCalculo).
    // Devuelve true si el diálogo debe quedar abierto para editar ht.
    bool Activar();

    // Botones.
    void Modificar();
    void Aceptar();
    void Salir();

    // Abre el diálogo como lo hace el cálculo: Activar y, si hace falta, exec.
    static void Mostrar(Proyecto& p, const Tabla<double>& anguloLineaEmpuje, Interaccion& ui,
                        QWidget* padre);

private:
    void Llenar();

    Proyecto& p_;
    const Tabla<double>& angulos_;
    Interaccion& ui_;
    Tabla<double> trabajo_; // valores de ht del diálogo
    QLineEdit* numeroIteracion_;
    QLineEdit* fsAnterior_;
    QLineEdit* fsActual_;
    QTreeWidget* lista_;
    QLineEdit* nuevoValor_;
    QPushButton* modificar_;
    QPushButton* aceptar_;
    QPushButton* salir_;
};

} // namespace vertana
