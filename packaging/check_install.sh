#!/usr/bin/env bash
# Installs the build into a temporary tree, as a package would (prefix /usr),
# and checks what it holds.
# Usage: check_install.sh <build dir> <program>...
set -euo pipefail
build=$1
shift
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
DESTDIR=$root cmake --install "$build" --prefix /usr >/dev/null
bash "$(dirname "$0")/check_tree.sh" "$root" "$@"
