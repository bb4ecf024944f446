#!/usr/bin/env bash
# Draws every dialog of the editor without a display into OUT (default build/dialogs), one PNG each, named after
# the command or gallery entry that opens it. Needs a built tree (scripts/run.sh builds one).
set -uo pipefail
cd "$(dirname "$0")/.."

out="${1:-build/dialogs}"
corpus="${MERIDAX_CORPUS_DIR:-../shared/corpus}"
meridax=./build/src/view/meridax
s=scripts/screenshots
mkdir -p "$out"

go="$corpus/go-collections/jtauber-sgf/meijin.sgf"
annotated="$corpus/go-annotated/yenw-computer-go-dataset/AI/master/09-2016.12.29-Meng_Tailing-Magist.sgf"
kropki="$corpus/kropki/dots-game-ai/FullSgfWithStop.sgf"
failed=0

# shoot NAME FILE [SCRIPT]: the dialog NAME opened on FILE, after SCRIPT when one is given.
shoot() {
  local name=$1 file=$2 script=${3:-}
  local args=(--screenshot "$out/$name.png" --dialog "$name")
  [ -n "$script" ] && args+=(--script "$script")
  if "$meridax" "${args[@]}" "$file" >/dev/null 2>&1; then
    echo "$out/$name.png"
  else
    echo "dialog-screenshots.sh: no picture of $name" >&2
    failed=1
  fi
}

for name in CmCustomise PreferencesFonts CmOtherOptions CmAbout CmMoveTo MostRecentNumbering CmNewGameOfType \
            GoHandicapStones HexBoardSize UnlurBoardSize KropkiBoardSize MoveCorrection CmInjectSGF CmCollAddSGF \
            CmNodeName CmScore CmLabel BookmarkName CmSaveRTF CmCopyBMP IntegerValidation FloatingValidation \
            CmCollectionList CmGameDetails CmBranchStatistics ComposeOptions; do
  shoot "$name" "$go"
done
shoot CmFindComment "$annotated"
shoot CmPlayerStatistics tests/scripts/files/lists.sgf
shoot CmNNDisplay "$go" "$s/node-names.script"
shoot CmBMDisplay tests/scripts/files/bookmarks.sgf
shoot CmCompose "$kropki" "$s/kropki.script"
exit $failed
