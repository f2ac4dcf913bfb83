// Método variacional de equilibrio límite para macizos rocosos: el de Leshchinsky y Ching-Chuan
// Huang con el criterio generalizado de Hoek-Brown. La incógnita de cada dovela es σ3 en su
// base (methods/variacional_roca_sistema.h); el resto (historia, form9, Form13, tolerancias,
// límite de 100 iteraciones) es como en el método para suelos.
#pragma once

#include "geometry/estado_calculo.h"
#include "methods/datos_metodo.h"
#include "methods/variacional_roca_sistema.h"
#include "model/interaccion.h"
#include "model/proyecto.h"

#include <vector>

namespace vertana {

// σ3 inicial (total) de cada dovela. Con σn0′ = cos²α·W − u (W el peso de la columna por metro
// cuadrado de base horizontal), σ3′ es el de Sigma3InicialHoekBrown; si su marcha no da valor,
// σ3′ = σn0′. Luego los σ3 que la persona escribió en Form13 (por dovela) y el ajuste de
// tracción sin mensaje (AjustarSigma3InicialATraccion).
std::vector<double> Sigma3Iniciales(const DatosVariacionalRoca& datos,
                                    const Tabla<double>* sigmasUsuario);

// Valores de partida automáticos: desde los σ3 iniciales, Newton-Raphson como en el cálculo con
// form9, probando en orden una lista fija de (xc, yc, F): F el que mejor anula las sumas de
// equilibrio con esos σ3 y unos valores fijos, xc y yc repartidos alrededor de la superficie de
// falla (también con yc bajo ella: µ2 = 1/yc < 0). Un intento se abandona si una dovela cruza su
// límite de tracción o los residuos crecen sin medida; vale el primero que resuelve las sumas y
// las ecuaciones de las dovelas (0.001) con F finito y positivo. Devuelve sus iteraciones (la
// primera es su partida), a lo sumo `maximoIteraciones`; vacío si ninguno converge.
std::vector<std::vector<double>> PartidaAutomaticaRoca(const DatosVariacionalRoca& datos,
                                                       int maximoIteraciones);

// Orden ProcesoIterativoEnRocas ("&Dov Leshchinsky - Ching and Hoek - Brow (m,s)"). Comprueba
// el material, el método y que el proyecto no sea de parámetros instantáneos; prepara las
// dovelas; parte de MultiplicadorLagrange1 (xc), MultiplicadorLagrange2 (yc), FSInicial y los
// σ3 iniciales, o de los valores automáticos con EstadoCalculo::PartidaAutomatica, y sigue por
// Newton-Raphson con form9 tras cada paso. Un paso que deja una dovela con σ3′ + s·σci/m < 0 se
// detiene con Form13 (σ3 por dovela). Escribe la historia, EsfuerzoPrincipalMenorDovela = σ3′,
// EsfuerzoPrincipalMayorDovela = σ1′, EsfuerzoEfectivoDovela = σn′, EsfuerzoNormalDovela =
// σn′ + u, EsfuerzoTangencialDovela = τf/F, sus cinco sumas y HayResultados. Sin convergencia,
// o con un factor que no es finito y positivo, no hay resultados.
ResultadoMetodo ProcesoIterativoEnRocas(Proyecto& p, EstadoCalculo& e, Interaccion& ui);

} // namespace vertana
