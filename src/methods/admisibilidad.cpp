#include "methods/admisibilidad.h"

#include "methods/datos_metodo.h"
#include "methods/dovelas_rigurosas.h"
#include "model/numeros.h"
#include "model/textos.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace vertana {

namespace {
// Donde la fuerza normal entre dovelas no pasa de esta fracción de la escala de fuerzas la línea
// de empuje (momento / E) no está definida: cerca de los extremos de la superficie ambos tienden
// a cero y su cociente sólo refleja el redondeo de la solución.
constexpr double FraccionEmpujeIndefinido = 1e-2;
constexpr char FormatoEntero[] = "#0";
constexpr char FormatoLongitud[] = "#0.00";
constexpr char FormatoPorCiento[] = "#0.0";
constexpr double PorCiento = 100.0;
} // namespace

SolucionRigurosa FuerzasImplicitas(const ProblemaRiguroso& problema, const std::vector<double>& N,
                                   const std::vector<double>& S)
{
    return FuerzasDesdeLasBases(problema, N, S, FraccionEmpujeIndefinido);
}

SolucionRigurosa FuerzasImplicitasDelProyecto(const Proyecto& p, const ProblemaRiguroso& problema)
{
    const std::size_t n = problema.Dovelas.size();
    std::vector<double> N(n), S(n);
    for (std::size_t i = 0; i < n; ++i) {
        const int s = static_cast<int>(i) + 1;
        const double l = problema.Dovelas[i].Ancho / std::cos(problema.Dovelas[i].Alfa);
        N[i] = p.EsfuerzoNormalDovela(s) * l;
        S[i] = p.EsfuerzoTangencialDovela(s) * l;
    }
    return FuerzasImplicitas(problema, N, S);
}

std::optional<std::string> AvisoDeAdmisibilidad(const AdmisibilidadRigurosa& a)
{
    if (a.Admisible()) return std::nullopt;
    auto numero = [](double v, const char* formato) { return " " + Formato(v, formato) + " "; };
    std::vector<std::string> partes;
    if (a.BordesEnTraccion > 0) {
        const double porCiento =
            a.MayorCompresion > 0.0 ? PorCiento * a.MayorTraccion / a.MayorCompresion : PorCiento;
        partes.push_back(textos::TraccionEn + numero(a.BordesEnTraccion, FormatoEntero) +
                         textos::Bordes + numero(a.TraccionDesde, FormatoLongitud) +
                         textos::HastaX + numero(a.TraccionHasta, FormatoLongitud) +
                         textos::LaMayor + numero(a.MayorTraccion, FormatoLongitud) +
                         textos::EsElPorCiento + numero(porCiento, FormatoPorCiento) +
                         textos::DeLaMayorCompresion);
    }
    if (a.EmpujeFueraDeLaMasa > 0)
        partes.push_back(textos::EmpujeFueraEn + numero(a.EmpujeFueraDeLaMasa, FormatoEntero) +
                         textos::Bordes + numero(a.EmpujeDesde, FormatoLongitud) + textos::HastaX +
                         numero(a.EmpujeHasta, FormatoLongitud) + textos::Metros);
    if (a.BasesEnTraccion > 0)
        partes.push_back(textos::BasesEnTraccion + numero(a.BasesEnTraccion, FormatoEntero) +
                         textos::Dovelas);
    std::string texto = textos::SolucionNoAdmisible;
    for (std::size_t i = 0; i < partes.size(); ++i)
        texto += partes[i] + (i + 1 < partes.size() ? ";" : ".");
    return texto + textos::FactorDudoso;
}

std::optional<std::string> AdmisibilidadDelResultado(const Proyecto& p, const EstadoCalculo& e)
{
    ProblemaRiguroso problema = ProblemaRigurosoDesdeDovelas(p, e);
    // Las bases con la inclinación de su cuerda, la que usan Janbu y el método variacional.
    const Tabla<double> alfa = AngulosBaseDovelas(p, e, false);
    for (std::size_t i = 0; i < problema.Dovelas.size(); ++i)
        problema.Dovelas[i].Alfa = alfa(static_cast<int>(i) + 1);
    const SolucionRigurosa fuerzas = FuerzasImplicitasDelProyecto(p, problema);
    if (fuerzas.Estado != EstadoRiguroso::Convergio) return std::nullopt;
    return AvisoDeAdmisibilidad(ComprobarAdmisibilidad(problema, fuerzas, CriterioDelInforme));
}

std::vector<std::string> AvisarAdmisibilidad(const Proyecto& p, const EstadoCalculo& e,
                                             Interaccion& ui)
{
    std::vector<std::string> avisos;
    if (const auto aviso = AdmisibilidadDelResultado(p, e)) {
        ui.Mensaje(*aviso, textos::TituloAdmisibilidad);
        avisos.push_back(*aviso);
    }
    return avisos;
}

} // namespace vertana
