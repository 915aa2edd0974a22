#!/bin/sh
# Runs lintian on a built quimbo DEB: fails on any error or warning, and on any informational tag
# but those allowed here, each of which the README explains.
set -u
deb="${1:?usage: check-deb.sh QUIMBO_DEB}"
allowed=""  # informational tags we accept, separated by spaces; none at present
report="$(lintian --display-info --fail-on none "$deb")" || { echo "check-deb: lintian failed" >&2; exit 1; }
tags="$(printf '%s\n' "$report" | awk -v ok=" $allowed " '/^[EW]: / || /^I: / && !index(ok, " " $3 " ")')"
[ -z "$tags" ] || { printf 'check-deb: lintian objects to the package:\n%s\n' "$tags" >&2; exit 1; }

# lintian does not hold the changelog's newest entry against the package it comes in.
log="$(mktemp)"
trap 'rm -f "$log"' EXIT
dpkg-deb --fsys-tarfile "$deb" | tar -xOf - ./usr/share/doc/quimbo/changelog.Debian.gz | gzip -dc >"$log"
for field in Version Maintainer; do
  [ "$(dpkg-parsechangelog -l "$log" -S $field)" = "$(dpkg-deb -f "$deb" $field)" ] ||
    { echo "check-deb: the changelog's $field is not the package's" >&2; exit 1; }
done
echo "check-deb: lintian accepts $deb"
