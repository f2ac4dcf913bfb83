// El proyecto: un único almacén con todos los datos de entrada y los resultados de un problema
// de estabilidad de taludes. Unidades: m, ton, ton/m2, ton/m3, grados.
// Las tablas van de 1 a su cantidad; las cantidades son enteros de 16 bits.
#pragma once

#include "model/tabla.h"

#include <array>
#include <cstdint>
#include <string>

namespace vertana {

using Entero16 = std::int16_t;

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
    std::string SueloRoca;        // "S" suelos, "R" macizos rocosos; vacío hasta el primer Form2
    Entero16 MetodoDeCalculo = 0; // 1 variacional, 2 Bishop, 3 Fellenius, 4 Janbu
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
    std::string VariaElRadioSN;
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
    Entero16 DefinicionParametrosInstantaneos = 0;
    bool ParametrosIntroducidos = false;

    // 3. Geometría.
    Entero16 NumeroCoordenadasTalud = 0;
    Tabla<double> AbscisasTalud, OrdenadasTalud;
    Entero16 NumeroCoordenadasFalla = 0;
    Tabla<double> AbscisasFalla, OrdenadasFalla;
    Entero16 NumeroCoordenadasFreatico = 0;
    Tabla<double> AbscisasFreatico, OrdenadasFreatico;
    Entero16 NumeroDeEstratos = 0;
    Tabla<Entero16> NumeroCoordenadasEstrato;
    Tabla2<double> AbscisasEstratos, OrdenadasEstratos; // (estrato, punto)

    // 4. Uniones entre los puntos de la superficie de falla.
    Entero16 NumeroTiposDeFalla = 0;
    Tabla<double> PuntoInicialTipoFalla, PuntoFinalTipoFalla; // números de punto enteros
    Tabla<std::string> TipoDeFalla;                           // "L", "C" o "P"
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

    // 7. Cargas.
    Entero16 NumeroCargasUniformes = 0;
    Tabla<double> CargaUniformeXo, CargaUniformeYo, CargaUniformeXf, CargaUniformeYf;
    Tabla<double> CargaUniformeQx, CargaUniformeQy;
    bool CargasUniformesIntroducidas = false;
    Entero16 NumeroCargasPuntuales = 0;
    Tabla<double> CargaPuntualX, CargaPuntualY, CargaPuntualPx, CargaPuntualPy;
    bool CargasPuntualesIntroducidas = false;

    // 8. Resultados.
    bool HayResultados = false;
    std::string HayResultadosSN = "N";
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
    std::string UsaParametrosInstantaneosSN = "N";
    bool ParametrosInstantaneosCalculados = false;

    // Control de las iteraciones y de las presiones de poros dadas por el usuario.
    bool PresionesDePorosDadas = false;
    bool SolucionAceptada = false;
    bool SalirDelCalculo = false;
    bool SigmasModificados = false;
    Tabla<double> SigmasUsuario;
    Tabla<double> SigmaMinimoDovela;
    Entero16 DovelaSinChequeo = 0;
    // (nodo j, iteración k) del método variacional: nodo 1 la cresta, j = i + 1 la base de la
    // dovela i. Sólo vive durante el cálculo y para Form13; no se guarda.
    Tabla2<double> HistoriaEsfuerzosNormales;
    double SumaFuerzasHorizontales = 0.0;
    double SumaFuerzasVerticales = 0.0;
    double SumaMomentos = 0.0;

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

// Las tablas reales de propiedades por estrato, de suelo y de roca (una entrada por estrato).
std::array<Tabla<double>*, 12> TablasPorEstrato(Proyecto& p);

// Un proyecto está guardado cuando no tiene cambios de datos ni de coordenadas.
bool ProyectoGuardado(const Proyecto& p);

// Superficie de falla formada por un único arco de círculo: una sola unión, de tipo "C".
bool EsCirculoUnico(const Proyecto& p);

// Mayor cantidad de puntos de un estrato (0 sin estratos).
Entero16 MaximoPuntosEstrato(const Proyecto& p);
// Mayor cantidad de pares de laboratorio de un estrato (0 sin datos).
Entero16 MaximoPuntosLaboratorio(const Proyecto& p);

} // namespace vertana
