#include "ui/editor_coordenadas.h"

#include <algorithm>
#include <cassert>

namespace vertana {
namespace {

// Quita la entrada i de una tabla por estrato (si la tiene); las siguientes bajan un lugar.
template <typename T> void BorrarEntrada(Tabla<T>& tabla, int i)
{
    const int n = tabla.Tamano();
    if (i < 1 || i > n) return;
    for (int k = i; k < n; ++k)
        tabla(k) = tabla(k + 1);
    tabla.RedimensionarConservando(n - 1);
}

// Quita la fila i de una tabla (estrato, punto) si la tiene; las siguientes bajan un lugar.
void BorrarFila(Tabla2<double>& tabla, int i)
{
    const int filas = tabla.Filas();
    if (i < 1 || i > filas) return;
    for (int k = i; k < filas; ++k)
        for (int j = 1; j <= tabla.Columnas(); ++j)
            tabla(k, j) = tabla(k + 1, j);
    tabla.RedimensionarConservando(filas - 1, tabla.Columnas());
}

// Copia la fila de origen sobre la de destino (o la llena de ceros sin origen).
void CopiarFila(Tabla2<double>& tabla, int destino, int origen)
{
    for (int j = 1; j <= tabla.Columnas(); ++j)
        tabla(destino, j) = origen > 0 ? tabla(origen, j) : 0.0;
}

} // namespace

double EditorCoordenadas::Abscisa(int i) const
{
    assert(i >= 1 && i <= NumeroPuntosEditor());
    return puntos_[static_cast<std::size_t>(i - 1)].x;
}

double EditorCoordenadas::Ordenada(int i) const
{
    assert(i >= 1 && i <= NumeroPuntosEditor());
    return puntos_[static_cast<std::size_t>(i - 1)].y;
}

void EditorCoordenadas::ElegirFila(int fila)
{
    filaSeleccionada_ = (fila >= 1 && fila <= NumeroPuntosEditor()) ? fila : 0;
}

void EditorCoordenadas::Reiniciar()
{
    conjuntoActivo_ = ConjuntoTalud;
    estratoActivo_ = 1;
    puntos_.clear();
    filaSeleccionada_ = 0;
    posicionNuevoEstrato_ = 0;
}

namespace {

// Tablas del proyecto de un conjunto de puntos simple (talud, falla o nivel freático).
struct TablasDeConjunto {
    Tabla<double>* xs;
    Tabla<double>* ys;
};

TablasDeConjunto TablasDelConjunto(Proyecto& p, int conjunto)
{
    switch (conjunto) {
    case ConjuntoTalud:
        return {&p.AbscisasTalud, &p.OrdenadasTalud};
    case ConjuntoFalla:
        return {&p.AbscisasFalla, &p.OrdenadasFalla};
    default:
        assert(conjunto == ConjuntoFreatico);
        return {&p.AbscisasFreatico, &p.OrdenadasFreatico};
    }
}

} // namespace

std::vector<EditorCoordenadas::Punto> EditorCoordenadas::PuntosDelProyecto(int conjunto,
                                                                           int estrato) const
{
    const Proyecto& p = proyecto_;
    std::vector<Punto> puntos;
    if (conjunto == ConjuntoEstratos) {
        if (estrato < 1 || estrato > p.NumeroDeEstratos() ||
            estrato > p.NumeroCoordenadasEstrato.Tamano())
            return puntos;
        const int n = p.NumeroCoordenadasEstrato(estrato);
        const bool hayFila =
            estrato <= p.AbscisasEstratos.Filas() && estrato <= p.OrdenadasEstratos.Filas();
        for (int k = 1; hayFila && k <= n && k <= p.AbscisasEstratos.Columnas() &&
                        k <= p.OrdenadasEstratos.Columnas();
             ++k)
            puntos.push_back({p.AbscisasEstratos(estrato, k), p.OrdenadasEstratos(estrato, k)});
        return puntos;
    }
    const TablasDeConjunto t = TablasDelConjunto(proyecto_, conjunto);
    for (int i = 1; i <= t.xs->Tamano() && i <= t.ys->Tamano(); ++i)
        puntos.push_back({(*t.xs)(i), (*t.ys)(i)});
    return puntos;
}

bool EditorCoordenadas::Mostrar(int conjunto, int estrato)
{
    const Proyecto& p = proyecto_;
    switch (conjunto) {
    case ConjuntoTalud:
    case ConjuntoFalla:
    case ConjuntoFreatico:
        break;
    case ConjuntoEstratos:
        if (estrato < 1 || estrato > p.NumeroDeEstratos() ||
            estrato > p.NumeroCoordenadasEstrato.Tamano())
            return false;
        break;
    default:
        return false;
    }
    puntos_ = PuntosDelProyecto(conjunto, estrato);
    conjuntoActivo_ = conjunto;
    if (conjunto == ConjuntoEstratos) estratoActivo_ = estrato;
    filaSeleccionada_ = 0;
    return true;
}

bool EditorCoordenadas::CopiaIgualAlProyecto() const
{
    return puntos_ == PuntosDelProyecto(conjuntoActivo_, estratoActivo_);
}

void EditorCoordenadas::Reponer(int fila, double x, double y)
{
    assert(fila >= 1 && fila <= NumeroPuntosEditor() + 1);
    puntos_.insert(puntos_.begin() + (fila - 1), Punto{x, y});
    if (filaSeleccionada_ >= fila) ++filaSeleccionada_;
    proyecto_.DatosGuardados = false;
}

EditorCoordenadas::Estado EditorCoordenadas::EstadoActual() const
{
    return {conjuntoActivo_, estratoActivo_, puntos_, filaSeleccionada_, posicionNuevoEstrato_};
}

void EditorCoordenadas::Restaurar(const Estado& estado)
{
    conjuntoActivo_ = estado.ConjuntoActivo;
    estratoActivo_ = estado.EstratoActivo;
    puntos_ = estado.Puntos;
    filaSeleccionada_ = estado.FilaSeleccionada;
    posicionNuevoEstrato_ = estado.PosicionNuevoEstrato;
}

void EditorCoordenadas::MostrarTalud()
{
    Mostrar(ConjuntoTalud, estratoActivo_);
    estratoActivo_ = 1;
}

void EditorCoordenadas::Guardar()
{
    Proyecto& p = proyecto_;
    const int n = NumeroPuntosEditor();
    switch (conjuntoActivo_) {
    case ConjuntoTalud:
    case ConjuntoFalla:
    case ConjuntoFreatico: {
        const TablasDeConjunto t = TablasDelConjunto(p, conjuntoActivo_);
        RedimensionarConjunto(*t.xs, *t.ys, n);
        for (int i = 1; i <= n; ++i) {
            (*t.xs)(i) = Abscisa(i);
            (*t.ys)(i) = Ordenada(i);
        }
        break;
    }
    case ConjuntoEstratos: {
        const int e = estratoActivo_;
        assert(e >= 1 && e <= p.NumeroDeEstratos() && e <= p.NumeroCoordenadasEstrato.Tamano());
        if (e < 1 || e > p.NumeroDeEstratos() || e > p.NumeroCoordenadasEstrato.Tamano()) return;
        p.NumeroCoordenadasEstrato(e) = static_cast<Entero16>(n);
        if (n == 0) return;
        const int columnas = MaximoPuntosEstrato(p);
        p.AbscisasEstratos.RedimensionarConservando(p.NumeroDeEstratos(), columnas);
        p.OrdenadasEstratos.RedimensionarConservando(p.NumeroDeEstratos(), columnas);
        for (int k = 1; k <= n; ++k) {
            p.AbscisasEstratos(e, k) = Abscisa(k);
            p.OrdenadasEstratos(e, k) = Ordenada(k);
        }
        break;
    }
    default:
        assert(false && "conjunto activo fuera de 1..4");
    }
}

int EditorCoordenadas::Agregar(double x, double y)
{
    assert(CabeOtroPunto());
    const int n = NumeroPuntosEditor();
    int posicion = n + 1;
    for (int i = 1; i <= n; ++i) {
        if (Abscisa(i) <= x) {
            posicion = i;
            break;
        }
    }
    puntos_.insert(puntos_.begin() + (posicion - 1), Punto{x, y});
    if (filaSeleccionada_ >= posicion) ++filaSeleccionada_;
    proyecto_.DatosGuardados = false;
    proyecto_.CoordenadasSinCambios = false;
    return posicion;
}

bool EditorCoordenadas::Borrar(int fila)
{
    if (fila < 1 || fila > NumeroPuntosEditor()) return false;
    puntos_.erase(puntos_.begin() + (fila - 1));
    if (filaSeleccionada_ == fila)
        filaSeleccionada_ = 0;
    else if (filaSeleccionada_ > fila)
        --filaSeleccionada_;
    proyecto_.DatosGuardados = false;
    return true;
}

void EditorCoordenadas::VaciarCopia()
{
    puntos_.clear();
    filaSeleccionada_ = 0;
}

void EditorCoordenadas::InsertarEstrato(std::optional<int> posicion)
{
    Proyecto& p = proyecto_;
    assert(p.NumeroDeEstratos() < MaximoCantidad);
    p.EstratosConCaracteristicas = false;
    Guardar();

    const int anterior = p.NumeroDeEstratos();
    const int n = anterior + 1;
    RedimensionarEstratos(p, n);
    p.EstratoInsertado = true;
    p.NumeroCoordenadasEstrato(n) = 0;
    estratoActivo_ = n;
    const bool hayPuntos = MaximoPuntosEstrato(p) > 0;
    if (hayPuntos) {
        const int columnas = std::max<int>(p.AbscisasEstratos.Columnas(), MaximoPuntosEstrato(p));
        p.AbscisasEstratos.RedimensionarConservando(n, columnas);
        p.OrdenadasEstratos.RedimensionarConservando(n, columnas);
    }

    if (!posicion) {
        posicionNuevoEstrato_ = anterior;
        Mostrar(ConjuntoEstratos, estratoActivo_);
        return;
    }
    posicionNuevoEstrato_ = std::clamp(*posicion, 0, anterior);
    const int lugar = posicionNuevoEstrato_ + 1;
    for (int i = n; i > lugar; --i) {
        p.NumeroCoordenadasEstrato(i) = p.NumeroCoordenadasEstrato(i - 1);
        if (hayPuntos) {
            CopiarFila(p.AbscisasEstratos, i, i - 1);
            CopiarFila(p.OrdenadasEstratos, i, i - 1);
        }
    }
    p.NumeroCoordenadasEstrato(lugar) = 0;
    if (hayPuntos) {
        CopiarFila(p.AbscisasEstratos, lugar, 0);
        CopiarFila(p.OrdenadasEstratos, lugar, 0);
    }
    estratoActivo_ = lugar;
    Mostrar(ConjuntoEstratos, estratoActivo_);
}

void EditorCoordenadas::EliminarEstratoActivo()
{
    Proyecto& p = proyecto_;
    const int e = estratoActivo_;
    const int n = p.NumeroDeEstratos();
    if (e < 1 || e > n) return;

    // Propiedades (columnas de suelo y de roca) y datos de laboratorio del estrato.
    for (Tabla<double>* t : TablasPorEstrato(p))
        BorrarEntrada(*t, e);
    BorrarEntrada(p.TipoDeEstrato, e);
    BorrarEntrada(p.NumeroPuntosLab, e);
    BorrarFila(p.Sigma1Lab, e);
    BorrarFila(p.Sigma3Lab, e);

    // Puntos.
    BorrarEntrada(p.NumeroCoordenadasEstrato, e);
    BorrarFila(p.AbscisasEstratos, e);
    BorrarFila(p.OrdenadasEstratos, e);
    if (e <= p.EstratosCaracterizados) --p.EstratosCaracterizados;
    if (p.NumeroDeEstratos() == 0) {
        p.NumeroCoordenadasEstrato.Vaciar();
        p.AbscisasEstratos.Vaciar();
        p.OrdenadasEstratos.Vaciar();
        estratoActivo_ = 1;
    } else {
        p.NumeroCoordenadasEstrato.RedimensionarConservando(p.NumeroDeEstratos());
        const int columnas = MaximoPuntosEstrato(p);
        p.AbscisasEstratos.RedimensionarConservando(p.NumeroDeEstratos(), columnas);
        p.OrdenadasEstratos.RedimensionarConservando(p.NumeroDeEstratos(), columnas);
        estratoActivo_ = std::min<int>(estratoActivo_, p.NumeroDeEstratos());
    }
    p.DatosGuardados = false;
    if (p.NumeroDeEstratos() > 0)
        Mostrar(ConjuntoEstratos, estratoActivo_);
    else
        Mostrar(ConjuntoTalud, estratoActivo_);
}

void EditorCoordenadas::EliminarNivelFreatico()
{
    RedimensionarConjunto(proyecto_.AbscisasFreatico, proyecto_.OrdenadasFreatico, 0);
    proyecto_.DatosGuardados = false;
    Mostrar(ConjuntoTalud, estratoActivo_);
}

} // namespace vertana
