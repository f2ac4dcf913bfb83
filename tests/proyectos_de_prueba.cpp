#include "proyectos_de_prueba.h"

#include "apoyo/interaccion_guionada.h"
#include "io/archivo_proyecto.h"
#include "io/codigos.h"

#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <numbers>
#include <unistd.h>

namespace vertana::prueba {

Proyecto Leido(const std::string& ruta)
{
    Proyecto p;
    ReiniciarProyecto(p);
    InteraccionGuionada lectura;
    EXPECT_TRUE(LeerProyecto(ruta, p, lectura)) << ruta;
    return p;
}

void FijarPuntos(Tabla<double>& xs, Tabla<double>& ys,
                 const std::vector<std::pair<double, double>>& puntos)
{
    RedimensionarConjunto(xs, ys, static_cast<int>(puntos.size()));
    int k = 1;
    for (const auto& [x, y] : puntos) {
        xs(k) = x;
        ys(k) = y;
        ++k;
    }
}

namespace {

void Estratos(Proyecto& p,
              std::initializer_list<std::initializer_list<std::pair<double, double>>> lineas)
{
    p.NumeroCoordenadasEstrato.Redimensionar(static_cast<int>(lineas.size()));
    int maximo = 0;
    for (const auto& l : lineas)
        maximo = std::max(maximo, static_cast<int>(l.size()));
    p.AbscisasEstratos.Redimensionar(p.NumeroDeEstratos(), maximo);
    p.OrdenadasEstratos.Redimensionar(p.NumeroDeEstratos(), maximo);
    int i = 1;
    for (const auto& l : lineas) {
        p.NumeroCoordenadasEstrato(i) = static_cast<Entero16>(l.size());
        int k = 1;
        for (const auto& [x, y] : l) {
            p.AbscisasEstratos(i, k) = x;
            p.OrdenadasEstratos(i, k) = y;
            ++k;
        }
        ++i;
    }
    p.EstratosCaracterizados = p.NumeroDeEstratos();
    for (Tabla<double>* t :
         {&p.CohesionMacizo, &p.FriccionMacizo, &p.PesoUnitarioHumedo, &p.PesoUnitarioSaturado,
          &p.ParametroPresionIntersticial, &p.CoeficienteConsolidacionVertical,
          &p.TiempoDeConstruccion, &p.ParametroMIntacto, &p.IndiceGSI, &p.ParametroM, &p.ParametroS,
          &p.CompresionSimple})
        t->Redimensionar(p.NumeroDeEstratos());
    p.TipoDeEstrato.Redimensionar(p.NumeroDeEstratos());
    p.RocaCaracterizada = true;
}

void Uniones(Proyecto& p, std::initializer_list<std::tuple<int, int, const char*>> uniones)
{
    p.NumeroTiposDeFalla = static_cast<Entero16>(uniones.size());
    p.PuntoInicialTipoFalla.Redimensionar(p.NumeroTiposDeFalla);
    p.PuntoFinalTipoFalla.Redimensionar(p.NumeroTiposDeFalla);
    p.TipoDeFalla.Redimensionar(p.NumeroTiposDeFalla);
    int d = 1;
    for (const auto& [i, f, t] : uniones) {
        p.PuntoInicialTipoFalla(d) = i;
        p.PuntoFinalTipoFalla(d) = f;
        p.TipoDeFalla(d) = *TipoUnionDeLetra(t);
        ++d;
    }
    p.TiposDeFallaDefinidos = true;
}

Proyecto Base(const std::string& sueloRoca, int metodo)
{
    Proyecto p;
    ReiniciarProyecto(p);
    p.Descripcion = "Presa de tierra El Guapo, sección 3, análisis de estabilidad";
    p.ProgresivaInicial = "1+001.00";
    p.ProgresivaFinal = "1+250.50";
    p.FechaProyecto = "30 / 12/ 1999";
    p.IngResponsable = "Ing. María Pérez";
    p.Empresa = "Ingeniería Ñandú, C.A.";
    p.InformacionIntroducida = true;
    p.SueloRoca = *MaterialDeLetra(sueloRoca);
    p.MetodoDeCalculo = static_cast<Metodo>(metodo);
    p.MultiplicadorLagrange1 = 31.0 / 3.0;
    p.MultiplicadorLagrange2 = 45.125;
    p.FSInicial = 1.2;
    p.EsfuerzoInicialCresta = -0.5;
    p.CoeficienteSismicoHorizontal = 0.15;
    p.CoeficienteSismicoVertical = -0.075;
    p.NumeroDovelas = 25;
    p.ParametrosIntroducidos = true;
    FijarPuntos(p.AbscisasTalud, p.OrdenadasTalud, {{60, 20}, {40, 20}, {20, 10}, {0, 10}});
    return p;
}

void ResultadosPorDovela(Proyecto& p, int dovelas)
{
    p.HayResultados = true;
    p.NumeroPuntosDovelas = static_cast<Entero16>(dovelas + 1);
    int t = 0;
    for (Tabla<double>* tabla :
         {&p.AnchoDovela, &p.AbscisaCentroDovela, &p.OrdenadaCentroDovela, &p.OrdenadaTaludDovela,
          &p.PresionPorosDovela, &p.CohesionDovela, &p.FriccionDovela, &p.ParametroMDovela,
          &p.ParametroSDovela, &p.ExponenteHoekBrownDovela, &p.PesoUnitarioDovela,
          &p.EsfuerzoNormalDovela, &p.EsfuerzoEfectivoDovela, &p.EsfuerzoTangencialDovela,
          &p.EsfuerzoPrincipalMenorDovela, &p.EsfuerzoPrincipalMayorDovela}) {
        ++t;
        tabla->Redimensionar(dovelas);
        for (int k = 1; k <= dovelas; ++k)
            (*tabla)(k) = t + k / 7.0;
    }
    p.SumaEsfuerzosTangenciales = 12.0 / 7.0;
    p.SumaEsfuerzosNormalesTotales = 100.0 / 3.0;
    p.SumaEsfuerzosNormalesEfectivos = 80.0 / 3.0;
    p.SumaEsfuerzosPrincipalesMayores = 1E+20;
    p.SumaEsfuerzosPrincipalesMenores = 1.5E-07;
    p.FactorSeguridadConAnclaje = 1.5;
    p.InclinacionAnclajes = 15;
    p.DiametroAnclajes = 1.25;
    p.EsfuerzoRoturaAnclaje = 17500;
    p.NumeroGuayasObarras = 4;
    p.SeparacionAnclajesActivos = 2.5;
    p.SeparacionAnclajesPasivos = 3.0;
}

} // namespace

Proyecto SueloCirculoUnico()
{
    Proyecto p = Base("S", 2);
    FijarPuntos(p.AbscisasFalla, p.OrdenadasFalla, {{45, 20}, {15, 10}});
    Uniones(p, {{1, 2, "C"}});
    p.RadioCirculoFalla = 25.5;
    p.CentroCirculoXGuardado = 18.0 + 1.0 / 3.0;
    p.CentroCirculoYGuardado = 38.75;
    p.CentroCirculoX = p.CentroCirculoXGuardado;
    p.CentroCirculoY = p.CentroCirculoYGuardado;
    p.VariaElRadioSN = true;
    Estratos(p, {{{60, 0}, {0, 0}}});
    p.CohesionMacizo(1) = 2.9308;
    p.FriccionMacizo(1) = 20;
    p.PesoUnitarioHumedo(1) = 1.9231;
    p.PesoUnitarioSaturado(1) = 2.05;
    p.TipoDeEstrato(1) = 2;
    return p;
}

Proyecto SueloConResultados(int metodo)
{
    Proyecto p = Base("S", metodo);
    FijarPuntos(p.AbscisasFalla, p.OrdenadasFalla,
                {{45, 20}, {38, 14}, {30, 10.5}, {24, 9.6}, {16, 10}});
    Uniones(p, {{1, 2, "L"}, {2, 4, "P"}, {4, 5, "L"}});
    FijarPuntos(p.AbscisasFreatico, p.OrdenadasFreatico, {{60, 15}, {40, 14}, {20, 9.5}, {0, 9.5}});
    Estratos(p, {{{60, 13}, {30, 11}, {0, 9}}, {{60, 0}, {0, 0}}});
    for (int i = 1; i <= 2; ++i) {
        p.CohesionMacizo(i) = 1.5 * i;
        p.FriccionMacizo(i) = 28 + i;
        p.PesoUnitarioHumedo(i) = 1.8;
        p.PesoUnitarioSaturado(i) = 2.0 + 0.1 * i;
        p.TipoDeEstrato(i) = static_cast<Entero16>(i);
        p.ParametroPresionIntersticial(i) = 0.25 * i;
        p.CoeficienteConsolidacionVertical(i) = 1E-03 * i;
        p.TiempoDeConstruccion(i) = 6.0 * i;
    }
    for (auto [t, v] : {std::pair{&p.CargaUniformeXo, 50.0},
                        {&p.CargaUniformeYo, 20.0},
                        {&p.CargaUniformeXf, 58.0},
                        {&p.CargaUniformeYf, 20.0},
                        {&p.CargaUniformeQx, 0.0},
                        {&p.CargaUniformeQy, 2.0 / 3.0}}) {
        t->Redimensionar(1);
        (*t)(1) = v;
    }
    p.CargasUniformesIntroducidas = true;
    for (auto* t : {&p.CargaPuntualX, &p.CargaPuntualY, &p.CargaPuntualPx, &p.CargaPuntualPy}) {
        t->Redimensionar(2);
        (*t)(1) = 44.5;
        (*t)(2) = -3.25;
    }
    p.CargasPuntualesIntroducidas = true;
    p.AbscisaPrimerPuntoGrieta = 45;
    p.OrdenadaPrimerPuntoGrieta = 20;
    p.AbscisaSegundoPuntoGrieta = 45;
    p.OrdenadaSegundoPuntoGrieta = 18.5;
    p.AbscisaNivelFreaticoGrieta = 45;
    p.OrdenadaNivelFreaticoGrieta = 19.25;
    p.AlturaAguaGrieta = 0.5 * 0.75 * 0.75;

    ResultadosPorDovela(p, 3);
    p.NumeroIteraciones = 2;
    p.HistoriaFS.Redimensionar(2);
    p.HistoriaFS(1) = 1.5;
    p.HistoriaFS(2) = 1.0 + std::numbers::pi / 10.0;
    if (metodo == 4) {
        p.ValoresDeHt.Redimensionar(3);
        for (int k = 1; k <= 3; ++k)
            p.ValoresDeHt(k) = k / 3.0;
        p.HayValoresDeHt = true;
    }
    // Tablas propias de otros casos que el archivo de un suelo no lleva.
    p.ParametroMIntacto(1) = 10;
    p.HistoriaMu1Mu2.Redimensionar(2);
    p.HistoriaMu1Mu2(1) = 7;
    return p;
}

Proyecto RocaConResultados(bool instantaneos)
{
    Proyecto p = Base("R", 1);
    p.EsfuerzoInicialCresta = 0;
    FijarPuntos(p.AbscisasFalla, p.OrdenadasFalla, {{38, 20}, {25, 12}, {14, 10}});
    Uniones(p, {{1, 2, "L"}, {2, 3, "L"}});
    Estratos(p, {{{60, 5}, {0, 5}}});
    p.ParametroMIntacto(1) = 10;
    p.IndiceGSI(1) = 50;
    p.ParametroM(1) = 1.677;
    p.ParametroS(1) = 0.003866;
    p.PesoUnitarioHumedo(1) = 2.6;
    p.PesoUnitarioSaturado(1) = 2.7;
    p.CompresionSimple(1) = 1000;
    if (instantaneos) {
        p.UsaParametrosInstantaneos = true;
        p.ParametrosInstantaneosCalculados = true;
        p.DefinicionParametrosInstantaneos = DefinicionInstantaneos::EntrePuntos;
    }
    ResultadosPorDovela(p, 3);
    p.NumeroIteraciones = 2;
    for (Tabla<double>* t : {&p.HistoriaMu1Mu2, &p.HistoriaInversaMu2, &p.HistoriaFS})
        t->Redimensionar(2);
    p.HistoriaMu1Mu2(1) = 25;
    p.HistoriaMu1Mu2(2) = 25.0 + 1.0 / 3.0;
    p.HistoriaInversaMu2(1) = 40;
    p.HistoriaInversaMu2(2) = 39.875;
    p.HistoriaFS(1) = 1.2;
    p.HistoriaFS(2) = 1.3456789012345678;
    // Valores de suelo que el archivo de una roca no lleva.
    p.CohesionMacizo(1) = 41.1;
    p.FriccionMacizo(1) = 31.9;
    return p;
}

Proyecto RocaConLaboratorio()
{
    Proyecto p = Base("R", 4);
    FijarPuntos(p.AbscisasFalla, p.OrdenadasFalla, {{38, 20}, {25, 12}, {14, 10}});
    Uniones(p, {{1, 2, "L"}, {2, 3, "L"}});
    Estratos(p, {{{60, 5}, {0, 5}}, {{60, -5}, {0, -5}}});
    for (int i = 1; i <= 2; ++i) {
        p.ParametroMIntacto(i) = 8 + i;
        p.IndiceGSI(i) = 40 + 5 * i;
        p.ParametroM(i) = 1.5 / i;
        p.ParametroS(i) = 0.002 * i;
        p.PesoUnitarioHumedo(i) = 2.5;
        p.PesoUnitarioSaturado(i) = 2.6;
        p.CompresionSimple(i) = 800 * i;
    }
    p.HayDatosLaboratorio = true;
    p.NumeroPuntosLab.Redimensionar(2);
    p.NumeroPuntosLab(1) = 3;
    p.NumeroPuntosLab(2) = 1;
    p.Sigma1Lab.Redimensionar(2, 3);
    p.Sigma3Lab.Redimensionar(2, 3);
    for (int k = 1; k <= 3; ++k) {
        p.Sigma1Lab(1, k) = 1000.0 * k + 1.0 / 3.0;
        p.Sigma3Lab(1, k) = 50.0 * k;
    }
    p.Sigma1Lab(2, 1) = 2500;
    p.Sigma3Lab(2, 1) = 120;
    return p;
}

void Trasladar(Proyecto& p, double dx, double dy)
{
    auto mover = [](Tabla<double>& t, double d) {
        for (int k = 1; k <= t.Tamano(); ++k)
            t(k) += d;
    };
    mover(p.AbscisasTalud, dx);
    mover(p.OrdenadasTalud, dy);
    mover(p.AbscisasFalla, dx);
    mover(p.OrdenadasFalla, dy);
    mover(p.AbscisasFreatico, dx);
    mover(p.OrdenadasFreatico, dy);
    for (int i = 1; i <= p.AbscisasEstratos.Filas(); ++i)
        for (int j = 1; j <= p.AbscisasEstratos.Columnas(); ++j) {
            p.AbscisasEstratos(i, j) += dx;
            p.OrdenadasEstratos(i, j) += dy;
        }
    mover(p.CargaUniformeXo, dx);
    mover(p.CargaUniformeXf, dx);
    mover(p.CargaUniformeYo, dy);
    mover(p.CargaUniformeYf, dy);
    mover(p.CargaPuntualX, dx);
    mover(p.CargaPuntualY, dy);
    p.AbscisaPrimerPuntoGrieta += dx;
    p.AbscisaSegundoPuntoGrieta += dx;
    p.AbscisaNivelFreaticoGrieta += dx;
    p.OrdenadaPrimerPuntoGrieta += dy;
    p.OrdenadaSegundoPuntoGrieta += dy;
    if (p.OrdenadaNivelFreaticoGrieta > 0.0) p.OrdenadaNivelFreaticoGrieta += dy;
    p.MultiplicadorLagrange1 += dx;
    p.MultiplicadorLagrange2 += dy;
    if (EsCirculoUnico(p)) {
        p.CentroCirculoX += dx;
        p.CentroCirculoY += dy;
        if (p.CentroCirculoYGuardado > 0.0) {
            p.CentroCirculoXGuardado += dx;
            p.CentroCirculoYGuardado += dy;
        }
    }
}

std::string LeerBytes(const std::string& ruta)
{
    std::ifstream f(ruta, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

std::vector<std::string> Lineas(const std::string& contenido)
{
    std::vector<std::string> lineas;
    std::size_t inicio = 0;
    while (inicio < contenido.size()) {
        const std::size_t fin = contenido.find("\r\n", inicio);
        if (fin == std::string::npos) {
            lineas.push_back(contenido.substr(inicio));
            break;
        }
        lineas.push_back(contenido.substr(inicio, fin - inicio));
        inicio = fin + 2;
    }
    return lineas;
}

CarpetaTemporal::CarpetaTemporal()
{
    static std::atomic<int> contador{0};
    raiz_ = (std::filesystem::temp_directory_path() /
             ("vertana-prueba-" + std::to_string(getpid()) + "-" + std::to_string(contador++)))
                .string();
    std::filesystem::remove_all(raiz_);
    std::filesystem::create_directories(raiz_);
}

CarpetaTemporal::~CarpetaTemporal()
{
    std::error_code ec;
    std::filesystem::remove_all(raiz_, ec);
}

std::string CarpetaTemporal::Ruta(const std::string& nombre) const
{
    return (std::filesystem::path(raiz_) / nombre).string();
}

Equilibrio EquilibrioDeResultados(const Proyecto& p, const EstadoCalculo& e)
{
    Equilibrio r;
    const double kh = p.CoeficienteSismicoHorizontal, kv = p.CoeficienteSismicoVertical;
    for (int i = 1; i <= p.NumeroPuntosDovelas - 1; ++i) {
        const double X1 = e.Dovelas.AbscisaBordeDovela(i), X2 = e.Dovelas.AbscisaBordeDovela(i + 1);
        const double Y1 = e.Dovelas.OrdenadaBordeDovela(i),
                     Y2 = e.Dovelas.OrdenadaBordeDovela(i + 1);
        const double b = X1 - X2, m = (Y1 - Y2) / (X1 - X2);
        const double x = p.AbscisaCentroDovela(i), y = p.OrdenadaCentroDovela(i);
        const double t = p.OrdenadaTaludDovela(i);
        const double sigma = p.EsfuerzoNormalDovela(i), tau = p.EsfuerzoTangencialDovela(i);
        const double peso = p.PesoUnitarioDovela(i) * (t - y) * b;
        const double Fx = b * (tau - m * sigma) - kh * peso;
        const double Fy = b * (m * tau + sigma) - (1.0 + kv) * peso;
        r.H += Fx;
        r.V += Fy;
        r.M += x * b * (m * tau + sigma) - y * b * (tau - m * sigma) - x * (1.0 + kv) * peso +
               (t + y) / 2.0 * kh * peso;
        // Cargas uniformes verticales sobre el talud (qy hacia abajo), en el centro de la dovela.
        for (int j = 1; j <= p.NumeroCargasUniformes(); ++j) {
            if (!(p.CargaUniformeXo(j) <= x && x <= p.CargaUniformeXf(j))) continue;
            r.V -= p.CargaUniformeQy(j) * b;
            r.M -= x * p.CargaUniformeQy(j) * b;
        }
    }
    return r;
}

// Las sumas de fuerzas (ton) y de momentos (ton·m) se anulan dentro de la tolerancia de la
// iteración.

} // namespace vertana::prueba
