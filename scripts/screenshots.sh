#!/usr/bin/env bash
# Draws the main window without a display for a Go, an Othello, a Hex, a Havannah and a Kropki game, each at its
# start and after a few moves, into OUT (default build/screenshots). Needs a built tree (scripts/run.sh builds one).
set -euo pipefail
cd "$(dirname "$0")/.."

out="${1:-build/screenshots}"
corpus="${MERIDAX_CORPUS_DIR:-../shared/corpus}"
meridax=./build/src/view/meridax
s=scripts/screenshots
mkdir -p "$out"

go="$corpus/go-collections/jtauber-sgf/meijin.sgf"
hex="$corpus/hex/benzene/regression/sgf/games/olympiad/09/mw1.sgf"
havannah="$corpus/havannah/castro-test-games/shakti1.hgf"
kropki="$corpus/kropki/dots-game-ai/FullSgfWithStop.sgf"

"$meridax" --screenshot "$out/go-start.png" "$go"
"$meridax" --screenshot "$out/go-moves.png" --script "$s/go.script" "$go"
"$meridax" --screenshot "$out/othello-start.png" --script "$s/othello-start.script"   # no Othello file in the corpus
"$meridax" --screenshot "$out/othello-moves.png" --script "$s/othello.script"
"$meridax" --screenshot "$out/hex-start.png" --script "$s/hex-start.script" "$hex"
"$meridax" --screenshot "$out/hex-moves.png" --script "$s/hex.script" "$hex"
"$meridax" --screenshot "$out/havannah-start.png" "$havannah"
"$meridax" --screenshot "$out/havannah-moves.png" --script "$s/havannah.script" "$havannah"
"$meridax" --screenshot "$out/kropki-start.png" "$kropki"
"$meridax" --screenshot "$out/kropki-moves.png" --script "$s/kropki.script" "$kropki"
