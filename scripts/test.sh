#!/usr/bin/env bash
# Builds and runs every test: the core's, the companion's and the window's (offscreen / under Xvfb).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh
export QT_QPA_PLATFORM=offscreen
cd build && ctest --output-on-failure -j"$(nproc)"
