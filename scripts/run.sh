#!/usr/bin/env bash
# Installs what is missing, builds, and opens the gallery of programs.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh
if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" ]]; then
  echo "No display: run this from a desktop session (or under xvfb-run)." >&2
  exit 1
fi
exec build/bin/formprograms
