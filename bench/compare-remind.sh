#!/usr/bin/env bash
# Whole-process comparison with Debian's remind(1): what is due today among the same recurring
# events, as `torvalet-cli analyze calendar` (start, calendar file read, analysis, due tasks
# stored) and as `remind -q` over a reminder file. The ratio is the median of paired runs (see
# bench/paired.py); every run of ours starts from the same empty store, restored untimed. Installs
# remind and python3 when missing. Not part of CI.
#   bash bench/compare-remind.sh [EVENTS] [DAY] [RUNS]      (defaults: 100000, 2026-12-10, 21)
set -euo pipefail
cd "$(dirname "$0")/.."
events="${1:-100000}"
day="${2:-2026-12-10}"
runs="${3:-21}"

for tool in remind python3; do
  if ! command -v "$tool" >/dev/null; then
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "$tool"
  fi
done

cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DTORVALET_BUILD_UI=OFF -DTORVALET_BUILD_TESTS=OFF \
  >/dev/null
cmake --build build-bench -j"$(nproc)" --target torvalet-cli make-recurring-events >/dev/null
cli="$PWD/build-bench/src/cli/torvalet-cli"

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
build-bench/bench/make-recurring-events "$work/app" "$work/events.rem" "$events"
cp "$work/app/Data/tasks.db" "$work/empty.db"
fresh="cp $work/empty.db $work/app/Data/tasks.db; rm -f $work/app/Data/tasks.db-wal $work/app/Data/tasks.db-shm"

ours="exec $cli --home $work/app --now '$day 08:00' --date-format dd.MM.yyyy analyze calendar"
theirs="exec remind -q $work/events.rem $day"
bash -c "$fresh" && bash -c "$ours" >/dev/null 2>&1 || true
echo "due today: $("$cli" --home "$work/app" tasks | wc -l) tasks stored by torvalet-cli," \
     "$(remind -q "$work/events.rem" "$day" | grep -c .) lines printed by remind (with its heading)"

read -r a b ratio cpu < <(python3 bench/paired.py "$runs" "$ours" "$theirs" --prepare "$fresh")
echo "analyze calendar, $events events | ours ${a} ms, remind ${b} ms | ours/remind: wall $ratio, cpu $cpu"
