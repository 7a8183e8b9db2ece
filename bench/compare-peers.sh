#!/usr/bin/env bash
# Times the companion against its peers on the same task data, whole processes side by side:
#   torvalet-cli tasks   against the sqlite3 CLI printing the same rows in the same order,
#                        and Taskwarrior's `task list` over the same tasks imported;
#   torvalet-cli start   on the large start profile (100,000 tasks, 14 trees of 10,000 items);
# and the peak memory of each. Ratios are medians of paired runs (ours and the peer's one after
# the other, the order alternating), which a busy machine disturbs least.
#
#   bash bench/compare-peers.sh [BUILD_DIR] [RUNS]
#
# BUILD_DIR defaults to build-bench (configured as a Release build when missing). Installs
# hyperfine, sqlite3, taskwarrior and GNU time through apt-get when they are missing. Not part of
# CI: it takes minutes and measures this machine.
set -euo pipefail

root="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$root/build-bench}"
runs="${2:-15}"
sizes=(10000 50000 100000)

need=()
for tool in hyperfine:hyperfine sqlite3:sqlite3 task:taskwarrior /usr/bin/time:time python3:python3; do
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

# Median wall time of each command and the median of the per-pair ratios ours/peer.
paired() {  # paired RUNS OURS PEER
  python3 - "$@" <<'PY'
import statistics, subprocess, sys, time
runs, ours, peer = int(sys.argv[1]), sys.argv[2], sys.argv[3]
def once(command):
    start = time.perf_counter()
    subprocess.run(command, shell=True, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, check=True)
    return time.perf_counter() - start
for command in (ours, peer):
    once(command)  # warm the page cache
a, b, ratios = [], [], []
for i in range(runs):
    if i % 2:
        y = once(peer); x = once(ours)
    else:
        x = once(ours); y = once(peer)
    a.append(x); b.append(y); ratios.append(x / y)
print(f"{statistics.median(a) * 1000:9.1f} {statistics.median(b) * 1000:9.1f} {statistics.median(ratios):7.2f}")
PY
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
  read -r a b ratio < <(paired "$runs" "$ours" "$sqlite")
  printf 'vs sqlite3 %7d | %7s  %7s  %5s | %7s  %7s\n' "$n" "$a" "$b" "$ratio" "$(rss $ours)" "$(eval rss "$sqlite")"
  tw="$work/tw$n"
  taskwarrior_data "$p" "$tw"
  twlist="task rc.data.location=$tw rc.verbose=nothing rc.hooks=off rc.gc=off rc.color=off rc.detection=off rc.defaultwidth=200 list"
  read -r a b ratio < <(paired "$(((runs + 2) / 3))" "$ours" "$twlist")
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
read -r a _ _ < <(paired "$runs" "$start" "true")
echo "start, 100,000 tasks and 14 trees of 10,000 items: $a ms, $(eval rss "$start") MB"
