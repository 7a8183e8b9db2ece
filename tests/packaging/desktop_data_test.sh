#!/usr/bin/env bash
# The launcher entry and the AppStream metainfo pass their validators, and the metainfo's newest
# release is the version the program reports.
set -u
data="$1" version="$2"
failures=0
passed=0
check() {  # check NAME COMMAND...
  local name="$1"; shift
  if "$@"; then passed=$((passed + 1)); else echo "FAILED: $name"; failures=$((failures + 1)); fi
}

check "desktop-file-validate accepts the launcher entry" desktop-file-validate "$data/org.torvalet.Torvalet.desktop"
check "appstreamcli accepts the metainfo" appstreamcli validate --no-net "$data/org.torvalet.Torvalet.metainfo.xml"
newest="$(grep -m1 -oP '<release version="\K[^"]+' "$data/org.torvalet.Torvalet.metainfo.xml")"
check "the newest release ($newest) is the program's version ($version)" test "$newest" = "$version"

echo "$passed passed, $failures failed"
[ "$failures" -eq 0 ]
