#include "ui/dialogo_centro.h"

#include "model/interaccion.h"
#include "model/numeros.h"
#include "model/textos.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace vertana {
namespace {

constexpr char FormatoCoordenada[] = "#0.000";
constexpr int AnchoExplicacion = 420; // px: el texto se parte en renglones de este ancho

} // namespace

ResultadoCentro ComprobarCentro(const std::string& abscisa, const std::string& ordenada)
{
    ResultadoCentro r;
    const std::optional<double> x = NumeroDe(abscisa);
    if (!x) {
        r.fallo = Fallo{textos::DebeIntroducirNumeroEn(textos::CampoAbscisaCentro), {}};
        return r;
    }
    const std::optional<double> y = NumeroDe(ordenada);
    if (!y) {
        r.fallo = Fallo{textos::DebeIntroducirNumeroEn(textos::CampoOrdenadaCentro), {}};
        return r;
    }
    r.centro = {*x, *y};
    return r;
}

DialogoCentro::DialogoCentro(PuntoCentro sugerido, Interaccion& ui, QWidget* padre)
    : QDialog(padre), ui_(ui)
{
    setObjectName("DialogoCentro");
    setWindowTitle(textos::TituloDialogoCentro);
    setModal(true);

    auto* explicacion = new QLabel(textos::ExplicacionDialogoCentro, this);
    explicacion->setObjectName("EtiquetaExplicacionCentro");
    explicacion->setWordWrap(true);
    explicacion->setMinimumWidth(AnchoExplicacion);

    abscisa_ = CrearCuadro(this, "TextoAbscisaCentro", textos::UsePuntoDecimal);
    ordenada_ = CrearCuadro(this, "TextoOrdenadaCentro", textos::UsePuntoDecimal);
    PonerTexto(abscisa_, Formato(sugerido.X, FormatoCoordenada));
    PonerTexto(ordenada_, Formato(sugerido.Y, FormatoCoordenada));
    auto* cuadros = new QFormLayout;
    cuadros->addRow(CrearEtiqueta(this, textos::EtiquetaAbscisaCentro, abscisa_), abscisa_);
    cuadros->addRow(CrearEtiqueta(this, textos::EtiquetaOrdenadaCentro, ordenada_), ordenada_);

    auto* aceptar = CrearBoton(this, "BotónAceptar", textos::BotonAceptarDialogo);
    auto* salir = CrearBoton(this, "BotónSalir", textos::BotonSalirDialogo);
    aceptar->setDefault(true);
    auto* todo = new QVBoxLayout(this);
    todo->addWidget(explicacion);
    todo->addLayout(cuadros);
    todo->addLayout(FilaDeBotones({aceptar, salir}));
    OrdenDeTabulacion({abscisa_, ordenada_, aceptar, salir});

    connect(aceptar, &QPushButton::clicked, this, &DialogoCentro::AceptarClic);
    connect(salir, &QPushButton::clicked, this, &QDialog::reject);
}

void DialogoCentro::AceptarClic()
{
    const ResultadoCentro r = ComprobarCentro(TextoDe(abscisa_), TextoDe(ordenada_));
    if (r.fallo) {
        MostrarFallo(ui_, *r.fallo);
        return;
    }
    centro_ = r.centro;
    accept();
}

} // namespace vertana
