#include "geometry/superficie_falla.h"

#include "geometry/centro_circulo.h"
#include "geometry/poligonal.h"
#include "model/textos.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

namespace vertana {

namespace {

constexpr int MaximoEntero16 = std::numeric_limits<Entero16>::max();
// Cruces como máximo: deja sitio en la lista de zonas para los dos extremos.
constexpr int MaximoCruces = 32000;
constexpr double ToleranciaPendientes = 0.001;    // |m1 − m2| por debajo: tramos paralelos
constexpr double ToleranciaCrucesIguales = 0.001; // m entre dos cruces que cuentan como uno
constexpr double ToleranciaNewton = 0.0001;       // m de paso del centro para darlo por hallado
constexpr int MaximoIteracionesNewton = 50;
// Marcha sobre un polinomio: paso inicial, paso de vuelta, |P − L| para detenerse.
constexpr double PasoMarchaPolinomio = 1.0;
constexpr double PasoVueltaPolinomio = 0.01;
constexpr double ToleranciaPolinomio = 0.001;
constexpr double ToleranciaSecante = 0.001; // m entre dos estimaciones de la secante
constexpr int MaximoPasosSecante = 50;
// Marcha sobre un arco: pasos de 1, 0.1, 0.01 y 0.001 m; se detiene con |C − L| ≤ 0.005 m.
constexpr double PasosMarchaArco[] = {1.0, 0.1, 0.01, 0.001};
constexpr int RefinamientosArco = 3;
constexpr double ToleranciaArco = 0.005;
// Ningún cruce de un tramo se busca más allá de un paso grueso fuera del tramo.
constexpr double HolguraMarcha = 1.0; // m
constexpr int MaximoPasosMarcha = 1000000;

double Xs(const EstadoCalculo& e, int k)
{
    return e.AbscisasSPF(k);
}
double Ys(const EstadoCalculo& e, int k)
{
    return e.OrdenadasSPF(k);
}

double PendienteTramo(const EstadoCalculo& e, int a, int b)
{
    return PendienteEntre(Xs(e, a), Ys(e, a), Xs(e, b), Ys(e, b));
}

// Unión en vigor del tramo de trabajo a → a + 1: la primera con inicio ≤ a < fin.
int UnionDelTramo(const EstadoCalculo& e, int a)
{
    for (int d = 1; d <= e.NumeroTramosSPF; ++d)
        if (e.InicioTramoSPF(d) <= a && a < e.FinTramoSPF(d)) return d;
    return 0;
}

int Redondear(double v)
{
    return static_cast<int>(std::lround(v));
}

// Comprueba las uniones del proyecto y los puntos de la superficie.
ResultadoPreparacion ValidarSuperficie(const Proyecto& p)
{
    const int n = p.NumeroCoordenadasFalla();
    if (n < 2 || p.AbscisasFalla.Tamano() < n || p.OrdenadasFalla.Tamano() < n)
        return ResultadoPreparacion::Fallo(textos::SuperficieSinPuntos);
    const int nd = p.NumeroTiposDeFalla;
    if (nd < 1 || p.PuntoInicialTipoFalla.Tamano() < nd || p.PuntoFinalTipoFalla.Tamano() < nd ||
        p.TipoDeFalla.Tamano() < nd)
        return ResultadoPreparacion::Fallo(textos::SuperficieSinUniones);
    std::vector<bool> cubierto(static_cast<std::size_t>(n), false);
    for (int d = 1; d <= nd; ++d) {
        const double pi = p.PuntoInicialTipoFalla(d), pf = p.PuntoFinalTipoFalla(d);
        if (!std::isfinite(pi) || !std::isfinite(pf) || pi < 1 || pf > n || pf <= pi ||
            Redondear(pf) <= Redondear(pi))
            return ResultadoPreparacion::Fallo(textos::UnionFueraDeLaSuperficie(d));
        const int ini = Redondear(pi), fin = Redondear(pf);
        const TipoUnion tipo = p.TipoDeFalla(d);
        if (tipo == TipoUnion::Polinomica && fin - ini < 2)
            return ResultadoPreparacion::Fallo(textos::UnionPolinomicaCorta(d));
        if (tipo != TipoUnion::Polinomica && fin - ini != 1)
            return ResultadoPreparacion::Fallo(textos::UnionNoConsecutiva(d));
        for (int a = ini; a < fin; ++a)
            cubierto[static_cast<std::size_t>(a)] = true;
    }
    for (int a = 1; a < n; ++a)
        if (!cubierto[static_cast<std::size_t>(a)])
            return ResultadoPreparacion::Fallo(textos::TramoSinUnion(a));
    // Abscisas no crecientes de la corona al pie; estrictamente decrecientes dentro de un arco
    // o de un polinomio (un tramo recto vertical se admite).
    for (int a = 1; a < n; ++a) {
        const double xa = p.AbscisasFalla(a), xb = p.AbscisasFalla(a + 1);
        if (!std::isfinite(xa) || !std::isfinite(xb) || !std::isfinite(p.OrdenadasFalla(a)) ||
            xb > xa)
            return ResultadoPreparacion::Fallo(textos::AbscisasNoDecrecientes(a + 1));
        if (xb == xa) {
            for (int d = 1; d <= nd; ++d)
                if (Redondear(p.PuntoInicialTipoFalla(d)) <= a &&
                    a < Redondear(p.PuntoFinalTipoFalla(d)) && p.TipoDeFalla(d) != TipoUnion::Recta)
                    return ResultadoPreparacion::Fallo(textos::AbscisasNoDecrecientes(a + 1));
        }
    }
    return ResultadoPreparacion::Bien();
}

// Agrega un cruce con su estrato y sus pendientes; las tablas crecen si hace falta.
bool AgregarCruce(EstadoCalculo& e, int estrato, double m1, double m2)
{
    if (e.NumeroIntersecciones >= MaximoCruces) return false;
    const int c = e.NumeroIntersecciones + 1;
    if (c > e.AbscisaInterseccion.Tamano()) {
        const int nuevo = std::min(MaximoCruces, std::max(2 * c, 4));
        e.AbscisaInterseccion.RedimensionarConservando(nuevo);
        e.EstratoInterseccion.RedimensionarConservando(nuevo);
        e.PendienteFallaInterseccion.RedimensionarConservando(nuevo);
        e.PendienteEstratoInterseccion.RedimensionarConservando(nuevo);
    }
    e.NumeroIntersecciones = static_cast<Entero16>(c);
    e.EstratoInterseccion(c) = static_cast<Entero16>(estrato);
    e.PendienteFallaInterseccion(c) = m1;
    e.PendienteEstratoInterseccion(c) = m2;
    return true;
}

// ¿Cruza el tramo a → b (pendiente m1) el tramo de estrato (xj, yj) → (xj1, yj1) (pendiente m2)?
bool HayCruce(double m1, double m2, double Xa, double Ya, double Xb, double Yb, double xj,
              double yj, double xj1, double yj1)
{
    const double A = m1 == 0.0 ? Xa : Xa + (yj - Ya) / m1;
    const double B = m1 == 0.0 ? Xb : Xb + (yj1 - Yb) / m1;
    const double Ua = yj + m2 * (Xa - xj);
    const double Ub = yj1 + m2 * (Xb - xj1);
    if (m1 < 0.0) {
        if (m2 <= 0.0) return A >= xj && B <= xj1 && Ua <= Ya && Ub >= Yb;
        return A <= xj && B >= xj1 && Ua >= Ya && Ub <= Yb;
    }
    if (m1 == 0.0) {
        if (m2 < 0.0) return yj <= Ya && yj1 >= Ya && xj >= Xb && xj1 <= Xa;
        if (m2 > 0.0) return yj >= Ya && yj1 <= Ya && xj >= Xb && xj1 <= Xa;
        return false;
    }
    return A <= xj && B >= xj1 && Ua <= Ya && Ub >= Yb;
}

bool CambiaDeSigno(double anterior, double actual)
{
    return (anterior >= 0.0 && actual < 0.0) || (anterior < 0.0 && actual >= 0.0);
}

// Cruce del polinomio P de la unión d con la línea L entre Xb y Xa: marcha de 1 m desde Xb, y
// secante sobre el último par de abscisas.
bool CrucePolinomio(const EstadoCalculo& e, int d, double Xa, double Xb, double xj, double yj,
                    double m2, double& x)
{
    const int ini = e.InicioTramoSPF(d), fin = e.FinTramoSPF(d);
    auto f = [&](double v) { return PolinomioSPF(e, ini, fin, v) - ((v - xj) * m2 + yj); };
    double actual = Xb;
    double fActual = f(actual);
    if (std::fabs(fActual) <= ToleranciaPolinomio) {
        x = actual;
        return true;
    }
    double previo = actual, fPrevio = fActual;
    bool deVuelta = false;
    bool detenido = false;
    for (int paso = 1; paso <= MaximoPasosMarcha && !detenido; ++paso) {
        previo = actual;
        fPrevio = fActual;
        if (!deVuelta) {
            actual = std::min(actual + PasoMarchaPolinomio, Xa);
        } else {
            actual -= PasoVueltaPolinomio;
            if (actual < Xb - PasoVueltaPolinomio) return false;
        }
        fActual = f(actual);
        if (std::fabs(fActual) <= ToleranciaPolinomio || CambiaDeSigno(fPrevio, fActual)) {
            detenido = true;
        } else if (!deVuelta && actual == Xa) {
            deVuelta = true; // la marcha vuelve desde Xa con pasos de 0.01 m
        }
    }
    if (!detenido) return false;
    double xA = previo, fA = fPrevio, xB = actual, fB = fActual;
    if (fActual < fPrevio) {
        xA = actual;
        fA = fActual;
        xB = previo;
        fB = fPrevio;
    }
    for (int paso = 1; paso <= MaximoPasosSecante; ++paso) {
        if (fB == fA) break;
        const double nuevo = xB - (xB - xA) * fB / (fB - fA);
        if (!std::isfinite(nuevo)) return false;
        if (std::fabs(nuevo - xB) < ToleranciaSecante) {
            x = xB;
            return x >= Xb - HolguraMarcha && x <= Xa + HolguraMarcha;
        }
        xA = xB;
        fA = fB;
        xB = nuevo;
        fB = f(nuevo);
    }
    return false;
}

// Cruce del arco C(x) con la línea L: marcha desde Xb hacia mayores abscisas con pasos de 1 m
// que se refinan a 0.1, 0.01 y 0.001 m al cambiar de signo L − C.
bool CruceArco(double xo, double yo, double R, bool ramaSuperior, double Xa, double Xb, double xj,
               double yj, double m2, double& x)
{
    auto C = [&](double v) {
        const double raiz = std::sqrt(R * R - (v - xo) * (v - xo));
        return ramaSuperior ? yo + raiz : yo - raiz;
    };
    auto g = [&](double v) { return ((v - xj) * m2 + yj) - C(v); }; // L − C
    double actual = Xb;
    double gActual = g(actual);
    if (std::fabs(gActual) <= ToleranciaArco) {
        x = actual;
        return true;
    }
    int r = 0;
    for (int paso = 1; paso <= MaximoPasosMarcha; ++paso) {
        const double desde = actual, gDesde = gActual;
        const double h = PasosMarchaArco[std::min(r, RefinamientosArco)];
        const double nuevo = desde + h;
        if (nuevo > Xa + HolguraMarcha) return false;
        const double gNuevo = g(nuevo);
        if (std::fabs(gNuevo) <= ToleranciaArco) {
            x = nuevo;
            return true;
        }
        const bool cambio = !std::isfinite(gNuevo) || CambiaDeSigno(gDesde, gNuevo);
        if (cambio) {
            if (r >= RefinamientosArco) {
                // Ya con el paso más fino: el cruce está en este milímetro.
                if (!std::isfinite(gNuevo)) return false;
                x = desde + h * gDesde / (gDesde - gNuevo);
                return true;
            }
            ++r; // vuelve a la abscisa de partida con un paso más fino
        } else if (r >= 1) {
            ++r;
            if (r > RefinamientosArco) {
                actual = nuevo;
                gActual = gNuevo;
            }
        } else {
            actual = nuevo;
            gActual = gNuevo;
        }
    }
    return false;
}

} // namespace

double PolinomioSPF(const EstadoCalculo& e, int inicio, int fin, double x)
{
    double suma = 0.0;
    for (int k = inicio; k <= fin; ++k) {
        double termino = Ys(e, k);
        for (int m = inicio; m <= fin; ++m)
            if (m != k) termino *= (x - Xs(e, m)) / (Xs(e, k) - Xs(e, m));
        suma += termino;
    }
    return suma;
}

double PendienteUnion(const EstadoCalculo& e, int d)
{
    return PendienteTramo(e, e.InicioTramoSPF(d), e.FinTramoSPF(d));
}

ResultadoPreparacion CentroCirculoSimple(Proyecto& p, EstadoCalculo& e, Interaccion& ui)
{
    const double X1 = p.AbscisasFalla(1), Y1 = p.OrdenadasFalla(1);
    const double X2 = p.AbscisasFalla(2), Y2 = p.OrdenadasFalla(2);
    const double c = CuerdaEntre(X1, Y1, X2, Y2);
    p.CuerdaCirculo = c;
    if (c / 2.0 > p.RadioCirculoFalla) {
        ui.ParametrosDeCalculo(p);
        e.RadioDeTrabajo = p.RadioCirculoFalla;
        if (!(c / 2.0 <= p.RadioCirculoFalla))
            return ResultadoPreparacion::Fallo(textos::RadioMenorQueMediaCuerdaEnCalculo);
    }
    if (p.CentroCirculoYGuardado > 0.0) {
        p.CentroCirculoX = p.CentroCirculoXGuardado;
        p.CentroCirculoY = p.CentroCirculoYGuardado;
        return ResultadoPreparacion::Bien();
    }
    if (p.CentroCirculoYGuardado < 0.0) return ResultadoPreparacion::Bien();
    const CentroCirculo centro = ConstruirCentroCirculo(X1, Y1, X2, Y2, p.RadioCirculoFalla);
    if (!centro.valido) return ResultadoPreparacion::Fallo(textos::CirculoSinCentro());
    p.CentroCirculoX = centro.xo;
    p.CentroCirculoY = centro.yo;
    p.RadioCirculoFalla = centro.radio;
    e.RadioDeTrabajo = centro.radio;
    return ResultadoPreparacion::Bien();
}

ResultadoPreparacion CentroArcoTangente(Proyecto& p, EstadoCalculo& e, Interaccion& ui, int p1,
                                        int p2)
{
    const int n = e.NumeroPuntosSPF;
    double mVecino = 0.0;
    if (p2 < n)
        mVecino = PendienteTramo(e, p2, p2 + 1);
    else if (p1 > 1)
        mVecino = PendienteTramo(e, p1 - 1, p1);
    else
        return ResultadoPreparacion::Fallo(textos::ArcoSinTramoVecino(p1, p2));
    const double mCuerda = PendienteTramo(e, p1, p2);
    const double delta = std::fabs(std::atan(mCuerda) - std::atan(mVecino));
    const double X1 = Xs(e, p1), Y1 = Ys(e, p1), X2 = Xs(e, p2), Y2 = Ys(e, p2);
    const double c = CuerdaEntre(X1, Y1, X2, Y2);
    const double R = c / (2.0 * std::sin(delta));
    if (!std::isfinite(R) || R <= 0.0)
        return ResultadoPreparacion::Fallo(textos::ArcoSinCurvatura(p1, p2));
    e.RadioDeTrabajo = R;

    double xo = (X1 + X2) / 2.0;
    double yo = 1.5 * std::fabs(std::max(Y1, Y2));
    for (int iteracion = 1; iteracion <= MaximoIteracionesNewton; ++iteracion) {
        const double F[2] = {(X1 - xo) * (X1 - xo) + (Y1 - yo) * (Y1 - yo) - R * R,
                             (X2 - xo) * (X2 - xo) + (Y2 - yo) * (Y2 - yo) - R * R};
        // [J | I], invertida por Gauss-Jordan sin intercambio de filas.
        double M[2][4] = {{-2.0 * (X1 - xo), -2.0 * (Y1 - yo), 1.0, 0.0},
                          {-2.0 * (X2 - xo), -2.0 * (Y2 - yo), 0.0, 1.0}};
        double determinante = 1.0;
        for (int fila = 0; fila < 2; ++fila) {
            const double pivote = M[fila][fila];
            determinante *= pivote;
            if (determinante == 0.0) {
                ui.Mensaje(textos::DeterminanteCero);
                return ResultadoPreparacion::Bien();
            }
            for (double& v : M[fila])
                v /= pivote;
            const int otra = 1 - fila;
            const double factor = M[otra][fila];
            for (int col = 0; col < 4; ++col)
                M[otra][col] -= factor * M[fila][col];
        }
        const double dx = -(M[0][2] * F[0] + M[0][3] * F[1]);
        const double dy = -(M[1][2] * F[0] + M[1][3] * F[1]);
        xo += dx;
        yo += dy;
        if (!std::isfinite(xo) || !std::isfinite(yo)) break;
        if (std::fabs(dx) < ToleranciaNewton && std::fabs(dy) < ToleranciaNewton) {
            p.CentroCirculoX = xo;
            p.CentroCirculoY = yo;
            return ResultadoPreparacion::Bien();
        }
    }
    return ResultadoPreparacion::Fallo(
        textos::ArcoSinConvergencia(p1, p2, MaximoIteracionesNewton));
}

ResultadoPreparacion InterseccionSPFEstrato(Proyecto& p, EstadoCalculo& e, Interaccion& ui,
                                            double& m2, double& m1, int a, int b, int j, int i,
                                            int d)
{
    const double Xa = Xs(e, a), Ya = Ys(e, a), Xb = Xs(e, b);
    const double xj = p.AbscisasEstratos(i, j), yj = p.OrdenadasEstratos(i, j);
    const int c = e.NumeroIntersecciones;
    const TipoUnion tipo = e.TipoDeTramoSPF(d);
    double x = 0.0;
    if (tipo == TipoUnion::Recta) {
        if (m1 == m2) return ResultadoPreparacion::Fallo(textos::PendienteFallaIgualEstrato);
        x = (m1 * Xa - m2 * xj + yj - Ya) / (m1 - m2);
    } else if (tipo == TipoUnion::Polinomica) {
        if (!CrucePolinomio(e, d, Xa, Xb, xj, yj, m2, x))
            return ResultadoPreparacion::Fallo(textos::CruceNoEncontrado(i, a, b));
    } else {
        bool ramaSuperior = false;
        if (!e.CirculoUnico) {
            const ResultadoPreparacion centro = CentroArcoTangente(p, e, ui, a, b);
            if (!centro) return centro;
            m1 = b < e.NumeroPuntosSPF ? PendienteTramo(e, b, b + 1) : PendienteTramo(e, a - 1, a);
        } else {
            ramaSuperior = p.CentroCirculoY < p.OrdenadasFalla(1);
        }
        if (std::fabs(m1 - m2) <= ToleranciaPendientes) {
            x = b < e.NumeroPuntosSPF ? Xb : Xa;
        } else if (!CruceArco(p.CentroCirculoX, p.CentroCirculoY, e.RadioDeTrabajo, ramaSuperior,
                              Xa, Xb, xj, yj, m2, x)) {
            return ResultadoPreparacion::Fallo(textos::CruceNoEncontrado(i, a, b));
        }
    }
    if (!std::isfinite(x)) return ResultadoPreparacion::Fallo(textos::CruceNoEncontrado(i, a, b));
    e.AbscisaInterseccion(c) = x;
    return ResultadoPreparacion::Bien();
}

ResultadoPreparacion OrdenadaEnUnion(Proyecto& p, EstadoCalculo& e, Interaccion& ui, double s,
                                     int d, double x, double& y)
{
    const int ini = e.InicioTramoSPF(d), fin = e.FinTramoSPF(d);
    const TipoUnion tipo = e.TipoDeTramoSPF(d);
    if (tipo == TipoUnion::Recta) {
        y = (x - Xs(e, ini)) * s + Ys(e, ini);
    } else if (tipo == TipoUnion::Polinomica) {
        y = PolinomioSPF(e, ini, fin, x);
    } else {
        if (!e.CirculoUnico) {
            const ResultadoPreparacion centro = CentroArcoTangente(p, e, ui, ini, fin);
            if (!centro) return centro;
        }
        const double R = e.RadioDeTrabajo;
        y = p.CentroCirculoY - std::sqrt(R * R - (x - p.CentroCirculoX) * (x - p.CentroCirculoX));
    }
    return ResultadoPreparacion::Bien();
}

ResultadoPreparacion OrdenadaSPF(Proyecto& p, EstadoCalculo& e, Interaccion& ui, double s, int d,
                                 int k, int modo)
{
    const double x = modo == ModoBorde ? e.Dovelas.AbscisaBordeDovela(k) : p.AbscisaCentroDovela(k);
    double y = 0.0;
    const ResultadoPreparacion r = OrdenadaEnUnion(p, e, ui, s, d, x, y);
    if (!r) return r;
    Tabla<double>& destino =
        modo == ModoBorde ? e.Dovelas.OrdenadaBordeDovela : p.OrdenadaCentroDovela;
    if (destino.Tamano() < k) destino.RedimensionarConservando(k);
    destino(k) = y;
    return ResultadoPreparacion::Bien();
}

ResultadoPreparacion ConstruirSPF(Proyecto& p, EstadoCalculo& e, Interaccion& ui)
{
    e.SuperficieConstruida = false;
    ResultadoPreparacion r = ValidarSuperficie(p);
    if (!r) return r;
    e.CirculoUnico = EsCirculoUnico(p);

    if (!e.CirculoUnico) {
        const int n = p.NumeroCoordenadasFalla();
        e.NumeroPuntosSPF = static_cast<Entero16>(n);
        e.AbscisasSPF.Redimensionar(n);
        e.OrdenadasSPF.Redimensionar(n);
        for (int k = 1; k <= n; ++k) {
            e.AbscisasSPF(k) = p.AbscisasFalla(k);
            e.OrdenadasSPF(k) = p.OrdenadasFalla(k);
        }
        const int nd = p.NumeroTiposDeFalla;
        e.NumeroTramosSPF = static_cast<Entero16>(nd);
        e.InicioTramoSPF.Redimensionar(nd);
        e.FinTramoSPF.Redimensionar(nd);
        e.TipoDeTramoSPF.Redimensionar(nd);
        for (int d = 1; d <= nd; ++d) {
            e.InicioTramoSPF(d) = static_cast<Entero16>(Redondear(p.PuntoInicialTipoFalla(d)));
            e.FinTramoSPF(d) = static_cast<Entero16>(Redondear(p.PuntoFinalTipoFalla(d)));
            e.TipoDeTramoSPF(d) = p.TipoDeFalla(d);
        }
    } else {
        e.RadioDeTrabajo = p.RadioCirculoFalla;
        if (!e.CentroFijo) {
            r = CentroCirculoSimple(p, e, ui);
            if (!r) return r;
        }
        const double X1 = p.AbscisasFalla(1), X2 = p.AbscisasFalla(2);
        const double delta = X1 - X2;
        if (!(delta > 0.0)) return ResultadoPreparacion::Fallo(textos::AbscisasNoDecrecientes(2));
        // El menor k ≥ 1 con Δ/k < 1 m.
        const double arcos = std::floor(delta / LongitudMaximaArco) + 1.0;
        if (arcos >= MaximoEntero16)
            return ResultadoPreparacion::Fallo(textos::DemasiadosPuntosCirculo);
        const int k = static_cast<int>(arcos);
        const double paso = delta / k;
        const double xo = p.CentroCirculoX, yo = p.CentroCirculoY, R = e.RadioDeTrabajo;
        e.NumeroPuntosSPF = static_cast<Entero16>(k + 1);
        e.AbscisasSPF.Redimensionar(k + 1);
        e.OrdenadasSPF.Redimensionar(k + 1);
        e.AbscisasSPF(1) = X1;
        e.OrdenadasSPF(1) = p.OrdenadasFalla(1);
        for (int i = 2; i <= k + 1; ++i) {
            e.AbscisasSPF(i) = e.AbscisasSPF(i - 1) - paso;
            e.OrdenadasSPF(i) =
                yo - std::sqrt(R * R - (e.AbscisasSPF(i) - xo) * (e.AbscisasSPF(i) - xo));
            if (!std::isfinite(e.OrdenadasSPF(i)))
                return ResultadoPreparacion::Fallo(
                    textos::CirculoNoAlcanza(e.AbscisasSPF(i) + e.OrigenX));
        }
        e.NumeroTramosSPF = static_cast<Entero16>(k);
        e.InicioTramoSPF.Redimensionar(k);
        e.FinTramoSPF.Redimensionar(k);
        e.TipoDeTramoSPF.Redimensionar(k);
        for (int i = 1; i <= k; ++i) {
            e.InicioTramoSPF(i) = static_cast<Entero16>(i);
            e.FinTramoSPF(i) = static_cast<Entero16>(i + 1);
            e.TipoDeTramoSPF(i) = TipoUnion::Circular;
        }
    }

    // Tipo de cada tramo de trabajo.
    const int n = e.NumeroPuntosSPF;
    e.TipoTramoSPF.Redimensionar(n);
    for (int a = 1; a < n; ++a) {
        const int d = UnionDelTramo(e, a);
        if (d == 0) return ResultadoPreparacion::Fallo(textos::TramoSinUnion(a));
        e.TipoTramoSPF(a) = e.TipoDeTramoSPF(d);
    }

    // Cruces con las líneas de los estratos.
    e.NumeroIntersecciones = 0;
    const int capacidad = std::max(1, 2 * static_cast<int>(p.NumeroDeEstratos()));
    e.AbscisaInterseccion.Redimensionar(capacidad);
    e.EstratoInterseccion.Redimensionar(capacidad);
    e.PendienteFallaInterseccion.Redimensionar(capacidad);
    e.PendienteEstratoInterseccion.Redimensionar(capacidad);
    for (int i = 1; i <= p.NumeroDeEstratos(); ++i) {
        int puntos = 0;
        if (i <= p.NumeroCoordenadasEstrato.Tamano() && i <= p.AbscisasEstratos.Filas() &&
            i <= p.OrdenadasEstratos.Filas())
            puntos = std::min({static_cast<int>(p.NumeroCoordenadasEstrato(i)),
                               p.AbscisasEstratos.Columnas(), p.OrdenadasEstratos.Columnas()});
        for (int j = 1; j < puntos; ++j) {
            const double xj = p.AbscisasEstratos(i, j), yj = p.OrdenadasEstratos(i, j);
            const double xj1 = p.AbscisasEstratos(i, j + 1), yj1 = p.OrdenadasEstratos(i, j + 1);
            for (int a = 1; a < n; ++a) {
                const int b = a + 1;
                double m1 = PendienteTramo(e, a, b);
                double m2 = PendienteEntre(xj, yj, xj1, yj1);
                if (std::fabs(m1 - m2) < ToleranciaPendientes) continue;
                if (!HayCruce(m1, m2, Xs(e, a), Ys(e, a), Xs(e, b), Ys(e, b), xj, yj, xj1, yj1))
                    continue;
                if (!AgregarCruce(e, i, m1, m2))
                    return ResultadoPreparacion::Fallo(textos::DemasiadosCruces);
                r = InterseccionSPFEstrato(p, e, ui, m2, m1, a, b, j, i, UnionDelTramo(e, a));
                if (!r) return r;
                const int c = e.NumeroIntersecciones;
                if (c >= 2 && std::fabs(e.AbscisaInterseccion(c) - e.AbscisaInterseccion(c - 1)) <
                                  ToleranciaCrucesIguales)
                    e.NumeroIntersecciones = static_cast<Entero16>(c - 1);
            }
        }
    }
    e.SuperficieConstruida = true;
    return ResultadoPreparacion::Bien();
}

} // namespace vertana
