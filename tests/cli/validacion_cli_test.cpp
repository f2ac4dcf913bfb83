// La línea de órdenes con datos que un diálogo rechazaría: "resumen" lee el archivo y lista los
// problemas; "calcular" sale con 3 y el mismo mensaje, que nombra el campo y el estrato; la
// razón de un cálculo sin resultados es su último mensaje, nunca el título de un diálogo; un
// chequeo suprimido deja "avisos"; un guardado que falla deja el archivo anterior.
#include "apoyo/fallos_de_disco.h"
#include "cli/interaccion_lote.h"
#include "cli/orden_calcular.h"
#include "cli/ordenes.h"
#include "io/archivo_proyecto.h"
#include "model/textos.h"
#include "proyectos_de_prueba.h"

#include "correr_cli.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace vertana {
namespace {

using prueba::CarpetaTemporal;
using prueba::LeerBytes;

const std::string Caso1 =
    std::string(VERTANA_DATOS_PRUEBA) + "/clasicos/fredlund_krahn_1977_caso1.cod";

using Salida = prueba::SalidaCli;
constexpr auto Correr = prueba::CorrerCli;

bool TerminaCon(const std::string& texto, const std::string& fin)
{
    return texto.size() >= fin.size() &&
           texto.compare(texto.size() - fin.size(), fin.size(), fin) == 0;
}

// El caso 1 con la fricción del estrato en 120° y kh = 5, escrito en la carpeta.
std::string CasoConDatosMalos(const CarpetaTemporal& carpeta)
{
    Proyecto p;
    ReiniciarProyecto(p);
    InteraccionLote lectura;
    EXPECT_TRUE(LeerProyecto(Caso1, p, lectura));
    p.FriccionMacizo(1) = 120.0;
    p.CoeficienteSismicoHorizontal = 5.0;
    const std::string ruta = carpeta.Ruta("malo.cod");
    EscribirProyecto(ruta, p);
    return ruta;
}

TEST(CliValidacion, ResumenListaLosProblemasYCalcularSaleConTres)
{
    CarpetaTemporal carpeta;
    const std::string ruta = CasoConDatosMalos(carpeta);

    const Salida texto = Correr({"resumen", ruta});
    EXPECT_EQ(texto.codigo, SalidaCorrecta);
    EXPECT_NE(texto.salida.find("Problemas de los datos:\n- Parámetros de cálculo iniciales " +
                                std::string(textos::SismicoHorizontalFueraDeRango) +
                                "\n- Características de los estratos " +
                                textos::FriccionNoValida(1) + "\n"),
              std::string::npos)
        << texto.salida;
    const auto json = nlohmann::json::parse(Correr({"resumen", ruta, "--json"}).salida);
    ASSERT_EQ(json["problemas"].size(), 2u);
    EXPECT_EQ(json["problemas"][1]["texto"], textos::FriccionNoValida(1));
    EXPECT_EQ(Correr({"resumen", Caso1}).salida.find("Problemas de los datos: ninguno") ==
                  std::string::npos,
              false);

    for (const char* metodo : {"fellenius", "bishop", "janbu", "variacional"}) {
        const Salida calculo = Correr({"calcular", ruta, "--metodo", metodo});
        EXPECT_EQ(calculo.codigo, SalidaSinResultados) << metodo;
        EXPECT_EQ(calculo.errores, std::string(textos::TituloParametrosIniciales) + " " +
                                       textos::SismicoHorizontalFueraDeRango + "\n")
            << metodo;
        const Salida enJson = Correr({"calcular", ruta, "--metodo", metodo, "--json"});
        EXPECT_EQ(enJson.errores, calculo.errores) << metodo;
    }
}

// Pesos unitarios casi nulos: el método variacional converge a un factor negativo, que no es un
// resultado. La razón es el mensaje del servicio de cálculo, no el título de form9.
TEST(CliValidacion, LaRazonEsElUltimoMensajeNuncaUnDialogo)
{
    CarpetaTemporal carpeta;
    Proyecto p;
    ReiniciarProyecto(p);
    InteraccionLote lectura;
    ASSERT_TRUE(LeerProyecto(Caso1, p, lectura));
    p.MultiplicadorLagrange1 = 24.0;
    p.MultiplicadorLagrange2 = 30.0;
    p.EsfuerzoInicialCresta = -1.0;
    p.PesoUnitarioHumedo(1) = 1e-9;
    p.PesoUnitarioSaturado(1) = 1e-9;
    EscribirProyecto(carpeta.Ruta("ligero.cod"), p);
    const Salida r =
        Correr({"calcular", carpeta.Ruta("ligero.cod"), "--metodo", "variacional", "--json"});
    ASSERT_EQ(r.codigo, SalidaSinResultados) << r.salida;
    const auto json = nlohmann::json::parse(r.salida);
    std::string ultimo;
    for (const auto& m : json["mensajes"])
        if (m.contains("texto"))
            ultimo = m["titulo"].get<std::string>() + " " + m["texto"].get<std::string>();
    EXPECT_EQ(r.errores, ultimo + "\n");
    EXPECT_EQ(r.errores.find(textos::TituloForm9), std::string::npos);
    EXPECT_EQ(r.errores.find(textos::TituloForm13Normales), std::string::npos);
}

TEST(CliValidacion, UnChequeoSuprimidoDejaAvisosEnElJson)
{
    const auto json =
        nlohmann::json::parse(Correr({"calcular", Caso1, "--metodo", "bishop", "--json"}).salida);
    ASSERT_TRUE(json["factor_seguridad"].is_number());
    EXPECT_EQ(json["avisos"], nlohmann::json::array({textos::AvisoEsfuerzoEfectivoSuprimido}));
    const auto fellenius = nlohmann::json::parse(
        Correr({"calcular", Caso1, "--metodo", "fellenius", "--json"}).salida);
    EXPECT_TRUE(fellenius["avisos"].empty());
}

// "reescribir" y "calcular --guardar" sobre un archivo que existe, con el disco lleno o la
// carpeta de sólo lectura: salen con 2 y el mensaje, y el archivo anterior queda.
TEST(CliValidacion, UnGuardadoQueFallaDejaElArchivoAnterior)
{
    CarpetaTemporal carpeta;
    const std::string destino = carpeta.Ruta("destino.cod");
    const std::string anterior = "\"proyecto anterior\"\r\n";
    std::ofstream(destino, std::ios::binary) << anterior;
    const std::vector<std::vector<std::string>> ordenes = {
        {"reescribir", Caso1, destino},
        {"calcular", Caso1, "--metodo", "fellenius", "--guardar", destino}};
    for (const auto& orden : ordenes) {
        Salida r;
        {
            prueba::DiscoLleno lleno(64);
            r = Correr(orden);
        }
        EXPECT_EQ(r.codigo, SalidaArchivo) << orden[0];
        EXPECT_TRUE(TerminaCon(r.errores, "No se pudo escribir el archivo " + destino + "\n"))
            << r.errores;
        EXPECT_EQ(LeerBytes(destino), anterior);
    }
    prueba::CarpetaSoloLectura soloLectura(carpeta.Raiz());
    if (!soloLectura.Activa()) GTEST_SKIP() << "no se pudo quitar el permiso de escritura";
    for (const auto& orden : ordenes) {
        const Salida r = Correr(orden);
        EXPECT_EQ(r.codigo, SalidaArchivo) << orden[0];
        EXPECT_TRUE(TerminaCon(r.errores, "No se pudo crear el archivo " + destino + "\n"))
            << r.errores;
        EXPECT_EQ(LeerBytes(destino), anterior);
    }
}

} // namespace
} // namespace vertana
