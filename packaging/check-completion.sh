#!/bin/bash
# The bash completion of meridax-cli offers what the program takes: every command that `meridax-cli --help`
# lists, and each command's options. Run by ctest: check-completion.sh COMPLETION_FILE MERIDAX_CLI
set -u
completion=$1 cli=$2

# Stand-ins for the helpers of the bash-completion package.
_init_completion() { words=("${COMP_WORDS[@]}"); cword=$COMP_CWORD; cur=${COMP_WORDS[COMP_CWORD]}; prev=${COMP_WORDS[COMP_CWORD-1]}; }
_filedir() { COMPREPLY=("<files${1:+ $1}>"); }
# shellcheck source=/dev/null
source "$completion"

failures=0
# offered LINE EXPECTED: the words offered for the last word of LINE ("" ends it with a blank) are EXPECTED.
offered() {
  read -r -a COMP_WORDS <<<"$1"
  [[ "$1" == *" " ]] && COMP_WORDS+=("")
  COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
  COMPREPLY=()
  _meridax_cli
  local got="${COMPREPLY[*]}"
  if [ "$got" != "$2" ]; then echo "'$1': offered '$got', expected '$2'"; failures=1; fi
}

offered "meridax-cli ch" "check"
offered "meridax-cli --v" "--version"
offered "meridax-cli image game.sgf --s" "--square"
offered "meridax-cli image game.sgf --n" "--no-markup"
offered "meridax-cli rtf game.sgf --o" "--options"
offered "meridax-cli save game.sgf -o " "<files>"
offered "meridax-cli rtf game.sgf --images " "<files -d>"
offered "meridax-cli info " "<files @(sgf|SGF|hgf|HGF)>"
offered "meridax-cli run " "<files script>"
offered "meridax-cli ascii game.sgf --game " ""
offered "meridax-cli find games/ --sw" "--swap-colours"

# Every command of the program's own list is offered after the program's name.
for command in $("$cli" --help | sed -n '/^commands:/,/^$/p' | awk 'NF > 1 {print $1}'); do
  offered "meridax-cli $command" "$command"
done
exit $failures
