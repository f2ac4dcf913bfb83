#include "ui/form6.h"

#include "io/codigos.h"
#include "model/interaccion.h"
#include "model/numeros.h"
#include "model/textos.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace vertana {
namespace {

constexpr char FormatoPunto[] = "#0";
enum ColumnaUnion { ColumnaInicial = 0, ColumnaFinal = 1, ColumnaTipo = 2 };

QStringList TextosFila(const UnionFalla& u)
{
    return {QString::fromStdString(Formato(u.PuntoInicial, FormatoPunto)),
            QString::fromStdString(Formato(u.PuntoFinal, FormatoPunto)),
            QString::fromUtf8(LetraDeTipoUnion(u.Tipo))};
}

} // namespace

ResultadoUnion ComprobarUnion(const std::vector<UnionFalla>& lista, int filaReemplazada,
                              const std::string& puntoI, const std::string& puntoF,
                              const std::string& tipoEscrito, Entero16 puntosFalla,
                              Interaccion& interaccion)
{
    ResultadoUnion r;
    auto rechazo = [&r](const char* texto) {
        r.fallo = Fallo{texto, {}};
        return r;
    };

    // 1. Números de punto.
    const std::optional<double> inicial = NumeroDe(puntoI);
    const std::optional<double> final_ = NumeroDe(puntoF);
    if (!inicial || !final_) return rechazo(textos::PuntosNoNumericos);

    // 2. Tipo de unión.
    const std::optional<TipoUnion> leido = TipoUnionDeLetra(Mayusculas(tipoEscrito));
    if (!leido) return rechazo(textos::TipoDeUnionInvalido);
    const TipoUnion tipo = *leido;
    if (tipo == TipoUnion::Circular) interaccion.Mensaje(textos::ConsejoCirculos);

    // 3. Dentro de la superficie y en orden.
    if (!(*inicial < puntosFalla)) return rechazo(textos::PuntoInicialDemasiadoGrande);
    if (!(*final_ <= puntosFalla)) return rechazo(textos::PuntoFinalDemasiadoGrande);
    if (!(*final_ > *inicial)) return rechazo(textos::PuntoFinalNoMayor);

    // 4. Números enteros.
    if (!EsEntero(*inicial)) return rechazo(textos::PuntoInicialNoEntero);
    if (!EsEntero(*final_)) return rechazo(textos::PuntoFinalNoEntero);

    // 5. Rectas y arcos unen puntos consecutivos; un polinomio, más de dos puntos.
    const double tramo = *final_ - *inicial;
    if (tramo == 1 && tipo == TipoUnion::Polinomica)
        return rechazo(textos::PolinomioEntreConsecutivos);
    if (tramo >= 2 && tipo == TipoUnion::Circular) return rechazo(textos::CirculoNoConsecutivo);
    if (tramo >= 2 && tipo == TipoUnion::Recta) return rechazo(textos::RectaNoConsecutiva);

    r.nueva = UnionFalla{*inicial, *final_, tipo};
    // 6. La cadena empieza en el punto 1.
    if (lista.empty()) {
        if (*inicial != 1) return rechazo(textos::PrimerPuntoNoEsUno);
        r.posicion = 0;
        return r;
    }

    // 7. Continuidad: la unión nace donde termina otra (o en el punto 1, y entonces va primero).
    int posicion = 0;
    if (*inicial != 1) {
        int anterior = -1;
        for (int k = 0; k < static_cast<int>(lista.size()); ++k)
            if (lista[static_cast<std::size_t>(k)].PuntoFinal == *inicial) {
                anterior = k;
                break;
            }
        if (anterior < 0) return rechazo(textos::SinCoincidenciaConPuntoFinal);
        posicion = anterior + 1;
    }
    if (filaReemplazada > 0 &&
        lista[static_cast<std::size_t>(filaReemplazada - 1)].PuntoFinal != *inicial)
        return rechazo(textos::PuntoInicialDistintoDelAnterior);
    for (const UnionFalla& u : lista)
        if (u.PuntoInicial == *inicial) return rechazo(textos::UnionYaComienzaEnElPunto);

    // 8. Lugar en orden de cadena.
    r.posicion = posicion;
    return r;
}

std::optional<Fallo> ComprobarCadena(const std::vector<UnionFalla>& lista, double ultimoPuntoFinal,
                                     Entero16 puntosFalla)
{
    const Fallo fallo{textos::PuntoFinalDistintoDelTotal, {}};
    if (ultimoPuntoFinal != puntosFalla || lista.empty()) return fallo;
    if (lista.front().PuntoInicial != 1 || lista.back().PuntoFinal != puntosFalla) return fallo;
    for (std::size_t k = 1; k < lista.size(); ++k)
        if (lista[k].PuntoInicial != lista[k - 1].PuntoFinal) return fallo;
    return std::nullopt;
}

Form6::Form6(Proyecto& proyecto, Interaccion& interaccion, QWidget* padre)
    : DialogoActivable(padre), proyecto_(proyecto), interaccion_(interaccion)
{
    setObjectName("Form6");
    setWindowTitle(textos::TituloForm6);
    setModal(true);

    puntoI_ = CrearCuadro(this, "TextoPuntoI", "1, 2, 3 ... n");
    puntoF_ = CrearCuadro(this, "TextoPuntoF", "1, 2, 3 ... n");
    tipo_ = CrearCuadro(this, "TextoTipoG", textos::AyudaTipoG);
    for (QLineEdit* cuadro : {puntoI_, puntoF_, tipo_})
        cuadro->setMaximumWidth(70);

    auto* agregar = CrearBoton(this, "Agregar", textos::BotonAgregarDialogo);
    auto* modificar = CrearBoton(this, "Modificar", textos::BotonModificarDialogo);
    auto* borrar = CrearBoton(this, "Borrar", textos::BotonBorrarDialogo);
    auto* aceptar = CrearBoton(this, "Aceptar", textos::BotonAceptarDialogo);
    auto* salir = CrearBoton(this, "Cancelar", textos::BotonSalirDialogo);
    agregar->setDefault(true); // Enter agrega la unión escrita

    lista_ = CrearLista(this, "GeometríaDeFalla", {"Pto I", "Pto F", "Tipo"});
    lista_->setMinimumHeight(180);
    puntos_ = new QListWidget(this);
    puntos_->setObjectName("PtoDeCoordenada");
    puntos_->setMaximumWidth(90);
    puntos_->setFocusPolicy(Qt::NoFocus);
    total_ = new QLabel(this);
    total_->setObjectName("TextoTotalCoordenadasDeFalla");

    auto* cuadros = new QGridLayout;
    cuadros->addWidget(CrearEtiqueta(this, textos::EtiquetaPuntoI, puntoI_), 0, 0);
    cuadros->addWidget(CrearEtiqueta(this, textos::EtiquetaPuntoF, puntoF_), 0, 1);
    cuadros->addWidget(CrearEtiqueta(this, textos::EtiquetaTipoG, tipo_), 0, 2);
    cuadros->addWidget(puntoI_, 1, 0);
    cuadros->addWidget(puntoF_, 1, 1);
    cuadros->addWidget(tipo_, 1, 2);

    auto* botonesLista = new QHBoxLayout;
    botonesLista->addWidget(agregar);
    botonesLista->addWidget(modificar);
    botonesLista->addWidget(borrar);
    botonesLista->addStretch(1);

    auto* izquierda = new QVBoxLayout;
    izquierda->addLayout(cuadros);
    izquierda->addLayout(botonesLista);
    izquierda->addWidget(lista_, 1);

    auto* totalFila = new QHBoxLayout;
    auto* etiquetaTotal = CrearEtiqueta(this, textos::EtiquetaTotalCoordenadasDeFalla);
    etiquetaTotal->setWordWrap(true);
    totalFila->addWidget(etiquetaTotal, 1);
    totalFila->addWidget(total_);
    auto* derecha = new QVBoxLayout;
    derecha->addLayout(totalFila);
    derecha->addWidget(puntos_, 1, Qt::AlignHCenter);

    auto* columnas = new QHBoxLayout;
    columnas->addLayout(izquierda, 3);
    columnas->addSpacing(12);
    columnas->addLayout(derecha, 1);

    auto* nota = CrearEtiqueta(this, textos::NotaSuperficieCircular);
    nota->setWordWrap(true);

    auto* botones = FilaDeBotones({aceptar, salir});

    auto* todo = new QVBoxLayout(this);
    todo->addLayout(columnas, 1);
    todo->addWidget(nota);
    todo->addLayout(botones);
    resize(560, 420);

    const QList<QWidget*> tabulacion = {puntoI_, puntoF_, tipo_,   agregar, modificar,
                                        borrar,  lista_,  aceptar, salir};
    OrdenDeTabulacion(tabulacion);

    connect(agregar, &QPushButton::clicked, this, &Form6::AgregarClic);
    connect(modificar, &QPushButton::clicked, this, &Form6::ModificarClic);
    connect(borrar, &QPushButton::clicked, this, &Form6::BorrarClic);
    connect(aceptar, &QPushButton::clicked, this, &Form6::AceptarClic);
    connect(salir, &QPushButton::clicked, this, &Form6::reject);
    connect(lista_, &QTreeWidget::itemClicked, this, &Form6::FilaClic);
    connect(lista_, &QTreeWidget::itemActivated, this, &Form6::FilaClic);
}

void Form6::Activar()
{
    lista_->clear();
    uniones_.clear();
    filaPulsada_ = false;
    filaTipoFalla_ = -1;
    ultimoPuntoFinal_ = 0.0;
    const Proyecto& p = proyecto_;
    if (p.TiposDeFallaDefinidos) {
        for (int d = 1; d <= p.NumeroTiposDeFalla && d <= p.PuntoInicialTipoFalla.Tamano() &&
                        d <= p.PuntoFinalTipoFalla.Tamano() && d <= p.TipoDeFalla.Tamano();
             ++d)
            Insertar(
                UnionFalla{p.PuntoInicialTipoFalla(d), p.PuntoFinalTipoFalla(d), p.TipoDeFalla(d)},
                static_cast<int>(uniones_.size()));
        ultimoPuntoFinal_ = p.NumeroCoordenadasFalla();
    }
    total_->setText(QString::number(p.NumeroCoordenadasFalla()));
    puntos_->clear();
    for (int k = 1; k <= p.NumeroCoordenadasFalla(); ++k)
        puntos_->addItem(QString::number(k));
    puntoI_->clear();
    puntoF_->clear();
    tipo_->clear();
}

void Form6::Insertar(const UnionFalla& unionNueva, int posicion)
{
    uniones_.insert(uniones_.begin() + posicion, unionNueva);
    InsertarFila(lista_, posicion, TextosFila(unionNueva));
}

void Form6::QuitarFila(int fila)
{
    uniones_.erase(uniones_.begin() + fila);
    delete lista_->takeTopLevelItem(fila);
}

void Form6::ActualizarUltimoPuntoFinal()
{
    ultimoPuntoFinal_ = uniones_.empty() ? 0.0 : uniones_.back().PuntoFinal;
    // Las filas cambiaron de lugar: la fila pulsada ya no es la misma.
    filaPulsada_ = false;
    filaTipoFalla_ = -1;
}

void Form6::AgregarClic()
{
    const ResultadoUnion r =
        ComprobarUnion(uniones_, -1, TextoDe(puntoI_), TextoDe(puntoF_), TextoDe(tipo_),
                       proyecto_.NumeroCoordenadasFalla(), interaccion_);
    if (r.fallo) {
        MostrarFallo(interaccion_, *r.fallo);
        return;
    }
    Insertar(r.nueva, r.posicion);
    ActualizarUltimoPuntoFinal();
}

void Form6::FilaClic(QTreeWidgetItem* elemento)
{
    const int fila = FilaDe(lista_, elemento);
    if (fila < 0) return;
    const UnionFalla& u = uniones_[static_cast<std::size_t>(fila)];
    PonerTexto(puntoI_, Formato(u.PuntoInicial, FormatoPunto));
    PonerTexto(puntoF_, Formato(u.PuntoFinal, FormatoPunto));
    PonerTexto(tipo_, LetraDeTipoUnion(u.Tipo));
    filaTipoFalla_ = fila;
    filaPulsada_ = true;
}

void Form6::ModificarClic()
{
    if (!filaPulsada_ || filaTipoFalla_ < 0 || filaTipoFalla_ >= static_cast<int>(uniones_.size()))
        return;
    // La unión se comprueba sin la fila que reemplaza; si no pasa, la fila se conserva.
    std::vector<UnionFalla> sinFila = uniones_;
    sinFila.erase(sinFila.begin() + filaTipoFalla_);
    const ResultadoUnion r =
        ComprobarUnion(sinFila, filaTipoFalla_, TextoDe(puntoI_), TextoDe(puntoF_), TextoDe(tipo_),
                       proyecto_.NumeroCoordenadasFalla(), interaccion_);
    if (r.fallo) {
        MostrarFallo(interaccion_, *r.fallo);
        return;
    }
    QuitarFila(filaTipoFalla_);
    Insertar(r.nueva, r.posicion);
    ActualizarUltimoPuntoFinal();
}

void Form6::BorrarClic()
{
    const int fila = FilaSeleccionada(lista_);
    if (fila < 0) return;
    QuitarFila(fila);
    ActualizarUltimoPuntoFinal();
}

void Form6::AceptarClic()
{
    if (const std::optional<Fallo> fallo =
            ComprobarCadena(uniones_, ultimoPuntoFinal_, proyecto_.NumeroCoordenadasFalla())) {
        MostrarFallo(interaccion_, *fallo);
        return;
    }
    Proyecto& p = proyecto_;
    const int n = static_cast<int>(uniones_.size());
    p.NumeroTiposDeFalla = static_cast<Entero16>(n);
    p.PuntoInicialTipoFalla.Redimensionar(n);
    p.PuntoFinalTipoFalla.Redimensionar(n);
    p.TipoDeFalla.Redimensionar(n);
    for (int d = 1; d <= n; ++d) {
        const UnionFalla& u = uniones_[static_cast<std::size_t>(d - 1)];
        p.PuntoInicialTipoFalla(d) = u.PuntoInicial;
        p.PuntoFinalTipoFalla(d) = u.PuntoFinal;
        p.TipoDeFalla(d) = u.Tipo;
    }
    p.TiposDeFallaDefinidos = true;
    p.DatosGuardados = false;
    uniones_.clear();
    ultimoPuntoFinal_ = 0.0;
    filaPulsada_ = false;
    accept();
}

void Form6::reject()
{
    if (ultimoPuntoFinal_ > 0 && interaccion_.Pregunta(textos::PreguntaArchivarUniones)) return;
    QDialog::reject();
}

} // namespace vertana
