// Catálogo de textos: parte del informe impreso. Se incluye desde model/textos.h.
// Encabezados, leyendas y cabeceras de columna del informe, tal como se imprimen (£ es σ, Þ y þ
// son γ, Ø es φ, µ es μ).
#pragma once

namespace vertana::textos::informe {

// 1. Cabecera.
inline constexpr char DescripcionDelProyecto[] = "Descripción del proyecto:";

// 2. Información del proyecto.
inline constexpr char ProgresivaInicial[] = "Progresiva inicial: ";
inline constexpr char ProgresivaFinal[] = "Progresiva final: ";
inline constexpr char FechaDelProyecto[] = "Fecha del proyecto: ";
inline constexpr char IngResponsable[] = "Ing. Responsable: ";
inline constexpr char EmpresaResponsable[] = "Empresa responsable: ";

// 3. Nota del método.
inline constexpr char NotaVariacional[] =
    "Nota:Cálculo hecho por el método de Leshchinsky and Ching-Chuan Huang";
inline constexpr char NotaBishop[] = "Nota:Cálculo hecho por el método de Bishop";
inline constexpr char NotaFellenius[] = "Nota:Cálculo hecho por el método de Fellenius";
inline constexpr char NotaJanbu[] = "Nota:Cálculo hecho por el método de Janbu";
inline constexpr char NotaInstantaneosVariacional[] =
    "Nota:Cálculo con parámetros instantáneos por el método Dov Leshchinsky and Huang";
inline constexpr char NotaInstantaneosBishop[] =
    "Nota:Cálculo con parámetros instantáneos por el método Bishop";
inline constexpr char NotaInstantaneosJanbu[] =
    "Nota:Cálculo con parámetros instantáneos por el método Janbu";

// 4. Coordenadas.
inline constexpr char CoordenadasTalud[] = "Coordenadas del talud";
inline constexpr char CoordenadasFalla[] = "Coordenadas de superficie de falla";
inline constexpr char CoordenadasGrieta[] = "Coordenadas de la grieta de tracción";
inline constexpr char CoordenadasFreaticoGrieta[] = "Coordenadas del nivel freático en la grieta";
inline constexpr char CoordenadasFreatico[] = "Coordenadas del nivel freático";
inline constexpr char CoordenadasEstratos[] = "Coordenadas de los estratos";
inline constexpr char EstratoNo[] = "Estrato No ";
inline constexpr char ColumnaX[] = "X (m)";
inline constexpr char ColumnaY[] = "Y (m)";

// 5. Propiedades de los estratos.
inline constexpr char PropiedadesEstratos[] = "Propiedades geomecánicas de los estratos";
inline constexpr const char* LeyendaEstratosSuelo[] = {
    "C, Ø: Cohesión y fricción del material",
    "Þh: Peso unitario húmedo",
    "Þs: Peso unitario saturado",
    "A/B: A: Terraplenes o rellenos. B: Estratos naturales.",
    "B: Parámetro de presión de poros",
    "Cv:Coeficiente de consolidación vertical.",
    "t: Tiempo de construcción.",
};
inline constexpr const char* ColumnasEstratosSuelo[] = {
    "Est No", "c (ton/m2)", "Ø º", "Þh(ton/m3)", "Þs(ton/m3", "A/B", "B ", "CV(cm2/s", "t(meses)",
};
inline constexpr const char* LeyendaEstratosRoca[] = {
    "(mi,si); (m,s): Parámetros de la roca roca intacta y del macizo rocoso.",
    "GSI: Indice de calidad del macizo rocoso.",
    "Þh: Peso unitario húmedo",
    "Þs: Peso unitario saturado",
    "cs: Compresión simple",
};
inline constexpr const char* ColumnasEstratosRoca[] = {
    "Est No", "mi", "GSI", "m", "s", "Þn(ton/m3)", "Þs(ton/m3)", "cs (ton/m2)",
};
inline constexpr char EstratoTerraplen[] = "A";
inline constexpr char EstratoNatural[] = "B";

// 6. Parámetros iniciales.
inline constexpr char ParametrosIniciales[] = "Parámetros iniciales de cálculo";
inline constexpr const char* LeyendaParametrosIniciales[] = {
    "µ1,µ2: Multiplicadores de Lagrange",
    "µ1/µ2: Abscisa definida a través de los multiplicadores",
    "1/µ2: Ordenada definida a través de los multiplicadores",
    "FS: Factor de seguridad",
    "£o: Esfuerzo inicial en la cresta del talud",
    "ND: Número de dovelas iniciales consideradas",
};
inline constexpr const char* ColumnasParametrosIniciales[] = {
    "µ1/µ2 (m)", "1/µ2 (m)", "FS", "£o", "ND",
};

// 7. Círculo de falla.
inline constexpr char CirculoDeFalla[] = "Coordenadas y radio del círculo de falla";
inline constexpr const char* ColumnasCirculo[] = {"xo(m)", "yo((m)", "RC((m)"};

// 8. Parámetros finales.
inline constexpr char ParametrosFinales[] = "Parámetros finales de cálculo";
inline constexpr const char* ColumnasParametrosFinales[] = {"µ1/µ2 (m)", "1/µ2((m)", "FS"};

// 9. Sismo.
inline constexpr char CoeficientesSismicos[] = "Coeficientes Sísmicos";
inline constexpr const char* LeyendaSismo[] = {
    "kh: Coeficiente sísmico horizontal",
    "kv: Coeficiente sísmico vertical",
};
inline constexpr const char* ColumnasSismo[] = {"kh", "kv"};

// 10. Uniones de la superficie de falla.
inline constexpr char TipoDeFalla[] = "Tipo de falla entre los puntos que la definen.";
inline constexpr const char* ExplicacionTipoDeFalla[] = {
    "Ejemplo:",
    "Pto I = 1: Punto inicial donde comienza el tipo de falla entre puntos.",
    "Pto F = 2: Punto final donde finaliza el tipo de falla entre puntos.",
    "Tipo de falla = L: Falla planar entre los puntos 1 y 2.",
    "Tipo de falla = C: Círculo de falla entre los puntos 1 y 2.",
    "Tipo de falla = P: Curva ajustada de falla entre los puntos 1 y 3.",
};
inline constexpr const char* ColumnasTipoDeFalla[] = {"Pto I", "Pto F", "Tipo falla"};

// 11. Cargas uniformes.
inline constexpr char CargasUniformes[] = "Cargas uniformemente distribuidas.";
inline constexpr const char* LeyendaCargasUniformes[] = {
    "xo: Abscisa inicial del tramo de carga uniformemente distribuida .",
    "yo: Ordenada inicial del tramo de carga uniformemente distribuida .",
    "xf: Abscisa final del tramo de carga uniformemente distribuida .",
    "yf: Ordenada final del tramo de carga uniformemente distribuida .",
    "qx: Carga uniformemente distribuida en la dirección 'X'.",
    "qy: Carga uniformemente distribuida en la dirección 'Y'.",
};
inline constexpr const char* ColumnasCargasUniformes[] = {
    "xo (m)", "yo (m)", "xf (m)", "yf (m)", "qx (ton/m2)", "qy (ton/m2)",
};

// 12. Cargas puntuales.
inline constexpr char CargasPuntuales[] = "Cargas puntuales.";
inline constexpr const char* LeyendaCargasPuntuales[] = {
    "xp: Abscisa de aplicación de la carga puntual.",
    "yp: Ordenada de aplicación de la carga puntual.",
    "Px: Carga puntual en la dirección 'X'.",
    "Py: Carga puntual en la dirección 'Y'.",
};
inline constexpr const char* ColumnasCargasPuntuales[] = {"xp (m)", "yp (m)", "Px (ton)",
                                                          "Py (ton)"};

// 13. Dovelas.
inline constexpr char Dovelas[] = "Características geométricas y geomecánicas de las dovelas.";
inline constexpr const char* LeyendaDovelasComun[] = {
    "No: Número de dovela.",
    "dx (m): Ancho de dovela.",
    "xo, yo (m): Abscisa y ordenada del centro de cada dovela.",
    "yt (m): Ordenada del talud en el centro de cada dovela.",
    "u (ton/m2): Presión de poros en el centro de cada dovela.",
};
inline constexpr char LeyendaDovelasRocaMs[] = "m,s: Parámetros de caracterización de la roca.";
inline constexpr char LeyendaDovelasCohesion[] =
    "c (ton/m2), Ø (°): Cohesión  y fricción del material en la base de cada dovela.";
inline constexpr const char* LeyendaDovelasEsfuerzos[] = {
    "þ (ton/m3): Peso unitario promedio.",
    "£ (ton/m2): Esfuerzo normal en la base de cada dovela.",
    "£' (ton/m2): Esfuerzo efectivo en la base de cada dovela.",
    "tau (ton/m2): Esfuerzo tangencial movilizado.",
};
inline constexpr const char* LeyendaDovelasPrincipales[] = {
    "£3 (ton/m2): Esfuerzo principal menor.",
    "£1 (ton/m2): Esfuerzo principal mayor.",
};
inline constexpr const char* ColumnasDovelasSuelo[] = {
    "No", "dx", "xo", "yo", "yt", "u", "c", "Ø", "þ", "£", "£'", "tau",
};
inline constexpr const char* ColumnasDovelasRoca[] = {
    "No", "dx", "xo", "yo", "yt", "u", "m", "s", "c", "fi", "þ", "£", "£'", "tau", "£3", "£1",
};

// 14. Sumas.
inline constexpr char SumaEsfuerzos[] =
    "Suma esfuerzos actuantes en la superficie de falla (ton/m2)";
inline constexpr const char* ColumnasSumas[] = {"£", "£'", "tau", "£3", "£1"};

// 15. Anclajes.
inline constexpr char Anclajes[] = "Datos de anclajes y separación aproximada de los anclajes";
inline constexpr const char* LeyendaAnclajes[] = {
    "(FS)a: Factor de seguridad proporcionado por los anclajes.",
    "i(º: Inclinación de los anclajes. Si su valor es positivo su orientación es hacia abajo.",
    "d(pulg): Diámetros de las barras o guayas de los anclajes en pulgadas.",
    "Esf_u (Kg/cm2): Resistencia última de las barras o guayas del anclaje en (Kg/cm2).",
    "Ng:Número de barras o guayas del anclaje.",
    "Sa: Separación de los anclajes para el caso activo (m).",
    "Sp: Separación de los anclajes para el caso pasivo (m).",
};
inline constexpr const char* ColumnasAnclajes[] = {
    "(FS)a", "i(º)", "d(pulg)", "Esf_u (Kg/cm2)", "Ng", "Sa (m)", "Sp (m)",
};

// Orden Imprimir de la ventana: el avance mientras se preparan las páginas.
inline constexpr char PreparandoPaginas[] = "Preparando las páginas del informe...";
inline constexpr char CancelarImpresion[] = "Cancelar";

// Exportar el informe en PDF (menú Archivo), con los dibujos detrás del texto si se pide.
inline constexpr char MenuExportarPdf[] = "E&xportar informe en PDF...";
inline constexpr char TituloExportarPdf[] = "Exportar el informe en PDF";
inline constexpr char ArchivoPdf[] = "&Archivo PDF:";
inline constexpr char BotonExaminar[] = "&Examinar...";
inline constexpr char FiltroPdf[] = "Documentos PDF (*.pdf)";
inline constexpr char AnadirDibujos[] =
    "Añadir el &dibujo de la sección y los gráficos de esfuerzos";
inline constexpr char DibujosConResultados[] =
    "Detrás del texto: una página con la sección y una con cada uno de los nueve gráficos de "
    "esfuerzos del último cálculo.";
inline constexpr char DibujosSinResultados[] =
    "El proyecto no tiene resultados: detrás del texto se añade sólo el dibujo de la sección.";
inline constexpr char FaltaArchivoPdf[] = "Escriba el nombre del archivo PDF.";
inline constexpr char PdfExiste[] = "El archivo ya existe. ¿Desea reemplazarlo?";
inline constexpr char NoSePudoEscribirPdf[] = "No se pudo escribir el informe en ";
inline constexpr char PdfEscrito[] = "Informe escrito en ";

} // namespace vertana::textos::informe
