#!/usr/bin/env bash
# Completes torvalet-cli command lines with the shipped completion, as bash would on a Tab.
set -u
source "$1"
dir="$(mktemp -d)"
trap 'rm -rf "$dir"' EXIT
mkdir "$dir/sub"
touch "$dir/goals.dat" "$dir/goals3.dat" "$dir/links.goto" "$dir/notes.txt"
failures=0
passed=0

# complete LINE: the words bash offers when Tab is pressed at the end of LINE.
complete_line() {
  read -ra COMP_WORDS <<<"$1"
  [[ $1 == *" " ]] && COMP_WORDS+=("")
  COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
  COMPREPLY=()
  _torvalet_cli
  ((${#COMPREPLY[@]})) && printf "%s\n" "${COMPREPLY[@]}" | sort | tr "\n" " "
}

while IFS='|' read -r line expected; do
  [ -z "$line" ] && continue
  got="$(complete_line "$line")"
  if [ "$got" = "$expected" ]; then passed=$((passed + 1)); else
    echo "FAILED: \"$line\": expected \"$expected\", got \"$got\""; failures=$((failures + 1)); fi
done <<TABLE
torvalet-cli |--date-format --help --home --now --version --yes add analyze help hotkey start tasks tick tree 
torvalet-cli --home /tmp t|tasks tick tree 
torvalet-cli --yes analyze c|calendar contacts 
torvalet-cli --home $dir/su|$dir/sub 
torvalet-cli --yes add "x" --p|--prio 
torvalet-cli tasks --j|--json 
torvalet-cli add --time |
torvalet-cli --date-format d|dd.MM.yyyy 
torvalet-cli tree $dir/|$dir/goals.dat $dir/goals3.dat $dir/links.goto $dir/sub 
torvalet-cli tree $dir/g|$dir/goals.dat $dir/goals3.dat 
TABLE

echo "$passed passed, $failures failed"
[ "$failures" -eq 0 ]
