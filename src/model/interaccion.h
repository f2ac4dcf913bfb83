// Única vía por la que el núcleo habla con la persona: mensajes con botón Aceptar y preguntas
// Sí/No. La interfaz gráfica la implementa con cuadros de mensaje reales; las pruebas, con
// respuestas preparadas de antemano; la línea de órdenes, con una política de respuestas.
#pragma once

#include "model/tabla.h"

#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace vertana {

struct Proyecto;
struct EstadoCalculo;
struct EsfuerzosDelChequeo;

class Interaccion {
public:
    virtual ~Interaccion() = default;

    // Mensaje con un botón Aceptar. Sin título se usa el nombre del programa.
    virtual void Mensaje(const std::string& texto, const std::string& titulo = {}) = 0;
    // Pregunta con botones Sí y No; devuelve true con Sí.
    virtual bool Pregunta(const std::string& texto, const std::string& titulo = {}) = 0;
    // Diálogo modal de los parámetros de cálculo, abierto por un cálculo para que la persona
    // corrija el radio del círculo; vuelve cuando se cierra. Por omisión no hace nada.
    virtual void ParametrosDeCalculo(Proyecto& p);
    // Form17 de Janbu, abierto tras cada pasada de la segunda etapa. Lee NumeroIteraciones,
    // HistoriaFS, ValoresDeHt y la inclinación de la línea de empuje en cada borde interior
    // (radianes); puede escribir ValoresDeHt, SolucionAceptada y SalirDelCalculo. Por omisión no
    // hace nada: la iteración sigue hasta converger sola con los mismos ht.
    virtual void IteracionJanbu(Proyecto& p, const Tabla<double>& anguloLineaEmpuje);

    // form9, tras cada paso de Newton del método variacional: deja en SolucionAceptada y
    // SalirDelCalculo lo que eligió la persona. Por omisión ninguna de las dos (las dos en
    // falso), de modo que la iteración sigue hasta la convergencia automática.
    virtual void ResultadosDeLasIteraciones(Proyecto& p);
    // Form13, tras un chequeo de esfuerzos fallido: puede dejar SigmasUsuario y
    // SigmasModificados. Por omisión no se escribe nada y SigmasModificados no cambia.
    virtual void ChequeoDeEsfuerzos(Proyecto& p, const EsfuerzosDelChequeo& esfuerzos);
    // Form18, desde el cálculo de parámetros instantáneos dados por pantalla: puede reescribir
    // c, φ, tan φ y u de cada dovela. Por omisión nada cambia.
    virtual void CambioDeParametrosDeResistencia(Proyecto& p, EstadoCalculo& estado);
};

// Lo que pasó por una interacción, en orden.
struct EventoInteraccion {
    enum class Tipo { Mensaje, Pregunta, Dialogo };
    Tipo tipo = Tipo::Mensaje;
    std::string texto; // en un diálogo, su título
    std::string titulo;
    bool respuesta = false; // sólo en preguntas
};

// Interacción sin persona delante: anota en orden todo lo que pasó (mensajes, preguntas con su
// respuesta y diálogos abiertos) y cuenta las aperturas de cada diálogo. Lo que hace "la persona"
// en un diálogo se prepara con AlAbrir…; sin acción, el diálogo se comporta como en la clase
// base. Las subclases deciden cómo se contesta cada pregunta.
class InteraccionRegistrada : public Interaccion {
public:
    // Lo que hace la persona cuando se abre el diálogo de parámetros de cálculo (por ejemplo,
    // corregir el radio). Sin acción el diálogo se cierra sin cambios.
    void AlAbrirParametrosDeCalculo(std::function<void(Proyecto&)> accion);
    // Lo que hace la persona en form9, Form13 y Form18.
    void AlAbrirResultadosDeLasIteraciones(std::function<void(Proyecto&)> accion);
    void
    AlAbrirChequeoDeEsfuerzos(std::function<void(Proyecto&, const EsfuerzosDelChequeo&)> accion);
    void AlAbrirCambioDeParametros(std::function<void(Proyecto&, EstadoCalculo&)> accion);
    // Lo que hace la persona en las próximas aperturas de Form17, una acción por apertura y en
    // orden; agotadas, el diálogo se cierra sin cambios.
    using AccionForm17 = std::function<void(Proyecto&, const Tabla<double>&)>;
    void AlAbrirForm17(AccionForm17 accion);

    void Mensaje(const std::string& texto, const std::string& titulo = {}) override;
    bool Pregunta(const std::string& texto, const std::string& titulo = {}) final;
    void ParametrosDeCalculo(Proyecto& p) override;
    void IteracionJanbu(Proyecto& p, const Tabla<double>& anguloLineaEmpuje) override;
    void ResultadosDeLasIteraciones(Proyecto& p) override;
    void ChequeoDeEsfuerzos(Proyecto& p, const EsfuerzosDelChequeo& esfuerzos) override;
    void CambioDeParametrosDeResistencia(Proyecto& p, EstadoCalculo& estado) override;

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
    std::function<void(Proyecto&)> accionParametros_;
    std::deque<AccionForm17> accionesForm17_;
    std::function<void(Proyecto&)> accionIteraciones_;
    std::function<void(Proyecto&, const EsfuerzosDelChequeo&)> accionChequeo_;
    std::function<void(Proyecto&, EstadoCalculo&)> accionCambio_;
    int vecesParametros_ = 0;
    int vecesForm17_ = 0;
    int vecesIteraciones_ = 0;
    int vecesChequeo_ = 0;
    int vecesCambio_ = 0;
};

// Interacción de las pruebas: las preguntas deben llegar en el orden previsto y con el texto
// previsto; cada una recibe la respuesta preparada. Una pregunta no prevista se anota como error
// y se contesta No.
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

protected:
    bool Responder(const std::string& texto) override;

private:
    struct PreguntaPrevista {
        std::string texto;
        bool respuesta;
    };
    std::deque<PreguntaPrevista> guion_;
    std::vector<std::string> errores_;
};

// Interacción del trabajo por lotes: contesta según una política (una respuesta por omisión y,
// si se dan, respuestas por texto de pregunta). Los diálogos se anotan y no cambian nada: form9
// deja seguir la iteración hasta la convergencia, Form17 conserva los ht, Form13 no escribe
// sigmas y Form18 no cambia los parámetros.
class InteraccionLote : public InteraccionRegistrada {
public:
    explicit InteraccionLote(bool respuestaPorOmision = false)
        : respuestaPorOmision_(respuestaPorOmision)
    {
    }

    void FijarRespuesta(const std::string& pregunta, bool respuesta);

protected:
    bool Responder(const std::string& texto) override;

private:
    bool respuestaPorOmision_;
    std::map<std::string, bool> respuestas_;
};

} // namespace vertana
