// Diálogo del contraste con los métodos rigurosos: el factor de seguridad del último resultado
// del método elegido junto a los de Spencer y Morgenstern-Price (medio seno), con sus λ, la
// diferencia relativa y los avisos de admisibilidad de cada solución.
#pragma once

#include "calculo/calculo_riguroso.h"
#include "model/proyecto.h"

#include <QDialog>
#include <string>
#include <vector>

class QTreeWidget;

namespace vertana {

// Una fila de la lista: método, FS, λ y diferencia con el método elegido ("#0.0 %").
struct FilaContraste {
    std::string Metodo, Factor, Lambda, Diferencia;
    bool operator==(const FilaContraste&) const = default;
};

// Filas de la lista: la primera, el método elegido con el factor de sus resultados (o "sin
// resultados"); luego una por método riguroso. La diferencia es (FS − FS elegido)/FS elegido.
std::vector<FilaContraste> FilasDelContraste(const Proyecto& p,
                                             const std::vector<ResultadoRiguroso>& resultados);

// Texto bajo la lista: la inclinación de Spencer, las razones de las soluciones que faltan y los
// avisos de admisibilidad.
std::string NotasDelContraste(const std::vector<ResultadoRiguroso>& resultados);

class DialogoContraste : public QDialog {
    Q_OBJECT

public:
    DialogoContraste(const Proyecto& p, const std::vector<ResultadoRiguroso>& resultados,
                     QWidget* padre = nullptr);
};

} // namespace vertana
