#include "ui/form16.h"

#include "io/items.h"
#include "model/interaccion.h"
#include "model/numeros.h"
#include "model/textos.h"
#include "rock/ajuste_laboratorio.h"
#include "ui/form10.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace vertana {
namespace {

constexpr char FormatoEsfuerzo[] = "#0.00";
constexpr int MinimoParesPorEstrato = 2; // una recta necesita dos puntos

QStringList TextosDelPar(const ParLaboratorio& par)
{
    return {QString::fromStdString(Formato(par.first, FormatoEsfuerzo)),
            QString::fromStdString(Formato(par.second, FormatoEsfuerzo))};
}

} // namespace

ResultadoPar ComprobarPar(const std::string& sigma1, const std::string& sigma3)
{
    ResultadoPar r;
    const std::optional<double> s1 = NumeroDe(sigma1);
    if (!s1) {
        r.fallo = Fallo{textos::Sigma1NoNumerico, {}};
        return r;
    }
    const std::optional<double> s3 = NumeroDe(sigma3);
    if (!s3) {
        r.fallo = Fallo{textos::Sigma3NoNumerico, {}};
        return r;
    }
    r.par = {*s1, *s3};
    return r;
}

int PosicionDelPar(const std::vector<ParLaboratorio>& pares, double sigma1)
{
    const auto donde =
        std::find_if(pares.begin(), pares.end(),
                     [sigma1](const ParLaboratorio& par) { return par.first <= sigma1; });
    return static_cast<int>(donde - pares.begin());
}

std::vector<ParLaboratorio> ParesDelEstrato(const Proyecto& p, int i)
{
    std::vector<ParLaboratorio> pares;
    if (i > p.NumeroPuntosLab.Tamano() || i > p.Sigma1Lab.Filas() || i > p.Sigma3Lab.Filas())
        return pares;
    const int n = std::min<int>(
        {static_cast<int>(p.NumeroPuntosLab(i)), p.Sigma1Lab.Columnas(), p.Sigma3Lab.Columnas()});
    for (int k = 1; k <= n; ++k)
        pares.emplace_back(p.Sigma1Lab(i, k), p.Sigma3Lab(i, k));
    return pares;
}

void EscribirParesDelEstrato(Proyecto& p, int i, const std::vector<ParLaboratorio>& pares)
{
    const int n = p.NumeroDeEstratos();
    p.NumeroPuntosLab.RedimensionarConservando(n);
    p.NumeroPuntosLab(i) = static_cast<Entero16>(pares.size());
    // La mayor cantidad de pares (MaximoPuntosLaboratorio sólo cuenta datos ya aceptados).
    int columnas = 0;
    for (int k = 1; k <= n; ++k)
        columnas = std::max<int>(columnas, p.NumeroPuntosLab(k));
    p.Sigma1Lab.RedimensionarConservando(n, columnas);
    p.Sigma3Lab.RedimensionarConservando(n, columnas);
    for (int k = 1; k <= columnas; ++k) {
        const bool hay = k <= static_cast<int>(pares.size());
        p.Sigma1Lab(i, k) = hay ? pares[static_cast<std::size_t>(k - 1)].first : 0.0;
        p.Sigma3Lab(i, k) = hay ? pares[static_cast<std::size_t>(k - 1)].second : 0.0;
    }
}

std::optional<Fallo> AjustarEstratosDeLaboratorio(Proyecto& p, Interaccion& interaccion)
{
    const int n = p.NumeroDeEstratos();
    for (int i = 1; i <= n; ++i)
        if (static_cast<int>(ParesDelEstrato(p, i).size()) < MinimoParesPorEstrato)
            return Fallo{textos::PuntosLaboratorioInsuficientes(i), {}};

    std::vector<AjusteLaboratorio> ajustes;
    for (int i = 1; i <= n; ++i) {
        const bool intacta = interaccion.Pregunta(textos::PreguntaRocaIntacta(i));
        const AjusteLaboratorio a = AjustarEstratoDeLaboratorio(p, i, intacta);
        if (a.Estado != EstadoAjusteLaboratorio::Ajustado)
            return Fallo{TextoDelAjuste(a.Estado, i), {}};
        if (!(a.M > 0.0)) return Fallo{textos::AjusteMNoPositivo(i), {}};
        ajustes.push_back(a);
    }

    p.ParametroM.RedimensionarConservando(n);
    p.ParametroS.RedimensionarConservando(n);
    for (int i = 1; i <= n; ++i) {
        p.ParametroM(i) = ajustes[static_cast<std::size_t>(i - 1)].M;
        p.ParametroS(i) = ajustes[static_cast<std::size_t>(i - 1)].S;
    }
    p.EstratosCaracterizados = static_cast<Entero16>(n);
    p.EstratosConCaracteristicas = true;
    p.HayDatosLaboratorio = true;
    p.MsDeLaboratorio = true;
    p.DatosGuardados = false;
    return std::nullopt;
}

// ---------------------------------------------------------------------------------------------

Form16::Form16(Proyecto& proyecto, Interaccion& interaccion, int posicionNuevoEstrato,
               QWidget* padre)
    : DialogoActivable(padre), proyecto_(proyecto), interaccion_(interaccion),
      posicionNuevoEstrato_(posicionNuevoEstrato)
{
    setObjectName("Form16");
    setWindowTitle(textos::TituloForm16);
    setModal(true);

    listaDeEstratos_ = new QComboBox(this);
    listaDeEstratos_->setObjectName("ListaDeEstratos");
    auto* etiquetaEstrato = CrearEtiqueta(this, textos::EtiquetaListaDeEstratos, listaDeEstratos_);
    auto* filaEstrato = new QHBoxLayout;
    filaEstrato->addWidget(etiquetaEstrato);
    filaEstrato->addWidget(listaDeEstratos_);
    filaEstrato->addStretch(1);

    auto* marco = new QGroupBox(textos::MarcoLaboratorio, this);
    marco->setObjectName("MarcoLaboratorio");
    lista_ = CrearLista(marco, "EsfuerzosPrincipalesLab", {"Sigma1", "Sigma3"});
    lista_->setMinimumHeight(180);
    sigma1_ = CrearCuadro(marco, "TextoSigma1", textos::UsePuntoDecimal);
    sigma3_ = CrearCuadro(marco, "TextoSigma3", textos::UsePuntoDecimal);
    auto* rejilla = new QGridLayout;
    rejilla->addWidget(CrearEtiqueta(marco, textos::EtiquetaSigma1, sigma1_), 0, 0);
    rejilla->addWidget(sigma1_, 0, 1);
    rejilla->addWidget(CrearEtiqueta(marco, textos::EtiquetaSigma3, sigma3_), 1, 0);
    rejilla->addWidget(sigma3_, 1, 1);
    rejilla->addWidget(CrearEtiqueta(marco, textos::UnidadLaboratorio), 0, 2, 2, 1);
    auto* agregar = CrearBoton(marco, "BotónAgregar", textos::BotonAgregarDialogo);
    agregar->setDefault(true); // Enter agrega el par
    auto* modificar = CrearBoton(marco, "BotónModificar", textos::BotonModificarDialogo);
    auto* borrar = CrearBoton(marco, "BotónBorrar", textos::BotonBorrarDialogo);
    auto* botonesLista = new QVBoxLayout;
    botonesLista->addWidget(agregar);
    botonesLista->addWidget(modificar);
    botonesLista->addWidget(borrar);
    botonesLista->addStretch(1);
    auto* cuadros = new QVBoxLayout;
    cuadros->addLayout(rejilla);
    cuadros->addLayout(botonesLista);
    auto* dentro = new QHBoxLayout(marco);
    dentro->addWidget(lista_, 1);
    dentro->addLayout(cuadros);

    auto* aceptar = CrearBoton(this, "BotónAceptar", textos::BotonAceptarDialogo);
    auto* cancelar = CrearBoton(this, "BotónCancelar", textos::BotonCancelarDialogo);

    auto* todo = new QVBoxLayout(this);
    todo->addLayout(filaEstrato);
    todo->addWidget(marco, 1);
    todo->addLayout(FilaDeBotones({aceptar, cancelar}));
    resize(560, 380);

    OrdenDeTabulacion({listaDeEstratos_, sigma1_, sigma3_, agregar, modificar, borrar, lista_,
                       aceptar, cancelar});

    connect(agregar, &QPushButton::clicked, this, &Form16::AgregarClic);
    connect(modificar, &QPushButton::clicked, this, &Form16::ModificarClic);
    connect(borrar, &QPushButton::clicked, this, &Form16::BorrarClic);
    connect(aceptar, &QPushButton::clicked, this, &Form16::AceptarClic);
    connect(cancelar, &QPushButton::clicked, this, &Form16::reject);
    connect(lista_, &QTreeWidget::itemClicked, this, &Form16::FilaClic);
    connect(lista_, &QTreeWidget::itemActivated, this, &Form16::FilaClic);
    connect(listaDeEstratos_, &QComboBox::currentIndexChanged, this, &Form16::EstratoElegido);
}

void Form16::Activar()
{
    Proyecto& p = proyecto_;
    const int n = p.NumeroDeEstratos();
    AjustarTablasDeRoca(p, posicionNuevoEstrato_);
    p.NumeroPuntosLab.RedimensionarConservando(n);

    suprimirCambioEstrato_ = true;
    listaDeEstratos_->clear();
    for (int i = 1; i <= n; ++i)
        listaDeEstratos_->addItem(QString::number(i));
    if (n > 0) listaDeEstratos_->setCurrentIndex(0);
    suprimirCambioEstrato_ = false;
    if (n < 1) interaccion_.Mensaje(textos::NoHayEstratos);

    // Los pares que las tablas ya tienen para el estrato 1 (también los que quedaron de un
    // cambio de estrato antes de cancelar).
    estrato_ = 1;
    pares_ = n > 0 ? ParesDelEstrato(p, estrato_) : std::vector<ParLaboratorio>{};
    MostrarPares();
    VaciarCuadros();
}

void Form16::MostrarPares()
{
    lista_->clear();
    for (std::size_t k = 0; k < pares_.size(); ++k)
        InsertarFila(lista_, static_cast<int>(k), TextosDelPar(pares_[k]));
}

void Form16::VaciarCuadros()
{
    sigma1_->clear();
    sigma3_->clear();
}

void Form16::EstratoElegido(int indice)
{
    if (suprimirCambioEstrato_ || indice < 0) return;
    EscribirParesDelEstrato(proyecto_, estrato_, pares_);
    estrato_ = indice + 1;
    pares_ = ParesDelEstrato(proyecto_, estrato_);
    MostrarPares();
    VaciarCuadros();
}

void Form16::FilaClic(QTreeWidgetItem* elemento)
{
    const int fila = FilaDe(lista_, elemento);
    if (fila < 0 || fila >= static_cast<int>(pares_.size())) return;
    const ParLaboratorio& par = pares_[static_cast<std::size_t>(fila)];
    PonerTexto(sigma1_, RealParaArchivo(par.first));
    PonerTexto(sigma3_, RealParaArchivo(par.second));
}

void Form16::Insertar(const ParLaboratorio& par)
{
    const int posicion = PosicionDelPar(pares_, par.first);
    pares_.insert(pares_.begin() + posicion, par);
    InsertarFila(lista_, posicion, TextosDelPar(par));
}

void Form16::AgregarClic()
{
    const ResultadoPar r = ComprobarPar(TextoDe(sigma1_), TextoDe(sigma3_));
    if (r.fallo) {
        MostrarFallo(interaccion_, *r.fallo);
        return;
    }
    Insertar(r.par);
}

void Form16::ModificarClic()
{
    // El par nuevo se comprueba antes de quitar el elegido, que se conserva si no pasa.
    const ResultadoPar r = ComprobarPar(TextoDe(sigma1_), TextoDe(sigma3_));
    if (r.fallo) {
        MostrarFallo(interaccion_, *r.fallo);
        return;
    }
    const int fila = FilaSeleccionada(lista_);
    if (fila < 0 || fila >= static_cast<int>(pares_.size())) return;
    pares_.erase(pares_.begin() + fila);
    delete lista_->takeTopLevelItem(fila);
    Insertar(r.par);
}

void Form16::BorrarClic()
{
    const int fila = FilaSeleccionada(lista_);
    if (fila < 0 || fila >= static_cast<int>(pares_.size())) return;
    pares_.erase(pares_.begin() + fila);
    delete lista_->takeTopLevelItem(fila);
    proyecto_.DatosGuardados = false;
}

void Form16::AceptarClic()
{
    Proyecto& p = proyecto_;
    if (p.NumeroDeEstratos() > 1 && estrato_ != 1) {
        interaccion_.Mensaje(textos::PongaAlFrenteEstrato1);
        return;
    }
    // Los pares en pantalla (los del estrato 1) pasan a las tablas, como en un cambio de estrato.
    if (p.NumeroDeEstratos() >= 1) EscribirParesDelEstrato(p, estrato_, pares_);
    if (const auto fallo = AjustarEstratosDeLaboratorio(p, interaccion_)) {
        MostrarFallo(interaccion_, *fallo);
        return;
    }
    pares_.clear();
    lista_->clear();
    accept();
}

} // namespace vertana
