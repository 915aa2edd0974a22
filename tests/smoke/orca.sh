# Orca, the screen reader, on the smoke test's own desktop: start_orca, then wait_for_speech to
# hear it. Sourced after desktop.sh and before start_bus, since the accessibility bus puts its
# socket under XDG_RUNTIME_DIR. Home, sockets and settings all live in the work folder, so tests
# running at the same time share nothing. Speech goes to speech-dispatcher's silent module and
# what Orca says is read back from its debug log, one "SPEECH OUTPUT: '...'" line per utterance.
export HOME="$work/home" XDG_RUNTIME_DIR="$work/run" GSETTINGS_BACKEND=memory
export XDG_CONFIG_HOME="$HOME/.config" XDG_DATA_HOME="$HOME/.local/share" XDG_CACHE_HOME="$HOME/.cache"
export SPEECHD_ADDRESS="unix_socket:$work/speechd/sock"
mkdir -p "$HOME" "$work/speechd"
mkdir -m 700 "$XDG_RUNTIME_DIR"
# The silent module still opens a sound device: with none it fails to load or stalls after the
# first words, so a null device stands in.
echo 'pcm.!default { type null }' >"$HOME/.asoundrc"
printf '%s\n' 'AddModule "dummy" "sd_dummy" ""' 'DefaultModule dummy' 'AudioOutputMethod "alsa"' \
  >"$work/speechd/speechd.conf"
orca_log="$work/orca.log"
echo 0 >"$work/heard"  # lines of the log that wait_for_speech has read past

# Orca's own launcher refuses to start beside another Orca of the same user (every test runs as
# one user) and buffers its log; this one does neither. Orca's own words stay in English.
start_orca() {
  need orca speech-dispatcher
  speech-dispatcher --run-single --timeout 0 --config-dir "$work/speechd" \
    --socket-path "$work/speechd/sock" --pid-file "$work/speechd/pid" --log-dir "$work/speechd" \
    >"$work/speechd/out" 2>&1 &
  track $!
  for _ in $(seq 100); do [ -S "$work/speechd/sock" ] && break; sleep 0.05; done
  [ -S "$work/speechd/sock" ] || fail "speech-dispatcher did not start: $(tail -n 3 "$work/speechd/out")"
  : >"$orca_log"
  LC_ALL=C.UTF-8 LANGUAGE= /usr/bin/python3 -c '
import sys, types
from orca import debug
cli = types.ModuleType("orca_cli")
exec(open("/usr/bin/orca").read(), cli.__dict__)
cli.otherOrcas = lambda: []
debug.debugLevel, debug.eventDebugLevel = debug.LEVEL_ALL, debug.LEVEL_OFF
debug.debugFile = open(sys.argv[1], "w", buffering=1)
sys.argv[1:] = ["--user-prefs", sys.argv[2], "--disable", "braille"]
sys.exit(cli.main())' "$orca_log" "$work/orca" >"$work/orca.out" 2>&1 &
  orca_pid=$!
  track $orca_pid
  wait_for_speech "^Screen reader on" 20 >/dev/null || fail "Orca did not start: $(tail -n 3 "$work/orca.out")"
}

# Waits up to $2 seconds (10 by default) for Orca to say something that matches the extended
# regular expression $1, after all that earlier calls found, and prints it. The mark is kept in a
# file so that a call inside $(...) moves it too.
wait_for_speech() {
  for _ in $(seq $((${2:-10} * 10))); do
    said=$(awk -v from="$(cat "$work/heard")" -v re="$1" 'NR > from && sub(/^.* - SPEECH OUTPUT: \047/, "") {
      sub(/\047( voice=[a-z]+)? ?(\{.*\}|None)?$/, ""); if ($0 ~ re) { print NR " " $0; exit } }' "$orca_log")
    if [ -n "$said" ]; then
      echo "${said%% *}" >"$work/heard"
      echo "${said#* }"
      return 0
    fi
    kill -0 "$orca_pid" 2>/dev/null || break
    sleep 0.1
  done
  echo "Orca did not say /$1/; it said:" >&2
  awk -v from="$(cat "$work/heard")" 'NR > from && sub(/^.* - SPEECH OUTPUT: /, "  ") { sub(/ ?\{.*/, ""); print }' \
    "$orca_log" >&2
  return 1
}
