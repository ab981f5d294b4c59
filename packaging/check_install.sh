#!/usr/bin/env bash
# Installs the build into a temporary tree and checks what it holds.
# Usage: check_install.sh <build dir> <program>...
set -euo pipefail
build=$1
shift
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
cmake --install "$build" --prefix "$root/usr" >/dev/null
bash "$(dirname "$0")/check_tree.sh" "$root" "$@"
