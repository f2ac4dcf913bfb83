// Única vía por la que el núcleo habla con la persona: mensajes con botón Aceptar, preguntas
// Sí/No y los diálogos que abre un cálculo. Los diálogos reciben lo que muestran y devuelven lo
// que la persona decidió; el cálculo aplica la decisión. La interfaz gráfica la implementa con
// cuadros de mensaje y diálogos reales; la línea de órdenes, con respuestas por lotes; las
// pruebas, con un guion.
#pragma once

#include "model/dialogos_calculo.h"
#include "model/tabla.h"

#include <optional>
#include <string>
#include <vector>

namespace vertana {

struct Proyecto;

class Interaccion {
public:
    virtual ~Interaccion() = default;

    // Mensaje con un botón Aceptar. Sin título se usa el nombre del programa.
    virtual void Mensaje(const std::string& texto, const std::string& titulo = {}) = 0;
    // Mensaje con un detalle que lo explica (qué archivo, dónde, por qué). El texto es el mismo
    // de siempre; el detalle va debajo, en letra normal. Por omisión, texto y detalle separados
    // por una línea en blanco en un solo mensaje.
    virtual void MensajeConDetalle(const std::string& texto, const std::string& detalle,
                                   const std::string& titulo = {});
    // Pregunta con botones Sí y No; devuelve true con Sí.
    virtual bool Pregunta(const std::string& texto, const std::string& titulo = {}) = 0;

    // Diálogo modal de los parámetros de cálculo (Form2), abierto por un cálculo para que la
    // persona corrija el radio del círculo; su Aceptar escribe el proyecto como siempre.
    // Devuelve true si la persona aceptó. Por omisión no se abre: false.
    virtual bool ParametrosDeCalculo(Proyecto& p);
    // Form17 de Janbu, tras cada pasada de la segunda etapa: la historia y ValoresDeHt están en
    // el proyecto. Por omisión la iteración sigue con los mismos ht.
    virtual DecisionJanbu IteracionJanbu(const Proyecto& p, const IteracionJanbuMostrada& pasada);
    // form9, tras cada paso de Newton del método variacional. Por omisión sigue, de modo que la
    // iteración llega a la convergencia automática.
    virtual DecisionIteracion ResultadosDeLasIteraciones(const Proyecto& p,
                                                         const SumasDeLaIteracion& sumas);
    // Form13, tras un chequeo de esfuerzos fallido: los esfuerzos con que la persona quiere
    // empezar el próximo cálculo (por nodo o por dovela, NodoDeSigmaUsuario). Por omisión ninguno.
    virtual std::optional<Tabla<double>> ChequeoDeEsfuerzos(const Proyecto& p,
                                                            const EsfuerzosDelChequeo& esfuerzos);
    // Form18, desde el cálculo con parámetros instantáneos dados por pantalla: c, φ y u de cada
    // dovela tal como la persona los acepta. Por omisión nada cambia.
    virtual std::optional<ParametrosDeDovelas>
    CambioDeParametrosDeResistencia(const Proyecto& p, const ParametrosDeDovelas& actuales);
};

// Lo que pasó por una interacción, en orden.
struct EventoInteraccion {
    enum class Tipo { Mensaje, Pregunta, Dialogo };
    Tipo tipo = Tipo::Mensaje;
    std::string texto; // en un diálogo, su título
    std::string titulo;
    bool respuesta = false; // sólo en preguntas
    std::string detalle;    // sólo en mensajes con detalle
};

// Interacción sin persona delante que anota en orden todo lo que pasó (mensajes, preguntas con
// su respuesta y diálogos abiertos) y cuenta las aperturas de cada diálogo. Los diálogos
// devuelven lo de la clase base; las subclases deciden cómo se contesta cada pregunta.
class InteraccionRegistrada : public Interaccion {
public:
    void Mensaje(const std::string& texto, const std::string& titulo = {}) override;
    void MensajeConDetalle(const std::string& texto, const std::string& detalle,
                           const std::string& titulo = {}) override;
    bool Pregunta(const std::string& texto, const std::string& titulo = {}) final;
    bool ParametrosDeCalculo(Proyecto& p) override;
    DecisionJanbu IteracionJanbu(const Proyecto& p, const IteracionJanbuMostrada& pasada) override;
    DecisionIteracion ResultadosDeLasIteraciones(const Proyecto& p,
                                                 const SumasDeLaIteracion& sumas) override;
    std::optional<Tabla<double>> ChequeoDeEsfuerzos(const Proyecto& p,
                                                    const EsfuerzosDelChequeo& esfuerzos) override;
    std::optional<ParametrosDeDovelas>
    CambioDeParametrosDeResistencia(const Proyecto& p,
                                    const ParametrosDeDovelas& actuales) override;

    const std::vector<EventoInteraccion>& Eventos() const { return eventos_; }
    std::vector<std::string> Mensajes() const;
    std::vector<std::string> Preguntas() const;
    // Veces que se abrieron el diálogo de parámetros de cálculo, Form17, form9, Form13 y Form18.
    int VecesParametrosDeCalculo() const { return vecesParametros_; }
    int VecesForm17() const { return vecesForm17_; }
    int VecesResultadosDeLasIteraciones() const { return vecesIteraciones_; }
    int VecesChequeoDeEsfuerzos() const { return vecesChequeo_; }
    int VecesCambioDeParametros() const { return vecesCambio_; }

protected:
    // Respuesta a una pregunta (true = Sí).
    virtual bool Responder(const std::string& texto) = 0;

private:
    void Dialogo(const std::string& titulo);

    std::vector<EventoInteraccion> eventos_;
    int vecesParametros_ = 0;
    int vecesForm17_ = 0;
    int vecesIteraciones_ = 0;
    int vecesChequeo_ = 0;
    int vecesCambio_ = 0;
};

} // namespace vertana
