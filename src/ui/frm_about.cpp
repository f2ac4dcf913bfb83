#include "ui/frm_about.h"

#include "model/textos.h"
#include "ui/controles_dialogo.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

// La versión del programa llega del proyecto de CMake.
#ifndef VERTANA_VERSION_MAYOR
#error "Falta la versión del programa (VERTANA_VERSION_MAYOR)"
#endif

namespace vertana {

QString LineaDeVersion()
{
    return QString("%1%2.%3.%4")
        .arg(textos::PrefijoVersion)
        .arg(VERTANA_VERSION_MAYOR)
        .arg(VERTANA_VERSION_MENOR)
        .arg(VERTANA_REVISION);
}

FrmAbout::FrmAbout(QWidget* padre) : QDialog(padre)
{
    setObjectName("frmAbout");
    setWindowTitle(textos::TituloAcercaDe);
    setModal(true);

    auto* titulo = new QLabel(textos::NombrePrograma, this);
    titulo->setObjectName("lblTitle");
    QFont grande = titulo->font();
    constexpr double AumentoTitulo = 2.0; // el título, al doble del tamaño del texto
    grande.setPointSizeF(grande.pointSizeF() * AumentoTitulo);
    grande.setBold(true);
    titulo->setFont(grande);

    auto* version = new QLabel(textos::VersionDeDiseno, this);
    version->setObjectName("lblVersion");
    version->setText(LineaDeVersion());

    auto* autoria = new QLabel(textos::AutoriaDelSoftware, this);
    autoria->setObjectName("Label1");
    auto* autor = new QLabel(textos::AutorDelPrograma, this);
    autor->setObjectName("Label2");
    QFont negrita = autor->font();
    negrita.setBold(true);
    autor->setFont(negrita);

    auto* linea = new QFrame(this);
    linea->setObjectName("Line1");
    linea->setFrameShape(QFrame::HLine);
    linea->setFrameShadow(QFrame::Sunken);

    auto* aviso = new QLabel(textos::AvisoDeProteccion, this);
    aviso->setObjectName("lblDisclaimer");
    aviso->setWordWrap(true);
    // Un texto que se parte en líneas no le dice a la caja su alto: se le da el ancho y, con
    // él, el alto de todas sus líneas, para que nunca quede cortado.
    constexpr int AnchoAvisoEnCaracteres = 64;
    const int anchoAviso = aviso->fontMetrics().averageCharWidth() * AnchoAvisoEnCaracteres;
    aviso->setFixedWidth(anchoAviso);
    aviso->setMinimumHeight(aviso->heightForWidth(anchoAviso));

    auto* aceptar = new QPushButton(textos::AcercaDeAceptar, this);
    aceptar->setObjectName("cmdOK");
    aceptar->setDefault(true);
    connect(aceptar, &QPushButton::clicked, this, &QDialog::accept);

    auto* filaAutor = new QHBoxLayout;
    filaAutor->addWidget(autoria);
    filaAutor->addWidget(autor);
    filaAutor->addStretch();
    auto* filaBoton = FilaDeBotones({aceptar});
    auto* disposicion = new QVBoxLayout(this);
    disposicion->addWidget(titulo);
    disposicion->addWidget(version);
    disposicion->addLayout(filaAutor);
    disposicion->addWidget(linea);
    disposicion->addWidget(aviso);
    disposicion->addLayout(filaBoton);
    // La caja tiene exactamente el tamaño de su contenido.
    disposicion->setSizeConstraint(QLayout::SetFixedSize);
}

} // namespace vertana
