// Sintaxis común del archivo de proyecto y del archivo de geometría: una sucesión de ítems
// separados por comas o por fines de línea, en Windows-1252 con CR LF.
#pragma once

#include "model/proyecto.h"

#include <string>
#include <string_view>

namespace vertana {

// Dónde y por qué falló la lectura de un archivo: la línea (desde 1) en que empieza el ítem que
// falló, su número de orden en el archivo (desde 1), lo que se estaba leyendo y el motivo.
struct FallaDeLectura {
    int Linea = 0;
    int Item = 0;
    std::string Que;    // "coordenadas del talud"; vacío si no se dijo
    std::string Motivo; // "se esperaba un número y se encontró «2x»"
};

// Lee ítems en orden. Cada lectura devuelve false cuando el ítem falta o no es del tipo pedido;
// a partir de ahí el lector queda en falla, toda lectura posterior también falla y Falla() dice
// dónde y por qué.
class LectorItems {
public:
    explicit LectorItems(std::string bytes) : bytes_(std::move(bytes)) {}

    // Lo que se lee a partir de ahora, para el mensaje de una falla.
    void Leyendo(std::string que) { que_ = std::move(que); }
    // Rechaza el último ítem leído (un valor que no es de los admitidos) con su motivo.
    bool Rechazar(std::string motivo);
    const FallaDeLectura& Falla() const { return fallaDeLectura_; }

    bool Texto(std::string& texto); // entre comillas o sin ellas; se devuelve en UTF-8
    bool Real(double& valor);       // 12, -0.5, .5, 1E+20, 1.5E-07, NaN, Inf, -Inf
    bool Entero(Entero16& valor);   // número entero dentro del rango de 16 bits
    bool Cantidad(Entero16& valor); // entero no negativo
    bool Entero(double& valor);     // número entero guardado como real

    bool EnFalla() const { return falla_; }
    std::size_t BytesRestantes() const { return bytes_.size() - posicion_; }

private:
    bool SiguienteItem(std::string_view& item, bool& entreComillas);
    // Deja el lector en falla en el ítem en curso con el motivo dado.
    bool Fallar(std::string motivo);
    void AvanzarHasta(std::size_t posicion); // cuenta las líneas que pasa

    std::string bytes_;
    std::size_t posicion_ = 0;
    bool falla_ = false;
    int linea_ = 1;     // línea de la posición actual
    int lineaItem_ = 1; // línea en que empieza el último ítem
    int items_ = 0;     // ítems empezados
    std::string que_;
    FallaDeLectura fallaDeLectura_;
};

// Escribe ítems: uno por línea o varios separados por comas en una línea, con CR LF.
class EscritorItems {
public:
    EscritorItems& Texto(const std::string& texto);
    EscritorItems& Real(double valor);
    EscritorItems& Entero(long valor);
    // Termina la línea en curso.
    EscritorItems& FinDeLinea();

    const std::string& Bytes() const { return bytes_; }

private:
    void Separar();

    std::string bytes_;
    bool lineaEmpezada_ = false;
};

// Escritura de un real con los dígitos justos para leerse de vuelta como el mismo real
// ("0.5", "-12.25", "1E+20", "1.5E-07"); los no finitos se escriben "NaN", "Inf", "-Inf".
std::string RealParaArchivo(double valor);

// Texto de un ítem entre comillas: sin comillas dobles (se escriben como comilla simple) y sin
// saltos de línea (cada CR y cada LF pasa a ser un espacio).
std::string TextoSeguroParaArchivo(const std::string& texto);

} // namespace vertana
