#!/usr/bin/env bash
# Instala lo que falte en una máquina Debian y compila en build/ (y, si se pide, en build-asan/).
# Lo usan run.sh y test.sh.
set -euo pipefail

paquetes=(cmake ninja-build g++ pkg-config libgtest-dev libgmock-dev libbenchmark-dev
          qt6-base-dev qt6-svg-dev qt6-translations-l10n nlohmann-json3-dev libcli11-dev
          xvfb xauth imagemagick poppler-utils fonts-dejavu-core)

faltan=()
for paquete in "${paquetes[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$paquete" 2>/dev/null | grep -q "install ok installed"; then
    faltan+=("$paquete")
  fi
done
if [ ${#faltan[@]} -gt 0 ]; then
  echo "Instalando: ${faltan[*]}"
  sudo_cmd=()
  [ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends \
    "${faltan[@]}"
fi

# En la integración continua los avisos son errores, sea cual sea el estado de la carpeta de
# compilación: la opción se fija en cada configuración.
werror=OFF
[ "${CI:-}" = "true" ] && werror=ON

compilar() { # carpeta, opciones de cmake...
  local carpeta=$1
  shift
  local generador=()
  [ -f "$carpeta/CMakeCache.txt" ] || generador=(-G Ninja)
  cmake -S . -B "$carpeta" "${generador[@]}" -DVERTANA_WERROR=$werror "$@" >/dev/null
  cmake --build "$carpeta" -- -j2
}
