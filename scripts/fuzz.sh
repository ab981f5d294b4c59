#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (in build-fuzz/) and runs each for
# the given number of seconds (default 600), or only the targets named after
# it. Each target starts from its seed corpus in fuzz/corpus/<target>/ and
# keeps what it finds in build-fuzz/corpus/<target>/; a failing input is
# written to build-fuzz/artifacts/. Long runs: bash scripts/fuzz.sh 3600
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-600}
shift || true
targets=("$@")
((${#targets[@]})) || targets=(values_fuzz textfile_fuzz)

export CCACHE_BASEDIR="$PWD"
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
generator=()
[[ ! -d build-fuzz ]] && command -v ninja >/dev/null && generator=(-G Ninja)
CC=clang CXX=clang++ cmake -S . -B build-fuzz "${generator[@]}" -DRT_FUZZ=ON \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}" >/dev/null
cmake --build build-fuzz -j "$(nproc)"

mkdir -p build-fuzz/artifacts
for target in "${targets[@]}"; do
  corpus=build-fuzz/corpus/$target
  log=build-fuzz/$target.log
  mkdir -p "$corpus"
  echo "fuzzing $target for $seconds s"
  status=0
  build-fuzz/bin/"$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
    -artifact_prefix=build-fuzz/artifacts/"$target"- -print_final_stats=1 \
    "$corpus" "fuzz/corpus/$target" >"$log" 2>&1 || status=$?
  grep -E "^(Done|stat::number_of_executed_units)" "$log" || true
  if ((status != 0)); then
    tail -n 60 "$log"
    echo "$target found a failing input (see build-fuzz/artifacts/)" >&2
    exit 1
  fi
done
