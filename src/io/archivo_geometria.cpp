#include "io/archivo_geometria.h"

#include "io/archivo.h"
#include "io/archivo_proyecto.h"
#include "io/items.h"
#include "model/textos.h"

#include <algorithm>
#include <filesystem>

namespace vertana {

std::string RutaArchivoGeometria(const std::string& carpetaPersonal)
{
#if defined(_WIN32)
    (void)carpetaPersonal;
    return textos::RutaGeometriaWindows;
#else
    return (std::filesystem::path(carpetaPersonal) / textos::CarpetaGeometria /
            textos::ArchivoGeometria)
        .string();
#endif
}

namespace {
bool LeerItemsGeometria(LectorItems& l, Proyecto& p);
} // namespace

bool LeerContenidoGeometria(const std::string& bytes, Proyecto& p, FallaDeLectura* falla)
{
    LectorItems l(bytes);
    const bool leido = LeerItemsGeometria(l, p);
    if (!leido && falla) *falla = l.Falla();
    return leido;
}

namespace {

bool LeerItemsGeometria(LectorItems& l, Proyecto& p)
{
    Proyecto nuevo; // sólo se usan sus tablas de geometría
    auto leerPares = [&l](Tabla<double>& xs, Tabla<double>& ys) {
        Entero16 cantidad = 0;
        if (!l.Cantidad(cantidad)) return false;
        RedimensionarConjunto(xs, ys, cantidad);
        for (int k = 1; k <= cantidad; ++k)
            if (!l.Real(xs(k)) || !l.Real(ys(k))) return false;
        return true;
    };
    Entero16 estratos = 0;
    l.Leyendo(textos::LeyendoTalud);
    if (!leerPares(nuevo.AbscisasTalud, nuevo.OrdenadasTalud)) return false;
    l.Leyendo(textos::LeyendoFreatico);
    if (!leerPares(nuevo.AbscisasFreatico, nuevo.OrdenadasFreatico)) return false;
    l.Leyendo(textos::LeyendoEstratos);
    if (!l.Cantidad(estratos)) return false;

    // Cada estrato: su cantidad y sus puntos. Las tablas crecen hasta la mayor cantidad leída y
    // conservan lo leído antes.
    const int n = estratos;
    nuevo.NumeroCoordenadasEstrato.Redimensionar(n);
    for (int i = 1; i <= n; ++i) {
        l.Leyendo(textos::LeyendoEstrato(i));
        Entero16 cantidad = 0;
        if (!l.Cantidad(cantidad)) return false;
        nuevo.NumeroCoordenadasEstrato(i) = cantidad;
        const int columnas = std::max<int>(nuevo.AbscisasEstratos.Columnas(), cantidad);
        if (static_cast<long>(n) * columnas > LimiteCeldasTabla2)
            return l.Rechazar(textos::LecturaTablaDesmedida(n, columnas, LimiteCeldasTabla2));
        if (nuevo.AbscisasEstratos.Filas() != n || nuevo.AbscisasEstratos.Columnas() < columnas) {
            nuevo.AbscisasEstratos.RedimensionarConservando(n, columnas);
            nuevo.OrdenadasEstratos.RedimensionarConservando(n, columnas);
        }
        for (int k = 1; k <= cantidad; ++k)
            if (!l.Real(nuevo.AbscisasEstratos(i, k)) || !l.Real(nuevo.OrdenadasEstratos(i, k)))
                return false;
    }

    p.AbscisasTalud = std::move(nuevo.AbscisasTalud);
    p.OrdenadasTalud = std::move(nuevo.OrdenadasTalud);
    p.AbscisasFreatico = std::move(nuevo.AbscisasFreatico);
    p.OrdenadasFreatico = std::move(nuevo.OrdenadasFreatico);
    p.NumeroCoordenadasEstrato = std::move(nuevo.NumeroCoordenadasEstrato);
    p.AbscisasEstratos = std::move(nuevo.AbscisasEstratos);
    p.OrdenadasEstratos = std::move(nuevo.OrdenadasEstratos);
    p.EstratosCaracterizados = p.NumeroDeEstratos();
    return true;
}

} // namespace

bool CargarGeometria(const std::string& ruta, Proyecto& p, Interaccion& interaccion)
{
    if (p.NumeroCoordenadasTalud() >= 1 && p.NumeroDeEstratos() >= 1 &&
        !interaccion.Pregunta(textos::PreguntaCargarGeometria))
        return false;
    if (!interaccion.Pregunta(textos::PreguntaCarpetaGeometria)) return false;
    const auto contenido = LeerArchivoCompleto(ruta);
    FallaDeLectura falla;
    if (!contenido || !LeerContenidoGeometria(*contenido, p, &falla)) {
        interaccion.MensajeConDetalle(textos::ErrorLeyendoArchivo,
                                      DetalleErrorDeLectura(ruta, contenido ? &falla : nullptr));
        return false;
    }
    return true;
}

} // namespace vertana
