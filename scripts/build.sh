#!/usr/bin/env bash
# Configures and builds everything into build/ (executables in build/bin).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/ensure-deps.sh
werror=OFF
[[ -n "${CI:-}" ]] && werror=ON
extra=()
# A compiler cache, when the machine has one, makes rebuilds of a used tree quick.
command -v ccache >/dev/null && extra+=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DWARNINGS_AS_ERRORS=$werror "${extra[@]}" >/dev/null
cmake --build build -j "$(nproc)"
