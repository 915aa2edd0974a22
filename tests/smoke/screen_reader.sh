#!/bin/sh
# Plays one round as a blind player does: with the keyboard alone, under openbox, with the Orca
# screen reader listening. screen_reader.py reads what Orca says and presses the keys.
# Usage: screen_reader.sh <path to quimbo>
set -eu
game="$1"
here="$(dirname "$0")"
. "$here/desktop.sh"
. "$here/orca.sh"
start_x
start_bus
start_openbox
start_orca
start_game "$game"
/usr/bin/python3 "$here/screen_reader.py" "$orca_log" || fail "a blind player could not follow the round"
echo "PASS"
