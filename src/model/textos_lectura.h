// Catálogo de textos: por qué no se pudo leer un archivo. Se incluye desde model/textos.h. El
// mensaje de la falla sigue siendo "Error leyendo archivo"; estos textos forman su detalle.
#pragma once

#include <string>

namespace vertana::textos {

// Qué se esperaba encontrar.
inline constexpr char LecturaUnNumero[] = "un número";
inline constexpr char LecturaUnEntero[] = "un número entero";
inline constexpr char LecturaUnaCantidad[] = "una cantidad (un entero no negativo)";

// Motivos.
inline constexpr char LecturaFinDelArchivo[] = "el archivo termina antes de lo esperado";
inline constexpr char LecturaComillaSinCerrar[] = "falta la comilla que cierra el texto";
inline constexpr char LecturaAlgoTrasLasComillas[] =
    "tras un texto entre comillas debe seguir una coma o un fin de línea";
inline constexpr char LecturaArchivoInexistente[] = "el archivo no existe o no se puede leer";
// "se esperaba un número y se encontró «2x»".
std::string LecturaSeEsperaba(const std::string& que, const std::string& encontrado);
// "el número «40000» no cabe en un entero (de -32768 a 32767)".
std::string LecturaFueraDeRango(const std::string& encontrado);
// "el valor debe ser "S" o "R" y es «X»".
std::string LecturaValorNoAdmitido(const std::string& admitidos, const std::string& encontrado);
// "el estrato 2 tiene 9 puntos y el archivo declara como máximo 5".
std::string LecturaMasQueElMaximo(const std::string& que, int cual, int cantidad,
                                  const std::string& unidad, int maximo);
// "las tablas pedidas (70000 × 70000 celdas) superan el límite de 4000000 celdas".
std::string LecturaTablaDesmedida(long filas, long columnas, long limite);

// Partes del archivo, para decir qué se estaba leyendo.
inline constexpr char LeyendoDescripcion[] = "descripción del proyecto";
inline constexpr char LeyendoInformacion[] = "información del proyecto";
inline constexpr char LeyendoMaterial[] = "tipo de material (S o R)";
inline constexpr char LeyendoInstantaneos[] = "uso de parámetros instantáneos (S o N)";
inline constexpr char LeyendoMetodo[] = "método de cálculo";
inline constexpr char LeyendoParametros[] = "parámetros de cálculo iniciales";
inline constexpr char LeyendoTalud[] = "coordenadas del talud";
inline constexpr char LeyendoFalla[] = "coordenadas de la superficie de falla";
inline constexpr char LeyendoUniones[] = "tipos de unión de la superficie de falla";
inline constexpr char LeyendoVariaElRadio[] = "varía el radio (S o N)";
inline constexpr char LeyendoFreatico[] = "coordenadas del nivel freático";
inline constexpr char LeyendoEstratos[] = "encabezado de los estratos";
inline constexpr char LeyendoCargasUniformes[] = "cargas uniformes";
inline constexpr char LeyendoCargasPuntuales[] = "cargas puntuales";
inline constexpr char LeyendoResultados[] = "resultados por dovela";
inline constexpr char LeyendoHistoria[] = "historia de las iteraciones";
inline constexpr char LeyendoGrieta[] = "grieta de tracción";
inline constexpr char LeyendoLaboratorio[] = "datos de laboratorio";
inline constexpr char LeyendoValoresDeHt[] = "valores de ht";
inline constexpr char LeyendoDefinicionInstantaneos[] = "definición de los parámetros instantáneos";
inline constexpr char LeyendoSumasYAnclajes[] = "sumas de esfuerzos y anclajes";
// "estrato 2".
std::string LeyendoEstrato(int estrato);

// Detalle del mensaje: "Archivo: /ruta/talud.cod" y, en otra línea, "Línea 21, ítem 24
// (coordenadas del talud): se esperaba un número y se encontró «18.2x8»."
inline constexpr char DetalleArchivo[] = "Archivo: ";
std::string DetalleDeLaFalla(int linea, int item, const std::string& que,
                             const std::string& motivo);

} // namespace vertana::textos
