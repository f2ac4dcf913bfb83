#include "apoyo/pdf_de_prueba.h"

#include <array>
#include <cstdio>
#include <memory>
#include <sstream>

namespace vertana::prueba {

namespace {

// Lo que una orden del sistema escribe en su salida.
std::string SalidaDe(const std::string& orden)
{
    std::string salida;
    std::unique_ptr<FILE, int (*)(FILE*)> tubo(popen(orden.c_str(), "r"), pclose);
    if (!tubo) return salida;
    std::array<char, 4096> bloque{};
    std::size_t leidos = 0;
    while ((leidos = std::fread(bloque.data(), 1, bloque.size(), tubo.get())) > 0)
        salida.append(bloque.data(), leidos);
    return salida;
}

std::string Citada(const std::string& ruta)
{
    std::string citada = "'";
    for (char c : ruta)
        citada += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return citada + "'";
}

} // namespace

std::string InformacionDelPdf(const std::string& ruta)
{
    return SalidaDe("pdfinfo " + Citada(ruta) + " 2>/dev/null");
}

int PaginasDelPdf(const std::string& ruta)
{
    std::istringstream info(InformacionDelPdf(ruta));
    for (std::string linea; std::getline(info, linea);)
        if (linea.rfind("Pages:", 0) == 0) return std::stoi(linea.substr(6));
    return -1;
}

std::vector<std::string> TextoDelPdf(const std::string& ruta)
{
    return PaginasDeTexto(
        SalidaDe("pdftotext -layout -enc UTF-8 " + Citada(ruta) + " - 2>/dev/null"));
}

std::vector<std::string> PaginasDeTexto(const std::string& texto)
{
    std::vector<std::string> paginas;
    std::string pagina;
    for (char c : texto) {
        if (c == '\f') {
            paginas.push_back(pagina);
            pagina.clear();
        } else {
            pagina += c;
        }
    }
    if (!pagina.empty()) paginas.push_back(pagina);
    return paginas;
}

std::vector<std::string> PalabrasDe(const std::string& texto)
{
    std::istringstream entrada(texto);
    std::vector<std::string> palabras;
    for (std::string p; entrada >> p;)
        palabras.push_back(p);
    return palabras;
}

} // namespace vertana::prueba
