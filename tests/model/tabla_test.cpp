// Los índices de las tablas se comprueban en toda compilación (también sin assert): un índice
// fuera de rango lanza ErrorVertana con un mensaje claro, nunca es un acceso indefinido.
#include "model/error.h"
#include "model/tabla.h"
#include "model/textos.h"

#include <gtest/gtest.h>

namespace vertana {
namespace {

// Lo que lanza una expresión, o "" si no lanza.
template <typename F> std::string MensajeDe(F&& f)
{
    try {
        f();
    } catch (const ErrorVertana& error) {
        return error.what();
    }
    return {};
}

TEST(Tabla, IndicesFueraDeRangoLanzanErrorVertanaEnTodaCompilacion)
{
    Tabla<double> t(3);
    t(3) = 2.5;
    const Tabla<double>& constante = t;
    EXPECT_EQ(constante(3), 2.5);
    EXPECT_EQ(MensajeDe([&] { t(0) = 1; }), textos::IndiceFueraDeTablaTexto(0, 3));
    EXPECT_EQ(MensajeDe([&] { return constante(4); }),
              "Error del programa: se pidió la entrada 4 de una tabla de 3 entradas. La orden se "
              "detuvo; guarde el proyecto con otro nombre y comunique el problema.");
    EXPECT_FALSE(MensajeDe([&] { return Tabla<int>()(1); }).empty());
    EXPECT_FALSE(MensajeDe([&] { return t(-2147483647 - 1); }).empty());

    Tabla2<double> m;
    m.Redimensionar(2, 3);
    m(2, 3) = 1.0;
    EXPECT_EQ(MensajeDe([&] { m(3, 1) = 0; }), textos::IndiceFueraDeTabla2Texto(3, 1, 2, 3));
    EXPECT_EQ(MensajeDe([&] { m(1, 0) = 0; }), textos::IndiceFueraDeTabla2Texto(1, 0, 2, 3));
    EXPECT_EQ(m(2, 3), 1.0);
}

} // namespace
} // namespace vertana
