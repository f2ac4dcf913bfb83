// Form10 "Características de los estratos en macizos rocosos": mi, GSI, m y s de Hoek-Brown,
// pesos unitarios y compresión simple de cada estrato. m y s se escriben o se calculan a partir
// de mi y GSI, o vienen del ajuste a los datos de laboratorio (Form16). Al aceptar se estiman la
// cohesión y la fricción equivalentes de cada estrato.
#pragma once

#include "model/proyecto.h"
#include "ui/controles_dialogo.h"
#include "ui/dialogo_activable.h"

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

class QLabel;
class QLineEdit;
class QTreeWidget;
class QTreeWidgetItem;

namespace vertana {

class Interaccion;

// Datos de un estrato, en el orden de las columnas de la lista (tras "Estrato"): mi, GSI, m, s,
// peso húmedo, peso saturado, compresión simple (kg/cm2).
inline constexpr int ColumnasEstratoRoca = 7;
using ValoresEstratoRoca = std::array<std::string, ColumnasEstratoRoca>;
enum DatoEstratoRoca {
    DatoMIntacto = 0,
    DatoGSI,
    DatoM,
    DatoS,
    DatoPesoHumedo,
    DatoPesoSaturado,
    DatoCompresionSimple
};

// Cómo se obtienen m y s cuando no vienen del laboratorio.
enum class ModoMs {
    Escritos, // la persona los escribe
    DesdeGSI, // m = mi·exp((GSI − 100)/28), s = exp((GSI − 100)/9) (0 con GSI < 25)
};

struct ResultadoEstratoRoca {
    std::optional<Fallo> fallo;
    // La fila tal como se muestra si todo pasó; con m y s de laboratorio, sus dos celdas quedan
    // vacías: la fila conserva las que tiene.
    ValoresEstratoRoca celdas;
};

// Comprobaciones de Modificar sobre los textos de los cuadros: números (en el orden del
// diálogo) y después valores con los que el criterio existe (mi > 0, 0 ≤ GSI ≤ 100, m > 0,
// s ≥ 0, σci > 0).
ResultadoEstratoRoca ComprobarEstratoRoca(const ValoresEstratoRoca& cuadros, ModoMs modo,
                                          bool msDeLaboratorio);

// Comprobación de Aceptar sobre las filas de la lista: la primera fila incompleta da el mensaje
// de datos que faltan; después, la primera con valores que no sirven, con su número de estrato.
// Título "Características de los estratos".
std::optional<Fallo> ComprobarFilasRoca(const std::vector<ValoresEstratoRoca>& filas, ModoMs modo,
                                        bool msDeLaboratorio);

// Las tablas de roca y de laboratorio a la medida del número de estratos, al abrir Form10 o
// Form16. Con RocaCaracterizada conservan sus valores; si se insertó un estrato entre los ya
// caracterizados, los de su lugar en adelante (propiedades, pares de laboratorio y su cantidad)
// bajan un lugar y el nuevo queda en cero; EstratoInsertado se borra. Sin RocaCaracterizada, las
// siete tablas de roca quedan con N ceros. Devuelve, por estrato (índice 1..N; el 0 no se usa),
// si su fila se muestra vacía: todas sin estratos caracterizados; mientras haya menos
// caracterizados que estratos, la del nuevo y las que siguen a los conocidos.
std::vector<bool> AjustarTablasDeRoca(Proyecto& p, int posicionNuevoEstrato);

class Form10 : public DialogoActivable {
    Q_OBJECT

public:
    // posicionNuevoEstrato: lugar elegido al insertar el último estrato (0 antes del primero,
    // i entre los estratos i e i + 1).
    Form10(Proyecto& proyecto, Interaccion& interaccion, int posicionNuevoEstrato,
           QWidget* padre = nullptr);

    // Abre Form16 cuando la persona quiere dar datos de laboratorio al abrir este diálogo. Por
    // omisión, el diálogo modal; las pruebas lo sustituyen.
    std::function<void()> AbrirLaboratorio;

    void Activar() override;
    void ModificarClic();
    void AceptarClic();
    // Cancelar: con cambios sin archivar pregunta antes de cerrar.
    void reject() override;

    ModoMs Modo() const { return modo_; }
    bool Cambiado() const { return cambiado_; }

private:
    void FilaClic(QTreeWidgetItem* elemento);
    ValoresEstratoRoca Cuadros() const;
    std::vector<ValoresEstratoRoca> Filas() const;
    void EscribirMsDelProyecto();
    void RecalcularMsDeLasFilas();
    void MostrarModo();

    Proyecto& proyecto_;
    Interaccion& interaccion_;
    int posicionNuevoEstrato_;
    ModoMs modo_ = ModoMs::Escritos;
    bool cambiado_ = false;
    int filaPulsada_ = -1;

    QTreeWidget* lista_;
    std::array<QLineEdit*, ColumnasEstratoRoca> cuadros_{};
    QLabel* nota_;
};

} // namespace vertana
