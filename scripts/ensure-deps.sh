#!/usr/bin/env bash
# Installs what building and testing need beyond a bare Debian system, when
# something is missing. As root it installs with apt-get; otherwise it prints
# the exact command to run and stops.
set -euo pipefail

# Every tool a build or a test calls comes from here, so that the README's
# commands work on a bare Debian 12.
packages=(
  g++ cmake make pkg-config
  qt6-base-dev qt6-base-dev-tools libgl-dev qt6-qpa-plugins
  # lupdate and lrelease, and their CMake functions
  qt6-l10n-tools qt6-tools-dev
  libgtest-dev
  fonts-liberation
  # icons rendered at build time
  librsvg2-bin
  # the install and package checks: desktop entries, AppStream metadata, the
  # .deb with its library dependencies (dpkg-shlibdeps, which needs file)
  qt6-translations-l10n desktop-file-utils appstream dpkg-dev file lintian
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
