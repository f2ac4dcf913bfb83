#include "ui/dialogo_contraste.h"

#include "model/numeros.h"
#include "model/textos.h"
#include "model/unidades.h"
#include "ui/controles_dialogo.h"

#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace vertana {
namespace {

constexpr char FormatoFactor[] = "#0.000";
constexpr char FormatoLambda[] = "#0.000";
constexpr char FormatoPorCiento[] = "#0.0";
constexpr char FormatoAngulo[] = "#0.00";
constexpr double PorCiento = 100.0;
constexpr int AnchoMinimo = 620;       // px: caben las cuatro columnas y las notas
constexpr int AnchoColumnaMinimo = 70; // px de las columnas numéricas

QString Q(const std::string& texto)
{
    return QString::fromStdString(texto);
}

} // namespace

std::vector<FilaContraste> FilasDelContraste(const Proyecto& p,
                                             const std::vector<ResultadoRiguroso>& resultados)
{
    std::vector<FilaContraste> filas;
    const std::optional<double> elegido = FactorDeSeguridadGuardado(p);
    FilaContraste primera;
    primera.Metodo =
        std::string(textos::MetodoElegidoContraste) + NombreDeMetodo(p.MetodoDeCalculo);
    primera.Factor = elegido ? Formato(*elegido, FormatoFactor) : textos::SinResultadosContraste;
    filas.push_back(primera);
    for (const ResultadoRiguroso& r : resultados) {
        FilaContraste f;
        f.Metodo = NombreDeMetodoRiguroso(r.Metodo);
        if (!r.FactorSeguridad) {
            f.Factor = textos::SinSolucionContraste;
        } else {
            f.Factor = Formato(*r.FactorSeguridad, FormatoFactor);
            f.Lambda = Formato(r.Lambda, FormatoLambda);
            if (elegido && *elegido > 0.0) {
                const double d = PorCiento * (*r.FactorSeguridad - *elegido) / *elegido;
                f.Diferencia = Formato(d, FormatoPorCiento) + " %";
            }
        }
        filas.push_back(f);
    }
    return filas;
}

std::string NotasDelContraste(const std::vector<ResultadoRiguroso>& resultados)
{
    std::string notas = textos::ExplicacionContraste;
    for (const ResultadoRiguroso& r : resultados) {
        if (r.Metodo == MetodoRiguroso::Spencer && r.FactorSeguridad)
            notas += std::string("\n\n") + textos::InclinacionContraste +
                     Formato(Grados(r.AnguloEntreDovelas), FormatoAngulo) + "°";
        if (!r.FactorSeguridad && !r.Mensaje.empty())
            notas += std::string("\n\n") + NombreDeMetodoRiguroso(r.Metodo) + ": " + r.Mensaje;
        for (const std::string& aviso : r.Avisos)
            notas += std::string("\n\n") + NombreDeMetodoRiguroso(r.Metodo) + ": " + aviso;
    }
    return notas;
}

DialogoContraste::DialogoContraste(const Proyecto& p,
                                   const std::vector<ResultadoRiguroso>& resultados, QWidget* padre)
    : QDialog(padre)
{
    setObjectName("DialogoContraste");
    setWindowTitle(textos::TituloContraste);
    setModal(true);
    setMinimumWidth(AnchoMinimo);

    QTreeWidget* lista =
        CrearLista(this, "ListaContraste",
                   {textos::ColumnaMetodoContraste, textos::ColumnaFactorContraste,
                    textos::ColumnaLambdaContraste, textos::ColumnaDiferenciaContraste});
    lista->setRootIsDecorated(false);
    int fila = 0;
    for (const FilaContraste& f : FilasDelContraste(p, resultados)) {
        QTreeWidgetItem* item =
            InsertarFila(lista, fila++, {Q(f.Metodo), Q(f.Factor), Q(f.Lambda), Q(f.Diferencia)});
        item->setTextAlignment(0, Qt::AlignLeft | Qt::AlignVCenter); // el nombre, a la izquierda
    }
    // El nombre del método entero; la última columna ocupa lo que sobra.
    lista->header()->setMinimumSectionSize(AnchoColumnaMinimo);
    lista->header()->setStretchLastSection(true);
    for (int c = 0; c + 1 < lista->columnCount(); ++c)
        lista->header()->setSectionResizeMode(c, QHeaderView::ResizeToContents);
    // Tan alta como sus filas.
    const int alto = lista->sizeHintForRow(0) * (fila + 1) + lista->header()->sizeHint().height() +
                     2 * lista->frameWidth();
    lista->setFixedHeight(alto);

    auto* notas = new QLabel(Q(NotasDelContraste(resultados)), this);
    notas->setObjectName("EtiquetaNotasContraste");
    notas->setWordWrap(true);
    notas->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* aceptar = CrearBoton(this, "BotónAceptar", textos::BotonAceptarDialogo);
    aceptar->setDefault(true);
    auto* todo = new QVBoxLayout(this);
    todo->addWidget(lista);
    todo->addWidget(notas);
    todo->addLayout(FilaDeBotones({aceptar}));
    connect(aceptar, &QPushButton::clicked, this, &QDialog::accept);
}

} // namespace vertana
