#include "calculo/busqueda_en_segundo_plano.h"

namespace vertana {

BusquedaEnSegundoPlano::BusquedaEnSegundoPlano(const Proyecto& proyecto,
                                               const OpcionesBusqueda& opciones)
    : proyecto_(proyecto), opciones_(opciones)
{
    // El hilo se crea al final, con los miembros que usa ya construidos.
    hilo_ = std::thread([this] {
        ResultadoBusqueda r = BuscarSuperficieCritica(
            proyecto_, opciones_,
            [this](const AvanceBusqueda& a) {
                const std::lock_guard<std::mutex> bloqueo(candado_);
                avance_ = a;
                return true;
            },
            &cancelar_);
        resultado_ = std::move(r);
        terminada_ = true;
    });
}

BusquedaEnSegundoPlano::~BusquedaEnSegundoPlano()
{
    cancelar_ = true;
    if (hilo_.joinable()) hilo_.join();
}

AvanceBusqueda BusquedaEnSegundoPlano::Avance() const
{
    const std::lock_guard<std::mutex> bloqueo(candado_);
    return avance_;
}

const ResultadoBusqueda& BusquedaEnSegundoPlano::Resultado()
{
    if (hilo_.joinable()) hilo_.join();
    return resultado_;
}

} // namespace vertana
