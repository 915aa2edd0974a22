#!/bin/sh
# One round played as a blind player plays it: by keyboard alone, under openbox, with the Orca
# screen reader listening (screen_reader.py). Usage: screen_reader.sh <path to quimbo>
set -eu
. "$(dirname "$0")/desktop.sh"
. "$(dirname "$0")/orca.sh"
start_x
start_bus
start_orca
start_game "$1"
/usr/bin/python3 "$(dirname "$0")/screen_reader.py" "$orca_log" || fail "a blind player could not follow the round"
