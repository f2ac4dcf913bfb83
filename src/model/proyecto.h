// El proyecto: un único almacén con todos los datos de entrada y los resultados de un problema
// de estabilidad de taludes. Unidades: m, ton, ton/m2, ton/m3, grados.
// Las tablas van de 1 a su cantidad; las cantidades son enteros de 16 bits.
#pragma once

#include "model/tabla.h"
#include "model/tipos.h"

#include <array>
#include <optional>
#include <string>

namespace vertana {

struct Proyecto {
    // 1. Información del proyecto.
    std::string Descripcion; // texto de TextoProyecto; puede llevar saltos de línea
    std::string ProgresivaInicial;
    std::string ProgresivaFinal;
    std::string FechaProyecto;
    std::string IngResponsable;
    std::string Empresa;
    bool InformacionIntroducida = false;

    // 2. Parámetros de cálculo.
    Material SueloRoca = Material::SinDefinir;
    Metodo MetodoDeCalculo = Metodo::SinDefinir;
    double MultiplicadorLagrange1 = 0.0; // µ1/µ2 (m)
    double MultiplicadorLagrange2 = 0.0; // 1/µ2 (m)
    double FSInicial = 0.0;
    double EsfuerzoInicialCresta = 0.0; // σo (ton/m2)
    double NumeroDovelas = 0.0;         // entero guardado como real
    double RadioCirculoFalla = 0.0;
    double CuerdaCirculo = 0.0;
    double CentroCirculoX = 0.0;
    double CentroCirculoY = 0.0;
    double CentroCirculoXGuardado = 0.0;
    double CentroCirculoYGuardado = 0.0;
    // Lo que se guarda: "S" el radio varía en el cálculo de Bishop, "N" no; sin valor hasta que
    // Form2 lo pide.
    std::optional<bool> VariaElRadioSN;
    // Lo que usa el cálculo: VariaElRadioSN tal como lo cargó Form2 en esta sesión.
    bool VariaElRadio = false;
    double CoeficienteSismicoHorizontal = 0.0;
    double CoeficienteSismicoVertical = 0.0;
    double AbscisaPrimerPuntoGrieta = 0.0;
    double OrdenadaPrimerPuntoGrieta = 0.0;
    double AbscisaSegundoPuntoGrieta = 0.0;
    double OrdenadaSegundoPuntoGrieta = 0.0;
    double AbscisaNivelFreaticoGrieta = 0.0;
    double OrdenadaNivelFreaticoGrieta = 0.0;
    double AlturaAguaGrieta = 0.0; // 0.5·(NF grieta − ordenada del segundo punto)² (m²)
    DefinicionInstantaneos DefinicionParametrosInstantaneos = DefinicionInstantaneos::SinDefinir;
    bool ParametrosIntroducidos = false;

    // 3. Geometría. Cada conjunto de puntos tiene tantos puntos como entradas sus tablas; la
    // cantidad se lee de ellas y se cambia redimensionando las dos a la vez.
    Tabla<double> AbscisasTalud, OrdenadasTalud;
    Tabla<double> AbscisasFalla, OrdenadasFalla;
    Tabla<double> AbscisasFreatico, OrdenadasFreatico;
    Tabla<Entero16> NumeroCoordenadasEstrato;           // un elemento por estrato
    Tabla2<double> AbscisasEstratos, OrdenadasEstratos; // (estrato, punto)

    Entero16 NumeroCoordenadasTalud() const { return AbscisasTalud.Cantidad(); }
    Entero16 NumeroCoordenadasFalla() const { return AbscisasFalla.Cantidad(); }
    Entero16 NumeroCoordenadasFreatico() const { return AbscisasFreatico.Cantidad(); }
    Entero16 NumeroDeEstratos() const { return NumeroCoordenadasEstrato.Cantidad(); }

    // 4. Uniones entre los puntos de la superficie de falla.
    Entero16 NumeroTiposDeFalla = 0;
    Tabla<double> PuntoInicialTipoFalla, PuntoFinalTipoFalla; // números de punto enteros
    Tabla<TipoUnion> TipoDeFalla;
    bool TiposDeFallaDefinidos = false;

    // 5. Propiedades de los estratos (columnas de suelo y de roca).
    Tabla<double> CohesionMacizo, FriccionMacizo;
    Tabla<double> PesoUnitarioHumedo, PesoUnitarioSaturado;
    Tabla<Entero16> TipoDeEstrato; // 1 "A" terraplén o relleno, 2 "B" estrato natural
    Tabla<double> ParametroPresionIntersticial;
    Tabla<double> CoeficienteConsolidacionVertical; // cm2/s
    Tabla<double> TiempoDeConstruccion;             // meses
    Tabla<double> ParametroMIntacto, IndiceGSI, ParametroM, ParametroS;
    Tabla<double> CompresionSimple;
    bool RocaCaracterizada = false;
    Entero16 EstratosCaracterizados = 0;
    bool EstratosConCaracteristicas = true;
    bool EstratoInsertado = false;
    bool CambioNumeroEstratos = false;
    bool MsDeLaboratorio = false;

    // 6. Datos de laboratorio de macizos rocosos.
    bool HayDatosLaboratorio = false;
    Tabla<Entero16> NumeroPuntosLab;
    Tabla2<double> Sigma1Lab, Sigma3Lab; // (estrato, par), ton/m2

    // 7. Cargas. Las tablas de cada grupo tienen siempre el mismo tamaño, que es su cantidad.
    Tabla<double> CargaUniformeXo, CargaUniformeYo, CargaUniformeXf, CargaUniformeYf;
    Tabla<double> CargaUniformeQx, CargaUniformeQy;
    bool CargasUniformesIntroducidas = false;
    Tabla<double> CargaPuntualX, CargaPuntualY, CargaPuntualPx, CargaPuntualPy;
    bool CargasPuntualesIntroducidas = false;

    Entero16 NumeroCargasUniformes() const { return CargaUniformeXo.Cantidad(); }
    Entero16 NumeroCargasPuntuales() const { return CargaPuntualX.Cantidad(); }

    // 8. Resultados.
    bool HayResultados = false;
    Entero16 NumeroPuntosDovelas = 0; // bordes de dovela N; dovelas 1..N−1
    Tabla<double> AnchoDovela, AbscisaCentroDovela, OrdenadaCentroDovela, OrdenadaTaludDovela;
    Tabla<double> PresionPorosDovela, CohesionDovela, FriccionDovela;
    Tabla<double> ParametroMDovela, ParametroSDovela, ExponenteHoekBrownDovela;
    Tabla<double> PesoUnitarioDovela;
    Tabla<double> EsfuerzoNormalDovela, EsfuerzoEfectivoDovela, EsfuerzoTangencialDovela;
    Tabla<double> EsfuerzoPrincipalMenorDovela, EsfuerzoPrincipalMayorDovela;
    Entero16 NumeroIteraciones = 0;
    Tabla<double> HistoriaMu1Mu2, HistoriaInversaMu2, HistoriaFS;
    Tabla<double> ValoresDeHt;
    bool HayValoresDeHt = false;
    double SumaEsfuerzosTangenciales = 0.0;
    double SumaEsfuerzosNormalesTotales = 0.0;
    double SumaEsfuerzosNormalesEfectivos = 0.0;
    double SumaEsfuerzosPrincipalesMayores = 0.0;
    double SumaEsfuerzosPrincipalesMenores = 0.0;
    double FactorSeguridadConAnclaje = 0.0;
    double InclinacionAnclajes = 0.0;   // grados, positiva hacia abajo
    double DiametroAnclajes = 0.0;      // pulgadas
    double EsfuerzoRoturaAnclaje = 0.0; // kg/cm2
    double NumeroGuayasObarras = 0.0;
    double SeparacionAnclajesActivos = 0.0;
    double SeparacionAnclajesPasivos = 0.0;
    bool UsaParametrosInstantaneos = false;
    bool ParametrosInstantaneosCalculados = false;

    // Presiones de poros por dovela dadas por la persona en Form19.
    bool PresionesDePorosDadas = false;

    // 9. Estado de edición.
    bool DatosGuardados = true;
    bool CoordenadasSinCambios = true;
    std::string ArchivoActual;

    bool operator==(const Proyecto&) const = default;
};

// Deja el almacén como un proyecto nuevo. Conserva el tipo de material, el método y los valores
// de Form2, la cantidad de uniones, el número de iteraciones, ValoresDeHt y las tablas por dovela
// que no se descartan; las cargas se vacían (docs/decisiones.md).
void ReiniciarProyecto(Proyecto& p);

// Cambia la cantidad de puntos de un conjunto: las dos tablas quedan con n entradas en cero.
void RedimensionarConjunto(Tabla<double>& abscisas, Tabla<double>& ordenadas, int n);

// Las tablas de cada grupo de cargas, y el cambio de su cantidad (descarta las cargas).
std::array<Tabla<double>*, 6> TablasCargasUniformes(Proyecto& p);
std::array<Tabla<double>*, 4> TablasCargasPuntuales(Proyecto& p);
void RedimensionarCargasUniformes(Proyecto& p, int n);
void RedimensionarCargasPuntuales(Proyecto& p, int n);

// Cambia la cantidad de estratos conservando los puntos de los que siguen.
void RedimensionarEstratos(Proyecto& p, int n);

// Las tablas reales de propiedades por estrato, de suelo y de roca (una entrada por estrato).
std::array<Tabla<double>*, 12> TablasPorEstrato(Proyecto& p);

// Un proyecto está guardado cuando no tiene cambios de datos ni de coordenadas.
bool ProyectoGuardado(const Proyecto& p);

// Factor de seguridad de los resultados que tiene el proyecto (los de un cálculo o los leídos de
// un archivo): la última fila de la historia. Nada sin resultados.
std::optional<double> FactorDeSeguridadGuardado(const Proyecto& p);

// Superficie de falla formada por un único arco de círculo: una sola unión, de tipo "C".
bool EsCirculoUnico(const Proyecto& p);

// CuerdaCirculo es un valor deducido de la superficie de falla: la distancia entre sus puntos 1
// y 2 cuando es un círculo único con esos dos puntos, 0 en otro caso. Se recalcula cuando la
// superficie cambia entera (un proyecto nuevo, un archivo leído, la aceptación de Form2) para
// que nunca quede la cuerda de otra superficie.
void RecalcularCuerdaCirculo(Proyecto& p);

// Mayor cantidad de puntos de un estrato (0 sin estratos).
Entero16 MaximoPuntosEstrato(const Proyecto& p);
// Mayor cantidad de pares de laboratorio de un estrato (0 sin datos).
Entero16 MaximoPuntosLaboratorio(const Proyecto& p);

} // namespace vertana
