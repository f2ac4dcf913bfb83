// Form5 "Características de los estratos en suelos": cohesión, fricción, pesos unitarios, tipo de
// estrato, parámetro de presión intersticial, consolidación y tiempo de construcción de cada
// estrato.
#pragma once

#include "model/proyecto.h"
#include "ui/controles_dialogo.h"
#include "ui/dialogo_activable.h"

#include <array>
#include <optional>
#include <string>

class QLineEdit;
class QTreeWidget;
class QTreeWidgetItem;

namespace vertana {

class Interaccion;

// Columnas de datos de un estrato, en el orden de la lista y de los cuadros.
inline constexpr int ColumnasEstrato = 8;
using ValoresEstrato = std::array<std::string, ColumnasEstrato>;

struct ResultadoEstrato {
    std::optional<Fallo> fallo; // rechazo que se muestra
    bool recargar = false;      // los cuadros vuelven a tomar los valores de la fila
    ValoresEstrato celdas;      // la fila tal como se muestra, si todo pasó
};

// Comprobaciones de Modificar sobre los textos de los cuadros del estrato `estrato` (su número,
// que nombran los mensajes de los rangos). Hace las preguntas de los pesos unitarios por la
// interacción; el rechazo lo devuelve sin mostrarlo.
ResultadoEstrato ComprobarEstrato(const ValoresEstrato& cuadros, int estrato,
                                  Interaccion& interaccion);

class Form5 : public DialogoActivable {
    Q_OBJECT

public:
    // posicionNuevoEstrato: lugar elegido al insertar el último estrato (0 antes del primero,
    // i entre los estratos i e i + 1).
    Form5(Proyecto& proyecto, Interaccion& interaccion, int posicionNuevoEstrato,
          QWidget* padre = nullptr);

    void Activar() override;
    void ModificarClic();
    void AceptarClic();
    // Salir: con cambios sin archivar pregunta antes de cerrar.
    void reject() override;

    bool Cambiado() const { return cambiado_; }

private:
    void FilaClic(QTreeWidgetItem* elemento);
    void CargarCuadrosDesdeFila(int fila);
    ValoresEstrato Cuadros() const;

    Proyecto& proyecto_;
    Interaccion& interaccion_;
    int posicionNuevoEstrato_;
    bool cambiado_ = false;
    int filaPulsada_ = -1;

    QTreeWidget* lista_;
    std::array<QLineEdit*, ColumnasEstrato> cuadros_{};
};

} // namespace vertana
