#include "dibujo/dibujos_informe.h"

#include "dibujo/pintor_escena.h"
#include "output/graficos_informe.h"

#include <QPainter>
#include <QRectF>
#include <algorithm>
#include <memory>

namespace vertana {

std::vector<PintorDePagina> PaginasDeDibujos(const Proyecto& p)
{
    const auto copia = std::make_shared<const Proyecto>(p);
    std::vector<PintorDePagina> paginas;
    for (const DibujoDelInforme& dibujo : DibujosDelInforme(*copia)) {
        paginas.push_back([copia, dibujo](QPainter& pintor, const QRectF& area) {
            if (area.width() <= 0.0 || area.height() <= 0.0) return;
            // En una página vertical el dibujo va girado, apaisado a lo largo de la hoja.
            const bool girado = area.height() > area.width();
            const double largo = girado ? area.height() : area.width();
            const double corto = girado ? area.width() : area.height();
            const double ancho = AnchoLienzoDePagina;
            const double alto = ancho * std::min(corto / largo, ProporcionMaximaDeLienzo);
            const Escena escena = EscenaDelInforme(*copia, dibujo, ancho, alto);
            const double escala = std::min(largo / escena.ancho, corto / escena.alto);
            pintor.save();
            if (girado) {
                pintor.translate(area.left(), area.bottom());
                pintor.rotate(-90.0);
            } else {
                pintor.translate(area.topLeft());
            }
            pintor.scale(escala, escala);
            PintarEscena(pintor, escena);
            pintor.restore();
        });
    }
    return paginas;
}

} // namespace vertana
