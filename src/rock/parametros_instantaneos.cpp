#include "rock/parametros_instantaneos.h"

#include "model/textos.h"
#include "model/unidades.h"
#include "rock/hoek_brown.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace vertana {

namespace {

// Dispersión de los esfuerzos de un tramo, relativa a Σσ′², por debajo de la cual se toman como
// iguales (la regresión no tiene pendiente definida).
constexpr double EsfuerzosIgualesRelativo = 1e-12;

// Recta τf = C + T·σ′ de una dovela; `definida` falso si no hubo puntos para trazarla.
struct Recta {
    double T = 0.0;
    double C = 0.0;
    bool definida = false;
};

// Una dovela sin recta conserva su propia cohesión y su tan φ.
void ConservarPropios(const Proyecto& p, const EstadoCalculo& e, std::vector<Recta>& rectas)
{
    for (std::size_t i = 0; i < rectas.size(); ++i) {
        if (rectas[i].definida) continue;
        const int k = static_cast<int>(i) + 1;
        rectas[i] = {e.Dovelas.TangenteFriccionDovela(k), p.CohesionDovela(k), true};
    }
}

// Secante entre las dovelas k y k + 1; no definida si sus esfuerzos son iguales.
Recta Secante(const EstadoCalculo& e, int k)
{
    const double ds = e.EsfuerzoNormalPrevioDovela(k + 1) - e.EsfuerzoNormalPrevioDovela(k);
    const double dt = e.ResistenciaCorteDovela(k + 1) - e.ResistenciaCorteDovela(k);
    if (ds == 0.0) return {};
    const double T = std::fabs(dt / ds);
    if (!std::isfinite(T)) return {};
    return {T, e.ResistenciaCorteDovela(k + 1) - T * e.EsfuerzoNormalPrevioDovela(k + 1), true};
}

// Mismo material en las dovelas a y b: c y φ en suelos, m y s en rocas.
bool MismoMaterial(const Proyecto& p, int a, int b)
{
    if (p.SueloRoca == Material::Roca)
        return p.ParametroMDovela(a) == p.ParametroMDovela(b) &&
               p.ParametroSDovela(a) == p.ParametroSDovela(b);
    return p.CohesionDovela(a) == p.CohesionDovela(b) && p.FriccionDovela(a) == p.FriccionDovela(b);
}

// Regresión de mínimos cuadrados de τf sobre σ′ en las dovelas primera..ultima:
// T = (Σxy − Σx·Σy/r)/(Σx² − (Σx)²/r), C = Σy/r − T·Σx/r, con las sumas centradas en la media
// para no perder cifras cuando los esfuerzos se parecen.
Recta Regresion(const EstadoCalculo& e, int primera, int ultima)
{
    const double r = ultima - primera + 1;
    double mx = 0.0, my = 0.0, escala = 0.0;
    for (int k = primera; k <= ultima; ++k) {
        mx += e.EsfuerzoNormalPrevioDovela(k);
        my += e.ResistenciaCorteDovela(k);
        escala += e.EsfuerzoNormalPrevioDovela(k) * e.EsfuerzoNormalPrevioDovela(k);
    }
    mx /= r;
    my /= r;
    double sxx = 0.0, sxy = 0.0;
    for (int k = primera; k <= ultima; ++k) {
        const double dx = e.EsfuerzoNormalPrevioDovela(k) - mx;
        sxx += dx * dx;
        sxy += dx * (e.ResistenciaCorteDovela(k) - my);
    }
    // Con esfuerzos iguales en todo el tramo no hay recta.
    if (!(sxx > EsfuerzosIgualesRelativo * (1.0 + escala))) return {};
    const double T = sxy / sxx;
    const double C = my - T * mx;
    if (!std::isfinite(T) || !std::isfinite(C)) return {};
    return {T, C, true};
}

void Asignar(Proyecto& p, EstadoCalculo& e, int k, double c, double tangente, double grados)
{
    p.CohesionDovela(k) = c;
    e.Dovelas.TangenteFriccionDovela(k) = tangente;
    p.FriccionDovela(k) = grados;
}

int DovelasDelProyecto(const Proyecto& p)
{
    return p.NumeroPuntosDovelas - 1;
}

// Copia de c, φ y u de cada dovela.
struct CopiaDovelas {
    Tabla<double> c, fi, u;
    bool hay = false;
};

CopiaDovelas Copiar(const Proyecto& p)
{
    CopiaDovelas copia;
    copia.c = p.CohesionDovela;
    copia.fi = p.FriccionDovela;
    copia.u = p.PresionPorosDovela;
    copia.hay = true;
    return copia;
}

// Repone la copia si corresponde a las dovelas actuales; si no, avisa y devuelve falso.
bool Reponer(Proyecto& p, const CopiaDovelas& copia, Interaccion& ui)
{
    if (!copia.hay) return true;
    const int nd = DovelasDelProyecto(p);
    if (copia.c.Tamano() < nd || copia.fi.Tamano() < nd || copia.u.Tamano() < nd) {
        ui.Mensaje(textos::DovelasDistintasDeLasGuardadas, textos::TituloLimiteCalculo);
        return false;
    }
    for (int k = 1; k <= nd; ++k) {
        p.CohesionDovela(k) = copia.c(k);
        p.FriccionDovela(k) = copia.fi(k);
        p.PresionPorosDovela(k) = copia.u(k);
    }
    return true;
}

} // namespace

bool LlenarEsfuerzosPrevios(const Proyecto& p, EstadoCalculo& e)
{
    const int nd = DovelasDelProyecto(p);
    if (nd < 1 || p.NumeroIteraciones < 1 || p.NumeroIteraciones > p.HistoriaFS.Tamano())
        return false;
    const double F = p.HistoriaFS(p.NumeroIteraciones);
    if (!(F > 0.0) || !std::isfinite(F) || p.EsfuerzoTangencialDovela.Tamano() < nd ||
        p.EsfuerzoEfectivoDovela.Tamano() < nd)
        return false;
    e.ResistenciaCorteDovela.Redimensionar(nd);
    e.EsfuerzoNormalPrevioDovela.Redimensionar(nd);
    for (int k = 1; k <= nd; ++k) {
        e.ResistenciaCorteDovela(k) = F * p.EsfuerzoTangencialDovela(k);
        e.EsfuerzoNormalPrevioDovela(k) = p.EsfuerzoEfectivoDovela(k);
    }
    return true;
}

void ParametrosEntrePuntos(Proyecto& p, EstadoCalculo& e)
{
    const int nd = DovelasDelProyecto(p);
    if (nd < 1 || e.ResistenciaCorteDovela.Tamano() < nd ||
        e.EsfuerzoNormalPrevioDovela.Tamano() < nd)
        return;
    std::vector<Recta> rectas(static_cast<std::size_t>(nd));
    auto recta = [&](int k) -> Recta& { return rectas[static_cast<std::size_t>(k - 1)]; };

    if (p.NumeroDeEstratos() <= 1) {
        for (int k = 1; k <= nd - 1; ++k)
            recta(k) = Secante(e, k);
        ConservarPropios(p, e, rectas);
        if (nd == 1) {
            Asignar(p, e, 1, recta(1).C, recta(1).T, Grados(std::atan(recta(1).T)));
            return;
        }
        for (int k = 1; k <= nd; ++k) {
            const Recta& izquierda = recta(k == 1 ? 1 : k - 1);
            const Recta& derecha = recta(k == nd ? nd - 1 : k);
            Asignar(p, e, k, (izquierda.C + derecha.C) / 2.0, (izquierda.T + derecha.T) / 2.0,
                    Grados((std::atan(izquierda.T) + std::atan(derecha.T)) / 2.0));
        }
        return;
    }

    // Dos o más estratos: tramos de dovelas consecutivas del mismo material.
    for (int primera = 1; primera <= nd;) {
        int ultima = primera;
        while (ultima < nd && MismoMaterial(p, ultima + 1, primera))
            ++ultima;
        if (ultima > primera) {
            const Recta r = Regresion(e, primera, ultima);
            for (int k = primera; k <= ultima; ++k)
                recta(k) = r;
        }
        primera = ultima + 1;
    }
    ConservarPropios(p, e, rectas);
    for (int k = 1; k <= nd; ++k)
        Asignar(p, e, k, recta(k).C, recta(k).T, Grados(std::atan(recta(k).T)));
}

void ParametrosPuntuales(Proyecto& p, EstadoCalculo& e)
{
    const int nd = DovelasDelProyecto(p);
    if (nd < 1 || e.ResistenciaCorteDovela.Tamano() < nd ||
        e.EsfuerzoNormalPrevioDovela.Tamano() < nd ||
        p.EsfuerzoPrincipalMayorDovela.Tamano() < nd ||
        p.EsfuerzoPrincipalMenorDovela.Tamano() < nd || p.ParametroMDovela.Tamano() < nd ||
        e.Dovelas.CompresionSimpleDovela.Tamano() < nd)
        return;
    for (int k = 1; k <= nd; ++k) {
        const auto regla = ParametrosPuntualesDeDovela(
            p.EsfuerzoPrincipalMayorDovela(k), p.EsfuerzoPrincipalMenorDovela(k),
            p.ParametroMDovela(k), e.Dovelas.CompresionSimpleDovela(k), e.ResistenciaCorteDovela(k),
            e.EsfuerzoNormalPrevioDovela(k));
        if (!regla || !std::isfinite(regla->Friccion)) continue;
        // tan φ queda como ángulo en radianes: el método la recalcula desde φ antes de usarla.
        Asignar(p, e, k, regla->Cohesion, regla->Friccion, regla->FriccionGrados);
    }
}

void CalcularParametrosInstantaneos(Proyecto& p, EstadoCalculo& e, Interaccion& ui)
{
    const DefinicionInstantaneos definicion = p.DefinicionParametrosInstantaneos;
    if (p.ParametrosInstantaneosCalculados && e.ReutilizarParametrosInstantaneos &&
        definicion != DefinicionInstantaneos::PorPantalla) {
        if (definicion == DefinicionInstantaneos::Puntuales ||
            definicion == DefinicionInstantaneos::EntrePuntos) {
            ui.Mensaje(textos::ParametrosYaObtenidos, textos::TituloNoHayCalculoDeParametros);
            p.ParametrosInstantaneosCalculados = false;
        }
        return;
    }
    switch (definicion) {
    case DefinicionInstantaneos::EntrePuntos:
        ParametrosEntrePuntos(p, e);
        break;
    case DefinicionInstantaneos::Puntuales:
        if (p.SueloRoca == Material::Roca) ParametrosPuntuales(p, e);
        break;
    case DefinicionInstantaneos::PorPantalla: {
        ui.Mensaje(textos::ParametrosPorPantalla, textos::TituloParametrosPorPantalla);
        const ParametrosDeDovelas actuales = ParametrosParaCambiar(p, e);
        if (const auto nuevos = ui.CambioDeParametrosDeResistencia(p, actuales))
            AplicarParametrosDeDovelas(p, e, *nuevos);
        break;
    }
    default:
        break;
    }
}

ParametrosDeDovelas ParametrosParaCambiar(Proyecto& p, EstadoCalculo& e)
{
    const int dovelas = std::max(p.NumeroPuntosDovelas - 1, 0);
    if (!p.ParametrosInstantaneosCalculados) {
        p.CohesionDovela.RedimensionarConservando(dovelas);
        p.FriccionDovela.RedimensionarConservando(dovelas);
        e.Dovelas.TangenteFriccionDovela.RedimensionarConservando(dovelas);
    }
    ParametrosDeDovelas r;
    r.Cohesion = p.CohesionDovela;
    r.Friccion = p.FriccionDovela;
    r.Presion = p.PresionPorosDovela;
    for (Tabla<double>* t : {&r.Cohesion, &r.Friccion, &r.Presion})
        t->RedimensionarConservando(dovelas);
    const DefinicionInstantaneos d = p.DefinicionParametrosInstantaneos;
    r.Definidos = d == DefinicionInstantaneos::Puntuales ||
                  d == DefinicionInstantaneos::EntrePuntos ||
                  d == DefinicionInstantaneos::PorPantalla;
    return r;
}

void AplicarParametrosDeDovelas(Proyecto& p, EstadoCalculo& e, const ParametrosDeDovelas& nuevos)
{
    const int dovelas = nuevos.Dovelas();
    p.CohesionDovela.RedimensionarConservando(dovelas);
    p.FriccionDovela.RedimensionarConservando(dovelas);
    p.PresionPorosDovela.RedimensionarConservando(dovelas);
    Tabla<double>& tangente = e.Dovelas.TangenteFriccionDovela;
    tangente.RedimensionarConservando(dovelas);
    for (int i = 1; i <= dovelas; ++i) {
        p.CohesionDovela(i) = nuevos.Cohesion(i);
        p.FriccionDovela(i) = nuevos.Friccion(i);
        p.PresionPorosDovela(i) = nuevos.Presion(i);
        tangente(i) = std::tan(Radianes(p.FriccionDovela(i)));
    }
    p.DatosGuardados = false;
}

void RecalcularTangentesDeFriccion(const Proyecto& p, EstadoCalculo& e)
{
    const int nd = DovelasDelProyecto(p);
    e.Dovelas.TangenteFriccionDovela.RedimensionarConservando(nd);
    for (int k = 1; k <= nd && k <= p.FriccionDovela.Tamano(); ++k)
        e.Dovelas.TangenteFriccionDovela(k) = std::tan(Radianes(p.FriccionDovela(k)));
}

ResultadoPreparacion PrepararDovelasDelMetodo(Proyecto& p, EstadoCalculo& e, Interaccion& ui,
                                              bool avisoTrasForm18)
{
    if (!p.UsaParametrosInstantaneos) return PrepararCalculo(p, e, ui);

    const DefinicionInstantaneos definicion = p.DefinicionParametrosInstantaneos;
    const bool porPantalla = definicion == DefinicionInstantaneos::PorPantalla;
    const bool entreOPuntual = definicion == DefinicionInstantaneos::Puntuales ||
                               definicion == DefinicionInstantaneos::EntrePuntos;
    const bool guardados = p.ParametrosInstantaneosCalculados;

    // Los c, φ y u leídos con el proyecto, antes de que la preparación los cambie.
    CopiaDovelas copia;
    if (guardados && p.NumeroPuntosDovelas >= 2) copia = Copiar(p);
    // El preámbulo común, salvo con los parámetros por pantalla sobre dovelas ya preparadas: se
    // dan sobre ellas sin preguntar si algo cambió.
    ResultadoPreparacion preparacion;
    if (porPantalla && PreparacionCompleta(e))
        preparacion.omitida = true;
    else
        preparacion = PrepararCalculo(p, e, ui);
    if (!preparacion) return preparacion;

    if (entreOPuntual) {
        if (e.ReutilizarParametrosInstantaneos && guardados) {
            if (!Reponer(p, copia, ui))
                return ResultadoPreparacion::Fallo(textos::DovelasDistintasDeLasGuardadas);
        } else if (!LlenarEsfuerzosPrevios(p, e)) {
            ui.Mensaje(textos::SinEsfuerzosPrevios, textos::TituloLimiteCalculo);
            return ResultadoPreparacion::Fallo(textos::SinEsfuerzosPrevios);
        }
    }
    if (porPantalla && !guardados) {
        ui.Mensaje(textos::AvisoCambioDeParametros, textos::TituloCambieLosValores);
    } else if (porPantalla) {
        ui.Mensaje(textos::ParametrosQueSeTomaran, textos::TituloParametrosDeResistencia);
        if (!Reponer(p, copia, ui))
            return ResultadoPreparacion::Fallo(textos::DovelasDistintasDeLasGuardadas);
    }
    // tan φ de los valores repuestos (la rutina la usa en las dovelas sin recta) y de los nuevos.
    RecalcularTangentesDeFriccion(p, e);
    CalcularParametrosInstantaneos(p, e, ui);
    if (porPantalla && !guardados && avisoTrasForm18)
        ui.Mensaje(textos::ParametrosQueSeTomaran, textos::TituloParametrosDeResistencia);
    RecalcularTangentesDeFriccion(p, e);

    return preparacion;
}

} // namespace vertana
