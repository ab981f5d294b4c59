#!/usr/bin/env bash
# Installs the build into a temporary tree and checks it holds every program,
# its desktop entry (valid) and the icon.
# Usage: check_install.sh <build dir> <program>...
set -euo pipefail
build=$1
shift
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
cmake --install "$build" --prefix "$root/usr" >/dev/null

status=0
fail() { echo "FAIL: $*" >&2; status=1; }
for program in "$@"; do
  [[ -x $root/usr/bin/$program ]] || fail "bin/$program missing"
  entry=$root/usr/share/applications/formprograms-$program.desktop
  if [[ -f $entry ]]; then
    desktop-file-validate "$entry" || fail "$entry is not valid"
    grep -qx "Exec=$program" "$entry" || fail "$entry does not start $program"
    grep -q '^Name\[es\]=.' "$entry" || fail "$entry has no Spanish name"
    grep -q '^Comment\[es\]=.' "$entry" || fail "$entry has no Spanish comment"
  else
    fail "desktop entry of $program missing"
  fi
done
icon=$root/usr/share/icons/hicolor/scalable/apps/formprograms.svg
grep -q '<svg' "$icon" 2>/dev/null || fail "icon missing"
extra=$(find "$root/usr/bin" -name '*_tests' -o -name 'bench_*')
[[ -z $extra ]] || fail "tests or benchmarks installed: $extra"
exit $status
