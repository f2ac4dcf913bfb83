#include "apoyo/interaccion_guionada.h"
#include "cli/orden_dovelas.h"
#include "cli/ordenes.h"
#include "io/archivo_proyecto.h"
#include "proyectos_de_prueba.h"

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

namespace vertana {
namespace {

const std::string Ejemplos = VERTANA_EJEMPLOS;

nlohmann::json DovelasDe(const std::string& ejemplo)
{
    std::ostringstream salida, errores;
    EXPECT_EQ(EjecutarCli({"dovelas", Ejemplos + "/" + ejemplo, "--json"}, salida, errores),
              SalidaCorrecta)
        << errores.str();
    return nlohmann::json::parse(salida.str());
}

TEST(CliDovelas, EjemploEstratificadoContraElCalculoAMano)
{
    const auto j = DovelasDe("talud_estratificado_janbu.cod");
    // Superficie de x = 45 a x = 16: la suma de anchos es la extensión, 29 m.
    EXPECT_NEAR(j["suma_anchos"].get<double>(), 29.0, 1e-9);
    EXPECT_NEAR(j["extension_horizontal"].get<double>(), 29.0, 1e-12);
    const auto& d = j["dovelas"];
    ASSERT_EQ(d.size(), 21u);

    // Dovela 1, tramo recto (45, 20) → (38, 14): centro x = 44.275,
    // yb = 20 − 0.725·6/7 = 19.378571; talud 20; nivel 14 + 4.275/20 = 14.214 bajo la base:
    // u = 0; estrato 1 (su línea en 11.95): c 1.5, φ 28, γ = γh = 1.8.
    EXPECT_NEAR(d[0]["x_centro"].get<double>(), 44.275, 1e-9);
    EXPECT_NEAR(d[0]["y_base"].get<double>(), 20.0 - 0.725 * 6.0 / 7.0, 1e-9);
    EXPECT_NEAR(d[0]["y_talud"].get<double>(), 20.0, 1e-12);
    EXPECT_EQ(d[0]["estrato"], 1);
    EXPECT_EQ(d[0]["cohesion"].get<double>(), 1.5);
    EXPECT_EQ(d[0]["presion_poros"].get<double>(), 0.0);
    EXPECT_NEAR(d[0]["peso_unitario"].get<double>(), 1.8, 1e-12);

    // Dovela 10, polinomio por (38, 14), (30, 10.5), (24, 9.6), entre el cruce x = 32.016 y
    // 30.566 (w = 29/20 = 1.45), centro x = 31.291:
    //   yb = 14·1.291·7.291/112 + 10.5·(−6.709)·7.291/(−48) + 9.6·(−6.709)·1.291/84 = 10.88694
    //   línea del estrato 1 en 11.08607 > yb → estrato 2 (c 3, φ 32)
    //   talud 10 + 11.291·0.5 = 15.6455; nivel 9.5 + 11.291·0.225 = 12.040475
    //   u = 12.040475 − 10.88694 = 1.15353
    //   γ = (1.8·(15.6455 − 12.040475) + 2.0·(12.040475 − 11.08607) + 2.1·(11.08607 − yb))
    //       /(15.6455 − yb) = 1.85267
    const auto& d10 = d[9];
    EXPECT_NEAR(d10["x_borde_inferior"].get<double>(), d10["x_borde_superior"].get<double>() - 1.45,
                1e-9);
    const double xc = d10["x_centro"].get<double>();
    const double yb = 14 * (xc - 30) * (xc - 24) / 112 + 10.5 * (xc - 38) * (xc - 24) / -48 +
                      9.6 * (xc - 38) * (xc - 30) / 84;
    EXPECT_NEAR(xc, 31.291, 0.001);
    EXPECT_NEAR(d10["y_base"].get<double>(), yb, 1e-9);
    EXPECT_NEAR(yb, 10.887, 0.001);
    EXPECT_EQ(d10["estrato"], 2);
    EXPECT_EQ(d10["cohesion"].get<double>(), 3.0);
    EXPECT_EQ(d10["friccion"].get<double>(), 32.0);
    const double linea1 = 11 + (xc - 30) * 2.0 / 30.0;
    const double yt = 10 + (xc - 20) * 0.5;
    const double nf = 9.5 + (xc - 20) * 0.225;
    EXPECT_NEAR(d10["presion_poros"].get<double>(), nf - yb, 1e-9);
    EXPECT_NEAR(d10["presion_poros"].get<double>(), 1.1535, 0.001);
    EXPECT_NEAR(d10["peso_unitario"].get<double>(),
                (1.8 * (yt - nf) + 2.0 * (nf - linea1) + 2.1 * (linea1 - yb)) / (yt - yb), 1e-9);
    EXPECT_NEAR(d10["peso_unitario"].get<double>(), 1.8527, 0.001);

    // Dovela 21: el resto de la última zona, 16.016/1.45 = 11.045 → 0.066 m; nivel bajo la base.
    EXPECT_NEAR(d[20]["ancho"].get<double>(), 16.016 - 11 * 1.45, 0.001);
    EXPECT_EQ(d[20]["presion_poros"].get<double>(), 0.0);
    EXPECT_NEAR(d[20]["peso_unitario"].get<double>(), 1.9, 1e-12); // estrato 2 seco

    ASSERT_EQ(j["zonas"].size(), 3u);
    EXPECT_NEAR(j["zonas"][1].get<double>(), 32.016, 0.001);
}

TEST(CliDovelas, CirculoUnicoDelEjemploDeBishop)
{
    const auto j = DovelasDe("talud_homogeneo_bishop.cod");
    // Centro guardado (18.288, 27.432), R = 24.384; Δ = 34.4094 → 35 arcos, 36 puntos.
    EXPECT_TRUE(j["circulo_unico"].get<bool>());
    EXPECT_EQ(j["superficie"].size(), 36u);
    EXPECT_EQ(j["circulo"]["xo"].get<double>(), 18.288);
    const auto& d = j["dovelas"];
    ASSERT_EQ(d.size(), 30u);
    EXPECT_NEAR(j["suma_anchos"].get<double>(), 40.8926 - 6.4832, 1e-9);
    // Dovela 1: centro x = 40.8926 − 34.4094/60, yb = 27.432 − √(24.384² − (x − 18.288)²).
    const double x = 40.8926 - 34.4094 / 60.0;
    EXPECT_NEAR(d[0]["x_centro"].get<double>(), x, 1e-9);
    EXPECT_NEAR(d[0]["y_base"].get<double>(),
                27.432 - std::sqrt(24.384 * 24.384 - (x - 18.288) * (x - 18.288)), 1e-9);
    EXPECT_NEAR(d[0]["peso_unitario"].get<double>(), 1.9231, 1e-12);
}

TEST(CliDovelas, TextoYRocaYErrores)
{
    std::ostringstream salida, errores;
    ASSERT_EQ(EjecutarCli({"dovelas", Ejemplos + "/talud_roca_variacional.cod"}, salida, errores),
              SalidaCorrecta)
        << errores.str();
    EXPECT_NE(salida.str().find("Dovelas: 15"), std::string::npos) << salida.str();
    EXPECT_NE(salida.str().find("Suma de anchos: 23.000 m; extensión horizontal: 23.000 m"),
              std::string::npos);

    // Un proyecto cuya preparación se detiene: sale con 3 y el mensaje.
    prueba::CarpetaTemporal carpeta;
    Proyecto p;
    InteraccionGuionada lectura;
    ASSERT_TRUE(LeerProyecto(Ejemplos + "/talud_homogeneo_bishop.cod", p, lectura));
    const auto erroresDe = [&carpeta](Proyecto q) {
        EscribirProyecto(carpeta.Ruta("p.cod"), q);
        std::ostringstream s2, e2;
        EXPECT_EQ(EjecutarCli({"dovelas", carpeta.Ruta("p.cod")}, s2, e2), SalidaPreparacion);
        return e2.str();
    };
    p.NumeroDovelas = 0;
    EXPECT_NE(erroresDe(p).find("El número de dovelas debe ser"), std::string::npos);

    // Un círculo cuyo centro guardado no está a un radio de sus extremos no se divide.
    p.NumeroDovelas = 30;
    p.CentroCirculoXGuardado = p.CentroCirculoX = 40; // el círculo no llega a x = 6.48
    EXPECT_NE(erroresDe(p).find("no llega a la abscisa"), std::string::npos);
}

} // namespace
} // namespace vertana
