#include "apoyo/fallos_de_disco.h"

#include <csignal>
#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vertana::prueba {

namespace {

constexpr mode_t PermisosSoloLectura = 0555;
constexpr mode_t PermisosNormales = 0755;

// Pone o quita la marca de inmutable de una carpeta; false si el sistema no lo permite.
bool MarcarInmutable(const std::string& carpeta, bool inmutable)
{
    const int fd = open(carpeta.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd < 0) return false;
    int banderas = 0;
    bool hecho = ioctl(fd, FS_IOC_GETFLAGS, &banderas) == 0;
    if (hecho) {
        banderas = inmutable ? (banderas | FS_IMMUTABLE_FL) : (banderas & ~FS_IMMUTABLE_FL);
        hecho = ioctl(fd, FS_IOC_SETFLAGS, &banderas) == 0;
    }
    close(fd);
    return hecho;
}

} // namespace

CarpetaSoloLectura::CarpetaSoloLectura(std::string carpeta) : carpeta_(std::move(carpeta))
{
    if (geteuid() != 0) {
        if (chmod(carpeta_.c_str(), PermisosSoloLectura) == 0) modo_ = Modo::Permisos;
    } else if (MarcarInmutable(carpeta_, true)) {
        modo_ = Modo::Inmutable;
    }
}

CarpetaSoloLectura::~CarpetaSoloLectura()
{
    if (modo_ == Modo::Permisos) chmod(carpeta_.c_str(), PermisosNormales);
    if (modo_ == Modo::Inmutable) MarcarInmutable(carpeta_, false);
}

DiscoLleno::DiscoLleno(long bytes)
{
    senalAnterior_ = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limite{};
    getrlimit(RLIMIT_FSIZE, &limite);
    limiteAnterior_ = limite.rlim_cur;
    limite.rlim_cur = static_cast<rlim_t>(bytes);
    setrlimit(RLIMIT_FSIZE, &limite);
}

DiscoLleno::~DiscoLleno()
{
    rlimit limite{};
    getrlimit(RLIMIT_FSIZE, &limite);
    limite.rlim_cur = static_cast<rlim_t>(limiteAnterior_);
    setrlimit(RLIMIT_FSIZE, &limite);
    std::signal(SIGXFSZ, senalAnterior_);
}

} // namespace vertana::prueba
