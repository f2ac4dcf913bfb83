#include "ui/form15.h"

#include "model/interaccion.h"
#include "model/numeros.h"
#include "model/textos.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace vertana {
namespace {

struct CampoForm15 {
    const char* nombre;
    const char* etiqueta;
    const char* ayuda;
    const char* tituloRechazo;
    const char* textoRechazo;
};

const std::array<CampoForm15, 5>& Campos()
{
    static const std::array<CampoForm15, 5> campos = {{
        {"TextoProgresivaInicial", textos::EtiquetaProgresivaInicial, "1+001.00",
         textos::TituloProgresivaInicial, textos::ProgresivaInicialNumerica},
        {"TextoProgresivaFinal", textos::EtiquetaProgresivaFinal, "1+001.00",
         textos::TituloProgresivaFinal, textos::ProgresivaFinalNumerica},
        {"TextoFechaProyecto", textos::EtiquetaFechaProyecto, "30 / 12/ 1999",
         textos::TituloFechaProyecto, textos::FechaNumerica},
        {"TextoIngResponsable", textos::EtiquetaIngResponsable, "", textos::TituloNombreIng,
         textos::NombreIngNumerico},
        {"TextoEmpresa", textos::EtiquetaEmpresa, "", "", textos::EmpresaNumerica},
    }};
    return campos;
}

std::array<std::string*, 5> Campos(Proyecto& p)
{
    return {&p.ProgresivaInicial, &p.ProgresivaFinal, &p.FechaProyecto, &p.IngResponsable,
            &p.Empresa};
}

} // namespace

std::optional<Fallo> ValidarForm15(const EntradaForm15& entrada)
{
    for (std::size_t k = 0; k < entrada.size(); ++k)
        if (EsNumerico(entrada[k]))
            return Fallo{Campos()[k].textoRechazo, Campos()[k].tituloRechazo};
    return std::nullopt;
}

Form15::Form15(Proyecto& proyecto, Interaccion& interaccion, QWidget* padre)
    : DialogoActivable(padre), proyecto_(proyecto), interaccion_(interaccion)
{
    setObjectName("Form15");
    setWindowTitle(textos::TituloForm15);
    setModal(true);

    auto* formulario = new QFormLayout;
    for (std::size_t k = 0; k < cuadros_.size(); ++k) {
        const CampoForm15& campo = Campos()[k];
        cuadros_[k] = CrearCuadro(this, campo.nombre, campo.ayuda);
        cuadros_[k]->setMinimumWidth(260);
        formulario->addRow(CrearEtiqueta(this, campo.etiqueta, cuadros_[k]), cuadros_[k]);
    }

    auto* aceptar = CrearBoton(this, "Aceptar", textos::BotonAceptarDialogo);
    auto* salir = CrearBoton(this, "Cancelar", textos::BotonSalirDialogo);
    aceptar->setDefault(true);
    auto* botones = FilaDeBotones({aceptar, salir});

    auto* todo = new QVBoxLayout(this);
    todo->addLayout(formulario);
    todo->addLayout(botones);

    connect(aceptar, &QPushButton::clicked, this, &Form15::AceptarClic);
    connect(salir, &QPushButton::clicked, this, &QDialog::reject);
}

void Form15::Activar()
{
    const auto campos = Campos(proyecto_);
    for (std::size_t k = 0; k < cuadros_.size(); ++k)
        PonerTexto(cuadros_[k], *campos[k]);
}

void Form15::AceptarClic()
{
    EntradaForm15 entrada;
    for (std::size_t k = 0; k < cuadros_.size(); ++k)
        entrada[k] = TextoDe(cuadros_[k]);
    if (const std::optional<Fallo> fallo = ValidarForm15(entrada)) {
        MostrarFallo(interaccion_, *fallo);
        return;
    }
    const auto campos = Campos(proyecto_);
    for (std::size_t k = 0; k < entrada.size(); ++k)
        *campos[k] = entrada[k];
    proyecto_.InformacionIntroducida = true;
    proyecto_.DatosGuardados = false;
    accept();
}

} // namespace vertana
