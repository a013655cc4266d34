#!/usr/bin/env bash
# Builds the Debian package of Possidoria and checks it with lintian, as a release would be made:
# a separate build in build-pacchetto/ (optimised, with Debian's hardening flags), cpack, lintian.
# Not part of the tests: run it by hand before a release.
#   scripts/pacchetto.sh     the package is build-pacchetto/deb/possidoria_<version>_<arch>.deb;
#                            lintian's report in build-pacchetto/lintian.txt; status 1 on any error
set -euo pipefail
cd "$(dirname "$0")/.."

if ! command -v lintian >/dev/null; then
  sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends lintian
fi
if [ -z "${CMAKE_CXX_COMPILER_LAUNCHER:-}" ] && command -v ccache >/dev/null; then
  export CMAKE_CXX_COMPILER_LAUNCHER=ccache
fi

cartella=build-pacchetto
cmake -S . -B "$cartella" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPOSSIDORIA_INDURIMENTO=ON \
      -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON >/dev/null
# Only what the package holds: the two programs, the tune, the manual pages and the changelog.
cmake --build "$cartella" -j"$(nproc)" --target possidoria possidoria-sentenza musica documenti_installati

# The changelog's newest entry is the version being packaged.
versione=$(sed -n 's/^project(Possidoria VERSION \([^ ]*\) .*/\1/p' CMakeLists.txt)
registrata=$(dpkg-parsechangelog -l pacchetto/changelog -S Version)
if [ "$versione" != "$registrata" ]; then
  echo "pacchetto/changelog: l'ultima voce è $registrata, il programma è $versione" >&2
  exit 1
fi

rm -rf "$cartella/deb"
cpack --config "$cartella/CPackConfig.cmake" -B "$cartella/deb" >/dev/null
deb=$(ls "$cartella"/deb/possidoria_*.deb)
echo "Pacchetto: $deb"
dpkg-deb --field "$deb" Version Depends Recommends

lintian --display-info --tag-display-limit 0 "$deb" > "$cartella/lintian.txt" || true
cat "$cartella/lintian.txt"
errori=$(grep -c '^E:' "$cartella/lintian.txt" || true)
avvisi=$(grep -c '^W:' "$cartella/lintian.txt" || true)
informazioni=$(grep -c '^I:' "$cartella/lintian.txt" || true)
echo "lintian: $errori errori, $avvisi avvisi, $informazioni informazioni"
[ "$errori" -eq 0 ]
