// Tablas con índice desde 1, como las del proyecto: Tabla (una dimensión) y Tabla2 (estrato x
// punto). La posición 0 no existe; el acceso fuera de rango es un error de programación.
#pragma once

#include <algorithm>
#include <cassert>
#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

namespace vertana {

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
        assert(i >= 1 && i <= Tamano());
        return datos_[static_cast<std::size_t>(i - 1)];
    }
    const T& operator()(int i) const
    {
        assert(i >= 1 && i <= Tamano());
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
        assert(i >= 1 && i <= filas_ && j >= 1 && j <= columnas_);
        return datos_[Posicion(i, j)];
    }
    const T& operator()(int i, int j) const
    {
        assert(i >= 1 && i <= filas_ && j >= 1 && j <= columnas_);
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
