#include "ui/dialogo_busqueda.h"

#include "model/interaccion.h"
#include "model/textos.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <iterator>
#include <limits>

namespace vertana {

namespace {

constexpr int IntervaloRevision = 50; // ms entre dos lecturas del avance de la búsqueda
constexpr int MargenColocacion = 24;  // píxeles desde la esquina de la ventana principal
constexpr int EscalaBarra = 1000;     // pasos de la barra de avance
constexpr int VerticesMinimos = 3;
constexpr int VerticesMaximos = 100;
constexpr int MejoresMaximos = 100;
constexpr int AnchoCuadroEnCaracteres = 11; // un número con sus decimales

constexpr MetodoBusqueda MetodosDeLaLista[] = {MetodoBusqueda::Fellenius, MetodoBusqueda::Bishop,
                                               MetodoBusqueda::Janbu, MetodoBusqueda::Spencer,
                                               MetodoBusqueda::MorgensternPrice};
constexpr int NumeroDeMetodos = static_cast<int>(std::size(MetodosDeLaLista));

// Un número como se escribe en un cuadro: hasta 10 cifras significativas, sin ceros de más.
std::string TextoNumero(double valor)
{
    char texto[32];
    std::snprintf(texto, sizeof texto, "%.10g", valor);
    return texto;
}

bool AdmiteNoCircular(MetodoBusqueda m)
{
    return m == MetodoBusqueda::Janbu || m == MetodoBusqueda::Spencer ||
           m == MetodoBusqueda::MorgensternPrice;
}

// Lee los cuadros con el primer fallo: cada lectura que falla deja el valor como estaba.
class LectorCuadros {
public:
    explicit LectorCuadros(bool comprobar) : comprobar_(comprobar) {}

    void Numero(const std::string& texto, const char* campo, double& v)
    {
        if (const auto n = NumeroDe(texto))
            v = *n;
        else
            Falla(textos::DebeIntroducirNumeroEn(campo));
    }
    void NumeroOpcional(const std::string& texto, const char* campo, std::optional<double>& v)
    {
        if (texto.find_first_not_of(" \t") == std::string::npos) {
            v.reset();
            return;
        }
        double n = 0.0;
        const std::optional<std::string> antes = fallo_;
        Numero(texto, campo, n);
        if (fallo_ == antes) v = n;
    }
    void EnteroPositivo(const std::string& texto, const char* campo, int& v)
    {
        const auto n = NumeroDe(texto);
        if (n && EsEntero(*n) && *n >= 1.0 && *n <= std::numeric_limits<int>::max())
            v = static_cast<int>(*n);
        else
            Falla(textos::DebeIntroducirEnteroEn(campo));
    }
    void Entero(const std::string& texto, const char* campo, int& v)
    {
        const auto n = NumeroDe(texto);
        if (n && EsEntero(*n) && std::fabs(*n) <= std::numeric_limits<int>::max())
            v = static_cast<int>(*n);
        else
            Falla(textos::DebeIntroducirNumeroEn(campo));
    }
    void Falla(std::string texto)
    {
        if (comprobar_ && !fallo_) fallo_ = std::move(texto);
    }
    const std::optional<std::string>& Primero() const { return fallo_; }

private:
    bool comprobar_;
    std::optional<std::string> fallo_;
};

} // namespace

EntradaBusqueda EntradaDeAjustes(const AjustesBusqueda& a)
{
    const OpcionesBusqueda& o = a.Opciones;
    EntradaBusqueda e;
    e.Metodo = static_cast<int>(o.Metodo);
    e.Refinar = o.Refinar;
    e.NoCircular = o.NoCircular;
    e.Vertices = std::to_string(o.VerticesNoCircular);
    e.UsarRejilla = a.UsarRejilla;
    e.XMin = TextoNumero(a.Rejilla.XMin);
    e.XMax = TextoNumero(a.Rejilla.XMax);
    e.NX = std::to_string(a.Rejilla.NX);
    e.YMin = TextoNumero(a.Rejilla.YMin);
    e.YMax = TextoNumero(a.Rejilla.YMax);
    e.NY = std::to_string(a.Rejilla.NY);
    e.Radios = std::to_string(o.Radios);
    e.PorPunto = o.DefinicionRadios == RadiosDeRejilla::PorPunto;
    e.TangenteYMin = o.TangenteYMin ? TextoNumero(*o.TangenteYMin) : "";
    e.TangenteYMax = o.TangenteYMax ? TextoNumero(*o.TangenteYMax) : "";
    e.PuntoX = TextoNumero(o.PuntoDePaso.x);
    e.PuntoY = TextoNumero(o.PuntoDePaso.y);
    e.UsarEntradaSalida = a.UsarEntradaSalida;
    e.EntradaX1 = TextoNumero(a.EntradaSalida.EntradaX1);
    e.EntradaX2 = TextoNumero(a.EntradaSalida.EntradaX2);
    e.SalidaX1 = TextoNumero(a.EntradaSalida.SalidaX1);
    e.SalidaX2 = TextoNumero(a.EntradaSalida.SalidaX2);
    e.PuntosTramo = std::to_string(a.EntradaSalida.PuntosEntrada);
    e.ProfundidadMinima = TextoNumero(o.ProfundidadMinima);
    e.AreaMinima = TextoNumero(o.AreaMinima);
    e.Mejores = std::to_string(o.Mejores);
    return e;
}

LecturaBusqueda LeerEntradaBusqueda(const EntradaBusqueda& e, const AjustesBusqueda& base)
{
    LecturaBusqueda r;
    r.ajustes = base;
    AjustesBusqueda& a = r.ajustes;
    OpcionesBusqueda& o = a.Opciones;
    const std::string titulo = textos::TituloBusqueda;
    auto fallo = [&](const std::string& texto) {
        r.fallo = Fallo{texto, titulo};
        return r;
    };

    o.Metodo = MetodosDeLaLista[std::clamp(e.Metodo, 0, NumeroDeMetodos - 1)];
    o.Refinar = e.Refinar;
    a.UsarRejilla = e.UsarRejilla;
    a.UsarEntradaSalida = e.UsarEntradaSalida;
    o.DefinicionRadios = e.PorPunto ? RadiosDeRejilla::PorPunto : RadiosDeRejilla::Tangentes;
    if (!a.UsarRejilla && !a.UsarEntradaSalida) return fallo(textos::BusquedaSinDefinicion);

    // La rejilla y sus radios.
    {
        LectorCuadros l(a.UsarRejilla);
        RejillaCentros& g = a.Rejilla;
        l.Numero(e.XMin, textos::CampoRejillaXMin, g.XMin);
        l.Numero(e.XMax, textos::CampoRejillaXMax, g.XMax);
        l.EnteroPositivo(e.NX, textos::CampoRejillaNX, g.NX);
        l.Numero(e.YMin, textos::CampoRejillaYMin, g.YMin);
        l.Numero(e.YMax, textos::CampoRejillaYMax, g.YMax);
        l.EnteroPositivo(e.NY, textos::CampoRejillaNY, g.NY);
        if (l.Primero()) return fallo(*l.Primero());
    }
    {
        LectorCuadros l(true);
        l.EnteroPositivo(e.Radios, textos::CampoRadios, o.Radios);
        if (l.Primero()) return fallo(*l.Primero());
    }
    {
        LectorCuadros l(a.UsarRejilla && !e.PorPunto);
        l.NumeroOpcional(e.TangenteYMin, textos::CampoTangenteYMin, o.TangenteYMin);
        l.NumeroOpcional(e.TangenteYMax, textos::CampoTangenteYMax, o.TangenteYMax);
        if (l.Primero()) return fallo(*l.Primero());
        if (a.UsarRejilla && !e.PorPunto &&
            o.TangenteYMin.has_value() != o.TangenteYMax.has_value())
            return fallo(textos::BusquedaTangentesNoValidas);
    }
    {
        LectorCuadros l(a.UsarRejilla && e.PorPunto);
        l.Numero(e.PuntoX, textos::CampoPuntoX, o.PuntoDePaso.x);
        l.Numero(e.PuntoY, textos::CampoPuntoY, o.PuntoDePaso.y);
        if (l.Primero()) return fallo(*l.Primero());
    }
    // Entrada y salida.
    {
        LectorCuadros l(a.UsarEntradaSalida);
        TramosEntradaSalida& t = a.EntradaSalida;
        l.Numero(e.EntradaX1, textos::CampoEntradaX1, t.EntradaX1);
        l.Numero(e.EntradaX2, textos::CampoEntradaX2, t.EntradaX2);
        l.Numero(e.SalidaX1, textos::CampoSalidaX1, t.SalidaX1);
        l.Numero(e.SalidaX2, textos::CampoSalidaX2, t.SalidaX2);
        l.EnteroPositivo(e.PuntosTramo, textos::CampoPuntosTramo, t.PuntosEntrada);
        t.PuntosSalida = t.PuntosEntrada;
        if (l.Primero()) return fallo(*l.Primero());
    }
    // La poligonal sólo con los métodos que la admiten.
    o.NoCircular = e.NoCircular && AdmiteNoCircular(o.Metodo);
    {
        LectorCuadros l(o.NoCircular);
        l.Entero(e.Vertices, textos::CampoVertices, o.VerticesNoCircular);
        if (l.Primero()) return fallo(*l.Primero());
        if (o.NoCircular &&
            (o.VerticesNoCircular < VerticesMinimos || o.VerticesNoCircular > VerticesMaximos))
            return fallo(textos::BusquedaVerticesFuera);
    }
    {
        LectorCuadros l(true);
        l.Numero(e.ProfundidadMinima, textos::CampoProfundidad, o.ProfundidadMinima);
        l.Numero(e.AreaMinima, textos::CampoArea, o.AreaMinima);
        l.Entero(e.Mejores, textos::CampoMejores, o.Mejores);
        if (l.Primero()) return fallo(*l.Primero());
        if (o.ProfundidadMinima < 0.0 || o.AreaMinima < 0.0)
            return fallo(textos::BusquedaLimitesNegativos);
        if (o.Mejores < 0 || o.Mejores > MejoresMaximos) return fallo(textos::BusquedaMejoresFuera);
    }
    return r;
}

DialogoBusqueda::DialogoBusqueda(const Proyecto& proyecto, Interaccion& interaccion,
                                 const AjustesBusqueda& ajustes, QWidget* padre)
    : QDialog(padre), proyecto_(proyecto), interaccion_(interaccion), ajustes_(ajustes)
{
    setObjectName("DialogoBusqueda");
    setWindowTitle(textos::TituloBusqueda);
    auto cuadro = [this](const char* nombre, const char* ayuda = nullptr) {
        QLineEdit* c = CrearCuadro(this, QString::fromUtf8(nombre),
                                   ayuda ? QString::fromUtf8(ayuda) : QString());
        c->setMaximumWidth(fontMetrics().averageCharWidth() * AnchoCuadroEnCaracteres);
        return c;
    };

    // Método.
    metodo_ = new QComboBox(this);
    metodo_->setObjectName("ListaMétodo");
    for (const MetodoBusqueda m : MetodosDeLaLista)
        metodo_->addItem(QString::fromUtf8(NombreMetodoBusqueda(m)));
    refinar_ = new QCheckBox(textos::BusquedaRefinar, this);
    refinar_->setObjectName("CasillaRefinar");
    noCircular_ = new QCheckBox(textos::BusquedaNoCircular, this);
    noCircular_->setObjectName("CasillaNoCircular");
    vertices_ = cuadro("TextoVértices");
    auto* grupoMetodo = new QGroupBox(textos::BusquedaGrupoMetodo, this);
    auto* filaMetodo = new QHBoxLayout;
    filaMetodo->addWidget(CrearEtiqueta(this, textos::BusquedaMetodo, metodo_));
    filaMetodo->addWidget(metodo_);
    filaMetodo->addSpacing(fontMetrics().averageCharWidth() * 2);
    filaMetodo->addWidget(refinar_);
    filaMetodo->addStretch();
    auto* filaNoCircular = new QHBoxLayout;
    filaNoCircular->addWidget(noCircular_);
    filaNoCircular->addWidget(CrearEtiqueta(this, textos::BusquedaVertices, vertices_));
    filaNoCircular->addWidget(vertices_);
    filaNoCircular->addStretch();
    auto* disposicionMetodo = new QVBoxLayout(grupoMetodo);
    disposicionMetodo->addLayout(filaMetodo);
    disposicionMetodo->addLayout(filaNoCircular);

    // Rejilla de centros.
    rejilla_ = new QGroupBox(textos::BusquedaGrupoRejilla, this);
    rejilla_->setObjectName("GrupoRejilla");
    rejilla_->setCheckable(true);
    xMin_ = cuadro("TextoRejillaXMín");
    xMax_ = cuadro("TextoRejillaXMáx");
    nx_ = cuadro("TextoRejillaNX");
    yMin_ = cuadro("TextoRejillaYMín");
    yMax_ = cuadro("TextoRejillaYMáx");
    ny_ = cuadro("TextoRejillaNY");
    tangentes_ = new QRadioButton(textos::BusquedaTangentes, rejilla_);
    tangentes_->setObjectName("OpciónTangentes");
    porPunto_ = new QRadioButton(textos::BusquedaPorPunto, rejilla_);
    porPunto_->setObjectName("OpciónPorPunto");
    auto* grupoRadios = new QButtonGroup(this);
    grupoRadios->addButton(tangentes_);
    grupoRadios->addButton(porPunto_);
    tangenteYMin_ = cuadro("TextoTangenteYMín", textos::AyudaTangentes);
    tangenteYMax_ = cuadro("TextoTangenteYMáx", textos::AyudaTangentes);
    puntoX_ = cuadro("TextoPuntoX");
    puntoY_ = cuadro("TextoPuntoY");
    auto* r = new QGridLayout(rejilla_);
    int fila = 0;
    auto filaDeTres = [&](const char* etiqueta, QLineEdit* a, QLineEdit* b, QLineEdit* n) {
        r->addWidget(CrearEtiqueta(rejilla_, etiqueta, a), fila, 0);
        r->addWidget(CrearEtiqueta(rejilla_, textos::BusquedaDesde), fila, 1);
        r->addWidget(a, fila, 2);
        r->addWidget(CrearEtiqueta(rejilla_, textos::BusquedaHasta), fila, 3);
        r->addWidget(b, fila, 4);
        if (n) {
            r->addWidget(CrearEtiqueta(rejilla_, textos::BusquedaPuntos), fila, 5);
            r->addWidget(n, fila, 6);
        }
        ++fila;
    };
    filaDeTres(textos::BusquedaX, xMin_, xMax_, nx_);
    filaDeTres(textos::BusquedaY, yMin_, yMax_, ny_);
    r->addWidget(tangentes_, fila, 0);
    r->addWidget(CrearEtiqueta(rejilla_, textos::BusquedaDesde), fila, 1);
    r->addWidget(tangenteYMin_, fila, 2);
    r->addWidget(CrearEtiqueta(rejilla_, textos::BusquedaHasta), fila, 3);
    r->addWidget(tangenteYMax_, fila, 4);
    ++fila;
    r->addWidget(porPunto_, fila, 0);
    r->addWidget(CrearEtiqueta(rejilla_, "x", puntoX_), fila, 1, Qt::AlignRight);
    r->addWidget(puntoX_, fila, 2);
    r->addWidget(CrearEtiqueta(rejilla_, "y", puntoY_), fila, 3, Qt::AlignRight);
    r->addWidget(puntoY_, fila, 4);
    r->setColumnStretch(7, 1);

    // Entrada y salida.
    entradaSalida_ = new QGroupBox(textos::BusquedaGrupoEntradaSalida, this);
    entradaSalida_->setObjectName("GrupoEntradaSalida");
    entradaSalida_->setCheckable(true);
    entradaX1_ = cuadro("TextoEntradaX1");
    entradaX2_ = cuadro("TextoEntradaX2");
    salidaX1_ = cuadro("TextoSalidaX1");
    salidaX2_ = cuadro("TextoSalidaX2");
    puntosTramo_ = cuadro("TextoPuntosTramo");
    auto* t = new QGridLayout(entradaSalida_);
    auto filaTramo = [&](int f, const char* etiqueta, QLineEdit* a, QLineEdit* b) {
        t->addWidget(CrearEtiqueta(entradaSalida_, etiqueta, a), f, 0);
        t->addWidget(CrearEtiqueta(entradaSalida_, textos::BusquedaDesde), f, 1);
        t->addWidget(a, f, 2);
        t->addWidget(CrearEtiqueta(entradaSalida_, textos::BusquedaHasta), f, 3);
        t->addWidget(b, f, 4);
    };
    filaTramo(0, textos::BusquedaEntrada, entradaX1_, entradaX2_);
    filaTramo(1, textos::BusquedaSalida, salidaX1_, salidaX2_);
    t->addWidget(CrearEtiqueta(entradaSalida_, textos::BusquedaPuntosPorTramo, puntosTramo_), 0, 5);
    t->addWidget(puntosTramo_, 0, 6);
    t->setColumnStretch(7, 1);

    // Radios, límites y dibujo.
    radios_ = cuadro("TextoRadios");
    profundidad_ = cuadro("TextoProfundidadMínima");
    area_ = cuadro("TextoÁreaMínima");
    mejores_ = cuadro("TextoMejores");
    auto* grupoLimites = new QGroupBox(textos::BusquedaGrupoLimites, this);
    auto* l = new QGridLayout(grupoLimites);
    l->addWidget(CrearEtiqueta(grupoLimites, textos::BusquedaRadios, radios_), 0, 0);
    l->addWidget(radios_, 0, 1);
    l->addWidget(CrearEtiqueta(grupoLimites, textos::BusquedaProfundidadMinima, profundidad_), 1,
                 0);
    l->addWidget(profundidad_, 1, 1);
    l->addWidget(CrearEtiqueta(grupoLimites, textos::BusquedaAreaMinima, area_), 2, 0);
    l->addWidget(area_, 2, 1);
    l->addWidget(CrearEtiqueta(grupoLimites, textos::BusquedaMejores, mejores_), 3, 0);
    l->addWidget(mejores_, 3, 1);
    l->setColumnStretch(2, 1);

    // Avance y botones.
    barra_ = new QProgressBar(this);
    barra_->setObjectName("BarraAvance");
    barra_->setRange(0, EscalaBarra);
    barra_->setValue(0);
    avance_ = new QLabel(textos::BusquedaLista, this);
    avance_->setObjectName("EtiquetaAvance");
    avance_->setWordWrap(true);
    resultadoTexto_ = new QLabel(this);
    resultadoTexto_->setObjectName("EtiquetaResultado");
    resultadoTexto_->setWordWrap(true);
    resultadoTexto_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    QFont negrita = resultadoTexto_->font();
    negrita.setBold(true);
    resultadoTexto_->setFont(negrita);
    buscar_ = CrearBoton(this, "BotónBuscar", textos::BotonBuscar);
    cancelar_ = CrearBoton(this, "BotónCancelarBúsqueda", textos::BotonCancelarBusqueda);
    adoptar_ = CrearBoton(this, "BotónAdoptar", textos::BotonAdoptar);
    cerrar_ = CrearBoton(this, "BotónCerrar", textos::BotonCerrarBusqueda);
    buscar_->setDefault(true);
    connect(buscar_, &QPushButton::clicked, this, &DialogoBusqueda::Buscar);
    connect(cancelar_, &QPushButton::clicked, this, &DialogoBusqueda::Cancelar);
    connect(adoptar_, &QPushButton::clicked, this, &DialogoBusqueda::Adoptar);
    connect(cerrar_, &QPushButton::clicked, this, &DialogoBusqueda::reject);
    connect(metodo_, &QComboBox::currentIndexChanged, this, &DialogoBusqueda::ActualizarControles);
    connect(noCircular_, &QCheckBox::toggled, this, &DialogoBusqueda::ActualizarControles);
    connect(porPunto_, &QRadioButton::toggled, this, &DialogoBusqueda::ActualizarControles);
    connect(rejilla_, &QGroupBox::toggled, this, &DialogoBusqueda::ActualizarControles);

    temporizador_ = new QTimer(this);
    temporizador_->setInterval(IntervaloRevision);
    connect(temporizador_, &QTimer::timeout, this, &DialogoBusqueda::Revisar);

    auto* disposicion = new QVBoxLayout(this);
    disposicion->addWidget(grupoMetodo);
    disposicion->addWidget(rejilla_);
    disposicion->addWidget(entradaSalida_);
    disposicion->addWidget(grupoLimites);
    disposicion->addWidget(barra_);
    disposicion->addWidget(avance_);
    disposicion->addWidget(resultadoTexto_);
    disposicion->addLayout(FilaDeBotones({buscar_, cancelar_, adoptar_, cerrar_}));

    Cargar(ajustes_);
}

DialogoBusqueda::~DialogoBusqueda() = default;

void DialogoBusqueda::Cargar(const AjustesBusqueda& a)
{
    const EntradaBusqueda e = EntradaDeAjustes(a);
    metodo_->setCurrentIndex(e.Metodo);
    refinar_->setChecked(e.Refinar);
    noCircular_->setChecked(e.NoCircular);
    PonerTexto(vertices_, e.Vertices);
    rejilla_->setChecked(e.UsarRejilla);
    PonerTexto(xMin_, e.XMin);
    PonerTexto(xMax_, e.XMax);
    PonerTexto(nx_, e.NX);
    PonerTexto(yMin_, e.YMin);
    PonerTexto(yMax_, e.YMax);
    PonerTexto(ny_, e.NY);
    PonerTexto(radios_, e.Radios);
    porPunto_->setChecked(e.PorPunto);
    tangentes_->setChecked(!e.PorPunto);
    PonerTexto(tangenteYMin_, e.TangenteYMin);
    PonerTexto(tangenteYMax_, e.TangenteYMax);
    PonerTexto(puntoX_, e.PuntoX);
    PonerTexto(puntoY_, e.PuntoY);
    entradaSalida_->setChecked(e.UsarEntradaSalida);
    PonerTexto(entradaX1_, e.EntradaX1);
    PonerTexto(entradaX2_, e.EntradaX2);
    PonerTexto(salidaX1_, e.SalidaX1);
    PonerTexto(salidaX2_, e.SalidaX2);
    PonerTexto(puntosTramo_, e.PuntosTramo);
    PonerTexto(profundidad_, e.ProfundidadMinima);
    PonerTexto(area_, e.AreaMinima);
    PonerTexto(mejores_, e.Mejores);
    ActualizarControles();
}

EntradaBusqueda DialogoBusqueda::Entrada() const
{
    EntradaBusqueda e;
    e.Metodo = metodo_->currentIndex();
    e.Refinar = refinar_->isChecked();
    e.NoCircular = noCircular_->isChecked();
    e.Vertices = TextoDe(vertices_);
    e.UsarRejilla = rejilla_->isChecked();
    e.XMin = TextoDe(xMin_);
    e.XMax = TextoDe(xMax_);
    e.NX = TextoDe(nx_);
    e.YMin = TextoDe(yMin_);
    e.YMax = TextoDe(yMax_);
    e.NY = TextoDe(ny_);
    e.Radios = TextoDe(radios_);
    e.PorPunto = porPunto_->isChecked();
    e.TangenteYMin = TextoDe(tangenteYMin_);
    e.TangenteYMax = TextoDe(tangenteYMax_);
    e.PuntoX = TextoDe(puntoX_);
    e.PuntoY = TextoDe(puntoY_);
    e.UsarEntradaSalida = entradaSalida_->isChecked();
    e.EntradaX1 = TextoDe(entradaX1_);
    e.EntradaX2 = TextoDe(entradaX2_);
    e.SalidaX1 = TextoDe(salidaX1_);
    e.SalidaX2 = TextoDe(salidaX2_);
    e.PuntosTramo = TextoDe(puntosTramo_);
    e.ProfundidadMinima = TextoDe(profundidad_);
    e.AreaMinima = TextoDe(area_);
    e.Mejores = TextoDe(mejores_);
    return e;
}

void DialogoBusqueda::ActualizarControles()
{
    const bool buscando = Buscando();
    const auto metodo =
        MetodosDeLaLista[std::clamp(metodo_->currentIndex(), 0, NumeroDeMetodos - 1)];
    for (QWidget* w : std::initializer_list<QWidget*>{metodo_, refinar_, rejilla_, entradaSalida_,
                                                      radios_, profundidad_, area_, mejores_})
        w->setEnabled(!buscando);
    noCircular_->setEnabled(!buscando && AdmiteNoCircular(metodo));
    vertices_->setEnabled(!buscando && AdmiteNoCircular(metodo) && noCircular_->isChecked());
    // Dentro de la rejilla: un grupo sin marcar ya deshabilitó sus controles.
    const bool porPunto = porPunto_->isChecked();
    const bool rejilla = rejilla_->isChecked();
    tangenteYMin_->setEnabled(rejilla && !porPunto);
    tangenteYMax_->setEnabled(rejilla && !porPunto);
    puntoX_->setEnabled(rejilla && porPunto);
    puntoY_->setEnabled(rejilla && porPunto);
    buscar_->setEnabled(!buscando);
    cancelar_->setEnabled(buscando);
    adoptar_->setEnabled(!buscando && resultado_ && resultado_->Estado == EstadoBusqueda::Hallada &&
                         buscado_);
    cerrar_->setEnabled(true);
}

void DialogoBusqueda::Buscar()
{
    if (Buscando()) return;
    const LecturaBusqueda lectura = LeerEntradaBusqueda(Entrada(), ajustes_);
    if (lectura.fallo) {
        MostrarFallo(interaccion_, *lectura.fallo);
        return;
    }
    ajustes_ = lectura.ajustes;
    if (AlEmpezar) AlEmpezar(ajustes_);
    const OpcionesBusqueda opciones = ajustes_.ParaBuscar();
    resultado_.reset();
    buscado_.reset();
    resultadoTexto_->clear();
    barra_->setValue(0);
    avance_->setText(textos::BusquedaEtapaCirculos);
    busqueda_ = std::make_unique<BusquedaEnSegundoPlano>(proyecto_, opciones);
    temporizador_->start();
    ActualizarControles();
}

void DialogoBusqueda::Cancelar()
{
    if (busqueda_) busqueda_->Cancelar();
}

void DialogoBusqueda::Revisar()
{
    if (!busqueda_) return;
    if (busqueda_->Terminada()) {
        Terminar();
        return;
    }
    const AvanceBusqueda a = busqueda_->Avance();
    const char* etapa = textos::BusquedaEtapaCirculos;
    const std::string e = a.Etapa;
    if (e == "refinamiento") etapa = textos::BusquedaEtapaRefinamiento;
    if (e == "no circular") etapa = textos::BusquedaEtapaNoCircular;
    if (a.Previstos > 0) {
        barra_->setValue(static_cast<int>(
            EscalaBarra * std::min(1.0, static_cast<double>(a.Ensayos) / a.Previstos)));
        avance_->setText(QString::fromStdString(
            textos::TextoAvanceBusqueda(etapa, a.Ensayos, a.Previstos, a.MejorFactor)));
    }
}

void DialogoBusqueda::Terminar()
{
    temporizador_->stop();
    const ResultadoBusqueda r = busqueda_->Resultado();
    const Proyecto buscado = busqueda_->ProyectoBuscado();
    busqueda_.reset();
    resultado_ = r;
    barra_->setValue(r.Estado == EstadoBusqueda::Hallada ? EscalaBarra : 0);
    switch (r.Estado) {
    case EstadoBusqueda::Hallada: {
        buscado_ = buscado;
        const SuperficieEnsayo& c = r.Critica;
        avance_->setText(
            QString::fromStdString(textos::TextoFinBusqueda(r.Ensayos, r.EnsayosValidos)));
        resultadoTexto_->setText(QString::fromStdString(textos::TextoResultadoBusqueda(
            r.FactorSeguridad, NombreMetodoBusqueda(ajustes_.Opciones.Metodo), c.Circular,
            c.XCentro, c.YCentro, c.Radio, c.Puntos.size(), r.Ensayos, r.Segundos)));
        if (AlTerminar) {
            auto vista = std::make_shared<BusquedaEnVista>();
            vista->alBuscar = buscado;
            vista->dibujo.resultado = r;
            vista->dibujo.metodo = ajustes_.Opciones.Metodo;
            if (ajustes_.UsarRejilla) vista->dibujo.rejilla = ajustes_.Rejilla;
            vista->dibujo.mejores = ajustes_.Opciones.Mejores;
            AlTerminar(vista);
        }
        break;
    }
    case EstadoBusqueda::Cancelada:
        avance_->setText(textos::BusquedaCancelada);
        break;
    case EstadoBusqueda::DatosInvalidos:
        avance_->setText(QString::fromStdString(r.Mensaje));
        interaccion_.Mensaje(r.Mensaje, textos::TituloBusqueda);
        break;
    case EstadoBusqueda::SinSuperficie:
        avance_->setText(QString::fromStdString(r.Mensaje));
        break;
    }
    ActualizarControles();
}

void DialogoBusqueda::Adoptar()
{
    if (!resultado_ || resultado_->Estado != EstadoBusqueda::Hallada || !buscado_) return;
    if (!BusquedaVigente(*buscado_, proyecto_)) {
        interaccion_.Mensaje(textos::BusquedaDatosCambiaron, textos::TituloBusqueda);
        return;
    }
    adoptada_ = resultado_->Critica;
    metodoAdoptado_ = ajustes_.Opciones.Metodo;
    accept();
}

void DialogoBusqueda::reject()
{
    // Cerrar durante una búsqueda la cancela y espera a que termine su tanda.
    busqueda_.reset();
    temporizador_->stop();
    QDialog::reject();
}

void DialogoBusqueda::showEvent(QShowEvent* evento)
{
    // La primera vez, junto al borde izquierdo de la ventana: la vista de la sección, a la
    // derecha, queda a la vista para seguir el resultado.
    if (!colocado_ && parentWidget()) {
        const QRect ventana = parentWidget()->window()->frameGeometry();
        move(ventana.topLeft() + QPoint(MargenColocacion, MargenColocacion));
        colocado_ = true;
    }
    QDialog::showEvent(evento);
}

void DialogoBusqueda::closeEvent(QCloseEvent* evento)
{
    busqueda_.reset();
    temporizador_->stop();
    QDialog::closeEvent(evento);
}

} // namespace vertana
