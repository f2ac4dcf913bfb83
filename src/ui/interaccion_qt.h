// Interacción de la interfaz gráfica: cuadros de mensaje de Qt, modales, con botones en español.
#pragma once

#include "model/interaccion.h"

class QWidget;

namespace vertana {

class InteraccionQt : public Interaccion {
public:
    explicit InteraccionQt(QWidget* padre = nullptr) : padre_(padre) {}

    void Mensaje(const std::string& texto, const std::string& titulo = {}) override;
    bool Pregunta(const std::string& texto, const std::string& titulo = {}) override;
    // Abre Form2 para que la persona corrija los parámetros (el radio del círculo).
    void ParametrosDeCalculo(Proyecto& p) override;
    // Form17 de Janbu, modal.
    void IteracionJanbu(Proyecto& p, const Tabla<double>& anguloLineaEmpuje) override;
    // Abren form9, Form13 y Form18, modales; vuelven cuando el diálogo se oculta.
    void ResultadosDeLasIteraciones(Proyecto& p) override;
    void ChequeoDeEsfuerzos(Proyecto& p, const EsfuerzosDelChequeo& esfuerzos) override;
    void CambioDeParametrosDeResistencia(Proyecto& p, EstadoCalculo& estado) override;

private:
    QWidget* padre_;
};

} // namespace vertana
