#!/usr/bin/env bash
# Kills the publisher at each rename of a run over an older document (with a library preloaded
# into it) and checks that the gzip copy never holds another document than the one beside it,
# and that the next start makes the pair whole again, also in a run that publishes nothing.
# Usage: publisherkill.sh PROGRAM KILL_LIBRARY
set -euo pipefail
program=$1 killer=$2
answer=$(dirname "$0")/directoryanswer.json
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "$*"; exit 1; }
agree() {
  [[ ! -e $1/stations_filtered.json.gz ]] || gzip -dc "$1/stations_filtered.json.gz" | cmp -s - "$1/stations_filtered.json"
}

sed 's/Fjord Radio/Fjord Radio of old/' "$answer" >"$work/older.json"
echo '<html>502 Bad Gateway</html>' >"$work/error.html"
"$program" --from "$work/older.json" --output "$work/older" >/dev/null
for at in 1 2 3 by-hand; do
  cp -r "$work/older" "$work/$at"
  if [[ $at == by-hand ]]; then
    # As an older publisher, killed between its two renames, could leave the pair.
    "$program" --from "$answer" --output "$work/$at" >/dev/null
    cp "$work/older/stations_filtered.json.gz" "$work/$at/"
  else
    status=0
    VELLO_KILL_AT_RENAME=$at LD_PRELOAD=$killer ASAN_OPTIONS=verify_asan_link_order=0 \
      "$program" --from "$answer" --output "$work/$at" >/dev/null 2>&1 || status=$?
    [[ $status == 137 ]] || fail "not killed at rename $at: exit status $status"
    agree "$work/$at" || fail "killed at rename $at: the gzip copy is another document's"
  fi
  "$program" --from "$work/error.html" --output "$work/$at" >/dev/null 2>&1 && fail "$at: a page was published"
  [[ -e $work/$at/stations_filtered.json.gz ]] && agree "$work/$at" || fail "$at: the pair was not made whole"
done
