#!/bin/sh
# The game under openbox, as on an ordinary desktop: a round played with the mouse
# (window_manager.py, a screenshot of each step in $QUIMBO_SCREENSHOTS), or one round played by
# keyboard alone with the Orca screen reader listening (screen_reader.py). The browser opener is a
# stub that says what it was asked to open; what it says reaches the game's terminal, which hears
# nothing else of the game's timing unless asked.
# Usage: openbox.sh window_manager|screen_reader <path to quimbo>
set -eu
. "$(dirname "$0")/desktop.sh"
mkdir -p "${QUIMBO_SCREENSHOTS:=$work}" && export QUIMBO_SCREENSHOTS
[ "$1" = window_manager ] || . "$(dirname "$0")/orca.sh"
start_x
start_bus
[ "$1" = window_manager ] || start_orca
# A desktop with a global menu (Unity's, KDE's) owns this name; the game's menus stay in its window.
if [ "$1" = window_manager ]; then
  run /usr/bin/python3 -c 'from gi.repository import Gio, GLib
Gio.bus_own_name(Gio.BusType.SESSION, "com.canonical.AppMenu.Registrar", 0, None, None, None)
GLib.MainLoop().run()'
  waiting 'dbus-send --session --print-reply --dest=org.freedesktop.DBus / \
    org.freedesktop.DBus.NameHasOwner string:com.canonical.AppMenu.Registrar | grep -q true' "no stand-in global menu"
fi
mkdir "$work/bin" && printf '#!/bin/sh\necho "opener: $1"\n' >"$work/bin/xdg-open" && chmod +x "$work/bin/xdg-open"
PATH="$work/bin:$PATH" run "$2"
/usr/bin/python3 "$(dirname "$0")/$1.py" "${orca_log:-}" || fail "the game failed $1.py"
[ "$1" = screen_reader ] || grep -qx "opener: https://www.rinconludico.example/" "$work/quimbo.log" ||
  fail "the browser opener's words never reached the game's terminal"
! grep -q quimbo-timing "$work/quimbo.log" || fail "the game printed its timing unasked"
