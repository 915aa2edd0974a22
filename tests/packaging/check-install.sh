#!/bin/sh
# Installs a built Quimbo into a scratch folder and checks everything a Linux desktop needs from it.
set -u
build="${1:?usage: check-install.sh BUILD_DIR}"
id=io.github.vandrel.Quimbo
problems=0
fail() { echo "check-install: $*" >&2; problems=$((problems + 1)); }
skip() { echo "check-install: skipped, $* is not installed"; }
cache() { sed -n "s/^$1:[A-Z]*=//p" "$build/CMakeCache.txt"; }

prefix="$(mktemp -d)"
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null || { echo "check-install: cmake --install failed" >&2; exit 1; }
bindir="$prefix/$(cache CMAKE_INSTALL_BINDIR)"
datadir="$prefix/$(cache CMAKE_INSTALL_DATADIR)"
[ "$datadir" != "$prefix/" ] || datadir="$prefix/$(cache CMAKE_INSTALL_DATAROOTDIR)"
desktop="$datadir/applications/$id.desktop"
metainfo="$datadir/metainfo/$id.metainfo.xml"

# The game itself, and nothing a player has no use for.
[ -x "$bindir/quimbo" ] || fail "no executable quimbo in $bindir"
stray="$(find "$prefix" -path '*/include/*' -o -name '*.a' -o -name '*.cmake')"
[ -z "$stray" ] || fail "development files installed: $stray"

# The menu entry must start the installed binary and show the installed icon.
if [ -f "$desktop" ]; then
  if command -v desktop-file-validate >/dev/null; then
    if ! report="$(desktop-file-validate "$desktop" 2>&1)" || [ -n "$report" ]; then
      fail "desktop-file-validate finds fault with $id.desktop: $report"
    fi
  else skip desktop-file-validate; fi
  exec_command="$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$desktop")"
  [ -x "$bindir/$exec_command" ] || fail "desktop entry runs '$exec_command', which is not installed"
  grep -qx "Icon=$id" "$desktop" || fail "desktop entry does not use the icon $id"
else
  fail "no desktop entry $id.desktop"
fi

# The software-centre description must point at the same entry and binary, at the package's version.
if [ -f "$metainfo" ]; then
  if command -v appstreamcli >/dev/null; then
    appstreamcli validate --no-net --strict "$metainfo" || fail "appstreamcli rejects $id.metainfo.xml"
  else skip appstreamcli; fi
  grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" ||
    fail "metainfo does not launch $id.desktop"
  binary="$(sed -n 's|.*<binary>\(.*\)</binary>.*|\1|p' "$metainfo")"
  [ -x "$bindir/$binary" ] || fail "metainfo provides binary '$binary', which is not installed"
  released="$(sed -n 's/.*<release version="\([^"]*\)".*/\1/p' "$metainfo" | head -n 1)"
  version="$(sed -n 's/^set(CPACK_PACKAGE_VERSION "\(.*\)")$/\1/p' "$build/CPackConfig.cmake")"
  [ "$released" = "$version" ] || fail "newest release in metainfo is '$released', the package is '$version'"
else
  fail "no metainfo $id.metainfo.xml"
fi

# One icon per size in the hicolor theme, each really of that size.
for size in 16 24 32 48 64 128 256; do
  icon="$datadir/icons/hicolor/${size}x${size}/apps/$id.png"
  if [ ! -f "$icon" ]; then
    fail "no ${size}x${size} icon"
  elif command -v identify >/dev/null; then
    actual="$(identify -format '%wx%h' "$icon" 2>/dev/null)"
    [ "$actual" = "${size}x${size}" ] || fail "the ${size}x${size} icon is '$actual'"
  fi
done
command -v identify >/dev/null || skip "identify (ImageMagick)"

[ "$problems" -eq 0 ] || { echo "check-install: $problems problem(s)" >&2; exit 1; }
echo "check-install: installed tree is complete and valid"
