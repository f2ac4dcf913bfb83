#include "apoyo/interaccion_guionada.h"
#include "ayuda_dialogos.h"
#include "model/textos.h"
#include "ui/form2.h"

#include <QCoreApplication>
#include <cmath>
#include <gtest/gtest.h>

namespace vertana {
namespace {

using namespace prueba;

// Superficie de falla de dos puntos unidos por un arco, sobre el talud
//   (60,20) (40,20) (20,10) (0,10).
Proyecto ProyectoConCirculo(double x1, double y1, double x2, double y2)
{
    Proyecto p;
    ReiniciarProyecto(p);
    p.AbscisasTalud = TablaDe<double>({60, 40, 20, 0});
    p.OrdenadasTalud = TablaDe<double>({20, 20, 10, 10});
    p.AbscisasFalla = TablaDe({x1, x2});
    p.OrdenadasFalla = TablaDe({y1, y2});
    p.NumeroTiposDeFalla = 1;
    p.PuntoInicialTipoFalla = TablaDe<double>({1});
    p.PuntoFinalTipoFalla = TablaDe<double>({2});
    p.TipoDeFalla = TablaDe<TipoUnion>({TipoUnion::Circular});
    p.TiposDeFallaDefinidos = true;
    return p;
}

// La misma superficie vista como dos tramos rectos (no es un círculo único).
Proyecto ProyectoCompuesto()
{
    Proyecto p = ProyectoConCirculo(45, 20, 15, 10);
    p.TipoDeFalla(1) = TipoUnion::Recta;
    return p;
}

// Bishop en suelos, sin grieta: pasa todas las comprobaciones con la superficie (45,20)-(30,14).
EntradaForm2 EntradaValida()
{
    EntradaForm2 e;
    e.SueloRoca = "S";
    e.MetodoDeCalculo = "2";
    e.MultiplicadorLagrange1 = e.MultiplicadorLagrange2 = " ";
    e.FSInicial = "1.2";
    e.EsfuerzoInicialCresta = "0";
    e.RadioCirculoFalla = "10";
    e.VariaElRadio = "S";
    e.CoeficienteSismicoHorizontal = e.CoeficienteSismicoVertical = "0";
    e.NumeroDovelas = "10";
    e.DefinicionParametrosInstantaneos = "0";
    e.AbscisaPrimerPuntoGrieta = e.OrdenadaPrimerPuntoGrieta = "0";
    e.AbscisaSegundoPuntoGrieta = e.OrdenadaSegundoPuntoGrieta = "0";
    e.AbscisaNivelFreaticoGrieta = e.OrdenadaNivelFreaticoGrieta = "0";
    return e;
}

Fallo Rechazo(const Proyecto& p, const EntradaForm2& e, InteraccionGuionada& ui)
{
    const ResultadoForm2 r = ValidarForm2(p, e, ui);
    return r.fallo.value_or(Fallo{"(aceptado)", {}});
}

TEST(Form2, CadaCuadroQueFallaSeDetieneEnSuMensajeYNoGuardaNada)
{
    Proyecto p = ProyectoConCirculo(45, 20, 30, 14);
    InteraccionGuionada ui;
    Form2 dialogo(p, ui);
    Mostrar(dialogo);
    // Nunca aceptado: todo vacío salvo µ1, µ2 y FS, con un blanco.
    EXPECT_EQ(Leer(dialogo, "TextoMultiplicadorLagrange1"), " ");
    EXPECT_EQ(Leer(dialogo, "TextoFSInicial"), " ");
    EXPECT_EQ(Leer(dialogo, "TextoSueloRoca"), "");
    const Proyecto antes = p;

    struct Paso {
        std::string mensaje;
        const char* titulo;
        const char* cuadro; // se corrige después del rechazo
        const char* texto;
    };
    const Paso pasos[] = {
        {textos::DebeIndicarSueloORoca, "", "TextoSueloRoca", "s"},
        {textos::MetodoNoNumerico, "", "TextoMétodoDeCálculo", "5"},
        {textos::MetodoFueraDeRango, "", "TextoMétodoDeCálculo", "2"},
        {textos::FSNoPositivo, "", "TextoFSInicial", "1.2"},
        {textos::RadioNoPositivo, "", "TextoRadioCírculoFalla", "10x"},
        {textos::RadioNoNumerico, "", "TextoRadioCírculoFalla", "10"},
        {textos::VariaElRadioNoSN, "", "TextoVaríaElRadio", "s"},
        {textos::SismicoHorizontalNoNumerico, "", "TextoCoeficienteSísmicoHorizontal", "-1"},
        {textos::SismicoVerticalNoNumerico, "", "TextoCoeficienteSísmicoVertical", "-1"},
        {textos::DovelasNoNumerico, "", "TextoNúmeroDovelas", "501"},
        // Los rangos de la validación del proyecto: |kh| < 1, kv > −1, a lo sumo 500 dovelas.
        {textos::SismicoHorizontalFueraDeRango, "", "TextoCoeficienteSísmicoHorizontal", "0.1"},
        {textos::SismicoVerticalFueraDeRango, "", "TextoCoeficienteSísmicoVertical", "-0.05"},
        {"El número de dovelas debe ser como máximo 500.", "", "TextoNúmeroDovelas", "12"},
        {textos::GrietaNoNumerica, textos::TituloAbscisaPrimerPuntoGrieta,
         "TextoAbscisaPrimerPuntoGrieta", "0"},
        {textos::GrietaNoNumerica, textos::TituloOrdenadaPrimerPuntoGrieta,
         "TextoOrdenadaPrimerPuntoGrieta", "0"},
        {textos::GrietaNoNumerica, textos::TituloAbscisaSegundoPuntoGrieta,
         "TextoAbscisaSegundoPuntoGrieta", "0"},
        {textos::GrietaNoNumerica, textos::TituloOrdenadaSegundoPuntoGrieta,
         "TextoOrdenadaSegundoPuntoGrieta", "0"},
        {textos::GrietaNoNumerica, textos::TituloAbscisaNivelFreaticoGrieta,
         "TextoAbscisaNivelFreáticoGrieta", "0"},
        {textos::GrietaNoNumerica, textos::TituloOrdenadaNivelFreaticoGrieta,
         "TextoOrdenadaNivelFreáticoGrieta", "0"},
    };
    for (const Paso& paso : pasos) {
        Pulsar(dialogo, "Aceptar");
        const EventoInteraccion ultimo = UltimoMensaje(ui);
        EXPECT_EQ(ultimo.texto, paso.mensaje);
        EXPECT_EQ(ultimo.titulo, paso.titulo);
        EXPECT_EQ(p, antes) << paso.mensaje;
        EXPECT_TRUE(dialogo.isVisible());
        Escribir(dialogo, paso.cuadro, paso.texto);
    }
    const std::size_t mensajes = ui.Mensajes().size();
    Pulsar(dialogo, "Aceptar");
    EXPECT_EQ(ui.Mensajes().size(), mensajes); // sin más mensajes
    EXPECT_FALSE(dialogo.isVisible());
    EXPECT_EQ(dialogo.result(), QDialog::Accepted);
    EXPECT_EQ(p.SueloRoca, Material::Suelo);
    EXPECT_EQ(p.MetodoDeCalculo, Metodo::Bishop);
    EXPECT_DOUBLE_EQ(p.FSInicial, 1.2);
    EXPECT_DOUBLE_EQ(p.CoeficienteSismicoHorizontal, 0.1);
    EXPECT_DOUBLE_EQ(p.CoeficienteSismicoVertical, -0.05);
    EXPECT_DOUBLE_EQ(p.NumeroDovelas, 12);
    EXPECT_EQ(p.VariaElRadioSN, true);
    EXPECT_TRUE(p.VariaElRadio);
    EXPECT_TRUE(p.ParametrosIntroducidos);
    EXPECT_FALSE(p.DatosGuardados);
    EXPECT_TRUE(ui.Cumplido());
}

TEST(Form2, MetodoFrenteAlMaterialYALosParametrosInstantaneos)
{
    const Proyecto p = ProyectoConCirculo(45, 20, 30, 14);
    InteraccionGuionada ui;
    EntradaForm2 e = EntradaValida();

    e.SueloRoca = "r";
    EXPECT_EQ(Rechazo(p, e, ui).texto, textos::BishopNoAplicaEnRoca);
    e.MetodoDeCalculo = "3";
    EXPECT_EQ(Rechazo(p, e, ui).texto, textos::FelleniusNoAplicaEnRoca);
    // Con la opción <3> pasa el primer filtro, pero Fellenius sigue sin aplicar en roca.
    e.DefinicionParametrosInstantaneos = "3";
    EXPECT_EQ(Rechazo(p, e, ui),
              (Fallo{textos::FelleniusNoAplicaEnRocas, textos::TituloParaSuelos}));

    e.SueloRoca = "S";
    EXPECT_EQ(Rechazo(p, e, ui),
              (Fallo{textos::FelleniusSinInstantaneos, textos::TituloParametrosInstantaneosForm2}));
    e.DefinicionParametrosInstantaneos = "7"; // fuera de 1..3: sin parámetros instantáneos
    EXPECT_EQ(Rechazo(p, e, ui).texto, "(aceptado)");
    EXPECT_EQ(ValidarForm2(p, e, ui).valores.DefinicionParametrosInstantaneos,
              DefinicionInstantaneos::SinDefinir);

    e.DefinicionParametrosInstantaneos = "1";
    e.MetodoDeCalculo = "2";
    EXPECT_EQ(Rechazo(p, e, ui).texto, textos::BishopSinInstantaneosCaso1);
    e.MetodoDeCalculo = "4";
    EXPECT_EQ(Rechazo(p, e, ui).texto, textos::JanbuSinInstantaneosCaso1);
    e.DefinicionParametrosInstantaneos = "2";
    EXPECT_EQ(Rechazo(p, e, ui).texto, "(aceptado)");

    // Método 1 en suelos: la respuesta No a la pregunta de los estratos cohesivos detiene.
    e.MetodoDeCalculo = "1";
    e.MultiplicadorLagrange1 = "30";
    e.MultiplicadorLagrange2 = "40";
    ui.EsperarPregunta(textos::PreguntaLeshchinskyCohesivos, false);
    EXPECT_EQ(Rechazo(p, e, ui).texto, textos::UseJanbuOBishop);
    ui.EsperarPregunta(textos::PreguntaLeshchinskyCohesivos, true);
    e.EsfuerzoInicialCresta = "abc";
    EXPECT_EQ(Rechazo(p, e, ui).texto, textos::EsfuerzoInicialNoNumerico);
    EXPECT_TRUE(ui.Cumplido());
}

TEST(Form2, CirculoUnicoConSOXEnVariaElRadio)
{
    // Cuerda de (45,20) a (30,14): √261 = 16.155 m, menor que 2R = 20 m. El centro está sobre la
    // mediatriz, a d = √(R² − c²/4) del punto medio (37.5, 17), del lado de arriba.
    Proyecto p = ProyectoConCirculo(45, 20, 30, 14);
    InteraccionGuionada ui;
    EntradaForm2 e = EntradaValida();
    e.VariaElRadio = "X";
    EXPECT_EQ(Rechazo(p, e, ui).texto, textos::VariaElRadioNoSN);

    e.VariaElRadio = "s";
    const ResultadoForm2 r = ValidarForm2(p, e, ui);
    ASSERT_FALSE(r.fallo);
    AplicarForm2(p, r.valores);
    const double c = std::sqrt(261.0);
    const double d = std::sqrt(100.0 - c * c / 4.0);
    EXPECT_NEAR(p.CuerdaCirculo, c, 1e-12);
    EXPECT_DOUBLE_EQ(p.RadioCirculoFalla, 10.0); // el centro ya queda sobre la corona
    EXPECT_NEAR(p.CentroCirculoX, 37.5 - d * 6.0 / c, 1e-9);
    EXPECT_NEAR(p.CentroCirculoY, 17.0 + d * 15.0 / c, 1e-9);
    EXPECT_EQ(p.CentroCirculoXGuardado, p.CentroCirculoX);
    EXPECT_EQ(p.CentroCirculoYGuardado, p.CentroCirculoY);
    EXPECT_EQ(p.VariaElRadioSN, true);
    EXPECT_TRUE(p.VariaElRadio);
}

TEST(Form2, ElRadioCreceHastaQueElCentroNoQuedeBajoLaCoronaYSeMuestra)
{
    // Corona (10,10), pie (0,0): el centro queda a la altura de la corona cuando R = 10. Desde
    // 7.6 m hacen falta cinco aumentos de 0.5 m: R = 10.1 m.
    Proyecto p = ProyectoConCirculo(10, 10, 0, 0);
    InteraccionGuionada ui;
    Form2 dialogo(p, ui);
    Mostrar(dialogo);
    const EntradaForm2 e = EntradaValida();
    for (auto [cuadro, texto] :
         {std::pair{"TextoSueloRoca", e.SueloRoca},
          {"TextoMétodoDeCálculo", std::string("4")},
          {"TextoFSInicial", e.FSInicial},
          {"TextoRadioCírculoFalla", std::string("7.6")},
          {"TextoCoeficienteSísmicoHorizontal", e.CoeficienteSismicoHorizontal},
          {"TextoCoeficienteSísmicoVertical", e.CoeficienteSismicoVertical},
          {"TextoNúmeroDovelas", e.NumeroDovelas},
          {"TextoAbscisaPrimerPuntoGrieta", std::string("0")},
          {"TextoOrdenadaPrimerPuntoGrieta", std::string("0")},
          {"TextoAbscisaSegundoPuntoGrieta", std::string("0")},
          {"TextoOrdenadaSegundoPuntoGrieta", std::string("0")},
          {"TextoAbscisaNivelFreáticoGrieta", std::string("0")},
          {"TextoOrdenadaNivelFreáticoGrieta", std::string("0")}})
        Escribir(dialogo, cuadro, texto);
    Pulsar(dialogo, "Aceptar");
    ASSERT_TRUE(ui.Mensajes().empty()) << ui.Mensajes().front();
    EXPECT_NEAR(p.RadioCirculoFalla, 10.1, 1e-12);
    EXPECT_GE(p.CentroCirculoY, 10.0);
    EXPECT_NEAR(std::hypot(10 - p.CentroCirculoX, 10 - p.CentroCirculoY), 10.1, 1e-9);
    EXPECT_NEAR(std::hypot(0 - p.CentroCirculoX, 0 - p.CentroCirculoY), 10.1, 1e-9);
    EXPECT_EQ(Leer(dialogo, "TextoRadioCírculoFalla"), "10.1");
    EXPECT_EQ(Leer(dialogo, "TextoDeLaCuerda"), "14.14");
    EXPECT_FALSE(p.VariaElRadioSN.has_value()); // sólo Bishop pregunta si el radio varía
}

TEST(Form2, RadioMenorQueLaMitadDeLaCuerdaMuestraLaCuerda)
{
    // Cuerda de (45,20) a (15,10): √1000 = 31.62 m; un radio de 10 m no alcanza.
    Proyecto p = ProyectoConCirculo(45, 20, 15, 10);
    InteraccionGuionada ui;
    Form2 dialogo(p, ui);
    Mostrar(dialogo);
    const Proyecto antes = p;
    Escribir(dialogo, "TextoSueloRoca", "S");
    Escribir(dialogo, "TextoMétodoDeCálculo", "2");
    Escribir(dialogo, "TextoFSInicial", "1.5");
    Escribir(dialogo, "TextoRadioCírculoFalla", "10");
    Pulsar(dialogo, "Aceptar");
    EXPECT_EQ(UltimoMensaje(ui).texto, textos::RadioMenorQueMediaCuerda);
    EXPECT_EQ(Leer(dialogo, "TextoDeLaCuerda"), "31.62");
    EXPECT_EQ(p, antes);
}

TEST(Form2, SuperficieCompuestaAnulaElRadioYGuardaElCentroDelTalud)
{
    Proyecto p = ProyectoCompuesto();
    p.RadioCirculoFalla = 12.0;
    InteraccionGuionada ui;
    EntradaForm2 e = EntradaValida();
    e.RadioCirculoFalla = "5";
    e.VariaElRadio = "X"; // no se mira: la superficie no es un círculo
    const ResultadoForm2 r = ValidarForm2(p, e, ui);
    ASSERT_FALSE(r.fallo);
    EXPECT_EQ(ui.Mensajes(), std::vector<std::string>{textos::RadioNoSeConsidera});
    AplicarForm2(p, r.valores);
    EXPECT_EQ(p.RadioCirculoFalla, 0.0);
    // Talud de (60,20) a (0,10): (60 − 0)/2 y (20 − 10)/2.
    EXPECT_EQ(p.CentroCirculoXGuardado, 30.0);
    EXPECT_EQ(p.CentroCirculoYGuardado, 5.0);
    EXPECT_EQ(p.CentroCirculoX, 30.0);
    EXPECT_EQ(p.CentroCirculoY, 5.0);
}

TEST(Form2, SuperficieCompuestaNoConservaLaCuerdaDeUnCirculoAnterior)
{
    // La cuerda era de un círculo anterior (30 m): con la superficie compuesta ya no hay cuerda y
    // la próxima activación no avisa del radio (que quedó en 0).
    Proyecto p = ProyectoCompuesto();
    p.CuerdaCirculo = 30.0;
    InteraccionGuionada ui;
    const ResultadoForm2 r = ValidarForm2(p, EntradaValida(), ui);
    ASSERT_FALSE(r.fallo);
    AplicarForm2(p, r.valores);
    EXPECT_EQ(p.CuerdaCirculo, 0.0);
    Form2 dialogo(p, ui);
    Mostrar(dialogo);
    QCoreApplication::processEvents();
    for (const std::string& m : ui.Mensajes())
        EXPECT_NE(m, textos::RadioMenorQueMediaCuerda);
}

TEST(Form2, NumeroDeDovelasEnteroMayorQueDos)
{
    const Proyecto p = ProyectoConCirculo(45, 20, 30, 14);
    InteraccionGuionada ui;
    EntradaForm2 e = EntradaValida();
    for (const char* refusado : {"2", "10.5", "-4"}) {
        e.NumeroDovelas = refusado;
        EXPECT_EQ(Rechazo(p, e, ui).texto, textos::DovelasNoRazonable) << refusado;
    }
    e.NumeroDovelas = "3";
    EXPECT_EQ(Rechazo(p, e, ui).texto, "(aceptado)");
}

TEST(Form2, ComparacionesDeLaGrieta)
{
    // La superficie empieza en (45,20): una grieta de (45,23) a (45,20) con agua a 21.5 m.
    const Proyecto p = ProyectoConCirculo(45, 20, 30, 14);
    InteraccionGuionada ui;
    EntradaForm2 e = EntradaValida();
    auto grieta = [&e](const char* x1, const char* y1, const char* x2, const char* y2,
                       const char* xw, const char* yw) {
        e.AbscisaPrimerPuntoGrieta = x1;
        e.OrdenadaPrimerPuntoGrieta = y1;
        e.AbscisaSegundoPuntoGrieta = x2;
        e.OrdenadaSegundoPuntoGrieta = y2;
        e.AbscisaNivelFreaticoGrieta = xw;
        e.OrdenadaNivelFreaticoGrieta = yw;
    };
    grieta("45", "20", "45", "23", "0", "0"); // segundo punto encima del primero
    EXPECT_EQ(Rechazo(p, e, ui),
              (Fallo{textos::SegundaOrdenadaGrietaMayor, textos::TituloComparacionOrdenadas}));
    grieta("45", "23", "46", "20", "0", "0");
    EXPECT_EQ(Rechazo(p, e, ui),
              (Fallo{textos::SegundaAbscisaGrietaMayor, textos::TituloComparacionAbscisas}));
    grieta("45", "23", "45", "20", "45", "19.5");
    EXPECT_EQ(Rechazo(p, e, ui),
              (Fallo{textos::NivelFreaticoBajoGrieta, textos::TituloComparacionOrdenadas}));
    grieta("45", "23", "45", "20", "45", "20"); // agua en el fondo: pasa
    EXPECT_EQ(Rechazo(p, e, ui).texto, "(aceptado)");
    grieta("45", "23", "45", "20", "45", "23.5");
    EXPECT_EQ(Rechazo(p, e, ui),
              (Fallo{textos::NivelFreaticoSobreGrieta, textos::TituloComparacionOrdenadas}));
    grieta("45", "23", "45", "20", "44.99", "21.5");
    EXPECT_EQ(Rechazo(p, e, ui),
              (Fallo{textos::AbscisaNivelFreaticoGrieta, textos::TituloComparacionAbscisas}));
    grieta("45", "23", "45", "19", "45", "21.5"); // el fondo no está en la superficie de falla
    EXPECT_EQ(Rechazo(p, e, ui), (Fallo{textos::GrietaFueraDeLaFalla, textos::TituloOjoPelao}));

    grieta("45", "23", "45", "20", "45", "21.5");
    const ResultadoForm2 r = ValidarForm2(p, e, ui);
    ASSERT_FALSE(r.fallo);
    EXPECT_DOUBLE_EQ(r.valores.AlturaAguaGrieta, 0.5 * 1.5 * 1.5);
    grieta("0", "0", "0", "0", "0", "0");
    EXPECT_EQ(ValidarForm2(p, e, ui).valores.AlturaAguaGrieta, 0.0);
}

TEST(Form2, LaActivacionCargaLosValoresAceptadosYAvisa)
{
    Proyecto p = ProyectoConCirculo(45, 20, 15, 10);
    p.ParametrosIntroducidos = true;
    p.SueloRoca = Material::Suelo;
    p.MetodoDeCalculo = Metodo::Bishop;
    p.FSInicial = 1.25;
    p.NumeroDovelas = 25;
    p.RadioCirculoFalla = 12.0;
    p.CuerdaCirculo = std::sqrt(1000.0); // mitad 15.81 > 12
    p.VariaElRadioSN = true;
    p.CoeficienteSismicoVertical = -0.075;
    p.TiposDeFallaDefinidos = false;
    InteraccionGuionada ui;
    Form2 dialogo(p, ui);
    Mostrar(dialogo);
    QCoreApplication::processEvents(); // los avisos llegan con el diálogo en pantalla
    EXPECT_EQ(ui.Mensajes(), (std::vector<std::string>{textos::FaltaGeometriaEntrePuntos,
                                                       textos::RadioMenorQueMediaCuerda}));
    EXPECT_EQ(Leer(dialogo, "TextoSueloRoca"), "S");
    EXPECT_EQ(Leer(dialogo, "TextoMétodoDeCálculo"), "2");
    EXPECT_EQ(Leer(dialogo, "TextoFSInicial"), "1.25");
    EXPECT_EQ(Leer(dialogo, "TextoNúmeroDovelas"), "25");
    EXPECT_EQ(Leer(dialogo, "TextoRadioCírculoFalla"), "12");
    EXPECT_EQ(Leer(dialogo, "TextoDeLaCuerda"), "31.62");
    EXPECT_EQ(Leer(dialogo, "TextoVaríaElRadio"), "S");
    EXPECT_EQ(Leer(dialogo, "TextoCoeficienteSísmicoVertical"), "-0.075");
    EXPECT_TRUE(p.VariaElRadio);

    // Salir no guarda nada.
    const Proyecto antes = p;
    Escribir(dialogo, "TextoFSInicial", "3");
    Pulsar(dialogo, "Cancelar");
    EXPECT_FALSE(dialogo.isVisible());
    EXPECT_EQ(p, antes);
}

} // namespace
} // namespace vertana
