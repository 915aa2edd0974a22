#!/bin/sh
# Starts the built game in a real X server (Xvfb) with a D-Bus session and an accessibility bus
# of its own, as on a desktop with a screen reader, and lets screen_reader.py play it through
# AT-SPI alone: no mouse, no keyboard.
# Usage: screen_reader.sh <path to quimbo>
set -eu
game="$1"
. "$(dirname "$0")/desktop.sh"

start_x
start_bus

started=$(date +%s)
start_game "$game"
/usr/bin/python3 "$(dirname "$0")/screen_reader.py" || fail "the game could not be played through AT-SPI"
kill -0 "$game_pid" 2>/dev/null || fail "the game did not outlive the move"
echo "played through AT-SPI in $(( $(date +%s) - started )) s"
echo "PASS"
