#!/usr/bin/env bash
# The English file is complete: lupdate, run over today's sources into a copy,
# leaves no entry unfinished (a new or changed German text without its
# translation) and none obsolete or vanished (a text the sources no longer have).
#
# Usage: translations-check.sh LUPDATE TS_FILE SOURCE_LIST LUPDATE_OPTIONS...
set -euo pipefail
lupdate=$1 ts=$2 sources=$3
shift 3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$ts" "$work/check.ts"
"$lupdate" "$@" "@$sources" -ts "$work/check.ts" > "$work/lupdate.log" 2>&1 || { cat "$work/lupdate.log"; exit 1; }
if grep -E 'type="(unfinished|obsolete|vanished)"' -B2 "$work/check.ts" | grep -E '<source>|type=' > "$work/bad.txt"; then
  echo "The English file is not complete against the sources:"
  cat "$work/bad.txt"
  echo "Run: cmake --build build --target update_translations, then translate the unfinished entries"
  echo "and remove the vanished ones in $ts"
  exit 1
fi
echo "$(grep -c '<source>' "$work/check.ts") texts, each translated"
