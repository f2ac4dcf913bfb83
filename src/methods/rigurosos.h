// Métodos rigurosos de equilibrio límite: Spencer (fuerzas entre dovelas de inclinación
// constante) y Morgenstern-Price (X = λ·f(x)·E, con f el medio seno o una función dada). Cumplen
// el equilibrio de fuerzas horizontal y vertical de cada dovela y el de momentos de toda la masa,
// sobre círculos y sobre superficies poligonales o compuestas. Sirven para contrastar los
// resultados de Janbu y del método variacional y para buscar la superficie crítica.
//
// La entrada es una descripción de las dovelas independiente del proyecto; la que sale de la
// tabla de dovelas del programa la arma ProblemaRigurosoDesdeDovelas (methods/dovelas_rigurosas.h).
//
// Convención (la del programa): dovelas numeradas desde la corona, abscisas decrecientes, el talud
// mira hacia las x negativas y la masa desliza hacia ellas. α es la inclinación de la base,
// positiva cuando la base sube hacia las x crecientes (dovelas de la corona). Las fuerzas
// horizontales son positivas hacia las x crecientes (hacia el interior del talud) y las
// verticales positivas hacia abajo; kh·W actúa hacia las x negativas y kv·W hacia abajo.
//
// Bordes j = 0..n: el borde 0 es el de la corona (lado derecho de la dovela 1) y el borde n el del
// pie. La dovela i (1..n) está entre los bordes i − 1 (corona) e i (pie). En el borde j la dovela
// j (lado de la corona) ejerce sobre la j + 1 la fuerza (−E_j, −X_j): E > 0 empuja hacia el pie y
// X > 0 hacia abajo; la j + 1 devuelve (+E_j, +X_j). E_0 = E_n = 0.
#pragma once

#include <vector>

namespace vertana {

// Fuerza exterior concentrada sobre una dovela (ton por metro de talud).
struct CargaRigurosa {
    double Horizontal = 0.0; // positiva hacia las x crecientes
    double Vertical = 0.0;   // positiva hacia abajo
    double X = 0.0;          // punto de aplicación (m)
    double Y = 0.0;
};

struct DovelaRigurosa {
    double Ancho = 0.0;                // b (m)
    double Alfa = 0.0;                 // inclinación de la base (radianes)
    double Peso = 0.0;                 // W (ton/m), actúa en la vertical de AbscisaBase
    double PresionPoros = 0.0;         // u en la base (ton/m2)
    double Cohesion = 0.0;             // c (ton/m2)
    double TangenteFriccion = 0.0;     // tan φ
    double AbscisaBase = 0.0;          // punto medio de la base (m); los bordes están a ±b/2
    double OrdenadaBase = 0.0;         //   y su ordenada (m)
    double OrdenadaTalud = 0.0;        // superficie del talud sobre el punto medio (m)
    double OrdenadaSismo = 0.0;        // altura a la que actúa kh·W (m)
    std::vector<CargaRigurosa> Cargas; // cargas uniformes y puntuales sobre la dovela
};

// Un borde entre dovelas: su abscisa y las ordenadas de la superficie de falla y del talud, para
// situar la línea de empuje.
struct BordeRiguroso {
    double Abscisa = 0.0;
    double OrdenadaBase = 0.0;
    double OrdenadaTalud = 0.0;
};

struct ProblemaRiguroso {
    std::vector<DovelaRigurosa> Dovelas;       // Dovelas[i − 1] es la dovela i, desde la corona
    std::vector<BordeRiguroso> Bordes;         // n + 1 bordes, Bordes[0] el de la corona
    double CoeficienteSismicoHorizontal = 0.0; // kh
    double CoeficienteSismicoVertical = 0.0;   // kv
    // Empuje horizontal del agua de la grieta de tracción (ton/m) sobre la cara de la corona de la
    // dovela 1, hacia las x negativas, a la ordenada OrdenadaEmpujeGrieta.
    double EmpujeAguaGrieta = 0.0;
    double OrdenadaEmpujeGrieta = 0.0;
};

// Función f de las fuerzas entre dovelas, por borde (0..n).
std::vector<double> FuncionConstante(const ProblemaRiguroso& problema);
// f(x) = sin(π·(x − xa)/(xb − xa)), xa y xb las abscisas de los bordes extremos.
std::vector<double> FuncionMedioSeno(const ProblemaRiguroso& problema);

// Valores de partida y cotas de la iteración.
struct OpcionesRigurosas {
    double FactorInicial = 1.5;
    double LambdaInicial = 0.0;
    double ToleranciaFactor = 1e-9;    // cambio relativo de F al resolver las fuerzas
    double ToleranciaLambda = 1e-9;    // cambio de λ entre pasadas
    int MaximoIteracionesLambda = 100; // evaluaciones de λ (secante, bisección y barrido)
    int MaximoIteracionesFactor = 100; // evaluaciones de cada búsqueda de F con un λ dado
};

enum class EstadoRiguroso {
    Convergio,
    SinConvergencia, // se alcanzó una cota sin hallar (F, λ)
    NoFinito,        // F, λ o alguna fuerza no son números finitos
    NoFisico,        // no hay F > 0 con el denominador de la fuerza normal positivo en toda dovela
    DatosInvalidos,  // dovelas o bordes que faltan, anchos no positivos, valores no finitos
};

// Sin Estado Convergio, FS y λ quedan en 0 y las tablas vacías.
struct SolucionRigurosa {
    EstadoRiguroso Estado = EstadoRiguroso::DatosInvalidos;
    double FS = 0.0;
    double Lambda = 0.0;
    // Con f = 1 (Spencer), inclinación θ = atan λ de las fuerzas entre dovelas (radianes).
    double AnguloEntreDovelas = 0.0;
    int IteracionesLambda = 0; // valores de λ evaluados
    int IteracionesFactor = 0; // pasadas de la ecuación de fuerzas, en total
    // Residuos finales, relativos: fuerza en el pie / Σ|fuerzas| y momento / (Σ|fuerzas|·L).
    double ResiduoFuerzas = 0.0;
    double ResiduoMomentos = 0.0;
    // Mínimo sobre las dovelas de mα = Φ_i/F = cos α + sin α·tan φ/F + λ·f·(sin α − cos α·tan φ/F)
    // (el denominador de la fuerza normal); por debajo de 0.2 la solución es dudosa.
    double MinimoMAlfa = 0.0;
    std::vector<double> FuncionEntreDovelas; // f por borde
    std::vector<double> E, X;                // por borde (0..n), ton/m
    // Altura de la línea de empuje sobre la superficie de falla en cada borde (m); no es un
    // número (NaN) donde E es prácticamente nula (los bordes extremos siempre).
    std::vector<double> AlturaEmpuje;
    std::vector<double> FuerzaNormal; // N total en la base de cada dovela (ton/m)
    std::vector<double> FuerzaCorte;  // S movilizada = (c·l + (N − u·l)·tan φ)/F (ton/m)
};

// Resuelve (F, λ) con la función f dada por borde (n + 1 valores). Ecuaciones (dovela i, con
// V = (1 + kv)·W + ΣPv y H = −kh·W + ΣPh − empuje de la grieta):
//   T_i = V·sin α − H·cos α,  R_i = c·l + (V·cos α + H·sin α − u·l)·tan φ,  l = b/cos α,
//   Φ_i(f) = F·cos α + sin α·tan φ + λ·f·(F·sin α − cos α·tan φ),
//   E_i·Φ_i(f_i) = E_{i−1}·Φ_i(f_{i−1}) + F·T_i − R_i,   E_0 = 0,  X_j = λ·f_j·E_j;
// fuerzas: E_n(F, λ) = 0; momentos (cada dovela respecto del punto medio de su base, sumadas):
//   Σ_i [y_i·(E_i − E_{i−1}) − (b_i/2)·(X_{i−1} + X_i) + M_i] = 0,
// M_i el momento (antihorario) de las fuerzas exteriores de la dovela respecto de su base.
// Para cada λ la ecuación de fuerzas da F por secante con intervalo, entre los F con mα > 0 en
// toda dovela, y se queda con la raíz en que E_n pasa de negativa a positiva (la física; junto al
// polo de un mα hay otra). λ se busca por secante desde el valor de Zhu et al. (2005), con
// intervalo e Illinois, y, si no aparece un cambio de signo, con un barrido de |λ| ≤ 4 desde λ
// inicial. Una raíz sólo se acepta con residuo relativo ≤ 1e-6.
// Los momentos necesitan fuerzas entre dovelas: con una sola dovela, o si E = 0 en todos los
// bordes (dovelas iguales sobre un plano), el residuo no depende de λ y sólo hay solución si las
// fuerzas exteriores no tienen momento respecto de las bases.
SolucionRigurosa ResolverConFuncion(const ProblemaRiguroso& problema, const std::vector<double>& f,
                                    const OpcionesRigurosas& opciones = {});

// Spencer: f = 1.
SolucionRigurosa ResolverSpencer(const ProblemaRiguroso& problema,
                                 const OpcionesRigurosas& opciones = {});

// Morgenstern-Price con f(x) = sin(π·(x − xa)/(xb − xa)).
SolucionRigurosa ResolverMorgensternPrice(const ProblemaRiguroso& problema,
                                          const OpcionesRigurosas& opciones = {});

// Admisibilidad estática de una solución: bordes interiores con E < 0 (tracción entre dovelas),
// bordes interiores con la línea de empuje fuera de la masa (bajo la superficie de falla o sobre
// el talud) y dovelas con fuerza normal efectiva N − u·l negativa; dónde están y cuánto.
struct AdmisibilidadRigurosa {
    int BordesEnTraccion = 0;
    int EmpujeFueraDeLaMasa = 0;
    int BasesEnTraccion = 0;
    // Abscisas extremas de los bordes de cada defecto (sin defectos, 0).
    double TraccionDesde = 0.0, TraccionHasta = 0.0;
    double EmpujeDesde = 0.0, EmpujeHasta = 0.0;
    double MayorTraccion = 0.0;   // −mín E (ton/m)
    double MayorCompresion = 0.0; // máx E (ton/m)
    bool Admisible() const
    {
        return BordesEnTraccion == 0 && EmpujeFueraDeLaMasa == 0 && BasesEnTraccion == 0;
    }
};

// Cómo de estricta es la comprobación.
struct CriterioAdmisibilidad {
    // Fracción de la escala de fuerzas (Σ|W|, al menos 1 ton/m) que se tolera como tracción y de
    // la altura del borde (al menos 1 m) que la línea de empuje puede salirse.
    double Holgura = 1e-9;
    // La línea de empuje sólo se comprueba donde E pasa de esta fracción de la escala de fuerzas
    // (y AlturaEmpuje es finita): donde E es casi nula, momento/E no dice dónde actúa.
    double FraccionEmpujeDefinido = 0.0;
};

// El criterio con que se informa de una solución: tracciones de más del 0.1 % de los pesos; línea
// de empuje fuera de la masa por más del 0.1 % de la altura del borde, donde la compresión pasa
// del 1 % de los pesos.
constexpr CriterioAdmisibilidad CriterioDelInforme{1e-3, 1e-2};

AdmisibilidadRigurosa ComprobarAdmisibilidad(const ProblemaRiguroso& problema,
                                             const SolucionRigurosa& solucion,
                                             const CriterioAdmisibilidad& criterio = {});

// Fuerzas entre dovelas por el equilibrio de cada dovela desde la corona, con las fuerzas
// exteriores del problema y las de la base que se dan (N normal, S de corte hacia la corona):
//   E_i = E_{i−1} − H_i + N_i·sin α − S_i·cos α,   X_i = X_{i−1} + V_i − N_i·cos α − S_i·sin α,
// E_0 = X_0 = 0, y la línea de empuje con el momento de cada dovela respecto de su base (como en
// ResolverConFuncion). Llena E, X, AlturaEmpuje (NaN donde |E| no pasa de `fraccionEmpujeNulo`
// por la escala de fuerzas), FuerzaNormal, FuerzaCorte y los dos residuos (lo que sobra en el pie);
// Estado queda en Convergio y FS, λ en 0. Con tamaños que no cuadran, Estado DatosInvalidos.
SolucionRigurosa FuerzasDesdeLasBases(const ProblemaRiguroso& problema,
                                      const std::vector<double>& N, const std::vector<double>& S,
                                      double fraccionEmpujeNulo);

} // namespace vertana
