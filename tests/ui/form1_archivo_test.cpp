// Ventana principal: Nuevo, Abrir, Guardar, Guardar como, Salir y el archivo de geometría.
#include "apoyo/fallos_de_disco.h"
#include "io/archivo_proyecto.h"
#include "model/textos.h"
#include "proyectos_de_prueba.h"
#include "ui/ventana_de_prueba.h"

#include <QDir>
#include <fstream>

namespace vertana {
namespace {

using prueba::CarpetaTemporal;
using prueba::LeerBytes;
using Vistas = std::vector<std::string>;

void EscribirTexto(const std::string& ruta, const std::string& texto)
{
    std::ofstream(ruta, std::ios::binary) << texto;
}

struct ArchivoDesdeVentana : prueba::VentanaDePrueba {
    CarpetaTemporal carpeta;
    std::string rutaAbrir, rutaGuardar;
    int dialogosGuardar = 0;

    void SetUp() override
    {
        ventana.ElegirArchivoAbrir = [this] { return rutaAbrir; };
        ventana.ElegirArchivoGuardar = [this] {
            ++dialogosGuardar;
            return rutaGuardar;
        };
    }

    // Da por aceptados los diálogos que guardar exige (información, características de los
    // estratos, uniones de la falla, parámetros iniciales), como lo harían sus diálogos.
    void AceptarDialogos()
    {
        p.InformacionIntroducida = true;
        p.SueloRoca = Material::Suelo;
        p.MetodoDeCalculo = Metodo::Fellenius;
        p.ParametrosIntroducidos = true;
        p.NumeroTiposDeFalla = 1;
        p.PuntoInicialTipoFalla = prueba::TablaDe<double>({1});
        p.PuntoFinalTipoFalla = prueba::TablaDe<double>({2});
        p.TipoDeFalla = prueba::TablaDe<TipoUnion>({TipoUnion::Recta});
        p.TiposDeFallaDefinidos = true;
        for (Tabla<double>* t : {&p.CohesionMacizo, &p.FriccionMacizo, &p.PesoUnitarioHumedo,
                                 &p.PesoUnitarioSaturado, &p.ParametroPresionIntersticial,
                                 &p.CoeficienteConsolidacionVertical, &p.TiempoDeConstruccion}) {
            *t = Tabla<double>(p.NumeroDeEstratos());
            for (int i = 1; i <= p.NumeroDeEstratos(); ++i)
                (*t)(i) = 1.5 + i;
        }
        p.TipoDeEstrato = Tabla<Entero16>(p.NumeroDeEstratos());
        for (int i = 1; i <= p.NumeroDeEstratos(); ++i)
            p.TipoDeEstrato(i) = 2;
        p.RocaCaracterizada = true;
        p.EstratosCaracterizados = p.NumeroDeEstratos();
    }

    // Talud, superficie de falla, nivel freático y dos estratos escritos en el editor.
    void EscribirSeccion()
    {
        ventana.ElegirPosicionEstrato = [] { return std::optional<int>(1); };
        Agregar(60, 20);
        Agregar(0, 10);
        Agregar("40", "20");
        Agregar("20.125", "10");
        Menu("MenúCoordenadasFalla");
        Agregar(45, 20);
        Agregar(15, 10);
        Menu("MenúCoordenadasFreático");
        Agregar(60, 15);
        Agregar(0, 8);
        Menu("MenúInsertarEstrato");
        Agregar(60, 5);
        Agregar(0, 5);
        Menu("MenúInsertarEstrato");
        Agregar(60, 0);
        Agregar(30, -1.0 / 3.0);
        Agregar(0, 0);
    }
};

TEST_F(ArchivoDesdeVentana, GuardarCompruebaEnOrdenYPreguntaSiNoHayCalculo)
{
    const std::vector<std::pair<std::string, std::string>> esperados = {
        {textos::TituloInformacionAdicional, textos::FaltaInformacionAdicional},
        {textos::TituloCoordenadasTalud, textos::FaltanCoordenadasTalud},
        {textos::TituloEstratosEInsertar, textos::FaltanEstratos},
        {textos::TituloCaracteristicasEstratos, textos::FaltanCaracteristicasEstratos},
        {textos::TituloCoordenadasFalla, textos::FaltanCoordenadasFalla},
        {textos::TituloGeometriaFalla, textos::FaltaGeometriaFalla},
        {textos::TituloParametrosIniciales, textos::FaltanParametrosIniciales},
    };
    // Cada paso cumple la comprobación que acaba de fallar.
    const std::vector<std::function<void()>> cumplir = {
        [&] { p.InformacionIntroducida = true; },
        [&] { Agregar(10, 1); }, // en pantalla: guardar lo tiene en cuenta
        [&] {
            ventana.ElegirPosicionEstrato = [] { return std::optional<int>(0); };
            Menu("MenúInsertarEstrato");
        },
        [&] { p.RocaCaracterizada = true; },
        [&] {
            Menu("MenúCoordenadasFalla");
            Agregar(5, 1);
        },
        [&] { p.TiposDeFallaDefinidos = true; },
        [&] { p.ParametrosIntroducidos = true; },
    };
    for (std::size_t i = 0; i < esperados.size(); ++i) {
        const auto antes = ui.Mensajes().size();
        Menu("MenúArchivoGuardar");
        ASSERT_EQ(ui.Mensajes().size(), antes + 1) << "comprobación " << i + 1;
        EXPECT_EQ(UltimoTitulo(), esperados[i].first);
        EXPECT_EQ(UltimoMensaje(), esperados[i].second);
        cumplir[i]();
    }
    ui.EsperarPregunta("Ud. no ha realizado el cálculo, ¿Desea guardar y luego calcular?", false);
    Menu("MenúArchivoGuardarComo");
    EXPECT_EQ(dialogosGuardar, 0);
    EXPECT_TRUE(ui.Cumplido()) << ::testing::PrintToString(ui.Errores());
}

TEST_F(ArchivoDesdeVentana, GuardarComoPreguntaAntesDeSobreescribirYPoneElTitulo)
{
    EscribirSeccion();
    AceptarDialogos();
    rutaGuardar = carpeta.Ruta("presa.cod");
    EscribirTexto(rutaGuardar, "anterior");

    ui.EsperarPregunta(textos::PreguntaGuardarSinCalcular, true)
        .EsperarPregunta("El archivo ya existe. ¿Desea sobreescribirlo?", false);
    Menu("MenúArchivoGuardarComo");
    EXPECT_EQ(LeerBytes(rutaGuardar), "anterior");
    EXPECT_EQ(ventana.windowTitle(), "[Nuevo proyecto] - Vertana");

    ui.EsperarPregunta(textos::PreguntaGuardarSinCalcular, true)
        .EsperarPregunta(textos::PreguntaSobreescribir, true);
    Menu("MenúArchivoGuardarComo");
    EXPECT_NE(LeerBytes(rutaGuardar), "anterior");
    EXPECT_EQ(ventana.windowTitle(), "presa.cod - Vertana");
    EXPECT_EQ(p.ArchivoActual, rutaGuardar);
    EXPECT_TRUE(p.DatosGuardados);
    EXPECT_EQ(p.NumeroCoordenadasEstrato(2), 3); // el estrato en pantalla se guardó

    // Guardar con archivo actual no abre el diálogo ni pregunta por sobreescribir.
    Agregar(-5, 0);
    EXPECT_FALSE(p.DatosGuardados);
    ui.EsperarPregunta(textos::PreguntaGuardarSinCalcular, true);
    Menu("MenúArchivoGuardar");
    EXPECT_EQ(dialogosGuardar, 2);
    EXPECT_TRUE(p.DatosGuardados);
    EXPECT_EQ(p.NumeroCoordenadasEstrato(2), 4);
    EXPECT_TRUE(ui.Cumplido()) << ::testing::PrintToString(ui.Errores());
}

TEST_F(ArchivoDesdeVentana, UnaFallaAlEscribirSeMuestraYNoDaPorGuardado)
{
    EscribirSeccion();
    AceptarDialogos();
    rutaGuardar = carpeta.Ruta("no_existe/presa.cod");
    ui.EsperarPregunta(textos::PreguntaGuardarSinCalcular, true);
    Menu("MenúArchivoGuardarComo");
    EXPECT_EQ(UltimoMensaje(), "No se pudo crear el archivo " + rutaGuardar);
    EXPECT_FALSE(p.DatosGuardados);
    EXPECT_TRUE(p.ArchivoActual.empty());

    rutaGuardar.clear(); // diálogo cancelado: nada
    const auto mensajes = ui.Mensajes().size();
    ui.EsperarPregunta(textos::PreguntaGuardarSinCalcular, true);
    Menu("MenúArchivoGuardarComo");
    EXPECT_EQ(ui.Mensajes().size(), mensajes);
    EXPECT_TRUE(ui.Cumplido()) << ::testing::PrintToString(ui.Errores());
}

TEST_F(ArchivoDesdeVentana, EscribirGuardarNuevoYAbrirDevuelveLaSeccionIntacta)
{
    EscribirSeccion();
    Hijo<QPlainTextEdit>("TextoProyecto")->setPlainText("Presa El Guapo\nsección 3");
    AceptarDialogos();
    rutaGuardar = carpeta.Ruta("guapo.cod");
    ui.EsperarPregunta(textos::PreguntaGuardarSinCalcular, true);
    Menu("MenúArchivoGuardarComo");
    ASSERT_TRUE(p.DatosGuardados);

    // Se escribieron coordenadas desde el último reinicio: Nuevo pregunta.
    ui.EsperarPregunta("No ha guardado los datos actuales, ¿desea guardarlos?", false);
    Menu("ArchivoNuevo");
    EXPECT_EQ(ventana.windowTitle(), "[Nuevo proyecto] - Vertana");
    EXPECT_EQ(p.NumeroDeEstratos(), 0);
    EXPECT_TRUE(Hijo<QPlainTextEdit>("TextoProyecto")->toPlainText().isEmpty());
    EXPECT_TRUE(Filas().empty());

    rutaAbrir = rutaGuardar;
    Menu("MenúArchivoAbrir");
    EXPECT_EQ(ventana.windowTitle(), "guapo.cod - Vertana");
    EXPECT_EQ(Hijo<QPlainTextEdit>("TextoProyecto")->toPlainText(), "Presa El Guapo sección 3");
    EXPECT_FALSE(p.DatosGuardados);
    EXPECT_TRUE(p.InformacionIntroducida);
    EXPECT_EQ(Filas(), (Vistas{"60.00|20.00", "40.00|20.00", "20.13|10.00", "0.00|10.00"}));
    EXPECT_EQ(p.AbscisasTalud(3), 20.125);
    Menu("MenúCoordenadasFalla");
    EXPECT_EQ(Filas(), (Vistas{"45.00|20.00", "15.00|10.00"}));
    Menu("MenúCoordenadasFreático");
    EXPECT_EQ(Filas(), (Vistas{"60.00|15.00", "0.00|8.00"}));
    Menu("MenúCoordenadasEstratos");
    EXPECT_EQ(ListaEstrato()->count(), 2);
    EXPECT_EQ(Filas(), (Vistas{"60.00|5.00", "0.00|5.00"}));
    ListaEstrato()->setCurrentIndex(1);
    EXPECT_EQ(Filas(), (Vistas{"60.00|0.00", "30.00|-0.33", "0.00|0.00"}));
    EXPECT_EQ(p.OrdenadasEstratos(2, 2), -1.0 / 3.0);
    EXPECT_EQ(p.CohesionMacizo(2), 3.5);
    EXPECT_TRUE(ui.Cumplido()) << ::testing::PrintToString(ui.Errores());
}

TEST_F(ArchivoDesdeVentana, AbrirGuardarYAbrirOtraVezDaElMismoArchivoYElMismoProyecto)
{
    Proyecto original = prueba::SueloConResultados(4);
    rutaAbrir = carpeta.Ruta("original.cod");
    EscribirProyecto(rutaAbrir, original);
    Menu("MenúArchivoAbrir");
    const Proyecto leido = p;

    // Tras abrir, Abrir pregunta aunque nada haya cambiado.
    ui.EsperarPregunta("No ha guardado los datos actuales, ¿desea continuar y abrir otro archivo?",
                       false);
    Menu("MenúArchivoAbrir");
    EXPECT_EQ(ventana.windowTitle(), "original.cod - Vertana");

    rutaGuardar = carpeta.Ruta("copia.cod");
    Menu("MenúArchivoGuardarComo"); // con resultados no pregunta por el cálculo
    EXPECT_EQ(LeerBytes(rutaGuardar), LeerBytes(rutaAbrir));
    EXPECT_TRUE(ProyectoGuardado(p));

    rutaAbrir = rutaGuardar; // guardado: abre sin preguntar
    Menu("MenúArchivoAbrir");
    EXPECT_EQ(ventana.windowTitle(), "copia.cod - Vertana");
    Proyecto segundo = p;
    segundo.ArchivoActual = leido.ArchivoActual;
    EXPECT_TRUE(segundo == leido);
    EXPECT_TRUE(ui.Cumplido()) << ::testing::PrintToString(ui.Errores());
}

TEST_F(ArchivoDesdeVentana, UnArchivoMalEscritoSeAvisaYLaVentanaSigueConLoLeido)
{
    rutaAbrir = carpeta.Ruta("roto.cod");
    EscribirTexto(rutaAbrir, "\"Presa\"\r\n\"a\"\r\n");
    Menu("MenúArchivoAbrir");
    EXPECT_EQ(UltimoMensaje(), "Error leyendo archivo");
    EXPECT_EQ(ventana.windowTitle(), "roto.cod - Vertana");
    EXPECT_EQ(Hijo<QPlainTextEdit>("TextoProyecto")->toPlainText().toStdString(), "Presa");
    EXPECT_FALSE(p.InformacionIntroducida);
    EXPECT_FALSE(p.DatosGuardados);
}

// Tras un guardado que no se pudo hacer (aquí falta la información del proyecto) Nuevo vuelve a
// preguntar; sólo con No descarta el proyecto.
TEST_F(ArchivoDesdeVentana, NuevoConSiIntentaGuardarYSiFallaPreguntaOtraVez)
{
    Agregar(1, 1);
    ui.EsperarPregunta(textos::PreguntaGuardarAntes, true)
        .EsperarPregunta(textos::PreguntaGuardarAntes, false);
    Menu("ArchivoNuevo");
    EXPECT_EQ(UltimoTitulo(), textos::TituloInformacionAdicional);
    EXPECT_TRUE(Filas().empty());
    EXPECT_TRUE(ProyectoGuardado(p));
    Menu("ArchivoNuevo"); // guardado: no pregunta
    EXPECT_TRUE(ui.Cumplido()) << ::testing::PrintToString(ui.Errores());
}

TEST_F(ArchivoDesdeVentana, SalirYElBotonDeCierrePreguntanSoloConCambios)
{
    ventana.close(); // proyecto nuevo: sin pregunta
    EXPECT_TRUE(ui.Eventos().empty());
    Agregar(1, 1);
    ui.EsperarPregunta(textos::PreguntaGuardarAntes, false);
    Menu("MenúArchivoSalir");
    EXPECT_TRUE(ui.Cumplido()) << ::testing::PrintToString(ui.Errores());
}

// Un guardado que falla (carpeta de sólo lectura, disco lleno) muestra el error, deja el archivo
// anterior intacto y el proyecto sin guardar; Nuevo y Salir vuelven a preguntar antes de
// descartarlo.
TEST_F(ArchivoDesdeVentana, UnGuardadoFallidoDejaElArchivoYNuevoOSalirPreguntanDeNuevo)
{
    EscribirSeccion();
    AceptarDialogos();
    rutaGuardar = carpeta.Ruta("presa.cod");
    ui.EsperarPregunta(textos::PreguntaGuardarSinCalcular, true);
    Menu("MenúArchivoGuardarComo");
    ASSERT_TRUE(p.DatosGuardados);
    const std::string anterior = LeerBytes(rutaGuardar);

    Agregar(-5, 0);
    {
        prueba::DiscoLleno lleno(16);
        ui.EsperarPregunta(textos::PreguntaGuardarSinCalcular, true);
        Menu("MenúArchivoGuardar");
    }
    EXPECT_EQ(UltimoMensaje(), "No se pudo escribir el archivo " + rutaGuardar);
    EXPECT_EQ(LeerBytes(rutaGuardar), anterior);
    EXPECT_FALSE(p.DatosGuardados);

    prueba::CarpetaSoloLectura soloLectura(carpeta.Raiz());
    if (!soloLectura.Activa()) GTEST_SKIP() << "no se pudo quitar el permiso de escritura";
    ui.EsperarPregunta(textos::PreguntaGuardarAntes, true)
        .EsperarPregunta(textos::PreguntaGuardarSinCalcular, true)
        .EsperarPregunta(textos::PreguntaSobreescribir, true)
        .EsperarPregunta(textos::PreguntaGuardarAntes, false);
    Menu("ArchivoNuevo");
    EXPECT_EQ(UltimoMensaje(), "No se pudo crear el archivo " + rutaGuardar);
    EXPECT_EQ(LeerBytes(rutaGuardar), anterior);
    EXPECT_EQ(p.NumeroCoordenadasTalud(), 0); // con No, Nuevo sí reinicia

    Agregar(1, 1); // esta vez el guardado no pasa sus comprobaciones (falta la información)
    ui.EsperarPregunta(textos::PreguntaGuardarAntes, true)
        .EsperarPregunta(textos::PreguntaGuardarAntes, false);
    Menu("MenúArchivoSalir");
    EXPECT_EQ(UltimoTitulo(), textos::TituloInformacionAdicional);
    EXPECT_TRUE(ui.Cumplido()) << ::testing::PrintToString(ui.Errores());
}

TEST_F(ArchivoDesdeVentana, LaGeometriaDeArchivoLlenaTaludFreaticoYEstratos)
{
    // Carpeta personal temporal con el archivo de geometría.
    const QByteArray casaAnterior = qgetenv("HOME");
    qputenv("HOME", QByteArray::fromStdString(carpeta.Raiz()));
    QDir(QString::fromStdString(carpeta.Raiz())).mkdir(textos::CarpetaGeometria);
    EscribirTexto(
        carpeta.Ruta(std::string(textos::CarpetaGeometria) + "/" + textos::ArchivoGeometria),
        "2\r\n50,20\r\n0,10\r\n1\r\n50,12\r\n2\r\n2\r\n50,5\r\n0,5\r\n"
        "3\r\n50,0\r\n25,-1\r\n0,0\r\n");

    Menu("MenúCoordenadasFalla");
    Agregar(40, 20); // superficie de falla escrita: no se pierde
    ui.EsperarPregunta(textos::PreguntaCarpetaGeometria, false);
    Menu("MenúCoordenadasTalud_Estratos_Nivelfreático_DeArchivo");
    EXPECT_EQ(p.NumeroCoordenadasTalud(), 0);

    p.DatosGuardados = true;
    ui.EsperarPregunta(textos::PreguntaCarpetaGeometria, true);
    Menu("MenúCoordenadasTalud_Estratos_Nivelfreático_DeArchivo");
    EXPECT_EQ(Etiqueta(), "Coordenadas del talud");
    EXPECT_EQ(Filas(), (Vistas{"50.00|20.00", "0.00|10.00"}));
    EXPECT_EQ(p.NumeroCoordenadasFreatico(), 1);
    EXPECT_EQ(p.EstratosCaracterizados, 2);
    EXPECT_EQ(p.NumeroCoordenadasFalla(), 1);
    EXPECT_TRUE(p.DatosGuardados); // la carga no cuenta como cambio
    EXPECT_EQ(ListaEstrato()->count(), 2);
    Menu("MenúCoordenadasEstratos");
    EXPECT_EQ(Filas(), (Vistas{"50.00|5.00", "0.00|5.00"}));

    // Con talud y estratos, primero pregunta si se reemplazan.
    ui.EsperarPregunta(textos::PreguntaCargarGeometria, false);
    Menu("MenúCoordenadasTalud_Estratos_Nivelfreático_DeArchivo");
    qputenv("HOME", casaAnterior);
    EXPECT_TRUE(ui.Cumplido()) << ::testing::PrintToString(ui.Errores());
}

} // namespace
} // namespace vertana
