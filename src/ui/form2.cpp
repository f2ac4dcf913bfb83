#include "ui/form2.h"

#include "geometry/centro_circulo.h"
#include "geometry/grieta.h"
#include "io/codigos.h"
#include "io/items.h"
#include "model/interaccion.h"
#include "model/numeros.h"
#include "model/textos.h"
#include "model/validacion.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMetaObject>
#include <QPushButton>
#include <QVBoxLayout>
#include <cmath>

namespace vertana {
namespace {

constexpr double MinimoDovelas = 2.0; // el número de dovelas debe superar este valor
constexpr char Blanco[] = " ";        // cuadros de partida de µ1, µ2 y FS
constexpr char FormatoCuerda[] = "#0.00";

std::string TextoNumero(double valor)
{
    return RealParaArchivo(valor);
}

} // namespace

ResultadoForm2 ValidarForm2(const Proyecto& p, const EntradaForm2& e, Interaccion& interaccion)
{
    ResultadoForm2 r;
    ValoresForm2& v = r.valores;
    auto rechazo = [&r](const std::string& texto, const char* titulo = "") {
        r.fallo = Fallo{texto, titulo};
        return r;
    };

    // 1. Tipo de material.
    const std::optional<Material> material = MaterialDeLetra(Mayusculas(e.SueloRoca));
    if (!material) return rechazo(textos::DebeIndicarSueloORoca);
    const bool suelo = *material == Material::Suelo;
    v.SueloRoca = *material;

    // 2. Método.
    const std::optional<double> metodoEscrito = NumeroDe(e.MetodoDeCalculo);
    if (!metodoEscrito) return rechazo(textos::MetodoNoNumerico);
    auto esMetodo = [&](Metodo m) { return *metodoEscrito == Codigo(m); };
    if (!esMetodo(Metodo::Variacional) && !esMetodo(Metodo::Bishop) &&
        !esMetodo(Metodo::Fellenius) && !esMetodo(Metodo::Janbu))
        return rechazo(textos::MetodoFueraDeRango);
    const Metodo metodo = static_cast<Metodo>(static_cast<Entero16>(*metodoEscrito));
    v.MetodoDeCalculo = metodo;

    // 3. El método variacional en suelos pide estratos cohesivos y friccionantes.
    if (metodo == Metodo::Variacional && suelo &&
        !interaccion.Pregunta(textos::PreguntaLeshchinskyCohesivos))
        return rechazo(textos::UseJanbuOBishop);

    // 4. Parámetros instantáneos: fuera de 1, 2 y 3 no hay.
    const std::optional<double> instantaneos = NumeroDe(e.DefinicionParametrosInstantaneos);
    DefinicionInstantaneos definicion = DefinicionInstantaneos::SinDefinir;
    for (DefinicionInstantaneos d :
         {DefinicionInstantaneos::Puntuales, DefinicionInstantaneos::EntrePuntos,
          DefinicionInstantaneos::PorPantalla})
        if (instantaneos && *instantaneos == Codigo(d)) definicion = d;
    v.DefinicionParametrosInstantaneos = definicion;
    if (definicion != DefinicionInstantaneos::PorPantalla && !suelo) {
        if (metodo == Metodo::Bishop) return rechazo(textos::BishopNoAplicaEnRoca);
        if (metodo == Metodo::Fellenius) return rechazo(textos::FelleniusNoAplicaEnRoca);
    }

    // 5. Valores de partida de las iteraciones.
    if (metodo == Metodo::Variacional) {
        if (!NumeroDe(e.MultiplicadorLagrange1))
            return rechazo(textos::PrimerMultiplicadorNoNumerico);
        if (!NumeroDe(e.MultiplicadorLagrange2))
            return rechazo(textos::SegundoMultiplicadorNoNumerico);
        const std::optional<double> fs = NumeroDe(e.FSInicial);
        if (!fs) return rechazo(textos::FSNoNumerico);
        if (!(*fs > 0)) return rechazo(textos::FSNoPositivo);
        if (suelo && !NumeroDe(e.EsfuerzoInicialCresta))
            return rechazo(textos::EsfuerzoInicialNoNumerico);
    } else if (metodo == Metodo::Bishop || metodo == Metodo::Janbu) {
        if (!(Val(e.FSInicial) > 0)) return rechazo(textos::FSNoPositivo);
    }
    v.MultiplicadorLagrange1 = Val(e.MultiplicadorLagrange1);
    v.MultiplicadorLagrange2 = Val(e.MultiplicadorLagrange2);
    v.FSInicial = Val(e.FSInicial);
    v.EsfuerzoInicialCresta = suelo ? Val(e.EsfuerzoInicialCresta) : 0.0;

    // 6. Datos del círculo.
    const bool circuloUnico = EsCirculoUnico(p);
    if (!circuloUnico) {
        if (Val(e.RadioCirculoFalla) > 0) {
            interaccion.Mensaje(textos::RadioNoSeConsidera);
            v.RadioACero = true;
        }
    } else {
        if (!(Val(e.RadioCirculoFalla) > 0)) return rechazo(textos::RadioNoPositivo);
        const std::optional<double> radio = NumeroDe(e.RadioCirculoFalla);
        if (!radio) return rechazo(textos::RadioNoNumerico);
        if (p.NumeroCoordenadasFalla() < 2 || p.AbscisasFalla.Tamano() < 2 ||
            p.OrdenadasFalla.Tamano() < 2)
            return rechazo(textos::CirculoSinDosPuntos);
        const double x1 = p.AbscisasFalla(1), y1 = p.OrdenadasFalla(1);
        const double x2 = p.AbscisasFalla(2), y2 = p.OrdenadasFalla(2);
        const double cuerda = CuerdaEntre(x1, y1, x2, y2);
        const CentroCirculo centro = ConstruirCentroCirculo(x1, y1, x2, y2, *radio);
        if (cuerda / 2.0 > *radio) {
            r.CuerdaMostrada = cuerda;
            return rechazo(textos::RadioMenorQueMediaCuerda);
        }
        if (!centro.valido) return rechazo(textos::RadioNoNumerico);
        v.Circulo = CirculoForm2{centro.radio, cuerda, centro.xo, centro.yo};
        if (metodo == Metodo::Bishop) {
            v.VariaElRadioSN = SiNoDeLetra(Mayusculas(e.VariaElRadio));
            if (!v.VariaElRadioSN) return rechazo(textos::VariaElRadioNoSN);
        }
    }

    // 7. Coeficientes sísmicos y número de dovelas.
    const std::optional<double> kh = NumeroDe(e.CoeficienteSismicoHorizontal);
    if (!kh) return rechazo(textos::SismicoHorizontalNoNumerico);
    const std::optional<double> kv = NumeroDe(e.CoeficienteSismicoVertical);
    if (!kv) return rechazo(textos::SismicoVerticalNoNumerico);
    const std::optional<double> dovelas = NumeroDe(e.NumeroDovelas);
    if (!dovelas) return rechazo(textos::DovelasNoNumerico);
    if (!EsEntero(*dovelas) || !(*dovelas > MinimoDovelas))
        return rechazo(textos::DovelasNoRazonable);
    // Los rangos de la validación del proyecto (model/validacion.h): |kh| < 1, kv > −1, como
    // mucho MaximoNumeroDovelas dovelas.
    if (const auto sismo = ProblemaSismo(*kh, *kv)) return rechazo(*sismo);
    if (const auto numero = ProblemaNumeroDovelas(*dovelas)) return rechazo(*numero);
    v.CoeficienteSismicoHorizontal = *kh;
    v.CoeficienteSismicoVertical = *kv;
    v.NumeroDovelas = *dovelas;

    // 8. Puntos de la grieta.
    const std::optional<double> xg1 = NumeroDe(e.AbscisaPrimerPuntoGrieta);
    if (!xg1) return rechazo(textos::GrietaNoNumerica, textos::TituloAbscisaPrimerPuntoGrieta);
    const std::optional<double> yg1 = NumeroDe(e.OrdenadaPrimerPuntoGrieta);
    if (!yg1) return rechazo(textos::GrietaNoNumerica, textos::TituloOrdenadaPrimerPuntoGrieta);
    const std::optional<double> xg2 = NumeroDe(e.AbscisaSegundoPuntoGrieta);
    if (!xg2) return rechazo(textos::GrietaNoNumerica, textos::TituloAbscisaSegundoPuntoGrieta);
    const std::optional<double> yg2 = NumeroDe(e.OrdenadaSegundoPuntoGrieta);
    if (!yg2) return rechazo(textos::GrietaNoNumerica, textos::TituloOrdenadaSegundoPuntoGrieta);

    // 9. El segundo punto de la grieta está abajo y a la izquierda del primero.
    if (*yg1 < *yg2)
        return rechazo(textos::SegundaOrdenadaGrietaMayor, textos::TituloComparacionOrdenadas);
    if (*xg1 < *xg2)
        return rechazo(textos::SegundaAbscisaGrietaMayor, textos::TituloComparacionAbscisas);

    // 10. Nivel del agua en la grieta.
    const std::optional<double> xw = NumeroDe(e.AbscisaNivelFreaticoGrieta);
    if (!xw) return rechazo(textos::GrietaNoNumerica, textos::TituloAbscisaNivelFreaticoGrieta);
    const std::optional<double> yw = NumeroDe(e.OrdenadaNivelFreaticoGrieta);
    if (!yw) return rechazo(textos::GrietaNoNumerica, textos::TituloOrdenadaNivelFreaticoGrieta);
    if (*yg2 > 0 && *yw > 0 && *yw < *yg2)
        return rechazo(textos::NivelFreaticoBajoGrieta, textos::TituloComparacionOrdenadas);
    if (*yg1 > 0 && *yw > 0) {
        if (*yw > *yg1)
            return rechazo(textos::NivelFreaticoSobreGrieta, textos::TituloComparacionOrdenadas);
        if (*xw != *xg2)
            return rechazo(textos::AbscisaNivelFreaticoGrieta, textos::TituloComparacionAbscisas);
    }
    v.AbscisaPrimerPuntoGrieta = *xg1;
    v.OrdenadaPrimerPuntoGrieta = *yg1;
    v.AbscisaSegundoPuntoGrieta = *xg2;
    v.OrdenadaSegundoPuntoGrieta = *yg2;
    v.AbscisaNivelFreaticoGrieta = *xw;
    v.OrdenadaNivelFreaticoGrieta = *yw;

    // 12. Método frente a los parámetros instantáneos.
    if (!suelo && metodo == Metodo::Fellenius)
        return rechazo(textos::FelleniusNoAplicaEnRocas, textos::TituloParaSuelos);
    if (suelo && metodo == Metodo::Fellenius && definicion != DefinicionInstantaneos::SinDefinir)
        return rechazo(textos::FelleniusSinInstantaneos, textos::TituloParametrosInstantaneosForm2);
    if (metodo == Metodo::Bishop && definicion == DefinicionInstantaneos::Puntuales)
        return rechazo(textos::BishopSinInstantaneosCaso1,
                       textos::TituloParametrosInstantaneosForm2);
    if (metodo == Metodo::Janbu && definicion == DefinicionInstantaneos::Puntuales)
        return rechazo(textos::JanbuSinInstantaneosCaso1,
                       textos::TituloParametrosInstantaneosForm2);

    // 13. Una grieta con profundidad nace en el primer punto de la superficie de falla.
    if (*yg2 < *yg1) {
        const bool coincide = p.NumeroCoordenadasFalla() >= 1 && p.AbscisasFalla.Tamano() >= 1 &&
                              p.OrdenadasFalla.Tamano() >= 1 && *xg2 == p.AbscisasFalla(1) &&
                              *yg2 == p.OrdenadasFalla(1);
        if (!coincide) return rechazo(textos::GrietaFueraDeLaFalla, textos::TituloOjoPelao);
    }

    // 14. Empuje del agua en la grieta.
    v.AlturaAguaGrieta = TerminoAguaGrieta(*yg1, *yg2, *yw);

    // 15. Centro guardado.
    if (v.Circulo) {
        v.CentroCirculoXGuardado = v.Circulo->CentroCirculoX;
        v.CentroCirculoYGuardado = v.Circulo->CentroCirculoY;
    } else {
        const int n = p.NumeroCoordenadasTalud();
        if (n >= 1 && p.AbscisasTalud.Tamano() >= n && p.OrdenadasTalud.Tamano() >= n) {
            v.CentroCirculoXGuardado = (p.AbscisasTalud(1) - p.AbscisasTalud(n)) / 2.0;
            v.CentroCirculoYGuardado = (p.OrdenadasTalud(1) - p.OrdenadasTalud(n)) / 2.0;
        }
    }
    return r;
}

void AplicarForm2(Proyecto& p, const ValoresForm2& v)
{
    p.SueloRoca = v.SueloRoca;
    p.MetodoDeCalculo = v.MetodoDeCalculo;
    p.MultiplicadorLagrange1 = v.MultiplicadorLagrange1;
    p.MultiplicadorLagrange2 = v.MultiplicadorLagrange2;
    p.FSInicial = v.FSInicial;
    p.EsfuerzoInicialCresta = v.EsfuerzoInicialCresta;
    p.NumeroDovelas = v.NumeroDovelas;
    p.CoeficienteSismicoHorizontal = v.CoeficienteSismicoHorizontal;
    p.CoeficienteSismicoVertical = v.CoeficienteSismicoVertical;
    p.AbscisaPrimerPuntoGrieta = v.AbscisaPrimerPuntoGrieta;
    p.OrdenadaPrimerPuntoGrieta = v.OrdenadaPrimerPuntoGrieta;
    p.AbscisaSegundoPuntoGrieta = v.AbscisaSegundoPuntoGrieta;
    p.OrdenadaSegundoPuntoGrieta = v.OrdenadaSegundoPuntoGrieta;
    p.AbscisaNivelFreaticoGrieta = v.AbscisaNivelFreaticoGrieta;
    p.OrdenadaNivelFreaticoGrieta = v.OrdenadaNivelFreaticoGrieta;
    p.AlturaAguaGrieta = v.AlturaAguaGrieta;
    p.DefinicionParametrosInstantaneos = v.DefinicionParametrosInstantaneos;
    if (v.RadioACero) p.RadioCirculoFalla = 0.0;
    if (v.Circulo) {
        p.RadioCirculoFalla = v.Circulo->RadioCirculoFalla;
        p.CuerdaCirculo = v.Circulo->CuerdaCirculo;
    } else {
        p.CuerdaCirculo = 0.0; // sólo un círculo único tiene cuerda
    }
    if (v.VariaElRadioSN) {
        p.VariaElRadioSN = v.VariaElRadioSN;
        p.VariaElRadio = *v.VariaElRadioSN;
    }
    p.CentroCirculoXGuardado = v.CentroCirculoXGuardado;
    p.CentroCirculoYGuardado = v.CentroCirculoYGuardado;
    p.CentroCirculoX = v.CentroCirculoXGuardado;
    p.CentroCirculoY = v.CentroCirculoYGuardado;
    p.DatosGuardados = false;
    p.ParametrosIntroducidos = true;
}

EntradaForm2 EntradaDesdeProyecto(const Proyecto& p)
{
    EntradaForm2 e;
    e.SueloRoca = LetraDeMaterial(p.SueloRoca);
    e.MetodoDeCalculo = std::to_string(Codigo(p.MetodoDeCalculo));
    e.MultiplicadorLagrange1 = TextoNumero(p.MultiplicadorLagrange1);
    e.MultiplicadorLagrange2 = TextoNumero(p.MultiplicadorLagrange2);
    e.FSInicial = TextoNumero(p.FSInicial);
    e.EsfuerzoInicialCresta = TextoNumero(p.EsfuerzoInicialCresta);
    e.RadioCirculoFalla = TextoNumero(p.RadioCirculoFalla);
    if (EsCirculoUnico(p) && p.CuerdaCirculo > 0)
        e.DeLaCuerda = Formato(p.CuerdaCirculo, FormatoCuerda);
    e.VariaElRadio = p.VariaElRadioSN ? LetraSiNo(*p.VariaElRadioSN) : "";
    e.CoeficienteSismicoHorizontal = TextoNumero(p.CoeficienteSismicoHorizontal);
    e.CoeficienteSismicoVertical = TextoNumero(p.CoeficienteSismicoVertical);
    e.NumeroDovelas = TextoNumero(p.NumeroDovelas);
    e.DefinicionParametrosInstantaneos = std::to_string(Codigo(p.DefinicionParametrosInstantaneos));
    e.AbscisaPrimerPuntoGrieta = TextoNumero(p.AbscisaPrimerPuntoGrieta);
    e.OrdenadaPrimerPuntoGrieta = TextoNumero(p.OrdenadaPrimerPuntoGrieta);
    e.AbscisaSegundoPuntoGrieta = TextoNumero(p.AbscisaSegundoPuntoGrieta);
    e.OrdenadaSegundoPuntoGrieta = TextoNumero(p.OrdenadaSegundoPuntoGrieta);
    e.AbscisaNivelFreaticoGrieta = TextoNumero(p.AbscisaNivelFreaticoGrieta);
    e.OrdenadaNivelFreaticoGrieta = TextoNumero(p.OrdenadaNivelFreaticoGrieta);
    return e;
}

Form2::Form2(Proyecto& proyecto, Interaccion& interaccion, QWidget* padre)
    : DialogoActivable(padre), proyecto_(proyecto), interaccion_(interaccion)
{
    setObjectName("Form2");
    setWindowTitle(textos::TituloForm2);
    setModal(true);
    const QString decimales = textos::UsePuntoDecimal;

    // Cuadros de texto; el orden de tabulación se fija más abajo.
    sueloRoca_ = CrearCuadro(this, "TextoSueloRoca", "S: suelos.  R: macizos rocosos.");
    metodo_ = CrearCuadro(this, "TextoMétodoDeCálculo");
    mu1_ = CrearCuadro(this, "TextoMultiplicadorLagrange1", textos::AyudaMultiplicadorLagrange1);
    mu2_ = CrearCuadro(this, "TextoMultiplicadorLagrange2", textos::AyudaMultiplicadorLagrange2);
    fs_ = CrearCuadro(this, "TextoFSInicial", decimales);
    esfuerzo_ = CrearCuadro(this, "TextoEsfuerzoInicialCresta", textos::AyudaEsfuerzoInicialCresta);
    kh_ = CrearCuadro(this, "TextoCoeficienteSísmicoHorizontal",
                      textos::AyudaCoeficienteSismicoHorizontal);
    kv_ = CrearCuadro(this, "TextoCoeficienteSísmicoVertical",
                      textos::AyudaCoeficienteSismicoVertical);
    dovelas_ = CrearCuadro(this, "TextoNúmeroDovelas");
    instantaneos_ = CrearCuadro(this, "TextoDefiniciónDeParámetrosInstantáneos");
    radio_ = CrearCuadro(this, "TextoRadioCírculoFalla", textos::AyudaRadioCirculoFalla);
    cuerda_ = CrearCuadro(this, "TextoDeLaCuerda");
    cuerda_->setReadOnly(true);
    cuerda_->setFocusPolicy(Qt::NoFocus);
    variaRadio_ = CrearCuadro(this, "TextoVaríaElRadio");
    xGrieta1_ = CrearCuadro(this, "TextoAbscisaPrimerPuntoGrieta", decimales);
    yGrieta1_ = CrearCuadro(this, "TextoOrdenadaPrimerPuntoGrieta", decimales);
    xGrieta2_ = CrearCuadro(this, "TextoAbscisaSegundoPuntoGrieta", decimales);
    yGrieta2_ = CrearCuadro(this, "TextoOrdenadaSegundoPuntoGrieta", decimales);
    xAgua_ = CrearCuadro(this, "TextoAbscisaNivelFreáticoGrieta", decimales);
    yAgua_ = CrearCuadro(this, "TextoOrdenadaNivelFreáticoGrieta", decimales);
    constexpr int AnchoCuadro = 90;      // px de un cuadro numérico
    constexpr int AnchoCuadroCorto = 50; // px de un cuadro de una letra o un entero
    for (QLineEdit* cuadro : findChildren<QLineEdit*>())
        cuadro->setFixedWidth(AnchoCuadro);
    for (QLineEdit* cuadro : {sueloRoca_, metodo_, variaRadio_, dovelas_, instantaneos_})
        cuadro->setFixedWidth(AnchoCuadroCorto);

    // Columna izquierda: material, método, valores de partida, sismo y dovelas.
    auto* generales = new QGridLayout;
    int fila = 0;
    auto renglon = [this, &fila](QGridLayout* rejilla, const char* etiqueta, QLineEdit* cuadro) {
        rejilla->addWidget(CrearEtiqueta(this, etiqueta, cuadro), fila, 0);
        rejilla->addWidget(cuadro, fila, 1);
        ++fila;
    };
    renglon(generales, textos::EtiquetaSueloRoca, sueloRoca_);
    renglon(generales, textos::EtiquetaMetodoDeCalculo, metodo_);
    generales->addWidget(CrearEtiqueta(this, textos::LeyendaMetodo1), fila++, 0, 1, 2);
    generales->addWidget(CrearEtiqueta(this, textos::LeyendaMetodos2a4), fila++, 0, 1, 2);
    renglon(generales, textos::EtiquetaMultiplicadorLagrange1, mu1_);
    renglon(generales, textos::EtiquetaMultiplicadorLagrange2, mu2_);
    renglon(generales, textos::EtiquetaFSInicial, fs_);
    renglon(generales, textos::EtiquetaEsfuerzoInicialCresta, esfuerzo_);
    renglon(generales, textos::EtiquetaCoeficienteSismicoHorizontal, kh_);
    renglon(generales, textos::EtiquetaCoeficienteSismicoVertical, kv_);
    renglon(generales, textos::EtiquetaNumeroDovelas, dovelas_);
    auto* etiquetaInstantaneos =
        CrearEtiqueta(this, textos::EtiquetaParametrosInstantaneos, instantaneos_);
    etiquetaInstantaneos->setWordWrap(true);
    generales->addWidget(etiquetaInstantaneos, fila, 0);
    generales->addWidget(instantaneos_, fila++, 1);
    generales->setRowStretch(fila, 1);

    // Columna derecha: círculo, grieta y agua en la grieta.
    auto* marcoCirculo = new QGroupBox(textos::MarcoSuperficieCircular, this);
    auto* rejillaCirculo = new QGridLayout(marcoCirculo);
    fila = 0;
    renglon(rejillaCirculo, textos::EtiquetaRadioCirculoFalla, radio_);
    renglon(rejillaCirculo, textos::EtiquetaDeLaCuerda, cuerda_);
    renglon(rejillaCirculo, textos::EtiquetaVariaElRadio, variaRadio_);

    auto* marcoGrieta = new QGroupBox(textos::MarcoGrieta, this);
    auto* rejillaGrieta = new QGridLayout(marcoGrieta);
    fila = 0;
    renglon(rejillaGrieta, textos::EtiquetaAbscisaPrimerPuntoGrieta, xGrieta1_);
    renglon(rejillaGrieta, textos::EtiquetaOrdenadaPrimerPuntoGrieta, yGrieta1_);
    renglon(rejillaGrieta, textos::EtiquetaAbscisaSegundoPuntoGrieta, xGrieta2_);
    renglon(rejillaGrieta, textos::EtiquetaOrdenadaSegundoPuntoGrieta, yGrieta2_);

    auto* marcoAgua = new QGroupBox(textos::MarcoNivelFreaticoGrieta, this);
    auto* rejillaAgua = new QGridLayout(marcoAgua);
    fila = 0;
    renglon(rejillaAgua, textos::EtiquetaAbscisaNivelFreaticoGrieta, xAgua_);
    renglon(rejillaAgua, textos::EtiquetaOrdenadaNivelFreaticoGrieta, yAgua_);

    auto* derecha = new QVBoxLayout;
    derecha->addWidget(marcoCirculo);
    derecha->addWidget(marcoGrieta);
    derecha->addWidget(marcoAgua);
    derecha->addStretch(1);

    auto* columnas = new QHBoxLayout;
    columnas->addLayout(generales, 1);
    columnas->addSpacing(16);
    columnas->addLayout(derecha, 1);

    auto* aceptar = CrearBoton(this, "Aceptar", textos::BotonAceptarDialogo);
    auto* salir = CrearBoton(this, "Cancelar", textos::BotonSalirDialogo);
    aceptar->setDefault(true);
    auto* botones = FilaDeBotones({aceptar, salir});

    auto* todo = new QVBoxLayout(this);
    todo->addLayout(columnas);
    todo->addLayout(botones);

    // Orden de tabulación: primero la columna izquierda, luego la derecha, luego los botones.
    const QList<QWidget*> tabulacion = {
        sueloRoca_, metodo_,   mu1_,          mu2_,   fs_,         esfuerzo_, kh_,
        kv_,        dovelas_,  instantaneos_, radio_, variaRadio_, xGrieta1_, yGrieta1_,
        xGrieta2_,  yGrieta2_, xAgua_,        yAgua_, aceptar,     salir};
    OrdenDeTabulacion(tabulacion);

    connect(aceptar, &QPushButton::clicked, this, &Form2::AceptarClic);
    connect(salir, &QPushButton::clicked, this, &QDialog::reject);
}

void Form2::Activar()
{
    // Los cuadros se llenan ya; los avisos esperan a que el diálogo esté en pantalla. Un aviso
    // dado mientras el diálogo se abre lo dejaba sin pintar y sin su tamaño.
    avisos_.clear();
    if (!proyecto_.TiposDeFallaDefinidos) avisos_.push_back(textos::FaltaGeometriaEntrePuntos);
    if (proyecto_.ParametrosIntroducidos) {
        EntradaForm2 e = EntradaDesdeProyecto(proyecto_);
        if (proyecto_.CuerdaCirculo > 0 &&
            proyecto_.CuerdaCirculo / 2.0 > proyecto_.RadioCirculoFalla) {
            e.DeLaCuerda = Formato(proyecto_.CuerdaCirculo, FormatoCuerda);
            avisos_.push_back(textos::RadioMenorQueMediaCuerda);
        }
        Mostrar(e);
        proyecto_.VariaElRadio = proyecto_.VariaElRadioSN.value_or(false);
    } else {
        EntradaForm2 e;
        e.MultiplicadorLagrange1 = e.MultiplicadorLagrange2 = e.FSInicial = Blanco;
        Mostrar(e);
    }
    if (!avisos_.empty())
        QMetaObject::invokeMethod(this, &Form2::DarAvisosDeActivacion, Qt::QueuedConnection);
}

void Form2::DarAvisosDeActivacion()
{
    if (!isVisible()) return; // cerrado antes de llegar a avisar
    const std::vector<std::string> avisos = std::move(avisos_);
    avisos_.clear();
    for (const std::string& aviso : avisos)
        interaccion_.Mensaje(aviso);
}

void Form2::AceptarClic()
{
    const ResultadoForm2 resultado = ValidarForm2(proyecto_, Entrada(), interaccion_);
    if (resultado.CuerdaMostrada)
        PonerTexto(cuerda_, Formato(*resultado.CuerdaMostrada, FormatoCuerda));
    if (resultado.fallo) {
        MostrarFallo(interaccion_, *resultado.fallo);
        return;
    }
    AplicarForm2(proyecto_, resultado.valores);
    if (resultado.valores.Circulo) {
        PonerTexto(radio_, TextoNumero(proyecto_.RadioCirculoFalla));
        PonerTexto(cuerda_, Formato(proyecto_.CuerdaCirculo, FormatoCuerda));
    }
    accept();
}

EntradaForm2 Form2::Entrada() const
{
    EntradaForm2 e;
    e.SueloRoca = TextoDe(sueloRoca_);
    e.MetodoDeCalculo = TextoDe(metodo_);
    e.MultiplicadorLagrange1 = TextoDe(mu1_);
    e.MultiplicadorLagrange2 = TextoDe(mu2_);
    e.FSInicial = TextoDe(fs_);
    e.EsfuerzoInicialCresta = TextoDe(esfuerzo_);
    e.RadioCirculoFalla = TextoDe(radio_);
    e.DeLaCuerda = TextoDe(cuerda_);
    e.VariaElRadio = TextoDe(variaRadio_);
    e.CoeficienteSismicoHorizontal = TextoDe(kh_);
    e.CoeficienteSismicoVertical = TextoDe(kv_);
    e.NumeroDovelas = TextoDe(dovelas_);
    e.DefinicionParametrosInstantaneos = TextoDe(instantaneos_);
    e.AbscisaPrimerPuntoGrieta = TextoDe(xGrieta1_);
    e.OrdenadaPrimerPuntoGrieta = TextoDe(yGrieta1_);
    e.AbscisaSegundoPuntoGrieta = TextoDe(xGrieta2_);
    e.OrdenadaSegundoPuntoGrieta = TextoDe(yGrieta2_);
    e.AbscisaNivelFreaticoGrieta = TextoDe(xAgua_);
    e.OrdenadaNivelFreaticoGrieta = TextoDe(yAgua_);
    return e;
}

void Form2::Mostrar(const EntradaForm2& e)
{
    PonerTexto(sueloRoca_, e.SueloRoca);
    PonerTexto(metodo_, e.MetodoDeCalculo);
    PonerTexto(mu1_, e.MultiplicadorLagrange1);
    PonerTexto(mu2_, e.MultiplicadorLagrange2);
    PonerTexto(fs_, e.FSInicial);
    PonerTexto(esfuerzo_, e.EsfuerzoInicialCresta);
    PonerTexto(radio_, e.RadioCirculoFalla);
    PonerTexto(cuerda_, e.DeLaCuerda);
    PonerTexto(variaRadio_, e.VariaElRadio);
    PonerTexto(kh_, e.CoeficienteSismicoHorizontal);
    PonerTexto(kv_, e.CoeficienteSismicoVertical);
    PonerTexto(dovelas_, e.NumeroDovelas);
    PonerTexto(instantaneos_, e.DefinicionParametrosInstantaneos);
    PonerTexto(xGrieta1_, e.AbscisaPrimerPuntoGrieta);
    PonerTexto(yGrieta1_, e.OrdenadaPrimerPuntoGrieta);
    PonerTexto(xGrieta2_, e.AbscisaSegundoPuntoGrieta);
    PonerTexto(yGrieta2_, e.OrdenadaSegundoPuntoGrieta);
    PonerTexto(xAgua_, e.AbscisaNivelFreaticoGrieta);
    PonerTexto(yAgua_, e.OrdenadaNivelFreaticoGrieta);
}

} // namespace vertana
