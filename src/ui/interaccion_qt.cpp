#include "ui/interaccion_qt.h"

#include "model/textos.h"
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

void InteraccionQt::ParametrosDeCalculo(Proyecto& p)
{
    Form2 dialogo(p, *this, Padre(padre_));
    dialogo.exec();
}

void InteraccionQt::IteracionJanbu(Proyecto& p, const Tabla<double>& anguloLineaEmpuje)
{
    Form17::Mostrar(p, anguloLineaEmpuje, *this, Padre(padre_));
}

void InteraccionQt::ResultadosDeLasIteraciones(Proyecto& p)
{
    Form9 dialogo(p, *this, Padre(padre_));
    dialogo.exec();
}

void InteraccionQt::ChequeoDeEsfuerzos(Proyecto& p, const EsfuerzosDelChequeo& esfuerzos)
{
    Form13 dialogo(p, *this, esfuerzos, Padre(padre_));
    dialogo.exec();
}

void InteraccionQt::CambioDeParametrosDeResistencia(Proyecto& p, EstadoCalculo& estado)
{
    Form18 dialogo(p, estado, *this, Padre(padre_));
    dialogo.exec();
}

} // namespace vertana
