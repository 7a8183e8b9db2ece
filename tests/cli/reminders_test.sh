#!/usr/bin/env bash
# The reminder clock and the day analyses through the companion, at chosen moments.
set -u
cli="$1"
fixture="$2"
source "$(dirname "$0")/checks.sh"

app="$home/app"
run() { "$cli" --home "$app" --date-format dd.MM.yyyy "$@"; }

mkdir -p "$app"
"$fixture" events "$app/calendar.clnd" <<'ITEMS'
3|05.12.26|10:00||Pay the rent
1|||0|Family
>4|11.12.80|09:30||Anniversary
3|5.3.80|10:00||Mistyped
2|01.01.26|11:00|2|Standup
6|01.01.26|18:00||Month end
ITEMS
"$fixture" contacts "$app/contacts.co" <<'ITEMS'
1|Anna|11.12.80||
4|Friends|||
>2|Olga||5.3.80|09.12.90
ITEMS

# Tuesday 8 December: the first start of the day analyses both trees.
run --now "2026-12-08 09:05" start 2>"$home/err"; status=$?
check "start reports the mistyped dates" test $status -eq 1
check "naming the event" grep -qF "'5...8.80' is not a valid date (event \"Mistyped\", date \"5.3.80\")" "$home/err"
check "and the contact" grep -qF "'5...8.80' is not a valid date (contact \"Olga\", NameDay \"5.3.80\")" "$home/err"
tasks="$(run tasks)"
check "a yearly event in its window" contains "$tasks" "[ 11.12.80 :: 09:30 ] Anniversary"
check "a weekly event on its weekday" contains "$tasks" "[ 08.12.2026 :: 11:00 ] Standup"
check "a monthly event out of its window" lacks "$tasks" "Pay the rent"
check "a birthday three days ahead" contains "$tasks" "[ 11.12.80 - BirthDay ] Anna"
check "a special day of a contact in a group" contains "$tasks" "[ 09.12.90 - Special Day ] Olga"
check "contact lines on the message pad" grep -qxF "[ 11.12.80 - BirthDay ]  Anna" "$app/msgpad.txt"

out="$(run --now "2026-12-08 09:05" tick 2>&1)"
check "the contact tasks ring in the minute of the analysis" \
  test "$out" = "$(printf '%s\n' '[09:05 08.12.2026] Start todo [ 11.12.80 - BirthDay ] Anna' \
                                 '[09:05 08.12.2026] Start todo [ 09.12.90 - Special Day ] Olga')"
check "a second start the same day analyses nothing again" test "$(run tasks | grep -c 'BirthDay')" -eq 1
check "the notices reach the message pad" grep -qxF "[09:05 08.12.2026] Start todo [ 11.12.80 - BirthDay ] Anna" "$app/msgpad.txt"

out="$(run --now "2026-12-08 09:30" tick)"
check "an event task rings at its time" test "$out" = "[09:30 08.12.2026] Start todo [ 11.12.80 :: 09:30 ] Anniversary"
out="$(run --now "2026-12-08 09:30" tick)"
check "and once only" test -z "$out"
out="$(run --now "2026-12-08 11:00" tick)"
check "the hour and the task of the hour" \
  test "$out" = "$(printf '%s\n' '11:00 08.12.2026 Attention! Yet another hour passed!' \
                                 '[11:00 08.12.2026] Start todo [ 08.12.2026 :: 11:00 ] Standup')"
out="$(run --now "2026-12-08 19:00" tick)"
check "19:00 is not announced" test -z "$out"

# Thursday 31 December, a new day: the last day of the month, and yesterday's tasks finish.
out="$(run --now "2026-12-31 18:00" tick 2>/dev/null)"
check "the start of a new day prints its notices" contains "$out" "18:00 31.12.2026 Attention! Yet another hour passed!"
check "the last month day rings" contains "$out" "[18:00 31.12.2026] Start todo [ 31.12.2026 :: 18:00 ] Month end"

run --now "2026-12-31 18:05" analyze calendar >/dev/null 2>"$home/err"; status=$?
check "analyze calendar reports a mistyped date with status 1" test $status -eq 1
check "analyze calendar adds the tasks again" test "$(run tasks | grep -c 'Month end')" -eq 2
out="$("$cli" --home "$app" --date-format d/M/yyyy --now "2026-12-31 18:05" analyze contacts 2>/dev/null)"
check "analyze contacts finds nothing out of the window" test -z "$out"
out="$("$cli" --home "$app" --date-format d/M/yyyy --now "2026-12-10 08:00" analyze contacts 2>/dev/null)"
check "analyze contacts prints its lines with the locale's separator" \
  test "$out" = "$(printf '%s\n' '[ 11/12/80 - BirthDay ]  Anna' '[ 09/12/90 - Special Day ]  Olga')"
check "and puts them on top of the message pad" test "$(head -n 1 "$app/msgpad.txt")" = "[ 09/12/90 - Special Day ]  Olga"

"$fixture" events "$home/full.clnd" <<'ITEMS'
3|05.01.27|10:00||Pay the rent
3|05.01.27|10:30||Water the plants
ITEMS
damaged() { head -c $(($(stat -c %s "$home/full.clnd") - 10)) "$home/full.clnd"; }
damaged >"$app/calendar.clnd"
before="$(run --now "2027-01-04 08:00" tasks | grep -c 'Pay the rent')"
run --now "2027-01-04 08:00" analyze calendar >/dev/null 2>"$home/err"; status=$?
check "a damaged calendar file is an error" test $status -eq 1
check "that names the damage" grep -q "Stream data corrupt" "$home/err"
check "and stores none of its tasks, not even those of the whole events before the damage" \
  test "$(run --now "2027-01-04 08:00" tasks | grep -c 'Pay the rent')" -eq "$before"
out="$(run --now "2027-12-08 08:00" tick 2>"$home/err")"
check "a new day with a damaged calendar is reported" grep -q "Stream data corrupt" "$home/err"
check "and the contacts' days still come" contains "$out" "[ 09.12.90 - Special Day ]  Olga"
check "the damaged file is kept" cmp -s "$app/calendar.clnd" <(damaged)
rm "$app/calendar.clnd"
run --now "2027-12-08 08:10" analyze calendar >/dev/null 2>"$home/err"; status=$?
check "a missing calendar file is an error" test $status -eq 1 -a -s "$home/err"
run analyze planets 2>/dev/null; check "an unknown analysis is a usage error" test $? -eq 2

# A catch-up over a chosen gap: within the hour a reminder rings late, older ones are summed up.
app="$home/gap"
run --now "2026-12-08 06:00" start 2>/dev/null
run --now "2026-12-08 06:00" add "early call" --date 2026-12-08 --time 08:00 >/dev/null
run --now "2026-12-08 06:00" add "late call" --date 2026-12-08 --time 10:02 >/dev/null
out="$(run --now "2026-12-08 10:05" tick --since "2026-12-08 07:00")"
check "tick --since rings the recent reminder late" contains "$out" "[10:02 08.12.2026] Start todo (late 3 min) late call"
check "and sums up the older one" contains "$out" "1 reminder was missed while the computer was off"
check "listing it" contains "$out" "  [08:00 08.12.2026] Start todo early call"
check "and counts both" contains "$out" "rang late: 1, summed up: 1"
out="$(run --now "2026-12-08 10:06" tick --since "2026-12-08 07:00")"
check "nothing rings twice" test "$out" = "rang late: 0, summed up: 0"
run --now "2026-12-08 10:06" tick --since yesterday 2>/dev/null; check "--since takes a minute" test $? -eq 2

finish
