// Form6 "Definición del tipo de superficie de falla": cómo se unen los puntos consecutivos de la
// superficie potencial de falla ("L" recta, "C" arco de círculo, "P" polinomio).
#pragma once

#include "model/proyecto.h"
#include "ui/controles_dialogo.h"
#include "ui/dialogo_activable.h"

#include <optional>
#include <string>
#include <vector>

class QLabel;
class QLineEdit;
class QListWidget;
class QTreeWidget;
class QTreeWidgetItem;

namespace vertana {

class Interaccion;

struct UnionFalla {
    double PuntoInicial = 0.0;
    double PuntoFinal = 0.0;
    TipoUnion Tipo = TipoUnion::Recta;
    bool operator==(const UnionFalla&) const = default;
};

struct ResultadoUnion {
    std::optional<Fallo> fallo;
    UnionFalla nueva;
    int posicion = 0; // lugar de la nueva unión en la lista (desde 0)
};

// Comprobaciones de Agregar para una unión escrita en los cuadros, frente a la lista en orden de
// cadena. Con Modificar, `lista` ya no tiene la fila que se reemplaza y `filaReemplazada` es su
// lugar (desde 0); con Agregar es −1. Da el consejo sobre los círculos por la interacción; el
// rechazo lo devuelve sin mostrarlo.
ResultadoUnion ComprobarUnion(const std::vector<UnionFalla>& lista, int filaReemplazada,
                              const std::string& puntoI, const std::string& puntoF,
                              const std::string& tipo, Entero16 puntosFalla,
                              Interaccion& interaccion);

// Aceptar: las uniones deben ir sin huecos del punto 1 al último punto de la superficie.
std::optional<Fallo> ComprobarCadena(const std::vector<UnionFalla>& lista, double ultimoPuntoFinal,
                                     Entero16 puntosFalla);

class Form6 : public DialogoActivable {
    Q_OBJECT

public:
    Form6(Proyecto& proyecto, Interaccion& interaccion, QWidget* padre = nullptr);

    void Activar() override;
    void AgregarClic();
    void ModificarClic();
    void BorrarClic();
    void AceptarClic();
    // Salir: con uniones en la lista pregunta antes de cerrar.
    void reject() override;

    const std::vector<UnionFalla>& Uniones() const { return uniones_; }
    double UltimoPuntoFinal() const { return ultimoPuntoFinal_; }

private:
    void FilaClic(QTreeWidgetItem* elemento);
    void Insertar(const UnionFalla& unionNueva, int posicion);
    void QuitarFila(int fila);
    void ActualizarUltimoPuntoFinal();

    Proyecto& proyecto_;
    Interaccion& interaccion_;

    std::vector<UnionFalla> uniones_;
    double ultimoPuntoFinal_ = 0.0;
    int filaTipoFalla_ = -1;
    bool filaPulsada_ = false;

    QLineEdit* puntoI_;
    QLineEdit* puntoF_;
    QLineEdit* tipo_;
    QTreeWidget* lista_;
    QListWidget* puntos_;
    QLabel* total_;
};

} // namespace vertana
