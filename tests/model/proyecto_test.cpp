#include "model/proyecto.h"
#include "model/textos.h"
#include "proyectos_de_prueba.h"

#include <gtest/gtest.h>

namespace vertana {
namespace {

TEST(Proyecto, UnProyectoNuevoEstaVacioConLaInformacionPorOmisionYGuardado)
{
    Proyecto p = prueba::SueloConResultados(4);
    p.DatosGuardados = false;
    p.CoordenadasSinCambios = false;
    p.ArchivoActual = "/tmp/x.cod";

    ReiniciarProyecto(p);

    for (int cantidad :
         {p.NumeroCoordenadasTalud(), p.NumeroCoordenadasFalla(), p.NumeroCoordenadasFreatico(),
          p.NumeroDeEstratos(), p.NumeroPuntosDovelas})
        EXPECT_EQ(cantidad, 0);
    EXPECT_TRUE(p.AbscisasTalud.Vacia());
    EXPECT_TRUE(p.AbscisasEstratos.Vacia());
    EXPECT_TRUE(p.CohesionMacizo.Vacia());
    EXPECT_TRUE(p.HistoriaFS.Vacia());
    EXPECT_TRUE(p.TipoDeFalla.Vacia());
    EXPECT_EQ(p.ProgresivaInicial, "0 + 000.000");
    EXPECT_EQ(p.ProgresivaFinal, "1 + 500.000");
    EXPECT_EQ(p.FechaProyecto, "31 / 12 / 2015");
    EXPECT_EQ(p.IngResponsable, "Dravenca");
    EXPECT_EQ(p.Empresa, "Dravenca");
    EXPECT_TRUE(p.Descripcion.empty());
    EXPECT_TRUE(p.ArchivoActual.empty());
    EXPECT_TRUE(ProyectoGuardado(p));
    for (bool bandera :
         {p.RocaCaracterizada, p.ParametrosIntroducidos, p.VariaElRadio, p.TiposDeFallaDefinidos,
          p.CargasUniformesIntroducidas, p.CargasPuntualesIntroducidas, p.CambioNumeroEstratos,
          p.EstratoInsertado, p.HayResultados, p.MsDeLaboratorio, p.InformacionIntroducida,
          p.HayDatosLaboratorio, p.UsaParametrosInstantaneos, p.ParametrosInstantaneosCalculados,
          p.HayValoresDeHt, p.PresionesDePorosDadas})
        EXPECT_FALSE(bandera);
    EXPECT_TRUE(p.EstratosConCaracteristicas);
    for (double v : {p.SumaEsfuerzosTangenciales, p.SumaEsfuerzosPrincipalesMenores,
                     p.FactorSeguridadConAnclaje, p.SeparacionAnclajesPasivos,
                     p.AbscisaPrimerPuntoGrieta, p.OrdenadaNivelFreaticoGrieta, p.AlturaAguaGrieta})
        EXPECT_EQ(v, 0.0);
}

TEST(Proyecto, ElReinicioConservaLosParametrosDeCalculoPeroNoSuAceptacionNiLasCargas)
{
    Proyecto p = prueba::SueloConResultados(4);
    const Proyecto antes = p;

    ReiniciarProyecto(p);

    EXPECT_EQ(p.SueloRoca, Material::Suelo);
    EXPECT_EQ(p.MetodoDeCalculo, Metodo::Janbu);
    EXPECT_EQ(p.MultiplicadorLagrange1, antes.MultiplicadorLagrange1);
    EXPECT_EQ(p.FSInicial, antes.FSInicial);
    EXPECT_EQ(p.NumeroDovelas, antes.NumeroDovelas);
    EXPECT_EQ(p.CoeficienteSismicoHorizontal, antes.CoeficienteSismicoHorizontal);
    EXPECT_EQ(p.NumeroTiposDeFalla, antes.NumeroTiposDeFalla);
    EXPECT_EQ(p.NumeroIteraciones, antes.NumeroIteraciones);
    EXPECT_EQ(p.ValoresDeHt, antes.ValoresDeHt);
    EXPECT_EQ(p.AnchoDovela, antes.AnchoDovela); // no se descarta
    EXPECT_TRUE(p.PresionPorosDovela.Vacia());
    EXPECT_FALSE(p.ParametrosIntroducidos);
    EXPECT_FALSE(p.TiposDeFallaDefinidos);
    // Las cargas del proyecto anterior no pasan al nuevo.
    EXPECT_EQ(p.NumeroCargasUniformes(), 0);
    EXPECT_EQ(p.NumeroCargasPuntuales(), 0);
    EXPECT_TRUE(p.CargaUniformeQy.Vacia());
    EXPECT_TRUE(p.CargaPuntualPy.Vacia());
}

TEST(Proyecto, EstaGuardadoSoloSinCambiosDeDatosNiDeCoordenadas)
{
    Proyecto p;
    for (bool datos : {false, true})
        for (bool coordenadas : {false, true}) {
            p.DatosGuardados = datos;
            p.CoordenadasSinCambios = coordenadas;
            EXPECT_EQ(ProyectoGuardado(p), datos && coordenadas);
        }
}

TEST(Proyecto, CirculoUnicoEsUnaSolaUnionDeTipoC)
{
    Proyecto p = prueba::SueloCirculoUnico();
    EXPECT_TRUE(EsCirculoUnico(p));
    p.TipoDeFalla(1) = TipoUnion::Recta;
    EXPECT_FALSE(EsCirculoUnico(p));
    EXPECT_FALSE(EsCirculoUnico(prueba::SueloConResultados(3)));
    Proyecto vacio;
    vacio.NumeroTiposDeFalla = 1; // cantidad sin tabla, como tras un reinicio
    EXPECT_FALSE(EsCirculoUnico(vacio));
}

TEST(Proyecto, MaximosDePuntosPorEstrato)
{
    const Proyecto p = prueba::RocaConLaboratorio();
    EXPECT_EQ(MaximoPuntosEstrato(p), 2);
    EXPECT_EQ(MaximoPuntosLaboratorio(p), 3);
    Proyecto sinLab = p;
    sinLab.HayDatosLaboratorio = false;
    EXPECT_EQ(MaximoPuntosLaboratorio(sinLab), 0);
}

TEST(Tabla, RedimensionarDescartaYConservandoGuarda)
{
    Tabla<double> t(3);
    t(1) = 1;
    t(3) = 3;
    t.RedimensionarConservando(4);
    EXPECT_EQ(t(1), 1);
    EXPECT_EQ(t(3), 3);
    EXPECT_EQ(t(4), 0);
    t.Redimensionar(2);
    EXPECT_EQ(t(1), 0);

    Tabla2<double> m;
    m.Redimensionar(2, 2);
    m(2, 2) = 7;
    m(1, 2) = 5;
    m.RedimensionarConservando(3, 1);
    EXPECT_EQ(m.Filas(), 3);
    EXPECT_EQ(m.Columnas(), 1);
    m.RedimensionarConservando(3, 2);
    EXPECT_EQ(m(1, 2), 0); // la columna 2 se perdió al achicar
}

} // namespace
} // namespace vertana
