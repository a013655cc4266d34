#!/usr/bin/env bash
# Lays out the C++ sources as .clang-format says.
#   scripts/formato.sh             rewrites the files that differ
#   scripts/formato.sh --verifica  only checks: names the files that differ and fails
set -euo pipefail
cd "$(dirname "$0")/.."
mapfile -t sorgenti < <(find src tests bench fuzz resources -name '*.cpp' -o -name '*.h' | sort)
if [ "${1:-}" = "--verifica" ]; then
  diversi=()
  for f in "${sorgenti[@]}"; do
    clang-format --style=file "$f" | cmp -s - "$f" || diversi+=("$f")
  done
  if [ ${#diversi[@]} -gt 0 ]; then
    echo "Non impaginati come dice .clang-format (scripts/formato.sh li sistema):" >&2
    printf '  %s\n' "${diversi[@]}" >&2
    exit 1
  fi
else
  clang-format --style=file -i "${sorgenti[@]}"
fi
