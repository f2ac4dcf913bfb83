#include "io/archivo.h"

#include "model/error.h"
#include "model/textos.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string_view>
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

namespace {

constexpr int MaximoEnlacesSeguidos = 40; // como el límite de los sistemas POSIX (ELOOP)
constexpr char MarcaTemporal[] = ".vertana-";
constexpr char ExtensionTemporal[] = ".tmp";
constexpr int CifrasTemporal = 6;
constexpr unsigned ModuloTemporal = 1000000; // 10^CifrasTemporal

// La ruta del archivo real: sigue los enlaces simbólicos (uno relativo, desde su carpeta).
std::filesystem::path ArchivoReal(std::filesystem::path ruta)
{
    namespace fs = std::filesystem;
    for (int enlace = 0; enlace < MaximoEnlacesSeguidos; ++enlace) {
        std::error_code ec;
        if (!fs::is_symlink(fs::symlink_status(ruta, ec))) return ruta;
        const fs::path destino = fs::read_symlink(ruta, ec);
        if (ec) return ruta;
        ruta = destino.is_absolute() ? destino : ruta.parent_path() / destino;
    }
    return ruta;
}

// Sin permiso de escritura: ningún bit de escritura (también para el administrador, que podría
// escribirlo igual) o, en POSIX, no para quien guarda.
bool SoloLectura(const std::filesystem::path& ruta, std::filesystem::perms permisos)
{
    using std::filesystem::perms;
    if ((permisos & (perms::owner_write | perms::group_write | perms::others_write)) == perms::none)
        return true;
#if defined(_WIN32)
    (void)ruta;
    return false;
#else
    return access(ruta.c_str(), W_OK) != 0;
#endif
}

// Borra los temporales de guardados anteriores de este archivo que quedaron sin renombrar.
void BorrarTemporalesViejos(const std::filesystem::path& destino)
{
    namespace fs = std::filesystem;
    std::error_code ec;
    const fs::path carpeta = destino.parent_path().empty() ? fs::path(".") : destino.parent_path();
    const std::string nombre = destino.filename().string();
    for (fs::directory_iterator it(carpeta, ec), fin; !ec && it != fin; it.increment(ec)) {
        const std::string candidato = it->path().filename().string();
        std::error_code ecArchivo;
        if (EsTemporalDeGuardado(nombre, candidato) && it->is_regular_file(ecArchivo))
            fs::remove(it->path(), ecArchivo);
    }
}

} // namespace

bool EsTemporalDeGuardado(const std::string& nombre, const std::string& temporal)
{
    const std::string inicio = nombre + MarcaTemporal;
    const std::string_view fin = ExtensionTemporal;
    if (temporal.size() != inicio.size() + CifrasTemporal + fin.size()) return false;
    if (temporal.compare(0, inicio.size(), inicio) != 0) return false;
    if (temporal.compare(temporal.size() - fin.size(), fin.size(), fin) != 0) return false;
    for (std::size_t k = inicio.size(); k < inicio.size() + CifrasTemporal; ++k)
        if (temporal[k] < '0' || temporal[k] > '9') return false;
    return true;
}

void EscribirArchivoSeguro(const std::string& ruta, const std::string& contenido)
{
    namespace fs = std::filesystem;
    const fs::path destino = ArchivoReal(RutaDe(ruta));
    std::error_code ec;
    const fs::file_status estado = fs::status(destino, ec);
    const bool existe = !ec && fs::exists(estado);
    if (existe && fs::is_regular_file(estado) && SoloLectura(destino, estado.permissions()))
        throw ErrorVertana(textos::ArchivoSoloLectura(ruta));
    BorrarTemporalesViejos(destino);

    std::random_device azar;
    std::string cifras = std::to_string(azar() % ModuloTemporal);
    cifras.insert(0, static_cast<std::size_t>(CifrasTemporal) - cifras.size(), '0');
    fs::path temporal = destino;
    temporal += MarcaTemporal + cifras + ExtensionTemporal;

    std::FILE* f = std::fopen(temporal.string().c_str(), "wb");
    if (!f) throw ErrorVertana("No se pudo crear el archivo " + ruta);
    const bool escrito = std::fwrite(contenido.data(), 1, contenido.size(), f) == contenido.size();
    const bool enDisco = escrito && VaciarAlDisco(f);
    const bool cerrado = std::fclose(f) == 0;
    if (!escrito || !enDisco || !cerrado) {
        fs::remove(temporal, ec);
        throw ErrorVertana("No se pudo escribir el archivo " + ruta);
    }
    // Los permisos del archivo que se reemplaza (el temporal nace con los de la máscara).
    if (existe) fs::permissions(temporal, estado.permissions(), fs::perm_options::replace, ec);
    fs::rename(temporal, destino, ec);
    if (ec) {
        fs::remove(temporal, ec);
        throw ErrorVertana("No se pudo reemplazar el archivo " + ruta);
    }
}

} // namespace vertana
