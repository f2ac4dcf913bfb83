// Órdenes de vertana-cli, separadas del main para poder probarlas.
#pragma once

#include "model/proyecto.h"

#include <nlohmann/json.hpp>
#include <ostream>
#include <string>
#include <vector>

namespace vertana {

// Códigos de salida.
constexpr int SalidaCorrecta = 0;
constexpr int SalidaUso = 1;     // argumentos incorrectos
constexpr int SalidaArchivo = 2; // el archivo no pudo leerse o escribirse

// Lee el proyecto de una orden (desde cero); los avisos de la lectura, con el archivo y su
// detalle, van a la salida de errores. false si no se pudo leer.
bool LeerParaCli(const std::string& ruta, Proyecto& p, std::ostream& errores);
// Escribe el proyecto (normalizado como al guardar); false, con el motivo en la salida de
// errores, si no se pudo.
bool GuardarParaCli(const std::string& ruta, Proyecto& p, std::ostream& errores);

// Resumen de lo que contiene un proyecto.
nlohmann::ordered_json ResumenJson(const Proyecto& p);
std::string ResumenTexto(const Proyecto& p);

// Ejecuta vertana-cli con sus argumentos (sin el nombre del programa).
int EjecutarCli(const std::vector<std::string>& argumentos, std::ostream& salida,
                std::ostream& errores);

} // namespace vertana
