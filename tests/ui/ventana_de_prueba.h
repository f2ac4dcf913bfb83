// La ventana principal real, sin pantalla, con una interacción guionada y accesos a sus widgets.
#pragma once

#include "apoyo/interaccion_guionada.h"
#include "ayuda_dialogos.h"
#include "model/proyecto.h"
#include "ui/form1.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vertana::prueba {

struct VentanaDePrueba : ::testing::Test {
    Proyecto p;
    InteraccionGuionada ui;
    Form1 ventana{p, ui};

    template <typename T> T* Hijo(const char* nombre)
    {
        auto* w = ventana.findChild<T*>(nombre);
        EXPECT_NE(w, nullptr) << nombre;
        return w;
    }
    QLineEdit* X() { return Hijo<QLineEdit>("TextoX"); }
    QLineEdit* Y() { return Hijo<QLineEdit>("TextoY"); }
    QTreeWidget* Lista() { return Hijo<QTreeWidget>("ListaCoordenadas"); }
    QComboBox* ListaEstrato() { return Hijo<QComboBox>("ListaEstrato"); }
    std::string Etiqueta() { return Hijo<QLabel>("EtiquetaCoordenadas")->text().toStdString(); }
    void Pulsar(const char* boton) { Hijo<QPushButton>(boton)->click(); }
    void Menu(const char* elemento) { Hijo<QAction>(elemento)->trigger(); }

    // Escribe x e y en los cuadros y pulsa Agregar.
    void Agregar(const QString& x, const QString& y)
    {
        X()->setText(x);
        Y()->setText(y);
        Pulsar("BotónAgregar");
    }
    void Agregar(double x, double y)
    {
        Agregar(QString::number(x, 'g', 17), QString::number(y, 'g', 17));
    }
    // Elige la fila (1..n) de la lista como lo haría un clic.
    void Elegir(int fila) { Lista()->setCurrentItem(Lista()->topLevelItem(fila - 1)); }

    // Filas de la lista como se ven: "x|y".
    std::vector<std::string> Filas()
    {
        std::vector<std::string> filas;
        for (int i = 0; i < Lista()->topLevelItemCount(); ++i) {
            const auto* item = Lista()->topLevelItem(i);
            filas.push_back((item->text(0) + "|" + item->text(1)).toStdString());
        }
        return filas;
    }
    // Conjuntos marcados en el menú Coordenadas, en orden talud, falla, freático, estratos.
    std::string Marcas()
    {
        std::string marcas;
        for (const char* n : {"MenúCoordenadasTalud", "MenúCoordenadasFalla",
                              "MenúCoordenadasFreático", "MenúCoordenadasEstratos"})
            marcas += Hijo<QAction>(n)->isChecked() ? '1' : '0';
        return marcas;
    }
    std::string UltimoMensaje()
    {
        const auto m = ui.Mensajes();
        return m.empty() ? std::string() : m.back();
    }
    std::string UltimoTitulo() { return prueba::UltimoMensaje(ui).titulo; }
};

} // namespace vertana::prueba
