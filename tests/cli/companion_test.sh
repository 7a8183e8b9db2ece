#!/usr/bin/env bash
# Drives the companion over a fresh application folder as a user would.
set -u
cli="$1"
home="$(mktemp -d)"
trap 'rm -rf "$home"' EXIT
failures=0
passed=0

check() {  # check NAME CONDITION...
  local name="$1"; shift
  if "$@"; then passed=$((passed + 1)); else echo "FAILED: $name"; failures=$((failures + 1)); fi
}
contains() { grep -qF -- "$2" <<<"$1"; }

run() { "$cli" --home "$home/app" --date-format dd.MM.yyyy "$@"; }

run --now "2026-12-08 09:05" start 2>"$home/err"
check "start provisions a new folder" test -f "$home/app/Data/tasks.db" -a -d "$home/app/Lang" -a -f "$home/app/Sounds/ringing.wav" -a -d "$home/app/Logs" -a -d "$home/app/Tasks"
check "start reports nothing on a new folder" test ! -s "$home/err"
check "close writes the launch date as dd.mm.yy" grep -qx 'lastLaunchDate=08.12.26' "$home/app/torvalet.ini"

run --now "2026-12-08 10:15" start
check "second start of the day puts run header #1 on top" test "$(head -n 1 "$home/app/msgpad.txt")" = "...-> #1 [ 08.12.2026 :: 10:15 ]"

run --now "2026-12-08 10:20" add "Call the bank" --time 11:00 --prio 3 --state 4 >/dev/null
json="$(run tasks --json)"
check "add applies the record rules" contains "$json" '"Date": "2026-12-08", "Date2": "2026-12-09", "Task": "Call the bank", "Time": "11:00", "Time2": "10:20"'
check "a saved future time arms the reminder" contains "$json" '"Remindflag": "+"'
check "keys are right-aligned" contains "$json" '"StateKey": "         4", "TypeKey": "", "Prior_key": "         3"'

run add "x" --date 2026-02-30 2>/dev/null; check "a date that is no date is a usage error" test $? -eq 2
run frobnicate 2>/dev/null; check "an unknown command is a usage error" test $? -eq 2
run --now "tomorrow" tasks 2>/dev/null; check "a bad --now is a usage error" test $? -eq 2
check "--help prints the commands" contains "$("$cli" --help)" "Commands:"
check "--version prints the version" grep -qxE 'torvalet-cli [0-9]+\.[0-9]+\.[0-9]+' <<<"$("$cli" --version)"

# While the window program holds the folder, commands that write refuse.
flock "$home/app/.torvalet.lock" sleep 5 &
sleep 0.5
run add "blocked" 2>"$home/err"; status=$?
check "add refuses while the folder is held" test $status -eq 1
check "the refusal says why" grep -q "already running" "$home/err"
run tasks >/dev/null; check "reading is allowed while the folder is held" test $? -eq 0
kill %1 2>/dev/null; wait 2>/dev/null

for file in goals.dat goals5.dat links.goto images.goto contacts.co calendar.clnd phrases.phr; do
  out="$(run tree "$home/app/$file" --json)"
  check "tree decodes $file holding one empty item" contains "$out" '{"version": 2, "nodes": [{"flags": 129, "height": 20, "alignment": 50, "record": {'
done
check "tree lists fields by name" contains "$(run tree "$home/app/contacts.co")" 'depth=0 flags=0x0081 height=20 alignment=50 Official=""'
head -c 40 "$home/app/goals.dat" >"$home/goals-cut.dat"
run tree "$home/goals-cut.dat" >/dev/null 2>"$home/err"; status=$?
check "a damaged tree file fails with status 1" test $status -eq 1
check "and the stream error's code and message" grep -qE '^200[56]: Stream data corrupt\.' "$home/err"

rm "$home/app/Data/tasks.db"
run tasks 2>"$home/err"; check "a missing store fails with status 1" test $? -eq 1
check "and says so" grep -q "does not exist" "$home/err"

while IFS='|' read -r text expected status; do
  out="$("$cli" hotkey "$text")"; got=$?
  check "hotkey \"$text\" prints $expected" test "$out" = "$expected" -a "$got" -eq "$status"
done <<'CASES'
Ctrl+Alt+L|0x0000C04C Ctrl+Alt+L|0
alt + ctrl + l|0x0000C04C Ctrl+Alt+L|0
F5|0x00000074 F5|0
win+shift+num 7|0x00012067 Shift+Win+Num 7|0
Ctrl+Shift|invalid|1
Ctrl+Foo|invalid|1
Hyper+A|invalid|1
|invalid|1
CASES
"$cli" hotkey 2>/dev/null; check "hotkey without TEXT is a usage error" test $? -eq 2

echo "$passed passed, $failures failed"
[ "$failures" -eq 0 ]
