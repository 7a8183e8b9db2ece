# Shared by the companion's scripted tests: a scratch folder removed at exit, and named checks
# counted for the summary that `finish` prints.
home="$(mktemp -d)"
trap 'rm -rf "$home"' EXIT
failures=0
passed=0

check() {  # check NAME CONDITION...
  local name="$1"; shift
  if "$@"; then passed=$((passed + 1)); else echo "FAILED: $name"; failures=$((failures + 1)); fi
}
contains() { grep -qF -- "$2" <<<"$1"; }
lacks() { ! grep -qF -- "$2" <<<"$1"; }

finish() {
  echo "$passed passed, $failures failed"
  [ "$failures" -eq 0 ]
}
