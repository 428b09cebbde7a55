#!/usr/bin/env bash
# Validates the software-centre data pedantically; any note fails.
#   validate_metainfo.sh <appstreamcli> <metainfo file>
# AppStream before 1.0 (Debian 12 has 0.16) does not know the <developer>
# tag that 1.0 reads in place of <developer_name>; only that one note is let
# through there.
set -euo pipefail
appstreamcli=$1
metainfo=$2

report=$("$appstreamcli" validate --pedantic --no-net "$metainfo") || { echo "$report"; exit 1; }
notes=$(grep -E '^[EWIP]: ' <<<"$report" || true)
version=$("$appstreamcli" --version | sed -n 's/^AppStream version: //p')
if [[ $(printf '%s\n' "$version" 1.0 | sort -V | head -n1) != 1.0 ]]; then
    notes=$(grep -Ev '^I: [^ ]+ unknown-tag developer$' <<<"$notes" || true)
fi
if [[ -n $notes ]]; then
    echo "$report"
    exit 1
fi
