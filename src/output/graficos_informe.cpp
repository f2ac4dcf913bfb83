#include "output/graficos_informe.h"

#include "calculo/calculo.h"
#include "model/textos.h"
#include "output/grafico_seccion.h"

namespace vertana {

std::vector<DibujoDelInforme> DibujosDelInforme(const Proyecto& p)
{
    std::vector<DibujoDelInforme> dibujos{DibujoDelInforme{}};
    if (!HayResultadosParaGraficos(p)) return dibujos;
    for (int tipo = PrimerTipoDeGrafico; tipo <= UltimoTipoDeGrafico; ++tipo)
        dibujos.push_back(DibujoDelInforme{static_cast<TipoDeGrafico>(tipo)});
    return dibujos;
}

Escena EscenaDelInforme(const Proyecto& p, const DibujoDelInforme& dibujo, double ancho,
                        double alto)
{
    if (!dibujo.grafico) {
        OpcionesSeccion opciones;
        opciones.ancho = ancho;
        opciones.alto = alto;
        opciones.titulo = textos::TituloGeometriaTalud;
        opciones.colorEjes = colores::Rojo;
        if (p.HayResultados) {
            opciones.factorSeguridad = FactorDeSeguridadGuardado(p);
            opciones.nombreMetodo = NombreDelMetodoGuardado(p);
        }
        return EscenaSeccion(p, opciones);
    }
    Proyecto conPrincipales = p; // los principales de suelos se rehacen sin tocar el proyecto
    RecalcularPrincipalesSuelo(conPrincipales);
    OpcionesGrafico opciones;
    opciones.ancho = ancho;
    opciones.alto = alto;
    return EscenaEsfuerzos(conPrincipales, *dibujo.grafico, opciones);
}

} // namespace vertana
