#!/usr/bin/env bash
# Builds the fuzz targets with clang's libFuzzer (in build-fuzz/) and runs each for a bounded time,
# starting from its seed corpus in fuzz/<name>/semi/ (the seeds are read, never changed).
#   scripts/fuzz.sh [seconds per target, default 20] [names...]
# Prints the executions each target reached; stops with an error on a crash, a hang or a leak
# (the input that caused it lands in build-fuzz/artefatti/).
set -euo pipefail
cd "$(dirname "$0")/.."
secondi="${1:-20}"
shift || true

# clang brings libFuzzer's runtime with it (libclang-rt-14-dev).
if ! command -v clang++ >/dev/null; then
  sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends clang
fi

cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
      -DPOSSIDORIA_FUZZ=ON >/dev/null
cmake --build build-fuzz -j"$(nproc)"

nomi=("$@")
if [ ${#nomi[@]} -eq 0 ]; then
  for f in fuzz/*/fuzz_*.cpp; do nomi+=("$(basename "$(dirname "$f")")"); done
fi
mkdir -p build-fuzz/artefatti
for nome in "${nomi[@]}"; do
  lavoro="build-fuzz/corpus/$nome"
  mkdir -p "$lavoro"
  registro="build-fuzz/$nome.log"
  semi=("fuzz/$nome/semi")
  opzioni=()
  case "$nome" in
    # Archives are read up to 64 KiB: inputs reach past the limit, where the reader must refuse.
    archivio) opzioni=(-max_len=66560) ;;
    # The judgment starts from archives: the reader's seeds and the worked examples too.
    giudizio) opzioni=(-max_len=66560); semi+=(fuzz/archivio/semi resources/esempi) ;;
  esac
  if ! "build-fuzz/fuzz/fuzz_$nome" -max_total_time="$secondi" -timeout=10 -rss_limit_mb=2048 \
       -print_final_stats=1 -artifact_prefix="build-fuzz/artefatti/$nome-" "${opzioni[@]}" \
       "$lavoro" "${semi[@]}" >"$registro" 2>&1; then
    tail -n 40 "$registro"
    echo "fuzz_$nome: FALLITO (vedi $registro e build-fuzz/artefatti/)" >&2
    exit 1
  fi
  esecuzioni=$(sed -n 's/^stat::number_of_executed_units: *//p' "$registro")
  echo "fuzz_$nome: $esecuzioni esecuzioni in $secondi s, nessun crash, blocco o perdita di memoria"
done
