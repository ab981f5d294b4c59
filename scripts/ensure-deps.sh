#!/usr/bin/env bash
# Installs what building and testing need beyond a bare Debian system, when
# something is missing. As root it installs with apt-get; otherwise it prints
# the exact command to run and stops.
set -euo pipefail

packages=(
  g++ cmake make pkg-config
  qt6-base-dev qt6-base-dev-tools libgl-dev qt6-qpa-plugins
  libgtest-dev
  fonts-liberation
  qt6-translations-l10n desktop-file-utils dpkg-dev
  ccache
  libxcb1-dev libxcb-damage0-dev
  clang libclang-rt-14-dev
)

missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$p")
done

((${#missing[@]} == 0)) && exit 0

command="apt-get update && DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends ${missing[*]}"
if [[ $(id -u) -eq 0 ]]; then
  echo "Installing: ${missing[*]}"
  bash -c "$command"
else
  echo "Missing packages: ${missing[*]}" >&2
  echo "Run as root:  sudo bash -c '$command'" >&2
  exit 1
fi
