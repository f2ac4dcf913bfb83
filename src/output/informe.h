// El informe impreso del proyecto: datos y resultados en páginas de una rejilla de caracteres.
//
// La página es una rejilla de celdas de carácter: la columna y la línea de un texto cuentan las
// celdas que hay a su izquierda y encima, desde la esquina del área imprimible (como la
// posición de la impresora). El texto empieza en la columna 15; un contador lleva la próxima
// línea: cuando pasa de la 55 se escribe el número de la página en la columna 48 de la línea 56
// y se sigue en la línea 4 de una página nueva. Dentro de la tabla de dovelas su fila de
// cabeceras se repite tras cada salto; antes de los anclajes siempre se salta de página.
//
// Lee sólo el proyecto (la descripción ya pasada desde la ventana) y no usa Qt: la ventana y la
// línea de órdenes ponen estas páginas en la impresora o en un PDF, o las escriben como texto.
#pragma once

#include "model/proyecto.h"

#include <string>
#include <vector>

namespace vertana {

constexpr int LineaInicialDePagina = 4; // primera línea escrita de cada página
constexpr int UltimaLineaDeTexto = 55;  // un contador que pasa de ella salta de página
constexpr int LineaNumeroDePagina = 56;
constexpr int ColumnaNumeroDePagina = 48;
constexpr int ColumnaDeTexto = 15;                       // donde empieza el texto
constexpr int LineasPorPagina = LineaNumeroDePagina + 1; // filas de la rejilla, 0..56

// Encabezados en 12 puntos destacados; el resto en 10 puntos sin destacar.
enum class EstiloInforme { Cuerpo, Encabezado };

// Un texto en su celda de partida.
struct TextoInforme {
    int Linea = 0;
    int Columna = 0;
    std::string Texto; // UTF-8; un carácter por celda
    EstiloInforme Estilo = EstiloInforme::Cuerpo;

    bool operator==(const TextoInforme&) const = default;
};

struct PaginaInforme {
    int Numero = 0; // desde 1
    std::vector<TextoInforme> Textos;
};

struct Informe {
    std::vector<PaginaInforme> Paginas;
};

// El informe completo del proyecto: descripción, información, nota del método, coordenadas,
// propiedades de los estratos (suelos o rocas), parámetros, círculo de falla, sismo, uniones,
// cargas, dovelas, sumas y, si hay (FS)a > 0, la página de los anclajes. Una sección sin datos
// se escribe con su encabezado solo.
Informe GenerarInforme(const Proyecto& p);

// Celdas que ocupa un texto: una por carácter UTF-8.
int CeldasDeTexto(const std::string& texto);

// Las 57 filas (0..56) de una página, cada texto en su columna, sin blancos al final.
std::vector<std::string> FilasDePagina(const PaginaInforme& pagina);

// El informe como texto plano: cada página con sus 57 filas terminadas en salto de línea y un
// salto de página (\f) delante de cada página a partir de la segunda.
std::string InformeComoTexto(const Informe& informe);

} // namespace vertana
