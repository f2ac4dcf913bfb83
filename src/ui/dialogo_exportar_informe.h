// Exportar el informe en PDF: el archivo de destino y si se añaden detrás del texto el dibujo de
// la sección y los gráficos de esfuerzos. La impresión en papel (Imprimir) sigue siendo sólo
// texto.
#pragma once

#include <QDialog>
#include <string>

class QCheckBox;
class QLineEdit;

namespace vertana {

class Interaccion;

class DialogoExportarInforme : public QDialog {
public:
    // `rutaPropuesta`: el PDF que se ofrece (el del proyecto con extensión .pdf). `hayResultados`
    // sólo cambia la explicación de la casilla: sin resultados se añade la sección sola.
    DialogoExportarInforme(const std::string& rutaPropuesta, bool hayResultados,
                           Interaccion& interaccion, QWidget* padre = nullptr);

    // El archivo elegido, con ".pdf" añadido si no lo tenía (en la codificación del sistema).
    std::string Ruta() const;
    bool ConGraficos() const;

    void accept() override;

private:
    void Examinar();

    Interaccion& interaccion_;
    QLineEdit* ruta_;
    QCheckBox* conGraficos_;
};

} // namespace vertana
