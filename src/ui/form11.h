// Form11, "Gráficos de esfuerzos": los esfuerzos a lo largo de la superficie de falla, no modal.
// El menú Gráfico fija el tipo de gráfico y la muestra; tres etiquetas hacen de leyenda.
#pragma once

#include "model/proyecto.h"
#include "output/grafico_esfuerzos.h"
#include "ui/ventana_grafico.h"

class QLabel;

namespace vertana {

class Form11 : public VentanaGrafico {
public:
    Form11(Proyecto& proyecto, Interaccion& interaccion, QWidget* padre = nullptr);

    // Fija TipoDeGrafico y dibuja: sin resultados avisa y queda en blanco; en suelos rehace los
    // esfuerzos principales guardados.
    void MostrarGrafico(TipoDeGrafico tipo);
    TipoDeGrafico Tipo() const { return tipo_; }
    bool Dibujado() const { return dibujado_; }
    Escena Construir(double ancho, double alto, bool conLeyenda) const;

    // Oculta la ventana y vacía la leyenda.
    void Cerrar() override;

protected:
    // Exportado, el gráfico lleva su leyenda dentro.
    LienzoEscena::Constructor ConstructorDeExportacion() const override;

private:
    Proyecto& proyecto_;
    TipoDeGrafico tipo_ = TipoDeGrafico::NormalesEfectivos;
    bool dibujado_ = false;
    QLabel* normalesTotales_ = nullptr;
    QLabel* normalesEfectivos_ = nullptr;
    QLabel* tangenciales_ = nullptr;
};

} // namespace vertana
