#include "ui/interaccion_qt.h"

#include "model/textos.h"
#include "ui/form13.h"
#include "ui/form17.h"
#include "ui/form18.h"
#include "ui/form2.h"
#include "ui/form9.h"

#include <QApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QMainWindow>
#include <QMessageBox>
#include <QString>
#include <algorithm>

namespace vertana {
namespace {

// Sin padre propio, el cuadro se centra sobre el diálogo modal, la ventana activa o, si ninguna
// lo está (sin gestor de ventanas nadie tiene el foco), la ventana principal visible.
QWidget* Padre(QWidget* padre)
{
    if (padre) return padre;
    if (QWidget* modal = QApplication::activeModalWidget()) return modal;
    if (QWidget* activa = QApplication::activeWindow()) return activa;
    for (QWidget* ventana : QApplication::topLevelWidgets())
        if (ventana->isVisible() && qobject_cast<QMainWindow*>(ventana)) return ventana;
    return nullptr;
}

QString Titulo(const std::string& titulo)
{
    return QString::fromStdString(titulo.empty() ? std::string(textos::NombrePrograma) : titulo);
}

} // namespace

void InteraccionQt::Mensaje(const std::string& texto, const std::string& titulo)
{
    QMessageBox::information(Padre(padre_), Titulo(titulo), QString::fromStdString(texto));
}

void InteraccionQt::MensajeConDetalle(const std::string& texto, const std::string& detalle,
                                      const std::string& titulo)
{
    QMessageBox cuadro(QMessageBox::Information, Titulo(titulo), QString::fromStdString(texto),
                       QMessageBox::Ok, Padre(padre_));
    const QString textoDetalle = QString::fromStdString(detalle);
    cuadro.setInformativeText(textoDetalle);
    // El detalle lleva rutas y citas del archivo: se puede seleccionar y copiar.
    cuadro.setTextInteractionFlags(Qt::TextSelectableByMouse);
    // Y se lee mejor sin partir sus líneas: el cuadro se ensancha hasta la más larga (con un
    // máximo, pasado el cual se parte).
    if (auto* informativo = cuadro.findChild<QLabel*>("qt_msgbox_informativelabel")) {
        constexpr int MaximoCaracteresPorLinea = 100;
        constexpr int HolguraEnCaracteres = 2; // lo que el rótulo pierde en sus bordes
        const QFontMetrics medidas(informativo->font());
        int ancho = 0;
        for (const QString& linea : textoDetalle.split('\n'))
            ancho = std::max(ancho, medidas.horizontalAdvance(linea));
        ancho += medidas.averageCharWidth() * HolguraEnCaracteres;
        informativo->setMinimumWidth(
            std::min(ancho, medidas.averageCharWidth() * MaximoCaracteresPorLinea));
    }
    cuadro.exec();
}

bool InteraccionQt::Pregunta(const std::string& texto, const std::string& titulo)
{
    return QMessageBox::question(Padre(padre_), Titulo(titulo), QString::fromStdString(texto),
                                 QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::Yes) == QMessageBox::Yes;
}

bool InteraccionQt::ParametrosDeCalculo(Proyecto& p)
{
    Form2 dialogo(p, *this, Padre(padre_));
    return dialogo.exec() == QDialog::Accepted;
}

DecisionJanbu InteraccionQt::IteracionJanbu(const Proyecto& p, const IteracionJanbuMostrada& pasada)
{
    return Form17::Mostrar(p, pasada, *this, Padre(padre_));
}

DecisionIteracion InteraccionQt::ResultadosDeLasIteraciones(const Proyecto& p,
                                                            const SumasDeLaIteracion& sumas)
{
    Form9 dialogo(p, sumas, *this, Padre(padre_));
    dialogo.exec();
    return dialogo.Decision();
}

std::optional<Tabla<double>> InteraccionQt::ChequeoDeEsfuerzos(const Proyecto&,
                                                               const EsfuerzosDelChequeo& esfuerzos)
{
    Form13 dialogo(*this, esfuerzos, Padre(padre_));
    dialogo.exec();
    return dialogo.Sigmas();
}

std::optional<ParametrosDeDovelas>
InteraccionQt::CambioDeParametrosDeResistencia(const Proyecto&, const ParametrosDeDovelas& actuales)
{
    Form18 dialogo(actuales, *this, Padre(padre_));
    dialogo.exec();
    return dialogo.Resultado();
}

} // namespace vertana
