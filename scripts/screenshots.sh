#!/usr/bin/env bash
# Makes a small sample profile and takes a picture of every page of the window under Xvfb.
#
#     bash scripts/screenshots.sh [OUTPUT_FOLDER]     (default: build/screenshots)
#
# The profile is left in OUTPUT_FOLDER/profile; to try the program on it:
#     TORVALET_HOME=OUTPUT_FOLDER/profile build/src/ui/torvalet
set -euo pipefail
cd "$(dirname "$0")/.."

out="$(realpath -m "${1:-build/screenshots}")"
bash scripts/install-deps.sh
[ -f build/build.ninja ] || cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build --target torvalet_page_screenshots torvalet

rm -rf "$out/profile"
mkdir -p "$out"
# A fresh per-user folder, so that nothing of the user's own settings shows.
export XDG_CONFIG_HOME="$out/config"
xvfb-run -a -s "-screen 0 1366x800x24" build/tests/ui/torvalet_page_screenshots "$out/profile" "$out"

# The program itself, started as a user would, on the same profile.
if command -v import >/dev/null; then
  xvfb-run -a -s "-screen 0 1366x800x24" bash -c '
    TORVALET_HOME="$1/profile" build/src/ui/torvalet & pid=$!
    sleep 4
    import -window root "$1/0-program-at-start.png"
    kill $pid; wait $pid || true' _ "$out"
fi
ls -1 "$out"/*.png
