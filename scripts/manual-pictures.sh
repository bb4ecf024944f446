#!/usr/bin/env bash
# Makes the pictures of the manual and of the README with the program itself, so that they always show the
# program as it is: windows drawn by `meridax --screenshot --script` on files of the corpus, board diagrams
# drawn by `meridax-cli image`, and the dialogs drawn by `meridax --screenshot --dialog NAME` where the editor
# offers that option. Needs a built tree (cmake --build build; MERIDAX_BUILD names another build folder).
# Usage: scripts/manual-pictures.sh [OUT] (default docs/manual/pictures); the manual's next build picks them up.
# The test run draws them into its build folder and compares them with the shipped ones.
set -euo pipefail
cd "$(dirname "$0")/.."

out="${1:-docs/manual/pictures}"
corpus="${MERIDAX_CORPUS_DIR:-../shared/corpus}"
build="${MERIDAX_BUILD:-./build}"
meridax="$build/src/view/meridax"
cli="$build/src/cli/meridax-cli"
s=scripts/manual-pictures
mkdir -p "$out"

shot() {  # shot NAME SIZE SCRIPT FILE: the window after the script, quietly
  [ -f "$4" ] || { echo "manual-pictures.sh: no file '$4' (set MERIDAX_CORPUS_DIR)" >&2; exit 1; }
  "$meridax" --screenshot "$out/$1.png" --size "$2" --script "$3" "$4" >/dev/null
  echo "$out/$1.png"
}

shot editor 1000x640 "$s/editor.script" "$corpus/go-collections/jtauber-sgf/meijin.sgf"
shot annotated 1000x640 "$s/annotated.script" "$corpus/go-annotated/sabaki-sgf/tests/sgf/complex.sgf"
shot havannah 900x600 "$s/end.script" "$corpus/havannah/castro-test-games/shakti1.hgf"
shot hex 900x600 "$s/hex-end.script" "$corpus/hex/benzene/regression/sgf/games/olympiad/09/mw1.sgf"
shot kropki 900x600 "$s/end.script" "$corpus/kropki/dots-game-ai/FullSgfWithStop.sgf"
"$cli" image "$corpus/go-annotated/littlego/sgf/19x19/markup.sgf" --square 20 -o "$out/diagram.png"
echo "$out/diagram.png"

# The dialogs, where this build of the editor can draw them (`--dialog NAME`: a command's handler name or a
# name of the dialog gallery). MERIDAX_DIALOGS names others.
dialogs="${MERIDAX_DIALOGS:-CmCollectionList CmGameDetails CmBranchStatistics CmCustomise PreferencesFonts CmOtherOptions}"
usage=$(QT_QPA_PLATFORM=offscreen "$meridax" --help 2>&1 || true)
if grep -q -- '--dialog' <<<"$usage"; then
  for name in $dialogs; do
    if "$meridax" --screenshot "$out/dialog-$name.png" --dialog "$name" \
         "$corpus/go-collections/jtauber-sgf/meijin.sgf" >/dev/null; then
      echo "$out/dialog-$name.png"
    else
      echo "manual-pictures.sh: no picture of the dialog $name" >&2
    fi
  done
else
  echo "manual-pictures.sh: this build of meridax draws no dialogs (--dialog); their pictures are left as they are" >&2
fi
