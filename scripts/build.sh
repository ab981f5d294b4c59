#!/usr/bin/env bash
# Configures and builds everything into build/ (executables in build/bin).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/ensure-deps.sh
werror=OFF
[[ -n "${CI:-}" ]] && werror=ON
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DWARNINGS_AS_ERRORS=$werror >/dev/null
cmake --build build -j "$(nproc)"
