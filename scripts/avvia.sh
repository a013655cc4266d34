#!/usr/bin/env bash
# Builds Possidoria if needed and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/prepara.sh
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "Possidoria: nessuno schermo grafico disponibile (DISPLAY non impostato)." >&2
  echo "Avviare da una sessione grafica, oppure senza schermo con: xvfb-run scripts/avvia.sh" >&2
  exit 2
fi
exec build/possidoria
