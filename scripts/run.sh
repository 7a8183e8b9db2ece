#!/usr/bin/env bash
# Builds the organiser and starts it (under Xvfb when there is no display).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh >&2
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  exec xvfb-run -a ./build/src/ui/torvalet "$@"
fi
exec ./build/src/ui/torvalet "$@"
