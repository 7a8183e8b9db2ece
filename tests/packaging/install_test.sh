#!/usr/bin/env bash
# Installs the build into a scratch prefix, as `cmake --install` does for a user, and runs the
# installed companion: it finds its shipped data beside itself and provisions a new folder from it.
set -u
build="$1" with_window="$2"
root="$(mktemp -d)"
trap 'rm -rf "$root"' EXIT
prefix="$root/prefix"
failures=0
passed=0
check() {  # check NAME COMMAND...
  local name="$1"; shift
  if "$@"; then passed=$((passed + 1)); else echo "FAILED: $name"; failures=$((failures + 1)); fi
}
install_build() { cmake --install "$build" --prefix "$prefix" >"$root/install.log" 2>&1; }

install_build
check "cmake --install succeeds" test $? -eq 0
files=(bin/torvalet-cli share/torvalet/Sounds/ringing.wav share/man/man1/torvalet-cli.1.gz
       share/man/man1/torvalet.1.gz share/bash-completion/completions/torvalet-cli)
if [ "$with_window" = ON ]; then
  files+=(bin/torvalet share/applications/org.torvalet.Torvalet.desktop share/metainfo/org.torvalet.Torvalet.metainfo.xml
          share/icons/hicolor/scalable/apps/org.torvalet.Torvalet.svg)
  for size in 16 32 48 64 128 256; do files+=("share/icons/hicolor/${size}x$size/apps/org.torvalet.Torvalet.png"); done
fi
for file in "${files[@]}"; do check "installs $file" test -s "$prefix/$file"; done
check "manual pages are whole" gzip -t "$prefix"/share/man/man1/*.1.gz

cli="$prefix/bin/torvalet-cli"
check "the installed companion tells its version" grep -qE '^torvalet-cli [0-9.]+$' <<<"$("$cli" --version)"
if [ "$with_window" = ON ]; then
  check "the window program tells its version without a display" \
    grep -qE '^torvalet [0-9.]+$' <<<"$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$prefix/bin/torvalet" --version)"
fi

# Shipped files are what a new folder gets: mark them to see them arrive.
printf 'RIFF shipped' >"$prefix/share/torvalet/Sounds/ringing.wav"
mkdir -p "$prefix/share/torvalet/Lang"
printf '[Main]\n' >"$prefix/share/torvalet/Lang/russian.lng"
export XDG_DATA_HOME="$root/data"
unset TORVALET_HOME
"$cli" --now "2026-12-10 09:00" start 2>"$root/err"
check "start on a new user folder succeeds" test $? -eq 0
home="$XDG_DATA_HOME/torvalet"
check "the folder is provisioned in \$XDG_DATA_HOME/torvalet" test -f "$home/Data/tasks.db"
check "with the shipped cue files" test "$(cat "$home/Sounds/ringing.wav")" = "RIFF shipped"
check "and the compiled-in cues for what is not shipped differently" test -s "$home/Sounds/bigben.wav"
check "and the shipped language files" test -f "$home/Lang/russian.lng"

# Installing again over the first install leaves the user's folder as it is.
printf 'mine' >"$home/Sounds/done.wav"
before="$(cd "$home" && find . -type f -exec md5sum {} + | sort)"
install_build
check "a second install over the first succeeds" test $? -eq 0
check "and leaves the user's folder untouched" test "$(cd "$home" && find . -type f -exec md5sum {} + | sort)" = "$before"

echo "$passed passed, $failures failed"
[ "$failures" -eq 0 ]
