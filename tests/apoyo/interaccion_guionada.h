// Interacción de las pruebas: las preguntas deben llegar en el orden previsto y con el texto
// previsto, y cada una recibe la respuesta preparada; una pregunta no prevista se anota como
// error y se contesta No. Lo que hace "la persona" en cada diálogo se prepara con AlAbrir…; sin
// acción, el diálogo devuelve lo mismo que el de la clase base.
#pragma once

#include "model/interaccion.h"

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace vertana {

class InteraccionGuionada : public InteraccionRegistrada {
public:
    // Prepara la próxima pregunta: su texto exacto y la respuesta (true = Sí).
    InteraccionGuionada& EsperarPregunta(const std::string& texto, bool respuesta);

    // Errores del guion: preguntas no previstas o con otro texto.
    const std::vector<std::string>& Errores() const { return errores_; }
    // Preguntas preparadas que no llegaron a hacerse.
    int PreguntasPendientes() const { return static_cast<int>(guion_.size()); }
    // Sin errores y sin preguntas pendientes.
    bool Cumplido() const { return errores_.empty() && guion_.empty(); }

    // Lo que hace la persona en el diálogo de parámetros de cálculo (por ejemplo, corregir el
    // radio); con acción el diálogo se acepta. Sin acción se cierra sin cambios.
    void AlAbrirParametrosDeCalculo(std::function<void(Proyecto&)> accion);
    // Lo que decide la persona en form9, Form13 y Form18.
    void AlAbrirResultadosDeLasIteraciones(
        std::function<DecisionIteracion(const Proyecto&, const SumasDeLaIteracion&)> accion);
    void AlAbrirChequeoDeEsfuerzos(
        std::function<std::optional<Tabla<double>>(const Proyecto&, const EsfuerzosDelChequeo&)>
            accion);
    void AlAbrirCambioDeParametros(std::function<std::optional<ParametrosDeDovelas>(
                                       const Proyecto&, const ParametrosDeDovelas&)>
                                       accion);
    // Lo que decide la persona en las próximas aperturas de Form17, una acción por apertura y en
    // orden; agotadas, el diálogo se cierra sin cambios.
    using AccionForm17 =
        std::function<DecisionJanbu(const Proyecto&, const IteracionJanbuMostrada&)>;
    void AlAbrirForm17(AccionForm17 accion);
    // El centro de momentos que da la persona cuando Bishop lo pide (sin acción, ninguno).
    void AlPedirCentroDeMomentos(
        std::function<std::optional<PuntoCentro>(const Proyecto&, PuntoCentro)> accion);

    bool ParametrosDeCalculo(Proyecto& p) override;
    DecisionJanbu IteracionJanbu(const Proyecto& p, const IteracionJanbuMostrada& pasada) override;
    DecisionIteracion ResultadosDeLasIteraciones(const Proyecto& p,
                                                 const SumasDeLaIteracion& sumas) override;
    std::optional<Tabla<double>> ChequeoDeEsfuerzos(const Proyecto& p,
                                                    const EsfuerzosDelChequeo& esfuerzos) override;
    std::optional<ParametrosDeDovelas>
    CambioDeParametrosDeResistencia(const Proyecto& p,
                                    const ParametrosDeDovelas& actuales) override;
    std::optional<PuntoCentro> CentroDeMomentos(const Proyecto& p, PuntoCentro sugerido) override;

protected:
    bool Responder(const std::string& texto) override;

private:
    struct PreguntaPrevista {
        std::string texto;
        bool respuesta;
    };
    std::deque<PreguntaPrevista> guion_;
    std::vector<std::string> errores_;
    std::function<void(Proyecto&)> accionParametros_;
    std::deque<AccionForm17> accionesForm17_;
    std::function<DecisionIteracion(const Proyecto&, const SumasDeLaIteracion&)> accionIteraciones_;
    std::function<std::optional<Tabla<double>>(const Proyecto&, const EsfuerzosDelChequeo&)>
        accionChequeo_;
    std::function<std::optional<ParametrosDeDovelas>(const Proyecto&, const ParametrosDeDovelas&)>
        accionCambio_;
    std::function<std::optional<PuntoCentro>(const Proyecto&, PuntoCentro)> accionCentro_;
};

} // namespace vertana
