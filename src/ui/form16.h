// Form16: esfuerzos principales (σ1, σ3) de los ensayos de laboratorio de cada estrato de roca, en
// ton/m2, y el ajuste por mínimos cuadrados de m y s de cada estrato a sus pares.
#pragma once

#include "model/proyecto.h"
#include "ui/controles_dialogo.h"
#include "ui/dialogo_activable.h"

#include <optional>
#include <string>
#include <utility>
#include <vector>

class QComboBox;
class QLineEdit;
class QTreeWidget;
class QTreeWidgetItem;

namespace vertana {

class Interaccion;

// Un par de laboratorio: σ1, σ3 (ton/m2).
using ParLaboratorio = std::pair<double, double>;

// Comprobación de Agregar y Modificar: σ1 y después σ3 deben ser números.
struct ResultadoPar {
    std::optional<Fallo> fallo;
    ParLaboratorio par;
};
ResultadoPar ComprobarPar(const std::string& sigma1, const std::string& sigma3);

// Lugar (desde 0) de un par nuevo en la lista, ordenada de mayor a menor σ1: antes del primero
// cuyo σ1 es menor o igual que el nuevo, o al final.
int PosicionDelPar(const std::vector<ParLaboratorio>& pares, double sigma1);

// Los pares de un estrato en las tablas del proyecto, y su escritura: NumeroPuntosLab(i) y las
// tablas, que se redimensionan conservando lo que tienen a N estratos por la mayor cantidad.
std::vector<ParLaboratorio> ParesDelEstrato(const Proyecto& p, int estrato);
void EscribirParesDelEstrato(Proyecto& p, int estrato, const std::vector<ParLaboratorio>& pares);

// Ajuste de m y s de todos los estratos a sus pares (σci de cada estrato pasado a ton/m2). Sin
// cambiar nada, devuelve el mensaje del primer estrato con menos de dos pares; después pregunta
// por cada estrato si sus datos son de roca intacta (s = 1) y se detiene, sin cambiar nada, en el
// primero cuyo ajuste no existe o da m ≤ 0. Si todo va bien guarda ParametroM y ParametroS,
// EstratosCaracterizados = N y las banderas de datos de laboratorio.
std::optional<Fallo> AjustarEstratosDeLaboratorio(Proyecto& p, Interaccion& interaccion);

class Form16 : public DialogoActivable {
    Q_OBJECT

public:
    Form16(Proyecto& proyecto, Interaccion& interaccion, int posicionNuevoEstrato,
           QWidget* padre = nullptr);

    void Activar() override;
    void AgregarClic();
    void ModificarClic();
    void BorrarClic();
    void AceptarClic();

    int EstratoEnPantalla() const { return estrato_; }

private:
    void EstratoElegido(int indice);
    void FilaClic(QTreeWidgetItem* elemento);
    void MostrarPares();
    void Insertar(const ParLaboratorio& par);
    void VaciarCuadros();

    Proyecto& proyecto_;
    Interaccion& interaccion_;
    int posicionNuevoEstrato_;
    int estrato_ = 1;                    // estrato en pantalla
    std::vector<ParLaboratorio> pares_;  // sus pares, de mayor a menor σ1
    bool suprimirCambioEstrato_ = false; // el diálogo mismo elige el estrato

    QComboBox* listaDeEstratos_;
    QLineEdit* sigma1_;
    QLineEdit* sigma3_;
    QTreeWidget* lista_;
};

} // namespace vertana
