// Estado del editor de coordenadas, sin widgets.
#include "ui/editor_coordenadas.h"

#include "ayuda_dialogos.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace vertana {
namespace {

using Puntos = std::vector<std::pair<double, double>>;

Puntos Copia(const EditorCoordenadas& e)
{
    Puntos r;
    for (int i = 1; i <= e.NumeroPuntosEditor(); ++i)
        r.emplace_back(e.Abscisa(i), e.Ordenada(i));
    return r;
}

Puntos Estrato(const Proyecto& p, int i)
{
    Puntos r;
    for (int k = 1; k <= p.NumeroCoordenadasEstrato(i); ++k)
        r.emplace_back(p.AbscisasEstratos(i, k), p.OrdenadasEstratos(i, k));
    return r;
}

// Proyecto con tres estratos de uno, dos y tres puntos y propiedades de suelo 10, 20, 30.
//
//   estrato 1: (1,1)
//   estrato 2: (2,2) (2,1)
//   estrato 3: (3,3) (3,2) (3,1)
struct TresEstratos : ::testing::Test {
    void SetUp() override
    {
        ReiniciarProyecto(p);
        p.SueloRoca = Material::Suelo;
        for (int i = 1; i <= 3; ++i) {
            editor.InsertarEstrato(i == 1 ? std::nullopt : std::optional<int>(i - 1));
            for (int k = 1; k <= i; ++k)
                editor.Agregar(i, k);
        }
        editor.Guardar();
        p.CohesionMacizo = prueba::TablaDe({10.0, 20.0, 30.0});
        p.TipoDeEstrato = prueba::TablaDe<Entero16>({1, 2, 3});
        p.EstratosCaracterizados = 3;
    }
    Proyecto p;
    EditorCoordenadas editor{p};
};

TEST(EditorCoordenadas, LaFilaElegidaSigueAlPuntoAlAgregarYBorrar)
{
    Proyecto p;
    EditorCoordenadas e(p);
    e.Agregar(3, 0);
    e.Agregar(1, 0);
    e.ElegirFila(2); // el punto x = 1
    e.Agregar(2, 0); // entra antes
    EXPECT_EQ(e.FilaSeleccionada(), 3);
    EXPECT_TRUE(e.Borrar(1));
    EXPECT_EQ(e.FilaSeleccionada(), 2);
    EXPECT_TRUE(e.Borrar(2)); // el punto elegido mismo
    EXPECT_EQ(e.FilaSeleccionada(), 0);
    EXPECT_FALSE(e.Borrar(5));
    EXPECT_EQ(Copia(e), (Puntos{{2, 0}}));
    e.ElegirFila(9); // fuera de la lista: ninguna
    EXPECT_EQ(e.FilaSeleccionada(), 0);
}

TEST_F(TresEstratos, InsertarEntreDosEstratosSubeLosSiguientesConSusPuntos)
{
    EXPECT_EQ(p.AbscisasEstratos.Columnas(), 3); // la mayor cantidad de puntos
    EXPECT_FALSE(p.EstratosConCaracteristicas);
    editor.Mostrar(ConjuntoEstratos, 3);
    editor.InsertarEstrato(1); // entre 1 y 2
    EXPECT_EQ(editor.PosicionNuevoEstrato(), 1);
    EXPECT_EQ(editor.EstratoActivo(), 2);
    ASSERT_EQ(p.NumeroDeEstratos(), 4);
    EXPECT_EQ(Estrato(p, 1), (Puntos{{1, 1}}));
    EXPECT_EQ(Estrato(p, 2), Puntos{});
    EXPECT_EQ(Estrato(p, 3), (Puntos{{2, 2}, {2, 1}}));
    EXPECT_EQ(Estrato(p, 4), (Puntos{{3, 3}, {3, 2}, {3, 1}}));

    editor.InsertarEstrato(0); // antes del primero
    EXPECT_EQ(editor.EstratoActivo(), 1);
    EXPECT_EQ(Estrato(p, 2), (Puntos{{1, 1}}));
    editor.InsertarEstrato(5); // después del último
    EXPECT_EQ(editor.EstratoActivo(), 6);
    EXPECT_EQ(p.NumeroCoordenadasEstrato(6), 0);
    EXPECT_EQ(Estrato(p, 5), (Puntos{{3, 3}, {3, 2}, {3, 1}}));
}

TEST_F(TresEstratos, EliminarElSegundoDejaElPrimeroYElTerceroConSusPropiedades)
{
    editor.Mostrar(ConjuntoEstratos, 2);
    p.DatosGuardados = true;
    editor.EliminarEstratoActivo();
    ASSERT_EQ(p.NumeroDeEstratos(), 2);
    EXPECT_EQ(Estrato(p, 1), (Puntos{{1, 1}}));
    EXPECT_EQ(Estrato(p, 2), (Puntos{{3, 3}, {3, 2}, {3, 1}}));
    ASSERT_EQ(p.CohesionMacizo.Tamano(), 2);
    EXPECT_EQ(p.CohesionMacizo(2), 30.0);
    EXPECT_EQ(p.TipoDeEstrato(2), 3);
    EXPECT_EQ(p.NumeroCoordenadasEstrato.Tamano(), 2);
    EXPECT_EQ(p.EstratosCaracterizados, 2);
    EXPECT_EQ(editor.EstratoActivo(), 2);
    EXPECT_FALSE(p.DatosGuardados);

    // El último: el estrato activo baja al nuevo último; sin estratos, las tablas se descartan.
    editor.EliminarEstratoActivo();
    EXPECT_EQ(editor.EstratoActivo(), 1);
    EXPECT_EQ(p.AbscisasEstratos.Columnas(), 1); // la mayor cantidad que queda
    editor.EliminarEstratoActivo();
    EXPECT_EQ(p.NumeroDeEstratos(), 0);
    EXPECT_TRUE(p.NumeroCoordenadasEstrato.Vacia());
    EXPECT_TRUE(p.AbscisasEstratos.Vacia());
    EXPECT_TRUE(p.CohesionMacizo.Vacia());
    EXPECT_EQ(editor.EstratoActivo(), 1);
}

TEST_F(TresEstratos, EliminarUnEstratoDeRocaMueveSusDatosDeLaboratorio)
{
    p.SueloRoca = Material::Roca;
    p.NumeroPuntosLab = Tabla<Entero16>(3);
    p.Sigma1Lab.Redimensionar(3, 1);
    for (int i = 1; i <= 3; ++i) {
        p.NumeroPuntosLab(i) = 1;
        p.Sigma1Lab(i, 1) = 100.0 * i;
    }
    editor.Mostrar(ConjuntoEstratos, 1);
    editor.EliminarEstratoActivo();
    EXPECT_EQ(p.Sigma1Lab.Filas(), 2);
    EXPECT_EQ(p.Sigma1Lab(1, 1), 200.0);
    EXPECT_EQ(p.Sigma1Lab(2, 1), 300.0);
}

} // namespace
} // namespace vertana
