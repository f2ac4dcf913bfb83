// Diálogo "Centro de momentos": el método de Bishop lo abre sobre una superficie compuesta cuyo
// centro de momentos falta (el archivo del proyecto no lo guarda). Propone un centro; la persona
// lo acepta o escribe otro, y el cálculo sigue con él. Salir deja el cálculo sin centro.
#pragma once

#include "model/dialogos_calculo.h"
#include "ui/controles_dialogo.h"

#include <QDialog>
#include <optional>
#include <string>

class QLineEdit;

namespace vertana {

class Interaccion;

struct ResultadoCentro {
    std::optional<Fallo> fallo; // el primer cuadro que no es un número
    PuntoCentro centro;
};

// Comprueba los dos cuadros en orden: "Debe introducir un número en la abscisa del centro", "...
// en la ordenada del centro".
ResultadoCentro ComprobarCentro(const std::string& abscisa, const std::string& ordenada);

class DialogoCentro : public QDialog {
    Q_OBJECT

public:
    DialogoCentro(PuntoCentro sugerido, Interaccion& ui, QWidget* padre = nullptr);

    // Aceptar: con los dos números, guarda el centro y cierra; si no, dice cuál falta.
    void AceptarClic();
    // El centro aceptado; sin él (Salir o todavía abierto), ninguno.
    const std::optional<PuntoCentro>& Centro() const { return centro_; }

private:
    Interaccion& ui_;
    QLineEdit* abscisa_;
    QLineEdit* ordenada_;
    std::optional<PuntoCentro> centro_;
};

} // namespace vertana
