// Interacción de la interfaz gráfica: cuadros de mensaje de Qt, modales, con botones en español,
// y los diálogos que abre un cálculo.
#pragma once

#include "model/interaccion.h"

class QWidget;

namespace vertana {

class InteraccionQt : public Interaccion {
public:
    explicit InteraccionQt(QWidget* padre = nullptr) : padre_(padre) {}

    void Mensaje(const std::string& texto, const std::string& titulo = {}) override;
    // El texto en su lugar de siempre y el detalle debajo, como texto informativo del cuadro.
    void MensajeConDetalle(const std::string& texto, const std::string& detalle,
                           const std::string& titulo = {}) override;
    bool Pregunta(const std::string& texto, const std::string& titulo = {}) override;
    // Abre Form2 para que la persona corrija los parámetros (el radio del círculo).
    bool ParametrosDeCalculo(Proyecto& p) override;
    // Form17 de Janbu, modal.
    DecisionJanbu IteracionJanbu(const Proyecto& p, const IteracionJanbuMostrada& pasada) override;
    // Abren form9, Form13 y Form18, modales; vuelven cuando el diálogo se oculta.
    DecisionIteracion ResultadosDeLasIteraciones(const Proyecto& p,
                                                 const SumasDeLaIteracion& sumas) override;
    std::optional<Tabla<double>> ChequeoDeEsfuerzos(const Proyecto& p,
                                                    const EsfuerzosDelChequeo& esfuerzos) override;
    std::optional<ParametrosDeDovelas>
    CambioDeParametrosDeResistencia(const Proyecto& p,
                                    const ParametrosDeDovelas& actuales) override;

private:
    QWidget* padre_;
};

} // namespace vertana
