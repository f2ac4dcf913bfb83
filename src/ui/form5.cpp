#include "ui/form5.h"

#include "model/interaccion.h"
#include "model/numeros.h"
#include "model/textos.h"
#include "model/validacion.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace vertana {
namespace {

// Lugar de cada dato en los cuadros y en la lista (la columna 0 de la lista es el estrato).
enum DatoEstrato {
    Cohesion = 0,
    Friccion,
    PesoHumedo,
    PesoSaturado,
    TipoEstrato,
    ParametroPresion,
    Consolidacion,
    Tiempo
};
constexpr int ColumnaEstrato = 0; // número del estrato en la lista
constexpr char FormatoValor[] = "#0.00";
constexpr char FormatoConsolidacion[] = "#0.0000000";
constexpr Entero16 TipoTerraplen = 1; // "A"
constexpr Entero16 TipoNatural = 2;   // "B"

// Las ocho tablas del proyecto, en el orden de las columnas (el tipo va aparte).
std::array<Tabla<double>*, ColumnasEstrato> TablasReales(Proyecto& p)
{
    return {&p.CohesionMacizo,
            &p.FriccionMacizo,
            &p.PesoUnitarioHumedo,
            &p.PesoUnitarioSaturado,
            nullptr,
            &p.ParametroPresionIntersticial,
            &p.CoeficienteConsolidacionVertical,
            &p.TiempoDeConstruccion};
}

std::string FormatoDe(int dato, double valor)
{
    return Formato(valor, dato == Consolidacion ? FormatoConsolidacion : FormatoValor);
}

} // namespace

ResultadoEstrato ComprobarEstrato(const ValoresEstrato& c, int estrato, Interaccion& interaccion)
{
    ResultadoEstrato r;
    auto rechazo = [&r](const std::string& texto) {
        r.fallo = Fallo{texto, {}};
        return r;
    };

    // 1. Resistencia y pesos unitarios.
    const std::optional<double> cohesion = NumeroDe(c[Cohesion]);
    if (!cohesion) return rechazo(textos::DebeIntroducirNumeroEn(textos::CampoCohesion));
    const std::optional<double> friccion = NumeroDe(c[Friccion]);
    if (!friccion) return rechazo(textos::DebeIntroducirNumeroEn(textos::CampoFriccion));
    const std::optional<double> humedo = NumeroDe(c[PesoHumedo]);
    if (!humedo) return rechazo(textos::DebeIntroducirNumeroEn(textos::CampoPesoUnitarioHumedo));
    const std::optional<double> saturado = NumeroDe(c[PesoSaturado]);
    if (!saturado)
        return rechazo(textos::DebeIntroducirNumeroEn(textos::CampoPesoUnitarioSaturado));

    // 2. Tipo de estrato.
    const std::string tipo = Mayusculas(c[TipoEstrato]);
    if (tipo != "A" && tipo != "B") return rechazo(textos::TipoDeEstratoInvalido);

    // 3. Presión intersticial y consolidación.
    const std::optional<double> parametro = NumeroDe(c[ParametroPresion]);
    if (!parametro) return rechazo(textos::DebeIntroducirNumeroEn(textos::CampoParametroPresion));
    const std::optional<double> cv = NumeroDe(c[Consolidacion]);
    if (!cv) return rechazo(textos::ConsolidacionNoNumerica);
    const std::optional<double> tiempo = NumeroDe(c[Tiempo]);
    if (!tiempo) return rechazo(textos::TiempoNoNumerico);

    // 4. Un estrato natural no tiene tiempo de construcción.
    if (tipo == "B" && *tiempo != 0) return rechazo(textos::NaturalConTiempo);

    // Rangos de la validación del proyecto (model/validacion.h), sobre los valores tal como se
    // guardan (con el redondeo de la lista): c ≥ 0, 0 ≤ φ < 90, pesos unitarios > 0, Cv ≥ 0,
    // t ≥ 0.
    auto guardado = [](int dato, double valor) { return Val(FormatoDe(dato, valor)); };
    ValoresEstratoSuelo valores;
    valores.Cohesion = guardado(Cohesion, *cohesion);
    valores.Friccion = guardado(Friccion, *friccion);
    valores.PesoHumedo = guardado(PesoHumedo, *humedo);
    valores.PesoSaturado = guardado(PesoSaturado, *saturado);
    valores.Consolidacion = guardado(Consolidacion, *cv);
    valores.Tiempo = guardado(Tiempo, *tiempo);
    if (const auto rango = ProblemaRangosEstratoSuelo(valores, estrato)) return rechazo(*rango);

    // 5. Peso saturado frente a peso húmedo.
    if (*saturado < *humedo) {
        r.recargar = true;
        return rechazo(textos::SaturadoMenorQueHumedo);
    }
    const char* pregunta = *saturado == *humedo ? textos::PreguntaSaturadoIgualHumedo
                                                : textos::PreguntaSaturadoMayorHumedo;
    if (!interaccion.Pregunta(pregunta)) {
        r.recargar = true;
        return r;
    }

    // 6. La fila con los formatos de la lista.
    r.celdas = {FormatoDe(Cohesion, *cohesion),
                FormatoDe(Friccion, *friccion),
                FormatoDe(PesoHumedo, *humedo),
                FormatoDe(PesoSaturado, *saturado),
                tipo,
                FormatoDe(ParametroPresion, *parametro),
                FormatoDe(Consolidacion, *cv),
                FormatoDe(Tiempo, *tiempo)};
    return r;
}

Form5::Form5(Proyecto& proyecto, Interaccion& interaccion, int posicionNuevoEstrato, QWidget* padre)
    : DialogoActivable(padre), proyecto_(proyecto), interaccion_(interaccion),
      posicionNuevoEstrato_(posicionNuevoEstrato)
{
    setObjectName("Form5");
    setWindowTitle(textos::TituloForm5);
    setModal(true);

    lista_ = CrearLista(this, "CaracterísticasEstratos",
                        {"Estrato", "Cohesión", "Fricción", "Pesohúmedo", "Pesosaturado",
                         "TipoEstrato", "Parámetro", "Cv", "Tiempo"});
    lista_->setMinimumHeight(160);

    const std::array<const char*, ColumnasEstrato> nombres = {
        "TextoCohesión",
        "TextoFricción",
        "TextoPesoUnitarioHúmedo",
        "TextoPesoUnitarioSaturado",
        "TextoCondiciónDeDrenaje",
        "TextoParámetroPresión",
        "TextoCoeficienteConsolidaciónVertical",
        "TextoTiempoDeConstrucción"};
    const std::array<const char*, ColumnasEstrato> etiquetas = {
        textos::EtiquetaCohesion,
        textos::EtiquetaFriccion,
        textos::EtiquetaPesoUnitarioHumedo,
        textos::EtiquetaPesoUnitarioSaturado,
        textos::EtiquetaCondicionDeDrenaje,
        textos::EtiquetaParametroPresion,
        textos::EtiquetaCoeficienteConsolidacion,
        textos::EtiquetaTiempoDeConstruccion};
    auto* rejilla = new QGridLayout;
    for (int k = 0; k < ColumnasEstrato; ++k) {
        const auto i = static_cast<std::size_t>(k);
        cuadros_[i] = CrearCuadro(this, nombres[i],
                                  k == TipoEstrato ? "A: terraplenes y rellenos artificiales.  "
                                                     "B: estratos naturales."
                                                   : textos::UsePuntoDecimal);
        auto* etiqueta = CrearEtiqueta(this, etiquetas[i], cuadros_[i]);
        etiqueta->setWordWrap(true);
        etiqueta->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
        rejilla->addWidget(etiqueta, 0, k);
        rejilla->addWidget(cuadros_[i], 1, k);
        rejilla->setColumnStretch(k, 1);
    }
    auto* modificar = CrearBoton(this, "Modificar", textos::BotonModificarDialogo);
    modificar->setDefault(true); // Enter pasa los cuadros a la fila elegida
    rejilla->addWidget(modificar, 1, ColumnasEstrato);

    auto* notas = CrearEtiqueta(
        this,
        "Nota 1: Elija un estrato en la lista, escriba sus valores y presione <Modificar>.\n"
        "Nota 2: Tipo de estrato: 'A' para terraplenes y rellenos artificiales, 'B' para "
        "estratos naturales.\n"
        "Nota 3: En un estrato natural (B) el tiempo de construcción es cero.\n"
        "Nota 4: Si el estrato no está saturado, su peso unitario saturado es igual al "
        "húmedo.\n"
        "Nota 5: El parámetro de presión intersticial B da el exceso de presión de poros que el "
        "peso del terraplén produce en el estrato.\n"
        "Nota 6: Ese exceso se disipa por consolidación según Cv y el tiempo de construcción; "
        "con Cv = 0 el estrato no consolida.\n"
        "Nota 7: Utilice el pto (.), para los decimales.");
    notas->setObjectName("Notas");
    notas->setWordWrap(true);

    auto* aceptar = CrearBoton(this, "Aceptar", textos::BotonAceptarDialogo);
    auto* salir = CrearBoton(this, "Cancelar", textos::BotonSalirDialogo);
    auto* botones = FilaDeBotones({aceptar, salir});

    auto* todo = new QVBoxLayout(this);
    todo->addWidget(lista_, 1);
    todo->addLayout(rejilla);
    todo->addWidget(notas);
    todo->addLayout(botones);
    resize(900, 560);

    QList<QWidget*> tabulacion = {lista_};
    for (QLineEdit* cuadro : cuadros_)
        tabulacion.append(cuadro);
    tabulacion << modificar << aceptar << salir;
    OrdenDeTabulacion(tabulacion);

    connect(modificar, &QPushButton::clicked, this, &Form5::ModificarClic);
    connect(aceptar, &QPushButton::clicked, this, &Form5::AceptarClic);
    connect(salir, &QPushButton::clicked, this, &Form5::reject);
    connect(lista_, &QTreeWidget::itemClicked, this, &Form5::FilaClic);
    connect(lista_, &QTreeWidget::itemActivated, this, &Form5::FilaClic);
}

void Form5::Activar()
{
    cambiado_ = false;
    filaPulsada_ = -1;
    Proyecto& p = proyecto_;
    const int n = p.NumeroDeEstratos();
    const auto tablas = TablasReales(p);
    std::vector<bool> vacia(static_cast<std::size_t>(std::max(n, 0)) + 1, true);
    if (p.RocaCaracterizada) {
        for (Tabla<double>* t : tablas)
            if (t) t->RedimensionarConservando(n);
        p.TipoDeEstrato.RedimensionarConservando(n);
        // Estrato nuevo: su fila queda vacía y los de abajo bajan un lugar.
        const int caracterizados = p.EstratosCaracterizados;
        const int nuevo = std::clamp(posicionNuevoEstrato_ + 1, 1, std::max(n, 1));
        const bool hayNuevo = caracterizados < n;
        if (hayNuevo && p.EstratoInsertado) {
            for (int i = n; i > nuevo; --i) {
                for (Tabla<double>* t : tablas)
                    if (t) (*t)(i) = (*t)(i - 1);
                p.TipoDeEstrato(i) = p.TipoDeEstrato(i - 1);
            }
            for (Tabla<double>* t : tablas)
                if (t) (*t)(nuevo) = 0.0;
            p.TipoDeEstrato(nuevo) = 0;
        }
        p.EstratoInsertado = false;
        for (int i = 1; i <= n; ++i)
            vacia[static_cast<std::size_t>(i)] =
                caracterizados <= 0 || (hayNuevo && (i == nuevo || i > caracterizados + 1));
    } else {
        for (Tabla<double>* t : tablas)
            if (t) t->Redimensionar(n);
        p.TipoDeEstrato.Redimensionar(n);
    }

    lista_->clear();
    for (int i = 1; i <= n; ++i) {
        QStringList textos = {QString::number(i)};
        for (int k = 0; k < ColumnasEstrato; ++k) {
            std::string texto; // vacío en la fila de un estrato sin datos
            if (!vacia[static_cast<std::size_t>(i)])
                texto = k == TipoEstrato ? (p.TipoDeEstrato(i) == TipoTerraplen ? "A" : "B")
                                         : FormatoDe(k, (*tablas[static_cast<std::size_t>(k)])(i));
            textos << QString::fromStdString(texto);
        }
        InsertarFila(lista_, i - 1, textos);
    }
    for (QLineEdit* cuadro : cuadros_)
        cuadro->clear();
}

void Form5::FilaClic(QTreeWidgetItem* elemento)
{
    const int fila = FilaDe(lista_, elemento);
    if (fila < 0) return;
    filaPulsada_ = fila;
    CargarCuadrosDesdeFila(fila);
}

void Form5::CargarCuadrosDesdeFila(int fila)
{
    for (int k = 0; k < ColumnasEstrato; ++k)
        PonerTexto(cuadros_[static_cast<std::size_t>(k)], Celda(lista_, fila, k + 1));
}

ValoresEstrato Form5::Cuadros() const
{
    ValoresEstrato valores;
    for (std::size_t k = 0; k < valores.size(); ++k)
        valores[k] = TextoDe(cuadros_[k]);
    return valores;
}

void Form5::ModificarClic()
{
    if (filaPulsada_ < 0 || filaPulsada_ >= lista_->topLevelItemCount()) return;
    const ResultadoEstrato r = ComprobarEstrato(Cuadros(), filaPulsada_ + 1, interaccion_);
    if (r.fallo) MostrarFallo(interaccion_, *r.fallo);
    if (r.recargar) CargarCuadrosDesdeFila(filaPulsada_);
    if (r.fallo || r.recargar) return;
    QTreeWidgetItem* elemento = lista_->topLevelItem(filaPulsada_);
    for (int k = 0; k < ColumnasEstrato; ++k)
        elemento->setText(k + 1, QString::fromStdString(r.celdas[static_cast<std::size_t>(k)]));
    cambiado_ = true;
    for (QLineEdit* cuadro : cuadros_)
        cuadro->clear();
}

void Form5::AceptarClic()
{
    const int n = lista_->topLevelItemCount();
    for (int fila = 0; fila < n; ++fila)
        for (int k = 1; k <= ColumnasEstrato; ++k)
            if (Celda(lista_, fila, k).empty()) {
                interaccion_.Mensaje(textos::FaltanDatosEstratos,
                                     textos::TituloCaracteristicasDeLosEstratos);
                return;
            }
    // Cada fila con la validación del proyecto: una fila que vino de un archivo con valores que
    // Modificar rechazaría no se archiva.
    for (int fila = 0; fila < n; ++fila) {
        ValoresEstratoSuelo v;
        v.Cohesion = Val(Celda(lista_, fila, Cohesion + 1));
        v.Friccion = Val(Celda(lista_, fila, Friccion + 1));
        v.PesoHumedo = Val(Celda(lista_, fila, PesoHumedo + 1));
        v.PesoSaturado = Val(Celda(lista_, fila, PesoSaturado + 1));
        v.Tipo = Celda(lista_, fila, TipoEstrato + 1) == "A" ? TipoTerraplen : TipoNatural;
        v.ParametroPresion = Val(Celda(lista_, fila, ParametroPresion + 1));
        v.Consolidacion = Val(Celda(lista_, fila, Consolidacion + 1));
        v.Tiempo = Val(Celda(lista_, fila, Tiempo + 1));
        if (const auto problema = ProblemaEstratoSuelo(v, fila + 1, true)) {
            interaccion_.Mensaje(*problema, textos::TituloCaracteristicasDeLosEstratos);
            return;
        }
    }
    Proyecto& p = proyecto_;
    const auto tablas = TablasReales(p);
    for (Tabla<double>* t : tablas)
        if (t) t->Redimensionar(n);
    p.TipoDeEstrato.Redimensionar(n);
    // Los valores se leen de las celdas, con el redondeo con que se muestran.
    for (int i = 1; i <= n; ++i)
        for (int k = 0; k < ColumnasEstrato; ++k) {
            const std::string celda = Celda(lista_, i - 1, k + 1);
            if (k == TipoEstrato)
                p.TipoDeEstrato(i) = celda == "A" ? TipoTerraplen : TipoNatural;
            else
                (*tablas[static_cast<std::size_t>(k)])(i) = Val(celda);
        }
    p.RocaCaracterizada = true;
    p.EstratosConCaracteristicas = true;
    p.EstratosCaracterizados = static_cast<Entero16>(n);
    p.DatosGuardados = false;
    cambiado_ = false;
    accept();
}

void Form5::reject()
{
    if (proyecto_.EstratosCaracterizados != proyecto_.NumeroDeEstratos())
        proyecto_.CambioNumeroEstratos = true;
    if (cambiado_ && interaccion_.Pregunta(textos::PreguntaArchivarEstratos)) return;
    cambiado_ = false;
    QDialog::reject();
}

} // namespace vertana
