# Orca, sourced after desktop.sh and before start_bus (the accessibility bus puts its socket under
# XDG_RUNTIME_DIR): home, sockets and settings live in the work folder, so tests at the same time
# share nothing. Speech goes to speech-dispatcher's silent module, and what Orca says is read back
# from its debug log, one "SPEECH OUTPUT: '...'" line per utterance.
export HOME="$work/home" XDG_RUNTIME_DIR="$work/run" GSETTINGS_BACKEND=memory
export XDG_CONFIG_HOME="$HOME/.config" XDG_DATA_HOME="$HOME/.local/share" XDG_CACHE_HOME="$HOME/.cache"
mkdir -p "$XDG_CONFIG_HOME/speech-dispatcher" && mkdir -p -m 700 "$XDG_RUNTIME_DIR"
orca_log="$work/orca.log"

start_orca() {
  need orca speech-dispatcher
  # The silent module still opens a sound device: without one it stalls after the first words.
  echo 'pcm.!default { type null }' >"$HOME/.asoundrc"
  printf '%s\n' 'AddModule "dummy" "sd_dummy" ""' 'DefaultModule dummy' 'AudioOutputMethod "alsa"' \
    >"$XDG_CONFIG_HOME/speech-dispatcher/speechd.conf"
  run speech-dispatcher --run-single --timeout 0  # reads that file, listens under XDG_RUNTIME_DIR
  waiting '[ -S "$XDG_RUNTIME_DIR/speech-dispatcher/speechd.sock" ]' "speech-dispatcher did not start"
  # Orca's own launcher refuses to start beside another Orca of the same user (every test runs as
  # one user) and buffers its log; this one does neither. Orca's own words stay in English.
  run env LC_ALL=C.UTF-8 LANGUAGE= /usr/bin/python3 -c '
import sys, types
from orca import debug
cli = types.ModuleType("orca_cli")
exec(open("/usr/bin/orca").read(), cli.__dict__)
cli.otherOrcas = lambda: []
debug.debugLevel, debug.eventDebugLevel = debug.LEVEL_ALL, debug.LEVEL_OFF
debug.debugFile = open(sys.argv[1], "w", buffering=1)
sys.argv[1:] = ["--user-prefs", sys.argv[2], "--disable", "braille"]
sys.exit(cli.main())' "$orca_log" "$work/orca"
  waiting 'grep -q "SPEECH OUTPUT: .Screen reader on" "$orca_log" 2>/dev/null' "Orca did not start"
}
