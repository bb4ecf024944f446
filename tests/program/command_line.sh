#!/bin/sh
# meridax's command line as meridax(1) describes it: --help and --version print and exit 0, the version is
# the one saved files carry in AP[], and a wrong line (an unknown option, a dialog name that opens no dialog)
# exits 2. Run by ctest: command_line.sh MERIDAX MERIDAX_CLI WORK_DIR
set -u
meridax=$1 cli=$2 work=$3
mkdir -p "$work"
fail() { echo "FAIL: $*"; exit 1; }

help=$("$meridax" --help) || fail "--help exits $?"
case "$help" in "usage: meridax "*--version*) ;; *) fail "--help printed: $help" ;; esac

version=$("$meridax" --version) || fail "--version exits $?"
printf '(;GM[1]FF[4]SZ[9];B[ee])' >"$work/g.sgf"
"$cli" rewrite "$work/g.sgf" -o "$work/out.sgf" || fail "meridax-cli rewrite exits $?"
written=$(sed -n 's/^AP\[\(.*\):\(.*\)\]\r*$/\1 \2/p' "$work/out.sgf")
[ "$version" = "$written" ] || fail "--version printed '$version', a saved file carries '$written'"
case "$version" in "Meridax "[0-9]*.[0-9]*) ;; *) fail "--version printed '$version'" ;; esac

"$meridax" --no-such-option >/dev/null 2>&1
[ $? -eq 2 ] || fail "an unknown option exits $?"
"$meridax" --screenshot "$work/x.png" --dialog NoSuchDialog "$work/g.sgf" >/dev/null 2>&1
[ $? -eq 2 ] || fail "an unknown dialog name exits $?"
echo "ok"
