// Ayudas de las pruebas de diálogos: encontrar controles por su nombre, escribir en ellos,
// pulsar botones y filas como lo haría una persona.
#pragma once

#include "apoyo/interaccion_guionada.h"
#include "model/tabla.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>
#include <gtest/gtest.h>
#include <initializer_list>
#include <string>

namespace vertana::prueba {

// Tabla desde 1 con los valores dados, en su orden.
template <typename T> Tabla<T> TablaDe(std::initializer_list<T> valores)
{
    Tabla<T> t(static_cast<int>(valores.size()));
    int i = 0;
    for (const T& v : valores)
        t(++i) = v;
    return t;
}

// Cuadros de Form5, en el orden de las columnas de un estrato.
inline constexpr const char* CuadrosEstrato[] = {"TextoCohesión",
                                                 "TextoFricción",
                                                 "TextoPesoUnitarioHúmedo",
                                                 "TextoPesoUnitarioSaturado",
                                                 "TextoCondiciónDeDrenaje",
                                                 "TextoParámetroPresión",
                                                 "TextoCoeficienteConsolidaciónVertical",
                                                 "TextoTiempoDeConstrucción"};

template <typename T> T* Control(QWidget& dialogo, const char* nombre)
{
    T* control = dialogo.findChild<T*>(QString::fromUtf8(nombre));
    EXPECT_NE(control, nullptr) << "falta el control " << nombre;
    return control;
}

inline void Escribir(QWidget& dialogo, const char* cuadro, const std::string& texto)
{
    if (auto* c = Control<QLineEdit>(dialogo, cuadro)) c->setText(QString::fromStdString(texto));
}

inline std::string Leer(QWidget& dialogo, const char* cuadro)
{
    auto* c = Control<QLineEdit>(dialogo, cuadro);
    return c ? c->text().toStdString() : std::string();
}

inline void Pulsar(QWidget& dialogo, const char* boton)
{
    if (auto* b = Control<QPushButton>(dialogo, boton)) QTest::mouseClick(b, Qt::LeftButton);
}

// Muestra el diálogo (se activa) y espera a que esté en pantalla.
inline void Mostrar(QWidget& dialogo)
{
    dialogo.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialogo));
}

// Pulsa con el ratón la fila dada (desde 0) de una lista.
inline void PulsarFila(QWidget& dialogo, const char* lista, int fila)
{
    auto* l = Control<QTreeWidget>(dialogo, lista);
    ASSERT_NE(l, nullptr);
    QTreeWidgetItem* elemento = l->topLevelItem(fila);
    ASSERT_NE(elemento, nullptr);
    l->scrollToItem(elemento);
    QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, l->visualItemRect(elemento).center());
}

// Textos de una fila de una lista.
inline std::vector<std::string> Fila(QWidget& dialogo, const char* lista, int fila)
{
    std::vector<std::string> textos;
    auto* l = Control<QTreeWidget>(dialogo, lista);
    if (!l || !l->topLevelItem(fila)) return textos;
    for (int k = 0; k < l->columnCount(); ++k)
        textos.push_back(l->topLevelItem(fila)->text(k).toStdString());
    return textos;
}

inline int Filas(QWidget& dialogo, const char* lista)
{
    auto* l = Control<QTreeWidget>(dialogo, lista);
    return l ? l->topLevelItemCount() : -1;
}

// Último mensaje mostrado (texto y título).
inline EventoInteraccion UltimoMensaje(const InteraccionGuionada& ui)
{
    for (auto e = ui.Eventos().rbegin(); e != ui.Eventos().rend(); ++e)
        if (e->tipo == EventoInteraccion::Tipo::Mensaje) return *e;
    return {};
}

} // namespace vertana::prueba
