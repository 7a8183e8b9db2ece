#!/usr/bin/env bash
# Builds the core, its tests and the companion with AddressSanitizer and UndefinedBehaviorSanitizer
# into build-asan/ and runs them. TORVALET_WERROR=ON in the environment makes warnings errors.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build-asan -G Ninja -DTORVALET_SANITIZE=address -DTORVALET_BUILD_UI=OFF -DTORVALET_BUILD_BENCH=OFF \
  ${TORVALET_WERROR:+-DTORVALET_WERROR=$TORVALET_WERROR}
cmake --build build-asan -j"$(nproc)"
export ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
cd build-asan && ctest --output-on-failure -j"$(nproc)"
