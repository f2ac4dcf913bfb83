// frmAbout: nombre del programa, versión y autoría.
#pragma once

#include <QDialog>

namespace vertana {

// Línea de versión: "Versión " seguido de la versión mayor, la menor y la revisión del programa.
QString LineaDeVersion();

class FrmAbout : public QDialog {
    Q_OBJECT

public:
    explicit FrmAbout(QWidget* padre = nullptr);
};

} // namespace vertana
