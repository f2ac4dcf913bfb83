#include "model/numeros.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string_view>
#include <system_error>

namespace vertana {
namespace {

bool EsBlanco(char c)
{
    return c == ' ' || c == '\t';
}

// Longitud del número que empieza en t[0] (signo, dígitos, punto, exponente); 0 si no hay
// número. Un exponente sin dígitos no forma parte del número.
std::size_t LongitudNumero(std::string_view t)
{
    std::size_t i = 0;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
    std::size_t digitos = 0;
    while (i < t.size() && std::isdigit(static_cast<unsigned char>(t[i])))
        ++i, ++digitos;
    if (i < t.size() && t[i] == '.') {
        ++i;
        while (i < t.size() && std::isdigit(static_cast<unsigned char>(t[i])))
            ++i, ++digitos;
    }
    if (digitos == 0) return 0;
    if (i < t.size() && (t[i] == 'E' || t[i] == 'e')) {
        std::size_t j = i + 1;
        if (j < t.size() && (t[j] == '+' || t[j] == '-')) ++j;
        std::size_t digitosExponente = 0;
        while (j < t.size() && std::isdigit(static_cast<unsigned char>(t[j])))
            ++j, ++digitosExponente;
        if (digitosExponente > 0) i = j;
    }
    return i;
}

double Convertir(std::string_view numero)
{
    // from_chars no acepta el signo "+" inicial.
    if (!numero.empty() && numero.front() == '+') numero.remove_prefix(1);
    double valor = 0.0;
    const auto r = std::from_chars(numero.data(), numero.data() + numero.size(), valor);
    if (r.ec == std::errc::result_out_of_range) {
        // Magnitud fuera del rango de un real: desbordamiento a infinito, o cero si es diminuta.
        return std::strtod(std::string(numero).c_str(), nullptr);
    }
    return valor;
}

std::string_view SinBlancos(std::string_view t)
{
    while (!t.empty() && EsBlanco(t.front()))
        t.remove_prefix(1);
    while (!t.empty() && EsBlanco(t.back()))
        t.remove_suffix(1);
    return t;
}

} // namespace

bool EsNumerico(const std::string& texto)
{
    const std::string_view t = SinBlancos(texto);
    if (t.empty()) return false;
    return LongitudNumero(t) == t.size();
}

std::optional<double> ValorNumerico(const std::string& texto)
{
    if (!EsNumerico(texto)) return std::nullopt;
    return Convertir(SinBlancos(texto));
}

double Val(const std::string& texto)
{
    std::string_view t = texto;
    while (!t.empty() && EsBlanco(t.front()))
        t.remove_prefix(1);
    const std::size_t n = LongitudNumero(t);
    if (n == 0) return 0.0;
    return Convertir(t.substr(0, n));
}

std::string Formato(double valor, const std::string& patron)
{
    // Patrón: "#0", opcionalmente "." y los ceros de los decimales, y luego el texto fijo.
    std::size_t pos = patron.rfind("#0", 0) == 0 ? 2 : 0;
    int decimales = 0;
    if (pos < patron.size() && patron[pos] == '.') {
        ++pos;
        while (pos < patron.size() && patron[pos] == '0')
            ++pos, ++decimales;
    }
    const std::string sufijo = patron.substr(pos);

    if (std::isnan(valor)) return "NaN" + sufijo;
    if (std::isinf(valor)) return (valor < 0 ? "-Inf" : "Inf") + sufijo;

    // Dígitos decimales más cortos del valor: d.ddd × 10^exponente.
    char buffer[64];
    const auto r = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(valor),
                                 std::chars_format::scientific);
    const std::string_view cientifico(buffer, static_cast<std::size_t>(r.ptr - buffer));
    const std::size_t e = cientifico.find('e');
    std::string digitos;
    for (char c : cientifico.substr(0, e))
        if (c != '.') digitos += c;
    const int exponente = std::atoi(std::string(cientifico.substr(e + 1)).c_str());

    // Parte entera y decimales exactos.
    std::string entera, fraccion;
    const int puntoDecimal = exponente + 1; // dígitos delante del punto
    if (puntoDecimal <= 0) {
        entera = "0";
        fraccion = std::string(static_cast<std::size_t>(-puntoDecimal), '0') + digitos;
    } else if (static_cast<std::size_t>(puntoDecimal) >= digitos.size()) {
        entera =
            digitos + std::string(static_cast<std::size_t>(puntoDecimal) - digitos.size(), '0');
    } else {
        entera = digitos.substr(0, static_cast<std::size_t>(puntoDecimal));
        fraccion = digitos.substr(static_cast<std::size_t>(puntoDecimal));
    }

    // Redondeo de la mitad alejándose de cero.
    const bool subir = fraccion.size() > static_cast<std::size_t>(decimales) &&
                       fraccion[static_cast<std::size_t>(decimales)] >= '5';
    fraccion.resize(static_cast<std::size_t>(decimales), '0');
    std::string numero = entera + fraccion;
    if (subir) {
        int i = static_cast<int>(numero.size()) - 1;
        while (i >= 0 && numero[static_cast<std::size_t>(i)] == '9')
            numero[static_cast<std::size_t>(i--)] = '0';
        if (i < 0)
            numero.insert(numero.begin(), '1');
        else
            ++numero[static_cast<std::size_t>(i)];
    }
    const std::size_t largoEntera = numero.size() - static_cast<std::size_t>(decimales);
    std::string resultado = numero.substr(0, largoEntera);
    if (decimales > 0) resultado += "." + numero.substr(largoEntera);

    const bool nulo = numero.find_first_not_of('0') == std::string::npos;
    if (valor < 0 && !nulo) resultado.insert(resultado.begin(), '-');
    return resultado + sufijo;
}

} // namespace vertana
