#include "io/codificacion.h"

#include <cstdint>

namespace vertana {
namespace {

// Caracteres de los bytes 0x80 a 0x9F; 0 donde el byte no tiene carácter asignado.
constexpr char32_t Tabla80a9F[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

void AgregarUtf8(std::string& salida, char32_t c)
{
    if (c < 0x80) {
        salida += static_cast<char>(c);
    } else if (c < 0x800) {
        salida += static_cast<char>(0xC0 | (c >> 6));
        salida += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        salida += static_cast<char>(0xE0 | (c >> 12));
        salida += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        salida += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        salida += static_cast<char>(0xF0 | (c >> 18));
        salida += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        salida += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        salida += static_cast<char>(0x80 | (c & 0x3F));
    }
}

char ByteDe(char32_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<char>(c);
    for (int i = 0; i < 32; ++i)
        if (Tabla80a9F[i] == c) return static_cast<char>(0x80 + i);
    if (c >= 0x80 && c <= 0x9F && Tabla80a9F[c - 0x80] == 0) return static_cast<char>(c);
    return '?';
}

} // namespace

std::string Windows1252AUtf8(const std::string& bytes)
{
    std::string salida;
    salida.reserve(bytes.size());
    for (unsigned char b : bytes) {
        if (b >= 0x80 && b <= 0x9F && Tabla80a9F[b - 0x80] != 0)
            AgregarUtf8(salida, Tabla80a9F[b - 0x80]);
        else
            AgregarUtf8(salida, b);
    }
    return salida;
}

std::string Utf8AWindows1252(const std::string& texto)
{
    std::string salida;
    salida.reserve(texto.size());
    std::size_t i = 0;
    while (i < texto.size()) {
        const auto b = static_cast<unsigned char>(texto[i]);
        int largo = 0;
        char32_t c = 0;
        if (b < 0x80) {
            largo = 1;
            c = b;
        } else if ((b & 0xE0) == 0xC0) {
            largo = 2;
            c = b & 0x1F;
        } else if ((b & 0xF0) == 0xE0) {
            largo = 3;
            c = b & 0x0F;
        } else if ((b & 0xF8) == 0xF0) {
            largo = 4;
            c = b & 0x07;
        }
        bool valido = largo > 0 && i + static_cast<std::size_t>(largo) <= texto.size();
        for (int k = 1; valido && k < largo; ++k) {
            const auto s = static_cast<unsigned char>(texto[i + static_cast<std::size_t>(k)]);
            if ((s & 0xC0) != 0x80)
                valido = false;
            else
                c = (c << 6) | (s & 0x3F);
        }
        if (!valido) {
            salida += '?';
            ++i;
            continue;
        }
        salida += ByteDe(c);
        i += static_cast<std::size_t>(largo);
    }
    return salida;
}

} // namespace vertana
