#!/bin/sh
# Installs a built Quimbo into a scratch prefix and checks what a Linux desktop needs of it: the
# game, a valid menu entry that starts it, valid metainfo, both manual pages and every icon size.
set -eu
build="${1:?usage: check-install.sh BUILD_DIR}"
id=io.github.vandrel.Quimbo
prefix="$(mktemp -d)"
trap 'rm -rf "$prefix"' EXIT
fail() { echo "check-install: $*" >&2; exit 1; }
cmake --install "$build" --prefix "$prefix" >/dev/null || fail "cmake --install failed"
cd "$prefix"
game="$(sed -n 's/^QUIMBO_INSTALL_GAMESDIR:[A-Z]*=//p' "$build/CMakeCache.txt")/quimbo"
[ -x "$game" ] || fail "no $game"
desktop-file-validate "share/applications/$id.desktop" || fail "the menu entry is not valid"
grep -qx "Exec=quimbo" "share/applications/$id.desktop" && grep -qx "Icon=$id" "share/applications/$id.desktop" ||
  fail "the menu entry does not start quimbo with its icon"
appstreamcli validate --no-net --strict "share/metainfo/$id.metainfo.xml" >/dev/null || fail "the metainfo is not valid"
grep -q "<binary>quimbo</binary>" "share/metainfo/$id.metainfo.xml" || fail "the metainfo names another binary"
for page in share/man/man6/quimbo.6.gz share/man/es/man6/quimbo.6.gz; do [ -f "$page" ] || fail "no $page"; done
for size in 16 24 32 48 64 128 256; do
  [ "$(identify -format '%wx%h' "share/icons/hicolor/${size}x${size}/apps/$id.png")" = "${size}x$size" ] ||
    fail "no ${size}x$size icon"
done
[ -z "$(find . -name '*.a' -o -name '*.cmake' -o -path '*/include/*')" ] || fail "developer files installed"
echo "check-install: the installed tree is complete and valid"
