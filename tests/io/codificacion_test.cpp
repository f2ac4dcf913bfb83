#include "io/codificacion.h"

#include <gtest/gtest.h>

namespace vertana {
namespace {

TEST(Codificacion, AcentosEnieYSimbolosDeIdaYVuelta)
{
    const std::string texto = "Pará&metros µ £ Þ Ø ñ Ñ ¿Sí? € – “comillas” œ Ÿ";
    const std::string bytes = Utf8AWindows1252(texto);
    // Un byte por carácter en Windows-1252.
    EXPECT_EQ(bytes.size(), 47u);
    EXPECT_EQ(static_cast<unsigned char>(bytes[3]), 0xE1);  // á
    EXPECT_EQ(static_cast<unsigned char>(bytes[29]), 0x80); // €
    EXPECT_EQ(Windows1252AUtf8(bytes), texto);
}

TEST(Codificacion, CaracteresSinEquivalenteSeEscribenConInterrogacion)
{
    EXPECT_EQ(Utf8AWindows1252("α≤β"), "???");
    EXPECT_EQ(Utf8AWindows1252(std::string("a\xC3", 2)), "a?"); // secuencia cortada
}

TEST(Codificacion, LosBytesSinCaracterAsignadoPasanSinPerderse)
{
    for (unsigned char b : {0x81, 0x8D, 0x8F, 0x90, 0x9D}) {
        const std::string byte(1, static_cast<char>(b));
        EXPECT_EQ(Utf8AWindows1252(Windows1252AUtf8(byte)), byte);
    }
}

} // namespace
} // namespace vertana
