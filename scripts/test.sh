#!/usr/bin/env bash
# Installs what is missing, then checks everything headless, in three steps:
#  1. build/ (warnings are errors in CI): every test through CTest — the
#     runtime's and each program's tests, and each program's random-input test
#     (thousands of random user actions on its windows);
#  2. build-sanitize/: the same tests again, built with AddressSanitizer and
#     UBSan (without the gallery and benchmarks); any report fails;
#  3. build-fuzz/: the fuzz targets, built with clang, each run briefly on its
#     seed corpus (RT_FUZZ_SECONDS, default 30).
# Ends with the minutes each step took.
set -euo pipefail
cd "$(dirname "$0")/.."
export QT_QPA_PLATFORM=offscreen
# Compiler caches keyed on paths inside this folder, so another clone hits them.
export CCACHE_BASEDIR="$PWD"
jobs=$(nproc)
report=()
passed=0
timed() {
  local name=$1 start=$SECONDS
  shift
  "$@"
  report+=("$(awk -v n="$name" -v s=$((SECONDS - start)) 'BEGIN { printf "%-34s %5.1f min", n, s / 60 }')")
}
run_ctest() {
  local log
  log=$(mktemp)
  ctest --test-dir "$1" --output-on-failure -j "$jobs" --timeout 600 | tee "$log"
  passed=$((passed + $(sed -n 's/.*tests passed, 0 tests failed out of \([0-9]*\).*/\1/p' "$log")))
  rm -f "$log"
}

timed "dependencies" bash scripts/ensure-deps.sh

timed "build (warnings as errors)" bash scripts/build.sh
timed "tests and random input" run_ctest build

sanitize_build() {
  local launcher=()
  command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
  cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG="-O1 -g1" \
    -DRT_SANITIZE=ON -DRT_EXTRAS=OFF "${launcher[@]}" >/dev/null
  cmake --build build-sanitize -j "$jobs"
}
# Any sanitizer report ends the process with an error; the suppressions only
# name leaks inside the system's own libraries.
export ASAN_OPTIONS="detect_leaks=1:halt_on_error=1:strict_string_checks=1"
export LSAN_OPTIONS="suppressions=$PWD/cmake/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
timed "sanitizer build" sanitize_build
timed "sanitizer tests and random input" run_ctest build-sanitize
unset ASAN_OPTIONS LSAN_OPTIONS UBSAN_OPTIONS

fuzz_seconds=${RT_FUZZ_SECONDS:-30}
timed "fuzz build and runs" bash scripts/fuzz.sh "$fuzz_seconds"
passed=$((passed + 2))

echo
printf '%s\n' "${report[@]}"
awk -v s=$SECONDS 'BEGIN { printf "%-34s %5.1f min\n", "total", s / 60 }'
echo "$passed passed, 0 failed"
