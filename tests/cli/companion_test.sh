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

# Texts that would break a tab-separated line come out escaped, one row per line.
run --now "2026-12-08 10:30" add $'tab\there\nnew line\\back' >/dev/null
check "tabs, line feeds and backslashes are escaped" contains "$(run tasks)" 'tab\there\nnew line\\back'
check "every row stays one line" test "$(run tasks | wc -l)" -eq 2
long="$(printf 'x%.0s' {1..200})"
run add "$long" >/dev/null 2>"$home/err"; status=$?
check "a text longer than its column is stored" test $status -eq 0
check "and said to be cut" grep -q "cut to its first 180 characters" "$home/err"
check "to its first 180 characters" contains "$(run tasks)" "$(printf 'x%.0s' {1..180})	"
check "--help prints the usage text" contains "$(run --help)" 'is written \t, \n, \r, \\'

# Arguments refused before anything is stored: status 2, the list unchanged.
before="$(run tasks)"
while IFS='|' read -r name args; do
  eval "run add $args" >/dev/null 2>&1; status=$?
  check "$name is a usage error" test $status -eq 2
done <<'CASES'
a date that is no date|x --date 2026-02-30
a date without a day after it|x --date 9999-12-31
a text that is no UTF-8|$'\xff\xfe broken'
a cut UTF-8 sequence|$'caf\xc3'
a key number 0|x --prio 0
CASES
check "refused adds store nothing" test "$(run tasks)" = "$before"

# Damaged stores: each kind of damage makes add (and tasks, unless it can still list the rows)
# fail with status 1 and a message.
damage() {  # damage NAME PYTHON-STATEMENTS...: a copy of the folder whose store the statements changed
  local copy="$home/damaged-$1"; shift
  cp -r "$home/app" "$copy"
  python3 - "$copy/Data/tasks.db" "$@" <<'PY'
import sqlite3, sys
db = sqlite3.connect(sys.argv[1])
for statement in sys.argv[2:]:
    db.executescript(statement)
db.commit()
db.execute("pragma wal_checkpoint(truncate)")
db.close()
PY
}
damage lookup "drop table en_type"
damage columns "alter table tasks drop column Comment"
damage view "alter table tasks rename to old_tasks; create view tasks as select * from old_tasks"
damage pages "with recursive n(i) as (select 1 union all select i + 1 from n where i < 3000) insert into tasks (Task) select 'filler ' || i from n"
size=$(stat -c %s "$home/damaged-pages/Data/tasks.db")
head -c 40000 /dev/urandom | dd of="$home/damaged-pages/Data/tasks.db" bs=1 seek=$((size - 60000)) conv=notrunc status=none
while IFS='|' read -r kind tasksStatus message; do
  "$cli" --home "$home/damaged-$kind" tasks >/dev/null 2>"$home/err"; status=$?
  check "tasks on a store with $kind damage exits with $tasksStatus" test $status -eq "$tasksStatus"
  [ "$tasksStatus" -eq 0 ] || check "and says why ($kind)" grep -qiE "$message" "$home/err"
  "$cli" --home "$home/damaged-$kind" add "x" >/dev/null 2>"$home/err"; status=$?
  check "add on a store with $kind damage fails with status 1" test $status -eq 1
  check "and says why ($kind, add)" grep -qiE "$message" "$home/err"
done <<'CASES'
lookup|1|no such table: en_type
columns|1|no such column: Comment
view|0|tasks.*row identity
pages|1|malformed
CASES


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

echo "$passed passed, $failures failed"
[ "$failures" -eq 0 ]
