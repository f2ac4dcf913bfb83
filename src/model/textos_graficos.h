// Catálogo de textos: la geometría del talud, los gráficos de esfuerzos, la vista de la sección
// y la exportación de dibujos. Se incluye desde model/textos.h.
#pragma once

#include <string>

namespace vertana::textos {

// Geometría del talud (Form3).
inline constexpr char CaptionForm3[] = "Geometría del Talud";
inline constexpr char TituloGeometriaTalud[] = "GEOMETRIA DEL TALUD";
inline constexpr char TituloSinTalud[] = "Geometría talud:";
inline constexpr char SinCoordenadasTalud[] =
    "No existen coordenadas de la superficie del talud - de la  Presa - o túnel.";
inline constexpr char PreguntaModificoSuperficie[] =
    "Sí, ud modificó las coordenadas de la superficie potencial de falla o radio de la "
    "superficie de falla  y no ha calculado. Entonces presione SI, de lo contrario presione NO";
inline constexpr char TituloRadioSPF[] = "Valor del radio de la SPF:";
inline constexpr char FaltaRadioSPF[] =
    "La superficie potencial de falla seleccionada es un arco de cículo. Dé el valor del radio "
    "en el menú de equilibrio límite en la opción 'Parámetros de cálculo iniciales'.";

// Gráficos de esfuerzos (Form11).
inline constexpr char CaptionForm11[] = "Gráficos de esfuerzos";
inline constexpr char CaptionEsfuerzosEnFalla[] = "Esfuerzos en la superficie de falla";
inline constexpr char TituloSinCalculoEsfuerzos[] = "No ha hecho el cálculo completo de esfuerzos:";
inline constexpr char SinCalculoEsfuerzos[] =
    "Por favor ordene el cálculo completo para poder ver el gráfico de esfuerzos ";
inline constexpr char TituloGrafico1[] = "Esfuerzos normales efectivos (ton/m2) vs abscisas (m) ";
inline constexpr char TituloGrafico2[] = "Esfuerzos normales totales (ton/m2) vs abscisas (m) ";
inline constexpr char TituloGrafico3[] =
    "Esfuerzo principal mayor efectivo en la falla (ton/m2) vs abscisas (m) ";
inline constexpr char TituloGrafico4[] =
    "Esfuerzo principal menor efectivo en la falla  (ton/m2) vs abscisas (m) ";
inline constexpr char TituloGrafico5[] =
    "Esfuerzos tangenciales movilizados (ton/m2) vs abscisas (m) ";
inline constexpr char TituloGrafico6[] =
    "Resistencia al corte (ton/m2) vs Esfuerzo normal efectivo (ton/m2) ";
inline constexpr char TituloGrafico7[] =
    "Esf. Normales totales, efectivos y movilizados (ton/m2) vs abscisas (m)";
inline constexpr char TituloGrafico8[] =
    "Esfuerzos principales efectivos en la falla (ton/m2) vs abscisas (m)";
inline constexpr char TituloGrafico9[] =
    "Estratos entre los extremos de la superficie de falla (m) vs abscisas (m)";
inline constexpr char LeyendaNormalTotal[] = "Esf. normal total";
inline constexpr char LeyendaNormalEfectivo[] = "Esf. normal efectivo";
inline constexpr char LeyendaTangencial[] = "Esf. tangencial";
inline constexpr char LeyendaPrincipalMayor[] = "Esf. princiapal mayor";
inline constexpr char LeyendaPrincipalMenor[] = "Esf. principal menor";
inline constexpr char LeyendaResistencia[] = "Resistencia de cada dovela";
inline constexpr char BotonImprimir[] = "Imprimir";
inline constexpr char BotonCerrar[] = "Cerrar";
inline constexpr char BotonExportar[] = "Exportar...";

// Ejes.
inline constexpr char EjeAbscisas[] = "x (m)";
inline constexpr char EjeOrdenadas[] = "y (m)";
inline constexpr char EjeEsfuerzos[] = "ton/m2";
inline constexpr char EjeEsfuerzoEfectivo[] = "σ' (ton/m2)";

// Leyenda de la sección.
inline constexpr char LeyendaTalud[] = "Superficie del talud";
inline constexpr char LeyendaFreatico[] = "Nivel freático";
inline constexpr char LeyendaFalla[] = "Superficie de falla";
inline constexpr char LeyendaFallaSinConstruir[] = "Superficie de falla (puntos unidos)";
inline constexpr char LeyendaDovelas[] = "Dovelas";
inline constexpr char LeyendaGrieta[] = "Grieta de tracción";
inline constexpr char LeyendaCargas[] = "Cargas";
// "Estrato 2".
std::string LeyendaEstrato(int estrato);
// "FS = 2.075 (Bishop A. W.)": el factor de seguridad escrito sobre la superficie.
std::string EtiquetaFactorSeguridad(double factor, const std::string& metodo);

// Vista de la sección en la ventana principal.
inline constexpr char VistaAjustar[] = "Ajustar";
inline constexpr char AyudaVistaAjustar[] = "Muestra toda la sección";
inline constexpr char VistaEscalasIguales[] = "Escalas iguales";
inline constexpr char AyudaVista[] =
    "Sección del talud. La rueda del ratón acerca o aleja; arrastre para desplazar; doble clic "
    "para ver toda la sección.";

// Exportación de dibujos.
inline constexpr char TituloExportar[] = "Exportar dibujo";
inline constexpr char FiltrosExportar[] =
    "Imagen PNG (*.png);;Dibujo SVG (*.svg);;Documento PDF (*.pdf)";
// "No se pudo escribir el dibujo en RUTA".
std::string NoSePudoExportar(const std::string& ruta);
inline constexpr char FormatoDeDibujoDesconocido[] =
    "El nombre del archivo debe terminar en .png, .svg o .pdf";
inline constexpr char TituloImpresion[] = "Impresión";
inline constexpr char NoSePudoImprimir[] = "No se pudo imprimir la ventana";

} // namespace vertana::textos
