#!/bin/sh
# The tree shows the layers: the game (core) knows no Qt and no window; its rules and computer player
# know the model and never the door (core/game.h) that leads to them; its model knows no rule; and
# the widget kit (ui) knows nothing of the game. Prints every include that breaks a layer.
src="${1:?usage: layers.sh SRC_DIR}"
broken=$(
  grep -rnE '#include <Q|#include "(ui|shell)/' "$src/core"
  grep -rnE '#include "core/(game|input)\.h"' "$src/core/rules" "$src/core/computer"
  grep -rnE '#include "core/(rules|computer|game|input|glossary)' "$src/core/model"
  grep -rnE '#include "(core|shell)/' "$src/ui"
)
[ -z "$broken" ] || { echo "includes across the layers:"; echo "$broken"; exit 1; }
