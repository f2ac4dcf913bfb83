#include "ui/interaccion_qt.h"

#include "model/textos.h"
#include "ui/dialogo_centro.h"
#include "ui/form13.h"
#include "ui/form17.h"
#include "ui/form18.h"
#include "ui/form2.h"
#include "ui/form9.h"

#include <QApplication>
#include <QMessageBox>
#include <QString>

namespace vertana {
namespace {

// Sin padre propio, el cuadro se centra sobre el diálogo modal o la ventana activa.
QWidget* Padre(QWidget* padre)
{
    if (padre) return padre;
    if (QWidget* modal = QApplication::activeModalWidget()) return modal;
    return QApplication::activeWindow();
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

std::optional<PuntoCentro> InteraccionQt::CentroDeMomentos(const Proyecto&, PuntoCentro sugerido)
{
    DialogoCentro dialogo(sugerido, *this, Padre(padre_));
    dialogo.exec();
    return dialogo.Centro();
}

} // namespace vertana
