// Fallos de disco para las pruebas de guardado: una carpeta donde no se puede escribir y un
// disco "lleno" (la escritura de un archivo falla pasado un tamaño). Ambos se deshacen al
// destruirse, también cuando la prueba falla.
#pragma once

#include <string>

namespace vertana::prueba {

// Deja la carpeta sin permiso de escritura. Sin ser administrador basta quitar los permisos;
// el administrador escribe igual, así que para él se marca la carpeta como inmutable (Linux).
// Activa() dice si se logró; si no, la prueba debe omitirse.
class CarpetaSoloLectura {
public:
    explicit CarpetaSoloLectura(std::string carpeta);
    ~CarpetaSoloLectura();
    CarpetaSoloLectura(const CarpetaSoloLectura&) = delete;
    CarpetaSoloLectura& operator=(const CarpetaSoloLectura&) = delete;

    bool Activa() const { return modo_ != Modo::Ninguno; }

private:
    enum class Modo { Ninguno, Permisos, Inmutable };
    std::string carpeta_;
    Modo modo_ = Modo::Ninguno;
};

// Ningún archivo del proceso puede crecer más de `bytes`: una escritura mayor falla como en un
// disco lleno (límite RLIMIT_FSIZE, con la señal SIGXFSZ ignorada).
class DiscoLleno {
public:
    explicit DiscoLleno(long bytes);
    ~DiscoLleno();
    DiscoLleno(const DiscoLleno&) = delete;
    DiscoLleno& operator=(const DiscoLleno&) = delete;

private:
    unsigned long limiteAnterior_ = 0;
    void (*senalAnterior_)(int) = nullptr;
};

} // namespace vertana::prueba
