#!/bin/sh
# Starts the built game in a real X server (Xvfb) with a D-Bus session and an accessibility bus
# of its own, as on a desktop with a screen reader, and lets screen_reader.py play it through
# AT-SPI alone: no mouse, no keyboard.
# Usage: screen_reader.sh <path to quimbo>
set -eu
game="$1"
. "$(dirname "$0")/desktop.sh"

# A session bus of our own. Asking it for the accessibility bus starts that one (and, with it,
# everything ends when this bus does); the answer comes once it is up.
dbus-daemon --session --nofork --nopidfile --print-address=3 3>"$work/bus" >"$work/bus.log" 2>&1 &
pids="$! $pids"
wait_for_file "$work/bus" || fail "the D-Bus session did not start"
DBUS_SESSION_BUS_ADDRESS="$(head -n 1 "$work/bus")"
export DBUS_SESSION_BUS_ADDRESS
dbus-send --session --print-reply --reply-timeout=10000 --dest=org.a11y.Bus /org/a11y/bus \
  org.a11y.Bus.GetAddress >/dev/null || fail "no accessibility bus (at-spi2-core)"

started=$(date +%s)
QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$game" >"$work/game.log" 2>&1 &
game_pid=$!
pids="$game_pid $pids"
/usr/bin/python3 "$(dirname "$0")/screen_reader.py" || fail "the game could not be played through AT-SPI"
kill -0 "$game_pid" 2>/dev/null || fail "the game did not outlive the move"
echo "played through AT-SPI in $(( $(date +%s) - started )) s"
echo "PASS"
