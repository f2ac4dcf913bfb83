#include "io/archivo.h"

#include "model/error.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <system_error>

#if defined(_WIN32)
#include <io.h>
#else
#include <unistd.h>
#endif

namespace vertana {
namespace {

std::filesystem::path RutaDe(const std::string& ruta)
{
    return std::filesystem::path(std::u8string(ruta.begin(), ruta.end()));
}

// Lleva al disco lo escrito en el archivo abierto.
bool VaciarAlDisco(std::FILE* f)
{
    if (std::fflush(f) != 0) return false;
#if defined(_WIN32)
    return _commit(_fileno(f)) == 0;
#else
    return fsync(fileno(f)) == 0;
#endif
}

} // namespace

std::optional<std::string> LeerArchivoCompleto(const std::string& ruta)
{
    std::error_code ec;
    if (!std::filesystem::is_regular_file(RutaDe(ruta), ec)) return std::nullopt;
    std::ifstream f(RutaDe(ruta), std::ios::binary);
    if (!f) return std::nullopt;
    std::string contenido((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
    if (f.bad()) return std::nullopt;
    return contenido;
}

void EscribirArchivoSeguro(const std::string& ruta, const std::string& contenido)
{
    namespace fs = std::filesystem;
    const fs::path destino = RutaDe(ruta);
    std::random_device azar;
    fs::path temporal = destino;
    temporal += "." + std::to_string(azar() % 1000000) + ".tmp";

    std::FILE* f = std::fopen(temporal.string().c_str(), "wb");
    if (!f) throw ErrorVertana("No se pudo crear el archivo " + ruta);
    const bool escrito = std::fwrite(contenido.data(), 1, contenido.size(), f) == contenido.size();
    const bool enDisco = escrito && VaciarAlDisco(f);
    const bool cerrado = std::fclose(f) == 0;
    std::error_code ec;
    if (!escrito || !enDisco || !cerrado) {
        fs::remove(temporal, ec);
        throw ErrorVertana("No se pudo escribir el archivo " + ruta);
    }
    fs::rename(temporal, destino, ec);
    if (ec) {
        fs::remove(temporal, ec);
        throw ErrorVertana("No se pudo reemplazar el archivo " + ruta);
    }
}

} // namespace vertana
