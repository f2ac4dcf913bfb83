// Los gráficos de esfuerzos a lo largo de la superficie de falla (Form11): las series de cada
// tipo de gráfico leídas de los resultados por dovela, y su escena.
#pragma once

#include "model/interaccion.h"
#include "model/proyecto.h"
#include "output/escena.h"
#include "output/perfiles.h"

#include <optional>
#include <string>
#include <vector>

namespace vertana {

// TipoDeGrafico: qué dibuja Form11 (los códigos del menú Gráfico).
enum class TipoDeGrafico : int {
    NormalesEfectivos = 1,        // σ'
    NormalesTotales = 2,          // σ
    PrincipalMayor = 3,           // σ1
    PrincipalMenor = 4,           // σ3
    Tangenciales = 5,             // τ movilizado
    ResistenciaVsNormal = 6,      // τ·FS contra σ'
    NormalesYTangenciales = 7,    // σ, σ' y τ
    Principales = 8,              // σ1 y σ3
    GeometriaEscalaEsfuerzos = 9, // los estratos entre los extremos de la superficie de falla
};
constexpr int PrimerTipoDeGrafico = 1;
constexpr int UltimoTipoDeGrafico = 9;

struct SerieGrafico {
    std::string nombre; // el de la leyenda; vacío en un gráfico de una sola serie
    Color color;
    std::vector<PuntoXY> puntos;
};

struct DatosGrafico {
    std::string titulo;
    std::string ejeX, ejeY;
    std::vector<SerieGrafico> series;
    Rectangulo extremos; // mínimos y máximos de lo que se dibuja
};

// Hay resultados con que dibujar: HayResultados, un factor de seguridad guardado y las tablas
// de esfuerzos de todas las dovelas. Si no, muestra "No ha hecho el cálculo completo de
// esfuerzos:" y devuelve false.
bool ComprobarResultadosGrafico(const Proyecto& p, Interaccion& ui);
// Lo mismo sin mensaje.
bool HayResultadosParaGraficos(const Proyecto& p);

// En un proyecto de suelos rehace los esfuerzos principales de cada dovela con la resistencia
// τf = τ·FS: centro c = σ' + τf·sen φ, radio r = τf / cos φ, σ1 = c + r, σ3 = c − r. Las tablas
// quedan con una entrada por dovela. En rocas no cambia nada (valen los del método).
void RecalcularPrincipalesSuelo(Proyecto& p);

// Las series del gráfico (abscisas de los centros de las dovelas o, en el 6, σ').
DatosGrafico DatosDelGrafico(const Proyecto& p, TipoDeGrafico tipo);

struct OpcionesGrafico {
    double ancho = 1000.0, alto = 650.0; // píxeles
    double tamanoLetra = 11.0;
    bool titulo = true;
    bool leyenda = true;
};

// La escena: el dibujo va del mínimo al máximo de los datos ampliado un 20 % a cada lado, los
// ejes y sus valores en rojo con un paso de al menos 1, los extremos de los datos con "#0.00".
constexpr double AmpliacionGrafico = 0.2;
Escena EscenaEsfuerzos(const Proyecto& p, TipoDeGrafico tipo, const OpcionesGrafico& o);

} // namespace vertana
