#include "model/proyecto.h"

#include "model/textos.h"

#include <cmath>

namespace vertana {

std::array<Tabla<double>*, 12> TablasPorEstrato(Proyecto& p)
{
    return {&p.CohesionMacizo,
            &p.FriccionMacizo,
            &p.PesoUnitarioHumedo,
            &p.PesoUnitarioSaturado,
            &p.ParametroPresionIntersticial,
            &p.CoeficienteConsolidacionVertical,
            &p.TiempoDeConstruccion,
            &p.ParametroMIntacto,
            &p.IndiceGSI,
            &p.ParametroM,
            &p.ParametroS,
            &p.CompresionSimple};
}

void RedimensionarConjunto(Tabla<double>& abscisas, Tabla<double>& ordenadas, int n)
{
    abscisas.Redimensionar(n);
    ordenadas.Redimensionar(n);
}

std::array<Tabla<double>*, 6> TablasCargasUniformes(Proyecto& p)
{
    return {&p.CargaUniformeXo, &p.CargaUniformeYo, &p.CargaUniformeXf,
            &p.CargaUniformeYf, &p.CargaUniformeQx, &p.CargaUniformeQy};
}

std::array<Tabla<double>*, 4> TablasCargasPuntuales(Proyecto& p)
{
    return {&p.CargaPuntualX, &p.CargaPuntualY, &p.CargaPuntualPx, &p.CargaPuntualPy};
}

void RedimensionarCargasUniformes(Proyecto& p, int n)
{
    for (Tabla<double>* t : TablasCargasUniformes(p))
        t->Redimensionar(n);
}

void RedimensionarCargasPuntuales(Proyecto& p, int n)
{
    for (Tabla<double>* t : TablasCargasPuntuales(p))
        t->Redimensionar(n);
}

void RedimensionarEstratos(Proyecto& p, int n)
{
    p.NumeroCoordenadasEstrato.RedimensionarConservando(n);
}

void ReiniciarProyecto(Proyecto& p)
{
    // Geometría y propiedades de los estratos.
    p.NumeroPuntosDovelas = 0;
    p.AbscisasTalud.Vaciar();
    p.OrdenadasTalud.Vaciar();
    p.AbscisasFalla.Vaciar();
    p.OrdenadasFalla.Vaciar();
    p.AbscisasFreatico.Vaciar();
    p.OrdenadasFreatico.Vaciar();
    p.NumeroCoordenadasEstrato.Vaciar();
    p.AbscisasEstratos.Vaciar();
    p.OrdenadasEstratos.Vaciar();
    for (Tabla<double>* t : TablasPorEstrato(p))
        t->Vaciar();
    p.TipoDeEstrato.Vaciar();

    // Resultados por dovela, historia de iteraciones y uniones de la superficie de falla.
    for (Tabla<double>* t :
         {&p.PresionPorosDovela, &p.CohesionDovela, &p.FriccionDovela, &p.AbscisaCentroDovela,
          &p.EsfuerzoTangencialDovela, &p.EsfuerzoNormalDovela, &p.EsfuerzoPrincipalMayorDovela,
          &p.EsfuerzoEfectivoDovela, &p.EsfuerzoPrincipalMenorDovela, &p.OrdenadaTaludDovela,
          &p.HistoriaMu1Mu2, &p.HistoriaInversaMu2, &p.HistoriaFS, &p.PuntoInicialTipoFalla,
          &p.PuntoFinalTipoFalla})
        t->Vaciar();
    p.TipoDeFalla.Vaciar();

    // Estado de edición.
    p.Descripcion.clear();
    p.CoordenadasSinCambios = true;
    p.DatosGuardados = true;
    p.ArchivoActual.clear();

    // Banderas.
    p.RocaCaracterizada = false;
    p.ParametrosIntroducidos = false;
    p.VariaElRadio = false;
    p.TiposDeFallaDefinidos = false;
    p.CargasUniformesIntroducidas = false;
    p.CargasPuntualesIntroducidas = false;
    p.CambioNumeroEstratos = false;
    p.EstratoInsertado = false;
    p.HayResultados = false;
    p.MsDeLaboratorio = false;
    p.InformacionIntroducida = false;
    p.HayDatosLaboratorio = false;
    p.UsaParametrosInstantaneos = false;
    p.ParametrosInstantaneosCalculados = false;
    p.HayValoresDeHt = false;

    // Sumas, anclajes y grieta de tracción.
    for (double* v :
         {&p.SumaEsfuerzosTangenciales, &p.SumaEsfuerzosNormalesTotales,
          &p.SumaEsfuerzosNormalesEfectivos, &p.SumaEsfuerzosPrincipalesMayores,
          &p.SumaEsfuerzosPrincipalesMenores, &p.FactorSeguridadConAnclaje, &p.InclinacionAnclajes,
          &p.DiametroAnclajes, &p.EsfuerzoRoturaAnclaje, &p.NumeroGuayasObarras,
          &p.SeparacionAnclajesActivos, &p.SeparacionAnclajesPasivos, &p.AbscisaPrimerPuntoGrieta,
          &p.OrdenadaPrimerPuntoGrieta, &p.AbscisaSegundoPuntoGrieta, &p.OrdenadaSegundoPuntoGrieta,
          &p.AbscisaNivelFreaticoGrieta, &p.OrdenadaNivelFreaticoGrieta, &p.AlturaAguaGrieta})
        *v = 0.0;

    // Información del proyecto.
    p.ProgresivaInicial = textos::ProgresivaInicialNueva;
    p.ProgresivaFinal = textos::ProgresivaFinalNueva;
    p.FechaProyecto = textos::FechaProyectoNueva;
    p.IngResponsable = textos::AutorDelPrograma;
    p.Empresa = textos::AutorDelPrograma;

    // Laboratorio.
    p.EstratosConCaracteristicas = true;
    p.NumeroPuntosLab.Vaciar();
    p.Sigma1Lab.Vaciar();
    p.Sigma3Lab.Vaciar();

    // Presiones de poros de Form19 (el control de las iteraciones vive en el estado del cálculo).
    p.PresionesDePorosDadas = false;

    // Las cargas de un proyecto anterior no deben entrar en el cálculo del nuevo.
    RedimensionarCargasUniformes(p, 0);
    RedimensionarCargasPuntuales(p, 0);
}

bool ProyectoGuardado(const Proyecto& p)
{
    return p.DatosGuardados && p.CoordenadasSinCambios;
}

std::optional<double> FactorDeSeguridadGuardado(const Proyecto& p)
{
    if (!p.HayResultados || p.NumeroIteraciones < 1 || p.NumeroIteraciones > p.HistoriaFS.Tamano())
        return std::nullopt;
    return p.HistoriaFS(p.NumeroIteraciones);
}

bool EsCirculoUnico(const Proyecto& p)
{
    return p.NumeroTiposDeFalla == 1 && p.TipoDeFalla.Tamano() >= 1 &&
           p.TipoDeFalla(1) == TipoUnion::Circular;
}

void RecalcularCuerdaCirculo(Proyecto& p)
{
    constexpr int PuntosDelCirculo = 2; // corona y pie
    const bool hayPuntos = p.AbscisasFalla.Tamano() >= PuntosDelCirculo &&
                           p.OrdenadasFalla.Tamano() >= PuntosDelCirculo;
    if (!EsCirculoUnico(p) || !hayPuntos) {
        p.CuerdaCirculo = 0.0;
        return;
    }
    const double dx = p.AbscisasFalla(1) - p.AbscisasFalla(2);
    const double dy = p.OrdenadasFalla(1) - p.OrdenadasFalla(2);
    p.CuerdaCirculo = std::sqrt(dx * dx + dy * dy);
}

Entero16 MaximoPuntosEstrato(const Proyecto& p)
{
    Entero16 maximo = 0;
    for (int i = 1; i <= p.NumeroDeEstratos() && i <= p.NumeroCoordenadasEstrato.Tamano(); ++i)
        if (p.NumeroCoordenadasEstrato(i) > maximo) maximo = p.NumeroCoordenadasEstrato(i);
    return maximo;
}

Entero16 MaximoPuntosLaboratorio(const Proyecto& p)
{
    if (!p.HayDatosLaboratorio) return 0;
    Entero16 maximo = 0;
    for (int i = 1; i <= p.NumeroDeEstratos() && i <= p.NumeroPuntosLab.Tamano(); ++i)
        if (p.NumeroPuntosLab(i) > maximo) maximo = p.NumeroPuntosLab(i);
    return maximo;
}

} // namespace vertana
