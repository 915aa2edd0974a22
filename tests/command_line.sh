#!/bin/sh
# The real program's command line, run with no display at all: --help and --version answer on stdout
# with status 0 (had either started the game, it would have found no display), in the language the
# locale names; the version is the one the metainfo, both manual pages and the changelog give; what
# neither the game nor Qt knows, odd arguments too, is refused in one line with status 2; Qt's own
# options reach Qt; and with no display to connect to, X11 or Wayland, the game says so in one line
# and exits with status 1, never aborting.
# Usage: command_line.sh <path to quimbo> <version> <built metainfo> <packaging folder>
set -u
game="${1:?usage: command_line.sh QUIMBO VERSION METAINFO PACKAGING_DIR}" version="$2"
out="$(mktemp)" && err="$(mktemp)" && trap 'rm -f "$out" "$err"' EXIT
failed=0
fail() { echo "command_line: $*" >&2 && failed=1; }

# check STATUS STDOUT STDERR ENVIRONMENT [ARGUMENT]...: runs the game without a display, in English
# unless ENVIRONMENT (NAME=VALUE words, or -) says otherwise, and wants that exit status, stdout
# matching STDOUT (an extended regular expression; empty: nothing) and stderr empty, or one line
# matching STDERR.
check() {
  status=$1 stdout=$2 stderr=$3 environment=$4 && shift 4
  [ "$environment" = - ] && environment=""
  # shellcheck disable=SC2086 # NAME=VALUE words
  env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u XDG_RUNTIME_DIR -u LC_ALL -u LC_MESSAGES \
    LANG=C.UTF-8 $environment "$game" "$@" >"$out" 2>"$err"
  got=$? what="$(printf '%.50s' "$environment quimbo $*")"
  [ "$got" -eq "$status" ] || fail "$what: exit status $got, not $status"
  if [ -z "$stdout" ]; then [ ! -s "$out" ]; else grep -Eq "$stdout" "$out"; fi ||
    fail "$what: stdout is not /$stdout/: $(head -c 300 "$out")"
  if [ -z "$stderr" ]; then [ ! -s "$err" ]; else [ "$(wc -l <"$err")" -eq 1 ] && grep -Eq "$stderr" "$err"; fi ||
    fail "$what: stderr is not one line /$stderr/: $(head -c 300 "$err")"
}

# The answers, and the version against those of the package's other files.
check 0 '^Usage: quimbo.*' '' - --help
check 0 '^ *-v, --version .*' '' - -h
check 0 '^Qt.s standard options .*-platform' '' - --help
check 0 "^Quimbo $version\$" '' - --version
[ "$(cat "$out")" = "Quimbo $version" ] || fail "--version says '$(cat "$out")', not 'Quimbo $version'"
check 0 "^Quimbo $version\$" '' - -v
grep -q "<release version=\"$version\" " "$3" || fail "the metainfo's release is not $version"
for page in quimbo.6 quimbo.es.6; do
  grep -q "^\.TH QUIMBO 6 [-0-9]* \"Quimbo $version\" " "$4/$page" || fail "$page is not of Quimbo $version"
done
case "$(dpkg-parsechangelog -l "$4/changelog" -S Version)" in "$version"-*) ;; *) fail "the changelog is not of $version" ;; esac

# The language: the first of LC_ALL, LC_MESSAGES and LANG that is set, installed or not.
check 0 '^Uso: quimbo' '' LANG=es_ES.UTF-8 --help
check 0 '^Usage: quimbo' '' 'LC_ALL=C LANG=es_ES.UTF-8' --help
check 0 '^Uso: quimbo' '' LC_MESSAGES=es_AR.UTF-8 --help
check 0 '^Usage: quimbo' '' LANG=de_DE.UTF-8 --help
check 2 '' "^quimbo: opción desconocida '--bad'; mirá 'quimbo --help'\$" LC_ALL=es --bad

# Refusals, before any display is looked for; the first wrong argument is the one refused.
check 2 '' "^quimbo: unknown option '--bad'; see 'quimbo --help'\$" - --bad
check 2 '' "unknown option '-bad'" - -style fusion -bad --help
check 2 '' "unexpected argument ''" - ''
check 2 '' "unexpected argument 'board'" - board
check 2 '' "unexpected argument '-'" - -
check 2 '' "unexpected argument 'x'" - -- x
check 2 '' "option '-platform' needs a value" - -platform
check 2 '' "option '--dialogs' needs a value" - --dialogs
check 2 '' "unknown option '-platform=xcb'" - -platform=xcb
check 2 '' "unknown option '--x+\.\.\.'" - "--$(printf "%100000s" "" | tr ' ' x)"
check 2 '' "unknown option '--a\?\[2J\?b'" - "$(printf -- '--a\033[2J\377b')"

# Qt's options pass, with their values (the window title here is "--bad"), and reach Qt: -platform
# xcb wins over the platform the environment names, which would have found a screen.
check 0 "^Quimbo $version\$" '' - -style fusion --reverse -qwindowtitle --bad -stylesheet=no.qss -dialogs=xp -v
check 1 '' '^quimbo: no display ' QT_QPA_PLATFORM=offscreen -platform xcb
check 1 '' '^quimbo: no display ' QT_QPA_PLATFORM=offscreen --platform wayland

# No display: none named, an X server that is not there, a Wayland compositor that is not there.
x=99 && while [ -e "/tmp/.X11-unix/X$x" ]; do x=$((x + 1)); done
none="^quimbo: no display to show the game on \(neither X11 nor Wayland answers\); .* set DISPLAY or WAYLAND_DISPLAY\$"
check 1 '' "$none" -
check 1 '' "$none" - --
check 1 '' "$none" DISPLAY=:$x
check 1 '' "$none" 'QT_QPA_PLATFORM=wayland WAYLAND_DISPLAY=quimbo-nowhere'
check 1 '' '^quimbo: no hay pantalla donde mostrar el juego \(no responde ni X11 ni Wayland\); ' LANG=es_ES.UTF-8
exit "$failed"
