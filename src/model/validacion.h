// Validación de los datos de un proyecto: una sola, que usan los diálogos al aceptar, todo
// cálculo antes de empezar (Calcular) y la línea de órdenes (vertana-cli resumen). Cada regla da
// el mismo mensaje en español en los tres lugares: el del diálogo donde se corrige el valor,
// nombrando el campo y, si es de un estrato, el estrato. Las condiciones geométricas (uniones,
// poligonales, dovelas) las comprueba la preparación del cálculo con sus propios mensajes.
//
// Reglas:
// - estratos de suelo: c ≥ 0, 0 ≤ φ < 90°, γh > 0, γsat > 0 y γsat ≥ γh, tipo "A" o "B", un
//   estrato natural sin tiempo de construcción, B finito, Cv ≥ 0, t ≥ 0; al menos un estrato con
//   c > 0 o φ > 0;
// - estratos de roca: mi ≥ 0, 0 ≤ GSI ≤ 100, m ≥ 0, 0 ≤ s ≤ 1, σci > 0, γh > 0, γsat > 0 y,
//   si las tienen, c ≥ 0 y 0 ≤ φ < 90°;
// - coeficientes sísmicos: |kh| < 1, kv > −1;
// - valores de partida del método: FSInicial finito y > 0 (variacional, Bishop y Janbu), µ1, µ2
//   y σo finitos (variacional);
// - número de dovelas: entero, mayor que 2 y como máximo MaximoNumeroDovelas;
// - coordenadas finitas (talud, superficie de falla, nivel freático, estratos, grieta, cargas,
//   radio y centro guardado), sin un punto repetido seguido en el talud ni en la superficie de
//   falla.
// Todo valor no finito (NaN, Inf) falla la regla de su campo.
#pragma once

#include "model/proyecto.h"

#include <optional>
#include <string>
#include <vector>

namespace vertana {

// Mayor número de dovelas que se puede pedir. Todos los métodos cuestan tiempo y memoria
// proporcionales al número de dovelas (el variacional resuelve cada paso de Newton en banda):
// con 5000 el más costoso, el variacional con valores de partida automáticos, tarda del orden de
// 10 ms; bench_metodos lo mide hasta 3000. Las zonas pueden agregar algunas dovelas más.
constexpr int MaximoNumeroDovelas = 5000;

// Un problema de los datos: el texto (el mismo del diálogo) y un título que nombra dónde se
// corrige (vacío en los mensajes de los diálogos, que no llevan título).
struct ProblemaDeDatos {
    std::string Texto;
    std::string Titulo;

    bool operator==(const ProblemaDeDatos&) const = default;
};

// Todos los problemas de los datos del proyecto, en el orden de los diálogos: parámetros de
// cálculo, estratos, coordenadas, cargas. `metodo` decide qué valores de partida se usan; con
// `partidaAutomatica` el método variacional no usa los escritos (FS, σo, multiplicadores).
std::vector<ProblemaDeDatos> ProblemasDeDatos(const Proyecto& p, Metodo metodo,
                                              bool partidaAutomatica = false);
// El primero, o nada si los datos sirven.
std::optional<ProblemaDeDatos> PrimerProblemaDeDatos(const Proyecto& p, Metodo metodo,
                                                     bool partidaAutomatica = false);

// Reglas de un valor, que los diálogos aplican a lo que la persona escribe. Devuelven el mensaje
// del primer fallo o nada.

// Un estrato de suelo: c, φ, γh, γsat, tipo (1 "A", 2 "B"), B, Cv, t. Los mensajes de Form5 que
// no nombran el estrato (tipo, natural con tiempo, γsat < γh, B) se dan tal cual con
// `nombrarEstrato` falso y con "Estrato i: " delante con verdadero.
struct ValoresEstratoSuelo {
    double Cohesion = 0.0;
    double Friccion = 0.0;
    double PesoHumedo = 0.0;
    double PesoSaturado = 0.0;
    int Tipo = 0;
    double ParametroPresion = 0.0;
    double Consolidacion = 0.0;
    double Tiempo = 0.0;
};
std::optional<std::string> ProblemaEstratoSuelo(const ValoresEstratoSuelo& v, int estrato,
                                                bool nombrarEstrato);
// Sólo los rangos: c, φ, γh, γsat, Cv y t (Form5 los comprueba tras sus pruebas de número y de
// tipo y antes de comparar los pesos unitarios).
std::optional<std::string> ProblemaRangosEstratoSuelo(const ValoresEstratoSuelo& v, int estrato);

// Coeficientes sísmicos: finitos, |kh| < 1, kv > −1 (mensajes de Form2).
std::optional<std::string> ProblemaSismo(double kh, double kv);
// Número de dovelas: finito, entero, > 2 y ≤ MaximoNumeroDovelas (mensajes de Form2).
std::optional<std::string> ProblemaNumeroDovelas(double n);

} // namespace vertana
