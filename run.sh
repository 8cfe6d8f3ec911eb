#!/usr/bin/env bash
# Installs what is missing, builds and starts TERRAFLOT.
set -euo pipefail
cd "$(dirname "$0")"
scripts/dependances.sh
scripts/construit.sh
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "Aucun écran graphique (DISPLAY) n'est disponible pour afficher TERRAFLOT."
  echo "No display available. To start TERRAFLOT in a virtual screen:"
  echo "  xvfb-run -s '-screen 0 1280x1024x24' ./build/app/terraflot"
  exit 1
fi
exec ./build/app/terraflot "$@"
