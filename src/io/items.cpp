#include "io/items.h"

#include "io/codificacion.h"
#include "model/numeros.h"
#include "model/textos.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace vertana {
namespace {

bool EsFinDeLinea(char c)
{
    return c == '\r' || c == '\n';
}

bool EsEspacio(char c)
{
    return c == ' ' || c == '\t';
}

} // namespace

void LectorItems::AvanzarHasta(std::size_t posicion)
{
    // LF, CR LF y CR solo terminan una línea cada uno.
    for (; posicion_ < posicion && posicion_ < bytes_.size(); ++posicion_) {
        const char c = bytes_[posicion_];
        if (c == '\n' ||
            (c == '\r' && (posicion_ + 1 >= bytes_.size() || bytes_[posicion_ + 1] != '\n')))
            ++linea_;
    }
}

bool LectorItems::Fallar(std::string motivo)
{
    if (!falla_) {
        falla_ = true;
        fallaDeLectura_ = {lineaItem_, items_, que_, std::move(motivo)};
    }
    return false;
}

bool LectorItems::Rechazar(std::string motivo)
{
    return Fallar(std::move(motivo));
}

bool LectorItems::SiguienteItem(std::string_view& item, bool& entreComillas)
{
    if (falla_) return false;
    // Espacios y líneas en blanco antes del ítem.
    std::size_t inicio = posicion_;
    while (inicio < bytes_.size() && (EsEspacio(bytes_[inicio]) || EsFinDeLinea(bytes_[inicio])))
        ++inicio;
    AvanzarHasta(inicio);
    ++items_;
    lineaItem_ = linea_;
    if (posicion_ >= bytes_.size()) return Fallar(textos::LecturaFinDelArchivo);

    const std::string_view todo(bytes_);
    if (bytes_[posicion_] == '"') {
        const std::size_t cierre = bytes_.find('"', posicion_ + 1);
        if (cierre == std::string::npos) return Fallar(textos::LecturaComillaSinCerrar);
        item = todo.substr(posicion_ + 1, cierre - posicion_ - 1);
        entreComillas = true;
        AvanzarHasta(cierre + 1);
        while (posicion_ < bytes_.size() && EsEspacio(bytes_[posicion_]))
            ++posicion_;
        if (posicion_ < bytes_.size()) {
            if (bytes_[posicion_] == ',')
                ++posicion_;
            else if (!EsFinDeLinea(bytes_[posicion_]))
                return Fallar(textos::LecturaAlgoTrasLasComillas);
        }
        return true;
    }

    std::size_t fin = posicion_;
    while (fin < bytes_.size() && bytes_[fin] != ',' && !EsFinDeLinea(bytes_[fin]))
        ++fin;
    std::size_t finItem = fin;
    while (finItem > posicion_ && EsEspacio(bytes_[finItem - 1]))
        --finItem;
    item = todo.substr(posicion_, finItem - posicion_);
    entreComillas = false;
    posicion_ = (fin < bytes_.size() && bytes_[fin] == ',') ? fin + 1 : fin;
    return true;
}

bool LectorItems::Texto(std::string& texto)
{
    std::string_view item;
    bool entreComillas = false;
    if (!SiguienteItem(item, entreComillas)) return false;
    texto = Windows1252AUtf8(std::string(item));
    return true;
}

bool LectorItems::Real(double& valor)
{
    std::string_view item;
    bool entreComillas = false;
    if (!SiguienteItem(item, entreComillas)) return false;
    const std::string texto(item);
    if (entreComillas)
        return Fallar(textos::LecturaSeEsperaba(textos::LecturaUnNumero, "\"" + texto + "\""));
    if (item == "NaN") {
        valor = std::numeric_limits<double>::quiet_NaN();
        return true;
    }
    if (item == "Inf" || item == "-Inf") {
        valor = item[0] == '-' ? -std::numeric_limits<double>::infinity()
                               : std::numeric_limits<double>::infinity();
        return true;
    }
    if (texto.empty() || EsEspacio(texto.front()) || !EsNumerico(texto))
        return Fallar(textos::LecturaSeEsperaba(textos::LecturaUnNumero, texto));
    valor = *ValorNumerico(texto);
    return true;
}

bool LectorItems::Entero(double& valor)
{
    double leido = 0.0;
    if (!Real(leido)) return false;
    const std::string texto = RealParaArchivo(leido);
    if (!std::isfinite(leido) || leido != std::floor(leido))
        return Fallar(textos::LecturaSeEsperaba(textos::LecturaUnEntero, texto));
    if (leido > std::numeric_limits<Entero16>::max() ||
        leido < std::numeric_limits<Entero16>::min())
        return Fallar(textos::LecturaFueraDeRango(texto));
    valor = leido;
    return true;
}

bool LectorItems::Entero(Entero16& valor)
{
    double leido = 0.0;
    if (!Entero(leido)) return false;
    valor = static_cast<Entero16>(leido);
    return true;
}

bool LectorItems::Cantidad(Entero16& valor)
{
    Entero16 leido = 0;
    if (!Entero(leido)) return false;
    if (leido < 0)
        return Fallar(textos::LecturaSeEsperaba(textos::LecturaUnaCantidad, std::to_string(leido)));
    valor = leido;
    return true;
}

void EscritorItems::Separar()
{
    if (lineaEmpezada_) bytes_ += ',';
    lineaEmpezada_ = true;
}

EscritorItems& EscritorItems::Texto(const std::string& texto)
{
    Separar();
    bytes_ += '"';
    bytes_ += Utf8AWindows1252(TextoSeguroParaArchivo(texto));
    bytes_ += '"';
    return *this;
}

EscritorItems& EscritorItems::Real(double valor)
{
    Separar();
    bytes_ += RealParaArchivo(valor);
    return *this;
}

EscritorItems& EscritorItems::Entero(long valor)
{
    Separar();
    bytes_ += std::to_string(valor);
    return *this;
}

EscritorItems& EscritorItems::FinDeLinea()
{
    bytes_ += "\r\n";
    lineaEmpezada_ = false;
    return *this;
}

std::string RealParaArchivo(double valor)
{
    if (std::isnan(valor)) return "NaN";
    if (std::isinf(valor)) return valor < 0 ? "-Inf" : "Inf";
    if (valor == 0.0) return "0"; // también -0
    char buffer[64];
    // La forma más corta que se lee de vuelta como el mismo real, fija o con exponente.
    const auto r = std::to_chars(buffer, buffer + sizeof buffer, valor);
    std::string texto(buffer, r.ptr);
    for (char& c : texto)
        if (c == 'e') c = 'E';
    return texto;
}

std::string TextoSeguroParaArchivo(const std::string& texto)
{
    std::string seguro = texto;
    for (char& c : seguro) {
        if (c == '"') c = '\'';
        if (c == '\r' || c == '\n') c = ' ';
    }
    return seguro;
}

} // namespace vertana
