#!/usr/bin/env bash
# What each part of the small-block pool (src/core/base/SmallBlocks.cpp) buys, whole processes:
# the companion with every part on, paired with the same program with one part switched off
# through TORVALET_SMALL_BLOCKS (no-pool, no-huge-pages, no-populate), on
#   analyze calendar   100,000 recurring events walked from their file (bench/make-recurring-events),
#                      each run from the same empty store;
#   start              the large profile (100,000 tasks, 14 trees of TREE-ITEMS items, bench/make-profile)
#                      loaded, started on a day it has started before, and closed.
# Ratios are medians of paired runs (bench/paired.py), every part on over one part off: below 1 the
# part buys time. The load of the machine is printed before and after, the peak memory beside.
#   bash bench/compare-small-blocks.sh [RUNS] [TREE-ITEMS]      (defaults: 21, 10000)
# SMALL_BLOCK_PARTS in the environment lists other parts to try, SMALL_BLOCK_BASE parts that both
# sides run without: SMALL_BLOCK_BASE=no-huge-pages SMALL_BLOCK_PARTS=no-populate tells what the
# pages made in one request buy where the system gives no huge pages.
# Not part of CI: it takes minutes and measures this machine.
set -euo pipefail
cd "$(dirname "$0")/.."
runs="${1:-21}"
items="${2:-10000}"
parts=(${SMALL_BLOCK_PARTS:-no-pool no-huge-pages no-populate})
base="${SMALL_BLOCK_BASE:-}"

cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DTORVALET_BUILD_UI=OFF -DTORVALET_BUILD_TESTS=OFF \
  >/dev/null
cmake --build build-bench -j"$(nproc)" --target torvalet-cli make-recurring-events make-profile >/dev/null
cli="$PWD/build-bench/src/cli/torvalet-cli"

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
build-bench/bench/make-recurring-events "$work/events" "$work/events.rem" 100000 >/dev/null
cp "$work/events/Data/tasks.db" "$work/empty.db"
fresh="cp $work/empty.db $work/events/Data/tasks.db; rm -f $work/events/Data/tasks.db-wal $work/events/Data/tasks.db-shm"
build-bench/bench/make-profile --tasks 100000 --tree-items "$items" "$work/large" >/dev/null
printf '[General]\nfEasyMode=0\nOrderBy=1\n' >"$work/large/torvalet.ini"

analyze="$cli --home $work/events --now '2026-12-10 08:00' --date-format dd.MM.yyyy analyze calendar"
start="$cli --home $work/large --now '2026-12-10 09:00' start"
eval "$start" >/dev/null 2>&1 || true  # the first start of the day runs the start-of-day sequence

rss() {  # rss PARTS COMMAND: peak resident memory in MB
  env TORVALET_SMALL_BLOCKS="$1" /usr/bin/time -f %M bash -c "$2" 2>&1 >/dev/null | tail -n 1 |
    awk '{printf "%.1f", $1 / 1024}'
}

echo "$(nproc) processors, load average before: $(cut -d' ' -f1-3 /proc/loadavg)"
echo "command           part off       | all on ms  part off ms | wall ratio  cpu ratio | all on MB  part off MB"
[ -z "$base" ] || echo "(\"all on\" without $base)"
for name in analyze start; do
  command="${!name}"
  prepare=":"
  [ "$name" = analyze ] && prepare="$fresh"
  for part in "${parts[@]}"; do
    read -r a b ratio cpu < <(python3 bench/paired.py "$runs" "TORVALET_SMALL_BLOCKS=$base exec $command" \
      "TORVALET_SMALL_BLOCKS=$base,$part exec $command" --prepare "$prepare" --prepare-peer "$prepare")
    bash -c "$prepare"
    on="$(rss "$base" "$command")"
    bash -c "$prepare"
    off="$(rss "$base,$part" "$command")"
    printf '%-17s %-14s | %9s  %11s | %10s  %9s | %9s  %11s\n' "$name" "$part" "$a" "$b" "$ratio" "$cpu" "$on" "$off"
  done
done
echo "load average after: $(cut -d' ' -f1-3 /proc/loadavg)"
