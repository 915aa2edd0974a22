#!/bin/sh
# A match of the game under openbox, as on an ordinary desktop (window_manager.py), with
# screenshots of each step in $QUIMBO_SCREENSHOTS. Usage: window_manager.sh <path to quimbo>
set -eu
. "$(dirname "$0")/desktop.sh"
mkdir -p "${QUIMBO_SCREENSHOTS:=$work}" && export QUIMBO_SCREENSHOTS
start_x
start_bus
start_game "$1"
/usr/bin/python3 "$(dirname "$0")/window_manager.py" || fail "the game misbehaves under a window manager"
