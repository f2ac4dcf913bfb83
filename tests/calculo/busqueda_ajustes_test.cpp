// Ajustes de la búsqueda guardados junto al proyecto y la búsqueda en otro hilo.
#include "calculo/busqueda_ajustes.h"
#include "calculo/busqueda_en_segundo_plano.h"
#include "cli/interaccion_lote.h"
#include "io/archivo_proyecto.h"

#include "proyectos_de_prueba.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <thread>

namespace vertana {
namespace {

Proyecto Acads1a()
{
    return prueba::Leido(std::string(VERTANA_DATOS_PRUEBA) + "/busqueda/acads_1a.cod");
}

// ACADS 1(a): talud (70,35)-(50,35)-(30,25)-(20,25), H = 10 m, pie (30, 25), corona (50, 35),
// método 2 (Bishop). A mano: rejilla x 30..50, y 35 + 10/5 = 37 .. 35 + 2·10 = 55, 10 × 10;
// entrada 50 .. min(70, 50 + 15) = 65; salida max(20, 30 − 5) = 25 .. 30 + 20/4 = 35.
TEST(AjustesBusqueda, DePartidaParaLaSeccion)
{
    Proyecto p = Acads1a();
    const AjustesBusqueda a = AjustesPorOmision(p);
    EXPECT_EQ(a.Opciones.Metodo, MetodoBusqueda::Bishop);
    EXPECT_TRUE(a.UsarRejilla);
    EXPECT_FALSE(a.UsarEntradaSalida);
    EXPECT_EQ(a.Rejilla, (RejillaCentros{30.0, 50.0, 10, 37.0, 55.0, 10}));
    EXPECT_EQ(a.Opciones.PuntoDePaso, (Punto2{30.0, 25.0}));
    EXPECT_EQ(a.Opciones.DefinicionRadios, RadiosDeRejilla::Tangentes);
    EXPECT_FALSE(a.Opciones.TangenteYMin);
    EXPECT_EQ(a.EntradaSalida, (TramosEntradaSalida{50.0, 65.0, 25.0, 35.0, 10, 10}));

    // Las opciones de la búsqueda llevan sólo las definiciones marcadas.
    EXPECT_TRUE(a.ParaBuscar().Rejilla);
    EXPECT_FALSE(a.ParaBuscar().EntradaSalida);
    p.MetodoDeCalculo = Metodo::Variacional;
    EXPECT_EQ(AjustesPorOmision(p).Opciones.Metodo, MetodoBusqueda::Bishop);
    p.MetodoDeCalculo = Metodo::Janbu;
    EXPECT_EQ(AjustesPorOmision(p).Opciones.Metodo, MetodoBusqueda::Janbu);
}

TEST(AjustesBusqueda, JsonDeIdaYVueltaYErrores)
{
    AjustesBusqueda a;
    a.Opciones.Metodo = MetodoBusqueda::MorgensternPrice;
    a.Opciones.Radios = 7;
    a.Opciones.DefinicionRadios = RadiosDeRejilla::PorPunto;
    a.Opciones.TangenteYMin = 20.5;
    a.Opciones.TangenteYMax = 30.25;
    a.Opciones.PuntoDePaso = {30.0, 25.0};
    a.Opciones.Refinar = false;
    a.Opciones.NoCircular = true;
    a.Opciones.VerticesNoCircular = 12;
    a.Opciones.ProfundidadMinima = 1.5;
    a.Opciones.AreaMinima = 4.0;
    a.Opciones.Mejores = 15;
    a.UsarRejilla = false;
    a.Rejilla = {1.0, 2.0, 3, 4.0, 5.0, 6};
    a.UsarEntradaSalida = true;
    a.EntradaSalida = {50.0, 60.0, 25.0, 31.0, 4, 4};
    std::string error;
    const auto leido = LeerAjustesBusquedaJson(AjustesBusquedaJson(a), AjustesBusqueda{}, &error);
    ASSERT_TRUE(leido) << error;
    EXPECT_TRUE(*leido == a);

    // Lo que falta queda como en la base; un tipo equivocado o un texto que no es JSON no se leen.
    const auto parcial = LeerAjustesBusquedaJson(R"({"rejilla": {"nx": 4}})", a, &error);
    ASSERT_TRUE(parcial);
    EXPECT_EQ(parcial->Rejilla.NX, 4);
    EXPECT_EQ(parcial->Rejilla.NY, 6);
    EXPECT_EQ(parcial->Opciones.Metodo, MetodoBusqueda::MorgensternPrice);
    EXPECT_FALSE(LeerAjustesBusquedaJson(R"({"rejilla": {"nx": "diez"}})", a, &error));
    EXPECT_EQ(error, "valor no válido en \"nx\"");
    EXPECT_FALSE(LeerAjustesBusquedaJson(R"({"metodo": "sarma"})", a, &error));
    EXPECT_EQ(error, "valor no válido en \"metodo\"");
    EXPECT_FALSE(LeerAjustesBusquedaJson("rejilla = 4", a, &error));

    // El archivo, junto al del proyecto.
    const auto carpeta = std::filesystem::temp_directory_path() / "vertana_ajustes_busqueda";
    std::filesystem::create_directories(carpeta);
    const std::string ruta = RutaAjustesBusqueda((carpeta / "talud.cod").string());
    EXPECT_EQ(ruta, (carpeta / "talud.busqueda.json").string());
    ASSERT_TRUE(EscribirArchivoAjustesBusqueda(ruta, a));
    const auto delArchivo = LeerArchivoAjustesBusqueda(ruta, AjustesBusqueda{}, &error);
    std::filesystem::remove_all(carpeta);
    ASSERT_TRUE(delArchivo) << error;
    EXPECT_TRUE(*delArchivo == a);
    EXPECT_FALSE(LeerArchivoAjustesBusqueda(ruta, a));
}

// En otro hilo la búsqueda da lo mismo que llamada directamente, y cancelada no entrega nada ni
// toca el proyecto de quien la pidió.
TEST(BusquedaEnSegundoPlano, TerminaComoLaDirectaYSeCancela)
{
    const Proyecto original = Acads1a();
    Proyecto p = original;
    OpcionesBusqueda o;
    o.Rejilla = RejillaCentros{20.0, 50.0, 6, 36.0, 60.0, 6};
    o.Radios = 6;
    const ResultadoBusqueda directa = BuscarSuperficieCritica(p, o);
    ASSERT_EQ(directa.Estado, EstadoBusqueda::Hallada);
    {
        BusquedaEnSegundoPlano b(p, o);
        const ResultadoBusqueda& r = b.Resultado();
        EXPECT_TRUE(b.Terminada());
        ASSERT_EQ(r.Estado, EstadoBusqueda::Hallada);
        EXPECT_EQ(r.FactorSeguridad, directa.FactorSeguridad);
        EXPECT_EQ(r.Critica.Puntos, directa.Critica.Puntos);
        EXPECT_EQ(b.Avance().Ensayos, directa.Ensayos);
        EXPECT_STREQ(b.Avance().Etapa, "refinamiento");
    }

    OpcionesBusqueda grande = o;
    grande.Rejilla = RejillaCentros{20.0, 50.0, 60, 36.0, 60.0, 60};
    grande.Radios = 60; // más de 200 000 ensayos: la cancelación llega antes del final
    BusquedaEnSegundoPlano b(p, grande);
    b.Cancelar();
    const ResultadoBusqueda& r = b.Resultado();
    EXPECT_EQ(r.Estado, EstadoBusqueda::Cancelada);
    EXPECT_TRUE(r.Critica.Puntos.empty());
    EXPECT_TRUE(p == original);
    EXPECT_TRUE(b.ProyectoBuscado() == original);

    // Destruirla mientras corre la cancela.
    const auto t0 = std::chrono::steady_clock::now();
    {
        BusquedaEnSegundoPlano sinEsperar(p, grande);
    }
    EXPECT_LT(std::chrono::steady_clock::now() - t0, std::chrono::seconds(30));
}

} // namespace
} // namespace vertana
