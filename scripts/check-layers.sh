#!/usr/bin/env bash
# The include graph runs one way: core/ and ui/ at the bottom, disc/ on
# core/, vm/ on disc/, mainwindow/ above them, windows/ beside it (without
# an arrow to mainwindow/), the command line above them, the toolkit
# bindings (bindings/qt/, bindings/win32/) on top. What the bindings share
# (ui/binding/) stands on ui/'s controls and seam, which know nothing of
# it. Prints every include that goes another way and fails on the first
# run that finds one: scripts/check-layers.sh [SOURCE_DIR]
set -euo pipefail
cd "${1:-$(dirname "$0")/..}"

# Each layer and the layers it may include (itself among them). A file
# belongs to the longest layer its path begins with, and so does an
# include's target.
allowed="core:core
disc:disc core
vm:vm disc core
ui:ui
ui/binding:ui/binding ui
windows:windows vm disc core ui
mainwindow:mainwindow windows vm disc core ui
cli:cli mainwindow windows vm disc core ui
bindings/qt:bindings/qt cli mainwindow windows vm disc core ui ui/binding
bindings/win32:bindings/win32 cli mainwindow windows vm disc core ui ui/binding"

folders=$(cut -d: -f1 <<<"$allowed" | while read -r f; do if [ -d "$f" ]; then echo "$f"; fi; done | sort -u)
# One pass over every include of every layer's sources (a folder nested in
# another is read once, with the outer one).
# shellcheck disable=SC2086
grep -rHn --include='*.h' --include='*.cpp' '#include "' $(awk '
    { for (i = 1; i < NR; i++) if (index($0, seen[i] "/") == 1) next; seen[NR] = $0; print }' <<<"$folders") \
| awk -v allowed="$allowed" '
    BEGIN {
        n = split(allowed, lines, "\n")
        for (i = 1; i <= n; i++) {
            split(lines[i], parts, ":")
            layer[parts[1]] = 1
            m = split(parts[2], targets, " ")
            for (j = 1; j <= m; j++) ok[parts[1] ">" targets[j]] = 1
        }
    }
    # The longest layer `path` lies in, or "".
    function layerOf(path,    best, l) {
        best = ""
        for (l in layer)
            if (index(path, l "/") == 1 && length(l) > length(best)) best = l
        return best
    }
    {
        file = $0; sub(/:.*/, "", file)
        if (!match($0, /#include "[^"]*"/)) next
        target = layerOf(substr($0, RSTART + 10, RLENGTH - 11))
        if (target == "") next
        folder = layerOf(file)
        if (!((folder ">" target) in ok)) {
            print file " includes " target "/, which " folder "/ stands below or beside"
            wrong = 1
        }
    }
    END { exit wrong }' && echo "the include graph runs one way"
