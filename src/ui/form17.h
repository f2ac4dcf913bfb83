// Form17: diálogo de las iteraciones de Janbu. Muestra los factores de seguridad anterior y
// actual y la altura de la línea de empuje ht en cada borde, y deja aceptar la solución, salir
// del cálculo o dar nuevos ht para la pasada siguiente; la elección vuelve como DecisionJanbu.
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
    Form17(const Proyecto& p, const IteracionJanbuMostrada& pasada, Interaccion& ui,
           QWidget* padre = nullptr);

    // Al activarse: llena la lista y los textos y pregunta "¿Considera que es la solución?"
    // (Sí: aceptar) y luego "¿Desea salir del cálculo?" (Sí: salir). Devuelve true si el
    // diálogo debe quedar abierto para editar ht.
    bool Activar();
    // Lo que eligió la persona; los nuevos ht sólo si los aceptó con el botón Aceptar.
    const DecisionJanbu& Decision() const { return decision_; }

    // Botones.
    void Modificar();
    void Aceptar();
    void Salir();

    // Abre el diálogo como lo hace el cálculo: lo muestra lleno y, ya en pantalla, lo activa
    // (las preguntas); queda abierto sólo si la persona va a editar ht.
    static DecisionJanbu Mostrar(const Proyecto& p, const IteracionJanbuMostrada& pasada,
                                 Interaccion& ui, QWidget* padre);

protected:
    void showEvent(QShowEvent* evento) override;

private:
    void Llenar();
    void AjustarTamano();
    void ActivarEnPantalla();

    const Proyecto& p_;
    const IteracionJanbuMostrada& pasada_;
    Interaccion& ui_;
    DecisionJanbu decision_;
    Tabla<double> trabajo_;           // valores de ht del diálogo
    bool activarAlMostrarse_ = false; // Mostrar: las preguntas, con el diálogo ya pintado
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
