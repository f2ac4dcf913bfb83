// Form13: chequeo de los esfuerzos del método variacional. Cuando una dovela no cumple la ley de
// resistencia, lista por dovela el esfuerzo del paso anterior, el del actual y su mínimo, y deja
// que la persona escriba los esfuerzos con que empezará el próximo cálculo; al aceptar quedan en
// Sigmas(), por nodo o por dovela según NodoDeSigmaUsuario.
#pragma once

#include "model/dialogos_calculo.h"
#include "model/tabla.h"
#include "ui/controles_dialogo.h"
#include "ui/dialogo_activable.h"

#include <optional>
#include <vector>

class QLabel;
class QLineEdit;
class QTreeWidget;
class QTreeWidgetItem;

namespace vertana {

class Interaccion;

// Aceptar sobre las celdas de la columna del esfuerzo actual y de la del mínimo (tal como se
// muestran): faltan datos si una está vacía o no es un número; después, una dovela por debajo de
// su mínimo. `filaBajoMinimo` recibe la primera dovela (desde 0) por debajo del mínimo.
std::optional<Fallo> ComprobarSigmas(MaterialDelChequeo material,
                                     const std::vector<std::string>& actuales,
                                     const std::vector<std::string>& minimos,
                                     int* filaBajoMinimo = nullptr);

class Form13 : public DialogoActivable {
    Q_OBJECT

public:
    Form13(Interaccion& interaccion, EsfuerzosDelChequeo esfuerzos, QWidget* padre = nullptr);

    // Los esfuerzos escritos, si la persona aceptó.
    const std::optional<Tabla<double>>& Sigmas() const { return sigmas_; }

    // Llena la lista; los avisos de las dovelas que no chequean se dan con el diálogo visible.
    void Activar() override;
    void AvisarDovelasSinChequeo();
    void ModificarClic();
    void AceptarClic();
    // Salir: sin sigmas escritos pregunta si se quieren usar; Sí deja el diálogo abierto.
    void reject() override;

protected:
    void showEvent(QShowEvent* evento) override;

private:
    void FilaClic(QTreeWidgetItem* elemento);

    Interaccion& interaccion_;
    EsfuerzosDelChequeo esfuerzos_;
    std::optional<Tabla<double>> sigmas_;

    QLabel* dovela_;
    QTreeWidget* lista_;
    QLineEdit* sigmaActual_;
};

} // namespace vertana
