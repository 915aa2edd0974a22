#!/bin/sh
# Installs a built Quimbo into a scratch folder and checks everything a Linux desktop needs from it.
set -u
build="${1:?usage: check-install.sh BUILD_DIR}"
id=io.github.vandrel.Quimbo
problems=0
fail() { echo "check-install: $*" >&2; problems=$((problems + 1)); }
has() { command -v "$1" >/dev/null || { echo "check-install: no $1 here, its check is skipped"; false; }; }
cache() { sed -n "s/^$1:[A-Z]*=//p" "$build/CMakeCache.txt"; }

prefix="$(mktemp -d)"
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null || { echo "check-install: cmake --install failed" >&2; exit 1; }
bindir="$prefix/$(cache QUIMBO_INSTALL_GAMESDIR)"
datadir="$prefix/$(cache CMAKE_INSTALL_DATADIR)"
[ "$datadir" != "$prefix/" ] || datadir="$prefix/$(cache CMAKE_INSTALL_DATAROOTDIR)"
desktop="$datadir/applications/$id.desktop"
metainfo="$datadir/metainfo/$id.metainfo.xml"
man="$prefix/$(cache CMAKE_INSTALL_MANDIR)"
[ "$man" != "$prefix/" ] || man="$prefix/$(cache CMAKE_INSTALL_DATAROOTDIR)/man"
for file in "$bindir/quimbo" "$desktop" "$metainfo" "$man/man6/quimbo.6.gz" "$man/es/man6/quimbo.6.gz"; do
  [ -f "$file" ] || { echo "check-install: ${file#"$prefix"/} is not installed" >&2; exit 1; }
done
stray="$(find "$prefix" -path '*/include/*' -o -name '*.a' -o -name '*.cmake')"
[ -z "$stray" ] || fail "files a player has no use for are installed: $stray"

# The menu entry must be valid, start the installed binary and show the installed icon.
if has desktop-file-validate; then
  if ! report="$(desktop-file-validate "$desktop" 2>&1)" || [ -n "$report" ]; then fail "$report"; fi
fi
exec_command="$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$desktop")"
[ -x "$bindir/$exec_command" ] || fail "the desktop entry runs '$exec_command', which is not installed"
grep -qx "Icon=$id" "$desktop" || fail "the desktop entry does not show the icon $id"

# The software-centre description must be valid and name the same entry, binary and version.
if has appstreamcli; then
  appstreamcli validate --no-net --strict "$metainfo" >&2 || fail "appstreamcli rejects the metainfo"
fi
grep -q ">$id.desktop</launchable>" "$metainfo" || fail "the metainfo does not launch $id.desktop"
binary="$(sed -n 's|.*<binary>\(.*\)</binary>.*|\1|p' "$metainfo")"
[ -x "$bindir/$binary" ] || fail "the metainfo provides '$binary', which is not installed"
released="$(sed -n 's/.*<release version="\([^"]*\)".*/\1/p' "$metainfo" | head -n 1)"
version="$(sed -n 's/^set(CPACK_PACKAGE_VERSION "\(.*\)")$/\1/p' "$build/CPackConfig.cmake")"
[ "$released" = "$version" ] || fail "the newest release in the metainfo is '$released', the package is '$version'"

# One icon per size in the hicolor theme, each really of that size.
measure=false
has identify && measure=true
for size in 16 24 32 48 64 128 256; do
  icon="$datadir/icons/hicolor/${size}x${size}/apps/$id.png"
  if [ ! -f "$icon" ]; then
    fail "no ${size}x${size} icon"
  elif $measure && [ "$(identify -format '%wx%h' "$icon")" != "${size}x${size}" ]; then
    fail "the ${size}x${size} icon is $(identify -format '%wx%h' "$icon")"
  fi
done

[ "$problems" -eq 0 ] || { echo "check-install: $problems problem(s)" >&2; exit 1; }
echo "check-install: installed tree is complete and valid"
