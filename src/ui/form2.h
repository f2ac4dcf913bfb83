// Form2 "Constantes de cálculo y grieta de tracción": tipo de material, método, valores de
// partida de las iteraciones, datos del círculo, coeficientes sísmicos, número de dovelas y grieta
// de tracción.
#pragma once

#include "model/proyecto.h"
#include "ui/controles_dialogo.h"
#include "ui/dialogo_activable.h"

#include <optional>
#include <string>
#include <vector>

class QLineEdit;

namespace vertana {

class Interaccion;

// Textos de los cuadros del diálogo, tal como están escritos.
struct EntradaForm2 {
    std::string SueloRoca;
    std::string MetodoDeCalculo;
    std::string MultiplicadorLagrange1;
    std::string MultiplicadorLagrange2;
    std::string FSInicial;
    std::string EsfuerzoInicialCresta;
    std::string RadioCirculoFalla;
    std::string DeLaCuerda; // sólo se muestra
    std::string VariaElRadio;
    std::string CoeficienteSismicoHorizontal;
    std::string CoeficienteSismicoVertical;
    std::string NumeroDovelas;
    std::string DefinicionParametrosInstantaneos;
    std::string AbscisaPrimerPuntoGrieta;
    std::string OrdenadaPrimerPuntoGrieta;
    std::string AbscisaSegundoPuntoGrieta;
    std::string OrdenadaSegundoPuntoGrieta;
    std::string AbscisaNivelFreaticoGrieta;
    std::string OrdenadaNivelFreaticoGrieta;
};

// Datos del círculo único calculados al aceptar.
struct CirculoForm2 {
    double RadioCirculoFalla = 0.0; // quizá aumentado hasta que el centro no quede bajo la corona
    double CuerdaCirculo = 0.0;
    double CentroCirculoX = 0.0;
    double CentroCirculoY = 0.0;
};

// Lo que Form2 escribe en el proyecto cuando todas las comprobaciones pasan.
struct ValoresForm2 {
    Material SueloRoca = Material::SinDefinir;
    Metodo MetodoDeCalculo = Metodo::SinDefinir;
    double MultiplicadorLagrange1 = 0.0;
    double MultiplicadorLagrange2 = 0.0;
    double FSInicial = 0.0;
    double EsfuerzoInicialCresta = 0.0;
    double NumeroDovelas = 0.0;
    double CoeficienteSismicoHorizontal = 0.0;
    double CoeficienteSismicoVertical = 0.0;
    double AbscisaPrimerPuntoGrieta = 0.0;
    double OrdenadaPrimerPuntoGrieta = 0.0;
    double AbscisaSegundoPuntoGrieta = 0.0;
    double OrdenadaSegundoPuntoGrieta = 0.0;
    double AbscisaNivelFreaticoGrieta = 0.0;
    double OrdenadaNivelFreaticoGrieta = 0.0;
    double AlturaAguaGrieta = 0.0;
    DefinicionInstantaneos DefinicionParametrosInstantaneos = DefinicionInstantaneos::SinDefinir;
    bool RadioACero = false;             // superficie compuesta con un radio escrito
    std::optional<CirculoForm2> Circulo; // superficie de un único círculo
    std::optional<bool> VariaElRadioSN;  // sólo con Bishop en un círculo único
    // Centro guardado: el del círculo único, o el valor de una superficie compuesta.
    double CentroCirculoXGuardado = 0.0;
    double CentroCirculoYGuardado = 0.0;
};

struct ResultadoForm2 {
    std::optional<Fallo> fallo;           // primer rechazo; sin él, los valores se pueden guardar
    std::optional<double> CuerdaMostrada; // cuerda que el diálogo muestra con el rechazo
    ValoresForm2 valores;
};

// Comprobaciones de Aceptar, en su orden. Hace la pregunta del método 1 con suelos y muestra el
// aviso de un radio que no se considera; el rechazo lo devuelve sin mostrarlo. No toca el
// proyecto.
ResultadoForm2 ValidarForm2(const Proyecto& proyecto, const EntradaForm2& entrada,
                            Interaccion& interaccion);

// Guarda los valores aceptados y marca los parámetros como introducidos.
void AplicarForm2(Proyecto& proyecto, const ValoresForm2& valores);

// Textos de los cuadros al activar el diálogo con parámetros ya aceptados.
EntradaForm2 EntradaDesdeProyecto(const Proyecto& proyecto);

class Form2 : public DialogoActivable {
    Q_OBJECT

public:
    Form2(Proyecto& proyecto, Interaccion& interaccion, QWidget* padre = nullptr);

    // Carga los cuadros desde el proyecto y da los avisos de la activación, éstos con el
    // diálogo ya en pantalla (para que la persona vea los valores de los que se le avisa).
    void Activar() override;
    // Comprueba y, si todo pasa, guarda y oculta el diálogo.
    void AceptarClic();

private:
    EntradaForm2 Entrada() const;
    void Mostrar(const EntradaForm2& entrada);
    void DarAvisosDeActivacion();

    Proyecto& proyecto_;
    Interaccion& interaccion_;
    std::vector<std::string> avisos_; // de la activación, pendientes de mostrar

    QLineEdit* sueloRoca_;
    QLineEdit* metodo_;
    QLineEdit* mu1_;
    QLineEdit* mu2_;
    QLineEdit* fs_;
    QLineEdit* esfuerzo_;
    QLineEdit* radio_;
    QLineEdit* cuerda_;
    QLineEdit* variaRadio_;
    QLineEdit* kh_;
    QLineEdit* kv_;
    QLineEdit* dovelas_;
    QLineEdit* instantaneos_;
    QLineEdit* xGrieta1_;
    QLineEdit* yGrieta1_;
    QLineEdit* xGrieta2_;
    QLineEdit* yGrieta2_;
    QLineEdit* xAgua_;
    QLineEdit* yAgua_;
};

} // namespace vertana
