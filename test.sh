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

# Fuzzing del lector de proyectos, en la integración continua y si hay clang con libFuzzer: un
# minuto desde los ejemplos y los problemas publicados (tests/fuzz).
if [ "${CI:-}" = "true" ] && command -v clang++ >/dev/null; then
  generador=()
  [ -f build-fuzz/CMakeCache.txt ] || generador=(-G Ninja)
  cmake -S . -B build-fuzz "${generador[@]}" -DCMAKE_CXX_COMPILER=clang++ \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVERTANA_FUZZ=ON -DVERTANA_GUI=OFF -DVERTANA_BENCH=OFF \
    >/dev/null
  if grep -q "^VERTANA_HAY_LIBFUZZER:INTERNAL=1" build-fuzz/CMakeCache.txt; then
    cmake --build build-fuzz --target vertana_fuzz_lector -- -j2
    mkdir -p build-fuzz/corpus
    build-fuzz/tests/vertana_fuzz_lector build-fuzz/corpus examples tests/datos/clasicos \
      -max_total_time=60 -timeout=10 -print_final_stats=1
  fi
fi
