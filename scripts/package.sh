#!/usr/bin/env bash
# Builds the organiser and makes its Debian package, build/torvalet_VERSION_ARCH.deb, whose
# dependencies dpkg-shlibdeps computes from the programs' libraries.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh "$@"
rm -f build/torvalet_*.deb
(cd build && cpack -G DEB)
ls build/torvalet_*.deb
