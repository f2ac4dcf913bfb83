// Catálogo de textos: parte de ventana. Se incluye desde model/textos.h.
#pragma once

namespace vertana::textos {

// Editor de coordenadas de la ventana principal.
inline constexpr char EtiquetaConjuntoTalud[] = "Coordenadas del talud";
inline constexpr char EtiquetaConjuntoFalla[] = "Coordenadas de la superficie de falla";
inline constexpr char EtiquetaConjuntoFreatico[] = "Coordenadas del nivel freático";
inline constexpr char EtiquetaConjuntoEstrato[] = "Coordenadas del estrato";
inline constexpr char EtiquetaSinEstratos[] = " ";
inline constexpr char SeleccioneElEstrato[] = "Seleccione el estrato";
inline constexpr char EditorEtiquetaX[] = " x  (m): ";
inline constexpr char EditorEtiquetaY[] = " y (m): ";
inline constexpr char AyudaTextoX[] = "Abscisa de  la geometría que está  analizando. Utilice el "
                                      "pto (.), para los decimales.   ";
inline constexpr char AyudaTextoY[] =
    "Ordenada de  la geometría que está analizando. Utilice el pto (.), para los decimales.";
inline constexpr char AyudaListaCoordenadas[] =
    " Recuadros superiores para insertar un número. Si existe ya la información en la lista de "
    "coordenadas, seleccione con el ratón para eliminar o modificar.";
inline constexpr char AyudaListaEstrato[] = "Seleccione el estrato que desea ver o eliminar. ";
inline constexpr char EtiquetaTextoProyecto[] = "Descripción del proyecto:";
inline constexpr char AyudaTextoProyecto[] =
    "Describa su proyecto. Para pasar a otra linea presione Ctrl + Enter";
inline constexpr char EditorAgregar[] = "Agregar";
inline constexpr char EditorModificar[] = "Modificar";
inline constexpr char EditorBorrar[] = "Borrar";
inline constexpr char BotonAdvertenciaLeer[] = "Leer";
inline constexpr char EditorEncabezadoX[] = "x";
inline constexpr char EditorEncabezadoY[] = "y";
// Formato de los valores de la lista de coordenadas.
inline constexpr char FormatoCoordenada[] = "#0.00";

// Mensajes del editor.
inline constexpr char NoHayEstratos[] =
    "Actualmente no hay estratos. Seleccione primero una de las opciones: \nInsertar estrato";
inline constexpr char SeleccioneOpcionEstrato[] = "Seleccione la opción coordenadas estrato";
inline constexpr char PreguntaEliminarEstrato[] =
    "Desea eleminar el estrato que se muestra en pantalla?";
inline constexpr char IndiqueSueloORoca[] = "Por favor vaya a la opción PARAMETROS INICIALES DE "
                                            "CALCULO e indique si está trabajando en SUELO o ROCA";
inline constexpr char PreguntaVaciarFreaticoSinGuardar[] =
    "Desea eliminar todas las coordenadas y que serán las correspondientes al nivel freático?";
inline constexpr char SeleccioneOpcionFreatico[] =
    "Seleccione la opción coordenadas nivel freático";
inline constexpr char PreguntaEliminarFreatico[] =
    "Desea eleminar las coordenadas del nivel freático?";
inline constexpr char ConjuntoLleno[] =
    "El conjunto ya tiene el máximo de puntos admitido (32767); no se agregó el punto.";
inline constexpr char DemasiadosEstratos[] =
    "El proyecto ya tiene el máximo de estratos admitido (32767); no se insertó el estrato.";
inline constexpr char SeleccionePuntoAModificar[] =
    "Seleccione con el ratón en la lista de coordenadas el punto que desea modificar.";

// Condiciones de los elementos del menú que abren diálogos: título y texto del aviso.
inline constexpr char TituloAvisoCoordenadasFalla[] = "Coordenadas superficie de falla";
inline constexpr char AvisoFallaYUniones[] =
    "Debe introducir coordenadas de la superficie de falla y definir las uniones entre los "
    "puntos de la superficie de falla";
inline constexpr char AvisoFalla[] = "Debe introducir coordenadas de la superficie de falla";
inline constexpr char TituloAvisoInstantaneos[] = "PARAMETROS INSTANTANEOS";
inline constexpr char AvisoInstantaneos[] =
    "Seleccione en la PANTALLA PARAMETROS INICIALES la opción PARAMETROS INSTANTANEOS ";
inline constexpr char TituloAvisoSoloSuelos[] = "Esta opción es para SUELOS:";
inline constexpr char AvisoSeleccionoRocas[] =
    "Ud ha seleccionado la opción 'Rocas' en los parámetros iniciales";
inline constexpr char TituloAvisoCaracteristicasEstratos[] = "Características de estratos";
inline constexpr char AvisoEstratosYParametros[] =
    "Debe introducir estratos antes de dar sus caraterísticas y además debe dar los parámetros "
    "iniciales de cálculo";

// Insertar un estrato (Form4).
inline constexpr char TituloForm4[] = "Insertar un nuevo estrato";
inline constexpr char EtiquetaListaEntre[] = "Insertar un nuevo estrato:";
inline constexpr char AyudaListaEntre[] = "Seleccione donde desea insertar el estrato.";
inline constexpr char Form4AntesDelPrimero[] = "antes del primero";
inline constexpr char Form4DespuesDelUltimo[] = "después del último";
inline constexpr char Form4Entre[] = "entre";
inline constexpr char Form4UnionY[] = " y ";
inline constexpr char Form4Aceptar[] = "Aceptar";
inline constexpr char Form4Salir[] = "Salir";

// Acerca de y ayuda.
inline constexpr char TituloAcercaDe[] = "Acerca de Vertana";
inline constexpr char VersionDeDiseno[] = "Versión 1.0";
inline constexpr char PrefijoVersion[] = "Versión ";
inline constexpr char AutoriaDelSoftware[] = "Autoría de  este  Software:  ";
inline constexpr char AvisoDeProteccion[] =
    "Advertencia: este programa está protegido por las leyes de derecho de autor y por los "
    "tratados internacionales. La reproducción o distribución no autorizada de este programa, o "
    "de cualquier parte de él, está prohibida sin el permiso escrito de Dravenca. Los resultados "
    "del programa deben ser revisados por un ingeniero responsable antes de usarse en un "
    "proyecto.";
inline constexpr char AcercaDeAceptar[] = "Aceptar";
inline constexpr char F1ParaAyuda[] = "F1 para ayuda.";
inline constexpr char TituloAyuda[] = "Ayuda de Vertana";
inline constexpr char AyudaIndice[] = "Índice";
inline constexpr char AyudaAtras[] = "Atrás";
inline constexpr char AyudaCerrar[] = "Cerrar";

// Menús de la ventana principal (el & marca la tecla de acceso).
namespace menu {
inline constexpr char Archivo[] = "&Archivo";
inline constexpr char Nuevo[] = "&Nuevo";
inline constexpr char Abrir[] = "&Abrir";
inline constexpr char Guardar[] = "&Guardar";
inline constexpr char GuardarComo[] = "G&uardar como...";
inline constexpr char Informacion[] = "&Información del proyecto";
inline constexpr char Constantes[] = "Pará&metros de cálculo iniciales...";
inline constexpr char CambioParametros[] = "Cambio de parámetros de &Resistencia.... ";
inline constexpr char PresionesDePoros[] = "&Presiones de poros controladas por el usuario";
inline constexpr char Calcular[] = "&Calcular factor de seguridad";
inline constexpr char CalculoEnSuelos[] = "&Suelos";
inline constexpr char ProcesoIterativoEnSuelos[] = "&Dov Leshchinsky and Ching-Chuan Huang ";
inline constexpr char Bishop[] = "&Bishop A. W.";
inline constexpr char Fellenius[] = "&Fellenius W.";
inline constexpr char Janbu[] = "&Janbu";
inline constexpr char CalculoEnRocas[] = "&Rocas";
inline constexpr char ProcesoIterativoEnRocas[] = "&Dov Leshchinsky - Ching and Hoek - Brow (m,s)";
inline constexpr char JanbuEnRocas[] = "&Método de Janbu aplicado a rocas";
inline constexpr char ParametrosInstantaneos[] = "&Suelos o Rocas  (parámetros instantáneos c,fi)";
inline constexpr char Presentacion[] = "&Presentación del cálculo de esfuerzos";
inline constexpr char ResultadosRocas[] = "&Resultados cálculo  para rocas";
inline constexpr char ResultadosSuelos[] = "&Resultados cálculo para suelos";
inline constexpr char Imprimir[] = "&Imprimir";
inline constexpr char Salir[] = "&Salir";

inline constexpr char Coordenadas[] = "&Coordenadas";
inline constexpr char DeArchivo[] =
    "&Entre aquí  si existe coordenadas de talud, de estratos y nivel freático.";
inline constexpr char Talud[] = "&Talud";
inline constexpr char Falla[] = "&Superficie potencial de falla";
inline constexpr char GeometriaFalla[] = "&Geometría entre puntos de la superficie de falla";
inline constexpr char Freatico[] = "&Nivel freático";
inline constexpr char Estratos[] = "&Estratos";
inline constexpr char InsertarEstrato[] = "Inser&tar estrato...";
inline constexpr char CaracteristicasEstratos[] = "&Características de los estratos...";
inline constexpr char CaracteristicasSuelos[] = "&Suelos";
inline constexpr char CaracteristicasRocas[] = "&Rocas";
inline constexpr char RocaSinLaboratorio[] = "&Sin datos de pruebas de laboratorio";
inline constexpr char RocaConLaboratorio[] = "&Con datos de pruebas de laboratorio";
inline constexpr char EliminarEstrato[] = "Elimina&r estrato";
inline constexpr char EliminarFreatico[] = "Eliminar &Nivel freático";

inline constexpr char Cargas[] = "&Cargas";
inline constexpr char CargasUniformes[] = "&Uniformemente distribuidas";
inline constexpr char CargasPuntuales[] = "&Puntuales";

inline constexpr char Grafico[] = "&Gráfico";
inline constexpr char GraficoGeometria[] = "&Geometría del talud";
inline constexpr char GraficoNormalesEfectivos[] = "Esfuerzos normales &efectivos";
inline constexpr char GraficoNormalesTotales[] = "Esfuerzos normales &totales";
inline constexpr char GraficoPrincipalMayor[] = "Esfuerzo principal &mayor";
inline constexpr char GraficoPrincipalMenor[] = "Esfuerzo principal m&enor";
inline constexpr char GraficoTangenciales[] = "Esfuerzos tangenciales m&ovilizados";
inline constexpr char GraficoResistencia[] = "&Resistencia al corte vs esfuerzo normal";
inline constexpr char GraficoNormalesYTangenciales[] =
    "Esfuerzos normales totales, efectivos y tangenciales";
inline constexpr char GraficoPrincipales[] = "Esfuerzos &principales";
inline constexpr char GraficoGeometriaEscala[] = "Geometría a la escala de los e&sfuerzos";

inline constexpr char Ayuda[] = "A&utor";
inline constexpr char Contenido[] = "&Contenido";
inline constexpr char AcercaDe[] = "&Acerca de...";
} // namespace menu

} // namespace vertana::textos
