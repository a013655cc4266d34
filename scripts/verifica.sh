#!/usr/bin/env bash
# Builds Possidoria (a compiler warning stops the build), checks the layout of the sources and runs
# every test, offscreen. Window pictures land in build/screenshots/.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/prepara.sh
scripts/formato.sh --verifica
cd build
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)"
