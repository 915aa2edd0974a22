#!/bin/sh
# The game under openbox, as on an ordinary desktop: a round played with the mouse
# (window_manager.py, a screenshot of each step in $QUIMBO_SCREENSHOTS), or one round played by
# keyboard alone with the Orca screen reader listening (screen_reader.py).
# Usage: openbox.sh window_manager|screen_reader <path to quimbo>
set -eu
. "$(dirname "$0")/desktop.sh"
mkdir -p "${QUIMBO_SCREENSHOTS:=$work}" && export QUIMBO_SCREENSHOTS
[ "$1" = window_manager ] || . "$(dirname "$0")/orca.sh"
start_x
start_bus
[ "$1" = window_manager ] || start_orca
run "$2"
/usr/bin/python3 "$(dirname "$0")/$1.py" "${orca_log:-}" || fail "the game failed $1.py"
