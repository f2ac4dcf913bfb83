#include "ui/controles_dialogo.h"

#include "model/interaccion.h"
#include "model/numeros.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTreeWidget>
#include <algorithm>
#include <cmath>
#include <vector>

namespace vertana {

void MostrarFallo(Interaccion& interaccion, const Fallo& fallo)
{
    interaccion.Mensaje(fallo.texto, fallo.titulo);
}

std::string Mayusculas(const std::string& texto)
{
    std::string resultado = texto;
    for (char& c : resultado)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return resultado;
}

std::optional<double> NumeroDe(const std::string& texto)
{
    const std::optional<double> valor = ValorNumerico(texto);
    if (!valor || !std::isfinite(*valor)) return std::nullopt;
    return valor;
}

bool EsEntero(double valor)
{
    return std::isfinite(valor) && std::floor(valor) == valor;
}

std::string TextoDe(const QLineEdit* cuadro)
{
    return cuadro->text().toStdString();
}

void PonerTexto(QLineEdit* cuadro, const std::string& texto)
{
    cuadro->setText(QString::fromStdString(texto));
}

QLineEdit* CrearCuadro(QWidget* padre, const QString& nombre, const QString& ayuda)
{
    auto* cuadro = new QLineEdit(padre);
    cuadro->setObjectName(nombre);
    if (!ayuda.isEmpty()) cuadro->setToolTip(ayuda);
    return cuadro;
}

QLabel* CrearEtiqueta(QWidget* padre, const QString& texto, QWidget* companero)
{
    auto* etiqueta = new QLabel(texto, padre);
    if (companero) etiqueta->setBuddy(companero);
    return etiqueta;
}

QPushButton* CrearBoton(QWidget* padre, const QString& nombre, const QString& texto)
{
    auto* boton = new QPushButton(texto, padre);
    boton->setObjectName(nombre);
    return boton;
}

QTreeWidget* CrearLista(QWidget* padre, const QString& nombre, const QStringList& columnas)
{
    auto* lista = new QTreeWidget(padre);
    lista->setObjectName(nombre);
    lista->setColumnCount(static_cast<int>(columnas.size()));
    lista->setHeaderLabels(columnas);
    lista->setRootIsDecorated(false);
    lista->setUniformRowHeights(true);
    lista->setAlternatingRowColors(true);
    lista->setSelectionMode(QAbstractItemView::SingleSelection);
    lista->setSelectionBehavior(QAbstractItemView::SelectRows);
    lista->header()->setSectionResizeMode(QHeaderView::Stretch);
    lista->header()->setDefaultAlignment(Qt::AlignCenter);
    lista->header()->setMinimumSectionSize(30);
    lista->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    return lista;
}

QTreeWidgetItem* InsertarFila(QTreeWidget* lista, int posicion, const QStringList& textos)
{
    auto* elemento = new QTreeWidgetItem(textos);
    for (int k = 0; k < textos.size(); ++k)
        elemento->setTextAlignment(k, Qt::AlignRight | Qt::AlignVCenter);
    lista->insertTopLevelItem(posicion, elemento);
    return elemento;
}

int FilaDe(const QTreeWidget* lista, const QTreeWidgetItem* elemento)
{
    if (!elemento) return -1;
    return lista->indexOfTopLevelItem(const_cast<QTreeWidgetItem*>(elemento));
}

int FilaSeleccionada(const QTreeWidget* lista)
{
    const QList<QTreeWidgetItem*> seleccion = lista->selectedItems();
    if (seleccion.isEmpty()) return -1;
    return FilaDe(lista, seleccion.back());
}

std::string Celda(const QTreeWidget* lista, int fila, int columna)
{
    const QTreeWidgetItem* elemento = lista->topLevelItem(fila);
    return elemento ? elemento->text(columna).toStdString() : std::string();
}

void OrdenDeTabulacion(const QList<QWidget*>& controles)
{
    for (qsizetype i = 0; i + 1 < controles.size(); ++i)
        QWidget::setTabOrder(controles[i], controles[i + 1]);
}

QHBoxLayout* FilaDeBotones(std::initializer_list<QWidget*> botones)
{
    auto* fila = new QHBoxLayout;
    fila->addStretch(1);
    for (QWidget* boton : botones)
        fila->addWidget(boton);
    return fila;
}

void RepartirColumnas(QTreeWidget* lista)
{
    QHeaderView* encabezado = lista->header();
    const int columnas = encabezado->count();
    if (columnas == 0) return;
    std::vector<int> anchos(static_cast<std::size_t>(columnas));
    int usado = 0;
    for (int k = 0; k < columnas; ++k) {
        lista->resizeColumnToContents(k);
        const int ancho = encabezado->sectionSize(k);
        anchos[static_cast<std::size_t>(k)] = ancho;
        usado += ancho;
    }
    const int disponible =
        lista->maximumViewportSize().width() - lista->verticalScrollBar()->sizeHint().width();
    const int sobrante = std::max(0, disponible - usado) / columnas;
    for (int k = 0; k < columnas; ++k)
        encabezado->resizeSection(k, anchos[static_cast<std::size_t>(k)] + sobrante);
}

} // namespace vertana
