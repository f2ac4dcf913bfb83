// Las semillas del objetivo de fuzzing (los ejemplos y los problemas publicados) por la misma
// función, sin libFuzzer: mantiene el objetivo compilado y probado en toda compilación.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* datos, std::size_t tamano);

int main(int argc, char** argv)
{
    int archivos = 0;
    for (int a = 1; a < argc; ++a)
        for (const auto& entrada : std::filesystem::directory_iterator(argv[a])) {
            if (entrada.path().extension() != ".cod") continue;
            std::ifstream f(entrada.path(), std::ios::binary);
            const std::string contenido((std::istreambuf_iterator<char>(f)),
                                        std::istreambuf_iterator<char>());
            LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(contenido.data()),
                                   contenido.size());
            ++archivos;
        }
    std::printf("%d semillas\n", archivos);
    return archivos > 0 ? 0 : 1;
}
