#!/usr/bin/env bash
# Builds the Quimbo picture painter in a temporary directory and redraws every PNG in assets/.
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
assets="$(cd "$here/../.." && pwd)/assets"
build="$(mktemp -d)"
trap 'rm -rf "$build"' EXIT

cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" --parallel >/dev/null
XDG_RUNTIME_DIR="$build" QT_QPA_PLATFORM=offscreen "$build/draw_assets" "$assets"
