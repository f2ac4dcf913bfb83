// Catálogo de textos: parte de preparacion. Se incluye desde model/textos.h.
// Preguntas y mensajes de la preparación del cálculo (superficie de falla, dovelas, presiones).
#pragma once

#include <string>

namespace vertana::textos {

// Preámbulo del cálculo.
inline constexpr char PreguntaPrimeraVezCalculo[] =
    "¿Es primera vez que está haciendo el cálculo o modificó las características geométricas o "
    "geomecánicas del problema o niveles freáticos?";
// Presiones de poros que ya existen en la tabla de dovelas.
inline constexpr char PreguntaPresionesExistentes[] =
    "Ya existen presión de poros. ¿Desea estimarlas a partir de las coordenadas del nivel "
    "freático?";
// Cruce de un tramo recto con una línea de estrato de la misma pendiente.
inline constexpr char PendienteFallaIgualEstrato[] =
    "La pendiente de superficie potencial de falla coincide con la pendiente de un estrato. "
    "Varie en un mínimo la pendiente de la superficie de falla para evitar un error en cálculo "
    "de un parámetro. Si el programa continua calculando despues de este mensaje, no será "
    "correcto. Inicie de nuevo.";
// Jacobiano singular al buscar el centro de un arco tangente.
inline constexpr char DeterminanteCero[] = "Determinante =0, Ordene la matriz";
// El radio sigue siendo menor que la mitad de la cuerda tras el diálogo de parámetros.
inline constexpr char RadioMenorQueMediaCuerdaEnCalculo[] =
    "Debe cumplirse que el radio sea mayor que la Mitad de la cuerda del arco de círculo";

// Datos que faltan o no sirven para preparar el cálculo.
inline constexpr char SuperficieSinPuntos[] =
    "La superficie potencial de falla necesita al menos dos puntos. Vaya al menú coordenadas.";
inline constexpr char SuperficieSinUniones[] =
    "Ud. no ha definido el tipo de unión entre los ptos de la superficie de falla. Vaya al menú "
    "coordenadas.";
inline constexpr char TaludSinPuntos[] =
    "La superficie del talud necesita al menos dos puntos. Vaya al menú coordenadas.";
inline constexpr char SinEstratos[] =
    "No hay estratos: inserte los estratos que definen la litología del problema y dé sus "
    "coordenadas. Vaya al menú coordenadas.";
inline constexpr char FaltanPropiedadesEstratos[] =
    "Ud. no ha dado las características geomecánicas de todos los estratos. Vaya al menú "
    "coordenadas (Características de los estratos).";
inline constexpr char MaterialSinDefinir[] =
    "El tipo de material (suelos o macizos rocosos) no está definido. Vaya al Archivo y dé los "
    "Parámetros de cálculo iniciales.";
inline constexpr char NumeroDovelasNoValido[] =
    "El número de dovelas debe ser un número entero mayor que cero y menor que 32767. Vaya al "
    "Archivo y dé los Parámetros de cálculo iniciales.";
inline constexpr char DemasiadasDovelas[] =
    "La superficie de falla daría más de 32766 dovelas. Reduzca el número de dovelas.";
inline constexpr char DemasiadosPuntosCirculo[] =
    "El círculo de falla es demasiado largo para dividirlo en arcos de menos de 1 m.";
inline constexpr char DemasiadosCruces[] =
    "La superficie de falla cruza las líneas de los estratos más de 32000 veces.";
inline constexpr char SinDovelas[] =
    "La superficie de falla no da ninguna dovela: su extensión horizontal es nula.";

// Mensajes que nombran la unión, el punto, el estrato o la dovela.
std::string UnionFueraDeLaSuperficie(int union_);
std::string UnionPolinomicaCorta(int union_);
std::string UnionNoConsecutiva(int union_);
std::string TramoSinUnion(int punto);
std::string AbscisasNoDecrecientes(int punto);
std::string CirculoSinCentro();
std::string ArcoSinTramoVecino(int p1, int p2);
std::string ArcoSinCurvatura(int p1, int p2);
std::string ArcoSinConvergencia(int p1, int p2, int iteraciones);
std::string CruceNoEncontrado(int estrato, int puntoA, int puntoB);
std::string BordeFueraDeLaSuperficie(int borde);
std::string OrdenadaSuperficieNoValida(int borde);
std::string CirculoNoAlcanza(double x);
// de: "de la superficie del talud", "del nivel freático", "de la línea del estrato 2"
// (DeLaLineaDelEstrato, textos_validacion.h).
std::string CentroFueraDePoligonal(int dovela, double x, const std::string& de);
std::string BordeFueraDePoligonal(int borde, double x, const std::string& de);
std::string BaseBajoElUltimoEstrato(int dovela, int estrato);
std::string BaseSobreElTalud(int dovela);

} // namespace vertana::textos
