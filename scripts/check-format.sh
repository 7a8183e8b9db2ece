#!/usr/bin/env bash
# Checks the layout of every tracked C++ file against .clang-format (Debian's clang-format, which
# scripts/install-deps.sh installs), changing nothing: prints each difference and fails when there
# is one. `clang-format -i FILE...` lays files out.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
git ls-files -z -- '*.cpp' '*.h' | xargs -0 clang-format --dry-run -Werror
