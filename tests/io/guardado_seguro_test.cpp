// Guardar conserva lo que la persona tenía: sigue un enlace simbólico hasta el archivo real,
// conserva sus permisos, no sobreescribe un archivo de sólo lectura, borra los temporales de un
// guardado interrumpido, y un guardado que falla (carpeta de sólo lectura, disco lleno) deja el
// archivo anterior intacto y ningún temporal.
#include "apoyo/fallos_de_disco.h"
#include "io/archivo.h"
#include "model/error.h"
#include "model/textos.h"
#include "proyectos_de_prueba.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace vertana {
namespace {

namespace fs = std::filesystem;
using prueba::CarpetaTemporal;
using prueba::LeerBytes;

void Escribir(const std::string& ruta, const std::string& texto)
{
    std::ofstream(ruta, std::ios::binary) << texto;
}

// Nombres de la carpeta (sin la ruta), en orden.
std::vector<std::string> Contenido(const CarpetaTemporal& carpeta)
{
    std::vector<std::string> nombres;
    for (const auto& e : fs::directory_iterator(carpeta.Raiz()))
        nombres.push_back(e.path().filename().string());
    std::sort(nombres.begin(), nombres.end());
    return nombres;
}

TEST(GuardadoSeguro, SigueElEnlaceYConservaLosPermisos)
{
    CarpetaTemporal carpeta;
    const std::string real = carpeta.Ruta("real.cod"), enlace = carpeta.Ruta("enlace.cod");
    Escribir(real, "viejo");
    fs::permissions(real, fs::perms::owner_read | fs::perms::owner_write);
    fs::create_symlink("real.cod", enlace); // relativo a su carpeta
    EscribirArchivoSeguro(enlace, "nuevo");
    EXPECT_TRUE(fs::is_symlink(enlace));
    EXPECT_EQ(LeerBytes(real), "nuevo");
    EXPECT_EQ(fs::status(real).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(Contenido(carpeta), (std::vector<std::string>{"enlace.cod", "real.cod"}));
}

TEST(GuardadoSeguro, UnArchivoDeSoloLecturaNoSeSobreescribe)
{
    CarpetaTemporal carpeta;
    const std::string ruta = carpeta.Ruta("p.cod");
    Escribir(ruta, "viejo");
    fs::permissions(ruta, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    try {
        EscribirArchivoSeguro(ruta, "nuevo");
        ADD_FAILURE() << "se sobreescribió un archivo de sólo lectura";
    } catch (const ErrorVertana& error) {
        EXPECT_EQ(error.what(), textos::ArchivoSoloLectura(ruta));
    }
    EXPECT_EQ(LeerBytes(ruta), "viejo");
}

// Un guardado interrumpido antes de renombrar deja su temporal; el siguiente lo borra, y sólo
// los de ese archivo.
TEST(GuardadoSeguro, LosTemporalesDeUnGuardadoInterrumpidoSeBorran)
{
    CarpetaTemporal carpeta;
    for (const char* nombre : {"p.cod.vertana-123456.tmp", "p.cod.vertana-000001.tmp",
                               "p.cod.vertana-12.tmp", "otro.cod.vertana-123456.tmp"})
        Escribir(carpeta.Ruta(nombre), "a medio escribir");
    EscribirArchivoSeguro(carpeta.Ruta("p.cod"), "nuevo");
    EXPECT_EQ(Contenido(carpeta), (std::vector<std::string>{"otro.cod.vertana-123456.tmp", "p.cod",
                                                            "p.cod.vertana-12.tmp"}));
    EXPECT_TRUE(EsTemporalDeGuardado("p.cod", "p.cod.vertana-999999.tmp"));
    EXPECT_FALSE(EsTemporalDeGuardado("p.cod", "p.cod.vertana-99999a.tmp"));
    EXPECT_FALSE(EsTemporalDeGuardado("p.cod", "q.cod.vertana-999999.tmp"));
}

TEST(GuardadoSeguro, UnGuardadoQueFallaDejaElArchivoAnterior)
{
    CarpetaTemporal carpeta;
    const std::string ruta = carpeta.Ruta("p.cod");
    Escribir(ruta, "viejo");
    {
        prueba::DiscoLleno lleno(2);
        EXPECT_THROW(EscribirArchivoSeguro(ruta, "contenido nuevo y más largo"), ErrorVertana);
    }
    EXPECT_EQ(LeerBytes(ruta), "viejo");
    EXPECT_EQ(Contenido(carpeta), std::vector<std::string>{"p.cod"});

    prueba::CarpetaSoloLectura soloLectura(carpeta.Raiz());
    if (!soloLectura.Activa()) GTEST_SKIP() << "no se pudo quitar el permiso de escritura";
    EXPECT_THROW(EscribirArchivoSeguro(ruta, "nuevo"), ErrorVertana);
    EXPECT_EQ(LeerBytes(ruta), "viejo");
    EXPECT_EQ(Contenido(carpeta), std::vector<std::string>{"p.cod"});
}

} // namespace
} // namespace vertana
