#!/usr/bin/env bash
# Times the organiser against its peers on the same data, whole processes side by side:
#   torvalet-cli tasks   against the sqlite3 CLI printing the same rows in the same order,
#                        and Taskwarrior's `task list` over the same tasks imported;
#   torvalet-cli start   on the large start profile (100,000 tasks, 14 trees of 10,000 items)
#                        against calcurse loading and saving 200,000 appointments: the profile's
#                        tasks and 100,000 of its tree items, in the order calcurse saves them;
#   the window           time from launch to the main window on screen, and its peak memory,
#                        with the large profile and with 1,000,000 tasks (no peer);
#   analyze calendar     against remind -q over 100,000 recurring events (bench/compare-remind.sh);
# and the peak memory of each. Ratios are medians of paired runs (ours and the peer's one after
# the other, the order alternating), which a busy machine disturbs least; the CPU ratio (user and
# system time) is printed beside the wall-clock one, since other work on the machine inflates the
# wall clock of both.
#
#   bash bench/compare-peers.sh [BUILD_DIR] [RUNS]
#
# BUILD_DIR defaults to build-bench (configured as a Release build when missing; the window is
# timed only when BUILD_DIR holds it). Installs hyperfine, sqlite3, taskwarrior, calcurse, Xvfb
# and GNU time through apt-get when they are missing. Not part of CI: it takes minutes and
# measures this machine.
set -euo pipefail

root="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$root/build-bench}"
runs="${2:-15}"
sizes=(10000 50000 100000)

need=()
for tool in hyperfine:hyperfine sqlite3:sqlite3 task:taskwarrior calcurse:calcurse Xvfb:xvfb /usr/bin/time:time \
  python3:python3; do
  command -v "${tool%%:*}" >/dev/null || need+=("${tool##*:}")
done
if ((${#need[@]})); then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${need[@]}"
fi

if [ ! -f "$build/build.ninja" ]; then
  cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTORVALET_BUILD_UI=OFF -DTORVALET_BUILD_TESTS=OFF
fi
cmake --build "$build" --target torvalet-cli make-profile >/dev/null
cli="$build/src/cli/torvalet-cli"
make_profile="$build/bench/make-profile"

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

# The statement `tasks` runs in Detail View with order 1, which the profiles' settings choose.
list_sql="select Date, Date2, Task, Time, Time2, Duration, Procent, Cost, Remindflag, Doflag, Project, DoerKey, \
StateKey, TypeKey, Prior_key, Comment from tasks where  TypeKey <> '         7' order by Date, Time"

profile() {  # profile DIR TASKS [TREE-ITEMS]
  "$make_profile" --tasks "$2" --tree-items "${3:-0}" "$1" >/dev/null
  printf '[General]\nfEasyMode=0\nOrderBy=1\n' >"$1/torvalet.ini"
}

# The profile's tasks as Taskwarrior's import reads them, all pending so that `task list` shows them.
taskwarrior_data() {  # taskwarrior_data PROFILE TWDIR
  mkdir -p "$2"
  python3 - "$1/Data/tasks.db" "$2/import.json" <<'PY'
import json, sqlite3, sys
db = sqlite3.connect(sys.argv[1])
with open(sys.argv[2], "w") as out:
    for date, task, project in db.execute("select Date, Task, Project from tasks where TypeKey <> '         7'"):
        row = {"description": task or "-", "status": "pending", "entry": date.replace("-", "") + "T000000Z"}
        if project:
            row["project"] = project
        out.write(json.dumps(row) + "\n")
PY
  task rc.data.location="$2" rc.confirmation=off rc.verbose=nothing rc.hooks=off import "$2/import.json" >/dev/null
}

paired() {  # paired RUNS OURS PEER: see bench/paired.py
  python3 "$root/bench/paired.py" "$@"
}

rss() {  # rss COMMAND...: peak resident memory in MB
  /usr/bin/time -f %M "$@" 2>&1 >/dev/null | tail -n 1 | awk '{printf "%.1f", $1 / 1024}'
}

echo "tasks        rows | ours ms  peer ms  ratio | ours MB  peer MB"
for n in "${sizes[@]}"; do
  p="$work/p$n"
  profile "$p" "$n"
  ours="$cli --home $p tasks"
  sqlite="sqlite3 -separator \"\$(printf '\\t')\" $p/Data/tasks.db \"$list_sql\""
  [ "$("$cli" --home "$p" tasks | wc -l)" -eq "$(eval "$sqlite" | wc -l)" ] || { echo "row counts differ" >&2; exit 1; }
  read -r a b ratio _ < <(paired "$runs" "$ours" "$sqlite")
  printf 'vs sqlite3 %7d | %7s  %7s  %5s | %7s  %7s\n' "$n" "$a" "$b" "$ratio" "$(rss $ours)" "$(eval rss "$sqlite")"
  tw="$work/tw$n"
  taskwarrior_data "$p" "$tw"
  twlist="task rc.data.location=$tw rc.verbose=nothing rc.hooks=off rc.gc=off rc.color=off rc.detection=off rc.defaultwidth=200 list"
  read -r a b ratio _ < <(paired "$(((runs + 2) / 3))" "$ours" "$twlist")
  printf 'vs task   %8d | %7s  %7s  %5s | %7s  %7s\n' "$n" "$a" "$b" "$ratio" "$(rss $ours)" "$(rss $twlist)"
  rm -rf "$tw"
done

echo
echo "hyperfine, 50,000 rows:"
hyperfine -N --warmup 2 --runs "$runs" --style basic "$cli --home $work/p50000 tasks" \
  "sqlite3 -separator '	' $work/p50000/Data/tasks.db \"$list_sql\"" 2>/dev/null | grep -E "Time|±|faster|Benchmark" || true

echo
large="$work/large"
profile "$large" 100000 10000
start="$cli --home $large --now '2026-12-10 09:00' start"
eval "$start" >/dev/null 2>&1 || true  # the first start of the day runs the start-of-day sequence

# calcurse keeps its lists sorted by insertion, so that loading is quadratic unless the file comes
# in the order it saves: appointments sorted by start; its to-do and all-day event lists are
# quadratic in any order (40,000 to-do items take minutes), so the items are appointments.
calendar="$work/calcurse"
mkdir -p "$calendar/data" "$calendar/conf"
python3 - "$large" "$cli" "$calendar/data/apts" <<'PY'
import json, random, sqlite3, subprocess, sys, datetime
profile, cli, out = sys.argv[1], sys.argv[2], sys.argv[3]
def one_line(text):
    return " ".join((text or "").split()) or "-"
items = []
for date, date2, time, time2, task in sqlite3.connect(profile + "/Data/tasks.db").execute(
        "select Date, Date2, Time, Time2, Task from tasks"):
    day = datetime.date.fromisoformat(date)
    end = datetime.date.fromisoformat(date2) if date2 >= date else day
    items.append((day, time, end, time2 if (end, time2) >= (day, time) else time, one_line(task)))
random.seed(5)
names = ["goals.dat", "goals2.dat", "goals3.dat", "goals4.dat", "goals5.dat", "links.goto", "tools.goto",
         "folders.goto", "search.goto", "docs.goto", "images.goto"]
for name in names:
    nodes = json.loads(subprocess.run([cli, "--home", profile, "tree", f"{profile}/{name}", "--json"],
                                      capture_output=True, check=True).stdout)["nodes"]
    while nodes and len(items) < 200000:
        node = nodes.pop()
        nodes.extend(node["children"])
        text = next(v for v in node["record"].values() if isinstance(v, str))
        day = datetime.date(2022, 1, 1) + datetime.timedelta(days=random.randrange(5 * 365))
        minute = random.randrange(7 * 60, 21 * 60)
        items.append((day, f"{minute // 60:02d}:{minute % 60:02d}", day,
                      f"{(minute + 30) // 60:02d}:{(minute + 30) % 60:02d}", one_line(text)))
items.sort(key=lambda item: (item[0], item[1]))
us = lambda day: day.strftime("%m/%d/%Y")
with open(out, "w") as apts:
    for day, time, end, end_time, text in items:
        apts.write(f"{us(day)} @ {time} -> {us(end)} @ {end_time} |{text}\n")
PY
touch "$calendar/data/todo"
# A filter that matches nothing: every item is read and written back.
calcurse="calcurse -D $calendar/data -C $calendar/conf -P --filter-pattern no-item-has-this-text"
read -r a b ratio cpu < <(paired "$runs" "$start" "$calcurse")
echo "start (100,000 tasks, 14 trees of 10,000 items) against calcurse -P (200,000 appointments):"
echo "  ours $a ms, calcurse $b ms: wall ratio $ratio, CPU ratio $cpu;" \
     "peak memory ours $(eval rss "$start") MB, calcurse $(eval rss "$calcurse") MB"

# The window: launch to the main window on screen, on one X server for all runs.
window="$build/src/ui/torvalet"
if [ -x "$window" ]; then
  huge="$work/huge"
  profile "$huge" 1000000 10000
  cp "$large/torvalet.ini" "$huge/torvalet.ini"  # started today already: no start-of-day sequence
  Xvfb :87 -screen 0 1920x1080x24 -nolisten tcp >/dev/null 2>&1 &
  xvfb=$!
  trap 'kill $xvfb 2>/dev/null || true; rm -rf "$work"' EXIT
  sleep 1
  for p in "$large" "$huge"; do
    DISPLAY=:87 python3 - "$window" "$p" "$runs" <<'PY'
import os, statistics, subprocess, sys, time
window, home, runs = sys.argv[1], sys.argv[2], int(sys.argv[3])
env = dict(os.environ, TORVALET_HOME=home, TORVALET_REPORT_SHOWN="1")
def once():
    start = time.time()
    process = subprocess.Popen([window], env=env, stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, text=True)
    shown = None
    for line in process.stderr:
        if line.startswith("shown "):
            _, when, peak = line.split()
            shown = (float(when) - start, int(peak) / 1024)
    process.wait()
    return shown
once()
times, peaks = zip(*(once() for _ in range(runs)))
print(f"window, {os.path.basename(home)} profile: {statistics.median(times) * 1000:.0f} ms to the window on screen,"
      f" {statistics.median(peaks):.1f} MB peak by then")
PY
  done
  kill "$xvfb" 2>/dev/null || true
else
  echo "window: $window not built (configure BUILD_DIR with the window program to time it)"
fi

echo
bash "$root/bench/compare-remind.sh"
