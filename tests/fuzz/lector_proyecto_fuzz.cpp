// Objetivo de fuzzing del lector de proyectos (libFuzzer). Cada entrada se lee como un archivo
// .cod; si se lee, se validan sus datos, se buscan los problemas que detendrían la preparación
// del cálculo y se escribe de nuevo, que debe leerse igual. Nada de eso puede caerse, colgarse
// ni pedir memoria desmedida; un error del programa (ErrorVertana) también es un hallazgo.
//
// Con clang y VERTANA_FUZZ=ON se enlaza con libFuzzer (vertana_fuzz_lector); sin él,
// lector_proyecto_semillas.cpp pasa las semillas por la misma función en una prueba normal.
#include "calculo/validacion.h"
#include "io/archivo_proyecto.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* datos, std::size_t tamano)
{
    using namespace vertana;
    const std::string contenido(reinterpret_cast<const char*>(datos), tamano);
    Proyecto p;
    ReiniciarProyecto(p);
    if (!LeerContenidoProyecto(contenido, p)) return 0;
    (void)ProblemasDelProyecto(p);
    AjustarParaGuardar(p);
    const std::string escrito = ContenidoArchivoProyecto(p);
    Proyecto leido;
    ReiniciarProyecto(leido);
    if (!LeerContenidoProyecto(escrito, leido)) std::abort(); // lo escrito siempre se lee
    AjustarParaGuardar(leido);
    if (ContenidoArchivoProyecto(leido) != escrito) std::abort(); // y da los mismos bytes
    return 0;
}
