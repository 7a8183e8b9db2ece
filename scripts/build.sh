#!/usr/bin/env bash
# Configures and builds everything into build/ (Release with debug information).
# TORVALET_WERROR=ON in the environment makes compiler warnings errors (CI sets it).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo ${TORVALET_WERROR:+-DTORVALET_WERROR=$TORVALET_WERROR} "$@"
cmake --build build -j"$(nproc)"
