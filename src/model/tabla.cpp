#include "model/tabla.h"

#include "model/error.h"
#include "model/textos.h"

namespace vertana {

void IndiceFueraDeTabla(int i, int n)
{
    throw ErrorVertana(textos::IndiceFueraDeTablaTexto(i, n));
}

void IndiceFueraDeTabla2(int i, int j, int filas, int columnas)
{
    throw ErrorVertana(textos::IndiceFueraDeTabla2Texto(i, j, filas, columnas));
}

} // namespace vertana
