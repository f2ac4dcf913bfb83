#include "ui/dialogo_cargas.h"

#include "model/interaccion.h"
#include "model/numeros.h"
#include "model/textos.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <utility>

namespace vertana {
namespace {

constexpr char FormatoCarga[] = "#0.00";
constexpr char Blanco[] = " "; // texto de partida de los cuadros
constexpr std::size_t ColumnaAbscisaInicial = 0;
constexpr std::size_t ColumnaAbscisaFinal = 2;

QStringList TextosDe(const FilaCarga& fila)
{
    QStringList textos;
    for (double v : fila)
        textos << QString::fromStdString(Formato(v, FormatoCarga));
    return textos;
}

} // namespace

ResultadoCarga ComprobarCarga(const std::vector<std::string>& cuadros,
                              const std::vector<const char*>& mensajes, bool abscisaInicialMenor)
{
    ResultadoCarga r;
    for (std::size_t k = 0; k < cuadros.size(); ++k) {
        const std::optional<double> valor = NumeroDe(cuadros[k]);
        if (!valor) {
            r.fallo = Fallo{mensajes[k], {}};
            return r;
        }
        r.valores.push_back(*valor);
    }
    if (abscisaInicialMenor && !(r.valores[ColumnaAbscisaInicial] < r.valores[ColumnaAbscisaFinal]))
        r.fallo = Fallo{textos::XoNoMenorQueXf, {}};
    return r;
}

int PosicionCarga(const std::vector<double>& abscisas, double abscisa)
{
    for (std::size_t i = 0; i < abscisas.size(); ++i)
        if (abscisas[i] <= abscisa) return static_cast<int>(i);
    return static_cast<int>(abscisas.size());
}

DialogoCargas::DialogoCargas(Proyecto& proyecto, Interaccion& interaccion, Definicion definicion,
                             QWidget* padre)
    : DialogoActivable(padre), proyecto_(proyecto), interaccion_(interaccion),
      definicion_(std::move(definicion))
{
    setObjectName(definicion_.nombre);
    setWindowTitle(definicion_.titulo);
    setModal(true);

    QStringList columnas;
    for (const char* c : definicion_.columnas)
        columnas << c;
    lista_ = CrearLista(this, definicion_.nombreLista, columnas);
    lista_->setMinimumHeight(160);

    auto* rejilla = new QGridLayout;
    const int cantidad = static_cast<int>(definicion_.nombresCuadros.size());
    for (int k = 0; k < cantidad; ++k) {
        const auto i = static_cast<std::size_t>(k);
        auto* cuadro = CrearCuadro(this, definicion_.nombresCuadros[i], textos::UsePuntoDecimal);
        cuadros_.push_back(cuadro);
        auto* etiqueta = CrearEtiqueta(this, definicion_.etiquetas[i], cuadro);
        etiqueta->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
        rejilla->addWidget(etiqueta, 0, k);
        rejilla->addWidget(cuadro, 1, k);
    }

    auto* agregar = CrearBoton(this, "Agregar", textos::BotonAgregarDialogo);
    auto* modificar = CrearBoton(this, "Modificar", textos::BotonModificarDialogo);
    auto* borrar = CrearBoton(this, "Borrar", textos::BotonBorrarDialogo);
    auto* leer = CrearBoton(this, definicion_.nombreBotonLeer, textos::BotonFavorLeerDialogo);
    auto* aceptar = CrearBoton(this, "Aceptar", textos::BotonAceptarDialogo);
    auto* salir = CrearBoton(this, "Cancelar", textos::BotonSalirDialogo);
    agregar->setDefault(true); // Enter agrega la carga escrita
    auto* botonesLista = new QHBoxLayout;
    botonesLista->addWidget(agregar);
    botonesLista->addWidget(modificar);
    botonesLista->addWidget(borrar);
    botonesLista->addStretch(1);

    QString textoNotas;
    for (const char* nota : definicion_.notas) {
        if (!textoNotas.isEmpty()) textoNotas += '\n';
        textoNotas += QString::fromUtf8(nota);
    }
    auto* notas = CrearEtiqueta(this, textoNotas);
    notas->setObjectName("Notas");
    notas->setWordWrap(true);

    auto* botones = new QHBoxLayout;
    botones->addWidget(leer);
    botones->addStretch(1);
    botones->addWidget(aceptar);
    botones->addWidget(salir);

    auto* todo = new QVBoxLayout(this);
    todo->addWidget(lista_, 1);
    todo->addLayout(rejilla);
    todo->addLayout(botonesLista);
    todo->addWidget(notas);
    todo->addLayout(botones);
    resize(620, 460);

    QList<QWidget*> tabulacion;
    for (QLineEdit* cuadro : cuadros_)
        tabulacion.append(cuadro);
    tabulacion << agregar << modificar << borrar << lista_ << leer << aceptar << salir;
    OrdenDeTabulacion(tabulacion);

    connect(agregar, &QPushButton::clicked, this, &DialogoCargas::AgregarClic);
    connect(modificar, &QPushButton::clicked, this, &DialogoCargas::ModificarClic);
    connect(borrar, &QPushButton::clicked, this, &DialogoCargas::BorrarClic);
    connect(leer, &QPushButton::clicked, this, &DialogoCargas::LeerClic);
    connect(aceptar, &QPushButton::clicked, this, &DialogoCargas::AceptarClic);
    connect(salir, &QPushButton::clicked, this, &DialogoCargas::reject);
    connect(lista_, &QTreeWidget::itemClicked, this, &DialogoCargas::FilaClic);
    connect(lista_, &QTreeWidget::itemActivated, this, &DialogoCargas::FilaClic);
}

void DialogoCargas::Activar()
{
    lista_->clear();
    cambiado_ = false;
    filaPulsada_ = -1;
    if (*Cargas().introducidas)
        for (const FilaCarga& fila : FilasDelProyecto())
            InsertarFila(lista_, lista_->topLevelItemCount(), TextosDe(fila));
    for (QLineEdit* cuadro : cuadros_)
        cuadro->setText(Blanco);
}

std::vector<std::string> DialogoCargas::Cuadros() const
{
    std::vector<std::string> textos;
    for (const QLineEdit* cuadro : cuadros_)
        textos.push_back(TextoDe(cuadro));
    return textos;
}

std::vector<double> DialogoCargas::AbscisasDeLaLista() const
{
    std::vector<double> abscisas;
    for (int fila = 0; fila < lista_->topLevelItemCount(); ++fila)
        abscisas.push_back(Val(Celda(lista_, fila, 0)));
    return abscisas;
}

void DialogoCargas::Insertar(const FilaCarga& fila)
{
    const int posicion = PosicionCarga(AbscisasDeLaLista(), fila.front());
    InsertarFila(lista_, posicion, TextosDe(fila));
    cambiado_ = true;
    filaPulsada_ = -1; // las filas cambiaron de lugar
}

void DialogoCargas::AgregarClic()
{
    const ResultadoCarga r =
        ComprobarCarga(Cuadros(), definicion_.mensajesNoNumericos, definicion_.abscisaInicialMenor);
    if (r.fallo) {
        MostrarFallo(interaccion_, *r.fallo);
        return;
    }
    Insertar(r.valores);
}

void DialogoCargas::FilaClic(QTreeWidgetItem* elemento)
{
    const int fila = FilaDe(lista_, elemento);
    if (fila < 0) return;
    for (std::size_t k = 0; k < cuadros_.size(); ++k)
        PonerTexto(cuadros_[k], Celda(lista_, fila, static_cast<int>(k)));
    filaPulsada_ = fila;
}

void DialogoCargas::ModificarClic()
{
    if (filaPulsada_ < 0 || filaPulsada_ >= lista_->topLevelItemCount()) return;
    // La carga se comprueba antes de quitar la fila, que se conserva si no pasa.
    const ResultadoCarga r =
        ComprobarCarga(Cuadros(), definicion_.mensajesNoNumericos, definicion_.abscisaInicialMenor);
    if (r.fallo) {
        MostrarFallo(interaccion_, *r.fallo);
        return;
    }
    delete lista_->takeTopLevelItem(filaPulsada_);
    Insertar(r.valores);
}

void DialogoCargas::BorrarClic()
{
    const int fila = FilaSeleccionada(lista_);
    if (fila < 0) return;
    delete lista_->takeTopLevelItem(fila);
    cambiado_ = true;
    filaPulsada_ = -1;
}

void DialogoCargas::AceptarClic()
{
    if (!cambiado_) return;
    // Los valores se leen de las celdas, con el redondeo con que se muestran.
    std::vector<FilaCarga> filas;
    for (int fila = 0; fila < lista_->topLevelItemCount(); ++fila) {
        FilaCarga valores;
        for (int k = 0; k < lista_->columnCount(); ++k)
            valores.push_back(Val(Celda(lista_, fila, k)));
        filas.push_back(std::move(valores));
    }
    GuardarFilas(filas);
    proyecto_.DatosGuardados = false;
    cambiado_ = false;
    accept();
}

void DialogoCargas::LeerClic()
{
    for (const char* aviso : definicion_.avisosLeer)
        interaccion_.Mensaje(aviso);
}

void DialogoCargas::reject()
{
    if (cambiado_ && interaccion_.Pregunta(textos::PreguntaArchivarCargas)) return;
    QDialog::reject();
}

std::vector<FilaCarga> DialogoCargas::FilasDelProyecto() const
{
    const CargasDelProyecto cargas = Cargas();
    std::vector<FilaCarga> filas;
    const int cantidad = cargas.tablas.empty() ? 0 : cargas.tablas.front()->Tamano();
    for (int i = 1; i <= cantidad; ++i) {
        FilaCarga fila;
        for (Tabla<double>* t : cargas.tablas)
            if (i <= t->Tamano()) fila.push_back((*t)(i));
        if (fila.size() == cargas.tablas.size()) filas.push_back(fila);
    }
    return filas;
}

void DialogoCargas::GuardarFilas(const std::vector<FilaCarga>& filas)
{
    const CargasDelProyecto cargas = Cargas();
    const int n = static_cast<int>(filas.size());
    for (Tabla<double>* t : cargas.tablas)
        t->Redimensionar(n);
    for (int i = 1; i <= n; ++i)
        for (std::size_t k = 0; k < cargas.tablas.size(); ++k)
            (*cargas.tablas[k])(i) = filas[static_cast<std::size_t>(i - 1)][k];
    *cargas.introducidas = true;
}

} // namespace vertana
