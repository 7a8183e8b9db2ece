#!/usr/bin/env bash
# Drives the companion over a fresh application folder as a user would.
set -u
cli="$1"
source "$(dirname "$0")/checks.sh"

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

# The first start of a new day: its day mark, its time marks, yesterday's open task carried over.
sed -i 's/^\[General\]/[General]\nfInsertTimeMarks=1\nfShiftMutedTasks=1/' "$home/app/torvalet.ini"
run --now "2026-12-09 07:30" start
day="$(run tasks)"
check "a new day gets its day mark" grep -qP '^2026-12-09\t2026-12-10\tWe 09.12.2026\t00:00\t' <<<"$day"
check "and its time marks" grep -qP '^2026-12-09\t2026-12-09\t-- 08:00 --\t08:00\t08:00\t.*\t!\t' <<<"$day"
check "an open task of yesterday moves to today" grep -qP '^2026-12-09\t2026-12-09\tCall the bank\t' <<<"$day"
run --now "2026-12-09 07:40" start
check "a second start adds no marks" test "$(run tasks | grep -c -- '-- 08:00 --')" -eq 1

run add "x" --date 2026-02-30 2>/dev/null; check "a date that is no date is a usage error" test $? -eq 2
run frobnicate 2>/dev/null; check "an unknown command is a usage error" test $? -eq 2
run --now "tomorrow" tasks 2>/dev/null; check "a bad --now is a usage error" test $? -eq 2
check "--help prints the commands" contains "$("$cli" --help)" "Commands:"
check "--version prints the version" grep -qxE 'torvalet-cli [0-9]+\.[0-9]+\.[0-9]+' <<<"$("$cli" --version)"

# Texts that would break a tab-separated line come out escaped, one row per line.
run --now "2026-12-08 10:30" add $'tab\there\nnew line\\back' >/dev/null
check "tabs, line feeds and backslashes are escaped" contains "$(run tasks)" 'tab\there\nnew line\\back'
check "every row stays one line" test "$(run tasks | wc -l)" -eq "$(run tasks --json | grep -c '"Task": ')"
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
# A store of the layout before task UIDs, so that the pages at the end of the file are the task
# table's and its indexes' alone.
damage pages "drop trigger task_uid_insert; drop trigger task_uid_delete; drop table task_uid" "with recursive n(i) as (select 1 union all select i + 1 from n where i < 3000) insert into tasks (Task) select 'filler ' || i from n"
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

# Folders the companion cannot use, and files it cannot read.
app="$home/second"
run() { "$cli" --home "$app" --date-format dd.MM.yyyy "$@"; }
run --now "2026-12-08 09:05" start 2>/dev/null
run --home "$home/missing" add "x" 2>"$home/err"; status=$?
check "add on a missing folder fails" test $status -eq 1
check "and leaves nothing behind" test ! -e "$home/missing"

printf '[General]\nCodePage=9999\n' >"$app/torvalet.ini"
out="$(run tree "$app/goals.dat" 2>"$home/err")"; status=$?
check "tree under an unknown code page passes the bytes through" test $status -eq 0 -a -n "$out"
check "and says so" grep -q "CodePage" "$home/err"
rm "$app/torvalet.ini"

rm "$app/goals3.dat"; mkfifo "$app/goals3.dat"
timeout 20 "$cli" --home "$app" start 2>"$home/err"; status=$?
check "a pipe in place of a tree file is reported, not waited on" test $status -eq 1
check "as no regular file" grep -q "not a regular file" "$home/err"
check "and stays a pipe" test -p "$app/goals3.dat"
rm "$app/goals3.dat"
run start 2>/dev/null

if [ "$(id -u)" -eq 0 ]; then
  # Another user (nobody) on a folder that root owns, as after a run with sudo.
  as_nobody() { setpriv --reuid=65534 --regid=65534 --clear-groups "$cli" --home "$app" "$@"; }
  chmod 755 "$home"
  flock -o "$app/.torvalet.lock" sleep 5 &
  sleep 0.5
  as_nobody start 2>"$home/err"
  check "a lock file of another user still keeps a second program out" grep -q "already running" "$home/err"
  kill %1 2>/dev/null; wait 2>/dev/null

  cp -a "$app" "$home/before"
  as_nobody --now "2026-12-08 12:00" start 2>"$home/err"; status=$?
  check "start on a folder it cannot write goes on and fails" test $status -eq 1
  check "saying that it saves nothing" grep -q "read-only" "$home/err"
  check "and changes nothing" diff -r "$app" "$home/before"
  as_nobody add "x" 2>/dev/null; check "add on a folder it cannot write fails" test $? -eq 1
  # Rows that a killed writer left in the store's write-ahead log are shown all the same.
  python3 -c "
import sqlite3, os, sys
db = sqlite3.connect(sys.argv[1]); db.execute('pragma wal_autocheckpoint=0')
db.execute(\"insert into tasks (Date, Date2, Task) values ('2026-12-08', '2026-12-09', 'only in the log')\")
db.commit(); os._exit(0)" "$app/Data/tasks.db"
  rm -f "$app/Data/tasks.db-shm"
  check "a store read without write access shows the rows of its log" contains "$(as_nobody tasks)" "only in the log"
  chmod 700 "$home"
fi

# A folder in place of the lock file locks as well.
rm -f "$app/.torvalet.lock"; mkdir "$app/.torvalet.lock"
flock -o "$app/.torvalet.lock" sleep 5 &
sleep 0.5
run add "blocked" 2>"$home/err"
check "a folder in place of the lock file still keeps a second program out" grep -q "already running" "$home/err"
kill %1 2>/dev/null; wait 2>/dev/null
run add "not blocked" >/dev/null; check "and locks for the one program" test $? -eq 0

# Starts killed at random moments leave every file old or new; the next start loses nothing.
killed="$home/killed"
"$cli" --home "$killed" start 2>/dev/null
python3 "$(dirname "$0")/make_goals.py" 20000 0x2081 >"$home/goals.dat"
inject() { for f in goals.dat goals2.dat goals4.dat; do cp "$home/goals.dat" "$killed/$f"; done; }
inject
began=$(date +%s%N); "$cli" --home "$killed" start 2>/dev/null; took=$((($(date +%s%N) - began) / 1000000 + 1))
intact=1
for round in $(seq 1 15); do
  inject
  "$cli" --home "$killed" start 2>/dev/null &
  sleep "$(awk -v ms=$((RANDOM % took)) 'BEGIN { printf "%.3f", ms / 1000 }')"
  kill -9 $! 2>/dev/null; wait $! 2>/dev/null
  for f in goals.dat goals2.dat goals4.dat; do
    [ "$("$cli" --home "$killed" tree "$killed/$f" 2>/dev/null | wc -l)" -eq 20000 ] || { intact=0; echo "round $round: $f"; }
  done
  grep -q '^\[General\]' "$killed/torvalet.ini" || { intact=0; echo "round $round: torvalet.ini"; }
done
check "every file survives a kill whole" test $intact -eq 1
"$cli" --home "$killed" start 2>"$home/err"; status=$?
check "the start after the kills reports nothing" test $status -eq 0 -a ! -s "$home/err"
check "and clears what the killed saves left" test -z "$(ls -A "$killed" | grep torvalet-save)"
check "and keeps every goal" test "$("$cli" --home "$killed" tree "$killed/goals2.dat" | wc -l)" -eq 20000

# The companion's edges: a folder that cannot be given its language files still starts; a text
# that looks like an option is a text; a full device still lets the rows be read.
edge="$home/edge"
mkdir -p "$edge" && touch "$edge/Lang"
"$cli" --home "$edge" --now "2026-12-08 09:05" --date-format dd.MM.yyyy start 2>"$home/err"; status=$?
check "start without its language folder goes on and fails" test $status -eq 1
check "saying what could not be made" grep -q "Lang" "$home/err"
check "and still starts and closes the day" grep -qx 'lastLaunchDate=08.12.26' "$edge/torvalet.ini"
check "with its store and trees" test -f "$edge/Data/tasks.db" -a -f "$edge/goals.dat"
rm "$edge/Lang"

edge() { "$cli" --home "$edge" --now "2026-12-08 10:00" "$@"; }
while IFS='|' read -r name args text; do
  eval "edge add $args" >"$home/out" 2>"$home/err"; status=$?
  check "add $name exits 0" test $status -eq 0
  check "add $name stores \"$text\"" contains "$(edge tasks)" "	$text	"
done <<'CASES'
"--help"|"--help"|--help
-- before an option|-- --time|--time
several words|Buy fresh milk --time 11:00|Buy fresh milk
options before the words|--prio 2 -- -x and y|-x and y
CASES
check "and not the usage" lacks "$(cat "$home/out")" "Commands:"
edge add --time 2>/dev/null; check "an option without its value is a usage error" test $? -eq 2
edge add 2>/dev/null; check "add without a text is a usage error" test $? -eq 2
check "--help before the command prints the usage" contains "$(edge --help add x)" "Commands:"

# A device with no space left, on a small file system of a user namespace where one can be made.
if unshare -rm true 2>/dev/null; then
  full="$home/full"; mkdir -p "$full"
  unshare -rm bash -c '
    mount -t tmpfs -o size=1m tmpfs "$1" || exit 1
    mkdir -p "$1/app/Data" && cp "$2/Data/tasks.db" "$1/app/Data/" && cp "$2/torvalet.ini" "$1/app/"
    head -c 2m /dev/zero >"$1/filler" 2>/dev/null
    "$3" --home "$1/app" tasks >"$4/tasks.out" 2>"$4/tasks.err"; echo $? >"$4/tasks.status"
    "$3" --home "$1/app" add "no room" >/dev/null 2>"$4/add.err"; echo $? >"$4/add.status"
    "$3" --home "$1/app" tasks >"$4/after.out" 2>/dev/null
  ' _ "$full" "$edge" "$cli" "$home"
  check "tasks on a full device reads the rows" test "$(cat "$home/tasks.status")" -eq 0
  check "all of them" contains "$(cat "$home/tasks.out")" "	Buy fresh milk	"
  check "without an error" test ! -s "$home/tasks.err"
  check "add on a full device fails" test "$(cat "$home/add.status")" -eq 1
  check "saying the device is full" grep -q "no space left on the device" "$home/add.err"
  check "and stores nothing" lacks "$(cat "$home/after.out")" "no room"
else
  echo "no user namespace: the full device is not tried"
fi

finish
