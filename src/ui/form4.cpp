#include "ui/form4.h"

#include "model/textos.h"
#include "ui/controles_dialogo.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

namespace vertana {

Form4::Form4(Proyecto& proyecto, QWidget* padre)
    : QDialog(padre), proyecto_(proyecto), listaEntre_(new QListWidget(this))
{
    setObjectName("Form4");
    setWindowTitle(textos::TituloForm4);

    auto* etiqueta = new QLabel(textos::EtiquetaListaEntre, this);
    listaEntre_->setObjectName("ListaEntre");
    listaEntre_->setToolTip(textos::AyudaListaEntre);
    etiqueta->setBuddy(listaEntre_);
    listaEntre_->addItem(textos::Form4AntesDelPrimero);
    for (int i = 1; i < proyecto_.NumeroDeEstratos(); ++i)
        listaEntre_->addItem(QString("%1 %2%3%4")
                                 .arg(textos::Form4Entre)
                                 .arg(i)
                                 .arg(textos::Form4UnionY)
                                 .arg(i + 1));
    listaEntre_->addItem(textos::Form4DespuesDelUltimo);
    listaEntre_->setCurrentRow(0);

    auto* aceptar = new QPushButton(textos::Form4Aceptar, this);
    aceptar->setObjectName("Aceptar");
    aceptar->setDefault(true);
    auto* salir = new QPushButton(textos::Form4Salir, this);
    salir->setObjectName("Cancelar");
    connect(aceptar, &QPushButton::clicked, this, &Form4::Aceptar);
    connect(salir, &QPushButton::clicked, this, &Form4::reject);
    connect(listaEntre_, &QListWidget::itemDoubleClicked, this, &Form4::Aceptar);

    auto* botones = FilaDeBotones({aceptar, salir});
    auto* disposicion = new QVBoxLayout(this);
    disposicion->addWidget(etiqueta);
    disposicion->addWidget(listaEntre_);
    disposicion->addLayout(botones);
}

void Form4::Aceptar()
{
    proyecto_.CambioNumeroEstratos = true;
    posicion_ = std::max(0, listaEntre_->currentRow());
    accept();
}

void Form4::reject()
{
    proyecto_.CambioNumeroEstratos = false;
    QDialog::reject();
}

} // namespace vertana
