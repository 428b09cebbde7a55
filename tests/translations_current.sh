#!/usr/bin/env bash
# The committed translations hold exactly the texts the sources mark for
# translation: each, updated from the sources, stays the same file.
#   translations_current.sh LUPDATE SOURCE_DIR [LUPDATE_OPTION...]
set -euo pipefail
lupdate=$1 source=$2
shift 2
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
status=0
for ts in "$source"/translations/*.ts; do
    copy=$scratch/$(basename "$ts")
    cp "$ts" "$copy"
    "$lupdate" -silent -I "$source" "$@" "$source"/engine "$source"/views "$source"/shell "$source"/game -ts "$copy"
    if ! diff -u "$ts" "$copy"; then
        echo "$(basename "$ts") is out of date: run cmake --build <build> --target update_translations and translate" >&2
        status=1
    fi
done
exit $status
