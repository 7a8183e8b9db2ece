#!/usr/bin/env bash
# Builds the core tests and the companion with ThreadSanitizer into build-tsan/ and runs them: the
# core tests (among them those of the hand-off, of the small-block pool filled from two threads and
# of the calendar analysis on its two threads; the others cost less than a minute more), then the
# companion's `analyze calendar` over a generated calendar of 5,000 recurring events, read whole
# and cut short. Only these targets are built, which keeps the run to minutes.
# TORVALET_WERROR=ON in the environment makes warnings errors.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
# The generator of the calendar lives with the benchmarks; the benchmarks themselves are not built.
cmake -S . -B build-tsan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTORVALET_SANITIZE=thread \
  -DTORVALET_BUILD_UI=OFF -DTORVALET_BUILD_BENCH=ON ${TORVALET_WERROR:+-DTORVALET_WERROR=$TORVALET_WERROR}
cmake --build build-tsan -j"$(nproc)" --target torvalet_core_tests torvalet-cli make-recurring-events
export TSAN_OPTIONS="halt_on_error=1 second_deadlock_stack=1"

build-tsan/tests/torvalet_core_tests --gtest_brief=1

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
build-tsan/bench/make-recurring-events "$work/app" "$work/events.rem" 5000 >/dev/null
cli=(build-tsan/src/cli/torvalet-cli --home "$work/app" --now "2026-12-10 08:00" --date-format dd.MM.yyyy)
"${cli[@]}" analyze calendar
stored="$("${cli[@]}" tasks | wc -l)"
echo "analyze calendar: $stored tasks stored from 5000 events"
[ "$stored" -gt 64 ] || { echo "too few due events to pass more than one batch between the threads" >&2; exit 1; }

# A file that ends part way: the walk fails on its thread after passing some due events, and the
# tasks stored from them are taken back (exit 1, the store as it was).
cp "$work/app/calendar.clnd" "$work/whole.clnd"
head -c "$(($(stat -c %s "$work/whole.clnd") * 2 / 3))" "$work/whole.clnd" >"$work/app/calendar.clnd"
status=0
"${cli[@]}" analyze calendar 2>"$work/err" || status=$?
[ "$status" -eq 1 ] || { cat "$work/err" >&2; echo "a calendar cut short: exit $status, not 1" >&2; exit 1; }
[ "$("${cli[@]}" tasks | wc -l)" -eq "$stored" ] || { echo "a calendar cut short stored tasks" >&2; exit 1; }
echo "analyze calendar of a file cut short: $(head -n 1 "$work/err")"
