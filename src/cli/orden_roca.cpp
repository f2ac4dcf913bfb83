#include "cli/orden_roca.h"

#include "cli/interaccion_lote.h"
#include "cli/orden_dovelas.h"
#include "cli/ordenes.h"
#include "model/macizo_rocoso.h"
#include "model/numeros.h"
#include "model/textos.h"
#include "model/unidades.h"
#include "rock/ajuste_laboratorio.h"

#include <iomanip>
#include <sstream>

namespace vertana {

namespace {

// Formatos con que el diálogo de los estratos en roca muestra m y s.
constexpr char FormatoM[] = "#0.000";
constexpr char FormatoS[] = "#0.00000";
constexpr char FormatoValor[] = "#0.00";
constexpr char FormatoR2[] = "#0.0000";

constexpr char AvisoNoEsRoca[] =
    "El proyecto no es de macizos rocosos (su material no es 'R'): no tiene estratos de roca.";

// m y s del estrato son los de este ajuste, con el redondeo con que el diálogo los guarda.
bool CoincideConElEstrato(const Proyecto& p, int i, const AjusteLaboratorio& a)
{
    return a.Estado == EstadoAjusteLaboratorio::Ajustado &&
           Formato(a.M, FormatoM) == Formato(p.ParametroM(i), FormatoM) &&
           Formato(a.S, FormatoS) == Formato(p.ParametroS(i), FormatoS);
}

nlohmann::ordered_json AjusteJson(const Proyecto& p, int i, const AjusteLaboratorio& a)
{
    nlohmann::ordered_json r;
    if (a.Estado != EstadoAjusteLaboratorio::Ajustado) {
        r["aviso"] = TextoDelAjuste(a.Estado, i);
        return r;
    }
    r["m"] = a.M;
    r["s"] = a.S;
    r["r2"] = a.R2;
    r["es_el_del_estrato"] = CoincideConElEstrato(p, i, a);
    return r;
}

std::string AjusteTexto(const Proyecto& p, int i, const AjusteLaboratorio& a)
{
    if (a.Estado != EstadoAjusteLaboratorio::Ajustado) return TextoDelAjuste(a.Estado, i);
    return "m = " + Formato(a.M, FormatoM) + ", s = " + Formato(a.S, FormatoS) +
           ", r² = " + Formato(a.R2, FormatoR2) +
           (CoincideConElEstrato(p, i, a) ? "  (m y s del estrato)" : "");
}

int ParesDelEstrato(const Proyecto& p, int i)
{
    return p.HayDatosLaboratorio && i <= p.NumeroPuntosLab.Tamano() ? p.NumeroPuntosLab(i) : 0;
}

} // namespace

nlohmann::ordered_json RocaJson(const Proyecto& p)
{
    using json = nlohmann::ordered_json;
    json r;
    r["estratos_caracterizados"] = p.RocaCaracterizada;
    r["datos_laboratorio"] = p.HayDatosLaboratorio;
    json estratos = json::array();
    for (int i = 1; i <= p.NumeroDeEstratos(); ++i) {
        json e;
        e["estrato"] = i;
        e["m_intacto"] = p.ParametroMIntacto(i);
        e["gsi"] = p.IndiceGSI(i);
        e["m"] = p.ParametroM(i);
        e["s"] = p.ParametroS(i);
        e["a"] = ExponenteHoekBrown(p.IndiceGSI(i));
        e["compresion_simple_kg_cm2"] = p.CompresionSimple(i);
        e["compresion_simple_ton_m2"] = KgCm2ATonM2(p.CompresionSimple(i));
        e["peso_unitario_humedo"] = p.PesoUnitarioHumedo(i);
        e["peso_unitario_saturado"] = p.PesoUnitarioSaturado(i);
        const FalloMacizo fallo = ComprobarEstratoDeRoca(p, i);
        if (fallo == FalloMacizo::Ninguno) {
            const auto mc = MohrCoulombDelEstrato(p, i);
            e["cohesion_ton_m2"] = mc->Cohesion;
            e["friccion_grados"] = mc->FriccionGrados;
        } else {
            e["cohesion_ton_m2"] = nullptr;
            e["friccion_grados"] = nullptr;
            e["aviso"] = TextoFalloMacizo(fallo);
        }
        if (p.HayDatosLaboratorio) {
            json pares = json::array();
            for (int k = 1; k <= ParesDelEstrato(p, i); ++k)
                pares.push_back({{"sigma1", p.Sigma1Lab(i, k)}, {"sigma3", p.Sigma3Lab(i, k)}});
            e["laboratorio"] = {
                {"pares", pares},
                {"ajuste", AjusteJson(p, i, AjustarEstratoDeLaboratorio(p, i, false))},
                {"ajuste_roca_intacta", AjusteJson(p, i, AjustarEstratoDeLaboratorio(p, i, true))}};
        }
        estratos.push_back(e);
    }
    r["estratos"] = estratos;
    return r;
}

std::string RocaTexto(const Proyecto& p)
{
    std::ostringstream s;
    s << "Estratos de macizo rocoso: " << p.NumeroDeEstratos() << '\n';
    s << "Compresión simple σci en kg/cm2 (1 kg/cm2 = 10 ton/m2); cohesión equivalente c en "
         "ton/m2, fricción φ en grados.\n";
    const char* columnas[] = {"Est", "m intacto", "GSI", "m", "s", "a", "σci", "c", "φ"};
    const int anchos[] = {4, 10, 8, 9, 10, 7, 10, 10, 8};
    for (int c = 0; c < 9; ++c) {
        // Las letras griegas ocupan dos bytes: se compensa el ancho.
        const std::string texto = columnas[c];
        int extra = 0;
        for (unsigned char ch : texto)
            if ((ch & 0xC0) == 0x80) ++extra;
        s << std::setw(anchos[c] + extra) << texto;
    }
    s << '\n';
    for (int i = 1; i <= p.NumeroDeEstratos(); ++i) {
        s << std::setw(anchos[0]) << i << std::setw(anchos[1])
          << Formato(p.ParametroMIntacto(i), FormatoM) << std::setw(anchos[2])
          << Formato(p.IndiceGSI(i), FormatoValor) << std::setw(anchos[3])
          << Formato(p.ParametroM(i), FormatoM) << std::setw(anchos[4])
          << Formato(p.ParametroS(i), FormatoS) << std::setw(anchos[5])
          << Formato(ExponenteHoekBrown(p.IndiceGSI(i)), "#0.000") << std::setw(anchos[6])
          << Formato(p.CompresionSimple(i), FormatoValor);
        const FalloMacizo fallo = ComprobarEstratoDeRoca(p, i);
        if (fallo == FalloMacizo::Ninguno) {
            const auto mc = MohrCoulombDelEstrato(p, i);
            s << std::setw(anchos[7]) << Formato(mc->Cohesion, FormatoValor) << std::setw(anchos[8])
              << Formato(mc->FriccionGrados, FormatoValor) << '\n';
        } else {
            s << "  " << TextoFalloMacizo(fallo) << '\n';
        }
    }
    if (!p.HayDatosLaboratorio) {
        s << "Datos de laboratorio: no\n";
        return s.str();
    }
    s << "Datos de laboratorio (σ1, σ3 en ton/m2), ajuste por mínimos cuadrados de "
         "(σ1 − σ3)² = m·σci·σ3 + s·σci²:\n";
    for (int i = 1; i <= p.NumeroDeEstratos(); ++i) {
        const int pares = ParesDelEstrato(p, i);
        s << "Estrato " << i << ": " << pares << (pares == 1 ? " par" : " pares");
        for (int k = 1; k <= pares; ++k)
            s << (k == 1 ? " (" : ", ") << Formato(p.Sigma1Lab(i, k), FormatoValor) << "; "
              << Formato(p.Sigma3Lab(i, k), FormatoValor) << (k == pares ? ")" : "");
        s << '\n';
        s << "  macizo (s ajustado):    "
          << AjusteTexto(p, i, AjustarEstratoDeLaboratorio(p, i, false)) << '\n';
        s << "  roca intacta (s = 1):   "
          << AjusteTexto(p, i, AjustarEstratoDeLaboratorio(p, i, true)) << '\n';
    }
    return s.str();
}

int OrdenRoca(const std::string& archivo, bool comoJson, std::ostream& salida,
              std::ostream& errores)
{
    Proyecto p;
    if (!LeerParaCli(archivo, p, errores)) return SalidaArchivo;
    if (p.SueloRoca != Material::Roca) {
        errores << AvisoNoEsRoca << '\n';
        return SalidaPreparacion;
    }
    if (comoJson)
        salida << RocaJson(p).dump(2) << '\n';
    else
        salida << RocaTexto(p);
    return SalidaCorrecta;
}

} // namespace vertana
