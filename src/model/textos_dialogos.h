// Catálogo de textos: diálogos de datos (parámetros de cálculo, uniones de la superficie de
// falla, estratos de suelo, cargas e información del proyecto). Se incluye desde model/textos.h.
#pragma once

namespace vertana::textos {

// Botones comunes de los diálogos.
inline constexpr char BotonAceptarDialogo[] = "Aceptar";
inline constexpr char BotonSalirDialogo[] = "Salir";
inline constexpr char BotonAgregarDialogo[] = "Agregar";
inline constexpr char BotonModificarDialogo[] = "Modificar";
inline constexpr char BotonBorrarDialogo[] = "Borrar";
inline constexpr char BotonFavorLeerDialogo[] = " Favor leer";

// ---------------------------------------------------------------------------------------------
// Form2: constantes de cálculo y grieta de tracción.
inline constexpr char TituloForm2[] = "Constantes de cálculo y grieta de tracción";

inline constexpr char EtiquetaSueloRoca[] = "Estabilidad en Suelos (S)  o Roca (R):";
inline constexpr char EtiquetaMetodoDeCalculo[] = "Método de cálculo:  ";
inline constexpr char LeyendaMetodo1[] = "<1> Leshchinsky and Ching-Chuan Huang ";
inline constexpr char LeyendaMetodos2a4[] = "<2> Bishop    <3> Fellenius    <4> Janbu";
inline constexpr char EtiquetaMultiplicadorLagrange1[] = "Coeficiente de Lagrange µ1:";
inline constexpr char EtiquetaMultiplicadorLagrange2[] = "Coeficente de lagrange µ2:";
inline constexpr char EtiquetaFSInicial[] = "Factor de seguridad inicial FS:";
inline constexpr char EtiquetaEsfuerzoInicialCresta[] =
    "Esfuerzo inicial en la cresta del talud  (ton/m2):";
inline constexpr char EtiquetaRadioCirculoFalla[] = "Radio del círculo (m):";
inline constexpr char EtiquetaDeLaCuerda[] = "Cuerda del arco de círculo (m):";
inline constexpr char MarcoSuperficieCircular[] = "Para Superficie de falla circular:";
inline constexpr char EtiquetaVariaElRadio[] = "Varía el radio <S/N>:";
inline constexpr char EtiquetaCoeficienteSismicoHorizontal[] = "Coeficiente sísmico horizontal:";
inline constexpr char EtiquetaCoeficienteSismicoVertical[] = "Coeficiente sísmico vertical:";
inline constexpr char EtiquetaNumeroDovelas[] = "Número de dovelas en el análisis:";
inline constexpr char EtiquetaParametrosInstantaneos[] =
    " Parámetros instantáneos:  <1>: Puntuales    <2>:Entre puntos   <3>: Gráfica";
inline constexpr char MarcoGrieta[] = "Grieta de tracción:";
inline constexpr char EtiquetaAbscisaPrimerPuntoGrieta[] = "Abscisa del primer punto (m):";
inline constexpr char EtiquetaOrdenadaPrimerPuntoGrieta[] = "Ordenada del primer punto (m):";
inline constexpr char EtiquetaAbscisaSegundoPuntoGrieta[] = "Abscisa del segundo punto (m):";
inline constexpr char EtiquetaOrdenadaSegundoPuntoGrieta[] = "Ordenada del segundo punto (m):";
inline constexpr char MarcoNivelFreaticoGrieta[] = "Coordenadas del nivel freático en la grieta ";
inline constexpr char EtiquetaAbscisaNivelFreaticoGrieta[] = "Abscisa del N.F en la grieta  (m):";
inline constexpr char EtiquetaOrdenadaNivelFreaticoGrieta[] = "Ordenada del N.F en la grieta (m):";

inline constexpr char AyudaMultiplicadorLagrange1[] =
    "El valor puede ser aproximadamente igual a una abscisa que esté entre los ptos de "
    "intersección de la superficie de falla con el talud (puede darle otro valor ).";
inline constexpr char AyudaMultiplicadorLagrange2[] =
    "Este valor puede ser el de una ordenada que debe estar por encima del mayor valor "
    "correspondiente a las ordenadas del  talud (puede darle otro valor).";
inline constexpr char AyudaEsfuerzoInicialCresta[] =
    "Valor que debe estar entre -c/tan(fi) y cero.  Donde: c  y fi: es la cohesión y  fircción "
    "del primer estrato.";
inline constexpr char AyudaRadioCirculoFalla[] =
    "El valor puede ser cero si tiene superficies de falla diferente a un arco de círculo o está "
    "trabajando con rocas.";
inline constexpr char AyudaCoeficienteSismicoHorizontal[] =
    "De un número razonable de análisis. Su valor es positivo cuando actúa hacia afuera del "
    "talud.";
inline constexpr char AyudaCoeficienteSismicoVertical[] =
    "De un número razonable de análisis. Su valor es positivo en la dirección del Peso de la "
    "dovela.";

// Activación.
inline constexpr char FaltaGeometriaEntrePuntos[] =
    "Debe dar las coordenadas de la superficie potencial de falla y definir la geoemetría entre "
    "sus puntos.";
inline constexpr char RadioMenorQueMediaCuerda[] =
    "Debe cumplirse que el radio sea mayor que la Mitad de la cuerda del arco de círculo";

// Aceptar, en el orden de las comprobaciones.
inline constexpr char DebeIndicarSueloORoca[] =
    "Para el análisis debe introducir  una 'S' en el caso de suelos y una 'R' para estabilidad en "
    "rocas";
inline constexpr char MetodoNoNumerico[] =
    "Debe introducir el número <1> o <2> o <3> o <4> dependiendo del método de cálculo que Ud. "
    "considere";
inline constexpr char MetodoFueraDeRango[] =
    "Ud. debe seleccionar el número <1> o <2> o <3> o <4> dependiendo del método de cálculo que "
    "Ud. considere";
inline constexpr char PreguntaLeshchinskyCohesivos[] =
    "Se ha indicado que el método de estimación del factor de seguridad, es el identificado con "
    "el númerto 1 (Leshchinsky). En este caso todos los materiales o estratos por donde pase la "
    "SPF, deben ser cohesivos - friccionantes (cohesión y fricción mayor a cero). Se cumple ésto "
    "en los parámetros de resistencia?.";
inline constexpr char UseJanbuOBishop[] =
    "Para este caso puede aplicar el método 4 (Janbu)  o el método 2 (Bishop).";
inline constexpr char BishopNoAplicaEnRoca[] =
    "Al menos que seleccione la opción <3> para parámetros instantáneos, el método de Bishop no "
    "aplica para trabajar en ROCA.";
inline constexpr char FelleniusNoAplicaEnRoca[] = "El método de Fellenius no aplica para trabajar "
                                                  "en ROCA.";
inline constexpr char PrimerMultiplicadorNoNumerico[] =
    "Debe introducir un número para este primer multiplicador";
inline constexpr char SegundoMultiplicadorNoNumerico[] =
    "Debe introducir un número para este segundo multiplicador";
inline constexpr char FSNoNumerico[] = "Debe introducir un número para el factor de seguridad";
inline constexpr char FSNoPositivo[] = "Debe dar un factor de seguridad mayor que cero y razonable";
inline constexpr char EsfuerzoInicialNoNumerico[] =
    "Debe introducir un número para el esfuerzo inicial, en el rango recomendado";
inline constexpr char RadioNoSeConsidera[] =
    "La Superficie potencial de falla, no es un arco de círculo, por tanto el radio no se "
    "considera en el análisis.";
inline constexpr char RadioNoPositivo[] =
    "Debe introducir un número mayor que cero para el radio del arco de círculo de falla y "
    "razonable para el cálculo";
inline constexpr char RadioNoNumerico[] = "Introduzca un valor razonable para el radio";
inline constexpr char CirculoSinDosPuntos[] =
    "La superficie de falla circular debe tener sus dos puntos: el inicial y el final donde "
    "intersecta a la superficie del talud.";
inline constexpr char VariaElRadioNoSN[] =
    "Introduzca  una 'S' para variar el RADIO y 'N' para mantener su valor CONSTANTE";
inline constexpr char SismicoHorizontalNoNumerico[] =
    "Debe introducir un número para el coeficiente sísmico horizontal 'incluyendo el cero'";
inline constexpr char SismicoVerticalNoNumerico[] =
    "Debe introducir un número para el coeficiente sísmico vertical 'incluyendo el cero'";
inline constexpr char DovelasNoNumerico[] =
    "Debe introducir un número para la cantidad de dovelas a tomar en consideración en el "
    "análisis";
inline constexpr char DovelasNoRazonable[] =
    "Debe dar un número razonable de dovelas y que sea entero";
inline constexpr char TituloAbscisaPrimerPuntoGrieta[] = "Abscisa del primer pto de la grieta:";
inline constexpr char TituloOrdenadaPrimerPuntoGrieta[] = "Ordenada del primer pto de la grieta:";
inline constexpr char TituloAbscisaSegundoPuntoGrieta[] = "Abscisa del segundo pto de la grieta:";
inline constexpr char TituloOrdenadaSegundoPuntoGrieta[] = "Ordenada del segundo pto de la grieta:";
inline constexpr char TituloAbscisaNivelFreaticoGrieta[] =
    "Abscisa del N.F en la grieta de tracción:";
inline constexpr char TituloOrdenadaNivelFreaticoGrieta[] =
    "Ordenada del N.F en la grieta de tracción:";
inline constexpr char GrietaNoNumerica[] =
    "Debe introducir un número 'incluyendo el cero' cuando no exista.";
inline constexpr char TituloComparacionOrdenadas[] = "Comparación de ordenadas:";
inline constexpr char TituloComparacionAbscisas[] = "Comparación de abscisas:";
inline constexpr char SegundaOrdenadaGrietaMayor[] =
    "La ordenada del segundo punto de la grieta debe ser menor que la ordenada del primer pto de "
    "la grieta";
inline constexpr char SegundaAbscisaGrietaMayor[] =
    "La abscisa del segundo punto de la grieta debe ser menor o aproximadamente igual que la "
    "abscisa del primer pto de la grieta";
inline constexpr char NivelFreaticoBajoGrieta[] =
    "La ordenada del segundo punto de la grieta debe ser menor que la ordenada del nivel "
    "freático";
inline constexpr char NivelFreaticoSobreGrieta[] =
    "La ordenada del nivel freático en la grieta debe ser menor o igual que la ordenada del "
    "primer punto de la grieta";
inline constexpr char AbscisaNivelFreaticoGrieta[] =
    "La abscisa del segundo punto de la grieta debe ser menor o aproximadamente igual que la "
    "abscisa del N.F en la grieta";
inline constexpr char TituloParaSuelos[] = "Para suelos:";
inline constexpr char FelleniusNoAplicaEnRocas[] =
    "El método de Cálculo de Fellenius no aplica en Rocas.";
inline constexpr char TituloParametrosInstantaneosForm2[] = "Párametros instantáneos:";
inline constexpr char FelleniusSinInstantaneos[] =
    "El método de Cálculo de Fellenius no aplica en este programa para ser usado en la "
    "metodología de  Parámetros instantáneos.";
inline constexpr char BishopSinInstantaneosCaso1[] =
    "El método de Cálculo de Bishop no aplica  en la metodología de  Parámetros instantáneos caso "
    "<1>. En este caso aplique  el método de cálculo <1> de Leshchinsky, D. and Huang. Se "
    "considera que ud ya hizo previamente el análisis para material rocoso por los métodos de los "
    "mismos autores y Brown.";
inline constexpr char JanbuSinInstantaneosCaso1[] =
    "El método de Cálculo de Janbu no aplica  en la metodología de  Parámetros instantáneos caso "
    "<1>. En este caso aplique  el método de cálculo <1> de Leshchinsky, D. and Huang. Se "
    "considera que ud ya hizo previamente el análisis para material rocoso por los métodos de los "
    "mismos autores y Brown.";
inline constexpr char TituloOjoPelao[] = "OJO PELAO con este mensaje:";
inline constexpr char GrietaFueraDeLaFalla[] =
    "Las coordenadas del segundo pto de la grieta deben ser exactamente iguales a las coordenadas "
    "del primer punto de la superficie de falla";

// ---------------------------------------------------------------------------------------------
// Form6: tipo de superficie de falla entre puntos.
inline constexpr char TituloForm6[] = "Definición del tipo de superficie de falla";
inline constexpr char EtiquetaPuntoI[] = "Pto Inicial ";
inline constexpr char EtiquetaPuntoF[] = "Pto Final";
inline constexpr char EtiquetaTipoG[] = "Tipo de unión";
inline constexpr char AyudaTipoG[] =
    "L: para segmentos rectos entre dos ptos\nC: para arcos de círculos entre dos ptos "
    "consecutivos\nP: para polinomios entre más de dos puntos";
inline constexpr char EtiquetaTotalCoordenadasDeFalla[] =
    "No de coordenadas de la superficie de falla:";
inline constexpr char NotaSuperficieCircular[] =
    "Si la superficie potencial de falla (SPF) es un arco de círculo ud solamente debe tener el "
    "punto inicial y el punto final donde la SPF intersecta a la superfice del talud.";

inline constexpr char PuntosNoNumericos[] =
    "Debe introducir un número <1,2,3,4,..,n> sabiendo que la mayor abscisa de la primera "
    "coordenada de la superficie de falla es el pto No <1> y la menor abscisa de la superficie de "
    "falla, corresponde al pto <n>.";
inline constexpr char TipoDeUnionInvalido[] =
    "Para el tipo de superficie de falla entre puntos: Debe introducir  una 'L' para segmentos "
    "rectos entre dos puntos consecutivos, una 'C' para arcos de círculos entre dos puntos "
    "consecutivos y una 'P' para definir un polinomio entre más de dos puntos";
inline constexpr char ConsejoCirculos[] =
    "Si selecciona círculos como superficies parciales de falla, es recomendable que los mismos "
    "estén entre los dos primeros puntos de la S.F o entre los dos últimos ptos de la S.F y "
    "seguidos o antecedidos por segmentos rectos, dependiendo de la posición";
inline constexpr char PuntoInicialDemasiadoGrande[] =
    "El valor del punto inicial tiene que ser menor que la cantidad de coordenadas de la "
    "superficie de falla";
inline constexpr char PuntoFinalDemasiadoGrande[] =
    "El valor del punto final tiene que ser como máximo igual a la cantidad de coordenadas de la "
    "superficie de falla";
inline constexpr char PuntoFinalNoMayor[] =
    "El valor del punto final, no puede ser menor o igual que el pto inicial";
inline constexpr char PuntoInicialNoEntero[] = "El número del punto inicial debe ser entero";
inline constexpr char PuntoFinalNoEntero[] = "El número del punto final debe ser entero";
inline constexpr char PolinomioEntreConsecutivos[] =
    "No puede seleccionar un polinomio entre dos puntos consecutivos";
inline constexpr char CirculoNoConsecutivo[] =
    "Debe seleccionar un círculo entre dos puntos consecutivos.";
inline constexpr char RectaNoConsecutiva[] =
    "Debe seleccionar un segmento recto entre dos puntos consecutivos.";
inline constexpr char PrimerPuntoNoEsUno[] =
    "el valor inicial del primer punto tiene que ser igual a <1>";
inline constexpr char SinCoincidenciaConPuntoFinal[] =
    "El punto inicial no tiene coincidencia con ningún punto final anterior";
inline constexpr char PuntoInicialDistintoDelAnterior[] =
    "El punto inicial actual no puede ser diferente del punto final anterior";
inline constexpr char UnionYaComienzaEnElPunto[] =
    "Ya existe una unión que comienza en ese punto inicial. Modifíquela o bórrela primero.";
inline constexpr char PuntoFinalDistintoDelTotal[] =
    "El punto final debe ser igual a la cantidad de coordenadas de la superficie de falla y "
    "además Ud. debe de agregar primero todos los puntos y luego si <Aceptar> sus definiciones";
inline constexpr char PreguntaArchivarUniones[] =
    "No desea archivar los puntos de unión de la superficie de falla?";

// ---------------------------------------------------------------------------------------------
// Form5: características de los estratos en suelos.
inline constexpr char TituloForm5[] = "Características de los estratos en suelos";
inline constexpr char EtiquetaCohesion[] = "C (ton/m2) ";
inline constexpr char EtiquetaFriccion[] = "Ø (grados)";
inline constexpr char EtiquetaPesoUnitarioHumedo[] = "h (ton/m3)";
inline constexpr char EtiquetaPesoUnitarioSaturado[] = "sat (ton/m3)";
inline constexpr char EtiquetaCondicionDeDrenaje[] = "Tipo de\nestrato";
inline constexpr char EtiquetaParametroPresion[] = "Parámetro de\nPresión\nintersticial";
inline constexpr char EtiquetaCoeficienteConsolidacion[] =
    "Coeficiente  consolidación vertical (cm2/seg)";
inline constexpr char EtiquetaTiempoDeConstruccion[] =
    "Tiempo de construcción  terraplenes (meses)";

inline constexpr char CampoCohesion[] = "la cohesión";
inline constexpr char CampoFriccion[] = "la fricción";
inline constexpr char CampoPesoUnitarioHumedo[] = "el peso unitario húmedo";
inline constexpr char CampoPesoUnitarioSaturado[] = "el peso unitario saturado";
inline constexpr char CampoParametroPresion[] = "el parámetro de presión intersticial";
inline constexpr char TipoDeEstratoInvalido[] =
    "Para el tipo de estrato debe introducir una 'A para Terraplenes y rellenos artificiales' o "
    "una 'B para estratos naturales'";
inline constexpr char ConsolidacionNoNumerica[] =
    "Debe introducir un número para el coeficiente de consolidación vertical";
inline constexpr char TiempoNoNumerico[] = "Debe introducir un número para el tiempo de "
                                           "construcción";
inline constexpr char NaturalConTiempo[] =
    "Si el estrato es natural, entonces el Tiempo de construcción es cero";
inline constexpr char SaturadoMenorQueHumedo[] =
    "El peso unitario saturado es menor que el peso unitario húmedo. Por favor corriga. Si no "
    "está saturado debe ser igual al peso unitario húmedo.";
inline constexpr char PreguntaSaturadoIgualHumedo[] =
    "El peso unitario saturado es igual que el peso unitario húmedo. Observe bien los valores "
    "antes de salir de esta pantalla. ¿Es correcto el valor dado para peso unitario saturado?";
inline constexpr char PreguntaSaturadoMayorHumedo[] =
    "El peso unitario saturado es mayor que el peso unitario húmedo. Observe bien los valores "
    "antes de salir de esta pantalla. ¿Es correcto el valor dado para peso unitario saturado?";
inline constexpr char TituloCaracteristicasDeLosEstratos[] = "Características de los estratos";
inline constexpr char FaltanDatosEstratos[] =
    "Faltan datos. Debe introducir las características para todos y cada uno de los estratos";
inline constexpr char PreguntaArchivarEstratos[] =
    "No desea archivar las características de los estratos?";

// ---------------------------------------------------------------------------------------------
// Form7: cargas distribuidas.
inline constexpr char TituloForm7[] = "Cargas distribuidas";
inline constexpr char EtiquetaXo[] = "xo (m)";
inline constexpr char EtiquetaYo[] = "yo (m)";
inline constexpr char EtiquetaXf[] = "xf (m)";
inline constexpr char EtiquetaYf[] = "yf (m)";
inline constexpr char EtiquetaQx[] = "qx (ton/m2)";
inline constexpr char EtiquetaQy[] = "qy (ton/m2)";
inline constexpr char NotaCoordenadaMenor[] =
    "xo, yo: Coordenada menor donde comienza aplicarse la carga qx y qy.";
inline constexpr char NotaCoordenadaMayor[] =
    "xf, yf: Coordenada mayor  donde finaliza la aplicación de la carga qx y qy.";
inline constexpr char XoNoNumerico[] = "Debe introducir un número para la abscisa inicial";
inline constexpr char YoNoNumerico[] = "Debe introducir un número para la ordenada inicial";
inline constexpr char XfNoNumerico[] = "Debe introducir un número para la abscisa final";
inline constexpr char YfNoNumerico[] = "Debe introducir un número para la ordenada final";
inline constexpr char QxNoNumerico[] =
    "Debe introducir un número para la carga 'qx'. Si no existe el valor es cero";
inline constexpr char QyNoNumerico[] =
    "Debe introducir un número para la carga 'qy'. Si no existe el valor es cero";
inline constexpr char XoNoMenorQueXf[] =
    "El valor de la abscisa inicial tiene que ser menor la abscisa final";
inline constexpr char PreguntaArchivarCargas[] = "No desea archivar las cargas dadas ?";
inline constexpr char LeerQx[] =
    "'qx' es positiva cuando aplique compresión al talud. Esta dirigida en dirección horizontal "
    "(eje de las abscisas).";
inline constexpr char LeerQy[] =
    "'qy' es positiva cuando aplique compresión al talud. Esta dirigida en dirección vertical  "
    "(eje de las ordenadas).";

// ---------------------------------------------------------------------------------------------
// Form8: cargas lineales (puntuales en la sección).
inline constexpr char TituloForm8[] = "Caragas lineales";
inline constexpr char EtiquetaXp[] = "xp (m)";
inline constexpr char EtiquetaYp[] = "yp (m)";
inline constexpr char EtiquetaPx[] = "Px (ton/m)";
inline constexpr char EtiquetaPy[] = "Py (ton/m)";
inline constexpr char XpNoNumerico[] =
    "Debe introducir un número para la abscisa de aplicación de la carga puntual";
inline constexpr char YpNoNumerico[] =
    "Debe introducir un número para la ordenada de aplicación de la carga puntual";
inline constexpr char PxNoNumerico[] =
    "Debe introducir un número para la carga puntual aplicada en dirección de las abscisas";
inline constexpr char PyNoNumerico[] =
    "Debe introducir un número para la carga puntual aplicada en dirección de las ordenadas";
inline constexpr char LeerPx[] = "'Px' es positiva cuando aplica compresión al talud y esta "
                                 "dirigida en dirección de las abscisas.";
inline constexpr char LeerPy[] =
    "'Py' es positiva cuando aplica compresión al talud y está dirigida en la dirección de la "
    "gravedad (eje de las ordenadas).";

// ---------------------------------------------------------------------------------------------
// Form15: información del proyecto.
inline constexpr char TituloForm15[] = "Información Importante";
inline constexpr char EtiquetaProgresivaInicial[] = "Progresiva inicial:";
inline constexpr char EtiquetaProgresivaFinal[] = "Progresiva final:";
inline constexpr char EtiquetaFechaProyecto[] = "Fecha del proyecto:";
inline constexpr char EtiquetaIngResponsable[] = "Ing. responsable:";
inline constexpr char EtiquetaEmpresa[] = "Empresa:";
inline constexpr char TituloProgresivaInicial[] = "Progresiva inicial";
inline constexpr char ProgresivaInicialNumerica[] = "Debe dar la progresiva de la forma 1+001.00 ";
inline constexpr char TituloProgresivaFinal[] = "Progresiva final";
inline constexpr char ProgresivaFinalNumerica[] = "Debe dar la progresiva de la forma 1+001.00";
inline constexpr char TituloFechaProyecto[] = "Fecha del proyecto";
inline constexpr char FechaNumerica[] = "Debe dar la fecha de la forma 30 / 12/ 1999";
inline constexpr char TituloNombreIng[] = "Nombre del Ing.";
inline constexpr char NombreIngNumerico[] = "Nombre de la persona responsable.";
inline constexpr char EmpresaNumerica[] =
    "Debe dar un nombre para la Empresa encargada del proyecto";

} // namespace vertana::textos
