#!/usr/bin/env bash
# Instala lo necesario, compila y analiza el proyecto de ejemplo. Con --gui abre el programa.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/preparar.sh
compilar build -DCMAKE_BUILD_TYPE=RelWithDebInfo

if [ "${1:-}" = "--gui" ]; then
  exec ./build/src/vertana
fi
ejemplo=examples/talud_homogeneo_bishop.cod
./build/src/vertana-cli resumen "$ejemplo"
echo
echo "Factor de seguridad de $ejemplo:"
for metodo in fellenius bishop janbu; do
  ./build/src/vertana-cli calcular "$ejemplo" --metodo "$metodo" 2>/dev/null | sed -n 2p |
    sed "s/^/  $metodo: /"
done
