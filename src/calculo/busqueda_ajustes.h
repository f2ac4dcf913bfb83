// Ajustes de la búsqueda de la superficie crítica tal como los deja la persona en el diálogo de
// búsqueda: las dos definiciones de los círculos (la rejilla de centros y los tramos de entrada y
// salida), cada una con su marca de uso, y las demás opciones. Se guardan junto al proyecto en
// un archivo JSON propio (`proyecto.busqueda.json` junto a `proyecto.cod`); el archivo del
// proyecto no cambia.
#pragma once

#include "calculo/busqueda.h"
#include "model/proyecto.h"

#include <optional>
#include <string>

namespace vertana {

struct AjustesBusqueda {
    // Método, radios, refinamiento, poligonal, límites y mejores superficies; sin las dos
    // definiciones, que van abajo con su marca.
    OpcionesBusqueda Opciones;
    bool UsarRejilla = true;
    RejillaCentros Rejilla;
    bool UsarEntradaSalida = false;
    TramosEntradaSalida EntradaSalida;

    // Las opciones de la búsqueda: las definiciones marcadas.
    OpcionesBusqueda ParaBuscar() const;
    bool operator==(const AjustesBusqueda&) const = default;
};

// Ajustes de partida para la sección del proyecto. Del talud se toman el pie (el punto de mayor
// abscisa a la altura más baja) y la corona (el de menor abscisa a la más alta), con H la
// diferencia de alturas: rejilla de 10 × 10 centros sobre la cara del talud, desde H/5 hasta 2H
// por encima de la corona, 10 radios tangentes; el punto de paso en el pie; entrada desde la
// corona hasta 1.5H detrás de ella y salida desde H/2 delante del pie hasta un cuarto de la
// cara, 10 puntos cada una (dentro del talud dado). El método es el del proyecto si es
// Fellenius, Bishop o Janbu; si no, Bishop.
AjustesBusqueda AjustesPorOmision(const Proyecto& p);

// Código de un método en el archivo de ajustes y en la línea de órdenes ("fellenius", "bishop",
// "janbu", "spencer", "morgenstern-price") y su inverso.
const char* CodigoMetodoBusqueda(MetodoBusqueda metodo);
std::optional<MetodoBusqueda> MetodoBusquedaPorCodigo(const std::string& codigo);

// Texto JSON de los ajustes y su lectura. Una clave que falta deja el valor de `base`; un
// texto que no es JSON, o una clave con un valor del tipo equivocado, devuelven nada y el
// motivo en `error`.
std::string AjustesBusquedaJson(const AjustesBusqueda& a);
std::optional<AjustesBusqueda> LeerAjustesBusquedaJson(const std::string& texto,
                                                       const AjustesBusqueda& base,
                                                       std::string* error = nullptr);

// Archivo de los ajustes de un proyecto: el del proyecto con la extensión cambiada por
// ".busqueda.json" ("talud.cod" da "talud.busqueda.json").
std::string RutaAjustesBusqueda(const std::string& rutaProyecto);

// Lee el archivo; nada si no existe o no se puede leer (el motivo en `error`).
std::optional<AjustesBusqueda> LeerArchivoAjustesBusqueda(const std::string& ruta,
                                                          const AjustesBusqueda& base,
                                                          std::string* error = nullptr);
// Escribe el archivo; false si no se pudo.
bool EscribirArchivoAjustesBusqueda(const std::string& ruta, const AjustesBusqueda& a);

} // namespace vertana
