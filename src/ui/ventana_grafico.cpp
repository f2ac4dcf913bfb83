#include "ui/ventana_grafico.h"

#include "dibujo/pintor_escena.h"
#include "model/interaccion.h"
#include "model/textos.h"

#include <QFileDialog>
#include <QHBoxLayout>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

namespace vertana {

VentanaGrafico::VentanaGrafico(Interaccion& interaccion, QWidget* padre)
    : QDialog(padre), interaccion_(interaccion)
{
    setModal(false);
    setWindowFlag(Qt::WindowMaximizeButtonHint, true);
    lienzo_ = new LienzoEscena(this);
    lienzo_->setObjectName("Lienzo");
    imprimir_ = new QPushButton(textos::BotonImprimir, this);
    imprimir_->setObjectName("Imprimir");
    exportar_ = new QPushButton(textos::BotonExportar, this);
    exportar_->setObjectName("BotónExportar");
    cerrar_ = new QPushButton(textos::BotonCerrar, this);
    cerrar_->setObjectName("BotónCerrar");
    imprimir_->setAutoDefault(false);
    exportar_->setAutoDefault(false);
    cerrar_->setAutoDefault(false);
    connect(imprimir_, &QPushButton::clicked, this, &VentanaGrafico::Imprimir);
    connect(exportar_, &QPushButton::clicked, this, &VentanaGrafico::Exportar);
    connect(cerrar_, &QPushButton::clicked, this, &VentanaGrafico::Cerrar);

    filaSuperior_ = new QHBoxLayout;
    auto* botones = new QHBoxLayout;
    botones->addStretch();
    botones->addWidget(imprimir_);
    botones->addWidget(exportar_);
    botones->addWidget(cerrar_);
    auto* disposicion = new QVBoxLayout(this);
    disposicion->addLayout(filaSuperior_);
    disposicion->addWidget(lienzo_, 1);
    disposicion->addLayout(botones);

    ImprimirImagen = [this](const QImage& imagen) { return ImprimirConDialogo(imagen); };
    ElegirArchivoExportar = [this] { return ElegirArchivoDeDibujo(this); };
    constexpr int Ancho = 1000; // píxeles
    constexpr int Alto = 720;
    resize(Ancho, Alto);
}

void VentanaGrafico::Imprimir()
{
    // La imagen de la ventana como se ve, sin los botones.
    imprimir_->hide();
    exportar_->hide();
    cerrar_->hide();
    const QImage imagen = grab().toImage();
    const bool impreso = ImprimirImagen(imagen);
    imprimir_->show();
    exportar_->show();
    cerrar_->show();
    if (!impreso) interaccion_.Mensaje(textos::NoSePudoImprimir, textos::TituloImpresion);
}

bool VentanaGrafico::ImprimirConDialogo(const QImage& imagen)
{
    QPrinter impresora(QPrinter::HighResolution);
    impresora.setPageOrientation(imagen.width() > imagen.height() ? QPageLayout::Landscape
                                                                  : QPageLayout::Portrait);
    QPrintDialog dialogo(&impresora, this);
    if (dialogo.exec() != QDialog::Accepted) return true; // cancelar no es un fallo
    QPainter pintor;
    if (!pintor.begin(&impresora)) return false;
    const QRect pagina = pintor.viewport();
    QSize tamano = imagen.size();
    tamano.scale(pagina.size(), Qt::KeepAspectRatio);
    pintor.setViewport(pagina.x(), pagina.y(), tamano.width(), tamano.height());
    pintor.setWindow(imagen.rect());
    pintor.drawImage(0, 0, imagen);
    return pintor.end();
}

void VentanaGrafico::Exportar()
{
    const std::string ruta = ElegirArchivoExportar();
    if (ruta.empty()) return;
    ExportarLienzo(ConstructorDeExportacion(), ruta, interaccion_);
}

LienzoEscena::Constructor VentanaGrafico::ConstructorDeExportacion() const
{
    return lienzo_->ConstructorActual();
}

void VentanaGrafico::Cerrar()
{
    hide();
}

std::string ElegirArchivoDeDibujo(QWidget* padre)
{
    const QString ruta = QFileDialog::getSaveFileName(padre, textos::TituloExportar, QString(),
                                                      textos::FiltrosExportar);
    return QFile::encodeName(ruta).toStdString();
}

void ExportarLienzo(const LienzoEscena::Constructor& constructor, const std::string& ruta,
                    Interaccion& interaccion)
{
    Escena escena;
    escena.ancho = AnchoExportacion;
    escena.alto = AltoExportacion;
    if (constructor) escena = constructor(AnchoExportacion, AltoExportacion);
    if (const auto error = ExportarEscena(escena, ruta)) interaccion.Mensaje(*error);
}

} // namespace vertana
