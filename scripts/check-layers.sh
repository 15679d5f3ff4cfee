#!/usr/bin/env bash
# The include graph runs one way: core/ and ui/ at the bottom, disc/ on
# core/, vm/ on disc/, mainwindow/ above them, windows/ beside it (without
# an arrow to mainwindow/), the command line above them, the toolkit
# bindings on top. Prints every include that goes another way and
# fails on the first run that finds one: scripts/check-layers.sh [SOURCE_DIR]
set -euo pipefail
cd "${1:-$(dirname "$0")/..}"

# Each layer and the layers it may include (itself among them).
allowed="core:core
disc:disc core
vm:vm disc core
ui:ui
windows:windows vm disc core ui
mainwindow:mainwindow windows vm disc core ui
cli:cli mainwindow windows vm disc core ui
qt:qt cli mainwindow windows vm disc core ui
win32:win32 cli mainwindow windows vm disc core ui"

folders=$(cut -d: -f1 <<<"$allowed" | while read -r f; do if [ -d "$f" ]; then echo "$f"; fi; done)
# One pass over every include of every layer's sources.
# shellcheck disable=SC2086
grep -rHn --include='*.h' --include='*.cpp' '#include "' $folders | awk -v allowed="$allowed" '
    BEGIN {
        n = split(allowed, lines, "\n")
        for (i = 1; i <= n; i++) {
            split(lines[i], parts, ":")
            layer[parts[1]] = 1
            m = split(parts[2], targets, " ")
            for (j = 1; j <= m; j++) ok[parts[1] "/" targets[j]] = 1
        }
    }
    {
        file = $0; sub(/:.*/, "", file)
        folder = file; sub(/\/.*/, "", folder)
        if (!match($0, /#include "[^\/"]*\//)) next
        target = substr($0, RSTART + 10, RLENGTH - 11)
        if (!(target in layer)) next
        if (!((folder "/" target) in ok)) {
            print file " includes " target "/, which " folder "/ stands below or beside"
            wrong = 1
        }
    }
    END { exit wrong }' && echo "the include graph runs one way"
