// Ventana de ayuda: el manual del programa (HTML en español incluido en el programa).
#pragma once

#include <QWidget>

class QTextBrowser;

namespace vertana {

// Dirección del manual dentro de los recursos del programa.
inline constexpr char DireccionManual[] = "qrc:/ayuda/manual.html";

class VentanaAyuda : public QWidget {
    Q_OBJECT

public:
    explicit VentanaAyuda(QWidget* padre = nullptr);

    QTextBrowser* Navegador() const { return navegador_; }

private:
    QTextBrowser* navegador_;
};

} // namespace vertana
