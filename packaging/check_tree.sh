#!/usr/bin/env bash
# Checks an installed tree (<root>/usr/...): every program, its desktop entry
# (valid, starting that program, named and described in Spanish too), the
# gallery in the Education menu, the icon, and no tests or benchmarks.
# Usage: check_tree.sh <root> <program>...
set -euo pipefail
root=$1
shift
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
grep -q '^Categories=.*Education' "$root/usr/share/applications/formprograms-gallery.desktop" ||
  fail "the gallery is not in the Education menu"
icon=$root/usr/share/icons/hicolor/scalable/apps/formprograms.svg
grep -q '<svg' "$icon" 2>/dev/null || fail "icon missing"
extra=$(find "$root/usr/bin" -name '*_tests' -o -name 'bench_*')
[[ -z $extra ]] || fail "tests or benchmarks installed: $extra"
exit $status
