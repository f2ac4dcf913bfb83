#include "ui/archivos_recientes.h"

#include "model/textos.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QMetaObject>
#include <QSettings>
#include <QStringList>
#include <algorithm>

namespace vertana {
namespace {

// Clave de la lista en la configuración.
constexpr char ClaveRecientes[] = "ArchivosRecientes";

QString RutaQ(const std::string& ruta)
{
    return QFile::decodeName(QByteArray::fromStdString(ruta));
}

std::string RutaLocal(const QString& ruta)
{
    return QFile::encodeName(ruta).toStdString();
}

// La misma ruta escrita siempre igual: absoluta y sin "." ni "..".
std::string RutaNormal(const std::string& ruta)
{
    return RutaLocal(QDir::cleanPath(QFileInfo(RutaQ(ruta)).absoluteFilePath()));
}

} // namespace

ArchivosRecientes::ArchivosRecientes(QMenu* menu, QAction* despues,
                                     std::function<void(const std::string&)> abrir)
    : QObject(menu), submenu_(new QMenu(QString::fromUtf8(textos::MenuArchivosRecientes), menu)),
      abrir_(std::move(abrir))
{
    submenu_->setObjectName("MenúArchivosRecientes");
    submenu_->menuAction()->setObjectName("MenúArchivosRecientes");
    const QList<QAction*> acciones = menu->actions();
    const auto lugar = std::find(acciones.begin(), acciones.end(), despues);
    QAction* antes =
        (lugar != acciones.end() && lugar + 1 != acciones.end()) ? *(lugar + 1) : nullptr;
    menu->insertMenu(antes, submenu_);
    Rellenar();
}

std::vector<std::string> ArchivosRecientes::Lista() const
{
    std::vector<std::string> lista;
    for (const QString& ruta : QSettings().value(ClaveRecientes).toStringList())
        if (!ruta.isEmpty() && static_cast<int>(lista.size()) < Maximo)
            lista.push_back(RutaLocal(ruta));
    return lista;
}

void ArchivosRecientes::Guardar(const std::vector<std::string>& lista)
{
    QStringList rutas;
    for (const std::string& ruta : lista)
        rutas << RutaQ(ruta);
    QSettings().setValue(ClaveRecientes, rutas);
    Rellenar();
}

void ArchivosRecientes::Agregar(const std::string& ruta)
{
    const std::string normal = RutaNormal(ruta);
    std::vector<std::string> lista = Lista();
    std::erase(lista, normal);
    lista.insert(lista.begin(), normal);
    if (static_cast<int>(lista.size()) > Maximo) lista.resize(Maximo);
    Guardar(lista);
}

void ArchivosRecientes::Quitar(const std::string& ruta)
{
    std::vector<std::string> lista = Lista();
    std::erase(lista, RutaNormal(ruta));
    Guardar(lista);
}

void ArchivosRecientes::Vaciar()
{
    Guardar({});
}

void ArchivosRecientes::Rellenar()
{
    submenu_->clear();
    const std::vector<std::string> lista = Lista();
    int numero = 0;
    for (const std::string& ruta : lista) {
        // "&1 talud.cod  (/carpeta)": el número subrayado elige el archivo con el teclado.
        const QFileInfo archivo(RutaQ(ruta));
        const QString texto = QString("&%1 %2  (%3)")
                                  .arg(++numero)
                                  .arg(archivo.fileName().replace('&', "&&"))
                                  .arg(QDir::toNativeSeparators(archivo.absolutePath()));
        QAction* accion = submenu_->addAction(texto);
        accion->setData(RutaQ(ruta));
        // Se abre después de cerrar el menú: abrir puede rehacer la lista y borrar esta acción.
        connect(accion, &QAction::triggered, this, [this, ruta] {
            QMetaObject::invokeMethod(
                this, [this, ruta] { abrir_(ruta); }, Qt::QueuedConnection);
        });
    }
    if (lista.empty()) {
        submenu_->addAction(QString::fromUtf8(textos::SinArchivosRecientes))->setEnabled(false);
        return;
    }
    submenu_->addSeparator();
    QAction* vaciar = submenu_->addAction(QString::fromUtf8(textos::VaciarArchivosRecientes));
    vaciar->setObjectName("VaciarArchivosRecientes");
    connect(vaciar, &QAction::triggered, this, &ArchivosRecientes::Vaciar);
}

} // namespace vertana
