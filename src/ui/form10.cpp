#include "ui/form10.h"

#include "model/interaccion.h"
#include "model/macizo_rocoso.h"
#include "model/numeros.h"
#include "model/textos.h"
#include "ui/form16.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <cassert>

namespace vertana {
namespace {

// Formatos de las columnas; el GSI escrito con Modificar lleva cinco decimales y el que se lee del
// proyecto, dos.
constexpr char FormatoMIntacto[] = "#0.000";
constexpr char FormatoGSIProyecto[] = "#0.00";
constexpr char FormatoGSIModificado[] = "#0.00000";
constexpr char FormatoM[] = "#0.000";
constexpr char FormatoS[] = "#0.00000";
constexpr char FormatoValor[] = "#0.00";

// Las siete tablas del proyecto, en el orden de las columnas.
std::array<Tabla<double>*, ColumnasEstratoRoca> TablasRoca(Proyecto& p)
{
    return {&p.ParametroMIntacto, &p.IndiceGSI,          &p.ParametroM,
            &p.ParametroS,        &p.PesoUnitarioHumedo, &p.PesoUnitarioSaturado,
            &p.CompresionSimple};
}

std::string TextoDelProyecto(int dato, double valor)
{
    switch (dato) {
    case DatoMIntacto:
        return Formato(valor, FormatoMIntacto);
    case DatoGSI:
        return Formato(valor, FormatoGSIProyecto);
    case DatoM:
        return Formato(valor, FormatoM);
    case DatoS:
        return Formato(valor, FormatoS);
    default:
        return Formato(valor, FormatoValor);
    }
}

// Corre una fila de una tabla de dos dimensiones un lugar hacia abajo desde `desde`.
void BajarFilas(Tabla2<double>& t, int desde, int n)
{
    t.RedimensionarConservando(n, t.Columnas());
    for (int i = n; i > desde; --i)
        for (int k = 1; k <= t.Columnas(); ++k)
            t(i, k) = t(i - 1, k);
    for (int k = 1; k <= t.Columnas(); ++k)
        t(desde, k) = 0.0;
}

} // namespace

ResultadoEstratoRoca ComprobarEstratoRoca(const ValoresEstratoRoca& c, ModoMs modo,
                                          bool msDeLaboratorio)
{
    ResultadoEstratoRoca r;
    auto rechazo = [&r](const std::string& texto) {
        r.fallo = Fallo{texto, {}};
        return r;
    };

    // 1. Números, en el orden del diálogo.
    const std::optional<double> gsi = NumeroDe(c[DatoGSI]);
    if (!gsi) return rechazo(textos::GSINoNumerico);
    std::optional<double> mi = NumeroDe(c[DatoMIntacto]);
    std::optional<double> m, s;
    if (!msDeLaboratorio) {
        if (modo == ModoMs::DesdeGSI) {
            if (!mi) return rechazo(textos::MiNoNumerico);
        } else {
            m = NumeroDe(c[DatoM]);
            if (!m) return rechazo(textos::MNoNumerico);
            s = NumeroDe(c[DatoS]);
            if (!s) return rechazo(textos::SNoNumerico);
        }
    }
    const std::optional<double> humedo = NumeroDe(c[DatoPesoHumedo]);
    if (!humedo) return rechazo(textos::DebeIntroducirNumeroEn(textos::CampoPesoUnitarioHumedo));
    const std::optional<double> saturado = NumeroDe(c[DatoPesoSaturado]);
    if (!saturado)
        return rechazo(textos::DebeIntroducirNumeroEn(textos::CampoPesoUnitarioSaturado));
    const std::optional<double> sigmaCi = NumeroDe(c[DatoCompresionSimple]);
    if (!sigmaCi) return rechazo(textos::CompresionSimpleNoNumerica);
    // mi se pide como número sólo en el modo del GSI, pero toda fila lo necesita (la cohesión y
    // la fricción equivalentes usan ln mi).
    if (!mi) return rechazo(textos::MiNoNumerico);

    // 2. Valores con los que el criterio y sus fórmulas existen.
    if (modo == ModoMs::DesdeGSI && !msDeLaboratorio) {
        m = ParametroMMacizo(*mi, *gsi);
        s = ParametroSMacizo(*gsi);
    }
    // Con m y s de laboratorio se comprueban al ajustar; aquí no cuentan.
    const FalloMacizo fallo =
        ComprobarMacizo(*mi, *gsi, m.value_or(1.0), s.value_or(0.0), *sigmaCi);
    if (fallo != FalloMacizo::Ninguno) return rechazo(TextoFalloMacizo(fallo));

    // 3. La fila con los formatos de la lista.
    r.celdas[DatoMIntacto] = Formato(*mi, FormatoMIntacto);
    r.celdas[DatoGSI] = Formato(*gsi, FormatoGSIModificado);
    if (!msDeLaboratorio) {
        r.celdas[DatoM] = Formato(*m, FormatoM);
        r.celdas[DatoS] = Formato(*s, FormatoS);
    }
    r.celdas[DatoPesoHumedo] = Formato(*humedo, FormatoValor);
    r.celdas[DatoPesoSaturado] = Formato(*saturado, FormatoValor);
    r.celdas[DatoCompresionSimple] = Formato(*sigmaCi, FormatoValor);
    return r;
}

std::optional<Fallo> ComprobarFilasRoca(const std::vector<ValoresEstratoRoca>& filas, ModoMs modo,
                                        bool msDeLaboratorio)
{
    // 1. Filas completas: las siete celdas con m y s escritos; sin m y s en los otros casos.
    const bool conMs = !msDeLaboratorio && modo == ModoMs::Escritos;
    for (const ValoresEstratoRoca& fila : filas)
        for (int k = 0; k < ColumnasEstratoRoca; ++k) {
            if (!conMs && (k == DatoM || k == DatoS)) continue;
            if (fila[static_cast<std::size_t>(k)].empty())
                return Fallo{msDeLaboratorio ? textos::FaltanDatosEstratosLaboratorio
                                             : textos::FaltanDatosEstratos,
                             textos::TituloCaracteristicasDeLosEstratos};
        }
    // 2. Valores que sirven, con los números que se guardarían.
    for (std::size_t i = 0; i < filas.size(); ++i) {
        const ValoresEstratoRoca& f = filas[i];
        const double mi = Val(f[DatoMIntacto]);
        const double gsi = Val(f[DatoGSI]);
        double m = Val(f[DatoM]);
        double s = Val(f[DatoS]);
        if (!msDeLaboratorio && modo == ModoMs::DesdeGSI) {
            m = ParametroMMacizo(mi, gsi);
            s = ParametroSMacizo(gsi);
        }
        const FalloMacizo fallo = ComprobarMacizo(mi, gsi, m, s, Val(f[DatoCompresionSimple]));
        if (fallo != FalloMacizo::Ninguno)
            return Fallo{textos::EnElEstrato(static_cast<int>(i) + 1, TextoFalloMacizo(fallo)),
                         textos::TituloCaracteristicasDeLosEstratos};
    }
    return std::nullopt;
}

std::vector<bool> AjustarTablasDeRoca(Proyecto& p, int posicionNuevoEstrato)
{
    const int n = p.NumeroDeEstratos();
    std::vector<bool> vacia(static_cast<std::size_t>(std::max(n, 0)) + 1, true);
    const auto tablas = TablasRoca(p);
    if (!p.RocaCaracterizada) {
        for (Tabla<double>* t : tablas)
            t->Redimensionar(n);
        return vacia;
    }
    for (Tabla<double>* t : tablas)
        t->RedimensionarConservando(n);
    // Los pares de laboratorio, si los hay, siguen a su estrato.
    const bool conLaboratorio = p.NumeroPuntosLab.Tamano() > 0;
    if (conLaboratorio) p.NumeroPuntosLab.RedimensionarConservando(n);
    const int caracterizados = p.EstratosCaracterizados;
    const int nuevo = std::clamp(posicionNuevoEstrato + 1, 1, std::max(n, 1));
    const bool hayNuevo = caracterizados < n;
    if (p.EstratoInsertado && caracterizados >= 1 && hayNuevo) {
        for (int i = n; i > nuevo; --i)
            for (Tabla<double>* t : tablas)
                (*t)(i) = (*t)(i - 1);
        for (Tabla<double>* t : tablas)
            (*t)(nuevo) = 0.0;
        if (conLaboratorio) {
            for (int i = n; i > nuevo; --i)
                p.NumeroPuntosLab(i) = p.NumeroPuntosLab(i - 1);
            p.NumeroPuntosLab(nuevo) = 0;
            BajarFilas(p.Sigma1Lab, nuevo, n);
            BajarFilas(p.Sigma3Lab, nuevo, n);
        }
    }
    p.EstratoInsertado = false;
    for (int i = 1; i <= n; ++i)
        vacia[static_cast<std::size_t>(i)] =
            caracterizados <= 0 || (hayNuevo && (i == nuevo || i > caracterizados + 1));
    return vacia;
}

// ---------------------------------------------------------------------------------------------

Form10::Form10(Proyecto& proyecto, Interaccion& interaccion, int posicionNuevoEstrato,
               QWidget* padre)
    : DialogoActivable(padre), proyecto_(proyecto), interaccion_(interaccion),
      posicionNuevoEstrato_(posicionNuevoEstrato)
{
    setObjectName("Form10");
    setWindowTitle(textos::TituloForm10);
    setModal(true);
    AbrirLaboratorio = [this] {
        Form16 dialogo(proyecto_, interaccion_, posicionNuevoEstrato_, this);
        dialogo.exec();
    };

    lista_ = CrearLista(this, "CaracterísticasEstratosEnRoca",
                        {"Estrato", "m_intacta", "GSI", "m_macizo", "s_macizo", "Pesohúmedo",
                         "Pesosaturado", "C_Simple"});
    lista_->setMinimumHeight(160);

    // Los cuadros en el orden de las columnas.
    const std::array<const char*, ColumnasEstratoRoca> nombres = {
        "TextoParámetro_m_intacto", "TextoParámetro_GSI",      "TextoParámetro_m",
        "TextoParámetro_s",         "TextoPesoUnitarioHúmedo", "TextoPesoUnitarioSaturado",
        "TextoCompresiónSimple"};
    const std::array<const char*, ColumnasEstratoRoca> etiquetas = {
        textos::EtiquetaMIntacto,        textos::EtiquetaGSI,
        textos::EtiquetaMMacizo,         textos::EtiquetaSMacizo,
        textos::EtiquetaPesoHumedoRoca,  textos::EtiquetaPesoSaturadoRoca,
        textos::EtiquetaCompresionSimple};
    auto* rejilla = new QGridLayout;
    for (int k = 0; k < ColumnasEstratoRoca; ++k) {
        const auto i = static_cast<std::size_t>(k);
        cuadros_[i] = CrearCuadro(this, nombres[i], textos::UsePuntoDecimal);
        auto* etiqueta = CrearEtiqueta(this, etiquetas[i], cuadros_[i]);
        etiqueta->setWordWrap(true);
        etiqueta->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
        rejilla->addWidget(etiqueta, 0, k);
        rejilla->addWidget(cuadros_[i], 1, k);
        rejilla->setColumnStretch(k, 1);
    }
    auto* modificar = CrearBoton(this, "Modificar", textos::BotonModificarAgregar);
    modificar->setDefault(true); // Enter pasa los cuadros a la fila elegida
    rejilla->addWidget(modificar, 1, ColumnasEstratoRoca);

    nota_ = new QLabel(this);
    nota_->setObjectName("NotaModo");
    nota_->setWordWrap(true);
    auto* unidades = CrearEtiqueta(this, textos::NotaUnidadesRoca);
    unidades->setObjectName("Notas");
    unidades->setWordWrap(true);

    auto* aceptar = CrearBoton(this, "BotónAceptar", textos::BotonAceptarDialogo);
    auto* cancelar = CrearBoton(this, "BotónCancelar", textos::BotonCancelarDialogo);
    auto* botones = FilaDeBotones({aceptar, cancelar});

    auto* todo = new QVBoxLayout(this);
    todo->addWidget(lista_, 1);
    todo->addLayout(rejilla);
    todo->addWidget(nota_);
    todo->addWidget(unidades);
    todo->addLayout(botones);
    resize(900, 480);

    QList<QWidget*> tabulacion = {lista_};
    for (QLineEdit* cuadro : cuadros_)
        tabulacion.append(cuadro);
    tabulacion << modificar << aceptar << cancelar;
    OrdenDeTabulacion(tabulacion);

    connect(modificar, &QPushButton::clicked, this, &Form10::ModificarClic);
    connect(aceptar, &QPushButton::clicked, this, &Form10::AceptarClic);
    connect(cancelar, &QPushButton::clicked, this, &Form10::reject);
    connect(lista_, &QTreeWidget::itemClicked, this, &Form10::FilaClic);
    connect(lista_, &QTreeWidget::itemActivated, this, &Form10::FilaClic);
}

void Form10::Activar()
{
    Proyecto& p = proyecto_;
    modo_ = ModoMs::Escritos;
    cambiado_ = false;
    filaPulsada_ = -1;

    // 1-2. Una fila por estrato, con los valores del proyecto.
    const std::vector<bool> vacia = AjustarTablasDeRoca(p, posicionNuevoEstrato_);
    p.CambioNumeroEstratos = false;
    const auto tablas = TablasRoca(p);
    lista_->clear();
    for (int i = 1; i <= p.NumeroDeEstratos(); ++i) {
        QStringList textos = {QString::number(i)};
        for (int k = 0; k < ColumnasEstratoRoca; ++k)
            textos << (vacia[static_cast<std::size_t>(i)]
                           ? QString()
                           : QString::fromStdString(
                                 TextoDelProyecto(k, (*tablas[static_cast<std::size_t>(k)])(i))));
        InsertarFila(lista_, i - 1, textos);
    }

    // 3-4. Datos de laboratorio para estimar m y s.
    if (!p.HayDatosLaboratorio && p.RocaCaracterizada) {
        if (interaccion_.Pregunta(textos::PreguntaLaboratorioConMsDefinidos)) {
            AbrirLaboratorio();
            EscribirMsDelProyecto();
        }
    } else if (p.HayDatosLaboratorio && !p.MsDeLaboratorio) {
        if (interaccion_.Pregunta(textos::PreguntaLaboratorioNuevamente)) {
            AbrirLaboratorio();
            EscribirMsDelProyecto();
        }
    }

    // 5-7. Sin m y s recién ajustados, ¿se calculan a partir de mi y GSI?
    if (!p.MsDeLaboratorio) {
        if (!p.RocaCaracterizada) {
            if (interaccion_.Pregunta(textos::PreguntaCalcularMsConGSI)) modo_ = ModoMs::DesdeGSI;
        } else if (interaccion_.Pregunta(textos::PreguntaRecalcularMsConGSI)) {
            modo_ = ModoMs::DesdeGSI;
            RecalcularMsDeLasFilas();
        }
    }

    // 8.
    for (QLineEdit* cuadro : cuadros_)
        cuadro->clear();
    MostrarModo();
}

void Form10::EscribirMsDelProyecto()
{
    const Proyecto& p = proyecto_;
    for (int i = 1; i <= lista_->topLevelItemCount() && i <= p.ParametroM.Tamano() &&
                    i <= p.ParametroS.Tamano();
         ++i) {
        QTreeWidgetItem* fila = lista_->topLevelItem(i - 1);
        fila->setText(DatoM + 1, QString::fromStdString(Formato(p.ParametroM(i), FormatoM)));
        fila->setText(DatoS + 1, QString::fromStdString(Formato(p.ParametroS(i), FormatoS)));
    }
}

void Form10::RecalcularMsDeLasFilas()
{
    // m y s de cada fila con datos, a partir de su mi y su GSI; el proyecto no cambia hasta
    // Aceptar, que los calcula de nuevo desde los valores guardados.
    const Proyecto& p = proyecto_;
    for (int i = 1; i <= lista_->topLevelItemCount(); ++i) {
        QTreeWidgetItem* fila = lista_->topLevelItem(i - 1);
        if (fila->text(DatoMIntacto + 1).isEmpty()) continue;
        const double mi = p.ParametroMIntacto(i);
        const double gsi = p.IndiceGSI(i);
        fila->setText(DatoM + 1,
                      QString::fromStdString(Formato(ParametroMMacizo(mi, gsi), FormatoM)));
        fila->setText(DatoS + 1, QString::fromStdString(Formato(ParametroSMacizo(gsi), FormatoS)));
    }
}

void Form10::MostrarModo()
{
    const bool laboratorio = proyecto_.MsDeLaboratorio;
    nota_->setText(laboratorio                 ? textos::NotaMsDeLaboratorio
                   : modo_ == ModoMs::DesdeGSI ? textos::NotaMsDeGSI
                                               : textos::NotaMsEscritos);
    // m y s sólo se escriben en su modo.
    const bool escritos = !laboratorio && modo_ == ModoMs::Escritos;
    cuadros_[DatoM]->setEnabled(escritos);
    cuadros_[DatoS]->setEnabled(escritos);
}

void Form10::FilaClic(QTreeWidgetItem* elemento)
{
    const int fila = FilaDe(lista_, elemento);
    if (fila < 0) return;
    filaPulsada_ = fila;
    for (int k = 0; k < ColumnasEstratoRoca; ++k) {
        QLineEdit* cuadro = cuadros_[static_cast<std::size_t>(k)];
        if (k == DatoM || k == DatoS) {
            if (proyecto_.MsDeLaboratorio) continue;
            if (modo_ == ModoMs::DesdeGSI) {
                cuadro->clear();
                continue;
            }
        }
        PonerTexto(cuadro, Celda(lista_, fila, k + 1));
    }
}

ValoresEstratoRoca Form10::Cuadros() const
{
    ValoresEstratoRoca valores;
    for (std::size_t k = 0; k < valores.size(); ++k)
        valores[k] = TextoDe(cuadros_[k]);
    return valores;
}

std::vector<ValoresEstratoRoca> Form10::Filas() const
{
    std::vector<ValoresEstratoRoca> filas;
    for (int fila = 0; fila < lista_->topLevelItemCount(); ++fila) {
        ValoresEstratoRoca valores;
        for (int k = 0; k < ColumnasEstratoRoca; ++k)
            valores[static_cast<std::size_t>(k)] = Celda(lista_, fila, k + 1);
        filas.push_back(valores);
    }
    return filas;
}

void Form10::ModificarClic()
{
    const bool laboratorio = proyecto_.MsDeLaboratorio;
    const ResultadoEstratoRoca r = ComprobarEstratoRoca(Cuadros(), modo_, laboratorio);
    if (r.fallo) {
        MostrarFallo(interaccion_, *r.fallo);
        return;
    }
    if (filaPulsada_ < 0 || filaPulsada_ >= lista_->topLevelItemCount()) return;
    QTreeWidgetItem* elemento = lista_->topLevelItem(filaPulsada_);
    for (int k = 0; k < ColumnasEstratoRoca; ++k) {
        if (laboratorio && (k == DatoM || k == DatoS)) continue;
        elemento->setText(k + 1, QString::fromStdString(r.celdas[static_cast<std::size_t>(k)]));
    }
    cambiado_ = true;
}

void Form10::AceptarClic()
{
    Proyecto& p = proyecto_;
    const bool laboratorio = p.MsDeLaboratorio;
    const std::vector<ValoresEstratoRoca> filas = Filas();
    if (const auto fallo = ComprobarFilasRoca(filas, modo_, laboratorio)) {
        MostrarFallo(interaccion_, *fallo);
        return;
    }
    // Los valores se leen de las celdas, con el redondeo con que se muestran; en el modo del GSI
    // m y s se calculan de nuevo con mi y GSI ya guardados.
    const int n = static_cast<int>(filas.size());
    const auto tablas = TablasRoca(p);
    for (Tabla<double>* t : tablas)
        t->Redimensionar(n);
    for (int i = 1; i <= n; ++i) {
        for (int k = 0; k < ColumnasEstratoRoca; ++k)
            (*tablas[static_cast<std::size_t>(k)])(i) =
                Val(filas[static_cast<std::size_t>(i - 1)][static_cast<std::size_t>(k)]);
        if (!laboratorio && modo_ == ModoMs::DesdeGSI) {
            p.ParametroM(i) = ParametroMMacizo(p.ParametroMIntacto(i), p.IndiceGSI(i));
            p.ParametroS(i) = ParametroSMacizo(p.IndiceGSI(i));
        }
    }
    [[maybe_unused]] const int sinDatos = EstimarMohrCoulombDeLosMacizos(p);
    assert(sinDatos == 0 && "las filas ya se comprobaron");
    p.RocaCaracterizada = true;
    p.EstratosConCaracteristicas = true;
    p.EstratosCaracterizados = static_cast<Entero16>(n);
    p.MsDeLaboratorio = false;
    p.DatosGuardados = false;
    cambiado_ = false;
    accept();
}

void Form10::reject()
{
    Proyecto& p = proyecto_;
    if (p.EstratosCaracterizados != p.NumeroDeEstratos()) p.CambioNumeroEstratos = true;
    if (cambiado_ && interaccion_.Pregunta(textos::PreguntaArchivarEstratos)) return;
    p.MsDeLaboratorio = false;
    cambiado_ = false;
    QDialog::reject();
}

} // namespace vertana
