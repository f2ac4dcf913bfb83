// Tablas con índice desde 1, como las del proyecto: Tabla (una dimensión) y Tabla2 (estrato x
// punto). La posición 0 no existe. El acceso fuera de rango es un error de programación y se
// comprueba en toda compilación (no sólo con assert): lanza ErrorVertana con un mensaje claro,
// que se atrapa donde empieza una orden de la ventana o el main de la línea de órdenes. La
// comprobación es una comparación sin signo por acceso; el lanzamiento está fuera de línea.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

namespace vertana {

// Lanzan ErrorVertana: índice i fuera de una tabla de n entradas; (i, j) fuera de una de
// filas x columnas.
[[noreturn]] void IndiceFueraDeTabla(int i, int n);
[[noreturn]] void IndiceFueraDeTabla2(int i, int j, int filas, int columnas);

// i en 1..n con una sola comparación sin signo (i − 1 < n, restado sin signo: 0 y los
// negativos dan un número enorme).
inline bool IndiceValido(int i, int n)
{
    return static_cast<unsigned>(i) - 1u < static_cast<unsigned>(n);
}

template <typename T> class Tabla {
public:
    Tabla() = default;
    explicit Tabla(int n) { Redimensionar(n); }

    int Tamano() const { return static_cast<int>(datos_.size()); }
    // El tamaño como las cantidades del proyecto, entero de 16 bits.
    std::int16_t Cantidad() const { return static_cast<std::int16_t>(datos_.size()); }
    bool Vacia() const { return datos_.empty(); }

    // Redimensiona descartando el contenido: todas las entradas quedan con el valor por omisión.
    void Redimensionar(int n) { datos_.assign(static_cast<std::size_t>(n > 0 ? n : 0), T{}); }
    // Redimensiona conservando las entradas que siguen cabiendo.
    void RedimensionarConservando(int n) { datos_.resize(static_cast<std::size_t>(n > 0 ? n : 0)); }
    void Vaciar() { datos_.clear(); }

    T& operator()(int i)
    {
        if (!IndiceValido(i, Tamano())) [[unlikely]]
            IndiceFueraDeTabla(i, Tamano());
        return datos_[static_cast<std::size_t>(i - 1)];
    }
    const T& operator()(int i) const
    {
        if (!IndiceValido(i, Tamano())) [[unlikely]]
            IndiceFueraDeTabla(i, Tamano());
        return datos_[static_cast<std::size_t>(i - 1)];
    }

    bool operator==(const Tabla&) const = default;

private:
    std::vector<T> datos_;
};

template <typename T> class Tabla2 {
public:
    Tabla2() = default;

    int Filas() const { return filas_; }
    int Columnas() const { return columnas_; }
    bool Vacia() const { return datos_.empty(); }

    void Redimensionar(int filas, int columnas)
    {
        filas_ = filas > 0 ? filas : 0;
        columnas_ = columnas > 0 ? columnas : 0;
        datos_.assign(static_cast<std::size_t>(filas_) * static_cast<std::size_t>(columnas_), T{});
    }
    void RedimensionarConservando(int filas, int columnas)
    {
        Tabla2 nueva;
        nueva.Redimensionar(filas, columnas);
        for (int i = 1; i <= std::min(filas_, nueva.filas_); ++i)
            for (int j = 1; j <= std::min(columnas_, nueva.columnas_); ++j)
                nueva(i, j) = (*this)(i, j);
        *this = std::move(nueva);
    }
    void Vaciar() { Redimensionar(0, 0); }

    T& operator()(int i, int j)
    {
        if (!IndiceValido(i, filas_) || !IndiceValido(j, columnas_)) [[unlikely]]
            IndiceFueraDeTabla2(i, j, filas_, columnas_);
        return datos_[Posicion(i, j)];
    }
    const T& operator()(int i, int j) const
    {
        if (!IndiceValido(i, filas_) || !IndiceValido(j, columnas_)) [[unlikely]]
            IndiceFueraDeTabla2(i, j, filas_, columnas_);
        return datos_[Posicion(i, j)];
    }

    bool operator==(const Tabla2&) const = default;

private:
    std::size_t Posicion(int i, int j) const
    {
        return static_cast<std::size_t>(i - 1) * static_cast<std::size_t>(columnas_) +
               static_cast<std::size_t>(j - 1);
    }

    int filas_ = 0;
    int columnas_ = 0;
    std::vector<T> datos_;
};

} // namespace vertana
