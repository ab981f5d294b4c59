#!/usr/bin/env bash
# Checks an installed tree (<root>/usr/...): the gallery as the one command on
# the PATH, every program in the private folder with its desktop entry (valid,
# starting that program, named and described in Spanish too, wearing an icon
# of its own), icons at every size, the gallery in the Education menu, the
# manual page, the AppStream metadata (validated) and the Debian documents,
# and no tests or benchmarks.
# Usage: check_tree.sh <root> <program>...
set -euo pipefail
root=$1
shift
usr=$root/usr
status=0
fail() { echo "FAIL: $*" >&2; status=1; }

commands=$(cd "$usr/bin" && ls)
[[ $commands == formprograms ]] || fail "the commands on the PATH are not just formprograms: $commands"

# An icon at every size: bitmaps of exactly that size and the scalable drawing.
check_icon() {
  local icon=$1 size
  for size in 16 24 32 48 64 128 256; do
    local png=$usr/share/icons/hicolor/${size}x$size/apps/$icon.png
    [[ $(file -b "$png" 2>/dev/null) == "PNG image data, $size x $size,"* ]] ||
      fail "$icon has no $size pixel icon"
  done
  grep -q '<svg' "$usr/share/icons/hicolor/scalable/apps/$icon.svg" 2>/dev/null ||
    fail "$icon has no scalable icon"
}

# A valid desktop entry starting `exec`, in English and Spanish, with its icon.
check_entry() {
  local entry=$usr/share/applications/$1.desktop exec=$2
  if [[ ! -f $entry ]]; then
    fail "desktop entry $1 missing"
    return
  fi
  desktop-file-validate "$entry" || fail "$entry is not valid"
  grep -qx "Exec=$exec" "$entry" || fail "$entry does not start $exec"
  grep -qx "Icon=$1" "$entry" || fail "$entry does not wear the icon $1"
  grep -q '^Name\[es\]=.' "$entry" || fail "$entry has no Spanish name"
  grep -q '^Comment\[es\]=.' "$entry" || fail "$entry has no Spanish comment"
  check_icon "$1"
}

check_entry formprograms formprograms
grep -q '^Categories=.*Education' "$usr/share/applications/formprograms.desktop" ||
  fail "the gallery is not in the Education menu"
for program in "$@"; do
  [[ -x $usr/libexec/formprograms/$program ]] || fail "libexec/formprograms/$program missing"
  check_entry "formprograms-$program" "/usr/libexec/formprograms/$program"
done
icons=$(cd "$usr/share/icons/hicolor/48x48/apps" && md5sum -- *.png | cut -d' ' -f1 | sort | uniq -d)
[[ -z $icons ]] || fail "programs share an icon"

metainfo=$(find "$usr/share/metainfo" -name '*.metainfo.xml' 2>/dev/null)
if [[ -z $metainfo ]]; then
  fail "no AppStream metadata"
else
  appstreamcli validate --no-net --pedantic $metainfo >&2 || fail "the AppStream metadata is not valid"
fi
[[ $(zcat "$usr/share/man/man1/formprograms.1.gz" 2>/dev/null | head -1) == .TH\ FORMPROGRAMS* ]] ||
  fail "no manual page for formprograms"
for doc in copyright changelog.gz; do
  [[ -s $usr/share/doc/formprograms/$doc ]] || fail "share/doc/formprograms/$doc missing"
done
extra=$(find "$usr" -name '*_tests' -o -name '*_random_input' -o -name 'bench_*')
[[ -z $extra ]] || fail "tests or benchmarks installed: $extra"
exit $status
