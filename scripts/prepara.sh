#!/usr/bin/env bash
# Installs what a fresh Debian 12 machine lacks to build Possidoria, then configures and builds it.
#   scripts/prepara.sh --solo-pacchetti   installs only
set -euo pipefail
cd "$(dirname "$0")/.."

pacchetti=(cmake ninja-build g++ pkg-config qt6-base-dev qt6-base-dev-tools libgl-dev
           libfluidsynth-dev libasound2-dev timgm6mb-soundfont fonts-dejavu-core xvfb xauth
           qt6-translations-l10n desktop-file-utils dpkg-dev poppler-utils
           shared-mime-info libxml2-utils appstream libglib2.0-bin zlib1g-dev clang-format)
mancanti=()
for p in "${pacchetti[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || mancanti+=("$p")
done
if [ ${#mancanti[@]} -gt 0 ]; then
  sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${mancanti[@]}"
fi
[ "${1:-}" = "--solo-pacchetti" ] && exit 0

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)"
