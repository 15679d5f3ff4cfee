#!/usr/bin/env bash
# Takes a screenshot of trevalo.exe's main window under Wine, after an
# import with the post settings on, at a given dpi, on a virtual display:
#   tests/bindings/win32/screenshot.sh BUILD_DIR OUTPUT.png DPI [DISC [choice]]
# The menu bar and client area are taken, as in the Qt window's screenshots.
# With a disc folder, the disc window's client area instead, with the disc
# traced to its feature and imported (with "choice", waiting for a button).
# A dpi other than 96 gets a Wine prefix of its own (BUILD_DIR/wine-prefix-DPIdpi).
set -euo pipefail
build=$(cd "$1" && pwd)
out=$2
dpi=$3
here=$(cd "$(dirname "$0")" && pwd)
if [ -z "${TREVALO_IN_XVFB:-}" ]; then
    exec env TREVALO_IN_XVFB=1 xvfb-run -a -s "-screen 0 1600x1200x24" "$0" "$@"
fi
# What is left is for the scene program.
shift 3
if [ "$dpi" = 96 ]; then
    export WINEPREFIX=$build/wine-prefix
else
    export WINEPREFIX=$build/wine-prefix-${dpi}dpi
fi
"$here/wine-run.sh" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null
# Each program reads the dpi when it starts, within a Wine session that
# read it when it began.
wineserver -w

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkfifo "$work/go"
"$here/wine-run.sh" "$build/tests/bindings/win32/trevalo_win32_scene.exe" "$build/trevalo.exe" "$@" <"$work/go" >"$work/ready" &
scene=$!
exec 3>"$work/go"
for _ in $(seq 300); do
    grep -q '^ready' "$work/ready" 2>/dev/null && break
    sleep 0.1
done
read -r _ left top width height < <(grep '^ready' "$work/ready") || { echo "the window did not get ready" >&2; exit 1; }
import -window root -crop "${width}x${height}+${left}+${top}" +repage "$out"
echo done >&3
exec 3>&-
wait "$scene"
echo "wrote $out (${width}x${height} at $dpi dpi)"
