#!/usr/bin/env bash
# Makes the Debian package from a build and checks it: the tree it installs,
# dependencies computed from the binaries, and (where lintian is installed)
# no errors or warnings from lintian.
# Usage: check_package.sh <build dir> <program>...
set -euo pipefail
build=$(realpath "$1")
shift
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
cpack --config "$build/CPackConfig.cmake" -G DEB -B "$out" >"$out/cpack.log" 2>&1 || {
  cat "$out/cpack.log" >&2
  exit 1
}
deb=$(find "$out" -maxdepth 1 -name '*.deb' | head -1)
[[ -n $deb ]] || { echo "FAIL: no package made" >&2; exit 1; }
dpkg-deb -x "$deb" "$out/root"

status=0
depends=$(dpkg-deb -f "$deb" Depends)
for library in libqt6widgets6 libqt6gui6 libqt6core6 libqt6network6 qt6-qpa-plugins; do
  [[ $depends == *"$library"* ]] || { echo "FAIL: Depends lacks $library: $depends" >&2; status=1; }
done
bash "$(dirname "$0")/check_tree.sh" "$out/root" "$@" || status=1
if command -v lintian >/dev/null; then
  lintian --fail-on error,warning --tag-display-limit 0 "$deb" >&2 || {
    echo "FAIL: lintian finds errors or warnings" >&2
    status=1
  }
fi
echo "$(basename "$deb"): $(dpkg-deb -c "$deb" | wc -l) entries; Depends: $depends"
exit $status
