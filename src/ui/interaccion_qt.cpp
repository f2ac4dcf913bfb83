#include "ui/interaccion_qt.h"

#include "model/textos.h"
#include "ui/form17.h"

#include <QMessageBox>
#include <QString>

namespace vertana {
namespace {

QString Titulo(const std::string& titulo)
{
    return QString::fromStdString(titulo.empty() ? std::string(textos::NombrePrograma) : titulo);
}

} // namespace

void InteraccionQt::Mensaje(const std::string& texto, const std::string& titulo)
{
    QMessageBox::information(padre_, Titulo(titulo), QString::fromStdString(texto));
}

bool InteraccionQt::Pregunta(const std::string& texto, const std::string& titulo)
{
    return QMessageBox::question(padre_, Titulo(titulo), QString::fromStdString(texto),
                                 QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::Yes) == QMessageBox::Yes;
}

void InteraccionQt::IteracionJanbu(Proyecto& p, const Tabla<double>& anguloLineaEmpuje)
{
    Form17::Mostrar(p, anguloLineaEmpuje, *this, padre_);
}

} // namespace vertana
