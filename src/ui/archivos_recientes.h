// "Archivos recientes": los últimos archivos de proyecto abiertos o guardados, recordados entre
// una ejecución y otra en la configuración de la persona (QSettings), y el submenú del menú
// Archivo que los ofrece.
#pragma once

#include <QObject>
#include <functional>
#include <string>
#include <vector>

class QAction;
class QMenu;

namespace vertana {

class ArchivosRecientes : public QObject {
public:
    // Cantidad de archivos que se recuerdan.
    static constexpr int Maximo = 8;

    // Crea el submenú en el menú dado, justo después del elemento `despues`. Elegir un archivo
    // llama a `abrir` con su ruta.
    ArchivosRecientes(QMenu* menu, QAction* despues, std::function<void(const std::string&)> abrir);

    // Pone la ruta (absoluta) en el primer lugar, sin repetirla; la lista no pasa del máximo.
    void Agregar(const std::string& ruta);
    void Quitar(const std::string& ruta);
    void Vaciar();
    // Rutas recordadas, la más reciente primero.
    std::vector<std::string> Lista() const;

    QMenu* Submenu() const { return submenu_; }

private:
    void Guardar(const std::vector<std::string>& lista);
    void Rellenar();

    QMenu* submenu_;
    std::function<void(const std::string&)> abrir_;
};

} // namespace vertana
