#!/usr/bin/env bash
# Takes a screenshot of a program's first top-level window under a virtual
# X display: scripts/screenshot.sh OUTPUT.png PROGRAM [ARGS...]
# SHOT_WINDOW picks the window by the start of its title (default: Trevalo).
# SHOT_SCREEN sets the virtual screen (default: 1280x1024x24); a window at
# QT_SCALE_FACTOR=2 wants a larger one, such as 2560x2048x24.
# Extra environment (QT_SCALE_FACTOR, say) passes through to the program.
set -euo pipefail
out=$1
shift
if [ -z "${TREVALO_IN_XVFB:-}" ]; then
    exec env TREVALO_IN_XVFB=1 xvfb-run -a -s "-screen 0 ${SHOT_SCREEN:-1280x1024x24}" "$0" "$out" "$@"
fi
"$@" &
program=$!
trap 'kill $program 2>/dev/null || true' EXIT
for _ in $(seq 50); do
    sleep 0.2
    id=$(xwininfo -root -tree | awk -v title="\"${SHOT_WINDOW:-Trevalo}" 'index($0, title) && $1 ~ /^0x/ { print $1 }' | tail -n 1)
    [ -n "$id" ] && break
done
[ -n "${id:-}" ] || { echo "no window appeared" >&2; exit 1; }
sleep 1
import -window "$id" "$out"
echo "wrote $out"
