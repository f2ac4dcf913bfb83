#include "model/validacion.h"

#include "model/textos.h"

#include <algorithm>
#include <cmath>

namespace vertana {

namespace {

constexpr double FriccionMaxima = 90.0;       // grados, excluido: tan φ no existe
constexpr double LimiteSismico = 1.0;         // |kh| < 1, kv > −1
constexpr double MinimoDovelasExcluido = 2.0; // el número de dovelas debe superarlo
constexpr double GSIMaximo = 100.0;
constexpr double ParametroSMaximo = 1.0; // s = 1 en la roca intacta
constexpr Entero16 TipoTerraplen = 1;    // "A"
constexpr Entero16 TipoNatural = 2;      // "B"

bool Finito(double v)
{
    return std::isfinite(v);
}
// v finito y v ≥ 0 (NaN e Inf fallan).
bool NoNegativo(double v)
{
    return Finito(v) && v >= 0.0;
}
bool Positivo(double v)
{
    return Finito(v) && v > 0.0;
}

// Entrada i de una tabla, o nada si la tabla no la tiene.
std::optional<double> Entrada(const Tabla<double>& t, int i)
{
    if (i < 1 || i > t.Tamano()) return std::nullopt;
    return t(i);
}

class Lista {
public:
    explicit Lista(std::vector<ProblemaDeDatos>& destino) : destino_(destino) {}
    void Agregar(const std::string& texto, const std::string& titulo = {})
    {
        destino_.push_back({texto, titulo});
    }

private:
    std::vector<ProblemaDeDatos>& destino_;
};

void ParametrosDeCalculo(const Proyecto& p, Metodo metodo, bool partidaAutomatica, Lista& lista)
{
    const std::string titulo = textos::TituloParametrosIniciales;
    // Con la partida automática el método variacional no usa los valores de partida escritos.
    const bool usaPartida = !(metodo == Metodo::Variacional && partidaAutomatica);
    if (metodo == Metodo::Variacional && usaPartida) {
        if (!Finito(p.MultiplicadorLagrange1))
            lista.Agregar(textos::PrimerMultiplicadorNoNumerico, titulo);
        if (!Finito(p.MultiplicadorLagrange2))
            lista.Agregar(textos::SegundoMultiplicadorNoNumerico, titulo);
    }
    if (usaPartida &&
        (metodo == Metodo::Variacional || metodo == Metodo::Bishop || metodo == Metodo::Janbu)) {
        if (!Finito(p.FSInicial))
            lista.Agregar(textos::FSNoNumerico, titulo);
        else if (!(p.FSInicial > 0.0))
            lista.Agregar(textos::FSNoPositivo, titulo);
    }
    if (metodo == Metodo::Variacional && usaPartida && p.SueloRoca == Material::Suelo &&
        !Finito(p.EsfuerzoInicialCresta))
        lista.Agregar(textos::EsfuerzoInicialNoNumerico, titulo);
    if (EsCirculoUnico(p) && !Finito(p.RadioCirculoFalla))
        lista.Agregar(textos::RadioNoNumerico, titulo);
    if (!Finito(p.CentroCirculoXGuardado) || !Finito(p.CentroCirculoYGuardado) ||
        (EsCirculoUnico(p) && (!Finito(p.CentroCirculoX) || !Finito(p.CentroCirculoY))))
        lista.Agregar(textos::CentroGuardadoNoFinito, titulo);
    if (const auto sismo =
            ProblemaSismo(p.CoeficienteSismicoHorizontal, p.CoeficienteSismicoVertical))
        lista.Agregar(*sismo, titulo);
    if (const auto dovelas = ProblemaNumeroDovelas(p.NumeroDovelas))
        lista.Agregar(*dovelas, titulo);
    // Grieta: cada cuadro con su título, como en Form2.
    const std::pair<double, const char*> grieta[] = {
        {p.AbscisaPrimerPuntoGrieta, textos::TituloAbscisaPrimerPuntoGrieta},
        {p.OrdenadaPrimerPuntoGrieta, textos::TituloOrdenadaPrimerPuntoGrieta},
        {p.AbscisaSegundoPuntoGrieta, textos::TituloAbscisaSegundoPuntoGrieta},
        {p.OrdenadaSegundoPuntoGrieta, textos::TituloOrdenadaSegundoPuntoGrieta},
        {p.AbscisaNivelFreaticoGrieta, textos::TituloAbscisaNivelFreaticoGrieta},
        {p.OrdenadaNivelFreaticoGrieta, textos::TituloOrdenadaNivelFreaticoGrieta},
        // El empuje del agua sale del nivel del agua en la grieta.
        {p.AlturaAguaGrieta, textos::TituloOrdenadaNivelFreaticoGrieta}};
    for (const auto& [valor, tituloGrieta] : grieta)
        if (!Finito(valor)) lista.Agregar(textos::GrietaNoNumerica, tituloGrieta);
}

void EstratosDeSuelo(const Proyecto& p, Lista& lista)
{
    const std::string titulo = textos::TituloCaracteristicasDeLosEstratos;
    const int n = p.NumeroDeEstratos();
    bool algunoResiste = false;
    bool todos = true;
    for (int i = 1; i <= n; ++i) {
        const auto c = Entrada(p.CohesionMacizo, i), fi = Entrada(p.FriccionMacizo, i);
        const auto gh = Entrada(p.PesoUnitarioHumedo, i), gs = Entrada(p.PesoUnitarioSaturado, i);
        const auto b = Entrada(p.ParametroPresionIntersticial, i);
        const auto cv = Entrada(p.CoeficienteConsolidacionVertical, i);
        const auto t = Entrada(p.TiempoDeConstruccion, i);
        if (!c || !fi || !gh || !gs || !b || !cv || !t || i > p.TipoDeEstrato.Tamano()) {
            todos = false; // faltan propiedades: lo dice la preparación
            continue;
        }
        const ValoresEstratoSuelo v{*c, *fi, *gh, *gs, p.TipoDeEstrato(i), *b, *cv, *t};
        if (const auto problema = ProblemaEstratoSuelo(v, i, true))
            lista.Agregar(*problema, titulo);
        if ((Finito(*c) && *c > 0.0) || (Finito(*fi) && *fi > 0.0)) algunoResiste = true;
    }
    if (n > 0 && todos && !algunoResiste) lista.Agregar(textos::EstratosSinResistencia, titulo);
}

void EstratosDeRoca(const Proyecto& p, Lista& lista)
{
    const std::string titulo = textos::TituloCaracteristicasDeLosEstratos;
    for (int i = 1; i <= p.NumeroDeEstratos(); ++i) {
        auto regla = [&](const Tabla<double>& tabla, bool (*cumple)(double),
                         std::string (*mensaje)(int)) {
            const auto v = Entrada(tabla, i);
            if (v && !cumple(*v)) lista.Agregar(mensaje(i), titulo);
        };
        regla(p.ParametroMIntacto, NoNegativo, textos::ParametroMiNoValido);
        regla(
            p.IndiceGSI, [](double v) { return NoNegativo(v) && v <= GSIMaximo; },
            textos::IndiceGSINoValido);
        regla(p.ParametroM, NoNegativo, textos::ParametroMNoValido);
        regla(
            p.ParametroS, [](double v) { return NoNegativo(v) && v <= ParametroSMaximo; },
            textos::ParametroSNoValido);
        regla(p.CompresionSimple, Positivo, textos::CompresionSimpleNoValida);
        regla(p.PesoUnitarioHumedo, Positivo, textos::PesoUnitarioHumedoNoValido);
        regla(p.PesoUnitarioSaturado, Positivo, textos::PesoUnitarioSaturadoNoValido);
        regla(p.CohesionMacizo, NoNegativo, textos::CohesionNoValida);
        regla(
            p.FriccionMacizo, [](double v) { return NoNegativo(v) && v < FriccionMaxima; },
            textos::FriccionNoValida);
    }
}

// Puntos de un conjunto: coordenadas finitas y, si se pide, ninguno igual al anterior.
void Poligonal(const Tabla<double>& xs, const Tabla<double>& ys, int n, const std::string& de,
               bool sinRepetidos, Lista& lista)
{
    n = std::min({n, xs.Tamano(), ys.Tamano()});
    for (int k = 1; k <= n; ++k) {
        if (!Finito(xs(k)) || !Finito(ys(k))) {
            lista.Agregar(textos::CoordenadaNoFinita(k, de), textos::TituloCoordenadas);
            return;
        }
        if (sinRepetidos && k > 1 && xs(k) == xs(k - 1) && ys(k) == ys(k - 1)) {
            lista.Agregar(textos::PuntoRepetido(k, de), textos::TituloCoordenadas);
            return;
        }
    }
}

void Coordenadas(const Proyecto& p, Lista& lista)
{
    Poligonal(p.AbscisasTalud, p.OrdenadasTalud, p.NumeroCoordenadasTalud(),
              textos::DeLaSuperficieDelTalud, true, lista);
    Poligonal(p.AbscisasFalla, p.OrdenadasFalla, p.NumeroCoordenadasFalla(),
              textos::DeLaSuperficieDeFalla, true, lista);
    Poligonal(p.AbscisasFreatico, p.OrdenadasFreatico, p.NumeroCoordenadasFreatico(),
              textos::DelNivelFreatico, false, lista);
    for (int i = 1; i <= p.NumeroDeEstratos(); ++i) {
        if (i > p.AbscisasEstratos.Filas() || i > p.OrdenadasEstratos.Filas()) break;
        const int n = std::min({static_cast<int>(p.NumeroCoordenadasEstrato(i)),
                                p.AbscisasEstratos.Columnas(), p.OrdenadasEstratos.Columnas()});
        for (int j = 1; j <= n; ++j)
            if (!Finito(p.AbscisasEstratos(i, j)) || !Finito(p.OrdenadasEstratos(i, j))) {
                lista.Agregar(textos::CoordenadaNoFinita(j, textos::DeLaLineaDelEstrato(i)),
                              textos::TituloCoordenadas);
                break;
            }
    }
}

void Cargas(const Proyecto& p, Lista& lista)
{
    const Tabla<double>* uniformes[] = {&p.CargaUniformeXo, &p.CargaUniformeYo, &p.CargaUniformeXf,
                                        &p.CargaUniformeYf, &p.CargaUniformeQx, &p.CargaUniformeQy};
    for (int j = 1; j <= p.NumeroCargasUniformes(); ++j)
        for (const Tabla<double>* t : uniformes)
            if (j > t->Tamano() || !Finito((*t)(j))) {
                lista.Agregar(textos::CargaUniformeNoFinita(j), textos::TituloCargas);
                break;
            }
    const Tabla<double>* puntuales[] = {&p.CargaPuntualX, &p.CargaPuntualY, &p.CargaPuntualPx,
                                        &p.CargaPuntualPy};
    for (int j = 1; j <= p.NumeroCargasPuntuales(); ++j)
        for (const Tabla<double>* t : puntuales)
            if (j > t->Tamano() || !Finito((*t)(j))) {
                lista.Agregar(textos::CargaPuntualNoFinita(j), textos::TituloCargas);
                break;
            }
}

} // namespace

std::optional<std::string> ProblemaRangosEstratoSuelo(const ValoresEstratoSuelo& v, int estrato)
{
    if (!NoNegativo(v.Cohesion)) return textos::CohesionNoValida(estrato);
    if (!NoNegativo(v.Friccion) || !(v.Friccion < FriccionMaxima))
        return textos::FriccionNoValida(estrato);
    if (!Positivo(v.PesoHumedo)) return textos::PesoUnitarioHumedoNoValido(estrato);
    if (!Positivo(v.PesoSaturado)) return textos::PesoUnitarioSaturadoNoValido(estrato);
    if (!NoNegativo(v.Consolidacion)) return textos::ConsolidacionNoValida(estrato);
    if (!NoNegativo(v.Tiempo)) return textos::TiempoDeConstruccionNoValido(estrato);
    return std::nullopt;
}

std::optional<std::string> ProblemaEstratoSuelo(const ValoresEstratoSuelo& v, int estrato,
                                                bool nombrarEstrato)
{
    auto deForm5 = [&](const std::string& mensaje) {
        return nombrarEstrato ? textos::EnElEstrato(estrato, mensaje) : mensaje;
    };
    if (v.Tipo != TipoTerraplen && v.Tipo != TipoNatural)
        return deForm5(textos::TipoDeEstratoInvalido);
    if (!Finito(v.ParametroPresion))
        return deForm5(textos::DebeIntroducirNumeroEn(textos::CampoParametroPresion));
    if (v.Tipo == TipoNatural && v.Tiempo != 0.0) return deForm5(textos::NaturalConTiempo);
    if (auto rango = ProblemaRangosEstratoSuelo(v, estrato)) return rango;
    if (v.PesoSaturado < v.PesoHumedo) return deForm5(textos::SaturadoMenorQueHumedo);
    return std::nullopt;
}

std::optional<std::string> ProblemaSismo(double kh, double kv)
{
    if (!Finito(kh)) return std::string(textos::SismicoHorizontalNoNumerico);
    if (!Finito(kv)) return std::string(textos::SismicoVerticalNoNumerico);
    if (!(std::fabs(kh) < LimiteSismico)) return std::string(textos::SismicoHorizontalFueraDeRango);
    if (!(kv > -LimiteSismico)) return std::string(textos::SismicoVerticalFueraDeRango);
    return std::nullopt;
}

std::optional<std::string> ProblemaNumeroDovelas(double n)
{
    if (!Finito(n)) return std::string(textos::DovelasNoNumerico);
    if (n != std::floor(n) || !(n > MinimoDovelasExcluido))
        return std::string(textos::DovelasNoRazonable);
    if (n > MaximoNumeroDovelas) return textos::DemasiadasDovelasPedidas(MaximoNumeroDovelas);
    return std::nullopt;
}

std::vector<ProblemaDeDatos> ProblemasDeDatos(const Proyecto& p, Metodo metodo,
                                              bool partidaAutomatica)
{
    std::vector<ProblemaDeDatos> problemas;
    Lista lista(problemas);
    ParametrosDeCalculo(p, metodo, partidaAutomatica, lista);
    if (p.SueloRoca == Material::Suelo)
        EstratosDeSuelo(p, lista);
    else if (p.SueloRoca == Material::Roca)
        EstratosDeRoca(p, lista);
    Coordenadas(p, lista);
    Cargas(p, lista);
    return problemas;
}

std::optional<ProblemaDeDatos> PrimerProblemaDeDatos(const Proyecto& p, Metodo metodo,
                                                     bool partidaAutomatica)
{
    std::vector<ProblemaDeDatos> problemas = ProblemasDeDatos(p, metodo, partidaAutomatica);
    if (problemas.empty()) return std::nullopt;
    return problemas.front();
}

} // namespace vertana
