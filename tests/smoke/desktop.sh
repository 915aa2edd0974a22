# A desktop of a smoke test's own, sourced by the smoke tests: a work folder, an X server with
# openbox or a headless weston, a session bus with its accessibility bus, and the game; every
# process ends with the test. A program it needs that is missing fails the test, named: a test that
# skipped would pass over the very thing it is there to check.
work="$(mktemp -d)"
pids=""
# Under set -e, one process already gone must not stop the rest; all end before their folder goes.
# One that does not end when asked (Orca saying goodbye to a bus already gone, on a busy machine)
# is killed five seconds later, so the test does not wait out its time limit after its verdict.
finish() {
  kill $pids 2>/dev/null || :
  (sleep 5 && kill -KILL $pids) >/dev/null 2>&1 &
  wait $pids 2>/dev/null || :
  kill $! 2>/dev/null || :
  rm -rf "$work"
}
trap finish EXIT
trap 'exit 1' HUP INT TERM  # dash runs the exit trap on signals only through an exit
fail() { echo "FAIL: $*" >&2; tail -n 30 "$work/quimbo.log" >&2 2>/dev/null; exit 1; }
need() { for tool; do command -v "$tool" >/dev/null || fail "no $tool (scripts/install-deps --tests installs it)"; done; }
run() { "$@" >>"$work/${1##*/}.log" 2>&1 & pids="$! $pids"; }
waiting() { for _ in $(seq 200); do eval "$1" && return 0; sleep 0.05; done; fail "$2"; }
# ImageMagick 7 (Debian 13) is magick; its old name convert still answers, but prints noise with -fx.
magick="$(command -v magick || echo convert)" && export QUIMBO_MAGICK="$magick"

# Xvfb must not reset when its last client leaves (the accessibility bus launcher does, early on):
# the reset turns away whoever connects next.
start_x() {
  need Xvfb openbox xdotool xprop xwininfo import "$magick"
  run Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$work/display"
  waiting '[ -s "$work/display" ]' "Xvfb did not start"
  export DISPLAY=":$(cat "$work/display")" && unset QT_QPA_PLATFORM
  # Room kept free for a desktop's panels, above and on the left: the free area's middle is not
  # the screen's. Left to itself, openbox puts a new window in the free area's top left corner,
  # as many window managers do: the game must centre its windows itself.
  sed 's|<top>0</top>|<top>40</top>|; s|<left>0</left>|<left>100</left>|; s|<center>yes</center>|<center>no</center>|' \
    /etc/xdg/openbox/rc.xml >"$work/rc.xml" || fail "no openbox settings to start from"
  run openbox --sm-disable --config-file "$work/rc.xml"
  waiting 'xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id"' "no openbox"
}

# --debug lets the test take screenshots and ask where the windows are; with no X server to fall
# back on, Qt must speak Wayland.
start_weston() {
  need weston weston-screenshooter weston-debug "$magick"
  export XDG_RUNTIME_DIR="$work/run" WAYLAND_DISPLAY=quimbo QT_QPA_PLATFORM=wayland && unset DISPLAY
  mkdir -p -m 700 "$XDG_RUNTIME_DIR"
  run weston --backend=headless-backend.so --use-pixman --debug --socket=quimbo
  waiting '[ -S "$XDG_RUNTIME_DIR/quimbo" ]' "weston did not start"
}

# Asking our own session bus for the accessibility bus starts it; the answer comes once it is up.
# The game then always speaks AT-SPI, screen reader or not.
start_bus() {
  need dbus-daemon dbus-send /usr/libexec/at-spi-bus-launcher
  run dbus-daemon --session --nofork --nopidfile --print-address=3 3>"$work/bus"
  waiting '[ -s "$work/bus" ]' "the D-Bus session did not start"
  export DBUS_SESSION_BUS_ADDRESS="$(head -n 1 "$work/bus")" QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
  dbus-send --session --print-reply --reply-timeout=10000 --dest=org.a11y.Bus /org/a11y/bus \
    org.a11y.Bus.GetAddress >/dev/null || fail "no accessibility bus"
}
