#!/usr/bin/env bash
# Runs a cross-built Windows program under Wine, in the prefix of the build
# it belongs to (BUILD/wine-prefix, beside BUILD/CMakeCache.txt), which is
# made on first use: tests/bindings/win32/wine-run.sh PROGRAM.exe [ARGS...]
# WINEPREFIX, when set, names another prefix. Wine's own messages are off.
set -euo pipefail
if [ -z "${WINEPREFIX:-}" ]; then
    build=$(cd "$(dirname "$1")" && pwd)
    while [ "$build" != / ] && [ ! -f "$build/CMakeCache.txt" ]; do
        build=$(dirname "$build")
    done
    export WINEPREFIX=$build/wine-prefix
fi
export WINEDEBUG=${WINEDEBUG:--all}
# No Mono or Gecko: nothing here needs them, and Wine would offer to fetch them.
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
if [ ! -f "$WINEPREFIX/.trevalo-ready" ]; then
    mkdir -p "$(dirname "$WINEPREFIX")"
    # Tests running side by side make the prefix once. Its windows are not
    # handed to an X window manager: there is none on a virtual display,
    # and Wine would wait two seconds for one each time a window closes.
    flock "$WINEPREFIX.lock" sh -c '
        [ -f "$WINEPREFIX/.trevalo-ready" ] && exit 0
        wineboot -i >/dev/null 2>&1
        wine reg add "HKCU\\Software\\Wine\\X11 Driver" /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
        wineserver -w
        touch "$WINEPREFIX/.trevalo-ready"'
fi
exec wine "$@"
