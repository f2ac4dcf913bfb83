// Ventana no modal de un dibujo (Form3, Form11): el lienzo y los botones Imprimir, Exportar y
// Cerrar. Imprimir manda a la impresora la imagen de la ventana tal como se ve, sin los botones.
#pragma once

#include "ui/lienzo_escena.h"

#include <QDialog>
#include <QImage>
#include <functional>
#include <string>

class QHBoxLayout;
class QPushButton;

namespace vertana {

class Interaccion;

class VentanaGrafico : public QDialog {
public:
    VentanaGrafico(Interaccion& interaccion, QWidget* padre);

    LienzoEscena* Lienzo() const { return lienzo_; }

    // Impresión de la imagen de la ventana: devuelve false si falló (el aviso lo da la ventana).
    // Por omisión abre el diálogo de impresión; las pruebas la sustituyen.
    std::function<bool(const QImage&)> ImprimirImagen;
    // Ruta donde exportar el dibujo ("" si la persona canceló). Por omisión, el diálogo de
    // archivos; las pruebas la sustituyen.
    std::function<std::string()> ElegirArchivoExportar;

    void Imprimir();
    void Exportar();
    // Cerrar: oculta la ventana.
    virtual void Cerrar();

protected:
    // La escena que se exporta: por omisión, la del lienzo.
    virtual LienzoEscena::Constructor ConstructorDeExportacion() const;
    // Fila de arriba del lienzo, para lo que cada ventana agregue (la leyenda de Form11).
    QHBoxLayout* FilaSuperior() const { return filaSuperior_; }
    Interaccion& interaccion_;

private:
    bool ImprimirConDialogo(const QImage& imagen);

    LienzoEscena* lienzo_ = nullptr;
    QHBoxLayout* filaSuperior_ = nullptr;
    QPushButton* imprimir_ = nullptr;
    QPushButton* exportar_ = nullptr;
    QPushButton* cerrar_ = nullptr;
};

// Diálogo de archivos para exportar un dibujo (PNG, SVG o PDF); "" si se canceló.
std::string ElegirArchivoDeDibujo(QWidget* padre);

// Escribe en el archivo la escena que el lienzo muestra, construida a 1200 × 800 píxeles (o al
// tamaño del lienzo si es mayor); los errores van por la interacción.
constexpr double AnchoExportacion = 1200.0;
constexpr double AltoExportacion = 800.0;
void ExportarLienzo(const LienzoEscena::Constructor& constructor, const std::string& ruta,
                    Interaccion& interaccion);

} // namespace vertana
