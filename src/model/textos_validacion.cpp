#include "model/textos.h"

#include "model/numeros.h"

#include <sstream>

namespace vertana::textos {

namespace {

std::string DelEstrato(int estrato)
{
    return " del estrato " + std::to_string(estrato);
}

} // namespace

std::string CohesionNoValida(int estrato)
{
    return "La cohesión" + DelEstrato(estrato) + " debe ser un número mayor o igual que cero.";
}

std::string FriccionNoValida(int estrato)
{
    return "La fricción" + DelEstrato(estrato) +
           " debe ser un número mayor o igual que cero y menor que 90 grados.";
}

std::string PesoUnitarioHumedoNoValido(int estrato)
{
    return "El peso unitario húmedo" + DelEstrato(estrato) + " debe ser un número mayor que cero.";
}

std::string PesoUnitarioSaturadoNoValido(int estrato)
{
    return "El peso unitario saturado" + DelEstrato(estrato) +
           " debe ser un número mayor que cero.";
}

std::string ConsolidacionNoValida(int estrato)
{
    return "El coeficiente de consolidación vertical" + DelEstrato(estrato) +
           " debe ser un número mayor o igual que cero.";
}

std::string TiempoDeConstruccionNoValido(int estrato)
{
    return "El tiempo de construcción" + DelEstrato(estrato) +
           " debe ser un número mayor o igual que cero.";
}

std::string ParametroMiNoValido(int estrato)
{
    return "El parámetro mi de la roca intacta" + DelEstrato(estrato) +
           " debe ser un número mayor o igual que cero.";
}

std::string IndiceGSINoValido(int estrato)
{
    return "El índice GSI" + DelEstrato(estrato) + " debe ser un número entre 0 y 100.";
}

std::string ParametroMNoValido(int estrato)
{
    return "El parámetro m del macizo" + DelEstrato(estrato) +
           " debe ser un número mayor o igual que cero.";
}

std::string ParametroSNoValido(int estrato)
{
    return "El parámetro s del macizo" + DelEstrato(estrato) + " debe ser un número entre 0 y 1.";
}

std::string CompresionSimpleNoValida(int estrato)
{
    return "La compresión simple" + DelEstrato(estrato) + " debe ser un número mayor que cero.";
}

std::string DemasiadasDovelasPedidas(int maximo)
{
    return "El número de dovelas debe ser como máximo " + std::to_string(maximo) + ".";
}

std::string CoordenadaNoFinita(int punto, const std::string& de)
{
    return "El punto " + std::to_string(punto) + " " + de +
           " tiene una coordenada que no es un número. Vaya al menú coordenadas.";
}

std::string PuntoRepetido(int punto, const std::string& de)
{
    return "El punto " + std::to_string(punto) + " " + de +
           " repite el punto anterior: borre uno de los dos. Vaya al menú coordenadas.";
}

std::string CargaUniformeNoFinita(int carga)
{
    return "La carga distribuida " + std::to_string(carga) +
           " tiene un valor que no es un número. Vaya al menú de las cargas distribuidas.";
}

std::string CargaPuntualNoFinita(int carga)
{
    return "La carga lineal " + std::to_string(carga) +
           " tiene un valor que no es un número. Vaya al menú de las cargas lineales.";
}

std::string DeLaLineaDelEstrato(int estrato)
{
    return "de la línea del estrato " + std::to_string(estrato);
}

std::string FactorBajoElMinimo(double factor, double minimo)
{
    std::ostringstream valor;
    valor.precision(4); // cuatro cifras significativas: 0.0006, -0.86, 1e-15
    valor << factor;
    return "El factor de seguridad calculado, " + valor.str() + ", es menor que " +
           Formato(minimo, "#0.00") +
           ": con esos datos el cálculo no da un resultado con sentido (la masa tendría más de "
           "cien veces la solicitación que resiste). Revise las propiedades de los estratos, los "
           "pesos unitarios, las cargas, la superficie de falla y el factor de seguridad inicial. "
           "No se guardaron resultados.";
}

std::string SinMemoriaParaElCalculo(int dovelas)
{
    return "No hay memoria suficiente para calcular con " + std::to_string(dovelas) +
           " dovelas. Reduzca el número de dovelas en los parámetros de cálculo. No se guardaron "
           "resultados.";
}

std::string IndiceFueraDeTablaTexto(int i, int n)
{
    return "Error del programa: se pidió la entrada " + std::to_string(i) + " de una tabla de " +
           std::to_string(n) +
           " entradas. La orden se detuvo; guarde el proyecto con otro nombre y comunique el "
           "problema.";
}

std::string IndiceFueraDeTabla2Texto(int i, int j, int filas, int columnas)
{
    return "Error del programa: se pidió la entrada (" + std::to_string(i) + ", " +
           std::to_string(j) + ") de una tabla de " + std::to_string(filas) + " x " +
           std::to_string(columnas) +
           ". La orden se detuvo; guarde el proyecto con otro nombre y comunique el problema.";
}

std::string ArchivoSoloLectura(const std::string& ruta)
{
    return "El archivo " + ruta +
           " es de sólo lectura: no se sobreescribe. Guárdelo con otro nombre o cambie sus "
           "permisos.";
}

} // namespace vertana::textos
