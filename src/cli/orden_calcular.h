// Orden "calcular" de vertana-cli: corre Fellenius, Bishop, Janbu o el método variacional sobre
// un proyecto con respuestas fijas a las preguntas y muestra el factor de seguridad y la tabla de
// dovelas; con --instantaneos, además el cálculo con parámetros instantáneos.
#pragma once

#include "calculo/calculo.h"
#include "calculo/calculo_riguroso.h"
#include "cli/interaccion_lote.h"
#include "model/proyecto.h"

#include <nlohmann/json.hpp>
#include <optional>
#include <ostream>
#include <string>
#include <utility>

namespace vertana {

// El cálculo terminó sin resultados (una negativa, un chequeo contestado No, una cota).
constexpr int SalidaSinResultados = 3;

struct OpcionesCalcular {
    std::string archivo;
    std::optional<Metodo> metodo; // MetodoDeCalculo pedido; sin él, el del proyecto
    bool comoJson = false;
    std::string guardarEn; // vacío: no se guarda
    bool desembalse = false;
    // Tras el cálculo, otro con los parámetros instantáneos (DefinicionParametrosInstantaneos
    // del proyecto).
    bool instantaneos = false;
    // Forma de obtenerlos (1 puntual, 2 entre puntos, 3 por pantalla); sin ella, la del
    // proyecto, que el archivo sólo guarda cuando ya se calculó con ellos.
    std::optional<DefinicionInstantaneos> definicion;
    // Contraste con Spencer o Morgenstern-Price en vez de un método del proyecto.
    std::optional<MetodoRiguroso> riguroso;
    // Método variacional: valores de partida automáticos (EstadoCalculo::PartidaAutomatica).
    bool partidaAutomatica = false;
    // Centro de momentos de una superficie compuesta (Bishop), que el archivo no guarda.
    std::optional<std::pair<double, double>> centro;
};

// "X,Y" con dos números; nada si el texto no lo es.
std::optional<std::pair<double, double>> CentroDeTexto(const std::string& texto);

// Pone el centro de momentos de una superficie compuesta, dado en coordenadas absolutas, en las
// copias guardadas y en el centro de trabajo (éste, tal cual). Las copias guardadas de una
// superficie compuesta se leen relativas a la esquina de la sección (calculo/marco_relativo.h): se
// guarda el centro menos ReferenciaDeLaSeccion. Falso, sin cambiar nada, si la superficie es un
// círculo único: su centro sale del radio y de los dos puntos.
bool AplicarCentro(Proyecto& p, std::pair<double, double> centro);

// MetodoDeCalculo de "fellenius", "bishop", "janbu" o "variacional"; nada si el nombre no es
// uno de ellos.
std::optional<Metodo> CodigoDeMetodo(const std::string& nombre);

// Respuestas por lotes: desembalse rápido según la opción; repetir la preparación, recalcular,
// continuar tras los chequeos de dovela de Bishop, ht fijados por el programa y presiones de
// poros estimadas del nivel freático: Sí. Cualquier otra pregunta: No.
// Opciones de un cálculo por lotes con el método dado: en un macizo rocoso, Janbu y el
// variacional son los del menú "Calcular ▸ Rocas".
OpcionesCalculo OpcionesPorLotes(const Proyecto& p, Metodo metodo);

void PrepararRespuestasPorLotes(InteraccionLote& ui, bool desembalse);

// Respuestas por lotes de la orden de parámetros instantáneos: recalcular con los nuevos
// esfuerzos y continuar por el método: Sí; usar los parámetros ya guardados: sólo con los
// parámetros por pantalla (entre puntos y puntuales se recalculan desde los últimos esfuerzos).
void PrepararRespuestasInstantaneas(InteraccionLote& ui, const Proyecto& p);

// El resultado de un cálculo con la tabla de dovelas del proyecto y lo que pasó por la
// interacción; sin factor de seguridad, sólo el método, "factor_seguridad": null y los mensajes.
nlohmann::ordered_json CalculoJson(const Proyecto& p, const ResultadoCalculo& r,
                                   const InteraccionLote& ui);
std::string CalculoTexto(const Proyecto& p, const ResultadoCalculo& r);

int OrdenCalcular(const OpcionesCalcular& opciones, std::ostream& salida, std::ostream& errores);

} // namespace vertana
