#include "ui/dialogo_archivos.h"

#include "model/textos.h"

#include <QFileDialog>

namespace vertana {

void PrepararDialogoArchivos(QFileDialog& dialogo, bool guardar)
{
    constexpr char ExtensionProyecto[] = "cod"; // se añade a un nombre sin extensión
    dialogo.setObjectName("DiálogoComún");
    dialogo.setNameFilters({textos::FiltroTodos, textos::FiltroCoordenadas});
    dialogo.selectNameFilter(textos::FiltroCoordenadas);
    if (guardar) {
        dialogo.setAcceptMode(QFileDialog::AcceptSave);
        dialogo.setFileMode(QFileDialog::AnyFile);
        dialogo.setOption(QFileDialog::DontConfirmOverwrite);
        dialogo.setDefaultSuffix(ExtensionProyecto);
    } else {
        dialogo.setAcceptMode(QFileDialog::AcceptOpen);
        dialogo.setFileMode(QFileDialog::ExistingFile);
    }
}

} // namespace vertana
