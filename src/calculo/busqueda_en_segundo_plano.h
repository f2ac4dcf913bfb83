// Una búsqueda de la superficie crítica que corre en su propio hilo, para que quien la pide (la
// ventana) siga atendiendo a la persona: copia el proyecto al empezar, deja leer el último aviso
// de avance desde cualquier hilo y se cancela con una bandera. El proyecto de quien la pidió no
// se toca nunca; el resultado se lee cuando Terminada() es verdadero.
#pragma once

#include "calculo/busqueda.h"
#include "model/proyecto.h"

#include <atomic>
#include <mutex>
#include <thread>

namespace vertana {

class BusquedaEnSegundoPlano {
public:
    // Copia el proyecto y las opciones y empieza la búsqueda en otro hilo.
    BusquedaEnSegundoPlano(const Proyecto& proyecto, const OpcionesBusqueda& opciones);
    // Cancela la búsqueda si sigue y espera a que su hilo termine.
    ~BusquedaEnSegundoPlano();
    BusquedaEnSegundoPlano(const BusquedaEnSegundoPlano&) = delete;
    BusquedaEnSegundoPlano& operator=(const BusquedaEnSegundoPlano&) = delete;

    // Pide que termine: la búsqueda acaba su tanda de ensayos y vuelve con Cancelada.
    void Cancelar() { cancelar_ = true; }
    bool Terminada() const { return terminada_.load(); }
    // El último aviso de la búsqueda (ensayos, previstos, mejor factor, etapa).
    AvanceBusqueda Avance() const;
    // Espera a que termine y devuelve el resultado.
    const ResultadoBusqueda& Resultado();

    // Lo que se buscó: la copia del proyecto y las opciones.
    const Proyecto& ProyectoBuscado() const { return proyecto_; }
    const OpcionesBusqueda& Opciones() const { return opciones_; }

private:
    const Proyecto proyecto_;
    const OpcionesBusqueda opciones_;
    std::atomic<bool> cancelar_{false};
    std::atomic<bool> terminada_{false};
    mutable std::mutex candado_;
    AvanceBusqueda avance_;
    ResultadoBusqueda resultado_;
    std::thread hilo_;
};

} // namespace vertana
