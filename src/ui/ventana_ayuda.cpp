#include "ui/ventana_ayuda.h"

#include "model/textos.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace vertana {

VentanaAyuda::VentanaAyuda(QWidget* padre)
    : QWidget(padre, Qt::Window), navegador_(new QTextBrowser(this))
{
    setObjectName("VentanaAyuda");
    setWindowTitle(textos::TituloAyuda);
    navegador_->setObjectName("NavegadorAyuda");
    navegador_->setOpenExternalLinks(false);
    navegador_->setSource(QUrl(DireccionManual));

    auto* inicio = new QPushButton(textos::AyudaIndice, this);
    inicio->setObjectName("BotónÍndice");
    auto* atras = new QPushButton(textos::AyudaAtras, this);
    atras->setObjectName("BotónAtrás");
    auto* cerrar = new QPushButton(textos::AyudaCerrar, this);
    cerrar->setObjectName("BotónCerrar");
    connect(inicio, &QPushButton::clicked, navegador_, &QTextBrowser::home);
    connect(atras, &QPushButton::clicked, navegador_, &QTextBrowser::backward);
    connect(navegador_, &QTextBrowser::backwardAvailable, atras, &QPushButton::setEnabled);
    connect(cerrar, &QPushButton::clicked, this, &QWidget::close);
    atras->setEnabled(false);

    auto* botones = new QHBoxLayout;
    botones->addWidget(inicio);
    botones->addWidget(atras);
    botones->addStretch();
    botones->addWidget(cerrar);
    auto* disposicion = new QVBoxLayout(this);
    disposicion->addLayout(botones);
    disposicion->addWidget(navegador_);
    constexpr int Ancho = 760; // píxeles: unas 90 columnas de texto
    constexpr int Alto = 620;
    resize(Ancho, Alto);
}

} // namespace vertana
