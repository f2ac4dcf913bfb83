// "Búsqueda de la superficie crítica": la persona define la rejilla de centros (con radios
// tangentes a horizontales o que pasan por un punto) o los tramos de entrada y salida, el
// método, la superficie no circular y los límites de las superficies admitidas, y pulsa Buscar.
// La búsqueda corre en otro hilo (la ventana sigue atendiendo); la barra muestra su avance y
// Cancelar la detiene sin tocar el proyecto. Al terminar, la sección de la ventana principal
// muestra el mapa de factores, las mejores superficies y la crítica; Adoptar la deja como la
// superficie de falla del proyecto.
#pragma once

#include "calculo/busqueda_ajustes.h"
#include "calculo/busqueda_en_segundo_plano.h"
#include "model/proyecto.h"
#include "output/escena_busqueda.h"
#include "ui/controles_dialogo.h"

#include <QDialog>
#include <functional>
#include <memory>
#include <optional>
#include <string>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QTimer;

namespace vertana {

class Interaccion;

// Los cuadros del diálogo tal como están escritos.
struct EntradaBusqueda {
    int Metodo = 1; // índice en la lista: Fellenius, Bishop, Janbu, Spencer, Morgenstern-Price
    bool Refinar = true;
    bool NoCircular = false;
    std::string Vertices;
    bool UsarRejilla = true;
    std::string XMin, XMax, NX, YMin, YMax, NY;
    std::string Radios;
    bool PorPunto = false;
    std::string TangenteYMin, TangenteYMax;
    std::string PuntoX, PuntoY;
    bool UsarEntradaSalida = false;
    std::string EntradaX1, EntradaX2, SalidaX1, SalidaX2, PuntosTramo;
    std::string ProfundidadMinima, AreaMinima, Mejores;
};

// Los cuadros para unos ajustes.
EntradaBusqueda EntradaDeAjustes(const AjustesBusqueda& a);

struct LecturaBusqueda {
    std::optional<Fallo> fallo; // el primer dato que no vale
    AjustesBusqueda ajustes;
};
// Lee los cuadros. Se comprueban los de las definiciones marcadas (las otras guardan lo que
// tengan si vale, y si no lo de `base`); la primera falla da el mensaje.
LecturaBusqueda LeerEntradaBusqueda(const EntradaBusqueda& e, const AjustesBusqueda& base);

// Una búsqueda terminada con lo necesario para dibujarla y comprobar que sigue valiendo.
struct BusquedaEnVista {
    Proyecto alBuscar;
    DibujoBusqueda dibujo;
};

class DialogoBusqueda : public QDialog {
public:
    DialogoBusqueda(const Proyecto& proyecto, Interaccion& interaccion,
                    const AjustesBusqueda& ajustes, QWidget* padre = nullptr);
    ~DialogoBusqueda() override;

    // Se llaman al empezar una búsqueda (con los ajustes leídos) y al terminar una con
    // superficie.
    std::function<void(const AjustesBusqueda&)> AlEmpezar;
    std::function<void(std::shared_ptr<const BusquedaEnVista>)> AlTerminar;

    // Lo que hay en los cuadros.
    EntradaBusqueda Entrada() const;
    // Los últimos ajustes válidos (los de la última búsqueda, o los de partida).
    const AjustesBusqueda& Ajustes() const { return ajustes_; }
    // La búsqueda en curso.
    bool Buscando() const { return static_cast<bool>(busqueda_); }
    // El resultado de la última búsqueda terminada en este diálogo (cancelada incluida).
    const std::optional<ResultadoBusqueda>& Resultado() const { return resultado_; }
    // La superficie que la persona adoptó (el diálogo se cierra al adoptar).
    const std::optional<SuperficieEnsayo>& SuperficieAdoptada() const { return adoptada_; }
    MetodoBusqueda MetodoAdoptado() const { return metodoAdoptado_; }

    // Avance y cierre de la búsqueda; el temporizador del diálogo lo llama solo, las pruebas
    // pueden llamarlo para no esperar.
    void Revisar();

    void reject() override;

protected:
    void showEvent(QShowEvent* evento) override;
    void closeEvent(QCloseEvent* evento) override;

private:
    void Cargar(const AjustesBusqueda& a);
    void Buscar();
    void Cancelar();
    void Adoptar();
    void Terminar();
    void ActualizarControles();

    const Proyecto& proyecto_;
    Interaccion& interaccion_;
    AjustesBusqueda ajustes_;
    std::unique_ptr<BusquedaEnSegundoPlano> busqueda_;
    std::optional<ResultadoBusqueda> resultado_;
    std::optional<Proyecto> buscado_; // el proyecto de la última búsqueda hallada
    std::optional<SuperficieEnsayo> adoptada_;
    MetodoBusqueda metodoAdoptado_ = MetodoBusqueda::Bishop;
    bool colocado_ = false;

    QComboBox* metodo_ = nullptr;
    QCheckBox* refinar_ = nullptr;
    QCheckBox* noCircular_ = nullptr;
    QLineEdit* vertices_ = nullptr;
    QGroupBox* rejilla_ = nullptr;
    QLineEdit *xMin_ = nullptr, *xMax_ = nullptr, *nx_ = nullptr;
    QLineEdit *yMin_ = nullptr, *yMax_ = nullptr, *ny_ = nullptr;
    QLineEdit* radios_ = nullptr;
    QRadioButton* tangentes_ = nullptr;
    QRadioButton* porPunto_ = nullptr;
    QLineEdit *tangenteYMin_ = nullptr, *tangenteYMax_ = nullptr;
    QLineEdit *puntoX_ = nullptr, *puntoY_ = nullptr;
    QGroupBox* entradaSalida_ = nullptr;
    QLineEdit *entradaX1_ = nullptr, *entradaX2_ = nullptr;
    QLineEdit *salidaX1_ = nullptr, *salidaX2_ = nullptr, *puntosTramo_ = nullptr;
    QLineEdit *profundidad_ = nullptr, *area_ = nullptr, *mejores_ = nullptr;
    QProgressBar* barra_ = nullptr;
    QLabel* avance_ = nullptr;
    QLabel* resultadoTexto_ = nullptr;
    QPushButton* buscar_ = nullptr;
    QPushButton* cancelar_ = nullptr;
    QPushButton* adoptar_ = nullptr;
    QPushButton* cerrar_ = nullptr;
    QTimer* temporizador_ = nullptr;
};

} // namespace vertana
