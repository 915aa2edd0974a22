# A desktop of the smoke test's own, sourced by the smoke tests: a work folder, an X server
# (Xvfb) whose DISPLAY is exported, and on exit the end of every process started.
work="$(mktemp -d)"
pids=""  # newest first
cleanup() {
  for pid in $pids; do kill "$pid" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT
fail() {
  echo "FAIL: $*" >&2
  [ -f "$work/game.log" ] && tail -n 40 "$work/game.log" >&2
  exit 1
}
wait_for_file() { for _ in $(seq 100); do [ -s "$1" ] && return 0; sleep 0.05; done; return 1; }

# Xvfb writes its display number once it is ready.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
pids="$!"
wait_for_file "$work/display" || fail "Xvfb did not start"
DISPLAY=":$(cat "$work/display")"
export DISPLAY
unset QT_QPA_PLATFORM
