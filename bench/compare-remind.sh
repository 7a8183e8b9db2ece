#!/usr/bin/env bash
# Whole-process comparison with Debian's remind(1): what is due today among the same recurring
# events, as `torvalet-cli analyze calendar` (start, calendar tree read, analysis, due tasks
# stored) and as `remind -q` over a reminder file. Installs remind and hyperfine when missing.
# Not part of CI.
#   bash bench/compare-remind.sh [EVENTS] [DAY]      (defaults: 100000, 2026-12-10)
set -euo pipefail
cd "$(dirname "$0")/.."
events="${1:-100000}"
day="${2:-2026-12-10}"

for tool in remind hyperfine; do
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
# Every run starts from the same empty store, so that each one stores the same due tasks.
cp "$work/app/Data/tasks.db" "$work/empty.db"
fresh="cp $work/empty.db $work/app/Data/tasks.db; rm -f $work/app/Data/tasks.db-wal $work/app/Data/tasks.db-shm"

ours="$cli --home $work/app --now '$day 08:00' --date-format dd.MM.yyyy analyze calendar"
theirs="remind -q $work/events.rem $day"
bash -c "$fresh" && bash -c "$ours" 2>/dev/null || true
echo "due today: $("$cli" --home "$work/app" tasks | wc -l) tasks stored by torvalet-cli," \
     "$(remind -q "$work/events.rem" "$day" | grep -c .) lines printed by remind (with its heading)"

hyperfine --warmup 2 --runs "${RUNS:-15}" --prepare "$fresh" -n torvalet-cli "$ours" -n remind "$theirs" \
  --export-markdown "$work/result.md"
cat "$work/result.md"
