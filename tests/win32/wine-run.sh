#!/usr/bin/env bash
# Runs a cross-built Windows program under Wine, in the prefix of the build
# it belongs to (BUILD/wine-prefix, beside BUILD/CMakeCache.txt), which is
# made on first use: tests/win32/wine-run.sh PROGRAM.exe [ARGS...]
# WINEPREFIX, when set, names another prefix. Wine's own messages are off.
set -euo pipefail
program=$1
build=$(cd "$(dirname "$program")" && pwd)
while [ "$build" != / ] && [ ! -f "$build/CMakeCache.txt" ]; do
    build=$(dirname "$build")
done
export WINEPREFIX=${WINEPREFIX:-$build/wine-prefix}
export WINEDEBUG=${WINEDEBUG:--all}
# No Mono or Gecko: nothing here needs them, and Wine would offer to fetch them.
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
if [ ! -f "$WINEPREFIX/system.reg" ]; then
    mkdir -p "$(dirname "$WINEPREFIX")"
    # Tests running side by side make the prefix once.
    flock "$WINEPREFIX.lock" sh -c '[ -f "$WINEPREFIX/system.reg" ] || wineboot -i >/dev/null 2>&1'
fi
exec wine "$@"
