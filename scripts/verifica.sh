#!/usr/bin/env bash
# Builds Possidoria and runs every test, offscreen. Window pictures land in build/screenshots/.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/prepara.sh
cd build
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)"
