// Form10, características de los estratos en macizos rocosos. Valores de referencia (bc):
// mi = 10, GSI = 50: m = 10·e^(−50/28) = 1.676772487518, s = e^(−50/9) = 0.003865920139;
// GSI = 25: s = e^(−75/9) = 0.000240369; σci = 1000 kg/cm2 = 10000 ton/m2:
// c = 9.8·exp((0.0455 − 0.0073·ln 10)·50)·10 = 411.38269791 ton/m2, φ = 11.2 + 9·ln 10 =
// 31.923265837°; mi = 1, GSI = 10: 4.24 − 0.16 − 6 + 0 < 0 → φ = 0.
#include "apoyo/interaccion_guionada.h"
#include "ayuda_dialogos.h"
#include "model/textos.h"
#include "ui/form10.h"
#include "ui/menu_roca.h"
#include "ui/ventana_ayuda.h"
#include "ventana_de_prueba.h"

#include <QTextBrowser>
#include <gtest/gtest.h>

namespace vertana {
namespace {

using namespace prueba;

constexpr char Lista[] = "CaracterísticasEstratosEnRoca";
constexpr const char* Cuadros[] = {"TextoParámetro_m_intacto", "TextoParámetro_GSI",
                                   "TextoParámetro_m",         "TextoParámetro_s",
                                   "TextoPesoUnitarioHúmedo",  "TextoPesoUnitarioSaturado",
                                   "TextoCompresiónSimple"};

// Proyecto de roca con `n` estratos y los parámetros de cálculo aceptados.
Proyecto ProyectoDeRoca(int n)
{
    Proyecto p;
    ReiniciarProyecto(p);
    p.SueloRoca = Material::Roca;
    p.ParametrosIntroducidos = true;
    p.NumeroCoordenadasEstrato.Redimensionar(n);
    return p;
}

// Los n estratos ya caracterizados: mi = 10, GSI = 50, m y s de esos valores, pesos 2.6 y 2.7,
// σci = 1000 · i.
void Caracterizar(Proyecto& p)
{
    const int n = p.NumeroDeEstratos();
    for (Tabla<double>* t : {&p.ParametroMIntacto, &p.IndiceGSI, &p.ParametroM, &p.ParametroS,
                             &p.PesoUnitarioHumedo, &p.PesoUnitarioSaturado, &p.CompresionSimple})
        t->Redimensionar(n);
    for (int i = 1; i <= n; ++i) {
        p.ParametroMIntacto(i) = 10;
        p.IndiceGSI(i) = 50;
        p.ParametroM(i) = 1.676772487518;
        p.ParametroS(i) = 0.003865920139;
        p.PesoUnitarioHumedo(i) = 2.6;
        p.PesoUnitarioSaturado(i) = 2.7;
        p.CompresionSimple(i) = 1000 * i;
    }
    p.RocaCaracterizada = true;
    p.EstratosCaracterizados = static_cast<Entero16>(n);
}

ValoresEstratoRoca Valores(const char* mi, const char* gsi, const char* m = "1.5",
                           const char* s = "0.004")
{
    return {mi, gsi, m, s, "2.6", "2.7", "1000"};
}

void EscribirFila(Form10& dialogo, const ValoresEstratoRoca& v)
{
    for (std::size_t k = 0; k < v.size(); ++k)
        Escribir(dialogo, Cuadros[k], v[k]);
}

TEST(Form10, ComprobacionesDeModificar)
{
    struct Caso {
        ValoresEstratoRoca cuadros;
        ModoMs modo;
        bool laboratorio;
        std::string mensaje;
    };
    const auto con = [](ValoresEstratoRoca v, int dato, const char* texto) {
        v[static_cast<std::size_t>(dato)] = texto;
        return v;
    };
    const ValoresEstratoRoca bien = Valores("10", "50");
    const std::vector<Caso> casos = {
        // Números, en el orden del diálogo.
        {con(bien, DatoGSI, "x"), ModoMs::Escritos, false, textos::GSINoNumerico},
        {con(bien, DatoMIntacto, ""), ModoMs::DesdeGSI, false, textos::MiNoNumerico},
        {con(bien, DatoM, "1,5"), ModoMs::Escritos, false, textos::MNoNumerico},
        {con(bien, DatoS, ""), ModoMs::Escritos, false, textos::SNoNumerico},
        // En el modo del GSI y con m y s de laboratorio, m y s no se leen.
        {con(con(bien, DatoM, ""), DatoS, "?"), ModoMs::DesdeGSI, false, ""},
        {con(con(bien, DatoM, ""), DatoS, "?"), ModoMs::Escritos, true, ""},
        {con(bien, DatoPesoHumedo, "a"), ModoMs::DesdeGSI, false,
         "Debe introducir un número en el peso unitario húmedo"},
        {con(bien, DatoPesoSaturado, ""), ModoMs::Escritos, true,
         "Debe introducir un número en el peso unitario saturado"},
        {con(bien, DatoCompresionSimple, "mil"), ModoMs::Escritos, false,
         textos::CompresionSimpleNoNumerica},
        // mi hace falta en todos los modos (ln mi), después de los demás números.
        {con(con(bien, DatoMIntacto, ""), DatoCompresionSimple, "x"), ModoMs::Escritos, false,
         textos::CompresionSimpleNoNumerica},
        {con(bien, DatoMIntacto, "-"), ModoMs::Escritos, false, textos::MiNoNumerico},
        // Valores con los que el criterio no existe.
        {con(bien, DatoMIntacto, "0"), ModoMs::DesdeGSI, false, textos::MiIntactoNoPositivo},
        {con(bien, DatoGSI, "100.01"), ModoMs::DesdeGSI, false, textos::GSIFueraDeIntervalo},
        {con(bien, DatoGSI, "-5"), ModoMs::Escritos, true, textos::GSIFueraDeIntervalo},
        {con(bien, DatoM, "0"), ModoMs::Escritos, false, textos::ParametroMNoPositivo},
        {con(bien, DatoS, "-0.001"), ModoMs::Escritos, false, textos::ParametroSNegativo},
        {con(bien, DatoCompresionSimple, "0"), ModoMs::Escritos, false,
         textos::CompresionSimpleNoPositiva},
    };
    for (const Caso& c : casos) {
        const ResultadoEstratoRoca r = ComprobarEstratoRoca(c.cuadros, c.modo, c.laboratorio);
        EXPECT_EQ(r.fallo ? r.fallo->texto : std::string(), c.mensaje)
            << c.cuadros[DatoGSI] << " " << c.cuadros[DatoMIntacto];
    }

    // Formatos: GSI con cinco decimales, mi y m con tres, s con cinco, el resto con dos.
    const auto escritos = ComprobarEstratoRoca(
        Valores("10.12345", "50.123456", "1.2345", "0.0038666"), ModoMs::Escritos, false);
    EXPECT_EQ(escritos.celdas, (ValoresEstratoRoca{"10.123", "50.12346", "1.235", "0.00387", "2.60",
                                                   "2.70", "1000.00"}));
    // Modo del GSI: m y s de mi y GSI; GSI 25 conserva s, GSI 24.99 no.
    const auto gsi50 = ComprobarEstratoRoca(Valores("10", "50", "", ""), ModoMs::DesdeGSI, false);
    EXPECT_EQ(gsi50.celdas[DatoM], "1.677");
    EXPECT_EQ(gsi50.celdas[DatoS], "0.00387");
    EXPECT_EQ(ComprobarEstratoRoca(Valores("10", "25"), ModoMs::DesdeGSI, false).celdas[DatoS],
              "0.00024");
    EXPECT_EQ(ComprobarEstratoRoca(Valores("10", "24.99"), ModoMs::DesdeGSI, false).celdas[DatoS],
              "0.00000");
    // Con m y s de laboratorio sus celdas no se tocan.
    const auto lab = ComprobarEstratoRoca(Valores("10", "50"), ModoMs::Escritos, true);
    EXPECT_EQ(lab.celdas[DatoM], "");
    EXPECT_EQ(lab.celdas[DatoS], "");
}

TEST(Form10, ComprobacionesDeAceptar)
{
    const ValoresEstratoRoca llena = {"10.000", "50.00", "1.677", "0.00387",
                                      "2.60",   "2.70",  "10.00"};
    ValoresEstratoRoca sinMs = llena;
    sinMs[DatoM] = sinMs[DatoS] = "";
    ValoresEstratoRoca sinGSI = llena;
    sinGSI[DatoGSI] = "";
    ValoresEstratoRoca miCero = llena;
    miCero[DatoMIntacto] = "0.000";
    ValoresEstratoRoca gsiAlto = sinMs;
    gsiAlto[DatoGSI] = "120.00";

    const std::string titulo = textos::TituloCaracteristicasDeLosEstratos;
    auto texto = [](const std::optional<Fallo>& f) { return f ? f->texto : std::string(); };
    // Modo escrito: las siete celdas.
    EXPECT_EQ(texto(ComprobarFilasRoca({llena, sinMs}, ModoMs::Escritos, false)),
              textos::FaltanDatosEstratos);
    // Modo del GSI y laboratorio: m y s pueden faltar; el mensaje de laboratorio es otro.
    EXPECT_EQ(texto(ComprobarFilasRoca({llena, sinMs}, ModoMs::DesdeGSI, false)), "");
    EXPECT_EQ(texto(ComprobarFilasRoca({sinMs, sinGSI}, ModoMs::Escritos, true)),
              textos::FaltanDatosEstratosLaboratorio);
    EXPECT_EQ(ComprobarFilasRoca({sinGSI}, ModoMs::DesdeGSI, false)->titulo, titulo);
    // Filas completas con valores que no sirven: se nombra el estrato.
    const auto mi = ComprobarFilasRoca({llena, miCero}, ModoMs::Escritos, false);
    EXPECT_EQ(texto(mi), "Estrato 2: " + std::string(textos::MiIntactoNoPositivo));
    EXPECT_EQ(mi->titulo, titulo);
    EXPECT_EQ(texto(ComprobarFilasRoca({gsiAlto}, ModoMs::DesdeGSI, false)),
              "Estrato 1: " + std::string(textos::GSIFueraDeIntervalo));
}

TEST(Form10, PrimeraVezConmYsDeMiYGSI)
{
    Proyecto p = ProyectoDeRoca(3);
    InteraccionGuionada ui;
    ui.EsperarPregunta(textos::PreguntaCalcularMsConGSI, true);
    Form10 dialogo(p, ui, 0);
    Mostrar(dialogo);
    EXPECT_EQ(dialogo.Modo(), ModoMs::DesdeGSI);
    ASSERT_EQ(Filas(dialogo, Lista), 3);
    EXPECT_EQ(Fila(dialogo, Lista, 2), (std::vector<std::string>{"3", "", "", "", "", "", "", ""}));
    EXPECT_FALSE(Control<QLineEdit>(dialogo, "TextoParámetro_m")->isEnabled());

    const std::vector<ValoresEstratoRoca> filas = {
        Valores("10", "50", "", ""), Valores("10", "25", "", ""), Valores("1", "10", "", "")};
    for (int i = 0; i < 3; ++i) {
        PulsarFila(dialogo, Lista, i);
        EscribirFila(dialogo, filas[static_cast<std::size_t>(i)]);
        Pulsar(dialogo, "Modificar");
    }
    EXPECT_EQ(Fila(dialogo, Lista, 0),
              (std::vector<std::string>{"1", "10.000", "50.00000", "1.677", "0.00387", "2.60",
                                        "2.70", "1000.00"}));
    EXPECT_EQ(Fila(dialogo, Lista, 1)[4], "0.00024");
    EXPECT_TRUE(dialogo.Cambiado());

    Pulsar(dialogo, "BotónAceptar");
    EXPECT_FALSE(dialogo.isVisible());
    EXPECT_TRUE(ui.Mensajes().empty()) << ui.Mensajes().front();
    // En el modo del GSI m y s se calculan de nuevo al aceptar, sin el redondeo de la lista.
    EXPECT_NEAR(p.ParametroM(1), 1.676772487518, 1e-12);
    EXPECT_NEAR(p.ParametroS(1), 0.003865920139, 1e-12);
    EXPECT_NEAR(p.ParametroS(2), 0.000240369476, 1e-12);
    EXPECT_EQ(p.ParametroS(3), 0.0); // GSI 10 < 25
    // Cohesión en ton/m2 (σci = 1000 kg/cm2 = 10000 ton/m2) y fricción en grados.
    EXPECT_NEAR(p.CohesionMacizo(1), 411.38269791, 1e-7);
    EXPECT_NEAR(p.FriccionMacizo(1), 31.923265837, 1e-8);
    EXPECT_EQ(p.FriccionMacizo(3), 0.0);
    EXPECT_TRUE(p.RocaCaracterizada);
    EXPECT_TRUE(p.EstratosConCaracteristicas);
    EXPECT_EQ(p.EstratosCaracterizados, 3);
    EXPECT_FALSE(p.MsDeLaboratorio);
    EXPECT_FALSE(p.DatosGuardados);
    EXPECT_TRUE(ui.Cumplido());
}

TEST(Form10, ModoEscritoGuardaLoQueMuestraLaLista)
{
    Proyecto p = ProyectoDeRoca(2);
    Caracterizar(p);
    InteraccionGuionada ui;
    ui.EsperarPregunta(textos::PreguntaLaboratorioConMsDefinidos, false);
    ui.EsperarPregunta(textos::PreguntaRecalcularMsConGSI, false);
    Form10 dialogo(p, ui, 0);
    Mostrar(dialogo);
    EXPECT_EQ(dialogo.Modo(), ModoMs::Escritos);
    // El GSI del proyecto se muestra con dos decimales.
    EXPECT_EQ(Fila(dialogo, Lista, 1),
              (std::vector<std::string>{"2", "10.000", "50.00", "1.677", "0.00387", "2.60", "2.70",
                                        "2000.00"}));
    PulsarFila(dialogo, Lista, 1);
    EXPECT_EQ(Leer(dialogo, "TextoParámetro_s"), "0.00387");
    EXPECT_EQ(Leer(dialogo, "TextoCompresiónSimple"), "2000.00");

    Escribir(dialogo, "TextoParámetro_m", "2.34567");
    Escribir(dialogo, "TextoParámetro_s", "0.0123456");
    Pulsar(dialogo, "Modificar");
    Pulsar(dialogo, "BotónAceptar");
    EXPECT_FALSE(dialogo.isVisible());
    EXPECT_EQ(p.ParametroM(2), 2.346);
    EXPECT_EQ(p.ParametroS(2), 0.01235);
    // La fila 1 no se tocó, pero también se guarda con su redondeo.
    EXPECT_EQ(p.ParametroM(1), 1.677);
    EXPECT_EQ(p.ParametroS(1), 0.00387);
    EXPECT_TRUE(ui.Cumplido());
}

TEST(Form10, RecalcularConGSIYCancelar)
{
    Proyecto p = ProyectoDeRoca(1);
    Caracterizar(p);
    p.ParametroM(1) = 3.0; // escrito antes a mano
    p.ParametroS(1) = 0.1;
    const Proyecto antes = p;
    InteraccionGuionada ui;
    ui.EsperarPregunta(textos::PreguntaLaboratorioConMsDefinidos, false);
    ui.EsperarPregunta(textos::PreguntaRecalcularMsConGSI, true);
    Form10 dialogo(p, ui, 0);
    Mostrar(dialogo);
    EXPECT_EQ(dialogo.Modo(), ModoMs::DesdeGSI);
    EXPECT_EQ(Fila(dialogo, Lista, 0)[3], "1.677");
    EXPECT_EQ(Fila(dialogo, Lista, 0)[4], "0.00387");
    // En el modo del GSI el clic vacía m y s.
    Escribir(dialogo, "TextoParámetro_m", "9");
    PulsarFila(dialogo, Lista, 0);
    EXPECT_EQ(Leer(dialogo, "TextoParámetro_m"), "");

    // Cancelar sin cambios no guarda nada.
    Pulsar(dialogo, "BotónCancelar");
    EXPECT_FALSE(dialogo.isVisible());
    EXPECT_EQ(p, antes);

    // Con una fila modificada, Cancelar pregunta; Sí deja el diálogo abierto.
    ui.EsperarPregunta(textos::PreguntaLaboratorioConMsDefinidos, false);
    ui.EsperarPregunta(textos::PreguntaRecalcularMsConGSI, false);
    Mostrar(dialogo);
    PulsarFila(dialogo, Lista, 0);
    Escribir(dialogo, "TextoParámetro_GSI", "60");
    Pulsar(dialogo, "Modificar");
    ui.EsperarPregunta(textos::PreguntaArchivarEstratos, true);
    Pulsar(dialogo, "BotónCancelar");
    EXPECT_TRUE(dialogo.isVisible());
    ui.EsperarPregunta(textos::PreguntaArchivarEstratos, false);
    Pulsar(dialogo, "BotónCancelar");
    EXPECT_FALSE(dialogo.isVisible());
    EXPECT_EQ(p.IndiceGSI(1), 50);
    EXPECT_TRUE(ui.Cumplido());
}

TEST(Form10, MsDeLaboratorioSeAceptanConSuRedondeo)
{
    Proyecto p = ProyectoDeRoca(2);
    Caracterizar(p);
    InteraccionGuionada ui;
    ui.EsperarPregunta(textos::PreguntaLaboratorioConMsDefinidos, true);
    Form10 dialogo(p, ui, 0);
    int abierto = 0;
    dialogo.AbrirLaboratorio = [&] {
        // Lo que deja Form16 al aceptar un ajuste.
        ++abierto;
        p.ParametroM(1) = 7.87654;
        p.ParametroS(1) = 1.0;
        p.ParametroM(2) = 2.0004;
        p.ParametroS(2) = 0.0000123;
        p.HayDatosLaboratorio = true;
        p.MsDeLaboratorio = true;
    };
    Mostrar(dialogo);
    EXPECT_EQ(abierto, 1);
    // Sin preguntas del GSI; m y s en la lista son los ajustados.
    EXPECT_EQ(Fila(dialogo, Lista, 0)[3], "7.877");
    EXPECT_EQ(Fila(dialogo, Lista, 1)[4], "0.00001");
    EXPECT_FALSE(Control<QLineEdit>(dialogo, "TextoParámetro_s")->isEnabled());

    // El clic no toca m ni s; Modificar no los cambia.
    PulsarFila(dialogo, Lista, 1);
    EXPECT_EQ(Leer(dialogo, "TextoParámetro_m"), "");
    Escribir(dialogo, "TextoParámetro_GSI", "");
    Pulsar(dialogo, "Modificar");
    EXPECT_EQ(UltimoMensaje(ui).texto, textos::GSINoNumerico);
    Escribir(dialogo, "TextoParámetro_GSI", "55");
    Pulsar(dialogo, "Modificar");
    EXPECT_EQ(Fila(dialogo, Lista, 1)[2], "55.00000");
    EXPECT_EQ(Fila(dialogo, Lista, 1)[3], "2.000");

    Pulsar(dialogo, "BotónAceptar");
    EXPECT_FALSE(dialogo.isVisible());
    EXPECT_EQ(p.ParametroM(1), 7.877);
    EXPECT_EQ(p.ParametroS(2), 0.00001);
    EXPECT_EQ(p.IndiceGSI(2), 55);
    EXPECT_FALSE(p.MsDeLaboratorio);
    EXPECT_TRUE(ui.Cumplido());

    // Con datos de laboratorio ya aceptados, la pregunta es otra; No sigue con las del GSI.
    ui.EsperarPregunta(textos::PreguntaLaboratorioNuevamente, false);
    ui.EsperarPregunta(textos::PreguntaRecalcularMsConGSI, false);
    Mostrar(dialogo);
    EXPECT_EQ(abierto, 1);
    EXPECT_TRUE(ui.Cumplido());
}

TEST(Form10, EstratoInsertadoCorreSusDatosYSusParesDeLaboratorio)
{
    // Tres estratos caracterizados con pares de laboratorio; se insertó uno entre el 1 y el 2.
    Proyecto p = ProyectoDeRoca(3);
    Caracterizar(p);
    p.HayDatosLaboratorio = true;
    p.NumeroPuntosLab = TablaDe<Entero16>({2, 3, 2});
    p.Sigma1Lab.Redimensionar(3, 3);
    p.Sigma3Lab.Redimensionar(3, 3);
    for (int i = 1; i <= 3; ++i)
        for (int k = 1; k <= p.NumeroPuntosLab(i); ++k) {
            p.Sigma1Lab(i, k) = 100.0 * i + k;
            p.Sigma3Lab(i, k) = 10.0 * i + k;
        }
    RedimensionarEstratos(p, 4);
    p.EstratoInsertado = true;
    InteraccionGuionada ui;
    ui.EsperarPregunta(textos::PreguntaLaboratorioNuevamente, false);
    ui.EsperarPregunta(textos::PreguntaRecalcularMsConGSI, false);
    Form10 dialogo(p, ui, 1);
    Mostrar(dialogo);
    EXPECT_EQ(Fila(dialogo, Lista, 0)[7], "1000.00");
    EXPECT_EQ(Fila(dialogo, Lista, 1)[7], "");
    EXPECT_EQ(Fila(dialogo, Lista, 2)[7], "2000.00");
    EXPECT_EQ(Fila(dialogo, Lista, 3)[7], "3000.00");
    EXPECT_EQ(p.CompresionSimple(2), 0);
    EXPECT_EQ(p.CompresionSimple(4), 3000);
    EXPECT_FALSE(p.EstratoInsertado);
    // Los pares siguen a su estrato.
    EXPECT_EQ(p.NumeroPuntosLab(2), 0);
    EXPECT_EQ(p.NumeroPuntosLab(3), 3);
    EXPECT_EQ(p.Sigma1Lab(3, 3), 203);
    EXPECT_EQ(p.Sigma3Lab(4, 2), 32);
    EXPECT_EQ(p.Sigma1Lab(2, 1), 0);

    // Aceptar pide los datos del estrato nuevo; Cancelar marca el cambio de estratos.
    Pulsar(dialogo, "BotónAceptar");
    EXPECT_EQ(UltimoMensaje(ui).texto, textos::FaltanDatosEstratos);
    EXPECT_TRUE(dialogo.isVisible());
    Pulsar(dialogo, "BotónCancelar");
    EXPECT_TRUE(p.CambioNumeroEstratos);
    EXPECT_TRUE(ui.Cumplido());
}

TEST(Form10, CondicionesDeLasOrdenesDeRoca)
{
    Proyecto p;
    ReiniciarProyecto(p);
    p.SueloRoca = Material::Suelo; // el suelo se avisa antes que lo que falta
    for (auto condicion : {CondicionRocaSinLaboratorio, CondicionRocaConLaboratorio}) {
        EXPECT_EQ(condicion(p)->titulo, "Esta opción es para ROCAS:");
        EXPECT_EQ(condicion(p)->texto,
                  "Ud ha seleccionado la opción 'Suelos' en los parámetros iniciales");
    }
    p.SueloRoca = Material::Roca;
    EXPECT_EQ(CondicionRocaSinLaboratorio(p)->titulo, "Características de estratos");
    // Con laboratorio, primero hace falta la compresión simple.
    EXPECT_EQ(CondicionRocaConLaboratorio(p)->titulo,
              "Es necesario la resistencia a la compresión simple:");
    EXPECT_EQ(CondicionRocaConLaboratorio(p)->texto,
              "Por favor vaya a la opción 'SIN DATOS DE PRUEBAS DE LABORATORIO' y de los valores "
              "de la resistencia a la compresión simple Y PESOS UNITARIOS ");
    p.RocaCaracterizada = true;
    EXPECT_EQ(CondicionRocaConLaboratorio(p)->titulo, "Características de estratos");
    p.NumeroCoordenadasEstrato.Redimensionar(1);
    p.ParametrosIntroducidos = true;
    EXPECT_FALSE(CondicionRocaSinLaboratorio(p));
    EXPECT_FALSE(CondicionRocaConLaboratorio(p));
}

TEST_F(VentanaDePrueba, LasOrdenesDeRocaEstanHabilitadasYLasDeCalculoEnRocaNo)
{
    for (const char* nombre : {"ParámetrosCaracterizaciónRocaSinLaboratorio",
                               "ParámetrosDeCaracterizaciónRocaConLaboratorio"})
        EXPECT_TRUE(Hijo<QAction>(nombre)->isEnabled()) << nombre;
    for (const char* nombre : {"ProcesoIterativoEnRocas", "MétodoJanbuEnRocas"})
        EXPECT_FALSE(Hijo<QAction>(nombre)->isEnabled()) << nombre;
    p.SueloRoca = Material::Suelo;
    Menu("ParámetrosCaracterizaciónRocaSinLaboratorio");
    EXPECT_EQ(UltimoTitulo(), "Esta opción es para ROCAS:");
    p.SueloRoca = Material::Roca;
    Menu("ParámetrosDeCaracterizaciónRocaConLaboratorio");
    EXPECT_EQ(UltimoTitulo(), "Es necesario la resistencia a la compresión simple:");

    // El manual (F1) explica los dos diálogos.
    const QString manual = VentanaAyuda().Navegador()->toPlainText();
    for (const char* texto : {"Estratos en macizos rocosos", "Sin datos de pruebas de laboratorio",
                              "Con datos de pruebas de laboratorio", "kg/cm2"})
        EXPECT_TRUE(manual.contains(QString::fromUtf8(texto))) << texto;
}

} // namespace
} // namespace vertana
