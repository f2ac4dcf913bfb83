#!/usr/bin/env bash
# Instala lo necesario, compila y ejecuta todas las pruebas: la compilación normal y, para el
# núcleo y la línea de órdenes, una compilación con sanitizadores de direcciones y de
# comportamiento indefinido.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/preparar.sh

compilar build -DCMAKE_BUILD_TYPE=RelWithDebInfo
(cd build && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j2)

compilar build-asan -DCMAKE_BUILD_TYPE=Debug -DVERTANA_SANITIZE=ON -DVERTANA_GUI=OFF \
  -DVERTANA_BENCH=OFF
(cd build-asan && ctest --output-on-failure -j2)
