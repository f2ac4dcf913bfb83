#include "ui/form11.h"

#include "model/interaccion.h"
#include "model/textos.h"

#include <QHBoxLayout>
#include <QLabel>

namespace vertana {
namespace {

void PonerLeyenda(QLabel* etiqueta, const char* texto, Color color)
{
    etiqueta->setText(texto);
    QPalette paleta = etiqueta->palette();
    paleta.setColor(QPalette::WindowText, QColor(color.r, color.g, color.b));
    etiqueta->setPalette(paleta);
}

} // namespace

Form11::Form11(Proyecto& proyecto, Interaccion& interaccion, QWidget* padre)
    : VentanaGrafico(interaccion, padre), proyecto_(proyecto)
{
    setObjectName("Form11");
    setWindowTitle(textos::CaptionForm11);
    normalesTotales_ = new QLabel(this);
    normalesTotales_->setObjectName("EsfuerzosNormalesTotales");
    normalesEfectivos_ = new QLabel(this);
    normalesEfectivos_->setObjectName("EsfuerzosNormalesEfectivos");
    tangenciales_ = new QLabel(this);
    tangenciales_->setObjectName("EsfuerzosTangenciales");
    QFont negrita = normalesTotales_->font();
    negrita.setBold(true);
    constexpr int Separacion = 24; // píxeles entre dos entradas de la leyenda
    FilaSuperior()->addStretch();
    for (QLabel* etiqueta : {normalesTotales_, normalesEfectivos_, tangenciales_}) {
        etiqueta->setFont(negrita);
        FilaSuperior()->addWidget(etiqueta);
        FilaSuperior()->addSpacing(Separacion);
    }
}

void Form11::MostrarGrafico(TipoDeGrafico tipo)
{
    tipo_ = tipo;
    for (QLabel* etiqueta : {normalesTotales_, normalesEfectivos_, tangenciales_})
        etiqueta->clear();
    dibujado_ = ComprobarResultadosGrafico(proyecto_, interaccion_);
    if (dibujado_) {
        RecalcularPrincipalesSuelo(proyecto_);
        setWindowTitle(textos::CaptionEsfuerzosEnFalla);
        if (tipo == TipoDeGrafico::NormalesYTangenciales) {
            PonerLeyenda(normalesTotales_, textos::LeyendaNormalTotal, colores::Rojo);
            PonerLeyenda(normalesEfectivos_, textos::LeyendaNormalEfectivo, colores::Verde);
            PonerLeyenda(tangenciales_, textos::LeyendaTangencial, colores::Azul);
        } else if (tipo == TipoDeGrafico::Principales) {
            PonerLeyenda(normalesTotales_, textos::LeyendaPrincipalMayor, colores::Rojo);
            PonerLeyenda(normalesEfectivos_, textos::LeyendaPrincipalMenor, colores::Verde);
        }
        // En pantalla la leyenda son las etiquetas; al exportar va dentro del dibujo.
        Lienzo()->FijarConstructor(
            [this](double ancho, double alto) { return Construir(ancho, alto, false); });
    } else {
        Lienzo()->FijarConstructor({});
    }
    show();
    raise();
    activateWindow();
}

Escena Form11::Construir(double ancho, double alto, bool conLeyenda) const
{
    OpcionesGrafico o;
    o.ancho = ancho;
    o.alto = alto;
    o.leyenda = conLeyenda;
    return EscenaEsfuerzos(proyecto_, tipo_, o);
}

LienzoEscena::Constructor Form11::ConstructorDeExportacion() const
{
    if (!dibujado_) return {};
    return [this](double ancho, double alto) { return Construir(ancho, alto, true); };
}

void Form11::Cerrar()
{
    hide();
    for (QLabel* etiqueta : {normalesTotales_, normalesEfectivos_, tangenciales_}) {
        etiqueta->clear();
        etiqueta->setPalette(QPalette());
    }
}

} // namespace vertana
