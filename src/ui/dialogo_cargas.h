// Base común de los diálogos de cargas (Form7 distribuidas, Form8 lineales): una lista con una
// fila por carga en orden decreciente de la abscisa de la primera columna, una fila de cuadros,
// Agregar, Modificar, Borrar, Aceptar, Salir y un botón de lectura con avisos.
#pragma once

#include "model/proyecto.h"
#include "ui/controles_dialogo.h"
#include "ui/dialogo_activable.h"

#include <optional>
#include <string>
#include <vector>

class QLineEdit;
class QTreeWidget;
class QTreeWidgetItem;

namespace vertana {

class Interaccion;

using FilaCarga = std::vector<double>;

struct ResultadoCarga {
    std::optional<Fallo> fallo;
    FilaCarga valores;
};

// Comprobaciones de Agregar: cada cuadro numérico, con su mensaje en `mensajes`; con
// `abscisaInicialMenor`, la abscisa de la columna 0 menor que la de la columna 2.
ResultadoCarga ComprobarCarga(const std::vector<std::string>& cuadros,
                              const std::vector<const char*>& mensajes, bool abscisaInicialMenor);

// Lugar de una carga nueva: la primera fila cuya abscisa es menor o igual que la suya (así la
// lista queda en orden decreciente y una abscisa repetida va antes de la anterior).
int PosicionCarga(const std::vector<double>& abscisasDeLaLista, double abscisa);

class DialogoCargas : public DialogoActivable {
    Q_OBJECT

public:
    void Activar() override;
    void AgregarClic();
    void ModificarClic();
    void BorrarClic();
    void AceptarClic();
    void LeerClic();
    // Salir: con cambios sin archivar pregunta antes de cerrar.
    void reject() override;

    bool Cambiado() const { return cambiado_; }

protected:
    struct Definicion {
        const char* nombre;
        const char* titulo;
        const char* nombreLista;
        std::vector<const char*> columnas;
        std::vector<const char*> nombresCuadros;
        std::vector<const char*> etiquetas;
        std::vector<const char*> mensajesNoNumericos;
        bool abscisaInicialMenor;
        const char* nombreBotonLeer;
        std::vector<const char*> avisosLeer;
        std::vector<const char*> notas;
    };

    DialogoCargas(Proyecto& proyecto, Interaccion& interaccion, Definicion definicion,
                  QWidget* padre);

    // Lo propio de cada clase de carga: sus tablas en el proyecto, en el orden de las columnas
    // (todas del tamaño de su cantidad), y la bandera de diálogo aceptado.
    struct CargasDelProyecto {
        std::vector<Tabla<double>*> tablas;
        bool* introducidas;
    };
    virtual CargasDelProyecto Cargas() const = 0;

    Proyecto& proyecto_;
    Interaccion& interaccion_;

private:
    void FilaClic(QTreeWidgetItem* elemento);
    std::vector<std::string> Cuadros() const;
    std::vector<double> AbscisasDeLaLista() const;
    void Insertar(const FilaCarga& fila);
    std::vector<FilaCarga> FilasDelProyecto() const;
    void GuardarFilas(const std::vector<FilaCarga>& filas);

    Definicion definicion_;
    bool cambiado_ = false;
    int filaPulsada_ = -1;
    QTreeWidget* lista_;
    std::vector<QLineEdit*> cuadros_;
};

} // namespace vertana
