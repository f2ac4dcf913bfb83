#include "ui/dialogo_archivos.h"

#include "model/textos.h"

#include <QDateTime>
#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QIdentityProxyModel>
#include <QLocale>
#include <QSplitter>
#include <QTreeView>

namespace vertana {
namespace {

// Columnas del modelo de archivos de Qt.
constexpr int ColumnaNombre = 0;
constexpr int ColumnaTamano = 1;
constexpr int ColumnaTipo = 2;
constexpr int ColumnaFecha = 3;

// Qt escribe en inglés el tipo de una carpeta ("Folder") y con el idioma del sistema el tamaño y
// la fecha. Este modelo, puesto entre el de Qt y las vistas del diálogo, los escribe en español.
class ColumnasEnEspanol : public QIdentityProxyModel {
public:
    using QIdentityProxyModel::QIdentityProxyModel;

    QVariant data(const QModelIndex& indice, int rol) const override
    {
        const auto* archivos = qobject_cast<const QFileSystemModel*>(sourceModel());
        if (rol != Qt::DisplayRole || !archivos || !indice.isValid())
            return QIdentityProxyModel::data(indice, rol);
        const QFileInfo archivo = archivos->fileInfo(mapToSource(indice));
        const QLocale espanol;
        switch (indice.column()) {
        case ColumnaTamano:
            if (archivo.isFile()) return espanol.formattedDataSize(archivo.size());
            break;
        case ColumnaTipo:
            if (archivo.isDir()) return QString::fromUtf8(textos::TipoCarpeta);
            if (archivo.suffix().compare("cod", Qt::CaseInsensitive) == 0)
                return QString::fromUtf8(textos::TipoArchivoDeCoordenadas);
            break;
        case ColumnaFecha:
            return espanol.toString(archivo.lastModified(), QLocale::ShortFormat);
        default:
            break;
        }
        return QIdentityProxyModel::data(indice, rol);
    }
};

} // namespace

void PrepararDialogoArchivos(QFileDialog& dialogo, bool guardar)
{
    constexpr char ExtensionProyecto[] = "cod"; // se añade a un nombre sin extensión
    dialogo.setObjectName("DiálogoComún");
    // El diálogo propio de Qt, traducido entero, y no el del sistema, que sigue el idioma del
    // escritorio.
    dialogo.setOption(QFileDialog::DontUseNativeDialog);
    dialogo.setProxyModel(new ColumnasEnEspanol(&dialogo));
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
    // Tamaño con lugar para los nombres de los lugares de la izquierda ("Equipo") y las cuatro
    // columnas de la lista.
    const int caracter = dialogo.fontMetrics().averageCharWidth();
    constexpr int AnchoEnCaracteres = 130, AltoEnLineas = 30, LateralEnCaracteres = 22;
    const QSize tamano(caracter * AnchoEnCaracteres, dialogo.fontMetrics().height() * AltoEnLineas);
    dialogo.resize(tamano.expandedTo(dialogo.sizeHint()));
    if (auto* division = dialogo.findChild<QSplitter*>("splitter"))
        division->setSizes(
            {caracter * LateralEnCaracteres, dialogo.width() - caracter * LateralEnCaracteres});
    // Las columnas de tamaño, tipo y fecha, con su título y su contenido enteros; el nombre se
    // queda con el resto.
    if (auto* lista = dialogo.findChild<QTreeView*>("treeView")) {
        QHeaderView* encabezado = lista->header();
        encabezado->setStretchLastSection(false);
        encabezado->setSectionResizeMode(ColumnaNombre, QHeaderView::Stretch);
        for (int c : {ColumnaTamano, ColumnaTipo, ColumnaFecha})
            encabezado->setSectionResizeMode(c, QHeaderView::ResizeToContents);
    }
}

} // namespace vertana
