#!/usr/bin/env bash
# The gallery's Spanish translations.
#   translations.sh update <lupdate> <source folders, joined by ':'> <gallery_es.ts>
#     gathers every translatable text of the sources into the .ts file (new
#     texts come in unfinished, texts no longer used go);
#   translations.sh check <lupdate> <source folders> <gallery_es.ts> <more .ts>...
#     does the same into a copy and fails, naming them, when a text there or in
#     the other translation files has no Spanish.
set -euo pipefail
mode=$1 lupdate=$2 sources=$3 ts=$4
shift 4
IFS=: read -ra folders <<<"$sources"
# Each folder's includes are written from its parent ("trace/trace_log.h").
includes=()
for folder in "${folders[@]}"; do includes+=(-I "$(dirname "$folder")"); done

gather() {
  "$lupdate" -silent -locations none -no-obsolete -extensions cpp,h "${includes[@]}" "${folders[@]}" -ts "$1"
}

# The source texts of the messages in a .ts file that have no translation.
untranslated() {
  awk '
    /<source>/ { source = $0; sub(/.*<source>/, "", source); sub(/<\/source>.*/, "", source) }
    /<translation type="unfinished"|<translation><\/translation>|<translation\/>/ { print "  " source }
  ' "$1"
}

case $mode in
  update)
    gather "$ts"
    ;;
  check)
    work=$(mktemp -d)
    trap 'rm -rf "$work"' EXIT
    cp "$ts" "$work/$(basename "$ts")"
    gather "$work/$(basename "$ts")"
    status=0
    for file in "$work/$(basename "$ts")" "$@"; do
      missing=$(untranslated "$file")
      if [[ -n $missing ]]; then
        echo "FAIL: no Spanish in $(basename "$file") for:" >&2
        echo "$missing" >&2
        status=1
      fi
    done
    exit $status
    ;;
  *)
    echo "usage: $0 update|check <lupdate> <folder>[:<folder>...] <ts> [<ts>...]" >&2
    exit 2
    ;;
esac
