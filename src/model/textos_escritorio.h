// Catálogo de textos: costumbres de un programa de escritorio (atajos, archivos recientes,
// deshacer, archivos de la línea de órdenes, diálogo de archivos). Se incluye desde
// model/textos.h.
#pragma once

namespace vertana::textos {

// Menú Archivo.
inline constexpr char MenuArchivosRecientes[] = "Archivos recien&tes";
inline constexpr char VaciarArchivosRecientes[] = "&Vaciar la lista";
inline constexpr char SinArchivosRecientes[] = "(ninguno)";

// Menú Coordenadas: deshacer y rehacer cambios del editor.
inline constexpr char MenuDeshacer[] = "&Deshacer";
inline constexpr char MenuRehacer[] = "Re&hacer";
inline constexpr char DeshacerAgregarPunto[] = "agregar punto";
inline constexpr char DeshacerModificarPunto[] = "modificar punto";
inline constexpr char DeshacerBorrarPunto[] = "borrar punto";
inline constexpr char DeshacerInsertarEstrato[] = "insertar estrato";
inline constexpr char DeshacerEliminarEstrato[] = "eliminar estrato";

// Editor de coordenadas: puntos escritos que todavía no cuentan en el proyecto. Se ve bajo los
// botones del editor y como detalle de un aviso de menú que se da mientras los hay.
inline constexpr char AvisoPuntosSinPasar[] =
    "Los puntos escritos en la lista todavía no cuentan en el proyecto: cuentan al cambiar de "
    "conjunto, al guardar o al insertar un estrato.";

// Diálogo de archivos: columnas que Qt deja en inglés.
inline constexpr char TipoCarpeta[] = "Carpeta";
inline constexpr char TipoArchivoDeCoordenadas[] = "Archivo de coordenadas";

// Textos de Qt que su traducción al español deja en inglés: el contexto de Qt, el texto en
// inglés y el nuestro.
struct TextoDeQt {
    const char* contexto;
    const char* ingles;
    const char* espanol;
};
inline constexpr TextoDeQt TextosDeQt[] = {
    {"QAbstractFileIconProvider", "Folder", "Carpeta"},
    {"QAbstractFileIconProvider", "Drive", "Unidad"},
    {"QPrintSettingsOutput", "Double Sided Printing", "Impresión a doble cara"},
    {"QPrintSettingsOutput", "Off", "Desactivada"},
    {"QPrintSettingsOutput", "Long side binding", "Encuadernación por el lado largo"},
    {"QPrintSettingsOutput", "Short side binding", "Encuadernación por el lado corto"},
    {"QPrintSettingsOutput", "Pages", "Páginas"},
    {"QPrintSettingsOutput",
     "Specify pages or ranges separated by commas. Ranges are specified by two numbers separated "
     "by a hyphen. E.g: 3,5-7,9 prints pages 3, 5, 6, 7 and 9.",
     "Indique páginas o intervalos separados por comas. Un intervalo son dos números separados "
     "por un guion. Por ejemplo, 3,5-7,9 imprime las páginas 3, 5, 6, 7 y 9."},
};

} // namespace vertana::textos
