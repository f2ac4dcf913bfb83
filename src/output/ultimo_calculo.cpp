#include "output/ultimo_calculo.h"

#include "model/numeros.h"
#include "model/textos.h"

#include <tuple>

namespace vertana {
namespace {

constexpr char FormatoFS[] = "#0.000";

auto GeometriaYMateriales(const Proyecto& p)
{
    return std::tie(
        p.SueloRoca, p.AbscisasTalud, p.OrdenadasTalud, p.AbscisasFalla, p.OrdenadasFalla,
        p.AbscisasFreatico, p.OrdenadasFreatico, p.NumeroCoordenadasEstrato, p.AbscisasEstratos,
        p.OrdenadasEstratos, p.NumeroTiposDeFalla, p.PuntoInicialTipoFalla, p.PuntoFinalTipoFalla,
        p.TipoDeFalla, p.CohesionMacizo, p.FriccionMacizo, p.PesoUnitarioHumedo,
        p.PesoUnitarioSaturado, p.TipoDeEstrato, p.ParametroPresionIntersticial,
        p.CoeficienteConsolidacionVertical, p.TiempoDeConstruccion, p.ParametroMIntacto,
        p.IndiceGSI, p.ParametroM, p.ParametroS, p.CompresionSimple, p.HayDatosLaboratorio,
        p.NumeroPuntosLab, p.Sigma1Lab, p.Sigma3Lab, p.CohesionDovela, p.FriccionDovela);
}

auto OtrosDatos(const Proyecto& p)
{
    return std::tie(
        p.MetodoDeCalculo, p.MultiplicadorLagrange1, p.MultiplicadorLagrange2, p.FSInicial,
        p.EsfuerzoInicialCresta, p.NumeroDovelas, p.RadioCirculoFalla, p.CuerdaCirculo,
        p.CentroCirculoX, p.CentroCirculoY, p.VariaElRadioSN, p.VariaElRadio,
        p.CoeficienteSismicoHorizontal, p.CoeficienteSismicoVertical, p.AbscisaPrimerPuntoGrieta,
        p.OrdenadaPrimerPuntoGrieta, p.AbscisaSegundoPuntoGrieta, p.OrdenadaSegundoPuntoGrieta,
        p.AbscisaNivelFreaticoGrieta, p.OrdenadaNivelFreaticoGrieta, p.AlturaAguaGrieta,
        p.DefinicionParametrosInstantaneos, p.CargaUniformeXo, p.CargaUniformeYo, p.CargaUniformeXf,
        p.CargaUniformeYf, p.CargaUniformeQx, p.CargaUniformeQy, p.CargaPuntualX, p.CargaPuntualY,
        p.CargaPuntualPx, p.CargaPuntualPy, p.PresionesDePorosDadas, p.PresionPorosDovela);
}

auto Resultados(const Proyecto& p)
{
    return std::tie(p.HayResultados, p.NumeroPuntosDovelas, p.AnchoDovela, p.AbscisaCentroDovela,
                    p.OrdenadaCentroDovela, p.OrdenadaTaludDovela, p.PresionPorosDovela,
                    p.CohesionDovela, p.FriccionDovela, p.ParametroMDovela, p.ParametroSDovela,
                    p.ExponenteHoekBrownDovela, p.PesoUnitarioDovela, p.EsfuerzoNormalDovela,
                    p.EsfuerzoEfectivoDovela, p.EsfuerzoTangencialDovela,
                    p.EsfuerzoPrincipalMenorDovela, p.EsfuerzoPrincipalMayorDovela,
                    p.NumeroIteraciones, p.HistoriaMu1Mu2, p.HistoriaInversaMu2, p.HistoriaFS,
                    p.ValoresDeHt, p.HayValoresDeHt, p.SumaEsfuerzosTangenciales,
                    p.SumaEsfuerzosNormalesTotales, p.SumaEsfuerzosNormalesEfectivos,
                    p.SumaEsfuerzosPrincipalesMayores, p.SumaEsfuerzosPrincipalesMenores);
}

const char* RazonSinResultado(EstadoDelCalculo estado)
{
    switch (estado) {
    case EstadoDelCalculo::Abandonado:
        return textos::UltimoCalculoAbandonado;
    case EstadoDelCalculo::Limite:
        return textos::UltimoCalculoLimite;
    default:
        return textos::UltimoCalculoRechazado;
    }
}

} // namespace

CambioDesdeElCalculo CambiosDesdeElCalculo(const Proyecto& alCalcular, const Proyecto& ahora)
{
    if (GeometriaYMateriales(alCalcular) != GeometriaYMateriales(ahora))
        return CambioDesdeElCalculo::GeometriaOMateriales;
    if (OtrosDatos(alCalcular) != OtrosDatos(ahora)) return CambioDesdeElCalculo::Datos;
    return CambioDesdeElCalculo::Ninguno;
}

bool MismosResultados(const Proyecto& a, const Proyecto& b)
{
    return Resultados(a) == Resultados(b);
}

std::string TextoUltimoCalculo(const ResultadoCalculo& r, int dovelas, const std::string& fechaHora,
                               bool datosCambiaron)
{
    const std::string separador = textos::UltimoCalculoSeparador;
    std::string texto = textos::UltimoCalculo;
    texto += NombreDeMetodo(r.MetodoCalculado);
    if (r.ConParametrosInstantaneos) texto += textos::UltimoCalculoInstantaneos;
    if (r.FactorSeguridad) {
        texto += separador + textos::UltimoCalculoFS + Formato(*r.FactorSeguridad, FormatoFS);
        texto += separador + std::to_string(dovelas) + textos::UltimoCalculoDovelas;
    } else {
        texto += separador + textos::UltimoCalculoSinResultado + " (" +
                 RazonSinResultado(r.Estado) + ")";
    }
    if (!fechaHora.empty()) texto += separador + fechaHora;
    if (datosCambiaron) texto += separador + textos::UltimoCalculoDatosCambiaron;
    return texto;
}

} // namespace vertana
