// La línea del último cálculo en la barra de estado de la ventana principal: método, factor de
// seguridad, dovelas, fecha y hora del cálculo y si los datos cambiaron después. Se vacía con un
// proyecto nuevo o abierto y cuando cambian la geometría o los materiales (también los puntos
// que el editor tiene sin pasar al proyecto).
#pragma once

#include "calculo/calculo.h"
#include "model/proyecto.h"
#include "ui/editor_coordenadas.h"

#include <QDateTime>
#include <QLabel>
#include <optional>
#include <vector>

namespace vertana {

class PanelUltimoCalculo : public QLabel {
public:
    explicit PanelUltimoCalculo(QWidget* padre = nullptr);

    // "Último cálculo: ninguno".
    void Limpiar();
    // Un cálculo pedido desde el menú terminó. Uno sin resultados que no tocó los resultados
    // anteriores deja la línea como estaba.
    void Calculado(const ResultadoCalculo& r, const Proyecto& p, const EditorCoordenadas& editor,
                   const QDateTime& cuando = QDateTime::currentDateTime());
    // Compara los datos de ahora con los del cálculo mostrado.
    void Revisar(const Proyecto& p, const EditorCoordenadas& editor);

    bool HayCalculo() const { return calculo_.has_value(); }
    bool DatosCambiaron() const { return datosCambiaron_; }

private:
    // Lo que el editor tiene en pantalla: conjunto, estrato y puntos.
    struct Copia {
        int conjunto = 0;
        int estrato = 0;
        std::vector<double> puntos; // x1, y1, x2, y2...
        bool operator==(const Copia&) const = default;
    };
    static Copia CopiaDe(const EditorCoordenadas& editor);
    // Los puntos del proyecto del conjunto que el editor muestra.
    static Copia GuardadoDe(const Proyecto& p, const EditorCoordenadas& editor);
    void Mostrar();

    std::optional<ResultadoCalculo> calculo_;
    std::optional<Proyecto> alCalcular_;
    Copia editorAlCalcular_;
    int dovelas_ = 0;
    QString fechaHora_;
    bool datosCambiaron_ = false;
};

} // namespace vertana
