#include "output/informe.h"

#include "io/codigos.h"
#include "model/numeros.h"
#include "model/textos.h"

#include <algorithm>
#include <functional>
#include <iterator>
#include <optional>
#include <utility>

namespace vertana {

namespace {

namespace t = textos::informe;

constexpr char FormatoValor[] = "#0.00";       // todo número sin formato propio
constexpr char FormatoEntero[] = "#0";         // números de punto y cantidad de dovelas
constexpr char FormatoFactor[] = "#0.000";     // factor de seguridad final
constexpr char FormatoM[] = "#0.0000";         // m de un macizo rocoso
constexpr char FormatoS[] = "#0.00000";        // s de un macizo rocoso
constexpr int SeparacionDeColumnas = 2;        // celdas en blanco entre dos columnas de una tabla
constexpr int DescripcionEnUnaLinea = 125;     // caracteres que caben en una sola línea
constexpr int CaracteresAntesDelCorte = 100;   // se corta en el primer blanco tras más de éstos
constexpr Entero16 CodigoEstratoTerraplen = 1; // TipoDeEstrato "A"
constexpr Entero16 CodigoEstratoNatural = 2;   // TipoDeEstrato "B"

bool EsContinuacionUtf8(char c)
{
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// Los caracteres de un texto UTF-8, cada uno con sus bytes.
std::vector<std::string> Caracteres(const std::string& texto)
{
    std::vector<std::string> caracteres;
    for (char c : texto) {
        if (EsContinuacionUtf8(c) && !caracteres.empty())
            caracteres.back() += c;
        else
            caracteres.emplace_back(1, c);
    }
    return caracteres;
}

std::string Unir(const std::vector<std::string>& caracteres)
{
    std::string texto;
    for (const std::string& c : caracteres)
        texto += c;
    return texto;
}

// La descripción en líneas: hasta 125 caracteres en una; más larga, cortada en el primer blanco
// después de más de 100 caracteres reunidos (el blanco del corte no se imprime). Los saltos de
// línea cuentan como blancos.
std::vector<std::string> LineasDeDescripcion(const std::string& descripcion)
{
    std::vector<std::string> caracteres = Caracteres(descripcion);
    for (std::string& c : caracteres)
        if (c == "\r" || c == "\n") c = " ";
    if (caracteres.size() <= static_cast<std::size_t>(DescripcionEnUnaLinea))
        return {Unir(caracteres)};
    std::vector<std::string> lineas;
    std::vector<std::string> reunidos;
    for (const std::string& c : caracteres) {
        if (c == " " && reunidos.size() > static_cast<std::size_t>(CaracteresAntesDelCorte)) {
            lineas.push_back(Unir(reunidos));
            reunidos.clear();
        } else {
            reunidos.push_back(c);
        }
    }
    if (!reunidos.empty()) lineas.push_back(Unir(reunidos));
    return lineas;
}

// Una entrada de una tabla del proyecto con su formato; en blanco si la tabla no la tiene.
std::string Valor(const Tabla<double>& tabla, int i, const char* formato = FormatoValor)
{
    return i >= 1 && i <= tabla.Tamano() ? Formato(tabla(i), formato) : std::string();
}

std::string Valor(double valor, const char* formato = FormatoValor)
{
    return Formato(valor, formato);
}

struct TablaInforme {
    std::vector<std::string> Cabeceras;
    std::vector<std::vector<std::string>> Filas;
};

// Escribe el informe línea a línea con el contador de líneas y los saltos de página.
class Redactor {
public:
    Redactor() { pagina_.Numero = 1; }

    // Una línea en la columna del texto (una vacía sólo avanza el contador).
    void Linea(const std::string& texto, EstiloInforme estilo = EstiloInforme::Cuerpo)
    {
        AntesDeEscribir();
        if (!texto.empty()) Poner(ColumnaDeTexto, texto, estilo);
        ++linea_;
    }

    void Lineas(const auto& textos)
    {
        for (const char* texto : textos)
            Linea(texto);
    }

    void LineaEnBlanco() { ++linea_; }

    // Una sección: una línea en blanco y su encabezado.
    void Seccion(const std::string& encabezado)
    {
        LineaEnBlanco();
        Linea(encabezado, EstiloInforme::Encabezado);
    }

    // Una tabla desde la columna del texto: cada columna tan ancha como su texto más largo y
    // alineada a la derecha. Con `repetirCabecera` la fila de cabeceras se escribe otra vez al
    // principio de cada página nueva.
    void EscribirTabla(const TablaInforme& tabla, bool repetirCabecera = false)
    {
        std::vector<int> derecha;
        int columna = ColumnaDeTexto;
        for (std::size_t j = 0; j < tabla.Cabeceras.size(); ++j) {
            int ancho = CeldasDeTexto(tabla.Cabeceras[j]);
            for (const auto& fila : tabla.Filas)
                if (j < fila.size()) ancho = std::max(ancho, CeldasDeTexto(fila[j]));
            if (j > 0) columna += SeparacionDeColumnas;
            columna += ancho;
            derecha.push_back(columna);
        }
        auto escribirFila = [&](const std::vector<std::string>& celdas) {
            AntesDeEscribir();
            for (std::size_t j = 0; j < celdas.size() && j < derecha.size(); ++j)
                if (!celdas[j].empty())
                    Poner(derecha[j] - CeldasDeTexto(celdas[j]), celdas[j], EstiloInforme::Cuerpo);
            ++linea_;
        };
        escribirFila(tabla.Cabeceras);
        if (repetirCabecera) alEmpezarPagina_ = [&] { escribirFila(tabla.Cabeceras); };
        for (const auto& fila : tabla.Filas)
            escribirFila(fila);
        alEmpezarPagina_ = nullptr;
    }

    // Numera la página en curso y sigue en la línea 4 de una nueva.
    void SaltoDePagina()
    {
        NumerarPagina();
        const int siguiente = pagina_.Numero + 1;
        informe_.Paginas.push_back(std::move(pagina_));
        pagina_ = PaginaInforme{};
        pagina_.Numero = siguiente;
        linea_ = LineaInicialDePagina;
        if (alEmpezarPagina_) alEmpezarPagina_();
    }

    Informe Terminar()
    {
        NumerarPagina();
        informe_.Paginas.push_back(std::move(pagina_));
        return std::move(informe_);
    }

private:
    void AntesDeEscribir()
    {
        if (linea_ > UltimaLineaDeTexto) SaltoDePagina();
    }

    void Poner(int columna, const std::string& texto, EstiloInforme estilo)
    {
        pagina_.Textos.push_back({linea_, columna, texto, estilo});
    }

    void NumerarPagina()
    {
        pagina_.Textos.push_back({LineaNumeroDePagina, ColumnaNumeroDePagina,
                                  std::to_string(pagina_.Numero), EstiloInforme::Cuerpo});
    }

    Informe informe_;
    PaginaInforme pagina_;
    int linea_ = LineaInicialDePagina;
    std::function<void()> alEmpezarPagina_;
};

// ---------------------------------------------------------------------------------------------
// Secciones, en el orden del informe.

// 1 y 2. Descripción e información del proyecto.
void Cabecera(Redactor& r, const Proyecto& p)
{
    r.Linea(t::DescripcionDelProyecto, EstiloInforme::Encabezado);
    for (const std::string& linea : LineasDeDescripcion(p.Descripcion))
        r.Linea(linea);
    r.LineaEnBlanco();
    r.Linea(t::ProgresivaInicial + p.ProgresivaInicial);
    r.Linea(t::ProgresivaFinal + p.ProgresivaFinal);
    r.Linea(t::FechaDelProyecto + p.FechaProyecto);
    r.Linea(t::IngResponsable + p.IngResponsable);
    r.Linea(t::EmpresaResponsable + p.Empresa);
}

// 3. La nota del método; ninguna con un código que no es de un método.
std::optional<std::string> NotaDelMetodo(const Proyecto& p)
{
    const bool inst = p.UsaParametrosInstantaneos;
    switch (p.MetodoDeCalculo) {
    case Metodo::Variacional:
        return inst ? t::NotaInstantaneosVariacional : t::NotaVariacional;
    case Metodo::Bishop:
        return inst ? t::NotaInstantaneosBishop : t::NotaBishop;
    case Metodo::Fellenius:
        return t::NotaFellenius;
    case Metodo::Janbu:
        return inst ? t::NotaInstantaneosJanbu : t::NotaJanbu;
    default:
        return std::nullopt;
    }
}

TablaInforme TablaDePuntos(const Tabla<double>& xs, const Tabla<double>& ys)
{
    TablaInforme tabla{{t::ColumnaX, t::ColumnaY}, {}};
    for (int k = 1; k <= std::min(xs.Tamano(), ys.Tamano()); ++k)
        tabla.Filas.push_back({Valor(xs(k)), Valor(ys(k))});
    return tabla;
}

void SeccionDeTabla(Redactor& r, const char* encabezado, const TablaInforme& tabla)
{
    r.Seccion(encabezado);
    if (!tabla.Filas.empty()) r.EscribirTabla(tabla);
}

bool HayGrieta(const Proyecto& p)
{
    return p.AbscisaPrimerPuntoGrieta != 0.0 || p.OrdenadaPrimerPuntoGrieta != 0.0 ||
           p.AbscisaSegundoPuntoGrieta != 0.0 || p.OrdenadaSegundoPuntoGrieta != 0.0;
}

// 4. Coordenadas: talud, superficie de falla, grieta, agua en la grieta, nivel freático y
// estratos.
void Coordenadas(Redactor& r, const Proyecto& p)
{
    SeccionDeTabla(r, t::CoordenadasTalud, TablaDePuntos(p.AbscisasTalud, p.OrdenadasTalud));
    SeccionDeTabla(r, t::CoordenadasFalla, TablaDePuntos(p.AbscisasFalla, p.OrdenadasFalla));
    TablaInforme grieta{{t::ColumnaX, t::ColumnaY}, {}};
    TablaInforme aguaEnGrieta = grieta;
    if (HayGrieta(p)) {
        grieta.Filas = {{Valor(p.AbscisaPrimerPuntoGrieta), Valor(p.OrdenadaPrimerPuntoGrieta)},
                        {Valor(p.AbscisaSegundoPuntoGrieta), Valor(p.OrdenadaSegundoPuntoGrieta)}};
        aguaEnGrieta.Filas = {
            {Valor(p.AbscisaNivelFreaticoGrieta), Valor(p.OrdenadaNivelFreaticoGrieta)}};
    }
    SeccionDeTabla(r, t::CoordenadasGrieta, grieta);
    SeccionDeTabla(r, t::CoordenadasFreaticoGrieta, aguaEnGrieta);
    SeccionDeTabla(r, t::CoordenadasFreatico,
                   TablaDePuntos(p.AbscisasFreatico, p.OrdenadasFreatico));

    r.Seccion(t::CoordenadasEstratos);
    for (int i = 1; i <= p.NumeroDeEstratos(); ++i) {
        r.Linea(t::EstratoNo + std::to_string(i));
        TablaInforme tabla{{t::ColumnaX, t::ColumnaY}, {}};
        const int puntos =
            std::min<int>(p.NumeroCoordenadasEstrato(i), p.AbscisasEstratos.Columnas());
        if (i <= p.AbscisasEstratos.Filas() && i <= p.OrdenadasEstratos.Filas())
            for (int k = 1; k <= puntos && k <= p.OrdenadasEstratos.Columnas(); ++k)
                tabla.Filas.push_back(
                    {Valor(p.AbscisasEstratos(i, k)), Valor(p.OrdenadasEstratos(i, k))});
        r.EscribirTabla(tabla);
    }
}

std::string LetraTipoDeEstrato(const Tabla<Entero16>& tipos, int i)
{
    if (i > tipos.Tamano()) return {};
    if (tipos(i) == CodigoEstratoTerraplen) return t::EstratoTerraplen;
    if (tipos(i) == CodigoEstratoNatural) return t::EstratoNatural;
    return {};
}

// 5. Propiedades de los estratos: las de roca para un macizo rocoso, las de suelo si no.
void Propiedades(Redactor& r, const Proyecto& p)
{
    r.Seccion(t::PropiedadesEstratos);
    if (p.NumeroDeEstratos() == 0) return;
    const bool roca = p.SueloRoca == Material::Roca;
    TablaInforme tabla;
    if (roca) {
        r.Lineas(t::LeyendaEstratosRoca);
        tabla.Cabeceras.assign(std::begin(t::ColumnasEstratosRoca),
                               std::end(t::ColumnasEstratosRoca));
    } else {
        r.Lineas(t::LeyendaEstratosSuelo);
        tabla.Cabeceras.assign(std::begin(t::ColumnasEstratosSuelo),
                               std::end(t::ColumnasEstratosSuelo));
    }
    for (int i = 1; i <= p.NumeroDeEstratos(); ++i) {
        if (roca)
            tabla.Filas.push_back({std::to_string(i), Valor(p.ParametroMIntacto, i),
                                   Valor(p.IndiceGSI, i), Valor(p.ParametroM, i, FormatoM),
                                   Valor(p.ParametroS, i, FormatoS), Valor(p.PesoUnitarioHumedo, i),
                                   Valor(p.PesoUnitarioSaturado, i), Valor(p.CompresionSimple, i)});
        else
            tabla.Filas.push_back(
                {std::to_string(i), Valor(p.CohesionMacizo, i), Valor(p.FriccionMacizo, i),
                 Valor(p.PesoUnitarioHumedo, i), Valor(p.PesoUnitarioSaturado, i),
                 LetraTipoDeEstrato(p.TipoDeEstrato, i), Valor(p.ParametroPresionIntersticial, i),
                 Valor(p.CoeficienteConsolidacionVertical, i), Valor(p.TiempoDeConstruccion, i)});
    }
    r.EscribirTabla(tabla);
}

TablaInforme TablaConCabeceras(const auto& cabeceras)
{
    return {std::vector<std::string>(std::begin(cabeceras), std::end(cabeceras)), {}};
}

// 6 a 9. Parámetros iniciales, círculo, parámetros finales y coeficientes sísmicos.
void Parametros(Redactor& r, const Proyecto& p)
{
    r.Seccion(t::ParametrosIniciales);
    r.Lineas(t::LeyendaParametrosIniciales);
    TablaInforme iniciales = TablaConCabeceras(t::ColumnasParametrosIniciales);
    iniciales.Filas.push_back({Valor(p.MultiplicadorLagrange1), Valor(p.MultiplicadorLagrange2),
                               Valor(p.FSInicial), Valor(p.EsfuerzoInicialCresta),
                               Valor(p.NumeroDovelas, FormatoEntero)});
    r.EscribirTabla(iniciales);

    TablaInforme circulo = TablaConCabeceras(t::ColumnasCirculo);
    if (EsCirculoUnico(p))
        circulo.Filas.push_back(
            {Valor(p.CentroCirculoX), Valor(p.CentroCirculoY), Valor(p.RadioCirculoFalla)});
    SeccionDeTabla(r, t::CirculoDeFalla, circulo);

    // Los multiplicadores finales sólo existen en el método variacional.
    TablaInforme finales = TablaConCabeceras(t::ColumnasParametrosFinales);
    if (const auto fs = FactorDeSeguridadGuardado(p)) {
        const int n = p.NumeroIteraciones;
        const bool multiplicadores = p.MetodoDeCalculo == Metodo::Variacional &&
                                     n <= p.HistoriaMu1Mu2.Tamano() &&
                                     n <= p.HistoriaInversaMu2.Tamano();
        finales.Filas.push_back({multiplicadores ? Valor(p.HistoriaMu1Mu2(n)) : std::string(),
                                 multiplicadores ? Valor(p.HistoriaInversaMu2(n)) : std::string(),
                                 Valor(*fs, FormatoFactor)});
    }
    SeccionDeTabla(r, t::ParametrosFinales, finales);

    r.Seccion(t::CoeficientesSismicos);
    r.Lineas(t::LeyendaSismo);
    TablaInforme sismo = TablaConCabeceras(t::ColumnasSismo);
    sismo.Filas.push_back(
        {Valor(p.CoeficienteSismicoHorizontal), Valor(p.CoeficienteSismicoVertical)});
    r.EscribirTabla(sismo);
}

// 10. Uniones entre los puntos de la superficie de falla.
void Uniones(Redactor& r, const Proyecto& p)
{
    r.Seccion(t::TipoDeFalla);
    const int n =
        std::min({static_cast<int>(p.NumeroTiposDeFalla), p.PuntoInicialTipoFalla.Tamano(),
                  p.PuntoFinalTipoFalla.Tamano(), p.TipoDeFalla.Tamano()});
    if (n <= 0) return;
    r.Lineas(t::ExplicacionTipoDeFalla);
    TablaInforme tabla = TablaConCabeceras(t::ColumnasTipoDeFalla);
    for (int d = 1; d <= n; ++d)
        tabla.Filas.push_back({Valor(p.PuntoInicialTipoFalla(d), FormatoEntero),
                               Valor(p.PuntoFinalTipoFalla(d), FormatoEntero),
                               LetraDeTipoUnion(p.TipoDeFalla(d))});
    r.EscribirTabla(tabla);
}

// 11 y 12. Cargas uniformes y puntuales.
void Cargas(Redactor& r, const Proyecto& p)
{
    r.Seccion(t::CargasUniformes);
    if (p.NumeroCargasUniformes() > 0) {
        r.Lineas(t::LeyendaCargasUniformes);
        TablaInforme tabla = TablaConCabeceras(t::ColumnasCargasUniformes);
        for (int k = 1; k <= p.NumeroCargasUniformes(); ++k)
            tabla.Filas.push_back({Valor(p.CargaUniformeXo, k), Valor(p.CargaUniformeYo, k),
                                   Valor(p.CargaUniformeXf, k), Valor(p.CargaUniformeYf, k),
                                   Valor(p.CargaUniformeQx, k), Valor(p.CargaUniformeQy, k)});
        r.EscribirTabla(tabla);
    }
    r.Seccion(t::CargasPuntuales);
    if (p.NumeroCargasPuntuales() > 0) {
        r.Lineas(t::LeyendaCargasPuntuales);
        TablaInforme tabla = TablaConCabeceras(t::ColumnasCargasPuntuales);
        for (int k = 1; k <= p.NumeroCargasPuntuales(); ++k)
            tabla.Filas.push_back({Valor(p.CargaPuntualX, k), Valor(p.CargaPuntualY, k),
                                   Valor(p.CargaPuntualPx, k), Valor(p.CargaPuntualPy, k)});
        r.EscribirTabla(tabla);
    }
}

int DovelasConResultados(const Proyecto& p)
{
    return p.HayResultados && p.NumeroPuntosDovelas > 1 ? p.NumeroPuntosDovelas - 1 : 0;
}

// 13 y 14. Tabla de dovelas (su cabecera se repite en cada página) y sumas de los esfuerzos.
void Dovelas(Redactor& r, const Proyecto& p)
{
    r.Seccion(t::Dovelas);
    const int nd = DovelasConResultados(p);
    const bool roca = p.SueloRoca == Material::Roca;
    if (nd > 0) {
        r.Lineas(t::LeyendaDovelasComun);
        if (roca) r.Linea(t::LeyendaDovelasRocaMs);
        r.Linea(t::LeyendaDovelasCohesion);
        r.Lineas(t::LeyendaDovelasEsfuerzos);
        if (roca) r.Lineas(t::LeyendaDovelasPrincipales);
        TablaInforme tabla = roca ? TablaConCabeceras(t::ColumnasDovelasRoca)
                                  : TablaConCabeceras(t::ColumnasDovelasSuelo);
        for (int s = 1; s <= nd; ++s) {
            std::vector<std::string> fila = {
                std::to_string(s),
                Valor(p.AnchoDovela, s),
                Valor(p.AbscisaCentroDovela, s),
                Valor(p.OrdenadaCentroDovela, s),
                Valor(p.OrdenadaTaludDovela, s),
                Valor(p.PresionPorosDovela, s),
            };
            if (roca) {
                fila.push_back(Valor(p.ParametroMDovela, s, FormatoM));
                fila.push_back(Valor(p.ParametroSDovela, s, FormatoS));
            }
            for (const Tabla<double>* tabla_ :
                 {&p.CohesionDovela, &p.FriccionDovela, &p.PesoUnitarioDovela,
                  &p.EsfuerzoNormalDovela, &p.EsfuerzoEfectivoDovela, &p.EsfuerzoTangencialDovela})
                fila.push_back(Valor(*tabla_, s));
            if (roca) {
                fila.push_back(Valor(p.EsfuerzoPrincipalMenorDovela, s));
                fila.push_back(Valor(p.EsfuerzoPrincipalMayorDovela, s));
            }
            tabla.Filas.push_back(std::move(fila));
        }
        r.EscribirTabla(tabla, true);
    }

    TablaInforme sumas = TablaConCabeceras(t::ColumnasSumas);
    if (p.HayResultados)
        sumas.Filas.push_back(
            {Valor(p.SumaEsfuerzosNormalesTotales), Valor(p.SumaEsfuerzosNormalesEfectivos),
             Valor(p.SumaEsfuerzosTangenciales), Valor(p.SumaEsfuerzosPrincipalesMenores),
             Valor(p.SumaEsfuerzosPrincipalesMayores)});
    SeccionDeTabla(r, t::SumaEsfuerzos, sumas);
}

// 15. Anclajes, en una página propia, sólo con un (FS)a positivo.
void Anclajes(Redactor& r, const Proyecto& p)
{
    if (!(p.FactorSeguridadConAnclaje > 0.0)) return;
    r.SaltoDePagina();
    r.Linea(t::Anclajes, EstiloInforme::Encabezado);
    r.Lineas(t::LeyendaAnclajes);
    TablaInforme tabla = TablaConCabeceras(t::ColumnasAnclajes);
    tabla.Filas.push_back({Valor(p.FactorSeguridadConAnclaje), Valor(p.InclinacionAnclajes),
                           Valor(p.DiametroAnclajes), Valor(p.EsfuerzoRoturaAnclaje),
                           Valor(p.NumeroGuayasObarras), Valor(p.SeparacionAnclajesActivos),
                           Valor(p.SeparacionAnclajesPasivos)});
    r.EscribirTabla(tabla);
}

} // namespace

Informe GenerarInforme(const Proyecto& p)
{
    Redactor r;
    Cabecera(r, p);
    if (const auto nota = NotaDelMetodo(p)) {
        r.LineaEnBlanco();
        r.Linea(*nota);
    }
    Coordenadas(r, p);
    Propiedades(r, p);
    Parametros(r, p);
    Uniones(r, p);
    Cargas(r, p);
    Dovelas(r, p);
    Anclajes(r, p);
    return r.Terminar();
}

int CeldasDeTexto(const std::string& texto)
{
    return static_cast<int>(
        std::count_if(texto.begin(), texto.end(), [](char c) { return !EsContinuacionUtf8(c); }));
}

std::vector<std::string> FilasDePagina(const PaginaInforme& pagina)
{
    // Cada fila como celdas de un carácter; un texto posterior cubre al anterior.
    std::vector<std::vector<std::string>> celdas(LineasPorPagina);
    for (const TextoInforme& texto : pagina.Textos) {
        if (texto.Linea < 0 || texto.Linea >= LineasPorPagina || texto.Columna < 0) continue;
        auto& fila = celdas[static_cast<std::size_t>(texto.Linea)];
        const std::vector<std::string> caracteres = Caracteres(texto.Texto);
        const std::size_t fin = static_cast<std::size_t>(texto.Columna) + caracteres.size();
        if (fila.size() < fin) fila.resize(fin, " ");
        std::copy(caracteres.begin(), caracteres.end(),
                  fila.begin() + static_cast<std::ptrdiff_t>(texto.Columna));
    }
    std::vector<std::string> filas;
    for (auto& fila : celdas) {
        while (!fila.empty() && fila.back() == " ")
            fila.pop_back();
        filas.push_back(Unir(fila));
    }
    return filas;
}

std::string InformeComoTexto(const Informe& informe)
{
    constexpr char SaltoDePagina = '\f';
    std::string texto;
    for (std::size_t i = 0; i < informe.Paginas.size(); ++i) {
        if (i > 0) texto += SaltoDePagina;
        for (const std::string& fila : FilasDePagina(informe.Paginas[i]))
            texto += fila + '\n';
    }
    return texto;
}

} // namespace vertana
