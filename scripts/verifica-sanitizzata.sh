#!/usr/bin/env bash
# Builds Possidoria with AddressSanitizer and UndefinedBehaviorSanitizer (in build-san/) and runs the
# tests there, offscreen; any finding fails its test.
#   scripts/verifica-sanitizzata.sh           every test
#   scripts/verifica-sanitizzata.sh logica    only the tests of pure logic (no window, no fake), and
#                                             only what they link is built (with the tune they play)
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/prepara.sh --solo-pacchetti
cmake -S . -B build-san -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPOSSIDORIA_SANITIZE=ON >/dev/null
cd build-san
export QT_QPA_PLATFORM=offscreen
if [ "${1:-}" = "logica" ]; then
  obiettivi=$(ctest -N -L '^logica$' | sed -n 's/^ *Test *#[0-9]*: //p')
  cmake --build . -j"$(nproc)" --target musica $obiettivi
  ctest --output-on-failure -j"$(nproc)" -L '^logica$'
else
  cmake --build . -j"$(nproc)"
  ctest --output-on-failure -j"$(nproc)"
fi
