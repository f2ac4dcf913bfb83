#include "ui/menu_graficos.h"

#include "output/grafico_esfuerzos.h"
#include "ui/form1.h"
#include "ui/form11.h"
#include "ui/form3.h"

namespace vertana {

const char* const ElementosGraficosEsfuerzos[9] = {
    "GráficoEsfuerzoNormalesEfectivos",
    "GráficoEsfuerzoNormalesTotales",
    "GráficoEsfuerzoPrincipalMayor",
    "GráficoEsfuerzoPrincipalMenor",
    "GráficoEsfuerzosTangencialesMovilizados",
    "GráficoResistenciaAlCorteVsEsfuerzoNormal",
    "GráficoEsfuerzosNormalesTotalesEfectivosTangenciales",
    "GráficoDeEsfuerzosPrincipales",
    "GráficoGeometríaAdaptadaEscalaEsfuerzos"};

void ConectarGraficos(Form1& ventana, Proyecto& proyecto, Interaccion& interaccion)
{
    ventana.ConectarDialogo("GráficoGeometría", nullptr, [&ventana, &proyecto, &interaccion] {
        auto* form3 = ventana.findChild<Form3*>("Form3");
        if (!form3) form3 = new Form3(proyecto, interaccion, ventana.Estado(), &ventana);
        form3->Mostrar();
    });
    for (int codigo = PrimerTipoDeGrafico; codigo <= UltimoTipoDeGrafico; ++codigo) {
        const auto tipo = static_cast<TipoDeGrafico>(codigo);
        ventana.ConectarDialogo(
            ElementosGraficosEsfuerzos[codigo - 1], nullptr,
            [&ventana, &proyecto, &interaccion, tipo] {
                if (tipo == TipoDeGrafico::Principales && proyecto.NumeroPuntosDovelas > 1) {
                    // Una entrada de esfuerzo principal por dovela.
                    proyecto.EsfuerzoPrincipalMayorDovela.RedimensionarConservando(
                        proyecto.NumeroPuntosDovelas - 1);
                    proyecto.EsfuerzoPrincipalMenorDovela.RedimensionarConservando(
                        proyecto.NumeroPuntosDovelas - 1);
                }
                auto* form11 = ventana.findChild<Form11*>("Form11");
                if (!form11) form11 = new Form11(proyecto, interaccion, &ventana);
                form11->MostrarGrafico(tipo);
            });
    }
}

} // namespace vertana
