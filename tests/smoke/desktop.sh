# A desktop of the smoke test's own, sourced by the smoke tests: a work folder, and on exit the end
# of every process started. The tests call what they need of it: an X server (start_x) or a Wayland
# compositor (start_weston), a session bus with its accessibility bus (start_bus), a window manager
# (start_openbox).
work="$(mktemp -d)"
pids=""  # newest first
cleanup() {
  for pid in $pids; do kill "$pid" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 1' HUP INT TERM  # dash runs the exit trap on signals only through an exit
fail() {
  echo "FAIL: $*" >&2
  [ -f "$work/game.log" ] && tail -n 40 "$work/game.log" >&2
  exit 1
}
# Skips the test when this machine lacks a program it needs.
need() { for tool; do command -v "$tool" >/dev/null || { echo "SKIP: no $tool here"; exit 77; }; done; }
wait_for_file() { for _ in $(seq 100); do [ -s "$1" ] && return 0; sleep 0.05; done; return 1; }
track() { pids="$1 $pids"; }

# Xvfb writes its display number once it is ready. It must not reset when its last client leaves
# (the accessibility bus's launcher does, early on): the reset turns away whoever connects next.
start_x() {
  need Xvfb xdotool import convert
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$work/display" 2>"$work/xvfb.log" &
  track $!
  wait_for_file "$work/display" || fail "Xvfb did not start"
  DISPLAY=":$(cat "$work/display")"
  export DISPLAY
  unset QT_QPA_PLATFORM
}

# Weston with no screen, its socket in a runtime folder of our own; --debug lets the test take
# screenshots and ask where the windows are. Qt must then speak Wayland: there is no X to fall back on.
start_weston() {
  need weston weston-screenshooter weston-debug
  XDG_RUNTIME_DIR="$work/runtime"
  mkdir -m 0700 "$XDG_RUNTIME_DIR"
  export XDG_RUNTIME_DIR WAYLAND_DISPLAY=quimbo QT_QPA_PLATFORM=wayland
  unset DISPLAY
  weston --backend=headless-backend.so --use-pixman --debug --socket=quimbo >"$work/weston.log" 2>&1 &
  track $!
  for _ in $(seq 100); do [ -S "$XDG_RUNTIME_DIR/quimbo" ] && return 0; sleep 0.05; done
  fail "weston did not start"
}

# A session bus of our own. Asking it for the accessibility bus starts that one (and, with it,
# everything ends when this bus does); the answer comes once it is up.
start_bus() {
  need dbus-daemon dbus-send /usr/libexec/at-spi-bus-launcher
  dbus-daemon --session --nofork --nopidfile --print-address=3 3>"$work/bus" >"$work/bus.log" 2>&1 &
  track $!
  wait_for_file "$work/bus" || fail "the D-Bus session did not start"
  DBUS_SESSION_BUS_ADDRESS="$(head -n 1 "$work/bus")"
  export DBUS_SESSION_BUS_ADDRESS
  dbus-send --session --print-reply --reply-timeout=10000 --dest=org.a11y.Bus /org/a11y/bus \
    org.a11y.Bus.GetAddress >/dev/null || fail "no accessibility bus (at-spi2-core)"
}

# A stacking window manager, as on an ordinary desktop.
start_openbox() {
  need openbox xprop
  openbox --sm-disable >"$work/openbox.log" 2>&1 &
  track $!
  for _ in $(seq 100); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && return 0
    sleep 0.05
  done
  fail "openbox did not start"
}

# The game, its output kept for a failure report.
start_game() {
  QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$@" >"$work/game.log" 2>&1 &
  game_pid=$!
  track $game_pid
}
