#include "io/archivo_proyecto.h"

#include "io/archivo.h"
#include "io/codigos.h"
#include "io/items.h"
#include "model/error.h"
#include "model/textos.h"

#include <algorithm>
#include <cctype>
#include <initializer_list>
#include <optional>
#include <vector>

namespace vertana {
namespace {

using TablasReales = std::vector<Tabla<double>*>;

// Columnas de propiedades de cada tipo de material.
TablasReales ColumnasSoloSuelo(Proyecto& p)
{
    return {&p.ParametroPresionIntersticial, &p.CoeficienteConsolidacionVertical,
            &p.TiempoDeConstruccion};
}
TablasReales ColumnasSoloRoca(Proyecto& p)
{
    return {&p.ParametroMIntacto, &p.IndiceGSI, &p.ParametroM, &p.ParametroS, &p.CompresionSimple};
}

TablasReales ColumnasComunes(Proyecto& p)
{
    return {&p.CohesionMacizo, &p.FriccionMacizo, &p.PesoUnitarioHumedo, &p.PesoUnitarioSaturado};
}

// Todas las tablas de resultados por dovela del proyecto.
std::vector<Tabla<double>*> TablasDovelaTodas(Proyecto& p)
{
    return {&p.AnchoDovela,
            &p.AbscisaCentroDovela,
            &p.OrdenadaCentroDovela,
            &p.OrdenadaTaludDovela,
            &p.PresionPorosDovela,
            &p.CohesionDovela,
            &p.FriccionDovela,
            &p.ParametroMDovela,
            &p.ParametroSDovela,
            &p.ExponenteHoekBrownDovela,
            &p.PesoUnitarioDovela,
            &p.EsfuerzoNormalDovela,
            &p.EsfuerzoEfectivoDovela,
            &p.EsfuerzoTangencialDovela,
            &p.EsfuerzoPrincipalMenorDovela,
            &p.EsfuerzoPrincipalMayorDovela};
}

// Deja una tabla (estrato, punto) en filas x columnas, con ceros tras la cantidad de cada fila,
// como la deja la lectura.
void AjustarFilas(Tabla2<double>& tabla, const Tabla<Entero16>& cantidades, int columnas)
{
    Tabla2<double> ajustada;
    ajustada.Redimensionar(cantidades.Tamano(), columnas);
    for (int i = 1; i <= cantidades.Tamano() && i <= tabla.Filas(); ++i)
        for (int k = 1; k <= cantidades(i) && k <= columnas && k <= tabla.Columnas(); ++k)
            ajustada(i, k) = tabla(i, k);
    tabla = std::move(ajustada);
}

// Tablas por dovela que el archivo lleva, en su orden, para suelos y para rocas.
std::vector<const Tabla<double>*> TablasDovelaEnArchivo(const Proyecto& p)
{
    if (p.SueloRoca == Material::Suelo)
        return {&p.AnchoDovela,
                &p.AbscisaCentroDovela,
                &p.OrdenadaTaludDovela,
                &p.OrdenadaCentroDovela,
                &p.PresionPorosDovela,
                &p.FriccionDovela,
                &p.CohesionDovela,
                &p.PesoUnitarioDovela,
                &p.EsfuerzoNormalDovela,
                &p.EsfuerzoEfectivoDovela,
                &p.EsfuerzoTangencialDovela};
    std::vector<const Tabla<double>*> tablas = {&p.AnchoDovela, &p.AbscisaCentroDovela,
                                                &p.OrdenadaTaludDovela, &p.OrdenadaCentroDovela,
                                                &p.PresionPorosDovela};
    if (p.UsaParametrosInstantaneos) {
        tablas.push_back(&p.FriccionDovela);
        tablas.push_back(&p.CohesionDovela);
    } else {
        tablas.push_back(&p.ParametroMDovela);
        tablas.push_back(&p.ParametroSDovela);
    }
    for (const Tabla<double>* t :
         {&p.ExponenteHoekBrownDovela, &p.PesoUnitarioDovela, &p.EsfuerzoNormalDovela,
          &p.EsfuerzoEfectivoDovela, &p.EsfuerzoTangencialDovela, &p.EsfuerzoPrincipalMenorDovela,
          &p.EsfuerzoPrincipalMayorDovela})
        tablas.push_back(t);
    return tablas;
}

std::vector<Tabla<double>*> TablasDovelaEnArchivo(Proyecto& p)
{
    std::vector<Tabla<double>*> tablas;
    for (const Tabla<double>* t : TablasDovelaEnArchivo(static_cast<const Proyecto&>(p)))
        tablas.push_back(const_cast<Tabla<double>*>(t));
    return tablas;
}

int NumeroDeDovelas(const Proyecto& p)
{
    return p.NumeroPuntosDovelas > 1 ? p.NumeroPuntosDovelas - 1 : 0;
}

bool LlevaVariaElRadio(const Proyecto& p)
{
    return EsCirculoUnico(p) && p.MetodoDeCalculo == Metodo::Bishop;
}

bool LlevaLaboratorio(const Proyecto& p)
{
    return p.SueloRoca == Material::Roca && p.HayDatosLaboratorio;
}

// Cada cantidad del proyecto cabe en sus tablas; si no, es un error de programación que no debe
// llegar a un archivo.
void VerificarTablas(const Proyecto& p)
{
    auto cabe = [](int cantidad, int tamano) { return cantidad <= tamano; };
    auto iguales = [](std::initializer_list<const Tabla<double>*> tablas) {
        for (const Tabla<double>* t : tablas)
            if (t->Tamano() != (*tablas.begin())->Tamano()) return false;
        return true;
    };
    bool bien = p.SueloRoca != Material::SinDefinir &&
                iguales({&p.AbscisasTalud, &p.OrdenadasTalud}) &&
                iguales({&p.AbscisasFalla, &p.OrdenadasFalla}) &&
                iguales({&p.AbscisasFreatico, &p.OrdenadasFreatico}) &&
                cabe(p.NumeroTiposDeFalla, p.PuntoInicialTipoFalla.Tamano()) &&
                cabe(p.NumeroTiposDeFalla, p.PuntoFinalTipoFalla.Tamano()) &&
                cabe(p.NumeroTiposDeFalla, p.TipoDeFalla.Tamano()) &&
                iguales({&p.CargaUniformeXo, &p.CargaUniformeYo, &p.CargaUniformeXf,
                         &p.CargaUniformeYf, &p.CargaUniformeQx, &p.CargaUniformeQy}) &&
                iguales({&p.CargaPuntualX, &p.CargaPuntualY, &p.CargaPuntualPx, &p.CargaPuntualPy});
    for (int i = 1; bien && i <= p.NumeroDeEstratos(); ++i)
        bien = p.NumeroCoordenadasEstrato(i) == 0 ||
               (i <= p.AbscisasEstratos.Filas() &&
                p.NumeroCoordenadasEstrato(i) <= p.AbscisasEstratos.Columnas());
    const Tabla<double>& ultimaPropiedad =
        p.SueloRoca == Material::Suelo ? p.TiempoDeConstruccion : p.CompresionSimple;
    bien = bien && cabe(p.NumeroDeEstratos(), ultimaPropiedad.Tamano()) &&
           cabe(p.NumeroDeEstratos(), p.PesoUnitarioSaturado.Tamano());
    if (bien && p.HayResultados) {
        for (const Tabla<double>* t : TablasDovelaEnArchivo(p))
            bien = bien && cabe(NumeroDeDovelas(p), t->Tamano());
        bien = bien && cabe(p.NumeroIteraciones, p.HistoriaFS.Tamano());
        if (p.MetodoDeCalculo == Metodo::Variacional)
            bien = bien && cabe(p.NumeroIteraciones, p.HistoriaMu1Mu2.Tamano()) &&
                   cabe(p.NumeroIteraciones, p.HistoriaInversaMu2.Tamano());
        if (p.MetodoDeCalculo == Metodo::Janbu)
            bien = bien && cabe(NumeroDeDovelas(p), p.ValoresDeHt.Tamano());
    }
    if (bien && LlevaLaboratorio(p)) {
        bien = cabe(p.NumeroDeEstratos(), p.NumeroPuntosLab.Tamano());
        for (int i = 1; bien && i <= p.NumeroDeEstratos(); ++i)
            bien = p.NumeroPuntosLab(i) == 0 ||
                   (i <= p.Sigma1Lab.Filas() && p.NumeroPuntosLab(i) <= p.Sigma1Lab.Columnas());
    }
    if (!bien)
        throw ErrorVertana("El proyecto tiene datos incompletos y no puede guardarse; "
                           "revise el tipo de material, las coordenadas y los estratos.");
}

} // namespace

void AjustarParaGuardar(Proyecto& p)
{
    VerificarTablas(p);
    // Círculo: datos del círculo de una superficie compuesta.
    const bool primeraEsC = p.TipoDeFalla.Tamano() >= 1 && p.TipoDeFalla(1) == TipoUnion::Circular;
    if (p.NumeroTiposDeFalla > 1 && !primeraEsC &&
        p.DefinicionParametrosInstantaneos == DefinicionInstantaneos::SinDefinir) {
        p.RadioCirculoFalla = 0.0;
        p.CentroCirculoX = 0.0;
        p.CentroCirculoY = 0.0;
    }
    if (p.RadioCirculoFalla == 0.0 && p.MetodoDeCalculo == Metodo::Bishop) {
        p.CentroCirculoX = p.CentroCirculoXGuardado;
        p.CentroCirculoY = p.CentroCirculoYGuardado;
    }
    // La lectura pone el centro escrito en el centro de trabajo y anula las copias guardadas de
    // una superficie que no es un círculo único.
    if (!EsCirculoUnico(p)) {
        p.CentroCirculoXGuardado = 0.0;
        p.CentroCirculoYGuardado = 0.0;
    }
    p.CentroCirculoX = p.CentroCirculoXGuardado;
    p.CentroCirculoY = p.CentroCirculoYGuardado;

    // Tablas a la medida de sus cantidades (las de los puntos y las cargas ya lo están).
    for (Tabla<double>* t : {&p.PuntoInicialTipoFalla, &p.PuntoFinalTipoFalla})
        t->RedimensionarConservando(p.NumeroTiposDeFalla);
    p.TipoDeFalla.RedimensionarConservando(p.NumeroTiposDeFalla);
    const int n = p.NumeroDeEstratos();
    AjustarFilas(p.AbscisasEstratos, p.NumeroCoordenadasEstrato, MaximoPuntosEstrato(p));
    AjustarFilas(p.OrdenadasEstratos, p.NumeroCoordenadasEstrato, MaximoPuntosEstrato(p));

    // Propiedades: las columnas del tipo de material se conservan, las del otro quedan en cero
    // (el macizo rocoso no guarda su cohesión ni su fricción estimadas).
    for (Tabla<double>* t : ColumnasComunes(p))
        t->RedimensionarConservando(n);
    p.TipoDeEstrato.RedimensionarConservando(n);
    for (Tabla<double>* t : ColumnasSoloSuelo(p))
        t->RedimensionarConservando(n);
    for (Tabla<double>* t : ColumnasSoloRoca(p))
        t->RedimensionarConservando(n);
    if (p.SueloRoca == Material::Roca) {
        for (Tabla<double>* t : ColumnasSoloSuelo(p))
            t->Redimensionar(n);
        p.TipoDeEstrato.Redimensionar(n);
        p.CohesionMacizo.Redimensionar(n);
        p.FriccionMacizo.Redimensionar(n);
    } else {
        for (Tabla<double>* t : ColumnasSoloRoca(p))
            t->Redimensionar(n);
    }

    // Resultados: las tablas por dovela que el archivo lleva, a la medida; las demás, fuera.
    if (p.HayResultados) {
        for (Tabla<double>* t : TablasDovelaTodas(p)) {
            const auto llevadas = TablasDovelaEnArchivo(p);
            if (std::find(llevadas.begin(), llevadas.end(), t) != llevadas.end())
                t->RedimensionarConservando(NumeroDeDovelas(p));
            else
                t->Vaciar();
        }
        p.HistoriaFS.RedimensionarConservando(p.NumeroIteraciones);
        if (p.MetodoDeCalculo == Metodo::Variacional) {
            p.HistoriaMu1Mu2.RedimensionarConservando(p.NumeroIteraciones);
            p.HistoriaInversaMu2.RedimensionarConservando(p.NumeroIteraciones);
        }
    }
    if (p.MetodoDeCalculo != Metodo::Variacional) {
        p.HistoriaMu1Mu2.Vaciar();
        p.HistoriaInversaMu2.Vaciar();
    }
    p.HayValoresDeHt = p.HayResultados && p.MetodoDeCalculo == Metodo::Janbu;
    if (p.HayValoresDeHt)
        p.ValoresDeHt.RedimensionarConservando(NumeroDeDovelas(p));
    else
        p.ValoresDeHt.Vaciar();

    // Datos de laboratorio: sólo los macizos rocosos los llevan.
    if (p.SueloRoca != Material::Roca) p.HayDatosLaboratorio = false;
    if (LlevaLaboratorio(p)) {
        p.NumeroPuntosLab.RedimensionarConservando(n);
    } else {
        p.NumeroPuntosLab.Vaciar();
        if (p.SueloRoca == Material::Roca) p.NumeroPuntosLab.Redimensionar(n);
    }
    const Entero16 maximoLab = MaximoPuntosLaboratorio(p);
    if (LlevaLaboratorio(p)) {
        AjustarFilas(p.Sigma1Lab, p.NumeroPuntosLab, maximoLab);
        AjustarFilas(p.Sigma3Lab, p.NumeroPuntosLab, maximoLab);
    } else {
        p.Sigma1Lab.Redimensionar(n, 0);
        p.Sigma3Lab.Redimensionar(n, 0);
    }
}

std::string ContenidoArchivoProyecto(const Proyecto& p)
{
    VerificarTablas(p);
    EscritorItems e;

    // 1-8: descripción, información, tipo de material y parámetros.
    e.Texto(p.Descripcion).FinDeLinea();
    for (const std::string* t : {&p.ProgresivaInicial, &p.ProgresivaFinal, &p.FechaProyecto,
                                 &p.IngResponsable, &p.Empresa})
        e.Texto(*t).FinDeLinea();
    e.Texto(LetraDeMaterial(p.SueloRoca)).FinDeLinea();
    e.Texto(LetraSiNo(p.UsaParametrosInstantaneos)).FinDeLinea();
    e.Entero(Codigo(p.MetodoDeCalculo)).FinDeLinea();
    for (double v :
         {p.MultiplicadorLagrange1, p.MultiplicadorLagrange2, p.FSInicial, p.EsfuerzoInicialCresta,
          p.RadioCirculoFalla, p.CentroCirculoXGuardado, p.CentroCirculoYGuardado,
          p.CoeficienteSismicoHorizontal, p.CoeficienteSismicoVertical, p.NumeroDovelas})
        e.Real(v).FinDeLinea();

    // 9-13: talud, superficie de falla, uniones y nivel freático.
    e.Entero(p.NumeroCoordenadasTalud()).FinDeLinea();
    for (int k = 1; k <= p.NumeroCoordenadasTalud(); ++k)
        e.Real(p.AbscisasTalud(k)).Real(p.OrdenadasTalud(k)).FinDeLinea();
    e.Entero(p.NumeroCoordenadasFalla()).FinDeLinea();
    for (int k = 1; k <= p.NumeroCoordenadasFalla(); ++k)
        e.Real(p.AbscisasFalla(k)).Real(p.OrdenadasFalla(k)).FinDeLinea();
    e.Entero(p.NumeroTiposDeFalla).FinDeLinea();
    for (int d = 1; d <= p.NumeroTiposDeFalla; ++d)
        e.Real(p.PuntoInicialTipoFalla(d))
            .Real(p.PuntoFinalTipoFalla(d))
            .Texto(LetraDeTipoUnion(p.TipoDeFalla(d)))
            .FinDeLinea();
    if (LlevaVariaElRadio(p))
        e.Texto(p.VariaElRadioSN ? LetraSiNo(*p.VariaElRadioSN) : "").FinDeLinea();
    e.Entero(p.NumeroCoordenadasFreatico()).FinDeLinea();
    for (int k = 1; k <= p.NumeroCoordenadasFreatico(); ++k)
        e.Real(p.AbscisasFreatico(k)).Real(p.OrdenadasFreatico(k)).FinDeLinea();

    // 14-15: estratos.
    e.Entero(p.NumeroDeEstratos())
        .Entero(MaximoPuntosEstrato(p))
        .Entero(p.EstratosCaracterizados)
        .FinDeLinea();
    for (int i = 1; i <= p.NumeroDeEstratos(); ++i) {
        e.Entero(p.NumeroCoordenadasEstrato(i)).FinDeLinea();
        if (p.SueloRoca == Material::Suelo) {
            for (double v : {p.CohesionMacizo(i), p.FriccionMacizo(i), p.PesoUnitarioHumedo(i),
                             p.PesoUnitarioSaturado(i)})
                e.Real(v).FinDeLinea();
            e.Entero(p.TipoDeEstrato(i)).FinDeLinea();
            for (double v : {p.ParametroPresionIntersticial(i),
                             p.CoeficienteConsolidacionVertical(i), p.TiempoDeConstruccion(i)})
                e.Real(v).FinDeLinea();
        } else {
            for (double v :
                 {p.ParametroMIntacto(i), p.IndiceGSI(i), p.ParametroM(i), p.ParametroS(i),
                  p.PesoUnitarioHumedo(i), p.PesoUnitarioSaturado(i), p.CompresionSimple(i)})
                e.Real(v).FinDeLinea();
        }
        for (int k = 1; k <= p.NumeroCoordenadasEstrato(i); ++k)
            e.Real(p.AbscisasEstratos(i, k)).Real(p.OrdenadasEstratos(i, k)).FinDeLinea();
    }

    // 16-17: cargas.
    e.Entero(p.NumeroCargasUniformes()).FinDeLinea();
    for (int k = 1; k <= p.NumeroCargasUniformes(); ++k)
        e.Real(p.CargaUniformeXo(k))
            .Real(p.CargaUniformeYo(k))
            .Real(p.CargaUniformeXf(k))
            .Real(p.CargaUniformeYf(k))
            .Real(p.CargaUniformeQx(k))
            .Real(p.CargaUniformeQy(k))
            .FinDeLinea();
    e.Entero(p.NumeroCargasPuntuales()).FinDeLinea();
    for (int k = 1; k <= p.NumeroCargasPuntuales(); ++k)
        e.Real(p.CargaPuntualX(k))
            .Real(p.CargaPuntualY(k))
            .Real(p.CargaPuntualPx(k))
            .Real(p.CargaPuntualPy(k))
            .FinDeLinea();

    // 18-22: resultados.
    e.Texto(LetraSiNo(p.HayResultados)).FinDeLinea();
    if (p.HayResultados) {
        e.Entero(p.NumeroPuntosDovelas).FinDeLinea();
        const auto tablas = TablasDovelaEnArchivo(p);
        for (int k = 1; k <= NumeroDeDovelas(p); ++k)
            for (const Tabla<double>* t : tablas)
                e.Real((*t)(k)).FinDeLinea();
        e.Entero(p.NumeroIteraciones).FinDeLinea();
        for (int k = 1; k <= p.NumeroIteraciones; ++k) {
            if (p.MetodoDeCalculo == Metodo::Variacional)
                e.Real(p.HistoriaMu1Mu2(k)).Real(p.HistoriaInversaMu2(k)).Real(p.HistoriaFS(k));
            else
                e.Real(p.HistoriaFS(k));
            e.FinDeLinea();
        }
    }

    // 23: grieta de tracción (la ordenada del nivel del agua antes que su abscisa).
    for (double v :
         {p.AbscisaPrimerPuntoGrieta, p.OrdenadaPrimerPuntoGrieta, p.AbscisaSegundoPuntoGrieta,
          p.OrdenadaSegundoPuntoGrieta, p.OrdenadaNivelFreaticoGrieta, p.AbscisaNivelFreaticoGrieta,
          p.AlturaAguaGrieta})
        e.Real(v).FinDeLinea();

    // 24-26: datos de laboratorio.
    e.Texto(LetraSiNo(p.HayDatosLaboratorio)).FinDeLinea();
    e.Entero(MaximoPuntosLaboratorio(p)).FinDeLinea();
    if (LlevaLaboratorio(p)) {
        for (int i = 1; i <= p.NumeroDeEstratos(); ++i) {
            e.Entero(p.NumeroPuntosLab(i)).FinDeLinea();
            for (int k = 1; k <= p.NumeroPuntosLab(i); ++k)
                e.Real(p.Sigma1Lab(i, k)).Real(p.Sigma3Lab(i, k)).FinDeLinea();
        }
    }

    // 27-29: valores de ht, definición de parámetros instantáneos, sumas y anclajes.
    if (p.HayResultados && p.MetodoDeCalculo == Metodo::Janbu)
        for (int k = 1; k <= NumeroDeDovelas(p); ++k)
            e.Real(p.ValoresDeHt(k)).FinDeLinea();
    if (p.UsaParametrosInstantaneos)
        e.Entero(Codigo(p.DefinicionParametrosInstantaneos)).FinDeLinea();
    for (double v :
         {p.SumaEsfuerzosTangenciales, p.SumaEsfuerzosNormalesTotales,
          p.SumaEsfuerzosPrincipalesMayores, p.SumaEsfuerzosNormalesEfectivos,
          p.SumaEsfuerzosPrincipalesMenores, p.FactorSeguridadConAnclaje, p.InclinacionAnclajes,
          p.DiametroAnclajes, p.EsfuerzoRoturaAnclaje, p.NumeroGuayasObarras,
          p.SeparacionAnclajesActivos, p.SeparacionAnclajesPasivos})
        e.Real(v).FinDeLinea();
    return e.Bytes();
}

void EscribirProyecto(const std::string& ruta, Proyecto& p)
{
    AjustarParaGuardar(p);
    EscribirArchivoSeguro(ruta, ContenidoArchivoProyecto(p));
}

namespace {

// Lectura de pares x, y en dos tablas ya dimensionadas.
bool LeerPares(LectorItems& l, int n, Tabla<double>& xs, Tabla<double>& ys)
{
    for (int k = 1; k <= n; ++k)
        if (!l.Real(xs(k)) || !l.Real(ys(k))) return false;
    return true;
}

bool LeerTablaConPares(LectorItems& l, Tabla<double>& xs, Tabla<double>& ys)
{
    Entero16 cantidad = 0;
    if (!l.Cantidad(cantidad)) return false;
    RedimensionarConjunto(xs, ys, cantidad);
    return LeerPares(l, cantidad, xs, ys);
}

// Lee un texto codificado y lo convierte; falso si no es uno de los valores admitidos (dichos en
// el motivo de la falla).
template <typename T, typename Conversion>
bool LeerCodigo(LectorItems& l, T& valor, Conversion conversion, const char* admitidos)
{
    std::string letra;
    if (!l.Texto(letra)) return false;
    const auto convertido = conversion(letra);
    if (!convertido) return l.Rechazar(textos::LecturaValorNoAdmitido(admitidos, letra));
    valor = *convertido;
    return true;
}

constexpr char AdmitidosMaterial[] = "\"S\" o \"R\"";
constexpr char AdmitidosUnion[] = "\"L\", \"C\" o \"P\"";
constexpr char AdmitidosSiNo[] = "\"S\" o \"N\"";

// "S"/"N" de VariaElRadioSN: vacío si Form2 no llegó a pedirlo; en minúsculas vale lo mismo (Form2
// lo pasa a mayúsculas al cargarlo).
bool LeerVariaElRadio(LectorItems& l, std::optional<bool>& valor)
{
    std::string letra;
    if (!l.Texto(letra)) return false;
    if (letra.empty()) {
        valor.reset();
        return true;
    }
    const std::string leida = letra;
    if (letra.size() == 1) letra[0] = static_cast<char>(std::toupper(letra[0]));
    valor = SiNoDeLetra(letra);
    return valor.has_value() || l.Rechazar(textos::LecturaValorNoAdmitido(AdmitidosSiNo, leida));
}

// Las tablas de dos dimensiones que pide el archivo caben en el límite; si no, rechaza.
bool LeerItemsProyecto(LectorItems& l, Proyecto& p);

bool CabeEnTabla2(LectorItems& l, long filas, long columnas)
{
    if (filas * columnas <= LimiteCeldasTabla2) return true;
    return l.Rechazar(textos::LecturaTablaDesmedida(filas, columnas, LimiteCeldasTabla2));
}

} // namespace

bool LeerContenidoProyecto(const std::string& bytes, Proyecto& p, FallaDeLectura* falla)
{
    LectorItems l(bytes);
    const bool leido = LeerItemsProyecto(l, p);
    if (!leido && falla) *falla = l.Falla();
    return leido;
}

namespace {

bool LeerItemsProyecto(LectorItems& l, Proyecto& p)
{
    // 1-5.
    l.Leyendo(textos::LeyendoDescripcion);
    if (!l.Texto(p.Descripcion)) return false;
    l.Leyendo(textos::LeyendoInformacion);
    for (std::string* t : {&p.ProgresivaInicial, &p.ProgresivaFinal, &p.FechaProyecto,
                           &p.IngResponsable, &p.Empresa})
        if (!l.Texto(*t)) return false;
    l.Leyendo(textos::LeyendoMaterial);
    if (!LeerCodigo(l, p.SueloRoca, MaterialDeLetra, AdmitidosMaterial)) return false;
    l.Leyendo(textos::LeyendoInstantaneos);
    std::string instantaneos;
    if (!l.Texto(instantaneos)) return false;
    if (instantaneos == LetraSiNo(true)) {
        p.UsaParametrosInstantaneos = true;
        p.ParametrosInstantaneosCalculados = true;
    }
    l.Leyendo(textos::LeyendoMetodo);
    Entero16 metodo = 0;
    if (!l.Entero(metodo)) return false;
    p.MetodoDeCalculo = static_cast<Metodo>(metodo);

    // 6-8.
    l.Leyendo(textos::LeyendoParametros);
    for (double* v : {&p.MultiplicadorLagrange1, &p.MultiplicadorLagrange2, &p.FSInicial,
                      &p.EsfuerzoInicialCresta, &p.RadioCirculoFalla, &p.CentroCirculoXGuardado,
                      &p.CentroCirculoYGuardado})
        if (!l.Real(*v)) return false;
    p.CentroCirculoX = p.CentroCirculoXGuardado;
    p.CentroCirculoY = p.CentroCirculoYGuardado;
    for (double* v :
         {&p.CoeficienteSismicoHorizontal, &p.CoeficienteSismicoVertical, &p.NumeroDovelas})
        if (!l.Real(*v)) return false;
    p.ParametrosIntroducidos = true;

    // 9-10.
    l.Leyendo(textos::LeyendoTalud);
    if (!LeerTablaConPares(l, p.AbscisasTalud, p.OrdenadasTalud)) return false;
    l.Leyendo(textos::LeyendoFalla);
    if (!LeerTablaConPares(l, p.AbscisasFalla, p.OrdenadasFalla)) return false;

    // 11-12.
    l.Leyendo(textos::LeyendoUniones);
    if (!l.Cantidad(p.NumeroTiposDeFalla)) return false;
    p.PuntoInicialTipoFalla.Redimensionar(p.NumeroTiposDeFalla);
    p.PuntoFinalTipoFalla.Redimensionar(p.NumeroTiposDeFalla);
    p.TipoDeFalla.Redimensionar(p.NumeroTiposDeFalla);
    for (int d = 1; d <= p.NumeroTiposDeFalla; ++d)
        if (!l.Real(p.PuntoInicialTipoFalla(d)) || !l.Real(p.PuntoFinalTipoFalla(d)) ||
            !LeerCodigo(l, p.TipoDeFalla(d), TipoUnionDeLetra, AdmitidosUnion))
            return false;
    l.Leyendo(textos::LeyendoVariaElRadio);
    if (LlevaVariaElRadio(p) && !LeerVariaElRadio(l, p.VariaElRadioSN)) return false;
    if (!EsCirculoUnico(p)) {
        p.CentroCirculoXGuardado = 0.0;
        p.CentroCirculoYGuardado = 0.0;
    }
    p.TiposDeFallaDefinidos = true;

    // 13.
    l.Leyendo(textos::LeyendoFreatico);
    if (!LeerTablaConPares(l, p.AbscisasFreatico, p.OrdenadasFreatico)) return false;

    // 14-15.
    l.Leyendo(textos::LeyendoEstratos);
    Entero16 estratos = 0, maximoPuntos = 0;
    if (!l.Cantidad(estratos) || !l.Cantidad(maximoPuntos) || !l.Entero(p.EstratosCaracterizados))
        return false;
    if (!CabeEnTabla2(l, estratos, maximoPuntos)) return false;
    const int n = estratos;
    p.AbscisasEstratos.Redimensionar(n, maximoPuntos);
    p.OrdenadasEstratos.Redimensionar(n, maximoPuntos);
    p.NumeroCoordenadasEstrato.Redimensionar(n);
    for (Tabla<double>* t : TablasPorEstrato(p))
        t->Redimensionar(n);
    p.TipoDeEstrato.Redimensionar(n);
    for (int i = 1; i <= n; ++i) {
        l.Leyendo(textos::LeyendoEstrato(i));
        if (!l.Cantidad(p.NumeroCoordenadasEstrato(i))) return false;
        if (p.NumeroCoordenadasEstrato(i) > maximoPuntos)
            return l.Rechazar(textos::LecturaMasQueElMaximo(
                "estrato", i, p.NumeroCoordenadasEstrato(i), "puntos", maximoPuntos));
        if (p.SueloRoca == Material::Suelo) {
            for (double* v : {&p.CohesionMacizo(i), &p.FriccionMacizo(i), &p.PesoUnitarioHumedo(i),
                              &p.PesoUnitarioSaturado(i)})
                if (!l.Real(*v)) return false;
            if (!l.Entero(p.TipoDeEstrato(i))) return false;
            for (double* v : {&p.ParametroPresionIntersticial(i),
                              &p.CoeficienteConsolidacionVertical(i), &p.TiempoDeConstruccion(i)})
                if (!l.Real(*v)) return false;
        } else {
            for (double* v :
                 {&p.ParametroMIntacto(i), &p.IndiceGSI(i), &p.ParametroM(i), &p.ParametroS(i),
                  &p.PesoUnitarioHumedo(i), &p.PesoUnitarioSaturado(i), &p.CompresionSimple(i)})
                if (!l.Real(*v)) return false;
        }
        for (int k = 1; k <= p.NumeroCoordenadasEstrato(i); ++k)
            if (!l.Real(p.AbscisasEstratos(i, k)) || !l.Real(p.OrdenadasEstratos(i, k)))
                return false;
    }
    p.RocaCaracterizada = true;

    // 16-17.
    l.Leyendo(textos::LeyendoCargasUniformes);
    Entero16 cargas = 0;
    if (!l.Cantidad(cargas)) return false;
    RedimensionarCargasUniformes(p, cargas);
    for (int k = 1; k <= cargas; ++k)
        for (Tabla<double>* t : TablasCargasUniformes(p))
            if (!l.Real((*t)(k))) return false;
    if (p.NumeroCargasUniformes() > 0) p.CargasUniformesIntroducidas = true;
    l.Leyendo(textos::LeyendoCargasPuntuales);
    if (!l.Cantidad(cargas)) return false;
    RedimensionarCargasPuntuales(p, cargas);
    for (int k = 1; k <= cargas; ++k)
        for (Tabla<double>* t : TablasCargasPuntuales(p))
            if (!l.Real((*t)(k))) return false;

    // 18-22.
    l.Leyendo(textos::LeyendoResultados);
    std::string resultados;
    if (!l.Texto(resultados)) return false;
    if (resultados == LetraSiNo(true)) {
        p.HayResultados = true;
        if (!l.Cantidad(p.NumeroPuntosDovelas)) return false;
        const auto tablas = TablasDovelaEnArchivo(p);
        for (Tabla<double>* t : tablas)
            t->Redimensionar(NumeroDeDovelas(p));
        for (int k = 1; k <= NumeroDeDovelas(p); ++k)
            for (Tabla<double>* t : tablas)
                if (!l.Real((*t)(k))) return false;
        l.Leyendo(textos::LeyendoHistoria);
        if (!l.Cantidad(p.NumeroIteraciones)) return false;
        p.HistoriaFS.Redimensionar(p.NumeroIteraciones);
        if (p.MetodoDeCalculo == Metodo::Variacional) {
            p.HistoriaMu1Mu2.Redimensionar(p.NumeroIteraciones);
            p.HistoriaInversaMu2.Redimensionar(p.NumeroIteraciones);
        }
        for (int k = 1; k <= p.NumeroIteraciones; ++k) {
            if (p.MetodoDeCalculo == Metodo::Variacional &&
                (!l.Real(p.HistoriaMu1Mu2(k)) || !l.Real(p.HistoriaInversaMu2(k))))
                return false;
            if (!l.Real(p.HistoriaFS(k))) return false;
        }
    }

    // 23.
    l.Leyendo(textos::LeyendoGrieta);
    for (double* v :
         {&p.AbscisaPrimerPuntoGrieta, &p.OrdenadaPrimerPuntoGrieta, &p.AbscisaSegundoPuntoGrieta,
          &p.OrdenadaSegundoPuntoGrieta, &p.OrdenadaNivelFreaticoGrieta,
          &p.AbscisaNivelFreaticoGrieta, &p.AlturaAguaGrieta})
        if (!l.Real(*v)) return false;
    if (p.NumeroCargasPuntuales() > 0) p.CargasPuntualesIntroducidas = true;

    // 24-26.
    l.Leyendo(textos::LeyendoLaboratorio);
    std::string laboratorio;
    if (!l.Texto(laboratorio)) return false;
    if (p.SueloRoca == Material::Roca) p.HayDatosLaboratorio = laboratorio == LetraSiNo(true);
    Entero16 maximoLab = 0;
    if (!l.Cantidad(maximoLab)) return false;
    if (!CabeEnTabla2(l, n, maximoLab)) return false;
    p.Sigma1Lab.Redimensionar(n, maximoLab);
    p.Sigma3Lab.Redimensionar(n, maximoLab);
    if (p.SueloRoca == Material::Roca) p.NumeroPuntosLab.Redimensionar(n);
    if (p.SueloRoca == Material::Roca && laboratorio == LetraSiNo(true)) {
        for (int i = 1; i <= n; ++i) {
            if (!l.Cantidad(p.NumeroPuntosLab(i))) return false;
            if (p.NumeroPuntosLab(i) > maximoLab)
                return l.Rechazar(textos::LecturaMasQueElMaximo("estrato", i, p.NumeroPuntosLab(i),
                                                                "pares de laboratorio", maximoLab));
            for (int k = 1; k <= p.NumeroPuntosLab(i); ++k)
                if (!l.Real(p.Sigma1Lab(i, k)) || !l.Real(p.Sigma3Lab(i, k))) return false;
        }
    }

    // 27-29.
    l.Leyendo(textos::LeyendoValoresDeHt);
    if (p.HayResultados && p.MetodoDeCalculo == Metodo::Janbu) {
        p.ValoresDeHt.Redimensionar(NumeroDeDovelas(p));
        for (int k = 1; k <= NumeroDeDovelas(p); ++k)
            if (!l.Real(p.ValoresDeHt(k))) return false;
        p.HayValoresDeHt = true;
    }
    l.Leyendo(textos::LeyendoDefinicionInstantaneos);
    if (p.UsaParametrosInstantaneos) {
        Entero16 definicion = 0;
        if (!l.Entero(definicion)) return false;
        p.DefinicionParametrosInstantaneos = static_cast<DefinicionInstantaneos>(definicion);
    }
    l.Leyendo(textos::LeyendoSumasYAnclajes);
    for (double* v :
         {&p.SumaEsfuerzosTangenciales, &p.SumaEsfuerzosNormalesTotales,
          &p.SumaEsfuerzosPrincipalesMayores, &p.SumaEsfuerzosNormalesEfectivos,
          &p.SumaEsfuerzosPrincipalesMenores, &p.FactorSeguridadConAnclaje, &p.InclinacionAnclajes,
          &p.DiametroAnclajes, &p.EsfuerzoRoturaAnclaje, &p.NumeroGuayasObarras,
          &p.SeparacionAnclajesActivos, &p.SeparacionAnclajesPasivos})
        if (!l.Real(*v)) return false;
    return true;
}

} // namespace

std::string DetalleErrorDeLectura(const std::string& ruta, const FallaDeLectura* falla)
{
    std::string detalle = textos::DetalleArchivo + ruta + "\n";
    if (!falla) return detalle + textos::LecturaArchivoInexistente + ".";
    return detalle + textos::DetalleDeLaFalla(falla->Linea, falla->Item, falla->Que, falla->Motivo);
}

bool LeerProyecto(const std::string& ruta, Proyecto& p, Interaccion& interaccion)
{
    ReiniciarProyecto(p);
    const auto contenido = LeerArchivoCompleto(ruta);
    FallaDeLectura falla;
    const bool leido = contenido && LeerContenidoProyecto(*contenido, p, &falla);
    // La cuerda del círculo se deduce de la superficie de falla leída, no del proyecto anterior.
    RecalcularCuerdaCirculo(p);
    if (!leido) {
        interaccion.MensajeConDetalle(textos::ErrorLeyendoArchivo,
                                      DetalleErrorDeLectura(ruta, contenido ? &falla : nullptr));
        return false;
    }
    p.InformacionIntroducida = true;
    return true;
}

} // namespace vertana
