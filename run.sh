#!/usr/bin/env bash
# Instala lo necesario, compila y analiza el proyecto de ejemplo. Con --gui abre el programa.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/preparar.sh
compilar build -DCMAKE_BUILD_TYPE=RelWithDebInfo

if [ "${1:-}" = "--gui" ]; then
  exec ./build/src/vertana
fi
./build/src/vertana-cli resumen examples/talud_homogeneo_bishop.cod
